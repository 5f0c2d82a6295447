// SPDX-License-Identifier: GPL-3.0-or-later
// numora-blatt von außen: Die PDF-Dateien werden mit pdftotext -layout gelesen und mit den
// Karten verglichen, die numora-karten zum selben Startwert druckt.

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Lauf {
    int code;
    std::string ausgabe;
};

// Mit nurFehler wird nur die Fehlerausgabe gelesen.
Lauf starte(const std::string& befehl, bool nurFehler = false) {
    FILE* rohr = popen((befehl + (nurFehler ? " 2>&1 1>/dev/null" : " 2>/dev/null")).c_str(), "r");
    std::string ausgabe;
    std::array<char, 4096> puffer{};
    std::size_t n = 0;
    while ((n = fread(puffer.data(), 1, puffer.size(), rohr)) > 0) {
        ausgabe.append(puffer.data(), n);
    }
    const int status = pclose(rohr);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ausgabe};
}

// Leerraum zählt nur als Trenner; das Lückenzeichen erscheint im PDF als □, gefolgt von
// einem Abstand, den pdftotext je nach Lage als Leerzeichen ausgibt.
std::string flach(std::string text) {
    text = std::regex_replace(text, std::regex("\xEF\xA3\xBF"), "\xE2\x96\xA1");
    text = std::regex_replace(text, std::regex("\\s+"), " ");
    text = std::regex_replace(text, std::regex("\xE2\x96\xA1 "), "\xE2\x96\xA1");
    const auto anfang = text.find_first_not_of(' ');
    const auto ende = text.find_last_not_of(' ');
    return anfang == std::string::npos ? "" : text.substr(anfang, ende - anfang + 1);
}

struct Karte {
    std::string frage, antwort, hilfe;
};

std::vector<Karte> kartenVonNumoraKarten(int thema, int level, int anzahl, std::uint64_t seed) {
    const Lauf lauf =
        starte(std::string(NUMORA_KARTEN) + " " + std::to_string(thema) + " " +
               std::to_string(level) + " --anzahl " + std::to_string((anzahl + 7) / 8) +
               " --seed " + std::to_string(seed) + " --json");
    std::vector<Karte> karten;
    std::istringstream ein(lauf.ausgabe);
    for (std::string zeile; std::getline(ein, zeile) && karten.size() < std::size_t(anzahl);) {
        const auto j = nlohmann::json::parse(zeile);
        karten.push_back({j.at("frage"), j.at("antwort"), j.at("hilfe")});
    }
    return karten;
}

struct Seiten {
    std::vector<std::string> roh;   // wie pdftotext sie liefert
    std::vector<std::string> blatt; // flach, nur Aufgabenseiten
    std::vector<std::string> loesungen;
};

bool istLoesungsseite(const std::string& roh) {
    return flach(roh).starts_with("Lösungen");
}

// Sucht die Texte der Reihe nach, jeden ganz auf einer Seite; die Zahl der gefundenen.
std::size_t inReihenfolge(const std::vector<std::string>& seiten,
                          const std::vector<std::string>& texte) {
    std::size_t seite = 0;
    std::size_t stelle = 0;
    std::size_t gefunden = 0;
    for (const std::string& t : texte) {
        for (; seite < seiten.size(); ++seite, stelle = 0) {
            const auto p = seiten[seite].find(t, stelle);
            if (p != std::string::npos) {
                stelle = p + t.size();
                break;
            }
        }
        if (seite == seiten.size()) {
            break;
        }
        ++gefunden;
    }
    return gefunden;
}

class NumoraBlatt : public testing::Test {
  protected:
    void SetUp() override {
        std::string vorlage = (fs::temp_directory_path() / "numora-blatt-XXXXXX").string();
        ASSERT_NE(mkdtemp(vorlage.data()), nullptr);
        ordner = vorlage;
    }
    void TearDown() override { fs::remove_all(ordner); }

    Seiten seiten(const std::string& argumente) {
        const std::string pdf = (ordner / "blatt.pdf").string();
        const Lauf lauf = starte(std::string(NUMORA_BLATT) + " " + argumente + " -o " + pdf);
        EXPECT_EQ(lauf.code, 0) << argumente;
        const Lauf text = starte(std::string(PDFTOTEXT) + " -layout " + pdf + " -");
        Seiten s;
        std::istringstream ein(text.ausgabe);
        for (std::string seite; std::getline(ein, seite, '\f');) {
            s.roh.push_back(seite);
            (istLoesungsseite(seite) ? s.loesungen : s.blatt).push_back(flach(seite));
        }
        if (!s.roh.empty() && flach(s.roh.back()).empty()) {
            s.roh.pop_back(); // nach dem letzten Seitenvorschub
            s.blatt.pop_back();
        }
        return s;
    }

    fs::path ordner;
};

struct Wahl {
    int thema, level, fragen;
    std::uint64_t seed;
};

void PrintTo(const Wahl& w, std::ostream* aus) {
    *aus << w.thema << ' ' << w.level << " --fragen " << w.fragen << " --seed " << w.seed;
}

class VarianteEins : public NumoraBlatt, public testing::WithParamInterface<Wahl> {};

TEST_P(VarianteEins, ZeigtDieKartenVonNumoraKartenMitLoesungenJeFrageAufEinerSeite) {
    const Wahl w = GetParam();
    const Seiten s =
        seiten(std::to_string(w.thema) + " " + std::to_string(w.level) + " --fragen " +
               std::to_string(w.fragen) + " --seed " + std::to_string(w.seed) + " --erklaerungen");
    const std::vector<Karte> karten = kartenVonNumoraKarten(w.thema, w.level, w.fragen, w.seed);
    ASSERT_EQ(karten.size(), std::size_t(w.fragen));
    std::vector<std::string> fragen;
    std::vector<std::string> loesungen;
    for (std::size_t i = 0; i < karten.size(); ++i) {
        const std::string nr = std::to_string(i + 1) + ". ";
        fragen.push_back(nr + flach(karten[i].frage));
        loesungen.push_back(nr + flach(karten[i].antwort + " " + karten[i].hilfe));
    }
    EXPECT_EQ(inReihenfolge(s.blatt, fragen), karten.size());
    EXPECT_EQ(inReihenfolge(s.loesungen, loesungen), karten.size());
    ASSERT_FALSE(s.blatt.empty());
    EXPECT_NE(s.blatt[0].find("Startwert " + std::to_string(w.seed)), std::string::npos);
    EXPECT_NE(s.blatt[0].find("Name:"), std::string::npos);
    EXPECT_NE(s.blatt[0].find("Klasse:"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Themen, VarianteEins,
                         testing::Values(Wahl{2, 3, 16, 7}, Wahl{3, 1, 9, 11}, Wahl{3, 2, 16, 3},
                                         Wahl{7, 2, 40, 5}, Wahl{8, 1, 8, 1}, Wahl{5, 3, 17, 123},
                                         Wahl{1, 3, 12, 0}));

TEST_F(NumoraBlatt, VarianteKNimmtIhrenGedrucktenStartwertUndDieLoesungenFolgenAmEnde) {
    const Seiten s = seiten("4 2 --fragen 8 --varianten 3 --seed 41 --schluessel-am-ende");
    ASSERT_FALSE(s.loesungen.empty());
    EXPECT_TRUE(istLoesungsseite(s.roh.back()));
    EXPECT_FALSE(istLoesungsseite(s.roh[s.blatt.size() - 1]));
    for (int k = 1; k <= 3; ++k) {
        const std::uint64_t seed = 41 + std::uint64_t(k) - 1;
        const std::string kennung =
            "Variante " + std::to_string(k) + " · Startwert " + std::to_string(seed);
        std::vector<std::string> blatt;
        for (const std::string& seite : s.blatt) {
            if (seite.find(kennung) != std::string::npos) {
                blatt.push_back(seite);
            }
        }
        const std::vector<Karte> karten = kartenVonNumoraKarten(4, 2, 8, seed);
        std::vector<std::string> fragen;
        std::string loesungen = kennung;
        for (std::size_t i = 0; i < karten.size(); ++i) {
            fragen.push_back(std::to_string(i + 1) + ". " + flach(karten[i].frage));
            loesungen += " " + std::to_string(i + 1) + ". " + flach(karten[i].antwort);
        }
        EXPECT_EQ(inReihenfolge(blatt, fragen), karten.size()) << kennung;
        EXPECT_EQ(inReihenfolge(s.loesungen, {loesungen}), 1u) << loesungen;
    }
}

TEST_F(NumoraBlatt, DerselbeStartwertGibtDenselbenText) {
    const auto ohneDatum = [](const std::vector<std::string>& roh) {
        std::string t;
        for (const std::string& seite : roh) {
            t += std::regex_replace(seite, std::regex("Datum: [0-9.]+"), "Datum") + '\f';
        }
        return t;
    };
    const std::string erster = ohneDatum(seiten("6 3 --seed 99 --varianten 2").roh);
    EXPECT_EQ(ohneDatum(seiten("6 3 --seed 99 --varianten 2").roh), erster);
    EXPECT_NE(ohneDatum(seiten("6 3 --seed 98 --varianten 2").roh), erster);

    // Ohne --seed steht ein zufälliger Startwert auf dem Blatt, und mit ihm entsteht es wieder.
    const Seiten zufaellig = seiten("0 3");
    std::smatch treffer;
    ASSERT_TRUE(std::regex_search(zufaellig.roh[0], treffer, std::regex("Startwert ([0-9]+)")));
    EXPECT_EQ(ohneDatum(seiten("0 3 --seed " + treffer[1].str()).roh), ohneDatum(zufaellig.roh));
}

TEST_F(NumoraBlatt, SechzehnEinzeiligeFragenFuellenDreiSeitenUndDieLoesungenEine) {
    for (const char* level : {"1", "3"}) {
        const Seiten s = seiten(std::string("0 ") + level + " --seed 5");
        ASSERT_EQ(s.roh.size(), 4u) << level;
        for (int i = 1; i <= 3; ++i) {
            EXPECT_NE(s.blatt[std::size_t(i - 1)].find("Seite " + std::to_string(i) + " von 3"),
                      std::string::npos);
        }
        ASSERT_EQ(s.loesungen.size(), 1u);
        EXPECT_NE(s.loesungen[0].find("Seite 1 von 1"), std::string::npos);
    }
}

struct Fehlerfall {
    const char* argumente; // {} steht für einen leeren Ordner
    const char* meldungsteil;
};

void PrintTo(const Fehlerfall& f, std::ostream* aus) {
    *aus << '"' << f.argumente << '"';
}

class FalscherAufruf : public NumoraBlatt, public testing::WithParamInterface<Fehlerfall> {};

TEST_P(FalscherAufruf, EndetMitCode2EinerDeutschenZeileUndOhneDatei) {
    std::string argumente = GetParam().argumente;
    for (auto p = argumente.find("{}"); p != std::string::npos; p = argumente.find("{}")) {
        argumente.replace(p, 2, ordner.string());
    }
    const Lauf lauf = starte(std::string(NUMORA_BLATT) + " " + argumente, true);
    EXPECT_EQ(lauf.code, 2);
    ASSERT_FALSE(lauf.ausgabe.empty());
    EXPECT_EQ(lauf.ausgabe.find('\n'), lauf.ausgabe.size() - 1) << lauf.ausgabe;
    EXPECT_TRUE(lauf.ausgabe.starts_with("numora-blatt: ")) << lauf.ausgabe;
    EXPECT_NE(lauf.ausgabe.find(GetParam().meldungsteil), std::string::npos) << lauf.ausgabe;
    EXPECT_TRUE(fs::is_empty(ordner)) << "halbe oder temporäre Datei übrig";
}

INSTANTIATE_TEST_SUITE_P(
    Tabelle, FalscherAufruf,
    testing::Values(Fehlerfall{"", "THEMA und LEVEL"}, Fehlerfall{"2 -o {}/b.pdf", "THEMA"},
                    Fehlerfall{"9 1 -o {}/b.pdf", "von 0 bis 8"},
                    Fehlerfall{"2 4 -o {}/b.pdf", "von 1 bis 3"},
                    Fehlerfall{"2 x -o {}/b.pdf", "von 1 bis 3"}, Fehlerfall{"2 1", "-o"},
                    Fehlerfall{"2 1 -o", "Dateiname"},
                    Fehlerfall{"2 1 --fragen 7 -o {}/b.pdf", "von 8 bis 40 sein, nicht \"7\""},
                    Fehlerfall{"2 1 --fragen 41 -o {}/b.pdf", "von 8 bis 40"},
                    Fehlerfall{"2 1 --fragen zwei -o {}/b.pdf", "von 8 bis 40"},
                    Fehlerfall{"2 1 --fragen 99999999999999999999 -o {}/b.pdf", "von 8 bis 40"},
                    Fehlerfall{"2 1 --varianten 0 -o {}/b.pdf", "von 1 bis 40"},
                    Fehlerfall{"2 1 --varianten 41 -o {}/b.pdf", "von 1 bis 40"},
                    Fehlerfall{"2 1 --varianten -o {}/b.pdf", "von 1 bis 40"},
                    Fehlerfall{"2 1 --seed -1 -o {}/b.pdf", "Startwert"},
                    Fehlerfall{"2 1 --bunt -o {}/b.pdf", "Unbekannte Option"},
                    Fehlerfall{"2 1 -o {}/fehlt/b.pdf", "gibt es nicht"},
                    Fehlerfall{"2 1 -o {}", "ist ein Ordner"}));

} // namespace
