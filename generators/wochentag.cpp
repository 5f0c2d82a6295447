// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/wochentag.h"

#include "core/uhr.h"
#include "core/zahltext.h"
#include "core/zufall.h"
#include "generators/formatierung.h"
#include "generators/restklassen.h"

#include <string>
#include <tuple>

namespace numora {

const std::array<std::int64_t, 13> monate = {99, 1, 4, 4, 0, 2, 5, 0, 3, 6, 1, 4, 6};
const std::array<std::string_view, 7> wTage = {"Samstag",  "Sonntag",    "Montag", "Dienstag",
                                               "Mittwoch", "Donnerstag", "Freitag"};

namespace {

struct Korrektur {
    std::string text;
    std::int64_t wert;
};

Korrektur jahrhundertKorrektur(std::int64_t jahr) {
    switch (jahr / 100) {
    case 20:
        return {" + 6", 6};
    case 18:
        return {" + 2", 2};
    case 21:
        return {" + 4", 4};
    default:
        return {"", 0};
    }
}

bool istSchaltjahr(std::int64_t jahr) {
    return jahr % 4 == 0 && (jahr % 100 != 0 || jahr % 400 == 0);
}

// Die Monatskennzahlen zählen Januar und Februar wie im Vorjahr; in Schaltjahren
// liegen sie deshalb einen Tag zu spät.
bool schaltjahrKorrektur(std::int64_t monat, std::int64_t jahr) {
    return monat <= 2 && istSchaltjahr(jahr);
}

std::int64_t tagZiehen(std::int64_t monat) {
    return zufallszahl(1, monat == 2 ? 28 : 30);
}

std::string frageText(std::int64_t relation, const std::string& datum) {
    std::string t = "     Was für ein Wochentag ";
    if (relation < 0) {
        t += "war der " + datum + " ?";
    } else if (relation == 0) {
        t += "ist der " + datum + " ?";
    } else {
        t += "wird der " + datum + " sein ?";
    }
    return t + "\n\n      So = 1,  Mo = 2,  Di = 3,  Mi = 4,  Do = 5,  Fr = 6,  Sa = 0";
}

std::string erklaerung(std::int64_t tag, std::int64_t monat, std::int64_t jahr,
                       std::int64_t antwort) {
    const Korrektur k = jahrhundertKorrektur(jahr);
    const std::int64_t r = rest(jahr, 100);
    const std::int64_t code = monate[static_cast<std::size_t>(monat)];
    const std::int64_t summe = r + r / 4 + code + tag + k.wert;
    std::string t = "Codezahl für den " + zahlText(monat) + ". Monat ist " + zahlText(code) + "\n" +
                    zahlText(r) + " + [" + zahlText(r) + "/4] + " + zahlText(code) + " + " +
                    zahlText(tag) + k.text + " = " + zahlText(summe);
    std::int64_t geteilt = summe;
    if (schaltjahrKorrektur(monat, jahr)) {
        geteilt = summe - 1;
        // Ein eigener Schritt, keine Fortsetzung der Kette: "= 9 - 1" läse sich als 9 = 8.
        t += "\nJanuar oder Februar eines Schaltjahres, also eins weniger: " + zahlText(summe) +
             " - 1 = " + zahlText(geteilt);
    }
    t += "\n = 7 " + std::string(mal) + " " + zahlText(geteilt / 7) + " + " + zahlText(antwort) +
         " \n";
    return t + "Die richtige Antwort wäre also gewesen: " + zahlText(antwort) + " (" +
           std::string(wTage[static_cast<std::size_t>(antwort)]) + ")";
}

} // namespace

std::int64_t wochentag(std::int64_t d, std::int64_t m, std::int64_t y) {
    // Außerhalb dieser Bereiche gibt es weder Kennzahl noch Jahrhundertkorrektur.
    if (y < 1800 || y > 2199 || m < 1 || m > 12 || d < 1 || d > 31) {
        return 0;
    }
    const std::int64_t r = rest(y, 100);
    std::int64_t summe = d + monate[static_cast<std::size_t>(m)] + r + r / 4;
    summe += jahrhundertKorrektur(y).wert;
    if (schaltjahrKorrektur(m, y)) {
        summe -= 1;
    }
    return rest(summe, 7);
}

std::vector<std::string> gehackterString2Stringfeld(std::string_view s) {
    std::vector<std::string> feld;
    std::string stueck;
    for (const char c : s) {
        if (c == '.') {
            if (!stueck.empty()) {
                feld.push_back(stueck);
            }
            stueck.clear();
        } else {
            stueck += c;
        }
    }
    feld.push_back(stueck);
    return feld;
}

Datum stringFeld2Datum(const std::vector<std::string>& s) {
    if (s.size() != 3) {
        return {};
    }
    std::array<std::int64_t, 3> werte{};
    for (std::size_t i = 0; i < 3; ++i) {
        if (!leseGanzzahl(s[i], werte[i])) {
            return {};
        }
    }
    return {werte[0], werte[1], werte[2], true};
}

Zeitvergleich zeitvergleich(std::string_view refDatum) {
    const Datum ref = stringFeld2Datum(gehackterString2Stringfeld(refDatum));
    const Datum heute = stringFeld2Datum(gehackterString2Stringfeld(datumText(uhr().lokal())));
    if (!ref.gueltig) {
        return {1, false};
    }
    // Lexikografisch statt über jahr·10000 + monat·100 + tag: gleiche Reihenfolge für
    // echte Daten, aber kein Überlauf bei beliebig großen Zahlen im Text.
    const auto a = std::tie(ref.jahr, ref.monat, ref.tag);
    const auto b = std::tie(heute.jahr, heute.monat, heute.tag);
    return {a < b ? -1 : a == b ? 0 : 1, true};
}

Aufgabe genWochentagRaten(std::int64_t level) {
    std::int64_t monat = zufallszahl(1, 12);
    std::int64_t tag = tagZiehen(monat);
    std::int64_t jahr = zufallszahl(2001, 2099);
    if (level == 2) {
        jahr = zufallszahl(1901, 2099);
    } else if (level >= 3) {
        jahr = zufallszahl(1801, 2199);
    }
    if (monat <= 2 && jahr % 100 == 0) {
        // Januar + 1 wäre wieder Februar: so lange ziehen, bis der Monat passt. Den Tag neu
        // ziehen, damit kein 30. Februar entsteht.
        std::int64_t neu = monat;
        while (neu <= 2) {
            neu = monat + zufallszahl(1, 10);
        }
        monat = neu;
        tag = tagZiehen(monat);
    }
    const std::int64_t antwort = wochentag(tag, monat, jahr);
    const std::string datum = zahlText(tag) + "." + zahlText(monat) + "." + zahlText(jahr);
    const Zeitvergleich relation = zeitvergleich(datum);
    // Die Kennzahl ist ein Rest modulo 7.
    return {frageText(relation.relation, datum), antwort, erklaerung(tag, monat, jahr, antwort),
            std::nullopt, 7};
}

} // namespace numora
