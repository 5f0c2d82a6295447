#include "halloffame/halldatei.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace {

using numora::Zeile;

const Zeile anna{"Anna am 3.7.2026  9:05 Uhr ", 95, 0, 1, 5};
const std::string annaText = "&Anna am 3.7.2026  9:05 Uhr &95&0&1&5&";

TEST(Dateitext, ZeilenStehenOhneTrennerHintereinander) {
    EXPECT_EQ(numora::zeile2Dateitext(anna), annaText);
    EXPECT_EQ(numora::zeile2Dateitext(numora::platzhalter(0, 1)), "& &9999&0&1&0&");
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    hof.zeilenfeldEinhallen({{"Otto", 1, 9, 1, 8}, {"Ida", 1, 0, 4, 8}}); // nie gespeichert
    hof.einHallen2(anna);
    const std::string text = numora::alleHallen2String(hof);
    EXPECT_EQ(text.substr(0, annaText.size() + 14), annaText + "& &9999&0&1&0&");
    EXPECT_EQ(text.find("Otto"), std::string::npos);
    EXPECT_EQ(text.find("Ida"), std::string::npos);
}

TEST(String2czFeld, TrenntAnDoppeltemUndZeichen) {
    const Zeile berta{"Berta", 7, 3, 2, 8};
    const auto stuecke =
        numora::string2czFeld(numora::zeile2Dateitext(anna) + numora::zeile2Dateitext(berta));
    ASSERT_EQ(stuecke.size(), 2u);
    EXPECT_EQ(stuecke[0], annaText);
    EXPECT_EQ(stuecke[1], "Berta&7&3&2&8&");
    EXPECT_EQ(numora::stringFeld2Zeilenfeld(stuecke), (std::vector<Zeile>{anna, berta}));
    EXPECT_TRUE(numora::string2czFeld("").empty());
    EXPECT_EQ(numora::string2czFeld("ohne Trenner").size(), 1u);
}

struct Stueck {
    const char* name;
    std::string text;
    bool ok;
};

void PrintTo(const Stueck& s, std::ostream* os) {
    *os << s.name;
}

class Cz2Zeile : public testing::TestWithParam<Stueck> {};

TEST_P(Cz2Zeile, PrueftFuenfTeile) {
    const numora::ZeilenLesung l = numora::cz2Zeile(GetParam().text);
    EXPECT_EQ(l.ok, GetParam().ok);
    if (!l.ok) {
        EXPECT_EQ(l.zeile, Zeile{});
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Cz2Zeile,
                         testing::Values(Stueck{"MitFuehrendemUnd", annaText, true},
                                         Stueck{"OhneFuehrendesUnd", "Anna&95&0&1&5&", true},
                                         Stueck{"VorzeichenErlaubt", "&A&-5&+0&1&5&", true},
                                         Stueck{"VierTeile", "&Anna&95&0&1&", false},
                                         Stueck{"BuchstabenStattZeit", "&Anna&xx&0&1&5&", false},
                                         Stueck{"ZahlMitLeerzeichen", "&Anna& 95&0&1&5&", false},
                                         Stueck{"ZuGrossFuer64Bit",
                                                "&Anna&9223372036854775808&0&1&5&", false},
                                         Stueck{"RestNachLetztemUnd", "&Anna&95&0&1&5", false},
                                         Stueck{"Leer", "", false}),
                         [](const testing::TestParamInfo<Stueck>& i) { return i.param.name; });

TEST(StringCode, LaesstJedenTextUnveraendert) {
    for (const std::string& s :
         std::vector<std::string>{"abc", "", "äöü ß · \U0001F914 \xEF\xA3\xBF", annaText}) {
        EXPECT_EQ(numora::stringCode(s), s);
    }
    EXPECT_EQ(numora::charCode(U'ü'), U'ü');
}

struct Dateifall {
    const char* name;
    std::string bytes;
    std::vector<Zeile> zeilen;
    bool vollstaendig;
};

void PrintTo(const Dateifall& f, std::ostream* os) {
    *os << f.name;
}

class HofDateiLesen : public testing::TestWithParam<Dateifall> {};

TEST_P(HofDateiLesen, LiestNachsichtigUndMeldetVerluste) {
    const numora::HofDateiInhalt inhalt = numora::hofDateiLesen(GetParam().bytes);
    EXPECT_EQ(inhalt.zeilen, GetParam().zeilen);
    EXPECT_EQ(inhalt.vollstaendig, GetParam().vollstaendig);
}

const Zeile ida{"Ida", 3, 1, 2, 4};

INSTANTIATE_TEST_SUITE_P(
    Faelle, HofDateiLesen,
    testing::Values(
        Dateifall{"Leer", "", {}, true},
        Dateifall{"PlatzhalterWerdenNichtUebernommen",
                  annaText + "& &9999&0&1&0&& &9999&0&1&0&" + numora::zeile2Dateitext(ida),
                  {anna, ida},
                  true},
        Dateifall{"ByteOrderMark", "\xEF\xBB\xBF" + annaText, {anna}, true},
        Dateifall{"WindowsZeilenenden",
                  annaText + "\r\n" + numora::zeile2Dateitext(ida) + "\r\n",
                  {anna, ida},
                  true},
        Dateifall{"UngueltigeZeile", annaText + "&kaputt&", {anna}, false},
        Dateifall{"AbgeschnitteneZeile", annaText + "&Ida&3&1", {anna}, false},
        Dateifall{"UnbekannterSchluessel", "&Otto&1&9&1&8&", {{"Otto", 1, 9, 1, 8}}, false},
        Dateifall{"NegativeZeitBleibt", "&Max&-3&0&1&2&", {{"Max", -3, 0, 1, 2}}, true},
        Dateifall{"Latin1", "&J\xFCrgen&5&0&1&3&", {{"Jürgen", 5, 0, 1, 3}}, false},
        Dateifall{"MitBomUndEinemFalschenByte",
                  "\xEF\xBB\xBF&J\xC3\xBCrgen&5&0&1&3&&Kl\xE4re&6&0&1&3&",
                  {{"Jürgen", 5, 0, 1, 3}, {"Kläre", 6, 0, 1, 3}},
                  false},
        Dateifall{"NurUndZeichen", "&&&&&&", {}, true}),
    [](const testing::TestParamInfo<Dateifall>& i) { return i.param.name; });

} // namespace
