// The search and the series continuation on the large calendar (every day of 1901..2099
// filled), through the same working copy the day dialog uses.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "einstellungen/Einstellungen.h"
#include "kalender/Beispielkalender.h"
#include "termine/Tagesdialog.h"
#include "termine/Terminsuche.h"

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

void BM_SucheOhneTreffer(benchmark::State& state) {
    const TKalender& kal = GrosserKalender();
    Terminsuche suche;
    suche.felder.text = "Zahnarzttermin nirgends";
    suche.felder.von = ErstesJahr;
    suche.felder.bis = LetztesJahr;
    for (auto _ : state) {
        auto t = suche.Ok(kal);
        benchmark::DoNotOptimize(t);
        if (t) state.SkipWithError("unexpected hit");
    }
}
BENCHMARK(BM_SucheOhneTreffer)->Unit(benchmark::kMillisecond);

// Removes what a run added, so that every iteration starts from the same document.
void SerieEntfernen(TKalender& kal) {
    for (int i = kal.NaechsterTermintag(0); i < TKalender::kSlots;
         i = kal.NaechsterTermintag(i + 1)) {
        TTerminliste& l = kal.TerminlisteAn(i);
        l.erase(std::remove_if(l.begin() + (l.empty() ? 0 : 1), l.end(),
                               [](const TTermin& t) { return t.Beschreibung == "Serie"; }),
                l.end());
    }
}

void SerieAnlegen(benchmark::State& state, Serienart art, bool bisDatum, int anzahl,
                  const Datum& start, const Datum& ende) {
    TKalender& kal = GrosserKalender();
    Einstellungen einst;
    einst.Farbfortschreibung = false;
    Tagesumgebung u{kal, einst, {}};
    Termineditor editor(einst);
    Tagesdialog dialog(u, editor);
    for (auto _ : state) {
        dialog.Aktivieren(start);
        dialog.NeuerTerminVorbereiten();
        editor.Aktivieren(kal, einst, dialog.Tag());
        editor.SerienartSetzen(art, einst, dialog.Tag());
        editor.EndmodusSetzen(bisDatum);
        editor.AnzahlSetzen(anzahl);
        editor.EndDatumSetzen(ende);
        editor.beschreibung = "Serie";
        editor.Ok(kal);
        dialog.NeuerTerminAbschliessen();
        dialog.tagspeichern();
        state.PauseTiming();
        SerieEntfernen(kal);
        state.ResumeTiming();
    }
}

void BM_TaeglicheSerie10000(benchmark::State& state) {
    SerieAnlegen(state, Serienart::Taeglich, false, 9999, {1, 1, 1950}, {});
}
BENCHMARK(BM_TaeglicheSerie10000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_MonatlicheSerieGanzerBereich(benchmark::State& state) {
    SerieAnlegen(state, Serienart::Monatlich, true, 1, {31, 1, 1901}, {31, 12, 2099});
}
BENCHMARK(BM_MonatlicheSerieGanzerBereich)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
