// SPDX-License-Identifier: GPL-3.0-or-later
// Fehler ansehen und üben, gespielt über die Attrappen.

#include "attrappen.h"
#include "game/durchsicht.h"

#include <algorithm>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using numora::Knopf;
using numora::test::Spiel;
using testing::HasSubstr;
using testing::StartsWith;

// Spielt das gestellte Paket; eingabe(i) leer heißt: die richtige Antwort.
void spiele(Spiel& s, const std::function<std::string(std::size_t)>& eingabe) {
    for (std::size_t i = 0; i < s.vc.stand().aktuellesPaket.size(); ++i) {
        s.vc.weiterB(); // startet die Runde oder stellt die nächste Frage (die erste noch einmal)
        const std::string e = eingabe(i);
        s.tippe(e.empty() ? s.vc.stand().aktuellesPaket[i].antwort : e);
    }
    s.vc.weiterB();
}

std::size_t anzahl(const std::string& text, const std::string& teil) {
    std::size_t n = 0;
    for (auto p = text.find(teil); p != std::string::npos; p = text.find(teil, p + 1)) {
        ++n;
    }
    return n;
}

// Welche Fragen der Runde falsch beantwortet werden.
class Uebung : public testing::TestWithParam<std::vector<std::size_t>> {};

TEST_P(Uebung, FehlerAnsehenUndUebenBisKeinerBleibt) {
    const auto falsch = GetParam();
    const std::vector<std::string> getippt = {"-1", "1/2", "keine Ahnung"};
    Spiel s;
    auto& f = s.fenster;
    s.vc.viewDidLoad();
    s.tippe("Anna");
    s.antworte({"1"});
    s.tippe("0");
    const auto runde = s.vc.stand().aktuellesPaket;
    std::vector<numora::Karte> verfehlt;
    spiele(s, [&](std::size_t i) {
        const auto k = std::find(falsch.begin(), falsch.end(), i);
        if (k == falsch.end()) {
            return std::string();
        }
        verfehlt.push_back(runde[i]);
        return getippt[static_cast<std::size_t>(k - falsch.begin()) % 3];
    });
    const auto hallen = s.vc.hof().alleHallen;
    const bool geaendert = s.vc.hof().hfdatenChanged;
    EXPECT_EQ(geaendert, falsch.size() < 8);
    ASSERT_TRUE(f.sichtbar[Knopf::fehlerF] && s.vc.fehlerAnsehenMoeglich());

    s.vc.fehlerAnsehen(); // nur ansehen
    ASSERT_EQ(f.durchsichten.size(), 1u);
    const std::string& text = f.durchsichten[0];
    EXPECT_EQ(anzahl(text, "\nFrage "), falsch.size());
    for (std::size_t k = 0; k < falsch.size(); ++k) {
        EXPECT_THAT(text, HasSubstr("\nFrage " + std::to_string(falsch[k] + 1) + "\n"));
        EXPECT_THAT(text, HasSubstr("  Deine Antwort:  " + getippt[k % 3] +
                                    "\n  Richtig:        " + runde[falsch[k]].antwort + "\n"));
    }
    EXPECT_EQ(s.vc.stand().status, numora::phase::abgeschlossen);

    // Erste Übung: alle richtig bis auf die letzte Karte.
    f.ueben = {true};
    s.vc.fehlerAnsehen();
    EXPECT_EQ(s.vc.stand().aktuellesPaket, verfehlt);
    EXPECT_EQ(f.kopf, "Übung: die " + std::to_string(falsch.size()) +
                          " Fehler der Runde – Grundrechenarten, Level 1");
    EXPECT_FALSE(f.sichtbar[Knopf::fehlerF]);
    spiele(s, [&](std::size_t i) { return i + 1 == verfehlt.size() ? "0" : ""; });
    EXPECT_THAT(f.mitte, StartsWith("Übung beendet: " + std::to_string(falsch.size() - 1) +
                                    " von " + std::to_string(falsch.size()) + " jetzt richtig."));
    EXPECT_EQ(s.vc.stand().antworten.size(), verfehlt.size());
    EXPECT_TRUE(s.vc.stand().uebung && f.sichtbar[Knopf::fehlerF]);

    // Die übrige Karte noch einmal, jetzt richtig.
    f.ueben = {true};
    s.vc.fehlerAnsehen();
    EXPECT_EQ(anzahl(f.durchsichten.back(), "\nFrage "), 1u);
    EXPECT_THAT(f.durchsichten.back(), HasSubstr("  Deine Antwort:  0\n"));
    EXPECT_EQ(s.vc.stand().aktuellesPaket, std::vector{verfehlt.back()});
    EXPECT_EQ(f.kopf, "Übung: der übrige Fehler – Grundrechenarten, Level 1");
    spiele(s, [](std::size_t) { return ""; });
    EXPECT_THAT(f.mitte, StartsWith("Übung beendet: 1 von 1 jetzt richtig."));
    EXPECT_FALSE(f.sichtbar[Knopf::fehlerF] || s.vc.fehlerAnsehenMoeglich());
    s.vc.fehlerAnsehen(); // ohne Fehler wirkungslos
    EXPECT_EQ(f.durchsichten.size(), 3u);
    EXPECT_EQ(s.vc.hof().alleHallen, hallen);
    EXPECT_EQ(s.vc.hof().hfdatenChanged, geaendert);

    // Danach wie nach jeder Runde, mit dem Kopf des Themas.
    s.antworte({"Neuer Start im gleichen Gebiet und Level"});
    s.tippe("");
    EXPECT_EQ(f.kopf, "Gewähltes Thema:    Grundrechenarten,    Level 1");
    EXPECT_EQ(s.vc.stand().aktuellesPaket.size(), 8u);
    EXPECT_FALSE(s.vc.stand().uebung);
}

INSTANTIATE_TEST_SUITE_P(Fehler, Uebung,
                         testing::Values(std::vector<std::size_t>{1, 4, 6},
                                         std::vector<std::size_t>{0, 1, 2, 3, 4, 5, 6, 7}));

// Fragen und Erklärungen fluchten unter ihrer Überschrift, wie ihr Generator sie auch einrückt.
TEST(Durchsicht, TextEinerFalschenAntwort) {
    numora::Spielstand s;
    s.aktName = "ANNA";
    s.aktThema = 1;
    s.aktLevel = 3;
    s.rundenBeginn = {2026, 7, 3, 9, 5};
    s.aktuellesPaket = {{numora::thema::linGl,
                         " \n     2x + y = 7 \n       x - y = 2   Berechne y",
                         {},
                         "1",
                         "3x = 9\n = x = 3\n\n y = 1\n "},
                        {numora::thema::linGl, "x = 1", {}, "1", ""}};
    s.antworten = {{1, "3.0", false, 4, "andereUnbekannte", "Das ist x."},
                   {2, "", false, 1, "", ""}};
    EXPECT_EQ(numora::durchsichtText(s),
              "Fehler der Runde von ANNA am 3.7.2026  9:05 Uhr\n"
              "Lineare Gleichungen, Level 3: 2 von 2 Fragen falsch beantwortet\n\n"
              "Frage 1\n    2x + y = 7\n      x - y = 2   Berechne y\n"
              "  Deine Antwort:  3.0\n  Richtig:        1\n  Hinweis:        Das ist x.\n"
              "  Erklärung:\n    3x = 9\n     = x = 3\n\n     y = 1\n\n"
              "Frage 2\n    x = 1\n  Deine Antwort:  (nichts eingegeben)\n  Richtig:        1\n");
}

} // namespace
