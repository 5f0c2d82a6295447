#include "core/zufall.h"
#include "generators/paket.h"
#include "generators/restklassen.h"
#include "pakettest.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

// Aufrufe, die das Spiel nie macht, bleiben definiert: kein Überlauf, kein Zugriff neben die Tafel.
TEST(RestHelfer, BleibenAuchAusserhalbDesSpielsDefiniert) {
    EXPECT_EQ(numora::rest(std::numeric_limits<std::int64_t>::min(), -1), 0);
    EXPECT_EQ(numora::rest(5, 0), 5);
    EXPECT_EQ(numora::kehrwert(std::numeric_limits<std::int64_t>::min(), 11), 0);
    EXPECT_EQ(numora::kehrwert(2, 13), 0);
    EXPECT_EQ(numora::mDarst(5, -3), "");
}

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    std::int64_t antwort;
    std::string frage, hilfe;
};

class RestRechnen : public testing::TestWithParam<Fall> {};

TEST_P(RestRechnen, ErzeugtGenauDieseKarten) {
    const Fall& f = GetParam();
    numora::test::erwarteKarten(numora::thema::restKl, f.level, f.ziehungen, f.frage,
                                std::to_string(f.antwort), f.hilfe);
}

const std::string mod7 = "  Berechne modulo 7:      ";

// Ziehungen: Modulindex, dann Stufe 1: Divisorwahl, Dividend, Art;
// Stufen 2 und 3: Operation, a, b (und die Variante bei Operation 0).
INSTANTIATE_TEST_SUITE_P(
    JedeVerzweigung, RestRechnen,
    testing::Values(
        Fall("RestDurch4", 1, {0, 1, 19, 1}, 3, "Welchen Rest lässt 19 bei Division durch 4?",
             "19 = 4 * 4 + 3\nDer gesuchte Rest ist daher 3."),
        Fall("QuotientDurch7", 1, {2, 2, 99, 2}, 14,
             "Was ist der ganzzahlige Bestandteil des Quotienten 99 / 7 ?",
             "99 = 14 * 7 + 1\nDer gesuchte ganzzahlige Bestandteil von 99 / 7 ist daher 14."),
        Fall("Op0SummeGleichDemModul", 2, {1, 0, 3, 4, 1}, 0, mod7 + "3 + 4",
             "3 + 4 = 7 \n = 1·7 + 0\n Ergebnis: 0"),
        Fall("Op0ProduktMitZerlegung", 2, {0, 0, 4, 5, 2}, 6, mod7 + "4 · 5",
             "4 · 5 = 20 \n = 2·7 + 6 \n Ergebnis: 6"),
        Fall("Op0ProduktOhneZerlegung", 2, {0, 0, 2, 3, 2}, 6, mod7 + "2 · 3",
             "2 · 3 = 6  \n Ergebnis: 6"),
        Fall("Op0Negation", 2, {2, 0, 3, 6, 3}, 4, mod7 + "-3", " -3  = 7 - 3 = 4"),
        Fall("SummeOhneZerlegung", 2, {0, 1, 2, 3}, 5, mod7 + "2 + 3", "2 + 3 = 5 \n Ergebnis: 5"),
        Fall("ProduktOhneZerlegung", 2, {0, 2, 2, 3}, 6, mod7 + "2 · 3", "2 · 3 = 6\n Ergebnis: 6"),
        Fall("Kehrwert", 2, {0, 3, 3, 2}, 5, mod7 + "1/3",
             " 1/3  = 5\n denn 3 · 5 = 15\n = 2 · 7 + 1\nErgebnis ist also 5"),
        Fall("DivisionKleinesEinmaleins", 3, {1, 4, 4, 2}, 2, mod7 + "4 / 2",
             "4 / 2 = 2\n (Kleines Einmaleins)"),
        Fall("DivisionUeberDenKehrwert", 3, {1, 4, 3, 2}, 5, mod7 + "3 / 2",
             "1/2 = 4, denn \n 2 · 4 = 8 = 1 · 7 + 1\n3 * 4 = 12 \n = 1·7 + 5\nErgebnis ist "
             "also 5"),
        Fall("DivisionOhneZerlegungModulo5", 3, {0, 4, 2, 3}, 4, "  Berechne modulo 5:      2 / 3",
             "1/3 = 2, denn \n 3 · 2 = 6 = 1 · 5 + 1\n2 * 2 = 4 \nErgebnis ist also 4"),
        Fall("ProduktMitZerlegungModulo11", 3, {2, 2, 10, 10}, 1,
             "  Berechne modulo 11:      10 · 10", "10 · 10 = 100\n = 9·11 + 1\n Ergebnis: 1")),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// Die Antwort durch Durchprobieren aller Reste.
std::int64_t durchprobieren(const std::string& art, std::int64_t a, std::int64_t b,
                            std::int64_t m) {
    for (std::int64_t x = 0; x < m; ++x) {
        const bool passt = art == "+"    ? (a + b - x) % m == 0
                           : art == "·"  ? (a * b - x) % m == 0
                           : art == "-"  ? (x + a) % m == 0
                           : art == "1/" ? (x * a) % m == 1
                                         : (x * b - a) % m == 0;
        if (passt) {
            return x;
        }
    }
    return -1;
}

class RestRechnenOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(RestRechnenOrakel, AntwortStimmtMitDurchprobierenUeberein) {
    const std::int64_t level = GetParam();
    static const std::regex modulo(
        R"(  Berechne modulo (\d+):      (?:(\d+) (\+|·|/) (\d+)|(-|1/)(\d+)))");
    static const std::regex division(R"((?:Welchen Rest lässt (\d+) bei Division durch (\d+)\?)"
                                     R"(|Was ist der ganzzahlige Bestandteil des Quotienten )"
                                     R"((\d+) / (\d+) \?))");
    static const std::regex zerlegung(R"((\d+) ?\n = (\d+)·(\d+) \+ (\d+))");
    std::set<std::int64_t> moduln;
    std::set<std::string> arten;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::restKl, level)) {
            SCOPED_TRACE(k.frage + "\n" + k.hilfe);
            std::smatch t;
            if (level == 1) {
                ASSERT_TRUE(std::regex_match(k.frage, t, division));
                const bool istRest = t[1].matched;
                const std::int64_t n = std::stoll(t[istRest ? 1 : 3]);
                const std::int64_t d = std::stoll(t[istRest ? 2 : 4]);
                ASSERT_TRUE(n >= 19 && n <= 99 && (d == 4 || d == 7));
                ASSERT_EQ(k.antwort, std::to_string(istRest ? n % d : n / d));
                ASSERT_EQ(k.hilfe.rfind(std::to_string(n) + " = " + std::to_string(n / d) + " * " +
                                            std::to_string(d) + " + " + std::to_string(n % d),
                                        0),
                          0u);
                continue;
            }
            ASSERT_TRUE(std::regex_match(k.frage, t, modulo));
            const std::int64_t m = std::stoll(t[1]);
            const bool zweistellig = t[2].matched;
            const std::string art = zweistellig ? t[3].str() : t[5].str();
            const std::int64_t a = std::stoll(zweistellig ? t[2] : t[6]);
            const std::int64_t b = zweistellig ? std::stoll(t[4]) : 2;
            ASSERT_TRUE(a >= 2 && a < m && b >= 2 && b < m);
            ASSERT_EQ(k.antwort, std::to_string(durchprobieren(art, a, b, m)));
            // Jede Zerlegungszeile x = q·m + r muss stimmen.
            for (std::sregex_iterator i(k.hilfe.begin(), k.hilfe.end(), zerlegung), e; i != e;
                 ++i) {
                const auto z = [&i](int g) { return std::stoll((*i)[g]); };
                ASSERT_TRUE(z(1) == z(2) * z(3) + z(4) && z(4) < z(3));
            }
            moduln.insert(m);
            arten.insert(art);
        }
    }
    if (level == 2) {
        EXPECT_EQ(moduln, (std::set<std::int64_t>{7}));
        EXPECT_EQ(arten, (std::set<std::string>{"+", "·", "-", "1/"}));
    } else if (level == 3) {
        EXPECT_EQ(moduln, (std::set<std::int64_t>{5, 7, 11}));
        EXPECT_EQ(arten, (std::set<std::string>{"+", "·", "1/", "/"}));
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, RestRechnenOrakel, testing::Values(1, 2, 3));

} // namespace
