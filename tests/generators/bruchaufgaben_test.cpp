#include "ausdruck.h"
#include "core/zufall.h"
#include "generators/bruchaufgaben.h"
#include "generators/paket.h"
#include "pakettest.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <numeric>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using numora::Bruch;
using numora::test::Ausdruck;
using numora::test::Rational;

const std::string vorn = "Welcher Bruch ist der Wert des Rechenausdrucks ";
const std::string kgvSatz = "Das kleinste gemeinsame Vielfache der Nenner ";
const std::string gleichnamig = " . Die Brüche werden durch Erweitern gleichnamig gemacht: \n";
const std::string hilfeDiff34_56 = kgvSatz + "4 und 6 ist 12" + gleichnamig +
                                   "3/4 wird mit 3 erweitert \n 5/6 wird mit 2 erweitert \n"
                                   "3/4 - 5/6  = 9/12 - 10/12 \n = -1/12\n";
const std::string hilfeProd23_34 = "2/3 * 3/4  = (2 · 3) / (3 · 4) \n = 6 / 12  \n"
                                   " Kürzen mit 6 ergibt 1/2";

struct Kopf {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungenJeKarte;
    const char* antwort;
};

struct Fall {
    Kopf kopf;
    std::string frage;
    std::string hilfe;
};

class BruchKarte : public testing::TestWithParam<Fall> {};

TEST_P(BruchKarte, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::test::erwarteKarten(numora::thema::bruRe, f.kopf.level, f.kopf.ziehungenJeKarte,
                                f.frage, f.kopf.antwort, f.hilfe);
}

// Ziehungen: Zähler, Nenner (neu bis teilerfremd) je Bruch; Operator; auf Level 3 zweimal
// das und der äußere Operator.
INSTANTIATE_TEST_SUITE_P(
    JederZweig, BruchKarte,
    testing::Values(
        // 6/9 und 6/4 sind kürzbar: nur der Nenner wird neu gezogen.
        Fall{{"L1KuerzenNennerNeu", 1, {6, 9, 4, 7, 10}, "10"},
             "Mit welcher Zahl muss der Bruch 60/70 gekürzt werden, damit sich das Ergebnis "
             "nicht weiter reduzieren lässt?",
             "60 = 10 · 6,  70 = 10 · 7,\n also wird 60/70 mit 10 gekürzt\n Ergebnis: 6/7 "},
        // 5/6 und 7/8 sind nicht kleiner als 4/5: der zweite Bruch wird neu gezogen.
        Fall{{"L2SummeBeideErweitert", 2, {4, 6, 2, 5, 5, 6, 7, 8, 2, 4, 9, 1}, "46/45"},
             vorn + "4/5 + 2/9 ?",
             kgvSatz + "5 und 9 ist 45" + gleichnamig +
                 "4/5 wird mit 9 erweitert \n 2/9 wird mit 5 erweitert \n"
                 "4/5 + 2/9  = 36/45 + 10/45 \n = 46/45\n "},
        // Gleiche Brüche ergäben die Differenz 0.
        Fall{{"L2DifferenzNurErsterErweitert", 2, {2, 3, 2, 3, 4, 9, 2}, "2/9"},
             vorn + "2/3 - 4/9 ?",
             kgvSatz + "3 und 9 ist 9" + gleichnamig +
                 "2/3 wird mit 3 erweitert \n 2/3 - 4/9  = 6/9 - 4/9 \n = 2/9\n"},
        // Auf Level 3 darf der erste Bruch kleiner sein; beide Malzeichen-Ziehungen gelten.
        Fall{{"L3ProduktNachGleichnamigerSumme", 3, {3, 4, 5, 6, 2, 4, 5, 2, 5, 1, 1}, "-1/10"},
             vorn + "(3/4 - 5/6) · (4/5 + 2/5) ?",
             " " + hilfeDiff34_56 + "\n4/5 + 2/5  = (4 + 2) / 5 \n = 6/5" +
                 "\n Zu berechnen ist also :\n -1/12 · 6/5 \n\n"
                 "-1/12 * 6/5  = (-1 · 6) / (12 · 5) \n = -6 / 60  \n Kürzen mit 6 ergibt -1/10"},
        Fall{{"L3QuotientDurchNegativen", 3, {5, 3, 2, 3, 2, 3, 4, 5, 6, 2, 4}, "-12"},
             vorn + "(5/3 - 2/3) : (3/4 - 5/6) ?",
             " 5/3 - 2/3  = (5 - 2) / 3 \n = 1\n Ergebnis: 1\n" + hilfeDiff34_56 +
                 "\n Zu berechnen ist also :\n 1 : -1/12 \n\n"
                 "1 : -1/12  = 1 · -12 \n = (1 · 12) / (1 · -1) \n = 12 / -1  \n"
                 " Nicht weiter zu kürzen."},
        // Im zweiten Teil wird der gleiche Bruch 3/2 neu gezogen.
        Fall{{"L3DifferenzQuotientProdukt", 3, {2, 3, 4, 5, 3, 3, 2, 3, 2, 3, 8, 0, 3}, "13/48"},
             vorn + "(2/3 : 4/5) - (3/2 · 3/8) ?",
             " 2/3 : 4/5  = 2/3 · 5/4 \n = (2 · 5) / (3 · 4) \n = 10 / 12  \n"
             " Kürzen mit 2 ergibt 5/6\n"
             "3/2 * 3/8  = (3 · 3) / (2 · 8) \n = 9 / 16  \n Nicht weiter zu kürzen."
             "\n Zu berechnen ist also :\n 5/6 - 9/16 \n\n" +
                 kgvSatz + "6 und 16 ist 48" + gleichnamig +
                 "5/6 wird mit 8 erweitert \n 9/16 wird mit 3 erweitert \n"
                 "5/6 - 9/16  = 40/48 - 27/48 \n = 13/48\n"},
        Fall{{"L3SummeNurZweiterErweitert", 3, {3, 4, 5, 6, 2, 2, 3, 3, 4, 0, 2}, "5/12"},
             vorn + "(3/4 - 5/6) + (2/3 · 3/4) ?",
             " " + hilfeDiff34_56 + "\n" + hilfeProd23_34 +
                 "\n Zu berechnen ist also :\n -1/12 + 1/2 \n\n" + kgvSatz + "12 und 2 ist 12" +
                 gleichnamig +
                 "1/2 wird mit 6 erweitert \n-1/12 + 1/2  = -1/12 + 6/12 \n = 5/12\n "}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.kopf.name; });

// Schutz gegen Eingaben, die das Spiel nie macht: keine Endlosschleife, kein Überlauf.
TEST(BruchRandfaelle, GrenzenGradeUndNennerNull) {
    numora::SkriptQuelle skript{2, 2, 3, 4, 5, 2, 3, 0};
    numora::ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_EQ(numora::genPosBruch(0), Bruch(2, 3));
    EXPECT_EQ(numora::genBruchaufgabe1(-4).text, "4/5 · 2/3");
    EXPECT_EQ(skript.uebrig(), 0u);
    EXPECT_EQ(numora::bruchHilf("x", {1, 2}, {1, 3}) + numora::bruchHilf("+", {1, 0}, {1, 2}) +
                  numora::bruchHilf("-", {1, 2}, {1, 0}),
              "");
    const std::int64_t riesig = std::numeric_limits<std::int64_t>::max();
    EXPECT_NE(numora::bruchHilf("*", {riesig, 3}, {riesig, 2})
                  .find("= 85070591730234615847396907784232501249 / 6"),
              std::string::npos);
}

bool gekuerzt(std::int64_t z, std::int64_t n, std::int64_t bis) {
    return z >= 2 && n >= 2 && z <= bis && n <= bis && std::gcd(z, n) == 1;
}

TEST(BruchKuerzenOrakel, AntwortKuerztAufGrundform) {
    const std::regex frage("Mit welcher Zahl muss der Bruch (\\d+)/(\\d+) gekürzt werden, "
                           "damit sich das Ergebnis nicht weiter reduzieren lässt\\?");
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::bruRe, 1)) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(k.frage, m, frage)) << k.frage;
            const std::int64_t z = std::stoll(m[1]);
            const std::int64_t n = std::stoll(m[2]);
            const std::int64_t g = std::gcd(z, n);
            ASSERT_EQ(k.antwort, std::to_string(g)) << k.frage;
            ASSERT_TRUE(g >= 2 && g <= 10 && gekuerzt(z / g, n / g, 9)) << k.frage;
        }
    }
}

// Wert des Terms über den eigenen Auswerter; "a/b" ist dort ein Bruch, kein Teilen.
class BruchOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(BruchOrakel, AntwortIstDerWertDesTerms) {
    const std::int64_t level = GetParam();
    const std::regex bruch("(\\d+)/(\\d+)");
    const std::regex aufbau(level == 2 ? "(\\d+)/(\\d+) (·|\\+|-) (\\d+)/(\\d+)"
                                       : "\\((\\d+)/(\\d+) \\S+ \\d+/\\d+\\) (\\S+) "
                                         "\\((\\d+)/(\\d+) \\S+ \\d+/\\d+\\)");
    std::set<std::string> operatoren;
    std::set<std::string> ersteBrueche;
    bool negativ = false;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::bruRe, level)) {
            ASSERT_TRUE(k.frage.starts_with(vorn) && k.frage.ends_with(" ?")) << k.frage;
            const std::string term = k.frage.substr(vorn.size(), k.frage.size() - vorn.size() - 2);
            const Rational w = Ausdruck::wert(std::regex_replace(term, bruch, "($1/$2)"));
            ASSERT_EQ(k.antwort, w.text()) << term;
            ASSERT_FALSE(k.hilfe.empty()) << term;
            negativ = negativ || w < Rational(0);
            std::smatch m;
            ASSERT_TRUE(std::regex_match(term, m, aufbau)) << term;
            operatoren.insert(m[3]);
            ersteBrueche.insert(m.str(1) + "/" + m.str(2));
            const auto z = [&](int i) { return std::stoll(m[i]); };
            // Der erste Bruch jeder Rechnung hat Zahlen bis 6, der zweite bis 9.
            ASSERT_TRUE(gekuerzt(z(1), z(2), 6) && gekuerzt(z(4), z(5), level == 2 ? 9 : 6))
                << term;
            for (auto it = std::sregex_iterator(term.begin(), term.end(), bruch);
                 it != std::sregex_iterator(); ++it) {
                ASSERT_TRUE(gekuerzt(std::stoll((*it)[1]), std::stoll((*it)[2]), 9)) << term;
            }
            if (level == 2) {
                ASSERT_TRUE(Rational(z(4), z(5)) < Rational(z(1), z(2))) << term;
            }
        }
    }
    EXPECT_EQ(operatoren.size(), level == 2 ? 3u : 4u);
    EXPECT_EQ(negativ, level == 3);
    // Alle zwölf teilerfremden Paare verschiedener Zahlen aus 2..6.
    EXPECT_EQ(ersteBrueche.size(), 12u);
}

INSTANTIATE_TEST_SUITE_P(JederLevel, BruchOrakel, testing::Values(2, 3),
                         [](const testing::TestParamInfo<std::int64_t>& i) {
                             return "Level" + std::to_string(i.param);
                         });

} // namespace
