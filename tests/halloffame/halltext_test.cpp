#include "halloffame/halltext.h"

#include <gtest/gtest.h>
#include <string>

namespace {

using numora::Zeile;

const std::string anna = "Anna am 3.7.2026  9:05 Uhr ";

TEST(Zeile2String, TexteJeAnzahl) {
    EXPECT_EQ(numora::zeile2String(numora::platzhalter(0, 1)), "");
    EXPECT_EQ(numora::zeile2String({anna, 95, 0, 1, 5}),
              "Innerhalb von 95 Sekunden gab Anna am 3.7.2026  9:05 Uhr  5 richtige Antworten");
    EXPECT_EQ(numora::zeile2String({anna, 10, 0, 1, 1}),
              "Innerhalb von 10 Sekunden gab " + anna + " 1 richtige Antwort");
    EXPECT_EQ(numora::zeile2String({anna, 10, 0, 1, 8}),
              "Innerhalb von 10 Sekunden gab " + anna + " alle 8 richtigen Antworten");
}

TEST(Hall2Feld, KopfzeileUndEineZeileJeErgebnis) {
    EXPECT_TRUE(numora::hall2Feld({}).empty());
    const auto feld = numora::hall2Feld({{anna, 95, 2, 1, 5}, numora::platzhalter(2, 1)});
    ASSERT_EQ(feld.size(), 3u);
    EXPECT_EQ(feld[0], std::string(13, ' ') + "Bruchrechnung\n\n ");
    EXPECT_EQ(feld[2], "2.  \n ");
}

TEST(Hall2String, FrischeHalleZeigtNeunLeereZeilen) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    std::string erwartet =
        std::string(21, ' ') + "Level 1 (von 3)" + std::string(13, ' ') + "Bruchrechnung\n\n ";
    for (int i = 1; i <= 9; ++i) {
        erwartet += std::to_string(i) + ".  \n ";
    }
    EXPECT_EQ(numora::hall2String(hof, 2, 1), erwartet);
}

TEST(Hall2String, ErstesErgebnisUndZehnZeilen) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    hof.einHallen2({anna, 95, 0, 2, 5});
    const std::string text = numora::hall2String(hof, 0, 2);
    EXPECT_NE(text.find("\n 1.  Innerhalb von 95 Sekunden gab " + anna +
                        " 5 richtige Antworten\n "
                        "2.  \n"),
              std::string::npos);
    EXPECT_NE(text.find("10.  \n "), std::string::npos);
    EXPECT_EQ(text.find("11."), std::string::npos);
}

TEST(Hall2String, OhneHalleNurDerTitel) {
    numora::HallOfFame hof;
    EXPECT_EQ(numora::hall2String(hof, 9, 1), std::string(21, ' ') + "Level 1 (von 1)");
    EXPECT_EQ(numora::hall2String(hof, 3, 2), std::string(21, ' ') + "Level 2 (von 3)");
}

} // namespace
