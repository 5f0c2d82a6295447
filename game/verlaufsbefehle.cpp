// SPDX-License-Identifier: GPL-3.0-or-later
// Der Teil des ViewControllers, der den Verlauf betrifft: jede ausgewertete Runde speichern,
// den Level empfehlen und sagen, für wen "Mein Fortschritt" gilt.

#include "core/uhr.h"
#include "game/rundenprotokoll.h"
#include "game/viewcontroller.h"
#include "verlauf/verlauf.h"

namespace numora {

// Ein eingetragener Name ist normiert, also in Großbuchstaben; die Vorgabe "Anonym" des
// Spielstands ist darum nie der Name eines Spielers.
std::string ViewController::fortschrittSpieler() const {
    return stand_.neuerName == Spielstand{}.neuerName ? std::string() : stand_.neuerName;
}

bool ViewController::fortschrittMoeglich() const {
    return stand_.status != phase::raten || bildschirm_.istKnopfSichtbar(Knopf::weiterF);
}

// Der Verlauf hält das Spiel nie auf: Scheitert das Speichern, geht es weiter wie ohne ihn,
// und der Grund erscheint einmal je Programmlauf, in der Ruhe nach der Auswertung und nicht
// während einer Frage. Ein Dialog statt einer Zeile im Fenster, weil ein Kind sonst nicht
// merkt, dass sein Fortschritt verloren geht.
void ViewController::rundeAufzeichnen() {
    if (verlauf_ == nullptr) {
        return;
    }
    ungespeichert_.push_back(rundenEintrag(stand_));
    ungespeichertNachholen();
    if (const auto satz = verlauf_->meldungFuerSpieler()) {
        meldung(*satz);
    }
}

// Der Reihe nach und nur bis zum ersten Scheitern: Sonst käme eine jüngere Runde vor einer
// älteren in den Verlauf, und bei gesperrter Datei kostete jede liegengebliebene Runde bei
// jeder neuen Runde die ganze Wartezeit der Datenbank.
std::string ViewController::ungespeichertNachholen() {
    std::size_t fertig = 0;
    std::string grund;
    for (; verlauf_ != nullptr && fertig < ungespeichert_.size(); ++fertig) {
        // Eine fehlerhafte Runde fällt weg; sie hielte sonst alle späteren auf.
        if (Ergebnis e = verlauf_->rundeSpeichern(ungespeichert_[fertig]); !e.ok && e.nochmal) {
            grund = std::move(e.meldung);
            break;
        }
    }
    ungespeichert_.erase(ungespeichert_.begin(),
                         ungespeichert_.begin() + static_cast<std::ptrdiff_t>(fertig));
    return grund;
}

std::string ViewController::empfehlungsZeile(std::int64_t thema) {
    if (verlauf_ == nullptr) {
        return {};
    }
    const auto level = verlauf_->levelEmpfehlung(stand_.neuerName, thema);
    return level ? "\n\nEmpfehlung: Level " + std::to_string(*level) : std::string();
}

} // namespace numora
