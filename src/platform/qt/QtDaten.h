#pragma once
// Files delivered beside the program (icons, help pages, name-day catalogue).
#include <QIcon>
#include <QString>

namespace kalvora {

// Full path of a file of the data folder ("icons/neu.svg"): the folder "daten" beside the
// program first, then the source tree's; empty when neither holds it.
QString Datenpfad(const QString& relativ);

// The desktop theme's icon when it has one of that name, else the program's own SVG from
// "icons/<datei>.svg".
QIcon Symbol(const QString& datei, const QString& themenname = {});

}  // namespace kalvora
