#include "core/antwortvergleich.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace numora {
namespace {

struct Vergleich {
    std::string antwort, erwartet;
    bool gleich;
};

void PrintTo(const Vergleich& v, std::ostream* os) {
    *os << '"' << v.antwort << '"';
}

class IstGleich : public testing::TestWithParam<Vergleich> {};

TEST_P(IstGleich, VergleichtNachDemWert) {
    EXPECT_EQ(istGleich(GetParam().antwort, GetParam().erwartet), GetParam().gleich);
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, IstGleich,
    testing::Values(Vergleich{"3/4", "6/8", true}, Vergleich{"4", "4/1", true},
                    Vergleich{"-6/-8", "3/4", true}, Vergleich{"abc", "0", false},
                    // Nenner 0 ist nie richtig, auch wenn Überkreuzmultiplikation passt.
                    Vergleich{"0/0", "7", false}, Vergleich{"5/0", "10/0", false},
                    // Zahlen an den Grenzen: exakter Vergleich ohne Überlauf.
                    Vergleich{"-9223372036854775808/-9223372036854775808", "1", true},
                    Vergleich{"9223372036854775807/9223372036854775806", "1", false},
                    // Was sonst noch ins Eingabefeld gelangen kann
                    Vergleich{"\x01 7\x7f", "7", true}, Vergleich{"\u202e7\u202c", "7", true},
                    Vergleich{"\u0308", "0", false}, Vergleich{"👍🏽7️⃣", "7", true},
                    Vergleich{"\xff\xfe"
                              "7",
                              "7", true},
                    Vergleich{"٧", "7", false}));

TEST(IstGleich, RiesigeEingabeWirdBewertet) {
    EXPECT_FALSE(istGleich(std::string(1 << 20, '7'), "7"));
    EXPECT_FALSE(istGleich(std::string(1 << 20, 'x') + "7", "8"));
    EXPECT_TRUE(istGleich(std::string(1 << 20, ' ') + "7", "7"));
}

} // namespace
} // namespace numora
