// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rundenprotokoll.h"

#include "generators/binomi.h"

namespace numora {

RundenEintrag rundenEintrag(const Spielstand& stand) {
    RundenEintrag r{stand.aktName,
                    stand.aktThema,
                    stand.aktLevel,
                    stand.rundenBeginn,
                    stand.rundenEnde,
                    stand.aktuellesZeitkonto,
                    stand.richtigBeantwortet,
                    stand.uebung,
                    {}};
    const auto& paket = stand.aktuellesPaket;
    for (const Antwortnotiz& n : stand.antworten) {
        AntwortEintrag a{n.nummer, {}, n.eingabe, {}, {}, n.richtig, n.sekunden, n.hinweisArt};
        if (n.nummer >= 1 && n.nummer <= static_cast<std::int64_t>(paket.size())) {
            const Karte& karte = paket[static_cast<std::size_t>(n.nummer - 1)];
            a.frage = mitKaestchen(karte.frage);
            a.richtigeAntwort = antwortText(karte);
            a.hilfe = mitKaestchen(karte.hilfe);
        }
        r.antworten.push_back(std::move(a));
    }
    return r;
}

} // namespace numora
