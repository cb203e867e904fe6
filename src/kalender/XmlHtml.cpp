#include "kalender/XmlHtml.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>
#include <libxml/uri.h>
#include <libxml/xmlerror.h>
#include <libxml/xmlversion.h>
#include <libxslt/documents.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <system_error>

#include "methoden/Dateilesen.h"

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
    if (f->file != nullptr) {
        // Files are named by their URI (blanks as %20); the message names the path.
        char* klar = xmlURIUnescapeString(f->file, 0, nullptr);
        zeile = std::string(klar ? klar : f->file) + ":";
        xmlFree(klar);
    }
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

// The libraries' own lines, or, when a file was refused, the German reason and ersatz.
Htmlergebnis Fehlschlag(Meldungen& m, const std::string& ersatz,
                        const Meldungen& verweigert = {}) {
    Htmlergebnis e;
    while (!m.text.empty() && m.text.back() == '\n') m.text.pop_back();
    e.fehler = !verweigert.text.empty() ? verweigert.text + "\n" + ersatz
               : m.text.empty()        ? ersatz
                                       : m.text;
    return e;
}

namespace fs = std::filesystem;

// What one transformation may read: files in the export's folder, nothing else.
struct Leserahmen {
    fs::path ordner;  // canonical
    Meldungen eigene;  // why something was not read, in German
    std::vector<std::string> gelesen;

    void Verweigert(const std::string& zeile) {
        if (eigene.text.find(zeile) == std::string::npos) eigene.Anfuegen(zeile);
    }
};

// The one transformation running on this thread (libxml2's hooks are global functions).
thread_local Leserahmen* laufend = nullptr;

// The local file an address names when it lies in the export's folder (a link is followed
// and must stay there as well); empty for anything else: another folder, a network address,
// any scheme but "file".
std::string ErlaubteDatei(const std::string& adresse) {
    if (!laufend || adresse.empty()) return {};
    std::string pfad = adresse;
    if (pfad.rfind("file://", 0) == 0) {
        pfad.erase(0, 7);
        if (pfad.empty() || pfad[0] != '/') return {};  // a host: not this machine's file
    }
    // "c:" would be a drive on Windows, but here every "x:" before the first '/' is a scheme.
    const std::size_t doppelpunkt = pfad.find(':'), strich = pfad.find('/');
    if (doppelpunkt != std::string::npos && (strich == std::string::npos || doppelpunkt < strich))
        return {};
    if (pfad.find('%') != std::string::npos) {
        char* klar = xmlURIUnescapeString(pfad.c_str(), 0, nullptr);
        if (!klar) return {};
        pfad = klar;
        xmlFree(klar);
    }
    std::error_code f;
    const fs::path echt = fs::weakly_canonical(fs::absolute(pfad, f), f);
    if (f || echt.parent_path() != laufend->ordner) return {};
    return echt.string();
}

// Reads a file beside the export through the program's safe reader and parses it without
// entity expansion, DTD loading or network; nullptr with a German message otherwise.
xmlDocPtr SicherLesen(const std::string& adresse, xmlDictPtr dict, int optionen) {
    if (!laufend) return nullptr;
    const std::string pfad = ErlaubteDatei(adresse);
    if (pfad.empty()) {
        laufend->Verweigert("\"" + adresse +
                            "\" liegt nicht im Ordner der Datei und wird nicht gelesen.");
        return nullptr;
    }
    std::string inhalt;
    try {
        inhalt = DateiEinlesen(pfad);
    } catch (const std::exception& f) {
        laufend->Verweigert(f.what());
        return nullptr;
    }
    laufend->gelesen.push_back(pfad);
    optionen &= ~(XML_PARSE_NOENT | XML_PARSE_DTDLOAD | XML_PARSE_DTDATTR | XML_PARSE_DTDVALID |
                  XML_PARSE_XINCLUDE);
    optionen |= XML_PARSE_NONET;
    xmlParserCtxtPtr kontext = xmlNewParserCtxt();
    if (!kontext) return nullptr;
    // Style sheets share the dictionary of the one that loads them, as libxslt expects.
    if (dict) {
        if (kontext->dict) xmlDictFree(kontext->dict);
        kontext->dict = dict;
        xmlDictReference(dict);
    }
    xmlDocPtr dok = xmlCtxtReadMemory(kontext, inhalt.data(), static_cast<int>(inhalt.size()),
                                      adresse.c_str(), nullptr, optionen);
    xmlFreeParserCtxt(kontext);
    return dok;
}

// libxslt's loader for style sheets, imports and document().
xmlDocPtr Laden(const xmlChar* adresse, xmlDictPtr dict, int optionen, void*, xsltLoadType) {
    if (!adresse) return nullptr;
    return SicherLesen(reinterpret_cast<const char*>(adresse), dict, optionen);
}

// libxml2's loader of external entities and DTDs: nothing outside is ever fetched.
xmlParserInputPtr KeinExternes(const char* adresse, const char*, xmlParserCtxtPtr) {
    if (laufend)
        laufend->Verweigert("Der externe Verweis \"" + std::string(adresse ? adresse : "") +
                            "\" wird nicht gelesen.");
    return nullptr;
}

// The read rule of the security preferences: the same folder rule as the loader.
int LesenErlaubt(xsltSecurityPrefsPtr, xsltTransformContextPtr, const char* wert) {
    if (wert && !ErlaubteDatei(wert).empty()) return 1;
    if (laufend)
        laufend->Verweigert("\"" + std::string(wert ? wert : "") +
                            "\" liegt nicht im Ordner der Datei und wird nicht gelesen.");
    return 0;
}

// Nothing is read from or written to the network, nor written to files or folders.
int NetzLesenVerboten(xsltSecurityPrefsPtr, xsltTransformContextPtr, const char* wert) {
    if (laufend)
        laufend->Verweigert("\"" + std::string(wert ? wert : "") +
                            "\" liegt im Netz und wird nicht gelesen.");
    return 0;
}

// Installs the loaders and the default security preferences for one call and restores the
// previous ones afterwards.
class Leseschutz {
public:
    Leseschutz(Leserahmen& rahmen, xsltSecurityPrefsPtr regeln)
        : vorher_(laufend),
          entitaeten_(xmlGetExternalEntityLoader()),
          regeln_(xsltGetDefaultSecurityPrefs()) {
        laufend = &rahmen;
        xmlSetExternalEntityLoader(&KeinExternes);
        xsltSetLoaderFunc(&Laden);
        xsltSetDefaultSecurityPrefs(regeln);
    }
    ~Leseschutz() {
        xsltSetDefaultSecurityPrefs(regeln_);
        xsltSetLoaderFunc(nullptr);
        xmlSetExternalEntityLoader(entitaeten_);
        laufend = vorher_;
    }
    Leseschutz(const Leseschutz&) = delete;
    Leseschutz& operator=(const Leseschutz&) = delete;

private:
    Leserahmen* vorher_;
    xmlExternalEntityLoader entitaeten_;
    xsltSecurityPrefsPtr regeln_;
};

}  // namespace

Htmlergebnis XmlNachHtml(const std::string& xmlpfad) {
    Meldungen m;
    Fehlerfang fang(m);
    Leserahmen rahmen;
    std::error_code f;
    rahmen.ordner = fs::weakly_canonical(fs::absolute(xmlpfad, f), f).parent_path();
    std::unique_ptr<xsltSecurityPrefs, RegelLoescher> regeln(xsltNewSecurityPrefs());
    for (xsltSecurityOption o : {XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY,
                                 XSLT_SECPREF_WRITE_NETWORK})
        xsltSetSecurityPrefs(regeln.get(), o, xsltSecurityForbid);
    xsltSetSecurityPrefs(regeln.get(), XSLT_SECPREF_READ_NETWORK, &NetzLesenVerboten);
    xsltSetSecurityPrefs(regeln.get(), XSLT_SECPREF_READ_FILE, &LesenErlaubt);
    Leseschutz schutz(rahmen, regeln.get());

    // The export itself by the same safe way; a file that cannot be read says why.
    std::string inhalt;
    try {
        inhalt = DateiEinlesen(xmlpfad);
    } catch (const std::exception& e) {
        Htmlergebnis ergebnis;
        ergebnis.fehler = e.what();
        return ergebnis;
    }
    rahmen.gelesen.push_back(xmlpfad);
    // The document's address is its absolute path as a URI, so that the style sheet named
    // beside it is found from any working folder and in folders with blanks in their names.
    const std::string absolut = fs::absolute(xmlpfad, f).string();
    xmlChar* adresse = xmlPathToURI(reinterpret_cast<const xmlChar*>(absolut.c_str()));
    std::unique_ptr<xmlDoc, DokLoescher> dok(xmlReadMemory(
        inhalt.data(), static_cast<int>(inhalt.size()),
        adresse ? reinterpret_cast<const char*>(adresse) : absolut.c_str(), nullptr,
        XML_PARSE_NONET | XML_PARSE_NOCDATA));
    xmlFree(adresse);
    if (!dok)
        return Fehlschlag(m, xmlpfad + ": Die Datei kann nicht gelesen werden.", rahmen.eigene);

    // The style sheet takes ownership of nothing here: xsltLoadStylesheetPI parses its own
    // copy of the referenced file, through the loader above.
    std::unique_ptr<xsltStylesheet, StilLoescher> stil(xsltLoadStylesheetPI(dok.get()));
    if (!stil)
        return Fehlschlag(m, xmlpfad + ": Die Datei nennt kein lesbares Stylesheet.",
                          rahmen.eigene);

    std::unique_ptr<xsltTransformContext, KontextLoescher> kontext(
        xsltNewTransformContext(stil.get(), dok.get()));
    if (!kontext || xsltSetCtxtSecurityPrefs(regeln.get(), kontext.get()) != 0)
        return Fehlschlag(m, "Die Umwandlung kann nicht beginnen.");
    std::unique_ptr<xmlDoc, DokLoescher> ergebnis(xsltApplyStylesheetUser(
        stil.get(), dok.get(), nullptr, nullptr, nullptr, kontext.get()));
    if (!ergebnis || kontext->state != XSLT_STATE_OK)
        return Fehlschlag(m, xmlpfad + ": Die Umwandlung ist fehlgeschlagen.", rahmen.eigene);

    xmlChar* bytes = nullptr;
    int laenge = 0;
    if (xsltSaveResultToString(&bytes, &laenge, ergebnis.get(), stil.get()) != 0)
        return Fehlschlag(m, "Die Seite kann nicht erzeugt werden.");
    Htmlergebnis e;
    e.ok = true;
    e.gelesen = std::move(rahmen.gelesen);
    if (bytes != nullptr) e.html.assign(reinterpret_cast<const char*>(bytes),
                                        static_cast<std::size_t>(laenge));
    xmlFree(bytes);
    return e;
}

}  // namespace kalvora
