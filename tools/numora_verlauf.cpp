// SPDX-License-Identifier: GPL-3.0-or-later
// numora-verlauf: schreibt den Verlauf der gespielten Runden als CSV, etwa damit eine
// Lehrerin die Dateien mehrerer Rechner zusammentragen kann. Die Datenbank bleibt dabei
// unberührt; nur --entfernen löscht, etwa die Runden einer Schülerin, die die Klasse verlässt.

#include "befehlszeile.h"
#include "core/spielername.h"
#include "verlauf/csv.h"
#include "verlauf/verlaufsdatenbank.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int scheiterCode = 1;

const char* const aufruf =
    "Aufruf: numora-verlauf --csv DATEI [--spieler NAME] [--datenbank PFAD] [--antworten]\n"
    "        numora-verlauf --entfernen NAME [--datenbank PFAD]\n"
    "  --csv DATEI       Ziel der CSV-Datei (UTF-8, Semikolon); - schreibt auf die Ausgabe\n"
    "  --spieler NAME    nur die Runden dieses Spielers\n"
    "  --datenbank PFAD  Verlaufsdatei; Vorgabe ist die des Spiels:\n"
    "                    $XDG_DATA_HOME/Numora/verlauf.sqlite\n"
    "                    (ohne XDG_DATA_HOME ~/.local/share/Numora/verlauf.sqlite)\n"
    "  --antworten       eine Zeile je Antwort statt einer je Runde\n"
    "  --entfernen NAME  alle Runden dieses Spielers aus dem Verlauf löschen\n"
    "  --version         die Version ausgeben\n";

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
    std::string csv, name, datenbank, entfernen;
    bool antworten = false;
    werkzeug::Befehlszeile z("numora-verlauf", aufruf, std::nullopt);
    z.schalter("--antworten", antworten);
    z.text("--csv", "der Wert", csv, true);
    z.text("--spieler", "der Wert", name, true);
    z.text("--datenbank", "der Wert", datenbank, true);
    z.text("--entfernen", "der Wert", entfernen, true);
    if (const auto ende = z.lesen({argv + 1, argv + argc})) {
        return *ende;
    }
    if (!entfernen.empty() && (!csv.empty() || !name.empty() || antworten)) {
        return z.abbruch("--entfernen lässt sich nicht mit --csv, --spieler oder --antworten "
                         "verbinden.");
    }
    if (csv.empty() && entfernen.empty()) {
        return z.abbruch("Es fehlt --csv DATEI (--hilfe zeigt den Aufruf).");
    }
    std::optional<std::string> spieler;
    for (const std::string& roh : {name, entfernen}) {
        if (!roh.empty()) {
            spieler = numora::normName(roh);
            if (spieler->empty()) {
                return z.abbruch("Der Name \"" + roh + "\" enthält keinen Buchstaben.");
            }
        }
    }
    std::filesystem::path pfad;
    if (!datenbank.empty()) {
        pfad = datenbank;
    } else if (const auto vorgabe = vorgabeDatenbank()) {
        pfad = *vorgabe;
    } else {
        return z.abbruch("Ohne HOME und XDG_DATA_HOME ist die Verlaufsdatei unbekannt; "
                         "bitte --datenbank angeben.");
    }

    // Immer erst lesend: Schreibend geöffnet legte der Verlauf eine beschädigte oder fremde
    // Datei wortlos beiseite oder baute eine fremde SQLite-Datei zum Verlauf um.
    auto verlauf = std::make_unique<numora::Verlaufsdatenbank>(
        pfad, numora::Verlaufsdatenbank::Modus::nurLesen);
    const std::vector<std::string> namen = verlauf->spielerNamen();
    if (!verlauf->letztesErgebnis().ok) {
        return z.abbruch(verlauf->letztesErgebnis().meldung, scheiterCode);
    }
    if (spieler && std::find(namen.begin(), namen.end(), *spieler) == namen.end()) {
        return z.abbruch("Im Verlauf " + pfad.string() + " gibt es keine Runde von " + *spieler +
                             ".",
                         scheiterCode);
    }
    if (!entfernen.empty()) {
        verlauf.reset();
        numora::Verlaufsdatenbank schreibend(pfad, numora::Verlaufsdatenbank::Modus::schreiben);
        std::int64_t anzahl = 0;
        const numora::Ergebnis e = schreibend.spielerEntfernen(*spieler, anzahl);
        if (!e.ok) {
            return z.abbruch(e.meldung, scheiterCode);
        }
        if (!e.meldung.empty()) {
            std::cerr << "numora-verlauf: " << e.meldung << "\n"; // etwa eine beiseitegelegte Datei
        }
        std::cout << "Entfernt: " << anzahl << (anzahl == 1 ? " Runde von " : " Runden von ")
                  << *spieler << ".\n";
        return std::cout.flush() ? 0 : z.abbruch("Die Ausgabe ließ sich nicht schreiben.", 1);
    }
    const numora::CsvArt art = antworten ? numora::CsvArt::antworten : numora::CsvArt::runden;
    const numora::Ergebnis e = csv == "-" ? numora::csvSchreiben(*verlauf, std::cout, spieler, art)
                                          : numora::csvDateiSchreiben(*verlauf, csv, spieler, art);
    return e.ok ? 0 : z.abbruch(e.meldung, scheiterCode);
}
