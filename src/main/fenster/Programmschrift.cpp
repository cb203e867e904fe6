#include "main/fenster/Programmschrift.h"

#include <QApplication>

namespace kalvora {

QFont Programmschrift() {
    QFont f;
    // Arial maps to Liberation Sans through fontconfig where the name itself is missing.
    f.setFamilies({QString::fromLatin1(Programmschriftart), QStringLiteral("Arial")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(ProgrammschriftPixel);
    return f;
}

void ProgrammschriftSetzen() { QApplication::setFont(Programmschrift()); }

}  // namespace kalvora
