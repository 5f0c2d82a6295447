#include "core/bruch.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

using numora::Bruch;

namespace {

constexpr std::int64_t min64 = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t max64 = std::numeric_limits<std::int64_t>::max();

TEST(GgTKgV, RechnenMitBetraegen) {
    EXPECT_EQ(numora::ggT(0, 0), 0);
    EXPECT_EQ(numora::ggT(-12, 18), 6);
    EXPECT_EQ(numora::ggT(0, -7), 7);
    EXPECT_EQ(numora::ggT(9, 0), 9);
    EXPECT_EQ(numora::kgV(4, 6), 12);
    EXPECT_EQ(numora::kgV(5, 7), 35);
}

struct Rechnung {
    Bruch a;
    char op;
    Bruch b;
    Bruch ergebnis;
};

class BruchRechnung : public testing::TestWithParam<Rechnung> {};

TEST_P(BruchRechnung, LiefertNormalform) {
    const Rechnung& r = GetParam();
    Bruch e;
    switch (r.op) {
    case '+':
        e = r.a + r.b;
        break;
    case '-':
        e = r.a - r.b;
        break;
    case '*':
        e = r.a * r.b;
        break;
    default:
        e = r.a / r.b;
        break;
    }
    EXPECT_EQ(e, r.ergebnis) << e.bruch2String();
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, BruchRechnung,
    testing::Values(Rechnung{{1, 2}, '+', {1, 3}, {5, 6}}, Rechnung{{1, 2}, '-', {1, 2}, {0, 1}},
                    Rechnung{{2, 3}, '*', {3, 4}, {1, 2}}, Rechnung{{1, 2}, '/', {0, 5}, {0, 1}},
                    Rechnung{{3, 4}, '/', {3, 8}, {2, 1}}, Rechnung{{1, 4}, '-', {1, 2}, {-1, 4}},
                    Rechnung{{3, -4}, '*', {1, 1}, {-3, 4}},
                    // Extreme Werte: exakt gerechnet, ohne Überlauf.
                    Rechnung{{min64, min64}, '+', {min64, min64}, {2, 1}},
                    Rechnung{{max64, 1}, '-', {max64, 1}, {0, 1}},
                    Rechnung{{max64, max64}, '*', {min64, min64}, {1, 1}}));

TEST(Bruch, ReduxKehrwertUndPotenz) {
    EXPECT_EQ(Bruch(6, -4).redux(), Bruch(-3, 2));
    EXPECT_EQ(Bruch(6, -4).bruch2String(), "6/-4");
    EXPECT_EQ(Bruch(-2, 3).kehrwert(), Bruch(-3, 2));
    EXPECT_EQ(Bruch(3, 0).redux(), Bruch(-1, 0));
    EXPECT_EQ(Bruch(0, 0).redux(), Bruch(0, 0)); // darf das Programm nicht anhalten
    EXPECT_EQ(Bruch(2, 3).hoch(-2), Bruch(9, 4));
    EXPECT_EQ(Bruch(2, 3).hoch(0), numora::einsbruch);
    EXPECT_EQ(Bruch(6, 8).hoch(1), Bruch(6, 8));
    EXPECT_EQ(Bruch(-2, 3).hoch(3), Bruch(-8, 27));
    EXPECT_EQ(Bruch(1, 1).hoch(min64), numora::einsbruch);
    EXPECT_TRUE(Bruch(6, 8).istGleich(Bruch(3, 4)));
    EXPECT_TRUE(Bruch(3, 0).istGleich(Bruch(6, 0)));
    EXPECT_TRUE(Bruch(8, 4).istGanzzahl());
    EXPECT_FALSE(Bruch(6, 8).istReduziert());
    EXPECT_TRUE(Bruch(1, 3) < Bruch(1, 2));
    EXPECT_EQ(Bruch(5, 1).bruch2String(), "5");
    EXPECT_EQ(Bruch(0, 7).bruch2String(), "0/7");
    EXPECT_EQ(Bruch(min64, 1).bruch2String(), "-9223372036854775808");
}

struct Lesung {
    std::string eingabe;
    bool ok;
    Bruch bruch;
};

void PrintTo(const Lesung& l, std::ostream* os) {
    *os << '"' << l.eingabe << '"';
}
void PrintTo(const Rechnung& r, std::ostream* os) {
    *os << r.a.bruch2String() << ' ' << r.op << ' ' << r.b.bruch2String();
}

class String2Bruch : public testing::TestWithParam<Lesung> {};

TEST_P(String2Bruch, LiestGetippteAntworten) {
    const Lesung& l = GetParam();
    const numora::BruchLesung r = numora::string2Bruch(l.eingabe);
    EXPECT_EQ(r.ok, l.ok);
    EXPECT_EQ(r.bruch, l.bruch) << r.bruch.bruch2String();
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, String2Bruch,
    testing::Values(
        Lesung{"3/4", true, {3, 4}}, Lesung{"- 3 / 4", true, {-3, 4}}, Lesung{"7", true, {7, 1}},
        Lesung{"x = 7", true, {7, 1}}, Lesung{"1/2/3", true, {1, 23}}, Lesung{"3/0", true, {3, 0}},
        Lesung{"3/-4", true, {3, -4}}, Lesung{"/4", false, {1, 1}}, Lesung{"", false, {1, 1}},
        Lesung{"abc", false, {1, 1}}, Lesung{"-", false, {1, 1}}, Lesung{"3-4", false, {1, 1}},
        // Das deutsche Dezimalkomma
        Lesung{"2,5", true, {5, 2}}, Lesung{"-0,75", true, {-3, 4}}, Lesung{" 2,50 ", true, {5, 2}},
        Lesung{"0,0", true, {0, 1}}, Lesung{"3,", true, {3, 1}}, Lesung{"2,5,1", true, {251, 1}},
        Lesung{"1.000,5", true, {2001, 2}}, Lesung{"2.5", true, {25, 1}},
        Lesung{"1/2,5", true, {1, 25}},
        // Grenzen von 64 Bit
        Lesung{"-9223372036854775808", true, {min64, 1}},
        Lesung{"9223372036854775807", true, {max64, 1}},
        Lesung{"9223372036854775808", false, {1, 1}},
        Lesung{"1/-9223372036854775808", true, {1, min64}},
        Lesung{"99999999999999999999/2", false, {1, 1}},
        Lesung{"0,1234567890123456789", false, {1, 1}}));

class BruchParser : public testing::TestWithParam<Lesung> {};

TEST_P(BruchParser, NimmtDieLetztenBeidenTeile) {
    const Lesung& l = GetParam();
    const numora::BruchLesung r = numora::bruchParser(l.eingabe);
    EXPECT_EQ(r.ok, l.ok);
    EXPECT_EQ(r.bruch, l.bruch) << r.bruch.bruch2String();
}

INSTANTIATE_TEST_SUITE_P(Beispiele, BruchParser,
                         testing::Values(Lesung{"3/4", true, {3, 4}}, Lesung{"5", false, {0, 1}},
                                         Lesung{"5/", true, {5, 1}}, Lesung{"3/0", false, {0, 1}},
                                         Lesung{"1/2/3", true, {2, 3}}, Lesung{"", false, {0, 1}}));

} // namespace
