// SPDX-License-Identifier: GPL-3.0-or-later
// Die Datei der Ruhmeshalle: laden, speichern, wieder laden.

#include "core/themen.h"
#include "fuzz/pruefen.h"
#include "halloffame/halldatei.h"
#include "halloffame/hallen.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Wie beim Programmstart: frische Hallen, dann die Zeilen der Datei.
numora::HallOfFame laden(std::string_view bytes, bool* vollstaendig = nullptr) {
    numora::HallOfFame hof;
    hof.alleHallenErzeugen();
    numora::HofDateiInhalt inhalt = numora::hofDateiLesen(std::string(bytes));
    if (vollstaendig != nullptr) {
        *vollstaendig = inhalt.vollstaendig;
    }
    hof.zeilenfeldEinhallen(std::move(inhalt.zeilen));
    return hof;
}

std::vector<numora::Zeile> ohnePlatzhalter(const numora::Halle* h) {
    std::vector<numora::Zeile> r;
    if (h != nullptr) {
        for (const numora::Zeile& z : *h) {
            if (!numora::istPlatzhalter(z)) {
                r.push_back(z);
            }
        }
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view bytes(reinterpret_cast<const char*>(daten), groesse);

    const numora::HallOfFame erster = laden(bytes);
    const std::string gespeichert = numora::stringCode(numora::alleHallen2String(erster));
    bool wiederVollstaendig = false;
    const numora::HallOfFame zweiter = laden(gespeichert, &wiederVollstaendig);

    // Was das Programm selbst schreibt, liest es ohne Verlust.
    FUZZ_PRUEFE(wiederVollstaendig);
    for (std::int64_t t = 0; t <= numora::hoechsterAngebotIndex; ++t) {
        for (std::int64_t l = 1; l <= 3; ++l) {
            FUZZ_PRUEFE(erster.halle(t, l) != nullptr);
            FUZZ_PRUEFE(zweiter.halle(t, l) != nullptr);
            FUZZ_PRUEFE(ohnePlatzhalter(erster.halle(t, l)) ==
                        ohnePlatzhalter(zweiter.halle(t, l)));
        }
    }
    // Nach einem Durchgang ist der Text ein Fixpunkt: Speichern ändert nichts mehr.
    FUZZ_PRUEFE(numora::alleHallen2String(zweiter) == gespeichert);

    // Die Einzelschritte auch auf ungeprüften Bytes: jedes lesbare Stück lässt sich
    // verlustfrei wieder als Dateitext schreiben.
    numora::string2czFeld(bytes, [](std::string_view stueck) {
        const numora::ZeilenLesung lesung = numora::cz2Zeile(stueck);
        if (!lesung.ok) {
            FUZZ_PRUEFE(lesung.zeile == numora::Zeile{});
            return;
        }
        const numora::ZeilenLesung zurueck =
            numora::cz2Zeile(numora::zeile2Dateitext(lesung.zeile));
        FUZZ_PRUEFE(zurueck.ok);
        FUZZ_PRUEFE(zurueck.zeile == lesung.zeile);
    });
    return 0;
}
