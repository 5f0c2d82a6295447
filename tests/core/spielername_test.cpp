#include "core/spielername.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace {

struct Name {
    std::string eingabe;
    bool annehmbar;
    std::string normiert;
};

void PrintTo(const Name& n, std::ostream* os) {
    *os << '"' << n.eingabe << '"';
}

class Spielername : public testing::TestWithParam<Name> {};

TEST_P(Spielername, PrueftUndNormiert) {
    const Name& n = GetParam();
    EXPECT_EQ(numora::namenKontrolle(n.eingabe), n.annehmbar) << n.eingabe;
    EXPECT_EQ(numora::normName(n.eingabe), n.normiert) << n.eingabe;
}

INSTANTIATE_TEST_SUITE_P(
    Beispiele, Spielername,
    testing::Values(
        Name{"Al", false, "AL"}, Name{"Ali", true, "ALI"}, Name{"Straße", true, "STRAE"},
        Name{"Jürgen", true, "JÜRGEN"}, Name{"Anna-Lena Meyer", true, "ANNALENAME"},
        Name{"ÄÖÜäöü", true, "ÄÖÜÄÖÜ"}, Name{"", false, ""}, Name{"   ", false, ""},
        // Zerlegte Umlaute (a + kombinierendes Trema) zählen wie ä, gespeichert zusammengesetzt.
        Name{"Ja\u0308n", true, "JÄN"}, Name{"U\u0308O\u0308", false, "ÜÖ"},
        // Fremde Buchstaben zählen nicht.
        Name{"Zoë", false, "ZO"}, Name{"Ελένη", false, ""}, Name{"ßßß", false, ""},
        // Emoji-Folgen sind je ein Zeichen (hier zwei Familien und ein Daumen).
        Name{"👨‍👩‍👧‍👦👨‍👩‍👧‍👦👍🏽Tom", true, "TOM"},
        Name{"123Bob456", true, "BOB"},
        // Mindestens drei Buchstaben unter den ersten zwölf Zeichen, sonst kein Name.
        Name{"12345678901abc", false, "A"}, Name{"123456789012abc", false, ""},
        Name{"123456789abc", true, "ABC"}, Name{"abcdefghijklmnop", true, "ABCDEFGHIJKL"},
        // Ungültiges UTF-8 aus dem Eingabefeld führt nicht zum Absturz.
        Name{"Ti\xff\xfem", true, "TIM"}, Name{"\xc3", false, ""},
        // Steuerzeichen, Rechts-nach-links-Text und ein einzelnes kombinierendes Zeichen.
        Name{"\x01Ida\x7f", true, "IDA"}, Name{"\u202eEva", true, "EVA"},
        Name{"\u0308", false, ""}));

TEST(Spielername, RiesigerNameBleibtSchnellUndSicher) {
    const std::string megabyte = "Max" + std::string(1 << 20, 'x');
    EXPECT_TRUE(numora::namenKontrolle(megabyte));
    EXPECT_EQ(numora::normName(megabyte), "MAXXXXXXXXXX");
    std::string kombiniert = "abc";
    for (int i = 0; i < 100000; ++i) {
        kombiniert += "\u0308";
    }
    // Ein einziges Zeichen "c" mit hunderttausend Tremata ist kein Buchstabe.
    EXPECT_EQ(numora::normName(kombiniert), "AB");
}

} // namespace
