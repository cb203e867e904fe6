// The statistics of one year of the large calendar (every day of 1901..2099 filled), as the
// chart window computes them for every chart: the colour counts of a year change, the
// appointment statistics counted afresh, and the bars with their labels. Warm: the document
// is built once before, the first year counted is measured on its own (cold caches).
#include <benchmark/benchmark.h>

#include <memory>

#include "kalender/Beispielkalender.h"
#include "statistik/Statistikchartmodell.h"

namespace {

using namespace kalvora;

TKalender& GrosserKalender() {
    static TKalender* kal = [] {
        auto* k = new TKalender();
        GrossenKalenderFuellen(*k);
        return k;
    }();
    return *kal;
}

// Paging: the next year's chart from scratch, so that no year is counted from a warm cache
// of the year before alone.
void Statistik(benchmark::State& state, Statistikart art, int kategorie) {
    const TKalender& kal = GrosserKalender();
    Statistikchartmodell m(kal, 2009, art);
    m.KategorieSetzen(kategorie);
    int jahr = 1901;
    std::size_t balken = 0;
    for (auto _ : state) {
        m.JahrSetzen(jahr);  // counts the colours, as a year change does
        const auto b = m.Balken();
        balken += b.size();
        benchmark::DoNotOptimize(b.data());
        jahr = jahr == LetztesJahr ? ErstesJahr : jahr + 1;
    }
    if (balken == 0) state.SkipWithError("no bars");
    state.counters["Balken"] =
        static_cast<double>(balken) / static_cast<double>(state.iterations());
}

void BM_ErsteStatistikNachDemLaden(benchmark::State& state) {
    // A fresh document each time, the first year counted right after it was filled; making
    // and freeing the document are not measured.
    std::unique_ptr<TKalender> kal;
    for (auto _ : state) {
        state.PauseTiming();
        kal.reset();
        kal = std::make_unique<TKalender>();
        GrossenKalenderFuellen(*kal);
        state.ResumeTiming();
        Statistikchartmodell m(*kal, 2009, Statistikart::Termindauer);
        benchmark::DoNotOptimize(m.Balken().data());
    }
}

BENCHMARK_CAPTURE(Statistik, Farbhaeufigkeit, Statistikart::Farbhaeufigkeit, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Statistik, Termindauer, Statistikart::Termindauer, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Statistik, Terminhaeufigkeit, Statistikart::Terminhaeufigkeit, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Statistik, TerminhaeufigkeitEineKategorie, Statistikart::Terminhaeufigkeit, 2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ErsteStatistikNachDemLaden)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
