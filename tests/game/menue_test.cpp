// SPDX-License-Identifier: GPL-3.0-or-later
// Hilfe und Beenden: was der Spieler wählt und was daraus folgt.

#include "attrappen.h"

#include <gtest/gtest.h>
#include <utility>

namespace {

using numora::test::Spiel;

TEST(Menue, HilfeOeffnetDieAnleitungNurAufWunsch) {
    for (const std::string wahl : {"Hab ich gelesen", "Anleitung öffnen"}) {
        Spiel s;
        s.vc.viewDidLoad();
        s.antworte({wahl});
        s.vc.hilfe();
        EXPECT_EQ(s.letzterDialog().optionen,
                  (std::vector<std::string>{"Hab ich gelesen", "Anleitung öffnen"}));
        EXPECT_EQ(s.fenster.anleitungen, wahl == "Anleitung öffnen" ? 1 : 0) << wahl;
    }
}

// Beim Abmelden vom Desktop entscheidet die Antwort von quit, ob das Abmelden weitergeht.
TEST(Menue, BeendenMeldetObDasProgrammEndet) {
    Spiel ohneAenderung;
    ohneAenderung.vc.viewDidLoad();
    EXPECT_TRUE(ohneAenderung.vc.quit());
    EXPECT_TRUE(ohneAenderung.fenster.gezeigt.empty());

    const std::vector<std::pair<std::string, bool>> faelle = {
        {"Neuer Start mit Grundrechenarten?", false},
        {"Diese Runde abbrechen", false},
        {"Weiter im Programm", false},
        {"Numora endgültig verlassen", true}};
    for (const auto& [wahl, endet] : faelle) {
        Spiel s;
        s.vc.viewDidLoad();
        s.spieleRunde();
        s.antworte({wahl, "Lieber die Ergebnisse dieses Spiels nicht berücksichtigen."});
        EXPECT_EQ(s.vc.quit(), endet) << wahl;
        EXPECT_EQ(s.fenster.beendet, endet ? 1 : 0) << wahl;
    }
}

} // namespace
