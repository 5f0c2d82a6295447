// SPDX-License-Identifier: GPL-3.0-or-later
#include "verlauf/verlaufsdatenbank.h"

#include "core/themen.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sqlite3.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace numora {

namespace fs = std::filesystem;

namespace {

// Der Name als SQLite-URI; %, ? und # stünden sonst für Kodierung, Parameter und Anker.
std::string alsUri(const fs::path& datei) {
    std::string uri = "file:";
    for (const char c : datei.string()) {
        if (c == '%' || c == '?' || c == '#') {
            std::array<char, 4> kode{};
            std::snprintf(kode.data(), kode.size(), "%%%02X", static_cast<unsigned char>(c));
            uri += kode.data();
        } else {
            uri += c;
        }
    }
    return uri;
}

// Je Schritt eine Funktion: migrationen[v] hebt das Schema von Version v auf v + 1.
void schemaVersion1(SQLite::Database& db) {
    db.exec(R"(
        CREATE TABLE runde (
            id INTEGER PRIMARY KEY,
            spieler TEXT NOT NULL,
            thema INTEGER NOT NULL,
            level INTEGER NOT NULL,
            beginn TEXT NOT NULL,
            ende TEXT NOT NULL,
            sekunden INTEGER NOT NULL,
            richtige INTEGER NOT NULL,
            uebung INTEGER NOT NULL CHECK (uebung IN (0, 1))
        );
        -- Die Folge der Runden ist die des Speicherns (id): Uhrumstellungen und Runden in
        -- derselben Minute bringen sie nicht durcheinander. Die Indexe ersparen den Abfragen
        -- das Sortieren: Übersicht, Kurve und letzte fünf; das beste Ergebnis; die Empfehlung.
        CREATE INDEX runde_verlauf ON runde (spieler, thema, level, uebung);
        CREATE INDEX runde_bestes ON runde (spieler, thema, level, uebung, richtige DESC, sekunden);
        CREATE INDEX runde_empfehlung ON runde (spieler, thema, uebung);
        CREATE TABLE antwort (
            runde INTEGER NOT NULL REFERENCES runde (id) ON DELETE CASCADE,
            nummer INTEGER NOT NULL,
            frage TEXT NOT NULL,
            eingabe TEXT NOT NULL,
            richtige_antwort TEXT NOT NULL,
            hilfe TEXT NOT NULL,
            richtig INTEGER NOT NULL CHECK (richtig IN (0, 1)),
            sekunden INTEGER NOT NULL,
            hinweis_art TEXT
        );
        CREATE INDEX antwort_runde ON antwort (runde, nummer);
    )");
}

using Migration = void (*)(SQLite::Database&);
constexpr std::array<Migration, Verlaufsdatenbank::schemaVersion> migrationen = {schemaVersion1};

bool zeitGueltig(const Kalenderzeit& z) {
    return z.jahr >= 1 && z.jahr <= 9999 && z.monat >= 1 && z.monat <= 12 && z.tag >= 1 &&
           z.tag <= 31 && z.stunde >= 0 && z.stunde <= 23 && z.minute >= 0 && z.minute <= 59;
}

// "2026-07-03 09:05": in Textform sortierbar und für sqlite3 lesbar.
std::string zeitText(const Kalenderzeit& z) {
    std::array<char, 32> puffer{};
    std::snprintf(puffer.data(), puffer.size(), "%04lld-%02lld-%02lld %02lld:%02lld",
                  static_cast<long long>(z.jahr), static_cast<long long>(z.monat),
                  static_cast<long long>(z.tag), static_cast<long long>(z.stunde),
                  static_cast<long long>(z.minute));
    return puffer.data();
}

Kalenderzeit zeitAusText(const std::string& text) {
    const auto teil = [&](std::size_t von, std::size_t laenge) -> std::int64_t {
        std::int64_t wert = 0;
        for (std::size_t i = von; i < von + laenge; ++i) {
            if (i >= text.size() || text[i] < '0' || text[i] > '9') {
                return -1;
            }
            wert = wert * 10 + (text[i] - '0');
        }
        return wert;
    };
    const Kalenderzeit z{teil(0, 4), teil(5, 2), teil(8, 2), teil(11, 2), teil(14, 2)};
    return zeitGueltig(z) ? z : Kalenderzeit{};
}

std::optional<std::int64_t> levelAnzahl(std::int64_t thema) {
    if (thema < 0 || thema > hoechsterAngebotIndex) {
        return std::nullopt;
    }
    return levelzahl(angebotp[static_cast<std::size_t>(thema)]);
}

std::string rundeFehlt(const RundenEintrag& r) {
    const auto anzahl = levelAnzahl(r.thema);
    if (!anzahl) {
        return "Das Thema " + std::to_string(r.thema) + " gibt es nicht.";
    }
    if (r.level < 1 || r.level > *anzahl) {
        return "Level " + std::to_string(r.level) + " gibt es in diesem Thema nicht.";
    }
    if (!zeitGueltig(r.beginn) || !zeitGueltig(r.ende)) {
        return "Beginn oder Ende der Runde ist keine gültige Zeit.";
    }
    if (r.sekunden < 0 || r.richtige < 0) {
        return "Zeit und Zahl der Richtigen dürfen nicht negativ sein.";
    }
    return {};
}

bool istBeschaedigt(int code) {
    return (code & 0xff) == SQLITE_CORRUPT || (code & 0xff) == SQLITE_NOTADB;
}

// Ohne gemeinsamen Speicher (FAT über FUSE, manche Netzlaufwerke) kann SQLite die -shm nicht
// anlegen oder vergrößern, und mit WAL scheitert schon das erste Lesen.
bool walMoeglich(SQLite::Database& db) {
    try {
        db.execAndGet("PRAGMA journal_mode = WAL");
        db.execAndGet("PRAGMA user_version");
        return true;
    } catch (const SQLite::Exception& e) {
        if (e.getExtendedErrorCode() == SQLITE_IOERR_SHMOPEN ||
            e.getExtendedErrorCode() == SQLITE_IOERR_SHMMAP) {
            return false;
        }
        throw;
    }
}

// Im Kopf der Datei stehen an Stelle 18 und 19 die Versionen zum Schreiben und Lesen: 2 für WAL.
bool walDatei(const fs::path& datei) {
    std::array<char, 20> kopf{};
    std::ifstream f(datei, std::ios::binary);
    return f.read(kopf.data(), kopf.size()) && kopf[18] == 2 && kopf[19] == 2;
}

bool ordnerBeschreibbar(const fs::path& datei) {
    const fs::path ordner = datei.has_parent_path() ? datei.parent_path() : fs::path(".");
    return ::faccessat(AT_FDCWD, ordner.c_str(), W_OK, AT_EACCESS) == 0;
}

// Der Grund in einem deutschen Satz; englische Texte von SQLite zeigen wir nicht.
std::string grund(int code, int systemFehler, const fs::path& datei) {
    const std::string name = datei.string();
    if (systemFehler == ENOSPC || systemFehler == EFBIG || systemFehler == EDQUOT ||
        (code & 0xff) == SQLITE_FULL) {
        return "Auf dem Datenträger ist kein Platz mehr für " + name + ".";
    }
    // Beim Festschreiben meldet SQLite errno nicht weiter; meist ist dann die Platte voll.
    if (code == SQLITE_IOERR_WRITE || code == SQLITE_IOERR_FSYNC || code == SQLITE_IOERR_TRUNCATE ||
        code == SQLITE_IOERR_SHMSIZE) {
        return "Das Schreiben in " + name +
               " ist gescheitert; vielleicht ist der Datenträger voll.";
    }
    if (systemFehler == EACCES || systemFehler == EPERM || systemFehler == EROFS) {
        return "Numora darf " + name + " nicht ändern.";
    }
    switch (code & 0xff) {
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "Numora darf " + name + " nicht ändern.";
    case SQLITE_CANTOPEN:
        if (!ordnerBeschreibbar(datei)) {
            return "Numora darf im Ordner " + datei.parent_path().string() + " nicht schreiben.";
        }
        return "Die Datei " + name + " lässt sich nicht öffnen.";
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return "Ein anderes laufendes Numora hält den Verlauf zu lange belegt.";
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return "Die Datei " + name + " ist beschädigt.";
    case SQLITE_IOERR:
        return "Beim Zugriff auf " + name + " meldet das System einen Fehler.";
    default:
        return "SQLite meldet bei " + name + " den Fehler " + std::to_string(code) + ".";
    }
}

} // namespace

struct Verlaufsdatenbank::Verbindung {
    SQLite::Database db;
};

Verlaufsdatenbank::Verlaufsdatenbank(fs::path datei, Modus modus, std::chrono::milliseconds warten)
    : datei_(std::move(datei)), modus_(modus), warten_(warten) {}

Verlaufsdatenbank::~Verlaufsdatenbank() = default;

void Verlaufsdatenbank::nachAnweisung(std::int64_t) {}

Ergebnis Verlaufsdatenbank::merken(Ergebnis e) {
    letztes_ = e;
    if (!e.meldung.empty() && !meldung_) {
        meldung_ = e.meldung;
    }
    return e;
}

std::optional<std::string> Verlaufsdatenbank::meldungFuerSpieler() {
    if (!meldung_ || gemeldet_) {
        return std::nullopt;
    }
    gemeldet_ = true;
    return meldung_;
}

Ergebnis Verlaufsdatenbank::oeffnen() {
    return arbeiten([](Verbindung&) {});
}

Ergebnis Verlaufsdatenbank::verbinden() {
    std::error_code ec;
    // Eine Datei ohne Schreibrecht, auch in einem Ordner ohne Schreibrecht (SQLite legt dort
    // -wal und -shm an), bleibt lesbar: Fortschritt und Export gehen, nur das Speichern einer
    // Runde scheitert mit seiner Meldung.
    const bool schreiben =
        modus_ == Modus::schreiben &&
        (!fs::exists(datei_, ec) || (::faccessat(AT_FDCWD, datei_.c_str(), W_OK, AT_EACCESS) == 0 &&
                                     ordnerBeschreibbar(datei_)));
    if (!schreiben && !fs::exists(datei_, ec)) {
        return {false, "Unter " + datei_.string() + " gibt es keinen Verlauf."};
    }
    if (schreiben && datei_.has_parent_path()) {
        fs::create_directories(datei_.parent_path(), ec);
        if (ec) {
            return {false,
                    "Der Ordner " + datei_.parent_path().string() + " lässt sich nicht anlegen."};
        }
    }
    if (fs::is_directory(datei_, ec)) {
        return {false, "Unter " + datei_.string() + " liegt ein Ordner statt einer Datei."};
    }
    // Nur lesen, ohne Spuren: Ohne -wal schreibt gerade kein Numora, und die Datei wird ohne
    // Sperren gelesen. So geht es auch in einem schreibgeschützten Ordner, und neben der Datei
    // bleiben keine -wal und -shm, die ihrem Besitzer später das Schreiben verwehren. Eine
    // Datei mit Rücksprung-Journal ändert ein Schreiber dagegen an Ort und Stelle.
    const bool unveraenderlich =
        !schreiben && walDatei(datei_) && !fs::exists(datei_.string() + "-wal", ec);
    const int flaggen = schreiben         ? SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE
                        : unveraenderlich ? SQLite::OPEN_READONLY | SQLite::OPEN_URI
                                          : SQLite::OPEN_READONLY;
    const std::string name = unveraenderlich ? alsUri(datei_) + "?immutable=1" : datei_.string();
    const int frist = static_cast<int>(warten_.count());
    const auto verbindungOeffnen = [&] {
        v_ = std::make_unique<Verbindung>(Verbindung{SQLite::Database(name, flaggen, frist)});
        v_->db.exec("PRAGMA foreign_keys = ON");
    };
    verbindungOeffnen();
    if (!schreiben) {
        if (v_->db.execAndGet("PRAGMA user_version").getInt64() != schemaVersion) {
            return {false, "Die Datei " + datei_.string() +
                               " enthält keinen Verlauf, den dieses Numora lesen kann."};
        }
        return {};
    }
    // WAL: Lesen wartet nicht auf Schreiben.
    if (!walMoeglich(v_->db)) {
        // Dann gilt das Rücksprung-Journal. Eine schon auf WAL gestellte Datei lässt sich dafür
        // nur exklusiv öffnen: So braucht SQLite keine -shm.
        v_.reset();
        {
            SQLite::Database exklusiv(name, flaggen, frist);
            exklusiv.exec("PRAGMA locking_mode = EXCLUSIVE");
            exklusiv.execAndGet("PRAGMA journal_mode = DELETE");
            exklusiv.execAndGet("PRAGMA user_version");
        }
        verbindungOeffnen();
    }
    SQLite::Database& db = v_->db;
    // FULL, weil NORMAL eine schon gemeldete Runde erst beim nächsten Sicherungspunkt auf den
    // Datenträger bringt: Ein Stromausfall bis dahin kostete sie. Ein fsync je Runde fällt nicht
    // ins Gewicht.
    db.exec("PRAGMA synchronous = FULL");
    // Lesen andere Programme laufend mit, wächst das Protokoll über jeden Sicherungspunkt hinaus;
    // danach wird es wieder auf höchstens 4 MB gekürzt, statt groß liegen zu bleiben.
    db.execAndGet("PRAGMA journal_size_limit = 4194304");
    // Stimmt das Schema schon, wird nichts gesperrt: Sonst wartete jedes Lesen, etwa die
    // Empfehlung im Level-Dialog, die ganze Frist ab, solange ein anderes Numora schreibt.
    if (db.execAndGet("PRAGMA user_version").getInt64() == schemaVersion) {
        return {};
    }
    SQLite::Transaction t(db, SQLite::TransactionBehavior::IMMEDIATE);
    std::int64_t version = db.execAndGet("PRAGMA user_version").getInt64();
    if (version > schemaVersion) {
        return {false,
                "Die Datei " + datei_.string() + " stammt von einer neueren Numora-Version."};
    }
    for (; version < schemaVersion; ++version) {
        migrationen[static_cast<std::size_t>(version)](db);
    }
    db.exec("PRAGMA user_version = " + std::to_string(schemaVersion));
    t.commit();
    return {};
}

// Legt die Datei mit -wal und -shm unter dem ersten freien Namen name-beschaedigt-N beiseite.
Ergebnis Verlaufsdatenbank::beiseitelegen() {
    v_.reset();
    const std::array<std::string, 3> endungen = {"", "-wal", "-shm"};
    const fs::path ordner = datei_.parent_path();
    std::error_code ec;
    for (int n = 1; n < 10000; ++n) {
        const fs::path ziel = ordner / (datei_.stem().string() + "-beschaedigt-" +
                                        std::to_string(n) + datei_.extension().string());
        bool frei = true;
        for (const std::string& e : endungen) {
            frei = frei && !fs::exists(ziel.string() + e, ec) && !ec;
        }
        if (!frei) {
            continue;
        }
        for (const std::string& e : endungen) {
            if (fs::exists(datei_.string() + e, ec)) {
                fs::rename(datei_.string() + e, ziel.string() + e, ec);
                if (ec) {
                    return {false, "Die Datei " + datei_.string() +
                                       " ist beschädigt und lässt sich nicht beiseitelegen."};
                }
            }
        }
        return {true, "Die Datei " + datei_.string() +
                          " war beschädigt. Sie liegt jetzt unverändert unter " + ziel.string() +
                          "; ein neuer Verlauf ist begonnen."};
    }
    return {false, "Die Datei " + datei_.string() + " ist beschädigt."};
}

Ergebnis Verlaufsdatenbank::arbeiten(const std::function<void(Verbindung&)>& arbeit,
                                     std::string_view vorsatz) {
    std::string sicherung; // Hinweis auf eine beiseitegelegte Datei, geht keinesfalls verloren
    const auto scheitern = [&](const std::string& grundSatz) {
        // Beim nächsten Gebrauch wird neu geöffnet: Der Grund kann bis dahin behoben sein.
        v_.reset();
        const std::string satz(!vorsatz.empty() ? vorsatz
                               : modus_ == Modus::schreiben
                                   ? "Dein Fortschritt wird nicht gespeichert. "
                                   : "Der Verlauf lässt sich nicht lesen. ");
        return merken({false, (sicherung.empty() ? "" : sicherung + " ") + satz + grundSatz});
    };
    for (int versuch = 0;; ++versuch) {
        try {
            if (!v_) {
                if (const Ergebnis offen = verbinden(); !offen.ok) {
                    return scheitern(offen.meldung);
                }
            }
            arbeit(*v_);
            return merken({true, sicherung});
        } catch (const SQLite::Exception& e) {
            const int code =
                e.getExtendedErrorCode() > 0 ? e.getExtendedErrorCode() : e.getErrorCode();
            const int systemFehler = v_ ? sqlite3_system_errno(v_->db.getHandle()) : 0;
            if (!istBeschaedigt(code) || modus_ == Modus::nurLesen || versuch > 0) {
                return scheitern(grund(code, systemFehler, datei_));
            }
            const Ergebnis gesichert = beiseitelegen();
            if (!gesichert.ok) {
                return scheitern(gesichert.meldung);
            }
            sicherung = gesichert.meldung;
        } catch (const std::exception& e) {
            return scheitern(e.what());
        }
    }
}

Ergebnis Verlaufsdatenbank::rundeSpeichern(const RundenEintrag& r) {
    if (const std::string fehlt = rundeFehlt(r); !fehlt.empty()) {
        return merken({false, "Die Runde wird nicht gespeichert: " + fehlt, false});
    }
    if (modus_ == Modus::nurLesen) {
        return {false, "Der Verlauf ist nur zum Lesen geöffnet."};
    }
    return arbeiten([&](Verbindung& v) {
        SQLite::Transaction t(v.db, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement runde(v.db, "INSERT INTO runde (spieler, thema, level, beginn, "
                                      "ende, sekunden, richtige, uebung) "
                                      "VALUES (?,?,?,?,?,?,?,?)");
        runde.bind(1, r.spieler);
        runde.bind(2, r.thema);
        runde.bind(3, r.level);
        runde.bind(4, zeitText(r.beginn));
        runde.bind(5, zeitText(r.ende));
        runde.bind(6, r.sekunden);
        runde.bind(7, r.richtige);
        runde.bind(8, r.uebung ? 1 : 0);
        runde.exec();
        std::int64_t anweisung = 1;
        nachAnweisung(anweisung);
        const std::int64_t id = v.db.getLastInsertRowid();
        SQLite::Statement antwort(v.db, "INSERT INTO antwort (runde, nummer, frage, eingabe, "
                                        "richtige_antwort, hilfe, richtig, sekunden, "
                                        "hinweis_art) VALUES (?,?,?,?,?,?,?,?,?)");
        for (const AntwortEintrag& a : r.antworten) {
            antwort.bind(1, id);
            antwort.bind(2, a.nummer);
            antwort.bind(3, a.frage);
            antwort.bind(4, a.eingabe);
            antwort.bind(5, a.richtigeAntwort);
            antwort.bind(6, a.hilfe);
            antwort.bind(7, a.richtig ? 1 : 0);
            antwort.bind(8, a.sekunden);
            if (a.hinweisArt.empty()) {
                antwort.bind(9);
            } else {
                antwort.bind(9, a.hinweisArt);
            }
            antwort.exec();
            antwort.reset();
            nachAnweisung(++anweisung);
        }
        t.commit();
    });
}

Ergebnis Verlaufsdatenbank::spielerEntfernen(const std::string& spieler, std::int64_t& entfernt) {
    entfernt = 0;
    if (modus_ == Modus::nurLesen) {
        return {false, "Der Verlauf ist nur zum Lesen geöffnet."};
    }
    const auto loeschen = [&](Verbindung& v) {
        SQLite::Transaction t(v.db, SQLite::TransactionBehavior::IMMEDIATE);
        // Die Antworten folgen über ON DELETE CASCADE.
        SQLite::Statement q(v.db, "DELETE FROM runde WHERE spieler = ?");
        q.bind(1, spieler);
        entfernt = q.exec();
        t.commit();
        // Ohne VACUUM behielte die Datei ihre Größe; die Seiten blieben nur zur Wiederverwendung.
        // Gelöscht ist schon: Liest gerade ein Spiel oder fehlt der Platz für die Kopie, wird
        // die Datei eben später kleiner.
        try {
            v.db.exec("VACUUM");
        } catch (const SQLite::Exception&) {
        }
    };
    // Wer löscht, spielt gerade nicht: "Dein Fortschritt wird nicht gespeichert" führte irre.
    return arbeiten(loeschen, "Die Runden sind nicht gelöscht. ");
}

std::optional<std::int64_t> Verlaufsdatenbank::levelEmpfehlung(const std::string& spieler,
                                                               std::int64_t thema) {
    const auto anzahl = levelAnzahl(thema);
    if (!anzahl) {
        return std::nullopt;
    }
    std::vector<std::pair<std::int64_t, std::int64_t>> letzte; // Level, Richtige; jüngste zuerst
    arbeiten([&](Verbindung& v) {
        SQLite::Statement q(v.db, "SELECT level, richtige FROM runde WHERE spieler = ? AND "
                                  "thema = ? AND uebung = 0 ORDER BY id DESC LIMIT 2");
        q.bind(1, spieler);
        q.bind(2, thema);
        while (q.executeStep()) {
            letzte.emplace_back(q.getColumn(0).getInt64(), q.getColumn(1).getInt64());
        }
    });
    if (letzte.empty()) {
        return std::nullopt;
    }
    const std::int64_t level = std::clamp<std::int64_t>(letzte[0].first, 1, *anzahl);
    // Zwei Runden zählen nur auf demselben Level: Nach einem Wechsel braucht es dort zwei.
    if (letzte.size() == 2 && letzte[0].first == letzte[1].first) {
        if (letzte[0].second >= 7 && letzte[1].second >= 7) {
            return std::min(level + 1, *anzahl);
        }
        if (letzte[0].second <= 3 && letzte[1].second <= 3) {
            return std::max<std::int64_t>(level - 1, 1);
        }
    }
    return level;
}

std::vector<FortschrittZeile> Verlaufsdatenbank::fortschritt(const std::string& spieler) {
    std::vector<FortschrittZeile> zeilen;
    arbeiten([&](Verbindung& v) {
        zeilen.clear();
        SQLite::Transaction lesen(v.db); // ein Stand für alle Abfragen
        SQLite::Statement gruppen(v.db, R"(
            SELECT g.thema, g.level, g.normal, g.uebung, r.ende, g.letzte
            FROM (SELECT thema, level, SUM(uebung = 0) AS normal, SUM(uebung = 1) AS uebung,
                      MAX(id) AS letzte
                  FROM runde WHERE spieler = ? GROUP BY thema, level) g
            JOIN runde r ON r.id = g.letzte ORDER BY g.thema, g.level)");
        SQLite::Statement bestes(v.db, "SELECT richtige, sekunden FROM runde WHERE spieler = ? "
                                       "AND thema = ? AND level = ? AND uebung = 0 "
                                       "ORDER BY richtige DESC, sekunden LIMIT 1");
        SQLite::Statement schnitt(v.db, "SELECT AVG(richtige) FROM (SELECT richtige FROM runde "
                                        "WHERE spieler = ? AND thema = ? AND level = ? AND "
                                        "uebung = 0 ORDER BY id DESC LIMIT 5)");
        gruppen.bind(1, spieler);
        while (gruppen.executeStep()) {
            FortschrittZeile z;
            z.thema = gruppen.getColumn(0).getInt64();
            z.level = gruppen.getColumn(1).getInt64();
            z.runden = gruppen.getColumn(2).getInt64();
            z.uebungsrunden = gruppen.getColumn(3).getInt64();
            z.zuletzt = zeitAusText(gruppen.getColumn(4).getString());
            z.letzteRunde = gruppen.getColumn(5).getInt64();
            if (z.runden > 0) {
                for (SQLite::Statement* q : {&bestes, &schnitt}) {
                    q->reset();
                    q->bind(1, spieler);
                    q->bind(2, z.thema);
                    q->bind(3, z.level);
                    q->executeStep();
                }
                z.besteRichtige = bestes.getColumn(0).getInt64();
                z.besteSekunden = bestes.getColumn(1).getInt64();
                z.schnittLetzteFuenf = schnitt.getColumn(0).getDouble();
            }
            zeilen.push_back(std::move(z));
        }
    });
    return zeilen;
}

std::vector<KurvenPunkt> Verlaufsdatenbank::kurve(const std::string& spieler, std::int64_t thema,
                                                  std::int64_t level) {
    std::vector<KurvenPunkt> punkte;
    arbeiten([&](Verbindung& v) {
        punkte.clear();
        SQLite::Statement q(v.db, "SELECT ende, richtige FROM runde WHERE spieler = ? AND "
                                  "thema = ? AND level = ? AND uebung = 0 ORDER BY id");
        q.bind(1, spieler);
        q.bind(2, thema);
        q.bind(3, level);
        while (q.executeStep()) {
            punkte.push_back({zeitAusText(q.getColumn(0).getString()), q.getColumn(1).getInt64()});
        }
    });
    return punkte;
}

std::vector<HaeufigerFehler> Verlaufsdatenbank::haeufigsteFehler(const std::string& spieler,
                                                                 std::int64_t thema,
                                                                 std::int64_t level,
                                                                 std::int64_t n) {
    std::vector<HaeufigerFehler> fehlerListe;
    if (n <= 0) {
        return fehlerListe;
    }
    arbeiten([&](Verbindung& v) {
        fehlerListe.clear();
        SQLite::Statement q(v.db, R"(
            SELECT a.frage, a.richtige_antwort, MAX(a.hilfe), COUNT(*) AS anzahl,
                MAX(r.id) AS zuletzt
            FROM runde r JOIN antwort a ON a.runde = r.id
            WHERE r.spieler = ? AND r.thema = ? AND r.level = ? AND a.richtig = 0
            GROUP BY a.frage, a.richtige_antwort
            ORDER BY anzahl DESC, zuletzt DESC, a.frage LIMIT ?)");
        q.bind(1, spieler);
        q.bind(2, thema);
        q.bind(3, level);
        q.bind(4, n);
        while (q.executeStep()) {
            fehlerListe.push_back({q.getColumn(0).getString(), q.getColumn(1).getString(),
                                   q.getColumn(2).getString(), q.getColumn(3).getInt64()});
        }
    });
    return fehlerListe;
}

std::vector<std::string> Verlaufsdatenbank::spielerNamen() {
    std::vector<std::string> namen;
    arbeiten([&](Verbindung& v) {
        namen.clear();
        SQLite::Statement q(v.db, "SELECT DISTINCT spieler FROM runde ORDER BY spieler");
        while (q.executeStep()) {
            namen.push_back(q.getColumn(0).getString());
        }
    });
    return namen;
}

Ergebnis Verlaufsdatenbank::rundenDurchgehen(const std::optional<std::string>& spieler,
                                             bool mitAntworten,
                                             const std::function<void(const RundenEintrag&)>& je) {
    // Zeigt sich die Beschädigung erst mitten im Lesen, beginnt arbeiten einen neuen, leeren
    // Verlauf; die schon gelieferten Runden wären dann als ganzer Verlauf ausgegeben.
    bool geliefert = false;
    bool abgebrochen = false;
    const Ergebnis e = arbeiten([&](Verbindung& v) {
        if (geliefert) {
            abgebrochen = true;
            return;
        }
        const std::string filter = spieler ? " WHERE r.spieler = ?" : "";
        const std::string sql =
            mitAntworten
                ? "SELECT r.id, r.spieler, r.thema, r.level, r.beginn, r.ende, r.sekunden, "
                  "r.richtige, r.uebung, a.nummer, a.frage, a.eingabe, a.richtige_antwort, "
                  "a.hilfe, a.richtig, a.sekunden, a.hinweis_art FROM runde r LEFT JOIN antwort "
                  "a ON a.runde = r.id" +
                      filter + " ORDER BY r.id, a.nummer, a.rowid"
                : "SELECT r.id, r.spieler, r.thema, r.level, r.beginn, r.ende, r.sekunden, "
                  "r.richtige, r.uebung FROM runde r" +
                      filter + " ORDER BY r.id";
        SQLite::Statement q(v.db, sql);
        if (spieler) {
            q.bind(1, *spieler);
        }
        RundenEintrag runde;
        std::optional<std::int64_t> id;
        while (q.executeStep()) {
            const std::int64_t diese = q.getColumn(0).getInt64();
            if (id != diese) {
                if (id) {
                    geliefert = true;
                    je(runde);
                }
                id = diese;
                runde.spieler = q.getColumn(1).getString();
                runde.thema = q.getColumn(2).getInt64();
                runde.level = q.getColumn(3).getInt64();
                runde.beginn = zeitAusText(q.getColumn(4).getString());
                runde.ende = zeitAusText(q.getColumn(5).getString());
                runde.sekunden = q.getColumn(6).getInt64();
                runde.richtige = q.getColumn(7).getInt64();
                runde.uebung = q.getColumn(8).getInt64() != 0;
                runde.antworten.clear();
            }
            if (mitAntworten && !q.getColumn(9).isNull()) {
                runde.antworten.push_back(
                    {q.getColumn(9).getInt64(), q.getColumn(10).getString(),
                     q.getColumn(11).getString(), q.getColumn(12).getString(),
                     q.getColumn(13).getString(), q.getColumn(14).getInt64() != 0,
                     q.getColumn(15).getInt64(), q.getColumn(16).getString()});
            }
        }
        if (id) {
            geliefert = true;
            je(runde);
        }
    });
    if (abgebrochen) {
        return merken({false, e.meldung + " Die Runden ließen sich darum nicht alle lesen."});
    }
    return e;
}

} // namespace numora
