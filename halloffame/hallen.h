// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Ruhmeshallen: je Thema und Level eine nach Rang geordnete Liste von Ergebnissen.

#include "halloffame/zeile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace numora {

// Zehn Platzhalter für Thema und Level.
Halle genHall(std::int64_t them, std::int64_t level);

// a steht vor b: mehr Richtige, bei Gleichstand nur mit echt kürzerer Zeit.
bool kommtVor(const Zeile& a, const Zeile& b);

// Die Halle mit z an seinem Rang, eine Zeile länger; bei Gleichstand hinter den älteren.
Halle einHallen(const Zeile& z, const Halle& hall);

// Alle Hallen eines Spiels. Jedes Spiel (und jeder Test) hat sein eigenes Objekt.
struct HallOfFame {
    std::map<std::string, Halle> alleHallen;
    // Wird wahr, sobald ein Ergebnis eingetragen oder eine Halle gelöscht wurde.
    bool hfdatenChanged = false;
    // Was einHallen2 und loescheHalle geändert haben, in dieser Reihenfolge: ein Ergebnis oder
    // die Ergebnisse, die eine gelöschte Halle von Thema und Level der Zeile hielt.
    struct Aenderung {
        Zeile zeile;
        bool geloescht = false;
        std::vector<Zeile> entfernt;
    };
    std::vector<Aenderung> aenderungen;

    // Die 27 Hallen der Themen 0 bis 8 mit den Levels 1 bis 3, je zehn Platzhalter.
    void alleHallenErzeugen();
    // Trägt z in die bestehende Halle seines Schlüssels ein; ohne Halle geschieht nichts.
    void einHallen2(const Zeile& z);
    // Trägt alle Zeilen ein und legt für neue Schlüssel eine Halle an. Jede betroffene
    // Halle wird einmal stabil sortiert: dieselbe Reihenfolge wie Zeile für Zeile einfügen,
    // aber nicht quadratisch. Die Zeilen werden verschoben, nicht kopiert.
    void zeilenfeldEinhallen(std::vector<Zeile> zf);
    void loescheHalle(std::int64_t th, std::int64_t lv);
    // Wiederholt die Änderungen dieses Objekts an ziel, etwa an dem Stand, den ein anderes
    // Numora-Fenster inzwischen gespeichert hat. Eine gelöschte Halle verliert dort nur die
    // Ergebnisse, die hier gelöscht wurden; was das andere Fenster eintrug, bleibt.
    void aenderungenAnwenden(HallOfFame& ziel) const;

    const Halle* halle(std::int64_t th, std::int64_t lv) const;
};

} // namespace numora
