#include "core/zufall.h"
#include "generators/paket.h"
#include "generators/restklassen.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using numora::Aufgabe;

constexpr std::int64_t minI = std::numeric_limits<std::int64_t>::min();

struct RestFall {
    std::int64_t a;
    std::int64_t b;
    std::int64_t erwartet;
};

class Rest : public testing::TestWithParam<RestFall> {};

TEST_P(Rest, HatDasVorzeichenDesDividendenUndLaeuftNieUeber) {
    const RestFall& f = GetParam();
    EXPECT_EQ(numora::rest(f.a, f.b), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Rest,
                         testing::Values(RestFall{17, 5, 2}, RestFall{19, 4, 3}, RestFall{21, 7, 0},
                                         RestFall{3, 7, 3}, RestFall{-7, 4, -3}, RestFall{7, -4, 3},
                                         RestFall{minI, -1, 0}, RestFall{minI, 7, -1},
                                         RestFall{5, 0, 5}));

TEST(Kehrwert, IstFuerJedenRestUngleichNullEinEchtesInverses) {
    for (const std::int64_t m : {5, 7, 11}) {
        EXPECT_EQ(numora::kehrwert(0, m), 0);
        for (std::int64_t n = 1; n < m; ++n) {
            const std::int64_t k = numora::kehrwert(n, m);
            EXPECT_TRUE(k >= 1 && k < m && n * k % m == 1) << n << " mod " << m;
        }
    }
}

TEST(Kehrwert, GibtAusserhalbDerTafelnNull) {
    EXPECT_EQ(numora::kehrwert(2, 13), 0);
    EXPECT_EQ(numora::kehrwert(3, 0), 0);
    EXPECT_EQ(numora::kehrwert(7, 7), 0);
    EXPECT_EQ(numora::kehrwert(-1, 5), 0);
    EXPECT_EQ(numora::kehrwert(minI, 11), 0);
}

TEST(MDarst, ZeigtVielfachesUndRestNurAbDemModul) {
    EXPECT_EQ(numora::mDarst(17, 5), "\n = 3·5 + 2");
    EXPECT_EQ(numora::mDarst(7, 7), "\n = 1·7 + 0");
    EXPECT_EQ(numora::mDarst(100, 11), "\n = 9·11 + 1");
    EXPECT_EQ(numora::mDarst(6, 7), "");
    EXPECT_EQ(numora::mDarst(5, 0), "");
    EXPECT_EQ(numora::mDarst(5, -3), "");
}

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    Aufgabe erwartet;
};

class RestRechnen : public testing::TestWithParam<Fall> {};

TEST_P(RestRechnen, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::genRestRechnen(f.level);
    EXPECT_EQ(a.text, f.erwartet.text);
    EXPECT_EQ(a.loesung, f.erwartet.loesung);
    EXPECT_EQ(a.hilfe, f.erwartet.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Ziehungen: Modulindex, dann Stufe 1: Divisorwahl, Dividend, Art;
// Stufen 2 und 3: Operation, a, b (und v bei Operation 0).
INSTANTIATE_TEST_SUITE_P(
    JedeVerzweigung, RestRechnen,
    testing::Values(
        Fall{"L1RestDurch4",
             1,
             {0, 1, 19, 1},
             {"Welchen Rest lässt 19 bei Division durch 4?", 3,
              "19 = 4 * 4 + 3\nDer gesuchte Rest ist daher 3."}},
        Fall{"L1QuotientDurch7",
             1,
             {2, 2, 99, 2},
             {"Was ist der ganzzahlige Bestandteil des Quotienten 99 / 7 ?", 14,
              "99 = 14 * 7 + 1\nDer gesuchte ganzzzahlige Bestandteil von 99 / 7 ist daher 14."}},
        Fall{"L2SummeUnterOp0OhneMDarst",
             2,
             {1, 0, 2, 3, 1},
             {"  Berechne modulo 7:      2 + 3", 5, "2 + 3 = 5 \n Ergebnis: 5"}},
        Fall{"L2ProduktUnterOp0MitMDarst",
             2,
             {0, 0, 4, 5, 2},
             {"  Berechne modulo 7:      4 · 5", 6, "4 · 5 = 20 \n = 2·7 + 6 \n Ergebnis: 6"}},
        Fall{"L2ProduktUnterOp0OhneMDarst",
             2,
             {0, 0, 2, 3, 2},
             {"  Berechne modulo 7:      2 · 3", 6, "2 · 3 = 6  \n Ergebnis: 6"}},
        Fall{"L2Negation",
             2,
             {2, 0, 3, 6, 3},
             {"  Berechne modulo 7:      -3", 4, " -3  = 7 - 3 = 4"}},
        Fall{"L2SummeMitMDarst",
             2,
             {0, 1, 6, 5},
             {"  Berechne modulo 7:      6 + 5", 4, "6 + 5 = 11 \n = 1·7 + 4\n Ergebnis: 4"}},
        Fall{"L2ProduktOhneMDarst",
             2,
             {0, 2, 2, 3},
             {"  Berechne modulo 7:      2 · 3", 6, "2 · 3 = 6\n Ergebnis: 6"}},
        Fall{"L2ProduktMitMDarst",
             2,
             {0, 2, 3, 5},
             {"  Berechne modulo 7:      3 · 5", 1, "3 · 5 = 15\n = 2·7 + 1\n Ergebnis: 1"}},
        Fall{"L2Kehrwert",
             2,
             {0, 3, 3, 2},
             {"  Berechne modulo 7:      1/3", 5,
              " 1/3  = 5\n denn 3 · 5 = 15\n = 2 · 7 + 1\nErgebnis ist also 5"}},
        Fall{"L3DivisionKleinesEinmaleins",
             3,
             {1, 4, 4, 2},
             {"  Berechne modulo 7:      4 / 2", 2, "4 / 2 = 2\n (Kleines Einmaleins)"}},
        Fall{"L3DivisionUeberDenKehrwert",
             3,
             {1, 4, 3, 2},
             {"  Berechne modulo 7:      3 / 2", 5,
              "1/2 = 4, denn \n 2 · 4 = 8 = 1 · 7 + 1\n3 * 4 = 12 \n = 1·7 + 5\nErgebnis ist "
              "also 5"}},
        Fall{"L3DivisionOhneMDarst",
             3,
             {0, 4, 2, 3},
             {"  Berechne modulo 5:      2 / 3", 4,
              "1/3 = 2, denn \n 3 · 2 = 6 = 1 · 5 + 1\n2 * 2 = 4 \nErgebnis ist also 4"}},
        Fall{"L3SummeModulo5",
             3,
             {0, 1, 4, 4},
             {"  Berechne modulo 5:      4 + 4", 3, "4 + 4 = 8 \n = 1·5 + 3\n Ergebnis: 3"}},
        Fall{"L3ProduktModulo7",
             3,
             {1, 2, 6, 6},
             {"  Berechne modulo 7:      6 · 6", 1, "6 · 6 = 36\n = 5·7 + 1\n Ergebnis: 1"}},
        Fall{"L3ProduktModulo11",
             3,
             {2, 2, 10, 10},
             {"  Berechne modulo 11:      10 · 10", 1, "10 · 10 = 100\n = 9·11 + 1\n Ergebnis: 1"}},
        Fall{"L3KehrwertModulo11",
             3,
             {2, 3, 7, 2},
             {"  Berechne modulo 11:      1/7", 8,
              " 1/7  = 8\n denn 7 · 8 = 56\n = 5 · 11 + 1\nErgebnis ist also 8"}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

TEST(RestRechnen, Stufe3ZiehtKeineOperation0UndStufe2KeineDivision) {
    {
        numora::SkriptQuelle skript{0, 0};
        numora::ZufallsquelleErsetzen ersetzt(skript);
        EXPECT_THROW(numora::genRestRechnen(3), std::logic_error);
    }
    numora::SkriptQuelle skript{0, 4};
    numora::ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_THROW(numora::genRestRechnen(2), std::logic_error);
}

struct PaketFall {
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    numora::Karte erwartet;
};

class RestPaket : public testing::TestWithParam<PaketFall> {};

TEST_P(RestPaket, UebernimmtTextAntwortUndErklaerung) {
    const PaketFall& f = GetParam();
    std::vector<std::int64_t> acht;
    for (int i = 0; i < 8; ++i) {
        acht.insert(acht.end(), f.ziehungen.begin(), f.ziehungen.end());
    }
    numora::SkriptQuelle skript(acht);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::restKl, f.level);
    ASSERT_EQ(paket.size(), 8u);
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k, f.erwartet);
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JederLevel, RestPaket,
    testing::Values(PaketFall{1,
                              {0, 2, 50, 1},
                              {numora::thema::restKl,
                               "Welchen Rest lässt 50 bei Division durch 7?",
                               {},
                               "1",
                               "50 = 7 * 7 + 1\nDer gesuchte Rest ist daher 1.",
                               false}},
                    PaketFall{2,
                              {2, 0, 5, 2, 3},
                              {numora::thema::restKl,
                               "  Berechne modulo 7:      -5",
                               {},
                               "2",
                               " -5  = 7 - 5 = 2",
                               false}},
                    PaketFall{3,
                              {0, 3, 4, 2},
                              {numora::thema::restKl,
                               "  Berechne modulo 5:      1/4",
                               {},
                               "4",
                               " 1/4  = 4\n denn 4 · 4 = 16\n = 3 · 5 + 1\nErgebnis ist also 4",
                               false}}));

// Unabhängige Probe: Antwort durch Durchprobieren aller Reste, Zerlegungszeilen nachgerechnet.
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

void zerlegungenPruefen(const std::string& hilfe) {
    static const std::regex zeile(R"((\d+) ?\n = (\d+)·(\d+) \+ (\d+))");
    for (std::sregex_iterator i(hilfe.begin(), hilfe.end(), zeile), ende; i != ende; ++i) {
        const std::int64_t x = std::stoll((*i)[1]);
        const std::int64_t q = std::stoll((*i)[2]);
        const std::int64_t m = std::stoll((*i)[3]);
        const std::int64_t r = std::stoll((*i)[4]);
        EXPECT_EQ(x, q * m + r) << hilfe;
        EXPECT_LT(r, m) << hilfe;
    }
}

class RestRechnenOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(RestRechnenOrakel, AntwortStimmtMitDurchprobierenUeberein) {
    const std::int64_t level = GetParam();
    static const std::regex modulo(
        R"(  Berechne modulo (\d+):      (?:(\d+) (\+|·|/) (\d+)|(-|1/)(\d+)))");
    static const std::regex rest(R"(Welchen Rest lässt (\d+) bei Division durch (\d+)\?)");
    static const std::regex quotient(
        R"(Was ist der ganzzahlige Bestandteil des Quotienten (\d+) / (\d+) \?)");
    std::set<std::int64_t> moduln;
    std::set<std::string> arten;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::restKl, level)) {
            std::smatch t;
            if (level == 1) {
                const bool istRest = std::regex_match(k.frage, t, rest);
                ASSERT_TRUE(istRest || std::regex_match(k.frage, t, quotient)) << k.frage;
                const std::int64_t n = std::stoll(t[1]);
                const std::int64_t d = std::stoll(t[2]);
                ASSERT_TRUE(n >= 19 && n <= 99 && (d == 4 || d == 7)) << k.frage;
                ASSERT_EQ(k.antwort, std::to_string(istRest ? n % d : n / d)) << k.frage;
                ASSERT_EQ(k.hilfe.rfind(std::to_string(n) + " = " + std::to_string(n / d) + " * " +
                                            std::to_string(d) + " + " + std::to_string(n % d),
                                        0),
                          0u);
                continue;
            }
            ASSERT_TRUE(std::regex_match(k.frage, t, modulo)) << k.frage;
            const std::int64_t m = std::stoll(t[1]);
            const bool zweistellig = t[2].matched;
            const std::string art = zweistellig ? t[3].str() : t[5].str();
            const std::int64_t a = std::stoll(zweistellig ? t[2] : t[6]);
            const std::int64_t b = zweistellig ? std::stoll(t[4]) : 2;
            ASSERT_TRUE(a >= 2 && a < m && b >= 2 && b < m) << k.frage;
            ASSERT_EQ(k.antwort, std::to_string(durchprobieren(art, a, b, m))) << k.frage;
            zerlegungenPruefen(k.hilfe);
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
