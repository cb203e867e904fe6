#pragma once
// The commands of the main window: the menu bar built from the menu table, the tool bar with
// its 39 buttons and the sunrise caption, the recent-file menu of "Öffnen", and the list of
// commands whose feature is not built yet.
#include <QObject>
#include <QStringList>

#include <map>
#include <string>
#include <vector>

#include "extras/Toolbartabelle.h"

class QAction;
class QActionGroup;
class QKeySequence;
class QLabel;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;

namespace kalvora {

class THauptbefehle : public QObject {
    Q_OBJECT
public:
    // Builds the menu bar and the tool bar of the window.
    explicit THauptbefehle(QMainWindow& fenster);

    // A command by its object name ("Neu1", "ffnen1" …); nullptr if unknown.
    QAction* Aktion(const QString& name) const;
    const std::map<QString, QAction*>& Aktionen() const { return aktionen_; }
    // The five modes of the menu "&Werkzeuge", one checked at a time.
    QActionGroup* Werkzeuge() const { return werkzeuge_; }
    // Tool button 1..39 in the order of the tool bar.
    QToolButton* Toolbutton(int index) const;
    // Enables a command unless its feature is not built yet.
    void Freigeben(const QString& name, bool an);

    // Shows and hides the tool buttons and their separators.
    void ToolbarAnwenden(const ToolbarSichtbarkeit& sichtbar);
    bool ToolbuttonSichtbar(int index) const;
    bool ToolbarTrennerSichtbar(int gruppe) const;

    // The recent files as the drop-down of "Öffnen"; with none it is a plain button.
    void LetzteDateienMenue(const std::vector<std::string>& pfade);
    QMenu* LetzteDateien() const { return letzteDateien_; }

    // The sunrise and sunset caption at the right end of the tool bar.
    QLabel* Sonnenfeld() const { return sonne_; }
    void SonnenfeldZeigen(bool ja);
    bool SonnenfeldSichtbar() const;

signals:
    // A recent-file entry was chosen (index 0 = most recent).
    void LetzteDateiGewaehlt(int nummer);

private:
    void MenueAufbauen(QMainWindow& fenster);
    void ToolbarAufbauen(QMainWindow& fenster);
    QMenu* Menue(QWidget* eltern, const QString& titel, const QString& name);
    QAction* Eintrag(QMenu* menue, const QString& titel, const QKeySequence& tasten,
                     const QString& name);

    std::map<QString, QAction*> aktionen_;
    QActionGroup* werkzeuge_ = nullptr;
    QMenu* letzteDateien_ = nullptr;
    std::vector<QToolButton*> knoepfe_;
    std::vector<QAction*> knopfplaetze_;  // tool bar slots of the buttons
    std::vector<QAction*> trenner_;
    QLabel* sonne_ = nullptr;
    QAction* sonnenplatz_ = nullptr;
};

}  // namespace kalvora
