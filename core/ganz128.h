// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ganze Zahlen mit 128 Bit für exakte Zwischenergebnisse: Jedes Produkt zweier
// 64-Bit-Zahlen passt hinein.

#include <string>

namespace numora {

__extension__ typedef __int128 i128;
__extension__ typedef unsigned __int128 u128;

// Größter gemeinsamer Teiler der Beträge; vorzeichenlos, weil der Betrag der kleinsten
// 128-Bit-Zahl nur so passt. ggT128(0, 0) ist 0.
u128 ggT128(i128 a, i128 b);

// Dezimaltext, den std::to_string für 128 Bit nicht bietet.
std::string text128(i128 x);

} // namespace numora
