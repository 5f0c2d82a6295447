#pragma once

// Wörtliche Kartentexte aus vorgegebenen Ziehungen: Jede der acht Karten eines Pakets entsteht
// aus denselben Ziehungen und muss darum genau die erwartete Karte sein.

#include "core/zufall.h"
#include "generators/paket.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace numora::test {

inline void erwarteKarten(thema t, std::int64_t level,
                          const std::vector<std::int64_t>& ziehungenJeKarte,
                          const std::string& frage, const std::string& antwort,
                          const std::string& hilfe) {
    std::vector<std::int64_t> ziehungen;
    for (std::int64_t karte = 0; karte < paketGroesse; ++karte) {
        ziehungen.insert(ziehungen.end(), ziehungenJeKarte.begin(), ziehungenJeKarte.end());
    }
    SkriptQuelle skript(ziehungen);
    ZufallsquelleErsetzen ersetzt(skript);
    for (std::int64_t karte = 0; karte < paketGroesse; ++karte) {
        const Karte k = genKarte(t, level);
        ASSERT_EQ(k.frage, frage);
        ASSERT_EQ(k.antwort, antwort);
        ASSERT_EQ(k.hilfe, hilfe);
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Eine Zeile einer Texttabelle mit ganzzahliger Antwort.
struct Kartenkopf {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungenJeKarte;
    std::int64_t antwort;
};

struct Kartenfall {
    Kartenkopf kopf;
    std::string frage;
    std::string hilfe;
};

inline void erwarteKarten(thema t, const Kartenfall& f) {
    erwarteKarten(t, f.kopf.level, f.kopf.ziehungenJeKarte, f.frage, std::to_string(f.kopf.antwort),
                  f.hilfe);
}

} // namespace numora::test
