// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die ausgewertete Runde als Eintrag für den Verlauf.

#include "core/spielstand.h"
#include "verlauf/verlauf.h"

namespace numora {

// Jede Antwort aus stand.antworten mit Frage, richtiger Antwort und Erklärung der Karte
// gleicher Nummer im laufenden Paket. Fragen kommen so in den Verlauf, wie der Spieler sie
// sah: mit sichtbarem Kästchen statt des Lückenzeichens.
RundenEintrag rundenEintrag(const Spielstand& stand);

} // namespace numora
