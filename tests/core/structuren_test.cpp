#include "core/spielstand.h"
#include "core/themen.h"

#include <gtest/gtest.h>

namespace {

using numora::thema;

TEST(Thema, RohwerteHinUndZurueck) {
    for (std::size_t i = 0; i < numora::themenAnzahl; ++i) {
        const auto t = static_cast<thema>(i);
        EXPECT_EQ(numora::themaAusRawValue(numora::rawValue(t)), t);
    }
    for (std::size_t i = 0; i < numora::phasenAnzahl; ++i) {
        const auto p = static_cast<numora::phase>(i);
        EXPECT_EQ(numora::phaseAusRawValue(numora::rawValue(p)), p);
    }
    EXPECT_EQ(numora::themaAusRawValue("Restklassen-Rechnen"), std::nullopt);
    EXPECT_EQ(numora::phaseAusRawValue(""), std::nullopt);
}

TEST(Spielstand, BeginntFrisch) {
    const numora::Spielstand s;
    EXPECT_EQ(s.aktName, "Anonym");
    EXPECT_EQ(s.status, numora::phase::neuStart);
    EXPECT_TRUE(s.tonAn);
    EXPECT_TRUE(s.aktuellesPaket.empty());
}

} // namespace
