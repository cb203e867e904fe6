#pragma once
// A small document with named colour slots and a day dialog around it, shared by the tests
// of the day dialog, the series and the header.
#include <memory>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "termine/Tagesdialog.h"
#include "termine/Termineditor.h"

namespace kalvora::test {

struct Termintest {
    TKalender kal;
    Einstellungen einst;
    std::vector<Datum> undo;  // days recorded by the undo hook
    Tagesumgebung u{kal, einst, [this](int t, int m, int j) { undo.push_back({t, m, j}); }};
    Termineditor editor{einst};
    Tagesdialog dialog{u, editor};

    Termintest() {
        kal.Farbnamen[1] = "Gelb";
        kal.Farbnamen[2] = "Rot";
        kal.Farbnamen[3] = "Blau";
        kal.Farbnamen[4] = "Grün";
        einst.FarbeInJahresansichtUebernehmen = true;
    }
    uint32_t Farbe(int slot) const { return kal.Farbwerte[static_cast<std::size_t>(slot)]; }

    // Opens the dialog on a day.
    void Oeffnen(int t, int m, int j) { dialog.Aktivieren({t, m, j}); }
    // Adds an appointment through the editor as "Neuer Termin" with OK would.
    void Neu(const std::string& zeit, const std::string& text, int farbslot = 0) {
        dialog.NeuerTerminVorbereiten();
        editor.Aktivieren(kal, einst, dialog.Tag());
        editor.StartSetzen(std::stoi(zeit.substr(0, 2)), std::stoi(zeit.substr(3, 2)));
        editor.beschreibung = text;
        editor.FarbeWaehlen(kal, farbslot);
        editor.Ok(kal);
        dialog.NeuerTerminAbschliessen();
    }
    TTerminliste& Liste(int t, int m, int j) { return kal.Terminliste(j, m, t); }
    TTagesfarben& Farben(int t, int m, int j) { return kal.Tagesfarben(j, m, t); }
    static TTermin Termin(const std::string& zeit, const std::string& text,
                          uint32_t farbe = KeineFarbe) {
        TTermin t;
        t.Uhrzeit = zeit;
        t.Beschreibung = text;
        t.Farbe = farbe;
        return t;
    }
};

}  // namespace kalvora::test
