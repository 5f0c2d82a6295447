// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Der Spielablauf: reagiert auf Prüfen (auch Return), Weiter (auch Shift), Warum und die
// Menübefehle, je nach Spielphase.

#include "core/spielstand.h"
#include "game/befehl.h"
#include "game/hofdatei.h"
#include "game/plattform.h"
#include "halloffame/hallen.h"
#include "verlauf/verlauf.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

// Die 18 Befehle der Ruhmeshalle: je Thema einer zum Zeigen und einer zum Löschen.
struct HofAktion {
    std::string_view name; // hof00 … hofprop, hof00neu … hofpropneu
    std::int64_t thema;    // Index im Themenangebot
    bool loeschen;
};
extern const std::array<HofAktion, 18> hofAktionen;

class Verlauf;

class ViewController {
  public:
    ViewController(Bildschirm& bildschirm, Dialoge& dialoge, Dateiablage& ablage,
                   Programmende& ende, std::ostream& ausgabe);

    // Ereignisse des Fensters
    void viewDidLoad();
    // Das Fenster ist zu sehen: Erst jetzt erscheint, was das Laden der Datei zu sagen hat.
    void viewDidAppear();
    void fertigB();
    void weiterB();
    // Eine Änderung der Umschalttasten; nur das Drücken von Shift zählt.
    void flagsChanged(bool shiftGedrueckt);
    void warumB();
    void hilfe();

    // Menübefehle
    void audioWahl();
    void meinName();
    void undTschuess();
    // true, wenn das Programm nun endet; sonst bleibt der Spieler (wichtig fürs Abmelden).
    bool quit();
    // Das Programm wird von außen beendet (Abmelden ohne Sitzungsverwaltung, Herunterfahren,
    // kill): Fragen geht nicht mehr. Gesichert wird, was "Ja" auf die Frage beim Beenden
    // sicherte, und der Verlauf bekommt die Runden, die ihm noch fehlen. Gibt zurück, was
    // misslang (für die Ausgabe auf stderr), sonst nichts.
    std::string sofortSichern();
    void testB();
    void prepareHofZeigen(std::int64_t thema);
    void prepareHofNeu(std::int64_t thema);
    void hofAktion(const HofAktion& aktion);

    // Die Fehler der beendeten Runde ansehen und üben (uebungsablauf.cpp)
    void fehlerAnsehen();
    bool fehlerAnsehenMoeglich() const;

    // Ob ein Menübefehl in der jetzigen Phase etwas bewirkt (befehl.cpp).
    bool befehlAktiv(Befehl b) const;

    const Spielstand& stand() const { return stand_; }
    const HallOfFame& hof() const { return hof_; }

    // Verlauf und "Mein Fortschritt", in verlaufsbefehle.cpp. Ohne Verlauf (nullptr, so in
    // den meisten Tests) wird nichts gespeichert und nichts empfohlen.
    void verlaufSetzen(Verlauf* verlauf) { verlauf_ = verlauf; }
    // Leer, solange noch niemand einen Namen eingetragen hat.
    std::string fortschrittSpieler() const;
    // Nicht bei offener Frage: Die häufigsten Fehler nennen ihre richtigen Antworten.
    bool fortschrittMoeglich() const;

  private:
    // Ablauf
    void themaWaehlen();
    void weitermachen();
    void neueRunde();
    void nochmal();
    // Stellt die Karten als neue Runde, die Uhr startet mit der ersten Frage.
    void paketStarten(std::vector<Karte> paket);
    void uebungStarten();
    // Die nächste Runde ist keine Übung mehr; sie bekommt wieder den Kopf ihres Themas.
    void uebungVerlassen();
    void angebotZeigen();
    void statusAnpassung();
    // sekunden: die Zeit dieser einen Frage
    void auswertung(std::int64_t sekunden);
    void rundenBilanz();
    // Speichert die ausgewertete Runde im Verlauf; auch das Ende einer Übungsrunde.
    void rundeAufzeichnen();
    // Versucht die Runden, die der Verlauf noch nicht angenommen hat, der Reihe nach bis zum
    // ersten Scheitern erneut. Gibt dessen Grund zurück, leer, wenn keine mehr fehlt.
    std::string ungespeichertNachholen();
    // Der letzte Versuch vor dem Ende; false, wenn der Spieler bleibt, um den Grund zu beheben.
    bool verlaufVorDemEnde();
    // "\n\nEmpfehlung: Level n" für den Level-Dialog, leer ohne Empfehlung.
    std::string empfehlungsZeile(std::int64_t thema);
    // true, wenn der Spieler Numora endgültig verlässt.
    bool verlassen();
    void piepen();

    // Felder
    void kopfText(const std::string& s) { bildschirm_.kopfText(s); }
    void frageText(const std::string& s) { bildschirm_.frageText(s); }
    void schreibeAntwortfeld(const std::string& s) { bildschirm_.schreibeAntwortfeld(s); }
    void eingabeFeldLoeschen();
    void weiterStattPruefen();
    void warumSetzen(bool zeigen);
    void alleFelderLeeren();

    // Dialoge: je ein Knopf pro Option; zurück kommt der Titel des gedrückten. Hat der Dialog
    // nur einen Knopf, wählen ihn auch Escape und Schließen.
    std::string auswahl(const std::string& frage, const std::vector<std::string>& optionen,
                        Wahlweise weise = {});
    // Der gewählte Level; eine Antwort, die keine Zahl ist, bedeutet Level 1.
    static std::int64_t levelAus(const std::string& wahl);
    void meldung(const std::string& text);

    // Ruhmeshalle und ihre Datei, in hofbefehle.cpp
    void zeigeHalle(std::int64_t th, std::int64_t lv);
    void hofBefehl(std::int64_t thema, bool loeschen);
    bool hofMoeglich() const;
    bool loeschenBestaetigt(std::int64_t thema, std::int64_t level);
    void laden();
    // Falsch nur, wenn das Schreiben misslang.
    bool speichern();
    // Schreibt die Datei samt den Änderungen dieses Spiels, ohne zu fragen oder zu melden.
    HofDatei::Schreiben hofSchreiben();
    void hofGeaendert() {
        hof_.hfdatenChanged = true;
        hofAbgelehnt_ = false;
    }

    Bildschirm& bildschirm_;
    Dialoge& dialoge_;
    Programmende& ende_;
    HofDatei datei_;

    Spielstand stand_;
    HallOfFame hof_;
    std::string ladeHinweis_;
    // "Lieber nicht" auf die Frage nach dem Speichern, und seither keine neue Änderung: Dann
    // speichert auch ein Ende von außen die Hall of Fame nicht.
    bool hofAbgelehnt_ = false;
    Verlauf* verlauf_ = nullptr;
    // Runden, die der Verlauf abwies (voller Datenträger, gesperrte Datei): Sie gehen erst
    // verloren, wenn auch der letzte Versuch beim Verlassen scheitert.
    std::vector<RundenEintrag> ungespeichert_;
};

} // namespace numora
