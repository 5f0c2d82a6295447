// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bruch.h"
#include "core/zufall.h"
#include "game/hinweis.h"
#include "generators/paket.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

using numora::thema;

struct Fall {
    thema t;
    const char* antwort;
    std::optional<std::int64_t> andererWert;
    std::int64_t modul;
    const char* getippt;
    std::string erwartet; // Kennung und Satz; leer: kein Hinweis
    bool teilerGesucht = false;
};

TEST(Hinweis, PasstZumFehler) {
    const std::string vz = "vorzeichen: Der Betrag stimmt, aber das Vorzeichen nicht.";
    const std::string kw =
        "kehrwert: Das ist der Kehrwert des Ergebnisses, Zähler und Nenner sind vertauscht.";
    const std::string tag = "wochentagZaehlung: Gezählt ab Montag = 1? Hier gilt aber So = 1, "
                            "Mo = 2, Di = 3, Mi = 4, Do = 5, Fr = 6, Sa = 0.";
    const std::string rest =
        "restklasse: Das stimmt modulo 7, gesucht ist aber der Rest von 0 bis 6.";
    const std::string punkt =
        "dezimalpunkt: Ein Punkt trennt keine Dezimalstellen („2.5“ zählt als "
        "25): Schreibe ein Dezimalkomma wie in 2,5 oder einen Bruch wie 5/2.";
    const std::string zahlen =
        "mehrereZahlen: Numora hat mehrere Zahlen zu einer zusammengelesen: "
        "Tippe nur die gefragte Zahl, ohne „mod“, Rest, Einheit oder Klammer.";
    const std::string gemischt =
        "gemischteZahl: Eine gemischte Zahl liest Numora ohne Leerzeichen („1 1/2“ als 11/2): "
        "Schreibe sie als Bruch wie 3/2 oder mit Komma wie 1,5.";
    const auto zehner = [](const std::string& teil) {
        return "zehnerpotenz: Das ist " + teil +
               " der Lösung: Stimmt die Stelle des Kommas, stimmen die Nullen?";
    };
    const auto loesung = [](const std::string& ist, const std::string& gefragt) {
        return "andereLoesung: Das ist die " + ist + " der beiden Lösungen, gefragt ist die " +
               gefragt + ".";
    };
    const std::vector<Fall> faelle = {
        {thema::grundR, "7", {}, 0, "sieben", ""},
        {thema::bruRe, "3/4", {}, 0, "3/0", ""},
        {thema::grundR, "7", {}, 0, "8", ""},
        {thema::grundR, "7", {}, 0, "-7", vz},
        {thema::bruRe, "-3/4", {}, 0, "6/8", vz},
        {thema::bruRe, "3/4", {}, 0, "4/3", kw},
        {thema::grundR, "4", {}, 0, "1/4", kw},
        {thema::bruRe, "5/2", {}, 0, "2.5", punkt},
        {thema::prop, "36", {}, 0, "3.6", punkt},         // zufällig wertgleich gelesen
        {thema::restKl, "9", {}, 11, "9 mod 11", zahlen}, // nicht "stimmt modulo 11"
        {thema::geraden, "3", {}, 0, "(3|0)", zahlen},
        // Zufällig wertgleich zusammengelesen: trotzdem der Hinweis, nie "richtig".
        {thema::geraden, "5", {}, 0, "(0;5)", zahlen},
        {thema::quadGl, "9", 0, 0, "0 und 9", zahlen},
        {thema::bruRe, "1/40", {}, 0, "0.025", punkt},
        {thema::bruRe, "9/8", {}, 0, "1.125", punkt}, // sonst Tausender, mit Komma gemeint
        // Das Komma an der falschen Stelle, auch mit falschem Vorzeichen nicht.
        {thema::prop, "36", {}, 0, "360", zehner("das Zehnfache")},
        {thema::prop, "36", {}, 0, "0,036", zehner("ein Tausendstel")},
        {thema::prop, "36", {}, 0, "-360", ""},
        {thema::prop, "36", {}, 0, "360000", ""},
        {thema::restKl, "3", {}, 7, "30", ""},
        // 66 = 16 · 4 + 2: Rest und Quotient verwechselt.
        {thema::restKl, "2", 16, 4, "16",
         "andereUnbekannte: Das ist der ganzzahlige Quotient, gefragt ist der Rest."},
        {thema::restKl, "16", 2, 0, "2",
         "andereUnbekannte: Das ist der Rest, gefragt ist der ganzzahlige Quotient."},
        {thema::bruRe, "38/15", {}, 0, "3 8/15", gemischt}, // liest sich als 38/15, ist aber 53/15
        {thema::bruRe, "-5/2", {}, 0, "−2 1/2", gemischt},
        {thema::bruRe, "3/4", {}, 0, "3⁄4", ""},
        // Das Vorzeichen als Wort zählt: kein falscher Hinweis auf Vorzeichen oder andere Lösung.
        {thema::linGl, "3", {}, 0, "minus 3", vz},
        {thema::quadGl, "-8", 8, 0, "minus 8", ""},
        // Modulo: 1/6 ist die unausgerechnete Aufgabe, nicht der vertauschte Bruch.
        {thema::restKl, "6", {}, 7, "1/6", ""},
        {thema::bruRe, "26/21", {}, 0, " 1 5/21", gemischt},
        {thema::quadGl, "-3", 5, 0, "x1 = 5", loesung("größere", "kleinere")},
        {thema::quadGl, "-3", 5, 0, "5", loesung("größere", "kleinere")},
        // Bei ±3 ist die andere Lösung die genauere Auskunft als das Vorzeichen.
        {thema::quadGl, "3", -3, 0, "-3", loesung("kleinere", "größere")},
        {thema::linGl, "-5", 2, 0, "2",
         "andereUnbekannte: Das ist der Wert der anderen Unbekannten, nicht der gefragten."},
        {thema::geraden, "-4", 1, 0, "1",
         "andereUnbekannte: Das ist die andere Koordinate des Schnittpunkts, nicht die gefragte."},
        {thema::restKl, "4", {}, 7, "11", rest},
        {thema::restKl, "4", {}, 7, "-3", rest},
        {thema::restKl, "4", {}, 7, "-9223372036854775808", ""},
        {thema::wTag, "1", {}, 7, "7", tag}, // Sonntag
        {thema::wTag, "2", {}, 7, "1", tag}, // Montag
        {thema::wTag, "0", {}, 7, "6", tag}, // Samstag
        {thema::wTag, "0", {}, 7, "7", rest},
        {thema::bruRe,
         "12",
         {},
         0,
         "4",
         "teiler: Mit 4 lässt sich kürzen, danach aber noch weiter: Gesucht ist der größte "
         "gemeinsame Teiler.",
         true},
        {thema::bruRe, "12", {}, 0, "8", "", true}, // kein Teiler
        {thema::bruRe, "12", {}, 0, "1", "", true}, // kürzt nicht
        {thema::bruRe, "12", {}, 0, "4", ""},       // nicht nach dem Teiler gefragt
    };
    for (const Fall& f : faelle) {
        numora::Karte k;
        k.bereich = f.t;
        k.antwort = f.antwort;
        k.andererWert = f.andererWert;
        k.modul = f.modul;
        k.teilerGesucht = f.teilerGesucht;
        const auto h = numora::hinweis(k, f.getippt);
        EXPECT_EQ(h ? std::string(numora::hinweisKennung(h->art)) + ": " + h->satz : "", f.erwartet)
            << f.getippt << " statt " << f.antwort;
    }
}

TEST(Hinweis, NieFuerDieRichtigeAntwortOderEinenWertgleichenBruch) {
    std::int64_t karten = 0;
    for (std::uint64_t saat = 0; karten < 100'000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (std::size_t i = 0; i <= numora::hoechsterAngebotIndex; ++i) {
            for (std::int64_t level = 1; level <= 3; ++level) {
                for (const numora::Karte& k : numora::genPaket(numora::angebotp[i], level)) {
                    ++karten;
                    const numora::Bruch b = numora::string2Bruch(k.antwort).bruch;
                    const std::string erweitert =
                        std::to_string(3 * b.zl) + "/" + std::to_string(3 * b.nn);
                    ASSERT_EQ(numora::hinweis(k, k.antwort), std::nullopt) << k.frage;
                    ASSERT_EQ(numora::hinweis(k, erweitert), std::nullopt) << k.frage;
                }
            }
        }
    }
}

} // namespace
