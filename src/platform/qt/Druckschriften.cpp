#include "platform/qt/Druckschriften.h"

#include <QFont>
#include <mutex>

namespace kalvora {

void DruckschriftenEinrichten() {
    static std::once_flag einmal;
    std::call_once(einmal, [] {
        // Substitutes are consulted only when the family itself is not installed.
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    });
}

}  // namespace kalvora
