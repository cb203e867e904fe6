#include "app/cli/Pdfausgabe.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "methoden/Fehler.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/qt/QtDrucker.h"

namespace kalvora::cli {
namespace {

namespace fs = std::filesystem;

// Qt's own notes ("QStandardPaths: XDG_RUNTIME_DIR not set ...", font warnings) are no
// message of this program: the command line shows only its own German lines.
void QtMeldung(QtMsgType art, const QMessageLogContext&, const QString&) {
    if (art == QtFatalMsg) std::fputs("Interner Fehler der Druckausgabe.\n", stderr);
}

// QtGui needs an application object; the offscreen platform needs no display. Only the PDF
// commands create one, the others run on the logic alone.
void AnwendungBereitstellen() {
    if (QCoreApplication::instance()) return;
    qInstallMessageHandler(&QtMeldung);
    static int argc = 3;
    static char name[] = "kalvora-cli", schalter[] = "-platform", platform[] = "offscreen";
    static char* argv[] = {name, schalter, platform, nullptr};
    // Never destroyed: the canvas keeps fonts for the whole run, and they must not outlive it.
    new QGuiApplication(argc, argv);
}

// Earlier versions printed into "<ziel>.kalvora-XXXXXX" beside the target and renamed it;
// a killed run left that file behind. The next run of the same target clears them.
void AlteResteEntfernen(const std::string& ziel) {
    const fs::path p(ziel);
    const std::string ordner = p.has_parent_path() ? p.parent_path().string() : ".";
    const std::string vorsilbe = p.filename().string() + ".kalvora-";
    DIR* d = opendir(ordner.c_str());
    if (!d) return;
    std::vector<std::string> reste;
    while (const dirent* e = readdir(d)) {
        const std::string name = e->d_name;
        if (name.size() != vorsilbe.size() + 6 || name.compare(0, vorsilbe.size(), vorsilbe))
            continue;
        bool muster = true;
        for (std::size_t i = vorsilbe.size(); i < name.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(name[i]);
            muster = muster && (std::isalnum(c) != 0);
        }
        if (muster) reste.push_back(ordner + "/" + name);
    }
    closedir(d);
    for (const std::string& rest : reste) {
        struct stat st {};
        // Only a plain file of this user, never what a link points to.
        if (lstat(rest.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid())
            unlink(rest.c_str());
    }
}

// A file without a name in any folder: nothing of it can outlive the process.
class UnbenannteDatei {
public:
    UnbenannteDatei() {
        fd_ = memfd_create("kalvora-pdf", MFD_CLOEXEC);
#ifdef O_TMPFILE
        if (fd_ < 0) {
            const char* tmp = std::getenv("TMPDIR");
            fd_ = open(tmp && *tmp ? tmp : "/tmp", O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        }
#endif
        if (fd_ < 0)
            throw KalvoraFehler("Für die PDF-Datei kann keine Zwischendatei angelegt werden.");
    }
    ~UnbenannteDatei() { close(fd_); }
    UnbenannteDatei(const UnbenannteDatei&) = delete;
    UnbenannteDatei& operator=(const UnbenannteDatei&) = delete;

    // The name under which the printer opens the same file.
    std::string Pfad() const { return "/proc/self/fd/" + std::to_string(fd_); }

    std::string Inhalt() const {
        std::string inhalt;
        char puffer[65536];
        for (off_t stelle = 0;;) {
            const ssize_t n = pread(fd_, puffer, sizeof puffer, stelle);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return {};
            if (n == 0) return inhalt;
            inhalt.append(puffer, static_cast<std::size_t>(n));
            stelle += n;
        }
    }

private:
    int fd_ = -1;
};

}  // namespace

int PdfDrucken(const std::string& ziel, const Pdfvorgaben& vorgaben,
               const std::function<int(Drucker&)>& auftrag) {
    AnwendungBereitstellen();
    AlteResteEntfernen(ziel);
    UnbenannteDatei zwischen;
    int ergebnis = 0;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(zwischen.Pfad()));
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
    const std::string pdf = zwischen.Inhalt();
    if (pdf.empty())
        throw KalvoraFehler("Die Datei \"" + ziel + "\" kann nicht geschrieben werden.");
    DateiAtomarSchreiben(ziel, pdf);
    return ergebnis;
}

}  // namespace kalvora::cli
