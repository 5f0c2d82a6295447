// SPDX-License-Identifier: GPL-3.0-or-later
// Ein Klassensatz Arbeitsblätter als PDF: 16 Fragen je Variante, Lösungen mit Erklärungen.
// Ziel: 30 Varianten in höchstens 3 s, die Zeit linear in der Zahl der Varianten.

#include "blatt/blattdatei.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void klassensatz(benchmark::State& state) {
    QTemporaryDir ordner;
    Arbeitsblatt blatt;
    blatt.thema = 2; // Bruchrechnung Level 3 hat die längsten Erklärungen
    blatt.level = 3;
    blatt.varianten = state.range(0);
    blatt.startwert = 7;
    blatt.erklaerungen = true;
    for (auto _ : state) {
        if (const auto fehler = arbeitsblattSpeichern(blatt, ordner.filePath("blatt.pdf"))) {
            state.SkipWithError(fehler->toStdString().c_str());
        }
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(klassensatz)
    ->DenseRange(10, 30, 10)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

int main(int argc, char** argv) {
    // Schriften brauchen eine QGuiApplication, ein Bildschirm ist nicht nötig.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
