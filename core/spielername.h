// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace numora {

// Ein Name ist annehmbar, wenn seine normierte Form mindestens 3 Buchstaben hat.
bool namenKontrolle(std::string_view n);

// Die Buchstaben A–Z, Ä, Ö, Ü unter den ersten 12 Zeichen des Namens, ob groß oder klein
// getippt, in ihrer Reihenfolge und groß geschrieben; ß und fremde Buchstaben zählen nicht.
// Zeichen sind vom Benutzer wahrgenommene Zeichen (Graphem-Cluster).
std::string normName(std::string_view n);

} // namespace numora
