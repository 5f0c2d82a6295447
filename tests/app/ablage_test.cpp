// SPDX-License-Identifier: GPL-3.0-or-later
// Die Ruhmeshalle auf echten Dateien: dieselben Spiele wie in tests/game, aber mit der
// Qt-Dateischicht in einem temporären Dokumente-Ordner.

#include "anzeige.h"
#include "game/attrappen.h"
#include "gast.h"
#include "qtdateiablage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/un.h>

// Ersetzt fchmod im ganzen Test; mit ohneChmod wie auf FAT über FUSE.
bool ohneChmod = false;
extern "C" int fchmod(int fd, mode_t rechte) {
    return ohneChmod ? (errno = ENOSYS, -1) : static_cast<int>(::syscall(SYS_fchmod, fd, rechte));
}

namespace {

using Spiel = numora::test::SpielMit<QtDateiablage>;
const QByteArray anna = "&ANNA am 3.7.2026  9:05 Uhr &0&0&1&1&";

QByteArray inhalt(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

ino_t inode(const QString& pfad) {
    struct stat info {};
    return ::stat(pfad.toLocal8Bit().constData(), &info) == 0 ? info.st_ino : 0;
}

class AblageTest : public QObject {
    Q_OBJECT

    QTemporaryDir tmp;
    QString ordner = tmp.path() + "/Dokumente";
    QString datei = ordner + "/Hfdaten.nmr";

    QStringList dateien() const {
        return QDir(ordner).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }
    void schreibe(const QString& pfad, const QByteArray& bytes) {
        QFile f(pfad);
        QVERIFY(QDir().mkpath(QFileInfo(pfad).path()) && f.open(QIODevice::WriteOnly));
        QCOMPARE(f.write(bytes), bytes.size());
    }

  private slots:
    void init() {
        ::chmod(QFile::encodeName(ordner), 0755); // ohne root sonst nicht zu leeren
        QVERIFY(QDir(tmp.path()).removeRecursively() && QDir().mkpath(tmp.path()));
        QFile::setPermissions(tmp.path(), QFileDevice::Permissions(0x7777)); // auch für nobody
    }

    // Eine Dateigrößengrenze wirkt wie eine volle Platte: Das Schreiben bricht mittendrin ab.
    void vollePlatteLaesstDieAlteDatei() {
        schreibe(datei, anna);
        rlimit vorher{};
        getrlimit(RLIMIT_FSIZE, &vorher);
        const auto signalplan = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze{1024, vorher.rlim_max};
        setrlimit(RLIMIT_FSIZE, &grenze);
        Spiel s(ordner);
        s.rundeUndEnde();
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signalplan);
        QVERIFY2(s.letzterDialog().frage.find(" ist gescheitert, Error: Es wurden nur 1024 von ") !=
                     std::string::npos,
                 s.letzterDialog().frage.c_str());
        QCOMPARE(inhalt(datei), anna);
        QCOMPARE(dateien(), QStringList{"Hfdaten.nmr"});
    }

    void nurLesbarerOrdnerLaesstDieAlteDatei() {
        schreibe(datei, anna);
        QFile::setPermissions(ordner, QFileDevice::Permissions(0x5555));
        Spiel s(ordner);
        {
            AlsGast gast;
            if (!AlsGast::wirksam()) {
                QSKIP("Als root ohne Möglichkeit, die Rechte abzugeben, gilt kein Schreibschutz.");
            }
            s.rundeUndEnde();
        }
        QVERIFY(s.letzterDialog().frage.starts_with("Schreiben der Datei file://" +
                                                    datei.toStdString() +
                                                    " ist gescheitert, Error: Keine Berechtigung"));
        QCOMPARE(inhalt(datei), anna);
    }

    // Ohne fchmod wird trotzdem gespeichert, solange die neue Datei (umask 022: 0644) niemandem
    // mehr erlaubt als die alte.
    void ohneChmodNurOhneMehrRechte() {
        const mode_t maske = ::umask(022);
        for (const auto& [rechte, gespeichert] : {std::pair{0644, true}, {0600, false}}) {
            schreibe(datei, anna);
            ::chmod(QFile::encodeName(datei), static_cast<mode_t>(rechte));
            Spiel s(ordner);
            ohneChmod = true;
            s.rundeUndEnde();
            ohneChmod = false;
            QCOMPARE(inhalt(datei) != anna, gespeichert);
        }
        ::umask(maske);
    }

    void unvollstaendigeDateiBleibtAlsHarterLink() {
        const QByteArray alt = "\xEF\xBB\xBF&J\xDCRGEN&5&0&1&3&\r\n";
        schreibe(datei, alt);
        const ino_t vorher = inode(datei);
        Spiel s(ordner);
        s.rundeUndEnde();
        QCOMPARE(s.vc.hof().halle(0, 1)->front().name, std::string("JÜRGEN"));
        QCOMPARE(inhalt(ordner + "/Hfdaten-Sicherung.nmr"), alt);
        QCOMPARE(inode(ordner + "/Hfdaten-Sicherung.nmr"), vorher);
        QVERIFY(inhalt(datei).startsWith("&JÜRGEN&5&0&1&3&" + anna));
        QCOMPARE(dateien().size(), 2);
    }

    // FIFO, Socket, Links dorthin und ins Leere: Der Start wartet nicht, nichts wird gelesen
    // oder ersetzt, und das Speichern sagt, warum.
    void keineGewoehnlicheDatei_data() {
        QTest::addColumn<QString>("art");
        for (const char* art :
             {"FIFO", "Socket", "Link auf FIFO", "Link auf Socket", "Ordner", "Link ins Leere"}) {
            QTest::newRow(art) << art;
        }
    }
    void keineGewoehnlicheDatei() {
        QFETCH(QString, art);
        QVERIFY(QDir().mkpath(ordner));
        sockaddr_un adresse{AF_UNIX, {}};
        const QString ding = art.startsWith("Link") ? tmp.path() + "/ding" : datei;
        std::strncpy(adresse.sun_path, ding.toLocal8Bit().constData(), sizeof adresse.sun_path - 1);
        const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(art.endsWith("FIFO") ? mkfifo(adresse.sun_path, 0600) == 0
                : art.endsWith("Socket")
                    ? ::bind(sock, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0
                    : art != "Ordner" || QDir().mkdir(ding));
        QVERIFY(!art.startsWith("Link") || QFile::link(ding, datei));
        Spiel s(ordner);
        s.rundeUndEnde();
        ::close(sock);
        QCOMPARE(s.vc.hof().halle(0, 1)->size(), std::size_t(11));
        QVERIFY(s.letzterDialog().frage.starts_with(
            "Schreiben der Datei file://" + datei.toStdString() +
            " ist gescheitert, Error: Hfdaten.nmr ist keine gewöhnliche Datei.\n"));
        QCOMPARE(dateien(), QStringList{"Hfdaten.nmr"});
        QCOMPARE(QFileInfo(datei).isSymLink(), art.startsWith("Link"));
    }

    // Wer Dokumente in einem synchronisierten Ordner hält: Der Link bleibt, sein Ziel wird
    // ersetzt, und der nächste Start liest es. Auf einem anderen Dateisystem (tmpfs) gibt es
    // keinen harten Link dorthin; die Sicherung ist dann eine Kopie.
    void linkAufEineDateiWirdGefolgtUndBleibt() {
        QTemporaryDir sync((QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath()) +
                           "/nXXXXXX");
        const QString ziel = sync.path() + "/Hfdaten.nmr";
        schreibe(ziel, "&EVA&7&0&1&2&&x&");
        QVERIFY(QDir().mkpath(ordner) && QFile::link(ziel, datei));
        Spiel erstes(ordner), zweites(ordner);
        erstes.rundeUndEnde();
        QVERIFY(erstes.fenster.gezeigt.front().frage.starts_with("Auf welchen Level")); // still
        QCOMPARE(erstes.ausgabe.str(), "FilePath: " + datei.toStdString() + "\n");
        QCOMPARE(inhalt(ordner + "/Hfdaten-Sicherung.nmr"), QByteArray("&EVA&7&0&1&2&&x&"));
        zweites.rundeUndEnde();
        QCOMPARE(zweites.vc.hof().halle(0, 1)->size(), std::size_t(13));
        QCOMPARE(QFileInfo(datei).symLinkTarget(), ziel);
        QVERIFY(inhalt(ziel).startsWith("&EVA&7&0&1&2&" + anna + anna + "& &9999&0&1&0&"));
        QCOMPARE(QDir(sync.path()).entryList(QDir::Files), QStringList{"Hfdaten.nmr"});
    }

    void zuGrosseDateiGiltAlsUnlesbar() {
        schreibe(datei, "123456789");
        QtDateiablage ablage(ordner);
        QCOMPARE(ablage.lesen(datei.toStdString(), 9).inhalt, std::string("123456789"));
        QVERIFY(ablage.lesen(datei.toStdString(), 8).status ==
                numora::Dateiablage::Lesestatus::unlesbar);
    }

    // Relative Angaben in XDG_DATA_HOME und user-dirs.dirs hingen vom Arbeitsordner des Starts ab;
    // sie gelten nicht, und es bleibt die Vorgabe unter HOME.
    void ordnerHaengenNichtAmArbeitsordner() {
        const QString heim = tmp.path();
        schreibe(heim + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"Dokumente\"\n");
        const QByteArray vorher[] = {qgetenv("HOME"), qgetenv("XDG_DATA_HOME"),
                                     qgetenv("XDG_CONFIG_HOME")};
        qputenv("HOME", heim.toUtf8());
        qputenv("XDG_DATA_HOME", "daten");
        qunsetenv("XDG_CONFIG_HOME");
        const QString datenOrdner = ablageOrdner(QStandardPaths::AppDataLocation);
        const auto dokumenteOrdner = QtDateiablage().dokumentenOrdner();
        qputenv("HOME", vorher[0]);
        qputenv("XDG_DATA_HOME", vorher[1]);
        qputenv("XDG_CONFIG_HOME", vorher[2]);
        QCOMPARE(datenOrdner, heim + "/.local/share/" + QCoreApplication::applicationName());
        QCOMPARE(QString::fromStdString(dokumenteOrdner.value_or("")), heim + "/Documents");
    }
};

} // namespace

QTEST_GUILESS_MAIN(AblageTest)
#include "ablage_test.moc"
