// SPDX-License-Identifier: GPL-3.0-or-later
// Der Teil des ViewControllers, der die Ruhmeshalle betrifft: ihre Menübefehle und das Laden
// und Speichern ihrer Datei.

#include "core/themen.h"
#include "game/viewcontroller.h"
#include "halloffame/halldatei.h"
#include "halloffame/halltext.h"

#include <algorithm>
#include <utility>

namespace numora {

// clang-format off
const std::array<HofAktion, 18> hofAktionen = {{
    {"hof00", 0, false}, {"hof0", 1, false}, {"hof1", 2, false}, {"hof2", 3, false},
    {"hof3", 4, false}, {"hof4", 5, false}, {"hof5", 6, false}, {"hof6", 7, false},
    {"hofprop", 8, false}, {"hof00neu", 0, true}, {"hof0neu", 1, true}, {"hof1neu", 2, true},
    {"hof2neu", 3, true}, {"hof3neu", 4, true}, {"hof4neu", 5, true}, {"hof5neu", 6, true},
    {"hof6neu", 7, true}, {"hofpropneu", 8, true}}};
// clang-format on

void ViewController::zeigeHalle(std::int64_t th, std::int64_t lv) {
    if (hof_.halle(th, lv) != nullptr) {
        schreibeAntwortfeld(hall2String(hof_, th, lv));
    }
}

void ViewController::prepareHofZeigen(std::int64_t thema) {
    hofBefehl(thema, false);
}

void ViewController::prepareHofNeu(std::int64_t thema) {
    hofBefehl(thema, true);
}

void ViewController::hofAktion(const HofAktion& aktion) {
    hofBefehl(aktion.thema, aktion.loeschen);
}

void ViewController::hofBefehl(std::int64_t thema, bool loeschen) {
    if (!hofMoeglich()) {
        return;
    }
    const auto t = static_cast<std::size_t>(thema);
    const std::string abbrechen = "Abbrechen";
    std::vector<std::string> optionen{"1", "2", levelzahl(angebotp[t]) == 3 ? "3" : ""};
    if (loeschen) {
        optionen.push_back(abbrechen);
    }
    const std::string wahl =
        auswahl("Hall of Fame " + std::string(angebot[t]) + " für welchen Level " +
                    (loeschen ? "unwiderruflich löschen?" : "zeigen?"),
                optionen, {.harmlos = loeschen ? abbrechen : ""});
    if (wahl == abbrechen) {
        return;
    }
    const std::int64_t lv = levelAus(wahl);
    if (loeschen && !loeschenBestaetigt(thema, lv)) {
        return;
    }
    if (loeschen) {
        hof_.loescheHalle(thema, lv);
        hofGeaendert();
    }
    zeigeHalle(thema, lv);
    if (loeschen) {
        piepen();
    }
    if (stand_.status == phase::raten) {
        frageText("\n Weiter mit <Shift> oder dem 'Weiter'-Button");
    }
    if (stand_.status == phase::wahlmodus) {
        auswahl("Zurück zum Themenangebot ", {"ok", ""});
        angebotZeigen();
    }
}

// Eine Halle mit echten Ergebnissen verschwindet erst nach ausdrücklicher Bestätigung; Return
// und Escape brechen ab.
bool ViewController::loeschenBestaetigt(std::int64_t thema, std::int64_t level) {
    const Halle* h = hof_.halle(thema, level);
    const auto k = h == nullptr ? 0 : std::count_if(h->begin(), h->end(), [](const Zeile& z) {
        return !istPlatzhalter(z);
    });
    if (k == 0) {
        return true;
    }
    const std::string loeschen = "Löschen";
    const std::string abbrechen = "Abbrechen";
    return auswahl("Hall of Fame " + std::string(angebot[static_cast<std::size_t>(thema)]) +
                       ", Level " + std::to_string(level) + " mit " + std::to_string(k) +
                       (k == 1 ? " Ergebnis" : " Ergebnissen") + " unwiderruflich löschen?",
                   {loeschen, abbrechen}, {.harmlos = abbrechen, .vorgabe = abbrechen}) == loeschen;
}

void ViewController::laden() {
    HofDatei::Inhalt inhalt = datei_.laden();
    hof_.zeilenfeldEinhallen(std::move(inhalt.zeilen));
    ladeHinweis_ = std::move(inhalt.hinweis);
}

bool ViewController::speichern() {
    const std::string ja = "Ja";
    const std::string r =
        auswahl("Soll nach diesem Spiel die aktualisierte Datei mit HoF-Daten gespeichert werden. ",
                {ja, "Lieber die Ergebnisse dieses Spiels nicht berücksichtigen."});
    if (r != ja) {
        hofAbgelehnt_ = true;
        return true;
    }
    const HofDatei::Schreiben w = hofSchreiben();
    if (!w.ok) {
        auswahl(w.meldung + "\n Numora bleibt offen, damit die Ergebnisse dieses Spiels nicht "
                            "verloren gehen.",
                {"hab ich verstanden", ""});
        return false;
    }
    if (!w.meldung.empty()) {
        meldung(w.meldung);
    }
    return true;
}

HofDatei::Schreiben ViewController::hofSchreiben() {
    // Ein zweites Numora-Fenster kann die Datei seit dem Start ersetzt haben: Ihr jetziger
    // Inhalt bleibt, die Änderungen dieses Spiels kommen dazu. Eine fehlende, leere oder
    // beschädigte Datei stammt von keinem Fenster; dann gilt der Stand dieses Fensters (und
    // eine beschädigte bleibt als Sicherung).
    HallOfFame stand;
    if (HofDatei::Inhalt jetzt = datei_.laden(); jetzt.vollstaendig && !jetzt.zeilen.empty()) {
        stand.alleHallenErzeugen();
        stand.zeilenfeldEinhallen(std::move(jetzt.zeilen));
        hof_.aenderungenAnwenden(stand);
    } else {
        stand = hof_;
    }
    HofDatei::Schreiben w = datei_.schreiben(stringCode(alleHallen2String(stand)));
    if (!w.ok) {
        return w;
    }
    // Gespeichert ist der Stand der Datei samt diesem Spiel. Bleibt Numora danach offen (der
    // Verlauf kann das Beenden noch aufhalten), trüge ein zweites Speichern sonst dieselben
    // Ergebnisse noch einmal ein.
    hof_ = std::move(stand);
    hof_.aenderungen.clear();
    hof_.hfdatenChanged = false;
    return w;
}

std::string ViewController::sofortSichern() {
    std::string grund;
    if (hof_.hfdatenChanged && !hofAbgelehnt_) {
        if (HofDatei::Schreiben w = hofSchreiben(); !w.ok) {
            grund = std::move(w.meldung);
        }
    }
    if (const std::string verlauf = ungespeichertNachholen(); !verlauf.empty()) {
        grund += (grund.empty() ? "" : "\n") + verlauf;
    }
    return grund;
}

} // namespace numora
