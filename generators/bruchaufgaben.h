// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bruchrechnung: Kürzen (Stufe 1), eine Rechenart mit zwei Brüchen (Stufe 2) und eine
// Rechenart mit zwei solchen Ergebnissen (Stufe 3), jeweils mit ausführlicher Erklärung.

#include "core/aufgabe.h"
#include "core/bruch.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

// Positiver, gekürzter Bruch mit Zähler und Nenner in 2..mx; ein mx unter 3 gilt als 3.
Bruch genPosBruch(std::int64_t mx);
// Mit welcher Zahl muss gekürzt werden? Lösung ist der Erweiterungsfaktor.
Aufgabe genBruchaufgabe0();
// grad 2: genBruchaufgabe1(2), sonst genBruchaufgabe3().
BruchAufgabe genBruchaufgabe(std::int64_t grad);
// grad 2 oder 3: Auf Grad 2 ist der erste Bruch der größere und es gibt keinen Quotienten.
BruchAufgabe genBruchaufgabe1(std::int64_t grad);
BruchAufgabe genBruchaufgabe3();
// Erklärung einer Rechenart ("*", "+", "-", ":" oder "/") mit zwei Brüchen; leer für
// andere Operatoren und für Brüche mit Nenner 0.
std::string bruchHilf(std::string_view op, const Bruch& b1, const Bruch& b2);

} // namespace numora
