// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gezielte Hinweise zu falschen Antworten: erkennt typische Fehler (Vorzeichen, Kehrwert,
// Dezimalpunkt, die andere Lösung ...) aus der Karte und dem getippten Text.

#include "core/karte.h"

#include <optional>
#include <string>
#include <string_view>

namespace numora {

enum class HinweisArt {
    vorzeichen,
    kehrwert,
    dezimalpunkt,
    andereLoesung,
    andereUnbekannte,
    restklasse,
    wochentagZaehlung,
    mehrereZahlen,
    gemischteZahl,
    zehnerpotenz,
    teiler,
};

// Feste Kennung für die Ablage, etwa "vorzeichen"; ändert sich nie.
std::string_view hinweisKennung(HinweisArt art);

struct Hinweis {
    HinweisArt art;
    std::string satz;

    friend bool operator==(const Hinweis&, const Hinweis&) = default;
};

// Höchstens ein Satz zur getippten Antwort. Keiner für eine richtige Antwort, für eine
// unlesbare und für einen Fehler ohne erkennbares Muster.
std::optional<Hinweis> hinweis(const Karte& karte, std::string_view getippt);

} // namespace numora
