#include "halloffame/hallen.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace {

using numora::Halle;
using numora::Zeile;

Zeile z(const std::string& name, std::int64_t zeit, std::int64_t richtige) {
    return {name, zeit, 0, 1, richtige};
}

std::vector<std::string> namen(const Halle& h) {
    std::vector<std::string> n;
    for (const Zeile& r : h) {
        n.push_back(r.name);
    }
    return n;
}

TEST(GenHall, ZehnPlatzhalter) {
    const Halle h = numora::genHall(4, 2);
    ASSERT_EQ(h.size(), 10u);
    for (const Zeile& r : h) {
        EXPECT_EQ(r, (Zeile{" ", 9999, 4, 2, 0}));
        EXPECT_TRUE(numora::istPlatzhalter(r));
    }
    EXPECT_EQ(numora::hallenSchluessel(3, 1), "31");
    EXPECT_EQ(numora::hallenSchluessel(0, 2), "02");
}

struct Einfuegen {
    const char* name;
    Halle vorher;
    Zeile neu;
    std::vector<std::string> nachher;
};

class EinHallen : public testing::TestWithParam<Einfuegen> {};

TEST_P(EinHallen, FuegtAmRangEin) {
    const Einfuegen& f = GetParam();
    const Halle h = numora::einHallen(f.neu, f.vorher);
    EXPECT_EQ(namen(h), f.nachher);
}

INSTANTIATE_TEST_SUITE_P(Faelle, EinHallen,
                         testing::Values(Einfuegen{"InLeereHalle", {}, z("A", 5, 1), {"A"}},
                                         Einfuegen{"ZwischenZweiGleichRichtige",
                                                   {z("S", 70, 5), z("L", 90, 5)},
                                                   z("M", 80, 5),
                                                   {"S", "M", "L"}},
                                         Einfuegen{"GleichstandHinterDieAeltere",
                                                   {z("Alt", 80, 5), z("X", 90, 4)},
                                                   z("Neu", 80, 5),
                                                   {"Alt", "Neu", "X"}},
                                         Einfuegen{"MehrRichtigeSchlagenJedeZeit",
                                                   {z("Sieben", 1, 7)},
                                                   z("Acht", 500, 8),
                                                   {"Acht", "Sieben"}},
                                         Einfuegen{"VorDiePlatzhalter",
                                                   {z(" ", 9999, 0), z(" ", 9999, 0)},
                                                   z("A", 9999, 1),
                                                   {"A", " ", " "}}),
                         [](const testing::TestParamInfo<Einfuegen>& i) { return i.param.name; });

TEST(HallOfFame, ErzeugtSiebenundzwanzigHallen) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    EXPECT_EQ(hof.alleHallen.size(), 27u);
    EXPECT_NE(hof.halle(8, 3), nullptr);
    EXPECT_EQ(hof.halle(9, 1), nullptr);
    EXPECT_FALSE(hof.hfdatenChanged);
}

TEST(HallOfFame, EinHallen2OhneHalleVerwirftDieZeile) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    hof.einHallen2({"Analysis", 5, 9, 1, 3});
    EXPECT_EQ(hof.alleHallen.size(), 27u);
    hof.einHallen2({"A", 5, 0, 1, 3});
    EXPECT_EQ(hof.halle(0, 1)->size(), 11u);
    EXPECT_EQ(hof.halle(0, 1)->front().name, "A");
}

TEST(HallOfFame, ZeilenfeldEinhallenLegtNeueHallenAn) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    hof.zeilenfeldEinhallen({{"", 0, 0, 0, 0}});
    ASSERT_NE(hof.halle(0, 0), nullptr);
    EXPECT_EQ(hof.halle(0, 0)->size(), 1u);
}

TEST(HallOfFame, LoescheHalleSetztPlatzhalterAuchOhneHalle) {
    numora::HallOfFame hof;
    hof.loescheHalle(4, 2);
    EXPECT_EQ(*hof.halle(4, 2), numora::genHall(4, 2));
    EXPECT_FALSE(hof.hfdatenChanged); // das setzt erst der Menübefehl
}

// Das Sortieren beim Laden muss genau die Reihenfolge des zeilenweisen Einfügens ergeben.
TEST(HallOfFame, LadenSortiertWieZeilenweisesEinfuegen) {
    std::mt19937_64 zufall(3);
    for (int durchgang = 0; durchgang < 200; ++durchgang) {
        std::vector<Zeile> zeilen;
        const int anzahl = static_cast<int>(zufall() % 40);
        for (int i = 0; i < anzahl; ++i) {
            zeilen.push_back({std::to_string(i), static_cast<std::int64_t>(zufall() % 5),
                              static_cast<std::int64_t>(zufall() % 2),
                              static_cast<std::int64_t>(1 + zufall() % 2),
                              static_cast<std::int64_t>(zufall() % 3)});
        }
        numora::HallOfFame sortiert;
        sortiert.alleHallenErzeugen();
        sortiert.zeilenfeldEinhallen(zeilen);

        std::map<std::string, Halle> einzeln;
        numora::HallOfFame leer;
        leer.alleHallenErzeugen();
        einzeln = leer.alleHallen;
        for (const Zeile& r : zeilen) {
            Halle& h = einzeln[numora::hallenSchluessel(r.bereich, r.level)];
            h = numora::einHallen(r, h);
        }
        ASSERT_EQ(sortiert.alleHallen, einzeln);
    }
}

} // namespace
