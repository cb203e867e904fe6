#pragma once
// Which calendar view the main window opens next, the choices of the year view's context
// menu, the full-screen toggle and the "Gehe zu Jahr" dialog's answer.
#include <functional>
#include <string>
#include <vector>

#include "kalender/TKalender.h"

namespace kalvora {

enum class Ansicht { Keine, Woche, ZweiWochen, Monat, MonatMitWochen };

// The three requests a view may leave set when it closes.
struct Wechselanfragen {
    bool layout = false;      // between the two month views
    bool monatWoche = false;  // between month and week views
    bool woche = false;       // between the two week views
    bool Irgendeine() const { return layout || monatWoche || woche; }
};

// "form7", "form19", "form8", "form9"; Keine for other names.
Ansicht AnsichtAusName(const std::string& name);
// The week view chosen by the setting "Wochenansicht", the month view by "Monatsansicht".
Ansicht GewaehlteWochenansicht(int einstellungWochenansicht);
Ansicht GewaehlteMonatsansicht(int einstellungMonatsansicht);
// The view a request leads to after `geschlossen` closed; Keine when none applies.
Ansicht NaechsteAnsicht(Ansicht geschlossen, const Wechselanfragen& a, int einstWochenansicht,
                        int einstMonatsansicht);
// Runs views until none asks for another; oeffnen shows a view modally and returns the
// requests it left. A request that leads nowhere ends the loop.
void AnsichtWechseln(const std::string& geschlossen, Wechselanfragen anfragen,
                     int einstWochenansicht, int einstMonatsansicht,
                     const std::function<Wechselanfragen(Ansicht)>& oeffnen);

// Full-screen mode of the year view.
struct Vollbildzustand {
    bool unteresPanel = true;
    bool menue = true;
    bool toolbar = true;
    bool operator==(const Vollbildzustand&) const = default;
};
Vollbildzustand VollbildUmschalten(Vollbildzustand z, bool ohneLegende, bool ohneMenue,
                                   bool ohneToolbar);
// Caption of the context menu entry.
std::string VollbildMenuetext(const Vollbildzustand& z);

// The year the dialog "Gehe zu Jahr" leaves: feld is the edit text, ok whether "OK" closed it.
int GeheZuJahr(const std::string& feld, bool ok, int angezeigtesJahr, int heutigesJahr);

// Link texts of a day's entries, in list order, for the appointment field's popup menu.
std::vector<std::string> LinksDesTages(const TKalender& kal, int tag, int monat, int jahr);

}  // namespace kalvora
