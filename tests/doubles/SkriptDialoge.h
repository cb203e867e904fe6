#pragma once
// Dialogs whose answers a test queues in advance; every box shown is recorded.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialoge.h"

namespace kalvora::test {

struct GezeigteMeldung {
    std::string text;
    Meldungsart art = Meldungsart::Keine;
    Knoepfe knoepfe = Knoepfe::Ok;
    std::string titel;
};

// A box with only OK is answered Ok without using a queued answer; any other question
// without a queued answer throws std::logic_error naming the text, so an unexpected question
// fails the test loudly.
// The same holds for the other dialogs: an empty queue throws.
class SkriptDialoge : public Dialoge {
public:
    std::deque<Antwort> antworten;
    std::deque<std::optional<std::string>> eingaben;
    std::deque<std::optional<Dateiwahl>> oeffnen;
    std::deque<std::optional<std::string>> speichern;
    std::deque<std::optional<std::string>> ordner;
    std::deque<std::optional<uint32_t>> farben;
    std::deque<std::optional<Schrift>> schriften;

    std::vector<GezeigteMeldung> meldungen;
    std::vector<Dateidialog> dateidialoge;  // open and save dialogs in the order shown
    std::vector<std::string> eingabeAufforderungen;

    Antwort Meldung(const std::string& text, Meldungsart art, Knoepfe knoepfe,
                    const std::string& titel) override;
    std::optional<std::string> Eingabe(const std::string& titel,
                                       const std::string& aufforderung,
                                       const std::string& vorgabe) override;
    std::optional<Dateiwahl> DateiOeffnen(const Dateidialog& d) override;
    std::optional<std::string> DateiSpeichern(const Dateidialog& d) override;
    std::optional<std::string> OrdnerWaehlen(const std::string& titel,
                                             const std::string& vorgabe) override;
    std::optional<uint32_t> Farbe(uint32_t vorgabe,
                                  const std::vector<uint32_t>& eigeneFarben) override;
    std::optional<Schrift> Schriftart(const Schrift& vorgabe) override;

    // Texts of all boxes shown so far, in order.
    std::vector<std::string> Texte() const;
    // True when every queued answer has been used.
    bool AllesVerbraucht() const;
};

}  // namespace kalvora::test
