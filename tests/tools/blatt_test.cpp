// SPDX-License-Identifier: GPL-3.0-or-later
// numora-blatt von außen: Die PDF-Dateien werden mit pdftotext -layout gelesen und mit den
// Karten verglichen, die numora-karten zum selben Startwert druckt.

#include "lauf.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

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

// Was numora-karten zum selben Startwert druckt, nummeriert und flach wie auf dem Blatt.
struct Erwartet {
    std::vector<std::string> fragen, loesungen;
};

Erwartet kartenVonNumoraKarten(int thema, int level, int anzahl, std::uint64_t seed,
                               bool erklaerungen) {
    const Lauf lauf =
        starte(std::string(NUMORA_KARTEN) + " " + std::to_string(thema) + " " +
               std::to_string(level) + " --anzahl " + std::to_string((anzahl + 7) / 8) +
               " --seed " + std::to_string(seed) + " --json");
    Erwartet e;
    for (const std::string& zeile : zeilen(lauf.aus)) {
        const auto j = nlohmann::json::parse(zeile);
        const std::string nr = std::to_string(e.fragen.size() + 1) + ". ";
        e.fragen.push_back(nr + flach(j.at("frage")));
        // Das Lösungsblatt nennt auch den zweiten richtigen Wert.
        const std::string antwort =
            j.at("antwort").get<std::string>() +
            (j.contains("auchRichtig") ? " oder " + j.at("auchRichtig").get<std::string>() : "");
        e.loesungen.push_back(
            nr + flach(antwort + " " + (erklaerungen ? j.at("hilfe").get<std::string>() : "")));
    }
    e.fragen.resize(std::min(e.fragen.size(), std::size_t(anzahl)));
    e.loesungen.resize(e.fragen.size());
    return e;
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
    std::size_t gefunden = 0;
    for (std::size_t seite = 0, stelle = 0; seite < seiten.size(); ++seite, stelle = 0) {
        for (std::size_t p = 0;
             gefunden < texte.size() &&
             (p = seiten[seite].find(texte[gefunden], stelle)) != std::string::npos;) {
            stelle = p + texte[gefunden++].size();
        }
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
        std::istringstream ein(text.aus);
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

// Thema, Level, Fragen, Startwert
class VarianteEins : public NumoraBlatt,
                     public testing::WithParamInterface<std::tuple<int, int, int, int>> {};

TEST_P(VarianteEins, ZeigtDieKartenVonNumoraKartenMitLoesungenJeFrageAufEinerSeite) {
    const auto [thema, level, fragen, seed] = GetParam();
    const Seiten s =
        seiten(std::to_string(thema) + " " + std::to_string(level) + " --fragen " +
               std::to_string(fragen) + " --seed " + std::to_string(seed) + " --erklaerungen");
    const Erwartet e = kartenVonNumoraKarten(thema, level, fragen, std::uint64_t(seed), true);
    ASSERT_EQ(e.fragen.size(), std::size_t(fragen));
    EXPECT_EQ(inReihenfolge(s.blatt, e.fragen), e.fragen.size());
    EXPECT_EQ(inReihenfolge(s.loesungen, e.loesungen), e.fragen.size());
    ASSERT_FALSE(s.blatt.empty());
    EXPECT_NE(s.blatt[0].find("Startwert " + std::to_string(seed)), std::string::npos);
    EXPECT_NE(s.blatt[0].find("Name:"), std::string::npos);
    EXPECT_NE(s.blatt[0].find("Klasse:"), std::string::npos);
    // "x-" am Zeilenende läse sich nach einer Gleichung wie "x minus".
    const std::regex xMinus("(^|[^[:alpha:]])[xy]-\\s*$");
    for (const std::string& seite : s.roh) {
        for (const std::string& zeile : zeilen(seite)) {
            EXPECT_FALSE(std::regex_search(zeile, xMinus)) << zeile;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Themen, VarianteEins,
                         testing::Values(std::tuple{2, 3, 16, 7}, std::tuple{3, 1, 9, 11},
                                         std::tuple{3, 2, 16, 3}, std::tuple{7, 2, 40, 5},
                                         std::tuple{8, 1, 8, 1}, std::tuple{5, 3, 17, 123},
                                         std::tuple{1, 3, 12, 0}, std::tuple{4, 1, 40, 7},
                                         std::tuple{4, 3, 40, 7}));

// Ein langer Titel bricht im Kopf der ersten Seite um, statt gekürzt zu werden.
TEST_F(NumoraBlatt, LangerTitelStehtGanzAufDerErstenSeite) {
    const std::string titel =
        "Übung zur Klassenarbeit: Lineare Gleichungen, 8b – bitte sauber rechnen";
    const std::string pdf = (ordner / "titel.pdf").string();
    ASSERT_EQ(starte(std::string(NUMORA_BLATT) + " 1 2 --titel '" + titel + "' -o " + pdf).code, 0);
    const Lauf text = starte(std::string(PDFTOTEXT) + " -f 1 -l 1 " + pdf + " -");
    EXPECT_NE(flach(text.aus).find(titel), std::string::npos) << text.aus;
}

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
        const Erwartet e = kartenVonNumoraKarten(4, 2, 8, seed, false);
        std::string loesungen = kennung;
        for (const std::string& l : e.loesungen) {
            loesungen += " " + l;
        }
        EXPECT_EQ(inReihenfolge(blatt, e.fragen), 8u) << kennung;
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

// Im leeren Ordner gestartet: Kein falscher Aufruf lässt dort eine Datei zurück.
TEST_F(NumoraBlatt, FalscherAufrufEndetMitCode2EinerZeileUndOhneDatei) {
    const std::string langerTitel = "2 1 --titel " + std::string(81, 'x') + " -o b.pdf";
    const fs::path rohr = ordner.string() + "-rohr"; // neben dem Ordner, der leer bleiben soll
    ASSERT_EQ(mkfifo(rohr.c_str(), 0600), 0);
    const std::string aufsRohr = "2 1 -o " + rohr.string();
    const std::string insRohr = aufsRohr + "/b.pdf";
    pruefeAufrufe(
        "cd " + ordner.string() + " && " NUMORA_BLATT, "numora-blatt",
        {Aufruf{"", "genau zwei Zahlen, THEMA und LEVEL"}, Aufruf{"2 -o b.pdf", "THEMA"},
         Aufruf{"9 1 -o b.pdf", "Das Thema muss eine ganze Zahl von 0 bis 8 sein"},
         Aufruf{"-5 1 -o b.pdf", "nicht \"-5\""}, // nur hier beginnen Optionen mit "-"
         Aufruf{"2 4 -o b.pdf", "Der Level muss eine ganze Zahl von 1 bis 3 sein"},
         Aufruf{"2 1", "Es fehlt die Ausgabedatei: -o DATEI.pdf"},
         Aufruf{"2 1 -o", "Nach -o fehlt der Dateiname."},
         Aufruf{"2 1 --fragen 7 -o b.pdf", "von 8 bis 40 sein, nicht \"7\"."},
         Aufruf{"2 1 --fragen 41 -o b.pdf", "Die Zahl der Fragen muss eine ganze Zahl"},
         Aufruf{"2 1 --varianten 0 -o b.pdf", "Varianten muss eine ganze Zahl von 1 bis 40"},
         Aufruf{"2 1 --varianten 41 -o b.pdf", "von 1 bis 40"},
         Aufruf{"2 1 -x -o b.pdf", "Unbekannte Option \"-x\" (--hilfe zeigt den Aufruf)."},
         Aufruf{"2 1 -o fehlt/b.pdf", "gibt es nicht"}, Aufruf{"2 1 -o .", "ist ein Ordner"},
         Aufruf{aufsRohr.c_str(), "ist keine gewöhnliche Datei"},
         Aufruf{insRohr.c_str(), "-rohr\" ist kein Ordner."},
         Aufruf{langerTitel.c_str(), "Der Titel darf höchstens 80 Zeichen lang sein, nicht 81."}});
    EXPECT_TRUE(fs::is_fifo(rohr));
    fs::remove(rohr);

    // Voller Datenträger (hier die Grenze der Dateigröße) mitten im letzten Puffer: kein Erfolg
    // und kein abgeschnittenes PDF.
    const std::string aufruf =
        "cd " + ordner.string() + " && " NUMORA_BLATT " 1 1 --seed 1 -o b.pdf";
    ASSERT_EQ(starte(aufruf).code, 0);
    const auto groesse = fs::file_size(ordner / "b.pdf");
    fs::remove(ordner / "b.pdf");
    const Lauf voll = starte("trap '' XFSZ; prlimit --fsize=" + std::to_string(groesse - 100) +
                             " sh -c '" + aufruf + "'");
    EXPECT_EQ(voll.code, 2) << voll.fehler;
    EXPECT_NE(voll.fehler.find("ist der Datenträger voll?"), std::string::npos) << voll.fehler;
    EXPECT_TRUE(fs::is_empty(ordner)) << "halbe oder temporäre Datei übrig";
}

} // namespace
