// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rundenprotokoll.h"

#include "generators/binomi.h"

#include <string_view>

namespace numora {

namespace {

std::string wieGezeigt(std::string text) {
    constexpr std::string_view kaestchen = "\u25A1";
    for (auto p = text.find(blende); p != std::string::npos;
         p = text.find(blende, p + kaestchen.size())) {
        text.replace(p, blende.size(), kaestchen);
    }
    return text;
}

} // namespace

RundenEintrag rundenEintrag(const Spielstand& stand, const Kalenderzeit& ende, bool uebung) {
    RundenEintrag r{stand.aktName,
                    stand.aktThema,
                    stand.aktLevel,
                    stand.rundenBeginn,
                    ende,
                    stand.aktuellesZeitkonto,
                    stand.richtigBeantwortet,
                    uebung,
                    {}};
    const auto& paket = stand.aktuellesPaket;
    for (const Antwortnotiz& n : stand.antworten) {
        AntwortEintrag a{n.nummer, {}, n.eingabe, {}, {}, n.richtig, n.sekunden, n.hinweisArt};
        if (n.nummer >= 1 && n.nummer <= static_cast<std::int64_t>(paket.size())) {
            const Karte& karte = paket[static_cast<std::size_t>(n.nummer - 1)];
            a.frage = wieGezeigt(karte.frage);
            a.richtigeAntwort = antwortText(karte);
            a.hilfe = wieGezeigt(karte.hilfe);
        }
        r.antworten.push_back(std::move(a));
    }
    return r;
}

} // namespace numora
