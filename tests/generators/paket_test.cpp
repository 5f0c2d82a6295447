#include "core/zufall.h"
#include "generators/paket.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <regex>
#include <string>
#include <vector>

namespace {

using numora::thema;

TEST(Zufallszahl, BleibtImBereichUndSternMeidetNull) {
    EXPECT_EQ(numora::zufallszahl(5, 5), 5);
    numora::SkriptQuelle skript{0, 0, 1};
    numora::ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_EQ(numora::zufallszahlStern(-1, 1), 1);
    EXPECT_EQ(skript.uebrig(), 0u);
}

TEST(Zufallszahl, SkriptMeldetUngeeigneteZiehungen) {
    numora::SkriptQuelle skript{7};
    numora::ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_THROW(numora::zufallszahl(1, 6), std::logic_error);
    EXPECT_THROW(numora::zufallszahl(1, 6), std::logic_error);
}

TEST(GenPaket, AnalysisUndFremdeLevelGebenKeinPaket) {
    EXPECT_TRUE(numora::genPaket(thema::analysis, 1).empty());
    EXPECT_TRUE(numora::genPaket(thema::grundR, 0).empty());
    EXPECT_TRUE(numora::genPaket(thema::grundR, 4).empty());
}

struct ThemaLevel {
    thema t;
    std::int64_t level;
};

class JedesPaket : public testing::TestWithParam<ThemaLevel> {};

TEST_P(JedesPaket, HatAchtKartenNachVertrag) {
    const auto [t, level] = GetParam();
    const std::regex ganz("-?[0-9]+");
    const std::regex bruch("-?[0-9]+(/-?[0-9]+)?");
    const bool bruchAntwort = t == thema::bruRe && level >= 2;
    for (std::uint64_t saat = 0; saat < 300; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        const std::vector<numora::Karte> paket = numora::genPaket(t, level);
        ASSERT_EQ(paket.size(), 8u);
        for (const numora::Karte& k : paket) {
            EXPECT_EQ(k.bereich, t);
            EXPECT_TRUE(k.items.empty());
            EXPECT_FALSE(k.multipel);
            EXPECT_TRUE(std::regex_match(k.antwort, bruchAntwort ? bruch : ganz)) << k.antwort;
        }
    }
}

std::vector<ThemaLevel> alleWaehlbaren() {
    std::vector<ThemaLevel> v;
    for (std::size_t i = 0; i <= numora::hoechsterAngebotIndex; ++i) {
        for (std::int64_t l = 1; l <= 3; ++l) {
            v.push_back({numora::angebotp[i], l});
        }
    }
    return v;
}

INSTANTIATE_TEST_SUITE_P(AlleThemen, JedesPaket, testing::ValuesIn(alleWaehlbaren()),
                         [](const testing::TestParamInfo<ThemaLevel>& i) {
                             return "Thema" + std::to_string(static_cast<int>(i.param.t)) +
                                    "Level" + std::to_string(i.param.level);
                         });

struct Extremwert {
    std::int64_t k, a, b;
    std::string frage, antwort, hilfe;
};

TEST(GenPaket, BinomischeFormelLevel3FragtNachMinimumUndMaximum) {
    const std::vector<Extremwert> faelle = {
        {1, 3, 20, "   Für welchen Wert von x wird der Ausdruck x² - 6x + 29 minimal?", "3",
         "x² - 6x + 29 \n = x² - 6x + 9 + 20 \n = (x - 3)² + 20\n Der Wert ist also mindestens 20 "
         "und gleich 20 für x = 3"},
        {2, 2, 36, "   Für welchen Wert von x wird der Ausdruck 4x - x² + 36 maximal?", "2",
         "4x - x² + 36 \n = 2 * 2x - x² - 4 + 4 + 36  \n = -(x² - 2 * 2x + 4) + 4 + 36 \n = -(x - "
         "2)² + 40 \n Der Wert ist also höchstens 40 und beträgt 40 für x = 2"},
        {3, 8, 25, "   Was ist der größte Wert, den der Ausdruck 16x - x² + 25  annehmen kann?",
         "89",
         "16x - x² + 25 \n = 16x - x²  - 64 + 64 + 25\n = -(x² - 2 * 8x + 64) + 64 + 25 \n = -(x "
         "- 8)² + 89 \n Der Wert ist also höchstens 89 und beträgt 89 für x = 8"},
        {4, 5, 21, "   Was ist der kleinste Wert, den der Ausdruck x² - 10x + 46 annehmen kann? ",
         "21",
         "x² - 10x + 46 \n = x² - 2 *5x + 25 + 21 \n = (x - 5)² + 21\n Der Wert ist also "
         "mindestens "
         "21 und gleich 21 für x = 5"},
    };
    numora::SkriptQuelle skript{};
    for (int runde = 0; runde < 2; ++runde) {
        for (const Extremwert& f : faelle) {
            skript.anhaengen({f.k, f.a, f.b});
        }
    }
    numora::ZufallsquelleErsetzen ersetzt(skript);
    std::vector<numora::Karte> paket;
    for (std::size_t i = 0; i < 8; ++i) {
        paket.push_back(numora::genKarte(thema::binFo, 3));
    }
    for (std::size_t i = 0; i < paket.size(); ++i) {
        const Extremwert& f = faelle[i % faelle.size()];
        EXPECT_EQ(paket[i].frage, f.frage);
        EXPECT_EQ(paket[i].antwort, f.antwort);
        EXPECT_EQ(paket[i].hilfe, f.hilfe);
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

} // namespace
