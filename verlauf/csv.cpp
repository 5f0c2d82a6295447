// SPDX-License-Identifier: GPL-3.0-or-later
#include "verlauf/csv.h"

#include "core/datei.h"
#include "core/themen.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <streambuf>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace numora {

namespace {

// "-5" oder "+3,5" ist eine Zahl mit Vorzeichen; "=5/6" bleibt eine Formel.
bool siehtNachZahlAus(std::string_view text) {
    if (text[0] != '-' && text[0] != '+') {
        return false;
    }
    bool ziffer = false;
    for (const char c : text.substr(1)) {
        if (c >= '0' && c <= '9') {
            ziffer = true;
        } else if (c != ',' && c != '.' && c != '/' && c != ' ') {
            return false;
        }
    }
    return ziffer;
}

// getippt: vom Spieler eingegeben, also möglicherweise eine Formel; Texte des Programms nie.
void feld(std::string& zeile, std::string_view text, bool getippt = false) {
    const bool formel = getippt && !text.empty() &&
                        std::string_view("=+-@\t\r").find(text[0]) != std::string_view::npos &&
                        !siehtNachZahlAus(text);
    const bool quoten = formel || text.find_first_of(";\"\r\n") != std::string_view::npos;
    if (quoten) {
        zeile += '"';
    }
    if (formel) {
        zeile += '\'';
    }
    for (const char c : text) {
        if (c == '"') {
            zeile += '"';
        }
        zeile += c;
    }
    if (quoten) {
        zeile += '"';
    }
    zeile += ';';
}

void zahl(std::string& zeile, std::int64_t wert) {
    zeile += std::to_string(wert);
    zeile += ';';
}

void zweistellig(std::string& zeile, std::int64_t wert) {
    if (wert >= 0 && wert < 10) {
        zeile += '0';
    }
    zeile += std::to_string(wert);
}

void datum(std::string& zeile, const Kalenderzeit& z) {
    zeile += std::to_string(z.tag) + '.' + std::to_string(z.monat) + '.' + std::to_string(z.jahr);
    zeile += ' ';
    zweistellig(zeile, z.stunde);
    zeile += ':';
    zweistellig(zeile, z.minute);
    zeile += ';';
}

void rundenSpalten(std::string& zeile, const RundenEintrag& r) {
    feld(zeile, r.spieler, true);
    feld(zeile, angebotName(r.thema).value_or("?"));
    zahl(zeile, r.level);
    datum(zeile, r.beginn);
}

void zeileBeenden(std::string& zeile) {
    zeile.back() = '\r'; // ersetzt das letzte Semikolon
    zeile += '\n';
}

// Schreibt in einen Dateideskriptor und behält den ersten Fehler für die Meldung.
class DateiPuffer final : public std::streambuf {
  public:
    explicit DateiPuffer(int fd) : fd_(fd), puffer_(1 << 16) {
        setp(puffer_.data(), puffer_.data() + puffer_.size());
    }
    int fehler() const { return fehler_; }

  protected:
    int_type overflow(int_type c) override {
        if (!leeren()) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return leeren() ? 0 : -1; }

  private:
    bool leeren() {
        std::size_t geschrieben = 0;
        if (fehler_ == 0 &&
            !allesSchreiben(fd_, pbase(), static_cast<std::size_t>(pptr() - pbase()),
                            geschrieben)) {
            fehler_ = errno;
        }
        setp(puffer_.data(), puffer_.data() + puffer_.size());
        return fehler_ == 0;
    }

    int fd_;
    std::vector<char> puffer_;
    int fehler_ = 0;
};

} // namespace

std::string schreibGrund(int fehler, const std::filesystem::path& datei, bool anlegen) {
    const std::filesystem::path ordner = datei.has_parent_path() ? datei.parent_path() : ".";
    std::error_code f;
    const bool ordnerDa = std::filesystem::is_directory(ordner, f);
    // Im vorhandenen, beschreibbaren Ordner scheitert so nur ein Name, den der Stick ablehnt.
    // Später (Umbenennen im Ordner mit Sticky-Bit, Schreiben) liegt es nie am Namen.
    if (const auto name = fatFremdesZeichen(datei.filename().string());
        anlegen && name && ordnerDa && ::access(ordner.c_str(), W_OK) == 0 &&
        (fehler == EINVAL || fehler == ENOENT || fehler == EPERM)) {
        return *name;
    }
    switch (fehler) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return "Auf dem Datenträger ist kein Platz mehr.";
    case EACCES:
    case EPERM:
    case EROFS:
        return "Numora darf dort nicht schreiben.";
    case ENOENT:
    case ENOTDIR:
        if (!ordnerDa) {
            return "Den Ordner " + ordner.string() + " gibt es nicht.";
        }
        [[fallthrough]];
    case ENOTCONN:
    case ENODEV:
    case ENXIO:
        return "Der Datenträger ist nicht mehr erreichbar; wurde er abgezogen?";
    case EISDIR:
        return "Unter diesem Namen liegt ein Ordner.";
    case EIO:
        return "Der Datenträger meldet einen Ein-/Ausgabefehler.";
    default:
        return "Das System meldet den Fehler " + std::to_string(fehler) + ".";
    }
}

Ergebnis csvSchreiben(Verlauf& verlauf, std::ostream& aus,
                      const std::optional<std::string>& spieler, CsvArt art) {
    const bool antworten = art == CsvArt::antworten;
    aus << "\xEF\xBB\xBF"
        << (antworten ? "Spieler;Thema;Level;Beginn;Übung;Nummer;Frage;Eingabe;Richtige Antwort;"
                        "Richtig;Sekunden;Hinweis;Erklärung\r\n"
                      : "Spieler;Thema;Level;Beginn;Ende;Sekunden;Richtige;Übung\r\n");
    std::string zeile;
    Ergebnis e = verlauf.rundenDurchgehen(spieler, antworten, [&](const RundenEintrag& r) {
        if (!antworten) {
            zeile.clear();
            rundenSpalten(zeile, r);
            datum(zeile, r.ende);
            zahl(zeile, r.sekunden);
            zahl(zeile, r.richtige);
            feld(zeile, r.uebung ? "ja" : "nein");
            zeileBeenden(zeile);
            aus << zeile;
            return;
        }
        for (const AntwortEintrag& a : r.antworten) {
            zeile.clear();
            rundenSpalten(zeile, r);
            feld(zeile, r.uebung ? "ja" : "nein");
            zahl(zeile, a.nummer);
            feld(zeile, a.frage);
            feld(zeile, a.eingabe, true);
            feld(zeile, a.richtigeAntwort);
            feld(zeile, a.richtig ? "ja" : "nein");
            zahl(zeile, a.sekunden);
            feld(zeile, a.hinweisArt);
            feld(zeile, a.hilfe);
            zeileBeenden(zeile);
            aus << zeile;
        }
    });
    aus.flush();
    if (e.ok && !aus) {
        return {false, "Die CSV-Ausgabe ließ sich nicht vollständig schreiben."};
    }
    return e;
}

Ergebnis csvDateiSchreiben(Verlauf& verlauf, const std::filesystem::path& datei,
                           const std::optional<std::string>& spieler, CsvArt art) {
    static std::atomic<unsigned> zaehler{0};
    const std::string scheitern = "Die Datei " + datei.string() + " ist nicht geschrieben: ";
    // Der Export überschriebe sonst, was er gerade liest.
    if (const std::filesystem::path db = verlauf.datei(); !db.empty()) {
        for (const char* endung : {"", "-wal", "-shm", "-journal"}) {
            std::error_code f;
            if (std::filesystem::equivalent(datei, db.string() + endung, f)) {
                return {false, scheitern + "Dort liegt der Verlauf selbst."};
            }
        }
    }
    // Ein Verweis bleibt Verweis, und eine ersetzte Datei behält ihre Rechte: Wer den Export
    // nur für sich lesbar gemacht hat, findet ihn nicht für alle lesbar wieder.
    std::filesystem::path ziel = datei;
    if (std::error_code f; std::filesystem::is_symlink(datei, f)) {
        if (std::filesystem::path echt = std::filesystem::weakly_canonical(datei, f); !f) {
            ziel = std::move(echt);
        }
    }
    struct stat alt {};
    const bool ersetzt = ::stat(ziel.c_str(), &alt) == 0;
    // Ein Gerät oder eine Pipe unter dem Namen (etwa /dev/null) wird nie durch eine Datei ersetzt.
    if (ersetzt && !S_ISREG(alt.st_mode)) {
        return {false, scheitern + (S_ISDIR(alt.st_mode)
                                        ? "Unter diesem Namen liegt ein Ordner."
                                        : "Unter diesem Namen liegt keine gewöhnliche Datei.")};
    }
    std::string temp;
    int fd = -1;
    for (int versuch = 0; fd < 0 && versuch < 100; ++versuch) {
        temp =
            ziel.string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            // Angelegt wird im Ordner des Ziels, bei einem Verweis also nicht in dem von datei.
            return {false, scheitern + schreibGrund(errno, ziel, true)};
        }
    }
    if (fd < 0) {
        return {false, scheitern + schreibGrund(EEXIST, ziel)};
    }
    if (ersetzt) {
        ::fchmod(fd, alt.st_mode & 07777);
    }
    DateiPuffer puffer(fd);
    std::ostream aus(&puffer);
    Ergebnis e = csvSchreiben(verlauf, aus, spieler, art);
    int fehler = puffer.fehler();
    if (fehler == 0 && ::fsync(fd) != 0) {
        fehler = errno;
    }
    if (::close(fd) != 0 && fehler == 0) {
        fehler = errno;
    }
    if (e.ok && fehler == 0 && ::rename(temp.c_str(), ziel.c_str()) != 0) {
        fehler = errno;
    }
    if (!e.ok || fehler != 0) {
        ::unlink(temp.c_str()); // nur die eigene halbe Datei
        // Ein Schreibfehler lässt auch csvSchreiben scheitern; sein Grund ist der genauere.
        return {false, scheitern + (fehler != 0 ? schreibGrund(fehler, ziel) : e.meldung)};
    }
    // Damit auch der neue Name einen Stromausfall übersteht; scheitert das, ist der Export nicht
    // sicher, und ein zweiter Aufruf schadet nicht.
    if (const int ordnerFehler = ordnerSichern(ziel); ordnerFehler != 0) {
        return {false, "Die Datei " + datei.string() +
                           " ist ersetzt, aber nicht sicher auf dem Datenträger: " +
                           schreibGrund(ordnerFehler, ziel)};
    }
    return e;
}

} // namespace numora
