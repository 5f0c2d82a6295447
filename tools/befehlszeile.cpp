// SPDX-License-Identifier: GPL-3.0-or-later
#include "befehlszeile.h"

#include "core/zahltext.h"

#include <algorithm>
#include <iostream>
#include <limits>
#include <utility>

namespace werkzeug {

namespace {

std::string inAnfuehrung(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

} // namespace

std::optional<std::int64_t> imBereich(std::string_view text, std::int64_t von, std::int64_t bis) {
    std::int64_t n = 0;
    if (!numora::leseGanzzahl(text, n) || n < von || n > bis) {
        return std::nullopt;
    }
    return n;
}

void Befehlszeile::schalter(std::string name, bool& ziel) {
    optionen_.push_back({std::move(name), "", false, false, [&ziel](const std::string&) {
                             ziel = true;
                             return std::string();
                         }});
}

void Befehlszeile::text(std::string name, std::string fehlt, std::string& ziel, bool streng) {
    optionen_.push_back(
        {std::move(name), std::move(fehlt), streng, false, [&ziel](const std::string& wert) {
             ziel = wert;
             return std::string();
         }});
}

void Befehlszeile::zahl(std::string name, std::string was, std::int64_t von, std::int64_t bis,
                        std::int64_t& ziel) {
    optionen_.push_back({std::move(name), "eine Zahl", false, false,
                         [&ziel, was, von, bis](const std::string& wert) {
                             const auto n = imBereich(wert, von, bis);
                             ziel = n.value_or(ziel);
                             return n ? std::string()
                                      : numora::bereichsMeldung(was, von, bis, wert);
                         }});
}

void Befehlszeile::startwert(std::string name, std::optional<std::uint64_t>& ziel) {
    optionen_.push_back(
        {std::move(name), "eine Zahl", false, false, [&ziel](const std::string& wert) {
             std::uint64_t s = 0;
             if (!numora::leseGanzzahl(wert, s)) {
                 // Wie im Dialog des Spiels, auch für eine zu große Zahl.
                 return "Der Startwert muss eine ganze Zahl von 0 bis " +
                        std::to_string(std::numeric_limits<std::uint64_t>::max()) +
                        " sein, nicht " + inAnfuehrung(wert) + ".";
             }
             ziel = s;
             return std::string();
         }});
}

std::optional<int> Befehlszeile::lesen(const std::vector<std::string>& argumente) {
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--hilfe" || a == "--help" || a == "-h" || a == "--version") {
            if (a == "--version") {
                std::cout << programm_ << " " NUMORA_VERSION "\n";
            } else {
                std::cout << aufruf_;
            }
            // Wie bei jeder anderen Ausgabe: ein Skript soll eine volle Platte merken.
            return std::cout.flush() ? 0 : abbruch("Die Ausgabe ließ sich nicht schreiben.", 1);
        }
        const auto o = std::find_if(optionen_.begin(), optionen_.end(),
                                    [&a](const Option& k) { return k.name == a; });
        if (o == optionen_.end()) {
            std::int64_t zahl = 0;
            // Dieselben Worte in allen Werkzeugen: was wie eine Option aussieht, heißt so.
            const bool option = a.size() > 1 && a.starts_with(optionsAnfang_.value_or("-")) &&
                                !numora::leseGanzzahl(a, zahl);
            if (!optionsAnfang_ || option) {
                return abbruch((option ? "Unbekannte Option " : "Unbekanntes Argument ") +
                               inAnfuehrung(a) + " (--hilfe zeigt den Aufruf).");
            }
            positionen.push_back(a);
            continue;
        }
        // Zweimal derselbe Wert wäre stillschweigend der letzte; das verdeckt Tippfehler.
        if (!o->fehlt.empty() && std::exchange(o->gesehen, true)) {
            return abbruch(a + " ist doppelt angegeben.");
        }
        std::string wert;
        if (!o->fehlt.empty()) {
            if (i + 1 >= argumente.size() || (o->streng && argumente[i + 1].empty())) {
                return abbruch("Nach " + a + " fehlt " + o->fehlt + ".");
            }
            wert = argumente[++i];
        }
        if (const std::string meldung = o->setzen(wert); !meldung.empty()) {
            return abbruch(meldung);
        }
    }
    return std::nullopt;
}

int Befehlszeile::abbruch(std::string_view meldung, int code) const {
    std::cerr << programm_ << ": " << meldung << '\n';
    return code;
}

} // namespace werkzeug
