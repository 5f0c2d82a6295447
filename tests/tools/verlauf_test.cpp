// SPDX-License-Identifier: GPL-3.0-or-later
#include "verlauf/verlaufsdatenbank.h"
#include "verlauf/verlauftest.h"

#include <array>
#include <cstdio>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {

using numora::test::inhalt;
using numora::test::runde;
using testing::StartsWith;

struct Lauf {
    int code;
    std::string fehler;
};

Lauf starte(const std::string& argumente, const std::string& umgebung = "") {
    const std::string befehl =
        umgebung + " " + std::string(NUMORA_VERLAUF) + " " + argumente + " 2>&1 1>/dev/null";
    FILE* rohr = popen(befehl.c_str(), "r");
    std::string text;
    std::array<char, 4096> puffer{};
    for (std::size_t n = 0; (n = fread(puffer.data(), 1, puffer.size(), rohr)) > 0;) {
        text.append(puffer.data(), n);
    }
    const int status = pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

TEST(NumoraVerlauf, FalscherAufrufEndetMitCode2UndEinerZeile) {
    for (const std::string argumente :
         {"", "--csv", "--csv a --csv b", "--csv a --farbe", "--csv a --spieler 123"}) {
        const Lauf lauf = starte(argumente);
        EXPECT_EQ(lauf.code, 2) << argumente;
        EXPECT_THAT(lauf.fehler, StartsWith("numora-verlauf: ")) << argumente;
        EXPECT_EQ(std::count(lauf.fehler.begin(), lauf.fehler.end(), '\n'), 1) << argumente;
    }
}

TEST(NumoraVerlauf, SchreibtDieRundenEinesSpielersUndLaesstDenVerlaufUnberuehrt) {
    numora::test::TempOrdner t;
    const auto datei = t / "daten/Numora/Numora/verlauf.sqlite";
    {
        numora::Verlaufsdatenbank v(datei);
        ASSERT_TRUE(v.rundeSpeichern(runde("ANNA", 0, 1, 5)).ok);
        ASSERT_TRUE(v.rundeSpeichern(runde("BERND", 0, 1, 6)).ok);
    }
    const std::string vorher = inhalt(datei);
    const std::string ziel = (t / "anna.csv").string();
    const std::string xdg = "XDG_DATA_HOME=" + (t / "daten").string();
    EXPECT_EQ(starte("--spieler Anna --csv " + ziel, xdg).code, 0);
    EXPECT_THAT(inhalt(ziel), testing::EndsWith("Übung\r\nANNA;Grundrechenarten;1;3.7.2026 09:00;"
                                                "3.7.2026 10:00;55;5;nein\r\n"));
    EXPECT_EQ(inhalt(datei), vorher);

    EXPECT_EQ(starte("--spieler Carla --csv " + ziel, xdg).fehler,
              "numora-verlauf: Im Verlauf " + datei.string() + " gibt es keine Runde von CARLA.\n");
    const Lauf ohne = starte("--csv " + ziel + " --datenbank " + (t / "fehlt.sqlite").string());
    EXPECT_EQ(ohne.code, 1);
    EXPECT_THAT(ohne.fehler, testing::HasSubstr("gibt es keinen Verlauf."));
}

} // namespace
