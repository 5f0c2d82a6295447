#include "generators/wochentag.h"

// Platzhalter, bis der Generator dieses Themas gebaut ist.

namespace numora {

Aufgabe genWochentagRaten(std::int64_t) { return {}; }

} // namespace numora
