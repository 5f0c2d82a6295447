#include <array>
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
    std::string ausgabe;
};

// Startet numora-karten; mit nurFehler wird nur die Fehlerausgabe gelesen.
Lauf starte(const std::string& argumente, bool nurFehler = false) {
    const std::string befehl = std::string(NUMORA_KARTEN) + " " + argumente +
                               (nurFehler ? " 2>&1 1>/dev/null" : " 2>/dev/null");
    FILE* rohr = popen(befehl.c_str(), "r");
    std::string ausgabe;
    std::array<char, 4096> puffer{};
    std::size_t n = 0;
    while ((n = fread(puffer.data(), 1, puffer.size(), rohr)) > 0) {
        ausgabe.append(puffer.data(), n);
    }
    const int status = pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ausgabe};
}

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream ein(text);
    for (std::string zeile; std::getline(ein, zeile);) {
        z.push_back(zeile);
    }
    return z;
}

TEST(NumoraKarten, DruecktAchtJsonZeilenJePaket) {
    const Lauf lauf = starte("0 3 --seed 1 --json");
    ASSERT_EQ(lauf.code, 0);
    const std::vector<std::string> z = zeilen(lauf.ausgabe);
    ASSERT_EQ(z.size(), 8u);
    for (std::size_t i = 0; i < z.size(); ++i) {
        const nlohmann::json karte = nlohmann::json::parse(z[i]);
        EXPECT_EQ(karte.at("thema"), 0);
        EXPECT_EQ(karte.at("level"), 3);
        EXPECT_EQ(karte.at("nummer"), static_cast<int>(i) + 1);
        EXPECT_TRUE(karte.at("frage").is_string());
        EXPECT_TRUE(karte.at("antwort").is_string());
        EXPECT_TRUE(karte.at("hilfe").is_string());
    }
    EXPECT_EQ(starte("0 3 --seed 1 --json").ausgabe, lauf.ausgabe);
    EXPECT_EQ(zeilen(starte("0 1 --anzahl 5 --json").ausgabe).size(), 40u);
}

TEST(NumoraKarten, DruecktLesbarenText) {
    const Lauf lauf = starte("0 3 --seed 7");
    ASSERT_EQ(lauf.code, 0);
    EXPECT_NE(lauf.ausgabe.find("Karte 8 (Grundrechenarten, Level 3)"), std::string::npos);
    EXPECT_NE(lauf.ausgabe.find("Erklärung:"), std::string::npos);
}

class FalscherAufruf : public testing::TestWithParam<const char*> {};

TEST_P(FalscherAufruf, EndetMitCode2UndEinerDeutschenZeile) {
    const Lauf lauf = starte(GetParam(), true);
    EXPECT_EQ(lauf.code, 2);
    const std::vector<std::string> z = zeilen(lauf.ausgabe);
    ASSERT_EQ(z.size(), 1u) << lauf.ausgabe;
    EXPECT_EQ(z[0].rfind("numora-karten: ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(Beispiele, FalscherAufruf,
                         testing::Values("", "0", "9 1", "-1 1", "0 0", "0 4", "x 1", "0 1 2",
                                         "0 1 --anzahl 0", "0 1 --anzahl zwei", "0 1 --anzahl",
                                         "0 1 --seed -1", "0 1 --bunt", "1e1 1"));

} // namespace
