// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausdruck.h"
#include "pakettest.h"

namespace numora::test {
namespace {

constexpr auto G = thema::grundR;
const std::string B = "   Berechne  ";

// Ziehungen: Rechenart, dann die Operanden.
INSTANTIATE_TEST_SUITE_P(
    Grundrechenarten, Karten,
    testing::Values(
        Kartenfall(G, "Summe", 2, {2, 20, 15}, "35", B + "   20 + 15",
                   "20 + 15\n = 20 + 10 + 5\n = 30 + 5\n = 35"),
        Kartenfall(G, "Differenz", 2, {3, 12, 15}, "12", B + "   27 - 15",
                   "27 - 15\n = 27 - 10 - 5\n = 17 - 5\n = 12"),
        Kartenfall(G, "Produkt", 1, {4, 7, 8}, "56", B + "   7 * 8 ",
                   "7 · 8\n = 7 · 10 - 7 · 2\n = 70 - 14\n = 56"),
        Kartenfall(G, "Quotient", 2, {5, 2, 2}, "2", B + "   4 / 2",
                   "4 / 2: Welche Zahl mal 2 ergibt 4?\n 2 · 2 = 4\n also 4 / 2 = 2"),
        Kartenfall(G, "PlusMalSumme", 3, {2, 10, 3, 4, 5}, "42", B + "   10 + 4 · (3 + 5)",
                   "   10 + 4 · (3 + 5)\n =  10 + 4 · 8\n =  10 + 32\n = 42 "),
        Kartenfall(G, "PlusMalDifferenz", 3, {3, 10, 3, 4, 5}, "22", B + "   10 + 4 · (8 - 5)",
                   "10 + 4 · (8 - 5)\n = 10 + 4 · 3 \n = 10 + 12 = 22"),
        Kartenfall(G, "MinusMalSumme", 3, {4, 10, 3, 4, 5}, "10", B + "   42 - 4 · (3 + 5)",
                   " 42 - 4 · (3 + 5)\n = 42 - 4 · 8 \n = 42 - 32 = 10"),
        Kartenfall(G, "MinusMalDifferenz", 3, {5, 10, 3, 4, 5}, "10", B + "   22 - 4 · (8 - 5)",
                   " 22 - 4 · (8 - 5) \n = 22 - 4 · 3 \n = 22 - 12 = 10")),
    fallName);

// Auf Level 1 und 2 nennt die Erklärung zuletzt die Antwort.
TEST(GrundRechenartenOrakel, AntwortIstDerPositiveGanzeWertDesAusdrucks) {
    fuerJedeKarte(G, [&](const Karte& k, std::int64_t level) {
        ASSERT_TRUE(k.frage.starts_with(B));
        const Rational wert = Ausdruck::wert(k.frage.substr(B.size()));
        ASSERT_TRUE(wert.text() == k.antwort && wert.z > 0);
        ASSERT_TRUE(level == 3 || k.hilfe.ends_with(" " + k.antwort));
    });
}

} // namespace
} // namespace numora::test
