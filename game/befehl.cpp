// SPDX-License-Identifier: GPL-3.0-or-later
// Wann ein Menübefehl etwas bewirkt: eine Zeile je Befehl.

#include "game/befehl.h"

#include "game/viewcontroller.h"

namespace numora {

bool ViewController::befehlAktiv(Befehl b) const {
    switch (b) {
    case Befehl::meinName:
        // Vor der Namenseingabe tut der Befehl nichts; später sagt er wenigstens, wann es geht.
        return stand_.status != phase::namenlos;
    case Befehl::hofZeigen:
    case Befehl::hofLoeschen:
        return hofMoeglich();
    case Befehl::fehlerAnsehen:
        return fehlerAnsehenMoeglich();
    case Befehl::fortschritt:
        return fortschrittMoeglich();
    case Befehl::audioWahl:
    case Befehl::arbeitsblatt:
    case Befehl::undTschuess:
    case Befehl::quit:
    case Befehl::hilfe:
    case Befehl::ueber:
        return true;
    }
    return true;
}

// Nur wenn Weiter sichtbar ist oder noch kein Thema läuft; bei offener Frage und nach der
// Auswertung geschieht nichts.
bool ViewController::hofMoeglich() const {
    return bildschirm_.istKnopfSichtbar(Knopf::weiterF) || stand_.status == phase::namenlos ||
           stand_.status == phase::wahlmodus;
}

} // namespace numora
