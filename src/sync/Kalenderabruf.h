#pragma once
// One-way download of a server calendar into the document: every event resource is fetched
// and taken in by the iCalendar import, and the synchronisation state learns each item's
// UID, href, ETag and content hash. Items the document holds already (the same day, time,
// duration and text) are not added again, so a second download doubles nothing.
#include <string>

#include "kalender/Icalendar.h"
#include "kalender/TKalender.h"
#include "sync/Caldavclient.h"
#include "sync/Syncstand.h"

namespace kalvora {

struct Abrufergebnis {
    int ressourcen = 0;  // items of the server taken in
    IcsImportergebnis import;  // summed over the items
};

// The UID of the first component of an iCalendar body (folded lines joined); empty when
// there is none.
std::string IcsUid(const std::string& inhalt);

// Fetches every item of the calendar into kal and records it in stand (its token included).
// Any server or network error throws before kal is touched; an item the import cannot read
// is counted as skipped with its name and reason.
Abrufergebnis KalenderAbrufen(TCaldavClient& client, const std::string& kalenderUrl,
                              TKalender& kal, const IcsImportoptionen& optionen,
                              Syncstand& stand);

}  // namespace kalvora
