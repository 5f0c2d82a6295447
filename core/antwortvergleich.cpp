// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/antwortvergleich.h"

#include "core/bruch.h"
#include "core/karte.h"

#include <string>

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

bool istRichtig(std::string_view antwort, const Karte& karte) {
    return istGleich(antwort, karte.antwort) ||
           (karte.auchRichtig && istGleich(antwort, std::to_string(*karte.auchRichtig)));
}

} // namespace numora
