#pragma once
// "Namenstagsübersicht": the name days of a whole year in twelve columns, scrollable, with
// the year stepped by the tool buttons or "+" and "-".
#include <QDialog>

#include <functional>
#include <string>
#include <vector>

#include "personen/Namenstagskatalog.h"
#include "personen/Namenstagslistendruck.h"
#include "personen/Namenstagsuebersicht.h"

class QScrollArea;
class QToolButton;

namespace kalvora {

class Dialoge;
class TForm20;
class TForm21;

class TForm18 : public QDialog {
    Q_OBJECT
public:
    TForm18(std::vector<std::string> ordner, Dialoge& dialoge, TForm21& suche,
            QWidget* parent = nullptr);

    // Reads the catalogue, lays the year out and shows the window modally; the catalogue is
    // freed when it closes.
    void Oeffnen(int jahr, uint32_t wochenendfarbe);
    void JahrBlaettern(int schritte);

    int Jahr() const { return jahr_; }
    const Uebersichtsmasse& Masse() const { return masse_; }
    const Namenstagskatalog& Katalog() const { return katalog_; }
    QWidget* Zeichenflaeche() const { return flaeche_; }
    QToolButton* Knopf(int nummer) const;  // 1 back, 3 forward, 4 print, 8 search, 6 close
    // "Drucken": the print options, then the main window's print dialog and status window.
    std::function<void(const Namenstagsdruckoptionen&)> drucken;
    TForm20& Druckoptionen() { return *optionen_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class TUebersichtsflaeche;
    std::vector<std::string> ordner_;
    Dialoge& dialoge_;
    TForm21& suche_;
    Namenstagskatalog katalog_;
    Uebersichtsmasse masse_;
    int jahr_ = 2000;
    uint32_t wochenende_ = 0xE0E0E0;
    QScrollArea* rollbereich_ = nullptr;
    QWidget* flaeche_ = nullptr;
    QToolButton* zurueck_ = nullptr;
    QToolButton* weiter_ = nullptr;
    QToolButton* suchen_ = nullptr;
    QToolButton* druck_ = nullptr;
    TForm20* optionen_ = nullptr;
    QToolButton* schliessen_ = nullptr;
};

}  // namespace kalvora
