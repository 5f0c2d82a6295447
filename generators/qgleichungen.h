// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Quadratische Gleichungen mit zwei verschiedenen ganzzahligen Lösungen.

#include "core/aufgabe.h"

#include <cstdint>
#include <string>

namespace numora {

Aufgabe genQGleichung(std::int64_t grad);

// Kürzeste Dezimaldarstellung, die den Wert genau wiedergibt, mit Dezimalkomma und mindestens
// einer Nachkommastelle: 6,25, 2,5, 3,0, -0,0.
std::string dezimalText(double wert);

} // namespace numora
