// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bruchzahlen aus zwei vorzeichenbehafteten 64-Bit-Zahlen, ihre Textform und die
// beiden Parser für getippte Antworten.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace numora {

// Wertetyp. Der Konstruktor speichert Zähler und Nenner unverändert: Erklärungen zeigen
// auch ungekürzte Brüche wie 9/12, und der Parser liefert, was getippt wurde.
struct Bruch {
    std::int64_t zl = 0;
    std::int64_t nn = 1;

    constexpr Bruch() = default;
    constexpr Bruch(std::int64_t zaehler, std::int64_t nenner) : zl(zaehler), nn(nenner) {}

    Bruch redux() const;
    bool istReduziert() const;
    Bruch kehrwert() const;
    Bruch durch(const Bruch& d) const;
    bool istGanzzahl() const;
    bool istPositiv() const;
    // Wertgleichheit durch Überkreuzmultiplikation, ohne Kürzen (auch 3/0 gleich 6/0).
    bool istGleich(const Bruch& b) const;
    double bruch2Double() const;
    std::string bruch2String() const;
    Bruch hoch(std::int64_t n) const;

    // Gleichheit der gespeicherten Felder, nicht des Werts.
    friend bool operator==(const Bruch&, const Bruch&) = default;
};

inline constexpr Bruch einsbruch{1, 1};
inline constexpr Bruch nullbruch{0, 1};

std::int64_t ggT(std::int64_t p, std::int64_t q);
std::int64_t kgV(std::int64_t p, std::int64_t q);
Bruch ganz2Bruch(std::int64_t g);

// Die Rechenoperationen liefern die Normalform. Gerechnet wird exakt mit 128 Bit;
// die Generatoren bleiben weit unter den Grenzen von 64 Bit. Passt die Normalform nicht in
// 64 Bit, ist das Ergebnis 0/0 (wie redux).
Bruch operator*(const Bruch& a, const Bruch& b);
Bruch operator+(const Bruch& a, const Bruch& b);
Bruch operator-(const Bruch& a, const Bruch& b);
// Division durch einen Nullbruch ergibt 0/1.
Bruch operator/(const Bruch& a, const Bruch& b);
bool operator<(const Bruch& a, const Bruch& b);

struct BruchLesung {
    Bruch bruch;
    bool ok = false;
};

inline bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

// Typografische Minuszeichen, das Wort "minus", Bruchstriche und geschützte Leerzeichen als "-",
// "/" und " ", so wie der Parser sie liest.
std::string mitEinfachenZeichen(std::string_view s);

// Ziffern direkt hinter einem Buchstaben, "_" oder "^" sind ein Index oder eine Hochzahl
// ("x1 = 3", "15 m2"), kein Teil der Antwort; sonst würde aus "x1 = 3" die 13.
std::string ohneIndizes(std::string_view s);

// Parser der Antworten: Misslingt er, ist das Ergebnis 1/1 und ok false.
BruchLesung string2Bruch(std::string_view s);
// Zweiter Parser; misslingt er, ist das Ergebnis 0/1.
BruchLesung bruchParser(std::string_view s);

} // namespace numora
