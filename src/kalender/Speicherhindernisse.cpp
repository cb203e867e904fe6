#include "kalender/Speicherhindernisse.h"

#include <algorithm>

#include "kalender/Kalenderdatei.h"
#include "methoden/Methoden.h"
#include "methoden/Uhrzeit.h"

namespace kalvora {

namespace {

constexpr std::size_t kHoechstensGezeigt = 10;

// The first "<text> (n)" from 2 on that the list does not have yet.
std::string FreierName(const std::string& text, const TTerminKategorie& liste) {
    for (int n = 2;; ++n) {
        std::string name = text + " (" + std::to_string(n) + ")";
        if (std::find(liste.begin(), liste.end(), name) == liste.end()) return name;
    }
}

// Entries of a list that would end it in the file get a suffix; the appointments that
// refer to them by text follow.
void ListeReparieren(TKalender& kal, TTerminKategorie& liste, std::string_view ende,
                     TText TTermin::*feld, const char* was, bool anwenden,
                     std::vector<std::string>& aenderungen) {
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (liste[i] != ende) continue;
        const std::string alt = liste[i];
        const std::string neu = FreierName(alt, liste);
        aenderungen.push_back(std::string(was) + " \"" + alt + "\" heißt dann \"" + neu + "\"");
        if (!anwenden) continue;
        liste[i] = neu;
        for (int s = kal.NaechsterTermintag(0); s < TKalender::kSlots;
             s = kal.NaechsterTermintag(s + 1)) {
            TTerminliste& tag = kal.TerminlisteAn(s);
            for (std::size_t n = 1; n < tag.size(); ++n)
                if (tag[n].*feld == alt) tag[n].*feld = neu;
        }
    }
}

}  // namespace

bool TerminReparaturNoetig(const TTermin& t) {
    return !UhrzeitBrauchbar(t.Uhrzeit.sicht()) || DauerBrauchbar(t.Dauer) != t.Dauer;
}

void TerminReparieren(TTermin& t) {
    // Nothing of the old values is lost: they go into the description.
    if (!UhrzeitBrauchbar(t.Uhrzeit.sicht())) {
        std::string alt = t.Uhrzeit.str();
        std::replace(alt.begin(), alt.end(), '#', '+');  // '#' separates fields
        t.Beschreibung += " (Uhrzeit: " + alt + ")";
        t.Uhrzeit = "00:00";
    }
    if (DauerBrauchbar(t.Dauer) != t.Dauer) {
        t.Beschreibung += " (Dauer: " + std::to_string(t.Dauer) + " Minuten)";
        t.Dauer = 0;
    }
}

std::vector<std::string> SpeicherhindernisseBeheben(TKalender& kal, bool anwenden) {
    std::vector<std::string> aenderungen;
    ListeReparieren(kal, kal.Terminkategorie, kEndeKategorien, &TTermin::Kategorie,
                    "die Kategorie", anwenden, aenderungen);
    ListeReparieren(kal, kal.Linkliste, kEndeLinks, &TTermin::Link, "der Link", anwenden,
                    aenderungen);
    kal.TermintageDurchlaufen([&](TTerminliste& liste, int t, int m, int j) {
        for (std::size_t n = 1; n < liste.size(); ++n) {
            TTermin& termin = liste[n];
            if (!TerminReparaturNoetig(termin)) continue;
            const std::string wer = "der Termin \"" + termin.Beschreibung.str() + "\" am " +
                                    DatumText(t, m, j);
            if (!UhrzeitBrauchbar(termin.Uhrzeit.sicht()))
                aenderungen.push_back(wer + " mit der Uhrzeit \"" + termin.Uhrzeit.str() +
                                      "\" beginnt dann um 00:00 (die alte Angabe steht in "
                                      "seiner Beschreibung)");
            if (DauerBrauchbar(termin.Dauer) != termin.Dauer)
                aenderungen.push_back(wer + " mit der Dauer " + std::to_string(termin.Dauer) +
                                      " Minuten hat dann keine Dauer (die alte Angabe steht in "
                                      "seiner Beschreibung)");
            if (anwenden) TerminReparieren(termin);
        }
    });
    if (anwenden && !aenderungen.empty()) kal.GeaendertSetzen(true);
    return aenderungen;
}

std::string ReparaturFrage(const std::vector<std::string>& aenderungen) {
    std::string text =
        "Der Kalender enthält Einträge, die so nicht in der Kalenderdatei gespeichert werden "
        "können. Kalvora kann sie beim Speichern so ändern:\r\n";
    for (std::size_t i = 0; i < aenderungen.size() && i < kHoechstensGezeigt; ++i)
        text += "\r\n- " + aenderungen[i];
    if (aenderungen.size() > kHoechstensGezeigt)
        text += "\r\n- und " + std::to_string(aenderungen.size() - kHoechstensGezeigt) +
                " weitere Einträge";
    text += "\r\n\r\nMit diesen Änderungen speichern?";
    return text;
}

}  // namespace kalvora
