// Filling the calendar views from the large calendar: the 31 cells of a month and the seven
// of a week, each cell's content and its rich-text box, as the views do it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextEdit>

#include <memory>
#include <vector>

#include "ansichten/Ansichtsraster.h"
#include "ansichten/Tageszelle.h"
#include "ansichten/fenster/Kalenderansicht.h"
#include "kalender/Beispielkalender.h"

namespace kalvora {
namespace {

struct Umgebung {
    TKalender kal;
    Zellenoptionen o;
    std::vector<std::unique_ptr<QTextEdit>> zellen;
    Umgebung() {
        GrossenKalenderFuellen(kal);
        o.geburtstagstext = true;
        o.namenstagstext = true;
        for (int i = 0; i < 31; ++i) {
            zellen.push_back(std::make_unique<QTextEdit>());
            zellen.back()->resize(300, 120);
        }
    }
};

Umgebung& U() {
    static Umgebung u;
    return u;
}

void BM_MonatsansichtFuellen(benchmark::State& state) {
    Umgebung& u = U();
    int monat = 0;
    for (auto _ : state) {
        const int m = monat++ % 12 + 1;
        for (int tag = 1; tag <= TageImMonat(m, 2004); ++tag)
            ZelleInTextfeld(*u.zellen[tag - 1],
                            TageszelleFuellen(u.kal, u.o, {tag, m, 2004}, true), u.o);
    }
}
BENCHMARK(BM_MonatsansichtFuellen)->Unit(benchmark::kMillisecond);

void BM_WochenansichtFuellen(benchmark::State& state) {
    Umgebung& u = U();
    int woche = 0;
    for (auto _ : state) {
        const std::array<Datum, 14> tage = TageAb(MontagDerWoche({5, 1, 2004}));
        const int32_t versatz = 7 * (woche++ % 50);
        for (int i = 0; i < 7; ++i) {
            const Datum d = DatumAusTagesnummer(
                Tagesnummer(tage[i].tag, tage[i].monat, tage[i].jahr) + versatz);
            ZelleInTextfeld(*u.zellen[i], TageszelleFuellen(u.kal, u.o, d, true), u.o);
        }
    }
}
BENCHMARK(BM_WochenansichtFuellen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
