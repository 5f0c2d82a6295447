// Das Fenster mit echten Widgets, offscreen: ob Tasten, Menü, Dialoge und Fokus bei der
// Spiellogik ankommen. Den Ablauf selbst prüfen die Tests in tests/game.

#include "core/themen.h"
#include "halloffame/halldatei.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "qtdialoge.h"
#include "start.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>
#include <tuple>

namespace {

class FensterTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QtDateiablage ablage{tmp.path()};
    std::unique_ptr<Hauptfenster> fenster;
    QStringList knoepfe; // im zuletzt bedienten Dialog, von links nach rechts
    QString dialogText;
    bool blieb = false; // der zuletzt bediente Dialog überstand Escape und Schließen
    // Was mit den nächsten modalen Dialogen geschieht, der Reihe nach.
    std::deque<std::function<void(QDialog&, QList<QPushButton*>&)>> schritte;
    QTimer takt;

    QLineEdit* eingabe() { return fenster->findChild<QLineEdit*>("EingabeF"); }
    numora::phase status() { return fenster->steuerung().stand().status; }
    void tippeUndReturn(const QString& text) {
        eingabe()->setText(text);
        QTest::keyClick(eingabe(), Qt::Key_Return);
    }
    void neuesFenster() {
        fenster = std::make_unique<Hauptfenster>(ablage);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    // Bedient den nächsten modalen Dialog, sobald er offen ist, und merkt sich, was er zeigte.
    template <typename F> void imDialog(F&& was) { schritte.emplace_back(std::forward<F>(was)); }
    void naechsterDialog() {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d == nullptr || !d->isVisible() || d->property("bedient").toBool() ||
            schritte.empty()) {
            return;
        }
        d->setProperty("bedient", true);
        auto k = d->findChildren<QPushButton*>();
        std::sort(k.begin(), k.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        knoepfe.clear();
        std::for_each(k.begin(), k.end(), [this](auto* b) { knoepfe << b->text(); });
        auto* box = qobject_cast<QMessageBox*>(d);
        dialogText = box ? box->text() : d->findChild<QPlainTextEdit*>()->toPlainText();
        const auto bilder = d->findChildren<QLabel*>();
        QVERIFY(std::any_of(bilder.begin(), bilder.end(),
                            [](auto* l) { return !l->pixmap().isNull(); }));
        auto was = std::move(schritte.front());
        schritte.pop_front();
        was(*d, k);
    }
    void druecke(int knopf) {
        imDialog([knopf](QDialog&, auto& k) { k.at(knopf)->click(); });
    }
    // Escape, dann der Schließknopf; ist der Dialog dann noch offen, Return.
    void escape() {
        imDialog([this](QDialog& d, auto&) {
            QTest::keyClick(&d, Qt::Key_Escape);
            d.close();
            blieb = d.isVisible();
            if (blieb) {
                QTest::keyClick(&d, Qt::Key_Return);
            }
        });
    }
    void aktion(const char* name) { fenster->findChild<QAction*>(name)->trigger(); }

  private slots:
    void initTestCase() {
        connect(&takt, &QTimer::timeout, this, &FensterTest::naechsterDialog);
        takt.start(5);
    }
    void init() { neuesFenster(); }
    void cleanup() {
        fenster.reset();
        QVERIFY(schritte.empty());
    }

    // Auf dem kleinen Bildschirm (offscreen 800 × 600) öffnet das Fenster maximiert. Auf
    // 1024 × 600 passt es samt Rahmen, und jedes Bedienelement liegt ganz darin und hat
    // wenigstens seine kleinste Größe. Schließen wirkt wie Beenden, ohne Änderung also sofort.
    void groesseUndSchliessen() {
        QVERIFY(fenster->isMaximized() && !(fenster->windowFlags() & Qt::CustomizeWindowHint));
        const QSize frei = QSize(1024, 600) - QSize(16, 48); // ohne Rahmen und Titelleiste
        QVERIFY(fenster->minimumWidth() <= frei.width() &&
                fenster->minimumHeight() <= frei.height());
        fenster->showNormal();
        for (auto k : {numora::Knopf::weiterF, numora::Knopf::warumF, numora::Knopf::adeF}) {
            fenster->knopfSichtbar(k, true);
        }
        fenster->spielerNameSichtbar(true);
        fenster->spielerName("MMMMMMMMMMMM");
        for (const QSize& g : {fenster->minimumSize(), frei}) {
            fenster->resize(g);
            QTRY_COMPARE(fenster->size(), g);
            QWidget* mitte = fenster->centralWidget();
            for (const char* name : {"KopfZ", "MittelRahmen", "Antw0", "EingabeF", "fertigF",
                                     "weiterF", "warumF", "adeF", "spielerName"}) {
                auto* w = mitte->findChild<QWidget*>(name);
                const QRect r(w->mapTo(mitte, QPoint(0, 0)), w->size());
                QVERIFY2(mitte->rect().contains(r) &&
                             (w->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored ||
                              w->width() >= w->minimumSizeHint().width()) &&
                             w->height() >= w->minimumSizeHint().height(),
                         name);
            }
            QMenuBar* leiste = fenster->menuBar();
            QVERIFY(leiste->actionGeometry(leiste->actions().last()).right() < leiste->width());
        }
        QSignalSpy ende(fenster.get(), &Hauptfenster::beendet);
        QVERIFY(!fenster->close());
        QCOMPARE(ende.count(), 1);
    }

    // Escape und Schließen wählen die harmlose Wahl, wo es eine gibt, sonst tun sie nichts;
    // Return drückt den ersten Knopf. Knöpfe ohne Titel fehlen. Danach ist der Fokus wieder
    // im Eingabefeld.
    void escapeInJedemDialog() {
        escape();
        aktion("audioWahl");
        QVERIFY(blieb);
        QCOMPARE(knoepfe, (QStringList{"EINgeschaltet", "AUSgeschaltet"}));
        escape();
        aktion("hilfe");
        QVERIFY(!blieb);
        QCOMPARE(knoepfe, (QStringList{"Hab ich gelesen"}));
        escape();
        aktion("undTschuess"); // "Weiter im Programm"
        QVERIFY(!blieb && knoepfe.size() == 4 && status() == numora::phase::namenlos);
        escape();
        aktion("hof00neu");
        QVERIFY(!blieb);
        QCOMPARE(knoepfe, (QStringList{"1", "2", "3", "Abbrechen"}));
        QVERIFY(fenster->findChild<QPlainTextEdit*>("Antw0")->toPlainText().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), eingabe());
    }

    // Die Rückfrage vor dem Löschen einer Halle mit Ergebnissen: Return bricht ab, erst
    // "Löschen" löscht.
    void rueckfrageVorDemLoeschen() {
        numora::HallOfFame hof;
        hof.alleHallenErzeugen();
        hof.einHallen2({"Anna am 3.7.2026  9:05 Uhr ", 12, 0, 1, 5});
        const std::string datei = tmp.filePath("Hfdaten.nmr").toStdString();
        QVERIFY(ablage.schreiben(datei, numora::alleHallen2String(hof)).ok);
        neuesFenster();
        const auto& halle = *fenster->steuerung().hof().halle(0, 1);
        druecke(0);
        imDialog([](QDialog& d, auto&) { QTest::keyClick(&d, Qt::Key_Return); });
        aktion("hof00neu");
        QVERIFY(knoepfe == QStringList({"Löschen", "Abbrechen"}) && halle.front().richtige == 5);
        druecke(0);
        druecke(0);
        aktion("hof00neu");
        QCOMPARE(halle.front().richtige, 0);
        QVERIFY(ablage.entfernen(datei).ok);
    }

    // Eine lange, von Hand umbrochene Erklärung behält ihre Zeilen in einem Dialog so breit
    // wie die längste Zeile, höher als der Bildschirm nur mit Rollbalken; Escape wählt ihren
    // einzigen Knopf.
    void langeErklaerungBehaeltIhreZeilen() {
        QString text = "Die Diskriminante D ist (p/2)² - q = 6,25, die gesuchte Lösung also";
        for (int i = 0; i < 60; ++i) {
            text += QString("\n -p/2 - √D = -6,5 - 2,5 = -9 (%1)").arg(i);
        }
        Piepton ton;
        QtDialoge dialoge(fenster.get(), ton, {});
        imDialog([&text](QDialog& d, auto&) {
            auto* feld = d.findChild<QPlainTextEdit*>();
            const int breit =
                QFontMetrics(feld->font()).horizontalAdvance(text.section('\n', 0, 0));
            QVERIFY(feld->viewport()->width() >= breit);
            QCOMPARE(feld->document()->firstBlock().layout()->lineCount(), 1);
            QVERIFY(d.frameGeometry().height() <= d.screen()->availableGeometry().height());
            QVERIFY(feld->verticalScrollBar()->maximum() > 0);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(dialoge.waehle(text.toStdString(), {"ok, weiter", ""},
                                {.harmlos = "ok, weiter", .vorformatiert = true}),
                 "ok, weiter");
        QCOMPARE(dialogText, text);
    }

    // Shift zählt nur gedrückt, nicht wiederholt, im Eingabefeld oder ohne Fokus im Fenster.
    // Nach "???" ersetzt die nächste Taste den Text; ein leeres Return lässt die Frage offen.
    void returnUndShift() {
        tippeUndReturn("Anna");
        QCOMPARE(status(), numora::phase::wahlmodus);
        tippeUndReturn("x");
        QTest::keyClick(eingabe(), Qt::Key_0);
        QCOMPARE(eingabe()->text(), "0");
        escape(); // ohne harmlose Wahl: Return wählt Level 1
        QTest::keyClick(eingabe(), Qt::Key_Return);
        QVERIFY(blieb);
        QCOMPARE(knoepfe, (QStringList{"1", "2", "3"}));
        QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
        QApplication::sendEvent(eingabe(), &wiederholt);
        QTest::keyRelease(eingabe(), Qt::Key_Shift);
        QCOMPARE(status(), numora::phase::neuesPaket);
        QTest::keyPress(eingabe(), Qt::Key_Shift);
        QCOMPARE(status(), numora::phase::raten);
        tippeUndReturn(" ");
        QCOMPARE(fenster->steuerung().stand().aktNummer, 0);
        tippeUndReturn("1");
        eingabe()->clearFocus();
        QTest::keyPress(fenster.get(), Qt::Key_Shift);
        QCOMPARE(fenster->findChild<QLabel*>("MittelZ")->text().left(3), QString("2) "));
    }

    // Jede Phase sperrt die Menübefehle, die nichts bewirken würden.
    void menueJePhase() {
        const auto pruefe = [this](const char* phase, bool name, bool hof) {
            for (QAction* a : fenster->findChildren<QAction*>()) {
                const QString n = a->objectName();
                if (!n.isEmpty()) {
                    const bool soll = n == "meinName" ? name : n.startsWith("hof") ? hof : true;
                    QVERIFY2(a->isEnabled() == soll, qPrintable(phase + (": " + n)));
                }
            }
        };
        const auto shift = [this] { QTest::keyPress(eingabe(), Qt::Key_Shift); };
        const auto siebenFragen = [&] {
            for (int i = 0; i < 7; ++i) {
                shift();
                tippeUndReturn("1");
            }
        };
        druecke(0);
        const std::vector<std::tuple<const char*, std::function<void()>, bool, bool>> tabelle = {
            {"namenlos", [] {}, false, true},
            {"Themenwahl", [&] { tippeUndReturn("Anna"); }, true, true},
            {"vor der Runde", [&] { tippeUndReturn("0"); }, true, true},
            {"Frage offen", shift, true, false},
            {"Urteil", [&] { tippeUndReturn("1"); }, true, true},
            {"Auswertung", siebenFragen, true, true},
            {"abgeschlossen", shift, true, false},
        };
        for (const auto& [phase, schritt, name, hof] : tabelle) {
            schritt();
            pruefe(phase, name, hof);
        }
        QCOMPARE(status(), numora::phase::abgeschlossen);
    }

    void jederMenuebefehlErreichtSeinenBefehl() {
        druecke(2);
        aktion("undTschuess");
        QCOMPARE(dialogText, QString("Was wird gewünscht?"));
        for (const numora::HofAktion& h : numora::hofAktionen) {
            druecke(0);
            fenster->findChild<QAction*>(QString::fromLatin1(h.name.data(), h.name.size()))
                ->trigger();
            QCOMPARE(dialogText.toStdString(),
                     "Hall of Fame " + std::string(numora::angebot[std::size_t(h.thema)]) +
                         (h.loeschen ? " für welchen Level unwiderruflich löschen?"
                                     : " für welchen Level zeigen?"));
        }
    }

    // Ein Wort von 512 KB im Antwortfeld darf das Fenster nicht lange aufhalten.
    void langeZeileFriertNichtEin() {
        QElapsedTimer uhr;
        uhr.start();
        fenster->schreibeAntwortfeld(std::string(1 << 19, 'N'));
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        QVERIFY2(uhr.elapsed() < 3000, qPrintable(QString::number(uhr.elapsed())));
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    anwendungEinrichten(app);
    FensterTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "fenster_test.moc"
