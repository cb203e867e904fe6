#pragma once
// The main window: menu, tool bar, year view, bottom panel and status bar.
#include <QCursor>
#include <QIcon>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "extras/Toolbartabelle.h"
#include "kalender/Dateisitzung.h"
#include "kalender/Farbhistorie.h"
#include "kalender/TKalender.h"
#include "main/Anwendungskern.h"
#include "main/AusgewaehlterTag.h"
#include "main/Farbbearbeitung.h"
#include "main/Jahresansicht.h"
#include "main/fenster/Kurztext.h"
#include "main/fenster/Farbsteuerung.h"
#include "main/fenster/Hauptbefehle.h"
#include "main/fenster/Programmschrift.h"
#include "platform/Dialoge.h"
#include "platform/Uhr.h"
#include "statistik/Statistik.h"

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTextEdit;
class QMenu;
class QProgressBar;
class QTimer;
class QToolButton;

namespace kalvora {

class Registry;
class TDrucksteuerung;
class TFarblegende;
class TStatusleiste;
class TUnterpanel;
class TForm15;
class TForm18;
class TForm21;
class TForm3;
class TJahresflaeche;
class TAlarmsteuerung;
class TXmlAusgabe;
class TTerminmenue;
class TIcsAustausch;

class TForm1 : public QMainWindow, private Sitzungsfenster {
    Q_OBJECT
public:
    // The window shows and changes the document of the core it is given.
    explicit TForm1(Anwendungskern& kern, QWidget* parent = nullptr);
    ~TForm1() override;

    // A command of the menu by its object name ("Neu1", "ffnen1" …); nullptr if unknown.
    QAction* Aktion(const QString& name) const { return befehle_->Aktion(name); }
    // Tool button 1..39 in the order of the tool bar.
    QToolButton* Toolbutton(int index) const { return befehle_->Toolbutton(index); }
    // Status bar panels 0..3.
    QLabel* Statusfeld(int nummer) const;
    QProgressBar* Fortschrittsbalken() const;

    // Shows and hides the tool buttons and their separators.
    void ToolbarAnwenden(const ToolbarSichtbarkeit& s) { befehle_->ToolbarAnwenden(s); }
    bool ToolbuttonSichtbar(int index) const { return befehle_->ToolbuttonSichtbar(index); }
    bool ToolbarTrennerSichtbar(int g) const { return befehle_->ToolbarTrennerSichtbar(g); }

    // The recent files as the drop-down of "Öffnen"; with none it is a plain button.
    void LetzteDateienMenue(const std::vector<std::string>& pfade) {
        befehle_->LetzteDateienMenue(pfade);
    }

    // Long work: the progress bar (0..100) in the status bar and the wait cursor.
    void ArbeitBeginnen();
    void FortschrittSetzen(int prozent);
    void ArbeitBeenden();
    std::function<void(int)> Fortschrittsmelder();

    // Enables a command unless its feature is not built yet.
    void Freigeben(const QString& name, bool an) { befehle_->Freigeben(name, an); }

    // Every question of the window goes through the core's dialogs.
    Dialoge& Dialogdienst() { return dialoge_; }
    Anwendungskern& Kern() { return kern_; }

    TKalender& Kalender() { return kal_; }
    Dateisitzung& Sitzung() { return sitzung_; }
    const Einstellungen& Optionen() const { return einstellungen_; }
    // Views and dialogs keep their window values here; they are stored on closing.
    Einstellungen& Optionen() { return einstellungen_; }
    // Full path of the open calendar file; empty while untitled.
    std::string AktuellerDateiname() const;

    TJahresansicht& Jahresansicht() { return *ansicht_; }
    // The day that dialogs and views opened from here start from.
    AusgewaehlterTag& Auswahl() { return auswahl_; }
    // The task-bar title: "Kalvora - ", the year, " (Schaltjahr)", the file.
    QString Anwendungstitel() const { return anwendungstitel_; }

    // Command line: calendar file (absolute) and start code.
    void Startargumente(const QString& datei, const QString& code);
    // Runs once the splash window has gone.
    void StartNachSplash();
    // "Speichern" and the commands that follow the modified flag.
    void BefehleAktualisieren();
    // The desktop session ends: an open file is closed as by "Schließen".
    void SitzungEnde();
    // "&Vollbild Jahresansicht": hides or shows the bottom panel, the menu and the tool bar.
    void VollbildUmschalten();
    bool Vollbild() const { return !vollbildMenue_ || !vollbildToolbar_ || !vollbildPanel_; }
    // The appointment field instead of the colour legend.
    void TerminfeldZeigen(bool zeigen);

    // Opens the day dialog modally for a day and repaints the year view afterwards.
    void TagesdialogOeffnen(int tag, int monat, int jahr);
    TForm3& Tagesfenster() { return *tagesdialog_; }
    TForm15& Geburtstagsfenster() { return *geburtstagsliste_; }
    TForm21& Namenssuche() { return *namenssuche_; }
    TForm18& Namenstagsfenster() { return *namenstage_; }
    TDrucksteuerung& Druckfenster() { return *drucken_; }
    // "&Adressbuch": the address window, on the group file given or on the address folder.
    void AdressbuchZeigen(const std::string& gruppendatei = {});
    // The entries of "&Statistik" open the chart window modally through this; tests look
    // at the call instead.
    std::function<void(Statistikart)> statistikZeigen;
    // The XML export to a file and the browser output.
    TXmlAusgabe& XmlAusgabe() { return *xml_; }
    // "Wochenfortschreibung", "Farben definieren", the category and link lists.
    TTerminmenue& Terminmenue() { return *terminmenue_; }
    // The iCalendar import and export, and the import of .ics files dropped on the window.
    TIcsAustausch& IcsAustausch() { return *ics_; }
    // After an import: every subscriber learns of the new content, the year view repaints.
    void DokumentNachImportZeigen();
    // The alarm timer, the alarm window and the tray.
    TAlarmsteuerung& Alarm() { return *alarm_; }
    // "&Optionen" and every caller of the options: the dialog on its page (1..12). After each
    // take-over the main window and every subscriber follow the new settings.
    void OptionenZeigen(int seite);
    void OptionenAnwenden();
    // "&Toolbar anpassen": the choice is stored and the tool bar rebuilt.
    void ToolbarAnpassenZeigen();
    // "&Einstellungen bei Schreibschutz": the dialog, then the session's timers follow it.
    void SchreibschutzoptionenZeigen();
    // Today's fading frame follows the settings.
    void RahmenblinkenAnwenden();
    // "&Suchen" and "Weiters&uchen": on a hit the day dialog shows the hit's day, which
    // becomes the selected day.
    void Suchen1Click();
    void Weitersuchen1Click();

    // Undo and redo of day colours. Every command that changes a day's colours calls
    // FarbaenderungMerken first.
    void FarbaenderungMerken(int tag, int monat, int jahr) {
        farben_->FarbaenderungMerken(tag, monat, jahr);
    }
    void Rckgngig1Click() { farben_->Rueckgaengig(); }
    void Wiederherstellen1Click() { farben_->Wiederherstellen(); }
    const TFarbhistorie& Historie() const { return historie_; }
    // A day's colours changed: its cell and the legend counts are redrawn when the year is
    // the one shown.
    void TagNeuZeichnen(int tag, int monat, int jahr) { farben_->TagNeuZeichnen(tag, monat, jahr); }

    // Direct colour editing: mode, current colour, legend and context menu.
    TFarbsteuerung& Farbsteuerung() { return *farben_; }
    TFarbbearbeitung& Farbeditor() { return farben_->Editor(); }
    void ModusSetzen(Farbbearbeitung modus) { farben_->ModusSetzen(modus); }
    // The 16 x 16 icon of slot 1..20 shown beside its menu entries.
    QIcon Farbsymbol(int slot) const;
    // The legend highlight: the days of a slot's colour blink while the pointer rests on
    // its swatch.
    void LegendeBlinken(int slot) { farben_->LegendeBlinken(slot); }
    void LegendeAnhalten() { farben_->LegendeAnhalten(); }
    bool LegendeBlinkt() const { return farben_->LegendeBlinkt(); }

    // The displayed year; every change goes through here.
    void JahrSetzen(int jahr);
    void JahrBlaettern(int jahre);
    // "&Gehe zu Jahr".
    void GeheZuJahr1Click();

    // The year view and the bottom panel.
    TJahresflaeche* Flaeche() const { return flaeche_; }
    QWidget* UnteresPanel() const;
    QSpinBox* Jahresfeld() const;
    QTextEdit* Terminfeld() const;
    QCheckBox* AktuelleFarbeBox() const;
    QLabel* AktuelleFarbe() const;
    // Legend slot 1..20: the swatch with the count and the name field.
    QLabel* Farbfeld(int slot) const;
    QLabel* Farbname(int slot) const;
    // The sunrise and sunset caption of the tool bar.
    QLabel* Sonnenfeld() const { return befehle_->Sonnenfeld(); }
    bool SonnenfeldSichtbar() const { return befehle_->SonnenfeldSichtbar(); }

signals:
    // The window has been painted for the first time.
    void ErstesMalGezeichnet();
    // The window has closed for good (not into the tray): the program ends.
    void Geschlossen();
    // A calendar view has been shown and painted.
    void AnsichtGezeigt(QWidget* fenster);
    // A recent-file entry was chosen (index 0 = most recent).
    void LetzteDateiGewaehlt(int nummer);

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private slots:
    void Beenden1Click();
    void CsvExportieren();

private:
    // What the file session asks of the window.
    void ZustandAnwenden(const Fensterzustand& z) override;
    void ZeitgeberStoppen() override;
    void NeuInitialisieren() override;
    void JahresansichtNeuZeichnen() override;
    void Fortschritt(int prozent) override { FortschrittSetzen(prozent); }
    void Beschaeftigt(bool ja) override;
    void StatusTextLeeren() override;
    void LetzteDateienZeigen(const Dateiliste& liste) override;
    void StartcodeAnwenden(const std::string& code) override;
    void TagesdialogUebernehmen() override;
    bool AdressbuchOeffnen(const std::string& gruppendatei) override;
    // After a file was opened: the reminders of the birthday list.
    void NachDemOeffnen() override;
    void FarbbearbeitungWiederherstellen() override;
    void FarbmenusAktualisieren() override;

    void UnteresPanelAufbauen();
    void Anordnen();
    // A key of a main-window command goes to the command, wherever the focus is: the focus
    // widget (the year field) does not get to take it over for its own editing.
    bool BefehlstasteVorziehen(QObject* objekt, QEvent* e);
    // The pointer on the bottom panel's background or on the status bar: the legend
    // highlight stops and status panels 0, 1 and 3 are emptied.
    void ZeigerAusserhalb();
    // Sets the window back to the minimum outer size; true when it had to.
    bool MindestgroesseHalten();
    // After a new layout the texts describe the day that is now under the pointer.
    void ZeigerNachAnordnung();
    // Shows what the year view's logic holds: status texts, appointment field, sun caption.
    void AnsichtTexteZeigen();
    void NachDemMalen();
    void JahrAnzeigen();
    void LinkmenueZeigen(const QPoint& global);

    void TagesdialogAnlegen();
    void AlarmAnlegen();
    void SuchtrefferZeigen(const std::optional<Datum>& tag);
    void ErsteAktivierung();
    void AnsichtOeffnen(int nummer);
    // The view of the command line or of "Startansicht", from today.
    void StartansichtZeigen(int nummer);
    void AnwendungstitelSetzen();

    ToolbarSichtbarkeit ToolbarAusEinstellungen() const;
    // "Hilfe", "Direkthilfe", the manual, the popup texts and the windows' help hooks.
    void HilfeEinrichten();
    void FormCreate();

    Anwendungskern& kern_;
    const Uhr& uhr_;
    Registry& registry_;
    Dialoge& dialoge_;
    Einstellungen& einstellungen_;
    TKalender& kal_;
    TFarbhistorie& historie_;
    AusgewaehlterTag& auswahl_;
    Dateisitzung& sitzung_;
    std::optional<Datum> dialogSuchtreffer_;  // the last hit of a search in the day dialog
    std::unique_ptr<TJahresansicht> ansicht_;
    QString anwendungstitel_;
    bool ersteAktivierung_ = true;
    int rueckstellungen_ = 0;  // set-backs to the minimum size in a row
    bool startLaeuft_ = false;
    // What full-screen mode leaves visible.
    bool vollbildPanel_ = true;
    bool vollbildMenue_ = true;
    bool vollbildToolbar_ = true;
    THauptbefehle* befehle_ = nullptr;  // menu bar and tool bar
    TUnterpanel* unteresPanel_ = nullptr;
    TJahresflaeche* flaeche_ = nullptr;
    TFarblegende* legende_ = nullptr;  // the appointment field takes its place
    // Colour editing; built after the year view and the panel, gone before them.
    std::unique_ptr<TFarbsteuerung> farben_;
    TDrucksteuerung* drucken_ = nullptr;
    std::unique_ptr<TXmlAusgabe> xml_;
    TTerminmenue* terminmenue_ = nullptr;
    std::unique_ptr<TIcsAustausch> ics_;
    QTimer* aktualisierenTimer_ = nullptr;
    QTimer* speichernTimer_ = nullptr;
    TStatusleiste* statusleiste_ = nullptr;
    TAlarmsteuerung* alarm_ = nullptr;
    bool beendenLaeuft_ = false;  // "Beenden" closes; the close box may go to the tray
    bool gezeichnet_ = false;
    QString startdatei_;
    QString startcode_;
    TForm3* tagesdialog_ = nullptr;
    TForm15* geburtstagsliste_ = nullptr;
    TForm21* namenssuche_ = nullptr;
    TForm18* namenstage_ = nullptr;
};

}  // namespace kalvora
