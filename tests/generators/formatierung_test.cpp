#include "generators/formatierung.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct Fall {
    std::int64_t z;
    std::string plusZ, zx, zy, zNackt, koeff;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.z;
}

class Formatierung : public testing::TestWithParam<Fall> {};

TEST_P(Formatierung, SchreibtVorzeichenRichtig) {
    const Fall& f = GetParam();
    EXPECT_EQ(numora::plusZ(f.z), f.plusZ);
    EXPECT_EQ(numora::zx(f.z), f.zx);
    EXPECT_EQ(numora::zy(f.z), f.zy);
    EXPECT_EQ(numora::zNacktVorKlammer(f.z), f.zNackt);
    EXPECT_EQ(numora::koeff2String(f.z), f.koeff);
}

INSTANTIATE_TEST_SUITE_P(
    Werte, Formatierung,
    testing::Values(Fall{3, "+ 3", "3x", "3y", "3", "+ 3"},
                    Fall{-3, "- 3", "-3x", "-3y", "-3", "- 3"}, Fall{1, "+ 1", "x", "y", "", "+ "},
                    Fall{-1, "- 1", "-x", "-y", "-", "- "}, Fall{0, "", "", "", "0", "+ 0"},
                    Fall{std::numeric_limits<std::int64_t>::min(), "- 9223372036854775808",
                         "-9223372036854775808x", "-9223372036854775808y", "-9223372036854775808",
                         "- 9223372036854775808"}));

TEST(Formatierung, AxPlusBVerbindetMitEinemLeerzeichen) {
    EXPECT_EQ(numora::axPlusB(3, 5), "3x + 5");
    EXPECT_EQ(numora::axPlusB(1, -2), "x - 2");
    EXPECT_EQ(numora::axPlusB(-1, 0), "-x ");
    EXPECT_EQ(numora::axPlusB(0, 4), " + 4");
    EXPECT_EQ(numora::axPlusB(0, 0), " ");
    EXPECT_EQ(numora::mal, "\u00b7");
}

} // namespace
