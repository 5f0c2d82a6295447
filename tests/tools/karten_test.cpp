// SPDX-License-Identifier: GPL-3.0-or-later
#include "lauf.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

std::vector<std::string> karten(const std::string& argumente) {
    const Lauf lauf = starte(std::string(NUMORA_KARTEN) + " " + argumente);
    EXPECT_EQ(lauf.code, 0) << argumente;
    return zeilen(lauf.aus);
}

TEST(NumoraKarten, DruecktAchtKartenJePaketWiederholbar) {
    const std::vector<std::string> json = karten("0 3 --seed 1 --json");
    ASSERT_EQ(json.size(), 8u);
    for (std::size_t i = 0; i < json.size(); ++i) {
        const nlohmann::json karte = nlohmann::json::parse(json[i]);
        EXPECT_TRUE(karte.at("thema") == 0 && karte.at("level") == 3 &&
                    karte.at("nummer") == i + 1);
        EXPECT_TRUE(karte.at("frage").is_string() && karte.at("hilfe").is_string());
    }
    EXPECT_EQ(karten("0 3 --seed 1 --json"), json);
    EXPECT_EQ(karten("0 1 --anzahl 5 --json").size(), 40u);
    EXPECT_EQ(karten("0 3 --seed 7").at(0), "=== Paket 1, Karte 1 (Grundrechenarten, Level 3) ===");
    // Die Lücke der Binomaufgaben erscheint wie im Spiel als Kästchen, in Frage und Erklärung.
    for (const char* art : {"", " --json"}) {
        const std::string aus = starte(std::string(NUMORA_KARTEN) + " 3 1 --seed 1" + art).aus;
        EXPECT_NE(aus.find("für \u25A1 in"), std::string::npos) << art;
        EXPECT_EQ(aus.find("\xEF\xA3\xBF"), std::string::npos) << art;
    }
}

TEST(NumoraKarten, FalscherAufrufEndetMitCode2UndEinerZeile) {
    pruefeAufrufe(
        NUMORA_KARTEN, "numora-karten",
        {Aufruf{"", "genau zwei Zahlen, THEMA und LEVEL"}, Aufruf{"0 1 2", "genau zwei Zahlen"},
         Aufruf{"9 1", "Das Thema muss eine Nummer von 0 bis 8 sein, nicht \"9\"."},
         Aufruf{"-1 1", "nicht \"-1\""}, Aufruf{"x 1", "Das Thema"},
         Aufruf{"0 4", "Der Level muss 1, 2 oder 3 sein, nicht \"4\"."},
         Aufruf{"0 1 --anzahl 0", "Anzahl muss eine ganze Zahl von 1 bis 1000000 sein"},
         Aufruf{"0 1 --anzahl 1000001", "nicht \"1000001\""},
         Aufruf{"0 1 --anzahl", "Nach --anzahl fehlt eine Zahl."},
         Aufruf{"0 1 --seed 18446744073709551616",
                "Startwert muss eine ganze Zahl von 0 bis 18446744073709551615 sein, nicht"},
         Aufruf{"0 1 --seed --hilfe", "nicht \"--hilfe\""},
         Aufruf{"0 1 --bunt --hilfe", "Unbekannte Option \"--bunt\" (--hilfe zeigt den Aufruf)."},
         Aufruf{"0 1 --hilfe --bunt", "Aufruf: numora-karten THEMA LEVEL", 0},
         Aufruf{"0 1 --seed 1 --seed 2", "--seed ist doppelt angegeben."},
         Aufruf{"0 1 >/dev/full", "Die Ausgabe ließ sich nicht schreiben.", 1},
         Aufruf{"--version", "numora-karten ", 0},
         Aufruf{"--version >/dev/full", "Die Ausgabe ließ sich nicht schreiben.", 1}});
}

} // namespace
