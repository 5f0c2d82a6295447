// SPDX-License-Identifier: GPL-3.0-or-later
// Der Verlauf unter Last: Speichern einer Runde und die Abfragen des Fensters "Mein Fortschritt"
// auf einer Datei mit 100.000 Runden (800.000 Antworten), die Hälfte davon von einem Spieler.

#include "verlauf/csv.h"
#include "verlauf/fortschrittsdaten.h"
#include "verlauf/verlaufsdatenbank.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using numora::Verlaufsdatenbank;

constexpr std::int64_t rundenAnzahl = 100'000;
const std::string vielspieler = "ANNA";

class TempOrdner {
  public:
    TempOrdner() {
        std::string muster = (fs::temp_directory_path() / "verlauf-bench-XXXXXX").string();
        pfad = ::mkdtemp(muster.data());
    }
    ~TempOrdner() {
        std::error_code ec;
        fs::remove_all(pfad, ec);
    }
    fs::path pfad;
};

numora::RundenEintrag achtAntworten(std::int64_t i) {
    numora::RundenEintrag r{
        vielspieler, i % 9, 1 + i % 3, {2026, 7, 3, 9, 5}, {2026, 7, 3, 9, 9}, 240, 6, false, {}};
    for (std::int64_t n = 1; n <= 8; ++n) {
        r.antworten.push_back({n, "Berechne 37 · 12 = ?", n < 7 ? "444" : "434", "444",
                               "37 · 12 = 37 · 10 + 37 · 2\n= 370 + 74\n= 444", n < 7, 30,
                               n < 7 ? "" : "vorzeichen"});
    }
    return r;
}

// Die große Datei, einmal je Lauf: Schema aus der Bibliothek, Zeilen in einer Transaktion.
const fs::path& grosseDatei() {
    static TempOrdner ordner;
    static const fs::path datei = [] {
        const fs::path d = ordner.pfad / "verlauf.sqlite";
        const auto start = std::chrono::steady_clock::now();
        Verlaufsdatenbank(d).oeffnen();
        SQLite::Database db(d, SQLite::OPEN_READWRITE);
        SQLite::Transaction t(db);
        SQLite::Statement runde(db, "INSERT INTO runde VALUES (?,?,?,?,?,?,?,?,?)");
        SQLite::Statement antwort(db, "INSERT INTO antwort VALUES (?,?,?,?,?,?,?,?,?)");
        for (std::int64_t i = 1; i <= rundenAnzahl; ++i) {
            const std::int64_t m = i * 7; // alle sieben Minuten eine Runde
            char zeit[32];
            std::snprintf(zeit, sizeof zeit, "%04lld-%02lld-%02lld %02lld:%02lld",
                          static_cast<long long>(2020 + m / 483'840),
                          static_cast<long long>(1 + m / 40'320 % 12),
                          static_cast<long long>(1 + m / 1'440 % 28),
                          static_cast<long long>(m / 60 % 24), static_cast<long long>(m % 60));
            const std::int64_t richtige = (i * 31) % 9;
            runde.bind(1, i);
            runde.bind(2, i % 2 == 0 ? vielspieler : "SPIELER" + std::to_string(i % 9));
            runde.bind(3, i % 9);
            runde.bind(4, 1 + (i / 9) % 3);
            runde.bind(5, zeit);
            runde.bind(6, zeit);
            runde.bind(7, 60 + i % 200);
            runde.bind(8, richtige);
            runde.bind(9, i % 10 == 0 ? 1 : 0);
            runde.exec();
            runde.reset();
            for (std::int64_t n = 1; n <= 8; ++n) {
                const std::int64_t aufgabe = (i * 7919 + n * 104'729) % 500;
                antwort.bind(1, i);
                antwort.bind(2, n);
                antwort.bind(3, "Berechne " + std::to_string(aufgabe) + " · 12 = ?");
                antwort.bind(4, n <= richtige ? std::to_string(aufgabe * 12) : "7");
                antwort.bind(5, std::to_string(aufgabe * 12));
                antwort.bind(6, std::to_string(aufgabe) + " · 12 = " + std::to_string(aufgabe) +
                                    " · 10 + " + std::to_string(aufgabe) +
                                    " · 2\n= " + std::to_string(aufgabe * 12));
                antwort.bind(7, n <= richtige ? 1 : 0);
                antwort.bind(8, 5 + n);
                antwort.bind(9);
                antwort.exec();
                antwort.reset();
            }
        }
        t.commit();
        const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
        std::fprintf(stderr, "Erzeugt: %lld Runden, %.0f MB in %.1f s\n",
                     static_cast<long long>(rundenAnzahl),
                     static_cast<double>(fs::file_size(d)) / 1e6, dauer.count());
        return d;
    }();
    return datei;
}

void rundeSpeichern(benchmark::State& state) {
    TempOrdner ordner;
    Verlaufsdatenbank v(ordner.pfad / "verlauf.sqlite");
    std::int64_t i = 0;
    for (auto _ : state) {
        if (!v.rundeSpeichern(achtAntworten(i++)).ok) {
            state.SkipWithError("Speichern gescheitert");
        }
    }
}

void oeffnen(benchmark::State& state) {
    grosseDatei();
    for (auto _ : state) {
        Verlaufsdatenbank v(grosseDatei());
        benchmark::DoNotOptimize(v.oeffnen());
    }
}

void fortschritt(benchmark::State& state) {
    Verlaufsdatenbank v(grosseDatei());
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.fortschritt(vielspieler));
    }
}

// Alles, was das Fenster beim Öffnen für einen Spieler liest und aufbereitet (ohne Zeichnen).
void fensterDaten(benchmark::State& state) {
    Verlaufsdatenbank v(grosseDatei());
    for (auto _ : state) {
        benchmark::DoNotOptimize(numora::namensAuswahl(v.spielerNamen(), vielspieler));
        benchmark::DoNotOptimize(numora::tabelle(v.fortschritt(vielspieler)));
        benchmark::DoNotOptimize(numora::kurve(0, 1, v.kurve(vielspieler, 0, 1)));
        benchmark::DoNotOptimize(numora::fehlerText(v.haeufigsteFehler(vielspieler, 0, 1, 10)));
    }
}

void levelEmpfehlung(benchmark::State& state) {
    Verlaufsdatenbank v(grosseDatei());
    std::int64_t thema = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.levelEmpfehlung(vielspieler, thema++ % 9));
    }
}

void csvExport(benchmark::State& state) {
    Verlaufsdatenbank v(grosseDatei());
    const auto art = state.range(0) == 0 ? numora::CsvArt::runden : numora::CsvArt::antworten;
    for (auto _ : state) {
        if (!numora::csvDateiSchreiben(v, grosseDatei().parent_path() / "export.csv", std::nullopt,
                                       art)
                 .ok) {
            state.SkipWithError("Export gescheitert");
        }
    }
}

} // namespace

BENCHMARK(rundeSpeichern)->Unit(benchmark::kMillisecond);
BENCHMARK(oeffnen)->Unit(benchmark::kMillisecond);
BENCHMARK(fortschritt)->Unit(benchmark::kMillisecond);
BENCHMARK(fensterDaten)->Unit(benchmark::kMillisecond);
BENCHMARK(levelEmpfehlung)->Unit(benchmark::kMillisecond);
BENCHMARK(csvExport)->ArgName("antworten")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
