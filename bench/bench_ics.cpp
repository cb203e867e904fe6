// iCalendar: one year (2005, 1,095 appointments) and the whole range (218,052) of the large
// calendar exported and imported into a new document; beside them libical alone parsing the
// same file and serialising the tree it parsed, which is the floor the exchange stands on.
// The fresh-process figures of kalvora-cli ics-export/ics-import are in bench_prozesse.
#include <benchmark/benchmark.h>
#include <libical/ical.h>

#include <cstdlib>
#include <cstring>
#include <memory>

#include "kalender/Beispielkalender.h"
#include "kalender/Icalendar.h"

namespace {

using namespace kalvora;

TKalender& GrosserKalender() {
    static std::unique_ptr<TKalender> kal = [] {
        auto k = std::make_unique<TKalender>();
        GrossenKalenderFuellen(*k);
        return k;
    }();
    return *kal;
}

IcsExportoptionen Optionen(bool jahr) {
    IcsExportoptionen o;
    if (jahr) {
        o.von = {1, 1, 2005};
        o.bis = {31, 12, 2005};
    }
    o.zeitzone = "Europe/Berlin";
    o.alarmVorlaufMinuten = 120;
    o.jetzt = {2026, 12, 11, 12, 0, 0};
    return o;
}

const std::string& Datei(bool jahr) {
    static const std::string j = KalenderAlsIcs(GrosserKalender(), Optionen(true));
    static const std::string a = KalenderAlsIcs(GrosserKalender(), Optionen(false));
    return jahr ? j : a;
}

void Export(benchmark::State& state, bool jahr) {
    const TKalender& kal = GrosserKalender();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string ics = KalenderAlsIcs(kal, Optionen(jahr));
        bytes = ics.size();
        benchmark::DoNotOptimize(ics.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

// Into a new document each time; making and freeing the document is not timed.
void Import(benchmark::State& state, bool jahr) {
    const std::string& ics = Datei(jahr);
    IcsImportoptionen o;
    o.zeitzone = "Europe/Berlin";
    int termine = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto kal = std::make_unique<TKalender>();
        state.ResumeTiming();
        termine = IcsImportieren(*kal, ics, o).importiert;
        state.PauseTiming();
        kal.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ics.size()));
    state.counters["Termine"] = termine;
}

// libical by itself: the parse of the same text into its tree and freeing it, as every
// program that reads with libical does (the import frees its tree too).
void LibicalParsen(benchmark::State& state, bool jahr) {
    const std::string& ics = Datei(jahr);
    for (auto _ : state) {
        icalcomponent* c = icalparser_parse_string(ics.c_str());
        benchmark::DoNotOptimize(c);
        icalcomponent_free(c);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * ics.size()));
}

// libical by itself: the tree it parsed written out as text.
void LibicalSerialisieren(benchmark::State& state, bool jahr) {
    icalcomponent* c = icalparser_parse_string(Datei(jahr).c_str());
    std::size_t bytes = 0;
    for (auto _ : state) {
        char* text = icalcomponent_as_ical_string_r(c);
        bytes = std::strlen(text);
        std::free(text);
    }
    icalcomponent_free(c);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

}  // namespace

BENCHMARK_CAPTURE(Export, Jahr, true)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(Import, Jahr, true)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(LibicalParsen, Jahr, true)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(LibicalSerialisieren, Jahr, true)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(Export, Alles, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(Import, Alles, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(LibicalParsen, Alles, false)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(LibicalSerialisieren, Alles, false)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_MAIN();
