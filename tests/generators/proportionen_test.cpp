// SPDX-License-Identifier: GPL-3.0-or-later
#include "ausdruck.h"
#include "pakettest.h"

#include <regex>

namespace numora::test {
namespace {

constexpr auto P = thema::prop;
const std::string verhaeltnis = "\n\n          Berechne x in der Verhältnisgleichung:    ";
const std::string maschinen = "      3 gleichartige Maschinen erzeugen in 4 Zeiteinheiten 24 "
                              "Produkteinheiten.\n";

// Ziehungen: Stufe 1 Form, dann a, b, c, d (verworfene Vierer zuerst); Stufe 2 a, b, c, d,
// dann die Art; Stufe 3 r, M, T, Art und deren Ziehungen.
INSTANTIATE_TEST_SUITE_P(
    Proportionen, Karten,
    testing::Values(
        Kartenfall(P, "XHinten", 1, {3, 5, 2, 5, 3, 7, 4, 3, 4, 6, 3, 4, 5}, "20",
                   verhaeltnis + "12 : x = 18 : 30",
                   "Übergang zu den Kehrwerten und Multiplikation mit 12 führt zu:\nx = 12 *  30 "
                   "/ 18\nKürzen mit 3 und 6 ergibt:x = 4 * 5 = 20"),
        Kartenfall(P, "XVorn", 1, {4, 5, 3, 3, 2, 6, 2, 4, 6, 5, 2, 5, 3}, "15",
                   verhaeltnis + "x : 25 = 6 : 10",
                   "Multiplikation mit 25 führt zu:\nx = 25 *6 / 10\nKürzen mit 5 und 2 "
                   "ergibt:\nx = 5 * 3 = 15"),
        Kartenfall(P, "Farbe", 2, {8, 4, 3, 6, 5, 2, 6, 3, 11}, "18",
                   "    Wie viele Einheiten Farbe braucht man zum Streichen von 30 m², \n\n      "
                   "    wenn 6 Einheiten Farbe für 10 m² benötigt werden?",
                   "Die Zuordnung Fläche <-> Farbeinheiten ist proportional\nFür die gesuchte "
                   "Einheiten-Anzahl x gilt daher\nx : 30 = 6 : 10 \n - und daher\nx = 30 * 6 / "
                   "10\nKürzen mit 2 und 5 ergibt: x = 18"),
        Kartenfall(P, "Flaeche", 2, {7, 3, 4, 2, 12}, "8",
                   "    Für wie viele m² reichen 28 Einheiten Farbe,\n\n          wenn man mit 21 "
                   "Einheiten Farbe 6 m² streichen kann?",
                   "Die Zuordnung Farbeinheiten <-> Fläche ist proportional\nFür die "
                   "Quadratmeter-Anzahl x gilt daher\nx : 28 = 6 : 21\nKürzen mit 3 und 7 "
                   "ergibt: x = 8"),
        // Die neue Zeit gleich der alten wird neu gezogen.
        Kartenfall(P, "Maschinen", 3, {2, 3, 4, 1, 3, 4, 2}, "3",
                   maschinen + "\n Wie viele derartige Maschinen erzeugen in 2 Zeiteinheiten 12 "
                               "Produkteinheiten ?",
                   "Die Anzahl der Maschinen ist umgekehrt proportional zur benötigten Zeit und "
                   "proportional zur erzeugten Menge.\nIst x die gesuchte Anzahl der Maschinen, "
                   "gilt daher:\nx = 3 * (4 / 2) * (12 / 24)  \n Antwort: 3  (Maschinen)"),
        Kartenfall(P, "Produkte", 3, {2, 3, 4, 2, 4, 3}, "24",
                   maschinen + "\nWie viele Produkteinheiten erzeugen 4 dieser Maschinen in 3 "
                               "Zeiteinheiten.",
                   "Die produzierte Menge ist proportional zur benötigten Zeit und proportional "
                   "zur Anzahl der Maschinen.\nIst p die gesuchte Anzahl der erzeugten "
                   "Produkteinheiten, gilt daher:\n p = 24 * (3 / 4) * (4 / 3)  \n Antwort: 24  "
                   "(Produkteinheiten)"),
        Kartenfall(P, "Zeit", 3, {2, 3, 4, 3, 2, 5}, "5",
                   maschinen + "\nWie viele Zeiteinheiten benötigen 2 dieser Maschinen zur "
                               "Erzeugung von 20 Produkteinheiten?",
                   "Die Anzahl der Zeiteinheiten ist proportional zur produzierten Menge und "
                   "umgekehrt proportional zur Anzahl der Maschinen.\nIst z die gesuchte Anzahl "
                   "der Zeiteinheiten, gilt daher:\nz = 4 * (20 / 24) * (3 / 2)\nAntwort: 5  "
                   "(Zeiteinheiten)")),
    fallName);

// Stufe 1: Einsetzen in die Verhältnisgleichung. Stufe 2: x : z0 = z1 : z2, bei "m² reichen"
// x : z0 = z2 : z1. Stufe 3: z0 Maschinen erzeugen in z1 Zeiteinheiten z2 Produkteinheiten,
// die Produkte wachsen mit Maschinen mal Zeit.
TEST(PropOrakel, AntwortErfuelltDieProportion) {
    const std::regex zahl("[0-9]+");
    fuerJedeKarte(P, [&](const Karte& k, std::int64_t level) {
        const Rational x = std::stoll(k.antwort);
        const auto hat = [&k](const char* t) { return k.frage.find(t) != std::string::npos; };
        std::vector<Rational> z;
        for (std::sregex_iterator i(k.frage.begin(), k.frage.end(), zahl), e; i != e; ++i) {
            z.emplace_back(std::stoll(i->str()));
        }
        ASSERT_EQ(z.size(), level < 3 ? 3u : 5u);
        if (level == 1) {
            ASSERT_TRUE(Ausdruck::erfuellt(k.frage.substr(verhaeltnis.size()), x));
        } else if (level == 2) {
            ASSERT_EQ(x / z[0], hat("m² reichen") ? z[2] / z[1] : z[1] / z[2]);
        } else if (hat("derartige Maschinen")) {
            ASSERT_EQ(z[2] / (z[0] * z[1]), z[4] / (x * z[3]));
        } else if (hat("Produkteinheiten erzeugen")) {
            ASSERT_EQ(z[2] / (z[0] * z[1]), x / (z[3] * z[4]));
        } else {
            ASSERT_TRUE(hat("Zeiteinheiten benötigen"));
            ASSERT_EQ(z[2] / (z[0] * z[1]), z[4] / (z[3] * x));
        }
    });
}

} // namespace
} // namespace numora::test
