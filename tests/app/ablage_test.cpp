// Die Ruhmeshalle auf echten Dateien: Speichern und Laden über die Qt-Dateischicht in einem
// temporären Dokumente-Ordner, auch mit kaputten Dateien und Fehlern beim Schreiben.

#include "../game/attrappen.h"
#include "core/zufall.h"
#include "gast.h"
#include "qtdateiablage.h"
#include "testuhr.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

using numora::test::TestBildschirm;
using numora::test::TestDialoge;
using numora::test::TestEnde;

const QByteArray annasZeile = "&ANNA am 3.7.2026  9:05 Uhr &12&0&1&1&";

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

// Ein Spiel mit echtem Dateizugriff im Ordner ordner, sonst Attrappen.
struct Spiel {
    explicit Spiel(const QString& ordner) : ablage(ordner) {}
    TestBildschirm bildschirm;
    TestDialoge dialoge;
    QtDateiablage ablage;
    TestEnde ende;
    std::ostringstream ausgabe;
    numora::ViewController vc{bildschirm, dialoge, ablage, ende, ausgabe};

    // Eine Runde mit einer richtigen Antwort, dann Verlassen und Speichern.
    void spielenUndSpeichern() {
        vc.viewDidLoad();
        bildschirm.eingabeText = "Anna";
        vc.fertigB();
        dialoge.antworten = {"1"};
        bildschirm.eingabeText = "0";
        vc.fertigB();
        vc.weiterB();
        for (int i = 0; i < 8; ++i) {
            bildschirm.eingabeText = i == 0 ? vc.stand().aktuellesPaket[0].antwort : "-1";
            vc.fertigB();
            vc.weiterB();
        }
        dialoge.antworten = {"Numora endgültig verlassen", "Ja"};
        vc.undTschuess();
    }
    std::string letzteFrage() const { return dialoge.gezeigt.back().frage; }
};

class AblageTest : public QObject {
    Q_OBJECT

    numora::test::TestUhr uhr;
    numora::MersenneQuelle zufall{3};
    std::unique_ptr<numora::UhrErsetzen> uhrErsetzt;
    std::unique_ptr<numora::ZufallsquelleErsetzen> zufallErsetzt;
    std::unique_ptr<QTemporaryDir> tmp;
    QString ordner, datei;

  private slots:
    void init() {
        uhrErsetzt = std::make_unique<numora::UhrErsetzen>(uhr);
        zufallErsetzt = std::make_unique<numora::ZufallsquelleErsetzen>(zufall);
        tmp = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp->isValid());
        // Auch für den Gast-Benutzer betretbar
        QFile::setPermissions(tmp->path(), QFileDevice::Permissions(0x7777));
        ordner = tmp->path() + "/Dokumente";
        datei = ordner + "/Hfdaten.nmr";
    }

    void cleanup() {
        // Aufräumen auch nach Rechtetests
        QFile::setPermissions(ordner, QFileDevice::Permissions(0x7777));
        QFile::setPermissions(datei, QFileDevice::Permissions(0x6666));
        zufallErsetzt.reset();
        uhrErsetzt.reset();
    }

    void speichertUndLaedtImDokumenteOrdner() {
        Spiel erstes(ordner);
        erstes.spielenUndSpeichern();
        QVERIFY(QDir(ordner).exists()); // bei Bedarf angelegt
        QVERIFY(inhalt(datei).startsWith("&ANNA am 3.7.2026  9:05 Uhr &0&0&1&1&& &9999&0&1&0&"));
        QCOMPARE(QString::fromStdString(erstes.ausgabe.str()), "FilePath: " + datei + "\n");
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 1); // keine Reste, keine Sicherung

        Spiel zweites(ordner);
        zweites.vc.viewDidLoad();
        QCOMPARE(zweites.vc.hof().halle(0, 1)->size(), std::size_t(11));
        QCOMPARE(zweites.vc.hof().halle(0, 1)->front().zeit, std::int64_t(0));
    }

    void nurLesbarerOrdnerMeldetDasScheiternUndLaesstDieDatei() {
        QVERIFY(QDir().mkpath(ordner));
        schreibe(datei, annasZeile);
        QFile::setPermissions(ordner, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther);
        Spiel s(ordner);
        {
            AlsGast gast;
            if (!AlsGast::wirksam()) {
                QSKIP("Als root ohne Möglichkeit, die Rechte abzugeben, gilt kein Schreibschutz.");
            }
            s.spielenUndSpeichern();
        }
        const QString meldung = QString::fromStdString(s.letzteFrage());
        QVERIFY2(
            meldung.startsWith("Schreiben der Datei file://" + datei + " ist gescheitert, Error: "),
            qPrintable(meldung));
        QCOMPARE(s.dialoge.gezeigt.back().optionen,
                 (std::vector<std::string>{"hab ich verstanden", ""}));
        QCOMPARE(inhalt(datei), annasZeile);
        QCOMPARE(s.ende.beendet, 1);
    }

    void dokumentePfadIstEineDatei() {
        schreibe(ordner, "kein Ordner");
        Spiel s(ordner);
        s.spielenUndSpeichern();
        QCOMPARE(s.letzteFrage(), std::string("Schreiben der Datei Hfdaten.nmr ist gescheitert, "
                                              "Error: Es gibt keinen Dokumente-Ordner, in den "
                                              "Numora schreiben könnte."));
        QCOMPARE(inhalt(ordner), QByteArray("kein Ordner"));
    }

    void volleFestplatteLaesstDieAlteDatei() {
        QVERIFY(QDir().mkpath(ordner));
        schreibe(datei, annasZeile);
        // Eine Dateigrößengrenze wirkt wie eine volle Platte: Das Schreiben bricht mittendrin ab.
        rlimit vorher{};
        getrlimit(RLIMIT_FSIZE, &vorher);
        const auto alterSignalplan = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze = vorher;
        grenze.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &grenze);
        Spiel s(ordner);
        s.spielenUndSpeichern();
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, alterSignalplan);
        QVERIFY2(s.letzteFrage().find(" ist gescheitert, Error: Es wurden nur ") !=
                     std::string::npos,
                 s.letzteFrage().c_str());
        QCOMPARE(inhalt(datei), annasZeile);
        QCOMPARE(QDir(ordner).entryList(QDir::Files), QStringList{"Hfdaten.nmr"});
    }

    void kaputteDateien_data() {
        QTest::addColumn<QByteArray>("alt");
        QTest::addColumn<bool>("gesichert");
        QTest::addColumn<int>("gelesen"); // geladene Ergebnisse in Halle 01
        QTest::newRow("leer") << QByteArray() << false << 0;
        QTest::newRow("kein UTF-8") << QByteArray("&J\xDCRGEN&5&0&1&3&") << true << 1;
        QTest::newRow("abgeschnitten") << annasZeile + "&BERTA&4&0" << true << 1;
        QTest::newRow("Unsinn in Feldern")
            << annasZeile + "&X&-7&0&1&2&&Y&99999999999999999999&0&1&2&&Z&zwei&0&1&2&" << true << 2;
        QTest::newRow("fremder Schlüssel") << QByteArray("&OTTO&5&42&7&3&") << true << 0;
        QTest::newRow("Windows-Zeilen") << annasZeile + "\r\n" + annasZeile + "\r\n" << false << 2;
        QTest::newRow("Byte-Order-Mark") << "\xEF\xBB\xBF" + annasZeile << false << 1;
        QTest::newRow("50 MB") << annasZeile + "&" + QByteArray(50 << 20, 'x') + "&" << true << 1;
    }

    void kaputteDateien() {
        QFETCH(QByteArray, alt);
        QFETCH(bool, gesichert);
        QFETCH(int, gelesen);
        QVERIFY(QDir().mkpath(ordner));
        schreibe(datei, alt);
        Spiel s(ordner);
        s.vc.viewDidLoad();
        QCOMPARE(s.vc.hof().halle(0, 1)->size(), std::size_t(10 + gelesen));
        QVERIFY(s.dialoge.gezeigt.empty()); // der Start bleibt still
        s.spielenUndSpeichern();
        QVERIFY(inhalt(datei).contains(annasZeile.mid(0, 20)));
        const QString sicherung = ordner + "/Hfdaten-Sicherung.nmr";
        QCOMPARE(QFile::exists(sicherung), gesichert);
        if (gesichert) {
            QCOMPARE(inhalt(sicherung), alt);
        }
    }

    void ordnerStattDateiWirdBeiseitegelegt() {
        QVERIFY(QDir().mkpath(datei + "/innen"));
        Spiel s(ordner);
        s.spielenUndSpeichern();
        QVERIFY(QFileInfo(ordner + "/Hfdaten-Sicherung.nmr/innen").isDir());
        QVERIFY(inhalt(datei).startsWith("&ANNA"));
    }

    void dateiOhneLeserechtWirdBeiseitegelegt() {
        QVERIFY(QDir().mkpath(ordner));
        schreibe(datei, annasZeile);
        QFile::setPermissions(ordner, QFileDevice::Permissions(0x7777));
        QFile::setPermissions(datei, QFileDevice::Permissions());
        Spiel s(ordner);
        {
            AlsGast gast;
            if (!AlsGast::wirksam()) {
                QSKIP("Als root ohne Möglichkeit, die Rechte abzugeben, gilt kein Leseschutz.");
            }
            s.spielenUndSpeichern();
        }
        QFile::setPermissions(ordner + "/Hfdaten-Sicherung.nmr", QFileDevice::ReadOwner);
        QCOMPARE(inhalt(ordner + "/Hfdaten-Sicherung.nmr"), annasZeile);
        QVERIFY(inhalt(datei).startsWith("&ANNA"));
    }
};

} // namespace

QTEST_GUILESS_MAIN(AblageTest)
#include "ablage_test.moc"
