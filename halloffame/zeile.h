// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace numora {

// Ein Ergebnis der Ruhmeshalle. Platzhalter haben den Namen " ", die Zeit 9999 und 0 Richtige.
struct Zeile {
    std::string name;
    std::int64_t zeit = 0;
    std::int64_t bereich = 0; // Index im Themenangebot
    std::int64_t level = 0;
    std::int64_t richtige = 0;

    friend bool operator==(const Zeile&, const Zeile&) = default;
};

using Halle = std::vector<Zeile>;

inline constexpr std::int64_t platzhalterZeit = 9999;
inline constexpr std::size_t platzhalterAnzahl = 10;

// "31" für Thema 3, Level 1: die Dezimaltexte ohne Trenner.
std::string hallenSchluessel(std::int64_t bereich, std::int64_t level);

Zeile platzhalter(std::int64_t bereich, std::int64_t level);
bool istPlatzhalter(const Zeile& z);

} // namespace numora
