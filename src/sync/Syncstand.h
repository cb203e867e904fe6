#pragma once
// The synchronisation state of one calendar file with one server calendar of one account:
// for every item the UID, the server's href and ETag and a hash of the content both sides
// last agreed on, and the sync token of the collection. It lives in the user's state folder
// (never in the calendar file), one file per calendar file and account, written atomically.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Dateischreiber.h"

namespace kalvora {

struct Synceintrag {
    std::string uid;
    std::string href;  // absolute URL on the server
    std::string etag;  // empty: recorded before its PUT, not yet confirmed
    std::string hash;  // Inhaltshash of what was agreed
    bool operator==(const Synceintrag&) const = default;
};

struct Syncstand {
    std::string kalenderdatei;  // absolute path of the calendar file
    std::string kalenderUrl;
    std::string benutzer;
    std::string syncToken;
    std::vector<Synceintrag> eintraege;
    bool operator==(const Syncstand&) const = default;

    // The entry of that href or UID; nullptr for none.
    Synceintrag* NachHref(const std::string& href);
    Synceintrag* NachUid(const std::string& uid);
};

// 16 hex digits (FNV-1a, 64 bits): enough to see whether content changed, not a secret.
std::string Inhaltshash(std::string_view inhalt);

// $XDG_STATE_HOME/kalvora/caldav, else ~/.local/state/kalvora/caldav; the values of the
// two variables are handed in (nullptr for unset). Empty when neither gives a folder.
std::string SyncstandOrdner(const char* xdgStateHome, const char* home);

// The state file's name in that folder: one per calendar file, calendar and user.
std::string SyncstandDateiname(const std::string& kalenderdatei,
                               const std::string& kalenderUrl, const std::string& benutzer);

std::string SyncstandText(const Syncstand& stand);
// Throws KalvoraFehler naming pfad and the line for a file that is no state file.
Syncstand SyncstandAusText(const std::string& text, const std::string& pfad);

// A missing file is an empty state for that calendar file, calendar and user; a file that
// belongs to another one (a hash collision) or is broken is an error.
Syncstand SyncstandLaden(const std::string& pfad, const std::string& kalenderdatei,
                         const std::string& kalenderUrl, const std::string& benutzer);
// Creates the folder (for this user only) and writes the file through schreiben.
void SyncstandSpeichern(const std::string& pfad, const Syncstand& stand,
                        const Dateischreiber& schreiben);

}  // namespace kalvora
