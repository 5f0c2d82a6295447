// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Geraden y = m·x + b: Steigung, Achsenabschnitte, Gerade durch zwei Punkte, Schnittpunkt
// zweier Geraden und Dreiecksfläche.

#include "core/aufgabe.h"

#include <cstdint>
#include <string>

namespace numora {

struct ZweiPunkteGerade {
    std::int64_t m;
    std::int64_t b;
    std::int64_t x1;
    std::int64_t y1;
    std::int64_t x2;
    std::int64_t y2;
};

struct Gerade {
    std::int64_t m;
    std::int64_t b;
};

struct GeradenSchnitt {
    std::int64_t m1;
    std::int64_t b1;
    std::int64_t m2;
    std::int64_t b2;
    std::int64_t sx;
    std::int64_t sy;
};

struct GeradenSchnittText {
    std::string g1;
    std::string g2;
    std::int64_t sx;
    std::int64_t sy;
};

Aufgabe geradenFrage(std::int64_t level);
ZweiPunkteGerade gen2PunkteGerade();
Gerade zufallsGeradeDurchPunkt(std::int64_t sx, std::int64_t sy);
GeradenSchnitt geradenSchnitt();
GeradenSchnittText geradenSchnitt2();
std::string gerade2String(std::int64_t m, std::int64_t b);
std::string minus(std::int64_t n);

} // namespace numora
