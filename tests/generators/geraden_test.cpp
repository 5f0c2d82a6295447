// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausdruck.h"
#include "pakettest.h"

#include <functional>
#include <regex>
#include <set>

namespace numora::test {
namespace {

constexpr auto G = thema::geraden;
const std::string stelle = "An welcher Stelle schneidet die Gerade mit der Gleichung ";
const std::string steigung = " beschreibt eine Gerade.\n Welchen Wert hat ihre Steigung?";
const std::string allgemein = "Die allgemeine Gleichung einer Geraden, die nicht parallel ";
const std::string schnitt = "Die Geraden mit den Gleichungen \n y =  - 3 und y = -x  - 1\n "
                            "schneiden sich in einem Punkt (a;b). Berechne ";
const std::string yAchse = "\n An welcher Stelle schneidet sie die y-Achse?";

// Ziehungen: Art, dann Level 1: p, q oder bei Art 4 m, b, x1, x2 (neu bis x2 != x1);
// Level 2: sx, sy, m1, m2 (neu bis m2 != m1); Level 3 siehe Zeilen.
INSTANTIATE_TEST_SUITE_P(
    Geraden, Karten,
    testing::Values(
        Kartenfall(G, "Steigung", 1, {1, 5, 3}, "5", "Die Gleichung    y = 5x + 3" + steigung,
                   allgemein + "\nzur y-Achse verläuft,\n lautet y = mx + b ;\n dabei ist m die "
                               "Steigung,\n also ist hier m = 5"),
        Kartenfall(G, "SteigungUmgestellt", 1, {5, 8, 2}, "-8",
                   "Die Gleichung    y + 8x = 2  " + steigung,
                   allgemein + "zur y-Achse verläuft, lautet\n y = mx + b , hier y = -8x + 2\n "
                               "dabei ist m die Steigung, also ist hier m = -8."),
        Kartenfall(G, "YAchse", 1, {2, 4, 1}, "4", stelle + "y = x  + 4 die y-Achse?",
                   "Die Gerade mit der Gleichung \ny = mx + b schneidet die y-Achse an der "
                   "Stelle b, hier also bei 4 ."),
        Kartenfall(G, "XAchse", 1, {3, 7, 9}, "7", stelle + " y = 9x - 63  die x-Achse?",
                   "Ein Punkt P(x,y) liegt auf der \nx-Achse, wenn für ihn gilt y = 0.\n Aus dem "
                   "Ansatz 0 = 9x - 63 folgt\n x = 63 / 9 = 7 .\n Die gesuchte Stelle ist also "
                   "7 ."),
        // Die gleiche zweite Stelle wird verworfen.
        Kartenfall(G, "ZweiPunkte", 1, {4, 2, 1, -3, 2, 4, 4, -1}, "-3",
                   "Welche Steigung hat eine durch die Punkte P(4; -10) und Q(-1; 5) "
                   "verlaufende Gerade?",
                   "Die Steigung der Geraden durch die Punkte P(px,py) und Q(qx,qy) berechnet "
                   "sich als \n(qy - py)/(qx - px), hier also als \nm = (5 + 10)/(-1  - 4) = -3 ."),
        // Die zweite Gerade mit gleicher Steigung 0 wird verworfen.
        Kartenfall(G, "SchnittA", 2, {1, 2, -3, 0, 0, -1}, "2", schnitt + "a",
                   "Durch Gleichsetzen der Terme für y, Ordnen und Zusammenfassen und Dividieren "
                   "durch den Koeffizienten von x erhält man x = 2."),
        Kartenfall(G, "SchnittB", 2, {2, 2, -3, 0, 0, -1}, "-3", schnitt + "b",
                   "Durch Gleichsetzen der Terme für y erhält man zunächst x = 2.\n Einsetzen in "
                   "eine der beiden Geradengleichungen liefert dann y = -3."),
        Kartenfall(G, "YAchseAusZweiPunkten", 3, {4, 2, -5, -3, 1}, "-5",
                   "Eine Gerade g verläuft durch die Punkte A(-3; -11) und B(1; -3)" + yAchse,
                   "Die Steigung m errechnet sich als Quotient aus Differenz der y-Werte und "
                   "Differenz der x-Werte, also als \n m = (-3 + 11) / (1 + 3) = 2. Einsetzen der "
                   "Koordinaten eines der gegebenen Punkte in die Geradengleichung y = 2x + b "
                   "ergibt b = -5."),
        Kartenfall(G, "YAchseAusPunktUndSteigung", 3, {5, -4, 7, 2, 0}, "7",
                   "Durch den Punkt A(2; -1) wird eine Gerade mit der Steigung -4 gezogen.\n An "
                   "welcher Stelle b schneidet sie die y-Achse?",
                   "Einsetzen von m = -4 und (x;y) = (2; -1) in die allgemeine Geradengleichung "
                   "y = m * x + b  liefert -1 = -4*2 +  b, also b = 7."),
        // Ziehungen: Art, a, m (neu bis m != 0: die Waagerechte hätte keine Nullstelle).
        Kartenfall(G, "Nullstelle", 3, {6, -2, 0, -1}, "-2", stelle + "y = -x  - 2 die x-Achse?",
                   "Mit dem Ansatz 0 = -1a + -2 ergibt sich a = 2 / -1 = -2."),
        Kartenfall(G, "Dreieck", 3, {7, 3, 4}, "96",
                   "Die Gerade mit der Gleichung  y = 3x - 24 \n berandet zusammen mit den "
                   "Koordinatenachsen ein Dreieck.\n Wie groß ist sein Flächeninhalt?",
                   "Schnitt mit der y-Achse (x = 0): y = -24\nSchnitt mit der x-Achse (y = 0): 0 = "
                   "3x - 24, also x = 24 / 3 = 8\nDie Katheten des rechtwinkligen Dreiecks sind "
                   "also 8 und 24 lang.\nFlächeninhalt = 1/2 · 8 · 24 = 96")),
    fallName);

// Steigung und Achsenabschnitt der rechten Seite von "y = ..." aus den Stellen 0 und 1.
Rational m(const std::string& rechts) {
    return Ausdruck::wert(rechts, 1) - Ausdruck::wert(rechts, 0);
}
Rational b(const std::string& rechts) {
    return Ausdruck::wert(rechts, 0);
}

// Jede Frageart: das Muster ihres Fragetexts und die Antwort aus den Zahlen darin.
TEST(GeradenOrakel, AntwortStimmtGeometrisch) {
    using M = const std::smatch&;
    const auto z = [](M t, int i) { return Rational(std::stoll(t[i])); };
    const auto steigt = [z](M t) { return (z(t, 4) - z(t, 2)) / (z(t, 3) - z(t, 1)); };
    const auto null = [](M t) { return Rational(0) - b(t[1]) / m(t[1]); };
    const auto schnittX = [](M t) { return (b(t[2]) - b(t[1])) / (m(t[1]) - m(t[2])); };
    const std::string p = "\\((-?\\d+); (-?\\d+)\\)";
    const std::string s = "Die Geraden mit den Gleichungen \n y = (.*) und y = (.*)\n schneiden "
                          "sich in einem Punkt \\(a;b\\)\\. Berechne ";
    const std::string punkte = "Welche Steigung hat eine durch die Punkte ";
    const std::string rest = "[\\s\\S]*";
    using R = std::regex;
    const std::vector<std::pair<std::regex, std::function<Rational(M)>>> arten{
        {R("Die Gleichung    y = (.*) beschreibt" + rest), [](M t) { return m(t[1]); }},
        {R("Die Gleichung    y \\+ (\\d+)x = " + rest), [z](M t) { return Rational(0) - z(t, 1); }},
        {R(stelle + "y = (.*) die y-Achse\\?"), [](M t) { return b(t[1]); }},
        {R(stelle + " ?y = (.*) die x-Achse\\?"), null},
        {R(punkte + "P" + p + " und Q" + p + " verlaufende Gerade\\?"), steigt},
        {R(punkte + "A" + p + " und B" + p + " verlaufende Gerade\\."), steigt},
        {R(s + "a"), schnittX},
        {R(s + "b"), [schnittX](M t) { return m(t[1]) * schnittX(t) + b(t[1]); }},
        {R("Eine Gerade g verläuft durch die Punkte A" + p + " und B" + p + rest),
         [z, steigt](M t) { return z(t, 2) - steigt(t) * z(t, 1); }},
        {R("Durch den Punkt A" + p + " wird eine Gerade mit der Steigung (-?\\d+) " + rest),
         [z](M t) { return z(t, 2) - z(t, 3) * z(t, 1); }},
        // Die Katheten sind so lang wie Achsenabschnitt und Nullstelle.
        {R("Die Gerade mit der Gleichung  y = (.*) \n berandet" + rest),
         [null](M t) {
             const Rational f = b(t[1]) * null(t) / 2;
             return f < 0 ? Rational(0) - f : f;
         }},
    };
    std::set<std::size_t> gesehen;
    fuerJedeKarte(G, [&](const Karte& k, std::int64_t) {
        std::smatch t;
        std::size_t i = 0;
        while (i < arten.size() && !std::regex_match(k.frage, t, arten[i].first)) {
            ++i;
        }
        ASSERT_LT(i, arten.size());
        ASSERT_EQ(k.antwort, arten[i].second(t).text());
        // Beim Schnittpunkt (Arten 6 und 7) kennt die Karte die andere Koordinate für den Hinweis.
        if (i == 6 || i == 7) {
            ASSERT_TRUE(k.andererWert);
            ASSERT_EQ(Rational(*k.andererWert).text(), arten[13 - i].second(t).text());
        }
        // Die Erklärung zum Dreieck endet mit der Antwort.
        ASSERT_TRUE(i + 1 < arten.size() || k.hilfe.ends_with(" " + k.antwort));
        gesehen.insert(i);
    });
    EXPECT_EQ(gesehen.size(), arten.size());
}

} // namespace
} // namespace numora::test
