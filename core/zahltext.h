// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

// Eine ganze Zahl als Text: optionales Vorzeichen (+ oder -), dann nur Dezimalziffern,
// im Bereich des Zieltyps. Alles andere (Leerzeichen, Punkt, leerer Text) gilt nicht, und
// wert bleibt dann unverändert.
bool leseGanzzahl(std::string_view text, std::int64_t& wert);
// Dasselbe ohne Minus, für Zahlen im ganzen vorzeichenlosen 64-Bit-Bereich.
bool leseGanzzahl(std::string_view text, std::uint64_t& wert);

// Die Meldung zu einer Zahl außerhalb von..bis, gleich für Werkzeuge und Fenster:
// "Die Anzahl muss eine ganze Zahl von 1 bis 9 sein, nicht "x"."
std::string bereichsMeldung(std::string_view was, std::int64_t von, std::int64_t bis,
                            std::string_view eingabe);

} // namespace numora
