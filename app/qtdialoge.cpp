// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdialoge.h"

#include "anzeige.h"
#include "piepton.h"
#include "textdialog.h"
#include "zusatz/zusatz.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Ab so vielen Zeilen kommt ein Text in den Textdialog, der nichts neu umbricht. Der Level-Dialog
// mit Empfehlung (fünf Zeilen) bleibt so eine Meldung wie ohne.
constexpr qsizetype vieleZeilen = 6;

// QMessageBox bricht einen Text über 500 Punkte Breite neu um und wird auf Bildschirmen über
// 1024 Punkte höchstens so breit wie der Bildschirm weniger 480, so dass vier lange Knöpfe
// gestaucht werden. Diese Meldung behält die Zeilen des Texts und wird so breit wie Text und
// Knöpfe, solange der Bildschirm reicht; erst darüber gilt Qts Größe.
class Meldung final : public QMessageBox {
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* ereignis) override {
        QMessageBox::showEvent(ereignis);
        anpassen();
    }
    bool event(QEvent* ereignis) override {
        const bool erledigt = QMessageBox::event(ereignis);
        if (ereignis->type() == QEvent::LayoutRequest) {
            anpassen();
        }
        return erledigt;
    }

  private:
    void anpassen() {
        auto* feld = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!isVisible() || feld == nullptr || layout() == nullptr) {
            return;
        }
        const bool umbruch = feld->wordWrap();
        feld->setWordWrap(false);
        layout()->activate();
        QSize noetig = layout()->totalMinimumSize();
        const QSize frei = freieFlaeche(this);
        // Mit großer Desktopschrift oder auf schmalem Bildschirm ist eine Zeile Knöpfe breiter
        // als der Bildschirm; Qt stauchte sie dann und schnitte die Titel ab. Untereinander
        // bleibt jeder ganz lesbar; Qts Breite für die eine Zeile gilt dann nicht mehr.
        auto* leiste = findChild<QDialogButtonBox*>();
        int breite = width();
        if (leiste != nullptr && leiste->orientation() == Qt::Horizontal &&
            leiste->sizeHint().width() > frei.width()) {
            leiste->setOrientation(Qt::Vertical);
            layout()->activate();
            noetig = layout()->totalMinimumSize();
            breite = 0;
        }
        if (noetig.width() <= frei.width()) {
            // Über der Mitte des Hauptfensters, wie Qt einen Dialog stellt, und nicht nach
            // rechts aus dem Bildschirm hinaus; Qt selbst stellt die Meldung für ihre erste,
            // schmalere Größe und behält danach die linke Kante.
            if (!mitte_) {
                const QWidget* fenster =
                    parentWidget() != nullptr ? parentWidget()->window() : nullptr;
                mitte_ = fenster != nullptr ? fenster->geometry().center() : geometry().center();
            }
            QRect neu(geometry().topLeft(),
                      noetig.expandedTo(QSize(std::min(breite, frei.width()), 0)));
            neu.moveCenter(*mitte_);
            if (const QScreen* s = screen()) {
                // Was freieFlaeche für Rahmen und Titelleiste abzieht, bleibt rechts und unten.
                const QRect bild = nutzbarerBereich(*s);
                neu.moveTopLeft(mittigIn(
                    neu.size(), neu, bild,
                    QMargins(0, 0, bild.width() - frei.width(), bild.height() - frei.height())));
            }
            setFixedSize(neu.size());
            move(neu.topLeft());
        } else {
            feld->setWordWrap(umbruch);
            layout()->activate();
        }
        // Sonst rechnete QMessageBox gleich wieder ihre eigene Größe aus.
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    }

    std::optional<QPoint> mitte_;
};

QString kurzeMeldung(QWidget* eltern, const QString& text, const QStringList& knoepfe,
                     const QString& vorgabe, const QString& harmlos) {
    Meldung box(eltern);
    spielDialogEinrichten(box, !harmlos.isEmpty());
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIconPixmap(symbolBild(dialogSymbolGroesse, &box));
    if (auto* feld = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        feld->setFont(spielSchrift());
    }
    // Alle Knöpfe in derselben Rolle: So stehen sie in der gegebenen Reihenfolge, und nur der
    // harmlose gilt als Abbrechen-Knopf für Escape und Schließen.
    std::vector<QAbstractButton*> gezeigt;
    for (const QString& titel : knoepfe) {
        QPushButton* k = box.addButton(titel, QMessageBox::ActionRole);
        zifferAlsTaste(*k);
        gezeigt.push_back(k);
        if (titel == vorgabe) {
            box.setDefaultButton(k);
        }
        if (titel == harmlos) {
            box.setEscapeButton(k);
        }
    }
    box.exec();
    const auto k = std::find(gezeigt.begin(), gezeigt.end(), box.clickedButton());
    return k == gezeigt.end() ? QString() : knoepfe.at(k - gezeigt.begin());
}

} // namespace

QtDialoge::QtDialoge(QWidget* eltern, Piepton& ton, std::function<void()> nachDialog)
    : eltern_(eltern), ton_(ton), nachDialog_(std::move(nachDialog)) {}

std::string QtDialoge::waehle(const std::string& frage, const std::vector<std::string>& optionen,
                              const numora::Wahlweise& weise) {
    // Ein leerer Titel bekommt keinen Knopf.
    QStringList knoepfe;
    for (const std::string& option : optionen) {
        if (!option.empty()) {
            knoepfe << QString::fromStdString(option);
        }
    }
    const QString text = anzeigeText(frage);
    const QString vorgabe =
        weise.vorgabe.empty() ? knoepfe.value(0) : QString::fromStdString(weise.vorgabe);
    const QString harmlos = QString::fromStdString(weise.harmlos);
    const qsizetype zeilen = text.count(QLatin1Char('\n')) + 1;
    const QString gewaehlt = weise.vorformatiert || zeilen >= vieleZeilen
                                 ? Textdialog(eltern_, text, knoepfe, vorgabe, harmlos).wahl()
                                 : kurzeMeldung(eltern_, text, knoepfe, vorgabe, harmlos);
    if (nachDialog_) {
        nachDialog_();
    }
    return gewaehlt.isEmpty() ? "Fehler" : gewaehlt.toStdString();
}

void QtDialoge::piep() {
    ton_.spielen();
}

void QtDialoge::anleitungZeigen() {
    ::anleitungZeigen(eltern_);
}

bool QtDialoge::fehlerZeigen(const std::string& text) {
    const bool ueben = fehlerdurchsichtZeigen(eltern_, anzeigeText(text));
    if (nachDialog_) {
        nachDialog_();
    }
    return ueben;
}
