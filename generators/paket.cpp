// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/paket.h"

#include "core/zufall.h"
#include "generators/binomi.h"
#include "generators/bruchaufgaben.h"
#include "generators/formatierung.h"
#include "generators/geraden.h"
#include "generators/grundrechenarten.h"
#include "generators/lingleichungen.h"
#include "generators/proportionen.h"
#include "generators/qgleichungen.h"
#include "generators/restklassen.h"
#include "generators/wochentag.h"

#include <algorithm>
#include <string>
#include <utility>

namespace numora {

namespace {

const std::string gleichungsVorspann =
    "Bestimme die Lösung der Gleichung \n \n" + std::string(46, ' ');

Aufgabe binomLuecke() {
    const std::int64_t leerBei = zufallszahl(0, 4);
    Aufgabe a = genBinMitLeer(leerBei);
    a.text = "Welche Zahl ist für " + std::string(blende) + " in der Gleichung " + a.text +
             " \n einzusetzen?";
    return a;
}

Aufgabe binomErgaenzung() {
    Aufgabe a = binErgaenzung();
    a.text = "Welche Zahl ist für " + std::string(blende) + " im Term" + std::string(13, ' ') +
             a.text + " \n einzusetzen, um ein vollständiges Quadrat zu erhalten?";
    return a;
}

// Level 2 kennt zwei Fragearten. Die Art wird aus 1..3 gezogen; die 3 gehört zu keiner
// und wird neu gezogen, so sind beide Arten gleich häufig.
Aufgabe binomStufe2() {
    std::int64_t r = 0;
    do {
        r = zufallszahl(1, 3);
    } while (r == 3);
    return r == 1 ? binomLuecke() : binomErgaenzung();
}

// Minimum und Maximum eines quadratischen Ausdrucks, durch quadratische Ergänzung.
Aufgabe extremwertAufgabe() {
    const std::int64_t k = zufallszahl(1, 4);
    const std::int64_t a = zufallszahl(2, 8);
    const std::int64_t b = zufallszahl(20, 36);
    const std::string A = zahlText(a);
    const std::string B = zahlText(b);
    const std::string A2 = zahlText(2 * a);
    const std::string AA = zahlText(a * a);
    const std::string AAB = zahlText(a * a + b);
    switch (k) {
    case 1:
        return {"   Für welchen Wert von x wird der Ausdruck x² - " + A2 + "x + " + AAB +
                    " minimal?",
                a,
                "x² - " + A2 + "x + " + AAB + " \n = x² - " + A2 + "x + " + AA + " + " + B +
                    " \n = (x - " + A + ")² + " + B + "\n Der Wert ist also mindestens " + B +
                    " und gleich " + B + " für x = " + A};
    case 2:
        return {"   Für welchen Wert von x wird der Ausdruck " + A2 + "x - x² + " + B + " maximal?",
                a,
                A2 + "x - x² + " + B + " \n = 2 * " + A + "x - x² - " + AA + " + " + AA + " + " +
                    B + "  \n = -(x² - 2 * " + A + "x + " + AA + ") + " + AA + " + " + B +
                    " \n = -(x - " + A + ")² + " + AAB + " \n Der Wert ist also höchstens " + AAB +
                    " und beträgt " + AAB + " für x = " + A};
    case 3:
        return {"   Was ist der größte Wert, den der Ausdruck " + A2 + "x - x² + " + B +
                    "  annehmen kann?",
                a * a + b,
                A2 + "x - x² + " + B + " \n = " + A2 + "x - x²  - " + AA + " + " + AA + " + " + B +
                    "\n = -(x² - 2 * " + A + "x + " + AA + ") + " + AA + " + " + B +
                    " \n = -(x - " + A + ")² + " + AAB + " \n Der Wert ist also höchstens " + AAB +
                    " und beträgt " + AAB + " für x = " + A};
    default:
        return {"   Was ist der kleinste Wert, den der Ausdruck x² - " + A2 + "x + " + AAB +
                    " annehmen kann? ",
                b,
                "x² - " + A2 + "x + " + AAB + " \n = x² - 2 *" + A + "x + " + AA + " + " + B +
                    " \n = (x - " + A + ")² + " + B + "\n Der Wert ist also mindestens " + B +
                    " und gleich " + B + " für x = " + A};
    }
}

Karte karte(thema bereich, const Aufgabe& a, std::string frage) {
    Karte k;
    k.bereich = bereich;
    k.frage = std::move(frage);
    k.antwort = std::to_string(a.loesung);
    k.hilfe = a.hilfe;
    k.andererWert = a.andererWert;
    k.modul = a.modul;
    k.teilerGesucht = a.teilerGesucht;
    k.auchRichtig = a.auchRichtig;
    return k;
}

// Die meisten Themen fragen mit dem Text ihrer Aufgabe.
Karte karte(thema bereich, const Aufgabe& a) {
    return karte(bereich, a, a.text);
}

Karte bruchKarte(const BruchAufgabe& a) {
    Karte k;
    k.bereich = thema::bruRe;
    k.frage = "Welcher Bruch ist der Wert des Rechenausdrucks " + a.text + " ?";
    k.antwort = a.loesung.bruch2String();
    k.hilfe = a.hilfe;
    return k;
}

Karte einzelKarte(thema bereich, std::int64_t level) {
    switch (bereich) {
    case thema::grundR: {
        const Aufgabe a = grundRechenarten(level);
        return karte(bereich, a, "   Berechne  " + a.text);
    }
    case thema::linGl: {
        const Aufgabe a = level == 1 ? genLing1() : level == 2 ? genLing2() : genLing3();
        return karte(bereich, a, level == 3 ? a.text : gleichungsVorspann + a.text);
    }
    case thema::bruRe:
        return level == 1 ? karte(bereich, genBruchaufgabe0()) : bruchKarte(genBruchaufgabe(level));
    case thema::binFo:
        return karte(bereich, level == 1   ? binomLuecke()
                              : level == 2 ? binomStufe2()
                                           : extremwertAufgabe());
    case thema::geraden:
        return karte(bereich, geradenFrage(level));
    case thema::quadGl:
        return karte(bereich, genQGleichung(level));
    case thema::restKl:
        return karte(bereich, genRestRechnen(level));
    case thema::wTag:
        return karte(bereich, genWochentagRaten(level));
    case thema::prop:
        return karte(bereich, genProp(level));
    case thema::analysis:
        break;
    }
    return {};
}

} // namespace

Karte genKarte(thema bereich, std::int64_t level) {
    if (bereich == thema::analysis || level < 1 || level > 3) {
        return {};
    }
    return einzelKarte(bereich, level);
}

std::vector<Karte> genPaket(thema bereich, std::int64_t level) {
    std::vector<Karte> paket;
    if (bereich == thema::analysis || level < 1 || level > 3) {
        return paket;
    }
    const auto schonGestellt = [&paket](const Karte& k) {
        return std::any_of(paket.begin(), paket.end(),
                           [&k](const Karte& p) { return p.frage == k.frage; });
    };
    for (std::int64_t durchgang = 1; durchgang <= paketGroesse; ++durchgang) {
        Karte k = einzelKarte(bereich, level);
        // Dieselbe Frage zweimal in einer Runde wäre eine geschenkte Antwort. Die Grenze sorgt
        // dafür, dass auch ein Thema mit wenigen verschiedenen Fragen ein Paket bekommt.
        for (int versuch = 0; versuch < hoechsteNeuziehungen && schonGestellt(k); ++versuch) {
            k = einzelKarte(bereich, level);
        }
        paket.push_back(std::move(k));
    }
    return paket;
}

} // namespace numora
