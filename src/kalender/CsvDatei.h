#pragma once
// CSV exchange: the export of every info text and appointment for spreadsheets, and the
// import of a calendar file whose first line is "kalvora-csv version 1.0".
#include <functional>
#include <string>
#include <string_view>

#include "kalender/TKalender.h"

namespace kalvora {

// The header line with commas; the import also takes it with semicolons.
extern const char* const kCsvKopfzeile;
extern const char* const kCsvKopfzeileSemikolon;
// Shown when the second line of an import file is not a header line.
extern const char* const kMeldungCsvFormat;

// The export as Windows-1252 bytes with CR LF. Throws KalvoraFehler naming a text that
// Windows-1252 cannot hold.
std::string KalenderAlsCsv(const TKalender& kal, const std::function<void(int)>& fortschritt = {});

// Imports the lines of an import file (bytes: the whole file, its first line is skipped)
// into kal, which the caller has emptied. Throws KalvoraFehler with kMeldungCsvFormat when
// the header is wrong, and with the line number for a malformed line; the lines before it
// stay imported.
void CsvImportieren(TKalender& kal, std::string_view bytes,
                    const std::function<void(int)>& fortschritt = {});

}  // namespace kalvora
