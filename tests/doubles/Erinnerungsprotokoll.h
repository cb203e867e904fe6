#pragma once
// Reminder windows written down instead of shown.
#include <vector>

#include "personen/Erinnerungsanzeige.h"

namespace kalvora::test {

class Erinnerungsprotokoll : public Erinnerungsanzeige {
public:
    void Zeigen(const Erinnerungstexte& texte) override { gezeigt.push_back(texte); }
    std::vector<Erinnerungstexte> gezeigt;
};

}  // namespace kalvora::test
