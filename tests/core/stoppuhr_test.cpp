#include "core/stoppuhr.h"
#include "core/uhr.h"
#include "testuhr.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(Stoppuhr, SummiertAbgeschnitteneSekundenJeFrage) {
    numora::test::TestUhr uhr;
    numora::UhrErsetzen ersetzt(uhr);
    numora::Spielstand s;
    for (int i = 0; i < 8; ++i) {
        numora::stoppuhrStarten(s);
        uhr.weiter(2900ms);
        numora::stoppuhrAnhalten(s);
        uhr.weiter(10s); // Pause nach dem Urteil zählt nicht
    }
    EXPECT_EQ(s.aktuellesZeitkonto, 16);
}

TEST(Stoppuhr, UnterEinerSekundeZaehltNichts) {
    numora::test::TestUhr uhr;
    numora::UhrErsetzen ersetzt(uhr);
    numora::Spielstand s;
    numora::stoppuhrStarten(s);
    uhr.weiter(999ms);
    EXPECT_EQ(numora::stoppuhrAnhalten(s), 0);
    EXPECT_EQ(s.aktuellesZeitkonto, 0);
}

TEST(Datumstext, OhneFuehrendeNullen) {
    EXPECT_EQ(numora::datumZeitText({2026, 7, 3, 9, 5}), "3.7.2026  9:05");
    EXPECT_EQ(numora::datumText({2026, 12, 24, 0, 0}), "24.12.2026");
    EXPECT_EQ(numora::datumZeitText({999, 1, 1, 23, 59}), "1.1.0999  23:59");
}

} // namespace
