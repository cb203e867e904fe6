#pragma once
// What a window or a part of the program learns of the document without anyone poking it: it
// registers a Dokumentbeobachter with the document and is told of every change. Every event
// has an empty default, so a subscriber overrides only what it shows.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "methoden/Methoden.h"

namespace kalvora {

class Dokumentbeobachter {
public:
    virtual ~Dokumentbeobachter() = default;
    // A day's colours or appointments changed.
    virtual void TagGeaendert(const Datum&) {}
    // The whole document was replaced: "Neu", a load, an automatic refresh.
    virtual void DokumentErsetzt() {}
    // A named colour got a new value: every use of alt is now neu.
    virtual void FarbwertErsetzt(uint32_t /*alt*/, uint32_t /*neu*/) {}
    // A name or value of the colour table changed.
    virtual void FarbtabelleGeaendert() {}
    // The birthday list changed (an entry added, changed or removed, or its order).
    virtual void GeburtstageGeaendert() {}
    // The modified flag was set or cleared.
    virtual void GeaendertUmgeschaltet(bool /*geaendert*/) {}
    // The settings were read again or changed by a dialog.
    virtual void EinstellungenGeaendert() {}
    // The selected day moved.
    virtual void AuswahlGeaendert(const Datum&) {}
};

// The subscribers of one document. Not copied with the document: a copy has its own.
class Beobachterliste {
public:
    Beobachterliste() = default;
    Beobachterliste(const Beobachterliste&) {}
    Beobachterliste& operator=(const Beobachterliste&) { return *this; }

    void Anmelden(Dokumentbeobachter& b) {
        if (std::find(liste_.begin(), liste_.end(), &b) == liste_.end()) liste_.push_back(&b);
    }
    void Abmelden(Dokumentbeobachter& b) { std::erase(liste_, &b); }

    // Tells every subscriber in the order they registered; one that registers or leaves
    // while being told does not disturb the round.
    template <class Ereignis>
    void Melden(Ereignis ereignis) const {
        const std::vector<Dokumentbeobachter*> runde = liste_;
        for (Dokumentbeobachter* b : runde)
            if (std::find(liste_.begin(), liste_.end(), b) != liste_.end()) ereignis(*b);
    }
    std::size_t Anzahl() const { return liste_.size(); }

private:
    std::vector<Dokumentbeobachter*> liste_;
};

}  // namespace kalvora
