// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/spielstand.h"

#include <cstdint>
#include <string>

namespace numora {

// Die Stoppuhr läuft nur, solange eine Frage offen ist. Sie misst monoton, damit ein
// Verstellen der Systemuhr keine negativen Zeiten in die Ruhmeshalle bringt.
void stoppuhrStarten(Spielstand& s);

// Addiert die ganzen Sekunden seit dem Start (abgeschnitten) zum Zeitkonto und gibt sie zurück.
std::int64_t stoppuhrAnhalten(Spielstand& s);

// "1 Sekunde", sonst "n Sekunden" (auch "0 Sekunden").
std::string sekundenText(std::int64_t n);

} // namespace numora
