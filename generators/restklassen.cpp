// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/restklassen.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <array>
#include <string>

namespace numora {

namespace {

constexpr std::array<std::int64_t, 3> moduln = {5, 7, 11};
constexpr std::array<std::int64_t, 5> inverse5 = {0, 1, 3, 2, 4};
constexpr std::array<std::int64_t, 7> inverse7 = {0, 1, 4, 5, 2, 3, 6};
constexpr std::array<std::int64_t, 11> inverse11 = {0, 1, 6, 4, 3, 9, 2, 8, 7, 5, 10};

template <std::size_t N>
std::int64_t nachschlagen(const std::array<std::int64_t, N>& tafel, std::int64_t n) {
    if (n < 0 || n >= static_cast<std::int64_t>(N)) {
        return 0;
    }
    return tafel[static_cast<std::size_t>(n)];
}

Aufgabe divisionMitRest() {
    const std::int64_t d = zufallszahl(1, 2) == 1 ? 4 : 7;
    const std::int64_t n = zufallszahl(19, 99);
    const std::int64_t art = zufallszahl(1, 2);
    const std::int64_t r = rest(n, d);
    const std::int64_t q = (n - r) / d;
    const std::string zerlegung =
        zahlText(n) + " = " + zahlText(q) + " * " + zahlText(d) + " + " + zahlText(r);
    if (art == 1) {
        return {"Welchen Rest lässt " + zahlText(n) + " bei Division durch " + zahlText(d) + "?", r,
                zerlegung + "\nDer gesuchte Rest ist daher " + zahlText(r) + ".", q, d};
    }
    return {"Was ist der ganzzahlige Bestandteil des Quotienten " + zahlText(n) + " / " +
                zahlText(d) + " ?",
            n / d,
            zerlegung + "\nDer gesuchte ganzzahlige Bestandteil von " + zahlText(n) + " / " +
                zahlText(d) + " ist daher " + zahlText(q) + ".",
            r};
}

struct Teil {
    std::string frage;
    std::int64_t loesung;
    std::string hilfe;
};

const std::string malZ(mal);

Teil summe(std::int64_t a, std::int64_t b, std::int64_t m) {
    const std::int64_t r = rest(a + b, m);
    return {zahlText(a) + " + " + zahlText(b), r,
            zahlText(a) + " + " + zahlText(b) + " = " + zahlText(a + b) + " " + mDarst(a + b, m) +
                "\n Ergebnis: " + zahlText(r)};
}

std::string produktFrage(std::int64_t a, std::int64_t b) {
    return zahlText(a) + " " + malZ + " " + zahlText(b);
}

Teil produkt(std::int64_t a, std::int64_t b, std::int64_t m) {
    const std::int64_t r = rest(a * b, m);
    return {produktFrage(a, b), r,
            produktFrage(a, b) + " = " + zahlText(a * b) + mDarst(a * b, m) +
                "\n Ergebnis: " + zahlText(r)};
}

// Die Produktfrage unter op 0 hat ihre eigene Erklärung mit zwei Leerzeichen mehr.
Teil produktVariante(std::int64_t a, std::int64_t b, std::int64_t m) {
    const std::int64_t r = rest(a * b, m);
    return {produktFrage(a, b), r,
            produktFrage(a, b) + " = " + zahlText(a * b) + " " + mDarst(a * b, m) +
                " \n Ergebnis: " + zahlText(r)};
}

Teil negation(std::int64_t a, std::int64_t m) {
    return {"-" + zahlText(a), m - a,
            " -" + zahlText(a) + "  = " + zahlText(m) + " - " + zahlText(a) + " = " +
                zahlText(m - a)};
}

Teil reziprok(std::int64_t a, std::int64_t m) {
    const std::int64_t k = kehrwert(a, m);
    const std::int64_t t = a * k;
    return {"1/" + zahlText(a), k,
            " 1/" + zahlText(a) + "  = " + zahlText(k) + "\n denn " + zahlText(a) + " " + malZ +
                " " + zahlText(k) + " = " + zahlText(t) + "\n = " + zahlText(t / m) + " " + malZ +
                " " + zahlText(m) + " + 1" + "\nErgebnis ist also " + zahlText(k)};
}

Teil division(std::int64_t a, std::int64_t b, std::int64_t m) {
    const std::int64_t i = kehrwert(b, m);
    const std::int64_t r = rest(a * i, m);
    const std::string frage = zahlText(a) + " / " + zahlText(b);
    if (a / b * b == a) {
        return {frage, r, frage + " = " + zahlText(a / b) + "\n (Kleines Einmaleins)"};
    }
    return {frage, r,
            "1/" + zahlText(b) + " = " + zahlText(i) + ", denn \n " + zahlText(b) + " " + malZ +
                " " + zahlText(i) + " = " + zahlText(b * i) + " = " + zahlText(b * i / m) + " " +
                malZ + " " + zahlText(m) + " + 1\n" + zahlText(a) + " * " + zahlText(i) + " = " +
                zahlText(a * i) + " " + mDarst(a * i, m) + "\nErgebnis ist also " + zahlText(r)};
}

Aufgabe moduloRechnen(std::int64_t level, std::int64_t m) {
    const std::string vorspann = "  Berechne modulo " + zahlText(m) + ":      ";
    const std::int64_t op = level >= 3 ? zufallszahl(1, 4) : zufallszahl(0, 3);
    const std::int64_t a = zufallszahl(2, m - 1);
    const std::int64_t b = zufallszahl(2, m - 1);
    Teil t;
    switch (op) {
    case 0: {
        const std::int64_t v = zufallszahl(1, 3);
        t = v == 1 ? summe(a, b, m) : v == 2 ? produktVariante(a, b, m) : negation(a, m);
        break;
    }
    case 1:
        t = summe(a, b, m);
        break;
    case 2:
        t = produkt(a, b, m);
        break;
    case 3:
        t = reziprok(a, m);
        break;
    default:
        t = division(a, b, m);
        break;
    }
    return {vorspann + t.frage, t.loesung, t.hilfe, std::nullopt, m};
}

} // namespace

std::int64_t rest(std::int64_t a, std::int64_t b) {
    // Ohne Divisor gibt es nichts abzuziehen; -1 teilt alles (und a / -1 liefe über).
    if (b == 0) {
        return a;
    }
    if (b == -1) {
        return 0;
    }
    return a - b * (a / b);
}

std::int64_t kehrwert(std::int64_t n, std::int64_t m) {
    switch (m) {
    case 5:
        return nachschlagen(inverse5, n);
    case 7:
        return nachschlagen(inverse7, n);
    case 11:
        return nachschlagen(inverse11, n);
    default:
        return 0;
    }
}

std::string mDarst(std::int64_t a, std::int64_t m) {
    // Nur für echte Moduln; m < 1 hätte weder Vielfache noch Rest.
    if (m < 1 || a < m) {
        return {};
    }
    return "\n = " + zahlText(a / m) + std::string(mal) + zahlText(m) + " + " +
           zahlText(rest(a, m));
}

Aufgabe genRestRechnen(std::int64_t level) {
    const std::int64_t index = zufallszahl(0, 2);
    const std::int64_t m = level < 3 ? 7 : moduln[static_cast<std::size_t>(index)];
    if (level <= 1) {
        return divisionMitRest();
    }
    return moduloRechnen(level, m);
}

} // namespace numora
