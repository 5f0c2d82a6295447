// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/binomi.h"

#include "core/utf8.h"
#include "core/zufall.h"
#include "generators/formatierung.h"

#include <array>
#include <optional>
#include <string>

namespace numora {

std::string mitKaestchen(std::string text) {
    static constexpr Ersatz kaestchen[] = {{blende, "\u25A1"}};
    return mitErsatz(text, kaestchen);
}

namespace {

// Quotient mit geklammertem negativem Divisor: "-18 / (-18)".
std::string quotient(std::int64_t a, std::int64_t b) {
    return zahlText(a) + " / " + (b < 0 ? "(" + zahlText(b) + ")" : zahlText(b));
}

// Rechenweg zur Gleichung mit Lücke: das Quadrat ausmultiplizieren (steht die Lücke im Binom,
// mit der Lücke als Faktor) und das Glied mit der Lücke vergleichen.
std::string lueckenHilfe(const Binom& b, std::int64_t leerBei) {
    const std::string l(blende);
    const std::string px = koeff(b.p, "x");
    const std::string pxQuadrat = b.p == 1 ? "x²" : "(" + px + ")²";
    const std::string vz = b.q < 0 ? " - " : " + ";
    const std::string q = betragText(b.q);
    const std::string xGlieder = "\nVergleich der x-Glieder: ";
    switch (leerBei) {
    case 0:
        return "(" + l + "x" + vz + q + ")² = (" + l + "x)²" + vz + "2" + malT() + l + "x" +
               malT() + q + " + " + q + "²\n = " + l + "²x²" + vz + betragText(2 * b.q) + malT() +
               l + "x + " + zahlText(b.qq) + xGlieder + zahlText(2 * b.q) + malT() + l +
               "x = " + zx(b.pq2) + ", also " + l + " = " + quotient(b.pq2, 2 * b.q) + " = " +
               zahlText(b.p);
    case 1:
        return "(" + px + " + " + l + ")² = " + pxQuadrat + " + 2" + malT() + px + malT() + l +
               " + " + l + "²\n = " + koeff(b.pp, "x²") + " + " + zahlText(2 * b.p) + malT() + l +
               "x + " + l + "²" + xGlieder + zahlText(2 * b.p) + malT() + l + "x = " + zx(b.pq2) +
               ", also " + l + " = " + quotient(b.pq2, 2 * b.p) + " = " + zahlText(b.q);
    case 2:
    case 3:
    case 4:
        break;
    default:
        return {};
    }
    std::string t = "(" + px + vz + q + ")² = " + pxQuadrat + vz + "2" + malT() + px + malT() + q +
                    " + " + q + "²\n = " + koeff(b.pp, "x²") + vz + betragText(b.pq2) + "x + " +
                    zahlText(b.qq) + "\n";
    if (leerBei == 2) {
        return t + "Vergleich der x²-Glieder: " + l + "x² = " + koeff(b.pp, "x²") + ", also " + l +
               " = " + zahlText(b.pp);
    }
    if (leerBei == 3) {
        return t + "Vergleich der x-Glieder: " + l + "x = " + zx(b.pq2) + ", also " + l + " = " +
               zahlText(b.pq2);
    }
    return t + "Vergleich der Zahlglieder: " + l + " = " + zahlText(b.qq);
}

// Rechenweg zur Ergänzung: aus den beiden sichtbaren Gliedern das Binom erkennen,
// ausmultiplizieren und das Glied mit der Lücke ablesen.
std::string ergaenzungsHilfe(const Binom& b, std::int64_t luecke, std::int64_t mitte) {
    const std::string l(blende);
    const std::string px = koeff(b.p, "x");
    const std::string r = betragText(b.q);
    const std::string quadrat = koeff(b.pp, "x²");
    const std::string quadratTeil = b.p == 1 ? "" : quadrat + " = (" + px + ")²";
    const std::string mitteTeil = zahlText(mitte) + "x = 2" + malT() + px + malT() + r;
    const std::string konstTeil = zahlText(b.qq) + " = " + r + "²";
    const auto und = [](const std::string& a, const std::string& c) {
        return a.empty() ? c : a + " und " + c;
    };
    const std::string quadratZeile = "\n(" + px + " + " + r + ")² = " + quadrat + " + " +
                                     zahlText(mitte) + "x + " + zahlText(b.qq) + "\n";
    if (luecke == 0) {
        return und(konstTeil, mitteTeil) + quadratZeile + "Vergleich der x²-Glieder: " + l +
               "x² = " + quadrat + ", also " + l + " = " + zahlText(b.pp);
    }
    if (luecke == 1) {
        return und(quadratTeil, konstTeil) + quadratZeile + "Vergleich der x-Glieder: " + l +
               "x = " + zahlText(mitte) + "x, also " + l + " = " + zahlText(mitte) +
               "\nEbenso richtig ist " + l + " = " + zahlText(-mitte) + ", denn (" + px + " - " +
               r + ")² = " + quadrat + " - " + zahlText(mitte) + "x + " + zahlText(b.qq);
    }
    return und(quadratTeil, mitteTeil) + quadratZeile + "Vergleich der Zahlglieder: " + l + " = " +
           zahlText(b.qq);
}

} // namespace

std::int64_t zufallUngl0() {
    // Endet: von den 19 Werten wird nur die 0 verworfen.
    return zufallszahlStern(-9, 9);
}

Binom genBinomi1() {
    const std::int64_t p = zufallszahl(1, 9);
    std::int64_t q = zufallUngl0();
    // Kein Binom px - p: Endet, denn höchstens ein Wert von q wird verworfen.
    while (p + q == 0) {
        q = zufallUngl0();
    }
    return {p, q, p * p, 2 * p * q, q * q};
}

Aufgabe genBinMitLeer(std::int64_t leerBei) {
    const Binom b = genBinomi1();
    const std::string luecke(blende);
    std::array<std::string, 5> teil = {
        koeff(b.p, "x"),        (b.q < 0 ? " - " : " + ") + betragText(b.q),
        koeff(b.pp, "x²"),      (b.q < 0 ? " - " : " + ") + betragText(b.pq2) + "x",
        " + " + zahlText(b.qq),
    };
    // Die verdeckte Zahl ist der vorzeichenbehaftete Wert, der die Gleichung wahr macht;
    // darum steht vor der Lücke immer ein Pluszeichen.
    std::int64_t verdeckt = 0;
    switch (leerBei) {
    case 0:
        teil[0] = luecke + "x";
        verdeckt = b.p;
        break;
    case 1:
        teil[1] = " + " + luecke;
        verdeckt = b.q;
        break;
    case 2:
        teil[2] = " " + luecke + "x²";
        verdeckt = b.pp;
        break;
    case 3:
        teil[3] = " + " + luecke + "x";
        verdeckt = b.pq2;
        break;
    case 4:
        teil[4] = " + " + luecke;
        verdeckt = b.qq;
        break;
    default:
        break;
    }
    return {teil[2] + teil[3] + teil[4] + " = (" + teil[0] + teil[1] + ")²", verdeckt,
            lueckenHilfe(b, leerBei)};
}

Aufgabe binErgaenzung() {
    const Binom b = genBinomi1();
    const std::int64_t r = zufallszahl(0, 2);
    const std::string luecke(blende);
    // Das mittlere Glied wird immer addiert; das Vorzeichen von q bleibt unsichtbar.
    const std::int64_t mitte = b.pq2 < 0 ? -b.pq2 : b.pq2;
    std::string quadrat = koeff(b.pp, "x²");
    std::string linear = " + " + zahlText(mitte) + "x";
    std::string konstante = " + " + zahlText(b.qq);
    std::int64_t verdeckt = 0;
    std::optional<std::int64_t> auchRichtig;
    if (r == 0) {
        quadrat = luecke + "x²";
        verdeckt = b.pp;
    } else if (r == 1) {
        linear = " + " + luecke + "x";
        verdeckt = mitte;
        // Auch das negative mittlere Glied ergibt ein Quadrat, mit der Differenz im Binom.
        auchRichtig = -mitte;
    } else {
        konstante = " + " + luecke;
        verdeckt = b.qq;
    }
    return {quadrat + linear + konstante,
            verdeckt,
            ergaenzungsHilfe(b, r, mitte),
            std::nullopt,
            0,
            auchRichtig};
}

} // namespace numora
