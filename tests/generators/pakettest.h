// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Gemeinsames Gerüst der Generatortests: wörtliche Kartentexte aus vorgegebenen Ziehungen
// (Tabellen über die Testreihe Karten, eine Zeile je Frageart) und die Orakel, die jede
// Karte vieler gesäter Pakete auf einem eigenen Weg nachrechnen.

#include "core/uhr.h"
#include "core/zufall.h"
#include "generators/paket.h"
#include "testuhr.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace numora::test {

// Stellt die Uhr auf den Kalendertag aller Generatortests; davon hängt "war", "ist" oder
// "wird" der Wochentagsfragen ab.
struct Heute {
    TestUhr uhr;
    UhrErsetzen ersetzt{uhr};
    Heute() { uhr.setzeKalender({2025, 6, 15, 23, 59}); }
};

// Acht Karten nacheinander aus genKarte entstehen aus denselben Ziehungen und müssen darum
// genau diese Karte sein.
struct Kartenfall {
    thema t;
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungenJeKarte;
    std::string antwort;
    std::string frage;
    std::string hilfe;
};

inline void PrintTo(const Kartenfall& f, std::ostream* os) {
    *os << f.name;
}

inline std::string fallName(const testing::TestParamInfo<Kartenfall>& i) {
    return i.param.name;
}

class Karten : public testing::TestWithParam<Kartenfall> {};

// Ruft pruefe(karte, level) für jede Karte aus 2000 gesäten Paketen je Level 1 bis 3; jedes
// Paket hat acht verschiedene Fragen mit Erklärung. Der erste fatale Fehler beendet den Lauf.
template <typename F> void fuerJedeKarte(thema t, F&& pruefe) {
    const Heute heute;
    for (std::int64_t level = 1; level <= 3; ++level) {
        for (std::uint64_t saat = 0; saat < 2000; ++saat) {
            MersenneQuelle quelle(saat);
            ZufallsquelleErsetzen ersetzt(quelle);
            const std::vector<Karte> paket = genPaket(t, level);
            std::set<std::string> fragen;
            for (const Karte& k : paket) {
                fragen.insert(k.frage);
            }
            ASSERT_EQ(fragen.size(), static_cast<std::size_t>(paketGroesse))
                << "Startwert " << saat;
            for (const Karte& k : paket) {
                SCOPED_TRACE(k.frage + "\n" + k.hilfe);
                ASSERT_TRUE(k.bereich == t && k.items.empty() && !k.multipel && !k.hilfe.empty());
                pruefe(k, level);
                if (testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

} // namespace numora::test
