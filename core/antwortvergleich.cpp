// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/antwortvergleich.h"

#include "core/bruch.h"
#include "core/karte.h"

#include <string>

namespace numora {

bool istGleich(std::string_view antwort, std::string_view erwartet) {
    const BruchLesung a = string2Bruch(antwort);
    // Ein Nenner 0 wäre durch Überkreuzmultiplikation jeder Zahl gleich (0/0 gewänne immer).
    if (!a.ok || a.bruch.nn == 0) {
        return false;
    }
    const BruchLesung b = string2Bruch(erwartet);
    if (!b.ok || b.bruch.nn == 0) {
        return false;
    }
    return a.bruch.istGleich(b.bruch);
}

namespace {

// "1.000" oder "12.345.678": ein bis drei Ziffern, dann Gruppen aus Punkt und drei Ziffern.
// Eine führende Null gibt es dort nicht: "0.025" ist ein Dezimalpunkt, keine 25.
bool istTausendergruppe(std::string_view zahl) {
    const std::size_t erster = zahl.find('.');
    if (erster == 0 || erster > 3 || zahl[0] == '0') {
        return false;
    }
    for (std::size_t i = erster; i < zahl.size(); i += 4) {
        if (zahl[i] != '.' || i + 3 >= zahl.size() ||
            !(istZiffer(zahl[i + 1]) && istZiffer(zahl[i + 2]) && istZiffer(zahl[i + 3]))) {
            return false;
        }
    }
    return true;
}

} // namespace

bool hatDezimalpunkt(std::string_view getippt) {
    // Jede Folge aus Ziffern und Punkten für sich, ohne einen Punkt am Ende ("4." ist ein
    // Satzende).
    for (std::size_t i = 0; i < getippt.size();) {
        std::size_t ende = i;
        while (ende < getippt.size() && (istZiffer(getippt[ende]) || getippt[ende] == '.')) {
            ++ende;
        }
        if (ende == i) {
            ++i;
            continue;
        }
        std::string_view zahl = getippt.substr(i, ende - i);
        while (!zahl.empty() && zahl.back() == '.') {
            zahl.remove_suffix(1);
        }
        if (zahl.find('.') != std::string_view::npos && !istTausendergruppe(zahl)) {
            return true;
        }
        i = ende;
    }
    return false;
}

bool hatMehrereZahlen(std::string_view getippt) {
    bool zahl = false;
    bool getrennt = false;
    // Gelesen wie vom Parser: "3⁄4" und "3÷4" sind ein Bruch, keine zwei Zahlen.
    for (const char c : ohneIndizes(mitEinfachenZeichen(getippt))) {
        if (istZiffer(c)) {
            if (zahl && getrennt) {
                return true;
            }
            zahl = true;
            getrennt = false;
        } else if (zahl && std::string_view(" /,-.").find(c) == std::string_view::npos) {
            getrennt = true;
        }
    }
    return false;
}

bool istGemischteZahl(std::string_view getippt) {
    // Auch "−2 1/2" und "minus 2 1/2", die der Parser als -21/2 liest.
    const std::string s = mitEinfachenZeichen(getippt);
    std::size_t i = 0;
    const auto leer = [&] {
        const std::size_t von = i;
        while (i < s.size() && s[i] == ' ') {
            ++i;
        }
        return i > von;
    };
    const auto ziffern = [&] {
        const std::size_t von = i;
        while (i < s.size() && istZiffer(s[i])) {
            ++i;
        }
        return i > von;
    };
    leer();
    if (i < s.size() && s[i] == '-') {
        ++i;
        leer();
    }
    if (!ziffern() || !leer() || !ziffern()) {
        return false;
    }
    leer();
    if (i >= s.size() || s[i] != '/') {
        return false;
    }
    ++i;
    leer();
    if (!ziffern()) {
        return false;
    }
    leer();
    return i == s.size();
}

bool wirdVerlesen(std::string_view getippt) {
    return hatDezimalpunkt(getippt) || hatMehrereZahlen(getippt) || istGemischteZahl(getippt);
}

bool istRichtig(std::string_view antwort, const Karte& karte) {
    return istGleich(antwort, karte.antwort) ||
           (karte.auchRichtig && istGleich(antwort, std::to_string(*karte.auchRichtig)));
}

} // namespace numora
