#pragma once

#include "core/karte.h"

#include <cstdint>
#include <vector>

namespace numora {

inline constexpr std::int64_t paketGroesse = 8;

// Die acht Karten einer Runde. Für Analysis und für Level außerhalb 1..3 leer.
std::vector<Karte> genPaket(thema bereich, std::int64_t level);

} // namespace numora
