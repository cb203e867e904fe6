// The week-based continuation over ten years of the large calendar (every day already holds
// three appointments, so each new one is sorted in between them).
#include <benchmark/benchmark.h>

#include <algorithm>

#include "kalender/Beispielkalender.h"
#include "termine/Wochenfortschreibung.h"

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

// Removes what a run added, so that every iteration starts from the same document.
void Entfernen(TKalender& kal) {
    for (int j = 2000; j <= 2009; ++j)
        for (int m = 1; m <= 12; ++m)
            for (int t = 1; t <= TageImMonat(m, j); ++t) {
                TTerminliste& l = kal.Terminliste(j, m, t);
                std::erase_if(l, [](const TTermin& x) { return x.Beschreibung == "Schicht"; });
            }
}

void Fortschreiben(benchmark::State& state, int muster) {
    TKalender& kal = GrosserKalender();
    Wochenauftrag a;
    a.muster = muster;
    a.regel = {true, true, false};
    a.verschiebung = 2;
    a.start = {1, 1, 2000};
    a.ende = {31, 12, 2009};
    a.termin.Uhrzeit = "11:00";
    a.termin.Beschreibung = "Schicht";
    a.termin.Ort = "Werk 2, Halle 4";
    a.termin.Dauer = 480;
    int n = 0;
    for (auto _ : state) {
        n = WochenFortschreiben(kal, a, [](int p) { benchmark::DoNotOptimize(p); });
        state.PauseTiming();
        Entfernen(kal);
        state.ResumeTiming();
    }
    state.counters["Termine"] = n;
}

// The first run in the process: the document's lists grow for the first time.
void BM_ZehnJahre40hErsterLauf(benchmark::State& state) { Fortschreiben(state, 8028); }
BENCHMARK(BM_ZehnJahre40hErsterLauf)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ZehnJahre40h(benchmark::State& state) { Fortschreiben(state, 8028); }
BENCHMARK(BM_ZehnJahre40h)->Unit(benchmark::kMillisecond);

void BM_ZehnJahreJedenTag(benchmark::State& state) { Fortschreiben(state, VollesMuster); }
BENCHMARK(BM_ZehnJahreJedenTag)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
