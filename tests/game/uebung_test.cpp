// SPDX-License-Identifier: GPL-3.0-or-later
// Fehler ansehen und üben, gespielt über die Attrappen.

#include "attrappen.h"
#include "game/durchsicht.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;
using testing::StartsWith;

class Uebung : public testing::TestWithParam<std::vector<std::string>> {};

TEST_P(Uebung, FehlerAnsehenUndUebenBisKeinerBleibt) {
    const auto eingaben = GetParam();
    numora::test::Spiel s;
    auto& f = s.fenster;
    f.ueben = {false, true, true}; // erst nur ansehen, dann zweimal üben
    s.vc.viewDidLoad();
    s.spieleRunde("1", [&](std::size_t i) { return eingaben[i]; });
    const auto runde = s.vc.stand().aktuellesPaket;
    const auto hallen = s.vc.hof().alleHallen;
    const bool geaendert = s.vc.hof().hfdatenChanged;
    EXPECT_TRUE(f.sichtbar[numora::Knopf::fehlerF]);
    s.vc.fehlerAnsehen();
    std::vector<numora::Karte> verfehlt;
    for (std::size_t i = 0; i < 8; ++i) { // genau die falschen, mit der Eingabe wie getippt
        const auto& d = f.durchsichten.at(0);
        EXPECT_EQ(d.find("\nFrage " + std::to_string(i + 1) + "\n    Berechne") != d.npos,
                  !eingaben[i].empty());
        if (!eingaben[i].empty()) {
            verfehlt.push_back(runde[i]);
            EXPECT_THAT(d, HasSubstr("  Deine Antwort:  " + eingaben[i] +
                                     "\n  Richtig:        " + runde[i].antwort));
        }
    }
    const auto n = verfehlt.size();
    EXPECT_EQ(geaendert, n < 8);

    s.vc.fehlerAnsehen(); // üben: alle richtig bis auf die letzte Karte
    EXPECT_EQ(s.vc.stand().aktuellesPaket, verfehlt);
    EXPECT_EQ(f.kopf,
              "Übung: die " + std::to_string(n) + " Fehler der Runde – Grundrechenarten, Level 1");
    s.spielePaket([&](std::size_t i) { return i + 1 == n ? "0" : ""; });
    EXPECT_THAT(f.mitte, StartsWith("Übung beendet: " + std::to_string(n - 1) + " von " +
                                    std::to_string(n) + " jetzt richtig."));
    EXPECT_EQ(s.vc.stand().antworten.size(), n);
    s.vc.fehlerAnsehen(); // die übrige Karte noch einmal, jetzt richtig
    EXPECT_THAT(f.durchsichten.back(), HasSubstr("  Deine Antwort:  0\n"));
    EXPECT_EQ(s.vc.stand().aktuellesPaket, std::vector{verfehlt.back()});
    EXPECT_EQ(f.kopf, "Übung: der übrige Fehler – Grundrechenarten, Level 1");
    s.spielePaket([](std::size_t) { return ""; });
    EXPECT_THAT(f.mitte, StartsWith("Übung beendet: 1 von 1 jetzt richtig."));
    EXPECT_FALSE(f.sichtbar[numora::Knopf::fehlerF] || s.vc.fehlerAnsehenMoeglich());
    EXPECT_EQ(s.vc.hof().alleHallen, hallen);
    EXPECT_EQ(s.vc.hof().hfdatenChanged, geaendert);

    s.antworte({"Neuer Start im gleichen Gebiet und Level"}); // weiter wie nach jeder Runde
    s.tippe("");
    EXPECT_EQ(f.kopf, "Gewähltes Thema:    Grundrechenarten,    Level 1");
    EXPECT_FALSE(s.vc.stand().uebung);
}

// Die acht Eingaben der Runde, leer für die richtige Antwort. Drei Fehler: ein Eintrag in die
// Halle; acht Fehler: Die Halle bleibt ungeändert.
INSTANTIATE_TEST_SUITE_P(
    Fehler, Uebung,
    testing::Values(std::vector<std::string>{"", "-1", "", "", "1/2", "", "keine Ahnung", ""},
                    std::vector<std::string>{"-1", "-2", "-3", "-4", "-5", "-6", "-7", "-8"}));

// Fragen und Erklärungen fluchten unter ihrer Überschrift, wie ihr Generator sie auch einrückt.
TEST(Durchsicht, FrageUndErklaerungFluchten) {
    numora::Spielstand s;
    s.aktuellesPaket = {{.frage = " \n     2x + y = 7 \n       x - y = 2 ",
                         .items = {},
                         .antwort = "1",
                         .hilfe = "3x = 9\n = x = 3\n\n y = 1\n "}};
    s.antworten = {{1, "", false, 4, "", ""}};
    EXPECT_THAT(numora::durchsichtText(s),
                testing::EndsWith("\n\nFrage 1\n    2x + y = 7\n      x - y = 2\n  Deine Antwort:  "
                                  "(nichts eingegeben)\n  Richtig:        1\n  Erklärung:\n    "
                                  "3x = 9\n     = x = 3\n\n     y = 1\n"));
}

} // namespace
