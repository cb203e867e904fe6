#pragma once
// A print job of the program written to a PDF file without a display: an offscreen
// application, a PDF printer in high resolution and the QtDrucker on it.
#include <functional>
#include <string>

#include "platform/Drucker.h"

namespace kalvora::cli {

struct Pdfvorgaben {
    Seitenausrichtung ausrichtung = Seitenausrichtung::Hochformat;
    int kopien = 1;
    int dpi = 600;  // A4 at this resolution
};

// Runs auftrag on an A4 PDF printer and returns its result. The PDF is made in an unnamed
// file that only this process sees and then written to ziel by the program's one atomic
// writer, with its rules (regular files only, write protection respected, owner and
// permissions kept, a link's target written). A failed or killed job leaves no file behind;
// an exception of the job is passed on.
int PdfDrucken(const std::string& ziel, const Pdfvorgaben& vorgaben,
               const std::function<int(Drucker&)>& auftrag);

}  // namespace kalvora::cli
