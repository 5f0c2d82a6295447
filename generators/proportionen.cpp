// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/proportionen.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <string>

namespace numora {

namespace {

std::int64_t zfz() {
    return zufallszahl(2, 5);
}

// Ein Wert aus 2..5 ungleich x. Endet: höchstens einer der vier Werte wird verworfen.
std::int64_t zfz2(std::int64_t x) {
    std::int64_t z = 0;
    do {
        z = zfz();
    } while (z == x);
    return z;
}

// Die Aufgaben werden rückwärts aus a, b, c, d gebaut; die Antwort ist immer c·d.
struct Faktoren {
    std::int64_t a;
    std::int64_t b;
    std::int64_t c;
    std::int64_t d;
};

template <typename Verwerfen> Faktoren ziehFaktoren(Verwerfen verwerfen) {
    Faktoren f{};
    // Endet: jede Bedingung verwirft nur einen Teil der Ziehungen (a = 8, b = 2, c = 3,
    // d = 6 wird von keiner verworfen).
    do {
        f.a = zufallszahl(5, 8);
        f.b = zufallszahl(2, 4);
        f.c = zufallszahl(3, 6);
        f.d = zufallszahl(2, 6);
    } while (verwerfen(f));
    return f;
}

Aufgabe verhaeltnisgleichung() {
    const std::int64_t form = zfz();
    std::string text = "\n\n          Berechne x in der Verhältnisgleichung:    ";
    if (form <= 3) {
        // x an zweiter Stelle.
        const auto [a, b, c, d] =
            ziehFaktoren([](const Faktoren& f) { return f.c == f.a || f.d == f.b; });
        text += zahlText(b * c) + " : x = " + zahlText(a * b) + " : " + zahlText(a * d);
        return {text, c * d,
                "Übergang zu den Kehrwerten und Multiplikation mit " + zahlText(b * c) +
                    " führt zu:\n" + "x = " + zahlText(b * c) + " *  " + zahlText(a * d) + " / " +
                    zahlText(a * b) + "\n" + "Kürzen mit " + zahlText(b) + " und " + zahlText(a) +
                    " ergibt:" + "x = " + zahlText(c) + " * " + zahlText(d) + " = " +
                    zahlText(c * d)};
    }
    // x an erster Stelle.
    const auto [a, b, c, d] =
        ziehFaktoren([](const Faktoren& f) { return f.c == f.b || f.d == f.a; });
    text += "x : " + zahlText(a * c) + " = " + zahlText(b * d) + " : " + zahlText(a * b);
    return {text, c * d,
            "Multiplikation mit " + zahlText(a * c) + " führt zu:\n" + "x = " + zahlText(a * c) +
                " *" + zahlText(b * d) + " / " + zahlText(a * b) + "\n" + "Kürzen mit " +
                zahlText(a) + " und " + zahlText(b) + " ergibt:\n" + "x = " + zahlText(c) + " * " +
                zahlText(d) + " = " + zahlText(c * d)};
}

Aufgabe farbeUndFlaeche() {
    // Die drei gezeigten Zahlen a·c, b·d und a·b sind paarweise verschieden.
    const auto [a, b, c, d] = ziehFaktoren(
        [](const Faktoren& f) { return f.c == f.b || f.d == f.a || f.a * f.c == f.b * f.d; });
    if (zufallszahl(11, 12) == 11) {
        return {"    Wie viele Einheiten Farbe braucht man zum Streichen von " + zahlText(a * c) +
                    " m², \n\n          wenn " + zahlText(b * d) + " Einheiten Farbe für " +
                    zahlText(a * b) + " m² benötigt werden?",
                c * d,
                "Die Zuordnung Fläche <-> Farbeinheiten ist proportional\n"
                "Für die gesuchte Einheiten-Anzahl x gilt daher\n"
                "x : " +
                    zahlText(a * c) + " = " + zahlText(b * d) + " : " + zahlText(a * b) +
                    " \n - und daher\n" + "x = " + zahlText(a * c) + " * " + zahlText(b * d) +
                    " / " + zahlText(a * b) + "\n" + "Kürzen mit " + zahlText(b) + " und " +
                    zahlText(a) + " ergibt: x = " + zahlText(c * d)};
    }
    return {"    Für wie viele m² reichen " + zahlText(a * c) +
                " Einheiten Farbe,\n\n          wenn man mit " + zahlText(a * b) +
                " Einheiten Farbe " + zahlText(b * d) + " m² streichen kann?",
            c * d,
            "Die Zuordnung Farbeinheiten <-> Fläche ist proportional\n"
            "Für die Quadratmeter-Anzahl x gilt daher\n"
            "x : " +
                zahlText(a * c) + " = " + zahlText(b * d) + " : " + zahlText(a * b) + "\n" +
                "Kürzen mit " + zahlText(b) + " und " + zahlText(a) +
                " ergibt: x = " + zahlText(c * d)};
}

// Jede Maschine erzeugt r Produkteinheiten je Zeiteinheit.
Aufgabe maschinen() {
    const std::int64_t r = zfz();
    const std::int64_t m = zfz();
    const std::int64_t t = zfz();
    const std::int64_t p = r * m * t;
    const std::string text = "      " + zahlText(m) + " gleichartige Maschinen erzeugen in " +
                             zahlText(t) + " Zeiteinheiten " + zahlText(p) + " Produkteinheiten.\n";
    const std::int64_t art = zufallszahl(1, 3);
    if (art == 1) {
        const std::int64_t x = zfz();
        const std::int64_t t2 = zfz2(t);
        const std::int64_t p2 = r * x * t2;
        return {text + "\n Wie viele derartige Maschinen erzeugen in " + zahlText(t2) +
                    " Zeiteinheiten " + zahlText(p2) + " Produkteinheiten ?",
                x,
                "Die Anzahl der Maschinen ist umgekehrt proportional zur benötigten Zeit und "
                "proportional zur erzeugten Menge.\n"
                "Ist x die gesuchte Anzahl der Maschinen, gilt daher:\n"
                "x = " +
                    zahlText(m) + " * (" + zahlText(t) + " / " + zahlText(t2) + ") * (" +
                    zahlText(p2) + " / " + zahlText(p) + ")  \n " + "Antwort: " + zahlText(x) +
                    "  (Maschinen)"};
    }
    if (art == 2) {
        const std::int64_t m2 = zfz2(m);
        const std::int64_t t2 = zfz2(t);
        const std::int64_t menge = r * m2 * t2;
        return {text + "\nWie viele Produkteinheiten erzeugen " + zahlText(m2) +
                    " dieser Maschinen in " + zahlText(t2) + " Zeiteinheiten.",
                menge,
                "Die produzierte Menge ist proportional zur benötigten Zeit und proportional zur "
                "Anzahl der Maschinen.\n"
                "Ist p die gesuchte Anzahl der erzeugten Produkteinheiten, gilt daher:\n"
                " p = " +
                    zahlText(p) + " * (" + zahlText(t2) + " / " + zahlText(t) + ") * (" +
                    zahlText(m2) + " / " + zahlText(m) + ")  \n " + "Antwort: " + zahlText(menge) +
                    "  (Produkteinheiten)"};
    }
    const std::int64_t m2 = zfz2(m);
    const std::int64_t z = zfz();
    const std::int64_t p2 = r * m2 * z;
    return {text + "\nWie viele Zeiteinheiten benötigen " + zahlText(m2) +
                " dieser Maschinen zur Erzeugung von " + zahlText(p2) + " Produkteinheiten?",
            z,
            "Die Anzahl der Zeiteinheiten ist proportional zur produzierten Menge und umgekehrt "
            "proportional zur Anzahl der Maschinen.\n"
            "Ist z die gesuchte Anzahl der Zeiteinheiten, gilt daher:\n"
            "z = " +
                zahlText(t) + " * (" + zahlText(p2) + " / " + zahlText(p) + ") * (" + zahlText(m) +
                " / " + zahlText(m2) + ")\n" + "Antwort: " + zahlText(z) + "  (Zeiteinheiten)"};
}

} // namespace

Aufgabe genProp(std::int64_t level) {
    return level == 1 ? verhaeltnisgleichung() : level == 2 ? farbeUndFlaeche() : maschinen();
}

} // namespace numora
