#include "core/zufall.h"
#include "generators/binomi.h"
#include "generators/paket.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using numora::Aufgabe;

const std::string L(numora::blende);

TEST(Blende, IstDasZeichenAusDemPrivatenBereich) {
    EXPECT_EQ(L, "\uF8FF");
}

TEST(GenBinomi1, ZiehtQNeuBisNichtNullUndNichtMinusP) {
    numora::SkriptQuelle skript{4, 0, -4, 0, -2};
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const numora::Binom b = numora::genBinomi1();
    EXPECT_EQ(b.p, 4);
    EXPECT_EQ(b.q, -2);
    EXPECT_EQ(b.pp, 16);
    EXPECT_EQ(b.pq2, -16);
    EXPECT_EQ(b.qq, 4);
    EXPECT_EQ(skript.uebrig(), 0u);
}

struct LueckenFall {
    const char* name;
    std::int64_t leerBei;
    std::vector<std::int64_t> ziehungen; // p, dann q samt verworfener Werte
    std::string text;
    std::int64_t verdeckt;
};

// Im Fehlerfall den Namen des Falls statt der Bytes zeigen.
void PrintTo(const LueckenFall& f, std::ostream* os) {
    *os << f.name;
}

class GenBinMitLeer : public testing::TestWithParam<LueckenFall> {};

TEST_P(GenBinMitLeer, ErzeugtGenauDieseGleichung) {
    const LueckenFall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::genBinMitLeer(f.leerBei);
    EXPECT_EQ(a.text, f.text);
    EXPECT_EQ(a.loesung, f.verdeckt);
    EXPECT_EQ(a.hilfe, "");
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JedePosition, GenBinMitLeer,
    testing::Values(
        LueckenFall{"FaktorVorX", 0, {2, -3}, "4x² - 12x + 9 = (" + L + "x - 3)²", 2},
        LueckenFall{"NegativesQ", 1, {2, -3}, "4x² - 12x + 9 = (2x + " + L + ")²", -3},
        LueckenFall{"Quadratglied", 2, {2, 3}, " " + L + "x² + 12x + 9 = (2x + 3)²", 4},
        LueckenFall{"NegativesMittelglied", 3, {2, -3}, "4x² + " + L + "x + 9 = (2x - 3)²", -12},
        LueckenFall{"Konstante", 4, {1, 5}, "x² + 10x + " + L + " = (x + 5)²", 25},
        LueckenFall{"PIstEinsUndQWirdNeuGezogen",
                    2,
                    {1, 0, -1, -4},
                    " " + L + "x² - 8x + 16 = (x - 4)²",
                    1},
        LueckenFall{"VerdeckteEinsVorX", 0, {1, -9}, "x² - 18x + 81 = (" + L + "x - 9)²", 1},
        LueckenFall{"GroessteZahlen", 4, {9, 9}, "81x² + 162x + " + L + " = (9x + 9)²", 81}),
    [](const testing::TestParamInfo<LueckenFall>& i) { return i.param.name; });

class BinErgaenzung : public testing::TestWithParam<LueckenFall> {};

TEST_P(BinErgaenzung, ErzeugtGenauDiesenTerm) {
    const LueckenFall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = numora::binErgaenzung();
    EXPECT_EQ(a.text, f.text);
    EXPECT_EQ(a.loesung, f.verdeckt);
    EXPECT_EQ(a.hilfe, "");
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Hier ist leerBei unbenutzt; die Art r steht als letzte Ziehung in der Liste.
INSTANTIATE_TEST_SUITE_P(
    JedeArt, BinErgaenzung,
    testing::Values(
        LueckenFall{"Quadratglied", 0, {2, -3, 0}, L + "x² + 12x + 9", 4},
        LueckenFall{"MittelgliedImmerPositiv", 0, {2, -3, 1}, "4x² + " + L + "x + 9", 12},
        LueckenFall{"Konstante", 0, {1, 7, 2}, "x² + 14x + " + L, 49},
        LueckenFall{"QWirdNeuGezogen", 0, {3, 0, -3, 5, 1}, "9x² + " + L + "x + 25", 30}),
    [](const testing::TestParamInfo<LueckenFall>& i) { return i.param.name; });

const std::string gleichungsVorspann = "Welche Zahl ist für " + L + " in der Gleichung ";
const std::string gleichungsNachsatz = " \n einzusetzen?";
const std::string termVorspann = "Welche Zahl ist für " + L + " im Term" + std::string(13, ' ');
const std::string termNachsatz = " \n einzusetzen, um ein vollständiges Quadrat zu erhalten?";

TEST(BinomPaket, Level1FragtNachDerLueckeDerGleichung) {
    numora::SkriptQuelle skript{};
    for (int i = 0; i < 8; ++i) {
        skript.anhaengen({3, 2, -3}); // leerBei, p, q
    }
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::binFo, 1);
    ASSERT_EQ(paket.size(), 8u);
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k.frage,
                  gleichungsVorspann + "4x² + " + L + "x + 9 = (2x - 3)²" + gleichungsNachsatz);
        EXPECT_EQ(k.antwort, "-12");
        EXPECT_EQ(k.hilfe, "");
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Die Art 3 gibt es nicht; sie wird neu gezogen, bis 1 oder 2 kommt.
TEST(BinomPaket, Level2ZiehtDieArtDreiNeu) {
    numora::SkriptQuelle skript{3, 3, 2, 2, -3, 1};
    skript.anhaengen({1, 4, 1, 5});
    for (int i = 0; i < 6; ++i) {
        skript.anhaengen({2, 1, 7, 2});
    }
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::binFo, 2);
    ASSERT_EQ(paket.size(), 8u);
    EXPECT_EQ(paket[0].frage, termVorspann + "4x² + " + L + "x + 9" + termNachsatz);
    EXPECT_EQ(paket[0].antwort, "12");
    EXPECT_EQ(paket[1].frage,
              gleichungsVorspann + "x² + 10x + " + L + " = (x + 5)²" + gleichungsNachsatz);
    EXPECT_EQ(paket[1].antwort, "25");
    for (std::size_t i = 2; i < paket.size(); ++i) {
        EXPECT_EQ(paket[i].frage, termVorspann + "x² + 14x + " + L + termNachsatz);
        EXPECT_EQ(paket[i].antwort, "49");
    }
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k.hilfe, "");
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Unabhängiger Auswerter für Terme wie "4x² + -12x + 9" und "(2x - 3)²" an einer Stelle x.
class Polynom {
  public:
    Polynom(std::string text, std::int64_t x) : t_(std::move(text)), x_(x) {}

    std::int64_t wert() {
        const std::int64_t w = summe();
        leer();
        if (i_ != t_.size()) {
            throw std::runtime_error("Rest im Term: " + t_.substr(i_));
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
        std::int64_t w = glied();
        for (;;) {
            if (nimm("+")) {
                w += glied();
            } else if (nimm("-")) {
                w -= glied();
            } else {
                return w;
            }
        }
    }
    std::int64_t glied() {
        if (nimm("(")) {
            const std::int64_t w = summe();
            if (!nimm(")²")) {
                throw std::runtime_error("Klammer ohne Quadrat: " + t_);
            }
            return w * w;
        }
        const bool negativ = nimm("-");
        leer();
        const std::size_t anfang = i_;
        while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') {
            ++i_;
        }
        std::int64_t w = anfang == i_ ? 1 : std::stoll(t_.substr(anfang, i_ - anfang));
        if (nimm("x²")) {
            w *= x_ * x_;
        } else if (nimm("x")) {
            w *= x_;
        } else if (anfang == i_) {
            throw std::runtime_error("Zahl oder x erwartet: " + t_.substr(i_));
        }
        return negativ ? -w : w;
    }

    std::string t_;
    std::int64_t x_;
    std::size_t i_ = 0;
};

// Setzt die Antwort für die eine Lücke ein.
std::string eingesetzt(const std::string& text, const std::string& antwort) {
    const std::size_t bei = text.find(L);
    if (bei == std::string::npos || text.find(L, bei + 1) != std::string::npos) {
        throw std::runtime_error("nicht genau eine Lücke: " + text);
    }
    return text.substr(0, bei) + antwort + text.substr(bei + L.size());
}

bool umrahmt(const std::string& text, const std::string& vorn, const std::string& hinten) {
    return text.size() >= vorn.size() + hinten.size() && text.rfind(vorn, 0) == 0 &&
           text.compare(text.size() - hinten.size(), hinten.size(), hinten) == 0;
}

std::string kern(const std::string& text, const std::string& vorn, const std::string& hinten) {
    return text.substr(vorn.size(), text.size() - vorn.size() - hinten.size());
}

void pruefeGleichung(const numora::Karte& k) {
    const std::string g =
        eingesetzt(kern(k.frage, gleichungsVorspann, gleichungsNachsatz), k.antwort);
    const std::size_t gleich = g.find(" = ");
    ASSERT_NE(gleich, std::string::npos) << g;
    for (std::int64_t x = -3; x <= 3; ++x) {
        ASSERT_EQ(Polynom(g.substr(0, gleich), x).wert(), Polynom(g.substr(gleich + 3), x).wert())
            << k.frage << " mit x = " << x;
    }
}

bool istQuadratzahl(std::int64_t z) {
    for (std::int64_t w = 1; w * w <= z; ++w) {
        if (w * w == z) {
            return true;
        }
    }
    return false;
}

void pruefeErgaenzung(const numora::Karte& k) {
    const std::string t = eingesetzt(kern(k.frage, termVorspann, termNachsatz), k.antwort);
    const std::int64_t c = Polynom(t, 0).wert();
    const std::int64_t plus = Polynom(t, 1).wert();
    const std::int64_t minus = Polynom(t, -1).wert();
    const std::int64_t a = (plus + minus) / 2 - c;
    const std::int64_t b = (plus - minus) / 2;
    // Ein vollständiges Quadrat (√a·x + √c)² mit positiven Zahlen.
    ASSERT_GT(b, 0) << t;
    ASSERT_EQ(b * b, 4 * a * c) << t;
    ASSERT_TRUE(istQuadratzahl(a) && istQuadratzahl(c)) << t;
    ASSERT_LE(a, 81) << t;
    ASSERT_LE(c, 81) << t;
}

class BinomOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(BinomOrakel, DieAntwortMachtDieGleichungWahr) {
    const std::int64_t level = GetParam();
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::binFo, level)) {
            if (umrahmt(k.frage, gleichungsVorspann, gleichungsNachsatz)) {
                pruefeGleichung(k);
            } else {
                ASSERT_EQ(level, 2) << k.frage;
                ASSERT_TRUE(umrahmt(k.frage, termVorspann, termNachsatz)) << k.frage;
                pruefeErgaenzung(k);
            }
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Level1Und2, BinomOrakel, testing::Values(1, 2));

} // namespace
