#include "main/fenster/Terminmenue.h"

#include <QAction>
#include <QDialog>

#include "extras/fenster/Farben_definieren.h"
#include "extras/fenster/Kategoriendefinieren.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Hilfefenster.h"
#include "main/fenster/Main.h"
#include "termine/fenster/Wochenfortschreibung.h"

namespace kalvora {

TTerminmenue::TTerminmenue(TForm1& haupt) : QObject(&haupt), haupt_(haupt) {
    dialogZeigen = [](QDialog& d) { d.exec(); };
    const std::pair<const char*, void (TTerminmenue::*)()> eintraege[] = {
        {befehl::Wochenfortschreibung, &TTerminmenue::WochenfortschreibungZeigen},
        {befehl::FarbenDefinieren, &TTerminmenue::FarbenDefinierenZeigen},
        {befehl::KategorienDefinieren, &TTerminmenue::KategorienZeigen},
        {befehl::Linkliste, &TTerminmenue::LinksZeigen},
    };
    for (const auto& [name, aufruf] : eintraege)
        connect(haupt_.Aktion(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, a = aufruf] { (this->*a)(); });
}

void TTerminmenue::BearbeitbarSetzen(bool ja) {
    // The lists open read-only instead.
    haupt_.Freigeben(befehl::Wochenfortschreibung, ja);
    haupt_.Freigeben(befehl::FarbenDefinieren, ja);
}

void TTerminmenue::WochenfortschreibungZeigen() {
    TForm34 dialog(haupt_.Kern(), haupt_.Jahresansicht().Jahr(), &haupt_);
    dialog.arbeitBeginnen = [this] { haupt_.ArbeitBeginnen(); };
    dialog.fortschritt = haupt_.Fortschrittsmelder();
    dialog.arbeitBeenden = [this] { haupt_.ArbeitBeenden(); };
    dialogZeigen(dialog);
    haupt_.BefehleAktualisieren();
}

void TTerminmenue::FarbenDefinierenZeigen() {
    TFarbenDefinieren dialog(haupt_.Kern(), &haupt_);
    dialog.hilfe = HilfeAufrufen;
    dialogZeigen(dialog);
    // Whichever way it closed: colours chosen in it stay, and the year view, the legend and
    // every colour menu show the table as it is now.
    haupt_.Kern().FarbtabelleGeaendertMelden();
    haupt_.BefehleAktualisieren();
}

void TTerminmenue::KategorienZeigen() {
    TKategorienDefinieren dialog(haupt_.Kern(), Listenart::Kategorien, &haupt_);
    dialogZeigen(dialog);
    haupt_.BefehleAktualisieren();
}

void TTerminmenue::LinksZeigen() {
    TKategorienDefinieren dialog(haupt_.Kern(), Listenart::Links, &haupt_);
    dialogZeigen(dialog);
    haupt_.BefehleAktualisieren();
}

}  // namespace kalvora
