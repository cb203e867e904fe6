// The printouts of the large calendar through the real printer onto an A4 PDF at 600 dpi,
// from the printer set-up to the written file: the year on one landscape page, and the
// appointment list of one whole year (1,095 appointments, about 46 pages).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QPrinter>

#include "einstellungen/Einstellungen.h"
#include "kalender/Beispielkalender.h"
#include "main/Jahrdrucken.h"
#include "platform/qt/QtDrucker.h"
#include "termine/Terminedrucken.h"

namespace kalvora {
namespace {

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

    void Einrichten(QPrinter& printer) const {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(datei);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
    }

    int Liste() {
        QPrinter printer(QPrinter::HighResolution);
        Einrichten(printer);
        QtDrucker drucker(printer);
        OhneDruckstatus status;
        TTerminlistendruck liste(kal, einst);
        return liste.drucken(drucker, status, {1, 1, 2004}, {31, 12, 2004});
    }

    int Drucken() {
        QPrinter printer(QPrinter::HighResolution);
        Einrichten(printer);
        QtDrucker drucker(printer);
        OhneDruckstatus status;
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

void BM_TerminlisteEinesJahres(benchmark::State& state) {
    Umgebung& u = U();
    u.Liste();
    for (auto _ : state) benchmark::DoNotOptimize(u.Liste());
}
BENCHMARK(BM_TerminlisteEinesJahres)->Unit(benchmark::kMillisecond);

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
