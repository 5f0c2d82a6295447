#include "core/zufall.h"
#include "generators/paket.h"
#include "generators/proportionen.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace {

using numora::Aufgabe;

const std::string verhaeltnis = "\n\n          Berechne x in der Verhältnisgleichung:    ";

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    Aufgabe erwartet;
};

// Im Fehlerfall den Namen des Falls statt der Bytes zeigen.
void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class GenProp : public testing::TestWithParam<Fall> {};

TEST_P(GenProp, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::genProp(f.level);
    EXPECT_EQ(a.text, f.erwartet.text);
    EXPECT_EQ(a.loesung, f.erwartet.loesung);
    EXPECT_EQ(a.hilfe, f.erwartet.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Ziehungen: Level 1 Form, dann a, b, c, d (verworfene Vierer zuerst); Level 2 a, b, c, d,
// dann die Art; Level 3 r, M, T, Art und die Ziehungen der Art.
INSTANTIATE_TEST_SUITE_P(
    JedeForm, GenProp,
    testing::Values(
        Fall{"L1Form2VerwirftCGleichA",
             1,
             {2, 5, 2, 5, 3, 6, 3, 4, 5},
             {verhaeltnis + "12 : x = 18 : 30", 20,
              "Übergang zu den Kehrwerten und Multiplikation mit 12 führt zu:\nx = 12 *  30 / "
              "18\nKürzen mit 3 und 6 ergibt:x = 4 * 5 = 20"}},
        Fall{"L1Form3VerwirftDGleichB",
             1,
             {3, 7, 4, 3, 4, 8, 4, 3, 6},
             {verhaeltnis + "12 : x = 32 : 48", 18,
              "Übergang zu den Kehrwerten und Multiplikation mit 12 führt zu:\nx = 12 *  48 / "
              "32\nKürzen mit 4 und 8 ergibt:x = 3 * 6 = 18"}},
        Fall{"L1Form4VerwirftCGleichB",
             1,
             {4, 5, 3, 3, 2, 8, 4, 3, 6},
             {verhaeltnis + "x : 24 = 24 : 32", 18,
              "Multiplikation mit 24 führt zu:\nx = 24 *24 / 32\nKürzen mit 8 und 4 ergibt:\nx = "
              "3 * 6 = 18"}},
        Fall{"L1Form5VerwirftDGleichAErlaubtCGleichA",
             1,
             {5, 6, 2, 4, 6, 5, 2, 5, 3},
             {verhaeltnis + "x : 25 = 6 : 10", 15,
              "Multiplikation mit 25 führt zu:\nx = 25 *6 / 10\nKürzen mit 5 und 2 ergibt:\nx = 5 "
              "* 3 = 15"}},
        Fall{"L2FarbeVerwirftGleicheProdukte",
             2,
             {8, 4, 3, 6, 5, 2, 6, 3, 11},
             {"    Wie viele Einheiten Farbe braucht man zum Streichen von 30 m², \n\n          "
              "wenn 6 Einheiten Farbe für 10 m² benötigt werden?",
              18,
              "Die Zuordnung Fläche <-> Farbeinheiten ist proportional\nFür die gesuchte "
              "Einheiten-Anzahl x gilt daher\nx : 30 = 6 : 10 \n - und daher\nx = 30 * 6 / "
              "10\nKürzen mit 2 und 5 ergibt: x = 18"}},
        Fall{"L2FlaecheVerwirftCGleichB",
             2,
             {5, 3, 3, 4, 7, 3, 4, 2, 12},
             {"    Für wie viele m² reichen 28 Einheiten Farbe,\n\n          wenn man mit 21 "
              "Einheiten Farbe 6 m² streichen kann?",
              8,
              "Die Zuordnung Farbeinheiten <-> Fläche ist proportional\nFür die "
              "Quadratmeter-Anzahl x gilt daher\nx : 28 = 6 : 21\nKürzen mit 3 und 7 ergibt: x = "
              "8"}},
        Fall{"L3MaschinenNeueZeitWirdNeuGezogen",
             3,
             {2, 3, 4, 1, 3, 4, 2},
             {"      3 gleichartige Maschinen erzeugen in 4 Zeiteinheiten 24 "
              "Produkteinheiten.\n\n Wie viele derartige Maschinen erzeugen in 2 Zeiteinheiten "
              "12 Produkteinheiten ?",
              3,
              "Die Anzahl der Maschinen ist umgekehrt proportional zur benötigten Zeit und "
              "proportional zur erzeugten Menge.\nIst x die gesuchte Anzahl der Maschinen, gilt "
              "daher:\nx = 3 * (4 / 2) * (12 / 24)  \n Antwort: 3  (Maschinen)"}},
        Fall{"L3ProdukteGroessteZahlen",
             3,
             {5, 5, 5, 2, 5, 5, 4, 5, 3},
             {"      5 gleichartige Maschinen erzeugen in 5 Zeiteinheiten 125 "
              "Produkteinheiten.\n\nWie viele Produkteinheiten erzeugen 4 dieser Maschinen in 3 "
              "Zeiteinheiten.",
              60,
              "Die produzierte Menge ist proportional zur benötigten Zeit und proportional zur "
              "Anzahl der Maschinen.\nIst p die gesuchte Anzahl der erzeugten Produkteinheiten, "
              "gilt daher:\n p = 125 * (3 / 5) * (4 / 5)  \n Antwort: 60  (Produkteinheiten)"}},
        Fall{"L3ZeitDarfGleichBleiben",
             3,
             {3, 2, 5, 3, 2, 4, 5},
             {"      2 gleichartige Maschinen erzeugen in 5 Zeiteinheiten 30 "
              "Produkteinheiten.\n\nWie viele Zeiteinheiten benötigen 4 dieser Maschinen zur "
              "Erzeugung von 60 Produkteinheiten?",
              5,
              "Die Anzahl der Zeiteinheiten ist proportional zur produzierten Menge und umgekehrt "
              "proportional zur Anzahl der Maschinen.\nIst z die gesuchte Anzahl der "
              "Zeiteinheiten, gilt daher:\nz = 5 * (60 / 30) * (2 / 4)\nAntwort: 5  "
              "(Zeiteinheiten)"}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

struct PaketFall {
    std::int64_t level;
    std::vector<std::int64_t> durchgang;
    std::string frage, antwort;
};

class PropPaket : public testing::TestWithParam<PaketFall> {};

TEST_P(PropPaket, KarteTraegtDenTextUnveraendert) {
    const PaketFall& f = GetParam();
    std::vector<std::int64_t> ziehungen;
    for (int i = 0; i < 8; ++i) {
        ziehungen.insert(ziehungen.end(), f.durchgang.begin(), f.durchgang.end());
    }
    numora::SkriptQuelle skript(ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::prop, f.level);
    ASSERT_EQ(paket.size(), 8u);
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k.frage, f.frage);
        EXPECT_EQ(k.antwort, f.antwort);
        EXPECT_FALSE(k.hilfe.empty());
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JederLevel, PropPaket,
    testing::Values(PaketFall{1, {2, 6, 3, 4, 5}, verhaeltnis + "12 : x = 18 : 30", "20"},
                    PaketFall{2,
                              {7, 3, 4, 2, 12},
                              "    Für wie viele m² reichen 28 Einheiten Farbe,\n\n          "
                              "wenn man mit 21 Einheiten Farbe 6 m² streichen kann?",
                              "8"},
                    PaketFall{3,
                              {2, 2, 2, 2, 3, 3},
                              "      2 gleichartige Maschinen erzeugen in 2 Zeiteinheiten 8 "
                              "Produkteinheiten.\n\nWie viele Produkteinheiten erzeugen 3 dieser "
                              "Maschinen in 3 Zeiteinheiten.",
                              "18"}));

// Alle Zahlen des Textes der Reihe nach.
std::vector<std::int64_t> zahlen(const std::string& text) {
    static const std::regex zahl("[0-9]+");
    std::vector<std::int64_t> v;
    for (std::sregex_iterator i(text.begin(), text.end(), zahl), ende; i != ende; ++i) {
        v.push_back(std::stoll(i->str()));
    }
    return v;
}

bool enthaelt(const std::string& text, const char* teil) {
    return text.find(teil) != std::string::npos;
}

// Die Zahl a·b steht im Nenner der Lösung und ist von den beiden anderen verschieden.
void pruefeStufe1(const std::string& frage, std::int64_t x) {
    ASSERT_EQ(frage.rfind(verhaeltnis, 0), 0u) << frage;
    const std::string gleichung = frage.substr(verhaeltnis.size());
    const std::vector<std::int64_t> z = zahlen(gleichung);
    ASSERT_EQ(z.size(), 3u) << frage;
    if (gleichung.rfind("x : ", 0) == 0) {
        // x : z0 = z1 : z2
        ASSERT_EQ(x * z[2], z[0] * z[1]) << frage;
        ASSERT_TRUE(z[2] != z[0] && z[2] != z[1]) << frage;
    } else {
        // z0 : x = z1 : z2
        ASSERT_TRUE(enthaelt(gleichung, " : x = ")) << frage;
        ASSERT_EQ(z[0] * z[2], z[1] * x) << frage;
        ASSERT_TRUE(z[1] != z[0] && z[1] != z[2]) << frage;
    }
}

void pruefeStufe2(const std::string& frage, std::int64_t x) {
    const std::vector<std::int64_t> z = zahlen(frage);
    ASSERT_EQ(z.size(), 3u) << frage;
    if (enthaelt(frage, "Wie viele Einheiten Farbe braucht man")) {
        // Farbe x für z0 m², wenn z1 Farbe für z2 m².
        ASSERT_EQ(x * z[2], z[1] * z[0]) << frage;
    } else {
        // x m² für z0 Farbe, wenn z1 Farbe für z2 m².
        ASSERT_TRUE(enthaelt(frage, "Für wie viele m² reichen")) << frage;
        ASSERT_EQ(x * z[1], z[2] * z[0]) << frage;
    }
    ASSERT_TRUE(z[0] != z[1] && z[1] != z[2] && z[0] != z[2]) << frage;
}

// M Maschinen erzeugen in T Zeiteinheiten P Produkteinheiten: die Menge ist proportional
// zu Maschinen und Zeit.
void pruefeStufe3(const std::string& frage, std::int64_t x) {
    const std::vector<std::int64_t> z = zahlen(frage);
    ASSERT_EQ(z.size(), 5u) << frage;
    const std::int64_t m = z[0], t = z[1], p = z[2];
    if (enthaelt(frage, "derartige Maschinen")) {
        const std::int64_t t2 = z[3], p2 = z[4];
        ASSERT_EQ(p2 * m * t, p * x * t2) << frage;
        ASSERT_NE(t2, t) << frage;
        ASSERT_TRUE(x >= 2 && x <= 5) << frage;
    } else if (enthaelt(frage, "Produkteinheiten erzeugen")) {
        const std::int64_t m2 = z[3], t2 = z[4];
        ASSERT_EQ(x * m * t, p * m2 * t2) << frage;
        ASSERT_TRUE(m2 != m && t2 != t) << frage;
        ASSERT_TRUE(x >= 8 && x <= 125) << frage;
    } else {
        ASSERT_TRUE(enthaelt(frage, "Zeiteinheiten benötigen")) << frage;
        const std::int64_t m2 = z[3], p2 = z[4];
        ASSERT_EQ(p2 * m * t, p * m2 * x) << frage;
        ASSERT_NE(m2, m) << frage;
        ASSERT_TRUE(x >= 2 && x <= 5) << frage;
    }
}

class PropOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(PropOrakel, AntwortErfuelltDieProportion) {
    const std::int64_t level = GetParam();
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::prop, level)) {
            const std::int64_t x = std::stoll(k.antwort);
            if (level == 1) {
                pruefeStufe1(k.frage, x);
            } else if (level == 2) {
                pruefeStufe2(k.frage, x);
            } else {
                pruefeStufe3(k.frage, x);
            }
            if (HasFatalFailure()) {
                return;
            }
            if (level < 3) {
                ASSERT_TRUE(x >= 6 && x <= 36) << k.frage;
                // Die Erklärung endet beim Ergebnis.
                const std::string schluss = "= " + k.antwort;
                ASSERT_EQ(k.hilfe.compare(k.hilfe.size() - schluss.size(), schluss.size(), schluss),
                          0)
                    << k.hilfe;
            } else {
                ASSERT_TRUE(enthaelt(k.hilfe, ("Antwort: " + k.antwort + "  (").c_str()))
                    << k.hilfe;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, PropOrakel, testing::Values(1, 2, 3));

} // namespace
