// numora-karten: druckt die Karten erzeugter Pakete, zum Durchsehen der Fragen und zum
// massenhaften Prüfen der Antworten.

#include "core/themen.h"
#include "core/zahltext.h"
#include "core/zufall.h"
#include "generators/paket.h"

#include <cstdint>
#include <iostream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int fehlerCode = 2;
constexpr std::int64_t hoechsteAnzahl = 1'000'000;

const char* const aufruf = "Aufruf: numora-karten THEMA LEVEL [--anzahl N] [--seed S] [--json]\n"
                           "  THEMA  Nummer des Themas im Angebot, 0 bis 8\n"
                           "  LEVEL  1, 2 oder 3\n"
                           "  --anzahl N  Anzahl der Pakete zu je 8 Karten (Vorgabe 1)\n"
                           "  --seed S    Startwert des Zufalls, für wiederholbare Karten\n"
                           "  --json      eine JSON-Zeile je Karte\n";

template <typename T> std::optional<T> zahl(std::string_view text) {
    T wert{};
    if (!numora::leseGanzzahl(text, wert)) {
        return std::nullopt;
    }
    return wert;
}

int abbruch(const std::string& meldung) {
    std::cerr << "numora-karten: " << meldung << '\n';
    return fehlerCode;
}

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
              << k.frage << "\nAntwort: " << k.antwort << '\n';
    if (!k.hilfe.empty()) {
        std::cout << "Erklärung:\n" << k.hilfe << '\n';
    }
    std::cout << '\n';
}

void druckeJson(const numora::Karte& k, std::int64_t angebotIndex, std::int64_t level,
                std::int64_t nummer) {
    const nlohmann::json zeile = {{"thema", angebotIndex}, {"level", level},
                                  {"nummer", nummer},      {"frage", k.frage},
                                  {"antwort", k.antwort},  {"hilfe", k.hilfe}};
    std::cout << zeile.dump() << '\n';
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string_view> argumente(argv + 1, argv + argc);
    Optionen o;
    std::vector<std::string_view> positionen;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string_view a = argumente[i];
        if (a == "--hilfe" || a == "--help" || a == "-h") {
            std::cout << aufruf;
            return 0;
        }
        if (a == "--json") {
            o.json = true;
        } else if (a == "--anzahl" || a == "--seed") {
            if (i + 1 >= argumente.size()) {
                return abbruch("Nach " + std::string(a) + " fehlt eine Zahl.");
            }
            const std::string_view wert = argumente[++i];
            if (a == "--anzahl") {
                const auto n = zahl<std::int64_t>(wert);
                if (!n || *n < 1 || *n > hoechsteAnzahl) {
                    return abbruch("Die Anzahl muss eine ganze Zahl von 1 bis " +
                                   std::to_string(hoechsteAnzahl) + " sein, nicht \"" +
                                   std::string(wert) + "\".");
                }
                o.anzahl = *n;
            } else {
                o.seed = zahl<std::uint64_t>(wert);
                if (!o.seed) {
                    return abbruch("Der Startwert muss eine nicht negative ganze Zahl sein, "
                                   "nicht \"" +
                                   std::string(wert) + "\".");
                }
            }
        } else if (a.starts_with("--")) {
            return abbruch("Unbekannte Option \"" + std::string(a) + "\".");
        } else {
            positionen.push_back(a);
        }
    }
    if (positionen.size() != 2) {
        return abbruch("Erwartet werden genau zwei Zahlen, THEMA und LEVEL (--hilfe zeigt den "
                       "Aufruf).");
    }
    const auto t = zahl<std::int64_t>(positionen[0]);
    if (!t || *t < 0 || *t > numora::hoechsterAngebotIndex) {
        return abbruch("Das Thema muss eine Nummer von 0 bis 8 sein, nicht \"" +
                       std::string(positionen[0]) + "\".");
    }
    const auto l = zahl<std::int64_t>(positionen[1]);
    if (!l || *l < 1 || *l > 3) {
        return abbruch("Der Level muss 1, 2 oder 3 sein, nicht \"" + std::string(positionen[1]) +
                       "\".");
    }
    o.thema = *t;
    o.level = *l;

    numora::MersenneQuelle quelle =
        o.seed ? numora::MersenneQuelle(*o.seed) : numora::MersenneQuelle();
    numora::ZufallsquelleErsetzen ersetzt(quelle);
    const numora::thema bereich = numora::angebotp[static_cast<std::size_t>(o.thema)];
    for (std::int64_t p = 1; p <= o.anzahl; ++p) {
        const std::vector<numora::Karte> paket = numora::genPaket(bereich, o.level);
        for (std::size_t i = 0; i < paket.size(); ++i) {
            const auto nummer = static_cast<std::int64_t>(i) + 1;
            if (o.json) {
                druckeJson(paket[i], o.thema, o.level, nummer);
            } else {
                druckeText(paket[i], o.thema, o.level, p, nummer);
            }
        }
    }
    return 0;
}
