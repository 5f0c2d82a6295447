// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Der Verlauf als CSV für Tabellenprogramme mit deutscher Einstellung: UTF-8 mit
// Byte-Order-Mark, Semikolon als Trenner, Felder mit ; " oder Zeilenumbruch in
// Anführungszeichen (darin verdoppelt), Zeiten als "7.12.2026 09:05", Zeilenende CRLF.
// Getippte Texte (Name, Eingabe), die ein Tabellenprogramm als Formel läse (=, +, -, @ am
// Anfang, aber keine Zahl wie "-5"), beginnen mit einem Apostroph.

#include "verlauf/verlauf.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace numora {

enum class CsvArt {
    runden,    // eine Zeile je Runde
    antworten, // eine Zeile je Antwort, mit der Runde davor
};

Ergebnis csvSchreiben(Verlauf& verlauf, std::ostream& aus,
                      const std::optional<std::string>& spieler, CsvArt art = CsvArt::runden);

// Schreibt erst eine temporäre Datei daneben und benennt sie dann um: Eine vorhandene
// Datei wird ganz oder gar nicht ersetzt.
Ergebnis csvDateiSchreiben(Verlauf& verlauf, const std::filesystem::path& datei,
                           const std::optional<std::string>& spieler, CsvArt art = CsvArt::runden);

// Warum datei nicht geschrieben wurde, zur Fehlernummer fehler, in einem deutschen Satz. anlegen:
// Schon das Anlegen der Datei scheiterte; nur dann kann es am Namen liegen.
std::string schreibGrund(int fehler, const std::filesystem::path& datei, bool anlegen = false);

} // namespace numora
