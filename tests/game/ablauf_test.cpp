#include "attrappen.h"
#include "core/zufall.h"
#include "testuhr.h"

#include <chrono>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using numora::Knopf;
using numora::phase;
using numora::test::Spiel;
using testing::HasSubstr;
using testing::StartsWith;

const std::string warumHinweis =
    std::string(21, ' ') + "Zur Erklärung roten 'Warum'-Button rechts anklicken! ";

std::string stoppuhrHinweis(int sekunden) {
    return "\n\n Die Stoppuhr wurde beim Stand " + std::to_string(sekunden) +
           " Sekunden angehalten und läuft erst weiter nach Drücken der Shift-Taste oder des "
           "'Weiter'-Buttons.\n\n Dann wird auch die nächste Frage gestellt.";
}

// Acht Summen a + b der Grundrechenarten, Level 1: je Karte op = 2, a, b.
std::vector<std::int64_t> summen(const std::vector<std::pair<int, int>>& paare) {
    std::vector<std::int64_t> z;
    for (const auto& [a, b] : paare) {
        z.insert(z.end(), {2, a, b});
    }
    return z;
}

const std::vector<std::pair<int, int>> achtSummen = {{2, 2}, {3, 4},  {10, 5}, {20, 9},
                                                     {7, 7}, {30, 2}, {11, 3}, {5, 6}};

class Ablauf : public testing::Test {
  protected:
    numora::test::TestUhr uhr;
    numora::UhrErsetzen uhrErsetzt{uhr};
    numora::SkriptQuelle zufall{};
    numora::ZufallsquelleErsetzen zufallErsetzt{zufall};
    Spiel s;

    void SetUp() override { s.vc.viewDidLoad(); }

    // Name, Thema 0 und Level 1: danach wartet die Runde auf den Start.
    void bisZumPaket(const std::vector<std::pair<int, int>>& paare = achtSummen) {
        s.tippe("Anna");
        zufall = numora::SkriptQuelle(summen(paare));
        s.antworte({"1"});
        s.tippe("0");
    }
};

TEST_F(Ablauf, StartBegruesstUndFragtNachDemNamen) {
    EXPECT_EQ(s.vc.stand().status, phase::namenlos);
    EXPECT_EQ(s.bildschirm.kopf, "Willkommen bei Numora: Training mathematischer Grundtechniken  "
                                 "(vom Numora-Team, 2026)");
    EXPECT_EQ(s.bildschirm.mitte,
              std::string(26, ' ') +
                  "Trage bitte deinen Namens im grünen Feld rechts ein. \n\n Klicke dann mit der "
                  "Maus auf 'Wer spielt?' oder drücke die <RETURN>-Taste");
    EXPECT_EQ(s.vc.stand().aktName, "Anonym");
    EXPECT_EQ(s.vc.hof().alleHallen.size(), 27u);
    EXPECT_TRUE(s.dialoge.gezeigt.empty());
    EXPECT_EQ(s.ausgabe.str(), "");
}

TEST_F(Ablauf, NameWirdAbgelehntUndDannAngenommen) {
    s.tippe("Al");
    EXPECT_EQ(s.vc.stand().status, phase::namenlos);
    EXPECT_EQ(s.letzterDialog().frage,
              "Trage bitte einen Spielernamen ( maximal 12 Buchstaben) im grünen Feld ein und "
              "drücke dann die <RETURN>-Taste.");
    EXPECT_EQ(s.letzterDialog().optionen, (std::vector<std::string>{"Mach ich", ""}));
    EXPECT_EQ(s.bildschirm.eingabeText, "");
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::adeF]);

    s.tippe("Jürgen Müller"); // 13 Zeichen: das R fällt weg
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);
    EXPECT_EQ(s.vc.stand().aktName, "JÜRGENMÜLLE");
    EXPECT_EQ(s.bildschirm.name, "JÜRGENMÜLLE");
    EXPECT_TRUE(s.bildschirm.nameSichtbar);
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::adeF]);
    EXPECT_EQ(s.bildschirm.titel[Knopf::fertigF], "Wahl");
    EXPECT_EQ(s.bildschirm.antwort,
              "\n 0: Grundrechenarten\n 1: Lineare Gleichungen\n 2: Bruchrechnung\n 3: Binomische "
              "Formel\n 4: Geraden und Punkte\n 5: Quadratische Gleichungen\n 6: "
              "Restklassen-Rechnen\n 7: Wochentag-Berechnen\n 8: Proportions-Rechnen");
    EXPECT_EQ(s.bildschirm.antwortVerlauf.size(), 9u); // Zeile für Zeile aufgebaut
    EXPECT_EQ(s.bildschirm.mitte,
              " Wähle bitte ein Thema aus den unten angegebenen Angeboten aus,\n trage die Nummer "
              "des gewählten Themas im grünen Feld rechts ein und bestätige \n die Wahl durch "
              "<RETURN> oder durch Anklicken des 'Wahl'-Buttons.");
}

class UngueltigeThemennummer : public Ablauf, public testing::WithParamInterface<const char*> {};

TEST_P(UngueltigeThemennummer, ZeigtFragezeichenUndBleibtImWahlmodus) {
    s.tippe("Anna");
    s.tippe(GetParam());
    EXPECT_EQ(s.bildschirm.eingabeText, "???");
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);
    EXPECT_EQ(s.vc.stand().aktThema, 0);
    EXPECT_EQ(s.dialoge.gezeigt.size(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Eingaben, UngueltigeThemennummer,
                         testing::Values("9", "-1", "12", "3.5", " 3", "3 ", "", "drei", "???",
                                         "99999999999999999999", "0x3"));

TEST_F(Ablauf, GueltigesThemaFragtNachDemLevelUndSperrtDieEingabe) {
    s.tippe("Anna");
    s.antworte({"2"});
    numora::MersenneQuelle echt(5);
    numora::ZufallsquelleErsetzen ersetzt(echt);
    s.tippe("+5");
    EXPECT_EQ(s.letzterDialog().frage, "Auf welchen Level sollen die Aufgaben zum Thema \n "
                                       "Quadratische Gleichungen \ngewählt werden?");
    EXPECT_EQ(s.letzterDialog().optionen, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(s.bildschirm.kopf, "Gewähltes Thema:    Quadratische Gleichungen,    Level 2");
    EXPECT_EQ(s.vc.stand().status, phase::neuesPaket);
    EXPECT_EQ(s.vc.stand().aktuellesPaket.size(), 8u);
    EXPECT_FALSE(s.bildschirm.editierbar);
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::fertigF]);
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::weiterF]);
    EXPECT_EQ(s.bildschirm.titel[Knopf::weiterF], "Weiter");
    EXPECT_EQ(s.bildschirm.antwort, "");
    EXPECT_THAT(s.bildschirm.mitte, StartsWith(" Durch Drücken des Weiter-Buttons"));
}

TEST_F(Ablauf, LevelAntwortOhneZahlWaehltLevel1) {
    s.tippe("Anna");
    zufall = numora::SkriptQuelle(summen(achtSummen));
    s.antworte({"Fehler"});
    s.tippe("0");
    EXPECT_EQ(s.vc.stand().aktLevel, 1);
    EXPECT_EQ(s.bildschirm.kopf, "Gewähltes Thema:    Grundrechenarten,    Level 1");
}

TEST_F(Ablauf, GanzeRundeMitRichtigenFalschenUndUnlesbarenAntworten) {
    bisZumPaket();
    s.vc.flagsChanged(true); // Shift startet die Runde
    EXPECT_EQ(s.vc.stand().status, phase::raten);
    EXPECT_EQ(s.bildschirm.mitte, " 1)    Berechne     2 + 2");
    EXPECT_TRUE(s.bildschirm.editierbar);
    EXPECT_EQ(s.bildschirm.titel[Knopf::fertigF], "Prüfen!");
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::weiterF]);

    // Shift bei offener Frage tut nichts.
    s.vc.flagsChanged(true);
    EXPECT_EQ(s.bildschirm.mitte, " 1)    Berechne     2 + 2");

    uhr.weiter(3500ms);
    s.tippe("4");
    EXPECT_EQ(s.bildschirm.antwort, "4 ist die richtige Antwort!" + stoppuhrHinweis(3));
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::weiterF]);
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::fertigF]);
    EXPECT_EQ(s.dialoge.piepser, 0);

    // Die Pause zählt nicht; Loslassen von Shift tut nichts.
    uhr.weiter(60s);
    s.vc.flagsChanged(false);
    EXPECT_EQ(s.vc.stand().aktNummer, 1);
    s.vc.weiterB();
    EXPECT_EQ(s.bildschirm.mitte, "2)    Berechne     3 + 4");
    EXPECT_EQ(s.bildschirm.antwort, "");

    uhr.weiter(1s);
    s.tippe("x = 8");
    EXPECT_EQ(s.bildschirm.antwort, "\n 8 ist leider falsch! Die richtige Antwort war 7" +
                                        warumHinweis + stoppuhrHinweis(4));
    EXPECT_EQ(s.dialoge.piepser, 1);
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::warumF]); // jede Karte hat eine Erklärung

    // Return in der Pause geht weiter und bewertet nichts.
    s.tippe("");
    EXPECT_EQ(s.bildschirm.mitte, "3)    Berechne     10 + 5");
    EXPECT_EQ(s.vc.stand().aktNummer, 2);
    EXPECT_EQ(s.dialoge.piepser, 1);

    s.tippe("keine Ahnung");
    EXPECT_EQ(s.bildschirm.antwort, "\n \U0001F914 ist leider falsch! Die richtige Antwort war 15" +
                                        warumHinweis + stoppuhrHinweis(4));
    s.vc.weiterB();
    s.tippe("58/2"); // ungekürzt, aber richtig: gezeigt wird die erwartete Antwort
    EXPECT_EQ(s.bildschirm.antwort, "29 ist die richtige Antwort!" + stoppuhrHinweis(4));
    for (const char* antwort : {"14", "32", "14", "11"}) {
        s.vc.weiterB();
        s.tippe(antwort);
    }
    EXPECT_EQ(s.vc.stand().status, phase::auswerten);
    EXPECT_EQ(s.vc.stand().richtigBeantwortet, 6);
    EXPECT_EQ(s.bildschirm.titel[Knopf::weiterF], "Auswertung");
    EXPECT_EQ(s.bildschirm.antwort, "11 ist die richtige Antwort!\n\n Rundenabschluss durch "
                                    "Drücken der Shift-Taste oder des 'Weiter'-Buttons.");

    s.vc.flagsChanged(true);
    EXPECT_EQ(s.vc.stand().status, phase::abgeschlossen);
    EXPECT_EQ(s.bildschirm.mitte, "Auswertung\n\nVon den 8 Fragen hat ANNA 6 richtig beantwortet. "
                                  "Die benötigte Zeit betrug 4 Sekunden.");
    EXPECT_TRUE(s.vc.hof().hfdatenChanged);
    const numora::Halle* h = s.vc.hof().halle(0, 1);
    ASSERT_EQ(h->size(), 11u);
    EXPECT_EQ(h->front(), (numora::Zeile{"ANNA am 3.7.2026  9:05 Uhr ", 4, 0, 1, 6}));
    EXPECT_THAT(s.bildschirm.antwort,
                StartsWith(std::string(21, ' ') + "Level 1 (von 3)" + std::string(13, ' ') +
                           "Grundrechenarten\n\n 1.  Innerhalb von 4 Sekunden gab ANNA am "
                           "3.7.2026  9:05 Uhr  6 richtige Antworten\n 2.  \n 3.  \n"));
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::fertigF]);
    EXPECT_EQ(s.bildschirm.titel[Knopf::fertigF], "Weiter");
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::weiterF]);
}

TEST_F(Ablauf, RundeOhneRichtigeKommtNichtInDieHalle) {
    bisZumPaket();
    s.vc.weiterB();
    for (int i = 0; i < 8; ++i) {
        s.tippe("0");
        s.vc.weiterB();
    }
    EXPECT_EQ(s.vc.stand().status, phase::abgeschlossen);
    EXPECT_EQ(s.bildschirm.mitte,
              "Auswertung\n\nVon den 8 Fragen hat ANNA keine richtig beantwortet. ");
    EXPECT_FALSE(s.vc.hof().hfdatenChanged);
    EXPECT_EQ(s.vc.hof().halle(0, 1)->size(), 10u);
    EXPECT_EQ(s.dialoge.piepser, 8);
}

TEST_F(Ablauf, ReturnNachDerAchtenAntwortZeigtDieAuswertung) {
    bisZumPaket();
    s.vc.weiterB();
    for (int i = 0; i < 7; ++i) {
        s.tippe("1");
        s.tippe(""); // Return in der Pause: nächste Frage
    }
    s.tippe("11");
    EXPECT_EQ(s.vc.stand().status, phase::auswerten);
    s.tippe("");
    EXPECT_EQ(s.vc.stand().status, phase::abgeschlossen);
    EXPECT_EQ(s.vc.stand().richtigBeantwortet, 1);
}

TEST_F(Ablauf, WarumZeigtDieErklaerungUndGehtWeiter) {
    s.tippe("Anna");
    // Level 3: op 2, a = 10 + i (verschiedene Fragen), b = 3, c = 4, d = 5.
    std::vector<std::int64_t> z;
    for (int i = 0; i < 8; ++i) {
        z.insert(z.end(), {2, 10 + i, 3, 4, 5});
    }
    zufall = numora::SkriptQuelle(z);
    s.antworte({"3"});
    s.tippe("0");
    s.vc.weiterB();
    s.tippe("41");
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::warumF]);
    EXPECT_EQ(s.bildschirm.antwort,
              "\n 41 ist leider falsch! Die richtige Antwort war 42" + std::string(21, ' ') +
                  "Zur Erklärung roten 'Warum'-Button rechts anklicken! " + stoppuhrHinweis(0));
    s.vc.warumB();
    EXPECT_EQ(s.letzterDialog().frage, "   10 + 4 · (3 + 5)\n =  10 + 4 · 8\n =  10 + 32\n = 42 ");
    EXPECT_EQ(s.letzterDialog().optionen, (std::vector<std::string>{"ok, weiter", ""}));
    EXPECT_THAT(s.bildschirm.mitte, StartsWith("2)    Berechne  "));
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::warumF]);
    // Ohne sichtbaren Knopf tut Warum nichts.
    const auto dialoge = s.dialoge.gezeigt.size();
    s.vc.warumB();
    EXPECT_EQ(s.dialoge.gezeigt.size(), dialoge);
}

TEST_F(Ablauf, NochmalStartetSofortMitNeuemPaketUndNullSekunden) {
    bisZumPaket();
    s.vc.weiterB();
    for (int i = 0; i < 8; ++i) {
        uhr.weiter(2s);
        s.tippe("4");
        s.vc.weiterB();
    }
    ASSERT_EQ(s.vc.stand().status, phase::abgeschlossen);
    EXPECT_EQ(s.vc.stand().aktuellesZeitkonto, 16);
    zufall = numora::SkriptQuelle(summen(achtSummen));
    s.antworte({"Neuer Start im gleichen Gebiet und Level"});
    s.tippe("");
    EXPECT_EQ(s.letzterDialog().frage, "Diese Runde ist abgeschlossen.\n Wie soll es weitergehen?");
    EXPECT_EQ(s.vc.stand().status, phase::raten);
    EXPECT_EQ(s.vc.stand().aktuellesZeitkonto, 0);
    EXPECT_EQ(s.vc.stand().aktNummer, 0);
    EXPECT_EQ(s.vc.stand().richtigBeantwortet, 0);
    EXPECT_EQ(s.bildschirm.mitte, " 1)    Berechne     2 + 2");
    EXPECT_EQ(s.bildschirm.titel[Knopf::fertigF], "Prüfen!");
    EXPECT_EQ(s.vc.stand().aktName, "ANNA");
}

TEST_F(Ablauf, ZurueckZurThemenauswahl) {
    bisZumPaket();
    s.vc.weiterB();
    for (int i = 0; i < 8; ++i) {
        s.tippe("4");
        s.vc.weiterB();
    }
    s.antworte({"Wieder die Themanauswahl anbieten"});
    s.tippe("");
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);
    EXPECT_EQ(s.bildschirm.kopf, "");
    EXPECT_EQ(s.bildschirm.titel[Knopf::fertigF], "Wahl");
    EXPECT_TRUE(s.bildschirm.sichtbar[Knopf::fertigF]);
    EXPECT_FALSE(s.bildschirm.sichtbar[Knopf::weiterF]);
    EXPECT_EQ(s.vc.stand().aktNummer, 0);
}

TEST_F(Ablauf, PhasenOhneWirkungIgnorierenPruefen) {
    bisZumPaket();
    const std::string mitte = s.bildschirm.mitte;
    s.tippe("17"); // neuesPaket: Return startet nichts und bewertet nichts
    EXPECT_EQ(s.vc.stand().status, phase::neuesPaket);
    EXPECT_EQ(s.bildschirm.mitte, mitte);
}

} // namespace
