// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausdruck.h"
#include "pakettest.h"

#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace numora::test {
namespace {

constexpr auto F = thema::binFo;
// Das Zeichen der Lücke steht hier wörtlich, damit auch das Zeichen selbst geprüft wird.
const std::string L = "\uF8FF";
const std::string welche = "Welche Zahl ist für " + L;
const std::string quadrat = " \n einzusetzen, um ein vollständiges Quadrat zu erhalten?";
const std::string x6 = "   Für welchen Wert von x wird der Ausdruck ";
const std::string x7 = "   Was ist der ";

// Ziehungen: auf Stufe 2 zuerst die Art (3 wird neu gezogen); bei der Gleichung die Position
// der Lücke, p und q (0 und -p werden neu gezogen); bei der Ergänzung p, q und die Lücke;
// auf Stufe 3 die Art, a und b.
INSTANTIATE_TEST_SUITE_P(
    BinomischeFormel, Karten,
    testing::Values(
        Kartenfall(F, "Luecke", 1, {2, 1, 0, -1, -4}, "1",
                   welche + " in der Gleichung  " + L + "x² - 8x + 16 = (x - 4)² \n einzusetzen?",
                   "(x - 4)² = x² - 2 · x · 4 + 4²\n = x² - 8x + 16\nVergleich der x²-Glieder: " +
                       L + "x² = x², also " + L + " = 1"),
        Kartenfall(
            F, "Ergaenzung", 2, {3, 2, 3, 0, -3, -5, 1}, "30",
            welche + " im Term" + std::string(13, ' ') + "9x² + " + L + "x + 25" + quadrat,
            "9x² = (3x)² und 25 = 5²\n(3x + 5)² = 9x² + 30x + 25\nVergleich der x-Glieder: " + L +
                "x = 30x, also " + L + " = 30\nEbenso richtig ist " + L +
                " = -30, denn (3x - 5)² = 9x² - 30x + 25"),
        Kartenfall(F, "Minimalstelle", 3, {1, 3, 20}, "3", x6 + "x² - 6x + 29 minimal?",
                   "x² - 6x + 29 \n = x² - 6x + 9 + 20 \n = (x - 3)² + 20\n Der Wert ist also "
                   "mindestens 20 und gleich 20 für x = 3"),
        Kartenfall(
            F, "Maximalstelle", 3, {2, 2, 36}, "2", x6 + "4x - x² + 36 maximal?",
            "4x - x² + 36 \n = 2 * 2x - x² - 4 + 4 + 36  \n = -(x² - 2 * 2x + 4) + 4 + 36 "
            "\n = -(x - 2)² + 40 \n Der Wert ist also höchstens 40 und beträgt 40 für x = 2"),
        Kartenfall(
            F, "Maximum", 3, {3, 8, 25}, "89",
            x7 + "größte Wert, den der Ausdruck 16x - x² + 25  annehmen kann?",
            "16x - x² + 25 \n = 16x - x²  - 64 + 64 + 25\n = -(x² - 2 * 8x + 64) + 64 + 25 "
            "\n = -(x - 8)² + 89 \n Der Wert ist also höchstens 89 und beträgt 89 für x = 8"),
        Kartenfall(F, "Minimum", 3, {4, 5, 21}, "21",
                   x7 + "kleinste Wert, den der Ausdruck x² - 10x + 46 annehmen kann? ",
                   "x² - 10x + 46 \n = x² - 2 *5x + 25 + 21 \n = (x - 5)² + 21\n Der Wert ist "
                   "also mindestens 21 und gleich 21 für x = 5")),
    fallName);

// Die Lücke wird gefüllt: Die Gleichung gilt dann für alle x, der Term ist (px + q)² mit p
// aus 1..9 und q aus ±1..±9, und die Ergänzung addiert immer; die Erklärung nennt zuletzt die
// Antwort. Auf Level 3 ist die Antwort Scheitelstelle oder Extremwert; das Vorzeichen von x²
// entscheidet über Minimum oder Maximum.
TEST(BinomOrakel, AntwortErgibtEinVollstaendigesQuadratOderDenScheitel) {
    const std::regex luecke(welche +
                            " (?:in der Gleichung (.+) \n einzusetzen\\?|im Term {13}(.+) "
                            "\n einzusetzen, um ein vollständiges Quadrat zu erhalten\\?)");
    const std::regex extrem(
        R"(   (?:Für welchen Wert von x wird|Was ist der (größte|kleinste) Wert, den) der Ausdruck )"
        R"((.+?) +(minimal\?|maximal\?|annehmen kann\? ?))");
    const std::set<std::int64_t> quadrate = {1, 4, 9, 16, 25, 36, 49, 64, 81};
    fuerJedeKarte(F, [&](const Karte& k, std::int64_t level) {
        std::smatch m;
        if (level == 3) {
            ASSERT_TRUE(std::regex_match(k.frage, m, extrem));
            const auto [a, b, c] = Ausdruck::koeffizienten(m.str(2));
            ASSERT_EQ(a, m[1] == "kleinste" || m[3] == "minimal?" ? 1 : -1);
            const std::int64_t x = b / (-2 * a);
            ASSERT_TRUE(x >= 2 && x <= 8 && b % 2 == 0);
            ASSERT_EQ(k.antwort, std::to_string(m[1].matched ? a * x * x + b * x + c : x));
            return;
        }
        ASSERT_TRUE(std::regex_match(k.frage, m, luecke));
        const bool gleichung = m[1].matched;
        const std::string text = m[gleichung ? 1 : 2];
        const std::size_t bei = text.find(L);
        ASSERT_TRUE(bei != std::string::npos && text.find(L, bei + 1) == std::string::npos);
        // Fehlt im Term das mittlere Glied, ist auch sein Negatives richtig, und die Erklärung
        // nennt beide Werte.
        const bool mitte = !gleichung && text.compare(bei + L.size(), 3, "x²") != 0 &&
                           text.compare(bei + L.size(), 1, "x") == 0;
        ASSERT_EQ(k.auchRichtig, mitte ? std::optional(-std::stoll(k.antwort)) : std::nullopt);
        std::vector<std::string> werte{k.antwort};
        if (mitte) {
            werte.push_back(std::to_string(*k.auchRichtig));
        }
        for (const std::string& wert : werte) {
            ASSERT_TRUE(mitte ? k.hilfe.find(L + " = " + wert) != std::string::npos
                              : k.hilfe.ends_with(" " + wert));
            std::string eingesetzt = text;
            eingesetzt.replace(bei, L.size(), wert);
            if (gleichung) {
                ASSERT_EQ(Ausdruck::koeffizienten(eingesetzt),
                          (std::array<std::int64_t, 3>{0, 0, 0}));
                eingesetzt = eingesetzt.substr(0, eingesetzt.find('='));
            }
            const auto [a, b, c] = Ausdruck::koeffizienten(eingesetzt);
            ASSERT_TRUE(quadrate.count(a) && quadrate.count(c) && b * b == 4 * a * c);
            ASSERT_TRUE(gleichung || level == 2);
        }
    });
}

} // namespace
} // namespace numora::test
