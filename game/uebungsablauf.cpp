// SPDX-License-Identifier: GPL-3.0-or-later
// Der Teil des ViewControllers, der nach einer Runde ihre Fehler zeigt und sie üben lässt:
// Die Übung stellt genau die falsch beantworteten Karten noch einmal, bis keine übrig ist
// oder der Spieler aufhört.

#include "game/durchsicht.h"
#include "game/viewcontroller.h"

#include <utility>

namespace numora {

bool ViewController::fehlerAnsehenMoeglich() const {
    return stand_.status == phase::abgeschlossen && !fehlerStellen(stand_).empty();
}

void ViewController::fehlerAnsehen() {
    if (fehlerAnsehenMoeglich() && dialoge_.fehlerZeigen(durchsichtText(stand_))) {
        uebungStarten();
    }
}

void ViewController::uebungStarten() {
    std::vector<Karte> paket = uebungsPaket(stand_);
    kopfText(uebungsKopf(paket.size(), stand_.uebung, stand_.aktThema, stand_.aktLevel));
    stand_.uebung = true;
    bildschirm_.knopfSichtbar(Knopf::fehlerF, false);
    paketStarten(std::move(paket));
}

} // namespace numora
