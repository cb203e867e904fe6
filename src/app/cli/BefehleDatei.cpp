// Calendar file commands: pruefen, konvertieren, csv-export.
#include <filesystem>
#include <iostream>

#include "app/cli/Befehle.h"
#include "app/cli/Kalenderladen.h"
#include "kalender/CsvDatei.h"
#include "kalender/Kalenderdatei.h"
#include "kalender/TKalender.h"
#include "methoden/Fehler.h"
#include "platform/posix/AtomareDatei.h"

namespace kalvora::cli {
namespace {

bool BegleitdateiVorhanden(const std::string& pfad) {
    std::error_code ec;
    for (const char* endung : {".TxT", ".txt", ".TXT"})
        if (std::filesystem::is_regular_file(pfad + endung, ec)) return true;
    return false;
}

// Reads any form the program opens, as the program does after opening a file; the binary
// reader's warnings go to stderr. A file the binary reader rejects, with no companion text
// to read instead, yielded nothing: that is a format error, not an empty calendar.
Dateiform Laden(TKalender& kal, const std::string& pfad) {
    LadeOptionen optionen;
    bool gewarnt = false;
    optionen.warnung = [&gewarnt](const std::string& text) {
        gewarnt = true;
        std::string zeile;
        for (char c : text)
            if (c != '\r') zeile.push_back(c);
        std::cerr << "Warnung: " << zeile << "\n";
    };
    const Dateiform form = KalenderdateiLesen(kal, pfad, optionen);
    if (form == Dateiform::Binaer && gewarnt && !BegleitdateiVorhanden(pfad))
        throw KalvoraFehler("Die Datei \"" + pfad + "\" ist keine lesbare Kalenderdatei.");
    TFarbwerte legende = kal.Standardfarben;
    kal.FarbtabelleAbgleichen(legende);
    kal.GeaendertSetzen(false);
    return form;
}

}  // namespace

Dateiform KalenderLaden(TKalender& kal, const std::string& pfad) { return Laden(kal, pfad); }

namespace {

const char* Formname(Dateiform form) {
    switch (form) {
        case Dateiform::Ver33: return "Ver 3.3";
        case Dateiform::Ver32: return "Ver 3.2";
        case Dateiform::Binaer: return "binär";
        case Dateiform::Csv: return "CSV";
    }
    return "";
}

const BefehlRegistrieren pruefen{
    {"pruefen", "pruefen DATEI", "liest eine Kalenderdatei und zählt ihren Inhalt",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"DATEI"});
         TKalender kal;
         const Dateiform form = Laden(kal, DateiArgument(a[0]));
         std::cout << "Form: " << Formname(form) << "\n"
                   << "Tage mit Farben: " << kal.TageMitFarben() << "\n"
                   << "Tage mit Einträgen: " << kal.TageMitEintraegen() << "\n"
                   << "Termine: " << kal.AnzahlTermine() << "\n"
                   << "Geburtstage: " << kal.Geburtstagsliste.size() << "\n"
                   << "Kategorien: " << kal.Terminkategorie.size() << "\n"
                   << "Links: " << kal.Linkliste.size() << "\n";
         return kErfolg;
     }}};

const BefehlRegistrieren konvertieren{
    {"konvertieren", "konvertieren EIN AUS",
     "liest eine Kalenderdatei jeder Form und schreibt sie als \"Ver 3.3\"",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"EIN", "AUS"});
         const std::string& aus = DateiArgument(a[1]);
         TKalender kal;
         Laden(kal, DateiArgument(a[0]));
         DateiAtomarSchreiben(aus, KalenderAlsVer33Repariert(kal));
         return kErfolg;
     }}};

const BefehlRegistrieren csvExport{
    {"csv-export", "csv-export EIN AUS", "exportiert die Termine einer Kalenderdatei als CSV",
     [](const std::vector<std::string>& a) {
         AnzahlPruefen(a, {"EIN", "AUS"});
         const std::string& aus = DateiArgument(a[1]);
         AusgabeNichtEingabe({aus}, Kalendereingaben(DateiArgument(a[0])));
         TKalender kal;
         Laden(kal, a[0]);
         DateiAtomarSchreiben(aus, KalenderAlsCsv(kal));
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
