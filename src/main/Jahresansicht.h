#pragma once
// The year view of the main window without its widget: layout, painting onto a Leinwand,
// everything the pointer shows while hovering, and the displayed year. The widget forwards
// its events here and shows the state it reads back.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kalender/TKalender.h"
#include "main/AusgewaehlterTag.h"
#include "main/JahresansichtOptionen.h"
#include "main/Jahresgeometrie.h"
#include "methoden/Feiertage.h"
#include "platform/Leinwand.h"
#include "platform/Uhr.h"

namespace kalvora {

enum class Zeigerform { Pfeil, Plus, Minus, Neu, Loeschen, Hilfe };

// The direct colour editing mode chosen in the "Werkzeuge" menu.
enum class Farbbearbeitung { Keine, Hinzufuegen, Loeschen, Neu, AlleLoeschen };

struct Maustasten {
    bool links = false;
    bool rechts = false;
    bool mitte = false;
};

struct Befehlszustand {
    bool speichern = false;                 // "&Speichern" and its tool button
    bool ereignissePruefen = false;         // submenu "Ereignisse &prüfen"
    bool statistikUndUeberwachung = false;  // statistics and background-alarm commands
    bool operator==(const Befehlszustand&) const = default;
};

struct Beschriftung {
    std::string text;
    Punkt ort;  // top-left
};

// Positions computed by the layout.
struct JahresAnordnung {
    JahresMetrik metrik;
    int terminfeldBreite = 0;
    int fortschrittOben = 0;
    std::array<Beschriftung, 12> monate;
    std::array<Beschriftung, JahresSpalten> wochentage;
    int jahrTitelOben = 0;
    int tooltipBreite = 0;
    int tooltipHoehe = 0;
};

struct Tooltipbereich {
    Rechteck bereich;
    std::string text;
};

// Controls of the bottom panel and the view that answer a click in help mode.
enum class Hilfeziel {
    Jahresfeld,
    Farbname,
    Farbfeld,
    AktuelleFarbe,
    Jahresansicht,
    Kontrollkaestchen,
    Sonstiges
};
struct Hilfeantwort {
    int thema = 0;              // help topic to pop up, 0 for none
    bool normaleAktion = true;  // whether the control does what it normally does
};

// Parts of the main window that live elsewhere; each may stay empty.
struct JahresansichtAnschluesse {
    std::function<void()> alarmNeuStarten;       // unless an alarm is being shown
    std::function<void()> legendeAnhalten;       // stop (and undraw) the legend highlight
    std::function<void()> neuZeichnen;           // invalidate the view
    std::function<void(int tag, int monat, int jahr)> farbeAnwenden;  // left press or drag
    std::function<void(int tag, int monat, int jahr)> farbeLoeschen;  // pending "Farbe löschen"
    std::function<std::optional<Punkt>()> zeigerposition;  // pointer over the view, if any
};

class TJahresansicht {
public:
    TJahresansicht(TKalender& kal, const Uhr& uhr, AusgewaehlterTag& auswahl);

    // Set by the main window.
    JahresansichtOptionen optionen;
    JahresansichtAnschluesse anschluesse;
    bool dateiOffen = false;  // the document has a file (it is not untitled)
    bool ansichtOffen = false;  // the day dialog or a calendar view is open
    bool terminfeldSichtbar = false;
    bool farbeLoeschenAnstehend = false;
    Farbbearbeitung farbbearbeitung = Farbbearbeitung::Keine;

    void JahresansichtAnordnen(const Fenstermasse& f, Leinwand& masse);
    const JahresAnordnung& Anordnung() const { return anordnung_; }
    const JahresMetrik& Metrik() const { return anordnung_.metrik; }
    Rechteck TagesZelle(int tag, int monat) const;
    std::optional<TagMonat> TagAnPosition(int x, int y) const;

    void JahresansichtMalen(Leinwand& l);
    void FeiertageMalen(Leinwand& l) const;
    // Today's cell when today lies in the shown year.
    std::optional<Rechteck> HeuteZelle() const;
    // The fading frame inside today's cell in the grey farbe, leaving the day number free;
    // nothing when today is not in the shown year. Pen and mode are kept.
    void HeuteRahmen(Leinwand& l, uint32_t farbe);

    void ZeigerAuswerten(int x, int y, Maustasten tasten = {});
    // The pointer has left the view for the bottom panel or the status bar: panels 0, 1 and
    // 3 are emptied and no day is hovered any more (the selected day stays).
    void ZeigerVerlassen();
    // The hovered day changed (its colours, from the context menu or an undo): its status
    // texts and appointment field are built anew.
    void TagtexteAuffrischen();
    // The day whose texts the status bar shows, if any.
    std::optional<TagMonat> Schwebetag() const { return schwebetag_; }
    std::string TagestextAufbauen(int tag, int monat, int jahr) const;

    int Jahr() const { return jahr_; }
    // Takes a year of the range; the start-up and every change below end here.
    void JahrSetzen(int jahr);
    // The year spin field changed to text; returns what the field shows afterwards.
    std::string JahrEingabe(const std::string& text);
    // Keys "+" / "-" and the mouse wheel.
    void JahrBlaettern(int schritte);

    const TFeiertagstabelle& Feiertage() const { return feiertage_; }
    // The document the view shows.
    const TKalender& Kalender() const { return kal_; }
    std::vector<Tooltipbereich> TooltipBereiche() const;
    std::string TooltipAn(int x, int y) const;
    // The year caption as last painted, for its double click.
    Rechteck JahrTitelBereich() const { return jahrTitel_; }

    const std::array<std::string, 4>& Statusfelder() const { return status_; }
    const std::string& Terminfeld() const { return terminfeld_; }
    const std::string& Sonnenbeschriftung() const { return sonne_; }
    bool SonneSichtbar() const { return sonneSichtbar_; }
    Zeigerform Zeiger() const { return zeiger_; }
    int HoverSchluessel() const { return hover_; }
    Punkt GemerkterPunkt() const { return gemerkt_; }
    const std::array<int, AnzahlFarben + 1>& Legendenzaehler() const { return zaehler_; }
    Befehlszustand Befehle() const;

    // "Direkthilfe".
    void DirekthilfeStarten();
    bool Hilfemodus() const { return hilfemodus_; }
    Hilfeantwort HilfeKlick(Hilfeziel ziel, bool rechts);

private:
    uint32_t Markenfarbe(const TTerminliste& liste, int tag, int monat) const;
    void TagMalen(Leinwand& l, int tag, int monat, const Ereignistage* ereignisse);
    void MarkeMalen(Leinwand& l, const Rechteck& z, int cy, uint32_t farbe) const;
    void BeschriftungenMalen(Leinwand& l);
    std::string Eintragszeilen(const TTerminliste& liste) const;
    std::string Datumstext(int tag, int monat, int jahr) const;

    TKalender& kal_;
    const Uhr& uhr_;
    AusgewaehlterTag& auswahl_;
    int jahr_;
    TFeiertagstabelle feiertage_;
    JahresAnordnung anordnung_;
    Rechteck jahrTitel_;
    std::array<std::string, 4> status_;
    std::string terminfeld_;
    std::string sonne_;
    bool sonneSichtbar_ = false;
    Zeigerform zeiger_ = Zeigerform::Pfeil;
    int hover_ = 0;
    std::optional<TagMonat> schwebetag_;
    Punkt gemerkt_;
    Punkt letzterZeiger_;
    std::array<int, AnzahlFarben + 1> zaehler_{};
    bool hilfemodus_ = false;
};

// The fonts of the view.
Schrift AnsichtSchrift(int groesse);
Schrift JahrTitelSchrift();
constexpr int JahrTitelPixel = 21;

}  // namespace kalvora
