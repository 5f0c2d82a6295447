// SPDX-License-Identifier: GPL-3.0-or-later
#include "halloffame/halltext.h"

#include "core/stoppuhr.h"
#include "core/themen.h"

namespace numora {

namespace {

std::string themenName(std::int64_t bereich) {
    return std::string(angebotName(bereich).value_or(""));
}

} // namespace

std::string zeile2String(const Zeile& z) {
    if (z.richtige == 0) {
        return {};
    }
    const std::string anzahl =
        z.richtige == 8 ? "alle 8 richtigen" : std::to_string(z.richtige) + " richtige";
    const std::string nomen = z.richtige == 1 ? "Antwort" : "Antworten";
    return "Innerhalb von " + sekundenText(z.zeit) + " gab " + z.name + " " + anzahl + " " + nomen;
}

std::vector<std::string> hall2Feld(const Halle& h) {
    std::vector<std::string> zeilen;
    if (h.empty()) {
        return zeilen;
    }
    zeilen.reserve(h.size() + 1);
    zeilen.push_back(std::string(13, ' ') + themenName(h.front().bereich) + "\n\n ");
    for (std::size_t i = 0; i < h.size(); ++i) {
        zeilen.push_back(std::to_string(i + 1) + ".  " + zeile2String(h[i]) + "\n ");
    }
    return zeilen;
}

std::string hall2String(const HallOfFame& hof, std::int64_t th, std::int64_t lv) {
    std::int64_t stufen = 0;
    if (th >= 0 && th < static_cast<std::int64_t>(angebotAnzahl)) {
        stufen = levelzahl(angebotp[static_cast<std::size_t>(th)]);
    }
    std::string text = std::string(21, ' ') + "Level " + std::to_string(lv) + " (von " +
                       std::to_string(stufen) + ")";
    if (const Halle* h = hof.halle(th, lv)) {
        // Kopfzeile und alle Zeilen außer der letzten.
        const std::vector<std::string> zeilen = hall2Feld(*h);
        for (std::size_t i = 0; i < h->size() && i < zeilen.size(); ++i) {
            text += zeilen[i];
        }
    }
    return text;
}

std::optional<std::int64_t> hallenZeile(const Halle& h, std::size_t platz) {
    if (platz + 1 >= h.size()) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(platz) + 2;
}

} // namespace numora
