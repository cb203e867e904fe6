#pragma once
// The size of the primary screen, for the settings that fit window sizes to it.
#include <QGuiApplication>
#include <QScreen>

#include "platform/Bildschirmgroesse.h"

namespace kalvora {

inline Bildschirmgroesse Hauptbildschirm() {
    Bildschirmgroesse g;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        g.breite = s->geometry().width();
        g.hoehe = s->geometry().height();
    }
    return g;
}

}  // namespace kalvora
