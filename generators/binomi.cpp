#include "generators/binomi.h"

#include "core/zufall.h"
#include "generators/formatierung.h"

#include <array>
#include <string>

namespace numora {

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
    return {teil[2] + teil[3] + teil[4] + " = (" + teil[0] + teil[1] + ")²", verdeckt, ""};
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
    if (r == 0) {
        quadrat = luecke + "x²";
        verdeckt = b.pp;
    } else if (r == 1) {
        linear = " + " + luecke + "x";
        verdeckt = mitte;
    } else {
        konstante = " + " + luecke;
        verdeckt = b.qq;
    }
    return {quadrat + linear + konstante, verdeckt, ""};
}

} // namespace numora
