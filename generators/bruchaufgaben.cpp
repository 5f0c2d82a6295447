// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/bruchaufgaben.h"

#include "core/ganz128.h"
#include "core/zufall.h"
#include "generators/formatierung.h"

#include <algorithm>
#include <array>
#include <string>

namespace numora {

namespace {

// Die Erklärung rechnet Zähler- und Nennerprodukte mit 128 Bit: Produkte zweier
// 64-Bit-Zahlen passen immer, auch wenn jemand riesige Brüche übergibt.
std::string zahl(i128 x) {
    return text128(x);
}

// Wie bruch2String, aber für ungekürzte Zwischenbrüche aus 128-Bit-Werten.
std::string bruchText(i128 z, i128 n) {
    return n != 1 ? zahl(z) + "/" + zahl(n) : zahl(z);
}

// Der Wert der Rechenart op ("*", "+", "-" oder ":") mit zwei Brüchen.
Bruch ergebnis(std::string_view op, const Bruch& b1, const Bruch& b2) {
    if (op == "+") {
        return b1 + b2;
    }
    if (op == "-") {
        return b1 - b2;
    }
    return op == ":" ? b1 * b2.kehrwert() : b1 * b2;
}

std::string kuerzung(i128 z, i128 n, const Bruch& ergebnis) {
    const i128 g = static_cast<i128>(ggT128(z, n));
    if (g != 1) {
        return "Kürzen mit " + zahl(g) + " ergibt " + ergebnis.bruch2String();
    }
    if (n < 0) {
        // Teilen durch einen negativen Bruch: Sonst endete der Rechenweg bei "2 / -1", die
        // Antwort aber heißt -2.
        return "Nicht weiter zu kürzen; das Minuszeichen gehört in den Zähler: " +
               ergebnis.bruch2String();
    }
    return "Nicht weiter zu kürzen.";
}

std::string summenHilfe(bool summe, const std::string& kopf, const Bruch& b1, const Bruch& b2) {
    const i128 z1 = b1.zl;
    const i128 d1 = b1.nn;
    const i128 z2 = b2.zl;
    const i128 d2 = b2.nn;
    const std::string zeichen = summe ? " + " : " - ";
    const Bruch ergebnis = summe ? b1 + b2 : b1 - b2;
    if (d1 == d2) {
        std::string s = kopf + " = (" + zahl(z1) + zeichen + zahl(z2) + ") / " + zahl(d1) +
                        " \n = " + ergebnis.bruch2String();
        if (!summe) {
            s += "\n Ergebnis: " + ergebnis.redux().bruch2String();
        }
        return s;
    }
    // Kleinstes gemeinsames Vielfaches; beide Quotienten gehen auf, weil g beide Nenner teilt.
    const i128 k = d1 / static_cast<i128>(ggT128(d1, d2)) * d2;
    const i128 f1 = k / d1;
    const i128 f2 = k / d2;
    std::string s = "Das kleinste gemeinsame Vielfache der Nenner " + zahl(d1) + " und " +
                    zahl(d2) + " ist " + zahl(k) +
                    " . Die Brüche werden durch Erweitern gleichnamig gemacht: \n";
    if (k != d1) {
        s += b1.bruch2String() + " wird mit " + zahl(f1) + " erweitert \n ";
    }
    if (k != d2) {
        s += b2.bruch2String() + " wird mit " + zahl(f2) + " erweitert \n";
    }
    // Die erweiterten Brüche haben denselben Wert wie b1 und b2, also auch dieselbe Summe.
    s += kopf + " = " + bruchText(z1 * f1, d1 * f1) + zeichen + bruchText(z2 * f2, d2 * f2) +
         " \n = " + ergebnis.bruch2String() + (summe ? "\n " : "\n");
    return s;
}

} // namespace

Bruch genPosBruch(std::int64_t mx) {
    // Unter 3 gäbe es zum Zähler 2 keinen teilerfremden Nenner, die Schleife endete nie.
    const std::int64_t grenze = std::max<std::int64_t>(mx, 3);
    const std::int64_t zaehler = zufallszahl(2, grenze);
    std::int64_t nenner = zufallszahl(2, grenze);
    // Endet: Zu jedem Zähler gibt es im Bereich einen teilerfremden Nenner (3 zum Zähler 2,
    // sonst Zähler - 1), und jede Ziehung trifft ihn mit fester positiver Wahrscheinlichkeit.
    while (ggT(zaehler, nenner) >= 2) {
        nenner = zufallszahl(2, grenze);
    }
    return Bruch(zaehler, nenner);
}

Aufgabe genBruchaufgabe0() {
    const Bruch b = genPosBruch(9);
    const std::int64_t k = zufallszahl(2, 10);
    const std::string zl = std::to_string(k * b.zl);
    const std::string nn = std::to_string(k * b.nn);
    const std::string erweitert = zl + "/" + nn;
    const std::string ks = std::to_string(k);
    Aufgabe a;
    a.text = "Mit welcher Zahl muss der Bruch " + erweitert +
             " gekürzt werden, damit sich das Ergebnis nicht weiter reduzieren lässt?";
    a.loesung = k;
    a.teilerGesucht = true;
    a.hilfe = zl + " = " + ks + malT() + std::to_string(b.zl) + ",  " + nn + " = " + ks + malT() +
              std::to_string(b.nn) + ",\n also wird " + erweitert + " mit " + ks +
              " gekürzt\n Ergebnis: " + b.bruch2String() + " ";
    return a;
}

BruchAufgabe genBruchaufgabe(std::int64_t grad) {
    if (grad == 2) {
        return genBruchaufgabe1(2);
    }
    return genBruchaufgabe3();
}

BruchAufgabe genBruchaufgabe1(std::int64_t grad) {
    static constexpr std::array<std::string_view, 4> ops{"*", "+", "-", ":"};
    const Bruch b1 = genPosBruch(6);
    Bruch b2 = genPosBruch(6);
    if (grad < 3) {
        // Endet: Der kleinste mögliche Wert von b1 ist 2/5, und genPosBruch(9) kann 2/9
        // liefern, das kleiner ist als jedes b1.
        while (!(b1 - b2).istPositiv()) {
            b2 = genPosBruch(9);
        }
    } else {
        // Endet: b1 hat einen Nenner bis 6, genPosBruch(9) liefert gekürzt auch Nenner 7 bis 9.
        while (b1.istGleich(b2)) {
            b2 = genPosBruch(9);
        }
    }
    // Andere Grade als 2 und 3 bleiben im Bereich der Operatorliste.
    const std::int64_t r = zufallszahl(0, std::clamp<std::int64_t>(grad, 0, 3));
    const std::string symbol = r == 0 ? std::string(mal) : std::string(ops[r]);
    BruchAufgabe a;
    a.text = b1.bruch2String() + " " + symbol + " " + b2.bruch2String();
    a.loesung = ergebnis(ops[r], b1, b2);
    a.hilfe = bruchHilf(ops[r], b1, b2);
    return a;
}

BruchAufgabe genBruchaufgabe3() {
    static constexpr std::array<std::string_view, 5> ops{"*", "*", "+", "-", ":"};
    const BruchAufgabe a1 = genBruchaufgabe1(3);
    const BruchAufgabe a2 = genBruchaufgabe1(3);
    const Bruch& e1 = a1.loesung;
    const Bruch& e2 = a2.loesung;
    const std::int64_t r = zufallszahl(0, 4);
    const std::string symbol = r <= 1 ? std::string(mal) : std::string(ops[r]);
    BruchAufgabe a;
    a.text = "(" + a1.text + ") " + symbol + " (" + a2.text + ")";
    // Geteilt wird nie durch 0: Die beiden Brüche einer Differenz sind auf Grad 3 verschieden.
    a.loesung = ergebnis(ops[r], e1, e2);
    a.hilfe = " " + a1.hilfe + "\n" + a2.hilfe + "\n Zu berechnen ist also :\n " +
              e1.bruch2String() + " " + symbol + " " + e2.bruch2String() + " \n\n" +
              bruchHilf(ops[r], e1, e2);
    return a;
}

std::string bruchHilf(std::string_view op, const Bruch& b1, const Bruch& b2) {
    // Ein Nenner 0 ist keine Zahl; dafür gibt es keine Rechnung zu erklären.
    if (b1.nn == 0 || b2.nn == 0) {
        return {};
    }
    const i128 z1 = b1.zl;
    const i128 d1 = b1.nn;
    const i128 z2 = b2.zl;
    const i128 d2 = b2.nn;
    const std::string kopf =
        b1.bruch2String() + " " + std::string(op) + " " + b2.bruch2String() + " ";
    if (op == "*") {
        const i128 z = z1 * z2;
        const i128 n = d1 * d2;
        return kopf + " = (" + zahl(z1) + malT() + zahl(z2) + ") / (" + zahl(d1) + malT() +
               zahl(d2) + ") \n = " + zahl(z) + " / " + zahl(n) + "  \n " + kuerzung(z, n, b1 * b2);
    }
    if (op == ":" || op == "/") {
        const i128 z = z1 * d2;
        const i128 n = d1 * z2;
        return kopf + " = " + b1.bruch2String() + malT() + b2.kehrwert().bruch2String() +
               " \n = (" + zahl(z1) + malT() + zahl(d2) + ") / (" + zahl(d1) + malT() + zahl(z2) +
               ") \n = " + zahl(z) + " / " + zahl(n) + "  \n " + kuerzung(z, n, b1 / b2);
    }
    if (op == "+" || op == "-") {
        return summenHilfe(op == "+", kopf, b1, b2);
    }
    return {};
}

} // namespace numora
