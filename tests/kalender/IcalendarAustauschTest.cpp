// The iCalendar import and export against what other programs write and expect: broken or
// foreign zone names, empty rules, byte-order marks, instances in UTC, starts off their rule,
// periods, escaped categories, UIDs that survive changes of the day, a file read twice, and
// what the calendar cannot hold. The expected days and times are worked out from RFC 5545.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "kalender/Icalendar.h"
#include "kalender/Windowszonen.h"

namespace kalvora {
namespace {

IcsImportoptionen Berlin() {
    IcsImportoptionen o;
    o.zeitzone = "Europe/Berlin";
    return o;
}

std::string Kalender(const std::string& inhalt) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//DE\r\n" + inhalt +
           "END:VCALENDAR\r\n";
}

std::string Ereignis(const std::string& zeilen) {
    return "BEGIN:VEVENT\r\nUID:e@test\r\nDTSTAMP:20260101T000000Z\r\nSUMMARY:Termin\r\n" +
           zeilen + "END:VEVENT\r\n";
}

// Every appointment as "TT.MM.JJJJ hh:mm Dauer Text", in day order.
std::vector<std::string> Termine(const TKalender& kal) {
    std::vector<std::string> v;
    for (int i = kal.NaechsterTag(0); i < TKalender::kSlots; i = kal.NaechsterTag(i + 1)) {
        int j, m, t;
        TKalender::SlotDatum(i, j, m, t);
        const TTerminliste& l = kal.TerminlisteAn(i);
        for (std::size_t n = 1; n < l.size(); ++n)
            v.push_back(DatumText(t, m, j) + " " + std::string(l[n].Uhrzeit.sicht()) + " " +
                        std::to_string(l[n].Dauer) + " " + std::string(l[n].Beschreibung.sicht()));
    }
    return v;
}

int Anzahl(const std::vector<std::pair<std::string, int>>& liste, const std::string& text) {
    for (const auto& [t, n] : liste)
        if (t == text) return n;
    return 0;
}

// An observance without DTSTART, as an old Apple exporter writes it.
std::string KaputteZone(const std::string& tzid) {
    return "BEGIN:VTIMEZONE\r\nTZID:" + tzid +
           "\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\n"
           "TZNAME:EDT\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\nTZOFFSETFROM:-0400\r\n"
           "TZOFFSETTO:-0500\r\nTZNAME:EST\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
}

TEST(IcalendarAustausch, ZonennamenDesSystemsStattUnbrauchbarerRegeln) {
    // 10:00 in New York on 10 July 2026 (EDT, UTC-4) is 16:00 in Berlin (CEST, UTC+2).
    struct Fall {
        std::string tzid;
        bool mitKaputterZone;
        std::string erwartet;  // "" when the event is skipped for its zone
        const char* hinweis;
    } faelle[] = {
        {"America/New_York", true, "10.07.2026 16:00 60 Termin", nullptr},
        {"/softwarestudio.org/Olson_20011030_5/America/New_York", true,
         "10.07.2026 16:00 60 Termin", nullptr},
        {"/mozilla.org/20070129_1/America/New_York", false, "10.07.2026 16:00 60 Termin",
         nullptr},
        {"Eastern Standard Time", true, "10.07.2026 16:00 60 Termin", nullptr},
        {"Eastern Standard Time", false, "10.07.2026 16:00 60 Termin", nullptr},
        {"Nirgendwo/Stadt", true, "", nullptr},
        {"Nirgendwo/Stadt", false, "10.07.2026 10:00 60 Termin", kIcsHinweisZoneUnbekannt},
    };
    for (const Fall& f : faelle) {
        TKalender kal;
        const std::string ics = Kalender(
            (f.mitKaputterZone ? KaputteZone(f.tzid) : std::string()) +
            Ereignis("DTSTART;TZID=\"" + f.tzid + "\":20260710T100000\r\nDURATION:PT1H\r\n"));
        const IcsImportergebnis e = IcsImportieren(kal, ics, Berlin());
        const std::string fall = f.tzid + (f.mitKaputterZone ? " mit Zone" : "");
        if (f.erwartet.empty()) {
            EXPECT_TRUE(Termine(kal).empty()) << fall;
            EXPECT_EQ(Anzahl(e.gruende, kIcsGrundZeitzone), 1) << fall;
        } else {
            EXPECT_EQ(Termine(kal), std::vector<std::string>{f.erwartet}) << fall;
            EXPECT_EQ(e.uebersprungen, 0) << fall;
        }
        if (f.hinweis) {
            EXPECT_EQ(Anzahl(e.hinweise, f.hinweis), 1) << fall;
        }
    }
}

TEST(IcalendarAustausch, WindowszonenAusDerTabelle) {
    const std::string xml =
        "<supplementalData><windowsZones><mapTimezones>\n"
        "<mapZone other=\"W. Europe Standard Time\" territory=\"001\" type=\"Europe/Berlin\"/>\n"
        "<mapZone other=\"W. Europe Standard Time\" territory=\"CH\" type=\"Europe/Zurich\"/>\n"
        "<mapZone other=\"Romance Standard Time\" territory=\"001\" "
        "type=\"Europe/Paris Europe/Monaco\"/>\n"
        "</mapTimezones></windowsZones></supplementalData>\n";
    EXPECT_EQ(IanaNameAusTabelle(xml, "W. Europe Standard Time"), "Europe/Berlin");
    EXPECT_EQ(IanaNameAusTabelle(xml, "Romance Standard Time"), "Europe/Paris");
    EXPECT_EQ(IanaNameAusTabelle(xml, "Europe/Berlin"), "");
    EXPECT_EQ(IanaNameAusTabelle("<mapZone other=\"x", "x"), "");
    // The system's table, or the short one without it.
    EXPECT_EQ(IanaNameVonWindowszone("W. Europe Standard Time"), "Europe/Berlin");
    EXPECT_EQ(IanaNameVonWindowszone("Pacific Standard Time"), "America/Los_Angeles");
    EXPECT_EQ(IanaNameVonWindowszone("Mars Standard Time"), "");
}

// Occurrences of one event as the RFC counts them.
TEST(IcalendarAustausch, VorkommenWieRfc5545) {
    struct Fall {
        const char* name;
        std::string zeilen;
        std::vector<std::string> erwartet;
    } faelle[] = {
        // An empty rule is no rule: the event happens once.
        {"leere Regel", "DTSTART:20261225T100000\r\nRRULE:\r\n", {"25.12.2026 10:00 0 Termin"}},
        {"leere Ausnahme", "DTSTART:20261225T100000\r\nEXDATE:\r\n",
         {"25.12.2026 10:00 0 Termin"}},
        // DTSTART (a Monday) is off the rule (Tuesdays), yet the first of the three.
        {"Beginn neben der Regel",
         "DTSTART:20260105T100000\r\nRRULE:FREQ=WEEKLY;BYDAY=TU;COUNT=3\r\n",
         {"05.01.2026 10:00 0 Termin", "06.01.2026 10:00 0 Termin",
          "13.01.2026 10:00 0 Termin"}},
        {"Beginn auf der Regel",
         "DTSTART:20260106T100000\r\nRRULE:FREQ=WEEKLY;BYDAY=TU;COUNT=2\r\n",
         {"06.01.2026 10:00 0 Termin", "13.01.2026 10:00 0 Termin"}},
        {"Beginn neben der Regel ohne Zahl",
         "DTSTART:20260105T100000\r\nRRULE:FREQ=WEEKLY;BYDAY=TU;UNTIL=20260114T000000\r\n",
         {"05.01.2026 10:00 0 Termin", "06.01.2026 10:00 0 Termin",
          "13.01.2026 10:00 0 Termin"}},
        // UNTIL before DTSTART: the start alone.
        {"Ende vor dem Beginn",
         "DTSTART:20260310T090000\r\nRRULE:FREQ=DAILY;UNTIL=20260101T000000\r\n",
         {"10.03.2026 09:00 0 Termin"}},
        // Each period keeps its own length, the others the event's.
        {"Zeiträume",
         "DTSTART:20260309T100000\r\nDURATION:PT1H\r\n"
         "RDATE;VALUE=PERIOD:20260310T140000/20260310T170000,20260312T090000/PT30M\r\n"
         "RDATE:20260313T080000\r\n",
         {"09.03.2026 10:00 60 Termin", "10.03.2026 14:00 180 Termin",
          "12.03.2026 09:00 30 Termin", "13.03.2026 08:00 60 Termin"}},
    };
    for (const Fall& f : faelle) {
        TKalender kal;
        const IcsImportergebnis e = IcsImportieren(kal, Kalender(Ereignis(f.zeilen)), Berlin());
        EXPECT_EQ(Termine(kal), f.erwartet) << f.name;
        EXPECT_EQ(e.uebersprungen, 0) << f.name << "\n" << e.Meldung();
        EXPECT_EQ(e.importiert, static_cast<int>(f.erwartet.size())) << f.name;
    }
}

TEST(IcalendarAustausch, InstanzInUtcErsetztIhrVorkommen) {
    // The series at 09:00 Berlin; the instance of 11 March named as 08:00 UTC moves to 11:00.
    for (const char* rid : {"RECURRENCE-ID:20260311T080000Z",
                            "RECURRENCE-ID;TZID=Europe/Berlin:20260311T090000",
                            "RECURRENCE-ID;TZID=America/New_York:20260311T040000"}) {
        const std::string ics = Kalender(
            Ereignis("DTSTART;TZID=Europe/Berlin:20260310T090000\r\n"
                     "RRULE:FREQ=DAILY;COUNT=3\r\n") +
            "BEGIN:VEVENT\r\nUID:e@test\r\nDTSTAMP:20260101T000000Z\r\n" + rid +
            "\r\nDTSTART;TZID=Europe/Berlin:20260311T110000\r\nSUMMARY:Verlegt\r\nEND:VEVENT\r\n");
        TKalender kal;
        IcsImportieren(kal, ics, Berlin());
        EXPECT_EQ(Termine(kal), (std::vector<std::string>{"10.03.2026 09:00 0 Termin",
                                                          "11.03.2026 11:00 0 Verlegt",
                                                          "12.03.2026 09:00 0 Termin"}))
            << rid;
    }
}

TEST(IcalendarAustausch, NeuesteFassungUndGanztaegigeInstanzen) {
    // The same event twice (an older copy left in the file): the newest SEQUENCE only,
    // wherever it stands.
    for (const auto& [erste, zweite] : {std::pair{"2", "1"}, std::pair{"1", "2"}}) {
        const std::string fassung1 = std::string("SEQUENCE:") + erste +
                                     "\r\nDTSTART:20260310T090000\r\nSUMMARY:A\r\n";
        const std::string fassung2 = std::string("SEQUENCE:") + zweite +
                                     "\r\nDTSTART:20260311T090000\r\nSUMMARY:B\r\n";
        const std::string ics =
            Kalender("BEGIN:VEVENT\r\nUID:s@test\r\n" + fassung1 + "END:VEVENT\r\n" +
                     "BEGIN:VEVENT\r\nUID:s@test\r\n" + fassung2 + "END:VEVENT\r\n");
        TKalender kal;
        const IcsImportergebnis e = IcsImportieren(kal, ics, Berlin());
        EXPECT_EQ(Termine(kal), std::vector<std::string>{std::string(erste) == "2"
                                                             ? "10.03.2026 09:00 0 A"
                                                             : "11.03.2026 09:00 0 B"});
        EXPECT_EQ(Anzahl(e.hinweise, kIcsHinweisAeltereFassung), 1);
    }
    // An all-day series whose moved instance is named by a time on its day.
    const std::string ics = Kalender(
        Ereignis("DTSTART;VALUE=DATE:20260402\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n") +
        "BEGIN:VEVENT\r\nUID:e@test\r\nRECURRENCE-ID;TZID=Europe/London:20260409T000000\r\n"
        "DTSTART;VALUE=DATE:20260410\r\nSUMMARY:Verlegt\r\nEND:VEVENT\r\n");
    TKalender kal;
    IcsImportieren(kal, ics, Berlin());
    EXPECT_TRUE(kal.Terminliste(2026, 4, 9).empty());
    EXPECT_EQ(kal.Terminliste(2026, 4, 10)[0].Beschreibung, "Verlegt");
    EXPECT_EQ(kal.Terminliste(2026, 4, 16)[0].Beschreibung, "Termin");
}

TEST(IcalendarAustausch, ByteOrderMarkUndZeilenendenAllein) {
    const std::string crlf = Kalender(Ereignis("DTSTART:20260310T090000\r\nDURATION:PT15M\r\n"));
    std::string nurCr = crlf, nurLf = crlf;
    nurCr.erase(std::remove(nurCr.begin(), nurCr.end(), '\n'), nurCr.end());
    nurLf.erase(std::remove(nurLf.begin(), nurLf.end(), '\r'), nurLf.end());
    for (const std::string& text : {"\xEF\xBB\xBF" + crlf, nurCr, "\xEF\xBB\xBF" + nurCr, nurLf}) {
        TKalender kal;
        const IcsImportergebnis e = IcsImportieren(kal, text, Berlin());
        EXPECT_EQ(Termine(kal), std::vector<std::string>{"10.03.2026 09:00 15 Termin"});
        EXPECT_EQ(e.uebersprungen, 0);
    }
    // A folded line ended by lone CRs is still one line.
    TKalender kal;
    IcsImportieren(kal,
                   "BEGIN:VCALENDAR\rBEGIN:VEVENT\rDTSTART:20260310T090000\rSUMMARY:Lan\r ge "
                   "Zeile\rEND:VEVENT\rEND:VCALENDAR\r",
                   Berlin());
    EXPECT_EQ(Termine(kal), std::vector<std::string>{"10.03.2026 09:00 0 Lange Zeile"});
}

TEST(IcalendarAustausch, ZweiterImportFuegtNichtsHinzu) {
    const std::string ics = Kalender(
        Ereignis("DTSTART;TZID=Europe/Berlin:20260310T090000\r\nDURATION:PT1H\r\n"
                 "RRULE:FREQ=WEEKLY;COUNT=4\r\n") +
        // Twins within the file: both arrive the first time.
        "BEGIN:VEVENT\r\nUID:z1@test\r\nDTSTART:20260311T100000\r\nSUMMARY:Zwilling\r\n"
        "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:z2@test\r\nDTSTART:20260311T100000\r\n"
        "SUMMARY:Zwilling\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:g@test\r\nDTSTART;VALUE=DATE:20260312\r\nSUMMARY:Feiertag\r\n"
        "END:VEVENT\r\n");
    TKalender kal;
    kal.Terminliste(2026, 3, 17) = {TTermin{"", "Eigene Info"},
                                    TTermin{"09:00", "Termin", "", "", "", 30}};
    const IcsImportergebnis erste = IcsImportieren(kal, ics, Berlin());
    EXPECT_EQ(erste.importiert, 7);
    EXPECT_EQ(erste.vorhanden, 0);  // 17.03. 09:00 lasts 30 minutes, not 60
    const TKalender nachErstem = kal;
    kal.GeaendertSetzen(false);
    const IcsImportergebnis zweite = IcsImportieren(kal, ics, Berlin());
    EXPECT_EQ(zweite.importiert, 0);
    EXPECT_EQ(zweite.vorhanden, 7);
    EXPECT_TRUE(kal.TageGleich(nachErstem));
    EXPECT_FALSE(kal.geaendert);
    EXPECT_NE(zweite.Meldung().find("\nschon vorhanden: 7"), std::string::npos)
        << zweite.Meldung();
    // One twin already there: the other still comes.
    TKalender einer;
    einer.Terminliste(2026, 3, 11) = {TTermin{}, TTermin{"10:00", "Zwilling", "", "", "", 0}};
    const IcsImportergebnis e = IcsImportieren(einer, ics, Berlin());
    EXPECT_EQ(e.vorhanden, 1);
    EXPECT_EQ(einer.Terminliste(2026, 3, 11).size(), 3u);
}

TEST(IcalendarAustausch, WasDerKalenderNichtFasstWirdGezaehlt) {
    TKalender kal;
    kal.Terminkategorie = {"Beruf"};
    IcsImportoptionen o = Berlin();
    o.alarmVorlaufMinuten = 120;
    const std::string ics = Kalender(
        Ereignis("DTSTART:20260310T090000\r\nDESCRIPTION:Unterlagen mitbringen\r\n"
                 "ORGANIZER:mailto:a@example.org\r\nATTENDEE:mailto:b@example.org\r\n"
                 "CATEGORIES:Privat,Beruf\r\nSTATUS:TENTATIVE\r\n"
                 "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nDESCRIPTION:x\r\n"
                 "END:VALARM\r\n") +
        "BEGIN:VEVENT\r\nUID:f@test\r\nDTSTART:20260311T090000\r\nSUMMARY:Zweiter\r\n"
        "CLASS:PRIVATE\r\nCATEGORIES:Neu,Privat\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\n"
        "TRIGGER:-PT2H\r\nDESCRIPTION:x\r\nEND:VALARM\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:l@test\r\nDTSTART:20260312T090000\r\nSUMMARY:Leer\r\n"
        "DESCRIPTION:\\n \r\nEND:VEVENT\r\n"  // a note of a line break only is none
        "BEGIN:VTODO\r\nUID:t@test\r\nSUMMARY:Aufgabe\r\nEND:VTODO\r\n"
        "BEGIN:VJOURNAL\r\nUID:j@test\r\nSUMMARY:Journal\r\nEND:VJOURNAL\r\n");
    const IcsImportergebnis e = IcsImportieren(kal, ics, o);
    EXPECT_EQ(e.importiert, 3);
    EXPECT_EQ(Anzahl(e.gruende, kIcsGrundAufgabe), 2);
    EXPECT_EQ(Anzahl(e.hinweise, kIcsHinweisNotiz), 1);
    EXPECT_EQ(Anzahl(e.hinweise, kIcsHinweisTeilnehmer), 1);
    EXPECT_EQ(Anzahl(e.hinweise, kIcsHinweisKategorien), 2);
    EXPECT_EQ(Anzahl(e.hinweise, kIcsHinweisAlarmvorlauf), 1);
    EXPECT_EQ(Anzahl(e.hinweise, kIcsHinweisStatus), 2);
    // The category the list has, else the first one, which joins the list.
    EXPECT_EQ(kal.Terminliste(2026, 3, 10)[1].Kategorie, "Beruf");
    EXPECT_TRUE(kal.Terminliste(2026, 3, 10)[1].Alarm);
    EXPECT_EQ(kal.Terminliste(2026, 3, 11)[1].Kategorie, "Neu");
    EXPECT_EQ(kal.Terminkategorie, (std::vector<std::string>{"Beruf", "Neu"}));
    for (const char* text : {kIcsHinweisNotiz, kIcsHinweisTeilnehmer, kIcsHinweisStatus})
        EXPECT_NE(e.Meldung().find(text), std::string::npos) << e.Meldung();
}

// ---------------------------------------------------------------------------------------
// Export

IcsExportoptionen Gesamt() {
    IcsExportoptionen o;
    o.zeitzone = "Europe/Berlin";
    o.jetzt = {2026, 4, 15, 10, 0, 0};
    return o;
}

std::vector<std::string> Zeilen(const std::string& ics, const std::string& name) {
    // Unfolded content lines that start with name.
    std::string entfaltet;
    for (std::size_t i = 0; i < ics.size(); ++i) {
        if (ics.compare(i, 3, "\r\n ") == 0) {
            i += 2;
            continue;
        }
        entfaltet.push_back(ics[i]);
    }
    std::vector<std::string> v;
    std::size_t p = 0;
    for (std::size_t e; (e = entfaltet.find("\r\n", p)) != std::string::npos; p = e + 2)
        if (entfaltet.compare(p, name.size(), name) == 0) v.push_back(entfaltet.substr(p, e - p));
    return v;
}

TEST(IcalendarAustausch, TextwerteMaskiert) {
    TKalender kal;
    kal.Terminkategorie = {"Beruf, Team"};
    const std::string lang(90, 'x');
    kal.Terminliste(2026, 5, 4) = {
        TTermin{}, TTermin{"10:00", "Plan; Teil 1, Teil 2", "Raum \\3", "Beruf, Team", "", 30,
                           KeineFarbe, true},
        TTermin{"11:00", "Lang", "", "Ä" + lang + ";ü", "", 0}};
    const std::string ics = KalenderAlsIcs(kal, Gesamt());
    EXPECT_EQ(Zeilen(ics, "CATEGORIES"),
              (std::vector<std::string>{"CATEGORIES:Beruf\\, Team",
                                        "CATEGORIES:Ä" + lang + "\\;ü"}));
    EXPECT_EQ(Zeilen(ics, "SUMMARY:Plan"),
              std::vector<std::string>{"SUMMARY:Plan\\; Teil 1\\, Teil 2"});
    EXPECT_EQ(Zeilen(ics, "LOCATION"), std::vector<std::string>{"LOCATION:Raum \\\\3"});
    // No line over 75 octets, the properties before the alarm.
    std::size_t anfang = 0;
    for (std::size_t p; (p = ics.find("\r\n", anfang)) != std::string::npos; anfang = p + 2)
        EXPECT_LE(p - anfang, 75u);
    EXPECT_LT(ics.find("CATEGORIES:Beruf"), ics.find("BEGIN:VALARM"));
    // libical reads one category back, and its checker finds nothing to object to.
    icalcomponent* c = icalparser_parse_string(ics.c_str());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(icalrestriction_check(c), 1);
    EXPECT_EQ(icalcomponent_count_errors(c), 0);
    icalcomponent* ev = icalcomponent_get_first_component(c, ICAL_VEVENT_COMPONENT);
    std::vector<std::string> kategorien;
    for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_CATEGORIES_PROPERTY); p;
         p = icalcomponent_get_next_property(ev, ICAL_CATEGORIES_PROPERTY))
        kategorien.emplace_back(icalproperty_get_categories(p));
    EXPECT_EQ(kategorien, std::vector<std::string>{"Beruf, Team"});
    icalcomponent_free(c);
    // And into a calendar without our own property.
    std::string fremd = ics;
    for (std::size_t p; (p = fremd.find("X-KALVORA-KATEGORIE")) != std::string::npos;)
        fremd.erase(p, fremd.find("\r\n", p) + 2 - p);
    TKalender ziel;
    IcsImportieren(ziel, fremd, Berlin());
    EXPECT_EQ(ziel.Terminliste(2026, 5, 4)[1].Kategorie, "Beruf, Team");
}

std::map<std::string, std::string> UidsNachTitel(const std::string& ics) {
    // SUMMARY follows UID in every event the export writes.
    std::map<std::string, std::string> m;
    const auto uids = Zeilen(ics, "UID:");
    const auto titel = Zeilen(ics, "SUMMARY:");
    for (std::size_t i = 0; i < uids.size() && i < titel.size(); ++i) m[titel[i]] += uids[i];
    return m;
}

TEST(IcalendarAustausch, UidsHaengenNichtAmPlatzImTag) {
    TKalender kal;
    kal.Terminliste(2026, 5, 4) = {TTermin{}, TTermin{"08:00", "Früh"},
                                   TTermin{"12:00", "Mittag"}, TTermin{"12:00", "Mittag"},
                                   TTermin{"18:00", "Abend"}};
    const auto vorher = UidsNachTitel(KalenderAlsIcs(kal, Gesamt()));
    const auto uids = Zeilen(KalenderAlsIcs(kal, Gesamt()), "UID:");
    EXPECT_EQ(std::set<std::string>(uids.begin(), uids.end()).size(), 4u);  // twins differ
    // A new appointment sorted in at the front, one re-timed: the others keep their UIDs.
    TTerminliste& l = kal.Terminliste(2026, 5, 4);
    l.insert(l.begin() + 1, TTermin{"07:00", "Neu"});
    l.back().Uhrzeit = "19:00";
    const auto nachher = UidsNachTitel(KalenderAlsIcs(kal, Gesamt()));
    EXPECT_EQ(nachher.at("SUMMARY:Früh"), vorher.at("SUMMARY:Früh"));
    EXPECT_EQ(nachher.at("SUMMARY:Mittag"), vorher.at("SUMMARY:Mittag"));  // both twins
    EXPECT_NE(nachher.at("SUMMARY:Abend"), vorher.at("SUMMARY:Abend"));
    // The twins' UIDs follow their order among themselves, not the list position.
    l.erase(l.begin() + 1);
    EXPECT_EQ(UidsNachTitel(KalenderAlsIcs(kal, Gesamt())).at("SUMMARY:Mittag"),
              vorher.at("SUMMARY:Mittag"));
}

TEST(IcalendarAustausch, UidsDerInfozeilenUndGeburtstageOhnePlatz) {
    TKalender kal;
    kal.Terminliste(2026, 5, 4) = {TTermin{"", "Feiertag#Markt"}};
    kal.Geburtstagsliste = {{"Meyer", "Anna", DatumWert(15, 3, 1970), KeinDatum}};
    IcsExportoptionen o = Gesamt();
    o.zeitzone.clear();
    o.tagesinfo = o.geburtstage = true;
    const auto vorher = UidsNachTitel(KalenderAlsIcs(kal, o));
    // A line and a birthday added in front: the others keep their UIDs.
    kal.Terminliste(2026, 5, 4)[0].Beschreibung = "Neu#Feiertag#Markt";
    kal.Geburtstagsliste.insert(kal.Geburtstagsliste.begin(),
                                {"Albers", "Bernd", DatumWert(1, 1, 1960), KeinDatum});
    const auto nachher = UidsNachTitel(KalenderAlsIcs(kal, o));
    for (const char* titel :
         {"SUMMARY:Feiertag", "SUMMARY:Markt", "SUMMARY:Geburtstag: Anna Meyer"})
        EXPECT_EQ(nachher.at(titel), vorher.at(titel)) << titel;
}

TEST(IcalendarAustausch, GeburtstagAm29FebruarNurInSchaltjahren) {
    TKalender kal;
    kal.Geburtstagsliste = {{"Meyer", "Anna", DatumWert(29, 2, 1972), KeinDatum}};
    IcsExportoptionen o = Gesamt();
    o.zeitzone.clear();  // no VTIMEZONE with rules of its own
    o.geburtstage = true;
    const std::string ics = KalenderAlsIcs(kal, o);
    EXPECT_EQ(Zeilen(ics, "RRULE"), std::vector<std::string>{"RRULE:FREQ=YEARLY"});
    EXPECT_EQ(Zeilen(ics, "DTSTART"), std::vector<std::string>{"DTSTART;VALUE=DATE:19720229"});
    // Read back: only on 29 February of the leap years, never on 1 March.
    TKalender ziel;
    IcsImportieren(ziel, ics, Berlin());
    EXPECT_EQ(ziel.Terminliste(2004, 2, 29)[0].Beschreibung, "Geburtstag: Anna Meyer");
    EXPECT_TRUE(ziel.Terminliste(2005, 3, 1).empty());
    EXPECT_TRUE(ziel.Terminliste(2005, 2, 28).empty());
}

}  // namespace
}  // namespace kalvora
