// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/structuren.h"
#include "verlauf/csv.h"
#include "verlauf/verlaufsdatenbank.h"
#include "verlauftest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using namespace numora;
using numora::test::runde;
using numora::test::TempOrdner;
using Tabelle = std::vector<std::vector<std::string>>;
namespace fs = std::filesystem;

// Liest CSV zurück wie ein Tabellenprogramm: ; trennt, "" steht für ", CRLF beendet die Zeile.
Tabelle lies(const std::string& text) {
    Tabelle t{{""}};
    bool inQuotes = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inQuotes && c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
            t.back().back() += '"';
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == ';') {
            t.back().emplace_back();
        } else if (!inQuotes && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            t.push_back({""});
            ++i;
        } else {
            t.back().back() += c;
        }
    }
    t.pop_back(); // hinter dem letzten Zeilenende
    return t;
}

TEST(Csv, NamenUndTexteUeberstehenDenRundweg) {
    const std::vector<std::string> namen = {"JÜRGEN ÄÖÜß",    "A\"B\"\"C", "X;Y;",
                                            "ZEILE\nUMBRUCH", "CR\r\nLF",  "=1+1"};
    TempOrdner t;
    Verlaufsdatenbank v(t / "verlauf.sqlite");
    for (std::size_t i = 0; i < namen.size(); ++i) {
        RundenEintrag r = runde(namen[i], static_cast<std::int64_t>(i), 2, 5, 5);
        r.beginn = {2026, 12, 7, 9, 5};
        r.uebung = i == 1;
        r.antworten[0].eingabe = "-5";
        r.antworten[1].eingabe = "-A1+1";
        ASSERT_TRUE(v.rundeSpeichern(r).ok);
    }
    std::ostringstream runden, antworten;
    ASSERT_TRUE(csvSchreiben(v, runden, std::nullopt).ok);
    ASSERT_TRUE(csvSchreiben(v, antworten, std::string("X;Y;"), CsvArt::antworten).ok);
    ASSERT_THAT(runden.str(), testing::StartsWith("\xEF\xBB\xBFSpieler;"));

    const Tabelle r = lies(runden.str().substr(3));
    ASSERT_EQ(r.size(), namen.size() + 1);
    EXPECT_EQ(r[0], (std::vector<std::string>{"Spieler", "Thema", "Level", "Beginn", "Ende",
                                              "Sekunden", "Richtige", "Übung"}));
    for (std::size_t i = 0; i < namen.size(); ++i) {
        EXPECT_EQ(r[i + 1][0], i == 5 ? "'=1+1" : namen[i]); // keine Formel
        EXPECT_EQ(r[i + 1][1], angebot[i]);
        EXPECT_EQ(r[i + 1][3], "7.12.2026 09:05");
        EXPECT_EQ(r[i + 1][4], "3.7.2026 10:05");
        EXPECT_EQ(r[i + 1][7], i == 1 ? "ja" : "nein");
    }
    const Tabelle a = lies(antworten.str().substr(3));
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(a[1],
              (std::vector<std::string>{"X;Y;", "Bruchrechnung", "2", "7.12.2026 09:05", "nein",
                                        "1", "Frage 1", "-5", "1", "ja", "1", "", "Weil 1"}));
    EXPECT_EQ(a[2][7], "'-A1+1");
    EXPECT_EQ(a[8][11], "vorzeichen");
}

// Ein Verlauf, der mitten im Durchgehen scheitert.
class Kaputt : public Verlaufsdatenbank {
  public:
    using Verlaufsdatenbank::Verlaufsdatenbank;
    Ergebnis rundenDurchgehen(const std::optional<std::string>& spieler, bool mit,
                              const std::function<void(const RundenEintrag&)>& je) override {
        Verlaufsdatenbank::rundenDurchgehen(spieler, mit, je);
        return {false, "Der Verlauf lässt sich nicht lesen."};
    }
};

TEST(Csv, DateiWirdGanzOderGarNichtErsetzt) {
    TempOrdner t;
    Kaputt v(t / "verlauf.sqlite");
    ASSERT_TRUE(v.rundeSpeichern(runde("ANNA", 0, 1, 5)).ok);
    const fs::path ziel = t / "export.csv";
    numora::test::schreibe(ziel, "alt");
    EXPECT_EQ(csvDateiSchreiben(v, ziel, std::nullopt).meldung,
              "Der Verlauf lässt sich nicht lesen.");
    EXPECT_EQ(numora::test::inhalt(ziel), "alt");

    Verlaufsdatenbank gut(t / "verlauf.sqlite");
    EXPECT_TRUE(csvDateiSchreiben(gut, ziel, std::string("ANNA")).ok);
    EXPECT_EQ(lies(numora::test::inhalt(ziel)).size(), 2u);
    EXPECT_EQ(csvDateiSchreiben(gut, t / "fehlt" / "x.csv", std::nullopt).meldung,
              "Die Datei " + (t / "fehlt" / "x.csv").string() +
                  " ist nicht geschrieben: Den Ordner " + (t / "fehlt").string() +
                  " gibt es nicht.");
    for (const auto& e : fs::directory_iterator(t.pfad())) {
        EXPECT_THAT(e.path().string(), testing::Not(testing::HasSubstr(".tmp-"))); // keine Reste
    }
}

} // namespace
