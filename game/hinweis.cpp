// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hinweis.h"

#include "core/antwortvergleich.h"
#include "core/bruch.h"
#include "core/ganz128.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace numora {

namespace {

// Mit 128 Bit: Zähler und Nenner der getippten Antwort dürfen beliebige 64-Bit-Zahlen sein.
bool istNegativVon(const Bruch& a, const Bruch& b) {
    return static_cast<i128>(a.zl) * b.nn == -(static_cast<i128>(b.zl) * a.nn);
}

bool istKehrwertVon(const Bruch& a, const Bruch& b) {
    return b.zl != 0 && static_cast<i128>(a.zl) * b.zl == static_cast<i128>(a.nn) * b.nn;
}

// Ob a das Zehn-, Hundert- oder Tausendfache von b ist (Faktor positiv) oder ein Zehntel,
// Hundertstel, Tausendstel (negativ): der typische Fehler mit der Stelle des Kommas. Über Kreuz
// in 128 Bit und mit Division statt Multiplikation, damit nichts überläuft.
std::optional<std::int64_t> zehnerFaktor(const Bruch& a, const Bruch& b) {
    const i128 links = static_cast<i128>(a.zl) * b.nn;
    const i128 rechts = static_cast<i128>(b.zl) * a.nn;
    if (links == 0 || rechts == 0) {
        return std::nullopt;
    }
    for (const std::int64_t f : {10, 100, 1000}) {
        if (links % f == 0 && links / f == rechts) {
            return f;
        }
        if (rechts % f == 0 && rechts / f == links) {
            return -f;
        }
    }
    return std::nullopt;
}

std::string zehnerText(std::int64_t faktor) {
    switch (faktor) {
    case 10:
        return "das Zehnfache";
    case 100:
        return "das Hundertfache";
    case 1000:
        return "das Tausendfache";
    case -10:
        return "ein Zehntel";
    case -100:
        return "ein Hundertstel";
    default:
        return "ein Tausendstel";
    }
}

// Wie beim Urteil: unlesbar oder Nenner 0 ist nie richtig.
bool lesbar(const BruchLesung& l) {
    return l.ok && l.bruch.nn != 0;
}

std::optional<std::int64_t> ganzzahl(const Bruch& b) {
    const Bruch r = b.redux();
    if (r.nn != 1) {
        return std::nullopt;
    }
    return r.zl;
}

// Rest in 0..m-1, auch für negative Zahlen.
std::int64_t restVon(std::int64_t a, std::int64_t m) {
    const std::int64_t r = a % m;
    return r < 0 ? r + m : r;
}

std::optional<Hinweis> themenHinweis(const Karte& karte, std::int64_t richtig,
                                     std::int64_t getippt) {
    if (karte.andererWert && getippt == *karte.andererWert) {
        if (karte.bereich == thema::quadGl) {
            const bool gefragtKleinere = richtig < getippt;
            return Hinweis{HinweisArt::andereLoesung,
                           std::string("Das ist die ") +
                               (gefragtKleinere ? "größere" : "kleinere") +
                               " der beiden Lösungen, gefragt ist die " +
                               (gefragtKleinere ? "kleinere." : "größere.")};
        }
        if (karte.bereich == thema::linGl) {
            return Hinweis{HinweisArt::andereUnbekannte,
                           "Das ist der Wert der anderen Unbekannten, nicht der gefragten."};
        }
        // Division mit Rest: Nur die Frage nach dem Rest hat einen Modul.
        if (karte.bereich == thema::restKl) {
            return Hinweis{HinweisArt::andereUnbekannte,
                           karte.modul > 0
                               ? "Das ist der ganzzahlige Quotient, gefragt ist der Rest."
                               : "Das ist der Rest, gefragt ist der ganzzahlige Quotient."};
        }
        if (karte.bereich == thema::geraden) {
            return Hinweis{HinweisArt::andereUnbekannte,
                           "Das ist die andere Koordinate des Schnittpunkts, nicht die gefragte."};
        }
    }
    if (karte.teilerGesucht && getippt > 1 && getippt < richtig && richtig % getippt == 0) {
        return Hinweis{HinweisArt::teiler,
                       "Mit " + std::to_string(getippt) +
                           " lässt sich kürzen, danach aber noch weiter: Gesucht ist der größte "
                           "gemeinsame Teiler."};
    }
    // Mo = 1 … Sa = 6 und So = 7 (oder 0) liegt jeweils eins unter der Kennzahl.
    if (karte.bereich == thema::wTag && getippt >= 0 && getippt <= 7 &&
        restVon(getippt + 1, 7) == restVon(richtig, 7)) {
        return Hinweis{HinweisArt::wochentagZaehlung,
                       "Gezählt ab Montag = 1? Hier gilt aber So = 1, Mo = 2, Di = 3, Mi = 4, "
                       "Do = 5, Fr = 6, Sa = 0."};
    }
    const std::int64_t m = karte.modul;
    if (m > 0 && (getippt < 0 || getippt >= m) && restVon(getippt, m) == restVon(richtig, m)) {
        return Hinweis{HinweisArt::restklasse, "Das stimmt modulo " + std::to_string(m) +
                                                   ", gesucht ist aber der Rest von 0 bis " +
                                                   std::to_string(m - 1) + "."};
    }
    return std::nullopt;
}

} // namespace

std::string_view hinweisKennung(HinweisArt art) {
    switch (art) {
    case HinweisArt::vorzeichen:
        return "vorzeichen";
    case HinweisArt::kehrwert:
        return "kehrwert";
    case HinweisArt::dezimalpunkt:
        return "dezimalpunkt";
    case HinweisArt::andereLoesung:
        return "andereLoesung";
    case HinweisArt::andereUnbekannte:
        return "andereUnbekannte";
    case HinweisArt::restklasse:
        return "restklasse";
    case HinweisArt::wochentagZaehlung:
        return "wochentagZaehlung";
    case HinweisArt::mehrereZahlen:
        return "mehrereZahlen";
    case HinweisArt::gemischteZahl:
        return "gemischteZahl";
    case HinweisArt::zehnerpotenz:
        return "zehnerpotenz";
    case HinweisArt::teiler:
        return "teiler";
    }
    return "unbekannt";
}

std::optional<Hinweis> hinweis(const Karte& karte, std::string_view getippt) {
    const BruchLesung a = string2Bruch(getippt);
    const BruchLesung r = string2Bruch(karte.antwort);
    if (!lesbar(a) || !lesbar(r)) {
        return std::nullopt;
    }
    // Zuerst der Punkt: Der gelesene Wert ist dann ein Zufallsprodukt des Parsers, und auch ein
    // zufällig wertgleicher ist falsch. Ebenso, wenn das Getippte mit Komma statt Punkt richtig
    // wäre: "1.125" sieht aus wie Tausender, gemeint ist bei 9/8 aber 1,125.
    std::string mitKomma(getippt);
    std::replace(mitKomma.begin(), mitKomma.end(), '.', ',');
    const BruchLesung k = string2Bruch(mitKomma);
    if (hatDezimalpunkt(getippt) ||
        (mitKomma != getippt && lesbar(k) && k.bruch.istGleich(r.bruch))) {
        return Hinweis{HinweisArt::dezimalpunkt,
                       "Ein Punkt trennt keine Dezimalstellen („2.5“ zählt als 25): Schreibe ein "
                       "Dezimalkomma wie in 2,5 oder einen Bruch wie 5/2."};
    }
    // Wie der Punkt vor dem Vergleich: Auch zufällig passend zusammengelesen ("0 und 9",
    // "3 8/15" bei 38/15) ist die Antwort falsch.
    if (hatMehrereZahlen(getippt)) {
        return Hinweis{HinweisArt::mehrereZahlen,
                       "Numora hat mehrere Zahlen zu einer zusammengelesen: Tippe nur die gefragte "
                       "Zahl, ohne „mod“, Rest, Einheit oder Klammer."};
    }
    if (istGemischteZahl(getippt)) {
        return Hinweis{HinweisArt::gemischteZahl,
                       "Eine gemischte Zahl liest Numora ohne Leerzeichen („1 1/2“ als 11/2): "
                       "Schreibe sie als Bruch wie 3/2 oder mit Komma wie 1,5."};
    }
    if (a.bruch.istGleich(r.bruch)) {
        return std::nullopt;
    }
    const auto ganzA = ganzzahl(a.bruch);
    const auto ganzR = ganzzahl(r.bruch);
    if (ganzA && ganzR) {
        if (auto h = themenHinweis(karte, *ganzR, *ganzA)) {
            return h;
        }
    }
    if (istNegativVon(a.bruch, r.bruch)) {
        return Hinweis{HinweisArt::vorzeichen, "Der Betrag stimmt, aber das Vorzeichen nicht."};
    }
    // Gesucht ist ein Rest: Ein getippter Bruch wie 1/6 ist die unausgerechnete Aufgabe, kein
    // vertauschter Bruch.
    if (karte.modul == 0 && istKehrwertVon(a.bruch, r.bruch)) {
        return Hinweis{HinweisArt::kehrwert,
                       "Das ist der Kehrwert des Ergebnisses, Zähler und Nenner sind vertauscht."};
    }
    // Beim Rest und beim Wochentag ist das Zehnfache Zufall, kein Fehler mit dem Komma.
    if (const auto f = karte.modul == 0 ? zehnerFaktor(a.bruch, r.bruch) : std::nullopt) {
        return Hinweis{HinweisArt::zehnerpotenz,
                       "Das ist " + zehnerText(*f) +
                           " der Lösung: Stimmt die Stelle des Kommas, stimmen die Nullen?"};
    }
    return std::nullopt;
}

} // namespace numora
