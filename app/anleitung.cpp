// SPDX-License-Identifier: GPL-3.0-or-later
#include "anleitung.h"

#include "anzeige.h"
#include "druckauftrag.h"
#include "farben.h"
#include "zugaenglichkeit.h"

#include <QAction>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

// Die Ressourcen liegen in einer statischen Bibliothek; Q_INIT_RESOURCE geht nur außerhalb
// jedes Namensraums.
static void ressourcenLaden() {
    Q_INIT_RESOURCE(anleitung);
}

namespace {

const QUrl quelle(QStringLiteral("qrc:/anleitung/anleitung.html"));
const QUrl inhaltsverzeichnis(QStringLiteral("qrc:/anleitung/anleitung.html#inhalt"));
constexpr int wunschBreite = 860;
constexpr int wunschHoehe = 720;

QToolButton* knopf(QWidget* eltern, const char* name, QAction* aktion) {
    auto* k = new QToolButton(eltern);
    k->setObjectName(QLatin1String(name));
    k->setDefaultAction(aktion);
    k->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return k;
}

// Setzt die Schreibmarke an den Anker: Ein Sprung rollt sonst nur die Ansicht, und ein
// Screenreader läse an der alten Stelle weiter.
void markeAnAnker(QTextBrowser* text, const QString& anker) {
    if (anker.isEmpty()) {
        return;
    }
    for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next()) {
        for (auto teil = b.begin(); !teil.atEnd(); ++teil) {
            if (teil.fragment().charFormat().anchorNames().contains(anker)) {
                QTextCursor c(text->document());
                c.setPosition(teil.fragment().position());
                text->setTextCursor(c);
                text->scrollToAnchor(anker);
                return;
            }
        }
    }
}

class Anleitungstext final : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

  protected:
    // Die Farben im HTML sind für eine helle Palette gewählt. Auf einer dunklen kommen lesbare
    // dazu; sonst stünden dunkelblaue Überschriften auf Schwarz und helle Schrift in hellen Kästen.
    QVariant loadResource(int art, const QUrl& name) override {
        QVariant inhalt = QTextBrowser::loadResource(art, name);
        const QPalette& p = palette();
        const QColor grund = p.color(QPalette::Base);
        const QColor schrift = p.color(QPalette::Text);
        if (art != QTextDocument::HtmlResource || !dunkel(grund, schrift)) {
            return inhalt;
        }
        const QColor blau = lesbar(QColor(0x8c, 0xb8, 0xe8), grund);
        // Eine Palette ohne eigene Farbe für Verweise behält Qts Blau, auf Schwarz kaum lesbar.
        const QColor verweis =
            kontrast(p.color(QPalette::Link), grund) >= 4.5 ? p.color(QPalette::Link) : blau;
        const QString regeln =
            QStringLiteral("h1, h2, h3 { color: %1; } code { background-color: %2; } "
                           "pre { background-color: %3; } th { background-color: %4; } "
                           "table, td, th { border-color: %5; } .klein { color: %6; } "
                           "a { color: %7; }")
                .arg(blau.name(), mischen(grund, schrift, 0.14).name(),
                     mischen(grund, schrift, 0.08).name(), mischen(grund, blau, 0.25).name(),
                     mischen(grund, schrift, 0.35).name(), gedaempft(schrift, grund).name(),
                     verweis.name());
        QString html = QString::fromUtf8(inhalt.toByteArray());
        html.replace(QStringLiteral("</style>"), regeln + QStringLiteral("</style>"));
        return html;
    }
    void changeEvent(QEvent* ereignis) override {
        QTextBrowser::changeEvent(ereignis);
        if (ereignis->type() == QEvent::PaletteChange && !source().isEmpty()) {
            reload();
        }
    }
};

} // namespace

Anleitungsfenster::Anleitungsfenster(QWidget* eltern)
    : QWidget(eltern, Qt::Window), text_(new Anleitungstext(this)), suchleiste_(new QWidget(this)),
      suchfeld_(new QLineEdit(suchleiste_)), suchmeldung_(new QLabel(suchleiste_)) {
    ressourcenLaden();
    // Den Programmnamen hängt Qt selbst an: "Anleitung — Numora".
    setWindowTitle(QStringLiteral("Anleitung"));

    text_->setObjectName(QStringLiteral("anleitungstext"));
    text_->setOpenExternalLinks(true);
    // Eine Schreibmarke wie im Browser: Mit den Pfeiltasten liest ein Screenreader Zeile für Zeile.
    text_->setTextInteractionFlags(text_->textInteractionFlags() | Qt::TextSelectableByKeyboard);
    text_->setSource(quelle);

    const auto aktion = [this](const QString& titel, const QKeySequence& kurz, auto&& befehl) {
        auto* a = new QAction(titel, this);
        a->setShortcut(kurz);
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, befehl);
        addAction(a);
        return a;
    };
    QAction* inhalt = aktion(QStringLiteral("Inhalt"), QKeySequence(Qt::Key_Home), [this] {
        text_->setSource(inhaltsverzeichnis);
        markeAnAnker(text_, inhaltsverzeichnis.fragment());
    });
    connect(text_, &QTextBrowser::sourceChanged, this,
            [this](const QUrl& ziel) { markeAnAnker(text_, ziel.fragment()); });
    QAction* zurueck =
        aktion(QStringLiteral("Zurück"), QKeySequence::Back, [this] { text_->backward(); });
    zurueck->setEnabled(false);
    connect(text_, &QTextBrowser::backwardAvailable, zurueck, &QAction::setEnabled);
    QAction* suche =
        aktion(QStringLiteral("Suchen …"), QKeySequence::Find, [this] { suchleisteZeigen(); });
    QAction* druck =
        aktion(QStringLiteral("Drucken …"), QKeySequence::Print, [this] { drucken(); });
    aktion(QStringLiteral("Weitersuchen"), QKeySequence::FindNext,
           [this] { suchen(suchfeld_->text()); });
    aktion(QStringLiteral("Rückwärts suchen"), QKeySequence::FindPrevious,
           [this] { suchen(suchfeld_->text(), true); });
    // Größer und kleiner wie im Browser, für Leser, die schlecht sehen.
    aktion(QStringLiteral("Größer"), QKeySequence::ZoomIn, [this] { text_->zoomIn(2); });
    aktion(QStringLiteral("Kleiner"), QKeySequence::ZoomOut, [this] { text_->zoomOut(2); });
    aktion(QStringLiteral("Schließen"), QKeySequence(Qt::Key_Escape), [this] {
        if (suchleiste_->isVisible()) {
            suchleisteSchliessen();
        } else {
            close();
        }
    });

    auto* leiste = new QHBoxLayout;
    leiste->addWidget(knopf(this, "inhalt", inhalt));
    leiste->addWidget(knopf(this, "zurueck", zurueck));
    leiste->addWidget(knopf(this, "suche", suche));
    leiste->addWidget(knopf(this, "druck", druck));
    leiste->addStretch();

    // Die Suchleiste unten, wie in Browsern: Return sucht weiter, Shift+Return zurück.
    auto* suchzeile = new QHBoxLayout(suchleiste_);
    suchzeile->setContentsMargins(0, 0, 0, 0);
    auto* suchtitel = new QLabel(QStringLiteral("&Suchen:"), suchleiste_);
    suchtitel->setBuddy(suchfeld_);
    suchfeld_->setObjectName(QStringLiteral("suchbegriff"));
    suchfeld_->setClearButtonEnabled(true);
    auto* vor = new QPushButton(QStringLiteral("&Nächster"), suchleiste_);
    auto* rueck = new QPushButton(QStringLiteral("&Voriger"), suchleiste_);
    vor->setObjectName(QStringLiteral("naechster"));
    rueck->setObjectName(QStringLiteral("voriger"));
    suchmeldung_->setObjectName(QStringLiteral("suchmeldung"));
    for (QPushButton* k : {vor, rueck}) {
        k->setAutoDefault(false);
    }
    suchzeile->addWidget(suchtitel);
    suchzeile->addWidget(suchfeld_, 1);
    suchzeile->addWidget(vor);
    suchzeile->addWidget(rueck);
    suchzeile->addWidget(suchmeldung_);
    connect(vor, &QPushButton::clicked, this, [this] { suchen(suchfeld_->text()); });
    connect(rueck, &QPushButton::clicked, this, [this] { suchen(suchfeld_->text(), true); });
    connect(suchfeld_, &QLineEdit::returnPressed, this, [this] {
        suchen(suchfeld_->text(), QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
    });
    // Beim Tippen ab dem Anfang des bisherigen Treffers suchen, damit er mitwächst.
    connect(suchfeld_, &QLineEdit::textEdited, this, [this](const QString& wort) {
        QTextCursor c = text_->textCursor();
        c.setPosition(c.selectionStart());
        text_->setTextCursor(c);
        suchen(wort);
    });
    suchleiste_->hide();

    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(leiste);
    spalte->addWidget(text_, 1);
    spalte->addWidget(suchleiste_);

    // Passt auch auf kleine Bildschirme (1024×600): höchstens die verfügbare Fläche.
    resize(aufDenBildschirm(QSize(wunschBreite, wunschHoehe), eltern != nullptr ? eltern : this));
    text_->setFocus();
    beschriften(this);
}

bool Anleitungsfenster::suchen(const QString& wort, bool rueckwaerts) {
    suchmeldung_->clear();
    if (wort.isEmpty()) {
        return false;
    }
    const QTextDocument::FindFlags richtung =
        rueckwaerts ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    if (text_->find(wort, richtung)) {
        return true;
    }
    // Am Ende (oder Anfang) angekommen: einmal von der anderen Seite her.
    QTextCursor c = text_->textCursor();
    c.movePosition(rueckwaerts ? QTextCursor::End : QTextCursor::Start);
    text_->setTextCursor(c);
    if (text_->find(wort, richtung)) {
        return true;
    }
    // Gekürzt, sonst machte ein langes Suchwort das Fenster breiter als den Bildschirm.
    suchmeldung_->setText(QStringLiteral("„%1“ kommt nicht vor.").arg(gekuerzt(wort, 30)));
    ansagen(suchmeldung_, suchmeldung_->text());
    return false;
}

void Anleitungsfenster::suchleisteZeigen() {
    suchleiste_->show();
    suchfeld_->setFocus();
    suchfeld_->selectAll();
}

void Anleitungsfenster::suchleisteSchliessen() {
    suchleiste_->hide();
    suchmeldung_->clear();
    text_->setFocus();
}

void emojiAlsBild(QTextDocument& dokument) {
    const QString emoji = QStringLiteral("\U0001F914");
    const QString name = QStringLiteral("numora:emoji");
    // 109 Pixel: die Größe, in der die Farb-Emoji-Schrift ihre Bilder mitbringt.
    QImage bild(128, 128, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    {
        QPainter maler(&bild);
        QFont schrift = dokument.defaultFont();
        schrift.setPixelSize(109);
        maler.setFont(schrift);
        maler.drawText(bild.rect(), Qt::AlignCenter, emoji);
    }
    dokument.addResource(QTextDocument::ImageResource, QUrl(name), bild);
    for (QTextCursor c = dokument.find(emoji); !c.isNull(); c = dokument.find(emoji, c)) {
        const qreal hoehe = QFontMetricsF(c.charFormat().font()).ascent();
        QTextImageFormat format;
        format.setName(name);
        format.setWidth(hoehe);
        format.setHeight(hoehe);
        c.insertImage(format);
    }
}

void Anleitungsfenster::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(QStringLiteral("Numora – Anleitung"));
    QPrintDialog dialog(&drucker, this);
    dialog.setWindowTitle(QStringLiteral("Anleitung drucken"));
    if (dialog.exec() == QDialog::Accepted) {
        // Die Farb-Emoji-Schrift zeichnen die Drucksysteme (Ghostscript, poppler) nicht: Auf
        // Papier fehlte das 🤔. Gedruckt wird eine Kopie, in der es ein Bild ist.
        const std::unique_ptr<QTextDocument> papier(text_->document()->clone());
        emojiAlsBild(*papier);
        papier->print(&drucker);
        if (const auto meldung = druckAbgewiesen(drucker)) {
            QMessageBox::warning(this, QStringLiteral("Anleitung drucken"), *meldung);
        }
    }
}

void Anleitungsfenster::closeEvent(QCloseEvent* ereignis) {
    if (QWidget* spiel = parentWidget()) {
        spiel->activateWindow();
    }
    QWidget::closeEvent(ereignis);
}
