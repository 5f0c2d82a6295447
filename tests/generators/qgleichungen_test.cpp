#include "ausdruck.h"
#include "core/zufall.h"
#include "generators/paket.h"
#include "pakettest.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace {

using numora::test::Ausdruck;

const std::string einzug = "\n\n" + std::string(31, ' ');
const std::string kleinere =
    "Was ist die kleinere der beiden Lösungen folgender Gleichung " + einzug;
const std::string groessere =
    "Was ist die größere der beiden Lösungen folgender Gleichung " + einzug;

std::string erklaerung(const std::string& p, const std::string& q, const std::string& summe,
                       const std::string& schluss) {
    return "In der Normalform x² + px + q = 0 ist hier p = " + p + " und q = " + q +
           ". Falls man nicht x1 und x2 mit x1 + x2 = " + summe + " und x1 * x2 = " + q +
           " errät,\n ist die schematische Lösung: Die Diskriminante D ist (p/2)² - q = " + schluss;
}

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen; // x1, x2 (samt verworfener), Leitfaktor, Frageart
    std::int64_t antwort;
    std::string frage, hilfe;
};

class QGleichung : public testing::TestWithParam<Fall> {};

TEST_P(QGleichung, ErzeugtGenauDieseKarten) {
    const Fall& f = GetParam();
    numora::test::erwarteKarten(numora::thema::quadGl, f.level, f.ziehungen, f.frage,
                                std::to_string(f.antwort), f.hilfe);
}

INSTANTIATE_TEST_SUITE_P(
    JedeForm, QGleichung,
    testing::Values(
        Fall("GleicheLoesungWirdNeuGezogen", 1, {4, 4, 4, 1, 2}, 4, groessere + "x² - 5x + 4 = 0",
             erklaerung("-5", "4", "5",
                        "2,25, die gesuchte größere Lösung also -p/2 + √D = 2,5 + 1,5 = 4")),
        Fall("OhneKonstante", 2, {0, 4, 1}, 0, kleinere + "x² - 4x = 0",
             erklaerung("-4", "0", "4",
                        "4,0, die gesuchte kleinere Lösung also -p/2 - √D = 2,0 - 2,0 = 0")),
        // Für p = 0 steht -0,0 in der Erklärung.
        Fall("OhneLinearglied", 2, {3, -3, 2}, 3, groessere + "x² = 9",
             erklaerung("0", "-9", "0",
                        "9,0, die gesuchte größere Lösung also -p/2 + √D = -0,0 + 3,0 = 3")),
        Fall("KoeffizientEinsKonstanteRechts", 2, {2, -3, 1}, -3, kleinere + "x² + x = 6",
             erklaerung("1", "-6", "-1",
                        "6,25, die gesuchte kleinere Lösung also -p/2 - √D = -0,5 - 2,5 = -3")),
        Fall("LeitfaktorZwei", 3, {-4, 6, 2, 1}, -4, kleinere + "2x² - 4x = 48",
             erklaerung("-2", "-24", "2",
                        "25,0, die gesuchte kleinere Lösung also -p/2 - √D = 1,0 - 5,0 = -4")),
        Fall("LeitfaktorEinsAmRand", 3, {-16, -15, 1, 2}, -15, groessere + "x² + 31x + 240 = 0",
             erklaerung("31", "240", "-31",
                        "0,25, die gesuchte größere Lösung also -p/2 + √D = -15,5 + 0,5 = -15"))),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// a, b, c von "links - rechts" aus den Werten bei -1, 0 und 1.
std::tuple<std::int64_t, std::int64_t, std::int64_t> koeffizienten(const std::string& gleichung) {
    const std::size_t gleich = gleichung.find('=');
    const auto f = [&](std::int64_t x) {
        return static_cast<std::int64_t>((Ausdruck::wert(gleichung.substr(0, gleich), x) -
                                          Ausdruck::wert(gleichung.substr(gleich + 1), x))
                                             .z);
    };
    const std::int64_t c = f(0), plus = f(1), minus = f(-1);
    return {(plus + minus) / 2 - c, (plus - minus) / 2, c};
}

class QGleichungOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(QGleichungOrakel, AntwortIstDieGefragteDerZweiLoesungenImBereich) {
    const std::int64_t level = GetParam();
    const std::int64_t von = level == 1 ? 1 : level == 2 ? -10 : -16;
    const std::int64_t bis = level == 3 ? 16 : 10;
    static const std::regex schluss(R"(√D = (\S+) ([+-]) (\S+) = (\S+))");
    static const std::regex dezimalpunkt("[0-9][.][0-9]");
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::quadGl, level)) {
            const bool nachKleinerer = k.frage.rfind(kleinere, 0) == 0;
            ASSERT_TRUE(nachKleinerer || k.frage.rfind(groessere, 0) == 0) << k.frage;
            const auto [a, b, c] = koeffizienten(k.frage.substr(k.frage.find(einzug)));
            ASSERT_TRUE(level < 3 ? a == 1 : a >= 1 && a <= 3) << k.frage;
            std::vector<std::int64_t> x;
            for (std::int64_t probe = von; probe <= bis; ++probe) {
                if (a * probe * probe + b * probe + c == 0) {
                    x.push_back(probe);
                }
            }
            ASSERT_EQ(x.size(), 2u) << k.frage;
            ASSERT_EQ(k.antwort, std::to_string(nachKleinerer ? x[0] : x[1])) << k.frage;

            // Die Erklärung rechnet mit der Normalform und endet bei der Antwort.
            const std::string pq = "p = " + std::to_string(-x[0] - x[1]) +
                                   " und q = " + std::to_string(x[0] * x[1]) + ".";
            ASSERT_NE(k.hilfe.find(pq), std::string::npos) << k.hilfe;
            std::smatch m;
            const std::string letzte = k.hilfe.substr(k.hilfe.rfind("√D = "));
            ASSERT_TRUE(std::regex_match(letzte, m, schluss)) << k.hilfe;
            ASSERT_EQ(m[2] == "-", nachKleinerer) << k.hilfe;
            // Dezimalkomma wie in der Eingabe: "2.5" wäre dort 25.
            ASSERT_FALSE(std::regex_search(k.hilfe, dezimalpunkt)) << k.hilfe;
            const auto zahl = [](std::string t) {
                std::replace(t.begin(), t.end(), ',', '.');
                return std::stod(t);
            };
            const double wurzel = nachKleinerer ? -zahl(m[3]) : zahl(m[3]);
            ASSERT_EQ(zahl(m[1]) + wurzel, std::stod(k.antwort)) << k.hilfe;
            ASSERT_EQ(m[4], k.antwort) << k.hilfe;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, QGleichungOrakel, testing::Values(1, 2, 3));

} // namespace
