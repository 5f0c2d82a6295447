#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

struct Lauf {
    int code;
    std::vector<std::string> zeilen;
};

// Startet numora-karten und liest die Zeilen der Ausgabe (mit nurFehler: der Fehlerausgabe).
Lauf starte(const std::string& argumente, bool nurFehler = false) {
    const std::string befehl = std::string(NUMORA_KARTEN) + " " + argumente +
                               (nurFehler ? " 2>&1 1>/dev/null" : " 2>/dev/null");
    FILE* rohr = popen(befehl.c_str(), "r");
    std::string text;
    char puffer[4096];
    for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;) {
        text.append(puffer, n);
    }
    const int status = pclose(rohr);
    Lauf lauf{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}};
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        lauf.zeilen.push_back(zeile);
    }
    return lauf;
}

TEST(NumoraKarten, DruecktAchtKartenJePaketWiederholbar) {
    const Lauf lauf = starte("0 3 --seed 1 --json");
    ASSERT_TRUE(lauf.code == 0 && lauf.zeilen.size() == 8u);
    for (std::size_t i = 0; i < lauf.zeilen.size(); ++i) {
        const nlohmann::json karte = nlohmann::json::parse(lauf.zeilen[i]);
        EXPECT_TRUE(karte.at("thema") == 0 && karte.at("level") == 3 &&
                    karte.at("nummer") == i + 1);
        EXPECT_TRUE(karte.at("frage").is_string() && karte.at("hilfe").is_string());
    }
    EXPECT_EQ(starte("0 3 --seed 1 --json").zeilen, lauf.zeilen);
    EXPECT_EQ(starte("0 1 --anzahl 5 --json").zeilen.size(), 40u);
    EXPECT_EQ(starte("0 3 --seed 7").zeilen.at(0),
              "=== Paket 1, Karte 1 (Grundrechenarten, Level 3) ===");
}

// Jeder falsche Aufruf endet mit Code 2 und genau einer deutschen Zeile.
TEST(NumoraKarten, FalscherAufrufEndetMitCode2) {
    for (const char* argumente : {"", "9 1", "-1 1", "0 4", "x 1", "0 1 2", "0 1 --anzahl 0",
                                  "0 1 --anzahl", "0 1 --seed -1", "0 1 --bunt", "1e1 1"}) {
        const Lauf lauf = starte(argumente, true);
        EXPECT_TRUE(lauf.code == 2 && lauf.zeilen.size() == 1u &&
                    lauf.zeilen[0].starts_with("numora-karten: "))
            << argumente;
    }
}

} // namespace
