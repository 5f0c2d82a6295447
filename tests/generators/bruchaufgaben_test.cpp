#include "core/zufall.h"
#include "generators/bruchaufgaben.h"
#include "generators/paket.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

using numora::Bruch;
using numora::BruchAufgabe;

// Wiederkehrende Erklärungen, wörtlich ausgeschrieben.
const std::string kgvSatz = "Das kleinste gemeinschaftliche Vielfache der Nenner ";
const std::string gleichnamig = " . Die Brüche werden durch Erweitern gleichnamig gemacht: \n";
// 3/4 - 5/6 = -1/12
const std::string hilfeDiff34_56 = kgvSatz + "4 und 6 ist 12" + gleichnamig +
                                   "3/4 wird mit 3 erweitert \n 5/6 wird mit 2 erweitert \n"
                                   "3/4 - 5/6  = 9/12 - 10/12 \n = -1/12\n";
// 2/3 · 3/4 = 1/2
const std::string hilfeProd23_34 = "2/3 * 3/4  = (2 · 3) / (3 · 4) \n = 6 / 12  \n"
                                   " Kürzen mit 6 ergibt 1/2";
// 4/5 + 2/5 = 6/5
const std::string hilfeSumme45_25 = "4/5 + 2/5  = (4 + 2) / 5 \n = 6/5";
// 2/3 : 4/5 = 5/6
const std::string hilfeQuot23_45 = "2/3 : 4/5  = 2/3 · 5/4 \n = (2 · 5) / (3 · 4) \n"
                                   " = 10 / 12  \n Kürzen mit 2 ergibt 5/6";

// ---------------------------------------------------------------- bruchHilf

struct HilfFall {
    const char* name;
    const char* op;
    Bruch b1;
    Bruch b2;
    std::string erwartet;
};

void PrintTo(const HilfFall& f, std::ostream* os) {
    *os << f.name;
}

class BruchHilf : public testing::TestWithParam<HilfFall> {};

TEST_P(BruchHilf, SchreibtDieRechnungWoertlich) {
    const HilfFall& f = GetParam();
    EXPECT_EQ(numora::bruchHilf(f.op, f.b1, f.b2), f.erwartet);
}

constexpr std::int64_t groesste = std::numeric_limits<std::int64_t>::max();

INSTANTIATE_TEST_SUITE_P(
    JederZweig, BruchHilf,
    testing::Values(
        HilfFall{"ProduktKuerzbar", "*", {2, 3}, {3, 4}, hilfeProd23_34},
        HilfFall{"ProduktTeilerfremd",
                 "*",
                 {5, 2},
                 {3, 4},
                 "5/2 * 3/4  = (5 · 3) / (2 · 4) \n = 15 / 8  \n Nicht weiter zu kürzen."},
        HilfFall{"ProduktMitGanzzahl",
                 "*",
                 {2, 1},
                 {3, 4},
                 "2 * 3/4  = (2 · 3) / (1 · 4) \n = 6 / 4  \n Kürzen mit 2 ergibt 3/2"},
        HilfFall{"QuotientKuerzbar", ":", {2, 3}, {4, 5}, hilfeQuot23_45},
        HilfFall{"QuotientTeilerfremd",
                 ":",
                 {2, 3},
                 {5, 4},
                 "2/3 : 5/4  = 2/3 · 4/5 \n = (2 · 4) / (3 · 5) \n = 8 / 15  \n"
                 " Nicht weiter zu kürzen."},
        HilfFall{"QuotientMitSchraegstrich",
                 "/",
                 {3, 4},
                 {3, 8},
                 "3/4 / 3/8  = 3/4 · 8/3 \n = (3 · 8) / (4 · 3) \n = 24 / 12  \n"
                 " Kürzen mit 12 ergibt 2"},
        HilfFall{"QuotientDurchNegativen",
                 ":",
                 {1, 1},
                 {-1, 12},
                 "1 : -1/12  = 1 · -12 \n = (1 · 12) / (1 · -1) \n = 12 / -1  \n"
                 " Nicht weiter zu kürzen."},
        HilfFall{"SummeGleicheNenner", "+", {4, 5}, {2, 5}, hilfeSumme45_25},
        HilfFall{"DifferenzGleicheNenner",
                 "-",
                 {5, 3},
                 {2, 3},
                 "5/3 - 2/3  = (5 - 2) / 3 \n = 1\n Ergebnis: 1"},
        HilfFall{"SummeBeideErweitert",
                 "+",
                 {1, 4},
                 {1, 6},
                 kgvSatz + "4 und 6 ist 12" + gleichnamig +
                     "1/4 wird mit 3 erweitert \n 1/6 wird mit 2 erweitert \n"
                     "1/4 + 1/6  = 3/12 + 2/12 \n = 5/12\n "},
        HilfFall{"SummeNurErsterErweitert",
                 "+",
                 {3, 2},
                 {5, 4},
                 kgvSatz + "2 und 4 ist 4" + gleichnamig +
                     "3/2 wird mit 2 erweitert \n 3/2 + 5/4  = 6/4 + 5/4 \n = 11/4\n "},
        HilfFall{"DifferenzNurZweiterErweitert",
                 "-",
                 {5, 6},
                 {2, 3},
                 kgvSatz + "6 und 3 ist 6" + gleichnamig +
                     "2/3 wird mit 2 erweitert \n5/6 - 2/3  = 5/6 - 4/6 \n = 1/6\n"},
        HilfFall{"DifferenzNegativ", "-", {3, 4}, {5, 6}, hilfeDiff34_56},
        HilfFall{"SummeMitNegativemZaehler",
                 "+",
                 {-1, 12},
                 {1, 2},
                 kgvSatz + "12 und 2 ist 12" + gleichnamig +
                     "1/2 wird mit 6 erweitert \n-1/12 + 1/2  = -1/12 + 6/12 \n = 5/12\n "},
        // Zähler- und Nennerprodukte jenseits von 64 Bit werden exakt geschrieben.
        HilfFall{"RiesigeZahlen",
                 "*",
                 {groesste, 3},
                 {groesste, 2},
                 "9223372036854775807/3 * 9223372036854775807/2  = (9223372036854775807 · "
                 "9223372036854775807) / (3 · 2) \n = 85070591730234615847396907784232501249 / 6"
                 "  \n Nicht weiter zu kürzen."},
        HilfFall{"UnbekannterOperator", "x", {1, 2}, {1, 3}, ""},
        HilfFall{"NennerNull", "+", {1, 0}, {1, 2}, ""}),
    [](const testing::TestParamInfo<HilfFall>& i) { return i.param.name; });

// ---------------------------------------------------- Generatoren mit Skript

struct GenFall {
    const char* name;
    BruchAufgabe (*erzeuge)();
    std::vector<std::int64_t> ziehungen;
    std::string text;
    std::string loesung;
    std::string hilfe;
};

void PrintTo(const GenFall& f, std::ostream* os) {
    *os << f.name;
}

class BruchGenerator : public testing::TestWithParam<GenFall> {};

TEST_P(BruchGenerator, ErzeugtGenauDieseTexte) {
    const GenFall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const BruchAufgabe a = f.erzeuge();
    EXPECT_EQ(a.text, f.text);
    EXPECT_EQ(a.loesung.bruch2String(), f.loesung);
    EXPECT_EQ(a.hilfe, f.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

BruchAufgabe grad2() {
    return numora::genBruchaufgabe1(2);
}
BruchAufgabe grad3() {
    return numora::genBruchaufgabe1(3);
}
BruchAufgabe stufe2() {
    return numora::genBruchaufgabe(2);
}
BruchAufgabe stufe3() {
    return numora::genBruchaufgabe(3);
}
BruchAufgabe zweiErgebnisse() {
    return numora::genBruchaufgabe3();
}

INSTANTIATE_TEST_SUITE_P(
    JedeRechenart, BruchGenerator,
    testing::Values(
        GenFall{"G2Differenz",
                grad2,
                {5, 6, 3, 4, 2},
                "5/6 - 3/4",
                "1/12",
                kgvSatz + "6 und 4 ist 12" + gleichnamig +
                    "5/6 wird mit 2 erweitert \n 3/4 wird mit 3 erweitert \n"
                    "5/6 - 3/4  = 10/12 - 9/12 \n = 1/12\n"},
        // 4/6 und 4/2 sind kürzbar, 5/6 und 7/8 sind nicht kleiner als 4/5, 2/4 kürzbar.
        GenFall{"G2ZiehtNennerUndZweitenBruchNeu",
                grad2,
                {4, 6, 2, 5, 5, 6, 7, 8, 2, 4, 9, 1},
                "4/5 + 2/9",
                "46/45",
                kgvSatz + "5 und 9 ist 45" + gleichnamig +
                    "4/5 wird mit 9 erweitert \n 2/9 wird mit 5 erweitert \n"
                    "4/5 + 2/9  = 36/45 + 10/45 \n = 46/45\n "},
        // Gleiche Brüche ergeben die Differenz 0: der zweite wird neu gezogen.
        GenFall{"G2GleicherBruchWirdNeuGezogen",
                grad2,
                {2, 3, 2, 3, 4, 9, 2},
                "2/3 - 4/9",
                "2/9",
                kgvSatz + "3 und 9 ist 9" + gleichnamig +
                    "2/3 wird mit 3 erweitert \n 2/3 - 4/9  = 6/9 - 4/9 \n = 2/9\n"},
        GenFall{"G3Quotient", grad3, {2, 3, 4, 5, 3}, "2/3 : 4/5", "5/6", hilfeQuot23_45},
        GenFall{"G3GleicherBruchWirdNeuGezogen",
                grad3,
                {3, 2, 3, 2, 3, 8, 0},
                "3/2 · 3/8",
                "9/16",
                "3/2 * 3/8  = (3 · 3) / (2 · 8) \n = 9 / 16  \n Nicht weiter zu kürzen."},
        GenFall{"G3KleinererErsterBleibt",
                grad3,
                {2, 3, 3, 4, 2},
                "2/3 - 3/4",
                "-1/12",
                kgvSatz + "3 und 4 ist 12" + gleichnamig +
                    "2/3 wird mit 4 erweitert \n 3/4 wird mit 3 erweitert \n"
                    "2/3 - 3/4  = 8/12 - 9/12 \n = -1/12\n"},
        GenFall{"Stufe2IstGrad2", stufe2, {4, 5, 2, 5, 1}, "4/5 + 2/5", "6/5", hilfeSumme45_25},
        GenFall{"L3ZweitesMalzeichen",
                zweiErgebnisse,
                {3, 4, 5, 6, 2, 4, 5, 2, 5, 1, 1},
                "(3/4 - 5/6) · (4/5 + 2/5)",
                "-1/10",
                " " + hilfeDiff34_56 + "\n" + hilfeSumme45_25 +
                    "\n Zu berechnen ist also :\n -1/12 · 6/5 \n\n"
                    "-1/12 * 6/5  = (-1 · 6) / (12 · 5) \n = -6 / 60  \n"
                    " Kürzen mit 6 ergibt -1/10"},
        GenFall{"L3QuotientDurchNegativen",
                zweiErgebnisse,
                {5, 3, 2, 3, 2, 3, 4, 5, 6, 2, 4},
                "(5/3 - 2/3) : (3/4 - 5/6)",
                "-12",
                " 5/3 - 2/3  = (5 - 2) / 3 \n = 1\n Ergebnis: 1\n" + hilfeDiff34_56 +
                    "\n Zu berechnen ist also :\n 1 : -1/12 \n\n"
                    "1 : -1/12  = 1 · -12 \n = (1 · 12) / (1 · -1) \n = 12 / -1  \n"
                    " Nicht weiter zu kürzen."},
        GenFall{"Stufe3Differenz",
                stufe3,
                {4, 5, 2, 5, 1, 2, 3, 3, 4, 0, 3},
                "(4/5 + 2/5) - (2/3 · 3/4)",
                "7/10",
                " " + hilfeSumme45_25 + "\n" + hilfeProd23_34 +
                    "\n Zu berechnen ist also :\n 6/5 - 1/2 \n\n" + kgvSatz + "5 und 2 ist 10" +
                    gleichnamig +
                    "6/5 wird mit 2 erweitert \n 1/2 wird mit 5 erweitert \n"
                    "6/5 - 1/2  = 12/10 - 5/10 \n = 7/10\n"}),
    [](const testing::TestParamInfo<GenFall>& i) { return i.param.name; });

// Merkt sich die erfragten Bereiche und reicht an ein Skript weiter.
class Bereiche final : public numora::Zufallsquelle {
  public:
    explicit Bereiche(std::vector<std::int64_t> werte) : skript_(std::move(werte)) {}
    std::int64_t ziehe(std::int64_t von, std::int64_t bis) override {
        bereiche.emplace_back(von, bis);
        return skript_.ziehe(von, bis);
    }
    std::vector<std::pair<std::int64_t, std::int64_t>> bereiche;

  private:
    numora::SkriptQuelle skript_;
};

using Bereich = std::pair<std::int64_t, std::int64_t>;

TEST(BruchRandfaelle, ZuKleineGrenzeGiltAlsDrei) {
    for (const std::int64_t mx : {2, 0, -5}) {
        Bereiche quelle({2, 2, 3});
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        EXPECT_EQ(numora::genPosBruch(mx), Bruch(2, 3));
        EXPECT_EQ(quelle.bereiche, std::vector<Bereich>(3, Bereich(2, 3)));
    }
}

TEST(BruchRandfaelle, FremdeGradeBleibenImOperatorbereich) {
    for (const auto& [grad, bis] : std::vector<Bereich>{{9, 3}, {-4, 0}}) {
        Bereiche quelle({4, 5, 2, 3, 0});
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        EXPECT_EQ(numora::genBruchaufgabe1(grad).text, "4/5 · 2/3");
        EXPECT_EQ(quelle.bereiche.back(), Bereich(0, bis));
    }
}

// ------------------------------------------------------- Karten im Paket

std::vector<std::int64_t> achtmal(const std::vector<std::int64_t>& ziehungen) {
    std::vector<std::int64_t> alle;
    for (int i = 0; i < 8; ++i) {
        alle.insert(alle.end(), ziehungen.begin(), ziehungen.end());
    }
    return alle;
}

struct PaketFall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungen;
    numora::Karte erwartet;
};

void PrintTo(const PaketFall& f, std::ostream* os) {
    *os << f.name;
}

class BruchPaket : public testing::TestWithParam<PaketFall> {};

TEST_P(BruchPaket, KarteTraegtFrageAntwortUndErklaerung) {
    const PaketFall& f = GetParam();
    numora::SkriptQuelle skript(achtmal(f.ziehungen));
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::bruRe, f.level);
    ASSERT_EQ(paket.size(), 8u);
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k, f.erwartet);
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

numora::Karte bruchKarte(std::string frage, std::string antwort, std::string hilfe) {
    numora::Karte k;
    k.bereich = numora::thema::bruRe;
    k.frage = std::move(frage);
    k.antwort = std::move(antwort);
    k.hilfe = std::move(hilfe);
    return k;
}

INSTANTIATE_TEST_SUITE_P(
    JederLevel, BruchPaket,
    testing::Values(
        PaketFall{"Level1",
                  1,
                  {2, 3, 4},
                  bruchKarte("Mit welcher Zahl muss der Bruch 8/12 gekürzt werden, damit sich das "
                             "Ergebnis nicht weiter reduzieren lässt?",
                             "4",
                             "8 = 4 · 2,  12 = 4 · 3,\n also wird 8/12 mit 4 gekürzt\n"
                             " Ergebnis: 2/3 ")},
        // 6/9 und 6/4 sind kürzbar: nur der Nenner wird neu gezogen.
        PaketFall{"Level1NennerNeuGezogen",
                  1,
                  {6, 9, 4, 7, 10},
                  bruchKarte("Mit welcher Zahl muss der Bruch 60/70 gekürzt werden, damit sich "
                             "das Ergebnis nicht weiter reduzieren lässt?",
                             "10",
                             "60 = 10 · 6,  70 = 10 · 7,\n also wird 60/70 mit 10 gekürzt\n"
                             " Ergebnis: 6/7 ")},
        PaketFall{"Level2",
                  2,
                  {3, 4, 2, 3, 0},
                  bruchKarte("Welcher Bruch ist der Wert des Rechenausdrucks 3/4 · 2/3 ?", "1/2",
                             "3/4 * 2/3  = (3 · 2) / (4 · 3) \n = 6 / 12  \n"
                             " Kürzen mit 6 ergibt 1/2")},
        // Das erste Zwischenergebnis ist negativ.
        PaketFall{"Level3",
                  3,
                  {3, 4, 5, 6, 2, 2, 3, 3, 4, 0, 2},
                  bruchKarte("Welcher Bruch ist der Wert des Rechenausdrucks (3/4 - 5/6) + "
                             "(2/3 · 3/4) ?",
                             "5/12",
                             " " + hilfeDiff34_56 + "\n" + hilfeProd23_34 +
                                 "\n Zu berechnen ist also :\n -1/12 + 1/2 \n\n" + kgvSatz +
                                 "12 und 2 ist 12" + gleichnamig +
                                 "1/2 wird mit 6 erweitert \n-1/12 + 1/2  = -1/12 + 6/12 \n"
                                 " = 5/12\n ")}),
    [](const testing::TestParamInfo<PaketFall>& i) { return i.param.name; });

// ------------------------------------------------------ Unabhängiges Orakel

__extension__ typedef __int128 i128;

i128 eigenerGgT(i128 a, i128 b) {
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const i128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// Exakte rationale Zahl, stets gekürzt und mit positivem Nenner.
struct Q {
    i128 z = 0;
    i128 n = 1;
};

Q q(i128 z, i128 n) {
    if (n == 0) {
        throw std::runtime_error("Division durch 0");
    }
    if (n < 0) {
        z = -z;
        n = -n;
    }
    const i128 g = eigenerGgT(z, n);
    return {z / g, n / g};
}

Q plus(Q a, Q b) {
    return q(a.z * b.n + b.z * a.n, a.n * b.n);
}
Q minus(Q a, Q b) {
    return q(a.z * b.n - b.z * a.n, a.n * b.n);
}
Q produkt(Q a, Q b) {
    return q(a.z * b.z, a.n * b.n);
}
Q quotient(Q a, Q b) {
    return q(a.z * b.n, a.n * b.z);
}
bool kleiner(Q a, Q b) {
    return a.z * b.n < b.z * a.n;
}

std::string text(Q a) {
    const auto z = static_cast<long long>(a.z);
    const auto n = static_cast<long long>(a.n);
    if (z != a.z || n != a.n) {
        throw std::runtime_error("zu groß");
    }
    return a.n == 1 ? std::to_string(z) : std::to_string(z) + "/" + std::to_string(n);
}

// Terme wie "5/3 · 1/2" oder "(5/3 + 1/2) : (4/5 - 1/3)": "/" ist der Bruchstrich,
// "·" und ":" binden stärker als "+" und "-".
class Auswerter {
  public:
    explicit Auswerter(std::string text) : t_(std::move(text)) {}

    Q wert() {
        const Q w = summe();
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
    Q summe() {
        Q w = glied();
        for (;;) {
            if (nimm("+")) {
                w = plus(w, glied());
            } else if (nimm("-")) {
                w = minus(w, glied());
            } else {
                return w;
            }
        }
    }
    Q glied() {
        Q w = faktor();
        for (;;) {
            if (nimm("\u00b7")) {
                w = produkt(w, faktor());
            } else if (nimm(":")) {
                w = quotient(w, faktor());
            } else {
                return w;
            }
        }
    }
    Q faktor() {
        if (nimm("(")) {
            const Q w = summe();
            if (!nimm(")")) {
                throw std::runtime_error("fehlende Klammer");
            }
            return w;
        }
        const i128 z = ganzzahl();
        if (t_.compare(i_, 1, "/") == 0) {
            ++i_;
            return q(z, ganzzahl());
        }
        return q(z, 1);
    }
    i128 ganzzahl() {
        leer();
        const std::size_t anfang = i_;
        while (i_ < t_.size() && t_[i_] >= '0' && t_[i_] <= '9') {
            ++i_;
        }
        if (anfang == i_ || i_ - anfang > 6) {
            throw std::runtime_error("Zahl erwartet: " + t_.substr(anfang));
        }
        return std::stoll(t_.substr(anfang, i_ - anfang));
    }

    std::string t_;
    std::size_t i_ = 0;
};

class BruchOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(BruchOrakel, AntwortIstDerWertDesTerms) {
    const std::int64_t level = GetParam();
    const std::string vorn = "Welcher Bruch ist der Wert des Rechenausdrucks ";
    const std::string hinten = " ?";
    int negative = 0;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::bruRe, level)) {
            ASSERT_EQ(k.frage.rfind(vorn, 0), 0u) << k.frage;
            ASSERT_GT(k.frage.size(), vorn.size() + hinten.size());
            ASSERT_EQ(k.frage.substr(k.frage.size() - hinten.size()), hinten) << k.frage;
            const std::string term =
                k.frage.substr(vorn.size(), k.frage.size() - vorn.size() - hinten.size());
            const Q w = Auswerter(term).wert();
            ASSERT_EQ(k.antwort, text(w)) << term;
            ASSERT_FALSE(k.hilfe.empty()) << term;
            negative += w.z < 0 ? 1 : 0;
        }
    }
    if (level == 3) {
        // Negative Zwischenergebnisse führen auch zu negativen Werten.
        EXPECT_GT(negative, 0);
    } else {
        EXPECT_EQ(negative, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(JederLevel, BruchOrakel, testing::Values(2, 3),
                         [](const testing::TestParamInfo<std::int64_t>& i) {
                             return "Level" + std::to_string(i.param);
                         });

TEST(BruchOrakelKuerzen, AntwortKuerztAufGrundform) {
    const std::regex frage("Mit welcher Zahl muss der Bruch ([0-9]+)/([0-9]+) gekürzt werden, "
                           "damit sich das Ergebnis nicht weiter reduzieren lässt\\?");
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::bruRe, 1)) {
            std::smatch m;
            ASSERT_TRUE(std::regex_match(k.frage, m, frage)) << k.frage;
            const std::int64_t p = std::stoll(m[1]);
            const std::int64_t n = std::stoll(m[2]);
            const std::int64_t faktor = std::stoll(k.antwort);
            ASSERT_EQ(static_cast<std::int64_t>(eigenerGgT(p, n)), faktor) << k.frage;
            ASSERT_GE(faktor, 2);
            ASSERT_LE(faktor, 10);
            ASSERT_LE(p, 90);
            ASSERT_LE(n, 90);
        }
    }
}

// ------------------------------------------------------------- Bereiche

TEST(BruchBereiche, Grad2OhneQuotientErsterBruchGroesser) {
    const std::regex term("([0-9]+)/([0-9]+) (\u00b7|\\+|-) ([0-9]+)/([0-9]+)");
    std::vector<std::string> gesehen;
    for (std::uint64_t saat = 0; saat < 10000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        const BruchAufgabe a = numora::genBruchaufgabe1(2);
        std::smatch m;
        ASSERT_TRUE(std::regex_match(a.text, m, term)) << a.text;
        const Q b1 = q(std::stoll(m[1]), std::stoll(m[2]));
        const Q b2 = q(std::stoll(m[4]), std::stoll(m[5]));
        ASSERT_LE(std::stoll(m[1]), 6) << a.text;
        ASSERT_LE(std::stoll(m[2]), 6) << a.text;
        ASSERT_TRUE(kleiner(b2, b1)) << a.text;
        ASSERT_GT(a.loesung.zl, 0) << a.text;
        ASSERT_GT(a.loesung.nn, 0) << a.text;
        if (std::find(gesehen.begin(), gesehen.end(), m[3].str()) == gesehen.end()) {
            gesehen.push_back(m[3]);
        }
    }
    EXPECT_EQ(gesehen.size(), 3u);
}

TEST(BruchBereiche, PosBruchSechsIstEchterGekuerzterBruch) {
    std::vector<std::pair<std::int64_t, std::int64_t>> gesehen;
    for (std::uint64_t saat = 0; saat < 3000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        const Bruch b = numora::genPosBruch(6);
        ASSERT_GE(b.zl, 2);
        ASSERT_LE(b.zl, 6);
        ASSERT_GE(b.nn, 2);
        ASSERT_LE(b.nn, 6);
        ASSERT_NE(b.zl, b.nn);
        ASSERT_EQ(static_cast<std::int64_t>(eigenerGgT(b.zl, b.nn)), 1);
        if (std::find(gesehen.begin(), gesehen.end(), std::pair(b.zl, b.nn)) == gesehen.end()) {
            gesehen.emplace_back(b.zl, b.nn);
        }
    }
    // Alle zwölf teilerfremden Paare verschiedener Zahlen aus 2..6 kommen vor.
    EXPECT_EQ(gesehen.size(), 12u);
}

} // namespace
