// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Schnittstelle zum Fenster "Mein Fortschritt" (libnumora_fortschritt.so). Es hängt an Qt
// Charts und wird erst beim ersten Aufruf geladen, damit das Spiel ohne diese Bibliothek
// startet.

#include <string>

class QWidget;

namespace numora {
class Verlauf;
}

class Fortschrittsanzeige {
  public:
    virtual ~Fortschrittsanzeige() = default;
    // Das Fenster; es gehört dem beim Erzeugen genannten Eltern-Widget.
    virtual QWidget* fenster() = 0;
    // Liest den Verlauf neu, wählt spieler (leer: den ersten Namen im Verlauf) und holt das
    // Fenster nach vorn.
    virtual void zeigen(const std::string& spieler) = 0;
};

// Name der Fabrikfunktion im Modul:
// extern "C" Fortschrittsanzeige* numoraFortschrittErzeugen(QWidget* eltern,
//                                                           numora::Verlauf& verlauf);
// Der Verlauf muss das Fenster überleben.
inline constexpr const char* fortschrittFabrik = "numoraFortschrittErzeugen";
using FortschrittFabrik = Fortschrittsanzeige* (*)(QWidget*, numora::Verlauf&);
