// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Datei Hfdaten.nmr im Dokumente-Ordner: beim Start gelesen, beim Verlassen ersetzt.
// Ließ sie sich beim Start nicht vollständig lesen, bleibt sie beim ersten Schreiben unter
// einem Sicherungsnamen erhalten, und zu keinem Zeitpunkt fehlt Hfdaten.nmr dabei.

#include "game/plattform.h"
#include "halloffame/zeile.h"

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace numora {

class HofDatei {
  public:
    // Über 64 MB gilt die Datei als unlesbar (Begründung in hofdatei.cpp).
    static constexpr std::int64_t leseGrenze = std::int64_t{64} << 20;

    HofDatei(Dateiablage& ablage, std::ostream& ausgabe);

    struct Inhalt {
        std::vector<Zeile> zeilen;
        std::string hinweis;       // einmal zu zeigen; leer, wenn es nichts zu sagen gibt
        bool vollstaendig = false; // die Datei ließ sich ganz lesen
    };
    // Auch vor dem Schreiben noch einmal gerufen: Ein anderes Fenster kann sie ersetzt haben.
    Inhalt laden();

    struct Schreiben {
        bool ok = false;
        // Gescheitert: was schiefging. Geglückt: wo die alte Datei nun gesichert liegt, oder leer.
        std::string meldung;
    };
    Schreiben schreiben(const std::string& s);

  private:
    // Die erste Nummer n, unter der noch keine Sicherung liegt.
    std::int64_t freieSicherung(const std::string& ordner);

    Dateiablage& ablage_;
    std::ostream& ausgabe_;
    bool sicherungNoetig_ = false;
};

} // namespace numora
