#include "generators/binomi.h"

// Platzhalter, bis der Generator dieses Themas gebaut ist.

namespace numora {

Aufgabe genBinMitLeer(std::int64_t) { return {}; }

Aufgabe binErgaenzung() { return {}; }

} // namespace numora
