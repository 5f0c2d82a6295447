// Laden der Ruhmeshalle aus dem Dateitext: n log n in der Zahl der Zeilen, weil jede Halle
// nach dem Einlesen sortiert wird; das Lesen selbst ist linear.

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

void hallenLaden(benchmark::State& state) {
    const std::string text = dateitext(state.range(0));
    for (auto _ : state) {
        numora::HallOfFame hof;
        hof.alleHallenErzeugen();
        hof.zeilenfeldEinhallen(numora::hofDateiLesen(text).zeilen);
        benchmark::DoNotOptimize(hof.alleHallen);
    }
    state.SetComplexityN(state.range(0));
    state.counters["Zeilen/s"] = benchmark::Counter(static_cast<double>(state.range(0)),
                                                    benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(hallenLaden)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

BENCHMARK_MAIN();
