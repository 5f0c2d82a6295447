// SPDX-License-Identifier: GPL-3.0-or-later
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

struct Einfuegen {
    Halle vorher;
    Zeile neu;
    std::vector<std::string> nachher;
};

TEST(EinHallen, FuegtAmRangEin) {
    for (const Einfuegen& f :
         {Einfuegen{{}, z("A", 5, 1), {"A"}},
          Einfuegen{{z("S", 70, 5), z("L", 90, 5)}, z("M", 80, 5), {"S", "M", "L"}},
          Einfuegen{{z("Alt", 80, 5), z("X", 90, 4)}, z("Neu", 80, 5), {"Alt", "Neu", "X"}},
          Einfuegen{{z("Sieben", 1, 7)}, z("Acht", 500, 8), {"Acht", "Sieben"}},
          Einfuegen{{z(" ", 9999, 0), z(" ", 9999, 0)}, z("A", 9999, 1), {"A", " ", " "}}}) {
        std::vector<std::string> namen;
        for (const Zeile& r : numora::einHallen(f.neu, f.vorher)) {
            namen.push_back(r.name);
        }
        EXPECT_EQ(namen, f.nachher) << f.neu.name;
    }
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
        numora::HallOfFame einzeln = sortiert;
        sortiert.zeilenfeldEinhallen(zeilen);
        for (const Zeile& r : zeilen) {
            Halle& h = einzeln.alleHallen[numora::hallenSchluessel(r.bereich, r.level)];
            h = numora::einHallen(r, h);
        }
        ASSERT_EQ(sortiert.alleHallen, einzeln.alleHallen);
    }
}

} // namespace
