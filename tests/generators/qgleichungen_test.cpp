// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausdruck.h"
#include "pakettest.h"

#include <regex>

namespace numora::test {
namespace {

constexpr auto Q = thema::quadGl;
const std::string einzug = "\n\n" + std::string(31, ' ');
const std::string kleinere =
    "Was ist die kleinere der beiden Lösungen folgender Gleichung " + einzug;
const std::string groessere =
    "Was ist die größere der beiden Lösungen folgender Gleichung " + einzug;
const std::string normalform = "In der Normalform x² + px + q = 0 ist hier p = ";
const std::string schema =
    "errät,\n ist die schematische Lösung: Die Diskriminante D ist (p/2)² - q = ";

// Ziehungen: x1, x2 (neu bis verschieden), auf Level 3 der Leitfaktor, dann die Frageart.
INSTANTIATE_TEST_SUITE_P(
    QuadratischeGleichungen, Karten,
    testing::Values(
        Kartenfall(Q, "Groessere", 1, {4, 4, 4, 1, 2}, "4", groessere + "x² - 5x + 4 = 0",
                   normalform +
                       "-5 und q = 4. Falls man nicht x1 und x2 mit x1 + x2 = 5 und x1 "
                       "* x2 = 4 " +
                       schema + "2,25, die gesuchte größere Lösung also -p/2 + √D = 2,5 + 1,5 = 4"),
        Kartenfall(Q, "KleinereMitLeitfaktor", 3, {-4, 6, 2, 1}, "-4", kleinere + "2x² - 4x = 48",
                   normalform +
                       "-2 und q = -24. Falls man nicht x1 und x2 mit x1 + x2 = 2 und "
                       "x1 * x2 = -24 " +
                       schema +
                       "25,0, die gesuchte kleinere Lösung also -p/2 - √D = 1,0 - 5,0 = -4")),
    fallName);

// Die Lösungen durch Probieren im Bereich des Levels. Die Erklärung schreibt Dezimalkommas wie
// die Eingabe: "2.5" läse das Programm als 25.
TEST(QGleichungOrakel, AntwortIstDieGefragteDerZweiLoesungenImBereich) {
    const std::regex dezimalpunkt("[0-9][.][0-9]");
    fuerJedeKarte(Q, [&](const Karte& k, std::int64_t level) {
        const bool nachKleinerer = k.frage.starts_with(kleinere);
        ASSERT_TRUE(nachKleinerer || k.frage.starts_with(groessere));
        const auto [a, b, c] = Ausdruck::koeffizienten(k.frage.substr(k.frage.find(einzug)));
        std::vector<std::int64_t> x;
        for (std::int64_t probe = level == 1 ? 1 : -16; probe <= 16; ++probe) {
            if (a * probe * probe + b * probe + c == 0) {
                x.push_back(probe);
            }
        }
        ASSERT_EQ(x.size(), 2u);
        ASSERT_TRUE(x[1] <= (level == 3 ? 16 : 10) && x[0] >= (level == 2 ? -10 : -16));
        ASSERT_EQ(k.antwort, std::to_string(nachKleinerer ? x[0] : x[1]));
        ASSERT_TRUE(k.hilfe.ends_with(" = " + k.antwort) && (a == 1 || level == 3));
        ASSERT_FALSE(std::regex_search(k.hilfe, dezimalpunkt));
    });
}

} // namespace
} // namespace numora::test
