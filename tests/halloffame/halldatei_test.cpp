// SPDX-License-Identifier: GPL-3.0-or-later
#include "halloffame/halldatei.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using numora::Zeile;

const Zeile anna{"Anna am 3.7.2026  9:05 Uhr ", 95, 0, 1, 5};
const std::string annaText = "&Anna am 3.7.2026  9:05 Uhr &95&0&1&5&";
const Zeile ida{"Ida", 3, 1, 2, 4};

TEST(Dateitext, AlleGespeichertenHallenOhneTrenner) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    hof.zeilenfeldEinhallen({{"Otto", 1, 9, 1, 8}, {"Ida", 1, 0, 4, 8}}); // nie gespeichert
    hof.einHallen2(anna);
    const std::string text = numora::alleHallen2String(hof);
    EXPECT_EQ(text.substr(0, annaText.size() + 14), annaText + "& &9999&0&1&0&");
    EXPECT_EQ(text.size(), annaText.size() + 270 * 14);
}

struct Stueck {
    std::string text;
    bool ok;
};

TEST(Cz2Zeile, GenauFuenfTeileUndEinKurzerName) {
    const std::string lang(numora::laengsterName, 'N');
    for (const Stueck& s :
         {Stueck{annaText, true}, Stueck{"Anna&95&0&1&5&", true}, Stueck{"&A&-5&+0&1&5&", true},
          Stueck{"&" + lang + "&5&0&1&5&", true}, Stueck{"&" + lang + "N&5&0&1&5&", false},
          Stueck{"&Anna&95&0&1&", false}, Stueck{"&Anna&xx&0&1&5&", false},
          Stueck{"&Anna& 95&0&1&5&", false}, Stueck{"&Anna&9223372036854775808&0&1&5&", false},
          Stueck{"&Anna&95&0&1&5", false}, Stueck{"&A&1&0&1&5&6&", false}, Stueck{"", false}}) {
        const numora::ZeilenLesung l = numora::cz2Zeile(s.text);
        EXPECT_EQ(l.ok, s.ok) << s.text;
        EXPECT_EQ(l.zeile == Zeile{}, !s.ok) << s.text;
    }
    EXPECT_EQ(numora::cz2Zeile(annaText).zeile, anna);
}

struct Dateifall {
    const char* name;
    std::string bytes;
    std::vector<Zeile> zeilen;
    bool vollstaendig;
};

TEST(HofDateiLesen, LiestNachsichtigUndMeldetVerluste) {
    for (const Dateifall& f :
         {Dateifall{"leer", "", {}, true}, Dateifall{"nur &", std::string(1000, '&'), {}, true},
          Dateifall{"Platzhalter", annaText + "& &9999&0&1&0&&Ida&3&1&2&4&", {anna, ida}, true},
          Dateifall{
              "BOM, CRLF", "\xEF\xBB\xBF" + annaText + "\r\n&Ida&3&1&2&4&\r\n", {anna, ida}, true},
          Dateifall{"kaputt", annaText + "&kaputt&", {anna}, false},
          Dateifall{"fremde Halle", "&Otto&1&9&1&8&", {{"Otto", 1, 9, 1, 8}}, false},
          Dateifall{"langer Name",
                    "&" + std::string(1 << 20, 'N') + "&1&0&1&8&" + annaText,
                    {anna},
                    false},
          Dateifall{"Latin-1",
                    "\xEF\xBB\xBF&J\xC3\xBCrgen&5&0&1&3&&Kl\xE4re&6&0&1&3&",
                    {{"Jürgen", 5, 0, 1, 3}, {"Kläre", 6, 0, 1, 3}},
                    false}}) {
        const numora::HofDateiInhalt inhalt = numora::hofDateiLesen(f.bytes);
        EXPECT_EQ(inhalt.zeilen, f.zeilen) << f.name;
        EXPECT_EQ(inhalt.vollstaendig, f.vollstaendig) << f.name;
    }
}

} // namespace
