// Das Fenster mit echten Widgets, offscreen: Ausgangslage, Dialoge, Tasten, Menü und eine
// ganze Runde, getippt und geklickt.

#include "anzeige.h"
#include "core/zufall.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "start.h"
#include "testuhr.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <deque>
#include <functional>

namespace {

using numora::phase;

// Was ein Dialog zeigte: Text, Knopftitel von links nach rechts, ob ein Symbol da war.
struct Gesehen {
    QString text;
    QStringList knoepfe;
    bool symbol = false;
};

// Bedient die modalen Dialoge, die während eines Aufrufs erscheinen, nach einem Drehbuch.
class DialogRoboter : public QObject {
  public:
    using Schritt = std::function<void(QMessageBox&)>;

    DialogRoboter() {
        takt_.setInterval(5);
        connect(&takt_, &QTimer::timeout, this, &DialogRoboter::schauen);
        takt_.start();
    }
    void dann(Schritt s) { schritte_.push_back(std::move(s)); }
    void drueckeTitel(const QString& titel) {
        dann([titel](QMessageBox& box) { knopfNachTitel(box, titel)->click(); });
    }
    bool fertig() const { return schritte_.empty(); }
    std::vector<Gesehen> gesehen;

    static std::vector<QAbstractButton*> vonLinksNachRechts(QMessageBox& box) {
        std::vector<QAbstractButton*> k;
        for (QAbstractButton* b : box.buttons()) {
            k.push_back(b);
        }
        std::sort(k.begin(), k.end(), [](QAbstractButton* a, QAbstractButton* b) {
            return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x();
        });
        return k;
    }
    static QAbstractButton* knopfNachTitel(QMessageBox& box, const QString& titel) {
        for (QAbstractButton* b : box.buttons()) {
            if (b->text() == titel) {
                return b;
            }
        }
        return nullptr;
    }

  private:
    void schauen() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || box == letzte_ || schritte_.empty()) {
            return;
        }
        letzte_ = box;
        Gesehen g{box->text(), {}, !box->iconPixmap().isNull()};
        for (QAbstractButton* b : vonLinksNachRechts(*box)) {
            g.knoepfe << b->text();
        }
        gesehen.push_back(g);
        Schritt s = std::move(schritte_.front());
        schritte_.pop_front();
        s(*box);
    }

    QTimer takt_;
    std::deque<Schritt> schritte_;
    QPointer<QMessageBox> letzte_;
};

class FensterTest : public QObject {
    Q_OBJECT

    numora::test::TestUhr uhr;
    std::unique_ptr<numora::UhrErsetzen> uhrErsetzt;
    std::unique_ptr<numora::SkriptQuelle> zufall;
    std::unique_ptr<numora::ZufallsquelleErsetzen> zufallErsetzt;
    std::unique_ptr<QTemporaryDir> tmp;
    std::unique_ptr<QtDateiablage> ablage;
    std::unique_ptr<Hauptfenster> fenster;

    template <typename T> T* teil(const char* name) {
        auto* w = fenster->findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) {
            qFatal("%s fehlt", name);
        }
        return w;
    }
    QLineEdit* eingabe() { return teil<QLineEdit>("EingabeF"); }
    QString antwortfeld() { return teil<QPlainTextEdit>("Antw0")->toPlainText(); }
    QString fragefeld() { return teil<QLabel>("MittelZ")->text(); }
    bool sichtbar(const char* knopf) { return !teil<QPushButton>(knopf)->isHidden(); }

    void tippeUndReturn(const QString& text) {
        eingabe()->clear();
        QTest::keyClicks(eingabe(), text);
        QTest::keyClick(eingabe(), Qt::Key_Return);
    }
    void shift() { QTest::keyPress(eingabe(), Qt::Key_Shift); }

    // Acht Aufgaben a + b (Grundrechenarten, Level 1) mit den Ergebnissen 10, 11, … 17.
    void achtSummen() {
        std::vector<std::int64_t> z;
        for (int i = 0; i < 8; ++i) {
            z.insert(z.end(), {2, 5 + i, 5});
        }
        zufall = std::make_unique<numora::SkriptQuelle>(z);
        zufallErsetzt = std::make_unique<numora::ZufallsquelleErsetzen>(*zufall);
    }

    void bisZurErstenFrage(DialogRoboter& roboter) {
        tippeUndReturn("Anna");
        achtSummen();
        roboter.drueckeTitel("1");
        tippeUndReturn("0");
        shift();
    }

  private slots:
    void init() {
        uhrErsetzt = std::make_unique<numora::UhrErsetzen>(uhr);
        tmp = std::make_unique<QTemporaryDir>();
        ablage = std::make_unique<QtDateiablage>(tmp->path());
        fenster = std::make_unique<Hauptfenster>(*ablage);
        fenster->show();
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        eingabe()->setFocus();
    }

    void cleanup() {
        fenster.reset();
        zufallErsetzt.reset();
        zufall.reset();
        uhrErsetzt.reset();
    }

    void ausgangslage() {
        QVERIFY(sichtbar("fertigF"));
        QCOMPARE(teil<QPushButton>("fertigF")->text(), QString("Wer spielt?"));
        QVERIFY(!sichtbar("weiterF"));
        QVERIFY(!sichtbar("warumF"));
        QVERIFY(!sichtbar("adeF"));
        QVERIFY(teil<QLabel>("spielerName")->isHidden());
        QVERIFY(teil<QLabel>("KopfZ")->text().startsWith("Willkommen bei Numora"));
        QVERIFY(!(teil<QLabel>("MittelZ")->textInteractionFlags() & Qt::TextEditable));
        QVERIFY(teil<QPlainTextEdit>("Antw0")->isReadOnly());
        QVERIFY(!eingabe()->isReadOnly());
        QCOMPARE(fenster->minimumSize(), fenster->maximumSize());
        QVERIFY(!(fenster->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(QApplication::focusWidget(), eingabe());
    }

    void dialogeZeigenKnoepfeInDerGegebenenReihenfolge() {
        DialogRoboter roboter;
        auto& vc = fenster->steuerung();
        roboter.drueckeTitel("");
        QCOMPARE(vc.auswahl("Zwei?", "erste", ""), std::string(""));
        roboter.drueckeTitel("c");
        QCOMPARE(vc.auswahlAus3("Drei?", "a", "b", "c"), std::string("c"));
        roboter.drueckeTitel("vier");
        QCOMPARE(vc.auswahlAus4("Vier?", "eins", "zwei", "drei", "vier"), std::string("vier"));
        roboter.drueckeTitel("Hab ich gelesen");
        vc.meldung("Zeile 1\n Zeile 2");
        QCOMPARE(roboter.gesehen.size(), std::size_t(4));
        QCOMPARE(roboter.gesehen[0].knoepfe, (QStringList{"erste", ""}));
        QCOMPARE(roboter.gesehen[1].knoepfe, (QStringList{"a", "b", "c"}));
        QCOMPARE(roboter.gesehen[2].knoepfe, (QStringList{"eins", "zwei", "drei", "vier"}));
        QCOMPARE(roboter.gesehen[3].knoepfe, (QStringList{"Hab ich gelesen", ""}));
        QCOMPARE(roboter.gesehen[3].text, QString("Zeile 1\n Zeile 2"));
        for (const Gesehen& g : roboter.gesehen) {
            QVERIFY(g.symbol);
        }
        // Nach jedem Dialog landet der Fokus wieder im Eingabefeld.
        QTRY_COMPARE(QApplication::focusWidget(), eingabe());
    }

    void escapeUndSchliessenBeendenKeinenDialog() {
        DialogRoboter roboter;
        bool nochOffen = false;
        roboter.dann([&](QMessageBox& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
            box.close();
            nochOffen = box.isVisible();
            QTest::keyClick(&box, Qt::Key_Return); // Return drückt den ersten Knopf
        });
        QCOMPARE(fenster->steuerung().auswahl("Bleib?", "ja", "nein"), std::string("ja"));
        QVERIFY(nochOffen);
    }

    void lueckenzeichenErscheintAlsKaestchen() {
        QCOMPARE(anzeigeText("a \xEF\xA3\xBF b"), QString::fromUtf8("a \u25A1 b"));
    }

    void ganzeRundeGetipptUndGeklickt() {
        DialogRoboter roboter;
        // Name abgelehnt, dann angenommen
        roboter.drueckeTitel("Mach ich");
        tippeUndReturn("Al");
        QCOMPARE(fenster->steuerung().stand().status, phase::namenlos);
        tippeUndReturn("Anna");
        QCOMPARE(fenster->steuerung().stand().status, phase::wahlmodus);
        QCOMPARE(teil<QLabel>("spielerName")->text(), QString("ANNA"));
        QVERIFY(sichtbar("adeF"));

        achtSummen();
        roboter.drueckeTitel("1");
        tippeUndReturn("0");
        QVERIFY(eingabe()->isReadOnly());
        QVERIFY(!sichtbar("fertigF"));
        QVERIFY(sichtbar("weiterF"));

        // Shift startet; Loslassen und automatische Wiederholung tun nichts.
        shift();
        QCOMPARE(fragefeld(), QString(" 1)    Berechne     5 + 5"));
        QTest::keyRelease(eingabe(), Qt::Key_Shift);
        QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
        QApplication::sendEvent(eingabe(), &wiederholt);
        shift(); // bei offener Frage wirkungslos
        QCOMPARE(fragefeld(), QString(" 1)    Berechne     5 + 5"));

        tippeUndReturn("10");
        QVERIFY(antwortfeld().startsWith("10 ist die richtige Antwort!"));
        QTest::mouseClick(teil<QPushButton>("weiterF"), Qt::LeftButton);
        QCOMPARE(fragefeld(), QString("2)    Berechne     6 + 5"));
        tippeUndReturn("3/4");
        QVERIFY(antwortfeld().startsWith("\n 3/4 ist leider falsch! Die richtige Antwort war 11"));
        QKeyEvent wiederholtInDerPause(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier,
                                       QString(), true);
        QApplication::sendEvent(eingabe(), &wiederholtInDerPause);
        QCOMPARE(fragefeld(), QString("2)    Berechne     6 + 5"));
        shift();
        QCOMPARE(fragefeld(), QString("3)    Berechne     7 + 5"));
        for (int i = 2; i < 8; ++i) {
            tippeUndReturn(QString::number(10 + i));
            QTest::keyClick(eingabe(), Qt::Key_Return); // Return in der Pause: weiter
        }
        QCOMPARE(fenster->steuerung().stand().status, phase::abgeschlossen);
        QVERIFY(fragefeld().startsWith("Auswertung\n\nVon den 8 Fragen hat ANNA 7 richtig"));
        QVERIFY(
            antwortfeld().contains("1.  Innerhalb von 0 Sekunden gab ANNA am 3.7.2026  9:05 Uhr "
                                   " 7 richtige Antworten"));
        QCOMPARE(teil<QPushButton>("fertigF")->text(), QString("Weiter"));
        QVERIFY(roboter.fertig());
    }

    void warumZeigtDieErklaerung() {
        DialogRoboter roboter;
        tippeUndReturn("Anna");
        std::vector<std::int64_t> z;
        for (int i = 0; i < 8; ++i) {
            z.insert(z.end(), {2, 10 + i, 3, 4, 5}); // verschiedene Fragen
        }
        zufall = std::make_unique<numora::SkriptQuelle>(z);
        zufallErsetzt = std::make_unique<numora::ZufallsquelleErsetzen>(*zufall);
        roboter.drueckeTitel("3");
        tippeUndReturn("0");
        shift();
        tippeUndReturn("1");
        QVERIFY(sichtbar("warumF"));
        QTRY_COMPARE(QApplication::focusWidget(), eingabe());
        roboter.drueckeTitel("ok, weiter");
        auto* warum = teil<QPushButton>("warumF");
        QCOMPARE(warum->shortcut(), QKeySequence(Qt::ALT | Qt::Key_W)); // ohne Maus erreichbar
        QTest::mouseClick(warum, Qt::LeftButton);
        QCOMPARE(roboter.gesehen.back().text.left(20), QString("   10 + 4 · (3 + 5)\n"));
        QVERIFY(fragefeld().startsWith("2) "));
        QTRY_COMPARE(QApplication::focusWidget(), eingabe());
    }

    void jederMenuebefehlErreichtSeinenBefehl_data() {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<QString>("dialogAnfang");
        QTest::newRow("hilfe") << "hilfe"
                               << "Eine ausführliche Beschreibung";
        QTest::newRow("audioWahl") << "audioWahl"
                                   << "Die akustische Begleitung";
        QTest::newRow("undTschuess") << "undTschuess"
                                     << "Was wird gewünscht?";
        for (const numora::HofAktion& h : numora::hofAktionen) {
            const QString name = QString::fromLatin1(h.name.data(), qsizetype(h.name.size()));
            QTest::newRow(qPrintable(name)) << name << "Hall of Fame ";
        }
    }

    void jederMenuebefehlErreichtSeinenBefehl() {
        QFETCH(QString, aktion);
        QFETCH(QString, dialogAnfang);
        DialogRoboter roboter;
        roboter.dann([](QMessageBox& box) {
            DialogRoboter::vonLinksNachRechts(box)[2 % box.buttons().size()]->click();
        });
        auto* a = fenster->findChild<QAction*>(aktion);
        QVERIFY(a != nullptr);
        a->trigger();
        QVERIFY(!roboter.gesehen.empty());
        QVERIFY2(roboter.gesehen.front().text.startsWith(dialogAnfang),
                 qPrintable(roboter.gesehen.front().text));
    }

    void beendenOhneAenderungFragtNicht() {
        QSignalSpy ende(fenster.get(), &Hauptfenster::beendet);
        auto* a = fenster->findChild<QAction*>("quit");
        QCOMPARE(a->shortcut(), QKeySequence(QKeySequence::Quit));
        a->trigger();
        QCOMPARE(ende.count(), 1);
        fenster->findChild<QAction*>("meinName")->trigger(); // namenlos: nichts
        QCOMPARE(fenster->steuerung().stand().status, phase::namenlos);
    }

    void schliessenDurchDenFenstermanagerFragtNachDemSpeichern() {
        DialogRoboter roboter;
        bisZurErstenFrage(roboter);
        tippeUndReturn("10");
        shift();
        for (int i = 1; i < 8; ++i) {
            tippeUndReturn("0");
            shift();
        }
        QVERIFY(fenster->steuerung().hof().hfdatenChanged);
        QSignalSpy ende(fenster.get(), &Hauptfenster::beendet);
        roboter.drueckeTitel("Numora endgültig verlassen");
        roboter.drueckeTitel("Ja");
        QVERIFY(!fenster->close()); // das Fenster bleibt, bis die Logik beendet
        QCOMPARE(ende.count(), 1);
        QVERIFY(QFile::exists(tmp->path() + "/Hfdaten.nmr"));
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
