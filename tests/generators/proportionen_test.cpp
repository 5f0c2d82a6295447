#include "ausdruck.h"
#include "core/zufall.h"
#include "generators/paket.h"
#include "pakettest.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

namespace {

using numora::test::Ausdruck;

const std::string verhaeltnis = "\n\n          Berechne x in der Verhältnisgleichung:    ";

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    std::int64_t antwort;
    std::string frage, hilfe;
};

class Prop : public testing::TestWithParam<Fall> {};

TEST_P(Prop, ErzeugtGenauDieseKarten) {
    const Fall& f = GetParam();
    numora::test::erwarteKarten(numora::thema::prop, f.level, f.ziehungen, f.frage,
                                std::to_string(f.antwort), f.hilfe);
}

// Ziehungen: Stufe 1 Form, dann a, b, c, d (verworfene Vierer zuerst); Stufe 2 a, b, c, d,
// dann die Art; Stufe 3 r, M, T, Art und deren Ziehungen.
INSTANTIATE_TEST_SUITE_P(
    JedeForm, Prop,
    testing::Values(
        Fall("XHintenVerwirftCGleichAUndDGleichB", 1, {3, 5, 2, 5, 3, 7, 4, 3, 4, 6, 3, 4, 5}, 20,
             verhaeltnis + "12 : x = 18 : 30",
             "Übergang zu den Kehrwerten und Multiplikation mit 12 führt zu:\nx = 12 *  30 / "
             "18\nKürzen mit 3 und 6 ergibt:x = 4 * 5 = 20"),
        Fall("XVornVerwirftCGleichBUndDGleichA", 1, {4, 5, 3, 3, 2, 6, 2, 4, 6, 5, 2, 5, 3}, 15,
             verhaeltnis + "x : 25 = 6 : 10",
             "Multiplikation mit 25 führt zu:\nx = 25 *6 / 10\nKürzen mit 5 und 2 ergibt:\nx = 5 "
             "* 3 = 15"),
        Fall("FarbeVerwirftGleicheProdukte", 2, {8, 4, 3, 6, 5, 2, 6, 3, 11}, 18,
             "    Wie viele Einheiten Farbe braucht man zum Streichen von 30 m², \n\n          "
             "wenn 6 Einheiten Farbe für 10 m² benötigt werden?",
             "Die Zuordnung Fläche <-> Farbeinheiten ist proportional\nFür die gesuchte "
             "Einheiten-Anzahl x gilt daher\nx : 30 = 6 : 10 \n - und daher\nx = 30 * 6 / "
             "10\nKürzen mit 2 und 5 ergibt: x = 18"),
        Fall("Flaeche", 2, {7, 3, 4, 2, 12}, 8,
             "    Für wie viele m² reichen 28 Einheiten Farbe,\n\n          wenn man mit 21 "
             "Einheiten Farbe 6 m² streichen kann?",
             "Die Zuordnung Farbeinheiten <-> Fläche ist proportional\nFür die "
             "Quadratmeter-Anzahl x gilt daher\nx : 28 = 6 : 21\nKürzen mit 3 und 7 ergibt: x = "
             "8"),
        Fall("MaschinenNeueZeitWirdNeuGezogen", 3, {2, 3, 4, 1, 3, 4, 2}, 3,
             "      3 gleichartige Maschinen erzeugen in 4 Zeiteinheiten 24 "
             "Produkteinheiten.\n\n Wie viele derartige Maschinen erzeugen in 2 Zeiteinheiten "
             "12 Produkteinheiten ?",
             "Die Anzahl der Maschinen ist umgekehrt proportional zur benötigten Zeit und "
             "proportional zur erzeugten Menge.\nIst x die gesuchte Anzahl der Maschinen, gilt "
             "daher:\nx = 3 * (4 / 2) * (12 / 24)  \n Antwort: 3  (Maschinen)"),
        Fall("ProdukteNeueMaschinenUndZeit", 3, {5, 5, 5, 2, 5, 5, 4, 5, 3}, 60,
             "      5 gleichartige Maschinen erzeugen in 5 Zeiteinheiten 125 "
             "Produkteinheiten.\n\nWie viele Produkteinheiten erzeugen 4 dieser Maschinen in 3 "
             "Zeiteinheiten.",
             "Die produzierte Menge ist proportional zur benötigten Zeit und proportional zur "
             "Anzahl der Maschinen.\nIst p die gesuchte Anzahl der erzeugten Produkteinheiten, "
             "gilt daher:\n p = 125 * (3 / 5) * (4 / 5)  \n Antwort: 60  (Produkteinheiten)"),
        Fall("ZeitDarfGleichBleiben", 3, {3, 2, 5, 3, 2, 4, 5}, 5,
             "      2 gleichartige Maschinen erzeugen in 5 Zeiteinheiten 30 "
             "Produkteinheiten.\n\nWie viele Zeiteinheiten benötigen 4 dieser Maschinen zur "
             "Erzeugung von 60 Produkteinheiten?",
             "Die Anzahl der Zeiteinheiten ist proportional zur produzierten Menge und umgekehrt "
             "proportional zur Anzahl der Maschinen.\nIst z die gesuchte Anzahl der "
             "Zeiteinheiten, gilt daher:\nz = 5 * (60 / 30) * (2 / 4)\nAntwort: 5  "
             "(Zeiteinheiten)")),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

class PropOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(PropOrakel, AntwortErfuelltDieProportion) {
    const std::int64_t level = GetParam();
    static const std::regex zahl("[0-9]+");
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::prop, level)) {
            SCOPED_TRACE(k.frage);
            const std::int64_t x = std::stoll(k.antwort);
            const auto hat = [&k](const char* t) { return k.frage.find(t) != std::string::npos; };
            std::vector<std::int64_t> z;
            for (std::sregex_iterator i(k.frage.begin(), k.frage.end(), zahl), e; i != e; ++i) {
                z.push_back(std::stoll(i->str()));
            }
            ASSERT_EQ(z.size(), level < 3 ? 3u : 5u);
            if (level == 1) {
                ASSERT_TRUE(Ausdruck::erfuellt(k.frage.substr(verhaeltnis.size()), x));
            }
            if (level < 3) {
                // x = z0 · andere / n; n kommt nur einmal vor (Mitte bei " : x = ", "m² reichen").
                const bool nMitte = hat(" : x = ") || hat("m² reichen");
                const std::int64_t n = nMitte ? z[1] : z[2];
                ASSERT_EQ(x * n, z[0] * (nMitte ? z[2] : z[1]));
                ASSERT_EQ(std::count(z.begin(), z.end(), n), 1);
                ASSERT_TRUE(level == 1 || (z[0] != z[1] && z[0] != z[2]));
                ASSERT_TRUE(x >= 6 && x <= 36 && k.hilfe.ends_with("= " + k.antwort)) << k.hilfe;
                continue;
            }
            // z0 Maschinen erzeugen in z1 Zeiteinheiten z2 Produkteinheiten: z2 ~ z0 · z1.
            if (hat("derartige Maschinen")) {
                ASSERT_TRUE(z[2] * x * z[3] == z[4] * z[0] * z[1] && z[3] != z[1] && x <= 5);
            } else if (hat("Produkteinheiten erzeugen")) {
                ASSERT_TRUE(z[0] * z[1] * x == z[2] * z[3] * z[4] && z[3] != z[0] && z[4] != z[1]);
            } else {
                ASSERT_TRUE(hat("Zeiteinheiten benötigen"));
                ASSERT_TRUE(z[2] * z[3] * x == z[4] * z[0] * z[1] && z[3] != z[0] && x <= 5);
            }
            ASSERT_TRUE(x >= 2 && x <= 125);
            ASSERT_NE(k.hilfe.find("Antwort: " + k.antwort + "  ("), std::string::npos) << k.hilfe;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, PropOrakel, testing::Values(1, 2, 3));

} // namespace
