// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace numora {

// Vergleicht eine getippte Antwort mit der erwarteten nach ihrem Zahlenwert (6/8 gleich 3/4).
// Eine Antwort, die sich nicht lesen lässt oder den Nenner 0 hat, ist nie richtig.
bool istGleich(std::string_view antwort, std::string_view erwartet);

// Ob die getippte Antwort einen Punkt als Dezimaltrenner benutzt ("3.6", ".75"). Der Parser
// überliest den Punkt; eine Tausendergruppe wie "1.000" zählt nicht.
bool hatDezimalpunkt(std::string_view getippt);

struct Karte;

// Ob eine getippte Antwort die Karte richtig beantwortet, mit ihrer Antwort oder dem zweiten
// richtigen Wert.
bool istRichtig(std::string_view antwort, const Karte& karte);

} // namespace numora
