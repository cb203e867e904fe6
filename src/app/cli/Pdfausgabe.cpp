#include "app/cli/Pdfausgabe.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <filesystem>

#include "methoden/Fehler.h"
#include "platform/qt/QtDrucker.h"

namespace kalvora::cli {
namespace {

namespace fs = std::filesystem;

// QtGui needs an application object; the offscreen platform needs no display. Only the PDF
// commands create one, the others run on the logic alone.
void AnwendungBereitstellen() {
    if (QCoreApplication::instance()) return;
    static int argc = 3;
    static char name[] = "kalvora-cli", schalter[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, schalter, platform, nullptr};
    // Never destroyed: the canvas keeps fonts for the whole run, and they must not outlive it.
    new QGuiApplication(argc, argv);
}

// A new empty file beside ziel, with the permissions an ordinary new file would get.
std::string Zwischendatei(const std::string& ziel) {
    std::string muster = ziel + ".kalvora-XXXXXX";
    const int fd = mkstemp(muster.data());
    if (fd < 0)
        throw KalvoraFehler("Die Datei \"" + ziel + "\" kann nicht angelegt werden.");
    const mode_t maske = umask(0);
    umask(maske);
    fchmod(fd, 0666 & ~maske);
    close(fd);
    return muster;
}

struct Aufraeumen {
    std::string pfad;
    ~Aufraeumen() {
        if (pfad.empty()) return;
        std::error_code ec;
        fs::remove(pfad, ec);
    }
};

}  // namespace

int PdfDrucken(const std::string& ziel, const Pdfvorgaben& vorgaben,
               const std::function<int(Drucker&)>& auftrag) {
    AnwendungBereitstellen();
    Aufraeumen zwischen{Zwischendatei(ziel)};
    int ergebnis = 0;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(zwischen.pfad));
        printer.setResolution(vorgaben.dpi);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(vorgaben.ausrichtung == Seitenausrichtung::Querformat
                                       ? QPageLayout::Landscape
                                       : QPageLayout::Portrait);
        printer.setCopyCount(vorgaben.kopien);
        QtDrucker drucker(printer);
        ergebnis = auftrag(drucker);
        drucker.Beenden();
        if (printer.printerState() == QPrinter::Error)
            throw KalvoraFehler("Die Datei \"" + ziel + "\" kann nicht geschrieben werden.");
    }
    std::error_code ec;
    if (fs::file_size(zwischen.pfad, ec) == 0 || ec)
        throw KalvoraFehler("Die Datei \"" + ziel + "\" kann nicht geschrieben werden.");
    fs::rename(zwischen.pfad, ziel, ec);
    if (ec) throw KalvoraFehler("Die Datei \"" + ziel + "\" kann nicht geschrieben werden.");
    zwischen.pfad.clear();
    return ergebnis;
}

}  // namespace kalvora::cli
