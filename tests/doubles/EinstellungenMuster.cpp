#include "doubles/EinstellungenMuster.h"

#include "methoden/Ueberladen.h"

namespace kalvora {

namespace {


void Verstellen(const Wertzeile& z, Feldzeiger f) {
    std::visit(Ueberladen{
                   [](bool* p) { *p = !*p; },
                   [&](int32_t* p) { *p = *p < z.max ? *p + 1 : *p - 1; },
                   [](uint32_t* p) { *p ^= 0x123456; },
                   // Spaces, umlauts, a comma and a leading '@' test the escaping of a store.
                   [&](std::string* p) { *p = "@" + *p + ", " + z.name + " äß"; },
                   [](double* p) { *p = -*p - 0.25; },
                   [&](std::optional<int32_t>* p) { *p = z.max; },
               },
               f);
}

}  // namespace

Einstellungen EinstellungenVerstellt(const Einstellungsumgebung& umgebung) {
    Einstellungen e = EinstellungenStandard(umgebung);
    for (const auto* t : {&HauptschluesselWerte(), &FeiertagsWerte(), &ToolbarWerte(),
                          &LetzteDateienWerte()})
        for (const auto& z : *t) Verstellen(z, z.feld(e));
    return e;
}

}  // namespace kalvora
