// SPDX-License-Identifier: GPL-3.0-or-later
// Was "Mein Fortschritt" zeigt, ohne Fenster: Tabellenzeilen, Kurve, Namen und Dateiname.

#include "verlauf/fortschrittsdaten.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using namespace numora;

TEST(Fortschrittsdaten, TabellenzeilenAuchOhneNormaleRunde) {
    const std::vector<FortschrittZeile> zeilen = {
        {0, 1, 7, 2, 8, 41, 6.4499, {2026, 7, 3, 9, 5}},
        {0, 2, 4, 0, 7, 50, 6.25, {2026, 7, 3, 9, 5}}, // kaufmännisch gerundet
        {8, 3, 0, 1, std::nullopt, std::nullopt, std::nullopt, {2027, 12, 31, 23, 59}},
        {12, 2, 1, 0, 0, 99, 0.0, {2026, 1, 2, 0, 0}}};
    const std::vector<TabellenZeile> erwartet = {
        {0, 1, {"Grundrechenarten", "1", "7 + 2 Übungen", "8 richtig in 41 s", "6,4", "3.7.2026"}},
        {0, 2, {"Grundrechenarten", "2", "4", "7 richtig in 50 s", "6,3", "3.7.2026"}},
        {8, 3, {"Proportions-Rechnen", "3", "0 + 1 Übung", "–", "–", "31.12.2027"}},
        {12, 2, {"Thema 12", "2", "1", "0 richtig in 99 s", "0,0", "2.1.2026"}}};
    EXPECT_EQ(tabelle(zeilen), erwartet);
}

TEST(Fortschrittsdaten, KurveZaehltDieRundenUndNenntIhrenZeitraum) {
    const Kalenderzeit juli{2026, 7, 3, 9, 5}, august{2026, 8, 1, 10, 0};
    EXPECT_EQ(kurve(5, 2, {{juli, 8}, {august, 0}, {august, 4}}),
              (Kurve{"Quadratische Gleichungen, Level 2: Richtige je Runde",
                     "Runde (vom 3.7.2026 bis 1.8.2026)",
                     {{1, 8}, {2, 0}, {3, 4}},
                     "Richtige in Runde 1 bis 3: 8, 0, 4"}));
    EXPECT_EQ(kurve(5, 2, {{juli, 3}, {juli, 5}}).achse, "Runde (am 3.7.2026)");
    // Eine Runde bei zurückgestellter Uhr: der Zeitraum bleibt vorwärts.
    EXPECT_EQ(kurve(5, 2, {{august, 3}, {juli, 5}}).achse, "Runde (vom 3.7.2026 bis 1.8.2026)");
    EXPECT_EQ(kurve(5, 2, {{juli, 3}}).inWorten, "Richtige in Runde 1: 3");
    EXPECT_EQ(kurve(5, 2, {}).achse, "Runde");
    const std::vector<KurvenPunkt> viele(25, {juli, 7});
    EXPECT_TRUE(
        kurve(5, 2, viele).inWorten.starts_with("Richtige in den letzten 20 von 25 Runden: 7, 7"));
}

// Tausende Runden würden eine Fläche: Über 100 Runden zeigt jeder Punkt den Schnitt eines
// Blocks, am Ende ausgerichtet, so dass der jüngste Punkt ein voller Schnitt ist.
TEST(Fortschrittsdaten, KurveFasstVieleRundenZuBloeckenZusammen) {
    struct Fall {
        std::size_t runden;
        std::size_t punkte;
        std::string titelEnde;
        std::pair<std::int64_t, double> erster, letzter;
    };
    // Richtige abwechselnd 8, 0, 8, 0 …, die erste Runde 8.
    const std::vector<Fall> faelle = {
        {100, 100, "Richtige je Runde", {1, 8}, {100, 0}},
        {101, 51, "Richtige im Schnitt je 2 Runden", {1, 8}, {101, 4}},
        {4073, 100, "Richtige im Schnitt je 41 Runden", {14, 4}, {4073, 8.0 * 21 / 41}},
    };
    for (const Fall& f : faelle) {
        std::vector<KurvenPunkt> punkte;
        for (std::size_t i = 0; i < f.runden; ++i) {
            punkte.push_back({{2026, 7, 3, 9, 5}, i % 2 == 0 ? 8 : 0});
        }
        const Kurve k = kurve(0, 1, punkte);
        SCOPED_TRACE(f.runden);
        EXPECT_EQ(k.punkte.size(), f.punkte);
        EXPECT_TRUE(k.titel.ends_with(f.titelEnde)) << k.titel;
        EXPECT_EQ(k.punkte.front(), f.erster);
        EXPECT_EQ(k.punkte.back(), f.letzter);
    }
}

TEST(Fortschrittsdaten, FehlerlisteOhneEinrueckungDerFrageMitRechenwegWieGespeichert) {
    const std::vector<HaeufigerFehler> fehler = {
        {"Bestimme die Lösung der Gleichung \n \n          -7x + 8 = -20", "4",
         "Addition von -8: \n -7x = -28 \n x = 4\n", 3},
        {"   Berechne     9 * 2 ", "18", "", 1}};
    EXPECT_EQ(fehlerText(fehler),
              "3-mal falsch:\nBestimme die Lösung der Gleichung\n-7x + 8 = -20\n"
              "Richtige Antwort: 4\nRechenweg:\nAddition von -8: \n -7x = -28 \n"
              " x = 4\n\n1-mal falsch:\nBerechne     9 * 2\nRichtige Antwort: 18");
}

// Der Name kommt aus dem Verlauf, der auch von anderswo stammen kann.
TEST(Fortschrittsdaten, NamenWieImWoerterbuchMitDemAktuellen) {
    EXPECT_EQ(namensAuswahl({"ANNA", "OLE", "PAUL", "ÄNNE", "ÖZLEM"}, "ZOE"),
              (std::vector<std::string>{"ANNA", "ÄNNE", "OLE", "ÖZLEM", "PAUL", "ZOE"}));
    EXPECT_EQ(namensAuswahl({"BEN"}, "BEN"), std::vector<std::string>{"BEN"});
}

TEST(Fortschrittsdaten, DateinamenOhneStoerendeZeichen) {
    EXPECT_EQ(csvVorschlag(std::nullopt), "numora-verlauf.csv");
    EXPECT_EQ(csvVorschlag("JÜRGEN"), "numora-verlauf-JÜRGEN.csv");
    EXPECT_EQ(csvVorschlag("../A B\n:C"), "numora-verlauf-___A_B__C.csv");
}

} // namespace
