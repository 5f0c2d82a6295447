// SPDX-License-Identifier: GPL-3.0-or-later
// Das Spiel mit seinem Verlauf in einer echten Datei: Jede ausgewertete Runde kommt hinein,
// ein Scheitern hält das Spiel nicht auf, und der Level-Dialog nennt die Empfehlung.

#include "attrappen.h"
#include "game/durchsicht.h"
#include "verlauf/verlaufsdatenbank.h"
#include "verlauf/verlauftest.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using numora::phase;
using numora::RundenEintrag;
using numora::Verlaufsdatenbank;
using numora::test::Spiel;
using numora::test::TempOrdner;
namespace fs = std::filesystem;

// Ein Spiel mit seinem Verlauf in einer eigenen Datei, die erst der erste Gebrauch öffnet.
template <typename V = Verlaufsdatenbank> struct MitVerlauf {
    explicit MitVerlauf(const std::string& datei = "verlauf.sqlite") : v(t / datei) {
        s.vc.verlaufSetzen(&v);
        s.vc.viewDidLoad();
    }
    TempOrdner t;
    V v;
    Spiel s;
};

TEST(SpielMitVerlauf, AusgewerteteRundeKommtMitAllenAntwortenInDieDatei) {
    MitVerlauf<> m("Numora/verlauf.sqlite");
    auto& [t, v, s] = m;
    s.vc.viewDidAppear();
    EXPECT_FALSE(fs::exists(t / "Numora")); // der Start öffnet nichts
    EXPECT_EQ(s.vc.fortschrittSpieler(), "");
    std::vector<bool> waehrendFrage;
    s.spieleRunde("1", [&](std::size_t i) {
        waehrendFrage.push_back(s.vc.fortschrittMoeglich());
        s.uhr.weiter(std::chrono::seconds(i + 1));
        s.uhr.setzeKalender({2026, 7, 3, 9, i < 7 ? 5 : 6}); // die letzte Antwort um 9:06
        return Spiel::nurDieErsteRichtig(i);
    });
    EXPECT_EQ(waehrendFrage, std::vector<bool>(8, false));
    EXPECT_TRUE(s.vc.fortschrittMoeglich());
    EXPECT_EQ(s.vc.fortschrittSpieler(), "ANNA");

    RundenEintrag erwartet{"ANNA", 0, 1, {2026, 7, 3, 9, 5}, {2026, 7, 3, 9, 6}, 36, 1, false, {}};
    for (std::int64_t i = 0; i < 8; ++i) {
        const auto& k = s.vc.stand().aktuellesPaket[static_cast<std::size_t>(i)];
        erwartet.antworten.push_back(
            {i + 1, k.frage, i == 0 ? k.antwort : "-1", k.antwort, k.hilfe, i == 0, i + 1,
             s.vc.stand().antworten[static_cast<std::size_t>(i)].hinweisArt});
    }
    std::vector<RundenEintrag> gelesen;
    EXPECT_TRUE(v.rundenDurchgehen(std::nullopt, true, [&](const RundenEintrag& r) {
                     gelesen.push_back(r);
                 }).ok);
    EXPECT_EQ(gelesen, std::vector{erwartet});
    // Das Blatt "Fehler der Runde" nennt dieselbe Zeit wie ihre Zeile in der Ruhmeshalle.
    EXPECT_THAT(numora::durchsichtText(s.vc.stand()), testing::HasSubstr("3.7.2026  9:06 Uhr"));
    EXPECT_EQ(s.fenster.gezeigt.size(), 1u); // nur der Level-Dialog, keine Meldung
}

// Ist der Grund behoben, kommen die abgewiesenen Runden mit der nächsten hinein, in ihrer Folge.
TEST(SpielMitVerlauf, ScheiternMeldetSichEinmalUndDieRundenKommenSpaeterHinein) {
    MitVerlauf<> m("datei/verlauf.sqlite");
    auto& [t, v, s] = m;
    std::ofstream(t / "datei") << "kein Ordner";
    for (std::size_t runde = 1; runde <= 4; ++runde) {
        if (runde == 4) {
            // Beim Beenden erfährt der Spieler es noch einmal und bleibt mit Return im Programm.
            s.antworte({"Numora endgültig verlassen"});
            EXPECT_FALSE(s.vc.quit());
            EXPECT_THAT(s.letzterDialog().frage,
                        testing::StartsWith("3 Runden stehen noch nicht im Verlauf und gehen"));
            EXPECT_EQ(s.letzterDialog().weise.harmlos, "Weiter im Programm");
            fs::remove(t / "datei");
        }
        s.spieleRunde("1", [&](std::size_t i) { return i < runde ? "" : "-1"; }); // runde richtig
        EXPECT_EQ(s.vc.stand().status, phase::abgeschlossen) << runde;
        EXPECT_THAT(s.fenster.antwort, testing::HasSubstr("ANNA am 3.7.2026")); // die Halle
        s.tippe(""); // wieder das Themenangebot
    }
    std::vector<std::string> meldungen;
    for (const auto& d : s.fenster.gezeigt) {
        if (d.frage.starts_with("Dein Fortschritt")) {
            meldungen.push_back(d.frage);
        }
    }
    EXPECT_EQ(meldungen,
              std::vector<std::string>{"Dein Fortschritt wird nicht gespeichert. Der "
                                       "Ordner " +
                                       (t / "datei").string() + " lässt sich nicht anlegen."});
    std::vector<std::int64_t> richtige;
    EXPECT_TRUE(v.rundenDurchgehen(std::nullopt, false, [&](const RundenEintrag& r) {
                     richtige.push_back(r.richtige);
                 }).ok);
    EXPECT_EQ(richtige, (std::vector<std::int64_t>{1, 2, 3, 4}));
    s.antworte({"Numora endgültig verlassen"});
    EXPECT_TRUE(s.vc.quit());
    EXPECT_EQ(s.fenster.beendet, 1);
    // Die Halle war schon beim ersten Beenden gespeichert; das zweite trägt nur Runde 4 nach.
    const std::string& halle = s.ablage.dateien.at(numora::test::hofPfad);
    std::size_t anna = 0;
    for (auto i = halle.find("ANNA"); i != std::string::npos; i = halle.find("ANNA", i + 1)) {
        ++anna;
    }
    EXPECT_EQ(anna, 4u);
}

// Eine zeitweise gesperrte Datei: Die nächsten `sperre` Versuche zu speichern scheitern.
struct ZeitweiseGesperrt final : Verlaufsdatenbank {
    using Verlaufsdatenbank::Verlaufsdatenbank;
    int versuche = 0;
    int sperre = 0;
    numora::Ergebnis rundeSpeichern(const RundenEintrag& r) override {
        ++versuche;
        return sperre-- > 0 ? numora::Ergebnis{false, "gesperrt"}
                            : Verlaufsdatenbank::rundeSpeichern(r);
    }
};

// Solange die Datei gesperrt ist, kostet jede Runde einen vergeblichen Versuch, nicht einen je
// liegengebliebener Runde (jeder wartet die Sperrfrist ab); und die Runden bleiben in Folge,
// auch wenn die Sperre mitten im Nachholen endet.
TEST(SpielMitVerlauf, GesperrterVerlaufVersuchtJeRundeEinmalUndBehaeltDieFolge) {
    for (const std::vector<int>& sperreJeRunde :
         {std::vector{9, 9, 9, 0}, std::vector{9, 9, 1, 0}}) {
        MitVerlauf<ZeitweiseGesperrt> m;
        auto& [t, v, s] = m;
        for (std::size_t runde = 1; runde <= 4; ++runde) {
            v.sperre = sperreJeRunde[runde - 1];
            s.spieleRunde("1", [&](std::size_t i) { return i < runde ? "" : "-1"; });
            s.tippe("");
        }
        std::vector<std::int64_t> richtige;
        EXPECT_TRUE(v.rundenDurchgehen(std::nullopt, false, [&](const RundenEintrag& r) {
                         richtige.push_back(r.richtige);
                     }).ok);
        EXPECT_EQ(richtige, (std::vector<std::int64_t>{1, 2, 3, 4})) << sperreJeRunde[2];
        EXPECT_EQ(v.versuche, 7) << sperreJeRunde[2];
    }
}

// Eine Runde, die der Verlauf nie annimmt (eine Uhr im Jahr 10000), hält die späteren nicht auf
// und wird beim Beenden nicht als ausstehend gemeldet.
TEST(SpielMitVerlauf, EineFehlerhafteRundeHaeltDieSpaeterenNichtAuf) {
    MitVerlauf<> m;
    auto& [t, v, s] = m;
    for (const numora::Kalenderzeit& zeit :
         {numora::Kalenderzeit{10000, 1, 1, 0, 0}, numora::Kalenderzeit{2026, 7, 3, 9, 5}}) {
        s.uhr.setzeKalender(zeit);
        s.spieleRunde("1");
        s.tippe("");
    }
    EXPECT_EQ(v.spielerNamen(), std::vector<std::string>{"ANNA"});
    s.antworte({"Numora endgültig verlassen"});
    EXPECT_TRUE(s.vc.quit());
}

TEST(SpielMitVerlauf, LevelDialogNenntDieEmpfehlungHinterDerFrage) {
    MitVerlauf<> m;
    auto& [t, v, s] = m;
    for (const std::int64_t richtige : {8, 7}) {
        ASSERT_TRUE(v.rundeSpeichern(numora::test::runde("ANNA", 0, 1, richtige)).ok);
    }
    s.tippe("anna");
    s.antworte({"2"});
    s.tippe("0");
    EXPECT_EQ(s.letzterDialog().frage, "Auf welchen Level sollen die Aufgaben zum Thema \n "
                                       "Grundrechenarten \ngewählt werden?\n\nEmpfehlung: Level 2");
    EXPECT_EQ(s.letzterDialog().optionen, (std::vector<std::string>{"1", "2", "3"}));
    s.antworte({"Diese Runde abbrechen"});
    s.vc.undTschuess();
    s.tippe("1"); // Lineare Gleichungen: noch nie gespielt, also keine Empfehlung
    EXPECT_EQ(s.letzterDialog().frage, "Auf welchen Level sollen die Aufgaben zum Thema \n "
                                       "Lineare Gleichungen \ngewählt werden?");
}

} // namespace
