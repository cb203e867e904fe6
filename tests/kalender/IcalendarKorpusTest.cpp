// Real .ics files of other projects' test suites (tests/daten/ics/fremd, sources in
// QUELLEN.txt): every one is imported without crash or hang and refused only when it holds
// no calendar; a chosen set has the days and times RFC 5545 gives; and every file is read
// by an independent reader (Python's icalendar with recurring-ical-events) and compared
// occurrence by occurrence.
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "doubles/Testdateien.h"
#include "kalender/Icalendar.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testdateien::Inhalt;

const std::string kFremd = std::string(KALVORA_TESTDATEN) + "/ics/fremd";
const std::string kReferenz = std::string(KALVORA_TESTDATEN) + "/../ics_referenz.py";

// Files that hold no VCALENDAR (a bare VEVENT, a bare VTIMEZONE).
const std::set<std::string> kKeinKalender = {"pyical_issue_156_RDATE_with_PERIOD_list.ics",
                                             "pyical_fuzz_testcase_vtimezone_lone_cr.ics"};

// Every occurrence as the reference script prints it: "TT.MM.JJJJ hh:mm Dauer" per
// appointment, "TT.MM.JJJJ ganztags" per info line (not the continuation of a long one).
std::vector<std::string> Vorkommen(const TKalender& kal) {
    std::vector<std::string> v;
    for (int i = kal.NaechsterTag(0); i < TKalender::kSlots; i = kal.NaechsterTag(i + 1)) {
        int j, m, t;
        TKalender::SlotDatum(i, j, m, t);
        const std::string datum = DatumText(t, m, j);
        const TTerminliste& l = kal.TerminlisteAn(i);
        if (!l.empty()) {
            std::string_view info = l[0].Beschreibung.sicht();
            while (!info.empty()) {
                const std::size_t trenner = info.find('#');
                if (!info.substr(0, trenner).starts_with(kIcsFortsetzung))
                    v.push_back(datum + " ganztags");
                info = trenner == std::string_view::npos ? std::string_view()
                                                         : info.substr(trenner + 1);
            }
        }
        for (std::size_t n = 1; n < l.size(); ++n)
            v.push_back(datum + " " + std::string(l[n].Uhrzeit.sicht()) + " " +
                        std::to_string(l[n].Dauer));
    }
    std::sort(v.begin(), v.end());
    return v;
}

struct Einlesung {
    bool abgewiesen = false;
    std::vector<std::string> vorkommen;
    IcsImportergebnis ergebnis;
};

Einlesung Importieren(const fs::path& datei) {
    Einlesung e;
    TKalender kal;
    try {
        e.ergebnis = IcsImportieren(kal, Inhalt(datei.string()), IcsImportoptionen{
                                                                     .zeitzone = "Europe/Berlin"});
    } catch (const KalvoraFehler&) {
        e.abgewiesen = true;
    }
    e.vorkommen = Vorkommen(kal);
    return e;
}

std::vector<fs::path> Korpus() {
    std::vector<fs::path> v;
    for (const auto& eintrag : fs::directory_iterator(kFremd))
        if (eintrag.path().extension() == ".ics") v.push_back(eintrag.path());
    std::sort(v.begin(), v.end());
    return v;
}

TEST(IcalendarKorpus, JedeDateiOhneAbsturzUndOhneHaengen) {
    const auto dateien = Korpus();
    ASSERT_GE(dateien.size(), 40u);
    for (const fs::path& datei : dateien) {
        const auto anfang = std::chrono::steady_clock::now();
        const Einlesung e = Importieren(datei);
        const auto dauer = std::chrono::steady_clock::now() - anfang;
        EXPECT_LT(dauer, std::chrono::seconds(10)) << datei;
        EXPECT_EQ(e.abgewiesen, kKeinKalender.count(datei.filename().string()) > 0) << datei;
    }
}

// Worked out from RFC 5545, in Europe/Berlin.
TEST(IcalendarKorpus, AusgewaehlteDateienWieRfc5545) {
    const std::map<std::string, std::vector<std::string>> erwartet = {
        // Daily, COUNT=10, 07:45–10:00.
        {"rie_event-10-times.ics",
         {"13.01.2020 07:45 135", "14.01.2020 07:45 135", "15.01.2020 07:45 135",
          "16.01.2020 07:45 135", "17.01.2020 07:45 135", "18.01.2020 07:45 135",
          "19.01.2020 07:45 135", "20.01.2020 07:45 135", "21.01.2020 07:45 135",
          "22.01.2020 07:45 135"}},
        // Weekly, COUNT=8; the EXDATE in UTC (23:30Z = 00:30 CET) removes 11 March.
        {"rie_each-week-but-one-deleted.ics",
         {"01.04.2019 00:30 30", "04.03.2019 00:30 30", "08.04.2019 00:30 30",
          "15.04.2019 00:30 30", "18.03.2019 00:30 30", "22.04.2019 00:30 30",
          "25.03.2019 00:30 30"}},
        // The cancelled instance of 29 January goes.
        {"rie_issue_18_cancel_status.ics", {"28.01.2020 22:00 60", "30.01.2020 22:00 60"}},
        // Tuesdays 16:15 until 04.02.2020 15:14:59Z (that day's 15:15Z is past it), nine
        // EXDATEs in UTC across the change to winter time.
        {"rie_issue_20_exdate_ignored.ics",
         {"07.01.2020 16:15 90", "10.12.2019 16:15 90", "12.11.2019 16:15 90",
          "14.01.2020 16:15 90", "21.01.2020 16:15 90", "28.01.2020 16:15 90",
          "29.10.2019 16:15 90"}},
        // UNTIL before DTSTART: the start alone, seven days long.
        {"rie_issue_117_until_before_dtstart.ics",
         {"02.10.2023 ganztags", "03.10.2023 ganztags", "04.10.2023 ganztags",
          "05.10.2023 ganztags", "06.10.2023 ganztags", "07.10.2023 ganztags",
          "08.10.2023 ganztags"}},
        // The period keeps its two hours.
        {"rie_issue_113_period_rdate_duration.ics",
         {"12.09.2024 14:00 60", "13.09.2024 14:00 120"}},
        // Vendor prefixes before tz names: Berlin, New York (UTC-4), Buenos Aires (UTC-3).
        {"pyical_issue_313_globally_unique_tzid.ics",
         {"26.04.2020 14:00 60", "26.04.2020 19:00 60", "26.04.2020 20:00 60"}},
        // An event that ends before it starts lasts nothing.
        {"rie_end-before-start-event.ics", {"04.03.2019 08:30 0"}},
    };
    for (const auto& [name, vorkommen] : erwartet) {
        const Einlesung e = Importieren(kFremd + "/" + name);
        std::vector<std::string> soll = vorkommen;
        std::sort(soll.begin(), soll.end());
        EXPECT_EQ(e.vorkommen, soll) << name << "\n" << e.ergebnis.Meldung();
    }
    // The series at 14:00 Berlin whose instance names 12:00 UTC: replaced, not doubled.
    TKalender kal;
    IcsImportieren(kal, Inhalt(kFremd + "/rie_issue-36-recurrence-ID-format.ics"),
                   IcsImportoptionen{.zeitzone = "Europe/Berlin"});
    ASSERT_EQ(kal.Terminliste(2020, 9, 17).size(), 2u);
    EXPECT_EQ(kal.Terminliste(2020, 9, 17)[1].Beschreibung, "Modified event");
    // The categories with escaped commas: the first is taken whole.
    TKalender kat;
    const IcsImportergebnis e =
        IcsImportieren(kat, Inhalt(kFremd + "/pyical_issue_127_categories_with_commas.ics"),
                       IcsImportoptionen{.zeitzone = "Europe/Berlin"});
    EXPECT_EQ(kat.Terminliste(2014, 2, 4)[1].Kategorie, "Meeting, John");
    EXPECT_NE(e.Meldung().find(kIcsHinweisKategorien), std::string::npos);
}

// What the independent reader prints for a file; empty optional when it cannot run.
struct Referenz {
    int code = -1;
    std::vector<std::string> vorkommen;
};

Referenz ReferenzLesen(const fs::path& datei) {
    Referenz r;
    const std::string aufruf = "/usr/bin/python3 '" + kReferenz + "' '" + datei.string() + "'";
    FILE* p = popen(aufruf.c_str(), "r");
    if (!p) return r;
    std::string aus;
    char puffer[4096];
    for (std::size_t n; (n = std::fread(puffer, 1, sizeof puffer, p)) > 0;) aus.append(puffer, n);
    const int status = pclose(p);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    for (std::size_t a = 0, e; (e = aus.find('\n', a)) != std::string::npos; a = e + 1)
        r.vorkommen.push_back(aus.substr(a, e - a));
    std::sort(r.vorkommen.begin(), r.vorkommen.end());
    return r;
}

// The reference's own mistakes, checked against RFC 5545 by hand, and where we differ on
// purpose.
const std::map<std::string, std::string> kReferenzIrrt = {
    {"pyical_issue_313_globally_unique_tzid.ics",
     "liest einen Zonennamen hinter einem Herstellerpräfix als Ortszeit"},
    {"pyical_issue_165_missing_event.ics",
     "verwirft BYDAY mit Leerzeichen (MO, TU, …) und gibt nur den Beginn"},
    {"rie_issue_148_ignored_exdate.ics",
     "behält von zwei Fassungen einer UID den Tag, den die neuere ausschließt (EXDATE)"},
};
const std::map<std::string, std::string> kBewusstAnders = {
    {"pyical_issue_1081_invalid_rrule_freq.ics",
     "eine ungültige Regel: hier übersprungen mit Grund, die Referenz nimmt den Beginn"},
};

// A reference line a year after 2037 one hour later than ours on the same day: the
// reference knows no summer time after 2037 (ours is the wall-clock time of the file).
bool SommerzeitNach2037(const std::string& dort, const std::string& hier) {
    if (dort.size() < 16 || hier.size() < 16 || dort.compare(0, 11, hier, 0, 11) != 0)
        return false;
    if (std::stoi(dort.substr(6, 4)) < 2038 || dort.substr(16) != hier.substr(16)) return false;
    const int a = std::stoi(dort.substr(11, 2)) * 60 + std::stoi(dort.substr(14, 2));
    const int b = std::stoi(hier.substr(11, 2)) * 60 + std::stoi(hier.substr(14, 2));
    return a - b == 60;
}

TEST(IcalendarKorpus, UebereinstimmungMitUnabhaengigemLeser) {
    if (Referenz probe = ReferenzLesen(kFremd + "/rie_no-events.ics"); probe.code != 0)
        GTEST_SKIP() << "python3-icalendar und python3-recurring-ical-events fehlen";
    long gleich = 0, gesamt = 0, irrtuemer = 0, gleichBereinigt = 0, gesamtBereinigt = 0;
    int verglichen = 0;
    for (const fs::path& datei : Korpus()) {
        const std::string name = datei.filename().string();
        const Referenz r = ReferenzLesen(datei);
        if (r.code != 0) {
            std::cout << "  " << name << ": von der Referenz nicht gelesen\n";
            continue;
        }
        ++verglichen;
        const Einlesung e = Importieren(datei);
        std::vector<std::string> gemeinsam, nurHier, nurDort;
        std::set_intersection(e.vorkommen.begin(), e.vorkommen.end(), r.vorkommen.begin(),
                              r.vorkommen.end(), std::back_inserter(gemeinsam));
        std::set_difference(e.vorkommen.begin(), e.vorkommen.end(), r.vorkommen.begin(),
                            r.vorkommen.end(), std::back_inserter(nurHier));
        std::set_difference(r.vorkommen.begin(), r.vorkommen.end(), e.vorkommen.begin(),
                            e.vorkommen.end(), std::back_inserter(nurDort));
        const long alle =
            static_cast<long>(gemeinsam.size() + nurHier.size() + nurDort.size());
        gleich += static_cast<long>(gemeinsam.size());
        gesamt += alle;
        // The reference's summer-time mistake pairs one line of each side.
        long paare = 0;
        std::vector<std::string> restHier, restDort;
        std::vector<bool> genommen(nurHier.size());
        for (const std::string& dort : nurDort) {
            bool gepaart = false;
            for (std::size_t i = 0; i < nurHier.size() && !gepaart; ++i)
                if (!genommen[i] && SommerzeitNach2037(dort, nurHier[i]))
                    genommen[i] = gepaart = true;
            if (gepaart)
                ++paare;
            else
                restDort.push_back(dort);
        }
        for (std::size_t i = 0; i < nurHier.size(); ++i)
            if (!genommen[i]) restHier.push_back(nurHier[i]);
        irrtuemer += paare;
        const bool irrt = kReferenzIrrt.count(name) > 0;
        if (irrt) {
            irrtuemer += static_cast<long>(restDort.size() + restHier.size());
        } else {
            gleichBereinigt += static_cast<long>(gemeinsam.size());
            gesamtBereinigt += alle - 2 * paare;
            if (!kBewusstAnders.count(name))
                EXPECT_TRUE(restHier.empty() && restDort.empty()) << name;
        }
        if (nurHier.empty() && nurDort.empty()) continue;
        std::cout << "  " << name << ": " << gemeinsam.size() << " von " << alle
                  << " gleich, " << paare << " Sommerzeitirrtümer der Referenz nach 2037"
                  << (irrt ? ", Referenz irrt: " + kReferenzIrrt.at(name) : std::string())
                  << "\n";
        // The first differences left, for the one who looks into it.
        for (std::size_t i = 0; i < 3 && i < restHier.size(); ++i)
            std::cout << "    nur hier: " << restHier[i] << "\n";
        for (std::size_t i = 0; i < 3 && i < restDort.size(); ++i)
            std::cout << "    nur Referenz: " << restDort[i] << "\n";
    }
    std::cout << "Verglichen: " << verglichen << " Dateien; gleich: " << gleich << " von "
              << gesamt << " Vorkommen; ohne die " << irrtuemer
              << " Irrtümer der Referenz: " << gleichBereinigt << " von " << gesamtBereinigt
              << "\n";
    EXPECT_GE(verglichen, 25);
    EXPECT_GE(gleichBereinigt * 1000, gesamtBereinigt * 999);
}

// Our export read back by libical's restriction checker and by the independent reader.
TEST(IcalendarKorpus, ExportLiestDerUnabhaengigeLeserGleich) {
    TKalender kal;
    kal.Terminkategorie = {"Beruf, Team"};
    kal.Farbnamen[1] = "Urlaub";
    kal.Terminliste(2026, 3, 28) = {
        TTermin{"", "Vor der Umstellung"},
        TTermin{"09:30", "Zahnarzt; danach Büro", "Praxis, 2. Stock", "Beruf, Team", "", 45,
                kal.Farbwerte[2], true},
        TTermin{"23:30", "Nachtzug", "", "", "", 90}};
    kal.Terminliste(2026, 3, 29) = {TTermin{}, TTermin{"02:30", "In der Umstellung", "", "",
                                                       "", 30}};
    kal.Terminliste(2026, 10, 25) = {TTermin{}, TTermin{"12:00", "Zwilling"},
                                     TTermin{"12:00", "Zwilling"}};
    for (int t : {2, 3}) kal.Tagesfarben(2026, 4, t) = {kal.Farbwerte[1]};
    IcsExportoptionen o;
    o.zeitzone = "Europe/Berlin";
    o.jetzt = {2026, 4, 15, 10, 0, 0};
    o.alarmVorlaufMinuten = 30;
    o.tagesinfo = o.tagesfarben = true;
    const std::string ics = KalenderAlsIcs(kal, o);

    icalcomponent* c = icalparser_parse_string(ics.c_str());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(icalrestriction_check(c), 1);
    EXPECT_EQ(icalcomponent_count_errors(c), 0);
    icalcomponent_free(c);

    char muster[] = "/tmp/kalvora-icsexport-XXXXXX";
    const int fd = mkstemp(muster);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(write(fd, ics.data(), ics.size()), static_cast<ssize_t>(ics.size()));
    close(fd);
    const Referenz r = ReferenzLesen(muster);
    unlink(muster);
    if (r.code == 3) GTEST_SKIP() << "python3-icalendar fehlt";
    ASSERT_EQ(r.code, 0);
    // 02:30 on the day of the switch to summer time does not exist; where a reader puts it
    // is its own choice, so that one is left out of the comparison.
    std::vector<std::string> soll = Vorkommen(kal);
    soll.insert(soll.end(), {"02.04.2026 ganztags", "03.04.2026 ganztags"});  // the colour
    std::vector<std::string> ist = r.vorkommen;
    std::sort(soll.begin(), soll.end());
    const auto umstellung = [](const std::string& z) { return z.starts_with("29.03.2026 0"); };
    std::erase_if(soll, umstellung);
    std::erase_if(ist, umstellung);
    EXPECT_EQ(ist, soll);
}

}  // namespace
}  // namespace kalvora
