#pragma once
// Which birthdays and name days fall on a day, and the texts that name them. Used by the
// year view, the day dialog, the calendar views and the XML export.
#include <array>
#include <bitset>
#include <string>

#include "kalender/TKalender.h"

namespace kalvora {

// The settings "Geburtstagstext" and "Namenstagstext" (both off by default).
struct Ereignistexte {
    bool geburtstagstext = false;
    bool namenstagstext = false;
};

// Where a non-empty day line gets its CR LF.
enum class Zeilenumbruch { Keiner, Danach, Davor };

// A birth date (or name day) counts only in years after its own year.
bool HatGeburtstag(const TKalender& kal, int tag, int monat, int jahr);
bool HatNamenstag(const TKalender& kal, int tag, int monat, int jahr);

// "Geburtstag: Vorname Name (Alter), …"; mitVorsatz false drops "Geburtstag: ".
std::string Geburtstagstext(const TKalender& kal, int tag, int monat, int jahr,
                            const Ereignistexte& e, bool mitVorsatz = true);
// "Namenstag: Vorname Name, …"; mitVorsatz false drops "Namenstag: ".
std::string Namenstagstext(const TKalender& kal, int tag, int monat, int jahr,
                           const Ereignistexte& e, bool mitVorsatz = true);
// Birthday text, two spaces and the name-day text (or whichever is not empty).
std::string Tageszeile(const TKalender& kal, int tag, int monat, int jahr, const Ereignistexte& e,
                       Zeilenumbruch umbruch = Zeilenumbruch::Keiner);

// The days of one year with a birthday or a name day, built once so that a paint of the
// whole year does not convert every date of the list for every day.
class Ereignistage {
public:
    Ereignistage(const TKalender& kal, int jahr);
    bool Geburtstag(int tag, int monat) const { return geburtstage_[Index(tag, monat)]; }
    bool Namenstag(int tag, int monat) const { return namenstage_[Index(tag, monat)]; }

private:
    static std::size_t Index(int tag, int monat) {
        return static_cast<std::size_t>((monat - 1) * 31 + (tag - 1));
    }
    std::bitset<372> geburtstage_;
    std::bitset<372> namenstage_;
};

}  // namespace kalvora
