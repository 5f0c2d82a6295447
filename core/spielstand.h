// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/karte.h"
#include "core/uhr.h"

#include <cstdint>
#include <string>
#include <vector>

namespace numora {

// Eine beantwortete Frage der laufenden Runde, für die Durchsicht der Fehler und den Verlauf.
struct Antwortnotiz {
    std::int64_t nummer = 0; // 1 bis 8
    std::string eingabe;     // wie getippt
    bool richtig = false;
    std::int64_t sekunden = 0;
    std::string hinweisArt; // leer: kein Hinweis
    std::string hinweis;

    friend bool operator==(const Antwortnotiz&, const Antwortnotiz&) = default;
};

// Der Zustand eines laufenden Spiels. Jedes Spiel (und jeder Test) beginnt mit einem
// frischen Objekt; berührt wird er nur aus dem Thread der Oberfläche.
struct Spielstand {
    // Wird beim Laden des Fensters auf namenlos gesetzt.
    phase status = phase::neuStart;
    std::string aktName = "Anonym";
    std::string neuerName = "Anonym";
    std::int64_t aktThema = 0;
    std::int64_t aktLevel = 1;
    std::vector<Karte> aktuellesPaket;
    std::int64_t aktNummer = 0;
    std::int64_t richtigBeantwortet = 0;
    std::string richtigeAntwort;
    std::int64_t aktuellesZeitkonto = 0;
    Uhr::Zeitpunkt startzeit = uhr().monoton();
    // Die Antworten der laufenden Runde, wann sie begann und wann sie endete. Das Ende nennen
    // Ruhmeshalle, Verlauf und "Fehler der Runde" gleich, damit ein Blatt zu seiner Zeile passt.
    std::vector<Antwortnotiz> antworten;
    Kalenderzeit rundenBeginn;
    Kalenderzeit rundenEnde;
    // Die Runde übt nur die Fehler der vorigen: Sie kommt in keine Ruhmeshalle, ihre
    // Antworten werden aber genauso notiert.
    bool uebung = false;
    bool tonAn = true;
};

} // namespace numora
