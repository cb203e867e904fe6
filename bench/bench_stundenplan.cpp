// The timetable of 14 days (two rows of seven) from the large calendar, painted through the
// real Qt canvas onto a full-HD image, and one pointer evaluation over a day.
// KALVORA_BENCH_BILD=<file.png> saves one painted image for a look.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "ansichten/Stundenplan.h"
#include "kalender/Beispielkalender.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {

class FesteUhr : public Uhr {
public:
    Zeitpunkt Jetzt() const override { return {2004, 6, 15, 12, 0, 0}; }
};

struct Umgebung {
    TKalender kal;
    Einstellungen einst;
    FesteUhr uhr;
    AusgewaehlterTag auswahl;
    TStundenplan plan{kal, einst, uhr, auswahl};
    QImage bild{1920, 1080, QImage::Format_RGB32};

    Umgebung() {
        GrossenKalenderFuellen(kal);
        einst.Stdplantage = 14;
        einst.Stdplanzeilen = 2;
        einst.Stdplanstartzeit = 6;
        einst.Stdplanendezeit = 22;
        auswahl.Setzen(15, 6, 2004);
        plan.schrift = Schrift{"Liberation Sans", 8};
        plan.Anordnen(1920 + 100, false);
        Malen();  // fonts and glyphs are loaded once per program, not per paint
    }

    void Malen() {
        QPainter p(&bild);
        p.fillRect(bild.rect(), QColor(0xFE, 0xFF, 0xFF));
        QtLeinwand l(p);
        plan.Messen(l);
        plan.Malen(l, bild.width(), bild.height());
    }
};

Umgebung& U() {
    static Umgebung u;
    return u;
}

void BM_StundenplanMalen(benchmark::State& state) {
    Umgebung& u = U();
    for (auto _ : state) {
        u.Malen();
        benchmark::DoNotOptimize(u.bild.constBits());
    }
    if (const char* datei = std::getenv("KALVORA_BENCH_BILD")) u.bild.save(datei);
}
BENCHMARK(BM_StundenplanMalen)->Unit(benchmark::kMillisecond);

void BM_StundenplanZeiger(benchmark::State& state) {
    Umgebung& u = U();
    int i = 0;
    for (auto _ : state) {
        u.plan.ZeigerBewegt(40 + (i * 37) % 1840, 40 + (i * 53) % 1000, 1920, 1080);
        benchmark::DoNotOptimize(u.plan.Link().data());
        ++i;
    }
}
BENCHMARK(BM_StundenplanZeiger)->Unit(benchmark::kMicrosecond);

}  // namespace kalvora

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    kalvora::U();  // the large calendar is built before any measurement
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
