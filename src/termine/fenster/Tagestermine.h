#pragma once
// TForm3 "Tagestermine", the day dialog: header with date, week, day colours and birthdays,
// the info text, the appointment grid and its commands. Created once, shown modally on the
// selected day any number of times. All rules live in Tagesdialog; this window shows its state.
#include <QDialog>

#include <functional>
#include <memory>
#include <optional>

#include "einstellungen/Einstellungen.h"
#include "kalender/Dokumentbeobachter.h"
#include "kalender/TKalender.h"
#include "platform/Dialoge.h"
#include "platform/Registry.h"
#include "termine/Tagesdialog.h"
#include "termine/Tageskopf.h"
#include "termine/Termineditor.h"
#include "termine/Terminsuche.h"

class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace kalvora {

class Eingabefeld;
class TForm4;
class TSuchen;
class Farbpanel;

class TForm3 : public QDialog, private Dokumentbeobachter {
    Q_OBJECT
public:
    // The document, the settings, the settings store (column widths) and the message boxes
    // belong to the main window and outlive this dialog.
    TForm3(TKalender& kal, const Einstellungen& einst, Registry& registry, Dialoge& dialoge,
           QWidget* parent = nullptr);
    ~TForm3() override;

    // The main window's entry point: shows the dialog modally on that day and returns when it
    // is closed, with the working copy written back.
    void TagesdialogOeffnen(int tag, int monat, int jahr);

    // Hooks of the main window.
    void FarbaenderungMerkenSetzen(Farbaenderungsmerker merker);
    void SchreibgeschuetztSetzen(bool ja);
    // F5: runs the main window's "Aktualisieren" when it is enabled; false when it is not.
    // The reloaded document reaches the dialog as a subscriber of the document.
    std::function<bool()> aktualisieren;
    // The year the main window shows (for the search dialog's years).
    std::function<int()> jahrDerAnsicht;
    // A search from this dialog found a day: it becomes the selected day of the main window.
    std::function<void(const Datum&)> suchtrefferGewaehlt;
    std::function<void(int thema)> hilfe;
    // "Optionen": the options dialog on its page "Termine"; the button is enabled with it.
    std::function<void()> optionen;
    void OptionenFreigeben();

    // The main window's "Suchen" and "Weitersuchen": on a hit the day dialog opens on the
    // hit's day with the hit selected; the hit's day is returned for the selected day.
    std::optional<Datum> HauptfensterSuchen(int jahr);
    std::optional<Datum> HauptfensterWeitersuchen();
    bool WeitersuchenAktiv() const;
    // The document was read again from its file (read-only refresh): the shown day is
    // loaded anew instead of keeping, and later writing back, the old working copy. A
    // visible dialog does it on its own when the document is replaced.
    void AusDokumentNeuLaden();

    Tagesdialog& Modell() { return *dialog_; }
    TForm4& Editorfenster() { return *editorfenster_; }
    TSuchen& Suchfenster() { return *suchfenster_; }
    QTableWidget* Raster() const { return raster_; }
    QMenu* Tagesfarbmenue();

protected:
    void done(int r) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void DokumentErsetzt() override;
    void Aufbauen();
    void Aktivieren();
    void Anzeigen();        // grid, info field and buttons from the model
    void KnoepfeAnzeigen();
    void KopfAnzeigen();    // caption, date and week labels, colour panel, memo
    void GitterBemessen();
    void Platzieren();
    void InfoUebernehmen();
    void Arbeit(const std::function<void()>& was);
    void NeuerTermin();
    void TerminAendern();
    void TerminLoeschen();
    void AlleLoeschen();
    void VerschiebenOderKopieren(bool verschieben);
    void Blaettern(int schritt);
    void Woche(int richtung);
    void NachEditor();
    void SuchenKlick();
    void WeitersuchenKlick();
    void Springen(const Suchtreffer& t);
    void TrefferAuswaehlen();
    void BreitenLesen();
    void BreitenSchreiben();

    TKalender& kal_;
    const Einstellungen& einst_;
    Registry& registry_;
    Dialoge& dialoge_;
    Tagesumgebung umgebung_;
    std::unique_ptr<Termineditor> editor_;
    std::unique_ptr<Tagesdialog> dialog_;
    TForm4* editorfenster_ = nullptr;
    TSuchen* suchfenster_ = nullptr;
    bool arbeitet_ = false;

    QLabel *datum_, *kw_;
    Farbpanel* farbpanel_;
    QPlainTextEdit* memo_;
    Eingabefeld* info_;
    QToolButton *infoLoeschen_, *links_, *rechts_, *wocheZurueck_, *wocheVor_;
    QPushButton *neu_, *aendern_, *loeschen_, *verschieben_, *kopieren_, *alleLoeschen_;
    QPushButton *fertig_, *suchen_, *weitersuchen_, *optionen_, *hilfeKnopf_;
    QLabel* listeLabel_;
    QTableWidget* raster_;
    QProgressBar* fortschritt_;
    QMenu* farbmenue_;
};

}  // namespace kalvora
