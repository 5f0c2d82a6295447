// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/antwortvergleich.h"
#include "core/karte.h"

#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>

namespace numora {
namespace {

struct Vergleich {
    std::string antwort, erwartet;
    bool gleich;
};

TEST(IstGleich, VergleichtNachDemWert) {
    for (const Vergleich& v :
         {Vergleich{"3/4", "6/8", true}, Vergleich{"4", "4/1", true},
          Vergleich{"-6/-8", "3/4", true}, Vergleich{"abc", "0", false},
          // Nenner 0 ist nie richtig, auch wenn Überkreuzmultiplikation passt.
          Vergleich{"0/0", "7", false}, Vergleich{"5/0", "10/0", false},
          // Zahlen an den Grenzen: exakter Vergleich ohne Überlauf.
          Vergleich{"-9223372036854775808/-9223372036854775808", "1", true},
          Vergleich{"9223372036854775807/9223372036854775806", "1", false},
          // Steuerzeichen, Richtungswechsel, ungültiges UTF-8 und Emoji fallen weg; eine
          // arabische Ziffer ist keine 7.
          Vergleich{"\x01\u202e 7\x7f", "7", true}, Vergleich{"\xff\xfe👍🏽7️⃣", "7", true},
          Vergleich{"٧", "7", false},
          // Typografisches Minus und Bruchstriche gelten, sonst würde aus −4 eine 4.
          Vergleich{"−4", "-4", true}, Vergleich{"−4", "4", false}, Vergleich{"–2,5", "-5/2", true},
          Vergleich{"3⁄4", "6/8", true}, Vergleich{"3÷4", "3/4", true},
          Vergleich{"3 : 4", "3/4", true}, Vergleich{"Antwort: 34", "34", true},
          Vergleich{"‑4", "-4", true},
          // Das Wort "minus" ebenso; ohne es würde "minus 5" bei der Lösung 5 richtig.
          Vergleich{"x = minus 5", "-5", true}, Vergleich{"Minus 3/4", "-3/4", true},
          Vergleich{"negativ 3", "-3", true}, Vergleich{"minus 5", "5", false},
          // Ziffern hinter einem Buchstaben sind Index oder Hochzahl; ",5" ist 0,5.
          Vergleich{"x1 = 3", "3", true}, Vergleich{"x_2=-3", "-3", true},
          Vergleich{"15 m2", "15", true}, Vergleich{"28x", "28", true},
          Vergleich{",5", "1/2", true}, Vergleich{"-,5", "-1/2", true}, Vergleich{",0", "0", true},
          // Vor einem Komma mit Leerzeichen steht ein Wort, kein Dezimalkomma.
          Vergleich{"Do, 5", "5", true}, Vergleich{"Donnerstag, 5", "1/2", false},
          // Riesige Eingaben werden ganz gelesen und bewertet.
          Vergleich{std::string(1 << 20, '7'), "7", false},
          Vergleich{std::string(1 << 20, 'x') + "7", "8", false},
          Vergleich{std::string(1 << 20, ' ') + "7", "7", true}}) {
        EXPECT_EQ(istGleich(v.antwort, v.erwartet), v.gleich) << v.antwort.substr(0, 50);
    }
}

TEST(HatDezimalpunkt, NurEinPunktZwischenZiffern) {
    for (const auto& [getippt, punkt] :
         {std::pair{"3.6", true}, std::pair{".75", true}, std::pair{"x = -0.5", true},
          std::pair{"1.000", false}, std::pair{"12.345.678", false}, std::pair{"1.00", true},
          std::pair{"4.", false}, std::pair{"x = 4. ", false}, std::pair{"4,5", false},
          // Tausendergruppen beginnen nie mit 0.
          std::pair{"0.025", true}, std::pair{"-0.125", true}}) {
        EXPECT_EQ(hatDezimalpunkt(getippt), punkt) << getippt;
    }
}

TEST(HatMehrereZahlen, ZweiZahlenMitMehrAlsEinemTrennzeichen) {
    for (const auto& [getippt, mehrere] :
         {std::pair{"9 mod 11", true}, std::pair{"(0;5)", true}, std::pair{"0 und 9", true},
          std::pair{"x1 = 9, x2 = 0", true}, std::pair{"1+1/2", true}, std::pair{"9,0", false},
          std::pair{"x1 = 3", false}, std::pair{"15 m2", false}, std::pair{"1 1/2", false},
          std::pair{"- 3", false}, std::pair{"1.000", false},
          // Bruchstriche, die der Parser als "/" liest, trennen keine zwei Zahlen.
          std::pair{"3⁄4", false}, std::pair{"3 : 4", false}, std::pair{"−3 ÷ 4", false},
          std::pair{"3 ∕ 4", false}, std::pair{"1\u00A0000", false},
          std::pair{"3\u202F/\u202F4", false}}) {
        EXPECT_EQ(hatMehrereZahlen(getippt), mehrere) << getippt;
    }
}

TEST(IstGemischteZahl, GanzeZahlLeerzeichenBruch) {
    for (const auto& [getippt, gemischt] :
         {std::pair{"3 8/15", true}, std::pair{" -2 1 / 2 ", true}, std::pair{"38/15", false},
          std::pair{"12 /4", false}, std::pair{"3 8", false}, std::pair{"x 1/2", false},
          std::pair{"−2 1/2", true}, std::pair{"minus 2 1/2", true}, std::pair{"2 1⁄2", true}}) {
        EXPECT_EQ(istGemischteZahl(getippt), gemischt) << getippt;
    }
}

// Das mittlere Glied eines Quadrats: beide Vorzeichen sind richtig, sonst nur die Antwort.
TEST(IstRichtig, ZaehltDenZweitenRichtigenWert) {
    Karte mitte;
    mitte.antwort = "96";
    mitte.auchRichtig = -96;
    Karte einfach;
    einfach.antwort = "96";
    for (const auto& [karte, antwort, richtig] :
         {std::tuple{mitte, "96", true}, std::tuple{mitte, "-192/2", true},
          std::tuple{mitte, "95", false}, std::tuple{einfach, "-96", false}}) {
        EXPECT_EQ(istRichtig(antwort, karte), richtig) << antwort;
    }
    EXPECT_EQ(antwortText(mitte), "96 oder -96");
}

} // namespace
} // namespace numora
