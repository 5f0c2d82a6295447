#include "generators/lingleichungen.h"

// Platzhalter, bis der Generator dieses Themas gebaut ist.

namespace numora {

Aufgabe genLing1() { return {}; }

Aufgabe genLing2() { return {}; }

Aufgabe genLing3() { return {}; }

} // namespace numora
