// Das Fenster mit echten Widgets, offscreen: ob Tasten, Menü, Dialoge und Fokus bei der
// Spiellogik ankommen. Den Ablauf selbst prüfen die Tests in tests/game.

#include "core/themen.h"
#include "fehlerdurchsicht.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "start.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

class FensterTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QtDateiablage ablage{tmp.path()};
    std::unique_ptr<Hauptfenster> fenster;
    QStringList knoepfe; // im zuletzt bedienten Dialog, von links nach rechts
    QString dialogText;

    QLineEdit* eingabe() { return fenster->findChild<QLineEdit*>("EingabeF"); }
    numora::phase status() { return fenster->steuerung().stand().status; }
    void tippeUndReturn(const QString& text) {
        eingabe()->setText(text);
        QTest::keyClick(eingabe(), Qt::Key_Return);
    }
    // Bedient den nächsten modalen Dialog, sobald er offen ist, und merkt sich, was er zeigte.
    template <typename F> void imDialog(F&& was) {
        QTimer::singleShot(0, this, [this, was] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr && !box->iconPixmap().isNull());
            auto k = box->buttons();
            std::sort(k.begin(), k.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
            knoepfe.clear();
            std::for_each(k.begin(), k.end(), [this](auto* b) { knoepfe << b->text(); });
            dialogText = box->text();
            was(*box, k);
        });
    }
    void druecke(int knopf) {
        imDialog([knopf](QMessageBox&, auto& k) { k.at(knopf)->click(); });
    }

  private slots:
    void init() {
        fenster = std::make_unique<Hauptfenster>(ablage);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
    }
    void cleanup() { fenster.reset(); }

    // Feste Größe, ohne Schließknopf; Schließen wie Beenden, ohne Änderung also sofort.
    void fensterUndSchliessen() {
        QCOMPARE(fenster->minimumSize(), fenster->maximumSize());
        QVERIFY(!(fenster->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(QApplication::focusWidget(), eingabe());
        QSignalSpy ende(fenster.get(), &Hauptfenster::beendet);
        QVERIFY(!fenster->close());
        QCOMPARE(ende.count(), 1);
    }

    // Escape und Schließen beenden keinen Dialog, Return drückt den ersten Knopf; danach ist
    // der Fokus wieder im Eingabefeld.
    void dialogeUndFokus() {
        bool nochOffen = false;
        imDialog([&nochOffen](QMessageBox& box, auto&) {
            QTest::keyClick(&box, Qt::Key_Escape);
            box.close();
            nochOffen = box.isVisible();
            QTest::keyClick(&box, Qt::Key_Return);
        });
        fenster->findChild<QAction*>("audioWahl")->trigger();
        QVERIFY(nochOffen);
        QCOMPARE(knoepfe, (QStringList{"EINgeschaltet", "AUSgeschaltet"}));
        druecke(0);
        fenster->findChild<QAction*>("hilfe")->trigger();
        QCOMPARE(knoepfe, (QStringList{"Hab ich gelesen", "Anleitung öffnen"}));
        QTRY_COMPARE(QApplication::focusWidget(), eingabe());
    }

    // Shift zählt nur gedrückt, nicht wiederholt, im Eingabefeld oder ohne Fokus im Fenster.
    void returnUndShift() {
        tippeUndReturn("Anna");
        QCOMPARE(status(), numora::phase::wahlmodus);
        druecke(0);
        tippeUndReturn("0");
        QCOMPARE(knoepfe, (QStringList{"1", "2", "3"}));
        QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier, QString(), true);
        QApplication::sendEvent(eingabe(), &wiederholt);
        QTest::keyRelease(eingabe(), Qt::Key_Shift);
        QCOMPARE(status(), numora::phase::neuesPaket);
        QTest::keyPress(eingabe(), Qt::Key_Shift);
        QCOMPARE(status(), numora::phase::raten);
        tippeUndReturn("1");
        eingabe()->clearFocus();
        QTest::keyPress(fenster.get(), Qt::Key_Shift);
        QCOMPARE(fenster->findChild<QLabel*>("MittelZ")->text().left(3), QString("2) "));
    }

    void jederMenuebefehlErreichtSeinenBefehl() {
        druecke(2);
        fenster->findChild<QAction*>("undTschuess")->trigger();
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

    // Jedes Tastenkürzel gehört genau einem Befehl; sonst löst Qt keinen von beiden aus.
    void kuerzelEindeutig() {
        QMap<QKeySequence, QString> belegt;
        for (const QAction* a : fenster->findChildren<QAction*>()) {
            for (const QKeySequence& k : a->shortcuts()) {
                QVERIFY2(!belegt.contains(k), qPrintable(k.toString()));
                belegt.insert(k, a->objectName());
            }
        }
        QCOMPARE(belegt.value(QKeySequence(Qt::CTRL | Qt::Key_M)), QStringLiteral("fortschritt"));
    }

    // Ein Wort von 512 KB im Antwortfeld bräuchte mit Umbruch an Wortgrenzen Minuten.
    void langeZeileFriertNichtEin() {
        QElapsedTimer uhr;
        uhr.start();
        fenster->schreibeAntwortfeld(std::string(1 << 19, 'N'));
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        QVERIFY2(uhr.elapsed() < 3000, qPrintable(QString::number(uhr.elapsed())));
    }

    // Kürzel, Menübefehl und Knopf öffnen die Durchsicht der Fehler; "Fehler üben" startet die
    // Übung, und die PDF-Datei enthält den Text der Durchsicht.
    void fehlerAnsehenUndUeben() {
        tippeUndReturn("Anna");
        druecke(0);
        tippeUndReturn("0");
        for (int i = 0; i < 8; ++i) {
            fenster->steuerung().weiterB();
            tippeUndReturn("-1");
        }
        fenster->steuerung().weiterB();
        // Das Kürzel zuerst: Nach der Durchsicht wird das Fenster offscreen nicht wieder aktiv.
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QStringList texte;
        for (const std::function<void()>& weg : std::initializer_list<std::function<void()>>{
                 [&] { QTest::keyClick(eingabe(), Qt::Key_R, Qt::ControlModifier); },
                 [&] { fenster->findChild<QAction*>("fehlerAnsehen")->trigger(); },
                 [&] { fenster->findChild<QPushButton*>("fehlerF")->click(); }}) {
            QTimer::singleShot(0, this, [&texte] {
                if (auto* d = qobject_cast<Fehlerdurchsicht*>(QApplication::activeModalWidget())) {
                    texte << d->findChild<QPlainTextEdit*>()->toPlainText();
                    texte.size() < 3 ? d->reject() : d->findChild<QPushButton*>("ueben")->click();
                }
            });
            weg();
        }
        QVERIFY(texte.size() == 3 && texte[0] == texte[2] && fenster->steuerung().stand().uebung);
        QVERIFY(durchsichtSpeichern(texte[0], tmp.filePath("fehlt/fehler.pdf")).has_value());
        QVERIFY(!durchsichtSpeichern(texte[0], tmp.filePath("fehler.pdf")));
        QProcess pdf;
        pdf.start(PDFTOTEXT, {tmp.filePath("fehler.pdf"), "-"});
        QVERIFY(pdf.waitForFinished());
        const QString gelesen = QString::fromUtf8(pdf.readAllStandardOutput());
        QVERIFY2(gelesen.contains("Fehler der Runde von ANNA am") && gelesen.contains("Frage 8"),
                 qPrintable(gelesen));
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
