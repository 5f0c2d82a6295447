// SPDX-License-Identifier: GPL-3.0-or-later
// Zugänglichkeit: Namen und Beschreibungen für Hilfsmittel, Ansagen, Kontrast unter hellen,
// dunklen und kontrastreichen Paletten, und die Wege der Tastatur zur Anleitung und zurück.

#include "anleitung.h"
#include "arbeitsblattdialog.h"
#include "farben.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "start.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>

namespace {

// Was man bedient oder liest; innere Teile von Eingabefeldern zählen mit ihrem Feld.
bool istBedienelement(const QWidget* w) {
    if (qobject_cast<const QLineEdit*>(w->parentWidget()) != nullptr ||
        qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) != nullptr) {
        return false;
    }
    return w->inherits("QAbstractButton") || w->inherits("QLineEdit") || w->inherits("QComboBox") ||
           w->inherits("QAbstractSpinBox") || w->inherits("QTextEdit") ||
           w->inherits("QPlainTextEdit") ||
           (w->inherits("QLabel") && !w->objectName().isEmpty() &&
            !static_cast<const QLabel*>(w)->text().isEmpty());
}

// Der Grund, wie der Stil ihn wirklich malt: die häufigste Farbe im Bild des Felds.
QRgb gemalterGrund(QWidget* w) {
    const QImage bild = w->grab().toImage();
    QHash<QRgb, int> anzahl;
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            ++anzahl[bild.pixel(x, y)];
        }
    }
    return std::max_element(anzahl.begin(), anzahl.end()).key();
}

QPalette palette(QColor grund, QColor schrift, QColor feld, QColor feldSchrift) {
    QPalette p(schrift, grund, grund.lighter(130), grund.darker(130), grund, feldSchrift, Qt::white,
               feld, grund);
    p.setColor(QPalette::ButtonText, schrift);
    return p;
}

} // namespace

class ZugangTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QtDateiablage ablage{tmp.path()};

  private slots:
    void jedesSichtbareBedienelementHatNameUndBeschreibung() {
        Hauptfenster fenster(ablage);
        fenster.show();
        QWidget* blatt = ArbeitsblattDialog::zeigen(&fenster);
        Anleitungsfenster anleitung;
        anleitung.show();
        anleitung.suchleisteZeigen();
        int geprueft = 0;
        for (QWidget* wurzel :
             {static_cast<QWidget*>(&fenster), blatt, static_cast<QWidget*>(&anleitung)}) {
            QVERIFY(QTest::qWaitForWindowExposed(wurzel));
            for (QWidget* w : wurzel->findChildren<QWidget*>()) {
                if (!w->isVisible() || w->window() != wurzel || !istBedienelement(w)) {
                    continue;
                }
                QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(
                    !i->text(QAccessible::Name).isEmpty() &&
                        !i->text(QAccessible::Description).isEmpty(),
                    qPrintable(w->objectName() + QLatin1Char(' ') + w->metaObject()->className()));
                ++geprueft;
            }
        }
        QVERIFY(geprueft >= 20);
    }

    // Die Schrift auf den eigenen Farben, aus den Farben der Felder unter jeder Palette,
    // gewechselt bei offenem Fenster wie beim Umschalten des Desktops. Der Grund muss so
    // gemalt werden, wie er in der Palette steht, sonst wäre die Rechnung nichts wert.
    void kontrastUnterJederPalette() {
        Hauptfenster fenster(ablage);
        auto* eingabe = fenster.findChild<QLineEdit*>("EingabeF");
        struct Zeile {
            const char* feld;
            QWidget* w;
            QPalette::ColorRole schrift, grund;
        };
        const Zeile zeilen[] = {
            {"EingabeF", eingabe, QPalette::Text, QPalette::Base},
            {"EingabeF Platzhalter", eingabe, QPalette::PlaceholderText, QPalette::Base},
            {"warumF", fenster.findChild<QWidget*>("warumF"), QPalette::ButtonText,
             QPalette::Button},
            {"MittelZ", fenster.findChild<QWidget*>("MittelZ"), QPalette::WindowText,
             QPalette::Window},
            {"Antw0", fenster.findChild<QWidget*>("Antw0"), QPalette::Text, QPalette::Base},
            {"KopfZ", fenster.findChild<QWidget*>("KopfZ"), QPalette::WindowText, QPalette::Window},
            {"spielerName", fenster.findChild<QWidget*>("spielerName"), QPalette::WindowText,
             QPalette::Window},
        };
        const QPalette vorher = QApplication::palette();
        const std::pair<const char*, QPalette> paletten[] = {
            {"hell", QApplication::style()->standardPalette()},
            {"dunkel", palette(QColor(0x31, 0x36, 0x3b), QColor(0xef, 0xf0, 0xf1),
                               QColor(0x23, 0x26, 0x29), QColor(0xfc, 0xfc, 0xfc))},
            {"hochkontrast", palette(Qt::black, Qt::white, Qt::black, Qt::yellow)},
        };
        for (const auto& [name, p] : paletten) {
            QApplication::setPalette(p);
            // Qt stellt den Wechsel den Fenstern als Ereignis zu.
            QTRY_COMPARE(fenster.palette().color(QPalette::Window), p.color(QPalette::Window));
            for (bool editierbar : {true, false}) {
                fenster.eingabeEditierbar(editierbar);
                QString tabelle = QStringLiteral("%1%2:").arg(name, editierbar ? "" : " gesperrt");
                for (const Zeile& z : zeilen) {
                    const QPalette& f = z.w->palette();
                    const double k = kontrast(f.color(z.schrift), f.color(z.grund));
                    tabelle += QStringLiteral(" %1 %2").arg(z.feld).arg(k, 0, 'f', 1);
                    QVERIFY2(k >= 4.5, qPrintable(tabelle));
                    QCOMPARE(QColor(gemalterGrund(z.w)), f.color(z.grund));
                }
                qInfo().noquote() << tabelle;
            }
        }
        QApplication::setPalette(vorher);
    }

    // Frage und Urteil landen als Beschreibung am Eingabefeld, das den Fokus hat; was in einem
    // Schritt zusammen geschieht, kommt in einer Ansage.
    void urteilUndFrageWerdenAngesagt() {
        Hauptfenster fenster(ablage);
        auto* eingabe = fenster.findChild<QLineEdit*>("EingabeF");
        fenster.frageText("2)    Berechne     8 + 7");
        fenster.schreibeAntwortfeld("");
        QTRY_COMPARE(eingabe->accessibleDescription(), QStringLiteral("2) Berechne 8 + 7"));
        fenster.schreibeAntwortfeld("\n 8 ist leider falsch! Die richtige Antwort war 15");
        QTRY_COMPARE(eingabe->accessibleDescription(),
                     QStringLiteral("8 ist leider falsch! Die richtige Antwort war 15"));
        fenster.schreibeAntwortfeld("");
        QTest::qWait(10);
        QCOMPARE(eingabe->accessibleDescription(),
                 QStringLiteral("8 ist leider falsch! Die richtige Antwort war 15"));
    }

    // Bild ab und Bild auf im Eingabefeld blättern im Antwortfeld, das keinen Fokus nimmt.
    void blaetternImAntwortfeld() {
        Hauptfenster fenster(ablage);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        fenster.schreibeAntwortfeld(std::string(300, '\n'));
        QScrollBar* leiste = fenster.findChild<QPlainTextEdit*>("Antw0")->verticalScrollBar();
        auto* eingabe = fenster.findChild<QLineEdit*>("EingabeF");
        QTest::keyClick(eingabe, Qt::Key_PageDown);
        QVERIFY(leiste->value() > 0);
        QTest::keyClick(eingabe, Qt::Key_PageUp);
        QCOMPARE(leiste->value(), 0);
    }

    void tabGehtDieZeilenDesArbeitsblattsHinab() {
        ArbeitsblattDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.findChild<QWidget*>("thema")->setFocus();
        QStringList folge;
        for (int i = 0; i < 13; ++i) {
            folge << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(folge, QStringLiteral("thema level fragen varianten loesungen erklaerungen "
                                       "startwert wuerfeln titel blattSpeichern blattDrucken "
                                       "blattSchliessen thema")
                            .split(QLatin1Char(' ')));
    }

    // F1, "Anleitung öffnen", Escape: Danach tippt man wieder im Eingabefeld, ebenso nach dem
    // Dialog für Arbeitsblätter.
    void anleitungAusDerHilfeUndZurueckZumEingabefeld() {
        Hauptfenster fenster(ablage);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        auto* eingabe = fenster.findChild<QLineEdit*>("EingabeF");
        QStringList knoepfe;
        QTimer::singleShot(0, this, [&knoepfe] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            for (QAbstractButton* k : box->buttons()) {
                knoepfe << k->text();
                if (k->text() == QStringLiteral("Anleitung öffnen")) {
                    k->click();
                }
            }
        });
        QTest::keyClick(eingabe, Qt::Key_F1);
        QCOMPARE(knoepfe.size(), 2);
        auto* text = fenster.findChild<QTextBrowser*>("anleitungstext");
        QVERIFY(text != nullptr);
        QVERIFY(QTest::qWaitForWindowActive(text->window()));
        QTest::keyClick(text, Qt::Key_Escape);
        QVERIFY(!text->window()->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), eingabe);

        auto* blatt = ArbeitsblattDialog::zeigen(&fenster);
        QVERIFY(QTest::qWaitForWindowActive(blatt));
        QTest::keyClick(blatt, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), eingabe);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    anwendungEinrichten(app);
    ZugangTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "zugang_test.moc"
