// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/bruch.h"

#include "core/ganz128.h"
#include "core/utf8.h"
#include "core/zahltext.h"

#include <limits>

namespace numora {

namespace {

// Für ggT und kgV: Jenseits von 64 Bit wird abgeschnitten (definiert, kein UB), so ist
// ggT(-2^63, 0) wieder -2^63.
std::int64_t schmal(i128 x) {
    return static_cast<std::int64_t>(x);
}

bool passt(i128 x) {
    return x >= std::numeric_limits<std::int64_t>::min() &&
           x <= std::numeric_limits<std::int64_t>::max();
}

// Normalform: Nenner positiv (ein Nenner 0 bleibt 0), Zähler und Nenner teilerfremd. 0/0 bleibt
// 0/0, und 0/0 ist auch das Ergebnis, wenn die Normalform nicht in 64 Bit passt: Abgeschnitten
// wäre sie ein falscher Wert, etwa -2^63 für getipptes "-9223372036854775808/-1".
Bruch redux128(i128 z, i128 n) {
    const u128 g = ggT128(z, n);
    if (g == 0) {
        return Bruch(0, 0);
    }
    const i128 gs = static_cast<i128>(g);
    z /= gs;
    n /= gs;
    if (n < 0) {
        z = -z;
        n = -n;
    }
    if (!passt(z) || !passt(n)) {
        return Bruch(0, 0);
    }
    return Bruch(static_cast<std::int64_t>(z), static_cast<std::int64_t>(n));
}

} // namespace

std::int64_t ggT(std::int64_t p, std::int64_t q) {
    return schmal(static_cast<i128>(ggT128(p, q)));
}

std::int64_t kgV(std::int64_t p, std::int64_t q) {
    const std::int64_t g = ggT(p, q);
    if (g == 0) {
        return 0;
    }
    return schmal(static_cast<i128>(p) * q / g);
}

Bruch ganz2Bruch(std::int64_t g) {
    return Bruch(g, 1);
}

Bruch Bruch::redux() const {
    return redux128(zl, nn);
}

bool Bruch::istReduziert() const {
    return ggT(nn, zl) == 1;
}

Bruch Bruch::kehrwert() const {
    return Bruch(nn, zl).redux();
}

Bruch Bruch::durch(const Bruch& d) const {
    return (*this * d.kehrwert()).redux();
}

bool Bruch::istGanzzahl() const {
    return redux().nn == 1;
}

bool Bruch::istPositiv() const {
    return zl > 0;
}

bool Bruch::istGleich(const Bruch& b) const {
    return static_cast<i128>(zl) * b.nn == static_cast<i128>(b.zl) * nn;
}

double Bruch::bruch2Double() const {
    return static_cast<double>(zl) / static_cast<double>(nn);
}

std::string Bruch::bruch2String() const {
    if (nn != 1) {
        return std::to_string(zl) + "/" + std::to_string(nn);
    }
    return std::to_string(zl);
}

namespace {

// Quadrieren und Multiplizieren: gleiches Ergebnis wie k-faches Multiplizieren, aber auch
// für große Exponenten schnell.
Bruch potenz(Bruch basis, std::uint64_t k) {
    Bruch r = einsbruch;
    for (; k != 0; k >>= 1) {
        if (k & 1) {
            r = r * basis;
        }
        basis = basis * basis;
    }
    return r.redux();
}

} // namespace

Bruch Bruch::hoch(std::int64_t n) const {
    if (n < 0) {
        // Betrag über unsigned, damit auch die kleinste 64-Bit-Zahl keinen Überlauf auslöst.
        const std::uint64_t k = std::uint64_t(0) - static_cast<std::uint64_t>(n);
        return k == 1 ? kehrwert() : potenz(kehrwert(), k);
    }
    if (n == 0) {
        return einsbruch;
    }
    if (n == 1) {
        return *this;
    }
    return potenz(*this, static_cast<std::uint64_t>(n));
}

Bruch operator*(const Bruch& a, const Bruch& b) {
    return redux128(static_cast<i128>(a.zl) * b.zl, static_cast<i128>(a.nn) * b.nn);
}

namespace {

// x + y über dem Nenner n. Jeder Summand ist höchstens 2^126; nur wenn beide genau
// 2^126 sind, reicht auch 128 Bit nicht. Dann sind alle drei gerade und werden halbiert.
Bruch summe(i128 x, i128 y, i128 n) {
    i128 z = 0;
    if (__builtin_add_overflow(x, y, &z)) {
        return redux128(x / 2 + y / 2, n / 2);
    }
    return redux128(z, n);
}

} // namespace

Bruch operator+(const Bruch& a, const Bruch& b) {
    return summe(static_cast<i128>(a.zl) * b.nn, static_cast<i128>(a.nn) * b.zl,
                 static_cast<i128>(a.nn) * b.nn);
}

Bruch operator-(const Bruch& a, const Bruch& b) {
    // -(a.nn * b.zl) ist höchstens 2^126 und passt daher immer.
    return summe(static_cast<i128>(a.zl) * b.nn, -(static_cast<i128>(a.nn) * b.zl),
                 static_cast<i128>(a.nn) * b.nn);
}

Bruch operator/(const Bruch& a, const Bruch& b) {
    if (b.istGleich(nullbruch)) {
        return nullbruch;
    }
    return (a * b.kehrwert()).redux();
}

bool operator<(const Bruch& a, const Bruch& b) {
    // Über Kreuz multipliziert dreht ein negativer Nenner den Vergleich um ("1/-2" vom Parser).
    const i128 links = static_cast<i128>(a.zl) * b.nn;
    const i128 rechts = static_cast<i128>(a.nn) * b.zl;
    return (a.nn < 0) == (b.nn < 0) ? links < rechts : rechts < links;
}

namespace {

// Behalten werden nur "/", "-" und die Ziffern, in ihrer Reihenfolge.
std::string saeubern(std::string_view s) {
    std::string r;
    for (const char c : s) {
        if (c == '/' || c == '-' || istZiffer(c)) {
            r.push_back(c);
        }
    }
    return r;
}

enum class Dezimal { keins, gelesen, zuGross };

// Ein deutsches Dezimalkomma: nach dem Säubern (Komma behalten) genau die Form
// -?Ziffern,Ziffern. "2,5" ist dann 5/2 und nicht 25; ",5" ist wie 0,5.
Dezimal alsDezimalbruch(std::string_view s, Bruch& ergebnis) {
    std::string t;
    for (const char c : s) {
        if (c == '/' || c == '-' || c == ',' || istZiffer(c)) {
            t.push_back(c);
        }
    }
    std::size_t i = 0;
    const bool negativ = !t.empty() && t[0] == '-';
    if (negativ) {
        ++i;
    }
    const std::size_t komma = t.find(',', i);
    if (komma == std::string::npos || komma + 1 >= t.size()) {
        return Dezimal::keins;
    }
    // ",5" ist 0,5; in "Do, 5" trennt das Komma aber ein Wort von der Zahl.
    if (komma == i) {
        const std::size_t roh = s.find(',');
        if (roh + 1 >= s.size() || !istZiffer(s[roh + 1])) {
            return Dezimal::keins;
        }
    }
    for (std::size_t k = i; k < t.size(); ++k) {
        if (k != komma && !istZiffer(t[k])) {
            return Dezimal::keins;
        }
    }
    std::string ganz = t.substr(i, komma - i);
    std::string nachkomma = t.substr(komma + 1);
    while (!nachkomma.empty() && nachkomma.back() == '0') {
        nachkomma.pop_back();
    }
    if (nachkomma.size() > 18) {
        return Dezimal::zuGross;
    }
    std::int64_t nenner = 1;
    for (std::size_t k = 0; k < nachkomma.size(); ++k) {
        nenner *= 10;
    }
    std::int64_t zaehler = 0;
    const std::string ziffern = ganz + nachkomma;
    if (!leseGanzzahl((negativ ? "-" : "") + (ziffern.empty() ? "0" : ziffern), zaehler)) {
        return Dezimal::zuGross;
    }
    ergebnis = Bruch(zaehler, nenner).redux();
    return Dezimal::gelesen;
}

} // namespace

// Typografische Minuszeichen, die Wörter "minus" und "negativ" und Bruchstriche, wie sie
// Bildschirmtastaturen und kopierte Texte liefern, gelten als "-" und "/": Fielen sie beim Säubern
// weg, würde aus "−4" oder "minus 4" eine 4. Geschützte Leerzeichen ("1 000", Alt+Leertaste) sind
// Leerzeichen.
std::string mitEinfachenZeichen(std::string_view s) {
    static constexpr Ersatz ersatz[] = {
        {"\u2212", "-"}, {"\u2010", "-"},  {"\u2011", "-"},  {"\u2012", "-"}, {"\u2013", "-"},
        {"\u2014", "-"}, {"\uFE63", "-"},  {"\uFF0D", "-"},  {"minus", "-"},  {"Minus", "-"},
        {"MINUS", "-"},  {"negativ", "-"}, {"Negativ", "-"}, {"\u2044", "/"}, {"\u2215", "/"},
        {"\u00F7", "/"}, {"\u00A0", " "},  {"\u202F", " "},  {"\u2009", " "}};
    std::string r = mitErsatz(s, ersatz);
    // Der Doppelpunkt ist das deutsche Geteiltzeichen: "3 : 4" ist 3/4, nicht 34. Nur zwischen
    // Ziffern, denn in "Antwort: 3" trennt er ein Wort ab.
    for (std::size_t i = 0; i < r.size(); ++i) {
        if (r[i] != ':') {
            continue;
        }
        const std::size_t davor = r.find_last_not_of(' ', i == 0 ? std::string::npos : i - 1);
        const std::size_t danach = r.find_first_not_of(' ', i + 1);
        if (i > 0 && davor != std::string::npos && istZiffer(r[davor]) &&
            danach != std::string::npos && (istZiffer(r[danach]) || r[danach] == '-')) {
            r[i] = '/';
        }
    }
    return r;
}

std::string ohneIndizes(std::string_view s) {
    std::string r;
    bool index = false;
    for (const char c : s) {
        const bool ziffer = istZiffer(c);
        if (!(index && ziffer)) {
            r.push_back(c);
        }
        const bool buchstabe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        index = buchstabe || c == '_' || c == '^' || (index && ziffer);
    }
    return r;
}

BruchLesung string2Bruch(std::string_view eingabe) {
    const std::string s = ohneIndizes(mitEinfachenZeichen(eingabe));
    Bruch dezimal;
    switch (alsDezimalbruch(s, dezimal)) {
    case Dezimal::gelesen:
        return {dezimal, true};
    case Dezimal::zuGross:
        return {einsbruch, false};
    case Dezimal::keins:
        break;
    }
    const std::string t = saeubern(s);
    std::int64_t ganz = 0;
    if (leseGanzzahl(t, ganz)) {
        return {Bruch(ganz, 1), true};
    }
    const std::size_t strich = t.find('/');
    if (strich != std::string::npos) {
        const std::string zaehlerText = t.substr(0, strich);
        std::string nennerText;
        for (std::size_t k = strich + 1; k < t.size(); ++k) {
            if (t[k] != '/') {
                nennerText.push_back(t[k]);
            }
        }
        std::int64_t z = 0;
        std::int64_t n = 0;
        if (leseGanzzahl(zaehlerText, z) && leseGanzzahl(nennerText, n)) {
            return {Bruch(z, n), true};
        }
    }
    return {einsbruch, false};
}

BruchLesung bruchParser(std::string_view s) {
    const std::string t = saeubern(s);
    std::string zaehlerText;
    std::string nennerText;
    for (const char c : t) {
        if (c == '/') {
            zaehlerText = std::move(nennerText);
            nennerText.clear();
        } else {
            nennerText.push_back(c);
        }
    }
    if (nennerText.empty()) {
        nennerText = "1";
    }
    std::int64_t z = 0;
    std::int64_t n = 0;
    if (leseGanzzahl(zaehlerText, z) && leseGanzzahl(nennerText, n) && n != 0) {
        return {Bruch(z, n), true};
    }
    return {nullbruch, false};
}

} // namespace numora
