#pragma once
// The program's icon in the desktop's notification area.
#include <functional>
#include <string>

#include "platform/Leinwand.h"

namespace kalvora {

// The icons the tray shows: the application icon and "z002" … "z006".
enum class Traysymbol { Programm, Z002, Z003, Z004, Z005, Z006 };
enum class Traytaste { Links, Rechts };

// The resource name of an icon ("kalvora", "z002" …).
const char* TraysymbolName(Traysymbol s);

class Tray {
public:
    virtual ~Tray() = default;
    // Whether the desktop has a notification area at all.
    virtual bool Verfuegbar() const = 0;
    // Adds the icon (or changes it when it is there).
    virtual void Zeigen(Traysymbol symbol, const std::string& tooltip) = 0;
    virtual void SymbolSetzen(Traysymbol symbol) = 0;
    virtual void Entfernen() = 0;
    virtual bool Sichtbar() const = 0;
    virtual Traysymbol Symbol() const = 0;
    // A mouse button released on the icon, with the pointer's position on the screen.
    std::function<void(Traytaste, Punkt)> geklickt;
};

}  // namespace kalvora
