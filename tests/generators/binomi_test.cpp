#include "ausdruck.h"
#include "core/zufall.h"
#include "generators/paket.h"
#include "pakettest.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using numora::test::Ausdruck;

// Das Zeichen der Lücke steht hier wörtlich, damit auch das Zeichen selbst geprüft wird.
const std::string L = "\uF8FF";

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    std::int64_t antwort;
    std::string luecke; // Gleichung oder Term mit der Lücke
    std::string hilfe;
};

class Binom : public testing::TestWithParam<Fall> {};

TEST_P(Binom, ErzeugtGenauDieseKarten) {
    const Fall& f = GetParam();
    const std::string frage =
        f.luecke.find('=') != std::string::npos
            ? "Welche Zahl ist für " + L + " in der Gleichung " + f.luecke + " \n einzusetzen?"
            : "Welche Zahl ist für " + L + " im Term" + std::string(13, ' ') + f.luecke +
                  " \n einzusetzen, um ein vollständiges Quadrat zu erhalten?";
    numora::test::erwarteKarten(numora::thema::binFo, f.level, f.ziehungen, frage,
                                std::to_string(f.antwort), f.hilfe);
}

// Ziehungen: auf Stufe 2 zuerst die Art (3 wird neu gezogen); bei der Gleichung die Position
// der Lücke, p und q (0 und -p werden neu gezogen); bei der Ergänzung p, q und die Lücke.
INSTANTIATE_TEST_SUITE_P(
    JedeLuecke, Binom,
    testing::Values(
        Fall("FaktorEinsVorX", 1, {0, 1, -9}, 1, "x² - 18x + 81 = (" + L + "x - 9)²",
             "(" + L + "x - 9)² = (" + L + "x)² - 2 · " + L + "x · 9 + 9²\n = " + L +
                 "²x² - 18 · " + L + "x + 81\nVergleich der x-Glieder: -18 · " + L +
                 "x = -18x, also " + L + " = -18 / (-18) = 1"),
        Fall("NegativesQ", 1, {1, 2, -3}, -3, "4x² - 12x + 9 = (2x + " + L + ")²",
             "(2x + " + L + ")² = (2x)² + 2 · 2x · " + L + " + " + L + "²\n = 4x² + 4 · " + L +
                 "x + " + L + "²\nVergleich der x-Glieder: 4 · " + L + "x = -12x, also " + L +
                 " = -12 / 4 = -3"),
        Fall("QuadratgliedQNeuGezogen", 1, {2, 1, 0, -1, -4}, 1,
             " " + L + "x² - 8x + 16 = (x - 4)²",
             "(x - 4)² = x² - 2 · x · 4 + 4²\n = x² - 8x + 16\nVergleich der x²-Glieder: " + L +
                 "x² = x², also " + L + " = 1"),
        Fall("NegativesMittelglied", 1, {3, 2, -3}, -12, "4x² + " + L + "x + 9 = (2x - 3)²",
             "(2x - 3)² = (2x)² - 2 · 2x · 3 + 3²\n = 4x² - 12x + 9\nVergleich der x-Glieder: " +
                 L + "x = -12x, also " + L + " = -12"),
        Fall("Stufe2KonstanteArtNeuGezogen", 2, {3, 1, 4, 9, 9}, 81,
             "81x² + 162x + " + L + " = (9x + 9)²",
             "(9x + 9)² = (9x)² + 2 · 9x · 9 + 9²\n = 81x² + 162x + 81\nVergleich der "
             "Zahlglieder: " +
                 L + " = 81"),
        Fall("ErgaenzungQuadratglied", 2, {2, 2, -3, 0}, 4, L + "x² + 12x + 9",
             "9 = 3² und 12x = 2 · 2x · 3\n(2x + 3)² = 4x² + 12x + 9\nVergleich der x²-Glieder: " +
                 L + "x² = 4x², also " + L + " = 4"),
        Fall("ErgaenzungMittelgliedImmerPositiv", 2, {2, 3, 0, -3, -5, 1}, 30,
             "9x² + " + L + "x + 25",
             "9x² = (3x)² und 25 = 5²\n(3x + 5)² = 9x² + 30x + 25\nVergleich der x-Glieder: " + L +
                 "x = 30x, also " + L + " = 30"),
        Fall("ErgaenzungKonstante", 2, {2, 1, 7, 2}, 49, "x² + 14x + " + L,
             "14x = 2 · x · 7\n(x + 7)² = x² + 14x + 49\nVergleich der Zahlglieder: " + L +
                 " = 49")),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// a, b, c des Terms aus den Werten bei -1, 0 und 1.
std::tuple<std::int64_t, std::int64_t, std::int64_t> koeffizienten(const std::string& term) {
    const auto f = [&](std::int64_t x) {
        return static_cast<std::int64_t>(Ausdruck::wert(term, x).z);
    };
    const std::int64_t c = f(0), plus = f(1), minus = f(-1);
    return {(plus + minus) / 2 - c, (plus - minus) / 2, c};
}

class BinomOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(BinomOrakel, AntwortErgibtEinVollstaendigesQuadratOderDenScheitel) {
    const std::int64_t level = GetParam();
    static const std::regex luecke("Welche Zahl ist für " + L +
                                   " (?:in der Gleichung (.+) \n einzusetzen\\?|im Term {13}(.+) "
                                   "\n einzusetzen, um ein vollständiges Quadrat zu erhalten\\?)");
    static const std::regex extrem(
        R"(   (?:Für welchen Wert von x wird|Was ist der (größte|kleinste) Wert, den) der Ausdruck )"
        R"((.+?) +(minimal\?|maximal\?|annehmen kann\? ?))");
    static const std::set<std::int64_t> quadrate = {1, 4, 9, 16, 25, 36, 49, 64, 81};
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::binFo, level)) {
            std::smatch m;
            if (level == 3) {
                // Der Scheitel; das Vorzeichen von x² entscheidet über Minimum oder Maximum.
                ASSERT_TRUE(std::regex_match(k.frage, m, extrem)) << k.frage;
                const auto [a, b, c] = koeffizienten(m[2]);
                ASSERT_EQ(a, m[1] == "kleinste" || m[3] == "minimal?" ? 1 : -1) << k.frage;
                const std::int64_t x = b / (-2 * a);
                ASSERT_TRUE(x >= 2 && x <= 8 && b % 2 == 0) << k.frage;
                ASSERT_EQ(k.antwort, std::to_string(m[1].matched ? a * x * x + b * x + c : x));
                continue;
            }
            ASSERT_TRUE(std::regex_match(k.frage, m, luecke)) << k.frage;
            const bool gleichung = m[1].matched;
            ASSERT_TRUE(gleichung || level == 2) << k.frage;
            std::string text = m[gleichung ? 1 : 2];
            const std::size_t bei = text.find(L);
            ASSERT_TRUE(bei != std::string::npos && text.find(L, bei + 1) == std::string::npos);
            text.replace(bei, L.size(), k.antwort);
            if (gleichung) {
                for (std::int64_t x = 0; x <= 2; ++x) {
                    ASSERT_TRUE(Ausdruck::erfuellt(text, x)) << k.frage << " mit " << k.antwort;
                }
                text = text.substr(0, text.find('='));
            }
            // (px + q)² mit p aus 1..9 und q aus ±1..±9; die Ergänzung addiert immer.
            const auto [a, b, c] = koeffizienten(text);
            ASSERT_TRUE(quadrate.count(a) && quadrate.count(c) && b * b == 4 * a * c) << text;
            ASSERT_TRUE(gleichung || b > 0) << text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, BinomOrakel, testing::Values(1, 2, 3));

} // namespace
