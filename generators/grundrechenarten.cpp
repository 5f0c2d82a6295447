#include "generators/grundrechenarten.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <string>

namespace numora {

namespace {

// Jeder Operand ist mindestens 2: nie 0, nie 1.
std::int64_t zZahl(std::int64_t bis) {
    return zufallszahl(2, bis);
}

std::string s(std::int64_t z) {
    return std::to_string(z);
}

Aufgabe stufe1(std::int64_t op) {
    if (op == 2) {
        const std::int64_t a = zZahl(30);
        const std::int64_t b = zZahl(9);
        return {"   " + s(a) + " + " + s(b), a + b, ""};
    }
    const std::int64_t a = zZahl(9);
    const std::int64_t b = zZahl(9);
    return {"   " + s(a) + " * " + s(b) + " ", a * b, ""};
}

// Differenzen und Quotienten werden rückwärts aus ihrem Ergebnis gebaut.
Aufgabe stufe2(std::int64_t op) {
    switch (op) {
    case 2: {
        const std::int64_t a = zZahl(20);
        const std::int64_t b = zZahl(15);
        return {"   " + s(a) + " + " + s(b), a + b, ""};
    }
    case 3: {
        const std::int64_t a = zZahl(20);
        const std::int64_t b = zZahl(15);
        return {"   " + s(a + b) + " - " + s(b), a, ""};
    }
    case 4: {
        const std::int64_t a = zZahl(9);
        const std::int64_t b = zZahl(16);
        return {"   " + s(a) + " * " + s(b), a * b, ""};
    }
    default: {
        const std::int64_t a = zZahl(9);
        const std::int64_t b = zZahl(11);
        return {"   " + s(a * b) + " / " + s(b), a, ""};
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
        return {"   " + s(a) + " + " + s(c) + mal_ + "(" + s(b) + " + " + s(d) + ")", a + c * summe,
                "   " + s(a) + " + " + s(c) + mal_ + "(" + s(b) + " + " + s(d) + ")\n =  " + s(a) +
                    " + " + s(c) + mal_ + s(summe) + "\n =  " + s(a) + " + " + s(c * summe) +
                    "\n = " + s(a + c * summe) + " "};
    case 3:
        return {"   " + s(a) + " + " + s(c) + mal_ + "(" + s(summe) + " - " + s(d) + ")", a + c * b,
                s(a) + " + " + s(c) + mal_ + "(" + s(summe) + " - " + s(d) + ")\n = " + s(a) +
                    " + " + s(c) + mal_ + s(b) + " \n = " + s(a) + " + " + s(c * b) + " = " +
                    s(a + c * b)};
    case 4: {
        const std::int64_t w = a + c * summe;
        return {"   " + s(w) + " - " + s(c) + mal_ + "(" + s(b) + " + " + s(d) + ")", a,
                " " + s(w) + " - " + s(c) + mal_ + "(" + s(b) + " + " + s(d) + ")\n = " + s(w) +
                    " - " + s(c) + mal_ + s(summe) + " \n = " + s(w) + " - " + s(c * summe) +
                    " = " + s(a)};
    }
    default: {
        const std::int64_t w = a + c * b;
        return {"   " + s(w) + " - " + s(c) + mal_ + "(" + s(summe) + " - " + s(d) + ")", a,
                " " + s(w) + " - " + s(c) + mal_ + "(" + s(summe) + " - " + s(d) +
                    ") \n = " + s(w) + " - " + s(c) + mal_ + s(b) + " \n = " + s(w) + " - " +
                    s(c * b) + " = " + s(a)};
    }
    }
}

} // namespace

Aufgabe grundRechenarten(std::int64_t level) {
    const std::int64_t op = zZahl(5);
    if (level == 1) {
        return stufe1(op);
    }
    if (level == 2) {
        return stufe2(op);
    }
    return stufe3(op);
}

} // namespace numora
