// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Wochentag eines Datums mit dem Kennzahlverfahren (0 = Samstag, 1 = Sonntag, ... 6 = Freitag).

#include "core/aufgabe.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// Kennzahlen der Monate 1 bis 12; Index 0 ist ein nie gelesener Füllwert.
extern const std::array<std::int64_t, 13> monate;
extern const std::array<std::string_view, 7> wTage;

// Für Jahre außerhalb 1800..2199 ist das Ergebnis 0.
std::int64_t wochentag(std::int64_t d, std::int64_t m, std::int64_t y);

std::vector<std::string> gehackterString2Stringfeld(std::string_view s);

struct Datum {
    std::int64_t tag = 0;
    std::int64_t monat = 0;
    std::int64_t jahr = 0;
    bool gueltig = false;
};
Datum stringFeld2Datum(const std::vector<std::string>& s);

struct Zeitvergleich {
    std::int64_t relation = 1; // -1 vor heute, 0 heute, 1 nach heute
    bool gueltig = false;
};
// Vergleicht mit dem heutigen Datum der austauschbaren Uhr.
Zeitvergleich zeitvergleich(std::string_view refDatum);

Aufgabe genWochentagRaten(std::int64_t level);

} // namespace numora
