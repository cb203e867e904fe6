#pragma once
// The birthday list window: the people of the document with birth date and name day in a
// sortable grid, changed through the entry dialog. It changes the document through the core,
// so the year view and every open window follow.
#include <QDialog>

#include <functional>
#include <vector>

#include "kalender/Dokumentbeobachter.h"
#include "kalender/TKalender.h"
#include "personen/Geburtstagsliste.h"

class QComboBox;
class QTableWidget;
class QToolButton;

namespace kalvora {

class Anwendungskern;
class TForm16;

class TForm15 : public QDialog, private Dokumentbeobachter {
    Q_OBJECT
public:
    explicit TForm15(Anwendungskern& kern, QWidget* parent = nullptr);
    ~TForm15() override;

    // "Liste drucken" runs this: the main window's print dialog and status window.
    std::function<void()> drucken;
    // F5: the main window's "Aktualisieren", when it can be used (false otherwise).
    std::function<bool()> aktualisieren;

    // Sorts, fills the grid, fits the height and shows the window modally.
    void Oeffnen();
    // Sorts the document's list by the window's criterion and direction and refills the grid.
    void Sortieren();

    void NeuerEintrag();
    void EintragAendern();
    void EintragLoeschen();

    QTableWidget* Raster() const { return raster_; }
    // 1 new, 2 change, 3 delete, 4 print, 9 up, 10 down, 6 close
    QToolButton* Knopf(int nummer) const;
    QComboBox* Kriterium() const { return kriterium_; }
    TForm16& Eintragsdialog() { return *dialog_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // A replaced document (a load, a refresh) or a list changed elsewhere shows at once.
    void DokumentErsetzt() override { Fuellen(); }
    void Fuellen();
    void KnoepfeZeigen(const Listenknoepfe& k);
    void HoeheAnpassen();
    int GewaehlteZeile() const;
    std::vector<TGeburtstag>& Liste();

    Anwendungskern& kern_;
    QTableWidget* raster_ = nullptr;
    QComboBox* kriterium_ = nullptr;
    QToolButton* neu_ = nullptr;
    QToolButton* aendern_ = nullptr;
    QToolButton* loeschen_ = nullptr;
    QToolButton* druck_ = nullptr;
    QToolButton* auf_ = nullptr;
    QToolButton* ab_ = nullptr;
    QToolButton* schliessen_ = nullptr;
    TForm16* dialog_ = nullptr;
};

}  // namespace kalvora
