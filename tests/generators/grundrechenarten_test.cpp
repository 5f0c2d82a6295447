#include "ausdruck.h"
#include "core/zufall.h"
#include "generators/grundrechenarten.h"
#include "generators/paket.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using numora::Aufgabe;

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    Aufgabe erwartet;
};

class GrundRechenarten : public testing::TestWithParam<Fall> {};

TEST_P(GrundRechenarten, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::grundRechenarten(f.level);
    EXPECT_EQ(a.text, f.erwartet.text);
    EXPECT_EQ(a.loesung, f.erwartet.loesung);
    EXPECT_EQ(a.hilfe, f.erwartet.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JedeRechenart, GrundRechenarten,
    testing::Values(
        Fall{"L1Summe", 1, {2, 2, 2}, {"   2 + 2", 4, "2 + 2\n = 4"}},
        Fall{"L1Produkt",
             1,
             {4, 7, 8},
             {"   7 * 8 ", 56, "7 · 8\n = 7 · 10 - 7 · 2\n = 70 - 14\n = 56"}},
        Fall{"L2Summe",
             2,
             {2, 20, 15},
             {"   20 + 15", 35, "20 + 15\n = 20 + 10 + 5\n = 30 + 5\n = 35"}},
        Fall{"L2Differenz", 2, {3, 12, 5}, {"   17 - 5", 12, "17 - 5\n = 12"}},
        Fall{"L2Produkt",
             2,
             {4, 9, 16},
             {"   9 * 16", 144, "9 · 16\n = 10 · 16 - 1 · 16\n = 160 - 16\n = 144"}},
        Fall{"L2Quotient",
             2,
             {5, 2, 2},
             {"   4 / 2", 2, "4 / 2: Welche Zahl mal 2 ergibt 4?\n 2 · 2 = 4\n also 4 / 2 = 2"}},
        Fall{"L3Summe",
             3,
             {2, 10, 3, 4, 5},
             {"   10 + 4 · (3 + 5)", 42,
              "   10 + 4 · (3 + 5)\n =  10 + 4 · 8\n =  10 + 32\n = 42 "}},
        Fall{"L3SummeMitDifferenz",
             3,
             {3, 10, 3, 4, 5},
             {"   10 + 4 · (8 - 5)", 22, "10 + 4 · (8 - 5)\n = 10 + 4 · 3 \n = 10 + 12 = 22"}},
        Fall{"L3Differenz",
             3,
             {4, 10, 3, 4, 5},
             {"   42 - 4 · (3 + 5)", 10, " 42 - 4 · (3 + 5)\n = 42 - 4 · 8 \n = 42 - 32 = 10"}},
        Fall{"L3DifferenzMitDifferenz",
             3,
             {5, 10, 3, 4, 5},
             {"   22 - 4 · (8 - 5)", 10, " 22 - 4 · (8 - 5) \n = 22 - 4 · 3 \n = 22 - 12 = 10"}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

class GrundRechenartenOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(GrundRechenartenOrakel, AntwortIstDerWertDesAusdrucks) {
    const std::int64_t level = GetParam();
    const std::string vorspann = "   Berechne  ";
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::grundR, level)) {
            ASSERT_EQ(k.frage.rfind(vorspann, 0), 0u) << k.frage;
            const numora::test::Rational wert =
                numora::test::Ausdruck::wert(k.frage.substr(vorspann.size()));
            ASSERT_EQ(wert.text(), k.antwort) << k.frage; // ganzzahlig: Quotienten gehen auf
            ASSERT_GT(wert.z, 0) << k.frage;
            ASSERT_FALSE(k.hilfe.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, GrundRechenartenOrakel, testing::Values(1, 2, 3));

} // namespace
