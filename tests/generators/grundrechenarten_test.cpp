#include "core/zufall.h"
#include "generators/grundrechenarten.h"
#include "generators/paket.h"

#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using numora::Aufgabe;

struct Fall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    Aufgabe erwartet;
};

class GrundRechenarten : public testing::TestWithParam<Fall> {};

TEST_P(GrundRechenarten, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::grundRechenarten(f.level);
    EXPECT_EQ(a.text, f.erwartet.text);
    EXPECT_EQ(a.loesung, f.erwartet.loesung);
    EXPECT_EQ(a.hilfe, f.erwartet.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JedeRechenart, GrundRechenarten,
    testing::Values(
        Fall{"L1Summe", 1, {2, 2, 2}, {"   2 + 2", 4, ""}},
        Fall{"L1Produkt", 1, {4, 7, 8}, {"   7 * 8 ", 56, ""}},
        Fall{"L2Summe", 2, {2, 20, 15}, {"   20 + 15", 35, ""}},
        Fall{"L2Differenz", 2, {3, 12, 5}, {"   17 - 5", 12, ""}},
        Fall{"L2Produkt", 2, {4, 9, 16}, {"   9 * 16", 144, ""}},
        Fall{"L2Quotient", 2, {5, 2, 2}, {"   4 / 2", 2, ""}},
        Fall{"L3Summe",
             3,
             {2, 10, 3, 4, 5},
             {"   10 + 4 · (3 + 5)", 42,
              "   10 + 4 · (3 + 5)\n =  10 + 4 · 8\n =  10 + 32\n = 42 "}},
        Fall{"L3SummeMitDifferenz",
             3,
             {3, 10, 3, 4, 5},
             {"   10 + 4 · (8 - 5)", 22, "10 + 4 · (8 - 5)\n = 10 + 4 · 3 \n = 10 + 12 = 22"}},
        Fall{"L3Differenz",
             3,
             {4, 10, 3, 4, 5},
             {"   42 - 4 · (3 + 5)", 10, " 42 - 4 · (3 + 5)\n = 42 - 4 · 8 \n = 42 - 32 = 10"}},
        Fall{"L3DifferenzMitDifferenz",
             3,
             {5, 10, 3, 4, 5},
             {"   22 - 4 · (8 - 5)", 10, " 22 - 4 · (8 - 5) \n = 22 - 4 · 3 \n = 22 - 12 = 10"}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// Unabhängiger kleiner Auswerter für Ausdrücke mit + - * / · und Klammern.
class Auswerter {
  public:
    explicit Auswerter(std::string text) : t_(std::move(text)) {}

    std::int64_t wert() {
        const std::int64_t w = summe();
        leer();
        if (i_ != t_.size()) {
            throw std::runtime_error("Rest im Ausdruck: " + t_.substr(i_));
        }
        return w;
    }

  private:
    void leer() {
        while (i_ < t_.size() && t_[i_] == ' ') {
            ++i_;
        }
    }
    bool nimm(const std::string& zeichen) {
        leer();
        if (t_.compare(i_, zeichen.size(), zeichen) == 0) {
            i_ += zeichen.size();
            return true;
        }
        return false;
    }
    std::int64_t summe() {
        std::int64_t w = produkt();
        for (;;) {
            if (nimm("+")) {
                w += produkt();
            } else if (nimm("-")) {
                w -= produkt();
            } else {
                return w;
            }
        }
    }
    std::int64_t produkt() {
        std::int64_t w = faktor();
        for (;;) {
            if (nimm("*") || nimm("\u00b7")) {
                w *= faktor();
            } else if (nimm("/")) {
                const std::int64_t d = faktor();
                if (d == 0 || w % d != 0) {
                    throw std::runtime_error("Division geht nicht auf");
                }
                w /= d;
            } else {
                return w;
            }
        }
    }
    std::int64_t faktor() {
        if (nimm("(")) {
            const std::int64_t w = summe();
            if (!nimm(")")) {
                throw std::runtime_error("fehlende Klammer");
            }
            return w;
        }
        leer();
        std::size_t anfang = i_;
        while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) {
            ++i_;
        }
        if (anfang == i_) {
            throw std::runtime_error("Zahl erwartet: " + t_.substr(anfang));
        }
        return std::stoll(t_.substr(anfang, i_ - anfang));
    }

    std::string t_;
    std::size_t i_ = 0;
};

class GrundRechenartenOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(GrundRechenartenOrakel, AntwortIstDerWertDesAusdrucks) {
    const std::int64_t level = GetParam();
    const std::string vorspann = "   Berechne  ";
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::grundR, level)) {
            ASSERT_EQ(k.frage.rfind(vorspann, 0), 0u) << k.frage;
            const std::int64_t wert = Auswerter(k.frage.substr(vorspann.size())).wert();
            ASSERT_EQ(std::to_string(wert), k.antwort) << k.frage;
            ASSERT_GT(wert, 0) << k.frage;
            ASSERT_EQ(k.hilfe.empty(), level != 3);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, GrundRechenartenOrakel, testing::Values(1, 2, 3));

} // namespace
