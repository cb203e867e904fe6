#pragma once
// A print job on a printer (or a PDF file): pages of a fixed size in device pixels, drawn
// through the printer's canvas, whose text metrics are the printer's own.
#include <string>

#include "platform/Leinwand.h"

namespace kalvora {

enum class Seitenausrichtung { Hochformat, Querformat };

class Drucker {
public:
    virtual ~Drucker() = default;
    // Before Beginnen: the orientation of the pages.
    virtual void AusrichtungSetzen(Seitenausrichtung ausrichtung) = 0;
    virtual Seitenausrichtung Ausrichtung() const = 0;
    // Starts the document with a job title; false when the printer cannot start it.
    virtual bool Beginnen(const std::string& titel) = 0;
    virtual void NeueSeite() = 0;
    // Ends the document; safe to call when nothing was begun.
    virtual void Beenden() = 0;
    // Page size in device pixels and resolution in dots per inch, for the orientation set.
    virtual int SeitenBreite() const = 0;
    virtual int SeitenHoehe() const = 0;
    virtual int AufloesungX() const = 0;
    virtual int AufloesungY() const = 0;
    // The number of copies the user asked for in the print dialog.
    virtual int Kopien() const = 0;
    // The canvas of the current page (valid between Beginnen and Beenden).
    virtual Leinwand& Zeichenflaeche() = 0;
};

// What a running job tells its status window.
struct Druckstatus {
    // "Seite n von m" for the copy being printed.
    virtual void SeiteZeigen(const std::string& text) = 0;
    virtual void Fortschritt(int prozent) = 0;  // 0..100

protected:
    ~Druckstatus() = default;
};

// For a job that nobody watches (a preview, the command line).
struct OhneDruckstatus final : Druckstatus {
    void SeiteZeigen(const std::string&) override {}
    void Fortschritt(int) override {}
};

}  // namespace kalvora
