#pragma once
// Dialogs that hand every question to a target that can be swapped, so that a test can put
// in new scripted answers while the program keeps its reference to its dialogs.
#include "platform/Dialoge.h"

namespace kalvora::test {

class Dialogweiche : public Dialoge {
public:
    explicit Dialogweiche(Dialoge& ziel) : ziel_(&ziel) {}
    void ZielSetzen(Dialoge& ziel) { ziel_ = &ziel; }

    Antwort Meldung(const std::string& text, Meldungsart art, Knoepfe knoepfe,
                    const std::string& titel) override {
        return ziel_->Meldung(text, art, knoepfe, titel);
    }
    std::optional<std::string> Eingabe(const std::string& titel, const std::string& a,
                                       const std::string& vorgabe) override {
        return ziel_->Eingabe(titel, a, vorgabe);
    }
    std::optional<Dateiwahl> DateiOeffnen(const Dateidialog& d) override {
        return ziel_->DateiOeffnen(d);
    }
    std::optional<std::string> DateiSpeichern(const Dateidialog& d) override {
        return ziel_->DateiSpeichern(d);
    }
    std::optional<std::string> OrdnerWaehlen(const std::string& titel,
                                             const std::string& vorgabe) override {
        return ziel_->OrdnerWaehlen(titel, vorgabe);
    }
    std::optional<uint32_t> Farbe(uint32_t vorgabe, const std::vector<uint32_t>& e) override {
        return ziel_->Farbe(vorgabe, e);
    }
    std::optional<Schrift> Schriftart(const Schrift& vorgabe) override {
        return ziel_->Schriftart(vorgabe);
    }

private:
    Dialoge* ziel_;
};

}  // namespace kalvora::test
