// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/antwortvergleich.h"

#include "core/bruch.h"

namespace numora {

bool istGleich(std::string_view antwort, std::string_view erwartet) {
    const BruchLesung a = string2Bruch(antwort);
    // Ein Nenner 0 wäre durch Überkreuzmultiplikation jeder Zahl gleich (0/0 gewänne immer).
    if (!a.ok || a.bruch.nn == 0) {
        return false;
    }
    const BruchLesung b = string2Bruch(erwartet);
    if (!b.ok || b.bruch.nn == 0) {
        return false;
    }
    return a.bruch.istGleich(b.bruch);
}

} // namespace numora
