#include "qtdialoge.h"

#include "anleitung.h"
#include "anzeige.h"
#include "fehlerdurchsicht.h"
#include "piepton.h"

#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>

namespace {

constexpr int symbolGroesse = 64;

} // namespace

QtDialoge::QtDialoge(QWidget* eltern, Piepton& ton, std::function<void()> nachDialog)
    : eltern_(eltern), ton_(ton), nachDialog_(std::move(nachDialog)) {}

std::string QtDialoge::waehle(const std::string& frage, const std::vector<std::string>& optionen) {
    QMessageBox box(eltern_);
    box.setWindowTitle(QStringLiteral("Numora"));
    box.setWindowModality(Qt::ApplicationModal);
    // Ohne Schließknopf: Der Dialog endet nur mit einem seiner Knöpfe.
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    box.setTextFormat(Qt::PlainText);
    box.setText(anzeigeText(frage));
    box.setIconPixmap(
        QPixmap(QStringLiteral(":/numora/M128.png"))
            .scaled(symbolGroesse, symbolGroesse, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    if (auto* text = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        text->setFont(spielSchrift());
    }
    // Alle Knöpfe in derselben Rolle: So stehen sie in der gegebenen Reihenfolge, und keiner
    // gilt als Abbrechen-Knopf, den Escape oder das Schließen auslösen könnten.
    std::vector<QPushButton*> knoepfe;
    for (const std::string& option : optionen) {
        knoepfe.push_back(box.addButton(QString::fromStdString(option), QMessageBox::ActionRole));
    }
    if (!knoepfe.empty()) {
        box.setDefaultButton(knoepfe.front());
    }
    box.exec();

    std::string antwort = "Fehler";
    for (std::size_t i = 0; i < knoepfe.size(); ++i) {
        if (box.clickedButton() == knoepfe[i]) {
            antwort = optionen[i];
        }
    }
    if (nachDialog_) {
        nachDialog_();
    }
    return antwort;
}

void QtDialoge::piep() {
    ton_.spielen();
}

void QtDialoge::anleitungZeigen() {
    ::anleitungZeigen(eltern_);
}

bool QtDialoge::fehlerZeigen(const std::string& text) {
    const bool ueben = Fehlerdurchsicht::zeigen(eltern_, anzeigeText(text));
    if (nachDialog_) {
        nachDialog_();
    }
    return ueben;
}
