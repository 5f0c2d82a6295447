// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/karte.h"

#include <cstdint>
#include <vector>

namespace numora {

inline constexpr std::int64_t paketGroesse = 8;
// So oft wird eine Karte höchstens neu gezogen, deren Frage schon im Paket steht.
inline constexpr int hoechsteNeuziehungen = 100;

// Die acht Karten einer Runde, ohne eine Frage doppelt (solange hoechsteNeuziehungen reichen).
// Für Analysis und für Level außerhalb 1..3 leer.
std::vector<Karte> genPaket(thema bereich, std::int64_t level);
// Eine einzelne Karte, ohne Abgleich mit anderen; für Analysis und fremde Level leer.
Karte genKarte(thema bereich, std::int64_t level);

} // namespace numora
