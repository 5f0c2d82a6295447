// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/wochentag.h"
#include "pakettest.h"

#include <chrono>
#include <limits>
#include <regex>

namespace numora::test {
namespace {

namespace ch = std::chrono;
constexpr auto W = thema::wTag;

// Numora zählt 0 = Samstag, 1 = Sonntag, …; chrono zählt 0 = Sonntag.
std::int64_t kalenderWochentag(const ch::year_month_day& ymd) {
    return (ch::weekday{ch::sys_days{ymd}}.c_encoding() + 1) % 7;
}

TEST(Wochentag, StimmtVon1800Bis2199MitDemKalenderUeberein) {
    const ch::sys_days ende{ch::year{2199} / ch::December / 31};
    for (ch::sys_days t{ch::year{1800} / ch::January / 1}; t <= ende; t += ch::days{1}) {
        const ch::year_month_day ymd{t};
        const unsigned d{ymd.day()}, m{ymd.month()};
        const int y{ymd.year()};
        ASSERT_EQ(wochentag(d, m, y), kalenderWochentag(ymd)) << d << "." << m << "." << y;
    }
    // Außerhalb gibt es weder Kennzahl noch Korrektur: 0 statt eines Zugriffs neben die Tafel.
    EXPECT_EQ(wochentag(1, 1, 1799) + wochentag(1, 13, 2024), 0);
    EXPECT_EQ(wochentag(std::numeric_limits<std::int64_t>::max(), 5, 2024), 0);
}

// Ziehungen: Monat, Tag, Jahr und auf Stufe 3 ein zweites Jahr.
INSTANTIATE_TEST_SUITE_P(
    Wochentag, Karten,
    testing::Values(Kartenfall(
        W, "Schaltjahr", 3, {1, 1, 2001, 1804}, "1",
        "     Was für ein Wochentag war der 1.1.1804 ?\n\n      So = 1,  Mo = 2,  Di = 3,  Mi = "
        "4,  Do = 5,  Fr = 6,  Sa = 0",
        "Codezahl für den 1. Monat ist 1\n4 + [4/4] + 1 + 1 + 2 = 9\nJanuar oder Februar eines "
        "Schaltjahres, also eins weniger: 9 - 1 = 8\n = 7 · 1 + 1 \nDie richtige Antwort wäre also gewesen: 1 "
        "(Sonntag)")),
    fallName);

// Datum aus dem Fragetext, Wochentag aus std::chrono; war, ist oder wird vom heutigen Tag aus.
TEST(WochentagOrakel, AntwortIstDerKalenderwochentagEinesEchtenDatums) {
    const std::regex frage(R"(     Was für ein Wochentag (war|ist|wird) der (\d+)\.(\d+)\.(\d+) )"
                           R"((sein )?\?\n\n      So = 1,  Mo = 2,  Di = 3,  Mi = 4,  Do = 5,  )"
                           R"(Fr = 6,  Sa = 0)");
    const std::string namen[] = {"Samstag",  "Sonntag",    "Montag", "Dienstag",
                                 "Mittwoch", "Donnerstag", "Freitag"};
    const ch::year_month_day heute{ch::year{2025}, ch::month{6}, ch::day{15}};
    fuerJedeKarte(W, [&](const Karte& k, std::int64_t) {
        std::smatch f;
        ASSERT_TRUE(std::regex_match(k.frage, f, frage));
        const ch::year_month_day ymd{ch::year{std::stoi(f[4])},
                                     ch::month{static_cast<unsigned>(std::stoi(f[3]))},
                                     ch::day{static_cast<unsigned>(std::stoi(f[2]))}};
        const std::int64_t w = kalenderWochentag(ymd);
        ASSERT_TRUE(ymd.ok() && k.antwort == std::to_string(w));
        const std::string wort = ymd < heute ? "war" : ymd == heute ? "ist" : "wird";
        ASSERT_TRUE(f[1] == wort && f[5].matched == (wort == "wird"));
        ASSERT_TRUE(k.hilfe.ends_with(k.antwort + " (" + namen[w] + ")"));
    });
}

} // namespace
} // namespace numora::test
