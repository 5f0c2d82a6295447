// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rechnen mit Restklassen: Division mit Rest (Stufe 1) und Rechnen modulo 5, 7 oder 11.

#include "core/aufgabe.h"

#include <cstdint>
#include <string>

namespace numora {

// Rest mit dem Vorzeichen von a (Quotient zur Null hin abgeschnitten).
std::int64_t rest(std::int64_t a, std::int64_t b);
// Inverses von n modulo m aus festen Tafeln für m = 5, 7, 11; sonst 0.
std::int64_t kehrwert(std::int64_t n, std::int64_t m);
// "\n = q·m + r" für a >= m, sonst leer.
std::string mDarst(std::int64_t a, std::int64_t m);
Aufgabe genRestRechnen(std::int64_t level);

} // namespace numora
