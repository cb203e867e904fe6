#pragma once
// Loading and saving the calendar document as the file session needs it. The real form uses
// the calendar file readers and writer and writes atomically; tests use a double.
#include <array>
#include <functional>
#include <string>

#include "kalender/TKalender.h"

namespace kalvora {

enum class Ladeergebnis {
    NichtLesbar,  // the file does not exist; nothing was read
    Text,         // one of the text forms
    Binaer,       // the older binary form (with its ".TxT" companion)
};

class Kalenderspeicher {
public:
    using Fortschrittsmelder = std::function<void(int prozent)>;
    virtual ~Kalenderspeicher() = default;
    // Replaces the document's days, colour table and lists with those of pfad; a file that
    // is not there leaves them empty. A file that exists but cannot be read, or is
    // malformed, throws KalvoraFehler (TeilweiseGelesen when what was read before the fault
    // stays in the document). The modified flag and the legend are the caller's.
    virtual Ladeergebnis Laden(TKalender& kal, const std::string& pfad,
                               const Fortschrittsmelder& fortschritt) = 0;
    // Writes the whole document. Either the file at pfad is the complete new document
    // afterwards, or it is untouched and KalvoraFehler carries the system's reason.
    virtual void Speichern(const TKalender& kal, const std::string& pfad,
                           const Fortschrittsmelder& fortschritt) = 0;
};

// The ten most recent calendar files, most recent first, empty texts at the end.
using Dateiliste = std::array<std::string, 10>;

// Where the recent-file list is kept between runs.
class LetzteDateienAblage {
public:
    virtual ~LetzteDateienAblage() = default;
    // Missing entries are read as (and created) empty.
    virtual Dateiliste Lesen() = 0;
    virtual void Schreiben(const Dateiliste& liste) = 0;
};

}  // namespace kalvora
