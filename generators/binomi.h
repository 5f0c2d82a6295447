// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Binomische Formeln: ein Binom mit einer Lücke (blende) und die quadratische Ergänzung.

#include "core/aufgabe.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

// Platzhalter der Lücke: ein Zeichen aus dem privaten Bereich (U+F8FF). Das Fenster
// zeigt es als sichtbares Kästchen.
inline constexpr std::string_view blende = "\xEF\xA3\xBF";

// Der Text, wie der Spieler ihn sieht: jede Lücke als Kästchen □. Für Verlauf und Ausgaben.
std::string mitKaestchen(std::string text);

struct Binom {
    std::int64_t p;
    std::int64_t q;
    std::int64_t pp;  // p²
    std::int64_t pq2; // 2pq
    std::int64_t qq;  // q²
};

// Nicht 0, im Bereich -9..9.
std::int64_t zufallUngl0();
Binom genBinomi1();
// Gleichung mit der Lücke an Position leerBei (0 bis 4; sonst ohne Lücke, mit loesung 0 und
// ohne Erklärung); loesung ist die verdeckte Zahl.
Aufgabe genBinMitLeer(std::int64_t leerBei);
// Term, der zu einem vollständigen Quadrat zu ergänzen ist.
Aufgabe binErgaenzung();

} // namespace numora
