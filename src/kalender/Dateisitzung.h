#pragma once
// The file session of the main window: new, open, close, save, save as, the recent files, the
// lock file and the read-only mode, the automatic refresh and save, and the titles. The main
// window forwards its menu commands and timers here and shows the state it gets back through
// Sitzungsfenster.
#include <memory>
#include <string>

#include "kalender/Farbhistorie.h"
#include "kalender/Kalenderspeicher.h"
#include "kalender/Schreibschutzoptionen.h"
#include "kalender/TKalender.h"
#include "platform/Dateisperre.h"
#include "platform/Dialoge.h"
#include "platform/Speicherplatz.h"

namespace kalvora {

namespace sitzungstexte {
inline constexpr const char* Unbenannt = "Kalvora - [unbenannt]";
inline constexpr const char* TitelAnfang = "Kalvora - ";
inline constexpr const char* SchreibschutzZusatz = "   [schreibgeschützt]";
inline constexpr const char* Schaltjahr = " (Schaltjahr)";
inline constexpr const char* AenderungenSpeichern = "Änderungen speichern ?";
inline constexpr const char* AenderungenSpeichernBeimSchliessen = "Änderungen speichern?";
inline constexpr const char* NichtUeberschreiben = "Diese Datei können sie nicht überschreiben!";
inline constexpr const char* KeinPlatz =
    "Auf diesem Laufwerk ist nicht genügend Speicherplatz vorhanden!";
inline constexpr const char* Vorschlag = "kalvo001.kvr";
inline constexpr const char* Filter = "Kalvora (*.kvr)|*.kvr";
inline constexpr const char* Endung = "kvr";
// "Die Datei \"<pfad>\" ist keine Kalvoradatei"
std::string KeineKalvoradatei(const std::string& pfad);
// "Die Datei \"<pfad>\" ist schon geöffnet!\r\nWollen Sie sie schreibgeschützt öffnen?"
std::string SchonGeoeffnet(const std::string& pfad);
// "Die Datei \"<pfad>\" kann leider nicht bearbeitet werden"
std::string NichtBearbeitbar(const std::string& pfad);
// "Die Datei <pfad> ist bereits in Benutzung, wollen sie es erneut versuchen?"
std::string InBenutzung(const std::string& pfad);
// The lock file cannot be created (a read-only folder): not in use, but read-only here.
std::string NichtSperrbar(const std::string& pfad, const std::string& grund);
// "Speichern unter" to a place where no lock file can be created.
std::string OrtNichtSperrbar(const std::string& pfad, const std::string& grund);
// A CSV import stopped by a faulty line: what was read stays, untitled.
std::string TeilweiseImportiert(const std::string& meldung);
}  // namespace sitzungstexte

// The lock file of a calendar file, keyed to the real file: every symbolic link of the path
// resolved, so that a link and its target share one lock.
std::string SperrdateiFuer(const std::string& kalenderdatei);

// Below this many free bytes "Speichern unter" refuses the drive.
constexpr uint64_t kMindestSpeicherplatz = 592388;

// What the main window shows of the session; it applies this after every change.
struct Fensterzustand {
    std::string fenstertitel;
    bool schreibschutzHaken = false;   // menu item checked, tool button down
    bool schreibschutzAktiv = false;   // the command can be used (a file is open)
    bool aktualisierenAktiv = false;   // "Aktualisieren": read-only and not loading right now
    bool schliessenAktiv = false;      // "Schließen": a file is open
    // False in read-only mode: direct colour editing of the year view and its commands, the
    // 20 legend entries, undo and redo, "Wochenfortschreibung", "Farben definieren" and every
    // other changing command are disabled.
    bool bearbeitbar = true;
    int aktualisierenIntervallMs = 0;  // automatic refresh timer; 0 = stopped
    int speichernIntervallMs = 0;      // automatic save timer; 0 = stopped
    bool operator==(const Fensterzustand&) const = default;
};

// The main window's side of the session. Every hook has a harmless default so that tests and
// the command line can run the session without a window.
class Sitzungsfenster {
public:
    virtual ~Sitzungsfenster() = default;
    virtual void ZustandAnwenden(const Fensterzustand&) {}
    virtual void ZeitgeberStoppen() {}
    // "Neu": settings reloaded, start year, empty legend (the one-time start steps excluded).
    virtual void NeuInitialisieren() {}
    // After "Neu": the year view's colour-editing mode as the settings say, then repaint.
    virtual void FarbbearbeitungWiederherstellen() {}
    virtual void JahresansichtNeuZeichnen() {}
    virtual void FarbmenusAktualisieren() {}
    virtual void Fortschritt(int) {}
    virtual void Beschaeftigt(bool) {}  // progress bar shown and hourglass cursor
    virtual void StatusTextLeeren() {}  // the status bar's third panel
    // After a load from "Öffnen": the alarm check once, the birthday and name-day reminders.
    virtual void NachDemOeffnen() {}
    // During start-up, once after the start file was read.
    virtual void StartcodeAnwenden(const std::string&) {}
    // Returns false when no address book can be shown (the path is then refused).
    virtual bool AdressbuchOeffnen(const std::string&) { return false; }
    // The day dialog, if open, writes its working copy into the document.
    virtual void TagesdialogUebernehmen() {}
    virtual void LetzteDateienZeigen(const Dateiliste&) {}
};

class Dateisitzung {
public:
    // legende: the colours the legend shows, which a slot value 0 in a file takes; without
    // it the default colours. historie: the colour undo history, emptied when another file
    // is opened, the document becomes read-only or the window closes.
    Dateisitzung(TKalender& kal, Dialoge& dialoge, Dateisperre& sperre,
                 Kalenderspeicher& speicher, Speicherplatz& platz,
                 LetzteDateienAblage& letzteAblage, TFarbwerte* legende = nullptr,
                 TFarbhistorie* historie = nullptr);
    ~Dateisitzung();
    Dateisitzung(const Dateisitzung&) = delete;
    Dateisitzung& operator=(const Dateisitzung&) = delete;

    void FensterSetzen(Sitzungsfenster* fenster);

    // Menu commands. Each returns true when it did what it was asked to do.
    bool Neu1Click();
    bool ffnen1Click() { return Oeffnen(false); }
    bool Aktualisieren1Click() { return Laden(false); }
    bool speichern1Click();
    bool speichernunter1Click();
    bool Schlieen1Click();
    bool Schreibschutz1Click();
    bool LetzteDateiOeffnen(int nummer);  // 1..10
    // Opens pfad as from the command line or the start file, without the dialog.
    bool DirektOeffnen(const std::string& pfad);

    void SchreibschutzAnwenden();
    void LetzteDateienAktualisieren(const std::string& pfad);
    // "Einträge löschen" of the options: the ten entries empty, in memory and in the store.
    void LetzteDateienLeeren();

    // Timers of the main window.
    void schreibschutztimerTimer();
    void autosavetimerTimer();

    // Whether "Schreibschutz" can be used now (checked when the menu "Bearbeiten" opens): not
    // while the document is read-only and another copy holds the file.
    bool SchreibschutzUmschaltbar();

    // Shutdown. "Beenden": true when the main window may close now.
    bool BeendenClick();
    // The close box (when not going to the tray): true when the window may close.
    bool FormCloseQuery();
    // The window closes: the lock is released and the file name forgotten.
    void FormClose();
    // End of the desktop session: the file is closed (asking as "Schließen" does) and the
    // modified flag cleared whatever the answer.
    void SitzungEnde();

    // The start code of the command line, applied once after the start file is read.
    void StartcodeSetzen(const std::string& code);

    std::string Fenstertitel() const;
    // The task-bar title for the year shown in the main window.
    std::string Anwendungstitel(int jahr) const;
    Fensterzustand Zustand() const;

    // The write-protection options; the window sets them after the options dialog closes
    // and calls SchreibschutzAnwenden.
    Schreibschutzoptionen optionen;

    const std::string& Dateiname() const { return dateiname_; }
    bool schreibgeschuetzt() const { return schreibgeschuetzt_; }
    bool SperreGehalten() const { return sperre_ != nullptr; }
    bool Altformat() const { return altformat_; }
    const Dateiliste& LetzteDateien() const { return letzte_; }

private:
    bool Oeffnen(bool ausSchreibschutz);
    bool OeffnenSchritte(bool ausSchreibschutz);
    bool Laden(bool ausOeffnen);
    bool SpeichernNach(const std::string& pfad);
    void TeilweiseGelesenBehalten(const std::string& meldung);
    bool AenderungenGesichert(Knoepfe knoepfe, const char* frage, bool& abbruch);
    Dateidialog Dialog(const std::string& vorschlag) const;
    void FensterZustandMelden();
    // Every subscriber of the document learns that it was replaced.
    void DokumentErsetztMelden();
    // The end of every load: empty names become "[frei]", the colour table and the legend
    // are reconciled, the modified flag is set as given, and the subscribers are told.
    void LadenAbschliessen(bool geaendert);

    TKalender& kal_;
    Dialoge& dialoge_;
    Dateisperre& sperrdienst_;
    Kalenderspeicher& speicher_;
    Speicherplatz& platz_;
    LetzteDateienAblage& letzteAblage_;
    TFarbwerte* legende_;
    TFarbhistorie* historie_;
    void HistorieLeeren() {
        if (historie_) historie_->Leeren();
    }
    Sitzungsfenster standardfenster_;
    Sitzungsfenster* fenster_;

    std::string dateiname_;
    bool schreibgeschuetzt_ = false;
    std::unique_ptr<Sperre> sperre_;
    bool altformat_ = false;
    bool direktOeffnen_ = false;
    std::string zuOeffnen_;
    Dateiliste letzte_{};
    bool laedt_ = false;
    std::string startcode_;
    bool startcodeOffen_ = false;
    // The user said No to saving a repaired document; the automatic save does not ask again.
    bool reparaturAbgelehnt_ = false;
    bool automatisch_ = false;  // the running save comes from the automatic-save timer
};

}  // namespace kalvora
