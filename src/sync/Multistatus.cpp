#include "sync/Multistatus.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cctype>
#include <climits>
#include <memory>

#include "methoden/Fehler.h"

namespace kalvora {
namespace {

std::string Getrimmt(const std::string& s) {
    const auto ist = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    std::size_t a = 0, e = s.size();
    while (a < e && ist(s[a])) ++a;
    while (e > a && ist(s[e - 1])) --e;
    return s.substr(a, e - a);
}

std::string Zk(const xmlChar* s) { return s ? reinterpret_cast<const char*>(s) : ""; }

bool Ist(const xmlNode* k, const char* ns, const char* name) {
    return k->type == XML_ELEMENT_NODE && k->ns && Zk(k->ns->href) == ns &&
           Zk(k->name) == name;
}

std::string Inhalt(const xmlNode* k) {
    xmlChar* t = xmlNodeGetContent(k);
    std::string s = Getrimmt(Zk(t));
    xmlFree(t);
    return s;
}

void HrefsSammeln(const xmlNode* k, std::vector<std::string>& ziel) {
    for (const xmlNode* c = k->children; c; c = c->next) {
        if (Ist(c, kDavNs, "href")) ziel.push_back(Inhalt(c));
        else if (c->type == XML_ELEMENT_NODE) HrefsSammeln(c, ziel);
    }
}

DavEigenschaft EigenschaftLesen(const xmlNode* k) {
    DavEigenschaft e;
    e.text = Inhalt(k);
    HrefsSammeln(k, e.hrefs);
    for (const xmlNode* c = k->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE) continue;
        DavElement d{c->ns ? Zk(c->ns->href) : "", Zk(c->name), {}};
        if (xmlChar* n = xmlGetNoNsProp(c, BAD_CAST "name")) {
            d.nameAttribut = Zk(n);
            xmlFree(n);
        }
        e.kinder.push_back(std::move(d));
    }
    return e;
}

DavAntwort AntwortLesen(const xmlNode* r) {
    DavAntwort a;
    for (const xmlNode* c = r->children; c; c = c->next) {
        if (Ist(c, kDavNs, "href") && a.href.empty()) {
            a.href = Inhalt(c);
        } else if (Ist(c, kDavNs, "status")) {
            a.status = StatuszeileLesen(Inhalt(c));
        } else if (Ist(c, kDavNs, "propstat")) {
            int status = 0;
            const xmlNode* prop = nullptr;
            for (const xmlNode* p = c->children; p; p = p->next) {
                if (Ist(p, kDavNs, "status")) status = StatuszeileLesen(Inhalt(p));
                else if (Ist(p, kDavNs, "prop")) prop = p;
            }
            if (!prop || status < 200 || status > 299) continue;
            for (const xmlNode* e = prop->children; e; e = e->next) {
                if (e->type != XML_ELEMENT_NODE) continue;
                a.eigenschaften[DavSchluessel(e->ns ? Zk(e->ns->href) : "", Zk(e->name))] =
                    EigenschaftLesen(e);
            }
        }
    }
    return a;
}

[[noreturn]] void Ungueltig(const std::string& grund) {
    throw KalvoraFehler("Die Antwort des Servers ist kein gültiges XML (" + grund + ").");
}

}  // namespace

bool DavEigenschaft::Hat(const std::string& ns, const std::string& name) const {
    for (const auto& k : kinder)
        if (k.ns == ns && k.name == name) return true;
    return false;
}

const DavEigenschaft* DavAntwort::Eigenschaft(const std::string& ns,
                                              const std::string& name) const {
    const auto e = eigenschaften.find(DavSchluessel(ns, name));
    return e == eigenschaften.end() ? nullptr : &e->second;
}

std::string DavAntwort::Text(const std::string& ns, const std::string& name) const {
    const auto* e = Eigenschaft(ns, name);
    return e ? e->text : std::string();
}

std::string DavSchluessel(const std::string& ns, const std::string& name) {
    return ns + " " + name;
}

int StatuszeileLesen(const std::string& zeile) {
    const auto leer = zeile.find(' ');
    if (!zeile.starts_with("HTTP/") || leer == std::string::npos) return 0;
    int status = 0;
    std::size_t i = leer + 1, ziffern = 0;
    for (; i < zeile.size() && std::isdigit(static_cast<unsigned char>(zeile[i])); ++i) {
        status = status * 10 + (zeile[i] - '0');
        ++ziffern;
    }
    return ziffern == 3 ? status : 0;
}

Multistatus MultistatusLesen(const std::string& inhalt) {
    if (inhalt.size() > static_cast<std::size_t>(INT_MAX)) Ungueltig("zu groß");
    // No entity substitution, no DTD, no network: the document stays what its bytes say.
    const int optionen = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                         XML_PARSE_NOCDATA;
    std::unique_ptr<xmlDoc, void (*)(xmlDoc*)> doc(
        xmlReadMemory(inhalt.data(), static_cast<int>(inhalt.size()), "antwort.xml", nullptr,
                      optionen),
        &xmlFreeDoc);
    if (!doc) {
        const xmlError* f = xmlGetLastError();
        std::string grund = f && f->message ? Getrimmt(f->message) : "nicht lesbar";
        if (f && f->line > 0) grund = "Zeile " + std::to_string(f->line) + ": " + grund;
        Ungueltig(grund);
    }
    if (doc->intSubset || doc->extSubset) Ungueltig("mit Dokumenttyp-Deklaration");
    const xmlNode* wurzel = xmlDocGetRootElement(doc.get());
    if (!wurzel || !Ist(wurzel, kDavNs, "multistatus")) Ungueltig("kein multistatus");
    Multistatus m;
    for (const xmlNode* c = wurzel->children; c; c = c->next) {
        if (Ist(c, kDavNs, "response")) m.antworten.push_back(AntwortLesen(c));
        else if (Ist(c, kDavNs, "sync-token")) m.syncToken = Inhalt(c);
    }
    return m;
}

}  // namespace kalvora
