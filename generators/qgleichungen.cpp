#include "generators/qgleichungen.h"

// Platzhalter, bis der Generator dieses Themas gebaut ist.

namespace numora {

Aufgabe genQGleichung(std::int64_t) { return {}; }

} // namespace numora
