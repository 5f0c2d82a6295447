// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/restklassen.h"
#include "pakettest.h"

#include <limits>
#include <regex>

namespace numora::test {
namespace {

constexpr auto R = thema::restKl;
const std::string mod7 = "  Berechne modulo 7:      ";

// Aufrufe, die das Spiel nie macht, bleiben definiert: kein Überlauf, kein Zugriff neben die Tafel.
TEST(RestHelfer, BleibenAuchAusserhalbDesSpielsDefiniert) {
    const std::int64_t min64 = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(rest(min64, -1) + kehrwert(min64, 11) + kehrwert(2, 13), 0);
    EXPECT_EQ(rest(5, 0), 5);
    EXPECT_EQ(mDarst(5, -3), "");
}

// Ziehungen: Modulindex, dann Stufe 1: Divisorwahl, Dividend, Art;
// Stufen 2 und 3: Operation, a, b (und die Variante bei Operation 0).
INSTANTIATE_TEST_SUITE_P(
    Restklassen, Karten,
    testing::Values(
        Kartenfall(R, "Rest", 1, {0, 1, 19, 1}, "3", "Welchen Rest lässt 19 bei Division durch 4?",
                   "19 = 4 * 4 + 3\nDer gesuchte Rest ist daher 3."),
        Kartenfall(R, "Quotient", 1, {2, 2, 99, 2}, "14",
                   "Was ist der ganzzahlige Bestandteil des Quotienten 99 / 7 ?",
                   "99 = 14 * 7 + 1\nDer gesuchte ganzzahlige Bestandteil von 99 / 7 ist daher "
                   "14."),
        Kartenfall(R, "Summe", 2, {1, 0, 3, 4, 1}, "0", mod7 + "3 + 4",
                   "3 + 4 = 7 \n = 1·7 + 0\n Ergebnis: 0"),
        Kartenfall(R, "Negation", 2, {2, 0, 3, 6, 3}, "4", mod7 + "-3", " -3  = 7 - 3 = 4"),
        Kartenfall(R, "Produkt", 3, {2, 2, 10, 10}, "1", "  Berechne modulo 11:      10 · 10",
                   "10 · 10 = 100\n = 9·11 + 1\n Ergebnis: 1"),
        Kartenfall(R, "Kehrwert", 2, {0, 3, 3, 2}, "5", mod7 + "1/3",
                   " 1/3  = 5\n denn 3 · 5 = 15\n = 2 · 7 + 1\nErgebnis ist also 5"),
        Kartenfall(R, "Division", 3, {1, 4, 3, 2}, "5", mod7 + "3 / 2",
                   "1/2 = 4, denn \n 2 · 4 = 8 = 1 · 7 + 1\n3 * 4 = 12 \n = 1·7 + 5\nErgebnis "
                   "ist also 5")),
    fallName);

// Die Antwort durch Durchprobieren aller Reste.
std::int64_t durchprobieren(const std::string& art, std::int64_t a, std::int64_t b,
                            std::int64_t m) {
    std::int64_t x = 0;
    while (x < m && (art == "+"    ? (a + b - x) % m
                     : art == "·"  ? (a * b - x) % m
                     : art == "-"  ? (x + a) % m
                     : art == "1/" ? (x * a) % m - 1
                                   : (x * b - a) % m) != 0) {
        ++x;
    }
    return x;
}

TEST(RestRechnenOrakel, AntwortStimmtMitDurchprobierenUeberein) {
    const std::regex division(
        R"((?:Welchen Rest lässt (\d+) bei Division durch (\d+)\?)"
        R"(|Was ist der ganzzahlige Bestandteil des Quotienten (\d+) / (\d+) \?))");
    const std::regex modulo(
        R"(  Berechne modulo (\d+):      (?:(\d+) (\+|·|/) (\d+)|(-|1/)(\d+)))");
    const auto z = [](const auto& treffer) { return std::stoll(treffer); };
    fuerJedeKarte(R, [&](const Karte& k, std::int64_t level) {
        std::smatch t;
        if (level == 1) {
            ASSERT_TRUE(std::regex_match(k.frage, t, division));
            const bool istRest = t[1].matched;
            const std::int64_t n = z(t[istRest ? 1 : 3]), d = z(t[istRest ? 2 : 4]);
            ASSERT_EQ(k.antwort, std::to_string(istRest ? n % d : n / d));
            // Für den Hinweis kennt die Karte die andere Größe der Division.
            ASSERT_EQ(k.andererWert, istRest ? n / d : n % d);
            return;
        }
        ASSERT_TRUE(std::regex_match(k.frage, t, modulo));
        const bool zweistellig = t[2].matched;
        const std::int64_t a = z(t[zweistellig ? 2 : 6]), b = zweistellig ? z(t[4]) : 2;
        const std::string art = t[zweistellig ? 3 : 5];
        ASSERT_EQ(k.antwort, std::to_string(durchprobieren(art, a, b, z(t[1]))));
    });
}

} // namespace
} // namespace numora::test
