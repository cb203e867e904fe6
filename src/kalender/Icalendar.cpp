#include "kalender/Icalendar.h"

#include <libical/ical.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <tuple>

#include "kalender/Cssfarben.h"
#include "kalender/Farbnamen.h"
#include "kalender/Fehlerkanalstille.h"
#include "kalender/Icszerlegung.h"
#include "kalender/Windowszonen.h"
#include "methoden/Fehler.h"
#include "methoden/Uhrzeit.h"
#include "methoden/Zeichensatz.h"

namespace kalvora {

const char* const kIcsOhneTitel = "(ohne Titel)";
const char* const kIcsFortsetzung = "Fortsetzung: ";
const char* const kIcsUnlesbar = "Die Datei kann nicht als iCalendar-Datei gelesen werden";
const char* const kIcsGrundAbgesagt = "abgesagt";
const char* const kIcsGrundAufgabe = "Aufgabe oder Journaleintrag";
const char* const kIcsGrundOhneBeginn = "ohne Beginn (DTSTART)";
const char* const kIcsGrundFehlerhaft = "fehlerhafte Zeit- oder Wiederholungsangaben";
const char* const kIcsGrundAusserhalb = "außerhalb 1901–2099";
const char* const kIcsGrundAbgebrochen = "Wiederholung zu umfangreich, abgebrochen";
const char* const kIcsGrundZeitzone =
    "Zeitzone der Datei (VTIMEZONE) mit unbrauchbarer Umstellungsregel";
const char* const kIcsHinweisEndeOhneBeginn = "Zeilen END ohne vorangehendes BEGIN übergangen";
const char* const kIcsHinweisZoneUnbekannt =
    "Termine in einer unbekannten Zeitzone (TZID), als Ortszeit gelesen";
const char* const kIcsHinweisNotiz = "Notizen (DESCRIPTION) nicht übernommen";
const char* const kIcsHinweisAeltereFassung =
    "ältere Fassungen eines Termins (gleiche UID, kleinere SEQUENCE) übergangen";
const char* const kIcsHinweisTeilnehmer =
    "Termine mit Teilnehmern oder Organisator (ATTENDEE, ORGANIZER), nicht übernommen";
const char* const kIcsHinweisKategorien = "Termine mit weiteren Kategorien, nur eine übernommen";
const char* const kIcsHinweisAlarmvorlauf =
    "Erinnerungen mit anderem Vorlauf, als Alarm mit dem eigenen Vorlauf übernommen";
const char* const kIcsHinweisStatus =
    "Angaben zu Status oder Vertraulichkeit (STATUS, CLASS) nicht übernommen";

std::string IcsGrundGekuerzt(long hoechstens) {
    // The limit as a German number: 100.000.
    std::string zahl = std::to_string(hoechstens);
    for (int i = static_cast<int>(zahl.size()) - 3; i > 0; i -= 3)
        zahl.insert(static_cast<std::size_t>(i), ".");
    return "Wiederholung mit mehr als " + zahl + " Vorkommen, danach gekürzt";
}

namespace {

// Our own properties: the exact colour value, which the CSS names of COLOR cannot carry, and
// the category as it is (libical writes CATEGORIES as a list, a comma in it would split it).
constexpr const char* kFarbeX = "X-KALVORA-FARBE";
constexpr const char* kKategorieX = "X-KALVORA-KATEGORIE";
// Where the line of CATEGORIES goes, which is written here rather than by libical.
constexpr const char* kPlatzX = "X-KALVORA-PLATZHALTER";
// Squared RGB distance within which a colour counts as a slot's colour (about 40 per channel).
constexpr int kNaheFarbe = 3 * 40 * 40;
constexpr int kLaengsteDauer = 1439;

// libical keeps its zones and settings process-wide; they are set once, before any zone is
// loaded. The zone data is the system's (/usr/share/zoneinfo).
void LibicalVorbereiten() {
    static const bool fertig = [] {
        icalerror_set_errors_are_fatal(0);
        icaltimezone_set_builtin_tzdata(0);
        return true;
    }();
    (void)fertig;
}

icaltimezone* ZoneNachName(const std::string& name) {
    if (name.empty()) return nullptr;
    if (name == "UTC" || name == "Etc/UTC" || name == "Z") return icaltimezone_get_utc_timezone();
    return icaltimezone_get_builtin_timezone(name.c_str());
}

// The system's zone a TZID names: a tz name, the same with a vendor's prefix
// ("/mozilla.org/20070129_1/Europe/Paris", "/softwarestudio.org/Olson_20011030_5/…"), or a
// Windows zone name ("W. Europe Standard Time").
icaltimezone* SystemzoneFuer(const std::string& name) {
    if (name.empty() || name.size() > 200) return nullptr;
    if (icaltimezone* z = ZoneNachName(name)) return z;
    if (name[0] == '/') {
        for (std::size_t p = name.find('/'); p != std::string::npos; p = name.find('/', p + 1))
            if (p + 1 < name.size())
                if (icaltimezone* z = ZoneNachName(name.substr(p + 1))) return z;
    }
    if (icaltimezone* z = icaltimezone_get_builtin_timezone_from_tzid(name.c_str())) return z;
    const std::string iana = IanaNameVonWindowszone(name);
    return iana.empty() ? nullptr : ZoneNachName(iana);
}

// Serial day number of an icaltime, when it is a date of 1..9999.
std::optional<int32_t> TagesnummerVon(const icaltimetype& t) {
    if (t.year < 1 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > TageImMonat(t.month, t.year))
        return std::nullopt;
    return Tagesnummer(t.day, t.month, t.year);
}

bool ImBereich(int32_t tag) {
    return tag >= Tagesnummer(1, 1, ErstesJahr) && tag <= Tagesnummer(31, 12, LetztesJahr);
}

// ----------------------------------------------------------------------------------------
// Export

uint64_t Fnv(uint64_t h, std::string_view s) {
    for (unsigned char c : s) {
        h ^= c;
        h *= 0x100000001B3ull;
    }
    return h ^ 0xFF;  // a field boundary, so that "ab"+"c" differs from "a"+"bc"
}

uint64_t TerminHash(const TTermin& t) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (std::string_view s : {t.Uhrzeit.sicht(), t.Beschreibung.sicht(), t.Ort.sicht(),
                               t.Kategorie.sicht(), t.Link.sicht()})
        h = Fnv(h, s);
    char zahlen[48];
    std::snprintf(zahlen, sizeof zahlen, "%d/%u/%d", static_cast<int>(t.Dauer),
                  static_cast<unsigned>(t.Farbe), t.Alarm ? 1 : 0);
    return Fnv(h, zahlen);
}

std::string Uid(const Datum& d, const char* art, std::size_t nummer, uint64_t hash) {
    char puffer[96];
    std::snprintf(puffer, sizeof puffer, "%04d%02d%02d-%s%zu-%016llx@kalvora", d.jahr, d.monat,
                  d.tag, art, nummer, static_cast<unsigned long long>(hash));
    return puffer;
}

// A TEXT value escaped: backslash, semicolon, comma and line breaks.
std::string TextMaskiert(std::string_view s) {
    std::string aus;
    aus.reserve(s.size() + 8);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\\' || c == ';' || c == ',') {
            aus.push_back('\\');
            aus.push_back(c);
        } else if (c == '\r' || c == '\n') {
            aus.append("\\n");
            if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        } else {
            aus.push_back(c);
        }
    }
    return aus;
}

// A content line folded at 75 octets, never inside a UTF-8 character, with its CR LF.
std::string Gefaltet(std::string_view zeile) {
    std::string aus;
    std::size_t laenge = 0;  // octets on the current line
    for (std::size_t i = 0; i < zeile.size();) {
        std::size_t n = 1;
        while (i + n < zeile.size() && (static_cast<unsigned char>(zeile[i + n]) & 0xC0) == 0x80)
            ++n;
        if (laenge + n > 75) {
            aus.append("\r\n ");
            laenge = 1;
        }
        aus.append(zeile.substr(i, n));
        laenge += n;
        i += n;
    }
    aus.append("\r\n");
    return aus;
}

icaltimetype Tag(int32_t nummer) {
    const Datum d = DatumAusTagesnummer(nummer);
    icaltimetype t = icaltime_null_date();
    t.year = d.jahr;
    t.month = d.monat;
    t.day = d.tag;
    t.is_date = 1;
    return t;
}

uint32_t Rgb(uint32_t bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

void FarbeSetzen(icalcomponent* ev, uint32_t farbe, std::string_view cssName) {
    const uint32_t rgb = Rgb(farbe);
    icalcomponent_add_property(ev, icalproperty_new_color(std::string(cssName).c_str()));
    char hex[8];
    std::snprintf(hex, sizeof hex, "%06X", static_cast<unsigned>(rgb));
    icalproperty* x = icalproperty_new_x(hex);
    icalproperty_set_x_name(x, kFarbeX);
    icalcomponent_add_property(ev, x);
}

class Icsschreiber {
public:
    Icsschreiber(const IcsExportoptionen& o) : o_(o), zone_(ZoneNachName(o.zeitzone)) {
        if (zone_) {
            const char* ort = icaltimezone_get_location(zone_);
            tzid_ = ort && *ort ? ort : icaltimezone_get_tzid(zone_);
        }
        // DTSTAMP is UTC.
        stempel_ = icaltime_null_time();
        stempel_.year = o.jetzt.jahr;
        stempel_.month = o.jetzt.monat;
        stempel_.day = o.jetzt.tag;
        stempel_.hour = o.jetzt.stunde;
        stempel_.minute = o.jetzt.minute;
        stempel_.second = o.jetzt.sekunde;
        icaltimezone* utc = icaltimezone_get_utc_timezone();
        if (zone_) icaltimezone_convert_time(&stempel_, zone_, utc);
        stempel_ = icaltime_set_timezone(&stempel_, utc);
    }

    // The calendar's head (with the zone) up to its closing line, which Ende writes.
    void Anfang() {
        Komponente kal(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
        icalcomponent_add_property(kal.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(kal.get(),
                                   icalproperty_new_prodid("-//Kalvora//Kalvora 3.3//DE"));
        icalcomponent_add_property(kal.get(), icalproperty_new_calscale("GREGORIAN"));
        if (zone_ && zone_ != icaltimezone_get_utc_timezone()) {
            if (icalcomponent* vtz = icaltimezone_get_component(zone_)) {
                // Other calendars know the zone best by its plain IANA name.
                icalcomponent* kopie = icalcomponent_new_clone(vtz);
                if (icalproperty* p = icalcomponent_get_first_property(kopie, ICAL_TZID_PROPERTY))
                    icalproperty_set_tzid(p, tzid_.c_str());
                icalcomponent_add_component(kal.get(), kopie);
            }
        }
        Anhaengen(kal.get());
        const std::string schluss = "END:VCALENDAR\r\n";
        if (aus_.size() >= schluss.size() &&
            aus_.compare(aus_.size() - schluss.size(), schluss.size(), schluss) == 0)
            aus_.resize(aus_.size() - schluss.size());
    }
    std::string Ende() {
        aus_.append("END:VCALENDAR\r\n");
        return std::move(aus_);
    }

    // zwilling counts the appointments of the same content before this one on its day.
    void Termin(const Datum& d, std::size_t zwilling, const TTermin& t, const TKalender& kal) {
        Komponente ev(Ereignis(Uid(d, "", zwilling, TerminHash(t))));
        std::string kategorie;
        icaltimetype beginn = icaltime_null_time();
        beginn.year = d.jahr;
        beginn.month = d.monat;
        beginn.day = d.tag;
        if (const auto hhmm = UhrzeitNormalisiert(t.Uhrzeit.sicht())) {
            beginn.hour = ((*hhmm)[0] - '0') * 10 + ((*hhmm)[1] - '0');
            beginn.minute = ((*hhmm)[3] - '0') * 10 + ((*hhmm)[4] - '0');
        }
        icalproperty* start = icalproperty_new_dtstart(beginn);
        if (zone_) {
            if (zone_ == icaltimezone_get_utc_timezone()) {
                beginn = icaltime_set_timezone(&beginn, zone_);
                icalproperty_set_dtstart(start, beginn);
            } else {
                icalproperty_add_parameter(start, icalparameter_new_tzid(tzid_.c_str()));
            }
        }
        icalcomponent_add_property(ev.get(), start);
        icalcomponent_add_property(
            ev.get(), icalproperty_new_duration(icaldurationtype_from_int(
                          std::clamp<int32_t>(t.Dauer, 0, kLaengsteDauer) * 60)));
        icalcomponent_add_property(ev.get(), icalproperty_new_summary(t.Beschreibung.c_str()));
        if (!t.Ort.empty())
            icalcomponent_add_property(ev.get(), icalproperty_new_location(t.Ort.c_str()));
        if (!t.Kategorie.empty()) {
            // libical writes CATEGORIES as a list and leaves a comma in it unescaped; the
            // line is written here, with the category as one escaped TEXT value.
            kategorie = "CATEGORIES:" + TextMaskiert(t.Kategorie.sicht());
            icalproperty* platz = icalproperty_new_x("1");
            icalproperty_set_x_name(platz, kPlatzX);
            icalcomponent_add_property(ev.get(), platz);
            if (t.Kategorie.sicht().find(',') != std::string_view::npos) {
                icalproperty* x = icalproperty_new_x(t.Kategorie.c_str());
                icalproperty_set_x_name(x, kKategorieX);
                icalcomponent_add_property(ev.get(), x);
            }
        }
        if (!t.Link.empty())
            icalcomponent_add_property(ev.get(), icalproperty_new_url(t.Link.c_str()));
        if (t.Farbe != KeineFarbe)
            if (const int k = kal.FarbSlot(t.Farbe); k > 0)
                FarbeSetzen(ev.get(), t.Farbe, CssName(k, t.Farbe));
        if (t.Alarm) {
            icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icaltriggertype ausloeser{};
            ausloeser.time = icaltime_null_time();
            ausloeser.duration =
                icaldurationtype_from_int(-60 * std::max(0, o_.alarmVorlaufMinuten));
            icalcomponent_add_property(alarm, icalproperty_new_trigger(ausloeser));
            icalcomponent_add_property(alarm, icalproperty_new_description(t.Beschreibung.c_str()));
            icalcomponent_add_component(ev.get(), alarm);
        }
        const std::size_t vorher = aus_.size();
        Anhaengen(ev.get());
        if (!kategorie.empty()) {
            const std::string platz = std::string(kPlatzX) + ":1\r\n";
            const std::size_t stelle = aus_.find(platz, vorher);
            if (stelle != std::string::npos)
                aus_.replace(stelle, platz.size(), Gefaltet(kategorie));
        }
    }

    // An all-day event from the day erster to the day letzter.
    void Ganztaegig(const std::string& uid, int32_t erster, int32_t letzter,
                    const std::string& titel, uint32_t farbe, bool jaehrlich) {
        Komponente ev(Ereignis(uid));
        icalcomponent_add_property(ev.get(), icalproperty_new_dtstart(Tag(erster)));
        icalcomponent_add_property(ev.get(), icalproperty_new_dtend(Tag(letzter + 1)));
        if (jaehrlich) {
            icalrecurrencetype r;
            icalrecurrencetype_clear(&r);
            r.freq = ICAL_YEARLY_RECURRENCE;
            icalcomponent_add_property(ev.get(), icalproperty_new_rrule(r));
        }
        icalcomponent_add_property(ev.get(), icalproperty_new_summary(titel.c_str()));
        icalcomponent_add_property(ev.get(), icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        if (farbe != KeineFarbe) FarbeSetzen(ev.get(), farbe, CssFarbname(Rgb(farbe)));
        Anhaengen(ev.get());
    }

private:
    icalcomponent* Ereignis(const std::string& uid) {
        icalcomponent* ev = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(ev, icalproperty_new_uid(uid.c_str()));
        icalcomponent_add_property(ev, icalproperty_new_dtstamp(stempel_));
        return ev;
    }
    // The nearest CSS name of a slot's colour, looked up once per slot.
    std::string_view CssName(int slot, uint32_t farbe) {
        if (cssWert_[slot] != farbe || cssName_[slot].empty()) {
            cssWert_[slot] = farbe;
            cssName_[slot] = CssFarbname(Rgb(farbe));
        }
        return cssName_[slot];
    }
    void Anhaengen(icalcomponent* c) {
        char* text = icalcomponent_as_ical_string_r(c);
        if (text) aus_.append(text);
        std::free(text);
    }

    const IcsExportoptionen& o_;
    icaltimezone* zone_;
    std::string tzid_;
    icaltimetype stempel_;
    std::array<uint32_t, AnzahlFarben + 1> cssWert_{};
    std::array<std::string_view, AnzahlFarben + 1> cssName_{};
    std::string aus_;
};

// ----------------------------------------------------------------------------------------
// Import

// A text as the calendar file can hold it: '#' becomes '+', a line break " / ", a control
// character a space, a character Windows-1252 lacks (or a broken UTF-8 byte) '?'.
std::string Bereinigt(const char* roh, int& ersetzt) {
    if (!roh) return {};
    const std::string_view s(roh);
    bool einfach = true;
    for (unsigned char c : s)
        if (c >= 0x80 || c < 0x20 || c == '#') {
            einfach = false;
            break;
        }
    if (einfach) return std::string(s);
    std::string aus;
    aus.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == '\r' || c == '\n') {
            aus.append(" / ");
            ++ersetzt;
            i += (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ? 2 : 1;
            continue;
        }
        if (c == '#') {
            aus.push_back('+');
            ++ersetzt;
            ++i;
            continue;
        }
        if (c < 0x20 && c != '\t') {
            aus.push_back(' ');
            ++ersetzt;
            ++i;
            continue;
        }
        if (c < 0x80) {
            aus.push_back(static_cast<char>(c));
            ++i;
            continue;
        }
        const std::size_t laenge = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
        bool gueltig = laenge > 1 && i + laenge <= s.size();
        for (std::size_t k = 1; gueltig && k < laenge; ++k)
            gueltig = (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
        const std::string_view zeichen = s.substr(i, gueltig ? laenge : 1);
        if (gueltig && IstCp1252Darstellbar(zeichen)) {
            aus.append(zeichen);
        } else {
            aus.push_back('?');
            ++ersetzt;
        }
        i += zeichen.size();
    }
    return aus;
}

struct Zeitschluessel {
    int j, m, t, h, mi, s;
    bool datum;
    auto operator<=>(const Zeitschluessel&) const = default;
};

Zeitschluessel Schluessel(const icaltimetype& t) {
    return {t.year, t.month, t.day, t.is_date ? 0 : t.hour, t.is_date ? 0 : t.minute,
            t.is_date ? 0 : t.second, t.is_date != 0};
}

// A changed instance as its RECURRENCE-ID names it; the zone is looked up once the
// calendar's zones are all known.
struct Instanzangabe {
    std::string uid;
    icaltimetype zeit;
    std::string tzid;
};

// One start of an event, with its own length when an RDATE period gives one.
struct Vorkommnis {
    icaltimetype zeit;
    long sekunden = -1;
};

// Thrown where the import may stop (outside libical's calls) when the user asked it to.
struct Importabbruch {};

void AbbruchPruefen(const IcsImportoptionen& o) {
    if (o.abbrechen && o.abbrechen()) throw Importabbruch{};
}

class Icsleser {
public:
    Icsleser(TKalender& kal, const IcsImportoptionen& o, IcsImportergebnis& e)
        : kal_(kal), o_(o), e_(e), ziel_(ZoneNachName(o.zeitzone)) {
        if (!ziel_) ziel_ = icaltimezone_get_utc_timezone();
        zielTzid_ = icaltimezone_get_tzid(ziel_) ? icaltimezone_get_tzid(ziel_) : "";
        zielOrt_ = icaltimezone_get_location(ziel_) ? icaltimezone_get_location(ziel_) : "";
    }

    // The calendar whose events follow: its zones are checked before libical expands any.
    // An unusable zone whose name the system knows is replaced by the system's rules.
    void Kalender(icalcomponent* vcal) {
        vcal_ = vcal;
        for (icalcomponent* z = icalcomponent_get_first_component(vcal, ICAL_VTIMEZONE_COMPONENT);
             z; z = icalcomponent_get_next_component(vcal, ICAL_VTIMEZONE_COMPONENT)) {
            if (ZoneBrauchbar(z)) continue;
            if (icalproperty* tzid = icalcomponent_get_first_property(z, ICAL_TZID_PROPERTY))
                if (const char* name = icalproperty_get_tzid(tzid)) {
                    if (icaltimezone* system = SystemzoneFuer(name))
                        ersatzZonen_[name] = system;
                    else
                        unbrauchbareZonen_.insert(name);
                }
            ZoneEntschaerfen(z);
        }
    }

    // Changed instances of a series stand beside it; the series leaves those out.
    static std::optional<Instanzangabe> Instanz(icalcomponent* ev) {
        icalproperty* rid = icalcomponent_get_first_property(ev, ICAL_RECURRENCEID_PROPERTY);
        const char* uid = icalcomponent_get_uid(ev);
        if (!rid || !uid) return std::nullopt;
        icalparameter* tzid = icalproperty_get_first_parameter(rid, ICAL_TZID_PARAMETER);
        const char* name = tzid ? icalparameter_get_tzid(tzid) : nullptr;
        return Instanzangabe{uid, icalproperty_get_recurrenceid(rid), name ? name : ""};
    }
    // Kept as written and, when it names its zone or UTC, as the moment in UTC: a series
    // in a named zone whose changed instance names it in UTC (or another zone) is matched.
    void InstanzMerken(const Instanzangabe& i) {
        ersetzteInstanzen_[i.uid].insert(Schluessel(i.zeit));
        // An all-day series whose instance is named by a time on its day (as Exchange
        // writes it): the day's occurrence is the one replaced.
        icaltimetype tag = i.zeit;
        tag.is_date = 1;
        ersetzteInstanzen_[i.uid].insert(Schluessel(tag));
        if (i.zeit.is_date) return;
        icaltimezone* utc = icaltimezone_get_utc_timezone();
        icaltimezone* zone = icaltime_is_utc(i.zeit) ? utc : ZoneNamens(i.tzid.c_str());
        if (!zone) return;
        icaltimetype t = i.zeit;
        if (zone != utc) icaltimezone_convert_time(&t, zone, utc);
        ersetztInUtc_[i.uid].insert(Schluessel(t));
    }

    // One child of the calendar: events are read, tasks and journal entries counted.
    void Lesen(icalcomponent* c) {
        const icalcomponent_kind art = icalcomponent_isa(c);
        if (art == ICAL_VEVENT_COMPONENT)
            Ereignis(c);
        else if (art == ICAL_VTODO_COMPONENT || art == ICAL_VJOURNAL_COMPONENT)
            Ueberspringen(kIcsGrundAufgabe);
    }

    void Ereignis(icalcomponent* ev) {
        zoneUnbekannt_ = false;
        if (icalcomponent_get_status(ev) == ICAL_STATUS_CANCELLED)
            return Ueberspringen(kIcsGrundAbgesagt);
        icalproperty* start = icalcomponent_get_first_property(ev, ICAL_DTSTART_PROPERTY);
        if (Fehlerhaft(ev)) return Ueberspringen(kIcsGrundFehlerhaft);
        if (!start) return Ueberspringen(kIcsGrundOhneBeginn);
        if (NutztUnbrauchbareZone(ev)) return Ueberspringen(kIcsGrundZeitzone);
        icaltimetype beginn = icalproperty_get_dtstart(start);
        if (icaltime_is_null_time(beginn) || !TagesnummerVon(beginn))
            return Ueberspringen(kIcsGrundFehlerhaft);
        icaltimezone* zone = ZoneVon(start, beginn);
        const bool ganztaegig = beginn.is_date != 0;
        if (zone) beginn = icaltime_set_timezone(&beginn, zone);

        std::vector<Vorkommnis> vorkommen;
        bool abgebrochen = false, gekuerzt = false;
        if (!Vorkommen(ev, beginn, zone, vorkommen, abgebrochen, gekuerzt)) return;

        Inhalt inhalt = InhaltLesen(ev);
        int platziert = 0, vorhanden = 0;
        if (ganztaegig) {
            const int tage = GanztagesLaenge(ev, beginn);
            for (const Vorkommnis& v : vorkommen) {
                const auto erster = TagesnummerVon(v.zeit);
                if (!erster || !ImBereich(*erster)) continue;
                bool neu = false;
                for (int k = 0; k < tage && !abgebrochen; ++k) {
                    if (k > 0 && !Budget()) {
                        abgebrochen = true;
                        break;
                    }
                    if (ImBereich(*erster + k)) neu = GanzerTag(*erster + k, inhalt) || neu;
                }
                ++(neu ? platziert : vorhanden);
                if (abgebrochen) break;
            }
        } else {
            const long dauer = Sekunden(ev, beginn, zone) / 60;
            for (const Vorkommnis& vk : vorkommen) {
                icaltimetype v = vk.zeit;
                if (zone && zone != ziel_) icaltimezone_convert_time(&v, zone, ziel_);
                const auto tag = TagesnummerVon(v);
                if (!tag || !ImBereich(*tag)) continue;
                const long d = vk.sekunden >= 0 ? vk.sekunden / 60 : dauer;
                ++(TerminSetzen(*tag, v.hour * 60 + v.minute, d, inhalt, abgebrochen)
                       ? platziert
                       : vorhanden);
            }
        }
        e_.importiert += platziert;
        e_.vorhanden += vorhanden;
        if (zoneUnbekannt_) Hinweis(kIcsHinweisZoneUnbekannt);
        if (abgebrochen) Ueberspringen(kIcsGrundAbgebrochen);
        else if (gekuerzt) Ueberspringen(IcsGrundGekuerzt(o_.hoechstensJeEreignis));
        else if (platziert + vorhanden == 0) Ueberspringen(kIcsGrundAusserhalb);
    }

    void Hinweis(std::string_view hinweis) {
        for (auto& [text, anzahl] : e_.hinweise)
            if (text == hinweis) {
                ++anzahl;
                return;
            }
        e_.hinweise.emplace_back(hinweis, 1);
    }

    void Ueberspringen(std::string_view grund) {
        ++e_.uebersprungen;
        for (auto& [text, anzahl] : e_.gruende)
            if (text == grund) {
                ++anzahl;
                return;
            }
        e_.gruende.emplace_back(grund, 1);
    }

    // Every day list and colour list as it was before the import, and the lists' lengths:
    // a stopped or failed import leaves the document as it found it.
    void Zuruecknehmen() {
        for (auto& [slot, liste] : alteListen_) kal_.TerminlisteAn(slot) = std::move(liste);
        for (auto& [slot, farben] : alteFarben_) kal_.TagesfarbenAn(slot) = std::move(farben);
        alteListen_.clear();
        alteListenIndex_.clear();
        alteFarben_.clear();
        kal_.Terminkategorie.resize(kategorien_);
        kal_.Linkliste.resize(links_);
    }

private:
    struct Inhalt {
        std::string titel, ort, kategorie, link;
        uint32_t farbe = KeineFarbe;
        bool alarm = false;
    };
    // Per day touched: which of the appointments and info lines it had before the import a
    // new one already matched (each matches one).
    struct Vorher {
        std::vector<bool> termine;
        std::vector<std::pair<std::string, bool>> infos;
    };

    bool Budget() {
        if ((verbraucht_ & 4095) == 4095) AbbruchPruefen(o_);
        return ++verbraucht_ <= o_.hoechstensVorkommen;
    }

    // Whether libical can expand the zone's observances without running away: no real zone
    // changes its offset every hour, minute or second, nor more than a few times a year
    // (which a yearly rule with BYHOUR or BYSECOND lists could make it do).
    static bool ZoneBrauchbar(icalcomponent* vtz) {
        constexpr int kBisJahr = LetztesJahr + 1;
        constexpr long kHoechstensWechsel = 10'000;
        long wechsel = 0;
        int umstellungen = 0;
        for (icalcomponent* b = icalcomponent_get_first_component(vtz, ICAL_ANY_COMPONENT); b;
             b = icalcomponent_get_next_component(vtz, ICAL_ANY_COMPONENT)) {
            icalproperty* start = icalcomponent_get_first_property(b, ICAL_DTSTART_PROPERTY);
            // An observance without its start or offset (as some exporters write them) would
            // make libical read every time in the zone as UTC.
            const icalcomponent_kind art = icalcomponent_isa(b);
            if (art != ICAL_XSTANDARD_COMPONENT && art != ICAL_XDAYLIGHT_COMPONENT) continue;
            ++umstellungen;
            if (!start || !icalcomponent_get_first_property(b, ICAL_TZOFFSETTO_PROPERTY))
                return false;
            for (icalproperty* p = icalcomponent_get_first_property(b, ICAL_RRULE_PROPERTY); p;
                 p = icalcomponent_get_next_property(b, ICAL_RRULE_PROPERTY)) {
                const icalrecurrencetype r = icalproperty_get_rrule(p);
                if (r.freq == ICAL_SECONDLY_RECURRENCE || r.freq == ICAL_MINUTELY_RECURRENCE ||
                    r.freq == ICAL_HOURLY_RECURRENCE)
                    return false;
                if (!start) continue;
                icalrecur_iterator* it =
                    icalrecur_iterator_new(r, icalproperty_get_dtstart(start));
                if (!it) continue;
                for (;;) {
                    const icaltimetype n = icalrecur_iterator_next(it);
                    if (icaltime_is_null_time(n) || n.year > kBisJahr) break;
                    if (++wechsel > kHoechstensWechsel) {
                        icalrecur_iterator_free(it);
                        return false;
                    }
                }
                icalrecur_iterator_free(it);
            }
        }
        return umstellungen > 0;
    }

    // The rules of an unusable zone go, so that nothing can make libical expand them.
    static void ZoneEntschaerfen(icalcomponent* vtz) {
        for (icalcomponent* b = icalcomponent_get_first_component(vtz, ICAL_ANY_COMPONENT); b;
             b = icalcomponent_get_next_component(vtz, ICAL_ANY_COMPONENT)) {
            while (icalproperty* p = icalcomponent_get_first_property(b, ICAL_RRULE_PROPERTY)) {
                icalcomponent_remove_property(b, p);
                icalproperty_free(p);
            }
        }
    }

    // A time of the event given in one of the file's unusable zones. Our own zone is known by
    // its name and never taken from the file.
    bool NutztUnbrauchbareZone(icalcomponent* ev) const {
        if (unbrauchbareZonen_.empty()) return false;
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_ANY_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_ANY_PROPERTY)) {
            icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
            const char* name = tzid ? icalparameter_get_tzid(tzid) : nullptr;
            if (!name || name == zielTzid_ || (!zielOrt_.empty() && name == zielOrt_)) continue;
            if (unbrauchbareZonen_.count(name)) return true;
        }
        return false;
    }

    // A property libical could not read and removed, one that decides when the event is.
    static bool Fehlerhaft(icalcomponent* ev) {
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_XLICERROR_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_XLICERROR_PROPERTY)) {
            const char* text = icalproperty_get_xlicerror(p);
            if (!text) continue;
            // An empty RRULE, RDATE or EXDATE line (as some holiday exports write) adds
            // nothing: the event happens once, at its start.
            if (std::strncmp(text, "No value for ", 13) == 0 &&
                (std::strncmp(text + 13, "RRULE ", 6) == 0 ||
                 std::strncmp(text + 13, "RDATE ", 6) == 0 ||
                 std::strncmp(text + 13, "EXDATE ", 7) == 0))
                continue;
            for (const char* name : {"DTSTART", "DTEND", "DURATION", "RRULE", "RDATE", "EXDATE"})
                if (std::strstr(text, name)) return true;
        }
        return false;
    }

    // The zone of a time property: UTC, its TZID (the file's VTIMEZONE, else the system's
    // zone of that name), or none for a floating time and an unknown TZID.
    icaltimezone* ZoneVon(icalproperty* p, const icaltimetype& t) {
        if (icaltime_is_utc(t)) return icaltimezone_get_utc_timezone();
        icalparameter* tzid = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
        if (!tzid) return nullptr;
        icaltimezone* z = ZoneNamens(icalparameter_get_tzid(tzid));
        if (!z) zoneUnbekannt_ = true;
        return z;
    }
    // A TZID: our own zone, a replaced unusable zone of the file, the file's VTIMEZONE, or
    // the system's zone of that name.
    icaltimezone* ZoneNamens(const char* name) {
        if (!name || !*name) return nullptr;
        if (name == zielTzid_ || (!zielOrt_.empty() && name == zielOrt_)) return ziel_;
        if (const auto ersatz = ersatzZonen_.find(std::string_view(name));
            ersatz != ersatzZonen_.end())
            return ersatz->second;
        if (icaltimezone* z = vcal_ ? icalcomponent_get_timezone(vcal_, name) : nullptr) {
            // The file's own copy of our zone converts to the same times; no need to.
            const char* ort = icaltimezone_get_location(z);
            if (ort && zielOrt_ == ort) return ziel_;
            return z;
        }
        return SystemzoneFuer(name);
    }

    icaltimetype InZone(icalproperty* p, icaltimetype t, icaltimezone* zone) {
        if (t.is_date) return t;
        icaltimezone* von = ZoneVon(p, t);
        if (von && zone && von != zone) icaltimezone_convert_time(&t, von, zone);
        return t;
    }

    // Every start of the event (RRULE, RDATE, EXDATE and the changed instances), in its own
    // zone, up to the end of 2099; false when the event was already counted as skipped.
    bool Vorkommen(icalcomponent* ev, const icaltimetype& beginn, icaltimezone* zone,
                   std::vector<Vorkommnis>& aus, bool& abgebrochen, bool& gekuerzt) {
        const char* uid = icalcomponent_get_uid(ev);
        const bool serie = !icalcomponent_get_first_property(ev, ICAL_RECURRENCEID_PROPERTY);
        const auto ersetzt = serie && uid && !ersetzteInstanzen_.empty()
                                 ? ersetzteInstanzen_.find(std::string_view(uid))
                                 : ersetzteInstanzen_.end();
        const auto ersetztUtc = ersetzt != ersetzteInstanzen_.end()
                                    ? ersetztInUtc_.find(std::string_view(uid))
                                    : ersetztInUtc_.end();
        // Most events happen once: no sets to build for them.
        if (!icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY) &&
            !icalcomponent_get_first_property(ev, ICAL_RDATE_PROPERTY) &&
            !icalcomponent_get_first_property(ev, ICAL_EXDATE_PROPERTY) &&
            ersetzt == ersetzteInstanzen_.end()) {
            if (!Budget()) {
                abgebrochen = true;
                return true;
            }
            aus.push_back({beginn});
            return true;
        }
        std::vector<Vorkommnis> roh;
        // The start always counts as the first occurrence, also when it does not fall on
        // the rule (libical leaves it out then) and towards COUNT.
        roh.push_back({beginn});
        const Zeitschluessel start = Schluessel(beginn);
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype regel = icalproperty_get_rrule(p);
            icalrecur_iterator* it = icalrecur_iterator_new(regel, beginn);
            if (!it) {
                Ueberspringen(kIcsGrundFehlerhaft);
                return false;
            }
            const std::size_t erstes = roh.size();
            for (int n = 0;; ++n) {
                const icaltimetype t = icalrecur_iterator_next(it);
                if (icaltime_is_null_time(t) || t.year > LetztesJahr + 1) break;
                if (static_cast<long>(roh.size()) >= o_.hoechstensJeEreignis) {
                    gekuerzt = true;
                    break;
                }
                if (!Budget()) {
                    abgebrochen = true;
                    break;
                }
                if (n == 0 && Schluessel(t) == start) continue;  // the start, already in
                roh.push_back({t});
            }
            icalrecur_iterator_free(it);
            if (abgebrochen || gekuerzt) break;
            // COUNT includes the start: the rule's last one goes when the start was off it.
            if (regel.count > 0 && roh.size() > erstes &&
                static_cast<int>(roh.size() - erstes) >= regel.count)
                roh.pop_back();
        }
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_RDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype r = icalproperty_get_rdate(p);
            const bool zeitraum = icaltime_is_null_time(r.time);
            icaltimetype t = zeitraum ? r.period.start : r.time;
            if (icaltime_is_null_time(t) || !TagesnummerVon(t)) continue;
            // A period has its own length: from its end, or its duration.
            long sekunden = -1;
            if (zeitraum && !icaltime_is_null_time(r.period.end)) {
                const auto a = TagesnummerVon(r.period.start), b = TagesnummerVon(r.period.end);
                if (a && b)
                    sekunden = std::max(
                        0L, (static_cast<long>(*b) - *a) * 86400 +
                                (r.period.end.hour - r.period.start.hour) * 3600L +
                                (r.period.end.minute - r.period.start.minute) * 60L +
                                (r.period.end.second - r.period.start.second));
            } else if (zeitraum && !icaldurationtype_is_null_duration(r.period.duration)) {
                sekunden = std::max(0, icaldurationtype_as_int(r.period.duration));
            }
            t = InZone(p, t, zone);
            t.is_date = beginn.is_date;
            roh.push_back({t, sekunden});
        }
        std::set<Zeitschluessel> weg;
        std::set<std::tuple<int, int, int>> wegTage;
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype t = InZone(p, icalproperty_get_exdate(p), zone);
            if (t.is_date)
                wegTage.insert({t.year, t.month, t.day});
            else
                weg.insert(Schluessel(t));
        }
        std::set<Zeitschluessel> gesehen;
        icaltimezone* utc = icaltimezone_get_utc_timezone();
        for (const Vorkommnis& v : roh) {
            const icaltimetype& t = v.zeit;
            Zeitschluessel k = Schluessel(t);
            if (!gesehen.insert(k).second) continue;
            if (weg.count(k) || wegTage.count({t.year, t.month, t.day})) continue;
            if (ersetzt != ersetzteInstanzen_.end() && ersetzt->second.count(k)) continue;
            if (ersetztUtc != ersetztInUtc_.end() && zone && !t.is_date) {
                icaltimetype u = t;
                if (zone != utc) icaltimezone_convert_time(&u, zone, utc);
                if (ersetztUtc->second.count(Schluessel(u))) continue;
            }
            aus.push_back(v);
        }
        return true;
    }

    // Days an all-day event covers: DTEND is the day after its last, DURATION whole days.
    int GanztagesLaenge(icalcomponent* ev, const icaltimetype& beginn) {
        const int32_t erster = *TagesnummerVon(beginn);
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DTEND_PROPERTY)) {
            const auto ende = TagesnummerVon(icalproperty_get_dtend(p));
            if (ende && *ende > erster) return std::min<int32_t>(*ende - erster, 80'000);
            return 1;
        }
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DURATION_PROPERTY)) {
            const long s = icaldurationtype_as_int(icalproperty_get_duration(p));
            if (s > 86400) return static_cast<int>(std::min<long>(s / 86400, 80'000));
        }
        return 1;
    }

    // Seconds from the start to DTEND (both in UTC) or of DURATION; 0 without either.
    long Sekunden(icalcomponent* ev, icaltimetype beginn, icaltimezone* zone) {
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DURATION_PROPERTY))
            return std::max(0, icaldurationtype_as_int(icalproperty_get_duration(p)));
        icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DTEND_PROPERTY);
        if (!p) return 0;
        icaltimetype ende = icalproperty_get_dtend(p);
        if (icaltime_is_null_time(ende) || !TagesnummerVon(ende)) return 0;
        icaltimezone* utc = icaltimezone_get_utc_timezone();
        icaltimezone* endzone = ende.is_date ? zone : ZoneVon(p, ende);
        if (zone && zone != utc) icaltimezone_convert_time(&beginn, zone, utc);
        if (endzone && endzone != utc) icaltimezone_convert_time(&ende, endzone, utc);
        const auto a = TagesnummerVon(beginn), b = TagesnummerVon(ende);
        if (!a || !b) return 0;
        const long s = (static_cast<long>(*b) - *a) * 86400 +
                       ((ende.is_date ? 0 : ende.hour * 3600 + ende.minute * 60 + ende.second) -
                        (beginn.hour * 3600 + beginn.minute * 60 + beginn.second));
        return std::max(0L, s);
    }

    Inhalt InhaltLesen(icalcomponent* ev) {
        Inhalt i;
        int& n = e_.ersetzt;
        i.titel = Bereinigt(icalcomponent_get_summary(ev), n);
        if (i.titel.empty()) i.titel = kIcsOhneTitel;
        i.ort = Bereinigt(icalcomponent_get_location(ev), n);
        // One category: our own, else the first of the file's that the list has, else the
        // first (which then joins the list).
        std::vector<std::string> kategorien;
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_CATEGORIES_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_CATEGORIES_PROPERTY)) {
            const char* k = icalproperty_get_categories(p);
            if (k && *k) kategorien.push_back(Bereinigt(k, n));
        }
        if (const char* k = XWert(ev, kKategorieX)) {
            i.kategorie = Bereinigt(k, n);
        } else if (!kategorien.empty()) {
            i.kategorie = kategorien.front();
            for (const std::string& k : kategorien)
                if (kal_.KategorieIndex(k) >= 0) {
                    i.kategorie = k;
                    break;
                }
            if (kategorien.size() > 1) Hinweis(kIcsHinweisKategorien);
        }
        // What the calendar has no field for is counted, once per event.
        const char* notiz = icalcomponent_get_description(ev);
        const char* titel = icalcomponent_get_summary(ev);
        // A note of blanks and line breaks only (as Exchange writes "\n") is none.
        if (notiz && std::string_view(notiz).find_first_not_of(" \t\r\n") !=
                         std::string_view::npos &&
            std::strcmp(notiz, titel ? titel : "") != 0)
            Hinweis(kIcsHinweisNotiz);
        if (icalcomponent_get_first_property(ev, ICAL_ATTENDEE_PROPERTY) ||
            icalcomponent_get_first_property(ev, ICAL_ORGANIZER_PROPERTY))
            Hinweis(kIcsHinweisTeilnehmer);
        bool besonders = false;  // tentative, private …
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_STATUS_PROPERTY)) {
            const icalproperty_status status = icalproperty_get_status(p);
            besonders = status != ICAL_STATUS_NONE && status != ICAL_STATUS_CONFIRMED;
        }
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_CLASS_PROPERTY))
            besonders = besonders || icalproperty_get_class(p) != ICAL_CLASS_PUBLIC;
        if (besonders) Hinweis(kIcsHinweisStatus);
        if (o_.alarmVorlaufMinuten >= 0 && AndererVorlauf(ev)) Hinweis(kIcsHinweisAlarmvorlauf);
        if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_URL_PROPERTY))
            i.link = Bereinigt(icalproperty_get_url(p), n);
        i.alarm = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT) != nullptr;
        i.farbe = Farbe(ev);
        return i;
    }

    // An alarm whose lead time is not the program's one (or that is set for a fixed moment).
    bool AndererVorlauf(icalcomponent* ev) const {
        for (icalcomponent* a = icalcomponent_get_first_component(ev, ICAL_VALARM_COMPONENT); a;
             a = icalcomponent_get_next_component(ev, ICAL_VALARM_COMPONENT)) {
            icalproperty* p = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
            if (!p) continue;
            const icaltriggertype t = icalproperty_get_trigger(p);
            if (!icaltime_is_null_time(t.time)) return true;
            if (-icaldurationtype_as_int(t.duration) != o_.alarmVorlaufMinuten * 60) return true;
        }
        return false;
    }

    static const char* XWert(icalcomponent* ev, const char* gesucht) {
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_X_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_X_PROPERTY)) {
            const char* name = icalproperty_get_x_name(p);
            const char* wert = icalproperty_get_x(p);
            if (name && wert && std::strcmp(name, gesucht) == 0) return wert;
        }
        return nullptr;
    }

    // The slot nearest to the event's colour, when it is close.
    uint32_t Farbe(icalcomponent* ev) const {
        std::optional<uint32_t> rgb;
        if (const char* wert = XWert(ev, kFarbeX)) rgb = CssFarbwert(std::string("#") + wert);
        if (!rgb)
            if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_COLOR_PROPERTY))
                if (const char* wert = icalproperty_get_color(p)) rgb = CssFarbwert(wert);
        if (!rgb) return KeineFarbe;
        const uint32_t bgr = Rgb(*rgb);  // the same swap turns RGB into 0x00BBGGRR
        int bester = 0, abstand = kNaheFarbe + 1;
        for (int k = 1; k <= AnzahlFarben; ++k) {
            const int d = RgbAbstand(bgr, kal_.Farbwerte[k]);
            if (d < abstand) {
                abstand = d;
                bester = k;
            }
        }
        return bester ? kal_.Farbwerte[bester] : KeineFarbe;
    }

    TTerminliste& Liste(int32_t tag) {
        const Datum d = DatumAusTagesnummer(tag);
        const int slot = TKalender::SlotIndex(d.jahr, d.monat, d.tag);
        TTerminliste& l = kal_.TerminlisteAn(slot);
        if (!listeGesichert_[slot]) {
            listeGesichert_[slot] = true;
            alteListenIndex_[slot] = alteListen_.size();
            alteListen_.emplace_back(slot, l);
            Vorher& v = vorher_[slot];
            v.termine.assign(l.size(), false);
            if (!l.empty()) {
                std::string_view info = l[0].Beschreibung.sicht();
                while (!info.empty()) {
                    const std::size_t trenner = info.find('#');
                    v.infos.emplace_back(std::string(info.substr(0, trenner)), false);
                    info = trenner == std::string_view::npos ? std::string_view()
                                                             : info.substr(trenner + 1);
                }
            }
        }
        if (l.empty()) l.emplace_back();
        return l;
    }
    TTagesfarben& Farben(int32_t tag) {
        const Datum d = DatumAusTagesnummer(tag);
        const int slot = TKalender::SlotIndex(d.jahr, d.monat, d.tag);
        TTagesfarben& f = kal_.TagesfarbenAn(slot);
        if (!farbenGesichert_[slot]) {
            farbenGesichert_[slot] = true;
            alteFarben_.emplace_back(slot, f);
        }
        return f;
    }

    void InfoZeile(int32_t tag, const std::string& zeile) {
        TTermin& info = Liste(tag)[0];
        if (info.Beschreibung.empty()) {
            info.Beschreibung = zeile;
        } else {
            std::string s(info.Beschreibung.sicht());
            s.push_back('#');
            s.append(zeile);
            info.Beschreibung = s;
        }
    }

    // The day as the document had it before this import.
    Vorher& VorherAn(int32_t tag) {
        Liste(tag);
        const Datum d = DatumAusTagesnummer(tag);
        return vorher_[TKalender::SlotIndex(d.jahr, d.monat, d.tag)];
    }

    // False when the day had it before the import (a colour, or the same info line).
    bool GanzerTag(int32_t tag, const Inhalt& i) {
        if (o_.ganztaegigAlsTagesfarbe) {
            for (int k = 1; k <= AnzahlFarben; ++k) {
                if (kal_.Farbnamen[k] == FreiName || kal_.Farbnamen[k] != i.titel) continue;
                TTagesfarben& f = Farben(tag);
                if (std::find(f.begin(), f.end(), kal_.Farbwerte[k]) != f.end()) return false;
                f.push_back(kal_.Farbwerte[k]);
                return true;
            }
        }
        for (auto& [zeile, genommen] : VorherAn(tag).infos)
            if (!genommen && zeile == i.titel) {
                genommen = true;
                return false;
            }
        InfoZeile(tag, i.titel);
        return true;
    }

    // False when the day had the same appointment (time, duration and text) before the
    // import: a file read twice adds nothing the second time, twins within it both come.
    bool TerminSetzen(int32_t tag, int minute, long dauer, const Inhalt& i, bool& abgebrochen) {
        TTermin t;
        char hhmm[8];
        std::snprintf(hhmm, sizeof hhmm, "%02d:%02d", minute / 60 % 24, minute % 60);
        t.Uhrzeit = hhmm;
        t.Beschreibung = i.titel;
        t.Ort = i.ort;
        t.Kategorie = i.kategorie;
        t.Link = i.link;
        t.Farbe = i.farbe;
        t.Alarm = i.alarm;
        // A longer event keeps the part of its first day; the further days name it.
        long weitereTage = 0;
        if (dauer <= kLaengsteDauer) {
            t.Dauer = static_cast<int32_t>(dauer);
        } else {
            t.Dauer = std::min(kLaengsteDauer, 1440 - minute);
            weitereTage = (minute + dauer - 1) / 1440;
        }
        TTerminliste& l = Liste(tag);
        {
            Vorher& v = VorherAn(tag);
            const TTerminliste& alt = AlteListe(tag);
            for (std::size_t n = 1; n < alt.size() && n < v.termine.size(); ++n)
                if (!v.termine[n] && alt[n].Uhrzeit == t.Uhrzeit && alt[n].Dauer == t.Dauer &&
                    alt[n].Beschreibung == t.Beschreibung) {
                    v.termine[n] = true;
                    return false;
                }
        }
        if (!i.kategorie.empty() && kal_.KategorieIndex(i.kategorie) < 0)
            kal_.Terminkategorie.push_back(i.kategorie);
        if (!i.link.empty() && kal_.LinkIndex(i.link) < 0) kal_.Linkliste.push_back(i.link);
        // Sorted in by time, after the ones of the same time, as the day dialog does.
        const auto frueher = [](const TTermin& a, const TTermin& b) {
            return a.Uhrzeit.sicht() < b.Uhrzeit.sicht();
        };
        const auto pos = std::upper_bound(l.begin() + 1, l.end(), t, frueher);
        l.insert(pos, std::move(t));
        const std::string fortsetzung = kIcsFortsetzung + i.titel;
        for (long k = 1; k <= weitereTage && ImBereich(tag + k); ++k) {
            if (!Budget()) {
                abgebrochen = true;
                return true;
            }
            InfoZeile(static_cast<int32_t>(tag + k), fortsetzung);
        }
        return true;
    }

    // The day's list as it was before the import (Liste has saved it).
    const TTerminliste& AlteListe(int32_t tag) {
        const Datum d = DatumAusTagesnummer(tag);
        const int slot = TKalender::SlotIndex(d.jahr, d.monat, d.tag);
        const auto it = alteListenIndex_.find(slot);
        return alteListen_[it->second].second;
    }

    TKalender& kal_;
    const IcsImportoptionen& o_;
    IcsImportergebnis& e_;
    icaltimezone* ziel_;
    std::string zielTzid_, zielOrt_;
    icalcomponent* vcal_ = nullptr;
    long verbraucht_ = 0;
    std::map<std::string, std::set<Zeitschluessel>, std::less<>> ersetzteInstanzen_;
    std::map<std::string, std::set<Zeitschluessel>, std::less<>> ersetztInUtc_;
    std::set<std::string, std::less<>> unbrauchbareZonen_;
    std::map<std::string, icaltimezone*, std::less<>> ersatzZonen_;
    bool zoneUnbekannt_ = false;
    std::map<int, Vorher> vorher_;
    std::vector<bool> listeGesichert_ = std::vector<bool>(TKalender::kSlots);
    std::vector<bool> farbenGesichert_ = std::vector<bool>(TKalender::kSlots);
    std::vector<std::pair<int, TTerminliste>> alteListen_;
    std::map<int, std::size_t> alteListenIndex_;
    std::vector<std::pair<int, TTagesfarben>> alteFarben_;
    const std::size_t kategorien_ = kal_.Terminkategorie.size();
    const std::size_t links_ = kal_.Linkliste.size();
};

using Zeilenwahl = Icszerlegung::Zeilenwahl;

// The first reading: the top-level components with their zones (the events left out, which
// the second reading parses one at a time), and per calendar the changed instances its
// events name, which the series stand beside.
class Vorlauf : public Icszerlegung::Empfaenger {
public:
    struct Oben {
        icalcomponent_kind art = ICAL_NO_COMPONENT;
        std::vector<Komponente> zonen;
        std::vector<Instanzangabe> instanzen;
        // Per UID of an event without RECURRENCE-ID: how many there are, and which of them
        // (counted from 0) is the newest by SEQUENCE (the last of equal ones). An older
        // copy of the same event in the file is no event of its own.
        std::map<std::string, std::pair<int, int>, std::less<>> neueste;  // SEQUENCE, index
        std::map<std::string, int, std::less<>> fassungen;
        Komponente fertig;  // empty while open, and when the file ended inside it
    };
    std::vector<Oben> oben;

    explicit Vorlauf(std::function<void(std::size_t)> zwischendurch)
        : zwischendurch_(std::move(zwischendurch)) {}

    void ObenBeginnt(int, icalcomponent_kind art) override { oben.emplace_back().art = art; }
    Zeilenwahl ZeilenFuer(icalcomponent_kind art) override {
        if (art == ICAL_VTIMEZONE_COMPONENT) return Zeilenwahl::Alle;
        return art == ICAL_VEVENT_COMPONENT ? Zeilenwahl::Kennung : Zeilenwahl::Gerippe;
    }
    void Kind(int nummer, Komponente kind) override {
        const icalcomponent_kind art = icalcomponent_isa(kind.get());
        if (art == ICAL_VTIMEZONE_COMPONENT)
            oben[nummer].zonen.push_back(std::move(kind));
        else if (art == ICAL_VEVENT_COMPONENT) {
            if (auto i = Icsleser::Instanz(kind.get())) {
                oben[nummer].instanzen.push_back(*i);
            } else if (const char* uid = icalcomponent_get_uid(kind.get())) {
                Oben& o = oben[nummer];
                const int index = o.fassungen[uid]++;
                const int folge = icalcomponent_get_sequence(kind.get());
                auto [stelle, neu] = o.neueste.try_emplace(uid, folge, index);
                if (!neu && folge >= stelle->second.first) stelle->second = {folge, index};
            }
        }
    }
    void ObenFertig(int nummer, Komponente c) override {
        for (Komponente& z : oben[nummer].zonen) icalcomponent_add_component(c.get(), z.release());
        oben[nummer].zonen.clear();
        oben[nummer].fertig = std::move(c);
    }
    void Zwischendurch(std::size_t gelesen) override { zwischendurch_(gelesen); }

private:
    std::function<void(std::size_t)> zwischendurch_;
};

// The second reading: every event of a complete calendar, read while it stands in its
// calendar (with the zones of the whole file), then freed.
class Einfuhr : public Icszerlegung::Empfaenger {
public:
    Einfuhr(const Vorlauf& vorlauf, Icsleser& leser,
            std::function<void(std::size_t)> zwischendurch)
        : vorlauf_(vorlauf), leser_(leser), zwischendurch_(std::move(zwischendurch)) {}

    void ObenBeginnt(int nummer, icalcomponent_kind) override {
        const Vorlauf::Oben& o = vorlauf_.oben[nummer];
        kalender_ = o.fertig && o.art == ICAL_VCALENDAR_COMPONENT ? o.fertig.get() : nullptr;
        if (!kalender_) return;
        leser_.Kalender(kalender_);
        for (const auto& i : o.instanzen) leser_.InstanzMerken(i);
    }
    Zeilenwahl ZeilenFuer(icalcomponent_kind art) override {
        return kalender_ && art == ICAL_VEVENT_COMPONENT ? Zeilenwahl::Alle : Zeilenwahl::Gerippe;
    }
    void Kind(int nummer, Komponente kind) override {
        if (!kalender_) return;
        if (icalcomponent_isa(kind.get()) == ICAL_VEVENT_COMPONENT &&
            !icalcomponent_get_first_property(kind.get(), ICAL_RECURRENCEID_PROPERTY))
            if (const char* uid = icalcomponent_get_uid(kind.get())) {
                const auto& neueste = vorlauf_.oben[nummer].neueste;
                const auto n = neueste.find(std::string_view(uid));
                const int index = gesehen_[uid]++;
                if (n != neueste.end() && n->second.second != index)
                    return leser_.Hinweis(kIcsHinweisAeltereFassung);
            }
        icalcomponent_add_component(kalender_, kind.get());
        struct Heraus {
            icalcomponent* kalender;
            icalcomponent* kind;
            ~Heraus() { icalcomponent_remove_component(kalender, kind); }
        } heraus{kalender_, kind.get()};
        leser_.Lesen(kind.get());
        // libical's temporary strings of the events read so far; no text of theirs is kept.
        if ((++kinder_ & 1023) == 0) icalmemory_free_ring();
    }
    void ObenFertig(int, Komponente) override {
        kalender_ = nullptr;
        gesehen_.clear();
    }
    void Zwischendurch(std::size_t gelesen) override { zwischendurch_(gelesen); }

private:
    const Vorlauf& vorlauf_;
    Icsleser& leser_;
    std::function<void(std::size_t)> zwischendurch_;
    icalcomponent* kalender_ = nullptr;
    std::size_t kinder_ = 0;
    std::map<std::string, int, std::less<>> gesehen_;  // events per UID of this calendar
};

}  // namespace

std::string IcsImportergebnis::Meldung() const {
    std::string m = std::to_string(importiert) + " Termine importiert, " +
                    std::to_string(uebersprungen) + " übersprungen";
    for (const auto& [grund, anzahl] : gruende)
        m += "\n" + std::to_string(anzahl) + " " + grund;
    if (vorhanden > 0) m += "\nschon vorhanden: " + std::to_string(vorhanden);
    for (const auto& [hinweis, anzahl] : hinweise)
        m += "\n" + std::to_string(anzahl) + " " + hinweis;
    if (ersetzt > 0)
        m += "\n" + std::to_string(ersetzt) +
             " Zeichen ersetzt ('#' durch '+', Zeilenumbrüche durch ' / ', in Windows-1252 "
             "nicht darstellbare durch '?')";
    return m;
}

std::string KalenderAlsIcs(const TKalender& kal, const IcsExportoptionen& o,
                           const std::function<void(int)>& fortschritt) {
    LibicalVorbereiten();
    Icsschreiber s(o);
    s.Anfang();
    const int32_t von = Tagesnummer(o.von.tag, o.von.monat, o.von.jahr);
    const int32_t bis = Tagesnummer(o.bis.tag, o.bis.monat, o.bis.jahr);
    const int erster = TKalender::SlotIndex(o.von.jahr, o.von.monat, o.von.tag);
    const int letzter = TKalender::SlotIndex(o.bis.jahr, o.bis.monat, o.bis.tag);
    int gemeldet = o.von.jahr - 1;
    const int jahre = o.bis.jahr - o.von.jahr + 1;
    // Runs of days per colour slot, written when they end.
    std::array<int32_t, AnzahlFarben + 1> laufBeginn{}, laufEnde{};
    const auto laufSchreiben = [&](int k) {
        if (laufBeginn[k] == 0) return;
        const Datum d = DatumAusTagesnummer(laufBeginn[k]);
        s.Ganztaegig(Uid(d, "farbe", k, static_cast<uint64_t>(laufEnde[k] - laufBeginn[k] + 1)),
                     laufBeginn[k], laufEnde[k], kal.Farbnamen[k], kal.Farbwerte[k], false);
        laufBeginn[k] = 0;
    };
    for (int i = kal.NaechsterTag(erster); i <= letzter && i < TKalender::kSlots;
         i = kal.NaechsterTag(i + 1)) {
        int j, m, t;
        TKalender::SlotDatum(i, j, m, t);
        if (!IstGueltigesDatum(t, m, j)) continue;
        const int32_t nummer = Tagesnummer(t, m, j);
        if (nummer < von || nummer > bis) continue;
        if (fortschritt && j - 1 > gemeldet) {
            gemeldet = j - 1;
            fortschritt((gemeldet - o.von.jahr + 1) * 100 / jahre);
        }
        const Datum d{t, m, j};
        const TTerminliste& liste = kal.TerminlisteAn(i);
        if (o.tagesinfo && !liste.empty() && !liste[0].Beschreibung.empty()) {
            std::string_view info = liste[0].Beschreibung.sicht();
            std::map<uint64_t, std::size_t> gleicheZeilen;  // as for the appointments below
            for (std::size_t n = 0; !info.empty() || n == 0; ++n) {
                const std::size_t trenner = info.find('#');
                const std::string zeile(info.substr(0, trenner));
                info = trenner == std::string_view::npos ? std::string_view()
                                                         : info.substr(trenner + 1);
                if (!zeile.empty()) {
                    const uint64_t hash = Fnv(0xCBF29CE484222325ull, zeile);
                    s.Ganztaegig(Uid(d, "info", gleicheZeilen[hash]++, hash), nummer, nummer,
                                 zeile, KeineFarbe, false);
                }
                if (info.empty()) break;
            }
        }
        // The UID is the appointment's content and its order among identical twins on the
        // day, never its place in the list: adding or moving one leaves the others' UIDs.
        std::map<uint64_t, std::size_t> zwillinge;
        for (std::size_t n = 1; n < liste.size(); ++n)
            s.Termin(d, zwillinge[TerminHash(liste[n])]++, liste[n], kal);
        if (o.tagesfarben) {
            const TTagesfarben& farben = kal.TagesfarbenAn(i);
            for (uint32_t f : farben) {
                const int k = kal.FarbSlot(f);
                if (k == 0 || kal.Farbnamen[k] == FreiName || kal.Farbnamen[k].empty()) continue;
                if (laufBeginn[k] != 0 && laufEnde[k] == nummer) continue;  // listed twice
                if (laufBeginn[k] != 0 && laufEnde[k] != nummer - 1) laufSchreiben(k);
                if (laufBeginn[k] == 0) laufBeginn[k] = nummer;
                laufEnde[k] = nummer;
            }
        }
    }
    for (int k = 1; k <= AnzahlFarben; ++k) laufSchreiben(k);
    if (o.geburtstage) {
        // By date and name, and the order among identical entries, not the list position.
        std::map<std::pair<int32_t, uint64_t>, std::size_t> gleicheGeburtstage;
        for (std::size_t n = 0; n < kal.Geburtstagsliste.size(); ++n) {
            const TGeburtstag& g = kal.Geburtstagsliste[n];
            if (g.Geburtsdatum == KeinDatum) continue;
            const Datum d = DatumAusWert(g.Geburtsdatum);
            if (d.jahr < 1 || d.jahr > 9999) continue;
            std::string name = g.Vorname;
            if (!name.empty() && !g.Name.empty()) name.push_back(' ');
            name += g.Name;
            const int32_t tag = Tagesnummer(d.tag, d.monat, d.jahr);
            const uint64_t hash = Fnv(0xCBF29CE484222325ull, name);
            s.Ganztaegig(Uid(d, "geburtstag", gleicheGeburtstage[{tag, hash}]++, hash), tag, tag,
                         "Geburtstag: " + name, KeineFarbe, true);
        }
    }
    if (fortschritt) fortschritt(100);
    return s.Ende();
}

IcsImportergebnis IcsImportieren(TKalender& kal, std::string_view bytes,
                                 const IcsImportoptionen& o,
                                 const std::function<void(int)>& fortschritt) {
    LibicalVorbereiten();
    // libical reads up to a NUL; one inside the file is a fault, not its end.
    if (bytes.find('\0') != std::string_view::npos)
        throw KalvoraFehler(std::string(kIcsUnlesbar) + ": die Datei enthält Nullbytes.");
    // A UTF-8 byte-order mark is no part of the text; lines ended by a lone CR (old Mac
    // files) are read as lines.
    if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
    std::string zeilen;
    for (std::size_t p = bytes.find('\r'); p != std::string_view::npos;
         p = bytes.find('\r', p + 1)) {
        if (p + 1 < bytes.size() && bytes[p + 1] == '\n') continue;
        zeilen.reserve(bytes.size() + bytes.size() / 16);
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            zeilen.push_back(bytes[i]);
            if (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'))
                zeilen.push_back('\n');
        }
        bytes = zeilen;
        break;
    }
    // libical prints some warnings of its own on stderr; the report says what matters.
    std::optional<Fehlerkanalstille> stille;
    if (o.libicalStumm) stille.emplace();
    constexpr int kNachDemVorlauf = 20;
    int gemeldet = -1;
    const auto melden = [&](int p) {
        if (fortschritt && p > gemeldet) fortschritt(gemeldet = p);
    };
    const auto anteil = [&](std::size_t gelesen, int von, int bis) {
        return von + static_cast<int>(static_cast<uint64_t>(gelesen) * (bis - von) /
                                      std::max<std::size_t>(bytes.size(), 1));
    };
    icalerror_clear_errno();
    Vorlauf vorlauf([&](std::size_t gelesen) {
        melden(anteil(gelesen, 0, kNachDemVorlauf));
        AbbruchPruefen(o);
    });
    int endeOhneBeginn = 0;
    try {
        endeOhneBeginn = Icszerlegung::Zerlegen(bytes, vorlauf);
    } catch (const Importabbruch&) {
        IcsImportergebnis e;
        e.abgebrochen = true;
        return e;
    }
    // libical's parser makes the root of one component, or of several side by side (it
    // knows no name for a root of the file's own); the complete calendars among them count.
    bool kalender = false;
    for (const Vorlauf::Oben& oben : vorlauf.oben)
        kalender = kalender || (oben.fertig && oben.art == ICAL_VCALENDAR_COMPONENT);
    if (!kalender) {
        // libical's parser says nothing for an empty or cut-off file; its error code, when
        // it has one, is the reason.
        const std::string grund =
            icalerrno != ICAL_NO_ERROR
                ? icalerror_strerror(icalerrno)
                : "kein vollständiger Kalender (BEGIN:VCALENDAR … END:VCALENDAR)";
        throw KalvoraFehler(std::string(kIcsUnlesbar) + ": " + grund);
    }
    melden(kNachDemVorlauf);

    IcsImportergebnis e;
    if (endeOhneBeginn > 0) e.hinweise.emplace_back(kIcsHinweisEndeOhneBeginn, endeOhneBeginn);
    Icsleser leser(kal, o, e);
    try {
        Einfuhr einfuhr(vorlauf, leser, [&](std::size_t gelesen) {
            melden(anteil(gelesen, kNachDemVorlauf, 100));
            AbbruchPruefen(o);
        });
        Icszerlegung::Zerlegen(bytes, einfuhr);
    } catch (const Importabbruch&) {
        leser.Zuruecknehmen();
        icalmemory_free_ring();
        IcsImportergebnis abgebrochen;
        abgebrochen.abgebrochen = true;
        return abgebrochen;
    } catch (...) {
        leser.Zuruecknehmen();
        icalmemory_free_ring();
        throw;
    }
    if (e.importiert > 0) kal.GeaendertSetzen(true);
    // The texts libical handed out live in its ring of temporary buffers; none is used now.
    icalmemory_free_ring();
    melden(100);
    return e;
}

}  // namespace kalvora
