// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Was ein Fragengenerator liefert: Fragetext, Lösung und eine Erklärung.

#include "core/bruch.h"

#include <cstdint>
#include <optional>
#include <string>

namespace numora {

struct Aufgabe {
    std::string text;
    std::int64_t loesung = 0;
    std::string hilfe;
    // Für Hinweise zu falschen Antworten, wie in Karte.
    std::optional<std::int64_t> andererWert = std::nullopt;
    std::int64_t modul = 0;
    // Ein zweiter Wert, der die Frage ebenso richtig beantwortet, wie in Karte.
    std::optional<std::int64_t> auchRichtig = std::nullopt;
    bool teilerGesucht = false;

    friend bool operator==(const Aufgabe&, const Aufgabe&) = default;
};

struct BruchAufgabe {
    std::string text;
    Bruch loesung;
    std::string hilfe;

    friend bool operator==(const BruchAufgabe&, const BruchAufgabe&) = default;
};

} // namespace numora
