// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausdruck.h"
#include "generators/lingleichungen.h"
#include "pakettest.h"

#include <limits>
#include <regex>

namespace numora::test {
namespace {

constexpr auto L = thema::linGl;
const std::string vorspann = "Bestimme die Lösung der Gleichung \n \n" + std::string(46, ' ');

// Ziehungen Level 1: x, b, a (neu bis |a| >= 2); Level 2: a (neu bis |a| >= 2), c (neu bis
// |c| >= 2 und c != a), x, b; Level 3: Zeile, x und y (neu bis nicht 0), Vorzeichen, Frage.
INSTANTIATE_TEST_SUITE_P(
    LineareGleichungen, Karten,
    testing::Values(
        Kartenfall(L, "L1", 1, {3, -5, 1, -1, 0, 4}, "3", vorspann + "4x - 5 = 7",
                   "Addition von 5 auf beiden Seiten: \n 4x = 12 \nDivision durch 4: \n x = 3"),
        // Steht rechts 0, braucht es die Addition trotzdem; ohne Glied b entfällt sie.
        Kartenfall(L, "L1RechtsNull", 1, {1, -5, 5}, "1", vorspann + "5x - 5 = 0",
                   "Addition von 5 auf beiden Seiten: \n 5x = 5 \nDivision durch 5: \n x = 1"),
        Kartenfall(L, "L1OhneGliedB", 1, {3, 0, 4}, "3", vorspann + "4x  = 12",
                   "Division durch 4: \n x = 3"),
        Kartenfall(L, "L2", 2, {-1, 3, 3, 1, -2, 4, 5}, "4", vorspann + "3(x + 5) = -2x + 35",
                   "Klammer durch Ausmultiplizieren auflösen:\n 3x + 15 = -2x + 35\n Addieren von "
                   "2x  und -15\n 5x = 20\nDividieren durch 5: \nx = 4"),
        Kartenfall(L, "L2RechtsOhneZahl", 2, {4, -4, -1, 2}, "-1", vorspann + "4(x + 2) = -4x ",
                   "Klammer durch Ausmultiplizieren auflösen:\n 4x + 8 = -4x \n Addieren von 4x  "
                   "und -8\n 8x = -8\nDividieren durch 8: \nx = -1"),
        Kartenfall(L, "L3NachY", 3, {4, -1, 3, 1, 2}, "3",
                   " \n     3x + 5y = 12 \n     4x + 7y = 17 " + std::string(16, ' ') +
                       "Berechne y",
                   "Multiplikation der ersten Gleichung mit 4 und Multiplikation der zweiten "
                   "Gleichung mit -3 ergibt das "
                   "Gleichungspaar:\n 12x + 20y = 48\n -12x - 21y = -51\n Addition beider "
                   "Gleichungen führt zu\n -y = -3. \n Division durch -1 ergibt y = 3")),
    fallName);

TEST(LinGLHilfe, UnbekannteKennungOderUeberlaufGibtLeerenText) {
    const std::int64_t riesig = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(linGLHilfe("+z", 3, 4, 2, 2, 5, -1, 2, -1), "");
    EXPECT_EQ(linGLHilfe("+x", riesig, 4, 2, 2, 5, -1, 2, -1), "");
}

// Einsetzen: Die Antwort löst die Gleichung, x + 1 nicht (sonst löste jede Zahl sie). Das
// System auf Level 3 löst die Cramersche Regel. Die Erklärung endet bei der gefragten Unbekannten.
TEST(LinGleichungenOrakel, AntwortIstDieEinzigeLoesung) {
    const std::regex system(" \n     (-?\\d+)x ([+-]) (\\d+)y = (-?\\d+) \n     (-?\\d+)x ([+-]) "
                            "(\\d+)y = (-?\\d+) {17}Berechne ([xy])");
    fuerJedeKarte(L, [&](const Karte& k, std::int64_t level) {
        std::smatch m;
        const std::string hilfe = k.hilfe.substr(0, k.hilfe.find_last_not_of(". \n") + 1);
        if (level < 3) {
            ASSERT_TRUE(k.frage.starts_with(vorspann));
            const std::string g = k.frage.substr(vorspann.size());
            const std::int64_t x = std::stoll(k.antwort);
            ASSERT_TRUE(Ausdruck::erfuellt(g, x) && !Ausdruck::erfuellt(g, x + 1));
            ASSERT_TRUE(hilfe.ends_with("x = " + k.antwort));
            return;
        }
        ASSERT_TRUE(std::regex_match(k.frage, m, system));
        const auto z = [&m](int i) { return Rational(std::stoll(m[i])); };
        const Rational b1 = m[2] == "-" ? Rational(0) - z(3) : z(3);
        const Rational b2 = m[6] == "-" ? Rational(0) - z(7) : z(7);
        const Rational det = z(1) * b2 - z(5) * b1;
        const Rational x = (z(4) * b2 - z(8) * b1) / det;
        const Rational y = (z(1) * z(8) - z(5) * z(4)) / det;
        ASSERT_EQ(k.antwort, (m[9] == "x" ? x : y).text());
        ASSERT_TRUE(hilfe.ends_with(m.str(9) + " = " + k.antwort));
    });
}

} // namespace
} // namespace numora::test
