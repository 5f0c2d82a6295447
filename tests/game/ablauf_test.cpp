// SPDX-License-Identifier: GPL-3.0-or-later
// Der Spielablauf und die Menübefehle, gespielt über die Attrappen wie von einem Spieler.

#include "attrappen.h"

#include <chrono>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;
using numora::Knopf;
using numora::phase;
using numora::test::Spiel;
using testing::HasSubstr;
using testing::StartsWith;

// Die Ziehungen von runden Paketen zu acht Karten; Karte i bekommt ziehungen(i). Jede Frage
// muss sich von den anderen unterscheiden, sonst zieht das Paket neu.
numora::SkriptQuelle pakete(int runden,
                            const std::function<std::vector<std::int64_t>(int)>& karte) {
    std::vector<std::int64_t> z;
    for (int r = 0; r < runden; ++r) {
        for (int i = 0; i < 8; ++i) {
            const auto k = karte(i);
            z.insert(z.end(), k.begin(), k.end());
        }
    }
    return numora::SkriptQuelle(z);
}

TEST(Ablauf, EineGanzeRunde) {
    Spiel s;
    auto zufall = pakete(2, [](int i) { return std::vector<std::int64_t>{2, 7 + i, 7}; });
    numora::ZufallsquelleErsetzen ersetzt(zufall);
    auto& f = s.fenster;
    s.vc.viewDidLoad();
    s.tippe("Al");
    EXPECT_EQ(f.gezeigt.size(), 1u);
    s.tippe("Jürgen Müller"); // 13 Zeichen: das R fällt weg
    EXPECT_EQ(f.name, "JÜRGENMÜLLE");
    EXPECT_TRUE(f.nameSichtbar && f.sichtbar[Knopf::adeF]);
    EXPECT_THAT(f.antwort, testing::EndsWith("\n 8: Proportions-Rechnen"));
    for (const char* falsch : {"9", "-1", "3.5", " 3", "", "drei", "99999999999999999999"}) {
        s.tippe(falsch);
        EXPECT_TRUE(f.eingabeText == "???" && f.markiert) << falsch;
    }
    s.antworte({"Fehler"}); // keine Zahl: Level 1
    s.tippe("+0");
    EXPECT_TRUE(s.letzterDialog().weise.harmlos.empty()); // Escape tut hier nichts
    EXPECT_EQ(f.kopf, "Gewähltes Thema:    Grundrechenarten,    Level 1");
    EXPECT_FALSE(f.editierbar || f.sichtbar[Knopf::fertigF]);
    s.tippe("17"); // vor dem Start bewertet Return nichts
    s.vc.flagsChanged(true);
    s.vc.flagsChanged(true); // bei offener Frage wirkungslos
    EXPECT_EQ(f.mitte, " 1)    Berechne     7 + 7");
    EXPECT_TRUE(f.editierbar);
    s.uhr.weiter(1000ms);
    for (const char* leer : {"", " \t", "\u00A0"}) {
        s.tippe(leer); // ein Versehen: keine Bewertung, die Uhr läuft weiter
    }
    EXPECT_TRUE(f.antwort.empty() && f.piepser == 0 && s.vc.stand().aktNummer == 0);
    s.uhr.weiter(500ms);
    s.tippe("14");
    EXPECT_THAT(f.antwort, StartsWith("14 ist die richtige Antwort!\n\n Die Stoppuhr wurde beim "
                                      "Stand 1 Sekunde angehalten"));
    s.uhr.weiter(60s); // die Pause zählt nicht
    s.vc.flagsChanged(false);
    s.vc.weiterB();
    EXPECT_EQ(f.mitte, "2)    Berechne     8 + 7");
    s.uhr.weiter(1s);
    s.tippe("x = 1.5"); // liest sich ohne Punkt als 15, ist aber falsch
    EXPECT_THAT(f.antwort, StartsWith("\n x = 1.5 ist leider falsch! Die richtige Antwort war 15"));
    EXPECT_THAT(f.antwort, HasSubstr("Ein Punkt trennt keine Dezimalstellen"));
    EXPECT_THAT(f.antwort, HasSubstr("\n\n Die Stoppuhr wurde beim Stand 2 Sekunden"));
    s.tippe(""); // Return in der Pause: nächste Frage, nichts bewertet
    s.tippe("keine Ahnung");
    EXPECT_THAT(f.antwort, StartsWith("\n \U0001F914 ist leider falsch!"));
    EXPECT_EQ(f.piepser, 2);
    for (const char* antwort : {"34/2", "x1 = 18", "19", "20", "21"}) {
        s.vc.weiterB();
        s.tippe(antwort);
    }
    EXPECT_EQ(f.titel[Knopf::weiterF], "Auswertung");
    EXPECT_THAT(f.antwort, testing::EndsWith("Shift-Taste oder des 'Auswertung'-Buttons."));
    s.vc.flagsChanged(true);
    EXPECT_EQ(f.mitte, "Auswertung\n\nVon den 8 Fragen hat JÜRGENMÜLLE 6 richtig beantwortet. "
                       "Die benötigte Zeit betrug 2 Sekunden.");
    EXPECT_THAT(f.antwort,
                StartsWith(std::string(21, ' ') + "Level 1 (von 3)" + std::string(13, ' ') +
                           "Grundrechenarten\n\n 1.  Innerhalb von 2 Sekunden gab "
                           "JÜRGENMÜLLE am 3.7.2026  9:05 Uhr  6 richtige Antworten\n "
                           "2.  \n"));
    EXPECT_EQ(f.hervorgehoben, 2); // die Zeile des neuen Ergebnisses
    EXPECT_EQ(f.titel[Knopf::fertigF], "Weiter");
    s.antworte({"Neuer Start im gleichen Gebiet und Level"});
    s.tippe("");
    EXPECT_EQ(s.vc.stand().status, phase::raten);
    EXPECT_EQ(f.mitte, " 1)    Berechne     7 + 7");
}

TEST(Ablauf, WarumUndEineRundeOhneRichtige) {
    Spiel s;
    auto zufall = pakete(1, [](int i) { return std::vector<std::int64_t>{2, 10 + i, 3, 4, 5}; });
    // Level 3, zuerst 10 + 4 · (3 + 5)
    numora::ZufallsquelleErsetzen ersetzt(zufall);
    s.vc.viewDidLoad();
    s.tippe("Anna");
    s.antworte({"3"});
    s.tippe("0");
    s.vc.weiterB();
    s.tippe("-42");
    EXPECT_THAT(s.fenster.antwort,
                StartsWith("\n -42 ist leider falsch! Die richtige Antwort war 42" +
                           std::string(21, ' ') +
                           "Zur Erklärung roten 'Warum'-Button rechts anklicken! \n Der Betrag "
                           "stimmt, aber das Vorzeichen nicht.\n\n"));
    s.vc.warumB();
    EXPECT_EQ(s.letzterDialog().frage, "   10 + 4 · (3 + 5)\n =  10 + 4 · 8\n =  10 + 32\n = 42 ");
    EXPECT_TRUE(s.letzterDialog().weise.vorformatiert);
    EXPECT_THAT(s.fenster.mitte, StartsWith("2)    Berechne  "));
    s.vc.warumB(); // ohne sichtbaren Knopf wirkungslos
    for (int i = 1; i < 8; ++i) {
        // "0 und " vor der Antwort liest der Parser weg; zwei Zahlen sind trotzdem falsch.
        s.tippe(i == 1 ? "0 und " + s.vc.stand().aktuellesPaket[1].antwort : "0");
        s.vc.weiterB();
    }
    s.vc.weiterB();
    EXPECT_EQ(s.fenster.mitte,
              "Auswertung\n\nVon den 8 Fragen hat ANNA keine richtig beantwortet. ");
    EXPECT_EQ(s.vc.stand().antworten.at(1).hinweisArt, "mehrereZahlen");
    ASSERT_EQ(s.vc.stand().antworten.size(), 8u);
    EXPECT_EQ(s.vc.stand().antworten[0],
              (numora::Antwortnotiz{1, "-42", false, 0, "vorzeichen",
                                    "Der Betrag stimmt, aber das Vorzeichen nicht."}));
    EXPECT_EQ(s.fenster.gezeigt.size(), 2u);
    EXPECT_EQ(s.fenster.piepser, 8);
    s.antworte({"Wieder die Themenauswahl anbieten"});
    s.tippe("");
    EXPECT_EQ(s.vc.stand().status, phase::wahlmodus);
    EXPECT_EQ(s.fenster.titel[Knopf::fertigF], "Wahl");
}

// Die Hilfe öffnet die Anleitung nur auf Wunsch.
TEST(Menue, AudioWahlMeinNameUndHilfe) {
    Spiel s;
    s.antworte({"Hab ich gelesen", "Anleitung öffnen"});
    s.vc.hilfe();
    EXPECT_EQ(s.fenster.anleitungen, 0);
    s.vc.hilfe();
    EXPECT_EQ(s.fenster.anleitungen, 1);
    s.vc.viewDidLoad();
    s.vc.meinName(); // namenlos: nichts
    s.tippe("Anna");
    s.vc.meinName();
    s.tippe("Berta");
    s.antworte({"AUSgeschaltet"});
    s.vc.audioWahl();
    s.spieleRunde(); // sieben falsche Antworten, still
    EXPECT_EQ(s.fenster.piepser, 0);
    s.vc.meinName();
    EXPECT_EQ(s.letzterDialog().frage,
              "Der Spielername BERTA kann nur jeweils vor der Themenwahl geändert werden.");
    EXPECT_EQ(s.letzterDialog().weise.harmlos, "ok"); // der einzige Knopf
    s.vc.audioWahl();
    EXPECT_THAT(s.letzterDialog().frage, StartsWith("Die akustische Begleitung ist zur Zeit AUS"));
}

// Beenden fragt nach einer Änderung der Hallen, was geschehen soll, sonst endet es sofort; beim
// Abmelden vom Desktop entscheidet die Antwort, ob das Abmelden weitergeht.
TEST(Menue, BeendenMitJederWahlMittenInDerRunde) {
    EXPECT_TRUE(Spiel().vc.quit());
    const std::vector<std::string> wahl = {"Neuer Start mit Grundrechenarten?",
                                           "Diese Runde abbrechen", "Weiter im Programm",
                                           "Numora endgültig verlassen"};
    for (std::size_t i = 0; i < wahl.size(); ++i) {
        Spiel s;
        s.vc.viewDidLoad();
        s.spieleRunde("3");
        s.antworte({"Neuer Start im gleichen Gebiet und Level"});
        s.tippe("");
        s.tippe("-1");
        const std::size_t frage = s.fenster.gezeigt.size();
        s.antworte({i == 2 ? numora::test::escape : wahl[i], "Nein"}); // Escape: im Programm
        const bool endet = s.vc.quit();
        EXPECT_EQ(s.fenster.gezeigt.at(frage).optionen, wahl);
        EXPECT_EQ(endet, i == 3) << wahl[i];
        EXPECT_EQ(s.fenster.beendet, endet ? 1 : 0) << wahl[i];
        EXPECT_EQ(s.ablage.schritte, 0) << wahl[i]; // ohne Speichern
        EXPECT_EQ(s.vc.stand().status, i == 1 ? phase::wahlmodus : phase::raten) << wahl[i];
        EXPECT_EQ(s.vc.stand().aktNummer, i >= 2 ? 1 : 0) << wahl[i];
        EXPECT_EQ(s.fenster.sichtbar[Knopf::warumF], i >= 2) << wahl[i];
        EXPECT_TRUE(s.fenster.editierbar);
    }
}

TEST(Menue, HallenZeigenUndLoeschen) {
    Spiel s;
    s.vc.viewDidLoad();
    s.antworte({"2"});
    s.vc.prepareHofNeu(4); // namenlos: verfügbar
    EXPECT_THAT(s.fenster.antwort, StartsWith(std::string(21, ' ') + "Level 2 (von 3)" +
                                              std::string(13, ' ') + "Geraden und Punkte\n\n 1. "));
    EXPECT_EQ(s.fenster.piepser, 1);
    s.tippe("Anna");
    s.antworte({"2", "ok"});
    s.vc.hofAktion(numora::hofAktionen[2]); // hof1 im Wahlmodus, danach wieder das Angebot
    EXPECT_EQ(s.letzterDialog().frage, "Zurück zum Themenangebot ");
    EXPECT_THAT(s.fenster.antwort, StartsWith("\n 0: Grundrechenarten"));
    s.antworte({"1"});
    s.tippe("0");
    s.vc.weiterB();
    s.vc.hofAktion(numora::hofAktionen[17]); // bei offener Frage gesperrt
    EXPECT_EQ(s.fenster.gezeigt.size(), 4u);
    s.tippe("-1");
    s.antworte({""}); // leerer Knopf: Level 1
    s.vc.hofAktion(numora::hofAktionen[17]);
    EXPECT_THAT(s.fenster.antwort, StartsWith(std::string(21, ' ') + "Level 1 (von 3)"));
    EXPECT_EQ(s.fenster.mitte, "\n Weiter mit <Shift> oder dem 'Weiter'-Button");
}

// Eine Halle mit Ergebnissen verschwindet erst nach der Rückfrage, in der Return und Escape
// abbrechen; Abbrechen und Escape schon bei der Levelwahl lassen alles, wie es war. Eine Halle
// aus Platzhaltern geht ohne Rückfrage.
TEST(Menue, LoeschenNurNachRueckfrage) {
    using numora::test::escape;
    Spiel s;
    s.vc.viewDidLoad();
    for (const char* level : {"1", "1", "2"}) {
        s.spieleRunde(level);
        s.tippe(""); // wieder das Themenangebot
    }
    const auto loeschen = [&s](std::initializer_list<std::string> antworten) {
        s.antworte(antworten);
        const std::size_t vorher = s.fenster.gezeigt.size();
        s.vc.hofAktion(numora::hofAktionen[9]); // Grundrechenarten löschen
        return s.fenster.gezeigt.size() - vorher;
    };
    EXPECT_EQ(loeschen({"Abbrechen"}) + loeschen({escape}), 2u);
    EXPECT_EQ(s.letzterDialog().optionen, (std::vector<std::string>{"1", "2", "3", "Abbrechen"}));
    EXPECT_EQ(s.letzterDialog().weise.harmlos, "Abbrechen");
    EXPECT_EQ(loeschen({"1", escape}) + loeschen({"1", "Abbrechen"}), 4u);
    EXPECT_EQ(s.letzterDialog().frage,
              "Hall of Fame Grundrechenarten, Level 1 mit 2 Ergebnissen unwiderruflich löschen?");
    EXPECT_EQ(s.letzterDialog().weise.harmlos + s.letzterDialog().weise.vorgabe,
              "AbbrechenAbbrechen");
    EXPECT_EQ(loeschen({"2", "Löschen", "ok"}), 3u);
    EXPECT_EQ(s.fenster.gezeigt.at(s.fenster.gezeigt.size() - 2).frage,
              "Hall of Fame Grundrechenarten, Level 2 mit 1 Ergebnis unwiderruflich löschen?");
    EXPECT_EQ(s.vc.hof().halle(0, 1)->front().richtige, 1);
    EXPECT_EQ(s.vc.hof().halle(0, 2)->front().richtige, 0);
    EXPECT_EQ(loeschen({"2", "ok"}), 2u); // nur Platzhalter: ohne Rückfrage
}

} // namespace
