// SPDX-License-Identifier: GPL-3.0-or-later
#include "gast.h"
#include "verlauf/verlaufsdatenbank.h"
#include "verlauftest.h"

#include <cerrno>
#include <csignal>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>

namespace {

using namespace numora;
using namespace numora::test;
using testing::HasSubstr;

const std::string unvollstaendige = "SELECT count(*) FROM runde r WHERE (SELECT count(*) FROM "
                                    "antwort a WHERE a.runde = r.id) != 8";

std::string pruefung(const fs::path& datei) {
    return SQLite::Database(datei).execAndGet("PRAGMA integrity_check").getString();
}

// Bricht das Schreiben einer Runde nach Anweisung nach ab.
struct Abbrechend : Verlaufsdatenbank {
    using Verlaufsdatenbank::Verlaufsdatenbank;
    std::int64_t nach = 0;
    void nachAnweisung(std::int64_t n) override {
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

TEST(Verlauf, SpeichertRundenGanzUndLiestSieZurueck) {
    TempOrdner t;
    const fs::path datei = t / "neu/Numora/verlauf.sqlite";
    Verlaufsdatenbank v(datei);
    RundenEintrag a = runde("JÜRGEN", 2, 3, 5, 1);
    a.antworten[0].frage = "Was ist \"½\";\nzwei Zeilen?";
    a.antworten[0].eingabe = std::string("x\0y", 3);
    RundenEintrag b = runde("ANNA", 0, 1, 8, 0, true);
    b.antworten.clear();
    std::vector<RundenEintrag> gelesen;
    for (const RundenEintrag& r : {a, b, runde("ANNA", 9, 1, 1), runde("ANNA", 0, 4, 1)}) {
        EXPECT_EQ(v.rundeSpeichern(r).ok, r.thema < 9 && r.level < 4); // Ungültiges nicht
    }
    EXPECT_TRUE(v.rundenDurchgehen(std::nullopt, true, [&](const RundenEintrag& r) {
                     gelesen.push_back(r);
                 }).ok);
    EXPECT_EQ(gelesen, (std::vector{a, b})); // in der Folge des Speicherns
    EXPECT_EQ(v.spielerNamen(), (std::vector<std::string>{"ANNA", "JÜRGEN"}));
    EXPECT_EQ(abfrage(datei, "PRAGMA user_version"), Verlaufsdatenbank::schemaVersion);
    EXPECT_EQ(SQLite::Database(datei).execAndGet("PRAGMA journal_mode").getString(), "wal");
}

// Eine Klasse verlässt die Schule: Ihre Runden gehen samt Antworten, und die Datei wird wieder
// kleiner, statt mit jedem Jahrgang zu wachsen.
TEST(Verlauf, SpielerEntfernenLoeschtSeineRundenUndGibtPlatzFrei) {
    TempOrdner t;
    const fs::path datei = t / "verlauf.sqlite";
    {
        Verlaufsdatenbank schreiber(datei);
        for (std::int64_t i = 0; i < 300; ++i) {
            ASSERT_TRUE(
                schreiber.rundeSpeichern(runde(i < 290 ? "ANNA" : "BERND", i % 9, 1, 5)).ok);
        }
    }
    const auto vorher = fs::file_size(datei); // geschlossen: alles in der Datei, nichts im -wal
    {
        Verlaufsdatenbank v(datei);
        std::int64_t entfernt = 0;
        ASSERT_TRUE(v.spielerEntfernen("ANNA", entfernt).ok);
        EXPECT_EQ(entfernt, 290);
        EXPECT_EQ(v.spielerNamen(), std::vector<std::string>{"BERND"});
    }
    EXPECT_EQ(abfrage(datei, "SELECT COUNT(*) FROM antwort"), 10 * 8); // nur die von BERND
    EXPECT_LT(fs::file_size(datei), vorher / 4);
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
    for (const RundenEintrag& r : {uebung, runde("ANNA", 2, 3, 4, 8), runde("BERND", 0, 1, 8)}) {
        ASSERT_TRUE(v.rundeSpeichern(r).ok);
    }
    EXPECT_EQ(v.fortschritt("ANNA"),
              (std::vector<FortschrittZeile>{{0, 1, 7, 1, 8, 30, 5.6, uebung.ende, 8},
                                             {2, 3, 1, 0, 4, 56, 4.0, {2026, 7, 3, 10, 8}, 9}}));
    EXPECT_EQ(v.kurve("ANNA", 0, 1), erwartet);
    // Frage 8 fehlt in den Runden mit 1 bis 5 Richtigen und in der Übung.
    EXPECT_EQ(v.haeufigsteFehler("ANNA", 0, 1, 2),
              (std::vector<HaeufigerFehler>{{"Frage 8", "1", "Weil 8", 6},
                                            {"Frage 6", "1", "Weil 6", 5}}));
}

TEST(Verlauf, EmpfiehltLevelNachDenLetztenZweiRundenAufDemselbenLevel) {
    struct Fall {
        std::string name;
        std::int64_t thema;
        std::vector<std::tuple<std::int64_t, std::int64_t, bool>> runden; // Level, Richtige, Übung
        std::optional<std::int64_t> erwartet;
    };
    const std::vector<Fall> faelle = {
        {"ohne Runde", 0, {}, std::nullopt},
        {"nur Übung", 0, {{1, 8, true}}, std::nullopt},
        {"anderes Thema", 1, {{2, 8, false}}, std::nullopt},
        {"Thema 9 gibt es nicht", 9, {}, std::nullopt},
        {"eine gute Runde", 0, {{2, 8, false}}, 2},
        {"zweimal gut auf dem höchsten", 0, {{3, 8, false}, {3, 8, false}}, 3},
        {"zweimal schwach", 0, {{2, 3, false}, {2, 0, false}}, 1},
        {"zweimal schwach auf Level 1", 0, {{1, 2, false}, {1, 3, false}}, 1},
        {"gut auf zwei Levels", 0, {{1, 8, false}, {2, 8, false}}, 2},
        {"nur die letzten zwei zählen", 0, {{2, 8, false}, {2, 4, false}, {2, 8, false}}, 2},
        {"Übung dazwischen zählt nicht", 0, {{1, 7, false}, {1, 8, false}, {1, 0, true}}, 2},
    };
    TempOrdner t;
    Verlaufsdatenbank v(t / "verlauf.sqlite");
    for (const Fall& f : faelle) {
        for (const auto& [level, richtige, uebung] : f.runden) {
            ASSERT_TRUE(v.rundeSpeichern(runde(f.name, 0, level, richtige, 0, uebung)).ok);
        }
        EXPECT_EQ(v.levelEmpfehlung(f.name, f.thema), f.erwartet) << f.name;
    }
}

TEST(Zuverlaessigkeit, AbbruchMittenInDerRundeLaesstSieGanzOderGarNicht) {
    TempOrdner t;
    const fs::path datei = t / "verlauf.sqlite";
    ASSERT_TRUE(Verlaufsdatenbank(datei).rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
    for (std::int64_t k = 1; k <= 9; ++k) {
        Abbrechend v(datei);
        v.nach = k;
        EXPECT_THAT(v.rundeSpeichern(runde("ANNA", 0, 1, 4)).meldung,
                    HasSubstr("Abbruch nach Anweisung " + std::to_string(k)));
        EXPECT_EQ(abfrage(datei, "SELECT count(*) FROM antwort"), 8) << k;
    }
    // Ein Kind schreibt ohne Pause und wird von außen getötet.
    const pid_t kind = kindStarten();
    if (kind == 0) {
        for (Verlaufsdatenbank v(datei);;) {
            v.rundeSpeichern(runde("KIND", 0, 1, 3));
        }
    }
    for (int i = 0; i < 5000 && abfrage(datei, "SELECT count(*) FROM runde") < 30; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(kind, SIGKILL);
    waitpid(kind, nullptr, 0);
    EXPECT_EQ(abfrage(datei, unvollstaendige), 0);
    EXPECT_EQ(pruefung(datei), "ok");
}

TEST(Zuverlaessigkeit, SchreibfehlerWerdenEinmalGemeldetUndLassenDieDateiHeil) {
    TempOrdner t;
    const fs::path ordner = t / "Numora";
    const fs::path datei = ordner / "verlauf.sqlite";
    ASSERT_TRUE(Verlaufsdatenbank(datei).rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
    // Volle Platte: Eine Grenze der Dateigröße lässt das Schreiben mittendrin scheitern.
    const pid_t kind = kindStarten();
    if (kind == 0) {
        Verlaufsdatenbank v(datei);
        v.oeffnen();
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit grenze{64 * 1024, 64 * 1024};
        setrlimit(RLIMIT_FSIZE, &grenze);
        RundenEintrag gross = runde("ANNA", 0, 1, 4);
        for (AntwortEintrag& a : gross.antworten) {
            a.hilfe.assign(20'000, 'h');
        }
        _exit(v.rundeSpeichern(gross).meldung.ends_with("Datenträger voll.") ? 0 : 1);
    }
    int status = -1;
    waitpid(kind, &status, 0);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(pruefung(datei), "ok");

    // Ein Spiel endet sauber, dann nimmt jemand Datei und Ordner das Schreibrecht.
    EXPECT_EQ(Verlaufsdatenbank(datei).spielerNamen(), std::vector<std::string>{"ANNA"});
    const std::string vorher = inhalt(datei);
    // Der Gast ist nobody mit der Gruppe root: Auch die Gruppe darf nur lesen.
    const auto lesbar = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(datei, lesbar);
    fs::permissions(ordner, lesbar | fs::perms::owner_exec | fs::perms::group_exec |
                                fs::perms::others_exec);
    {
        AlsGast gast;
        if (!AlsGast::wirksam()) {
            GTEST_SKIP() << "Als root ohne Möglichkeit, die Rechte abzugeben, gilt kein Schutz.";
        }
        Verlaufsdatenbank v(datei);
        const Ergebnis e = v.rundeSpeichern(runde("ANNA", 0, 1, 4));
        EXPECT_THAT(e.meldung,
                    testing::StartsWith("Dein Fortschritt wird nicht gespeichert. Numora darf"));
        EXPECT_EQ(v.meldungFuerSpieler(), e.meldung);
        EXPECT_FALSE(v.rundeSpeichern(runde("ANNA", 0, 1, 4)).ok);
        EXPECT_EQ(v.meldungFuerSpieler(), std::nullopt);               // einmal je Lauf
        EXPECT_EQ(v.spielerNamen(), std::vector<std::string>{"ANNA"}); // Lesen geht weiter
    }
    // Auch eine eigene Datei in einem fremden Ordner bleibt lesbar.
    ASSERT_EQ(::chown(datei.c_str(), 65534, 65534), 0);
    fs::permissions(datei, fs::perms::owner_write, fs::perm_options::add);
    {
        AlsGast gast;
        EXPECT_EQ(Verlaufsdatenbank(datei).spielerNamen(), std::vector<std::string>{"ANNA"});
    }
    fs::permissions(ordner, fs::perms::all);
    EXPECT_EQ(inhalt(datei), vorher);
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
    const std::string fremd(8192, 'Z');
    std::string neuer = gut;
    neuer[60] = 99; // user_version einer Version aus der Zukunft: kein Schaden
    for (const auto& [alt, beschaedigt] :
         {std::pair{fremd, true}, {gut.substr(0, gut.size() / 2), true}, {neuer, false}}) {
        TempOrdner t;
        std::ofstream(t / "verlauf.sqlite", std::ios::binary) << alt;
        std::ofstream(t / "verlauf-beschaedigt-1.sqlite-wal") << "belegt den Namen";
        Verlaufsdatenbank v(t / "verlauf.sqlite");
        const Ergebnis e = v.rundeSpeichern(runde("BERND", 0, 1, 3));
        EXPECT_EQ(e.ok, beschaedigt);
        EXPECT_EQ(v.meldungFuerSpieler(), e.meldung);
        const fs::path sicherung =
            t / (beschaedigt ? "verlauf-beschaedigt-2.sqlite" : "verlauf.sqlite");
        EXPECT_EQ(inhalt(sicherung), alt);
        EXPECT_THAT(e.meldung,
                    HasSubstr(beschaedigt ? "liegt jetzt unverändert unter " + sicherung.string()
                                          : "neueren Numora-Version"));
        EXPECT_EQ(v.spielerNamen().size(), beschaedigt ? 1u : 0u);
    }
}

// Auf FAT über FUSE wächst keine Datei mit ftruncate, auch die -shm nicht: Dann gilt das
// Rücksprung-Journal, auch für eine Datei, die schon auf WAL steht.
TEST(Zuverlaessigkeit, OhneGemeinsamenSpeicherOhneWal) {
    TempOrdner t;
    ASSERT_TRUE(Verlaufsdatenbank(t / "v.sqlite").rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
    sqlite3_vfs* vfs = sqlite3_vfs_find(nullptr);
    static const auto echt =
        reinterpret_cast<int (*)(int, off_t)>(vfs->xGetSystemCall(vfs, "ftruncate"));
    const auto wieFusefat = +[](int fd, off_t laenge) {
        struct stat st {};
        return ::fstat(fd, &st) == 0 && laenge > st.st_size ? (errno = EPERM, -1)
                                                            : echt(fd, laenge);
    };
    vfs->xSetSystemCall(vfs, "ftruncate", reinterpret_cast<sqlite3_syscall_ptr>(wieFusefat));
    EXPECT_TRUE(Verlaufsdatenbank(t / "v.sqlite").rundeSpeichern(runde("BERND", 0, 1, 4)).ok);
    EXPECT_TRUE(Verlaufsdatenbank(t / "v.sqlite").rundeSpeichern(runde("CARLA", 0, 1, 4)).ok);
    vfs->xSetSystemCall(vfs, "ftruncate", nullptr); // wieder das echte
    EXPECT_EQ(abfrage(t / "v.sqlite", "SELECT count(*) FROM runde"), 3);
}

// Schreibt ein anderes Numora gerade, liest dieses, ohne zu warten; nur das Schreiben wartet.
TEST(Zuverlaessigkeit, LesenWartetNichtAufEinenSchreiber) {
    TempOrdner t;
    ASSERT_TRUE(Verlaufsdatenbank(t / "verlauf.sqlite").rundeSpeichern(runde("ANNA", 0, 1, 3)).ok);
    SQLite::Database anderer(t / "verlauf.sqlite", SQLite::OPEN_READWRITE);
    SQLite::Transaction sperre(anderer, SQLite::TransactionBehavior::IMMEDIATE);
    Verlaufsdatenbank v(t / "verlauf.sqlite", Verlaufsdatenbank::Modus::schreiben,
                        std::chrono::milliseconds(0));
    EXPECT_EQ(v.spielerNamen(), std::vector<std::string>{"ANNA"});
    EXPECT_FALSE(v.rundeSpeichern(runde("ANNA", 0, 1, 4)).ok);
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
