// The main window's colour legend and direct colour editing of the year view.
#include <QLabel>

#include "main/Farbbearbeitung.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"

namespace kalvora {

void TForm1::TagNeuZeichnen(int tag, int monat, int jahr) {
    const std::optional<Rechteck> z = kalvora::TagNeuZeichnen(*ansicht_, tag, monat, jahr);
    if (!z) return;
    flaeche_->update(QRect(z->links, z->oben, z->Breite() + 1, z->Hoehe() + 1));
    const auto zaehler = Farbzaehlung(kal_, jahr);
    for (int k = 1; k <= AnzahlFarben; ++k)
        farbfelder_[k - 1]->setText(QString::number(zaehler[k]));
    BefehleAktualisieren();
}

}  // namespace kalvora
