// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stoppuhr.h"
#include "testuhr.h"

#include <chrono>
#include <gtest/gtest.h>

namespace numora {
namespace {

using namespace std::chrono_literals;

// Nur die Zeit zwischen Start und Halt zählt, abgeschnitten auf ganze Sekunden.
TEST(Stoppuhr, SummiertAbgeschnitteneSekundenJeFrage) {
    test::TestUhr uhr;
    UhrErsetzen ersetzt(uhr);
    Spielstand s;
    stoppuhrStarten(s);
    uhr.weiter(999ms);
    EXPECT_EQ(stoppuhrAnhalten(s), 0);
    for (int i = 0; i < 8; ++i) {
        stoppuhrStarten(s);
        uhr.weiter(2900ms);
        stoppuhrAnhalten(s);
        uhr.weiter(10s); // Pause nach dem Urteil zählt nicht
    }
    EXPECT_EQ(s.aktuellesZeitkonto, 16);
}

} // namespace
} // namespace numora
