// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/themen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace numora {

// Eine Fragekarte. Das Programm baut nur Karten mit getippter Antwort: items bleibt leer,
// multipel falsch.
struct Karte {
    thema bereich = thema::grundR;
    std::string frage;
    std::vector<std::string> items;
    std::string antwort;
    std::string hilfe;
    bool multipel = false;
    // Was ein Hinweis zu einer falschen Antwort braucht, ohne den Fragetext zu zerlegen:
    // der Wert, nach dem gerade nicht gefragt ist (die andere Lösung einer quadratischen
    // Gleichung, die andere Unbekannte eines Gleichungssystems) ...
    std::optional<std::int64_t> andererWert = std::nullopt;
    // ... und der Modul, wenn die Antwort ein Rest von 0 bis modul - 1 ist (sonst 0).
    std::int64_t modul = 0;
    // Ein zweiter Wert, der die Frage ebenso richtig beantwortet: Das mittlere Glied eines
    // vollständigen Quadrats darf beide Vorzeichen haben.
    std::optional<std::int64_t> auchRichtig = std::nullopt;
    // Gefragt ist der größte gemeinsame Teiler (Kürzen): Ein kleinerer kürzt nur halb.
    bool teilerGesucht = false;

    friend bool operator==(const Karte&, const Karte&) = default;
};

// Die Antwort, wie Lösungsblatt und Kartenliste sie nennen, samt dem zweiten richtigen Wert.
inline std::string antwortText(const Karte& k) {
    return k.auchRichtig ? k.antwort + " oder " + std::to_string(*k.auchRichtig) : k.antwort;
}

} // namespace numora
