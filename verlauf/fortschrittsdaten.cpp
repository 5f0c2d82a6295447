// SPDX-License-Identifier: GPL-3.0-or-later
#include "verlauf/fortschrittsdaten.h"

#include "core/themen.h"
#include "core/uhr.h"
#include "core/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace numora {

namespace {

std::string themaName(std::int64_t thema) {
    const auto name = angebotName(thema);
    return name ? std::string(*name) : "Thema " + std::to_string(thema);
}

// Eine Nachkommastelle mit deutschem Komma, halbe Zehntel aufgerundet wie in der Schule: 6,25
// wird 6,3 (printf allein rundet hier zur geraden Ziffer, also 6,2). to_chars statt printf,
// denn printf schriebe das Dezimalzeichen der Locale, die Qt beim Start setzt (in ps_AF "٫").
std::string kommazahl(double wert) {
    std::array<char, 400> puffer{};
    const auto [ende, fehler] =
        std::to_chars(puffer.data(), puffer.data() + puffer.size(),
                      std::floor(wert * 10 + 0.5) / 10, std::chars_format::fixed, 1);
    std::string text(puffer.data(), fehler == std::errc() ? ende : puffer.data());
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string rechtsGekuerzt(std::string text) {
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    return text;
}

// Das Spiel rückt Fragen mit Leerzeichen und Leerzeilen in seinem breiten Feld zurecht; in
// der Liste zählt nur der Text, Zeile für Zeile.
std::string ohneEinrueckung(const std::string& frage) {
    std::string text;
    std::size_t anfang = 0;
    while (anfang <= frage.size()) {
        const std::size_t ende = std::min(frage.find('\n', anfang), frage.size());
        const std::string zeile = frage.substr(anfang, ende - anfang);
        const std::size_t erstes = zeile.find_first_not_of(" \t\r");
        if (erstes != std::string::npos) {
            text += (text.empty() ? "" : "\n") + rechtsGekuerzt(zeile.substr(erstes));
        }
        anfang = ende + 1;
    }
    return text;
}

} // namespace

std::vector<TabellenZeile> tabelle(const std::vector<FortschrittZeile>& zeilen) {
    const std::string fehlt = "–";
    std::vector<TabellenZeile> ergebnis;
    for (const FortschrittZeile& z : zeilen) {
        std::string runden = std::to_string(z.runden);
        if (z.uebungsrunden > 0) {
            runden += " + " + std::to_string(z.uebungsrunden) +
                      (z.uebungsrunden == 1 ? " Übung" : " Übungen");
        }
        const std::string bestes = z.besteRichtige
                                       ? std::to_string(*z.besteRichtige) + " richtig in " +
                                             std::to_string(z.besteSekunden.value_or(0)) + " s"
                                       : fehlt;
        ergebnis.push_back({z.thema,
                            z.level,
                            {themaName(z.thema), std::to_string(z.level), runden, bestes,
                             z.schnittLetzteFuenf ? kommazahl(*z.schnittLetzteFuenf) : fehlt,
                             datumText(z.zuletzt)}});
    }
    return ergebnis;
}

Kurve kurve(std::int64_t thema, std::int64_t level, const std::vector<KurvenPunkt>& punkte) {
    // Blöcke gleicher Größe, am Ende ausgerichtet: Der jüngste Punkt ist ein voller Schnitt,
    // nur der älteste darf weniger Runden haben.
    const std::size_t block = (punkte.size() + kurvenPunkteHoechstens - 1) / kurvenPunkteHoechstens;
    Kurve k{themaName(thema) + ", Level " + std::to_string(level) +
                (block > 1 ? ": Richtige im Schnitt je " + std::to_string(block) + " Runden"
                           : ": Richtige je Runde"),
            "Runde",
            {},
            {}};
    for (std::size_t ende = punkte.size(); ende > 0;) {
        const std::size_t anfang = ende > block ? ende - block : 0;
        std::int64_t summe = 0;
        for (std::size_t i = anfang; i < ende; ++i) {
            summe += punkte[i].richtige;
        }
        k.punkte.emplace_back(static_cast<std::int64_t>(ende),
                              static_cast<double>(summe) / static_cast<double>(ende - anfang));
        ende = anfang;
    }
    std::reverse(k.punkte.begin(), k.punkte.end());
    if (punkte.empty()) {
        k.inWorten = "Noch keine Runde.";
        return k;
    }
    // Frühestes und spätestes Datum, nicht das der ersten und letzten Runde: Ging die Uhr
    // zwischendurch falsch, stünde sonst "vom 27.10. bis 1.10." da.
    const auto [erster, letzter] = std::minmax_element(
        punkte.begin(), punkte.end(), [](const auto& a, const auto& b) { return a.ende < b.ende; });
    const std::string von = datumText(erster->ende);
    const std::string bis = datumText(letzter->ende);
    k.achse += von == bis ? " (am " + von + ")" : " (vom " + von + " bis " + bis + ")";
    constexpr std::size_t vorgelesen = 20;
    const std::size_t ab = punkte.size() > vorgelesen ? punkte.size() - vorgelesen : 0;
    k.inWorten = punkte.size() == 1 ? "Richtige in Runde 1:"
                 : ab == 0 ? "Richtige in Runde 1 bis " + std::to_string(punkte.size()) + ":"
                           : "Richtige in den letzten " + std::to_string(vorgelesen) + " von " +
                                 std::to_string(punkte.size()) + " Runden:";
    for (std::size_t i = ab; i < punkte.size(); ++i) {
        k.inWorten += (i == ab ? " " : ", ") + std::to_string(punkte[i].richtige);
    }
    return k;
}

std::string fehlerText(const std::vector<HaeufigerFehler>& fehler) {
    std::string text;
    for (const HaeufigerFehler& f : fehler) {
        if (!text.empty()) {
            text += "\n\n";
        }
        text += std::to_string(f.anzahl) + "-mal falsch:\n" + ohneEinrueckung(f.frage) +
                "\nRichtige Antwort: " + f.richtigeAntwort;
        if (const std::string weg = rechtsGekuerzt(f.hilfe); !weg.empty()) {
            text += "\nRechenweg:\n" + weg;
        }
    }
    return text;
}

namespace {

// Wie im Wörterbuch: Ä wie A, Ö wie O, Ü wie U, ß wie SS; nach Bytes stünde ÖZLEM hinter ZOE.
std::string sortierSchluessel(std::string_view name) {
    static constexpr Ersatz ersatz[] = {{"Ä", "A"}, {"Ö", "O"}, {"Ü", "U"}, {"ß", "SS"}};
    return mitErsatz(name, ersatz);
}

} // namespace

std::vector<std::string> namensAuswahl(std::vector<std::string> namen,
                                       const std::string& aktueller) {
    if (!aktueller.empty() && std::find(namen.begin(), namen.end(), aktueller) == namen.end()) {
        namen.push_back(aktueller);
    }
    std::sort(namen.begin(), namen.end(), [](const std::string& a, const std::string& b) {
        const std::string ka = sortierSchluessel(a);
        const std::string kb = sortierSchluessel(b);
        return ka != kb ? ka < kb : a < b;
    });
    return namen;
}

std::string csvVorschlag(const std::optional<std::string>& spieler) {
    // Ohne Leerzeichen und Punkte, damit der Name in jeder Tabellenkalkulation heil ankommt.
    return "numora-verlauf" + (spieler ? "-" + alsDateiname(*spieler, " .") : "") + ".csv";
}

} // namespace numora
