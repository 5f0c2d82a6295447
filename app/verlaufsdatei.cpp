// SPDX-License-Identifier: GPL-3.0-or-later
#include "verlaufsdatei.h"

#include "zusatz/zusatz.h"

namespace {

std::string modulFehlt() {
    return programmErsetzt() ? "Dein Fortschritt wird nicht gespeichert: Numora wurde "
                               "aktualisiert, während es lief. Beende Numora und starte es neu, "
                               "dann wird er wieder gespeichert."
                             : "Dein Fortschritt wird nicht gespeichert. Das Modul "
                               "libnumora_verlaufsdb fehlt in dieser Installation.";
}

} // namespace

Verlaufsdatei::Verlaufsdatei(std::filesystem::path datei) : datei_(std::move(datei)) {}

Verlaufsdatei::~Verlaufsdatei() = default;

numora::Verlauf* Verlaufsdatei::echt() {
    if (!versucht_) {
        versucht_ = true;
        using Fabrik = numora::Verlauf* (*)(const char*);
        if (auto fabrik = reinterpret_cast<Fabrik>(zusatzEinstieg("verlaufsdb", verlaufFabrik))) {
            echt_.reset(fabrik(datei_.c_str()));
        }
    }
    return echt_.get();
}

numora::Ergebnis Verlaufsdatei::rundeSpeichern(const numora::RundenEintrag& runde) {
    return echt() ? echt_->rundeSpeichern(runde) : numora::Ergebnis{false, modulFehlt()};
}

std::optional<std::int64_t> Verlaufsdatei::levelEmpfehlung(const std::string& spieler,
                                                           std::int64_t thema) {
    return echt() ? echt_->levelEmpfehlung(spieler, thema) : std::nullopt;
}

std::vector<numora::FortschrittZeile> Verlaufsdatei::fortschritt(const std::string& spieler) {
    return echt() ? echt_->fortschritt(spieler) : std::vector<numora::FortschrittZeile>{};
}

std::vector<numora::KurvenPunkt> Verlaufsdatei::kurve(const std::string& spieler,
                                                      std::int64_t thema, std::int64_t level) {
    return echt() ? echt_->kurve(spieler, thema, level) : std::vector<numora::KurvenPunkt>{};
}

std::vector<numora::HaeufigerFehler> Verlaufsdatei::haeufigsteFehler(const std::string& spieler,
                                                                     std::int64_t thema,
                                                                     std::int64_t level,
                                                                     std::int64_t n) {
    return echt() ? echt_->haeufigsteFehler(spieler, thema, level, n)
                  : std::vector<numora::HaeufigerFehler>{};
}

std::vector<std::string> Verlaufsdatei::spielerNamen() {
    return echt() ? echt_->spielerNamen() : std::vector<std::string>{};
}

numora::Ergebnis
Verlaufsdatei::rundenDurchgehen(const std::optional<std::string>& spieler, bool mitAntworten,
                                const std::function<void(const numora::RundenEintrag&)>& je) {
    return echt() ? echt_->rundenDurchgehen(spieler, mitAntworten, je)
                  : numora::Ergebnis{false, modulFehlt()};
}

std::optional<std::string> Verlaufsdatei::meldungFuerSpieler() {
    if (echt_) {
        return echt_->meldungFuerSpieler();
    }
    if (!versucht_ || gemeldet_) {
        return std::nullopt;
    }
    gemeldet_ = true;
    return modulFehlt();
}
