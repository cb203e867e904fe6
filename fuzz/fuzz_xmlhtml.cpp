// The browser output on any export and style sheet: the input is the XML file, optionally
// followed by a NUL byte and the style sheet "kalvora.xsl" beside it. Whatever the two hold,
// the transformation reads only files of their folder, writes nothing there, and gives either
// a page or a German message.
#include <dirent.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "kalender/XmlHtml.h"

namespace {

const std::string& Ordner() {
    static const std::string ordner = [] {
        std::string muster = "/tmp/fuzz-xmlhtml-XXXXXX";
        if (!mkdtemp(muster.data())) std::abort();
        return muster;
    }();
    return ordner;
}

void Schreiben(const std::string& pfad, std::string_view inhalt) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
}

int Dateien(const std::string& ordner) {
    int n = 0;
    DIR* d = opendir(ordner.c_str());
    if (!d) std::abort();
    while (const dirent* e = readdir(d))
        if (e->d_name[0] != '.') ++n;
    closedir(d);
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
    const std::size_t trenner = eingabe.find('\0');
    const std::string xml = Ordner() + "/export.xml", xsl = Ordner() + "/kalvora.xsl";
    Schreiben(xml, eingabe.substr(0, trenner));
    if (trenner != std::string_view::npos)
        Schreiben(xsl, eingabe.substr(trenner + 1));
    else
        unlink(xsl.c_str());
    const kalvora::Htmlergebnis e = kalvora::XmlNachHtml(xml);
    if (!e.ok && e.fehler.empty()) std::abort();
    for (const std::string& pfad : e.gelesen)
        if (pfad != xml && pfad != xsl) std::abort();  // nothing outside the export's folder
    if (Dateien(Ordner()) > 2) std::abort();            // and nothing written into it
    return 0;
}
