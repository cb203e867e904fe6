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

// Runs auftrag on an A4 PDF printer and returns its result. The file is written under a
// temporary name beside ziel and renamed at the end, so a failed job (an exception of the
// job, or a PDF that could not be written) leaves no file behind; the exception is passed on.
int PdfDrucken(const std::string& ziel, const Pdfvorgaben& vorgaben,
               const std::function<int(Drucker&)>& auftrag);

}  // namespace kalvora::cli
