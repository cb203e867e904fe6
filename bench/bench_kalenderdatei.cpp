// The large calendar (every day of 1901..2099 filled) written, read back and exported as CSV.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <new>

#include "kalender/Beispielkalender.h"
#include "kalender/CsvDatei.h"
#include "kalender/Kalenderdatei.h"
#include "platform/posix/AtomareDatei.h"

// Heap bytes in use, counted by replacing the global allocation functions of this program.
static std::atomic<long long> gHeapBytes{0};

void* operator new(std::size_t n) {
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    gHeapBytes += static_cast<long long>(malloc_usable_size(p));
    return p;
}
void operator delete(void* p) noexcept {
    if (!p) return;
    gHeapBytes -= static_cast<long long>(malloc_usable_size(p));
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

using namespace kalvora;

const std::string& Pfad() {
    static const std::string pfad =
        (std::filesystem::temp_directory_path() / "kalvora-bench.kvr").string();
    return pfad;
}

TKalender& GrosserKalender() {
    static std::unique_ptr<TKalender> kal = [] {
        auto k = std::make_unique<TKalender>();
        GrossenKalenderFuellen(*k);
        return k;
    }();
    return *kal;
}

void Schreiben(benchmark::State& state) {
    const TKalender& kal = GrosserKalender();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string inhalt = KalenderAlsVer33(kal);
        DateiAtomarSchreiben(Pfad(), inhalt);
        bytes = inhalt.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

// Warm: the same document refilled in place, its storage reused. A user never does this; the
// figure shows the reader alone.
void LesenWarmInDasselbeDokument(benchmark::State& state) {
    DateiAtomarSchreiben(Pfad(), KalenderAlsVer33(GrosserKalender()));
    const auto bytes = std::filesystem::file_size(Pfad());
    auto kal = std::make_unique<TKalender>();
    for (auto _ : state) {
        KalenderdateiLesen(*kal, Pfad());
        benchmark::DoNotOptimize(kal->TerminlisteAn(0).data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["Termine"] = kal->AnzahlTermine();
}

void CsvExport(benchmark::State& state) {
    const TKalender& kal = GrosserKalender();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string inhalt = KalenderAlsCsv(kal);
        bytes = inhalt.size();
        benchmark::DoNotOptimize(inhalt.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

// What opening a file costs inside a running program: a new document each time (its heap
// cold, the allocator of this process warm). The whole-process figures are in bench_prozesse.
void LesenInNeuesDokument(benchmark::State& state) {
    DateiAtomarSchreiben(Pfad(), KalenderAlsVer33(GrosserKalender()));
    const auto bytes = std::filesystem::file_size(Pfad());
    for (auto _ : state) {
        auto kal = std::make_unique<TKalender>();
        KalenderdateiLesen(*kal, Pfad());
        benchmark::DoNotOptimize(kal->TerminlisteAn(0).data());
        state.PauseTiming();
        kal.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// Heap taken by an empty document, and by the loaded large calendar.
void Speicher(benchmark::State& state) {
    DateiAtomarSchreiben(Pfad(), KalenderAlsVer33(GrosserKalender()));
    double leerMB = 0, geladenMB = 0;
    for (auto _ : state) {
        const long long vorher = gHeapBytes;
        auto kal = std::make_unique<TKalender>();
        leerMB = static_cast<double>(gHeapBytes - vorher) / 1e6;
        KalenderdateiLesen(*kal, Pfad());
        geladenMB = static_cast<double>(gHeapBytes - vorher) / 1e6;
    }
    state.counters["leer_MB"] = leerMB;
    state.counters["geladen_MB"] = geladenMB;
}

}  // namespace

BENCHMARK(Schreiben)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LesenInNeuesDokument)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LesenWarmInDasselbeDokument)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(CsvExport)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(Speicher)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
