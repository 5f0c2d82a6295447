// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ein kleiner, vom Programm unabhängiger Auswerter für die Terme der Fragetexte, mit
// eigener exakter Bruchrechnung. Die Orakel der Generatortests rechnen damit nach.
//
// Versteht ganze Zahlen, x (mit gegebenem Wert), + - * · / : , Klammern, ² und das
// stillschweigende Malnehmen wie in 3x oder 2(x + 1). Die Zahlen der Fragen sind klein;
// ein Überlauf fiele dem UBSan auf.

#include <array>
#include <cstdint>
#include <numeric>
#include <stdexcept>
#include <string>
#include <string_view>

namespace numora::test {

struct Rational {
    std::int64_t z = 0;
    std::int64_t n = 1;

    Rational(std::int64_t zaehler = 0, std::int64_t nenner = 1) : z(zaehler), n(nenner) {
        if (n == 0) {
            throw std::domain_error("Division durch 0");
        }
        const std::int64_t g = std::gcd(z, n) * (n < 0 ? -1 : 1);
        z /= g;
        n /= g;
    }
    friend Rational operator+(Rational a, Rational b) { return {a.z * b.n + b.z * a.n, a.n * b.n}; }
    friend Rational operator-(Rational a, Rational b) { return {a.z * b.n - b.z * a.n, a.n * b.n}; }
    friend Rational operator*(Rational a, Rational b) { return {a.z * b.z, a.n * b.n}; }
    friend Rational operator/(Rational a, Rational b) { return {a.z * b.n, a.n * b.z}; }
    friend bool operator==(Rational a, Rational b) { return a.z == b.z && a.n == b.n; }
    friend bool operator<(Rational a, Rational b) { return a.z * b.n < b.z * a.n; }
    std::string text() const { return std::to_string(z) + (n == 1 ? "" : "/" + std::to_string(n)); }
};

class Ausdruck {
  public:
    static Rational wert(std::string_view text, Rational x = {}) {
        Ausdruck a(text, x);
        const Rational w = a.summe();
        return a.nimm("") && a.i_ == text.size() ? w : a.fehler("Rest im Term");
    }

    // Ob beide Seiten der Gleichung für diesen Wert von x übereinstimmen.
    static bool erfuellt(std::string_view gleichung, Rational x) {
        const std::size_t gleich = gleichung.find('=');
        return gleich != gleichung.npos &&
               wert(gleichung.substr(0, gleich), x) == wert(gleichung.substr(gleich + 1), x);
    }

    // a, b, c von a·x² + b·x + c = links - rechts (oder = Term) aus den Werten bei -1, 0, 1.
    static std::array<std::int64_t, 3> koeffizienten(std::string_view text) {
        const std::size_t gleich = text.find('=');
        const auto f = [&](std::int64_t x) {
            const Rational rechts = gleich == text.npos ? 0 : wert(text.substr(gleich + 1), x);
            return (wert(text.substr(0, gleich), x) - rechts).z;
        };
        const std::int64_t c = f(0), plus = f(1), minus = f(-1);
        return {(plus + minus) / 2 - c, (plus - minus) / 2, c};
    }

  private:
    std::string_view t_;
    Rational x_;
    std::size_t i_ = 0;

    Ausdruck(std::string_view t, Rational x) : t_(t), x_(x) {}
    Rational fehler(const std::string& was) const {
        throw std::runtime_error(was + ": " + std::string(t_) + " bei " + std::to_string(i_));
    }
    // Überspringt Leerraum und nimmt das Zeichen, wenn es folgt.
    bool nimm(std::string_view zeichen) {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n')) {
            ++i_;
        }
        const bool da = t_.substr(i_, zeichen.size()) == zeichen;
        i_ += da ? zeichen.size() : 0;
        return da;
    }
    Rational summe() {
        Rational w = produkt();
        for (bool plus; (plus = nimm("+")) || nimm("-");) {
            w = plus ? w + produkt() : w - produkt();
        }
        return w;
    }
    // Vor x und vor einer Klammer wird stillschweigend malgenommen.
    bool vorAtom() { return nimm("") && (t_.substr(i_, 1) == "x" || t_.substr(i_, 1) == "("); }
    Rational produkt() {
        Rational w = vorzeichen();
        for (bool mal; (mal = nimm("*") || nimm("·") || vorAtom()) || nimm("/") || nimm(":");) {
            w = mal ? w * vorzeichen() : w / vorzeichen();
        }
        return w;
    }
    Rational vorzeichen() {
        if (nimm("-")) {
            return Rational(0) - vorzeichen();
        }
        return nimm("+") ? vorzeichen() : potenz();
    }
    Rational potenz() {
        Rational a = x_;
        if (nimm("(")) {
            a = summe();
            if (!nimm(")")) {
                fehler("Klammer fehlt");
            }
        } else if (!nimm("x")) {
            const std::size_t anfang = i_;
            std::int64_t w = 0;
            for (; i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9'; ++i_) {
                w = w * 10 + (t_[i_] - '0');
            }
            a = anfang < i_ ? w : fehler("Zahl erwartet");
        }
        return nimm("²") ? a * a : a;
    }
};

} // namespace numora::test
