#pragma once

// Der Spielablauf: reagiert auf Prüfen (auch Return), Weiter (auch Shift), Warum und die
// Menübefehle, je nach Spielphase.

#include "core/spielstand.h"
#include "game/plattform.h"
#include "halloffame/hallen.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace numora {

// Die 18 Befehle der Ruhmeshalle: je Thema einer zum Zeigen und einer zum Löschen.
struct HofAktion {
    std::string_view name; // hof00 … hofprop, hof00neu … hofpropneu
    std::int64_t thema;    // Index im Themenangebot
    bool loeschen;
};
extern const std::array<HofAktion, 18> hofAktionen;

class ViewController {
  public:
    ViewController(Bildschirm& bildschirm, Dialoge& dialoge, Dateiablage& ablage,
                   Programmende& ende, std::ostream& ausgabe);

    // Ereignisse des Fensters
    void viewDidLoad();
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
    void quit();
    void testB();
    void prepareHofZeigen(std::int64_t thema);
    void prepareHofNeu(std::int64_t thema);
    void hofAktion(const HofAktion& aktion);

    // Ablauf
    void weitermachen();
    void neueRunde();
    void nochmal();
    void angebotZeigen();
    void statusAnpassung();
    void auswertung();
    void rundenBilanz();
    void verlassen();

    // Felder
    void kopfText(const std::string& s);
    void frageText(const std::string& s);
    void schreibeAntwortfeld(const std::string& s);
    void feldFuellen(const std::string& inhalt);
    void alleAntwortenLoeschen();
    void eingabeFeldLoeschen();
    void warumSetzen(bool zeigen);
    void alleFelderLeeren();

    // Dialoge; jeder gibt den Titel des gedrückten Knopfs zurück.
    std::string auswahl(const std::string& frage, const std::string& option1,
                        const std::string& option2);
    std::string auswahlAus3(const std::string& frage, const std::string& option1,
                            const std::string& option2, const std::string& option3);
    std::string auswahlAus4(const std::string& frage, const std::string& option1,
                            const std::string& option2, const std::string& option3,
                            const std::string& option4);
    void meldung(const std::string& text);

    // Ruhmeshalle und ihre Datei
    void zeigeHalle(std::int64_t th, std::int64_t lv);
    struct Lesen {
        bool ok = false;
        std::string text;
    };
    Lesen lesen();
    void laden();
    struct Schreiben {
        bool ok = false;
        std::string meldung;
    };
    Schreiben schreiben(const std::string& name, const std::string& s, const std::string& ext);
    void speichern();

    const Spielstand& stand() const { return stand_; }
    Spielstand& stand() { return stand_; }
    const HallOfFame& hof() const { return hof_; }
    HallOfFame& hof() { return hof_; }

  private:
    void themaWaehlen();
    void piepen();
    bool hofBefehlVerfuegbar() const;
    std::int64_t waehleHofLevel(const std::string& frage, std::int64_t thema);
    void hofBefehlAbschliessen();
    std::string sicherungsPfad(const std::string& ordner);

    Bildschirm& bildschirm_;
    Dialoge& dialoge_;
    Dateiablage& ablage_;
    Programmende& ende_;
    std::ostream& ausgabe_;

    Spielstand stand_;
    HallOfFame hof_;
    // Die Datei ließ sich beim Start nicht vollständig lesen: Vor dem ersten Speichern
    // bleibt sie unter einem Sicherungsnamen erhalten.
    bool sicherungNoetig_ = false;
    std::string letzteSicherung_;
};

} // namespace numora
