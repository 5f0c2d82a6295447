#include "generators/bruchaufgaben.h"

// Platzhalter, bis der Generator dieses Themas gebaut ist.

namespace numora {

Aufgabe genBruchaufgabe0() { return {}; }

BruchAufgabe genBruchaufgabe(std::int64_t) { return {}; }

} // namespace numora
