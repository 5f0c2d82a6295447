// SPDX-License-Identifier: GPL-3.0-or-later
// numora-verlauf: schreibt den Verlauf der gespielten Runden als CSV, etwa damit eine
// Lehrerin die Dateien mehrerer Rechner zusammentragen kann. Die Datenbank bleibt unberührt.

#include "core/spielername.h"
#include "verlauf/csv.h"
#include "verlauf/verlaufsdatenbank.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int fehlerCode = 2;
constexpr int scheiterCode = 1;

const char* const aufruf =
    "Aufruf: numora-verlauf --csv DATEI [--spieler NAME] [--datenbank PFAD] [--antworten]\n"
    "  --csv DATEI       Ziel der CSV-Datei (UTF-8, Semikolon); - schreibt auf die Ausgabe\n"
    "  --spieler NAME    nur die Runden dieses Spielers\n"
    "  --datenbank PFAD  Verlaufsdatei; Vorgabe ist die des Spiels:\n"
    "                    $XDG_DATA_HOME/Numora/verlauf.sqlite\n"
    "                    (ohne XDG_DATA_HOME ~/.local/share/Numora/verlauf.sqlite)\n"
    "  --antworten       eine Zeile je Antwort statt einer je Runde\n"
    "  --version         die Version ausgeben\n";

int abbruch(const std::string& meldung, int code = fehlerCode) {
    std::cerr << "numora-verlauf: " << meldung << '\n';
    return code;
}

// Derselbe Ort wie QStandardPaths::AppDataLocation des Spiels (Programm Numora, ohne
// Organisationsnamen).
std::optional<std::filesystem::path> vorgabeDatenbank() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    std::filesystem::path daten;
    if (xdg != nullptr && std::filesystem::path(xdg).is_absolute()) {
        daten = xdg;
    } else {
        const char* heim = std::getenv("HOME");
        if (heim == nullptr || *heim == '\0') {
            return std::nullopt;
        }
        daten = std::filesystem::path(heim) / ".local" / "share";
    }
    return daten / "Numora" / "verlauf.sqlite";
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> argumente(argv + 1, argv + argc);
    std::optional<std::string> csv, spieler, datenbank;
    bool antworten = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string_view a = argumente[i];
        if (a == "--hilfe" || a == "--help" || a == "-h") {
            std::cout << aufruf;
            return 0;
        }
        if (a == "--version") {
            std::cout << "numora-verlauf " NUMORA_VERSION "\n";
            return 0;
        }
        if (a == "--antworten") {
            antworten = true;
        } else if (a == "--csv" || a == "--spieler" || a == "--datenbank") {
            std::optional<std::string>& ziel =
                a == "--csv" ? csv : (a == "--spieler" ? spieler : datenbank);
            if (ziel) {
                return abbruch(std::string(a) + " ist doppelt angegeben.");
            }
            if (i + 1 >= argumente.size() || argumente[i + 1].empty()) {
                return abbruch("Nach " + std::string(a) + " fehlt der Wert.");
            }
            ziel = std::string(argumente[++i]);
        } else {
            return abbruch("Unbekanntes Argument \"" + std::string(a) +
                           "\" (--hilfe zeigt den Aufruf).");
        }
    }
    if (!csv) {
        return abbruch("Es fehlt --csv DATEI (--hilfe zeigt den Aufruf).");
    }
    if (spieler) {
        const std::string name = numora::normName(*spieler);
        if (name.empty()) {
            return abbruch("Der Name \"" + *spieler + "\" enthält keinen Buchstaben.");
        }
        spieler = name;
    }
    std::filesystem::path pfad;
    if (datenbank) {
        pfad = *datenbank;
    } else if (const auto vorgabe = vorgabeDatenbank()) {
        pfad = *vorgabe;
    } else {
        return abbruch("Ohne HOME und XDG_DATA_HOME ist die Verlaufsdatei unbekannt; "
                       "bitte --datenbank angeben.");
    }

    numora::Verlaufsdatenbank verlauf(pfad, numora::Verlaufsdatenbank::Modus::nurLesen);
    const std::vector<std::string> namen = verlauf.spielerNamen();
    if (!verlauf.letztesErgebnis().ok) {
        return abbruch(verlauf.letztesErgebnis().meldung, scheiterCode);
    }
    if (spieler && std::find(namen.begin(), namen.end(), *spieler) == namen.end()) {
        return abbruch("Im Verlauf " + pfad.string() + " gibt es keine Runde von " + *spieler + ".",
                       scheiterCode);
    }
    const numora::CsvArt art = antworten ? numora::CsvArt::antworten : numora::CsvArt::runden;
    const numora::Ergebnis e = *csv == "-" ? numora::csvSchreiben(verlauf, std::cout, spieler, art)
                                           : numora::csvDateiSchreiben(verlauf, *csv, spieler, art);
    return e.ok ? 0 : abbruch(e.meldung, scheiterCode);
}
