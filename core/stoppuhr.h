#pragma once

#include "core/spielstand.h"

#include <cstdint>

namespace numora {

// Die Stoppuhr läuft nur, solange eine Frage offen ist. Sie misst monoton, damit ein
// Verstellen der Systemuhr keine negativen Zeiten in die Ruhmeshalle bringt.
void stoppuhrStarten(Spielstand& s);

// Addiert die ganzen Sekunden seit dem Start (abgeschnitten) zum Zeitkonto und gibt sie zurück.
std::int64_t stoppuhrAnhalten(Spielstand& s);

} // namespace numora
