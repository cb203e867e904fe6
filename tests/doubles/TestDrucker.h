#pragma once
// A printer that records the job on a recording canvas: the calls of the job in order, and
// for every page the index of its first drawing. The page size is given for portrait and
// swapped in landscape, as a real printer does.
#include <string>
#include <vector>

#include "doubles/AufzeichnendeLeinwand.h"
#include "platform/Drucker.h"

namespace kalvora::test {

class TestDrucker : public Drucker {
public:
    int hochBreite = 4960;  // A4 at 600 dpi
    int hochHoehe = 7016;
    int dpiX = 600;
    int dpiY = 600;
    int kopien = 1;
    bool beginnenGelingt = true;

    AufzeichnendeLeinwand leinwand;
    std::vector<std::string> ablauf;  // "Beginnen:<titel>", "NeueSeite", "Beenden"
    std::vector<std::size_t> seitenanfaenge;  // index into leinwand.zeichnungen per page
    bool begonnen = false;
    Seitenausrichtung ausrichtungBeimBeginnen = Seitenausrichtung::Hochformat;

    void AusrichtungSetzen(Seitenausrichtung a) override { ausrichtung_ = a; }
    Seitenausrichtung Ausrichtung() const override { return ausrichtung_; }
    bool Beginnen(const std::string& titel) override;
    void NeueSeite() override;
    void Beenden() override;
    int SeitenBreite() const override { return quer() ? hochHoehe : hochBreite; }
    int SeitenHoehe() const override { return quer() ? hochBreite : hochHoehe; }
    int AufloesungX() const override { return dpiX; }
    int AufloesungY() const override { return dpiY; }
    int Kopien() const override { return kopien; }
    Leinwand& Zeichenflaeche() override { return leinwand; }

    // The drawings of page i (from 0).
    std::vector<Zeichnung> Seite(std::size_t i) const;

private:
    bool quer() const { return ausrichtung_ == Seitenausrichtung::Querformat; }
    Seitenausrichtung ausrichtung_ = Seitenausrichtung::Hochformat;
};

// What a job shows in its status window.
struct TestDruckstatus : Druckstatus {
    std::vector<std::string> seiten;
    std::vector<int> fortschritte;
    void SeiteZeigen(const std::string& text) override { seiten.push_back(text); }
    void Fortschritt(int prozent) override { fortschritte.push_back(prozent); }
};

}  // namespace kalvora::test
