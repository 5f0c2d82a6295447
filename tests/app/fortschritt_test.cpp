// SPDX-License-Identifier: GPL-3.0-or-later
// Das Modul "Mein Fortschritt" offscreen, aus einer gefüllten Verlaufsdatei: Es lädt, zeigt die
// Tabelle des Spielers, Kurve und Fehler der gewählten Zeile und wechselt zu anderen Namen.

#include "fortschrittsanzeige.h"
#include "verlauf/verlaufsdatenbank.h"
#include "verlauf/verlauftest.h"
#include "verlaufsdatei.h"

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLibrary>
#include <QLineSeries>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

namespace {

using numora::test::runde;

class FortschrittTest : public QObject {
    Q_OBJECT

    template <typename T> T* teil(Fortschrittsanzeige& a, const char* name) {
        return a.fenster()->findChild<T*>(QString::fromLatin1(name));
    }
    static QStringList zeile(QTableWidget* t, int r) {
        QStringList z;
        for (int s = 0; s < t->columnCount(); ++s) {
            z << t->item(r, s)->text();
        }
        return z;
    }
    QList<QPointF> kurve(Fortschrittsanzeige& a) {
        const auto serien = teil<QChartView>(a, "kurve")->chart()->series();
        return serien.size() == 1 ? qobject_cast<QLineSeries*>(serien[0])->points()
                                  : QList<QPointF>{};
    }

    // Titel und Zahlen der Kurve, wie sie dastehen (zu lang: mit "…" gekürzt).
    QStringList kurvenTexte(Fortschrittsanzeige& a) {
        QStringList texte;
        for (const auto* i : teil<QChartView>(a, "kurve")->scene()->items()) {
            if (const auto* t = dynamic_cast<const QGraphicsTextItem*>(i); t && t->isVisible()) {
                texte << t->toPlainText();
            }
        }
        return texte;
    }

  private slots:
    void tabelleKurveFehlerUndNamenswechsel() {
        numora::test::TempOrdner t;
        numora::Verlaufsdatenbank v(t / "verlauf.sqlite");
        for (const auto& r :
             {runde("ANNA", 0, 1, 4, 1), runde("ANNA", 0, 1, 6, 3), runde("ANNA", 2, 3, 8, 3),
              runde("BERND", 5, 2, 3, 4), runde("BERND", 5, 2, 1, 5, true)}) {
            QVERIFY(v.rundeSpeichern(r).ok);
        }
        QLibrary modul(QStringLiteral(NUMORA_FORTSCHRITT_MODUL));
        const auto fabrik = reinterpret_cast<FortschrittFabrik>(modul.resolve(fortschrittFabrik));
        QVERIFY2(fabrik != nullptr, qPrintable(modul.errorString()));
        QWidget eltern;
        Fortschrittsanzeige& a = *fabrik(&eltern, v);
        a.zeigen("ANNA");
        QVERIFY(QTest::qWaitForWindowExposed(a.fenster()));
        QCOMPARE(a.fenster()->windowTitle(), QStringLiteral("Mein Fortschritt – ANNA"));
        // Auch der kleine Bildschirm (offscreen 800 × 600) fasst das ganze Fenster.
        QVERIFY(a.fenster()->screen()->availableGeometry().contains(a.fenster()->frameGeometry()));
        for (const char* name : {"spieler", "tabelle", "kurve", "fehler", "csvExport"}) {
            const QAccessibleInterface* i =
                QAccessible::queryAccessibleInterface(teil<QWidget>(a, name));
            QVERIFY2(!i->text(QAccessible::Name).isEmpty() &&
                         !i->text(QAccessible::Description).isEmpty(),
                     name);
        }

        auto* tabelle = teil<QTableWidget>(a, "tabelle");
        QCOMPARE(tabelle->rowCount(), 2);
        QCOMPARE(zeile(tabelle, 0), (QStringList{"Grundrechenarten", "1", "2", "6 richtig in 54 s",
                                                 "5,0", "3.7.2026"}));
        QCOMPARE(zeile(tabelle, 1),
                 (QStringList{"Bruchrechnung", "3", "1", "8 richtig in 52 s", "8,0", "3.7.2026"}));
        // Gewählt ist die zuletzt gespielte Zeile, auch wenn die andere in derselben Minute endete.
        QCOMPARE(tabelle->currentRow(), 1);
        QCOMPARE(kurve(a), (QList<QPointF>{{1, 8}}));
        tabelle->selectRow(0);
        QCOMPARE(kurve(a), (QList<QPointF>{{1, 4}, {2, 6}}));
        QVERIFY(teil<QWidget>(a, "kurve")
                    ->accessibleDescription()
                    .endsWith("Richtige in Runde 1 bis 2: 4, 6"));
        // Tab verlässt die Tabelle; in den Fehlern folgt die Schreibmarke den Pfeiltasten.
        a.fenster()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(a.fenster()));
        tabelle->setFocus();
        QTest::keyClick(tabelle, Qt::Key_Tab);
        QVERIFY(a.fenster()->focusWidget() != tabelle);
        auto* fehler = teil<QPlainTextEdit>(a, "fehler");
        QTest::keyClick(fehler, Qt::Key_Down);
        QCOMPARE(fehler->textCursor().blockNumber(), 1);
        QVERIFY(teil<QPlainTextEdit>(a, "fehler")
                    ->toPlainText()
                    .startsWith("2-mal falsch:\nFrage 7\nRichtige Antwort: 1\nRechenweg:\nWeil "
                                "7\n\n2-mal falsch:\n"
                                "Frage 8"));

        auto* spieler = teil<QComboBox>(a, "spieler");
        spieler->setCurrentText(QStringLiteral("BERND"));
        QCOMPARE(tabelle->rowCount(), 1);
        QCOMPARE(tabelle->item(0, 0)->text(), "Quadratische Gleichungen");
        QCOMPARE(kurve(a), (QList<QPointF>{{1, 3}})); // ohne die Übungsrunde

        // Ein Name ohne Runde steht zur Wahl und sagt, dass es noch nichts gibt.
        a.zeigen("CARLA");
        QCOMPARE(spieler->currentText(), QStringLiteral("CARLA"));
        QCOMPARE(spieler->count(), 3);
        QCOMPARE(tabelle->rowCount(), 0);
        QCOMPARE(teil<QLabel>(a, "fortschrittZustand")->text(),
                 QStringLiteral("Von CARLA ist noch keine Runde gespeichert."));
        QVERIFY(kurve(a).isEmpty());

        // Mit großer Schrift auf kleinem Bildschirm stehen an den Achsen weniger Zahlen, aber
        // keine ist gekürzt.
        QApplication::setFont(QFont(QApplication::font().family(), 22));
        a.fenster()->resize(800, 560);
        a.zeigen("ANNA");
        QApplication::processEvents(); // legt die neue Kurve an
        QTRY_VERIFY2(kurvenTexte(a).filter(QRegularExpression("^\\d+$")).size() > 3 &&
                         kurvenTexte(a).filter(QRegularExpression("^\\d*(\\.\\.\\.|…)$")).isEmpty(),
                     qPrintable(kurvenTexte(a).join(" | ")));
    }

    // Ohne das Datenbankmodul (neben diesem Test liegt keines) spielt das Spiel ohne Verlauf
    // und erfährt einmal, warum.
    void ohneDatenbankmodulEineMeldung() {
        numora::test::TempOrdner t;
        Verlaufsdatei v(t / "verlauf.sqlite");
        QVERIFY(!v.meldungFuerSpieler()); // nichts geladen, nichts zu sagen
        QVERIFY(!v.rundeSpeichern(runde("ANNA", 0, 1, 5)).ok);
        QVERIFY(v.spielerNamen().empty() && !v.levelEmpfehlung("ANNA", 0));
        QCOMPARE(v.meldungFuerSpieler().value_or(""),
                 "Dein Fortschritt wird nicht gespeichert. Das Modul libnumora_verlaufsdb fehlt "
                 "in dieser Installation.");
        QVERIFY(!v.meldungFuerSpieler());
    }
};

} // namespace

QTEST_MAIN(FortschrittTest)
#include "fortschritt_test.moc"
