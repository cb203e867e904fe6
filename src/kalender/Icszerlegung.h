#pragma once
// An .ics text read by libical's own parser, but one component at a time instead of as one
// tree: the children of each top-level component (the events of a VCALENDAR) are parsed by a
// parser of their own and handed out as soon as they are complete, so that a large file
// never stands in memory as a whole tree. Which line opens or closes a component is decided
// by libical as well, so the pieces are the ones its parser would have built.
#include <libical/ical.h>

#include <cstddef>
#include <memory>
#include <string_view>

namespace kalvora {

struct Komponentenloescher {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Komponente = std::unique_ptr<icalcomponent, Komponentenloescher>;

class Icszerlegung {
public:
    // The lines a child gets: all of them, only those that open or close components (enough
    // to know its kind and where it ends), or these and UID, RECURRENCE-ID and SEQUENCE.
    enum class Zeilenwahl { Alle, Gerippe, Kennung };

    class Empfaenger {
    public:
        virtual ~Empfaenger() = default;
        // A top-level component begins; nummer counts them from 0 in file order.
        virtual void ObenBeginnt(int nummer, icalcomponent_kind art) = 0;
        virtual Zeilenwahl ZeilenFuer(icalcomponent_kind art) = 0;
        // A child of top-level component nummer is complete.
        virtual void Kind(int nummer, Komponente kind) = 0;
        // A top-level component is complete, without the children handed out before.
        virtual void ObenFertig(int nummer, Komponente oben) = 0;
        // After each child and every few thousand lines, with the bytes read so far; the
        // place to report progress and to stop (by throwing) outside libical's own calls.
        virtual void Zwischendurch(std::size_t gelesen) = 0;
    };

    // Reads the whole text. Returns how many END lines stood outside every component
    // (libical passes over them).
    static int Zerlegen(std::string_view text, Empfaenger& empfaenger);
};

}  // namespace kalvora
