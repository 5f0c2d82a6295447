// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/kartenfolge.h"
#include "pakettest.h"

#include <limits>
#include <stdexcept>

namespace numora::test {
namespace {

TEST_P(Karten, EntstehenGenauAusDenZiehungen) {
    const Kartenfall& f = GetParam();
    std::vector<std::int64_t> ziehungen;
    for (std::int64_t karte = 0; karte < paketGroesse; ++karte) {
        ziehungen.insert(ziehungen.end(), f.ziehungenJeKarte.begin(), f.ziehungenJeKarte.end());
    }
    const Heute heute;
    SkriptQuelle skript(ziehungen);
    ZufallsquelleErsetzen ersetzt(skript);
    for (std::int64_t karte = 0; karte < paketGroesse; ++karte) {
        const Karte k = genKarte(f.t, f.level);
        ASSERT_EQ(k.frage, f.frage);
        ASSERT_EQ(k.antwort, f.antwort);
        ASSERT_EQ(k.hilfe, f.hilfe);
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

TEST(GenPaket, AnalysisUndFremdeLevelGebenKeinPaket) {
    EXPECT_TRUE(genPaket(thema::analysis, 1).empty());
    EXPECT_TRUE(genPaket(thema::grundR, 0).empty() && genPaket(thema::grundR, 4).empty());
    EXPECT_EQ(genKarte(thema::analysis, 1), Karte{});
}

TEST(GenPaket, BehaeltEineDoppelteFrageNachHundertNeuziehungen) {
    // Immer 5 + 2 (Ziehungen 2, 5, 2): die erste Karte, dann je 1 + 100 Ziehungen für sieben.
    std::vector<std::int64_t> z;
    for (int i = 0; i < 1 + 7 * (1 + hoechsteNeuziehungen); ++i) {
        z.insert(z.end(), {2, 5, 2});
    }
    SkriptQuelle skript(z);
    ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_EQ(genPaket(thema::grundR, 1).back().frage, "   Berechne     5 + 2");
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Auch an den Grenzen der Zahlentypen ohne Überlauf (wie numora-blatt zählen die Varianten ab 1).
TEST(Kartenfolge, GrenzenOhneUeberlauf) {
    constexpr auto min64 = std::numeric_limits<std::int64_t>::min();
    constexpr auto maxU64 = std::numeric_limits<std::uint64_t>::max();
    EXPECT_EQ(variantenStartwert(5, 3), 7u);
    EXPECT_EQ(variantenStartwert(maxU64, 2), 0u);
    EXPECT_EQ(variantenStartwert(0, min64), maxU64 / 2);
    EXPECT_EQ(kartenZumStartwert(thema::grundR, 1, 9, 1).size(), 9u);
    EXPECT_THROW(kartenZumStartwert(thema::grundR, 1, std::numeric_limits<std::int64_t>::max(), 1),
                 std::length_error);
}

} // namespace
} // namespace numora::test
