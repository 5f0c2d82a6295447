#include "core/zufall.h"
#include "generators/paket.h"
#include "generators/wochentag.h"
#include "testuhr.h"

#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using numora::Aufgabe;
namespace ch = std::chrono;

// Numora zählt 0 = Samstag, 1 = Sonntag, …; chrono zählt 0 = Sonntag.
std::int64_t kalenderWochentag(const ch::year_month_day& ymd) {
    return (ch::weekday{ch::sys_days{ymd}}.c_encoding() + 1) % 7;
}

const numora::Kalenderzeit heute{2025, 6, 15, 23, 59};

TEST(Wochentag, StimmtVon1800Bis2199MitDemKalenderUeberein) {
    const ch::sys_days ende{ch::year{2199} / ch::December / 31};
    for (ch::sys_days t{ch::year{1800} / ch::January / 1}; t <= ende; t += ch::days{1}) {
        const ch::year_month_day ymd{t};
        const auto d = static_cast<std::int64_t>(static_cast<unsigned>(ymd.day()));
        const auto m = static_cast<std::int64_t>(static_cast<unsigned>(ymd.month()));
        const std::int64_t y = static_cast<int>(ymd.year());
        ASSERT_EQ(numora::wochentag(d, m, y), kalenderWochentag(ymd)) << d << "." << m << "." << y;
    }
}

TEST(Wochentag, GibtAusserhalbDesBereichsNull) {
    EXPECT_EQ(numora::wochentag(1, 1, 1799), 0);
    EXPECT_EQ(numora::wochentag(1, 3, 2200), 0);
    EXPECT_EQ(numora::wochentag(1, 0, 2024), 0);
    EXPECT_EQ(numora::wochentag(1, 13, 2024), 0);
    EXPECT_EQ(numora::wochentag(std::numeric_limits<std::int64_t>::max(), 5, 2024), 0);
    EXPECT_EQ(numora::wochentag(-3, 5, 2024), 0);
    EXPECT_EQ(numora::wochentag(1, 3, std::numeric_limits<std::int64_t>::min()), 0);
}

struct ZerlegFall {
    const char* text;
    std::vector<std::string> stuecke;
};

class Zerlegen : public testing::TestWithParam<ZerlegFall> {};

TEST_P(Zerlegen, TrenntAnPunktenOhneLeereZwischenstuecke) {
    EXPECT_EQ(numora::gehackterString2Stringfeld(GetParam().text), GetParam().stuecke);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Zerlegen,
                         testing::Values(ZerlegFall{"7.3.2024", {"7", "3", "2024"}},
                                         ZerlegFall{"1..2", {"1", "2"}},
                                         ZerlegFall{"1.2.", {"1", "2", ""}},
                                         ZerlegFall{".5", {"5"}}, ZerlegFall{"", {""}},
                                         ZerlegFall{"abc", {"abc"}}));

struct DatumFall {
    std::vector<std::string> feld;
    numora::Datum erwartet;
};

class StringFeld2Datum : public testing::TestWithParam<DatumFall> {};

TEST_P(StringFeld2Datum, NimmtGenauDreiGanzeZahlen) {
    const numora::Datum d = numora::stringFeld2Datum(GetParam().feld);
    const numora::Datum& e = GetParam().erwartet;
    EXPECT_EQ(d.gueltig, e.gueltig);
    EXPECT_EQ(d.tag, e.tag);
    EXPECT_EQ(d.monat, e.monat);
    EXPECT_EQ(d.jahr, e.jahr);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, StringFeld2Datum,
    testing::Values(DatumFall{{"7", "3", "2024"}, {7, 3, 2024, true}},
                    DatumFall{{"-5", "0", "2024"}, {-5, 0, 2024, true}},
                    DatumFall{{"9223372036854775807", "1", "-9223372036854775808"},
                              {std::numeric_limits<std::int64_t>::max(), 1,
                               std::numeric_limits<std::int64_t>::min(), true}},
                    DatumFall{{"1", "2", ""}, {}}, DatumFall{{"1", "2"}, {}},
                    DatumFall{{"1", "2", "3", "4"}, {}}, DatumFall{{}, {}},
                    DatumFall{{"x", "1", "2000"}, {}}, DatumFall{{"1 ", "1", "2000"}, {}},
                    DatumFall{{"1", "1", "2000x"}, {}}, DatumFall{{"1", "+1", "2000"}, {}},
                    DatumFall{{"99999999999999999999", "1", "2000"}, {}},
                    DatumFall{{"1", "1", "-99999999999999999999"}, {}}));

struct VergleichFall {
    const char* datum;
    std::int64_t relation;
    bool gueltig;
};

class Zeitvergleich : public testing::TestWithParam<VergleichFall> {};

TEST_P(Zeitvergleich, VergleichtMitDemHeutigenKalendertag) {
    numora::test::TestUhr testUhr;
    testUhr.setzeKalender(heute);
    numora::UhrErsetzen ersetzt(testUhr);
    const numora::Zeitvergleich z = numora::zeitvergleich(GetParam().datum);
    EXPECT_EQ(z.relation, GetParam().relation);
    EXPECT_EQ(z.gueltig, GetParam().gueltig);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Zeitvergleich,
    testing::Values(VergleichFall{"14.6.2025", -1, true}, VergleichFall{"15.6.2025", 0, true},
                    VergleichFall{"16.6.2025", 1, true}, VergleichFall{"16.5.2025", -1, true},
                    VergleichFall{"14.7.2025", 1, true}, VergleichFall{"31.12.2024", -1, true},
                    VergleichFall{"1.1.2026", 1, true}, VergleichFall{"kein Datum", 1, false},
                    VergleichFall{"15.6.", 1, false},
                    VergleichFall{"9223372036854775807.9223372036854775807.9223372036854775807", 1,
                                  true},
                    VergleichFall{"-9223372036854775808.1.1", -1, true}));

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    const char* frage; // zwischen "Was für ein Wochentag " und der Legende
    std::int64_t antwort;
    const char* hilfe; // ohne den Schlusssatz
};

const std::string legende =
    "\n\n      So = 1,  Mo = 2,  Di = 3,  Mi = 4,  Do = 5,  Fr = 6,  Sa = 0";

class WochentagRaten : public testing::TestWithParam<Fall> {};

TEST_P(WochentagRaten, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::test::TestUhr testUhr;
    testUhr.setzeKalender(heute);
    numora::UhrErsetzen uhrErsetzt(testUhr);
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::genWochentagRaten(f.level);
    EXPECT_EQ(a.text, std::string("     Was für ein Wochentag ") + f.frage + legende);
    EXPECT_EQ(a.loesung, f.antwort);
    const std::string schluss =
        "Die richtige Antwort wäre also gewesen: " + std::to_string(f.antwort) + " (" +
        std::string(numora::wTage.at(f.antwort)) + ")";
    EXPECT_EQ(a.hilfe, f.hilfe + schluss);
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Ziehungen: Monat, Tag, Jahr, auf Stufe 2 und 3 ein zweites Jahr, bei verschobenem
// Monat der Zuschlag (so oft wie nötig) und der neue Tag.
INSTANTIATE_TEST_SUITE_P(
    JedeVerzweigung, WochentagRaten,
    testing::Values(
        Fall{"Gestern",
             1,
             {6, 14, 2025},
             "war der 14.6.2025 ?",
             0,
             "Codezahl für den 6. Monat ist 5\n25 + [25/4] + 5 + 14 + 6 = 56\n = 7 · 8 + 0 \n"},
        Fall{"Heute",
             1,
             {6, 15, 2025},
             "ist der 15.6.2025 ?",
             1,
             "Codezahl für den 6. Monat ist 5\n25 + [25/4] + 5 + 15 + 6 = 57\n = 7 · 8 + 1 \n"},
        Fall{"Morgen",
             1,
             {6, 16, 2025},
             "wird der 16.6.2025 sein ?",
             2,
             "Codezahl für den 6. Monat ist 5\n25 + [25/4] + 5 + 16 + 6 = 58\n = 7 · 8 + 2 \n"},
        Fall{"Jahrhundert18",
             3,
             {7, 4, 2001, 1876},
             "war der 4.7.1876 ?",
             3,
             "Codezahl für den 7. Monat ist 0\n76 + [76/4] + 0 + 4 + 2 = 101\n = 7 · 14 + 3 \n"},
        Fall{"Jahrhundert19",
             2,
             {5, 8, 2001, 1945},
             "war der 8.5.1945 ?",
             3,
             "Codezahl für den 5. Monat ist 2\n45 + [45/4] + 2 + 8 = 66\n = 7 · 9 + 3 \n"},
        Fall{"Jahr1900",
             3,
             {3, 1, 2001, 1900},
             "war der 1.3.1900 ?",
             5,
             "Codezahl für den 3. Monat ist 4\n0 + [0/4] + 4 + 1 = 5\n = 7 · 0 + 5 \n"},
        Fall{"Jahr2000",
             3,
             {3, 1, 2050, 2000},
             "war der 1.3.2000 ?",
             4,
             "Codezahl für den 3. Monat ist 4\n0 + [0/4] + 4 + 1 + 6 = 11\n = 7 · 1 + 4 \n"},
        Fall{"Jahrhundert21",
             3,
             {12, 25, 2001, 2150},
             "wird der 25.12.2150 sein ?",
             6,
             "Codezahl für den 12. Monat ist 6\n50 + [50/4] + 6 + 25 + 4 = 97\n = 7 · 13 + 6 \n"},
        Fall{"JanuarOhneSchaltjahr",
             1,
             {1, 15, 2023},
             "war der 15.1.2023 ?",
             1,
             "Codezahl für den 1. Monat ist 1\n23 + [23/4] + 1 + 15 + 6 = 50\n = 7 · 7 + 1 \n"},
        Fall{"FebruarImSchaltjahr",
             1,
             {2, 7, 2024},
             "war der 7.2.2024 ?",
             4,
             "Codezahl für den 2. Monat ist 4\n24 + [24/4] + 4 + 7 + 6 = 47\n = 47 - 1 (Januar "
             "oder Februar eines Schaltjahres) = 46\n = 7 · 6 + 4 \n"},
        Fall{"JanuarImSchaltjahr1804",
             3,
             {1, 1, 2001, 1804},
             "war der 1.1.1804 ?",
             1,
             "Codezahl für den 1. Monat ist 1\n4 + [4/4] + 1 + 1 + 2 = 9\n = 9 - 1 (Januar oder "
             "Februar eines Schaltjahres) = 8\n = 7 · 1 + 1 \n"},
        Fall{"Januar2000WirdVerschobenMitNeuemTag",
             3,
             {1, 30, 2001, 2000, 1, 5, 17},
             "war der 17.6.2000 ?",
             0,
             "Codezahl für den 6. Monat ist 5\n0 + [0/4] + 5 + 17 + 6 = 28\n = 7 · 4 + 0 \n"},
        Fall{"Februar2100WirdVerschobenMitNeuemTag",
             3,
             {2, 28, 2001, 2100, 10, 30},
             "wird der 30.12.2100 sein ?",
             5,
             "Codezahl für den 12. Monat ist 6\n0 + [0/4] + 6 + 30 + 4 = 40\n = 7 · 5 + 5 \n"},
        Fall{"Januar2000AufStufe2",
             2,
             {1, 29, 2001, 2000, 2, 30},
             "war der 30.3.2000 ?",
             5,
             "Codezahl für den 3. Monat ist 4\n0 + [0/4] + 4 + 30 + 6 = 40\n = 7 · 5 + 5 \n"}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

TEST(WochentagRaten, TagUndJahrBleibenImBereich) {
    const std::vector<std::vector<std::int64_t>> falsch = {
        {2, 29}, {4, 31}, {4, 1, 2000}, {4, 1, 2001, 1900}, {4, 1, 2001, 2200}};
    const std::vector<std::int64_t> level = {1, 1, 1, 2, 3};
    for (std::size_t i = 0; i < falsch.size(); ++i) {
        numora::SkriptQuelle skript(falsch[i]);
        numora::ZufallsquelleErsetzen ersetzt(skript);
        EXPECT_THROW(numora::genWochentagRaten(level[i]), std::logic_error) << i;
    }
}

TEST(WochentagPaket, JederLevelUebernimmtTextAntwortUndErklaerung) {
    numora::test::TestUhr testUhr;
    testUhr.setzeKalender(heute);
    numora::UhrErsetzen uhrErsetzt(testUhr);
    const std::vector<std::vector<std::int64_t>> ziehungen = {
        {9, 3, 2050}, {10, 3, 2001, 1990}, {11, 9, 2001, 1989}};
    const std::vector<std::string> datum = {"3.9.2050", "3.10.1990", "9.11.1989"};
    const std::vector<std::string> antwort = {"0", "4", "5"};
    for (std::size_t i = 0; i < 3; ++i) {
        std::vector<std::int64_t> acht;
        for (int k = 0; k < 8; ++k) {
            acht.insert(acht.end(), ziehungen[i].begin(), ziehungen[i].end());
        }
        numora::SkriptQuelle skript(acht);
        numora::ZufallsquelleErsetzen ersetzt(skript);
        const auto paket = numora::genPaket(numora::thema::wTag, static_cast<std::int64_t>(i) + 1);
        ASSERT_EQ(paket.size(), 8u);
        for (const numora::Karte& k : paket) {
            EXPECT_EQ(k.frage, "     Was für ein Wochentag " +
                                   std::string(i == 0 ? "wird der " : "war der ") + datum[i] +
                                   (i == 0 ? " sein ?" : " ?") + legende);
            EXPECT_EQ(k.antwort, antwort[i]);
            EXPECT_NE(k.hilfe.find("Die richtige Antwort wäre also gewesen: " + antwort[i]),
                      std::string::npos);
        }
        EXPECT_EQ(skript.uebrig(), 0u);
    }
}

// Unabhängige Probe über viele Pakete: Datum aus dem Fragetext, Wochentag aus std::chrono,
// Erklärungszeilen nachgerechnet.
class WochentagOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(WochentagOrakel, AntwortIstDerKalenderwochentagEinesEchtenDatums) {
    const std::int64_t level = GetParam();
    const std::int64_t vonJahr = level == 1 ? 2001 : level == 2 ? 1901 : 1801;
    const std::int64_t bisJahr = level == 3 ? 2199 : 2099;
    static const std::vector<std::string> namen = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                                                   "Donnerstag", "Freitag", "Samstag"};
    static const std::regex frage(
        R"(     Was für ein Wochentag (war|ist|wird) der (\d+)\.(\d+)\.(\d+) (sein )?\?)" +
        legende);
    static const std::regex hilfe(
        R"(Codezahl für den (\d+)\. Monat ist (\d)\n(\d+) \+ \[(\d+)/4\] \+ (\d) \+ (\d+)(?: \+ (\d))? = (\d+))"
        R"((?:\n = (\d+) - 1 \(Januar oder Februar eines Schaltjahres\) = (\d+))?)"
        R"(\n = 7 · (\d+) \+ (\d) \nDie richtige Antwort wäre also gewesen: (\d) \((\w+)\))");
    numora::test::TestUhr testUhr;
    testUhr.setzeKalender(heute);
    numora::UhrErsetzen uhrErsetzt(testUhr);
    const ch::year_month_day heuteYmd{ch::year{2025}, ch::month{6}, ch::day{15}};
    std::set<std::int64_t> jahrhunderte;
    bool schaltjahrZeile = false;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::wTag, level)) {
            std::smatch f;
            ASSERT_TRUE(std::regex_match(k.frage, f, frage)) << k.frage;
            const int tag = std::stoi(f[2]);
            const int monat = std::stoi(f[3]);
            const int jahr = std::stoi(f[4]);
            const ch::year_month_day ymd{ch::year{jahr}, ch::month{static_cast<unsigned>(monat)},
                                         ch::day{static_cast<unsigned>(tag)}};
            ASSERT_TRUE(ymd.ok()) << k.frage;
            ASSERT_TRUE(jahr >= vonJahr && jahr <= bisJahr) << k.frage;
            ASSERT_FALSE(jahr % 100 == 0 && monat <= 2) << k.frage;
            const std::int64_t erwartet = kalenderWochentag(ymd);
            ASSERT_EQ(k.antwort, std::to_string(erwartet)) << k.frage;
            const std::string wort = ymd < heuteYmd ? "war" : ymd == heuteYmd ? "ist" : "wird";
            ASSERT_EQ(f[1].str(), wort) << k.frage;
            ASSERT_EQ(f[5].matched, wort == "wird") << k.frage;

            std::smatch h;
            ASSERT_TRUE(std::regex_match(k.hilfe, h, hilfe)) << k.hilfe;
            const auto z = [&h](int i) { return h[i].matched ? std::stoll(h[i]) : 0; };
            ASSERT_EQ(z(1), monat);
            ASSERT_EQ(z(3), jahr % 100);
            ASSERT_EQ(z(4), jahr % 100);
            ASSERT_EQ(z(6), tag);
            ASSERT_EQ(z(5), z(2));
            ASSERT_EQ(z(8), z(3) + z(3) / 4 + z(5) + z(6) + z(7)) << k.hilfe;
            std::int64_t geteilt = z(8);
            if (h[9].matched) {
                ASSERT_EQ(z(9), z(8));
                ASSERT_EQ(z(10), z(8) - 1);
                geteilt = z(10);
                schaltjahrZeile = true;
            }
            ASSERT_EQ(h[9].matched, monat <= 2 && ch::year{jahr}.is_leap()) << k.hilfe;
            ASSERT_EQ(geteilt, 7 * z(11) + z(12)) << k.hilfe;
            ASSERT_EQ(z(12), erwartet);
            ASSERT_EQ(z(13), erwartet);
            ASSERT_EQ(h[14].str(),
                      namen[static_cast<std::size_t>(ch::weekday{ch::sys_days{ymd}}.c_encoding())]);
            jahrhunderte.insert(jahr / 100);
        }
    }
    EXPECT_TRUE(schaltjahrZeile);
    const std::set<std::int64_t> erwarteteJahrhunderte =
        level == 1   ? std::set<std::int64_t>{20}
        : level == 2 ? std::set<std::int64_t>{19, 20}
                     : std::set<std::int64_t>{18, 19, 20, 21};
    EXPECT_EQ(jahrhunderte, erwarteteJahrhunderte);
}

INSTANTIATE_TEST_SUITE_P(JederLevel, WochentagOrakel, testing::Values(1, 2, 3));

} // namespace
