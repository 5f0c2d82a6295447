#include "ausdruck.h"
#include "core/zufall.h"
#include "generators/lingleichungen.h"
#include "generators/paket.h"
#include "pakettest.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using numora::test::Ausdruck;
using numora::test::Rational;

const std::string vorspann = "Bestimme die Lösung der Gleichung \n \n" + std::string(46, ' ');
const std::string berechne = std::string(16, ' ') + "Berechne ";
const std::string paar = "Multiplikation der ersten Gleichung mit ";

using Fall = numora::test::Kartenfall;

class LinGleichungenKarte : public testing::TestWithParam<Fall> {};

TEST_P(LinGleichungenKarte, ErzeugtGenauDieseTexte) {
    numora::test::erwarteKarten(numora::thema::linGl, GetParam());
}

// Ziehungen Level 1: x, b, a (neu bis |a| >= 2); Level 2: a (neu bis |a| >= 2), c (neu bis
// |c| >= 2 und c != a), x, b; Level 3: Zeile, x und y (neu bis nicht 0), Vorzeichen, Frage.
INSTANTIATE_TEST_SUITE_P(
    JederZweig, LinGleichungenKarte,
    testing::Values(
        Fall{{"L1MitAdditionVerworfeneKoeffizienten", 1, {3, -5, 1, -1, 0, 4}, 3},
             vorspann + "4x - 5 = 7",
             "Addition von 5 auf beiden Seiten: \n 4x = 12 \nDivision durch 4: \n x = 3"},
        Fall{{"L1RechteSeiteNullOhneAddition", 1, {2, 6, -3}, 2},
             vorspann + "-3x + 6 = 0",
             "Division durch -3: \n x = 2"},
        Fall{{"L1OhneSummandAddiertMinusNull", 1, {-7, 0, 2}, -7},
             vorspann + "2x  = -14",
             "Addition von -0 auf beiden Seiten: \n 2x = -14 \nDivision durch 2: \n x = -7"},
        Fall{{"L2MitDivisionVerworfeneKoeffizienten", 2, {-1, 3, 3, 1, -2, 4, 5}, 4},
             vorspann + "3(x + 5) = -2x + 35",
             "Klammer durch Ausmultiplizieren auflösen:\n 3x + 15 = -2x + 35\n Addieren von 2x  "
             "und -15\n 5x = 20\nDividieren durch 5: \nx = 4"},
        Fall{{"L2DifferenzEinsOhneDivisionUndSchluss", 2, {-2, -3, 5, 2}, 5},
             vorspann + "-2(x + 2) = -3x + 1",
             "Klammer durch Ausmultiplizieren auflösen:\n -2x - 4 = -3x + 1\n Addieren von 3x  "
             "und 4\n x = 5\n"},
        Fall{{"L2DifferenzMinusEinsOhneDivision", 2, {2, 3, -1, 1}, -1},
             vorspann + "2(x + 1) = 3x + 3",
             "Klammer durch Ausmultiplizieren auflösen:\n 2x + 2 = 3x + 3\n Addieren von -3x  "
             "und -2\n -x = 1\nx = -1"},
        Fall{{"L2RechtsOhneSummandOhneUnd", 2, {4, 2, -8, 4}, -8},
             vorspann + "4(x + 4) = 2x ",
             "Klammer durch Ausmultiplizieren auflösen:\n 4x + 16 = 2x \n Addieren von -2x  \n "
             "2x = -16\nDividieren durch 2: \nx = -8"},
        Fall{{"L3PlusYDurchMinusEins", 3, {4, -1, 3, 1, 2}, 3},
             " \n     3x + 5y = 12 \n     4x + 7y = 17 " + berechne + "y",
             paar + "4 und Multiplikation der zweiten Gleichung mit -3 ergibt das "
                    "Gleichungspaar:\n 12x + 20y = 48\n -12x - 21y = -51\n Addition beider "
                    "Gleichungen führt zu\n -y = -3. \n Division durch -1 ergibt y = 3"},
        Fall{{"L3PlusXOhneDivisionNullVerworfen", 3, {1, 0, 1, 1, 0, 1}, 1},
             " \n     4x + 5y = 9 \n     3x + 4y = 7 " + berechne + "x",
             paar + "4 und Multiplikation der zweiten Gleichung mit -5 ergibt das "
                    "Gleichungspaar:\n 16x + 20y = 36\n -15x - 20y = -35\n Addition beider "
                    "Gleichungen führt zu\n x = 1. "},
        Fall{{"L3MinusY", 3, {0, 7, -5, 2, 2}, -5},
             " \n     3x - 4y = 41 \n     2x - 5y = 39 " + berechne + "y",
             paar + "2 und Multiplikation der zweiten Gleichung mit -3 ergibt das "
                    "Gleichungspaar:\n 6x - 8y = 82\n -6x + 15y = -117\n Addition beider "
                    "Gleichungen führt zu\n 7y = -35. \n Division durch 7 ergibt y = -5"},
        Fall{{"L3MinusXOhneLeerzeichenNachPunkt", 3, {0, -5, 7, 2, 1}, -5},
             " \n     3x - 4y = -43 \n     2x - 5y = -45 " + berechne + "x",
             paar + "5 und Multiplikation der zweiten Gleichung mit -4 ergibt das "
                    "Gleichungspaar:\n 15x - 20y = -215\n -8x + 20y = 180\n Addition beider "
                    "Gleichungen führt zu\n 7x = -35.\n Division durch 7 ergibt x = -5"}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.kopf.name; });

TEST(LinGLHilfe, UnbekannteKennungOderUeberlaufGibtLeerenText) {
    EXPECT_EQ(numora::linGLHilfe("+z", 3, 4, 2, 2, 5, -1, 2, -1), "");
    EXPECT_EQ(
        numora::linGLHilfe("+x", std::numeric_limits<std::int64_t>::max(), 4, 2, 2, 5, -1, 2, -1),
        "");
}

bool zwischen(const Rational& w, std::int64_t von, std::int64_t bis) {
    return !(w < Rational(von)) && !(Rational(bis) < w);
}

class LinGleichungenOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(LinGleichungenOrakel, AntwortIstDieEinzigeLoesung) {
    const std::int64_t level = GetParam();
    const std::regex schluss("x = (-?\\d+)\n?$");
    const std::regex klammer("\\(x \\+ [1-8]\\)");
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::linGl, level)) {
            ASSERT_TRUE(k.frage.starts_with(vorspann)) << k.frage;
            const std::string g = k.frage.substr(vorspann.size());
            const std::int64_t x = std::stoll(k.antwort);
            ASSERT_TRUE(Ausdruck::erfuellt(g, x)) << g;
            // Linear: eine zweite Lösung hieße, jede Zahl löst die Gleichung.
            ASSERT_FALSE(Ausdruck::erfuellt(g, x + 1)) << g;
            ASSERT_TRUE(x >= -8 && x <= 8) << g;
            const std::string links = g.substr(0, g.find('='));
            const std::string rechts = g.substr(g.find('=') + 1);
            const Rational a = Ausdruck::wert(links, 1) - Ausdruck::wert(links, 0);
            const Rational c = Ausdruck::wert(rechts, 1) - Ausdruck::wert(rechts, 0);
            const std::int64_t grenze = level == 1 ? 8 : 6;
            ASSERT_TRUE(zwischen(a, 2, grenze) || zwischen(a, -grenze, -2)) << g;
            if (level == 1) {
                ASSERT_TRUE(zwischen(Ausdruck::wert(links, 0), -8, 8)) << g;
            } else {
                ASSERT_TRUE(zwischen(c, 2, 6) || zwischen(c, -6, -2)) << g;
                ASSERT_TRUE(std::regex_search(g, klammer)) << g;
            }
            std::smatch m;
            ASSERT_TRUE(std::regex_search(k.hilfe, m, schluss)) << k.hilfe;
            ASSERT_EQ(m[1], k.antwort) << k.hilfe;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EinzelneGleichung, LinGleichungenOrakel, testing::Values(1, 2),
                         [](const testing::TestParamInfo<std::int64_t>& i) {
                             return "Level" + std::to_string(i.param);
                         });

TEST(LinGleichungenSystemOrakel, AntwortIstDieCramerLoesung) {
    const std::regex system(" \n     (-?\\d+)x ([+-]) (\\d+)y = (-?\\d+) \n     (-?\\d+)x ([+-]) "
                            "(\\d+)y = (-?\\d+) {17}Berechne ([xy])");
    // Der Rechenweg endet bei "k·v = r" und teilt nur, wenn k nicht 1 ist.
    const std::regex schluss("führt zu\n (-?\\d*)([xy]) = (-?\\d+)\\. ?(\n Division durch "
                             "(-?\\d+) ergibt [xy] = (-?\\d+))?$");
    std::set<std::string> gesehen;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::linGl, 3)) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(k.frage, m, system)) << k.frage;
            const auto z = [&m](int i) { return Rational(std::stoll(m[i])); };
            const Rational b1 = m[2] == "-" ? Rational(0) - z(3) : z(3);
            const Rational b2 = m[6] == "-" ? Rational(0) - z(7) : z(7);
            const Rational det = z(1) * b2 - z(5) * b1;
            const Rational x = (z(4) * b2 - z(8) * b1) / det;
            const Rational y = (z(1) * z(8) - z(5) * z(4)) / det;
            ASSERT_EQ(k.antwort, (m[9] == "x" ? x : y).text()) << k.frage;
            ASSERT_TRUE(zwischen(x, -5, 7) && zwischen(y, -5, 7)) << k.frage;
            ASSERT_FALSE(x == Rational(0) || y == Rational(0)) << k.frage;
            gesehen.insert(m.str(2) + m.str(9));

            const std::string v = m[9];
            ASSERT_TRUE(std::regex_search(k.hilfe, m, schluss)) << k.hilfe;
            const std::int64_t kf = m[1] == "" ? 1 : m[1] == "-" ? -1 : std::stoll(m[1]);
            ASSERT_EQ(m[2], v) << k.hilfe;
            ASSERT_EQ(kf * std::stoll(k.antwort), std::stoll(m[3])) << k.hilfe;
            ASSERT_EQ(m[4].matched, kf != 1) << k.hilfe;
            ASSERT_TRUE(kf == 1 || (std::stoll(m[5]) == kf && m[6] == k.antwort)) << k.hilfe;
        }
    }
    EXPECT_EQ(gesehen, (std::set<std::string>{"+x", "-x", "+y", "-y"}));
}

} // namespace
