// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Anzeige einer Halle im Antwortfeld.

#include "halloffame/hallen.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace numora {

// Eine Zeile der Anzeige; leer für einen Platzhalter.
std::string zeile2String(const Zeile& z);
// Kopfzeile mit dem Themennamen, dann je Zeile eine nummerierte Zeile.
std::vector<std::string> hall2Feld(const Halle& h);
// Titel "Level l (von n)" und die Halle ohne ihre letzte Zeile; ohne Halle nur der Titel.
std::string hall2String(const HallOfFame& hof, std::int64_t th, std::int64_t lv);
// Die Textzeile (ab 0) von hall2String, in der der Platz (ab 0) steht: nach Titel und
// Leerzeile. Keine für die letzte Zeile der Halle, die hall2String nicht zeigt.
std::optional<std::int64_t> hallenZeile(const Halle& h, std::size_t platz);

} // namespace numora
