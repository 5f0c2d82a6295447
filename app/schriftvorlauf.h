// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <thread>

// Die Schriften, vorbereitet in einem zweiten Thread, während QApplication die Verbindung zur
// Anzeige aufbaut: fontconfig lädt seine Konfiguration, und es nennt die Familien hinter den
// allgemeinen Namen, die Qts Thema ohne Desktop vorgibt ("Sans Serif", "monospace"). Qt selbst
// sortiert für solche Namen bei der ersten Verwendung alle Schriften des Systems, und das
// kostet den Start spürbar Zeit.
class Schriftvorlauf {
  public:
    Schriftvorlauf();
    ~Schriftvorlauf();
    Schriftvorlauf(const Schriftvorlauf&) = delete;
    Schriftvorlauf& operator=(const Schriftvorlauf&) = delete;

    // Nach QApplication, vor dem ersten Fenster: Wo Qt einen der allgemeinen Namen verwenden
    // würde, steht nun die Familie, die fontconfig dafür wählt. Andere Schriften (etwa die eines
    // Desktops) bleiben.
    void anwenden();

  private:
    // Vor dem Thread, denn er schreibt sie.
    QString serifenlos_;
    QString festbreit_;
    std::thread faden_;
};
