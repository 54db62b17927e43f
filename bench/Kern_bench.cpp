#include <benchmark/benchmark.h>

#include "core/Tabellen.h"
#include "core/Zahlen.h"

using namespace nodra;

static void BM_TabellenFuellen(benchmark::State& state) {
    for (auto _ : state) {
        Tabellen_Fuellen();
        benchmark::DoNotOptimize(Kulturtabelle);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TabellenFuellen);

static void BM_ZahlStreng_DreiZeichen(benchmark::State& state) {
    std::string_view zelle = "110";
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelle);
        benchmark::DoNotOptimize(Zahl_Streng(zelle));
    }
}
BENCHMARK(BM_ZahlStreng_DreiZeichen);

static void BM_ZahlStreng_Komma(benchmark::State& state) {
    std::string_view zelle = "0,11";
    for (auto _ : state) {
        benchmark::DoNotOptimize(zelle);
        benchmark::DoNotOptimize(Zahl_Streng(zelle));
    }
}
BENCHMARK(BM_ZahlStreng_Komma);

static void BM_ZahlPraefix(benchmark::State& state) {
    std::string_view text = "54 ... 81";
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(Zahl_Praefix(text));
    }
}
BENCHMARK(BM_ZahlPraefix);

static void BM_RundText(benchmark::State& state) {
    double x = 19.2509;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(Rund_Text(x, 1));
    }
}
BENCHMARK(BM_RundText);

static void BM_Rund5(benchmark::State& state) {
    Integer n = 147;
    for (auto _ : state) {
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(Rund5(n));
    }
}
BENCHMARK(BM_Rund5);
