// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/kartenfolge.h"

#include "core/zufall.h"
#include "generators/paket.h"

namespace numora {

void paketeZiehen(thema bereich, std::int64_t level, std::int64_t anzahlPakete,
                  const KartenEmpfaenger& empfaenger) {
    for (std::int64_t p = 1; p <= anzahlPakete; ++p) {
        const std::vector<Karte> paket = genPaket(bereich, level);
        for (std::size_t i = 0; i < paket.size(); ++i) {
            empfaenger(p, static_cast<std::int64_t>(i) + 1, paket[i]);
        }
    }
}

std::vector<Karte> kartenZumStartwert(thema bereich, std::int64_t level, std::int64_t anzahl,
                                      std::uint64_t startwert) {
    std::vector<Karte> karten;
    if (anzahl <= 0) {
        return karten;
    }
    MersenneQuelle quelle(startwert);
    ZufallsquelleErsetzen ersetzt(quelle);
    // Aufgerundet ohne Überlauf; mehr Karten, als ein vector fasst, meldet reserve mit
    // std::length_error.
    const std::int64_t pakete = anzahl / paketGroesse + (anzahl % paketGroesse != 0 ? 1 : 0);
    karten.reserve(static_cast<std::size_t>(pakete) * paketGroesse);
    paketeZiehen(bereich, level, pakete,
                 [&karten](std::int64_t, std::int64_t, const Karte& k) { karten.push_back(k); });
    if (karten.size() > static_cast<std::size_t>(anzahl)) {
        karten.resize(static_cast<std::size_t>(anzahl));
    }
    return karten;
}

std::uint64_t variantenStartwert(std::uint64_t startwert, std::int64_t variante) {
    return startwert + static_cast<std::uint64_t>(variante) - 1;
}

} // namespace numora
