// The year view of the large calendar painted through the real Qt canvas onto a full-HD
// image, and one pointer evaluation over a day with the appointment field shown.
// KALVORA_BENCH_BILD=<file.png> saves one painted image for a look.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>

#include "kalender/Beispielkalender.h"
#include "main/Jahresansicht.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {

struct Umgebung;
Umgebung& U();

class FesteUhr : public Uhr {
public:
    Zeitpunkt Jetzt() const override { return {2004, 6, 15, 12, 0, 0}; }
};


struct Umgebung {
    TKalender kal;
    FesteUhr uhr;
    AusgewaehlterTag auswahl;
    TJahresansicht ansicht{kal, uhr, auswahl};
    QImage bild{1920, 1080, QImage::Format_RGB32};

    Umgebung() {
        GrossenKalenderFuellen(kal);
        ansicht.optionen.kalenderwoche = true;
        ansicht.optionen.geburtstageAnzeigen = true;
        ansicht.optionen.namenstageAnzeigen = true;
        ansicht.optionen.sonneAnzeigen = true;
        ansicht.terminfeldSichtbar = true;
        ansicht.JahrSetzen(2004);
        Fenstermasse f;
        f.aussenBreite = 1920;
        f.clientHoehe = 1040;
        f.ansichtOben = 50;
        f.unteresPanelHoehe = 60;
        f.unteresPanelBreite = 1920;
        f.statusleisteHoehe = 20;
        f.statusleisteOben = 1020;
        QPainter p(&bild);
        QtLeinwand l(p);
        ansicht.JahresansichtAnordnen(f, l);
        p.end();
        Malen();  // fonts and glyphs are loaded once per program, not per paint
    }

    void Malen() {
        QPainter p(&bild);
        p.fillRect(bild.rect(), Qt::white);
        QtLeinwand l(p);
        ansicht.JahresansichtMalen(l);
    }
};

void BM_JahresansichtMalen(benchmark::State& state) {
    Umgebung& u = U();
    for (auto _ : state) {
        u.Malen();
        benchmark::DoNotOptimize(u.bild.constBits());
    }
    if (const char* datei = std::getenv("KALVORA_BENCH_BILD")) u.bild.save(datei);
}
BENCHMARK(BM_JahresansichtMalen)->Unit(benchmark::kMillisecond);

// The share of the paint that is only erasing the image.
void BM_BildLeeren(benchmark::State& state) {
    Umgebung& u = U();
    for (auto _ : state) {
        QPainter p(&u.bild);
        p.fillRect(u.bild.rect(), Qt::white);
        benchmark::DoNotOptimize(u.bild.constBits());
    }
}
BENCHMARK(BM_BildLeeren)->Unit(benchmark::kMillisecond);

// Without any text and glyphs.
void BM_MalenOhneText(benchmark::State& state) {
    Umgebung& u = U();
    const JahresansichtOptionen alt = u.ansicht.optionen;
    u.ansicht.optionen.monatstageAnzeigen = false;
    u.ansicht.optionen.kalenderwoche = false;
    u.ansicht.optionen.geburtstageAnzeigen = false;
    u.ansicht.optionen.namenstageAnzeigen = false;
    for (auto _ : state) {
        u.Malen();
        benchmark::DoNotOptimize(u.bild.constBits());
    }
    u.ansicht.optionen = alt;
}
BENCHMARK(BM_MalenOhneText)->Unit(benchmark::kMillisecond);

void BM_ZeigerAuswerten(benchmark::State& state) {
    Umgebung& u = U();
    const JahresMetrik& m = u.ansicht.Metrik();
    int i = 0;
    for (auto _ : state) {
        // Walk over the days of the year so that every evaluation builds a fresh text.
        const int x = m.X0 + (i % 37) * m.CW + m.CW / 2;
        const int y = m.Y0 + (2 * (i / 37 % 12 + 1)) * m.RH;
        u.ansicht.ZeigerAuswerten(x, y);
        benchmark::DoNotOptimize(u.ansicht.Terminfeld().data());
        ++i;
    }
}
BENCHMARK(BM_ZeigerAuswerten)->Unit(benchmark::kMicrosecond);

Umgebung& U() {
    static Umgebung u;
    return u;
}

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
