#include "core/zufall.h"
#include "generators/paket.h"
#include "generators/wochentag.h"
#include "pakettest.h"
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

namespace ch = std::chrono;

// Numora zählt 0 = Samstag, 1 = Sonntag, …; chrono zählt 0 = Sonntag.
const std::string namen[] = {"Sonntag",    "Montag",  "Dienstag", "Mittwoch",
                             "Donnerstag", "Freitag", "Samstag"};

std::int64_t kalenderWochentag(const ch::year_month_day& ymd) {
    return (ch::weekday{ch::sys_days{ymd}}.c_encoding() + 1) % 7;
}

TEST(Wochentag, StimmtVon1800Bis2199MitDemKalenderUeberein) {
    const ch::sys_days ende{ch::year{2199} / ch::December / 31};
    for (ch::sys_days t{ch::year{1800} / ch::January / 1}; t <= ende; t += ch::days{1}) {
        const ch::year_month_day ymd{t};
        const unsigned d{ymd.day()}, m{ymd.month()};
        const int y{ymd.year()};
        ASSERT_EQ(numora::wochentag(d, m, y), kalenderWochentag(ymd)) << d << "." << m << "." << y;
    }
    // Außerhalb gibt es weder Kennzahl noch Korrektur: 0 statt eines Zugriffs neben die Tafel.
    EXPECT_EQ(numora::wochentag(1, 1, 1799), 0);
    EXPECT_EQ(numora::wochentag(1, 13, 2024), 0);
    EXPECT_EQ(numora::wochentag(std::numeric_limits<std::int64_t>::max(), 5, 2024), 0);
}

const numora::Kalenderzeit heute{2025, 6, 15, 23, 59};

struct Vergleich {
    const char* datum;
    std::int64_t relation;
    bool gueltig;
};

class Zeitvergleich : public testing::TestWithParam<Vergleich> {};

TEST_P(Zeitvergleich, VergleichtMitDemHeutigenKalendertag) {
    numora::test::TestUhr testUhr;
    testUhr.setzeKalender(heute);
    numora::UhrErsetzen ersetzt(testUhr);
    const numora::Zeitvergleich z = numora::zeitvergleich(GetParam().datum);
    EXPECT_EQ(z.relation, GetParam().relation);
    EXPECT_EQ(z.gueltig, GetParam().gueltig);
}

// Leere Stücke zwischen Punkten fallen weg; nur genau drei ganze Zahlen sind ein Datum.
INSTANTIATE_TEST_SUITE_P(
    Faelle, Zeitvergleich,
    testing::Values(Vergleich{"15.6.2025", 0, true}, Vergleich{"16.5.2025", -1, true},
                    Vergleich{"16..6.2025", 1, true}, Vergleich{"15.6.", 1, false},
                    Vergleich{"99999999999999999999.1.1", 1, false}, Vergleich{"1.1.1x", 1, false},
                    Vergleich{"9223372036854775807.9223372036854775807.9223372036854775807", 1,
                              true}));

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    std::int64_t antwort;
    const char* frage; // zwischen "Was für ein Wochentag " und der Legende
    const char* hilfe; // ohne den Schlusssatz
};

class WochentagRaten : public testing::TestWithParam<Fall> {};

TEST_P(WochentagRaten, ErzeugtGenauDieseKarten) {
    const Fall& f = GetParam();
    numora::test::TestUhr testUhr;
    testUhr.setzeKalender(heute);
    numora::UhrErsetzen uhrErsetzt(testUhr);
    const std::string antwort = std::to_string(f.antwort);
    numora::test::erwarteKarten(
        numora::thema::wTag, f.level, f.ziehungen,
        std::string("     Was für ein Wochentag ") + f.frage +
            "\n\n      So = 1,  Mo = 2,  Di = 3,  Mi = 4,  Do = 5,  Fr = 6,  Sa = 0",
        antwort,
        f.hilfe + std::string("Die richtige Antwort wäre also gewesen: ") + antwort + " (" +
            namen[(f.antwort + 6) % 7] + ")");
}

// Ziehungen: Monat, Tag, Jahr, auf Stufe 2 und 3 ein zweites Jahr; bei verschobenem Monat
// der Zuschlag (so oft wie nötig) und der neue Tag.
INSTANTIATE_TEST_SUITE_P(
    JedeVerzweigung, WochentagRaten,
    testing::Values(
        Fall("Heute", 1, {6, 15, 2025}, 1, "ist der 15.6.2025 ?",
             "Codezahl für den 6. Monat ist 5\n25 + [25/4] + 5 + 15 + 6 = 57\n = 7 · 8 + 1 \n"),
        Fall("JanuarOhneSchaltjahr", 1, {1, 15, 2023}, 1, "war der 15.1.2023 ?",
             "Codezahl für den 1. Monat ist 1\n23 + [23/4] + 1 + 15 + 6 = 50\n = 7 · 7 + 1 \n"),
        Fall("JahrhundertOhneKorrektur", 2, {5, 8, 2001, 1945}, 3, "war der 8.5.1945 ?",
             "Codezahl für den 5. Monat ist 2\n45 + [45/4] + 2 + 8 = 66\n = 7 · 9 + 3 \n"),
        Fall("Schaltjahr1804", 3, {1, 1, 2001, 1804}, 1, "war der 1.1.1804 ?",
             "Codezahl für den 1. Monat ist 1\n4 + [4/4] + 1 + 1 + 2 = 9\n = 9 - 1 (Januar oder "
             "Februar eines Schaltjahres) = 8\n = 7 · 1 + 1 \n"),
        Fall("Januar2000WirdVerschobenMitNeuemTag", 3, {1, 30, 2001, 2000, 1, 5, 17}, 0,
             "war der 17.6.2000 ?",
             "Codezahl für den 6. Monat ist 5\n0 + [0/4] + 5 + 17 + 6 = 28\n = 7 · 4 + 0 \n"),
        Fall("Februar2100WirdVerschobenMitNeuemTag", 3, {2, 28, 2001, 2100, 10, 30}, 5,
             "wird der 30.12.2100 sein ?",
             "Codezahl für den 12. Monat ist 6\n0 + [0/4] + 6 + 30 + 4 = 40\n = 7 · 5 + 5 \n")),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// Januar und Februar rücken höchstens bis Dezember vor: der Zuschlag 11 wirft, obwohl danach
// noch ein Tag bereitläge.
TEST(WochentagRaten, VerschiebtHoechstensBisDezember) {
    numora::SkriptQuelle skript{2, 1, 2001, 2100, 11, 5};
    numora::ZufallsquelleErsetzen ersetzt(skript);
    EXPECT_THROW(numora::genWochentagRaten(3), std::logic_error);
}

// Über viele Pakete: Datum aus dem Fragetext, Wochentag aus std::chrono, Erklärung nachgerechnet.
class WochentagOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(WochentagOrakel, AntwortIstDerKalenderwochentagEinesEchtenDatums) {
    const std::int64_t level = GetParam();
    const int vonJahr = level == 1 ? 2001 : level == 2 ? 1901 : 1801;
    const int bisJahr = level == 3 ? 2199 : 2099;
    static const std::regex frage(
        R"(     Was für ein Wochentag (war|ist|wird) der (\d+)\.(\d+)\.(\d+) (sein )?\?\n\n.*)");
    static const std::regex hilfe(
        R"(Codezahl für den (\d+)\. Monat ist (\d)\n(\d+) \+ \[(\d+)/4\] \+ (\d) \+ (\d+)(?: \+ (\d))? = (\d+))"
        R"((?:\n = (\d+) - 1 \(Januar oder Februar eines Schaltjahres\) = (\d+))?)"
        R"(\n = 7 · (\d+) \+ (\d) \nDie richtige Antwort wäre also gewesen: (\d) \((\w+)\))");
    numora::test::TestUhr testUhr;
    testUhr.setzeKalender(heute);
    numora::UhrErsetzen uhrErsetzt(testUhr);
    const ch::year_month_day heuteYmd{ch::year{2025}, ch::month{6}, ch::day{15}};
    std::set<int> jahrhunderte;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::wTag, level)) {
            SCOPED_TRACE(k.frage + "\n" + k.hilfe);
            std::smatch f;
            ASSERT_TRUE(std::regex_match(k.frage, f, frage));
            const int tag = std::stoi(f[2]), monat = std::stoi(f[3]), jahr = std::stoi(f[4]);
            const ch::year_month_day ymd{ch::year{jahr}, ch::month{static_cast<unsigned>(monat)},
                                         ch::day{static_cast<unsigned>(tag)}};
            ASSERT_TRUE(ymd.ok() && jahr >= vonJahr && jahr <= bisJahr);
            ASSERT_FALSE(jahr % 100 == 0 && monat <= 2);
            const std::int64_t erwartet = kalenderWochentag(ymd);
            ASSERT_EQ(k.antwort, std::to_string(erwartet));
            const std::string wort = ymd < heuteYmd ? "war" : ymd == heuteYmd ? "ist" : "wird";
            ASSERT_EQ(f[1].str(), wort);
            ASSERT_EQ(f[5].matched, wort == "wird");

            // Jahresrest, Monatskennzahl, Tag und Korrekturen summieren sich zum Ergebnis.
            std::smatch h;
            ASSERT_TRUE(std::regex_match(k.hilfe, h, hilfe));
            const auto z = [&h](int i) { return h[i].matched ? std::stoi(h[i]) : 0; };
            ASSERT_TRUE(z(1) == monat && z(3) == jahr % 100 && z(4) == jahr % 100 && z(5) == z(2));
            ASSERT_TRUE(z(6) == tag && z(8) == z(3) + z(3) / 4 + z(5) + z(6) + z(7));
            ASSERT_EQ(h[9].matched, monat <= 2 && ch::year{jahr}.is_leap());
            ASSERT_TRUE(!h[9].matched || (z(9) == z(8) && z(10) == z(8) - 1));
            ASSERT_EQ(h[9].matched ? z(10) : z(8), 7 * z(11) + z(12));
            ASSERT_TRUE(z(12) == erwartet && z(13) == erwartet);
            ASSERT_EQ(h[14].str(), namen[(erwartet + 6) % 7]);
            jahrhunderte.insert(jahr / 100);
        }
    }
    EXPECT_EQ(jahrhunderte, (level == 1   ? std::set<int>{20}
                             : level == 2 ? std::set<int>{19, 20}
                                          : std::set<int>{18, 19, 20, 21}));
}

INSTANTIATE_TEST_SUITE_P(JederLevel, WochentagOrakel, testing::Values(1, 2, 3));

} // namespace
