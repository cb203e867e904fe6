#pragma once
// The size of the screen the program starts on, in pixels.
namespace kalvora {

struct Bildschirmgroesse {
    int breite = 1024;
    int hoehe = 768;
};

}  // namespace kalvora
