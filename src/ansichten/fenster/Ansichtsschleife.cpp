#include "ansichten/fenster/Ansichtsschleife.h"

#include <memory>

#include "ansichten/fenster/Monatsansicht.h"
#include "ansichten/fenster/Wochenansicht.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"

namespace kalvora {
namespace {

const char* Formname(Ansicht a) {
    switch (a) {
        case Ansicht::Woche: return "form7";
        case Ansicht::ZweiWochen: return "form19";
        case Ansicht::Monat: return "form8";
        case Ansicht::MonatMitWochen: return "form9";
        case Ansicht::Keine: break;
    }
    return "";
}

std::unique_ptr<TKalenderansicht> Anlegen(TForm1& haupt, Ansicht a) {
    switch (a) {
        case Ansicht::Woche: return std::make_unique<TForm7>(haupt);
        case Ansicht::ZweiWochen: return std::make_unique<TForm19>(haupt);
        case Ansicht::Monat: return std::make_unique<TForm8>(haupt);
        case Ansicht::MonatMitWochen: return std::make_unique<TForm9>(haupt);
        case Ansicht::Keine: break;
    }
    return nullptr;
}

}  // namespace

Wechselanfragen AnsichtZeigen(TForm1& haupt, Ansicht ansicht) {
    std::unique_ptr<TKalenderansicht> fenster = Anlegen(haupt, ansicht);
    if (!fenster) return {};
    return fenster->Oeffnen();
}

void AnsichtenZeigen(TForm1& haupt, Ansicht erste) {
    const Wechselanfragen anfragen = AnsichtZeigen(haupt, erste);
    const Einstellungen& e = haupt.Optionen();
    AnsichtWechseln(Formname(erste), anfragen, e.Wochenansicht, e.Monatsansicht,
                    [&haupt](Ansicht a) { return AnsichtZeigen(haupt, a); });
    haupt.Flaeche()->update();
}

}  // namespace kalvora
