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

// Ob zwischen zwei Zahlen mehr steht als Leerzeichen, Bruchstrich, Komma, Minus oder Punkt
// ("9 mod 11", "(3|0)", "0 und 9"): Der Parser liest sie als eine Zahl, und die ist nie die
// gemeinte. Ziffern direkt hinter einem Buchstaben sind ein Index ("x1").
bool hatMehrereZahlen(std::string_view getippt);

// "1 5/21" oder "-2 1/2": eine ganze Zahl, Leerzeichen, dann ein Bruch. Der Parser liest sie
// ohne Leerzeichen (als 15/21); auch eine zufällig so passende ("3 8/15" bei 38/15) ist falsch.
bool istGemischteZahl(std::string_view getippt);

// Eines der drei: Dann liest der Parser eine andere Zahl als die gemeinte, und die Antwort ist
// falsch, auch wenn der gelesene Wert zufällig stimmt.
bool wirdVerlesen(std::string_view getippt);

struct Karte;

// Ob eine getippte Antwort die Karte richtig beantwortet, mit ihrer Antwort oder dem zweiten
// richtigen Wert.
bool istRichtig(std::string_view antwort, const Karte& karte);

} // namespace numora
