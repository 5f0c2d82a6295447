#include "core/zufall.h"
#include "generators/geraden.h"
#include "generators/paket.h"

#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using numora::Aufgabe;

struct TextFall {
    std::int64_t m;
    std::int64_t b;
    const char* erwartet;
};

class Gerade2String : public testing::TestWithParam<TextFall> {};

TEST_P(Gerade2String, SchreibtDieGleichung) {
    const TextFall& f = GetParam();
    EXPECT_EQ(numora::gerade2String(f.m, f.b), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(SteigungUndAbschnitt, Gerade2String,
                         testing::Values(TextFall{3, 5, "y = 3x  + 5"},
                                         TextFall{-1, -2, "y = -x  - 2"}, TextFall{1, 0, "y = x "},
                                         TextFall{-2, 0, "y = -2x "}, TextFall{0, 4, "y =  4"},
                                         TextFall{0, -4, "y =  - 4"}, TextFall{0, 0, "y =  0"},
                                         TextFall{20, -200, "y = 20x  - 200"},
                                         TextFall{-20, 1, "y = -20x  + 1"},
                                         TextFall{21, 7, "y =  7"}, TextFall{-21, 0, "y =  0"},
                                         TextFall{2, -201, "y = 2x  + -201"}));

TEST(Koeff, LaesstNullUndEinsWeg) {
    EXPECT_EQ(numora::koeff(0, "x"), "");
    EXPECT_EQ(numora::koeff(1, "x"), "x");
    EXPECT_EQ(numora::koeff(-1, "x"), "-x");
    EXPECT_EQ(numora::koeff(7, "y"), "7y");
    EXPECT_EQ(numora::koeff(-7, "x"), "-7x");
}

TEST(Minus, SchreibtDieSubtraktion) {
    EXPECT_EQ(numora::minus(-4), "+ 4");
    EXPECT_EQ(numora::minus(4), " - 4");
    EXPECT_EQ(numora::minus(0), " - 0");
    EXPECT_EQ(numora::minus(std::numeric_limits<std::int64_t>::min()), "+ 9223372036854775808");
}

TEST(ZufallsGeradeDurchPunkt, ZiehtBeiUeberlaufNeu) {
    numora::SkriptQuelle skript{3, -1, 0};
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const numora::Gerade g =
        numora::zufallsGeradeDurchPunkt(std::numeric_limits<std::int64_t>::max(), 5);
    EXPECT_EQ(g.m, 0);
    EXPECT_EQ(g.b, 5);
    EXPECT_EQ(skript.uebrig(), 0u);
}

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    Aufgabe erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class GeradenFrage : public testing::TestWithParam<Fall> {};

TEST_P(GeradenFrage, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::geradenFrage(f.level);
    EXPECT_EQ(a.text, f.erwartet.text);
    EXPECT_EQ(a.loesung, f.erwartet.loesung);
    EXPECT_EQ(a.hilfe, f.erwartet.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

const std::string steigungVorspann = "Die Steigung der Geraden durch die Punkte P(px,py) und "
                                     "Q(qx,qy) berechnet sich als \n(qy - py)/(qx - px), hier "
                                     "also als \nm = ";

// Ziehungen: Art, p, q; bei Art 4 dazu m, b, x1 und x2 bis x2 != x1.
INSTANTIATE_TEST_SUITE_P(
    Level1, GeradenFrage,
    testing::Values(
        Fall{"SteigungAusGleichung",
             1,
             {1, 5, 3},
             {"Die Gleichung    y = 5x + 3 beschreibt eine Gerade.\n Welchen Wert hat ihre "
              "Steigung?",
              5,
              "Die allgemeine Gleichung einer Geraden, die nicht parallel \nzur y-Achse "
              "verläuft,\n lautet y = mx + b ;\n dabei ist m die Steigung,\n also ist hier m = "
              "5"}},
        Fall{"YAchseSteigungEins",
             1,
             {2, 4, 1},
             {"An welcher Stelle schneidet die Gerade mit der Gleichung y = x  + 4 die y-Achse?", 4,
              "Die Gerade mit der Gleichung \ny = mx + b schneidet die y-Achse an der Stelle b, "
              "hier also bei 4 ."}},
        Fall{"XAchse",
             1,
             {3, 7, 9},
             {"An welcher Stelle schneidet die Gerade mit der Gleichung  y = 9x - 63  die "
              "x-Achse?",
              7,
              "Ein Punkt P(x,y) liegt auf der \nx-Achse, wenn für ihn gilt y = 0.\n Aus dem "
              "Ansatz 0 = 9x - 63 folgt\n x = 63 / 9 = 7 .\n Die gesuchte Stelle ist also 7 ."}},
        Fall{"ZweiPunkteMitGleicherStelleVerworfen",
             1,
             {4, 2, 1, -3, 2, 4, 4, -1},
             {"Welche Steigung hat eine durch die Punkte P(4; -10) und Q(-1; 5) verlaufende "
              "Gerade?",
              -3, steigungVorspann + "(5 + 10)/(-1  - 4) = -3 ."}},
        Fall{"ZweiPunkteWaagerecht",
             1,
             {4, 2, 1, 0, -8, -6, 6},
             {"Welche Steigung hat eine durch die Punkte P(-6; -8) und Q(6; -8) verlaufende "
              "Gerade?",
              0, steigungVorspann + "(-8 + 8)/(6 + 6) = 0 ."}},
        Fall{"SteigungAusUmgestellterGleichung",
             1,
             {5, 8, 2},
             {"Die Gleichung    y + 8x = 2   beschreibt eine Gerade.\n Welchen Wert hat ihre "
              "Steigung?",
              -8,
              "Die allgemeine Gleichung einer Geraden, die nicht parallel zur y-Achse verläuft, "
              "lautet\n y = mx + b , hier y = -8x + 2\n dabei ist m die Steigung, also ist hier "
              "m = -8."}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// Ziehungen: Art; Art 1 und 2: sx, sy, m1, m2 bis m2 != m1; Art 3: m, b, x1, x2.
INSTANTIATE_TEST_SUITE_P(
    Level2, GeradenFrage,
    testing::Values(
        Fall{"SchnittstelleMitGleicherSteigungVerworfen",
             2,
             {1, 2, -3, 4, 4, -1},
             {"Die Geraden mit den Gleichungen \n y = 4x  - 11 und y = -x  - 1\n schneiden sich "
              "in einem Punkt (a;b). Berechne a",
              2,
              "Durch Gleichsetzen der Terme für y, Ordnen un Zuasmmenfassen und Dividieren durch "
              "den Koeffizienten von x erhält man x = 2."}},
        Fall{"SchnittwertY",
             2,
             {2, -4, 6, 2, -6},
             {"Die Geraden mit den Gleichungen \n y = 2x  + 14 und y = -6x  - 18\n schneiden sich "
              "in einem Punkt (a;b). Berechne b",
              6,
              "Durch Gleichsetzen der Terme für y erhält man zunächst x = -4.\n Einsetzen in eine "
              "der beiden Geradengleichungen liefert dann y = 6."}},
        Fall{"SchnittMitDerXAchse",
             2,
             {2, 3, 0, 0, 1},
             {"Die Geraden mit den Gleichungen \n y =  0 und y = x  - 3\n schneiden sich in "
              "einem Punkt (a;b). Berechne b",
              0,
              "Durch Gleichsetzen der Terme für y erhält man zunächst x = 3.\n Einsetzen in eine "
              "der beiden Geradengleichungen liefert dann y = 0."}},
        Fall{"ZweiPunkte",
             2,
             {3, 1, 0, -2, 3},
             {"Welche Steigung hat eine durch die Punkte A(-2; -2) und B(3; 3) verlaufende "
              "Gerade.",
              1, steigungVorspann + "(3 + 2)/(3 + 2) = 1 ."}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// Ziehungen: Art; 4 und 5: m, b, x1, x2; 6: a, dann m bis m != 0; 7: t, f.
INSTANTIATE_TEST_SUITE_P(
    Level3, GeradenFrage,
    testing::Values(
        Fall{"YAchseAusZweiPunkten",
             3,
             {4, 2, -5, -3, 1},
             {"Eine Gerade g verläuft durch die Punkte A(-3; -11) und B(1; -3)\n An welcher "
              "Stelle schneidet sie die y-Achse?",
              -5,
              "Die Steigung m errechnet sich als Quotient aus Differenz der y-Werte und Differenz "
              "der x-Werte, also als \n m = (-3 + 11 / (1 + 3) = 2. Einsetzen der Koordinaten "
              "eines der gegebenen Punkte in die Geradengleichung y = 2x + b ergibt b = -5."}},
        Fall{"YAchseAusPunktUndSteigung",
             3,
             {5, -4, 7, 2, 0},
             {"Durch den Punkt A(2; -1) wird eine Gerade mit der Steigung -4 gezogen.\n An "
              "welcher Stelle b schneidet sie die y-Achse?",
              7,
              "Einsetzen von m = -4 und (x;y) = (2; -1) in die allgemeine Geradengleichung y = m "
              "* x + b  liefert -1 = -4*2 +  b, also b = 7."}},
        Fall{"Nullstelle",
             3,
             {6, 3, 2},
             {"An welcher Stelle schneidet die Gerade mit der Gleichung y = 2x  - 6 die x-Achse?",
              3, "Mit dem Ansatz 0 = 2a + -6 ergibt sich a = --6 / 2 = 3."}},
        Fall{"NullstelleImUrsprung",
             3,
             {6, 0, 5},
             {"An welcher Stelle schneidet die Gerade mit der Gleichung y = 5x  die x-Achse?", 0,
              "Mit dem Ansatz 0 = 5a + 0 ergibt sich a = -0 / 5 = 0."}},
        Fall{"NullstelleWaagerechteVerworfen",
             3,
             {6, -2, 0, -1},
             {"An welcher Stelle schneidet die Gerade mit der Gleichung y = -x  - 2 die x-Achse?",
              -2, "Mit dem Ansatz 0 = -1a + -2 ergibt sich a = --2 / -1 = -2."}},
        Fall{"Dreieck",
             3,
             {7, 3, 4},
             {"Die Gerade mit der Gleichung  y = 3x - 24 \n berandet zusammen mit den "
              "Koordinatenachsen ein Dreieck.\n Wie groß ist sein Flächeninhalt?",
              96, ""}},
        Fall{"AndererLevelWieLevel3",
             0,
             {7, 2, 1},
             {"Die Gerade mit der Gleichung  y = 2x - 4 \n berandet zusammen mit den "
              "Koordinatenachsen ein Dreieck.\n Wie groß ist sein Flächeninhalt?",
              4, ""}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

struct PaketFall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungenJeKarte;
    std::string frage;
    std::string antwort;
};

void PrintTo(const PaketFall& f, std::ostream* os) {
    *os << f.name;
}

class GeradenPaket : public testing::TestWithParam<PaketFall> {};

TEST_P(GeradenPaket, KartenTragenDenFragetextUnveraendert) {
    const PaketFall& f = GetParam();
    std::vector<std::int64_t> ziehungen;
    for (int i = 0; i < 8; ++i) {
        ziehungen.insert(ziehungen.end(), f.ziehungenJeKarte.begin(), f.ziehungenJeKarte.end());
    }
    numora::SkriptQuelle skript(ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::geraden, f.level);
    ASSERT_EQ(paket.size(), 8u);
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k.frage, f.frage);
        EXPECT_EQ(k.antwort, f.antwort);
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JederLevel, GeradenPaket,
    testing::Values(
        PaketFall{"Level1",
                  1,
                  {5, 8, 2},
                  "Die Gleichung    y + 8x = 2   beschreibt eine Gerade.\n Welchen Wert hat ihre "
                  "Steigung?",
                  "-8"},
        PaketFall{"Level2",
                  2,
                  {3, 1, 0, -2, 3},
                  "Welche Steigung hat eine durch die Punkte A(-2; -2) und B(3; 3) verlaufende "
                  "Gerade.",
                  "1"},
        PaketFall{"Level3",
                  3,
                  {6, -2, 0, -1},
                  "An welcher Stelle schneidet die Gerade mit der Gleichung y = -x  - 2 die "
                  "x-Achse?",
                  "-2"}),
    [](const testing::TestParamInfo<PaketFall>& i) { return i.param.name; });

// --- Unabhängige Nachrechnung aus dem Fragetext ---

// Alle ganzen Zahlen des Textes; ein Minus direkt vor der Ziffer ist ein Vorzeichen.
std::vector<std::int64_t> zahlen(std::string_view t) {
    std::vector<std::int64_t> z;
    std::size_t i = 0;
    while (i < t.size()) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) {
            ++i;
            continue;
        }
        const bool negativ = i > 0 && t[i - 1] == '-';
        std::int64_t w = 0;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) {
            w = 10 * w + (t[i] - '0');
            ++i;
        }
        z.push_back(negativ ? -w : w);
    }
    return z;
}

struct Linie {
    std::int64_t m = 0;
    std::int64_t b = 0;
};

// "y = 3x  + 5", "y = -x  - 2", "y =  4", "y = 9x - 63" ...
Linie leseGerade(std::string_view t) {
    const std::string_view anfang = "y =";
    std::size_t i = t.find_first_not_of(' ');
    if (i == t.npos || t.substr(i, anfang.size()) != anfang) {
        throw std::runtime_error("keine Geradengleichung: " + std::string(t));
    }
    std::string rest;
    for (const char c : t.substr(i + anfang.size())) {
        if (c != ' ') {
            rest += c;
        }
    }
    Linie g;
    std::size_t p = 0;
    bool erster = true;
    while (p < rest.size()) {
        std::int64_t vz = 1;
        if (rest[p] == '+' || rest[p] == '-') {
            vz = rest[p] == '-' ? -1 : 1;
            ++p;
        } else if (!erster) {
            throw std::runtime_error("Vorzeichen erwartet: " + rest);
        }
        erster = false;
        const std::size_t ziffern = p;
        std::int64_t w = 0;
        while (p < rest.size() && std::isdigit(static_cast<unsigned char>(rest[p]))) {
            w = 10 * w + (rest[p] - '0');
            ++p;
        }
        const bool mitZahl = p > ziffern;
        if (p < rest.size() && rest[p] == 'x') {
            g.m += vz * (mitZahl ? w : 1);
            ++p;
        } else if (mitZahl) {
            g.b += vz * w;
        } else {
            throw std::runtime_error("Summand erwartet: " + rest);
        }
    }
    return g;
}

std::string_view zwischen(std::string_view t, std::string_view vor, std::string_view nach) {
    const std::size_t a = t.find(vor);
    if (a == t.npos) {
        throw std::runtime_error("fehlt: " + std::string(vor));
    }
    const std::size_t e = t.find(nach, a + vor.size());
    if (e == t.npos) {
        throw std::runtime_error("fehlt: " + std::string(nach));
    }
    return t.substr(a + vor.size(), e - a - vor.size());
}

bool beginntMit(std::string_view t, std::string_view vor) {
    return t.substr(0, vor.size()) == vor;
}

std::int64_t teile(std::int64_t z, std::int64_t n) {
    if (n == 0 || z % n != 0) {
        throw std::runtime_error("keine ganzzahlige Antwort: " + std::to_string(z) + "/" +
                                 std::to_string(n));
    }
    return z / n;
}

std::int64_t steigungDurch(const std::vector<std::int64_t>& p) {
    if (p.size() != 4) {
        throw std::runtime_error("zwei Punkte erwartet");
    }
    return teile(p[3] - p[1], p[2] - p[0]);
}

struct Befund {
    std::string art;
    std::int64_t loesung;
};

// Erkennt die Frageart am Wortlaut und rechnet die Antwort aus den Zahlen der Frage nach.
Befund nachrechnen(const std::string& f) {
    if (beginntMit(f, "Die Gleichung    y + ")) {
        const std::vector<std::int64_t> z = zahlen(zwischen(f, "y + ", "   beschreibt"));
        return {"umgestellt", -z.at(0)}; // y + p·x = q  <=>  y = -p·x + q
    }
    if (beginntMit(f, "Die Gleichung    ")) {
        return {"steigung", leseGerade(zwischen(f, "Die Gleichung    ", " beschreibt")).m};
    }
    if (beginntMit(f, "An welcher Stelle schneidet die Gerade mit der Gleichung ")) {
        const std::string_view vor = "mit der Gleichung ";
        if (f.find("die y-Achse?") != f.npos) {
            return {"yAchse", leseGerade(zwischen(f, vor, " die y-Achse?")).b};
        }
        const Linie g = leseGerade(zwischen(f, vor, " die x-Achse?"));
        return {"xAchse", teile(-g.b, g.m)};
    }
    if (beginntMit(f, "Welche Steigung hat eine durch die Punkte ")) {
        return {"zweiPunkte", steigungDurch(zahlen(f))};
    }
    if (beginntMit(f, "Die Geraden mit den Gleichungen \n ")) {
        const Linie g1 = leseGerade(zwischen(f, "Gleichungen \n ", " und "));
        const Linie g2 = leseGerade(zwischen(f, " und ", "\n schneiden"));
        const std::int64_t x = teile(g2.b - g1.b, g1.m - g2.m);
        if (f.ends_with("Berechne a")) {
            return {"schnittA", x};
        }
        if (!f.ends_with("Berechne b")) {
            throw std::runtime_error("unbekannte Schnittfrage");
        }
        return {"schnittB", g1.m * x + g1.b};
    }
    if (beginntMit(f, "Eine Gerade g verläuft durch die Punkte ")) {
        const std::vector<std::int64_t> p = zahlen(f);
        // b aus y1 = m·x1 + b mit m = dy/dx, ohne m vorher zu runden.
        return {"achseZweiPunkte",
                teile(p.at(1) * (p.at(2) - p.at(0)) - (p.at(3) - p.at(1)) * p.at(0),
                      p.at(2) - p.at(0))};
    }
    if (beginntMit(f, "Durch den Punkt A(")) {
        const std::vector<std::int64_t> z = zahlen(f);
        return {"achsePunktSteigung", z.at(1) - z.at(2) * z.at(0)};
    }
    if (beginntMit(f, "Die Gerade mit der Gleichung  ")) {
        const Linie g = leseGerade(zwischen(f, "Gleichung  ", " \n berandet"));
        // Katheten |b| und |b/m|: Fläche b²/(2|m|).
        return {"dreieck", teile(g.b * g.b, 2 * (g.m < 0 ? -g.m : g.m))};
    }
    throw std::runtime_error("unbekannte Frage: " + f);
}

struct OrakelFall {
    std::int64_t level;
    // Frageart -> erlaubter Bereich der Antwort
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> arten;
};

void PrintTo(const OrakelFall& f, std::ostream* os) {
    *os << "Level " << f.level;
}

class GeradenOrakel : public testing::TestWithParam<OrakelFall> {};

TEST_P(GeradenOrakel, AntwortStimmtGeometrisch) {
    const OrakelFall& f = GetParam();
    std::set<std::string> gesehen;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::geraden, f.level)) {
            const Befund b = nachrechnen(k.frage);
            ASSERT_EQ(std::to_string(b.loesung), k.antwort) << k.frage;
            const auto art = f.arten.find(b.art);
            ASSERT_NE(art, f.arten.end()) << b.art << " in Level " << f.level;
            ASSERT_GE(b.loesung, art->second.first) << k.frage;
            ASSERT_LE(b.loesung, art->second.second) << k.frage;
            ASSERT_EQ(k.hilfe.empty(), b.art == "dreieck") << k.frage;
            gesehen.insert(b.art);
        }
    }
    EXPECT_EQ(gesehen.size(), f.arten.size());
}

INSTANTIATE_TEST_SUITE_P(
    JederLevel, GeradenOrakel,
    testing::Values(OrakelFall{1,
                               {{"steigung", {2, 8}},
                                {"yAchse", {2, 8}},
                                {"xAchse", {2, 8}},
                                {"zweiPunkte", {-5, 5}},
                                {"umgestellt", {-8, -2}}}},
                    OrakelFall{
                        2, {{"schnittA", {-6, 6}}, {"schnittB", {-6, 6}}, {"zweiPunkte", {-5, 5}}}},
                    OrakelFall{3,
                               {{"achseZweiPunkte", {-8, 8}},
                                {"achsePunktSteigung", {-8, 8}},
                                {"xAchse", {-3, 6}},
                                {"dreieck", {4, 250}}}}),
    [](const testing::TestParamInfo<OrakelFall>& i) {
        return "Level" + std::to_string(i.param.level);
    });

} // namespace
