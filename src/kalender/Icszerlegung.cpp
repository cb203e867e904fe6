#include "kalender/Icszerlegung.h"

#include <strings.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace kalvora {
namespace {

struct Parserloescher {
    void operator()(icalparser* p) const { icalparser_free(p); }
};
using Parser = std::unique_ptr<icalparser, Parserloescher>;

struct Zeilenloescher {
    void operator()(char* z) const { icalmemory_free_buffer(z); }
};
using Zeile = std::unique_ptr<char, Zeilenloescher>;

struct Quelle {
    std::string_view text;
    std::size_t pos = 0;
};

// Hands the text to libical line by line, as its own string reader does.
char* ZeileGeben(char* ziel, std::size_t groesse, void* daten) {
    auto& q = *static_cast<Quelle*>(daten);
    if (q.pos >= q.text.size() || groesse < 2) return nullptr;
    std::size_t n = std::min(groesse - 1, q.text.size() - q.pos);
    const std::size_t ende = q.text.find('\n', q.pos);
    if (ende != std::string_view::npos && ende - q.pos + 1 < n) n = ende - q.pos + 1;
    std::memcpy(ziel, q.text.data() + q.pos, n);
    ziel[n] = '\0';
    q.pos += n;
    return ziel;
}

bool Beginnt(const char* zeile, const char* wort) {
    return strncasecmp(zeile, wort, std::strlen(wort)) == 0;
}

// libical takes a line's name up to its first ';' or ':', so only a line that starts with
// BEGIN or END can open or close a component.
bool Rahmenzeile(const char* zeile) { return Beginnt(zeile, "BEGIN") || Beginnt(zeile, "END"); }

enum class Zeilenart { Sonstige, Beginn, Ende };

// What libical's parser makes of a line: a parser of its own with a component open reads
// it (so that an END says nothing on stderr), and a component it opens is closed again to
// learn its kind.
Zeilenart Einordnen(const char* zeile, icalcomponent_kind& art) {
    if (!Rahmenzeile(zeile)) return Zeilenart::Sonstige;
    Parser p(icalparser_new());
    char oeffnen[] = "BEGIN:VCALENDAR";
    char schliessen[] = "END:VCALENDAR";
    icalparser_add_line(p.get(), oeffnen);
    std::string kopie(zeile);
    if (Komponente aussen{icalparser_add_line(p.get(), kopie.data())}) return Zeilenart::Ende;
    if (icalparser_get_state(p.get()) != ICALPARSER_BEGIN_COMP) return Zeilenart::Sonstige;
    icalparser_add_line(p.get(), schliessen);
    const Komponente aussen(icalparser_add_line(p.get(), schliessen));
    icalcomponent* innen =
        aussen ? icalcomponent_get_first_component(aussen.get(), ICAL_ANY_COMPONENT) : nullptr;
    art = innen ? icalcomponent_isa(innen) : ICAL_NO_COMPONENT;
    return Zeilenart::Beginn;
}

bool Gewaehlt(const char* zeile, Icszerlegung::Zeilenwahl wahl) {
    using W = Icszerlegung::Zeilenwahl;
    if (wahl == W::Alle || Rahmenzeile(zeile)) return true;
    return wahl == W::Kennung && (Beginnt(zeile, "UID") || Beginnt(zeile, "RECURRENCE-ID") ||
                                  Beginnt(zeile, "SEQUENCE"));
}

}  // namespace

int Icszerlegung::Zerlegen(std::string_view text, Empfaenger& empfaenger) {
    Quelle quelle{text, 0};
    // One parser only reads the lines (its buffer holds the line read ahead to find folded
    // ones); the components are built by the parsers of the top-level component and of its
    // child, each from the lines that belong to it.
    Parser leser(icalparser_new());
    icalparser_set_gen_data(leser.get(), &quelle);
    Parser oben, kind;
    int tiefe = 0, nummer = -1, ohneBeginn = 0;
    Zeilenwahl wahl = Zeilenwahl::Alle;
    std::size_t zeilen = 0;
    for (Zeile z(icalparser_get_line(leser.get(), ZeileGeben)); z;
         z.reset(icalparser_get_line(leser.get(), ZeileGeben))) {
        if ((++zeilen & 4095) == 0) empfaenger.Zwischendurch(quelle.pos);
        char* s = z.get();
        icalcomponent_kind art = ICAL_NO_COMPONENT;
        if (tiefe == 0) {
            const Zeilenart a = Einordnen(s, art);
            if (a == Zeilenart::Ende) ++ohneBeginn;
            if (a != Zeilenart::Beginn) continue;
            oben.reset(icalparser_new());
            icalparser_add_line(oben.get(), s);
            tiefe = 1;
            empfaenger.ObenBeginnt(++nummer, art);
        } else if (tiefe == 1) {
            if (Einordnen(s, art) == Zeilenart::Beginn) {
                kind.reset(icalparser_new());
                icalparser_add_line(kind.get(), s);
                wahl = empfaenger.ZeilenFuer(art);
                tiefe = 2;
                continue;
            }
            if (Komponente c{icalparser_add_line(oben.get(), s)}) {
                oben.reset();
                tiefe = 0;
                empfaenger.ObenFertig(nummer, std::move(c));
            }
        } else if (Gewaehlt(s, wahl)) {
            if (Komponente c{icalparser_add_line(kind.get(), s)}) {
                kind.reset();
                tiefe = 1;
                empfaenger.Kind(nummer, std::move(c));
                empfaenger.Zwischendurch(quelle.pos);
            }
        }
    }
    // A component still open at the end is dropped, as libical's parser drops it.
    empfaenger.Zwischendurch(quelle.pos);
    return ohneBeginn;
}

}  // namespace kalvora
