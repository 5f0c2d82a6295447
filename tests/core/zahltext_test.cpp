// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/zahltext.h"

#include <gtest/gtest.h>

namespace numora {
namespace {

// Ein Vorzeichen, dann nur Ziffern im Bereich des Zieltyps; sonst bleibt der Wert unberührt.
TEST(LeseGanzzahl, NimmtNurGanzeZahlenImBereich) {
    std::int64_t g = 7;
    EXPECT_TRUE(leseGanzzahl("+12", g) && g == 12);
    EXPECT_TRUE(leseGanzzahl("-9223372036854775808", g) && g == INT64_MIN);
    for (const char* falsch : {"", "+", "+-1", " 1", "1 ", "1.5", "0x1", "9223372036854775808"}) {
        EXPECT_FALSE(leseGanzzahl(falsch, g)) << falsch;
    }
    EXPECT_EQ(g, INT64_MIN);
    std::uint64_t u = 0;
    EXPECT_TRUE(leseGanzzahl("18446744073709551615", u) && u == UINT64_MAX);
    EXPECT_FALSE(leseGanzzahl("-1", u) || leseGanzzahl("18446744073709551616", u));
}

} // namespace
} // namespace numora
