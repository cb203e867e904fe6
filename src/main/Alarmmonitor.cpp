#include "main/Alarmmonitor.h"

#include <algorithm>

#include "einstellungen/Einstellungen.h"
#include "methoden/Methoden.h"
#include "methoden/Uhrzeit.h"

namespace kalvora {

Alarminhalt AlarminhaltAus(const TTermin& t) {
    Alarminhalt a;
    a.uhrzeit = std::string(t.Uhrzeit.sicht());
    // Only appointments with a clock time are announced; a duration beyond a day counts
    // as none.
    a.bis = ZeitPlusMinuten(t.Uhrzeit.sicht(), DauerBrauchbar(t.Dauer));
    a.bisSichtbar = a.bis != a.uhrzeit;
    a.beschreibung = std::string(t.Beschreibung.sicht());
    a.ort = std::string(t.Ort.sicht());
    a.farbe = t.Farbe;
    return a;
}

TAlarmmonitor::TAlarmmonitor(TKalender& kal, const Einstellungen& einstellungen,
                             const Schreibschutzoptionen& schutz, const Uhr& uhr, Klang& klang,
                             Alarmfenster& fenster)
    : kal_(kal),
      einstellungen_(einstellungen),
      schutz_(schutz),
      uhr_(uhr),
      klang_(klang),
      fenster_(fenster) {}

int TAlarmmonitor::Periode() const {
    return std::max(1, einstellungen_.Alarmwiederholungsminuten) * 60000;
}

void TAlarmmonitor::Pruefen(Alarmherkunft herkunft) {
    const Zeitpunkt jetzt = uhr_.Jetzt();
    const Alarmbefund b =
        AlarmPruefen(kal_, AlarmvorgabenAus(einstellungen_, schutz_), jetzt, herkunft);
    // The reminders run once a day, not again from a check that comes while their windows
    // are open or from the 6-second repeats of an alarm.
    const Datum heute{jetzt.tag, jetzt.monat, jetzt.jahr};
    if (b.erinnerungen && !erinnert_ && erinnertAm_ != heute && anschluesse.erinnerungen) {
        erinnert_ = true;
        erinnertAm_ = heute;
        anschluesse.erinnerungen();
        erinnert_ = false;
    }
    for (const Alarmtermin& t : b.melden) AlarmZeigen(t);
    if (imHintergrund && b.symbolAendern) {
        symbol_ = TraysymbolWaehlen(TrayzustandAus(b),
                                    desktopModus || herkunft == Alarmherkunft::Desktopstundenplan);
        if (anschluesse.traysymbol) anschluesse.traysymbol(*symbol_);
    }
}

void TAlarmmonitor::AlarmZeigen(const Alarmtermin& t) {
    Intervall(AlarmAnkuendigungMs, Neustart::Immer);
    const std::string datei = einstellungen_.Alarmdatei;
    if (!datei.empty()) klang_.Abspielen(datei);
    if (!fensterOffen_) {
        fensterOffen_ = true;
        const Alarmantwort antwort = fenster_.Zeigen(AlarminhaltAus(t.termin));
        klang_.Anhalten();
        if (antwort == Alarmantwort::Nein) AlarmAbbestellen(t);
        Intervall(Periode(), Neustart::Immer);
        fensterOffen_ = false;
    }
    if (fenster_.Sichtbar())
        fenster_.NachVorne();
    else if (anschluesse.programmNachVorne)
        anschluesse.programmNachVorne();
}

void TAlarmmonitor::AlarmAbbestellen(const Alarmtermin& t) {
    if (anschluesse.vorAenderung) anschluesse.vorAenderung(t.tag);
    if (!TKalender::ImBereich(t.tag.jahr, t.tag.monat, t.tag.tag)) return;
    // The list may have changed while the window was open (a refresh, the day dialog):
    // the appointment is looked for again.
    TTerminliste& liste = kal_.Terminliste(t.tag.jahr, t.tag.monat, t.tag.tag);
    std::size_t i = t.index;
    if (i >= liste.size() || !(liste[i] == t.termin)) {
        i = 1;
        while (i < liste.size() && !(liste[i] == t.termin)) ++i;
    }
    if (i >= liste.size()) return;
    // Not a change the user has to save: only the reminder is switched off.
    liste[i].Alarm = false;
    if (anschluesse.nachAenderung) anschluesse.nachAenderung(t.tag);
}

void TAlarmmonitor::NachDemMalen() {
    if (!fensterOffen_) Intervall(Periode(), Neustart::NurWennAnders);
}

}  // namespace kalvora
