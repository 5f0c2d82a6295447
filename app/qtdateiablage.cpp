// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtdateiablage.h"

#include "anzeige.h"
#include "core/datei.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using Ergebnis = numora::Dateiablage::Ergebnis;

// Die Beschreibung des Systems; die häufigen auf Deutsch, auch wo dem System seine deutschen
// Texte fehlen (sonst stünde "Permission denied" mitten in der deutschen Meldung).
std::string systemFehler(int nummer) {
    switch (nummer) {
    case EACCES:
    case EPERM:
        return "Keine Berechtigung";
    case EROFS:
        return "Das Dateisystem ist nur lesbar";
    case ENOSPC:
        return "Auf dem Gerät ist kein Speicherplatz mehr verfügbar";
    case EDQUOT:
        return "Der zugewiesene Plattenplatz ist erschöpft";
    case EFBIG:
        return "Die Datei ist zu groß";
    case ENOENT:
        return "Datei oder Verzeichnis nicht gefunden";
    case ENOTDIR:
        return "Ist kein Verzeichnis";
    case EISDIR:
        return "Ist ein Verzeichnis";
    case EIO:
        return "Eingabe-/Ausgabefehler";
    default:
        return QString::fromLocal8Bit(std::strerror(nummer)).toStdString();
    }
}

std::string dateiName(const std::string& pfad) {
    return QFileInfo(QString::fromStdString(pfad)).fileName().toStdString();
}

// Schließt den Deskriptor am Ende des Blocks.
class Deskriptor {
  public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }
    // Gibt das Ergebnis von close zurück: Erst dann steht fest, dass alles geschrieben ist.
    bool schliessen() { return ::close(std::exchange(fd_, -1)) == 0; }

  private:
    int fd_;
};

// Öffnet nur eine gewöhnliche Datei, auch hinter Links, zum Lesen; sonst -1 und errno, EINVAL
// für alles andere als eine gewöhnliche Datei. Geprüft wird vor dem Öffnen, damit kein Gerät
// und kein FIFO geöffnet wird, und danach, falls jemand die Datei dazwischen getauscht hat;
// O_NONBLOCK lässt auch dann das Öffnen eines FIFO nicht warten.
int oeffneGewoehnlich(const std::string& pfad, struct stat& info) {
    if (::stat(pfad.c_str(), &info) != 0) {
        return -1;
    }
    const int fd =
        S_ISREG(info.st_mode) ? ::open(pfad.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC) : -1;
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        return fd;
    }
    const int nummer = fd < 0 && S_ISREG(info.st_mode) ? errno : EINVAL;
    if (fd >= 0) {
        ::close(fd);
    }
    errno = nummer;
    return -1;
}

// Das Ziel eines Links (über alle Stufen), sonst pfad selbst; leer, wenn der Link ins Leere geht.
std::string ziel(const std::string& pfad) {
    struct stat info {};
    if (::lstat(pfad.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return pfad;
    }
    char aufgeloest[PATH_MAX];
    return ::realpath(pfad.c_str(), aufgeloest) != nullptr ? std::string(aufgeloest)
                                                           : std::string();
}

// Manche Dateisysteme kennen keine Rechte je Datei (FAT oder exFAT über FUSE): Dort scheitert
// fchmod, und jede Datei zeigt dieselben Rechte. Das genügt, solange die neue Datei niemandem
// mehr erlaubt als die alte.
bool rechteUebernehmen(int fd, mode_t rechte) {
    if (rechte == 0 || ::fchmod(fd, rechte) == 0) {
        return true;
    }
    const int nummer = errno;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && (info.st_mode & 07777 & ~rechte) == 0) {
        return true;
    }
    errno = nummer;
    return false;
}

// Legt pfad neu an (nie über eine vorhandene Datei), lässt fuellen(fd, fehler) hineinschreiben
// und wartet mit fsync, bis alles auf dem Datenträger steht. Misslingt etwas, verschwindet die
// Datei wieder. rechte 0 lässt die Vorgabe des Benutzers (umask).
template <typename F> Ergebnis neueDatei(const std::string& pfad, mode_t rechte, F&& fuellen) {
    Deskriptor d(::open(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (d.fd() < 0) {
        return {false, systemFehler(errno)};
    }
    std::string fehler;
    if (rechteUebernehmen(d.fd(), rechte) && fuellen(d.fd(), fehler) && ::fsync(d.fd()) == 0 &&
        d.schliessen()) {
        return {true, {}};
    }
    if (fehler.empty()) {
        fehler = systemFehler(errno);
    }
    ::unlink(pfad.c_str());
    return {false, fehler};
}

// Ein Programm, das mitten im Schreiben starb, hinterließ seine neue Datei "ziel.neu-PID".
// Entfernt wird nur, was keinem lebenden Prozess gehört, und der eigene Rest.
void entwuerfeToterProzesseEntfernen(const std::string& ziel) {
    const QFileInfo info(QString::fromStdString(ziel));
    const QString anfang = info.fileName() + QStringLiteral(".neu-");
    for (const QString& name : QDir(info.absolutePath()).entryList({anfang + '*'}, QDir::Files)) {
        bool zahl = false;
        const auto pid = static_cast<pid_t>(name.mid(anfang.size()).toLongLong(&zahl));
        if (zahl && pid > 0 && (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH))) {
            ::unlink(QDir(info.absolutePath()).filePath(name).toStdString().c_str());
        }
    }
}

} // namespace

QtDateiablage::QtDateiablage(QString ordner) : ordner_(std::move(ordner)) {}

std::optional<std::string> QtDateiablage::dokumentenOrdner() {
    const QString ordner =
        ordner_.isEmpty() ? ablageOrdner(QStandardPaths::DocumentsLocation) : ordner_;
    if (ordner.isEmpty() || !QDir().mkpath(ordner) || !QFileInfo(ordner).isDir()) {
        return std::nullopt;
    }
    return ordner.toStdString();
}

numora::Dateiablage::Lesung QtDateiablage::lesen(const std::string& pfad, std::int64_t grenze) {
    if (!existiert(pfad)) {
        return {Lesestatus::fehlt, {}};
    }
    struct stat info {};
    Deskriptor d(oeffneGewoehnlich(pfad, info));
    if (d.fd() < 0) {
        // ENOENT oder ELOOP nach gelungenem lstat: ein Link ins Leere oder im Kreis
        const bool keineDatei = errno == EINVAL || errno == ENOENT || errno == ELOOP;
        return {keineDatei ? Lesestatus::keineDatei : Lesestatus::unlesbar, {}};
    }
    if (info.st_size > grenze) {
        return {Lesestatus::unlesbar, {}};
    }
    // Ein Byte mehr als erwartet zeigt eine Datei, die beim Lesen wächst.
    std::string inhalt(static_cast<std::size_t>(info.st_size) + 1, '\0');
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        const ssize_t n = ::read(d.fd(), inhalt.data() + gelesen, inhalt.size() - gelesen);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return {Lesestatus::unlesbar, {}};
        }
        if (n == 0) {
            break;
        }
        gelesen += static_cast<std::size_t>(n);
    }
    if (gelesen == inhalt.size()) {
        return {Lesestatus::unlesbar, {}};
    }
    inhalt.resize(gelesen);
    return {Lesestatus::gelesen, std::move(inhalt)};
}

bool QtDateiablage::existiert(const std::string& pfad) {
    struct stat info {};
    return ::lstat(pfad.c_str(), &info) == 0;
}

numora::Dateiablage::Ergebnis QtDateiablage::sichern(const std::string& pfad,
                                                     const std::string& sicherung) {
    const std::string quelle = ziel(pfad);
    const std::string misslungen =
        "Die bisherige Datei ließ sich nicht als " + dateiName(sicherung) + " sichern (";
    struct stat info {};
    if (quelle.empty() || ::stat(quelle.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return {false, dateiName(pfad) + " ist keine gewöhnliche Datei."};
    }
    if (::link(quelle.c_str(), sicherung.c_str()) == 0) {
        numora::ordnerSichern(sicherung);
        return {true, {}};
    }
    if (errno == EEXIST) {
        return {false, misslungen + systemFehler(errno) + ")."};
    }
    // Ohne harte Links (etwa FAT, oder das Ziel eines Links auf einem anderen Dateisystem):
    // eine Kopie, stückweise, denn die Datei kann beliebig groß sein.
    Deskriptor alt(oeffneGewoehnlich(quelle, info));
    if (alt.fd() < 0) {
        return {false, misslungen + systemFehler(errno) + ")."};
    }
    const Ergebnis kopie =
        neueDatei(sicherung, info.st_mode & 07777, [&alt](int fd, std::string& /*fehler*/) {
            std::vector<char> puffer(std::size_t{1} << 16);
            std::size_t geschrieben = 0;
            for (;;) {
                const ssize_t n = ::read(alt.fd(), puffer.data(), puffer.size());
                if (n < 0 && errno == EINTR) {
                    continue;
                }
                if (n <= 0) {
                    return n == 0;
                }
                if (!numora::allesSchreiben(fd, puffer.data(), static_cast<std::size_t>(n),
                                            geschrieben)) {
                    return false;
                }
            }
        });
    if (!kopie.ok) {
        return {false, misslungen + kopie.fehler + ")."};
    }
    numora::ordnerSichern(sicherung);
    return kopie;
}

numora::Dateiablage::Ergebnis QtDateiablage::schreiben(const std::string& pfad,
                                                       const std::string& inhalt) {
    // Ein Link bleibt ein Link: Ersetzt wird sein Ziel, mit der neuen Datei in dessen Ordner.
    const std::string z = ziel(pfad);
    struct stat info {};
    const bool vorhanden = !z.empty() && ::stat(z.c_str(), &info) == 0;
    if (z.empty() || (vorhanden && !S_ISREG(info.st_mode))) {
        return {false, dateiName(pfad) + " ist keine gewöhnliche Datei."};
    }
    entwuerfeToterProzesseEntfernen(z);
    const std::string neu = z + ".neu-" + std::to_string(::getpid());
    const Ergebnis e = neueDatei(
        neu, vorhanden ? info.st_mode & 07777 : 0, [&inhalt](int fd, std::string& fehler) {
            std::size_t geschrieben = 0;
            if (numora::allesSchreiben(fd, inhalt.data(), inhalt.size(), geschrieben)) {
                return true;
            }
            fehler = "Es wurden nur " + std::to_string(geschrieben) + " von " +
                     std::to_string(inhalt.size()) + " Bytes geschrieben (" + systemFehler(errno) +
                     ").";
            return false;
        });
    if (!e.ok) {
        return e;
    }
    if (::rename(neu.c_str(), z.c_str()) != 0) {
        const int nummer = errno;
        ::unlink(neu.c_str());
        return {false, systemFehler(nummer)};
    }
    // Die neue Datei steht schon an ihrem Platz: kein Scheitern, aber auch kein stiller Erfolg.
    if (const int nummer = numora::ordnerSichern(z); nummer != 0) {
        return {true, "Der Datenträger meldete danach beim Sichern des Ordners einen Fehler (" +
                          systemFehler(nummer) +
                          "). Nach einem Stromausfall könnte die vorige Fassung zurückkehren."};
    }
    return {true, {}};
}

numora::Dateiablage::Ergebnis QtDateiablage::entfernen(const std::string& pfad) {
    if (::unlink(pfad.c_str()) != 0) {
        return {false, systemFehler(errno)};
    }
    return {true, {}};
}

std::string QtDateiablage::dateiUrl(const std::string& pfad) {
    return QUrl::fromLocalFile(QString::fromStdString(pfad)).toString().toStdString();
}
