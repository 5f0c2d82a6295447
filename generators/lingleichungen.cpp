// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/lingleichungen.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <string>

namespace numora {

const std::array<Koeffizienten, 5> koeffs{{
    {3, 4, 2, 5},
    {4, 5, 3, 4},
    {2, 3, 3, 5},
    {3, 4, 2, 3},
    {3, 5, 4, 7},
}};

namespace {

std::int64_t betrag(std::int64_t z) {
    return z < 0 ? -z : z;
}

// Rechnet mit Überlaufprüfung: linGLHilfe nimmt beliebige Koeffizienten entgegen, und ein
// Überlauf darf nicht still falsche Zahlen (oder undefiniertes Verhalten) erzeugen.
class Geprueft {
  public:
    std::int64_t produkt(std::int64_t a, std::int64_t b) {
        std::int64_t r = 0;
        ok_ = !__builtin_mul_overflow(a, b, &r) && ok_;
        return r;
    }
    std::int64_t differenz(std::int64_t a, std::int64_t b) {
        std::int64_t r = 0;
        ok_ = !__builtin_sub_overflow(a, b, &r) && ok_;
        return r;
    }
    std::int64_t negativ(std::int64_t a) { return differenz(0, a); }
    bool ok() const { return ok_; }

  private:
    bool ok_ = true;
};

} // namespace

std::string gz(std::int64_t n) {
    if (n < 0) {
        return betragText(n);
    }
    return "-" + zahlText(n);
}

Aufgabe genLing1() {
    const std::int64_t x = zufallszahl(-8, 8);
    const std::int64_t b = zufallszahl(-8, 8);
    // Koeffizient -1, 0 oder 1 wäre keine Übung; 14 der 17 Werte passen, die Schleife endet.
    std::int64_t a = 0;
    while (betrag(a) < 2) {
        a = zufallszahl(-8, 8);
    }
    const std::int64_t c = a * x + b;

    // Ohne Glied b bleibt nichts zu addieren; sonst braucht es den Schritt, auch wenn rechts 0
    // steht.
    std::string hilfe;
    if (b != 0) {
        hilfe = "Addition von " + gz(b) + " auf beiden Seiten: \n " + zahlText(a) +
                "x = " + zahlText(c - b) + " \n";
    }
    hilfe += "Division durch " + zahlText(a) + ": \n x = " + zahlText((c - b) / a);
    return {axPlusB(a, b) + " = " + zahlText(c), x, hilfe};
}

Aufgabe genLing2() {
    // Beide Schleifen enden: mindestens 9 der 13 Werte erfüllen die Bedingung.
    std::int64_t a = 0;
    while (betrag(a) < 2) {
        a = zufallszahl(-6, 6);
    }
    // c != a, sonst fiele x weg.
    std::int64_t c = 0;
    while (betrag(c) < 2 || c == a) {
        c = zufallszahl(-6, 6);
    }
    const std::int64_t x = zufallszahl(-8, 8);
    const std::int64_t b = zufallszahl(1, 8);
    const std::int64_t d = a * (x + b) - c * x;
    const std::int64_t k = a - c;

    const std::string rechts = axPlusB(c, d);
    // Auch wenn rechts kein Glied ohne x steht (d = 0), muss a·b hinüber: b ist nie 0.
    std::string hilfe = "Klammer durch Ausmultiplizieren auflösen:\n " + axPlusB(a, a * b) + " = " +
                        rechts + "\n " + "Addieren von " + zahlText(-c) + "x  und " +
                        zahlText(-a * b) + "\n " + zx(k) + " = " + zahlText(d - a * b) + "\n";
    if (betrag(k) > 1) {
        hilfe += "Dividieren durch " + zahlText(k) + ": \n";
    }
    if (k != 1) {
        hilfe += "x = " + zahlText(x);
    }
    return {zNacktVorKlammer(a) + "(x " + plusZ(b) + ") = " + rechts, x, hilfe};
}

Aufgabe genLing3() {
    const Koeffizienten& k = koeffs.at(static_cast<std::size_t>(zufallszahl(0, 4)));
    const std::int64_t x = zufallszahlStern(-5, 7);
    const std::int64_t y = zufallszahlStern(-5, 7);
    // Zwei Drittel der Systeme mit Plus, eines mit Minus.
    const bool plus = zufallszahl(0, 2) < 2;
    const std::int64_t v = plus ? 1 : -1;
    const std::int64_t c1 = k.a1 * x + v * k.b1 * y;
    const std::int64_t c2 = k.a2 * x + v * k.b2 * y;
    const std::string op = plus ? "x + " : "x - ";
    std::string text = " \n     " + zahlText(k.a1) + op + zahlText(betrag(k.b1)) +
                       "y = " + zahlText(c1) + " \n     " + zahlText(k.a2) + op +
                       zahlText(betrag(k.b2)) + "y = " + zahlText(c2) + " ";

    const bool fragtX = zufallszahl(1, 2) == 1;
    text += std::string(16, ' ') + (fragtX ? "Berechne x" : "Berechne y");
    const std::string kennung = std::string(plus ? "+" : "-") + (fragtX ? "x" : "y");
    return {text, fragtX ? x : y, linGLHilfe(kennung, k.a1, k.b1, c1, k.a2, k.b2, c2, x, y),
            fragtX ? y : x};
}

std::string linGLHilfe(std::string_view kennung, std::int64_t a1, std::int64_t b1, std::int64_t c1,
                       std::int64_t a2, std::int64_t b2, std::int64_t c2, std::int64_t x,
                       std::int64_t y) {
    const bool plus = kennung == "+x" || kennung == "+y";
    const bool nachX = kennung == "+x" || kennung == "-x";
    if (!plus && !nachX && kennung != "-y") {
        return {};
    }
    const std::string s1 = plus ? "x + " : "x - ";
    const std::string s2 = plus ? "x - " : "x + ";
    Geprueft g;
    // Nach y: x fällt weg (erste Gleichung mal a2, zweite mal -a1); nach x: y fällt weg.
    const std::int64_t f1 = nachX ? b2 : a2;
    const std::int64_t f2 = nachX ? b1 : a1;
    const std::int64_t zeile1x = g.produkt(f1, a1);
    const std::int64_t zeile1y = g.produkt(f1, b1);
    const std::int64_t zeile1c = g.produkt(f1, c1);
    const std::int64_t zeile2x = g.negativ(g.produkt(f2, a2));
    const std::int64_t zeile2y = g.produkt(f2, b2);
    const std::int64_t zeile2c = g.negativ(g.produkt(f2, c2));
    const std::int64_t rechts = g.differenz(g.produkt(c1, f1), g.produkt(c2, f2));
    std::int64_t kf = 0;
    if (nachX) {
        kf = g.differenz(g.produkt(b2, a1), g.produkt(a2, b1));
    } else if (plus) {
        kf = g.differenz(g.produkt(a2, b1), g.produkt(a1, b2));
    } else {
        kf = g.differenz(g.produkt(a1, b2), g.produkt(a2, b1));
    }
    const std::int64_t minusF2 = g.negativ(f2);
    if (!g.ok()) {
        return {};
    }

    std::string text = "Multiplikation der ersten Gleichung mit " + zahlText(f1) +
                       " und Multiplikation der zweiten Gleichung mit " + zahlText(minusF2) +
                       " ergibt das Gleichungspaar:\n " + zahlText(zeile1x) + s1 +
                       zahlText(zeile1y) + "y = " + zahlText(zeile1c) + "\n " + zahlText(zeile2x) +
                       s2 + zahlText(zeile2y) + "y = " + zahlText(zeile2c) +
                       "\n Addition beider Gleichungen führt zu\n " + (nachX ? zx(kf) : zy(kf)) +
                       " = " + zahlText(rechts) + (kennung == "-x" ? "." : ". ");
    if (kf != 1) {
        text += "\n Division durch " + zahlText(kf) +
                (nachX ? " ergibt x = " + zahlText(x) : " ergibt y = " + zahlText(y));
    }
    return text;
}

} // namespace numora
