#include "core/zufall.h"
#include "generators/paket.h"
#include "generators/qgleichungen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <ostream>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using numora::Aufgabe;

const std::string einzug = "\n\n" + std::string(31, ' ');
const std::string kleinere =
    "Was ist die kleinere der beiden Lösungen folgender Gleichung " + einzug;
const std::string groessere =
    "Was ist die größere der beiden Lösungen folgender Gleichung " + einzug;

struct Dezimal {
    double wert;
    const char* text;
};

class DezimalText : public testing::TestWithParam<Dezimal> {};

TEST_P(DezimalText, KuerzesteFormMitNachkommastelle) {
    EXPECT_EQ(numora::dezimalText(GetParam().wert), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Werte, DezimalText,
                         testing::Values(Dezimal{6.25, "6.25"}, Dezimal{2.5, "2.5"},
                                         Dezimal{3.0, "3.0"}, Dezimal{-0.0, "-0.0"},
                                         Dezimal{0.0, "0.0"}, Dezimal{-13.5, "-13.5"},
                                         Dezimal{132.25, "132.25"}, Dezimal{0.1, "0.1"},
                                         Dezimal{1e20, "100000000000000000000.0"}));

struct Fall {
    const char* name;
    std::int64_t grad;
    std::vector<std::int64_t> ziehungen;
    Aufgabe erwartet;
};

// Im Fehlerfall den Namen des Falls statt der Bytes zeigen.
void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class QGleichung : public testing::TestWithParam<Fall> {};

TEST_P(QGleichung, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::genQGleichung(f.grad);
    EXPECT_EQ(a.text, f.erwartet.text);
    EXPECT_EQ(a.loesung, f.erwartet.loesung);
    EXPECT_EQ(a.hilfe, f.erwartet.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JedeForm, QGleichung,
    testing::Values(
        Fall{"KonstantePositivKleinere",
             1,
             {2, 3, 1},
             {kleinere + "x² - 5x + 6 = 0", 2,
              "In der Normalform x² + px + q = 0 ist hier p = -5 und q = 6. Falls man nicht x1 "
              "und x2 mit x1 + x2 = 5 und x1 * x2 = 6 errät,\n ist die schematische Lösung: Die "
              "Diskriminante D ist (p/2)² - q = 0.25, die gesuchte kleinere Lösung also -p/2 - "
              "√D = 2.5 - 0.5 = 2"}},
        Fall{"GleicheLoesungWirdNeuGezogenGroessere",
             1,
             {4, 4, 4, 1, 2},
             {groessere + "x² - 5x + 4 = 0", 4,
              "In der Normalform x² + px + q = 0 ist hier p = -5 und q = 4. Falls man nicht x1 "
              "und x2 mit x1 + x2 = 5 und x1 * x2 = 4 errät,\n ist die schematische Lösung: Die "
              "Diskriminante D ist (p/2)² - q = 2.25, die gesuchte größere Lösung also -p/2 + √D "
              "= 2.5 + 1.5 = 4"}},
        Fall{"KonstanteNegativStehtRechts",
             2,
             {-2, 6, 2},
             {groessere + "x² - 4x = 12", 6,
              "In der Normalform x² + px + q = 0 ist hier p = -4 und q = -12. Falls man nicht x1 "
              "und x2 mit x1 + x2 = 4 und x1 * x2 = -12 errät,\n ist die schematische Lösung: "
              "Die Diskriminante D ist (p/2)² - q = 16.0, die gesuchte größere Lösung also -p/2 + "
              "√D = 2.0 + 4.0 = 6"}},
        Fall{"OhneKonstante",
             2,
             {0, 4, 1},
             {kleinere + "x² - 4x = 0", 0,
              "In der Normalform x² + px + q = 0 ist hier p = -4 und q = 0. Falls man nicht x1 "
              "und x2 mit x1 + x2 = 4 und x1 * x2 = 0 errät,\n ist die schematische Lösung: Die "
              "Diskriminante D ist (p/2)² - q = 4.0, die gesuchte kleinere Lösung also -p/2 - √D "
              "= 2.0 - 2.0 = 0"}},
        Fall{"OhneLinearglied",
             2,
             {3, -3, 2},
             {groessere + "x² = 9", 3,
              "In der Normalform x² + px + q = 0 ist hier p = 0 und q = -9. Falls man nicht x1 "
              "und x2 mit x1 + x2 = 0 und x1 * x2 = -9 errät,\n ist die schematische Lösung: Die "
              "Diskriminante D ist (p/2)² - q = 9.0, die gesuchte größere Lösung also -p/2 + √D = "
              "-0.0 + 3.0 = 3"}},
        Fall{"KoeffizientEinsOhneZiffer",
             2,
             {2, -3, 1},
             {kleinere + "x² + x = 6", -3,
              "In der Normalform x² + px + q = 0 ist hier p = 1 und q = -6. Falls man nicht x1 "
              "und x2 mit x1 + x2 = -1 und x1 * x2 = -6 errät,\n ist die schematische Lösung: "
              "Die Diskriminante D ist (p/2)² - q = 6.25, die gesuchte kleinere Lösung also -p/2 "
              "- √D = -0.5 - 2.5 = -3"}},
        Fall{"LeitfaktorDrei",
             3,
             {2, 3, 3, 2},
             {groessere + "3x² - 15x + 18 = 0", 3,
              "In der Normalform x² + px + q = 0 ist hier p = -5 und q = 6. Falls man nicht x1 "
              "und x2 mit x1 + x2 = 5 und x1 * x2 = 6 errät,\n ist die schematische Lösung: Die "
              "Diskriminante D ist (p/2)² - q = 0.25, die gesuchte größere Lösung also -p/2 + √D "
              "= 2.5 + 0.5 = 3"}},
        Fall{"LeitfaktorZweiKonstanteRechts",
             3,
             {-4, 6, 2, 1},
             {kleinere + "2x² - 4x = 48", -4,
              "In der Normalform x² + px + q = 0 ist hier p = -2 und q = -24. Falls man nicht x1 "
              "und x2 mit x1 + x2 = 2 und x1 * x2 = -24 errät,\n ist die schematische Lösung: "
              "Die Diskriminante D ist (p/2)² - q = 25.0, die gesuchte kleinere Lösung also -p/2 "
              "- √D = 1.0 - 5.0 = -4"}},
        Fall{"LeitfaktorEinsAmRand",
             3,
             {-16, -15, 1, 2},
             {groessere + "x² + 31x + 240 = 0", -15,
              "In der Normalform x² + px + q = 0 ist hier p = 31 und q = 240. Falls man nicht x1 "
              "und x2 mit x1 + x2 = -31 und x1 * x2 = 240 errät,\n ist die schematische Lösung: "
              "Die Diskriminante D ist (p/2)² - q = 0.25, die gesuchte größere Lösung also -p/2 + "
              "√D = -15.5 + 0.5 = -15"}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

struct PaketFall {
    std::int64_t level;
    std::vector<std::int64_t> durchgang;
    std::string frage, antwort;
};

class QGleichungPaket : public testing::TestWithParam<PaketFall> {};

TEST_P(QGleichungPaket, KarteTraegtDieGleichungUnveraendert) {
    const PaketFall& f = GetParam();
    std::vector<std::int64_t> ziehungen;
    for (int i = 0; i < 8; ++i) {
        ziehungen.insert(ziehungen.end(), f.durchgang.begin(), f.durchgang.end());
    }
    numora::SkriptQuelle skript(ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::quadGl, f.level);
    ASSERT_EQ(paket.size(), 8u);
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k.frage, f.frage);
        EXPECT_EQ(k.antwort, f.antwort);
        EXPECT_NE(k.hilfe.find("p = -5 und q = 6."), std::string::npos) << k.hilfe;
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JederLevel, QGleichungPaket,
    testing::Values(PaketFall{1, {3, 2, 1}, kleinere + "x² - 5x + 6 = 0", "2"},
                    PaketFall{2, {2, 3, 2}, groessere + "x² - 5x + 6 = 0", "3"},
                    PaketFall{3, {3, 2, 2, 1}, kleinere + "2x² - 10x + 12 = 0", "2"}));

// Zerlegt "ax² + bx + c = d" (jedes Glied außer ax² darf fehlen) in seine Zahlen.
struct Gleichung {
    std::int64_t a = 1, b = 0, c = 0, d = 0;
};

Gleichung zerlege(const std::string& text) {
    static const std::regex form(
        R"(^([0-9]*)x² (?:([+-]) ([0-9]*)x )?(?:\+ ([0-9]+) )?= ([0-9]+)$)");
    std::smatch m;
    if (!std::regex_match(text, m, form)) {
        throw std::runtime_error("keine quadratische Gleichung: " + text);
    }
    Gleichung g;
    if (m[1].length() > 0) {
        g.a = std::stoll(m[1]);
    }
    if (m[2].matched) {
        g.b = m[3].length() > 0 ? std::stoll(m[3]) : 1;
        if (m[2] == "-") {
            g.b = -g.b;
        }
    }
    if (m[4].matched) {
        g.c = std::stoll(m[4]);
    }
    g.d = std::stoll(m[5]);
    return g;
}

// Die Zahlen der Erklärung: p und q sowie die letzte Zeile -p/2 ± √D = mitte ± wurzel = ergebnis.
struct Erklaerung {
    std::int64_t p = 0, q = 0;
    double mitte = 0, wurzel = 0;
    char zeichen = ' ';
    std::string ergebnis;
};

Erklaerung lies(const std::string& hilfe) {
    Erklaerung e;
    const std::string pMarke = "ist hier p = ";
    const std::string wurzelMarke = "√D = ";
    const std::size_t pBei = hilfe.find(pMarke);
    const std::size_t wBei = hilfe.rfind(wurzelMarke);
    if (pBei == std::string::npos || wBei == std::string::npos) {
        throw std::runtime_error("Erklärung unvollständig: " + hilfe);
    }
    std::istringstream pq(hilfe.substr(pBei + pMarke.size()));
    std::string und, qGleich;
    pq >> e.p >> und >> qGleich >> qGleich >> e.q;
    std::istringstream schluss(hilfe.substr(wBei + wurzelMarke.size()));
    std::string gleich;
    schluss >> e.mitte >> e.zeichen >> e.wurzel >> gleich >> e.ergebnis;
    if (!schluss || gleich != "=" || und != "und") {
        throw std::runtime_error("Erklärung unlesbar: " + hilfe);
    }
    return e;
}

class QGleichungOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(QGleichungOrakel, AntwortLoestDieGleichungUndIstDieGefragte) {
    const std::int64_t level = GetParam();
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::quadGl, level)) {
            const bool nachKleinerer = k.frage.rfind(kleinere, 0) == 0;
            ASSERT_TRUE(nachKleinerer || k.frage.rfind(groessere, 0) == 0) << k.frage;
            const Gleichung g =
                zerlege(k.frage.substr((nachKleinerer ? kleinere : groessere).size()));
            const std::int64_t x = std::stoll(k.antwort);
            ASSERT_EQ(g.a * x * x + g.b * x + g.c, g.d) << k.frage;
            // Die zweite Lösung aus der Summe der Lösungen -b/a.
            ASSERT_EQ((g.b + g.a * x) % g.a, 0) << k.frage;
            const std::int64_t andere = -(g.b + g.a * x) / g.a;
            ASSERT_EQ(g.a * andere * andere + g.b * andere + g.c, g.d) << k.frage;
            ASSERT_TRUE(nachKleinerer ? x < andere : x > andere) << k.frage;
            // Ein Absolutglied steht nur links, wenn es positiv ist.
            ASSERT_TRUE(g.c == 0 || g.d == 0) << k.frage;

            const std::int64_t grenze = level == 3 ? 16 : 10;
            ASSERT_LE(std::max(std::abs(x), std::abs(andere)), grenze) << k.frage;
            if (level == 1) {
                ASSERT_EQ(k.frage.substr(k.frage.size() - 4), " = 0");
                ASSERT_GT(std::min(x, andere), 0) << k.frage;
            }
            if (level < 3) {
                ASSERT_EQ(g.a, 1) << k.frage;
            } else {
                ASSERT_TRUE(g.a >= 1 && g.a <= 3) << k.frage;
            }

            // Die Erklärung rechnet mit der Normalform und endet genau bei der Antwort.
            const Erklaerung e = lies(k.hilfe);
            ASSERT_EQ(e.p * g.a, g.b) << k.hilfe;
            ASSERT_EQ(e.q * g.a, g.c - g.d) << k.hilfe;
            ASSERT_EQ(e.zeichen == '-', nachKleinerer) << k.hilfe;
            ASSERT_EQ(nachKleinerer ? e.mitte - e.wurzel : e.mitte + e.wurzel,
                      static_cast<double>(x))
                << k.hilfe;
            ASSERT_EQ(e.ergebnis, k.antwort) << k.hilfe;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, QGleichungOrakel, testing::Values(1, 2, 3));

} // namespace
