#include "main/Anwendungskern.h"

#include "einstellungen/Schreibschutzablage.h"
#include "methoden/Fehler.h"

namespace kalvora {

Anwendungskern::Anwendungskern(const Plattformdienste& d)
    : registry_(d.registry),
      uhr_(d.uhr),
      dialoge_(d.dialoge),
      schreiben_(d.dateiSchreiben),
      beginnen_(d.dateiBeginnen),
      zeitzone_(d.zeitzone),
      autostartordner_(d.autostartordner),
      bildschirm_(d.bildschirm),
      erinnerungen_(d.erinnerungen),
      klang_(d.klang),
      tray_(d.tray),
      shell_(d.shell),
      alarmfenster_(d.alarmfenster),
      speicher_(d.dateiSchreiben,
                [this](const std::string& text) {
                    dialoge_.Meldung(text, Meldungsart::Warnung);
                }),
      letzteAblage_(d.registry) {
    sitzung_ = std::make_unique<Dateisitzung>(kal_, dialoge_, d.sperre, speicher_, d.platz,
                                              letzteAblage_, &legendenfarben_, &historie_);
    auswahl_.gesetzt = [this](const Datum& d) {
        kal_.Beobachter().Melden([&](Dokumentbeobachter& b) { b.AuswahlGeaendert(d); });
    };
    // A read-only document is never changed, whichever window asks.
    historie_.SperreSetzen([this] { return sitzung_->schreibgeschuetzt(); });
}

Anwendungskern::~Anwendungskern() = default;

void Anwendungskern::EinstellungenLesen() {
    Einstellungsumgebung umgebung;
    if (bildschirm_) {
        const Bildschirmgroesse g = bildschirm_();
        umgebung.bildschirmBreite = g.breite;
        umgebung.bildschirmHoehe = g.hoehe;
    }
    umgebung.aktuellesJahr = uhr_.Jetzt().jahr;
    try {
        EinstellungenLaden(registry_, umgebung, einstellungen_);
    } catch (const KalvoraFehler& f) {
        dialoge_.Meldung(f.what(), Meldungsart::Fehler);
    }
    try {
        SchreibschutzoptionenLaden(registry_, sitzung_->optionen);
    } catch (const KalvoraFehler& f) {
        dialoge_.Meldung(f.what(), Meldungsart::Fehler);
    }
    kal_.Beobachter().Melden([](Dokumentbeobachter& b) { b.EinstellungenGeaendert(); });
}

void Anwendungskern::TagGeaendertMelden(const Datum& d) const {
    kal_.Beobachter().Melden([&](Dokumentbeobachter& b) { b.TagGeaendert(d); });
}

void Anwendungskern::FarbtabelleGeaendertMelden() const {
    kal_.Beobachter().Melden([](Dokumentbeobachter& b) { b.FarbtabelleGeaendert(); });
}

void Anwendungskern::EinstellungenGeaendertMelden() const {
    kal_.Beobachter().Melden([](Dokumentbeobachter& b) { b.EinstellungenGeaendert(); });
}

void Anwendungskern::GeburtstagslisteSetzen(std::vector<TGeburtstag> liste, bool aendern) {
    kal_.Geburtstagsliste = std::move(liste);
    if (aendern) kal_.GeaendertSetzen(true);
    kal_.Beobachter().Melden([](Dokumentbeobachter& b) { b.GeburtstageGeaendert(); });
}

void Anwendungskern::AuswahlSetzen(const Datum& d) { auswahl_.Setzen(d.tag, d.monat, d.jahr); }

void Anwendungskern::EinstellungenBeimBeendenSpeichern() {
    try {
        kalvora::EinstellungenBeimBeendenSpeichern(registry_, einstellungen_);
    } catch (const KalvoraFehler& f) {
        dialoge_.Meldung(f.what(), Meldungsart::Fehler);
    }
}

std::size_t Anwendungskern::ErinnerungenPruefen(Pruefanlass anlass) {
    const std::vector<Erinnerung> faellig =
        kalvora::ErinnerungenPruefen(kal_.Geburtstagsliste, HeutigesDatum(uhr_),
                                     ErinnerungsoptionenAus(einstellungen_), anlass);
    for (const Erinnerung& e : faellig) erinnerungen_.Zeigen(ErinnerungsfensterTexte(e));
    return faellig.size();
}

int Anwendungskern::Startjahr() const {
    return einstellungen_.aktjahr ? uhr_.Jetzt().jahr : einstellungen_.startjahr;
}

}  // namespace kalvora
