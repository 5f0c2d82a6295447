// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/spielername.h"

#include <gtest/gtest.h>
#include <string>

namespace numora {
namespace {

struct Name {
    std::string eingabe;
    bool annehmbar;
    std::string normiert;
};

TEST(Spielername, PrueftUndNormiert) {
    for (const Name& n :
         {Name{"Al", false, "AL"}, Name{"Straße", true, "STRAE"}, Name{"ÄÖÜäöü", true, "ÄÖÜÄÖÜ"},
          Name{"Anna-Lena Meyer", true, "ANNALENAME"}, Name{"", false, ""},
          // Zerlegte Umlaute (a + kombinierendes Trema) zählen wie ä, gespeichert zusammengesetzt.
          Name{"Ja\u0308n", true, "JÄN"},
          // Fremde Buchstaben und ß zählen nicht.
          Name{"Zoë", false, "ZO"}, Name{"ßßß", false, ""},
          // Emoji-Folgen sind je ein Zeichen (hier zwei Familien und ein Daumen).
          Name{"👨‍👩‍👧‍👦👨‍👩‍👧‍👦👍🏽Tom", true, "TOM"},
          // Mindestens drei Buchstaben unter den ersten zwölf Zeichen, sonst kein Name.
          Name{"12345678901abc", false, "A"}, Name{"123456789abc", true, "ABC"},
          Name{"abcdefghijklmnop", true, "ABCDEFGHIJKL"},
          // Ungültiges UTF-8, Steuerzeichen und Rechts-nach-links-Text führen nicht zum Absturz.
          Name{"Ti\xff\xfem", true, "TIM"}, Name{"\x01Ida\x7f", true, "IDA"},
          Name{"\u202eEva", true, "EVA"}, Name{"\u0308", false, ""},
          // Fund beim Fuzzing: zwei Umlaute, einer zerlegt, dazwischen ein einzelnes Folgebyte.
          Name{"po\xcc\x88\xb2\xc3\xbc", true, "PÖÜ"}}) {
        EXPECT_EQ(namenKontrolle(n.eingabe), n.annehmbar) << n.eingabe;
        EXPECT_EQ(normName(n.eingabe), n.normiert) << n.eingabe;
        EXPECT_EQ(normName(n.normiert), n.normiert);
    }
}

TEST(Spielername, RiesigerNameBleibtSchnellUndSicher) {
    EXPECT_EQ(normName("Max" + std::string(1 << 20, 'x')), "MAXXXXXXXXXX");
    std::string kombiniert = "abc";
    for (int i = 0; i < 100000; ++i) {
        kombiniert += "\u0308";
    }
    // Ein einziges Zeichen "c" mit hunderttausend Tremata ist kein Buchstabe.
    EXPECT_EQ(normName(kombiniert), "AB");
}

} // namespace
} // namespace numora
