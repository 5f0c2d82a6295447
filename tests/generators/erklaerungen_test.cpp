// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/zufall.h"
#include "generators/paket.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

using numora::thema;

class JedesThema : public testing::TestWithParam<std::size_t> {};

TEST_P(JedesThema, AchtVerschiedeneFragenUndJedeMitErklaerung) {
    const thema t = numora::angebotp[GetParam()];
    for (std::int64_t level = 1; level <= 3; ++level) {
        for (std::uint64_t saat = 0; saat < 2000; ++saat) {
            numora::MersenneQuelle quelle(saat);
            numora::ZufallsquelleErsetzen ersetzt(quelle);
            std::set<std::string> fragen;
            for (const numora::Karte& k : numora::genPaket(t, level)) {
                fragen.insert(k.frage);
                ASSERT_FALSE(k.hilfe.empty()) << k.frage;
                // Die früher fehlenden Erklärungen enden mit der Antwort.
                if (((t == thema::grundR || t == thema::binFo) && level < 3) ||
                    k.frage.find("Dreieck") != std::string::npos) {
                    ASSERT_TRUE(k.hilfe.ends_with(" " + k.antwort)) << k.hilfe;
                }
            }
            ASSERT_EQ(fragen.size(), 8u) << "Level " << level << ", Startwert " << saat;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Angebot, JedesThema, testing::Range<std::size_t>(0, 9));

TEST(GenPaket, BehaeltEineDoppelteFrageNachHundertNeuziehungen) {
    // Immer 5 + 2 (Ziehungen 2, 5, 2): die erste Karte, dann je 1 + 100 Ziehungen für sieben.
    std::vector<std::int64_t> z;
    for (int i = 0; i < 1 + 7 * (1 + numora::hoechsteNeuziehungen); ++i) {
        z.insert(z.end(), {2, 5, 2});
    }
    numora::SkriptQuelle skript(z);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_EQ(numora::genPaket(thema::grundR, 1).back().frage, "   Berechne     5 + 2");
    EXPECT_EQ(skript.uebrig(), 0u);
}

} // namespace
