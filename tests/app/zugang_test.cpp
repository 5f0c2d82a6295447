// SPDX-License-Identifier: GPL-3.0-or-later
// Zugänglichkeit: Namen, Beschreibungen, Ansagen und Kontrast unter jeder Palette.

#include "anleitung.h"
#include "arbeitsblattdialog.h"
#include "farben.h"
#include "fehlerdurchsicht.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "start.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Was man bedient oder liest; innere Teile eines Felds zählen mit ihm.
bool istBedienelement(const QWidget* w) {
    const auto* l = qobject_cast<const QLabel*>(w);
    const QWidget* e = w->parentWidget();
    return !e->inherits("QLineEdit") && !e->inherits("QAbstractSpinBox") &&
           (l != nullptr ? !l->objectName().isEmpty() && !l->text().isEmpty()
                         : w->inherits("QAbstractButton") || w->inherits("QLineEdit") ||
                               w->inherits("QComboBox") || w->inherits("QAbstractSpinBox") ||
                               w->inherits("QAbstractScrollArea"));
}

} // namespace

class ZugangTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QtDateiablage ablage{tmp.path()};
    Hauptfenster fenster{ablage};

  private slots:
    void jedesBedienelementHatNameUndBeschreibungUndDasUrteilWirdAngesagt() {
        fenster.show();
        Anleitungsfenster anleitung;
        anleitung.show();
        anleitung.suchleisteZeigen();
        Fehlerdurchsicht durchsicht;
        durchsicht.show();
        int geprueft = 0;
        for (QWidget* wurzel : std::initializer_list<QWidget*>{
                 &fenster, ArbeitsblattDialog::zeigen(&fenster), &anleitung, &durchsicht}) {
            QVERIFY(QTest::qWaitForWindowExposed(wurzel));
            for (QWidget* w : wurzel->findChildren<QWidget*>()) {
                if (w->isVisible() && w->window() == wurzel && istBedienelement(w)) {
                    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
                    QVERIFY2(!i->text(QAccessible::Name).isEmpty() &&
                                 !i->text(QAccessible::Description).isEmpty(),
                             qPrintable(w->objectName()));
                    ++geprueft;
                }
            }
        }
        QVERIFY(geprueft >= 20);
        // Das Urteil wird Beschreibung des Felds mit dem Fokus: So lesen Screenreader es vor.
        fenster.schreibeAntwortfeld("\n 8 ist leider falsch!\n\n Die Stoppuhr …");
        QTRY_COMPARE(fenster.findChild<QLineEdit*>("EingabeF")->accessibleDescription(),
                     "8 ist leider falsch! Die Stoppuhr …");
    }

    // Gewechselt bei offenem Fenster wie beim Umschalten des Desktops; gemalt werden muss der
    // Grund, gegen den gerechnet wird.
    void kontrastUnterJederPalette() {
        const auto palette = [](QColor grund, QColor schrift, QColor feld, QColor feldSchrift) {
            return QPalette(schrift, grund, grund, grund, grund, feldSchrift, schrift, feld, grund);
        };
        const std::pair<const char*, QPalette> paletten[] = {
            {"hell", QApplication::style()->standardPalette()},
            {"dunkel", palette(0x31363b, 0xeff0f1, 0x232629, 0xfcfcfc)},
            {"hochkontrast", palette(Qt::black, Qt::white, Qt::black, Qt::yellow)}};
        using R = QPalette::ColorRole;
        // clang-format off
        const std::tuple<const char*, R, R> zeilen[] = {
            {"EingabeF", R::Text, R::Base}, {"EingabeF", R::PlaceholderText, R::Base},
            {"warumF", R::ButtonText, R::Button}, {"MittelZ", R::WindowText, R::Window},
            {"Antw0", R::Text, R::Base}, {"KopfZ", R::WindowText, R::Window},
            {"spielerName", R::WindowText, R::Window}};
        // clang-format on
        for (const auto& [name, p] : paletten) {
            QApplication::setPalette(p); // kommt als Ereignis an
            QTRY_COMPARE(fenster.palette().color(R::Window), p.color(R::Window));
            for (bool editierbar : {true, false}) {
                fenster.eingabeEditierbar(editierbar);
                QString tabelle = QStringLiteral("%1%2:").arg(name, editierbar ? "" : " gesperrt");
                for (const auto& [feld, schrift, grund] : zeilen) {
                    QWidget* w = fenster.findChild<QWidget*>(feld);
                    const QPalette& f = w->palette();
                    const double k = kontrast(f.color(schrift), f.color(grund));
                    tabelle += QStringLiteral(" %1 %2").arg(feld).arg(k, 0, 'f', 1);
                    QVERIFY2(k >= 4.5, qPrintable(tabelle));
                    const QImage bild = w->grab().toImage(); // rechts in der Mitte: nur Grund
                    QCOMPARE(bild.pixelColor(bild.width() - 5, bild.height() / 2), f.color(grund));
                }
                qInfo().noquote() << tabelle;
            }
        }
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    anwendungEinrichten(app);
    ZugangTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "zugang_test.moc"
