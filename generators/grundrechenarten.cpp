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

Aufgabe stufe1(std::int64_t op) {
    if (op == 2) {
        const std::int64_t a = zZahl(30);
        const std::int64_t b = zZahl(9);
        return {"   " + zahlText(a) + " + " + zahlText(b), a + b, ""};
    }
    const std::int64_t a = zZahl(9);
    const std::int64_t b = zZahl(9);
    return {"   " + zahlText(a) + " * " + zahlText(b) + " ", a * b, ""};
}

// Differenzen und Quotienten werden rückwärts aus ihrem Ergebnis gebaut.
Aufgabe stufe2(std::int64_t op) {
    switch (op) {
    case 2: {
        const std::int64_t a = zZahl(20);
        const std::int64_t b = zZahl(15);
        return {"   " + zahlText(a) + " + " + zahlText(b), a + b, ""};
    }
    case 3: {
        const std::int64_t a = zZahl(20);
        const std::int64_t b = zZahl(15);
        return {"   " + zahlText(a + b) + " - " + zahlText(b), a, ""};
    }
    case 4: {
        const std::int64_t a = zZahl(9);
        const std::int64_t b = zZahl(16);
        return {"   " + zahlText(a) + " * " + zahlText(b), a * b, ""};
    }
    default: {
        const std::int64_t a = zZahl(9);
        const std::int64_t b = zZahl(11);
        return {"   " + zahlText(a * b) + " / " + zahlText(b), a, ""};
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
