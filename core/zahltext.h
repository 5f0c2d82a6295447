#pragma once

#include <cstdint>
#include <string_view>

namespace numora {

// Eine ganze Zahl als Text: optionales Vorzeichen (+ oder -), dann nur Dezimalziffern,
// im 64-Bit-Bereich. Alles andere (Leerzeichen, Punkt, leerer Text) gilt nicht.
bool leseGanzzahl(std::string_view text, std::int64_t& wert);

} // namespace numora
