#include "ausdruck.h"
#include "core/zufall.h"
#include "generators/geraden.h"
#include "generators/paket.h"
#include "pakettest.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

using numora::test::Ausdruck;
using numora::test::Rational;

using Fall = numora::test::Kartenfall;

class GeradenKarte : public testing::TestWithParam<Fall> {};

TEST_P(GeradenKarte, ErzeugtGenauDieseTexte) {
    numora::test::erwarteKarten(numora::thema::geraden, GetParam());
}

const std::string steigungVorspann = "Die Steigung der Geraden durch die Punkte P(px,py) und "
                                     "Q(qx,qy) berechnet sich als \n(qy - py)/(qx - px), hier "
                                     "also als \nm = ";
const std::string schnittVorspann = "Die Geraden mit den Gleichungen \n ";
const std::string schnittFrage = "\n schneiden sich in einem Punkt (a;b). Berechne ";
const std::string schnittY = "Durch Gleichsetzen der Terme für y erhält man zunächst x = ";

// Ziehungen: Art, dann Level 1: p, q oder bei Art 4 m, b, x1, x2 (neu bis x2 != x1);
// Level 2: sx, sy, m1, m2 (neu bis m2 != m1) oder m, b, x1, x2; Level 3 siehe Zeilen.
INSTANTIATE_TEST_SUITE_P(
    JedeFrageart, GeradenKarte,
    testing::Values(
        Fall{{"L1Steigung", 1, {1, 5, 3}, 5},
             "Die Gleichung    y = 5x + 3 beschreibt eine Gerade.\n Welchen Wert hat ihre "
             "Steigung?",
             "Die allgemeine Gleichung einer Geraden, die nicht parallel \nzur y-Achse "
             "verläuft,\n lautet y = mx + b ;\n dabei ist m die Steigung,\n also ist hier m = 5"},
        Fall{{"L1YAchseSteigungEins", 1, {2, 4, 1}, 4},
             "An welcher Stelle schneidet die Gerade mit der Gleichung y = x  + 4 die y-Achse?",
             "Die Gerade mit der Gleichung \ny = mx + b schneidet die y-Achse an der Stelle b, "
             "hier also bei 4 ."},
        Fall{{"L1XAchse", 1, {3, 7, 9}, 7},
             "An welcher Stelle schneidet die Gerade mit der Gleichung  y = 9x - 63  die x-Achse?",
             "Ein Punkt P(x,y) liegt auf der \nx-Achse, wenn für ihn gilt y = 0.\n Aus dem "
             "Ansatz 0 = 9x - 63 folgt\n x = 63 / 9 = 7 .\n Die gesuchte Stelle ist also 7 ."},
        Fall{{"L1ZweiPunkteGleicheStelleVerworfen", 1, {4, 2, 1, -3, 2, 4, 4, -1}, -3},
             "Welche Steigung hat eine durch die Punkte P(4; -10) und Q(-1; 5) verlaufende "
             "Gerade?",
             steigungVorspann + "(5 + 10)/(-1  - 4) = -3 ."},
        Fall{{"L1SteigungUmgestellt", 1, {5, 8, 2}, -8},
             "Die Gleichung    y + 8x = 2   beschreibt eine Gerade.\n Welchen Wert hat ihre "
             "Steigung?",
             "Die allgemeine Gleichung einer Geraden, die nicht parallel zur y-Achse verläuft, "
             "lautet\n y = mx + b , hier y = -8x + 2\n dabei ist m die Steigung, also ist hier "
             "m = -8."},
        // Die zweite Gerade mit gleicher Steigung 0 wird verworfen.
        Fall{{"L2SchnittstelleWaagerechteNegativ", 2, {1, 2, -3, 0, 0, -1}, 2},
             schnittVorspann + "y =  - 3 und y = -x  - 1" + schnittFrage + "a",
             "Durch Gleichsetzen der Terme für y, Ordnen und Zusammenfassen und Dividieren durch "
             "den Koeffizienten von x erhält man x = 2."},
        Fall{{"L2SchnittwertWaagerechtePositiv", 2, {2, -4, 6, 0, 2}, 6},
             schnittVorspann + "y =  6 und y = 2x  + 14" + schnittFrage + "b",
             schnittY + "-4.\n Einsetzen in eine der beiden Geradengleichungen liefert dann y = "
                        "6."},
        Fall{{"L2SchnittImUrsprung", 2, {2, 0, 0, 0, 1}, 0},
             schnittVorspann + "y =  0 und y = x " + schnittFrage + "b",
             schnittY + "0.\n Einsetzen in eine der beiden Geradengleichungen liefert dann y = "
                        "0."},
        Fall{{"L2ZweiPunkte", 2, {3, 1, 0, -2, 3}, 1},
             "Welche Steigung hat eine durch die Punkte A(-2; -2) und B(3; 3) verlaufende Gerade.",
             steigungVorspann + "(3 + 2)/(3 + 2) = 1 ."},
        Fall{{"L3YAchseAusZweiPunkten", 3, {4, 2, -5, -3, 1}, -5},
             "Eine Gerade g verläuft durch die Punkte A(-3; -11) und B(1; -3)\n An welcher "
             "Stelle schneidet sie die y-Achse?",
             "Die Steigung m errechnet sich als Quotient aus Differenz der y-Werte und Differenz "
             "der x-Werte, also als \n m = (-3 + 11) / (1 + 3) = 2. Einsetzen der Koordinaten "
             "eines der gegebenen Punkte in die Geradengleichung y = 2x + b ergibt b = -5."},
        Fall{{"L3YAchseAusPunktUndSteigung", 3, {5, -4, 7, 2, 0}, 7},
             "Durch den Punkt A(2; -1) wird eine Gerade mit der Steigung -4 gezogen.\n An "
             "welcher Stelle b schneidet sie die y-Achse?",
             "Einsetzen von m = -4 und (x;y) = (2; -1) in die allgemeine Geradengleichung y = m "
             "* x + b  liefert -1 = -4*2 +  b, also b = 7."},
        // Ziehungen: Art, a, m (neu bis m != 0: die Waagerechte hätte keine Nullstelle).
        Fall{{"L3NullstelleWaagerechteVerworfen", 3, {6, -2, 0, -1}, -2},
             "An welcher Stelle schneidet die Gerade mit der Gleichung y = -x  - 2 die x-Achse?",
             "Mit dem Ansatz 0 = -1a + -2 ergibt sich a = --2 / -1 = -2."},
        Fall{{"L3Dreieck", 3, {7, 3, 4}, 96},
             "Die Gerade mit der Gleichung  y = 3x - 24 \n berandet zusammen mit den "
             "Koordinatenachsen ein Dreieck.\n Wie groß ist sein Flächeninhalt?",
             "Schnitt mit der y-Achse (x = 0): y = -24\nSchnitt mit der x-Achse (y = 0): 0 = 3x - "
             "24, also x = 24 / 3 = 8\nDie Katheten des rechtwinkligen Dreiecks sind also 8 und 24 "
             "lang.\nFlächeninhalt = 1/2 · 8 · 24 = 96"}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.kopf.name; });

// --- Unabhängige Nachrechnung aus dem Fragetext ---

struct Linie {
    Rational m;
    Rational b;
};

// Die rechte Seite von "y = ..." an den Stellen 0 und 1.
Linie linie(const std::string& rechts) {
    const Rational b = Ausdruck::wert(rechts, 0);
    return {Ausdruck::wert(rechts, 1) - b, b};
}

Rational zahl(const std::smatch& m, int i) {
    return Rational(std::stoll(m[i]));
}

Rational steigung(const std::smatch& m) {
    return (zahl(m, 4) - zahl(m, 2)) / (zahl(m, 3) - zahl(m, 1));
}

Rational nullstelle(const std::smatch& m) {
    return Rational(0) - linie(m[1]).b / linie(m[1]).m;
}

Rational schnittX(const std::smatch& m) {
    return (linie(m[2]).b - linie(m[1]).b) / (linie(m[1]).m - linie(m[2]).m);
}

// Jede Frageart gehört zu genau einem Level und hat einen erlaubten Bereich der Antwort.
struct Art {
    std::int64_t level;
    std::regex muster;
    std::int64_t von;
    std::int64_t bis;
    Rational (*rechne)(const std::smatch&);
};

const std::vector<Art>& arten() {
    const std::string p = "\\((-?\\d+); (-?\\d+)\\)";
    const std::string stelle = "An welcher Stelle schneidet die Gerade mit der Gleichung ";
    const std::string steigt = " beschreibt eine Gerade\\.\n Welchen Wert hat ihre Steigung\\?";
    const std::string punkte = "Welche Steigung hat eine durch die Punkte ";
    const std::string schnitt = "Die Geraden mit den Gleichungen \n y = (.*) und y = (.*)\n "
                                "schneiden sich in einem Punkt \\(a;b\\)\\. Berechne ";
    using M = const std::smatch&;
    static const std::vector<Art> alle{
        {1, std::regex("Die Gleichung    y = (.*)" + steigt), 2, 8,
         [](M m) { return linie(m[1]).m; }},
        // y + p·x = q heißt y = -p·x + q.
        {1, std::regex("Die Gleichung    y \\+ (\\d+)x = (\\d+)  " + steigt), -8, -2,
         [](M m) { return Rational(0) - zahl(m, 1); }},
        {1, std::regex(stelle + "y = (.*) die y-Achse\\?"), 2, 8,
         [](M m) { return linie(m[1]).b; }},
        {1, std::regex(stelle + " y = (.*) die x-Achse\\?"), 2, 8, nullstelle},
        {1, std::regex(punkte + "P" + p + " und Q" + p + " verlaufende Gerade\\?"), -5, 5,
         steigung},
        {2, std::regex(schnitt + "a"), -6, 6, schnittX},
        {2, std::regex(schnitt + "b"), -6, 6,
         [](M m) { return linie(m[1]).m * schnittX(m) + linie(m[1]).b; }},
        {2, std::regex(punkte + "A" + p + " und B" + p + " verlaufende Gerade\\."), -5, 5,
         steigung},
        {3,
         std::regex("Eine Gerade g verläuft durch die Punkte A" + p + " und B" + p +
                    "\n An welcher Stelle schneidet sie die y-Achse\\?"),
         -8, 8, [](M m) { return zahl(m, 2) - steigung(m) * zahl(m, 1); }},
        {3,
         std::regex("Durch den Punkt A" + p + " wird eine Gerade mit der Steigung (-?\\d+) " +
                    "gezogen\\.\n An welcher Stelle b schneidet sie die y-Achse\\?"),
         -8, 8, [](M m) { return zahl(m, 2) - zahl(m, 3) * zahl(m, 1); }},
        {3, std::regex(stelle + "y = (.*) die x-Achse\\?"), -3, 6, nullstelle},
        // Die Katheten sind so lang wie Achsenabschnitt und Nullstelle.
        {3,
         std::regex("Die Gerade mit der Gleichung  y = (.*) \n berandet zusammen mit den "
                    "Koordinatenachsen ein Dreieck\\.\n Wie groß ist sein Flächeninhalt\\?"),
         4, 250,
         [](M m) {
             const Rational f = linie(m[1]).b * nullstelle(m) / Rational(2);
             return f < Rational(0) ? Rational(0) - f : f;
         }},
    };
    return alle;
}

class GeradenOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(GeradenOrakel, AntwortStimmtGeometrisch) {
    const std::int64_t level = GetParam();
    std::set<const Art*> gesehen;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::geraden, level)) {
            std::smatch m;
            const auto art = std::find_if(arten().begin(), arten().end(), [&](const Art& a) {
                return a.level == level && std::regex_match(k.frage, m, a.muster);
            });
            ASSERT_NE(art, arten().end()) << k.frage;
            const Rational w = art->rechne(m);
            ASSERT_EQ(k.antwort, w.text()) << k.frage;
            ASSERT_FALSE(w < Rational(art->von) || Rational(art->bis) < w) << k.frage;
            ASSERT_FALSE(k.hilfe.empty()) << k.frage;
            gesehen.insert(&*art);
        }
    }
    EXPECT_EQ(static_cast<std::ptrdiff_t>(gesehen.size()),
              std::count_if(arten().begin(), arten().end(),
                            [&](const Art& a) { return a.level == level; }));
}

INSTANTIATE_TEST_SUITE_P(JederLevel, GeradenOrakel, testing::Values(1, 2, 3),
                         [](const testing::TestParamInfo<std::int64_t>& i) {
                             return "Level" + std::to_string(i.param);
                         });

} // namespace
