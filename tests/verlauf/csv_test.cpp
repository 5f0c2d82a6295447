// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/themen.h"
#include "verlauf/csv.h"
#include "verlauf/verlaufsdatenbank.h"
#include "verlauftest.h"

#include <cerrno>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace numora;
using namespace numora::test;
using testing::HasSubstr;
using Zeile = std::vector<std::string>;

// Liest wie ein Tabellenprogramm: ; trennt, "" steht für ", CRLF außerhalb "..." endet die Zeile.
std::vector<Zeile> lies(const std::string& text) {
    std::vector<Zeile> t{{""}};
    bool zitat = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = std::string_view(text).substr(i, 2);
        if (zitat && rest == "\"\"") {
            t.back().back() += '"';
            ++i;
        } else if (text[i] == '"') {
            zitat = !zitat;
        } else if (!zitat && text[i] == ';') {
            t.back().emplace_back();
        } else if (!zitat && rest == "\r\n") {
            t.push_back({""});
            ++i;
        } else {
            t.back().back() += text[i];
        }
    }
    t.pop_back(); // hinter dem letzten Zeilenende
    return t;
}

TEST(Csv, NamenUndTexteUeberstehenDenRundweg) {
    const Zeile namen = {"JÜRGEN ÄÖÜß", "A\"B\"\"C", "X;Y;", "ZEILE\nUMBRUCH", "CR\r\nLF", "=1+1"};
    TempOrdner t;
    Verlaufsdatenbank v(t / "verlauf.sqlite");
    for (std::size_t i = 0; i < namen.size(); ++i) {
        RundenEintrag r = runde(namen[i], static_cast<std::int64_t>(i), 2, 5, 5, i == 1);
        r.beginn = {2026, 12, 7, 9, 5};
        r.antworten[0].eingabe = "-5";
        r.antworten[1].eingabe = "-A1+1";
        r.antworten[2].eingabe = "=5/6";
        ASSERT_TRUE(v.rundeSpeichern(r).ok);
    }
    std::ostringstream runden, antworten;
    ASSERT_TRUE(csvSchreiben(v, runden, std::nullopt).ok);
    ASSERT_TRUE(csvSchreiben(v, antworten, std::string("X;Y;"), CsvArt::antworten).ok);
    ASSERT_THAT(runden.str(), testing::StartsWith("\xEF\xBB\xBFSpieler;Thema;Level;Beginn;Ende;"
                                                  "Sekunden;Richtige;Übung\r\n"));
    const std::vector<Zeile> r = lies(runden.str());
    ASSERT_EQ(r.size(), namen.size() + 1);
    for (std::size_t i = 0; i < namen.size(); ++i) {
        EXPECT_EQ(r[i + 1],
                  (Zeile{i == 5 ? "'=1+1" : namen[i], std::string(angebot[i]), "2",
                         "7.12.2026 09:05", "3.7.2026 10:05", "55", "5", i == 1 ? "ja" : "nein"}));
    }
    const std::vector<Zeile> a = lies(antworten.str());
    ASSERT_EQ(a.size(), 9u);
    EXPECT_EQ(a[1], (Zeile{"X;Y;", "Bruchrechnung", "2", "7.12.2026 09:05", "nein", "1", "Frage 1",
                           "-5", "1", "ja", "1", "", "Weil 1"}));
    EXPECT_EQ(a[2][7], "'-A1+1"); // keine Formel
    EXPECT_EQ(a[3][7], "'=5/6");
    EXPECT_EQ(a[8][11], "vorzeichen");
}

TEST(Csv, DateiWirdGanzOderGarNichtErsetzt) {
    TempOrdner t;
    Verlaufsdatenbank v(t / "verlauf.sqlite");
    ASSERT_TRUE(v.rundeSpeichern(runde("ANNA", 0, 1, 5)).ok);
    std::ofstream(t / "export.csv") << "alt";
    EXPECT_TRUE(csvDateiSchreiben(v, t / "export.csv", std::string("ANNA")).ok);
    EXPECT_EQ(lies(inhalt(t / "export.csv")).size(), 2u);
    fs::create_directory(t / "ordner.csv");
    EXPECT_EQ(csvDateiSchreiben(v, t / "ordner.csv", std::nullopt).meldung,
              "Die Datei " + (t / "ordner.csv").string() +
                  " ist nicht geschrieben: Unter diesem Namen liegt ein Ordner.");
    EXPECT_TRUE(fs::is_empty(t / "ordner.csv"));
    // Ein Verweis bleibt Verweis, die Rechte der alten Datei bleiben, und über den Verlauf
    // selbst schreibt der Export nie.
    const auto nurIch = fs::perms::owner_read | fs::perms::owner_write;
    std::ofstream(t / "export.csv") << "alt";
    fs::permissions(t / "export.csv", nurIch);
    fs::create_symlink(t / "export.csv", t / "verweis.csv");
    EXPECT_TRUE(csvDateiSchreiben(v, t / "verweis.csv", std::nullopt).ok);
    EXPECT_TRUE(fs::is_symlink(t / "verweis.csv"));
    EXPECT_EQ(lies(inhalt(t / "export.csv")).size(), 2u);
    EXPECT_EQ(fs::status(t / "export.csv").permissions(), nurIch);
    EXPECT_EQ(csvDateiSchreiben(v, t / "verlauf.sqlite", std::nullopt).meldung,
              "Die Datei " + (t / "verlauf.sqlite").string() +
                  " ist nicht geschrieben: Dort liegt der Verlauf selbst.");
    EXPECT_EQ(v.spielerNamen().size(), 1u);
    ASSERT_EQ(mkfifo((t / "rohr.csv").c_str(), 0600), 0);
    EXPECT_EQ(csvDateiSchreiben(v, t / "rohr.csv", std::nullopt).meldung,
              "Die Datei " + (t / "rohr.csv").string() +
                  " ist nicht geschrieben: Unter diesem Namen liegt keine gewöhnliche Datei.");
    EXPECT_TRUE(fs::is_fifo(t / "rohr.csv"));
    for (const auto& e : fs::directory_iterator(t.pfad)) {
        EXPECT_THAT(e.path().string(), testing::Not(testing::HasSubstr(".tmp-"))); // keine Reste
    }
}

// Eine Blattseite mitten in der Tabelle runde unbrauchbar machen: Der Export liest erst einige
// Runden, dann scheitert er.
void mittenBeschaedigen(const fs::path& datei) {
    const std::int64_t seite = abfrage(datei, "SELECT pageno FROM dbstat WHERE name = 'runde' AND "
                                              "pagetype = 'leaf' ORDER BY path LIMIT 1 OFFSET 3");
    const std::int64_t groesse = abfrage(datei, "PRAGMA page_size");
    std::fstream f(datei, std::ios::in | std::ios::out | std::ios::binary);
    f.seekp((seite - 1) * groesse);
    f << std::string(static_cast<std::size_t>(groesse), '\xFF');
}

// Ein USB-Stick lehnt ":" schon beim Anlegen ab, ein abgezogener meldet ENOTCONN; EPERM danach
// (Umbenennen im Ordner mit Sticky-Bit) liegt nicht am Namen.
TEST(Csv, GrundNenntNamenOderAbgezogenenStick) {
    TempOrdner t;
    for (const auto& [fehler, datei, anlegen, erwartet] :
         std::vector<std::tuple<int, fs::path, bool, std::string>>{
             {EINVAL, t / "5a: Brüche.csv", true, "Zeichen \":\""},
             {ENOENT, t / "fehlt" / "a:b.csv", true, "gibt es nicht"},
             {ENOSPC, t / "a:b.csv", true, "kein Platz"},
             {EPERM, t / "a:b.csv", false, "darf dort nicht"},
             {ENOTCONN, t / "ab.csv", false, "abgezogen"}}) {
        EXPECT_THAT(schreibGrund(fehler, datei, anlegen), HasSubstr(erwartet)) << datei;
    }
}

// Zeigt sich die Beschädigung erst mitten im Lesen, ist der Export gescheitert: nicht ein Teil
// als ganzer Verlauf, und die alte Datei bleibt.
TEST(Csv, ErstMittenImLesenBeschaedigtScheitertUndLaesstDieAlteDatei) {
    TempOrdner t;
    {
        Verlaufsdatenbank v(t / "verlauf.sqlite");
        for (int i = 0; i < 400; ++i) {
            ASSERT_TRUE(v.rundeSpeichern(runde("ANNA", 0, 1, i % 9)).ok);
        }
    }
    mittenBeschaedigen(t / "verlauf.sqlite");
    std::ofstream(t / "export.csv") << "alt";
    Verlaufsdatenbank v(t / "verlauf.sqlite");
    v.oeffnen();
    const Ergebnis e = csvDateiSchreiben(v, t / "export.csv", std::nullopt);
    EXPECT_FALSE(e.ok);
    EXPECT_THAT(e.meldung, HasSubstr("ließen sich darum nicht alle lesen."));
    EXPECT_EQ(inhalt(t / "export.csv"), "alt");
}

} // namespace
