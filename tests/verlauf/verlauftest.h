// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "verlauf/verlauf.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace numora::test {

namespace fs = std::filesystem;

// Auch für den Benutzer nobody betretbar, unter dem Rechtetests als root laufen.
struct TempOrdner {
    fs::path pfad = [] {
        std::string muster = (fs::temp_directory_path() / "verlauf-XXXXXX").string();
        const fs::path p = ::mkdtemp(muster.data());
        fs::permissions(p, fs::perms::all);
        return p;
    }();
    ~TempOrdner() {
        std::error_code ec;
        for (const auto& e : fs::recursive_directory_iterator(pfad, ec)) {
            fs::permissions(e.path(), fs::perms::all, ec);
        }
        fs::remove_all(pfad, ec);
    }
    fs::path operator/(const std::string& name) const { return pfad / name; }
};

// Acht Antworten, die ersten richtige davon richtig; Beginn 9:minute, Ende 10:minute.
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

inline std::string inhalt(const fs::path& datei) {
    std::ostringstream s;
    s << std::ifstream(datei, std::ios::binary).rdbuf();
    return s.str();
}

// Eine Zahl aus der Datei, an der Bibliothek vorbei gelesen.
// Mit Wartefrist wie im Programm: Schreibt nebenan jemand, meldet SQLite sonst selten "busy".
inline std::int64_t abfrage(const fs::path& datei, const std::string& sql) {
    return SQLite::Database(datei, SQLite::OPEN_READONLY, 5000).execAndGet(sql).getInt64();
}

} // namespace numora::test
