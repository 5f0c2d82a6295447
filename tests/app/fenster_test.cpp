// SPDX-License-Identifier: GPL-3.0-or-later
// Das Fenster mit echten Widgets, offscreen: ob Tasten, Menü, Dialoge und Fokus bei der
// Spiellogik ankommen, und ob Screenreader und jede Palette es zugänglich machen. Den Ablauf
// selbst prüfen die Tests in tests/game.

#include "abbruch.h"
#include "anleitung.h"
#include "anzeige.h"
#include "arbeitsblattdialog.h"
#include "core/themen.h"
#include "farben.h"
#include "fehlerdurchsicht.h"
#include "hauptfenster.h"
#include "klangquelle.h"
#include "piepton.h"
#include "qtdateiablage.h"
#include "qtdialoge.h"
#include "start.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <thread>
#include <tuple>
#include <utility>

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

class FensterTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QtDateiablage ablage{tmp.path()};
    std::unique_ptr<Hauptfenster> fenster;
    QStringList knoepfe; // im zuletzt bedienten Dialog, von links nach rechts
    QString dialogText;
    bool blieb = false; // der zuletzt bediente Dialog überstand Escape und Schließen
    QString mangel;     // was an einem Dialog nicht stimmte
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
        // Eine Meldung, deren Zeilen auf den Bildschirm passen (höchstens 60 Zeichen), bricht
        // sie nicht neu um; keine zeigt ihren Text nur zum Teil, kein Knopf wird gestaucht.
        const auto zeilen = dialogText.split('\n');
        const bool passt = std::all_of(zeilen.begin(), zeilen.end(),
                                       [](const QString& z) { return z.size() <= 60; });
        if (const auto* feld = box ? box->findChild<QLabel*>("qt_msgbox_label") : nullptr) {
            const int hoch =
                feld->wordWrap() ? feld->heightForWidth(feld->width()) : feld->sizeHint().height();
            if ((passt && feld->wordWrap()) || feld->height() < hoch) {
                mangel = "neu umbrochen oder abgeschnitten: " + dialogText;
            }
        }
        for (const QPushButton* b : k) {
            if (b->width() < b->sizeHint().width()) {
                mangel = "gestaucht: " + b->text();
            }
        }
        if (!d->screen()->availableGeometry().contains(d->geometry())) {
            mangel = "ragt aus dem Bildschirm: " + dialogText;
        }
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
        QVERIFY2(mangel.isEmpty(), qPrintable(std::exchange(mangel, QString())));
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

    // Unter Wayland ist der ganze Bildschirm verfügbar: Das Fenster ragte sonst auf 1366 × 768
    // samt Ade-Knopf unter die Leiste von GNOME (32) oder KDE (44).
    void leisteUnterWayland() {
        const QRect ganz(0, 0, 1366, 768), ohneLeiste(0, 32, 1366, 736);
        QVERIFY(nutzbarerBereich(ganz, ganz, QStringLiteral("wayland")).height() <= 768 - 44);
        QCOMPARE(nutzbarerBereich(ganz, ganz, QStringLiteral("xcb")), ganz);
        QCOMPARE(nutzbarerBereich(ganz, ohneLeiste, QStringLiteral("wayland")), ohneLeiste);
    }

    // Beamer rechts neben dem Laptop: Das Nebenfenster liegt ganz auf dem Bildschirm des
    // Hauptfensters, auch wenn dieses über den Rand ragt; zu groß bleibt die Titelleiste sichtbar.
    void mittigAufDemBildschirm() {
        const QRect beamer(1366, 0, 1920, 1080);
        const QMargins rahmen(1, 20, 1, 5);
        QCOMPARE(mittigIn({860, 720}, {1600, 120, 1346, 708}, beamer, rahmen), QPoint(1843, 114));
        QCOMPARE(mittigIn({860, 720}, {700, 120, 1346, 708}, beamer, rahmen), QPoint(1367, 114));
        QCOMPARE(mittigIn({2000, 1200}, {1600, 0, 900, 500}, beamer, rahmen), QPoint(1367, 20));
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
        QCOMPARE(knoepfe, (QStringList{"Hab ich gelesen", "Anleitung öffnen"}));
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

    // Mit großer Desktopschrift (etwa 16 pt in GNOME oder KDE) ist die Zeile der vier Knöpfe
    // von "Ade" breiter als der Bildschirm; gestaucht wird trotzdem keiner, und die Meldung
    // bleibt auf dem Bildschirm (beides prüft naechsterDialog).
    void grosseSchriftStauchtKeinenKnopf() {
        const QFont vorher = QApplication::font();
        const auto zurueck = qScopeGuard([&vorher] { QApplication::setFont(vorher); });
        QFont gross = vorher;
        gross.setPointSize(16);
        QApplication::setFont(gross);
        neuesFenster();
        escape();
        aktion("undTschuess");
        QVERIFY(!blieb && knoepfe.size() == 4);
        // Bei noch größerer Schrift wird die rechte Spalte breiter, statt Knopftitel
        // abzuschneiden, und das Fenster passt weiter auf 1024 × 600.
        gross.setPointSize(24);
        QApplication::setFont(gross);
        neuesFenster();
        for (const auto* k : fenster->centralWidget()->findChildren<QPushButton*>()) {
            QVERIFY2(k->width() >= k->sizeHint().width(), qPrintable(k->text()));
        }
        QVERIFY(fenster->minimumWidth() <= 1024 - 16);
    }

    // Ein Tondienst, der nicht antwortet, hält das Fenster nicht auf: Bis der Klang bereit ist,
    // klingt der Systemton, danach der Klang.
    void tonHaeltDasFensterNichtAuf() {
        struct Klang final : Klangquelle {
            std::atomic<int>& gespielt;
            explicit Klang(std::atomic<int>& n) : gespielt(n) {}
            bool bereit() const override { return true; }
            void spielen() override { ++gespielt; }
        };
        std::promise<void> frei;
        const std::shared_future<void> freigabe = frei.get_future().share();
        std::atomic<int> gespielt{0};
        std::atomic<bool> freigegeben{false};
        Piepton ton(nullptr, [&] {
            freigegeben = freigabe.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
            return new Klang(gespielt);
        });
        ton.spielen(); // kehrt zurück, während das Modul noch lädt
        frei.set_value();
        QTRY_VERIFY((ton.spielen(), gespielt > 0));
        QVERIFY(freigegeben);
    }

    // Eine lange, von Hand umbrochene Erklärung behält ihre Zeilen in einem Dialog so breit
    // wie die längste Zeile, höher als der Bildschirm nur mit Rollbalken; nur eine Zeile, die
    // breiter ist als der Bildschirm, bricht um. Escape wählt ihren einzigen Knopf.
    void langeErklaerungBehaeltIhreZeilen() {
        QString text = "Die Diskriminante D ist (p/2)² - q = 6,25, die gesuchte Lösung also";
        for (int i = 0; i < 60; ++i) {
            text += QString("\n -p/2 - √D = -6,5 - 2,5 = -9 (%1)").arg(i);
        }
        text += "\n" + QString("Ein Satz, breiter als jeder Bildschirm. ").repeated(20);
        Piepton ton;
        QtDialoge dialoge(fenster.get(), ton, {});
        imDialog([&text](QDialog& d, auto&) {
            auto* feld = d.findChild<QPlainTextEdit*>();
            const int breit =
                QFontMetrics(feld->font()).horizontalAdvance(text.section('\n', 0, 0));
            QVERIFY(feld->viewport()->width() >= breit);
            QTRY_COMPARE(feld->document()->firstBlock().layout()->lineCount(), 1);
            QVERIFY(feld->document()->lastBlock().layout()->lineCount() > 1);
            QCOMPARE(feld->horizontalScrollBar()->maximum(), 0);
            QVERIFY(d.frameGeometry().height() <= d.screen()->availableGeometry().height());
            QVERIFY(d.frameGeometry().width() <= d.screen()->availableGeometry().width());
            QVERIFY(feld->verticalScrollBar()->maximum() > 0);
            // Die Schreibmarke folgt den Pfeiltasten, damit Screenreader Zeile für Zeile lesen.
            QTest::keyClick(feld, Qt::Key_Down);
            QCOMPARE(feld->textCursor().blockNumber(), 1);
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        QCOMPARE(dialoge.waehle(text.toStdString(), {"ok, weiter", ""},
                                {.harmlos = "ok, weiter", .vorformatiert = true}),
                 "ok, weiter");
        QCOMPARE(dialogText, text);
    }

    // Die Zifferntaste drückt ihren Levelknopf, in der kurzen Meldung wie im Textdialog; eine
    // kurze Erklärung zeigt sich dort ganz, ohne Rollbalken, gleich wie viele Zeilen sie hat.
    void kurzeDialoge() {
        Piepton ton;
        QtDialoge dialoge(fenster.get(), ton, {});
        const QStringList zeilen{" 1/4  = 2", " denn 4 · 2 = 8", " = 1 · 7 + 1", "Ergebnis: 2", ""};
        for (int n = 1; n <= zeilen.size(); ++n) {
            const int ziffer = 1 + n % 3;
            imDialog([ziffer](QDialog& d, auto&) {
                const auto* feld = d.findChild<QPlainTextEdit*>();
                const bool ganz = feld == nullptr || (feld->horizontalScrollBar()->maximum() == 0 &&
                                                      feld->verticalScrollBar()->maximum() == 0);
                // Tastenkürzel gelten erst im aktiven Fenster, wie für den Spieler auch.
                QVERIFY(QTest::qWaitForWindowActive(&d));
                QTest::keyClick(&d, static_cast<Qt::Key>(Qt::Key_0 + ziffer));
                if (!QTest::qWaitFor([&d] { return !d.isVisible(); }, 1000)) {
                    d.done(0); // ohne Wahl, damit der Test scheitert statt zu hängen
                }
                QVERIFY(ganz);
            });
            QCOMPARE(dialoge.waehle(zeilen.first(n).join('\n').toStdString(), {"1", "2", "3"},
                                    {.vorformatiert = n > 1}),
                     std::to_string(ziffer));
        }
        // Auch mit Empfehlung (fünf Zeilen) bleibt der Level-Dialog eine Meldung wie ohne.
        imDialog([](QDialog& d, auto&) {
            QVERIFY(qobject_cast<QMessageBox*>(&d) != nullptr);
            d.done(0);
        });
        dialoge.waehle(
            "Auf welchen Level …\n Grundrechenarten\ngewählt werden?\n\nEmpfehlung: Level 2",
            {"1", "2", "3"}, {});
        // Return drückt die Vorgabe, auch wenn sie nicht der erste Knopf ist (Rückfrage vor
        // dem Löschen einer Halle).
        imDialog([](QDialog& d, auto&) { QTest::keyClick(&d, Qt::Key_Return); });
        QCOMPARE(dialoge.waehle("Löschen?", {"Löschen", "Abbrechen"},
                                {.harmlos = "Abbrechen", .vorgabe = "Abbrechen"}),
                 "Abbrechen");
    }

    // Zeilen, breiter als ihr Feld: Alt+Rechts und Alt+Links schieben Frage und Antwort seitlich.
    void altPfeileSchiebenLangeZeilen() {
        fenster->frageText(std::string(400, 'x'));
        fenster->schreibeAntwortfeld(std::string(400, 'y'));
        QScrollBar* frage =
            fenster->findChild<QAbstractScrollArea*>("MittelRahmen")->horizontalScrollBar();
        QScrollBar* antwort = fenster->findChild<QPlainTextEdit*>("Antw0")->horizontalScrollBar();
        QTRY_VERIFY(frage->maximum() > 0 && antwort->maximum() > 0);
        QTest::keyClick(eingabe(), Qt::Key_Right, Qt::AltModifier);
        QVERIFY(frage->value() > 0 && antwort->value() > 0);
        QTest::keyClick(eingabe(), Qt::Key_Left, Qt::AltModifier);
        QVERIFY(frage->value() == 0 && antwort->value() == 0);
        QVERIFY(eingabe()->text().isEmpty());
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
        QTest::keyClick(eingabe(), Qt::Key_W, Qt::AltModifier); // kein "Warum" da: kein "w"
        QCOMPARE(eingabe()->text(), " ");
        tippeUndReturn("1");
        // Ein gehaltenes Return und der zweite Klick eines Doppelklicks auf "Prüfen!" (er trifft
        // "Weiter" an derselben Stelle) überspringen das Urteil nicht.
        QKeyEvent gehalten(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
        QApplication::sendEvent(eingabe(), &gehalten);
        QMouseEvent zweiter(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(fenster->findChild<QPushButton*>("weiterF"), &zweiter);
        QVERIFY(fenster->findChild<QLabel*>("MittelZ")->text().startsWith(" 1) "));
        // Außerhalb des Spiels (Anleitung, Qts Dialoge) zählt auch der zweite Klick.
        QPushButton fremd;
        QSignalSpy geklickt(&fremd, &QPushButton::clicked);
        QApplication::sendEvent(&fremd, &zweiter);
        QTest::mouseRelease(&fremd, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(geklickt.size(), 1);
        eingabe()->clearFocus();
        QTest::keyPress(fenster.get(), Qt::Key_Shift);
        QCOMPARE(fenster->findChild<QLabel*>("MittelZ")->text().left(3), QString("2) "));
        // Eingefügte Steuerzeichen zählen als Leerraum, und die Länge ist begrenzt.
        eingabe()->setText("4\x01\x1b"
                           "2");
        QCOMPARE(fenster->eingabe(), "4  2");
        eingabe()->setText(QString(1000, '9'));
        QCOMPARE(eingabe()->text().size(), 200);
        eingabe()->clear();
    }

    // Jede Phase sperrt die Menübefehle, die nichts bewirken würden (Namensanfänge). Nach der
    // Runde öffnen Kürzel, Menübefehl und Knopf die Durchsicht der Fehler; "Fehler üben" startet
    // die Übung, und die PDF-Datei enthält den Text der Durchsicht.
    void menueJePhaseUndDurchsicht() {
        const auto pruefe = [this](const char* phase, const QStringList& gesperrt) {
            for (QAction* a : fenster->findChildren<QAction*>()) {
                const QString n = a->objectName();
                if (!n.isEmpty()) {
                    const bool soll =
                        std::none_of(gesperrt.begin(), gesperrt.end(),
                                     [&n](const QString& g) { return n.startsWith(g); });
                    QVERIFY2(a->isEnabled() == soll, qPrintable(phase + (": " + n)));
                }
            }
        };
        const auto shift = [this] { QTest::keyPress(eingabe(), Qt::Key_Shift); };
        const auto siebenFragen = [&] {
            for (int i = 0; i < 7; ++i) {
                shift();
                tippeUndReturn("-1");
            }
        };
        druecke(0);
        const std::vector<std::tuple<const char*, std::function<void()>, QStringList>> tabelle = {
            {"namenlos", [] {}, {"meinName", "fehler"}},
            {"Themenwahl", [&] { tippeUndReturn("Anna"); }, {"fehler"}},
            {"vor der Runde", [&] { tippeUndReturn("0"); }, {"fehler"}},
            {"Frage offen", shift, {"hof", "fortschritt", "fehler"}},
            {"Urteil", [&] { tippeUndReturn("-1"); }, {"fehler"}},
            {"Auswertung", siebenFragen, {"fehler"}},
            {"abgeschlossen", shift, {"hof"}},
        };
        for (const auto& [phase, schritt, gesperrt] : tabelle) {
            schritt();
            pruefe(phase, gesperrt);
        }
        QCOMPARE(status(), numora::phase::abgeschlossen);
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
        QVERIFY(durchsichtSpeichern(texte[0], tmp.filePath("fehlt/fehler.pdf"))
                    .value_or("")
                    .startsWith("Den Ordner"));
        QVERIFY(!durchsichtSpeichern(texte[0], tmp.filePath("fehler.pdf")));
        QProcess pdf;
        pdf.start(PDFTOTEXT, {tmp.filePath("fehler.pdf"), "-"});
        QVERIFY(pdf.waitForFinished());
        const QString gelesen = QString::fromUtf8(pdf.readAllStandardOutput());
        QVERIFY2(gelesen.contains("Fehler der Runde von ANNA am") && gelesen.contains("Frage 8"),
                 qPrintable(gelesen));
    }

    // Endet der Wayland-Compositor (Abmelden), sagt Qt es aus seinem Thread und beendet Numora
    // gleich danach: Vorher wird einmal gesichert, im Hauptthread, wo das Spiel läuft.
    void abbruchSichertEinmalImHauptthread() {
        std::vector<QThread*> gesichert;
        auto eltern = std::make_unique<QObject>();
        beimAbbruchSichern(*eltern, [&] { gesichert.push_back(QThread::currentThread()); });
        const char* abbruch = "The Wayland connection broke. Did the Wayland compositor die?";
        std::thread wayland([abbruch] { qWarning("%s", abbruch); });
        QTRY_COMPARE(gesichert.size(), 1u);
        wayland.join();
        qWarning("%s", abbruch);
        QCOMPARE(gesichert, std::vector<QThread*>{QThread::currentThread()});
    }

    // Auf Papier setzt eine umbrochene Zeile unter ihrem Text fort, nicht am linken Rand; eine
    // Eingabe mit 150 Blanks vorn (das Feld nimmt 200 Zeichen) bleibt dabei auf der Seite.
    void umbrocheneZeilenBehaltenIhrenEinzug() {
        QTemporaryDir tmp;
        const QString lang = QStringLiteral("wort ").repeated(40);
        QVERIFY(!durchsichtSpeichern("Frage 1\n    " + lang + "\n  Richtig:        " + lang +
                                         "\n  Deine Antwort:  " + QString(150, u' ') + "25 " + lang,
                                     tmp.filePath("e.pdf")));
        QProcess pdf;
        pdf.start(PDFTOTEXT, {"-layout", tmp.filePath("e.pdf"), "-"});
        QVERIFY(pdf.waitForFinished());
        const QStringList zeilen = QString::fromUtf8(pdf.readAllStandardOutput()).split('\n');
        QVERIFY(zeilen.filter("wort").size() > 2);
        QVERIFY(zeilen.filter(QRegularExpression("^wort")).isEmpty());
        QVERIFY(!zeilen.filter(QRegularExpression("\\b25 wort")).isEmpty());
    }

    void jederMenuebefehlErreichtSeinenBefehl() {
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

    // Das selbst gezeichnete Bild für den Überlauf der Menüleiste: durchsichtig um die Striche.
    void ueberlaufbildHatDurchsichtigenGrund() {
        const QImage bild = QApplication::style()
                                ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                .pixmap(32, 32)
                                .toImage();
        QCOMPARE(qAlpha(bild.pixel(0, 0)), 0);
        QVERIFY(qAlpha(bild.pixel(15, 16)) > 0); // die Spitze des ersten Winkels
    }

    void jedesBedienelementHatNameUndBeschreibungUndDasUrteilWirdAngesagt() {
        Anleitungsfenster anleitung;
        anleitung.show();
        anleitung.suchleisteZeigen();
        Fehlerdurchsicht durchsicht;
        durchsicht.show();
        int geprueft = 0;
        for (QWidget* wurzel : std::initializer_list<QWidget*>{
                 fenster.get(), ArbeitsblattDialog::zeigen(fenster.get()), &anleitung,
                 &durchsicht}) {
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
        // Eine Auswahlliste nennt Hilfsmitteln mit ihrer Beschriftung auch ihren Eintrag.
        auto* thema = ArbeitsblattDialog::zeigen(fenster.get())->findChild<QComboBox*>("thema");
        thema->setCurrentIndex(2);
        for (const QLabel* l : thema->window()->findChildren<QLabel*>()) {
            if (l->buddy() == thema) {
                QCOMPARE(l->accessibleName(), "Thema: " + thema->currentText());
            }
        }
        // Offene Fenster nähmen dem Spielfenster den Fokus, unter Last auch noch nach der Frist.
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w != fenster.get()) {
                w->close();
            }
        }
        // Das Urteil wird Beschreibung des Felds mit dem Fokus, für die Rückkehr ins Feld, und
        // erscheint als Benachrichtigung: Die liest Orca sofort vor.
        const QString urteil = "8 ist leider falsch! Die Stoppuhr …";
        fenster->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(fenster.get()));
        QTest::qWait(300); // länger, als der Fokus ins Feld als eben gekommen gilt
        fenster->schreibeAntwortfeld("\n 8 ist leider falsch!\n\n Die Stoppuhr …\n  9.\n 10.\n");
        QTRY_COMPARE(fenster->findChild<QLineEdit*>("EingabeF")->accessibleDescription(), urteil);
        auto* stelle = fenster->findChild<QWidget*>("ansagestelle");
        QVERIFY(stelle != nullptr && !stelle->isVisible());
        auto* meldung = stelle->findChild<QWidget*>();
        QTRY_COMPARE(meldung->accessibleName(), urteil);
        QCOMPARE(QAccessible::queryAccessibleInterface(meldung)->role(), QAccessible::Notification);
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
            QTRY_COMPARE(fenster->palette().color(R::Window), p.color(R::Window));
            for (bool editierbar : {true, false}) {
                fenster->eingabeEditierbar(editierbar);
                QString tabelle = QStringLiteral("%1%2:").arg(name, editierbar ? "" : " gesperrt");
                for (const auto& [feld, schrift, grund] : zeilen) {
                    QWidget* w = fenster->findChild<QWidget*>(feld);
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

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    anwendungEinrichten(app);
    FensterTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "fenster_test.moc"
