// SPDX-License-Identifier: GPL-3.0-or-later
#include "lauf.h"
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
    EXPECT_EQ(starte(aufruf + " --spieler Anna --csv " + ziel).code, 0);
    EXPECT_THAT(inhalt(ziel), testing::EndsWith("Übung\r\nANNA;Grundrechenarten;1;3.7.2026 09:00;"
                                                "3.7.2026 10:00;55;5;nein\r\n"));
    EXPECT_EQ(inhalt(datei), vorher);
    // Lesen hinterlässt keine Begleitdateien, die später einem anderen das Schreiben verwehren.
    EXPECT_FALSE(fs::exists(datei.string() + "-wal") || fs::exists(datei.string() + "-shm"));
    pruefeAufrufe(aufruf, "numora-verlauf",
                  {Aufruf{"", "Es fehlt --csv DATEI"},
                   Aufruf{"--csv", "Nach --csv fehlt der Wert."},
                   Aufruf{"--csv ''", "Nach --csv fehlt der Wert."},
                   Aufruf{"--csv a --csv b", "--csv ist doppelt angegeben."},
                   Aufruf{"--csv a -x", "Unbekannte Option \"-x\" (--hilfe zeigt den Aufruf)."},
                   Aufruf{"--csv a --spieler 1", "Der Name \"1\" enthält keinen Buchstaben."},
                   Aufruf{"--csv - --spieler Carla", "keine Runde von CARLA.", 1},
                   Aufruf{"--entfernen Anna --csv a", "--entfernen lässt sich nicht mit --csv"},
                   Aufruf{"--entfernen Carla", "keine Runde von CARLA.", 1},
                   Aufruf{"--entfernen Bernd", "Entfernt: 1 Runde von BERND.", 0},
                   Aufruf{"--version", "numora-verlauf ", 0}});
    // Eine falsche --datenbank bleibt, wie sie ist: nicht beiseitegelegt, nicht zum Verlauf
    // umgebaut.
    std::ofstream(t / "export.csv") << "Spieler;Thema\r\n";
    EXPECT_EQ(starte(aufruf + " --entfernen Anna --datenbank " + (t / "export.csv").string()).code,
              1);
    EXPECT_TRUE(inhalt(t / "export.csv") == "Spieler;Thema\r\n"); // sonst ein langer Auszug
    EXPECT_FALSE(fs::exists(t / "export-beschaedigt-1.csv"));
}

} // namespace
