// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Was das Fenster "Mein Fortschritt" (app/fortschritt) zeigt, als schlichte Texte und Zahlen
// aus dem Verlauf: ohne Qt, damit es sich ohne Fenster und ohne Qt Charts prüfen lässt.

#include "verlauf/verlauf.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace numora {

inline constexpr std::array<std::string_view, 6> tabellenKopf = {
    "Thema", "Level", "Runden", "Bestes Ergebnis", "Schnitt der letzten 5", "Zuletzt gespielt"};

struct TabellenZeile {
    std::int64_t thema = 0;
    std::int64_t level = 1;
    std::array<std::string, tabellenKopf.size()> spalten;

    friend bool operator==(const TabellenZeile&, const TabellenZeile&) = default;
};

std::vector<TabellenZeile> tabelle(const std::vector<FortschrittZeile>& zeilen);

// Mehr Punkte zeichnet die Kurve nicht: Tausende Runden ergäben auf wenigen hundert Bildpunkten
// nur eine Fläche. Darüber steht je Punkt der Schnitt aufeinanderfolgender Runden.
inline constexpr std::size_t kurvenPunkteHoechstens = 100;

struct Kurve {
    std::string titel;
    std::string achse; // Beschriftung der Rundenachse, mit den Daten der ersten und letzten
    // Letzte Runde des Punktes (ab 1), Richtige; mit Blöcken deren Schnitt.
    std::vector<std::pair<std::int64_t, double>> punkte;
    // Die Werte in Worten, für Screenreader: höchstens die letzten 20 Runden.
    std::string inWorten;

    friend bool operator==(const Kurve&, const Kurve&) = default;
};

Kurve kurve(std::int64_t thema, std::int64_t level, const std::vector<KurvenPunkt>& punkte);

// Die häufigsten Fehler mit richtiger Antwort und Rechenweg. Der Rechenweg bleibt, wie er
// gespeichert ist; die Frage verliert Einrückung und Leerzeilen, die nur dem Spielfeld dienen.
std::string fehlerText(const std::vector<HaeufigerFehler>& fehler);

// Die Namen des Verlaufs, dazu der aktuelle Spieler, auch wenn er noch keine Runde hat.
std::vector<std::string> namensAuswahl(std::vector<std::string> namen,
                                       const std::string& aktueller);

// Dateiname für den CSV-Export, etwa numora-verlauf-ANNA.csv; Zeichen, die in Dateinamen
// stören, werden zu "_".
std::string csvVorschlag(const std::optional<std::string>& spieler);

} // namespace numora
