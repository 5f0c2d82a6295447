#pragma once

// Ein kleiner, vom Programm unabhängiger Auswerter für die Terme der Fragetexte, mit
// eigener exakter Bruchrechnung. Die Orakel der Generatortests rechnen damit nach.
//
// Versteht ganze Zahlen, x (mit gegebenem Wert), + - * · / : , Klammern, ² und das
// stillschweigende Malnehmen wie in 3x oder 2(x + 1).

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace numora::test {

__extension__ typedef __int128 Ganz;

struct Rational {
    Ganz z = 0;
    Ganz n = 1;

    Rational() = default;
    Rational(Ganz zaehler, Ganz nenner = 1) : z(zaehler), n(nenner) {
        if (n == 0) {
            throw std::domain_error("Division durch 0");
        }
        if (n < 0) {
            z = -z;
            n = -n;
        }
        Ganz a = z < 0 ? -z : z;
        Ganz b = n;
        while (b != 0) {
            const Ganz r = a % b;
            a = b;
            b = r;
        }
        if (a > 1) {
            z /= a;
            n /= a;
        }
    }
    friend Rational operator+(Rational a, Rational b) { return {a.z * b.n + b.z * a.n, a.n * b.n}; }
    friend Rational operator-(Rational a, Rational b) { return {a.z * b.n - b.z * a.n, a.n * b.n}; }
    friend Rational operator*(Rational a, Rational b) { return {a.z * b.z, a.n * b.n}; }
    friend Rational operator/(Rational a, Rational b) { return {a.z * b.n, a.n * b.z}; }
    friend bool operator==(Rational a, Rational b) { return a.z == b.z && a.n == b.n; }
    friend bool operator<(Rational a, Rational b) { return a.z * b.n < b.z * a.n; }

    std::string text() const {
        const auto zahl = [](Ganz v) {
            std::string s;
            const bool negativ = v < 0;
            do {
                const int ziffer = static_cast<int>(v % 10);
                s.insert(s.begin(), static_cast<char>('0' + (ziffer < 0 ? -ziffer : ziffer)));
                v /= 10;
            } while (v != 0);
            return negativ ? "-" + s : s;
        };
        return n == 1 ? zahl(z) : zahl(z) + "/" + zahl(n);
    }
};

class Ausdruck {
  public:
    static Rational wert(std::string_view text, Rational x = {}) {
        Ausdruck a(text, x);
        const Rational w = a.summe();
        a.leer();
        if (a.i_ != a.t_.size()) {
            throw std::runtime_error("Rest im Term: " + std::string(a.t_.substr(a.i_)));
        }
        return w;
    }

    // Ob beide Seiten der Gleichung für diesen Wert von x übereinstimmen.
    static bool erfuellt(std::string_view gleichung, Rational x) {
        const std::size_t gleich = gleichung.find('=');
        if (gleich == std::string_view::npos) {
            throw std::runtime_error("keine Gleichung: " + std::string(gleichung));
        }
        return wert(gleichung.substr(0, gleich), x) == wert(gleichung.substr(gleich + 1), x);
    }

  private:
    Ausdruck(std::string_view t, Rational x) : t_(t), x_(x) {}

    void leer() {
        while (i_ < t_.size() && (t_[i_] == ' ' || t_[i_] == '\n')) {
            ++i_;
        }
    }
    bool nimm(std::string_view zeichen) {
        leer();
        if (t_.substr(i_, zeichen.size()) == zeichen) {
            i_ += zeichen.size();
            return true;
        }
        return false;
    }
    bool vorAtom() {
        leer();
        return i_ < t_.size() && (t_[i_] == 'x' || t_[i_] == '(');
    }

    Rational summe() {
        Rational w = produkt();
        for (;;) {
            if (nimm("+")) {
                w = w + produkt();
            } else if (nimm("-")) {
                w = w - produkt();
            } else {
                return w;
            }
        }
    }
    Rational produkt() {
        Rational w = vorzeichen();
        for (;;) {
            if (nimm("*") || nimm("\u00b7")) {
                w = w * vorzeichen();
            } else if (nimm("/") || nimm(":")) {
                w = w / vorzeichen();
            } else if (vorAtom()) {
                w = w * potenz();
            } else {
                return w;
            }
        }
    }
    Rational vorzeichen() {
        if (nimm("-")) {
            return Rational(0) - vorzeichen();
        }
        if (nimm("+")) {
            return vorzeichen();
        }
        return potenz();
    }
    Rational potenz() {
        const Rational a = atom();
        return nimm("\u00b2") ? a * a : a;
    }
    Rational atom() {
        if (nimm("(")) {
            const Rational w = summe();
            if (!nimm(")")) {
                throw std::runtime_error("fehlende Klammer in " + std::string(t_));
            }
            return w;
        }
        if (nimm("x")) {
            return x_;
        }
        const std::size_t anfang = i_;
        Ganz w = 0;
        while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') {
            w = w * 10 + (t_[i_] - '0');
            ++i_;
        }
        if (anfang == i_) {
            throw std::runtime_error("Zahl erwartet: " + std::string(t_.substr(anfang)));
        }
        return Rational(w);
    }

    std::string_view t_;
    Rational x_;
    std::size_t i_ = 0;
};

} // namespace numora::test
