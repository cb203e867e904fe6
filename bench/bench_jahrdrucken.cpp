// The year printout of the large calendar onto an A4 landscape PDF at 600 dpi through the real
// printer, from the printer set-up to the written file.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QPrinter>

#include "einstellungen/Einstellungen.h"
#include "kalender/Beispielkalender.h"
#include "main/Jahrdrucken.h"
#include "platform/qt/QtDrucker.h"

namespace kalvora {
namespace {

struct Ohne : Druckstatus {
    void SeiteZeigen(const std::string&) override {}
    void Fortschritt(int) override {}
};

struct Umgebung {
    TKalender kal;
    Einstellungen einst;
    QString datei = QDir::temp().filePath(QStringLiteral("kalvora-bench-jahr.pdf"));
    Umgebung() {
        GrossenKalenderFuellen(kal);
        for (int slot = 1; slot <= 8; ++slot)
            kal.Farbnamen[slot] = "Farbe " + std::to_string(slot);
    }
    ~Umgebung() { QFile::remove(datei); }

    int Drucken() {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(datei);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QtDrucker drucker(printer);
        Ohne status;
        return JahrDrucken(kal, einst, 2004, jahrdrucktexte::StandardUeberschrift(2004), true,
                           drucker, status);
    }
};

Umgebung& U() {
    static Umgebung u;
    return u;
}

void BM_JahrDrucken(benchmark::State& state) {
    Umgebung& u = U();
    u.Drucken();  // fonts are loaded once per program
    for (auto _ : state) benchmark::DoNotOptimize(u.Drucken());
}
BENCHMARK(BM_JahrDrucken)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvora

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
