// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/aufgabe.h"

#include <cstdint>

namespace numora {

// Kopfrechnen: Stufe 1 Summe oder Produkt, Stufe 2 alle vier Grundrechenarten,
// Stufe 3 Punkt vor Strich mit Klammer (nur hier mit Erklärung).
Aufgabe grundRechenarten(std::int64_t level);

} // namespace numora
