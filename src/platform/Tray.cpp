#include "platform/Tray.h"

namespace kalvora {

const char* TraysymbolName(Traysymbol s) {
    switch (s) {
        case Traysymbol::Z002: return "z002";
        case Traysymbol::Z003: return "z003";
        case Traysymbol::Z004: return "z004";
        case Traysymbol::Z005: return "z005";
        case Traysymbol::Z006: return "z006";
        case Traysymbol::Programm: break;
    }
    return "kalvora";
}

}  // namespace kalvora
