#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "calc/Anzeige.h"
#include "calc/Berechnung.h"
#include "core/Tabellen.h"
#include "tests/calc/Fall.h"
#include "tests/calc/Zufallsfall.h"

using namespace nodra;

namespace {
// The winter wheat example: rooting depth 90 cm, bread wheat.
Eingabedaten Winterweizen() {
    Eingabedaten e = test::Fall("Wi-Weizen", "30", "20");
    e.Sorte = "----- B";
    e.Tiefe = 90;
    e.PZ = 2;
    return e;
}
}  // namespace

// One whole calculation as the calculate button runs it: reset and run.
static void BM_Berechnung_Winterweizen(benchmark::State& state) {
    const Eingabedaten vorlage = Winterweizen();
    Ergebnisdaten r;
    for (auto _ : state) {
        Eingabedaten e = vorlage;
        Ergebnis_Zuruecksetzen(r);
        auto m = Berechnen(e, r);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Berechnung_Winterweizen);

// A mixed set of 1000 inputs over all crops, varieties and options.
static void BM_Berechnung_Gemischt(benchmark::State& state) {
    std::mt19937 zufall(7);
    std::vector<Eingabedaten> faelle;
    for (int i = 0; i < 1000; ++i) faelle.push_back(test::Zufallsfall(zufall));
    Ergebnisdaten r;
    std::size_t i = 0;
    for (auto _ : state) {
        Eingabedaten e = faelle[i++ % faelle.size()];
        Ergebnis_Zuruecksetzen(r);
        auto m = Berechnen(e, r);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_Berechnung_Gemischt);

// The result texts of the same mixed set, as the result window and the
// batch form them from a result record.
static void BM_Ergebnisanzeige_Gemischt(benchmark::State& state) {
    std::mt19937 zufall(7);
    std::vector<Ergebnisdaten> ergebnisse;
    for (int i = 0; i < 1000; ++i) {
        Eingabedaten e = test::Zufallsfall(zufall);
        Ergebnisdaten& r = ergebnisse.emplace_back();
        Ergebnis_Zuruecksetzen(r);
        Berechnen(e, r);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        auto a = Ergebnis_Anzeigen(ergebnisse[i++ % ergebnisse.size()]);
        benchmark::DoNotOptimize(a);
    }
}
BENCHMARK(BM_Ergebnisanzeige_Gemischt);
