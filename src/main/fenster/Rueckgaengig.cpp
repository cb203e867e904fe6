// The main window's undo and redo of day colours.
#include <QAction>
#include <QToolButton>

#include "main/fenster/Jahresflaeche.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Main.h"

namespace kalvora {

namespace t = historientexte;

void TForm1::FarbaenderungMerken(int tag, int monat, int jahr) {
    historie_.FarbaenderungMerken(tag, monat, jahr);
    HistorieAnzeigen();
}

void TForm1::HistorieAnzeigen() {
    if (!Aktion(befehl::Rueckgaengig)) return;  // the menu is not built yet
    Freigeben(befehl::Rueckgaengig, bearbeitbar_ && historie_.RueckgaengigMoeglich());
    Freigeben(befehl::Wiederherstellen,
              bearbeitbar_ && historie_.WiederherstellenMoeglich());
    // An empty list gives its button the plain hint back.
    if (!historie_.RueckgaengigMoeglich())
        Aktion(befehl::Rueckgaengig)->setToolTip(QString::fromUtf8(t::Rueckgaengig));
    if (!historie_.WiederherstellenMoeglich())
        Aktion(befehl::Wiederherstellen)
            ->setToolTip(QString::fromUtf8(t::Wiederherstellen));
}

void TForm1::HistorienhinweisSetzen(QObject* knopf) {
    // The hint counts the steps while the pointer is on the button.
    if (knopf == Toolbutton(7)) {
        Aktion(befehl::Rueckgaengig)
            ->setToolTip(QString::fromStdString(
                Historienhinweis(t::Rueckgaengig, historie_.Undoliste().size())));
    } else if (knopf == Toolbutton(8)) {
        Aktion(befehl::Wiederherstellen)
            ->setToolTip(QString::fromStdString(
                Historienhinweis(t::Wiederherstellen, historie_.Redoliste().size())));
    }
}

void TForm1::Rckgngig1Click() {
    if (const std::optional<Datum> d = historie_.Rueckgaengig()) {
        kal_.geaendert = true;
        kern_.TagGeaendertMelden(*d);
    }
    HistorieAnzeigen();
}

void TForm1::Wiederherstellen1Click() {
    if (const std::optional<Datum> d = historie_.Wiederherstellen()) {
        kal_.geaendert = true;
        kern_.TagGeaendertMelden(*d);
    }
    HistorieAnzeigen();
}

void TForm1::UndoLeeren() {
    historie_.Leeren();
    HistorieAnzeigen();
}

}  // namespace kalvora
