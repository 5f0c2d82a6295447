// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/stoppuhr.h"

#include <chrono>

namespace numora {

void stoppuhrStarten(Spielstand& s) {
    s.startzeit = uhr().monoton();
}

std::int64_t stoppuhrAnhalten(Spielstand& s) {
    const auto dauer = uhr().monoton() - s.startzeit;
    const std::int64_t sekunden = std::chrono::duration_cast<std::chrono::seconds>(dauer).count();
    const std::int64_t ganz = sekunden < 0 ? 0 : sekunden;
    s.aktuellesZeitkonto += ganz;
    return ganz;
}

std::string sekundenText(std::int64_t n) {
    return std::to_string(n) + (n == 1 ? " Sekunde" : " Sekunden");
}

} // namespace numora
