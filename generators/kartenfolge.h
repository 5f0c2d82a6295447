// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Welche Karten zu einem Startwert gehören. numora-karten druckt sie, die Arbeitsblätter
// setzen sie; beide ziehen über diese eine Schleife, damit ein Blatt mit demselben Startwert
// genau die Karten des Werkzeugs zeigt.

#include "core/karte.h"
#include "core/themen.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace numora {

// paket und nummer zählen ab 1.
using KartenEmpfaenger =
    std::function<void(std::int64_t paket, std::int64_t nummer, const Karte& karte)>;

// Zieht anzahlPakete Pakete nacheinander aus der gerade eingesetzten Zufallsquelle.
void paketeZiehen(thema bereich, std::int64_t level, std::int64_t anzahlPakete,
                  const KartenEmpfaenger& empfaenger);

// Die ersten anzahl Karten von ⌈anzahl/8⌉ Paketen aus einem Mersenne-Twister mit diesem
// Startwert, also dieselben wie bei numora-karten --seed startwert.
std::vector<Karte> kartenZumStartwert(thema bereich, std::int64_t level, std::int64_t anzahl,
                                      std::uint64_t startwert);

// Variante 1 nimmt den Startwert selbst, jede weitere den nächsten (modulo 2^64), damit
// sich jede Variante einzeln mit ihrem gedruckten Startwert wiederholen lässt.
std::uint64_t variantenStartwert(std::uint64_t startwert, std::int64_t variante);

} // namespace numora
