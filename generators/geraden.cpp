// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/geraden.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <string>

namespace numora {

namespace {

std::string punkt(std::int64_t x, std::int64_t y) {
    return "(" + zahlText(x) + "; " + zahlText(y) + ")";
}

std::string steigungsText(const ZweiPunkteGerade& g) {
    return "Die Steigung der Geraden durch die Punkte P(px,py) und Q(qx,qy) berechnet sich als "
           "\n(qy - py)/(qx - px), hier also als \nm = (" +
           zahlText(g.y2) + " " + minus(g.y1) + ")/(" + zahlText(g.x2) + " " + minus(g.x1) +
           ") = " + zahlText(g.m) + " .";
}

Aufgabe stufe1() {
    const std::int64_t art = zufallszahl(1, 5);
    const std::int64_t p = zufallszahl(2, 8);
    const std::int64_t q = zufallszahl(1, 9);
    switch (art) {
    case 1:
        return {"Die Gleichung    y = " + koeff(p, "x") + " + " + zahlText(q) +
                    " beschreibt eine Gerade.\n Welchen Wert hat ihre Steigung?",
                p,
                "Die allgemeine Gleichung einer Geraden, die nicht parallel \nzur y-Achse "
                "verläuft,\n lautet y = mx + b ;\n dabei ist m die Steigung,\n also ist hier m = " +
                    zahlText(p)};
    case 2:
        return {"An welcher Stelle schneidet die Gerade mit der Gleichung " + gerade2String(q, p) +
                    " die y-Achse?",
                p,
                "Die Gerade mit der Gleichung \ny = mx + b schneidet die y-Achse an der Stelle b, "
                "hier also bei " +
                    zahlText(p) + " ."};
    case 3:
        return {
            "An welcher Stelle schneidet die Gerade mit der Gleichung  y = " + zahlText(q) +
                "x - " + zahlText(p * q) + "  die x-Achse?",
            p,
            "Ein Punkt P(x,y) liegt auf der \nx-Achse, wenn für ihn gilt y = 0.\n Aus dem Ansatz "
            "0 = " +
                zahlText(q) + "x - " + zahlText(p * q) + " folgt\n x = " + zahlText(p * q) + " / " +
                zahlText(q) + " = " + zahlText(p) + " .\n Die gesuchte Stelle ist also " +
                zahlText(p) + " ."};
    case 4: {
        const ZweiPunkteGerade g = gen2PunkteGerade();
        return {"Welche Steigung hat eine durch die Punkte P" + punkt(g.x1, g.y1) + " und Q" +
                    punkt(g.x2, g.y2) + " verlaufende Gerade?",
                g.m, steigungsText(g)};
    }
    default:
        return {"Die Gleichung    y + " + zahlText(p) + "x = " + zahlText(q) +
                    "   beschreibt eine Gerade.\n Welchen Wert hat ihre Steigung?",
                -p,
                "Die allgemeine Gleichung einer Geraden, die nicht parallel zur y-Achse verläuft, "
                "lautet\n y = mx + b , hier y = " +
                    koeff(-p, "x") + " + " + zahlText(q) +
                    "\n dabei ist m die Steigung, also ist hier m = " + zahlText(-p) + "."};
    }
}

Aufgabe stufe2() {
    const std::int64_t art = zufallszahl(1, 3);
    if (art == 3) {
        const ZweiPunkteGerade g = gen2PunkteGerade();
        return {"Welche Steigung hat eine durch die Punkte A" + punkt(g.x1, g.y1) + " und B" +
                    punkt(g.x2, g.y2) + " verlaufende Gerade.",
                g.m, steigungsText(g)};
    }
    const GeradenSchnittText g = geradenSchnitt2();
    const std::string frage = "Die Geraden mit den Gleichungen \n " + g.g1 + " und " + g.g2 +
                              "\n schneiden sich in einem Punkt (a;b). Berechne ";
    if (art == 1) {
        return {
            frage + "a", g.sx,
            "Durch Gleichsetzen der Terme für y, Ordnen und Zusammenfassen und Dividieren durch "
            "den Koeffizienten von x erhält man x = " +
                zahlText(g.sx) + ".",
            g.sy};
    }
    return {frage + "b", g.sy,
            "Durch Gleichsetzen der Terme für y erhält man zunächst x = " + zahlText(g.sx) +
                ".\n Einsetzen in eine der beiden Geradengleichungen liefert dann y = " +
                zahlText(g.sy) + ".",
            g.sx};
}

Aufgabe stufe3() {
    const std::int64_t art = zufallszahl(4, 7);
    switch (art) {
    case 4: {
        const ZweiPunkteGerade g = gen2PunkteGerade();
        return {"Eine Gerade g verläuft durch die Punkte A" + punkt(g.x1, g.y1) + " und B" +
                    punkt(g.x2, g.y2) + "\n An welcher Stelle schneidet sie die y-Achse?",
                g.b,
                "Die Steigung m errechnet sich als Quotient aus Differenz der y-Werte und "
                "Differenz der x-Werte, also als \n m = (" +
                    zahlText(g.y2) + " " + minus(g.y1) + ") / (" + zahlText(g.x2) + " " +
                    minus(g.x1) + ") = " + zahlText(g.m) +
                    ". Einsetzen der Koordinaten eines der gegebenen Punkte in die "
                    "Geradengleichung y = " +
                    zahlText(g.m) + "x + b ergibt b = " + zahlText(g.b) + "."};
    }
    case 5: {
        const ZweiPunkteGerade g = gen2PunkteGerade();
        return {"Durch den Punkt A" + punkt(g.x1, g.y1) + " wird eine Gerade mit der Steigung " +
                    zahlText(g.m) + " gezogen.\n An welcher Stelle b schneidet sie die y-Achse?",
                g.b,
                "Einsetzen von m = " + zahlText(g.m) + " und (x;y) = " + punkt(g.x1, g.y1) +
                    " in die allgemeine Geradengleichung y = m * x + b  liefert " + zahlText(g.y1) +
                    " = " + zahlText(g.m) + "*" + zahlText(g.x1) +
                    " +  b, also b = " + zahlText(g.b) + "."};
    }
    case 6: {
        const std::int64_t a = zufallszahl(-3, 6);
        // Die waagerechte Gerade y = 0 hätte keine einzelne Nullstelle (und der Rechenweg
        // teilte durch 0). 12 der 13 Steigungen sind nicht 0, die Schleife endet also.
        Gerade g = zufallsGeradeDurchPunkt(a, 0);
        while (g.m == 0) {
            g = zufallsGeradeDurchPunkt(a, 0);
        }
        return {"An welcher Stelle schneidet die Gerade mit der Gleichung " +
                    gerade2String(g.m, g.b) + " die x-Achse?",
                a,
                "Mit dem Ansatz 0 = " + zahlText(g.m) + "a + " + zahlText(g.b) +
                    " ergibt sich a = " + zahlText(-g.b) + " / " + zahlText(g.m) + " = " +
                    zahlText(a) + "."};
    }
    default: {
        const std::int64_t t = zufallszahl(2, 5);
        const std::int64_t f = zufallszahl(1, 5);
        // Die Achsenabschnitte 2f und 2tf sind die Katheten des rechtwinkligen Dreiecks.
        const std::string yAbschnitt = zahlText(2 * t * f);
        const std::string xAbschnitt = zahlText(2 * f);
        return {"Die Gerade mit der Gleichung  y = " + zahlText(t) + "x - " + yAbschnitt +
                    " \n berandet zusammen mit den Koordinatenachsen ein Dreieck.\n Wie groß ist "
                    "sein Flächeninhalt?",
                2 * t * f * f,
                "Schnitt mit der y-Achse (x = 0): y = -" + yAbschnitt +
                    "\nSchnitt mit der x-Achse (y = 0): 0 = " + zahlText(t) + "x - " + yAbschnitt +
                    ", also x = " + yAbschnitt + " / " + zahlText(t) + " = " + xAbschnitt +
                    "\nDie Katheten des rechtwinkligen Dreiecks sind also " + xAbschnitt + " und " +
                    yAbschnitt + " lang.\nFlächeninhalt = 1/2" + malT() + xAbschnitt + malT() +
                    yAbschnitt + " = " + zahlText(2 * t * f * f)};
    }
    }
}

} // namespace

Aufgabe geradenFrage(std::int64_t level) {
    return level == 1 ? stufe1() : level == 2 ? stufe2() : stufe3();
}

ZweiPunkteGerade gen2PunkteGerade() {
    ZweiPunkteGerade g{};
    g.m = zufallszahl(-5, 5);
    g.b = zufallszahl(-8, 8);
    g.x1 = zufallszahl(-6, 6);
    // Zwei verschiedene Stellen, sonst ist die Steigung unbestimmt; 12 von 13 Werten passen.
    do {
        g.x2 = zufallszahl(-6, 6);
    } while (g.x2 == g.x1);
    g.y1 = g.m * g.x1 + g.b;
    g.y2 = g.m * g.x2 + g.b;
    return g;
}

Gerade zufallsGeradeDurchPunkt(std::int64_t sx, std::int64_t sy) {
    // Bei riesigen Punkten passt nicht jeder Achsenabschnitt in 64 Bit; dann neu ziehen.
    // Die Steigung 0 passt immer, die Schleife endet also.
    for (;;) {
        const std::int64_t m = zufallszahl(-6, 6);
        std::int64_t produkt = 0;
        std::int64_t b = 0;
        if (!__builtin_mul_overflow(m, sx, &produkt) && !__builtin_sub_overflow(sy, produkt, &b)) {
            return {m, b};
        }
    }
}

GeradenSchnitt geradenSchnitt() {
    GeradenSchnitt s{};
    s.sx = zufallszahl(-6, 6);
    s.sy = zufallszahl(-6, 6);
    const Gerade g1 = zufallsGeradeDurchPunkt(s.sx, s.sy);
    // Gleiche Steigungen gäben parallele (hier sogar gleiche) Geraden; 12 von 13 passen.
    Gerade g2 = zufallsGeradeDurchPunkt(s.sx, s.sy);
    while (g2.m == g1.m) {
        g2 = zufallsGeradeDurchPunkt(s.sx, s.sy);
    }
    s.m1 = g1.m;
    s.b1 = g1.b;
    s.m2 = g2.m;
    s.b2 = g2.b;
    return s;
}

GeradenSchnittText geradenSchnitt2() {
    const GeradenSchnitt s = geradenSchnitt();
    return {gerade2String(s.m1, s.b1), gerade2String(s.m2, s.b2), s.sx, s.sy};
}

std::string gerade2String(std::int64_t m, std::int64_t b) {
    std::string steigung;
    if ((m >= -20 && m <= -2) || (m >= 2 && m <= 20)) {
        steigung = zahlText(m) + "x ";
    } else if (m == -1) {
        steigung = "-x ";
    } else if (m == 1) {
        steigung = "x ";
    }
    std::string text = "y = " + steigung;
    if (b >= -200 && b <= -1) {
        text += " - " + zahlText(-b);
    } else if (b == 0) {
        if (steigung.empty()) {
            text += " 0";
        }
    } else {
        text += (steigung.empty() ? " " : " + ") + zahlText(b);
    }
    return text;
}

std::string minus(std::int64_t n) {
    if (n < 0) {
        return "+ " + betragText(n);
    }
    return " - " + zahlText(n);
}

} // namespace numora
