// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/grundrechenarten.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <initializer_list>
#include <string>

namespace numora {

namespace {

// Jeder Operand ist mindestens 2: nie 0, nie 1.
std::int64_t zZahl(std::int64_t bis) {
    return zufallszahl(2, bis);
}

// Zehner und Einer getrennt addieren; zwei Einer werden über den Zehner ergänzt.
std::string summenHilfe(std::int64_t a, std::int64_t b) {
    std::string t = zahlText(a) + " + " + zahlText(b);
    const std::int64_t zehner = a / 10 * 10 + b / 10 * 10;
    const std::int64_t einer = a % 10 + b % 10;
    if (zehner == 0 && a + b > 10) {
        const std::int64_t bisZehn = 10 - a;
        t += "\n = " + zahlText(a) + " + " + zahlText(bisZehn) + " + " + zahlText(b - bisZehn) +
             "\n = 10 + " + zahlText(a + b - 10);
    } else if (zehner != 0) {
        std::string teile;
        int anzahl = 0;
        for (const std::int64_t teil : {a / 10 * 10, b / 10 * 10, a % 10, b % 10}) {
            if (teil != 0) {
                teile += (anzahl++ == 0 ? "" : " + ") + zahlText(teil);
            }
        }
        // Mit nur zwei Teilen stünde wieder die Aufgabe selbst da.
        if (anzahl > 2) {
            t += "\n = " + teile + "\n = " + zahlText(zehner) + " + " + zahlText(einer);
        }
    }
    return t + "\n = " + zahlText(a + b);
}

// Erst die Zehner, dann die Einer abziehen; Einer über den Zehner hinweg in zwei Schritten.
std::string differenzHilfe(std::int64_t m, std::int64_t b) {
    std::string t = zahlText(m) + " - " + zahlText(b);
    const std::int64_t zehner = b / 10 * 10;
    const std::int64_t einer = b % 10;
    const std::int64_t einerM = m % 10;
    if (zehner != 0 && einer != 0) {
        t += "\n = " + zahlText(m) + " - " + zahlText(zehner) + " - " + zahlText(einer) +
             "\n = " + zahlText(m - zehner) + " - " + zahlText(einer);
    } else if (zehner == 0 && einerM != 0 && b > einerM) {
        t += "\n = " + zahlText(m) + " - " + zahlText(einerM) + " - " + zahlText(b - einerM) +
             "\n = " + zahlText(m - einerM) + " - " + zahlText(b - einerM);
    }
    return t + "\n = " + zahlText(m - b);
}

// Ein Faktor wird über ein bekanntes Produkt mit 5 oder 10 zerlegt: 6 und 7 als 5 + k,
// 8 und 9 als 10 - k, 11 bis 16 als 10 + k.
struct Zerlegung {
    std::int64_t basis;
    std::int64_t rest; // mit Vorzeichen
};

bool zerlegbar(std::int64_t f) {
    return (f >= 6 && f <= 9) || (f >= 11 && f <= 16);
}

Zerlegung zerlege(std::int64_t f) {
    if (f <= 7) {
        return {5, f - 5};
    }
    return {10, f - 10};
}

std::string produktHilfe(std::int64_t a, std::int64_t b) {
    std::string t = zahlText(a) + malT() + zahlText(b);
    // Mal 10 ist selbst das bekannte Produkt.
    const bool malZehn = a == 10 || b == 10;
    if (!malZehn && (zerlegbar(b) || zerlegbar(a))) {
        // Zerlegt wird der Faktor, der näher an seinem bekannten Produkt liegt (9 · 7 über 10 · 7).
        const auto abstand = [](std::int64_t f) {
            const std::int64_t r = zerlege(f).rest;
            return zerlegbar(f) ? (r < 0 ? -r : r) : 99;
        };
        const bool zweiter = abstand(b) <= abstand(a);
        const Zerlegung z = zerlege(zweiter ? b : a);
        const std::int64_t fest = zweiter ? a : b;
        const auto produkt = [&](std::int64_t k) {
            return zweiter ? zahlText(fest) + malT() + zahlText(k)
                           : zahlText(k) + malT() + zahlText(fest);
        };
        const std::string op = z.rest < 0 ? " - " : " + ";
        const std::int64_t rest = z.rest < 0 ? -z.rest : z.rest;
        t += "\n = " + produkt(z.basis) + op + produkt(rest) + "\n = " + zahlText(fest * z.basis) +
             op + zahlText(fest * rest);
    } else if (!malZehn) {
        // Beide Faktoren höchstens 5: als Summe gleicher Summanden.
        t += "\n = " + zahlText(b);
        for (std::int64_t i = 1; i < a; ++i) {
            t += " + " + zahlText(b);
        }
    }
    return t + "\n = " + zahlText(a * b);
}

// Die Division über das passende Produkt des Einmaleins.
std::string quotientenHilfe(std::int64_t m, std::int64_t b) {
    return zahlText(m) + " / " + zahlText(b) + ": Welche Zahl mal " + zahlText(b) + " ergibt " +
           zahlText(m) + "?\n " + zahlText(m / b) + malT() + zahlText(b) + " = " + zahlText(m) +
           "\n also " + zahlText(m) + " / " + zahlText(b) + " = " + zahlText(m / b);
}

Aufgabe stufe1(std::int64_t op) {
    if (op == 2) {
        const std::int64_t a = zZahl(30);
        const std::int64_t b = zZahl(9);
        return {"   " + zahlText(a) + " + " + zahlText(b), a + b, summenHilfe(a, b)};
    }
    const std::int64_t a = zZahl(9);
    const std::int64_t b = zZahl(9);
    return {"   " + zahlText(a) + " * " + zahlText(b) + " ", a * b, produktHilfe(a, b)};
}

// Differenzen und Quotienten werden rückwärts aus ihrem Ergebnis gebaut.
Aufgabe stufe2(std::int64_t op) {
    switch (op) {
    case 2: {
        const std::int64_t a = zZahl(20);
        const std::int64_t b = zZahl(15);
        return {"   " + zahlText(a) + " + " + zahlText(b), a + b, summenHilfe(a, b)};
    }
    case 3: {
        const std::int64_t a = zZahl(20);
        const std::int64_t b = zZahl(15);
        return {"   " + zahlText(a + b) + " - " + zahlText(b), a, differenzHilfe(a + b, b)};
    }
    case 4: {
        const std::int64_t a = zZahl(9);
        const std::int64_t b = zZahl(16);
        return {"   " + zahlText(a) + " * " + zahlText(b), a * b, produktHilfe(a, b)};
    }
    default: {
        const std::int64_t a = zZahl(9);
        const std::int64_t b = zZahl(11);
        return {"   " + zahlText(a * b) + " / " + zahlText(b), a, quotientenHilfe(a * b, b)};
    }
    }
}

Aufgabe stufe3(std::int64_t op) {
    const std::int64_t a = zZahl(30);
    const std::int64_t b = zZahl(5);
    const std::int64_t c = zZahl(12);
    const std::int64_t d = zZahl(9);
    const std::int64_t summe = b + d;
    const std::string m(mal);
    const std::string mal_ = " " + m + " ";
    switch (op) {
    case 2:
        return {"   " + zahlText(a) + " + " + zahlText(c) + mal_ + "(" + zahlText(b) + " + " +
                    zahlText(d) + ")",
                a + c * summe,
                "   " + zahlText(a) + " + " + zahlText(c) + mal_ + "(" + zahlText(b) + " + " +
                    zahlText(d) + ")\n =  " + zahlText(a) + " + " + zahlText(c) + mal_ +
                    zahlText(summe) + "\n =  " + zahlText(a) + " + " + zahlText(c * summe) +
                    "\n = " + zahlText(a + c * summe) + " "};
    case 3:
        return {"   " + zahlText(a) + " + " + zahlText(c) + mal_ + "(" + zahlText(summe) + " - " +
                    zahlText(d) + ")",
                a + c * b,
                zahlText(a) + " + " + zahlText(c) + mal_ + "(" + zahlText(summe) + " - " +
                    zahlText(d) + ")\n = " + zahlText(a) + " + " + zahlText(c) + mal_ +
                    zahlText(b) + " \n = " + zahlText(a) + " + " + zahlText(c * b) + " = " +
                    zahlText(a + c * b)};
    case 4: {
        const std::int64_t w = a + c * summe;
        return {"   " + zahlText(w) + " - " + zahlText(c) + mal_ + "(" + zahlText(b) + " + " +
                    zahlText(d) + ")",
                a,
                " " + zahlText(w) + " - " + zahlText(c) + mal_ + "(" + zahlText(b) + " + " +
                    zahlText(d) + ")\n = " + zahlText(w) + " - " + zahlText(c) + mal_ +
                    zahlText(summe) + " \n = " + zahlText(w) + " - " + zahlText(c * summe) + " = " +
                    zahlText(a)};
    }
    default: {
        const std::int64_t w = a + c * b;
        return {"   " + zahlText(w) + " - " + zahlText(c) + mal_ + "(" + zahlText(summe) + " - " +
                    zahlText(d) + ")",
                a,
                " " + zahlText(w) + " - " + zahlText(c) + mal_ + "(" + zahlText(summe) + " - " +
                    zahlText(d) + ") \n = " + zahlText(w) + " - " + zahlText(c) + mal_ +
                    zahlText(b) + " \n = " + zahlText(w) + " - " + zahlText(c * b) + " = " +
                    zahlText(a)};
    }
    }
}

} // namespace

Aufgabe grundRechenarten(std::int64_t level) {
    const std::int64_t op = zZahl(5);
    return level == 1 ? stufe1(op) : level == 2 ? stufe2(op) : stufe3(op);
}

} // namespace numora
