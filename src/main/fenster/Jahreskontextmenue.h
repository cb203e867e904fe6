#pragma once
// The context menu of the year view as its model says: "Farbe löschen", the entries
// "Farbe1" … "Farbe20", the three colour submenus, "Tagestermine", the views and "Vollbild".
// It reports the choice; the main window runs it.
#include <QMenu>

#include "main/Farbbearbeitung.h"

namespace kalvora {

class TFarblegende;

class TJahreskontextmenue : public QMenu {
    Q_OBJECT
public:
    // ueberTag: the menu was opened over a day (only then do the colour entries act).
    TJahreskontextmenue(const Kontextmenue& modell, bool ueberTag, const TFarblegende& legende,
                        const QString& vollbildTitel, QWidget* parent = nullptr);

signals:
    void FarbeLoeschenGewaehlt();
    // An entry "Farbe1" … "Farbe20".
    void FarbeGewaehlt(int slot);
    // An entry of a submenu: its command and slot.
    void UntermenueGewaehlt(Farbbefehl befehl, int slot);
    void TagestermineGewaehlt();
    // The views for the selected day: the week and month view the settings choose, and the
    // desktop timetable.
    void WochenansichtGewaehlt();
    void MonatsansichtGewaehlt();
    void DesktopGewaehlt();
    void VollbildGewaehlt();
};

}  // namespace kalvora
