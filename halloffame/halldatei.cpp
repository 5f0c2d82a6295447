#include "halloffame/halldatei.h"

#include "core/themen.h"
#include "core/utf8.h"
#include "core/zahltext.h"

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

std::vector<std::string> string2czFeld(std::string_view s) {
    // Jedes "&", vor dem schon ein "&" stand, beendet ein Stück und gehört zu keinem; das
    // vorige "&" bleibt das vorige Zeichen, so trennt "&&&" zweimal.
    std::vector<std::string> stuecke;
    std::size_t anfang = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '&' && s[i - 1] == '&') {
            stuecke.emplace_back(s.substr(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    if (anfang < s.size()) {
        stuecke.emplace_back(s.substr(anfang));
    }
    return stuecke;
}

ZeilenLesung cz2Zeile(std::string_view cz) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < cz.size(); ++i) {
        if (cz[i] == '&') {
            if (i > anfang) {
                teile.push_back(cz.substr(anfang, i - anfang));
            }
            anfang = i + 1;
        }
    }
    ZeilenLesung r;
    if (teile.size() != 5) {
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

std::vector<Zeile> stringFeld2Zeilenfeld(const std::vector<std::string>& czF) {
    std::vector<Zeile> zeilen;
    zeilen.reserve(czF.size());
    for (const std::string& cz : czF) {
        zeilen.push_back(cz2Zeile(cz).zeile);
    }
    return zeilen;
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
// nicht zum Dateiformat.
std::string ohneFremdzeichen(std::string_view text) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (text.substr(0, bom.size()) == bom) {
        text.remove_prefix(bom.size());
    }
    std::string r;
    r.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n') {
            r.push_back(c);
        }
    }
    return r;
}

} // namespace

HofDateiInhalt hofDateiLesen(std::string_view bytes) {
    HofDateiInhalt inhalt;
    std::string text;
    if (istGueltigesUtf8(bytes)) {
        text = ohneFremdzeichen(bytes);
    } else {
        inhalt.vollstaendig = false;
        text = ohneFremdzeichen(alsUtf8Lesen(bytes));
    }
    for (const std::string& cz : string2czFeld(stringCode(text))) {
        const ZeilenLesung l = cz2Zeile(cz);
        if (!l.ok) {
            if (!ohneInhalt(cz)) {
                inhalt.vollstaendig = false;
            }
            continue;
        }
        if (istPlatzhalter(l.zeile)) {
            continue;
        }
        if (!wirdGespeichert(l.zeile)) {
            inhalt.vollstaendig = false;
        }
        inhalt.zeilen.push_back(l.zeile);
    }
    return inhalt;
}

} // namespace numora
