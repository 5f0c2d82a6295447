#include "core/zufall.h"
#include "generators/lingleichungen.h"
#include "generators/paket.h"

#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using numora::Aufgabe;

const std::string vorspann = "Bestimme die Lösung der Gleichung \n \n" + std::string(46, ' ');
const std::string berechne = std::string(16, ' ') + "Berechne ";

TEST(Gz, SchreibtDieNegierteZahl) {
    EXPECT_EQ(numora::gz(5), "-5");
    EXPECT_EQ(numora::gz(-5), "5");
    EXPECT_EQ(numora::gz(0), "-0");
    EXPECT_EQ(numora::gz(std::numeric_limits<std::int64_t>::min()), "9223372036854775808");
}

struct Fall {
    const char* name;
    Aufgabe (*generator)();
    std::vector<std::int64_t> ziehungen;
    Aufgabe erwartet;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class LinGleichungen : public testing::TestWithParam<Fall> {};

TEST_P(LinGleichungen, ErzeugtGenauDieseTexte) {
    const Fall& f = GetParam();
    numora::SkriptQuelle skript(f.ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const Aufgabe a = f.generator();
    EXPECT_EQ(a.text, f.erwartet.text);
    EXPECT_EQ(a.loesung, f.erwartet.loesung);
    EXPECT_EQ(a.hilfe, f.erwartet.hilfe);
    EXPECT_EQ(skript.uebrig(), 0u);
}

// Ziehungen genLing1: x, b, dann a bis |a| >= 2.
INSTANTIATE_TEST_SUITE_P(
    Stufe1, LinGleichungen,
    testing::Values(
        Fall{"MitAdditionUndVerworfenenKoeffizienten",
             numora::genLing1,
             {3, 5, 1, -1, 0, 4},
             {"4x + 5 = 17", 3,
              "Addition von -5 auf beiden Seiten: \n 4x = 12 \nDivision durch 4: \n x = 3"}},
        Fall{"AllesNegativ",
             numora::genLing1,
             {-8, -8, -8},
             {"-8x - 8 = 56", -8,
              "Addition von 8 auf beiden Seiten: \n -8x = 64 \nDivision durch -8: \n x = -8"}},
        Fall{"RechteSeiteNullOhneAddition",
             numora::genLing1,
             {2, 6, -3},
             {"-3x + 6 = 0", 2, "Division durch -3: \n x = 2"}},
        Fall{"OhneSummandAddiertMinusNull",
             numora::genLing1,
             {-7, 0, 2},
             {"2x  = -14", -7,
              "Addition von -0 auf beiden Seiten: \n 2x = -14 \nDivision durch 2: \n x = -7"}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// Ziehungen genLing2: a bis |a| >= 2, c bis |c| >= 2 und c != a, dann x, b.
INSTANTIATE_TEST_SUITE_P(
    Stufe2, LinGleichungen,
    testing::Values(
        Fall{"MitDivisionUndVerworfenenKoeffizienten",
             numora::genLing2,
             {-1, 3, 3, 1, -2, 4, 5},
             {"3(x + 5) = -2x + 35", 4,
              "Klammer durch Ausmultiplizieren auflösen:\n 3x + 15 = -2x + 35\n Addieren von 2x  "
              "und -15\n 5x = 20\nDividieren durch 5: \nx = 4"}},
        Fall{"DifferenzEinsOhneDivisionUndOhneSchluss",
             numora::genLing2,
             {-2, -3, 5, 2},
             {"-2(x + 2) = -3x + 1", 5,
              "Klammer durch Ausmultiplizieren auflösen:\n -2x - 4 = -3x + 1\n Addieren von 3x  "
              "und 4\n x = 5\n"}},
        Fall{"DifferenzMinusEinsOhneDivision",
             numora::genLing2,
             {2, 3, -1, 1},
             {"2(x + 1) = 3x + 3", -1,
              "Klammer durch Ausmultiplizieren auflösen:\n 2x + 2 = 3x + 3\n Addieren von -3x  "
              "und -2\n -x = 1\nx = -1"}},
        Fall{"RechtsOhneSummandOhneUnd",
             numora::genLing2,
             {4, 2, -8, 4},
             {"4(x + 4) = 2x ", -8,
              "Klammer durch Ausmultiplizieren auflösen:\n 4x + 16 = 2x \n Addieren von -2x  \n "
              "2x = -16\nDividieren durch 2: \nx = -8"}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

// Ziehungen genLing3: Zeile, x und y (ohne 0), Vorzeichen, gefragte Variable.
INSTANTIATE_TEST_SUITE_P(
    Stufe3, LinGleichungen,
    testing::Values(
        Fall{"PlusYErsteZeileDurchMinusSieben",
             numora::genLing3,
             {0, 0, 2, -1, 0, 2},
             {" \n     3x + 4y = 2 \n     2x + 5y = -1 " + berechne + "y", -1,
              "Multiplikation der ersten Gleichung mit 2 und Multiplikation der zweiten Gleichung "
              "mit -3 ergibt das Gleichungspaar:\n 6x + 8y = 4\n -6x - 15y = 3\n Addition beider "
              "Gleichungen führt zu\n -7y = 7. \n Division durch -7 ergibt y = -1"}},
        Fall{"PlusXErsteZeileDurchSieben",
             numora::genLing3,
             {0, 2, -1, 1, 1},
             {" \n     3x + 4y = 2 \n     2x + 5y = -1 " + berechne + "x", 2,
              "Multiplikation der ersten Gleichung mit 5 und Multiplikation der zweiten Gleichung "
              "mit -4 ergibt das Gleichungspaar:\n 15x + 20y = 10\n -8x - 20y = 4\n Addition "
              "beider Gleichungen führt zu\n 7x = 14. \n Division durch 7 ergibt x = 2"}},
        Fall{"MinusYErsteZeile",
             numora::genLing3,
             {0, 7, -5, 2, 2},
             {" \n     3x - 4y = 41 \n     2x - 5y = 39 " + berechne + "y", -5,
              "Multiplikation der ersten Gleichung mit 2 und Multiplikation der zweiten Gleichung "
              "mit -3 ergibt das Gleichungspaar:\n 6x - 8y = 82\n -6x + 15y = -117\n Addition "
              "beider Gleichungen führt zu\n 7y = -35. \n Division durch 7 ergibt y = -5"}},
        Fall{"MinusXErsteZeileOhneLeerzeichenNachPunkt",
             numora::genLing3,
             {0, -5, 7, 2, 1},
             {" \n     3x - 4y = -43 \n     2x - 5y = -45 " + berechne + "x", -5,
              "Multiplikation der ersten Gleichung mit 5 und Multiplikation der zweiten Gleichung "
              "mit -4 ergibt das Gleichungspaar:\n 15x - 20y = -215\n -8x + 20y = 180\n Addition "
              "beider Gleichungen führt zu\n 7x = -35.\n Division durch 7 ergibt x = -5"}},
        Fall{"PlusXDeterminanteEinsOhneDivision",
             numora::genLing3,
             {1, 1, 1, 0, 1},
             {" \n     4x + 5y = 9 \n     3x + 4y = 7 " + berechne + "x", 1,
              "Multiplikation der ersten Gleichung mit 4 und Multiplikation der zweiten Gleichung "
              "mit -5 ergibt das Gleichungspaar:\n 16x + 20y = 36\n -15x - 20y = -35\n Addition "
              "beider Gleichungen führt zu\n x = 1. "}},
        Fall{"PlusYDeterminanteEinsDurchMinusEins",
             numora::genLing3,
             {4, -1, 3, 1, 2},
             {" \n     3x + 5y = 12 \n     4x + 7y = 17 " + berechne + "y", 3,
              "Multiplikation der ersten Gleichung mit 4 und Multiplikation der zweiten Gleichung "
              "mit -3 ergibt das Gleichungspaar:\n 12x + 20y = 48\n -12x - 21y = -51\n Addition "
              "beider Gleichungen führt zu\n -y = -3. \n Division durch -1 ergibt y = 3"}},
        Fall{"MinusXDeterminanteEins",
             numora::genLing3,
             {2, 4, 2, 2, 1},
             {" \n     2x - 3y = 2 \n     3x - 5y = 2 " + berechne + "x", 4,
              "Multiplikation der ersten Gleichung mit 5 und Multiplikation der zweiten Gleichung "
              "mit -3 ergibt das Gleichungspaar:\n 10x - 15y = 10\n -9x + 15y = -6\n Addition "
              "beider Gleichungen führt zu\n x = 4."}}),
    [](const testing::TestParamInfo<Fall>& i) { return i.param.name; });

TEST(LinGLHilfe, UnbekannteKennungOderUeberlaufGibtLeerenText) {
    for (const std::string_view kennung : {"", "x", "+z", "x+", "+x "}) {
        EXPECT_EQ(numora::linGLHilfe(kennung, 3, 4, 2, 2, 5, -1, 2, -1), "") << kennung;
    }
    const std::int64_t gross = std::numeric_limits<std::int64_t>::max();
    const std::int64_t klein = std::numeric_limits<std::int64_t>::min();
    for (const std::string_view kennung : {"+x", "-x", "+y", "-y"}) {
        EXPECT_EQ(numora::linGLHilfe(kennung, gross, 4, 2, 2, 5, -1, 2, -1), "") << kennung;
        EXPECT_EQ(numora::linGLHilfe(kennung, klein, klein, 1, 1, 1, 1, 0, 0), "") << kennung;
    }
}

struct PaketFall {
    const char* name;
    std::int64_t level;
    std::vector<std::int64_t> ziehungenJeKarte;
    std::string frage;
    std::string antwort;
    std::string hilfe;
};

void PrintTo(const PaketFall& f, std::ostream* os) {
    *os << f.name;
}

class LinGleichungenPaket : public testing::TestWithParam<PaketFall> {};

TEST_P(LinGleichungenPaket, KartenTragenDenVorspann) {
    const PaketFall& f = GetParam();
    std::vector<std::int64_t> ziehungen;
    for (int i = 0; i < 8; ++i) {
        ziehungen.insert(ziehungen.end(), f.ziehungenJeKarte.begin(), f.ziehungenJeKarte.end());
    }
    numora::SkriptQuelle skript(ziehungen);
    numora::ZufallsquelleErsetzen ersetzt(skript);
    const std::vector<numora::Karte> paket = numora::genPaket(numora::thema::linGl, f.level);
    ASSERT_EQ(paket.size(), 8u);
    for (const numora::Karte& k : paket) {
        EXPECT_EQ(k.frage, f.frage);
        EXPECT_EQ(k.antwort, f.antwort);
        EXPECT_EQ(k.hilfe, f.hilfe);
    }
    EXPECT_EQ(skript.uebrig(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    JederLevel, LinGleichungenPaket,
    testing::Values(
        PaketFall{
            "Level1", 1, {2, 6, -3}, vorspann + "-3x + 6 = 0", "2", "Division durch -3: \n x = 2"},
        PaketFall{"Level2",
                  2,
                  {-2, -3, 5, 2},
                  vorspann + "-2(x + 2) = -3x + 1",
                  "5",
                  "Klammer durch Ausmultiplizieren auflösen:\n -2x - 4 = -3x + 1\n Addieren von "
                  "3x  und 4\n x = 5\n"},
        PaketFall{"Level3OhneVorspann",
                  3,
                  {1, 1, 1, 0, 1},
                  " \n     4x + 5y = 9 \n     3x + 4y = 7 " + berechne + "x",
                  "1",
                  "Multiplikation der ersten Gleichung mit 4 und Multiplikation der zweiten "
                  "Gleichung mit -5 ergibt das Gleichungspaar:\n 16x + 20y = 36\n -15x - 20y = "
                  "-35\n Addition beider Gleichungen führt zu\n x = 1. "}),
    [](const testing::TestParamInfo<PaketFall>& i) { return i.param.name; });

// Wertet einen Term in x aus: ganze Zahlen, x, Klammern, + und -, Produkt durch Nebeneinander.
class Term {
  public:
    Term(std::string_view text, std::int64_t x) : t_(text), x_(x) {}

    std::int64_t wert() {
        const std::int64_t w = summe();
        leer();
        if (i_ != t_.size()) {
            throw std::runtime_error("Rest im Term: " + std::string(t_.substr(i_)));
        }
        return w;
    }

  private:
    void leer() {
        while (i_ < t_.size() && t_[i_] == ' ') {
            ++i_;
        }
    }
    bool nimm(char c) {
        leer();
        if (i_ < t_.size() && t_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool faktorFolgt() {
        leer();
        return i_ < t_.size() &&
               (t_[i_] == 'x' || t_[i_] == '(' || std::isdigit(static_cast<unsigned char>(t_[i_])));
    }
    std::int64_t summe() {
        std::int64_t w = nimm('-') ? -produkt() : produkt();
        for (;;) {
            if (nimm('+')) {
                w += produkt();
            } else if (nimm('-')) {
                w -= produkt();
            } else {
                return w;
            }
        }
    }
    std::int64_t produkt() {
        std::int64_t w = faktor();
        while (faktorFolgt()) {
            w *= faktor();
        }
        return w;
    }
    std::int64_t faktor() {
        if (nimm('x')) {
            return x_;
        }
        if (nimm('(')) {
            const std::int64_t w = summe();
            if (!nimm(')')) {
                throw std::runtime_error("fehlende Klammer");
            }
            return w;
        }
        const std::size_t anfang = i_;
        while (i_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[i_]))) {
            ++i_;
        }
        if (anfang == i_) {
            throw std::runtime_error("Zahl erwartet: " + std::string(t_.substr(anfang)));
        }
        return std::stoll(std::string(t_.substr(anfang, i_ - anfang)));
    }

    std::string_view t_;
    std::int64_t x_;
    std::size_t i_ = 0;
};

// Linke minus rechte Seite der Gleichung an der Stelle x.
std::int64_t abweichung(std::string_view gleichung, std::int64_t x) {
    const std::size_t gleich = gleichung.find('=');
    if (gleich == std::string_view::npos || gleichung.find('=', gleich + 1) != gleichung.npos) {
        throw std::runtime_error("keine Gleichung: " + std::string(gleichung));
    }
    return Term(gleichung.substr(0, gleich), x).wert() -
           Term(gleichung.substr(gleich + 1), x).wert();
}

std::vector<std::string> zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::size_t anfang = 0;
    for (;;) {
        const std::size_t ende = text.find('\n', anfang);
        z.push_back(text.substr(anfang, ende - anfang));
        if (ende == std::string::npos) {
            return z;
        }
        anfang = ende + 1;
    }
}

std::string ohneRandLeer(const std::string& s) {
    const std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) {
        return "";
    }
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

class LinGleichungenOrakel : public testing::TestWithParam<std::int64_t> {};

TEST_P(LinGleichungenOrakel, AntwortIstDieEinzigeLoesung) {
    const std::int64_t level = GetParam();
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::linGl, level)) {
            ASSERT_EQ(k.frage.rfind(vorspann, 0), 0u) << k.frage;
            const std::string gleichung = k.frage.substr(vorspann.size());
            const std::int64_t x = std::stoll(k.antwort);
            ASSERT_EQ(abweichung(gleichung, x), 0) << gleichung;
            // Linear: eine zweite Stelle mit Abweichung 0 hieße unendlich viele Lösungen.
            ASSERT_NE(abweichung(gleichung, x + 1), 0) << gleichung;
            if (level == 1) {
                const std::string links = gleichung.substr(0, gleichung.find('='));
                const std::int64_t a = Term(links, 1).wert() - Term(links, 0).wert();
                ASSERT_TRUE(a <= -2 || a >= 2) << gleichung;
            }
            bool schlusszeile = false;
            for (const std::string& z : zeilen(k.hilfe)) {
                schlusszeile = schlusszeile || ohneRandLeer(z) == "x = " + k.antwort;
            }
            ASSERT_TRUE(schlusszeile) << k.hilfe;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EinzelneGleichung, LinGleichungenOrakel, testing::Values(1, 2));

struct Zeile {
    std::int64_t a;
    std::int64_t b;
    std::int64_t c;
};

// "3x + 4y = 2" oder "3x - 4y = 2" (Leerzeichen am Rand erlaubt).
Zeile leseZeile(const std::string& z) {
    const std::size_t xPos = z.find("x ");
    const std::size_t yPos = z.find("y = ");
    if (xPos == std::string::npos || yPos == std::string::npos) {
        throw std::runtime_error("keine Zeile des Systems: " + z);
    }
    const std::int64_t vorzeichen = z.compare(xPos, 4, "x - ") == 0 ? -1 : 1;
    return {std::stoll(z.substr(0, xPos)),
            vorzeichen * std::stoll(z.substr(xPos + 4, yPos - xPos - 4)),
            std::stoll(z.substr(yPos + 4))};
}

TEST(LinGleichungenSystemOrakel, AntwortIstDieCramerLoesung) {
    std::set<std::string> gesehen;
    for (std::uint64_t saat = 0; saat < 2000; ++saat) {
        numora::MersenneQuelle quelle(saat);
        numora::ZufallsquelleErsetzen ersetzt(quelle);
        for (const numora::Karte& k : numora::genPaket(numora::thema::linGl, 3)) {
            const std::vector<std::string> z = zeilen(k.frage);
            ASSERT_EQ(z.size(), 3u) << k.frage;
            const std::size_t frage = z[2].find(berechne);
            ASSERT_NE(frage, std::string::npos) << k.frage;
            ASSERT_EQ(frage + berechne.size() + 1, z[2].size()) << k.frage;
            const char gefragt = z[2].back();
            const Zeile e1 = leseZeile(z[1]);
            const Zeile e2 = leseZeile(z[2].substr(0, frage));

            const std::int64_t det = e1.a * e2.b - e2.a * e1.b;
            ASSERT_NE(det, 0) << k.frage;
            const std::int64_t zaehler =
                gefragt == 'x' ? e1.c * e2.b - e2.c * e1.b : e1.a * e2.c - e2.a * e1.c;
            ASSERT_EQ(zaehler % det, 0) << k.frage;
            const std::int64_t loesung = std::stoll(k.antwort);
            ASSERT_EQ(loesung, zaehler / det) << k.frage;
            ASSERT_NE(loesung, 0) << k.frage;

            // Der Rechenweg endet bei "k·v = r" und teilt, wenn k nicht 1 ist.
            const std::string vor = "führt zu\n ";
            const std::size_t ergebnis = k.hilfe.find(vor);
            ASSERT_NE(ergebnis, std::string::npos) << k.hilfe;
            const std::string rest = k.hilfe.substr(ergebnis + vor.size());
            const std::size_t var = rest.find(std::string(1, gefragt) + " = ");
            ASSERT_NE(var, std::string::npos) << k.hilfe;
            const std::string koeff = rest.substr(0, var);
            const std::int64_t kf = koeff.empty() ? 1 : koeff == "-" ? -1 : std::stoll(koeff);
            ASSERT_EQ(kf * loesung, std::stoll(rest.substr(var + 4))) << k.hilfe;
            const std::string teilung = " ergibt " + std::string(1, gefragt) + " = " + k.antwort;
            ASSERT_EQ(k.hilfe.find(teilung) != std::string::npos, kf != 1) << k.hilfe;
            gesehen.insert(std::string(z[1].find("x - ") != std::string::npos ? "-" : "+") +
                           gefragt);
        }
    }
    EXPECT_EQ(gesehen, (std::set<std::string>{"+x", "-x", "+y", "-y"}));
}

} // namespace
