// SPDX-License-Identifier: GPL-3.0-or-later
#include "halloffame/hallen.h"

#include "core/themen.h"

#include <algorithm>
#include <iterator>
#include <set>
#include <utility>

namespace numora {

std::string hallenSchluessel(std::int64_t bereich, std::int64_t level) {
    return std::to_string(bereich) + std::to_string(level);
}

Zeile platzhalter(std::int64_t bereich, std::int64_t level) {
    return {" ", platzhalterZeit, bereich, level, 0};
}

bool istPlatzhalter(const Zeile& z) {
    return z.name == " " && z.zeit == platzhalterZeit && z.richtige == 0;
}

Halle genHall(std::int64_t them, std::int64_t level) {
    return Halle(platzhalterAnzahl, platzhalter(them, level));
}

bool kommtVor(const Zeile& a, const Zeile& b) {
    if (a.richtige != b.richtige) {
        return a.richtige > b.richtige;
    }
    return a.zeit < b.zeit;
}

Halle einHallen(const Zeile& z, const Halle& hall) {
    Halle h = hall;
    h.push_back(z);
    for (std::size_t i = h.size() - 1; i > 0; --i) {
        if (kommtVor(h[i], h[i - 1])) {
            std::swap(h[i], h[i - 1]);
        }
    }
    return h;
}

void HallOfFame::alleHallenErzeugen() {
    for (std::int64_t t = 0; t <= hoechsterAngebotIndex; ++t) {
        for (std::int64_t l = 1; l <= 3; ++l) {
            alleHallen[hallenSchluessel(t, l)] = genHall(t, l);
        }
    }
}

void HallOfFame::einHallen2(const Zeile& z) {
    aenderungen.push_back({z, false, {}});
    const auto it = alleHallen.find(hallenSchluessel(z.bereich, z.level));
    if (it != alleHallen.end()) {
        it->second = einHallen(z, it->second);
    }
}

void HallOfFame::zeilenfeldEinhallen(std::vector<Zeile> zf) {
    std::set<std::string> beruehrt;
    for (Zeile& z : zf) {
        const std::string schluessel = hallenSchluessel(z.bereich, z.level);
        alleHallen[schluessel].push_back(std::move(z));
        beruehrt.insert(schluessel);
    }
    for (const std::string& schluessel : beruehrt) {
        Halle& h = alleHallen[schluessel];
        std::stable_sort(h.begin(), h.end(), kommtVor);
    }
}

void HallOfFame::loescheHalle(std::int64_t th, std::int64_t lv) {
    Halle& h = alleHallen[hallenSchluessel(th, lv)];
    Aenderung a{platzhalter(th, lv), true, {}};
    std::copy_if(h.begin(), h.end(), std::back_inserter(a.entfernt),
                 [](const Zeile& z) { return !istPlatzhalter(z); });
    aenderungen.push_back(std::move(a));
    h = genHall(th, lv);
}

void HallOfFame::aenderungenAnwenden(HallOfFame& ziel) const {
    for (const Aenderung& a : aenderungen) {
        if (!a.geloescht) {
            ziel.einHallen2(a.zeile);
            continue;
        }
        Halle& h = ziel.alleHallen[hallenSchluessel(a.zeile.bereich, a.zeile.level)];
        for (const Zeile& z : a.entfernt) {
            if (const auto it = std::find(h.begin(), h.end(), z); it != h.end()) {
                h.erase(it);
            }
        }
    }
    ziel.hfdatenChanged = ziel.hfdatenChanged || hfdatenChanged;
}

const Halle* HallOfFame::halle(std::int64_t th, std::int64_t lv) const {
    const auto it = alleHallen.find(hallenSchluessel(th, lv));
    return it == alleHallen.end() ? nullptr : &it->second;
}

} // namespace numora
