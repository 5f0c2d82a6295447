// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bruch.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

namespace numora {
namespace {

constexpr std::int64_t min64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t max64 = std::numeric_limits<std::int64_t>::max();

// Normalform nach jeder Rechenart; an den Grenzen von 64 Bit exakt, ohne Überlauf.
TEST(Bruch, RechnetInNormalform) {
    EXPECT_EQ(Bruch(1, 2) + Bruch(1, 3), Bruch(5, 6));
    EXPECT_EQ(Bruch(1, 4) - Bruch(1, -2), Bruch(3, 4));
    EXPECT_EQ(Bruch(3, 4) / Bruch(3, 8), Bruch(2, 1));
    EXPECT_EQ(Bruch(1, 2) / Bruch(0, 5), nullbruch);
    EXPECT_EQ(Bruch(min64, min64) + Bruch(min64, min64), Bruch(2, 1));
    EXPECT_EQ(Bruch(max64, 1) - Bruch(max64, 1), nullbruch);
    EXPECT_EQ(Bruch(max64, max64) * Bruch(min64, min64), einsbruch);
    EXPECT_EQ(Bruch(0, 0).redux(), Bruch(0, 0)); // darf das Programm nicht anhalten
    EXPECT_EQ(Bruch(2, 3).hoch(-2), Bruch(9, 4));
    EXPECT_EQ(einsbruch.hoch(min64), einsbruch);
    EXPECT_EQ(ggT(-12, 18), 6);
    EXPECT_EQ(Bruch(6, -4).bruch2String() + " " + Bruch(min64, 1).bruch2String(),
              "6/-4 -9223372036854775808");
}

// Ein Nenner 0 behält das Vorzeichen des Zählers; was nicht in 64 Bit passt, wird 0/0 statt
// eines abgeschnittenen, falschen Werts.
TEST(Bruch, GrenzfaelleGebenKeinenFalschenWert) {
    struct Fall {
        Bruch ist, soll;
    };
    for (const Fall& f :
         {Fall{Bruch(3, 0).redux(), Bruch(1, 0)}, Fall{Bruch(-3, 0).redux(), Bruch(-1, 0)},
          Fall{nullbruch.kehrwert(), Bruch(1, 0)}, Fall{Bruch(min64, -1).redux(), Bruch(0, 0)},
          Fall{Bruch(1, min64).redux(), Bruch(0, 0)}, Fall{Bruch(2, 1).hoch(64), Bruch(0, 0)},
          Fall{Bruch(max64, 1) + einsbruch, Bruch(0, 0)},
          Fall{Bruch(min64, 1) - einsbruch, Bruch(0, 0)}}) {
        EXPECT_EQ(f.ist.bruch2String(), f.soll.bruch2String());
    }
    // Der Vergleich gilt dem Wert, auch mit negativem Nenner, wie ihn der Parser liefert.
    EXPECT_TRUE(Bruch(1, -2) < nullbruch && !(nullbruch < Bruch(1, -2)));
    EXPECT_TRUE(Bruch(1, 3) < Bruch(-1, -2) && !(Bruch(-1, -2) < Bruch(1, 3)));
}

// "-", wenn nichts zu lesen ist (Ergebnis 1/1).
struct Lesung {
    std::string eingabe, erwartet;
};

// Behalten werden Ziffern, "-", "/" und das deutsche Dezimalkomma.
TEST(String2Bruch, LiestGetippteAntworten) {
    for (const Lesung& l :
         {Lesung{"- 3 / 4", "-3/4"}, Lesung{"x = 7", "7"}, Lesung{"1/2/3", "1/23"},
          Lesung{"3/0", "3/0"}, Lesung{"/4", "-"}, Lesung{"", "-"}, Lesung{"3-4", "-"},
          Lesung{"-0,75", "-3/4"}, Lesung{" 2,50 ", "5/2"}, Lesung{"3,", "3"},
          Lesung{"2,5,1", "251"}, Lesung{"1.000,5", "2001/2"}, Lesung{"2.5", "25"},
          Lesung{"1/2,5", "1/25"}, Lesung{"-9223372036854775808", "-9223372036854775808"},
          Lesung{"9223372036854775808", "-"},
          Lesung{"1/-9223372036854775808", "1/-9223372036854775808"},
          Lesung{"99999999999999999999/2", "-"}, Lesung{"0,1234567890123456789", "-"}}) {
        const BruchLesung r = string2Bruch(l.eingabe);
        EXPECT_EQ(r.ok                   ? r.bruch.bruch2String()
                  : r.bruch == einsbruch ? "-"
                                         : "?",
                  l.erwartet)
            << l.eingabe;
    }
}

// Der zweite Parser nimmt die letzten beiden Teile; ohne Erfolg ist das Ergebnis 0/1.
TEST(BruchParser, NimmtDieLetztenBeidenTeile) {
    EXPECT_EQ(bruchParser("1/2/3").bruch, Bruch(2, 3));
    EXPECT_EQ(bruchParser("5/").bruch, Bruch(5, 1));
    const BruchLesung nennerNull = bruchParser("3/0");
    EXPECT_FALSE(nennerNull.ok || bruchParser("5").ok || bruchParser("").ok);
    EXPECT_EQ(nennerNull.bruch, nullbruch);
}

} // namespace
} // namespace numora
