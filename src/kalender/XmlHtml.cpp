#include "kalender/XmlHtml.h"

#include <libxml/parser.h>
#include <libxml/xmlversion.h>
#include <libxml/xmlerror.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <memory>

namespace kalvora {
namespace {

// Collects the messages libxml2 and libxslt report while one transformation runs.
struct Meldungen {
    std::string text;

    void Anfuegen(std::string zeile) {
        while (!zeile.empty() && (zeile.back() == '\n' || zeile.back() == ' ')) zeile.pop_back();
        if (zeile.empty()) return;
        if (!text.empty()) text += "\n";
        text += zeile;
    }
};

#if LIBXML_VERSION >= 21200
using Fehlerzeiger = const xmlError*;
#else
using Fehlerzeiger = xmlError*;
#endif

void Strukturiert(void* ziel, Fehlerzeiger f) {
    if (f == nullptr || f->level == XML_ERR_WARNING) return;
    std::string zeile;
    if (f->file != nullptr) zeile = std::string(f->file) + ":";
    if (f->line > 0) zeile += std::to_string(f->line) + ":";
    if (!zeile.empty()) zeile += " ";
    zeile += f->message != nullptr ? f->message : "unbekannter Fehler";
    static_cast<Meldungen*>(ziel)->Anfuegen(std::move(zeile));
}

void Frei(void* ziel, const char* format, ...) {
    char puffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(puffer, sizeof puffer, format, args);
    va_end(args);
    // libxslt reports a message in pieces; whole lines are kept apart.
    auto& m = *static_cast<Meldungen*>(ziel);
    m.text += puffer;
}

// Sets the handlers for the time of one call and restores the defaults afterwards.
class Fehlerfang {
public:
    explicit Fehlerfang(Meldungen& m) {
        xmlSetStructuredErrorFunc(&m, &Strukturiert);
        xsltSetGenericErrorFunc(&m, &Frei);
    }
    ~Fehlerfang() {
        xmlSetStructuredErrorFunc(nullptr, nullptr);
        xsltSetGenericErrorFunc(nullptr, nullptr);
    }
    Fehlerfang(const Fehlerfang&) = delete;
    Fehlerfang& operator=(const Fehlerfang&) = delete;
};

struct DokLoescher {
    void operator()(xmlDoc* d) const { xmlFreeDoc(d); }
};
struct StilLoescher {
    void operator()(xsltStylesheet* s) const { xsltFreeStylesheet(s); }
};
struct KontextLoescher {
    void operator()(xsltTransformContext* k) const { xsltFreeTransformContext(k); }
};
struct RegelLoescher {
    void operator()(xsltSecurityPrefs* r) const { xsltFreeSecurityPrefs(r); }
};

Htmlergebnis Fehlschlag(Meldungen& m, const std::string& ersatz) {
    Htmlergebnis e;
    while (!m.text.empty() && m.text.back() == '\n') m.text.pop_back();
    e.fehler = m.text.empty() ? ersatz : m.text;
    return e;
}

}  // namespace

Htmlergebnis XmlNachHtml(const std::string& xmlpfad) {
    Meldungen m;
    Fehlerfang fang(m);
    std::unique_ptr<xmlDoc, DokLoescher> dok(
        xmlReadFile(xmlpfad.c_str(), nullptr, XML_PARSE_NONET | XML_PARSE_NOCDATA));
    if (!dok) return Fehlschlag(m, xmlpfad + ": Die Datei kann nicht gelesen werden.");

    // The style sheet takes ownership of nothing here: xsltLoadStylesheetPI parses its own
    // copy of the referenced file.
    std::unique_ptr<xsltStylesheet, StilLoescher> stil(xsltLoadStylesheetPI(dok.get()));
    if (!stil) return Fehlschlag(m, xmlpfad + ": Die Datei nennt kein lesbares Stylesheet.");

    std::unique_ptr<xsltSecurityPrefs, RegelLoescher> regeln(xsltNewSecurityPrefs());
    for (xsltSecurityOption o : {XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
                                 XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK})
        xsltSetSecurityPrefs(regeln.get(), o, xsltSecurityForbid);
    std::unique_ptr<xsltTransformContext, KontextLoescher> kontext(
        xsltNewTransformContext(stil.get(), dok.get()));
    if (!kontext || xsltSetCtxtSecurityPrefs(regeln.get(), kontext.get()) != 0)
        return Fehlschlag(m, "Die Umwandlung kann nicht beginnen.");
    std::unique_ptr<xmlDoc, DokLoescher> ergebnis(xsltApplyStylesheetUser(
        stil.get(), dok.get(), nullptr, nullptr, nullptr, kontext.get()));
    if (!ergebnis || kontext->state != XSLT_STATE_OK)
        return Fehlschlag(m, xmlpfad + ": Die Umwandlung ist fehlgeschlagen.");

    xmlChar* bytes = nullptr;
    int laenge = 0;
    if (xsltSaveResultToString(&bytes, &laenge, ergebnis.get(), stil.get()) != 0)
        return Fehlschlag(m, "Die Seite kann nicht erzeugt werden.");
    Htmlergebnis e;
    e.ok = true;
    if (bytes != nullptr) e.html.assign(reinterpret_cast<const char*>(bytes),
                                        static_cast<std::size_t>(laenge));
    xmlFree(bytes);
    return e;
}

}  // namespace kalvora
