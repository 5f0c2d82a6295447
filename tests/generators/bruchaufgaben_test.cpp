// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausdruck.h"
#include "generators/bruchaufgaben.h"
#include "pakettest.h"

#include <limits>
#include <numeric>
#include <regex>
#include <tuple>

namespace numora::test {
namespace {

constexpr auto B = thema::bruRe;
const std::string vorn = "Welcher Bruch ist der Wert des Rechenausdrucks ";
const std::string kgvSatz = "Das kleinste gemeinsame Vielfache der Nenner ";
const std::string gleichnamig = " . Die Brüche werden durch Erweitern gleichnamig gemacht: \n";

// Ziehungen: Zähler, Nenner (neu bis teilerfremd) je Bruch; Operator; auf Level 3 zweimal
// das und der äußere Operator.
INSTANTIATE_TEST_SUITE_P(
    Bruchrechnung, Karten,
    testing::Values(
        // 6/9 ist kürzbar: nur der Nenner wird neu gezogen.
        Kartenfall(B, "Kuerzen", 1, {6, 9, 4, 7, 10}, "10",
                   "Mit welcher Zahl muss der Bruch 60/70 gekürzt werden, damit sich das "
                   "Ergebnis nicht weiter reduzieren lässt?",
                   "60 = 10 · 6,  70 = 10 · 7,\n also wird 60/70 mit 10 gekürzt\n Ergebnis: 6/7 "),
        // 5/6 und 7/8 sind nicht kleiner als 4/5: der zweite Bruch wird neu gezogen.
        Kartenfall(B, "Summe", 2, {4, 6, 2, 5, 5, 6, 7, 8, 2, 4, 9, 1}, "46/45",
                   vorn + "4/5 + 2/9 ?",
                   kgvSatz + "5 und 9 ist 45" + gleichnamig +
                       "4/5 wird mit 9 erweitert \n 2/9 wird mit 5 erweitert \n"
                       "4/5 + 2/9  = 36/45 + 10/45 \n = 46/45\n "),
        // Im zweiten Teil wird der gleiche Bruch 3/2 neu gezogen.
        Kartenfall(B, "ZweiRechnungen", 3, {2, 3, 4, 5, 3, 3, 2, 3, 2, 3, 8, 0, 3}, "13/48",
                   vorn + "(2/3 : 4/5) - (3/2 · 3/8) ?",
                   " 2/3 : 4/5  = 2/3 · 5/4 \n = (2 · 5) / (3 · 4) \n = 10 / 12  \n Kürzen mit "
                   "2 ergibt 5/6\n3/2 * 3/8  = (3 · 3) / (2 · 8) \n = 9 / 16  \n Nicht weiter zu "
                   "kürzen.\n Zu berechnen ist also :\n 5/6 - 9/16 \n\n" +
                       kgvSatz + "6 und 16 ist 48" + gleichnamig +
                       "5/6 wird mit 8 erweitert \n 9/16 wird mit 3 erweitert \n5/6 - 9/16  = "
                       "40/48 - 27/48 \n = 13/48\n")),
    fallName);

// Schutz gegen Eingaben, die das Spiel nie macht: keine Endlosschleife, kein Überlauf.
TEST(BruchRandfaelle, GrenzenGradeUndNennerNull) {
    SkriptQuelle skript{2, 2, 3, 4, 5, 2, 3, 0};
    ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_EQ(genPosBruch(0), Bruch(2, 3));
    EXPECT_EQ(genBruchaufgabe1(-4).text, "4/5 · 2/3");
    EXPECT_EQ(bruchHilf("x", {1, 2}, {1, 3}) + bruchHilf("+", {1, 0}, {1, 2}), "");
    const std::int64_t riesig = std::numeric_limits<std::int64_t>::max();
    EXPECT_NE(bruchHilf("*", {riesig, 3}, {riesig, 2})
                  .find("= 85070591730234615847396907784232501249 / 6"),
              std::string::npos);
}

// Ein negativer Teiler (Level 3): Der Rechenweg endet beim Bruch der Antwort, nicht bei "2 / -1".
TEST(BruchHilf, NegativerNennerEndetBeiDerAntwort) {
    for (const auto& [b1, b2, ende] : {std::tuple{Bruch(2, 1), Bruch(-1, 1), ": -2"},
                                       std::tuple{Bruch(1, 3), Bruch(-13, 15), "ergibt -5/13"},
                                       std::tuple{Bruch(2, 3), Bruch(-5, 7), ": -14/15"}}) {
        EXPECT_TRUE(bruchHilf(":", b1, b2).ends_with(ende)) << bruchHilf(":", b1, b2);
    }
}

// Level 1: Der gekürzte Bruch hat Zähler und Nenner von 2 bis 9. Sonst der Wert des Terms über
// den eigenen Auswerter; "a/b" ist dort ein Bruch, kein Teilen. Auf Level 2 ist der erste Bruch
// der größere, der Wert also positiv.
TEST(BruchOrakel, AntwortKuerztAufGrundformOderIstDerWertDesTerms) {
    const std::regex kuerzen("Mit welcher Zahl muss der Bruch (\\d+)/(\\d+) gekürzt werden, "
                             "damit sich das Ergebnis nicht weiter reduzieren lässt\\?");
    const std::regex bruch("(\\d+)/(\\d+)");
    fuerJedeKarte(B, [&](const Karte& k, std::int64_t level) {
        std::smatch m;
        if (level == 1) {
            ASSERT_TRUE(std::regex_match(k.frage, m, kuerzen));
            const std::int64_t z = std::stoll(m[1]), n = std::stoll(m[2]), g = std::gcd(z, n);
            ASSERT_TRUE(k.antwort == std::to_string(g) && g >= 2 && z / g <= 9 && n / g <= 9 &&
                        k.teilerGesucht);
            return;
        }
        ASSERT_TRUE(!k.teilerGesucht && k.frage.starts_with(vorn) && k.frage.ends_with(" ?"));
        const std::string term = k.frage.substr(vorn.size(), k.frage.size() - vorn.size() - 2);
        const Rational w = Ausdruck::wert(std::regex_replace(term, bruch, "($1/$2)"));
        ASSERT_TRUE(k.antwort == w.text() && (level == 3 || 0 < w));
    });
}

} // namespace
} // namespace numora::test
