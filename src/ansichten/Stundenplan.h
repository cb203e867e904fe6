#pragma once
// The timetable without its window: consecutive days as blocks with an hour grid and every
// appointment as a bar from its start to its end. It holds the window state (first day shown
// relative to today, first and last hour), lays the window out from the settings, places the
// desktop timetable in its corner, paints onto a Leinwand and tells which day and which link
// lie under the pointer.
#include <cstdint>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "main/AusgewaehlterTag.h"
#include "platform/Leinwand.h"
#include "platform/Uhr.h"

namespace kalvora {

namespace stundenplantexte {
inline constexpr const char* Titel = "Stundenplanansicht";
inline constexpr const char* Schliessen = "Fenster schließen";
inline constexpr const char* TagZurueck = "einen Tag zurück";
inline constexpr const char* Heute = "Heute";
inline constexpr const char* TagVor = "einen Tag vor";
inline constexpr const char* WocheZurueck = "eine Woche zurückblättern";
inline constexpr const char* WocheVor = "eine Woche vorblättern";
inline constexpr const char* Bearbeiten = "bearbeiten";
inline constexpr const char* Optionen = "Optionen";
inline constexpr const char* Hilfe = "Hilfe";
inline constexpr const char* UhrzeitVon = "  Uhrzeit : von";
inline constexpr const char* Bis = "  bis";
inline constexpr const char* Uhr = " Uhr";
// The popup menu of the drawing.
inline constexpr const char* LinkAusfuehren = "Link ausführen";
inline constexpr const char* Zurueckblaettern = "zurückblättern";
inline constexpr const char* HeuteKlein = "heute";
inline constexpr const char* Vorblaettern = "vorblättern";
inline constexpr const char* SchliessenKlein = "schließen";
// What the hour labels are measured by.
inline constexpr const char* Stundenmuster = " 20:00 ";
inline constexpr const char* Ort = "  Ort: ";
}  // namespace stundenplantexte

inline constexpr int StundenplanHilfethema = 120;

// Window size from the settings and the screen width.
struct Stundenplangroesse {
    int breite = 0;
    int hoehe = 0;
    int mindestBreite = 0;
    int mindestHoehe = 0;
    bool operator==(const Stundenplangroesse&) const = default;
};

// "Stdplanort".
enum class Stundenplanecke { UntenRechts = 0, ObenRechts = 1, ObenLinks = 2, UntenLinks = 3 };

struct Stundenplanlage {
    Punkt ort;                 // top-left of the window
    bool leisteUnten = false;  // the tool bar sits at the bottom edge
    bool operator==(const Stundenplanlage&) const = default;
};

// The desktop timetable in its corner of the work area, the distances measured from the
// corner's two edges.
Stundenplanlage DesktopLage(const Rechteck& arbeitsbereich, int breite, int hoehe,
                            Stundenplanecke ecke, int abstandX, int abstandY);
// The normal timetable: the bottom right corner.
Punkt NormaleLage(const Rechteck& arbeitsbereich, int breite, int hoehe);

// The figures of one paint for a drawing of W x H pixels.
struct Stundenplanmasse {
    int bw = 0;  // block width
    int bh = 0;  // block height
    int hh = 0;  // hour height
};

// An appointment as the drawing shows it: hours as real numbers.
struct Stundenbalken {
    double start = 0;
    double ende = 0;
};

class TStundenplan {
public:
    TStundenplan(const TKalender& kal, const Einstellungen& einst, const Uhr& uhr,
                 AusgewaehlterTag& auswahl);

    // The font of the drawing; the header is bold and two points larger.
    Schrift schrift;

    // Reads the settings again; unless versatzBehalten (after the day dialog or the options)
    // the first day shown becomes the selected day. The hour fields take the settings'
    // values through their own rules.
    Stundenplangroesse Anordnen(int bildschirmBreite, bool versatzBehalten);
    // The hour label width and height: the text " 20:00 " in the drawing's font.
    void Messen(Leinwand& l);
    int Beschriftungsbreite() const { return lw_; }
    int Beschriftungshoehe() const { return lh_; }

    // The window state.
    int Versatz() const { return o_; }
    int ErsteStunde() const { return h0_; }
    int LetzteStunde() const { return h1_; }
    int Tage() const { return n_; }
    int Zeilen() const { return r_; }
    int Spalten() const { return c_; }
    // Day k = 1..N of the drawing.
    Datum TagDatum(int k) const;

    // The commands; false when the limit of the calendar stopped them.
    bool TagZurueck();
    bool TagVor();
    void Heute() { o_ = 0; }
    bool WocheZurueck();
    bool WocheVor();
    // A new value of a spin field; the value the field is to show (the accepted value, or
    // the field steps back or forward until the rule holds).
    int ErsteStundeAendern(int wert);
    int LetzteStundeAendern(int wert);

    Stundenplanmasse Masse(int breite, int hoehe) const;
    // Left edge X and top Y of day k's hour grid.
    Punkt TagesEcke(int k, const Stundenplanmasse& m) const;
    // The header of a day: "Montag, 15.6.2009".
    static std::string Kopftext(const Datum& d);
    static uint32_t Kopffarbe(const Datum& d);
    // Start and end of an appointment in hours; false for a time that cannot be read.
    static bool Balken(const TTermin& t, Stundenbalken& b);
    // The words of the description, then "  Ort: " and the location, as far as they stay
    // narrower than platz.
    static std::string Balkentext(Leinwand& l, const TTermin& t, int platz);

    void Malen(Leinwand& l, int breite, int hoehe) const;

    // The pointer at (x, y) of the drawing: the day under it becomes the selected day and
    // the link of the appointment under it is remembered.
    void ZeigerBewegt(int x, int y, int breite, int hoehe);
    const std::string& Link() const { return link_; }

private:
    int32_t Heutenummer() const;
    int32_t Erster() const { return Heutenummer() + o_; }
    int Zeile(double stunde, int y0, int hh) const;

    const TKalender& kal_;
    const Einstellungen& einst_;
    const Uhr& uhr_;
    AusgewaehlterTag& auswahl_;
    int o_ = 0;
    int h0_ = 7;
    int h1_ = 20;
    int n_ = 4;
    int r_ = 2;
    int c_ = 2;
    int lw_ = 40;
    int lh_ = 13;
    std::string link_;
};

}  // namespace kalvora
