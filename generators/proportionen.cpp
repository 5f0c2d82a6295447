#include "generators/proportionen.h"

#include "core/zufall.h"

#include <string>

namespace numora {

namespace {

std::string s(std::int64_t z) {
    return std::to_string(z);
}

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
        text += s(b * c) + " : x = " + s(a * b) + " : " + s(a * d);
        return {text, c * d,
                "Übergang zu den Kehrwerten und Multiplikation mit " + s(b * c) + " führt zu:\n" +
                    "x = " + s(b * c) + " *  " + s(a * d) + " / " + s(a * b) + "\n" +
                    "Kürzen mit " + s(b) + " und " + s(a) + " ergibt:" + "x = " + s(c) + " * " +
                    s(d) + " = " + s(c * d)};
    }
    // x an erster Stelle.
    const auto [a, b, c, d] =
        ziehFaktoren([](const Faktoren& f) { return f.c == f.b || f.d == f.a; });
    text += "x : " + s(a * c) + " = " + s(b * d) + " : " + s(a * b);
    return {text, c * d,
            "Multiplikation mit " + s(a * c) + " führt zu:\n" + "x = " + s(a * c) + " *" +
                s(b * d) + " / " + s(a * b) + "\n" + "Kürzen mit " + s(a) + " und " + s(b) +
                " ergibt:\n" + "x = " + s(c) + " * " + s(d) + " = " + s(c * d)};
}

Aufgabe farbeUndFlaeche() {
    // Die drei gezeigten Zahlen a·c, b·d und a·b sind paarweise verschieden.
    const auto [a, b, c, d] = ziehFaktoren(
        [](const Faktoren& f) { return f.c == f.b || f.d == f.a || f.a * f.c == f.b * f.d; });
    if (zufallszahl(11, 12) == 11) {
        return {"    Wie viele Einheiten Farbe braucht man zum Streichen von " + s(a * c) +
                    " m², \n\n          wenn " + s(b * d) + " Einheiten Farbe für " + s(a * b) +
                    " m² benötigt werden?",
                c * d,
                "Die Zuordnung Fläche <-> Farbeinheiten ist proportional\n"
                "Für die gesuchte Einheiten-Anzahl x gilt daher\n"
                "x : " +
                    s(a * c) + " = " + s(b * d) + " : " + s(a * b) + " \n - und daher\n" +
                    "x = " + s(a * c) + " * " + s(b * d) + " / " + s(a * b) + "\n" + "Kürzen mit " +
                    s(b) + " und " + s(a) + " ergibt: x = " + s(c * d)};
    }
    return {"    Für wie viele m² reichen " + s(a * c) +
                " Einheiten Farbe,\n\n          wenn man mit " + s(a * b) + " Einheiten Farbe " +
                s(b * d) + " m² streichen kann?",
            c * d,
            "Die Zuordnung Farbeinheiten <-> Fläche ist proportional\n"
            "Für die Quadratmeter-Anzahl x gilt daher\n"
            "x : " +
                s(a * c) + " = " + s(b * d) + " : " + s(a * b) + "\n" + "Kürzen mit " + s(b) +
                " und " + s(a) + " ergibt: x = " + s(c * d)};
}

// Jede Maschine erzeugt r Produkteinheiten je Zeiteinheit.
Aufgabe maschinen() {
    const std::int64_t r = zfz();
    const std::int64_t m = zfz();
    const std::int64_t t = zfz();
    const std::int64_t p = r * m * t;
    const std::string text = "      " + s(m) + " gleichartige Maschinen erzeugen in " + s(t) +
                             " Zeiteinheiten " + s(p) + " Produkteinheiten.\n";
    const std::int64_t art = zufallszahl(1, 3);
    if (art == 1) {
        const std::int64_t x = zfz();
        const std::int64_t t2 = zfz2(t);
        const std::int64_t p2 = r * x * t2;
        return {text + "\n Wie viele derartige Maschinen erzeugen in " + s(t2) + " Zeiteinheiten " +
                    s(p2) + " Produkteinheiten ?",
                x,
                "Die Anzahl der Maschinen ist umgekehrt proportional zur benötigten Zeit und "
                "proportional zur erzeugten Menge.\n"
                "Ist x die gesuchte Anzahl der Maschinen, gilt daher:\n"
                "x = " +
                    s(m) + " * (" + s(t) + " / " + s(t2) + ") * (" + s(p2) + " / " + s(p) +
                    ")  \n " + "Antwort: " + s(x) + "  (Maschinen)"};
    }
    if (art == 2) {
        const std::int64_t m2 = zfz2(m);
        const std::int64_t t2 = zfz2(t);
        const std::int64_t menge = r * m2 * t2;
        return {text + "\nWie viele Produkteinheiten erzeugen " + s(m2) + " dieser Maschinen in " +
                    s(t2) + " Zeiteinheiten.",
                menge,
                "Die produzierte Menge ist proportional zur benötigten Zeit und proportional zur "
                "Anzahl der Maschinen.\n"
                "Ist p die gesuchte Anzahl der erzeugten Produkteinheiten, gilt daher:\n"
                " p = " +
                    s(p) + " * (" + s(t2) + " / " + s(t) + ") * (" + s(m2) + " / " + s(m) +
                    ")  \n " + "Antwort: " + s(menge) + "  (Produkteinheiten)"};
    }
    const std::int64_t m2 = zfz2(m);
    const std::int64_t z = zfz();
    const std::int64_t p2 = r * m2 * z;
    return {text + "\nWie viele Zeiteinheiten benötigen " + s(m2) +
                " dieser Maschinen zur Erzeugung von " + s(p2) + " Produkteinheiten?",
            z,
            "Die Anzahl der Zeiteinheiten ist proportional zur produzierten Menge und umgekehrt "
            "proportional zur Anzahl der Maschinen.\n"
            "Ist z die gesuchte Anzahl der Zeiteinheiten, gilt daher:\n"
            "z = " +
                s(t) + " * (" + s(p2) + " / " + s(p) + ") * (" + s(m) + " / " + s(m2) + ")\n" +
                "Antwort: " + s(z) + "  (Zeiteinheiten)"};
}

} // namespace

Aufgabe genProp(std::int64_t level) {
    if (level == 1) {
        return verhaeltnisgleichung();
    }
    if (level == 2) {
        return farbeUndFlaeche();
    }
    return maschinen();
}

} // namespace numora
