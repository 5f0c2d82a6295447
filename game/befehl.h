// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Befehle aus dem Menü. Das Fenster fragt nach jedem Ereignis ViewController::befehlAktiv
// und sperrt, was in der Spielphase nichts bewirken würde.

namespace numora {

enum class Befehl {
    audioWahl,
    meinName,
    arbeitsblatt,
    undTschuess,
    quit,
    hofZeigen,
    hofLoeschen,
    hilfe,
    ueber,
    fehlerAnsehen,
    fortschritt,
};

} // namespace numora
