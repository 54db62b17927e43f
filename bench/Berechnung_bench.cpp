#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"
#include "tests/calc/Zufallsfall.h"

using namespace nodra;

namespace {
Eingabedaten Winterweizen() {
    Tabellen_Fuellen();
    Eingabedaten e;
    e.Kultur = "Wi-Weizen";
    e.KulturZeile = 92;
    e.Sorte = "----- B";
    e.Vorfrucht = "-----";
    e.ER = 1;
    e.Nmin0_30 = "30";
    e.Nmin30_60 = "20";
    e.ST = 1;
    e.BA = 3;
    e.AZ = 2;
    e.Tiefe = 90;
    e.PZ = 2;
    e.E = 2;
    e.BE = 2;
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
    Tabellen_Fuellen();
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
