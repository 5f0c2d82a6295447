// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/qgleichungen.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace numora {

namespace {

struct Bereich {
    std::int64_t von;
    std::int64_t bis;
};

// Level 1 nur positive Lösungen, danach auch negative und 0.
Bereich loesungsBereich(std::int64_t grad) {
    if (grad == 1) {
        return {1, 10};
    }
    if (grad == 2) {
        return {-10, 10};
    }
    return {-16, 16};
}

// Die vorangestellte Gleichung aus den (mit dem Leitfaktor multiplizierten) Koeffizienten.
// Ein negatives Absolutglied steht rechts vom Gleichheitszeichen.
std::string gleichungsText(const std::string& quadratTerm, std::int64_t p, std::int64_t q) {
    std::string links = quadratTerm;
    std::string rechts = " = ";
    if (p != 0) {
        links += " " + koeff2String(p) + "x";
    }
    if (q > 0) {
        links += " + " + zahlText(q);
    } else if (q < 0) {
        rechts += zahlText(-q);
    }
    if (rechts == " = ") {
        rechts = " = 0";
    }
    return links + rechts;
}

} // namespace

std::string dezimalText(double wert) {
    // Die Festkommadarstellung des größten double hat gut 300 Stellen.
    char puffer[400];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed);
    if (fehler != std::errc{}) {
        return {};
    }
    std::string text(puffer, ende);
    // Mit Dezimalkomma, wie der Spieler es tippen muss: "2.5" läse das Programm als 25.
    const std::size_t punkt = text.find('.');
    if (punkt != std::string::npos) {
        text[punkt] = ',';
    } else if (std::isfinite(wert)) {
        text += ",0";
    }
    return text;
}

Aufgabe genQGleichung(std::int64_t grad) {
    const auto [von, bis] = loesungsBereich(grad);
    const std::int64_t x1 = zufallszahl(von, bis);
    std::int64_t x2 = zufallszahl(von, bis);
    // Endet: der Bereich hat mindestens zehn Werte, nur einer wird verworfen.
    while (x2 == x1) {
        x2 = zufallszahl(von, bis);
    }

    // Normalform x² + px + q = 0 mit den Lösungen x1 und x2.
    const std::int64_t p = -x1 - x2;
    const std::int64_t q = x1 * x2;

    // Nur Level 3 zeigt die Gleichung mit einem Leitfaktor 2 oder 3, die Erklärung bleibt
    // bei der Normalform.
    std::int64_t faktor = 1;
    std::string quadratTerm = "x²";
    if (grad >= 3) {
        faktor = zufallszahl(1, 3);
        if (faktor > 1) {
            quadratTerm = zahlText(faktor) + "x²";
        }
    }
    const std::string gleichung = gleichungsText(quadratTerm, faktor * p, faktor * q);

    const double pd = static_cast<double>(p);
    const double diskriminante = pd * pd / 4 - static_cast<double>(q);
    std::string hilfe = "In der Normalform x² + px + q = 0 ist hier p = " + zahlText(p) +
                        " und q = " + zahlText(q) +
                        ". Falls man nicht x1 und x2 mit x1 + x2 = " + zahlText(-p) +
                        " und x1 * x2 = " + zahlText(q) +
                        " errät,\n ist die schematische Lösung: Die Diskriminante D ist (p/2)² - "
                        "q = " +
                        dezimalText(diskriminante) + ",";

    // Für p = 0 ergibt das -0.0; so steht es auch in der Erklärung.
    const std::string minusPHalbe = dezimalText(-pd / 2);
    const std::string wurzel = dezimalText(std::sqrt(diskriminante));

    std::string vorspann;
    std::int64_t antwort = 0;
    if (zufallszahl(1, 2) == 2) {
        antwort = x1 > x2 ? x1 : x2;
        vorspann = "Was ist die größere der beiden Lösungen folgender Gleichung ";
        hilfe += " die gesuchte größere Lösung also -p/2 + √D = " + minusPHalbe + " + " + wurzel +
                 " = " + zahlText(antwort);
    } else {
        antwort = x1 < x2 ? x1 : x2;
        vorspann = "Was ist die kleinere der beiden Lösungen folgender Gleichung ";
        hilfe += " die gesuchte kleinere Lösung also -p/2 - √D = " + minusPHalbe + " - " + wurzel +
                 " = " + zahlText(antwort);
    }

    return {vorspann + "\n\n" + std::string(31, ' ') + gleichung, antwort, hilfe,
            antwort == x1 ? x2 : x1};
}

} // namespace numora
