// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bausteine der Verlaufstests: ein eigener Ordner je Test und Runden aus wenigen Angaben.

#include "verlauf/verlauf.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace numora::test {

class TempOrdner {
  public:
    TempOrdner() {
        std::string muster = (std::filesystem::temp_directory_path() / "verlauf-XXXXXX").string();
        pfad_ = ::mkdtemp(muster.data());
        // Auch für den Benutzer nobody betretbar, unter dem Rechtetests als root laufen.
        std::filesystem::permissions(pfad_, std::filesystem::perms::all);
    }
    ~TempOrdner() {
        std::error_code ec;
        for (const auto& e : std::filesystem::recursive_directory_iterator(pfad_, ec)) {
            std::filesystem::permissions(e.path(), std::filesystem::perms::all, ec);
        }
        std::filesystem::remove_all(pfad_, ec);
    }
    std::filesystem::path operator/(const std::string& name) const { return pfad_ / name; }
    const std::filesystem::path& pfad() const { return pfad_; }

  private:
    std::filesystem::path pfad_;
};

// Acht Antworten, die ersten richtige davon richtig; minute ordnet die Runden zeitlich.
inline RundenEintrag runde(const std::string& spieler, std::int64_t thema, std::int64_t level,
                           std::int64_t richtige, std::int64_t minute = 0, bool uebung = false) {
    RundenEintrag r{
        spieler,  thema,  level, {2026, 7, 3, 9, minute}, {2026, 7, 3, 10, minute}, 60 - richtige,
        richtige, uebung, {}};
    for (std::int64_t i = 1; i <= 8; ++i) {
        r.antworten.push_back({i, "Frage " + std::to_string(i), i <= richtige ? "1" : "2", "1",
                               "Weil " + std::to_string(i), i <= richtige, i,
                               i <= richtige ? "" : "vorzeichen"});
    }
    return r;
}

inline std::string inhalt(const std::filesystem::path& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    return s.str();
}

inline void schreibe(const std::filesystem::path& datei, const std::string& bytes) {
    std::ofstream(datei, std::ios::binary) << bytes;
}

// Eine Zahl aus der Datei, an der Bibliothek vorbei gelesen.
inline std::int64_t abfrage(const std::filesystem::path& datei, const std::string& sql) {
    SQLite::Database db(datei, SQLite::OPEN_READONLY);
    return db.execAndGet(sql).getInt64();
}

} // namespace numora::test
