// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Schnittstelle zum Tonmodul (libnumora_klang.so). Es hängt an Qt Multimedia und wird erst
// beim ersten Ton geladen, damit das Fenster ohne diese Bibliotheken schnell startet.
class Klangquelle {
  public:
    virtual ~Klangquelle() = default;
    // false, wenn es kein Audiogerät gibt.
    virtual bool bereit() const = 0;
    virtual void spielen() = 0;
};

// Name der Fabrikfunktion im Modul: extern "C" Klangquelle* numoraKlangErzeugen();
inline constexpr const char* klangFabrik = "numoraKlangErzeugen";
