// Renaming a category that 100,000 appointments of the large calendar use, through the same
// path as "Ok" of the category dialog (all 199 years are visited).
#include <benchmark/benchmark.h>

#include "extras/Kategorienliste.h"
#include "kalender/Beispielkalender.h"

namespace {

using namespace kalvora;

// The large calendar with "Kategorie 1" on its first 100,000 appointments.
TKalender& GrosserKalender() {
    static TKalender* kal = [] {
        auto* k = new TKalender();
        GrossenKalenderFuellen(*k);
        int n = 0;
        for (int i = k->NaechsterTermintag(0); i < TKalender::kSlots && n < 100000;
             i = k->NaechsterTermintag(i + 1)) {
            TTerminliste& l = k->TerminlisteAn(i);
            for (std::size_t e = 1; e < l.size() && n < 100000; ++e, ++n)
                l[e].Kategorie = "Kategorie 1";
        }
        return k;
    }();
    return *kal;
}

void Umbenennen(benchmark::State& state) {
    TKalender& kal = GrosserKalender();
    for (auto _ : state) {
        // Back and forth, so that every round renames the same 100,000 appointments.
        const bool hin = kal.Terminkategorie[1] == "Kategorie 1";
        TListenbearbeitung b(kal, Listenart::Kategorien, false);
        b.Eingabe(2, hin ? "Umbenannte Kategorie" : "Kategorie 1");
        b.Ok();
    }
    std::size_t n = 0;
    for (int i = kal.NaechsterTermintag(0); i < TKalender::kSlots;
         i = kal.NaechsterTermintag(i + 1))
        for (const TTermin& t : kal.TerminlisteAn(i)) n += t.Kategorie == kal.Terminkategorie[1];
    state.counters["Termine"] = static_cast<double>(n);
}

void BM_KategorieUmbenennenErsterLauf(benchmark::State& state) { Umbenennen(state); }
BENCHMARK(BM_KategorieUmbenennenErsterLauf)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_KategorieUmbenennen(benchmark::State& state) { Umbenennen(state); }
BENCHMARK(BM_KategorieUmbenennen)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
