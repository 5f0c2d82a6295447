#include "generators/proportionen.h"

// Platzhalter, bis der Generator dieses Themas gebaut ist.

namespace numora {

Aufgabe genProp(std::int64_t) { return {}; }

} // namespace numora
