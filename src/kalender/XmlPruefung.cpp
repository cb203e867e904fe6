#include "kalender/XmlPruefung.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <climits>
#include <memory>

namespace kalvora {

bool XmlWohlgeformt(std::string_view bytes, std::string* fehler) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        if (fehler) *fehler = "Die Daten sind für den XML-Leser zu groß.";
        return false;
    }
    struct Kontextloescher {
        void operator()(xmlParserCtxt* k) const { xmlFreeParserCtxt(k); }
    };
    std::unique_ptr<xmlParserCtxt, Kontextloescher> kontext(xmlNewParserCtxt());
    if (!kontext) {
        if (fehler) *fehler = "Der XML-Leser kann nicht beginnen.";
        return false;
    }
    // No DTD is loaded and no entity replaced, so nothing but the bytes is ever read.
    xmlDocPtr dok = xmlCtxtReadMemory(kontext.get(), bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, nullptr,
                                      XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    const bool ok = dok != nullptr && kontext->wellFormed;
    if (dok) xmlFreeDoc(dok);
    if (!ok && fehler) {
        const xmlError* e = xmlCtxtGetLastError(kontext.get());
        *fehler = e && e->message ? "Zeile " + std::to_string(e->line) + ": " + e->message
                                  : std::string("nicht wohlgeformt");
        while (!fehler->empty() && fehler->back() == '\n') fehler->pop_back();
    }
    return ok;
}

}  // namespace kalvora
