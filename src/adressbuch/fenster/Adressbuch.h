#pragma once
// The address book window: the groups of the address folder as a tree, the entries of the
// chosen group in a grid, the menus and tool bar of the group and entry commands, mail,
// export, printing and options.
#include <QDialog>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "adressbuch/Adressbuch.h"
#include "adressbuch/Adressgruppen.h"
#include "einstellungen/Adressbuchablage.h"

class QAction;
class QLabel;
class QMenu;
class QProgressDialog;
class QTableWidget;
class QTimer;
class QToolBar;
class QTreeWidget;

namespace kalvora {

class TForm1;
class TXmlExportdialog;

class TForm22 : public QDialog {
    Q_OBJECT
public:
    // gruppendatei: a group file opened from outside; the window then shows its folder and
    // opens that group.
    explicit TForm22(TForm1& haupt, const std::string& gruppendatei = {});
    ~TForm22() override;

    // Modal, maximised.
    int Zeigen();

    // The address folder without a setting: "Adressbuch" in the user's data folder.
    static QString StandardOrdner();

    QTreeWidget* Baum() const { return baum_; }
    QTableWidget* Raster() const { return raster_; }
    QLabel* Statusfeld(int i) const { return i == 0 ? status1_ : status2_; }
    QAction* Befehl(const char* name) const;
    TAdressbuch& Gruppe() { return buch_; }
    const Adressoptionen& Optionen() const { return opt_; }
    QString Ordner() const { return ordner_; }
    bool GesamtGewaehlt() const;
    // The shown rows: entries of the open list in its order.
    int Zeile() const;  // 0-based entry of the selected row, -1 for none

    // The commands, as the menus run them.
    void GruppeAnlegen();
    void GruppeUmbenennen();
    void GruppeLoeschen();
    void NeuerEintrag();
    void EintragBearbeiten();
    void EintragLoeschen();
    void EintragKopieren();
    void Sortieren(int spalte);
    void XmlExportieren();
    void Drucken();
    void OptionenZeigen();
    void Email();
    void Gruppenmail();
    void Serienmail();
    void Homepage();
    void KnotenWaehlen(int index);

    // Hooks for the tests: the export dialog and the copy dialog (the chosen group's index
    // among the groups, or nothing for "Abbruch").
    std::function<bool(TXmlExportdialog&)> exportdialogZeigen;
    std::function<std::optional<int>(const QStringList& gruppen)> kopierzielWaehlen;
    std::function<void(int thema)> hilfe;
    // Pause between the mails of a serial mail.
    int serienpauseMs = 1000;

    void reject() override;

private:
    void Aufbauen();
    void Oeffnen(bool einstellungenLesen);
    void Fuellen();
    void EintragWaehlen(const TAdresse& eintrag);
    void Freigaben();
    void ZeileGewaehlt();
    void InternetFreigaben();
    bool SpeichernWennGeaendert();
    bool AenderbareGruppe();
    void BreitenMerken();
    void SpaltenAnwenden();
    QAction* Neu(const char* name, const QString& text, const char* symbol = nullptr);
    std::string Knotenname() const;
    const TAdresse* Gewaehlt() const;
    void SerieWeiter();

    TForm1& haupt_;
    TAdressbuch buch_;
    Adressoptionen opt_;
    std::vector<Adressgruppe> gruppen_;
    bool gesamtImBaum_ = false;
    int sortSpalte_ = adressfeld::Name;
    std::optional<TAdresse> kopie_;
    QString ordner_;
    QString startDatei_;
    bool ordnerFest_ = false;

    QTreeWidget* baum_ = nullptr;
    QTableWidget* raster_ = nullptr;
    QToolBar* leiste_ = nullptr;
    QLabel* status1_ = nullptr;
    QLabel* status2_ = nullptr;
    QMenu* internet_ = nullptr;
    QMenu* bearbeiten_ = nullptr;
    QMenu* baumMenue_ = nullptr;
    QMenu* rasterMenue_ = nullptr;
    bool fuellt_ = false;

    // The serial mail under way: each URL is made when its turn comes.
    std::vector<TAdresse> serie_;
    std::string serieBetreff_, serieText_;
    std::size_t serieNaechste_ = 0;
    QTimer* serieTakt_ = nullptr;
    QProgressDialog* serieFortschritt_ = nullptr;
};

}  // namespace kalvora
