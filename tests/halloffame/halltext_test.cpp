// SPDX-License-Identifier: GPL-3.0-or-later
#include "halloffame/halltext.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string anna = "Anna am 3.7.2026  9:05 Uhr ";

TEST(Zeile2String, TexteJeAnzahl) {
    EXPECT_EQ(numora::zeile2String(numora::platzhalter(0, 1)), "");
    EXPECT_EQ(numora::zeile2String({anna, 95, 0, 1, 5}),
              "Innerhalb von 95 Sekunden gab " + anna + " 5 richtige Antworten");
    EXPECT_EQ(numora::zeile2String({anna, 1, 0, 1, 1}),
              "Innerhalb von 1 Sekunde gab " + anna + " 1 richtige Antwort");
    EXPECT_EQ(numora::zeile2String({anna, 10, 0, 1, 8}),
              "Innerhalb von 10 Sekunden gab " + anna + " alle 8 richtigen Antworten");
}

TEST(Hall2String, TitelKopfUndZehnZeilen) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    hof.einHallen2({anna, 95, 2, 2, 5});
    std::string erwartet = std::string(21, ' ') + "Level 2 (von 3)" + std::string(13, ' ') +
                           "Bruchrechnung\n\n 1.  Innerhalb von 95 Sekunden gab " + anna +
                           " 5 richtige Antworten\n ";
    for (int i = 2; i <= 10; ++i) {
        erwartet += std::to_string(i) + ".  \n ";
    }
    EXPECT_EQ(numora::hall2String(hof, 2, 2), erwartet);
    // hallenZeile zeigt auf die Zeile mit der Nummer des Platzes; die letzte zeigt die Anzeige
    // nicht.
    std::vector<std::string> zeilen;
    std::istringstream text(erwartet);
    for (std::string z; std::getline(text, z);) {
        zeilen.push_back(z);
    }
    const numora::Halle& h = *hof.halle(2, 2);
    for (std::size_t platz = 0; platz < h.size(); ++platz) {
        const auto z = numora::hallenZeile(h, platz);
        ASSERT_EQ(z.has_value(), platz + 1 < h.size()) << platz;
        if (z) {
            EXPECT_TRUE(zeilen.at(static_cast<std::size_t>(*z))
                            .starts_with(" " + std::to_string(platz + 1) + ".  "))
                << platz;
        }
    }
    EXPECT_EQ(numora::hall2String(hof, 9, 1), std::string(21, ' ') + "Level 1 (von 1)");
}

} // namespace
