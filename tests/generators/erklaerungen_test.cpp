// SPDX-License-Identifier: GPL-3.0-or-later
#include "pakettest.h"

#include <utility>

namespace numora::test {
namespace {

// Acht verschiedene Fragen, jede mit Erklärung, verlangt fuerJedeKarte schon in jedem Orakel.
// Die Erklärungen, die früher fehlten, enden zudem mit einer Zeile, die die Antwort nennt.
TEST(Erklaerungen, DieNeuenEndenMitDerAntwort) {
    for (const auto& [t, level] : {std::pair{thema::grundR, 1},
                                   {thema::grundR, 2},
                                   {thema::binFo, 1},
                                   {thema::binFo, 2},
                                   {thema::geraden, 3}}) {
        fuerJedeKarte(t, level, [](const Karte& k) {
            if (k.bereich != thema::geraden || k.frage.find("Dreieck") != std::string::npos) {
                ASSERT_TRUE(k.hilfe.ends_with(" " + k.antwort));
            }
        });
    }
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

} // namespace
} // namespace numora::test
