#include "core/antwortvergleich.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

struct Vergleich {
    std::string antwort;
    std::string erwartet;
    bool gleich;
};

void PrintTo(const Vergleich& v, std::ostream* os) {
    *os << '"' << v.antwort << "\" gegen \"" << v.erwartet << '"';
}

class IstGleich : public testing::TestWithParam<Vergleich> {};

TEST_P(IstGleich, VergleichtNachDemWert) {
    const Vergleich& v = GetParam();
    EXPECT_EQ(numora::istGleich(v.antwort, v.erwartet), v.gleich)
        << v.antwort << " gegen " << v.erwartet;
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, IstGleich,
    testing::Values(Vergleich{"3/4", "6/8", true}, Vergleich{"4", "4/1", true},
                    Vergleich{"abc", "0", false}, Vergleich{"", "0", false},
                    Vergleich{"-6/-8", "3/4", true}, Vergleich{"6/-8", "-3/4", true},
                    Vergleich{"x = -12", "-12", true}, Vergleich{"2,5", "5/2", true},
                    Vergleich{"-0,75", "-3/4", true}, Vergleich{"2.5", "5/2", false},
                    // Nenner 0 ist nie richtig, auch wenn Überkreuzmultiplikation passt.
                    Vergleich{"0/0", "7", false}, Vergleich{"0/0", "3/4", false},
                    Vergleich{"5/0", "10/0", false},
                    // Zahlen an den Grenzen: exakter Vergleich ohne Überlauf.
                    Vergleich{"-9223372036854775808/-9223372036854775808", "1", true},
                    Vergleich{"9223372036854775807/9223372036854775806", "1", false},
                    Vergleich{"-9223372036854775808", "-9223372036854775808/1", true},
                    Vergleich{"18446744073709551616", "0", false},
                    // Was sonst noch ins Eingabefeld gelangen kann
                    Vergleich{"\x01 7\x7f", "7", true}, Vergleich{"\u202e7\u202c", "7", true},
                    Vergleich{"\u0308", "0", false}, Vergleich{"👍🏽7️⃣", "7", true},
                    Vergleich{"\xff\xfe"
                              "7",
                              "7", true},
                    Vergleich{"٧", "7", false}));

TEST(IstGleich, RiesigeEingabeWirdBewertet) {
    const std::string megabyte(1 << 20, '7');
    EXPECT_FALSE(numora::istGleich(megabyte, "7"));
    EXPECT_FALSE(numora::istGleich(std::string(1 << 20, 'x') + "7", "8"));
    EXPECT_TRUE(numora::istGleich(std::string(1 << 20, ' ') + "7", "7"));
}

} // namespace
