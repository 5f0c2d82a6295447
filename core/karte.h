// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/themen.h"

#include <string>
#include <vector>

namespace numora {

// Eine Fragekarte. Das Programm baut nur Karten mit getippter Antwort: items bleibt leer,
// multipel falsch.
struct Karte {
    thema bereich = thema::grundR;
    std::string frage;
    std::vector<std::string> items;
    std::string antwort;
    std::string hilfe;
    bool multipel = false;

    friend bool operator==(const Karte&, const Karte&) = default;
};

} // namespace numora
