// SPDX-License-Identifier: GPL-3.0-or-later
// Laden der Ruhmeshalle aus dem Dateitext. Das Zerlegen ist linear; das Einsortieren je
// Halle ein stabiles Sortieren, also n log n in der Zahl der Zeilen.
// Dazu zwei feindliche Dateien: 50 MB aus lauter "&" und eine Zeile mit 8 MB langem Namen.

#include "halloffame/halldatei.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// Ein Dateitext mit n Ergebnissen, verteilt auf alle 27 Hallen.
std::string dateitext(std::int64_t n) {
    std::string text;
    text.reserve(static_cast<std::size_t>(n) * 48);
    for (std::int64_t i = 0; i < n; ++i) {
        text += numora::zeile2Dateitext({"SPIELER am 1.1.2026  8:00 Uhr ", 10 + (i * 7919) % 500,
                                         i % 9, 1 + (i / 9) % 3, 1 + (i * 31) % 8});
    }
    return text;
}

void laden(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        numora::HallOfFame hof;
        hof.alleHallenErzeugen();
        hof.zeilenfeldEinhallen(numora::hofDateiLesen(text).zeilen);
        benchmark::DoNotOptimize(hof.alleHallen);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void hallenLaden(benchmark::State& state) {
    laden(state, dateitext(state.range(0)));
    state.SetComplexityN(state.range(0));
    state.counters["Zeilen/s"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

void lauterUndZeichen(benchmark::State& state) {
    laden(state, std::string(50u << 20, '&'));
}

void langerName(benchmark::State& state) {
    laden(state, "&" + std::string(8u << 20, 'N') + "&12&0&1&5&" + dateitext(1000));
}

} // namespace

BENCHMARK(hallenLaden)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);
BENCHMARK(lauterUndZeichen)->Unit(benchmark::kMillisecond);
BENCHMARK(langerName)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
