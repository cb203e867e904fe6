#pragma once
// iCalendar (RFC 5545) exchange through libical: the export of a period as one VEVENT per
// appointment (optionally the info texts, day colours and birthdays as all-day events), and
// the import of the events of an .ics file into the open document. libical parses, writes,
// converts between time zones (with the system's zone data) and expands recurrences.
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kalender/TKalender.h"
#include "methoden/Methoden.h"
#include "platform/Uhr.h"

namespace kalvora {

// The texts of the import as the windows and kalvora-cli show them.
extern const char* const kIcsOhneTitel;      // an event without SUMMARY
extern const char* const kIcsFortsetzung;    // "Fortsetzung: " before the further days
extern const char* const kIcsUnlesbar;       // a file libical cannot parse
extern const char* const kIcsGrundAbgesagt;  // the reasons of the skipped events
extern const char* const kIcsGrundAufgabe;
extern const char* const kIcsGrundOhneBeginn;
extern const char* const kIcsGrundFehlerhaft;
extern const char* const kIcsGrundAusserhalb;
extern const char* const kIcsGrundAbgebrochen;
extern const char* const kIcsGrundZeitzone;  // a time in a zone whose rules are unusable
// An event whose rule runs past the limit for one event; its first occurrences are kept.
std::string IcsGrundGekuerzt(long hoechstens);
extern const char* const kIcsHinweisEndeOhneBeginn;  // END lines outside every component
// What the calendar cannot hold, counted once per event.
extern const char* const kIcsHinweisZoneUnbekannt;  // a TZID neither file nor system knows
extern const char* const kIcsHinweisNotiz;
extern const char* const kIcsHinweisAeltereFassung;  // a copy of an event with a newer one
extern const char* const kIcsHinweisTeilnehmer;
extern const char* const kIcsHinweisKategorien;
extern const char* const kIcsHinweisAlarmvorlauf;
extern const char* const kIcsHinweisStatus;

struct IcsExportoptionen {
    Datum von{1, 1, ErstesJahr};
    Datum bis{31, 12, LetztesJahr};
    bool tagesinfo = false;    // every info line as an all-day event
    bool tagesfarben = false;  // every run of days with a colour as an all-day event
    bool geburtstage = false;  // every birthday as a yearly all-day event
    int alarmVorlaufMinuten = 0;
    // The user's zone ("Europe/Berlin"); the times are written in it with its VTIMEZONE.
    // Empty or unknown: floating times.
    std::string zeitzone;
    Zeitpunkt jetzt;  // local time in zeitzone, for DTSTAMP
};

// The export as UTF-8 with CR LF, lines folded at 75 octets.
std::string KalenderAlsIcs(const TKalender& kal, const IcsExportoptionen& o,
                           const std::function<void(int)>& fortschritt = {});

struct IcsImportoptionen {
    // An all-day event named like a colour slot gives the day that colour.
    bool ganztaegigAlsTagesfarbe = false;
    // The zone the appointments are placed in; empty or unknown: UTC.
    std::string zeitzone;
    // The program's alarm lead time; an alarm of the file with another one is reported.
    // Negative: not compared.
    int alarmVorlaufMinuten = -1;
    // Occurrences and covered days the whole import may visit; a rule that would run past
    // it is cut and counted as skipped.
    long hoechstensVorkommen = 4'000'000;
    // Occurrences one event's rules may give; the rest is cut and the event counted as
    // skipped with its own reason.
    long hoechstensJeEreignis = 100'000;
    // Asked now and then during the import; true stops it and leaves the document as it
    // was before.
    std::function<bool()> abbrechen;
    // libical's own warnings kept off stderr during the import (the fuzz target keeps stderr
    // for the sanitizers' reports).
    bool libicalStumm = true;
};

struct IcsImportergebnis {
    int importiert = 0;    // occurrences placed (an appointment, or info lines and colours)
    int uebersprungen = 0;
    // Occurrences the document had before (same day, time, duration and text; an all-day
    // one: the same info line or colour), not added again.
    int vorhanden = 0;
    std::vector<std::pair<std::string, int>> gruende;  // reason and count, in first order
    int ersetzt = 0;  // characters replaced so that the calendar file can hold the texts
    // What the file held besides its events that the user should know (text and count).
    std::vector<std::pair<std::string, int>> hinweise;
    bool abgebrochen = false;  // stopped through abbrechen; nothing was imported
    // "n Termine importiert, m übersprungen" and one line per reason and note.
    std::string Meldung() const;
};

// Imports the events of bytes into kal and marks it modified when anything came in. A file
// libical cannot parse throws KalvoraFehler with kIcsUnlesbar and libical's reason before
// the document is touched. The file is parsed one event at a time (after a first reading
// that finds the zones wherever they stand), so memory stays near the file's size. Any
// exception, and a stop through abbrechen, leaves the document as it was.
IcsImportergebnis IcsImportieren(TKalender& kal, std::string_view bytes,
                                 const IcsImportoptionen& o,
                                 const std::function<void(int)>& fortschritt = {});

}  // namespace kalvora
