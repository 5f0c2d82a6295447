// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Proportionen: Verhältnisgleichung (Stufe 1), Farbe und Fläche (Stufe 2),
// Maschinen, Zeit und Produkte (Stufe 3).

#include "core/aufgabe.h"

#include <cstdint>

namespace numora {

Aufgabe genProp(std::int64_t level);

} // namespace numora
