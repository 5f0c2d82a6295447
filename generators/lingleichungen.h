// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lineare Gleichungen: a·x + b = c (Stufe 1), a·(x + b) = c·x + d (Stufe 2) und
// Gleichungssysteme mit zwei Unbekannten (Stufe 3).

#include "core/aufgabe.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

struct Koeffizienten {
    std::int64_t a1;
    std::int64_t b1;
    std::int64_t a2;
    std::int64_t b2;
};

// Die Zeilen haben die Determinanten 7, 1, 1, 1, 1.
extern const std::array<Koeffizienten, 5> koeffs;

// Text der negierten Zahl: 5 -> "-5", -5 -> "5", 0 -> "-0".
std::string gz(std::int64_t n);
Aufgabe genLing1();
Aufgabe genLing2();
Aufgabe genLing3();
// Erklärt die Elimination. kennung: "+x", "-x", "+y" oder "-y"; sonst leerer Text.
// Leer auch dann, wenn eine Zwischenzahl nicht in 64 Bit passt.
std::string linGLHilfe(std::string_view kennung, std::int64_t a1, std::int64_t b1, std::int64_t c1,
                       std::int64_t a2, std::int64_t b2, std::int64_t c2, std::int64_t x,
                       std::int64_t y);

} // namespace numora
