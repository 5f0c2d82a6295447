#include "attrappen.h"
#include "core/zufall.h"
#include "testuhr.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using numora::Knopf;
using numora::phase;
using numora::test::Spiel;
using testing::ElementsAre;
using testing::StartsWith;

class Menue : public testing::Test {
  protected:
    numora::test::TestUhr uhr;
    numora::UhrErsetzen uhrErsetzt{uhr};
    numora::MersenneQuelle zufall{42};
    numora::ZufallsquelleErsetzen zufallErsetzt{zufall};
    Spiel s;

    void SetUp() override { s.vc.viewDidLoad(); }

    void imWahlmodus() { s.tippe("Anna"); }
    // Mitten in einer Runde: Frage 1 ist offen.
    void beiOffenerFrage() {
        imWahlmodus();
        s.antworte({"1"});
        s.tippe("0");
        s.vc.weiterB();
    }
    // Nach einer Runde mit einer richtigen Antwort.
    void nachEinerRunde() {
        beiOffenerFrage();
        s.tippe(s.vc.stand().aktuellesPaket[0].antwort);
        for (int i = 1; i < 8; ++i) {
            s.vc.weiterB();
            s.tippe("-1");
        }
        s.vc.weiterB();
        ASSERT_EQ(s.vc.stand().status, phase::abgeschlossen);
    }
};

TEST_F(Menue, AudioWahlSchaltetUndDerTonFolgtIhr) {
    s.antworte({"AUSgeschaltet"});
    s.vc.audioWahl();
    EXPECT_EQ(s.letzterDialog().frage, "Die akustische Begleitung ist zur Zeit EINgeschaltet.\n "
                                       "Welche Einstellung wird gewünscht?");
    EXPECT_THAT(s.letzterDialog().optionen, ElementsAre("EINgeschaltet", "AUSgeschaltet"));
    EXPECT_FALSE(s.vc.stand().tonAn);

    beiOffenerFrage();
    s.tippe("-1"); // falsch, aber still
    EXPECT_EQ(s.dialoge.piepser, 0);

    s.antworte({"EINgeschaltet"});
    s.vc.audioWahl();
    EXPECT_EQ(s.letzterDialog().frage, "Die akustische Begleitung ist zur Zeit AUSgeschaltet.\n "
                                       "Welche Einstellung wird gewünscht?");
    s.vc.weiterB();
    s.tippe("-1");
    EXPECT_EQ(s.dialoge.piepser, 1);
}

TEST_F(Menue, MeinNameJePhase) {
    s.vc.meinName(); // namenlos: nichts
    EXPECT_TRUE(s.dialoge.gezeigt.empty());
    EXPECT_EQ(s.vc.stand().status, phase::namenlos);

    imWahlmodus();
    s.vc.meinName();
    EXPECT_EQ(s.vc.stand().status, phase::namenlos);
    EXPECT_EQ(s.bildschirm.mitte, "Trage bitte den neuen Namen im grünen Feld rechts ein. \n\n "
                                  "Klicke dann mit der Maus auf 'Wahl' oder drücke die "
                                  "<RETURN>-Taste");
    s.tippe("Berta");
    EXPECT_EQ(s.vc.stand().aktName, "BERTA");
    EXPECT_EQ(s.bildschirm.name, "BERTA");
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);

    s.antworte({"1"});
    s.tippe("0");
    s.vc.weiterB();
    const std::string frage = s.bildschirm.mitte;
    s.vc.meinName();
    EXPECT_EQ(s.letzterDialog().frage,
              "Der Spielername BERTA kann nur jeweils vor der Themenwahl geändert werden.");
    EXPECT_THAT(s.letzterDialog().optionen, ElementsAre("ok", ""));
    EXPECT_EQ(s.vc.stand().status, phase::raten);
    EXPECT_EQ(s.bildschirm.mitte, frage);
}

TEST_F(Menue, QuitOhneAenderungEndetSofort) {
    s.vc.quit();
    EXPECT_EQ(s.ende.beendet, 1);
    EXPECT_TRUE(s.dialoge.gezeigt.empty());
}

TEST_F(Menue, QuitNachEinerRundeFragtErst) {
    nachEinerRunde();
    s.antworte({"Weiter im Programm"});
    s.vc.quit();
    EXPECT_EQ(s.ende.beendet, 0);
    EXPECT_EQ(s.letzterDialog().frage, "Was wird gewünscht?");
    EXPECT_THAT(s.letzterDialog().optionen,
                ElementsAre("Neuer Start mit Grundrechenarten?", "Diese Runde abbrechen",
                            "Weiter im Programm", "Numora endgültig verlassen"));
    EXPECT_EQ(s.vc.stand().status, phase::abgeschlossen);
}

TEST_F(Menue, VerlassenNeuerStartImGleichenGebiet) {
    imWahlmodus();
    s.antworte({"2"});
    s.tippe("3");
    s.vc.weiterB();
    s.antworte({"Neuer Start im gleichen Gebiet und Level"});
    s.vc.undTschuess();
    EXPECT_EQ(s.letzterDialog().optionen[0], "Neuer Start im gleichen Gebiet und Level");
    EXPECT_EQ(s.vc.stand().status, phase::raten);
    EXPECT_EQ(s.vc.stand().aktNummer, 0);
    EXPECT_THAT(s.bildschirm.mitte, StartsWith(" 1) Welche Zahl ist für"));
}

TEST_F(Menue, VerlassenDieseRundeAbbrechenVorDemStart) {
    imWahlmodus();
    s.antworte({"1"});
    s.tippe("0");
    ASSERT_FALSE(s.bildschirm.editierbar);
    s.antworte({"Diese Runde abbrechen"});
    s.vc.undTschuess();
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);
    // Die Themennummer lässt sich wieder eintippen.
    EXPECT_TRUE(s.bildschirm.editierbar);
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::fertigF]);
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::weiterF]);
}

TEST_F(Menue, VerlassenNachFalscherAntwortRaeumtWarumAuf) {
    imWahlmodus();
    s.antworte({"3"});
    s.tippe("0");
    s.vc.weiterB();
    s.tippe("-1");
    ASSERT_TRUE(s.bildschirm.sichtbar[Knopf::warumF]);
    s.antworte({"Diese Runde abbrechen"});
    s.vc.undTschuess();
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::warumF]);
    s.vc.warumB(); // darf nicht auf eine Karte vor der ersten zugreifen
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);
}

TEST_F(Menue, VerlassenWeiterImProgrammAendertNichts) {
    beiOffenerFrage();
    const numora::Spielstand vorher = s.vc.stand();
    const std::string mitte = s.bildschirm.mitte;
    s.antworte({"Weiter im Programm"});
    s.vc.undTschuess();
    EXPECT_EQ(s.vc.stand().status, vorher.status);
    EXPECT_EQ(s.vc.stand().aktNummer, vorher.aktNummer);
    EXPECT_EQ(s.bildschirm.mitte, mitte);
    EXPECT_EQ(s.ende.beendet, 0);
}

TEST_F(Menue, EndgueltigVerlassenOhneAenderungFragtNichtNachSpeichern) {
    s.antworte({"Numora endgültig verlassen"});
    s.vc.undTschuess();
    EXPECT_EQ(s.ende.beendet, 1);
    EXPECT_EQ(s.dialoge.gezeigt.size(), 1u);
    EXPECT_EQ(s.ablage.schreibvorgaenge, 0);
}

TEST_F(Menue, UnbekannteAntwortImVerlassenDialogBeendet) {
    s.antworte({"Fehler"});
    s.vc.undTschuess();
    EXPECT_EQ(s.ende.beendet, 1);
}

TEST_F(Menue, HalleZeigenImWahlmodus) {
    imWahlmodus();
    s.antworte({"2", "ok"});
    s.vc.prepareHofZeigen(2);
    ASSERT_EQ(s.dialoge.gezeigt.size(), 2u);
    EXPECT_EQ(s.dialoge.gezeigt[0].frage, "Hall of Fame Bruchrechnung für welchen Level zeigen?");
    EXPECT_THAT(s.dialoge.gezeigt[0].optionen, ElementsAre("1", "2", "3"));
    EXPECT_EQ(s.dialoge.gezeigt[1].frage, "Zurück zum Themenangebot ");
    EXPECT_THAT(s.dialoge.gezeigt[1].optionen, ElementsAre("ok", ""));
    // Die Halle stand im Antwortfeld, danach wieder das Angebot.
    const auto& verlauf = s.bildschirm.antwortVerlauf;
    EXPECT_THAT(verlauf[verlauf.size() - 10], StartsWith(std::string(21, ' ') + "Level 2 (von 3)"));
    EXPECT_THAT(s.bildschirm.antwort, StartsWith("\n 0: Grundrechenarten"));
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);
}

TEST_F(Menue, HalleZeigenIstBeiOffenerFrageGesperrtUndInDerPauseErlaubt) {
    beiOffenerFrage();
    s.vc.hofAktion(numora::hofAktionen[0]);
    EXPECT_TRUE(s.dialoge.gezeigt.size() == 1u); // nur der Level-Dialog der Themenwahl
    s.tippe("-1");
    s.antworte({"3"});
    s.vc.hofAktion(numora::hofAktionen[8]); // hofprop
    EXPECT_EQ(s.letzterDialog().frage,
              "Hall of Fame Proportions-Rechnen für welchen Level zeigen?");
    EXPECT_THAT(s.bildschirm.antwort, StartsWith(std::string(21, ' ') + "Level 3 (von 3)" +
                                                 std::string(13, ' ') + "Proportions-Rechnen"));
    EXPECT_EQ(s.bildschirm.mitte, "\n Weiter mit <Shift> oder dem 'Weiter'-Button");
    EXPECT_EQ(s.vc.stand().status, phase::raten);
    s.vc.flagsChanged(true);
    EXPECT_THAT(s.bildschirm.mitte, StartsWith("2) "));
}

TEST_F(Menue, HalleLoeschenSetztPlatzhalterPieptUndMerktDieAenderung) {
    nachEinerRunde();
    ASSERT_EQ(s.vc.hof().halle(0, 1)->size(), 11u);
    const int piepserVorher = s.dialoge.piepser;
    // In der Phase abgeschlossen ist der Weiter-Knopf verborgen: gesperrt.
    s.vc.prepareHofNeu(0);
    EXPECT_EQ(s.vc.hof().halle(0, 1)->size(), 11u);

    s.antworte({"Wieder die Themanauswahl anbieten"});
    s.tippe("");
    s.antworte({"1", "ok"});
    s.vc.hofAktion(numora::hofAktionen[9]); // hof00neu
    EXPECT_EQ(s.dialoge.gezeigt[s.dialoge.gezeigt.size() - 2].frage,
              "Hall of Fame Grundrechenarten für welchen Level unwiderruflich löschen?");
    EXPECT_EQ(*s.vc.hof().halle(0, 1), numora::genHall(0, 1));
    EXPECT_EQ(s.dialoge.piepser, piepserVorher + 1);
    EXPECT_TRUE(s.vc.hof().hfdatenChanged);
}

TEST_F(Menue, LoeschenOhneRundeBietetBeimVerlassenDasSpeichernAn) {
    s.antworte({"2"});
    s.vc.prepareHofNeu(4); // namenlos: verfügbar
    EXPECT_EQ(*s.vc.hof().halle(4, 2), numora::genHall(4, 2));
    EXPECT_THAT(s.bildschirm.antwort,
                StartsWith(std::string(21, ' ') + "Level 2 (von 3)" + std::string(13, ' ') +
                           "Geraden und Punkte\n\n 1.  \n"));
    s.antworte({"Numora endgültig verlassen", "Lieber die Ergebnisse dieses Spiels nicht "
                                              "berücksichtigen."});
    s.vc.quit();
    EXPECT_EQ(s.letzterDialog().frage,
              "Soll nach diesem Spiel die aktualisierte Datei mit HoF-Daten gespeichert werden. ");
    EXPECT_EQ(s.ablage.schreibvorgaenge, 0);
    EXPECT_EQ(s.ende.beendet, 1);
}

TEST_F(Menue, LeereDritteWahlGiltAlsLevel1) {
    s.antworte({""});
    s.vc.prepareHofZeigen(5);
    EXPECT_THAT(s.bildschirm.antwort, StartsWith(std::string(21, ' ') + "Level 1 (von 3)"));
}

TEST_F(Menue, HilfeZeigtDenHilfetext) {
    s.vc.hilfe();
    EXPECT_THAT(s.letzterDialog().frage,
                StartsWith("Eine ausführliche Beschreibung des Programms Numora"));
    EXPECT_THAT(s.letzterDialog().optionen, ElementsAre("Hab ich gelesen", ""));
}

} // namespace
