// SPDX-License-Identifier: GPL-3.0-or-later
#include "halloffame/halldatei.h"

#include "core/themen.h"
#include "core/utf8.h"
#include "core/zahltext.h"

#include <array>

namespace numora {

std::string zeile2Dateitext(const Zeile& z) {
    return "&" + z.name + "&" + std::to_string(z.zeit) + "&" + std::to_string(z.bereich) + "&" +
           std::to_string(z.level) + "&" + std::to_string(z.richtige) + "&";
}

std::string alleHallen2String(const HallOfFame& hof) {
    std::string text;
    for (std::int64_t t = 0; t <= hoechsterAngebotIndex; ++t) {
        for (std::int64_t l = 1; l <= 3; ++l) {
            if (const Halle* h = hof.halle(t, l)) {
                for (const Zeile& z : *h) {
                    text += zeile2Dateitext(z);
                }
            }
        }
    }
    return text;
}

ZeilenLesung cz2Zeile(std::string_view cz) {
    // Nur die ersten sechs Teile zählen: Ein Stück aus Millionen Teilen kostet so keinen Speicher.
    std::array<std::string_view, 6> teile;
    std::size_t anzahl = 0;
    std::size_t anfang = 0;
    // Text nach dem letzten "&" gehört zu keinem Teil.
    for (std::size_t i = 0; i < cz.size() && anzahl < teile.size(); ++i) {
        if (cz[i] == '&') {
            if (i > anfang) {
                teile[anzahl++] = cz.substr(anfang, i - anfang);
            }
            anfang = i + 1;
        }
    }
    ZeilenLesung r;
    if (anzahl != 5 || teile[0].size() > laengsterName) {
        return r;
    }
    Zeile z;
    if (!leseGanzzahl(teile[1], z.zeit) || !leseGanzzahl(teile[2], z.bereich) ||
        !leseGanzzahl(teile[3], z.level) || !leseGanzzahl(teile[4], z.richtige)) {
        return r;
    }
    z.name = std::string(teile[0]);
    return {std::move(z), true};
}

char32_t charCode(char32_t a) {
    return a;
}

std::string stringCode(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    fuerJedenCodepunkt(s, [&r](char32_t c) { haengeUtf8An(r, charCode(c)); });
    return r;
}

namespace {

bool wirdGespeichert(const Zeile& z) {
    return z.bereich >= 0 && z.bereich <= hoechsterAngebotIndex && z.level >= 1 && z.level <= 3;
}

bool ohneInhalt(std::string_view stueck) {
    return stueck.find_first_not_of('&') == stueck.npos;
}

// Byte-Order-Mark und Zeilenumbrüche (etwa von Hand mit einem Editor bearbeitet) gehören
// nicht zum Dateiformat. Entfernt an Ort und Stelle, ohne zweite Kopie der Datei.
void ohneFremdzeichen(std::string& text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (std::string_view(text).substr(0, bom.size()) == bom) {
        text.erase(0, bom.size());
    }
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
}

} // namespace

HofDateiInhalt hofDateiLesen(std::string bytes) {
    HofDateiInhalt inhalt;
    if (!istGueltigesUtf8(bytes)) {
        inhalt.vollstaendig = false;
        bytes = alsUtf8Lesen(bytes);
    }
    ohneFremdzeichen(bytes);
    string2czFeld(bytes, [&inhalt](std::string_view cz) {
        if (ohneInhalt(cz)) {
            return;
        }
        ZeilenLesung l = cz2Zeile(cz);
        if (!l.ok) {
            inhalt.vollstaendig = false;
            return;
        }
        if (istPlatzhalter(l.zeile)) {
            return;
        }
        if (!wirdGespeichert(l.zeile)) {
            inhalt.vollstaendig = false;
        }
        // Die Codierung wirkt Zeichen für Zeichen und lässt "&" und Ziffern, wie sie sind:
        // Auf den ganzen Text angewandt, änderte sie nur die Namen.
        l.zeile.name = stringCode(l.zeile.name);
        inhalt.zeilen.push_back(std::move(l.zeile));
    });
    return inhalt;
}

} // namespace numora
