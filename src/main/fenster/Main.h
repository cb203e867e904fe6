#pragma once
// The main window: menu, tool bar, year view (later) and status bar.
#include <QMainWindow>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "einstellungen/Einstellungen.h"
#include "extras/Toolbartabelle.h"
#include "kalender/TKalender.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QProgressBar;
class QToolButton;

namespace kalvora {

class Dialoge;
class Registry;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // Without a registry the window uses the current user's settings store.
    explicit TForm1(QWidget* parent = nullptr, Registry* registry = nullptr);
    ~TForm1() override;

    // Object names of the commands whose feature is not built yet; they stay disabled.
    static const QStringList& NochNichtGebaut();

    // A command of the menu by its object name ("Neu1", "ffnen1" …); nullptr if unknown.
    QAction* Aktion(const QString& name) const;
    // Tool button 1..39 in the order of the tool bar.
    QToolButton* Toolbutton(int index) const;
    // Status bar panels 0..3.
    QLabel* Statusfeld(int nummer) const;
    QProgressBar* Fortschrittsbalken() const { return fortschritt_; }

    // Shows and hides the tool buttons and their separators.
    void ToolbarAnwenden(const ToolbarSichtbarkeit& sichtbar);
    bool ToolbuttonSichtbar(int index) const;
    bool ToolbarTrennerSichtbar(int gruppe) const;

    // The recent files as the drop-down of "Öffnen"; with none it is a plain button.
    void LetzteDateienZeigen(const std::vector<std::string>& pfade);

    // Long work: the progress bar (0..100) in the status bar and the wait cursor.
    void ArbeitBeginnen();
    void FortschrittSetzen(int prozent);
    void ArbeitBeenden();
    std::function<void(int)> Fortschrittsmelder();

    // Enables a command unless its feature is not built yet.
    void Freigeben(const QString& name, bool an);

    // Every question of the window goes through this; tests put scripted dialogs in.
    Dialoge& Dialogdienst() { return *dialoge_; }
    void DialogeSetzen(Dialoge* dialoge);

    TKalender& Kalender() { return kal_; }
    const Einstellungen& Optionen() const { return einstellungen_; }
    // Full path of the open calendar file; empty while untitled.
    std::string AktuellerDateiname() const;

    // Command line: calendar file and start code.
    void Startargumente(const QString& datei, const QString& code);
    // Runs once the splash window has gone.
    void StartNachSplash();

signals:
    // The window has been painted for the first time.
    void ErstesMalGezeichnet();
    // A recent-file entry was chosen (index 0 = most recent).
    void LetzteDateiGewaehlt(int nummer);

protected:
    bool event(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private slots:
    void Beenden1Click();
    void CsvExportieren();

private:
    void FormCreate();
    void MenueAufbauen();
    void ToolbarAufbauen();
    void StatusleisteAufbauen();
    void FortschrittPlatzieren();
    QMenu* Menue(QWidget* eltern, const QString& titel);
    QAction* Eintrag(QMenu* menue, const QString& titel, const QKeySequence& tasten = {},
                     const QString& name = {});
    QString Objektname(const QString& titel, const QString& vorgabe);

    std::unique_ptr<Registry> eigeneRegistry_;
    Registry* registry_ = nullptr;
    Einstellungen einstellungen_;
    TKalender kal_;
    std::map<QString, int> namenszaehler_;
    std::map<QString, QAction*> aktionen_;
    QActionGroup* werkzeuge_ = nullptr;
    QMenu* letzteDateien_ = nullptr;
    std::vector<QToolButton*> knoepfe_;
    std::vector<QAction*> knopfplaetze_;  // tool bar slots of the buttons
    std::vector<QAction*> trenner_;
    QLabel* sonne_ = nullptr;
    std::vector<QLabel*> felder_;
    QProgressBar* fortschritt_ = nullptr;
    bool arbeitet_ = false;
    bool gezeichnet_ = false;
    QString startdatei_;
    QString startcode_;
    std::unique_ptr<Dialoge> eigeneDialoge_;
    Dialoge* dialoge_ = nullptr;
};

}  // namespace kalvora
