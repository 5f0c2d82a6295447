// SPDX-License-Identifier: GPL-3.0-or-later
// numora-karten: druckt die Karten erzeugter Pakete, zum Durchsehen der Fragen und zum
// massenhaften Prüfen der Antworten.

#include "befehlszeile.h"
#include "core/karte.h"
#include "core/themen.h"
#include "core/zufall.h"
#include "generators/binomi.h"
#include "generators/kartenfolge.h"

#include <cstdint>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace {

constexpr std::int64_t hoechsteAnzahl = 1'000'000;

const char* const aufruf = "Aufruf: numora-karten THEMA LEVEL [--anzahl N] [--seed S] [--json]\n"
                           "  THEMA  Nummer des Themas im Angebot, 0 bis 8\n"
                           "  LEVEL  1, 2 oder 3\n"
                           "  --anzahl N  Anzahl der Pakete zu je 8 Karten (Vorgabe 1)\n"
                           "  --seed S    Startwert des Zufalls, für wiederholbare Karten\n"
                           "  --json      eine JSON-Zeile je Karte\n"
                           "  --version   die Version ausgeben\n";

struct Optionen {
    std::int64_t thema = 0;
    std::int64_t level = 1;
    std::int64_t anzahl = 1;
    std::optional<std::uint64_t> seed;
    bool json = false;
};

void druckeText(const numora::Karte& k, std::int64_t angebotIndex, std::int64_t level,
                std::int64_t paket, std::int64_t nummer) {
    std::cout << "=== Paket " << paket << ", Karte " << nummer << " ("
              << numora::angebot[static_cast<std::size_t>(angebotIndex)] << ", Level " << level
              << ") ===\n"
              << "Frage:\n"
              << numora::mitKaestchen(k.frage) << "\nAntwort: " << numora::antwortText(k) << '\n';
    if (!k.hilfe.empty()) {
        std::cout << "Erklärung:\n" << numora::mitKaestchen(k.hilfe) << '\n';
    }
    std::cout << '\n';
}

void druckeJson(const numora::Karte& k, std::int64_t angebotIndex, std::int64_t level,
                std::int64_t nummer) {
    nlohmann::json zeile = {{"thema", angebotIndex}, {"level", level},
                            {"nummer", nummer},      {"frage", numora::mitKaestchen(k.frage)},
                            {"antwort", k.antwort},  {"hilfe", numora::mitKaestchen(k.hilfe)}};
    if (k.auchRichtig) {
        zeile["auchRichtig"] = std::to_string(*k.auchRichtig);
    }
    std::cout << zeile.dump() << '\n';
}

} // namespace

int main(int argc, char** argv) {
    Optionen o;
    werkzeug::Befehlszeile z("numora-karten", aufruf, "--");
    z.schalter("--json", o.json);
    z.zahl("--anzahl", "Die Anzahl", 1, hoechsteAnzahl, o.anzahl);
    z.startwert("--seed", o.seed);
    if (const auto ende = z.lesen({argv + 1, argv + argc})) {
        return *ende;
    }
    if (z.positionen.size() != 2) {
        return z.abbruch(werkzeug::themaUndLevelFehlen);
    }
    const auto t = werkzeug::imBereich(z.positionen[0], 0, numora::hoechsterAngebotIndex);
    if (!t) {
        return z.abbruch("Das Thema muss eine Nummer von 0 bis 8 sein, nicht \"" + z.positionen[0] +
                         "\".");
    }
    const auto l = werkzeug::imBereich(z.positionen[1], 1, 3);
    if (!l) {
        return z.abbruch("Der Level muss 1, 2 oder 3 sein, nicht \"" + z.positionen[1] + "\".");
    }
    o.thema = *t;
    o.level = *l;

    numora::MersenneQuelle quelle =
        o.seed ? numora::MersenneQuelle(*o.seed) : numora::MersenneQuelle();
    numora::ZufallsquelleErsetzen ersetzt(quelle);
    const numora::thema bereich = numora::angebotp[static_cast<std::size_t>(o.thema)];
    numora::paketeZiehen(bereich, o.level, o.anzahl,
                         [&o](std::int64_t p, std::int64_t nummer, const numora::Karte& k) {
                             if (o.json) {
                                 druckeJson(k, o.thema, o.level, nummer);
                             } else {
                                 druckeText(k, o.thema, o.level, p, nummer);
                             }
                         });
    // Ein voller Datenträger oder eine geschlossene Ausgabe ist kein Erfolg.
    if (!std::cout.flush()) {
        return z.abbruch("Die Ausgabe ließ sich nicht schreiben.", 1);
    }
    return 0;
}
