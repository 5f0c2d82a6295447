// SPDX-License-Identifier: GPL-3.0-or-later
// Hilfe und Beenden: was der Spieler wählt und was daraus folgt.

#include "attrappen.h"

#include <gtest/gtest.h>

namespace {

using numora::test::Spiel;

TEST(Menue, HilfeOeffnetDieAnleitungNurAufWunsch) {
    Spiel s;
    s.antworte({"Hab ich gelesen", "Anleitung öffnen"});
    s.vc.hilfe();
    EXPECT_EQ(s.fenster.anleitungen, 0);
    s.vc.hilfe();
    EXPECT_EQ(s.fenster.anleitungen, 1);
    EXPECT_EQ(s.letzterDialog().optionen,
              (std::vector<std::string>{"Hab ich gelesen", "Anleitung öffnen"}));
}

// Beim Abmelden vom Desktop entscheidet die Antwort von quit, ob das Abmelden weitergeht.
TEST(Menue, BeendenMeldetObDasProgrammEndet) {
    EXPECT_TRUE(Spiel().vc.quit()); // ohne Änderung sofort
    for (const std::string wahl : {"Neuer Start mit Grundrechenarten?", "Diese Runde abbrechen",
                                   "Weiter im Programm", "Numora endgültig verlassen"}) {
        Spiel s;
        s.vc.viewDidLoad();
        s.spieleRunde();
        s.antworte({wahl, "Nein"}); // nicht speichern
        const bool endet = s.vc.quit();
        EXPECT_EQ(endet, wahl == "Numora endgültig verlassen") << wahl;
        EXPECT_EQ(s.fenster.beendet, endet ? 1 : 0) << wahl;
    }
}

} // namespace
