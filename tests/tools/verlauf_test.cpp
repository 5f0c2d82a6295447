// SPDX-License-Identifier: GPL-3.0-or-later
#include "verlauf/verlaufsdatenbank.h"
#include "verlauf/verlauftest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace numora::test;

TEST(NumoraVerlauf, SchreibtDieRundenEinesSpielersUndWeistFalschenAufrufAb) {
    TempOrdner t;
    const fs::path datei = t / "daten/Numora/verlauf.sqlite"; // der Ort des Spiels
    for (const std::string name : {"ANNA", "BERND"}) {
        ASSERT_TRUE(numora::Verlaufsdatenbank(datei).rundeSpeichern(runde(name, 0, 1, 5)).ok);
    }
    const std::string vorher = inhalt(datei);
    const std::string aufruf = "XDG_DATA_HOME=" + (t / "daten").string() + " " NUMORA_VERLAUF;
    const std::string ziel = (t / "anna.csv").string();
    EXPECT_EQ(std::system((aufruf + " --spieler Anna --csv " + ziel).c_str()), 0);
    EXPECT_THAT(inhalt(ziel), testing::EndsWith("Übung\r\nANNA;Grundrechenarten;1;3.7.2026 09:00;"
                                                "3.7.2026 10:00;55;5;nein\r\n"));
    EXPECT_EQ(inhalt(datei), vorher);
    for (const std::string a :
         {"", "--csv", "--csv a --csv b", "--csv a -x", "--csv a --spieler 1"}) {
        const std::string fehler = (t / "fehler.txt").string();
        EXPECT_EQ(WEXITSTATUS(std::system((aufruf + " " + a + " 2>" + fehler).c_str())), 2) << a;
        EXPECT_THAT(inhalt(fehler), testing::MatchesRegex("numora-verlauf: [^\n]+\n")) << a;
    }
}

} // namespace
