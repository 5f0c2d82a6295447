// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/gast.h"
#include "verlauf/verlaufsdatenbank.h"
#include "verlauftest.h"

#include <csignal>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace numora;
using numora::test::abfrage;
using numora::test::inhalt;
using numora::test::runde;
using numora::test::TempOrdner;
using testing::HasSubstr;
using testing::StartsWith;
namespace fs = std::filesystem;

const std::string unvollstaendige = "SELECT count(*) FROM runde r WHERE (SELECT count(*) FROM "
                                    "antwort a WHERE a.runde = r.id) != 8";

// Bricht das Schreiben einer Runde nach der Anweisung nach ab, mit Ausnahme oder SIGKILL.
class Abbrechend : public Verlaufsdatenbank {
  public:
    using Verlaufsdatenbank::Verlaufsdatenbank;
    std::int64_t nach = 0;
    bool toeten = false;

  protected:
    void nachAnweisung(std::int64_t n) override {
        if (n == nach && toeten) {
            std::raise(SIGKILL);
        }
        if (n == nach) {
            throw std::runtime_error("Abbruch nach Anweisung " + std::to_string(n));
        }
    }
};

// Ein Kindprozess, der mit dem Test stirbt, auch wenn dieser abstürzt.
pid_t kindStarten() {
    const pid_t kind = fork();
    if (kind == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
    }
    return kind;
}

// Führt arbeit in einem Kindprozess aus; dessen Rückgabe wird zum Exit-Code.
int imKind(const std::function<int()>& arbeit) {
    const pid_t kind = kindStarten();
    if (kind == 0) {
        _exit(arbeit());
    }
    int status = 0;
    waitpid(kind, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

TEST(Verlauf, SpeichertRundenGanzUndLiestSieZurueck) {
    TempOrdner t;
    const fs::path datei = t / "neu/Numora/verlauf.sqlite";
    Verlaufsdatenbank v(datei);
    EXPECT_FALSE(fs::exists(datei)); // erst beim ersten Gebrauch
    RundenEintrag a = runde("JÜRGEN", 2, 3, 5, 1);
    a.antworten[0].frage = "Was ist \"½\";\nzwei Zeilen?";
    a.antworten[0].eingabe = std::string("x\0y", 3);
    RundenEintrag b = runde("ANNA", 0, 1, 8, 0, true);
    b.antworten.clear();
    ASSERT_TRUE(v.rundeSpeichern(a).ok);
    ASSERT_TRUE(v.rundeSpeichern(b).ok);
    std::vector<RundenEintrag> gelesen;
    EXPECT_TRUE(v.rundenDurchgehen(std::nullopt, true, [&](const RundenEintrag& r) {
                     gelesen.push_back(r);
                 }).ok);
    EXPECT_EQ(gelesen, (std::vector{a, b})); // in der Folge des Speicherns
    EXPECT_EQ(v.spielerNamen(), (std::vector<std::string>{"ANNA", "JÜRGEN"}));
    EXPECT_EQ(abfrage(datei, "PRAGMA user_version"), Verlaufsdatenbank::schemaVersion);
    EXPECT_EQ(SQLite::Database(datei).execAndGet("PRAGMA journal_mode").getString(), "wal");

    // Ungültiges wird abgewiesen, ohne die Datei zu berühren.
    for (const auto& [thema, level] : {std::pair{9, 1}, {-1, 1}, {0, 0}, {0, 4}}) {
        EXPECT_FALSE(v.rundeSpeichern(runde("ANNA", thema, level, 1)).ok);
    }
    RundenEintrag ohneZeit = runde("ANNA", 0, 1, 1);
    ohneZeit.ende.monat = 13;
    EXPECT_FALSE(v.rundeSpeichern(ohneZeit).ok);
    EXPECT_EQ(abfrage(datei, "SELECT count(*) FROM runde"), 2);
}

TEST(Verlauf, UebersichtKurveUndHaeufigsteFehlerLassenUebungAusDerWertung) {
    TempOrdner t;
    Verlaufsdatenbank v(t / "verlauf.sqlite");
    std::vector<KurvenPunkt> erwartet;
    for (const auto& [minute, richtige] :
         {std::pair{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 8}, {7, 8}}) {
        RundenEintrag r = runde("ANNA", 0, 1, richtige, minute);
        r.sekunden = minute == 6 ? 30 : 50;
        ASSERT_TRUE(v.rundeSpeichern(r).ok);
        erwartet.push_back({r.ende, richtige});
    }
    RundenEintrag uebung = runde("ANNA", 0, 1, 7, 9, true);
    uebung.sekunden = 5;
    ASSERT_TRUE(v.rundeSpeichern(uebung).ok);
    ASSERT_TRUE(v.rundeSpeichern(runde("ANNA", 2, 3, 4, 8)).ok);
    ASSERT_TRUE(v.rundeSpeichern(runde("BERND", 0, 1, 8, 8)).ok);

    const std::vector<FortschrittZeile> zeilen = v.fortschritt("ANNA");
    ASSERT_EQ(zeilen.size(), 2u);
    EXPECT_EQ(zeilen[0], (FortschrittZeile{0, 1, 7, 1, 8, 30, 5.6, uebung.ende}));
    EXPECT_EQ(zeilen[1], (FortschrittZeile{2, 3, 1, 0, 4, 56, 4.0, {2026, 7, 3, 10, 8}}));
    EXPECT_EQ(v.kurve("ANNA", 0, 1), erwartet);
    EXPECT_TRUE(v.kurve("ANNA", 0, 2).empty());
    // Frage 8 fehlt in den Runden mit 1 bis 5 Richtigen und in der Übung.
    EXPECT_EQ(v.haeufigsteFehler("ANNA", 0, 1, 2),
              (std::vector<HaeufigerFehler>{{"Frage 8", "1", "Weil 8", 6},
                                            {"Frage 6", "1", "Weil 6", 5}}));
    EXPECT_TRUE(v.haeufigsteFehler("ANNA", 0, 1, 0).empty());
    EXPECT_TRUE(v.fortschritt("NIEMAND").empty());
}

struct EmpfehlungsFall {
    std::string name;
    std::int64_t thema;
    std::vector<std::tuple<std::int64_t, std::int64_t, bool>> runden; // Level, Richtige, Übung
    std::optional<std::int64_t> erwartet;
};

TEST(Verlauf, EmpfiehltLevelNachDenLetztenZweiRunden) {
    const std::vector<EmpfehlungsFall> faelle = {
        {"ohne Runde", 0, {}, std::nullopt},
        {"nur Übung", 0, {{1, 8, true}}, std::nullopt},
        {"anderes Thema", 1, {{2, 8, false}}, std::nullopt},
        {"Thema 9 gibt es nicht", 9, {}, std::nullopt},
        {"eine gute Runde", 0, {{2, 8, false}}, 2},
        {"zweimal gut", 0, {{1, 7, false}, {1, 8, false}}, 2},
        {"zweimal gut auf dem höchsten", 0, {{3, 8, false}, {3, 8, false}}, 3},
        {"zweimal schwach", 0, {{2, 3, false}, {2, 0, false}}, 1},
        {"zweimal schwach auf Level 1", 0, {{1, 2, false}, {1, 3, false}}, 1},
        {"gut auf zwei Levels", 0, {{1, 8, false}, {2, 8, false}}, 2},
        {"nur die letzten zwei zählen", 0, {{2, 8, false}, {2, 6, false}, {2, 8, false}}, 2},
        {"Übung dazwischen zählt nicht", 0, {{1, 8, false}, {1, 8, false}, {1, 0, true}}, 2},
        {"gemischt", 0, {{2, 7, false}, {2, 4, false}}, 2},
    };
    TempOrdner t;
    Verlaufsdatenbank v(t / "verlauf.sqlite");
    for (const EmpfehlungsFall& f : faelle) {
        std::int64_t minute = 0;
        for (const auto& [level, richtige, uebung] : f.runden) {
            ASSERT_TRUE(v.rundeSpeichern(runde(f.name, 0, level, richtige, minute++, uebung)).ok);
        }
        EXPECT_EQ(v.levelEmpfehlung(f.name, f.thema), f.erwartet) << f.name;
    }
}

TEST(Zuverlaessigkeit, AbbruchMittenInDerRundeLaesstSieGanzOderGarNicht) {
    TempOrdner t;
    const fs::path datei = t / "verlauf.sqlite";
    ASSERT_TRUE(Verlaufsdatenbank(datei).rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
    for (std::int64_t k = 1; k <= 9; ++k) {
        {
            Abbrechend v(datei); // vor dem fork wieder geschlossen
            v.nach = k;
            const Ergebnis e = v.rundeSpeichern(runde("ANNA", 0, 1, 4));
            EXPECT_FALSE(e.ok);
            EXPECT_THAT(e.meldung, HasSubstr("nach Anweisung " + std::to_string(k)));
        }
        EXPECT_EQ(imKind([&] {
                      Abbrechend kind(datei);
                      kind.nach = k;
                      kind.toeten = true;
                      kind.rundeSpeichern(runde("ANNA", 0, 1, 5));
                      return 0;
                  }),
                  128 + SIGKILL);
        EXPECT_EQ(abfrage(datei, "SELECT count(*) FROM runde"), 1) << k;
        EXPECT_EQ(abfrage(datei, "SELECT count(*) FROM antwort"), 8) << k;
    }
    // Ein Kind schreibt ohne Pause und wird von außen getötet.
    const pid_t kind = kindStarten();
    if (kind == 0) {
        Verlaufsdatenbank v(datei);
        for (std::int64_t i = 0;; ++i) {
            v.rundeSpeichern(runde("KIND", 0, 1, i % 9));
        }
    }
    for (int i = 0; i < 5000 && abfrage(datei, "SELECT count(*) FROM runde") < 30; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
    EXPECT_EQ(abfrage(datei, unvollstaendige), 0);
    EXPECT_EQ(SQLite::Database(datei).execAndGet("PRAGMA integrity_check").getString(), "ok");
    Verlaufsdatenbank danach(datei);
    EXPECT_TRUE(danach.rundeSpeichern(runde("ANNA", 0, 1, 6)).ok);
}

TEST(Zuverlaessigkeit, NurLesbarerOrdnerWirdEinmalGemeldetUndBleibtUnberuehrt) {
    TempOrdner t;
    const fs::path ordner = t / "Numora";
    const fs::path datei = ordner / "verlauf.sqlite";
    ASSERT_TRUE(Verlaufsdatenbank(datei).rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
    const std::string vorher = inhalt(datei);
    const auto lesbar = fs::perms::owner_read | fs::perms::others_read;
    fs::permissions(datei, lesbar);
    fs::permissions(ordner, lesbar | fs::perms::owner_exec | fs::perms::others_exec);
    {
        AlsGast gast;
        if (!AlsGast::wirksam()) {
            GTEST_SKIP() << "Als root ohne Möglichkeit, die Rechte abzugeben, gilt kein Schutz.";
        }
        Verlaufsdatenbank v(datei);
        const Ergebnis e = v.rundeSpeichern(runde("ANNA", 0, 1, 4));
        EXPECT_FALSE(e.ok);
        EXPECT_THAT(e.meldung, StartsWith("Dein Fortschritt wird nicht gespeichert. Numora darf"));
        EXPECT_EQ(v.meldungFuerSpieler(), e.meldung);
        EXPECT_FALSE(v.rundeSpeichern(runde("ANNA", 0, 1, 4)).ok);
        EXPECT_EQ(v.meldungFuerSpieler(), std::nullopt); // einmal je Lauf
        EXPECT_TRUE(v.fortschritt("ANNA").empty());

        Verlaufsdatenbank tiefer(ordner / "unter" / "verlauf.sqlite");
        EXPECT_THAT(tiefer.rundeSpeichern(runde("ANNA", 0, 1, 4)).meldung,
                    HasSubstr("lässt sich nicht anlegen"));
    }
    fs::permissions(ordner, fs::perms::all);
    EXPECT_EQ(inhalt(datei), vorher);
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner), fs::directory_iterator()), 1);
}

TEST(Zuverlaessigkeit, VolleFestplatteLaesstDieRundeWegUndDieDateiHeil) {
    TempOrdner t;
    const fs::path datei = t / "verlauf.sqlite";
    ASSERT_TRUE(Verlaufsdatenbank(datei).rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
    EXPECT_EQ(imKind([&] {
                  Verlaufsdatenbank v(datei);
                  if (!v.oeffnen().ok) {
                      return 1;
                  }
                  std::signal(SIGXFSZ, SIG_IGN);
                  const rlimit grenze{64 * 1024, 64 * 1024};
                  setrlimit(RLIMIT_FSIZE, &grenze);
                  RundenEintrag gross = runde("ANNA", 0, 1, 4);
                  for (AntwortEintrag& a : gross.antworten) {
                      a.hilfe.assign(20'000, 'h');
                  }
                  const Ergebnis e = v.rundeSpeichern(gross);
                  return !e.ok && e.meldung.find("Datenträger voll") != std::string::npos ? 0 : 2;
              }),
              0);
    EXPECT_EQ(abfrage(datei, "SELECT count(*) FROM runde"), 1);
    EXPECT_EQ(SQLite::Database(datei).execAndGet("PRAGMA integrity_check").getString(), "ok");
}

TEST(Zuverlaessigkeit, BeschaedigteDateiWirdAufbewahrtUndNeuBegonnen) {
    TempOrdner vorlage;
    {
        Verlaufsdatenbank v(vorlage / "gut.sqlite");
        for (int i = 0; i < 200; ++i) {
            ASSERT_TRUE(v.rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
        }
    }
    const std::string gut = inhalt(vorlage / "gut.sqlite");
    std::string zufall(8192, '\0');
    std::mt19937 z(1);
    for (char& c : zufall) {
        c = static_cast<char>(z());
    }
    std::string neuer = gut;
    neuer[60] = 99; // user_version, eine Version aus der Zukunft
    for (const auto& [alt, beschaedigt] :
         {std::pair{zufall, true}, {gut.substr(0, gut.size() / 2), true}, {neuer, false}}) {
        TempOrdner t;
        const fs::path datei = t / "verlauf.sqlite";
        numora::test::schreibe(datei, alt);
        numora::test::schreibe(t / "verlauf-beschaedigt-1.sqlite-wal", "belegt");
        Verlaufsdatenbank v(datei);
        const Ergebnis e = v.rundeSpeichern(runde("BERND", 0, 1, 3));
        EXPECT_EQ(e.ok, beschaedigt);
        EXPECT_EQ(v.meldungFuerSpieler(), e.meldung);
        if (beschaedigt) {
            EXPECT_THAT(e.meldung, HasSubstr("liegt jetzt unverändert unter " +
                                             (t / "verlauf-beschaedigt-2.sqlite").string()));
            EXPECT_EQ(inhalt(t / "verlauf-beschaedigt-2.sqlite"), alt);
            EXPECT_EQ(v.spielerNamen(), std::vector<std::string>{"BERND"});
        } else {
            EXPECT_THAT(e.meldung, HasSubstr("neueren Numora-Version"));
            EXPECT_EQ(inhalt(datei), alt);
        }
    }
}

TEST(Zuverlaessigkeit, ZweiVerbindungenZugleichVerlierenKeineRunde) {
    TempOrdner t;
    const auto schreiber = [&](const std::string& name) {
        Verlaufsdatenbank v(t / "verlauf.sqlite");
        for (int i = 0; i < 100; ++i) {
            EXPECT_TRUE(v.rundeSpeichern(runde(name, 0, 1, i % 9)).ok);
            v.levelEmpfehlung(name, 0);
        }
    };
    std::thread a(schreiber, "ANNA");
    std::thread b(schreiber, "BERND");
    a.join();
    b.join();
    EXPECT_EQ(abfrage(t / "verlauf.sqlite", "SELECT count(*) FROM runde"), 200);
    EXPECT_EQ(abfrage(t / "verlauf.sqlite", unvollstaendige), 0);
}

} // namespace
