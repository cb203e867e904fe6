#include "kalender/Icalendar.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <stdexcept>

#include "doubles/Testdateien.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;
using testdateien::Inhalt;

const std::string kOrdner = std::string(KALVORA_TESTDATEN) + "/ics";

IcsImportoptionen Berlin(bool farben = true) {
    IcsImportoptionen o;
    o.zeitzone = "Europe/Berlin";
    o.ganztaegigAlsTagesfarbe = farben;
    return o;
}

// The document as lines a person can check: every info text, appointment and day colour.
std::string Auflistung(const TKalender& kal, bool mitListen = true) {
    std::ostringstream aus;
    for (int i = kal.NaechsterTag(0); i < TKalender::kSlots; i = kal.NaechsterTag(i + 1)) {
        int j, m, t;
        TKalender::SlotDatum(i, j, m, t);
        const std::string datum = DatumText(t, m, j);
        const TTerminliste& l = kal.TerminlisteAn(i);
        if (!l.empty() && !l[0].Beschreibung.empty())
            aus << datum << " Info: " << l[0].Beschreibung.sicht() << "\n";
        for (std::size_t n = 1; n < l.size(); ++n) {
            const TTermin& x = l[n];
            aus << datum << " " << x.Uhrzeit.sicht() << " " << x.Dauer << " "
                << x.Beschreibung.sicht() << " | " << x.Ort.sicht() << " | "
                << x.Kategorie.sicht() << " | " << x.Link.sicht() << " | Farbe "
                << kal.FarbSlot(x.Farbe) << (x.Alarm ? " | Alarm" : "") << "\n";
        }
        for (uint32_t f : kal.TagesfarbenAn(i))
            aus << datum << " Tagesfarbe " << kal.FarbSlot(f) << "\n";
    }
    if (!mitListen) return aus.str();
    for (const auto& k : kal.Terminkategorie) aus << "Kategorie: " << k << "\n";
    for (const auto& k : kal.Linkliste) aus << "Link: " << k << "\n";
    return aus.str();
}

TKalender MitFarbnamen() {
    TKalender kal;
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbnamen[2] = "Arzt";
    return kal;
}

// Every fixture beside its expected listing (the message first). KALVORA_GOLDEN_SCHREIBEN=1
// writes the listings anew; they are then checked by hand before they are committed.
TEST(Icalendar, FremdeDateienWieErwartet) {
    int geprueft = 0;
    for (const auto& eintrag : fs::directory_iterator(kOrdner)) {
        const fs::path ics = eintrag.path();
        if (ics.extension() != ".ics") continue;
        fs::path erwartet = ics;
        erwartet.replace_extension(".erwartet");
        TKalender kal = MitFarbnamen();
        std::string ist;
        try {
            ist = IcsImportieren(kal, Inhalt(ics.string()), Berlin()).Meldung() + "\n";
            ist += Auflistung(kal);
        } catch (const KalvoraFehler& f) {
            ist = std::string("Fehler: ") + f.what() + "\n";
            EXPECT_FALSE(kal.geaendert);
            EXPECT_EQ(Auflistung(kal), "") << ics;
        }
        if (std::getenv("KALVORA_GOLDEN_SCHREIBEN")) std::ofstream(erwartet) << ist;
        EXPECT_EQ(ist, Inhalt(erwartet.string())) << ics;
        ++geprueft;
    }
    EXPECT_GE(geprueft, 10);
}

TEST(Icalendar, GanztaegigeOhneFarboptionWerdenInfozeilen) {
    TKalender kal = MitFarbnamen();
    IcsImportieren(kal, Inhalt(kOrdner + "/ganztaegig.ics"), Berlin(false));
    EXPECT_EQ(kal.TageMitFarben(), 0);
    EXPECT_EQ(kal.Terminliste(2026, 8, 5)[0].Beschreibung, "Urlaub#Ostseeküste");
    EXPECT_EQ(kal.Terminliste(2026, 8, 7).size(), 0u);  // DTEND is the day after the last
}

TEST(Icalendar, UnlesbareDateiLaesstDasDokumentUnberuehrt) {
    TKalender kal = MitFarbnamen();
    kal.Terminliste(2026, 1, 1) = {TTermin{}, TTermin{"10:00", "Da", "", "", "", 0}};
    const TKalender vorher = kal;
    for (const std::string& text :
         {std::string(), std::string("kein Kalender\r\n"),
          std::string("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20260101T100000\r\n"),
          std::string("BEGIN:VCALENDAR\r\n\0\r\nEND:VCALENDAR\r\n", 35)}) {
        try {
            IcsImportieren(kal, text, Berlin());
            ADD_FAILURE() << text;
        } catch (const KalvoraFehler& f) {
            EXPECT_EQ(std::string(f.what()).rfind(kIcsUnlesbar, 0), 0u) << f.what();
        }
        EXPECT_TRUE(kal.TageGleich(vorher));
        EXPECT_FALSE(kal.geaendert);
    }
}

TEST(Icalendar, ImportMarkiertNurWennEtwasKam) {
    TKalender kal;
    const std::string nurAbgesagt =
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20260101T100000\r\nSTATUS:CANCELLED\r\n"
        "END:VEVENT\r\nEND:VCALENDAR\r\n";
    const IcsImportergebnis e = IcsImportieren(kal, nurAbgesagt, Berlin());
    EXPECT_EQ(e.Meldung(), "0 Termine importiert, 1 übersprungen\n1 abgesagt");
    EXPECT_FALSE(kal.geaendert);
    IcsImportieren(kal, Inhalt(kOrdner + "/schwebend.ics"), Berlin());
    EXPECT_TRUE(kal.geaendert);
}

TEST(Icalendar, UferloseRegelWirdAbgebrochenUndGezaehlt) {
    TKalender kal;
    const std::string minuetlich =
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20260101T100000\r\nRRULE:FREQ=MINUTELY\r\n"
        "SUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    IcsImportoptionen o = Berlin();
    o.hoechstensVorkommen = 1000;
    const IcsImportergebnis e = IcsImportieren(kal, minuetlich, o);
    EXPECT_LE(e.importiert, 1000);
    EXPECT_GT(e.importiert, 0);
    EXPECT_EQ(e.uebersprungen, 1);
    ASSERT_EQ(e.gruende.size(), 1u);
    EXPECT_EQ(e.gruende[0].first, kIcsGrundAbgebrochen);
}

// The text with the zones after the events and every changed instance before its series:
// libical's whole tree never cared where they stood, and the import one event at a time
// must not either.
std::string Umgestellt(const std::string& text) {
    std::vector<std::string> vorn, instanzen, mitte, zonen, hinten;
    std::string block;
    int tiefe = 0;
    bool zone = false, instanz = false;
    for (std::size_t a = 0; a < text.size();) {
        const std::size_t e = std::min(text.find('\n', a), text.size() - 1);
        const std::string zeile = text.substr(a, e + 1 - a);
        a = e + 1;
        const bool beginn = zeile.rfind("BEGIN:", 0) == 0, ende = zeile.rfind("END:", 0) == 0;
        if (tiefe == 1 && beginn) {
            block.clear();
            zone = zeile.rfind("BEGIN:VTIMEZONE", 0) == 0;
            instanz = false;
        }
        tiefe += beginn ? 1 : ende ? -1 : 0;
        if (tiefe >= 2 || (tiefe == 1 && ende)) {
            block += zeile;
            instanz = instanz || zeile.rfind("RECURRENCE-ID", 0) == 0;
            if (tiefe == 1) (zone ? zonen : instanz ? instanzen : mitte).push_back(block);
        } else {
            (mitte.empty() && zonen.empty() && instanzen.empty() ? vorn : hinten).push_back(zeile);
        }
    }
    std::string aus;
    for (const auto* teil : {&vorn, &instanzen, &mitte, &zonen, &hinten})
        for (const std::string& z : *teil) aus += z;
    return aus;
}

TEST(Icalendar, ReihenfolgeDerKomponentenGleichgueltig) {
    int umgestellt = 0;
    for (const auto& eintrag : fs::directory_iterator(kOrdner)) {
        if (eintrag.path().extension() != ".ics") continue;
        const std::string text = Inhalt(eintrag.path().string());
        const std::string anders = Umgestellt(text);
        const std::size_t ende = text.find("END:VCALENDAR");
        if (anders == text || text.rfind("BEGIN:VCALENDAR", 0) != 0 ||
            ende == std::string::npos || ende != text.rfind("END:VCALENDAR"))
            continue;  // one whole calendar only
        TKalender a = MitFarbnamen(), b = MitFarbnamen();
        const IcsImportergebnis ea = IcsImportieren(a, text, Berlin());
        const IcsImportergebnis eb = IcsImportieren(b, anders, Berlin());
        EXPECT_EQ(Auflistung(b), Auflistung(a)) << eintrag.path();
        EXPECT_EQ(eb.importiert, ea.importiert) << eintrag.path();
        EXPECT_EQ(eb.uebersprungen, ea.uebersprungen) << eintrag.path();
        ++umgestellt;
    }
    EXPECT_GE(umgestellt, 2);  // the files with zones, one of them with a changed instance
}

// Which components count, as libical's parser builds its tree: one calendar or several side
// by side (a root of the file's own is a component libical does not know), a calendar the
// file ends in, names in any case.
TEST(Icalendar, KalenderWieLibicalsBaum) {
    const auto ereignis = [](const char* tag, const char* titel) {
        return std::string("BEGIN:VEVENT\r\nDTSTART:202603") + tag + "T100000Z\r\nSUMMARY:" +
               titel + "\r\nEND:VEVENT\r\n";
    };
    const std::string a = ereignis("01", "A"), b = ereignis("02", "B");
    const std::string kal = "BEGIN:VCALENDAR\r\n", ende = "END:VCALENDAR\r\n";
    struct Fall {
        std::string text;
        std::string erwartet;  // the listing, or "Fehler" for a refused file
    };
    const std::string beide = "01.03.2026 11:00 0 A |  |  |  | Farbe 0\n"
                              "02.03.2026 11:00 0 B |  |  |  | Farbe 0\n";
    const std::string nurA = "01.03.2026 11:00 0 A |  |  |  | Farbe 0\n";
    const Fall faelle[] = {
        {kal + a + ende + kal + b + ende, beide},
        {kal + a + ende + kal + b, nurA},  // the second never ends
        {"BEGIN:XROOT\r\n" + kal + a + ende + kal + b + ende + "END:XROOT\r\n", "Fehler"},
        {"BEGIN:XROOT\r\n" + kal + b + ende + "END:XROOT\r\n" + kal + a + ende, nurA},
        {a, "Fehler"},
        {kal + "BEGIN:VEVENT\r\nDTSTART:20260301T100000Z\r\n" + ende, "Fehler"},
        {"begin:vcalendar\r\nBegin:VEvent\r\ndtstart:20260301T100000Z\r\nsummary:A\r\n"
         "END:vevent\r\nend:VCALENDAR\r\n",
         nurA},
        // A line that only looks like a frame, and a folded BEGIN line.
        {kal + "BEGINNT:x\r\nBEG\r\n IN:VEVENT\r\nDTSTART:20260301T100000Z\r\nSUMMARY:A\r\n"
               "END:VEVENT\r\n" + ende,
         nurA},
        // An event inside an event stays inside it.
        {kal + "BEGIN:VEVENT\r\nDTSTART:20260301T100000Z\r\nSUMMARY:A\r\n" + b +
             "END:VEVENT\r\n" + ende,
         nurA},
    };
    for (const Fall& f : faelle) {
        TKalender kal;
        try {
            IcsImportieren(kal, f.text, Berlin());
            EXPECT_EQ(Auflistung(kal, false), f.erwartet) << f.text;
        } catch (const KalvoraFehler&) {
            EXPECT_EQ("Fehler", f.erwartet) << f.text;
        }
    }
}

TEST(Icalendar, GrenzeJeEreignisUndGesamt) {
    const std::string text = Inhalt(kOrdner + "/feindlich/endlos_sekuendlich.ics");
    struct Fall {
        long jeEreignis, gesamt;
        int importiert;
        std::string grund;
    };
    const Fall faelle[] = {
        {500, 4'000'000, 501, IcsGrundGekuerzt(500)},
        // The total budget still ends the import first; the later event is then cut too.
        {500, 300, 300, kIcsGrundAbgebrochen},
    };
    for (const Fall& f : faelle) {
        TKalender kal;
        IcsImportoptionen o = Berlin();
        o.hoechstensJeEreignis = f.jeEreignis;
        o.hoechstensVorkommen = f.gesamt;
        const IcsImportergebnis e = IcsImportieren(kal, text, o);
        EXPECT_EQ(e.importiert, f.importiert);
        ASSERT_FALSE(e.gruende.empty());
        EXPECT_EQ(e.gruende[0].first, f.grund);
        EXPECT_EQ(kal.Terminliste(2026, 1, 5).size(), f.importiert > 500 ? 2u : 0u);
    }
    EXPECT_EQ(IcsGrundGekuerzt(100'000),
              "Wiederholung mit mehr als 100.000 Vorkommen, danach gekürzt");
    EXPECT_EQ(IcsGrundGekuerzt(1'000'000),
              "Wiederholung mit mehr als 1.000.000 Vorkommen, danach gekürzt");
    EXPECT_EQ(IcsGrundGekuerzt(100), "Wiederholung mit mehr als 100 Vorkommen, danach gekürzt");
}

// libical's own warnings ("Encountered END before BEGIN") never reach stderr; the report
// says it in German, and stderr works again afterwards.
TEST(Icalendar, LibicalSchweigtDerBerichtSagtEs) {
    std::fflush(stderr);
    const int gesichert = dup(2);
    char pfad[] = "/tmp/kalvora-icsfehler-XXXXXX";
    const int fd = mkstemp(pfad);
    dup2(fd, 2);
    close(fd);
    TKalender kal;
    const IcsImportergebnis e = IcsImportieren(
        kal, "END:VEVENT\r\n" + Inhalt(kOrdner + "/schwebend.ics") + "END:VCALENDAR\r\n",
        Berlin());
    std::fputs("wieder da\n", stderr);
    std::fflush(stderr);
    dup2(gesichert, 2);
    close(gesichert);
    EXPECT_EQ(Inhalt(pfad), "wieder da\n");
    unlink(pfad);
    EXPECT_EQ(e.hinweise, (std::vector<std::pair<std::string, int>>{
                              {kIcsHinweisEndeOhneBeginn, 2}}));
    EXPECT_NE(e.Meldung().find("\n2 Zeilen END ohne vorangehendes BEGIN übergangen"),
              std::string::npos);
}

// A document with something on the days and lists the import touches.
TKalender Vorhanden() {
    TKalender kal = MitFarbnamen();
    kal.Terminkategorie = {"Beruf"};
    kal.Terminliste(2026, 8, 5) = {TTermin{"", "Schon da"},
                                   TTermin{"09:00", "Früher", "", "Beruf", "", 30}};
    kal.Tagesfarben(2026, 8, 4) = {kal.Farbwerte[2]};
    kal.GeaendertSetzen(false);
    return kal;
}

void ErwarteUnveraendert(const TKalender& kal, const TKalender& vorher) {
    EXPECT_TRUE(kal.TageGleich(vorher));
    EXPECT_EQ(kal.Terminkategorie, vorher.Terminkategorie);
    EXPECT_EQ(kal.Linkliste, vorher.Linkliste);
    EXPECT_FALSE(kal.geaendert);
}

// Twelve days of August, each with an all-day event (a colour or an info line) and an
// appointment with a category and a link of its own.
std::string ZwoelfTage() {
    std::string text = "BEGIN:VCALENDAR\r\n";
    for (int i = 1; i <= 12; ++i) {
        char ev[400];
        std::snprintf(ev, sizeof ev,
                      "BEGIN:VEVENT\r\nUID:a-%d\r\nDTSTART;VALUE=DATE:202608%02d\r\n"
                      "DTEND;VALUE=DATE:202608%02d\r\nSUMMARY:%s\r\nEND:VEVENT\r\n"
                      "BEGIN:VEVENT\r\nDTSTART:202608%02dT080000Z\r\nSUMMARY:T%d\r\n"
                      "CATEGORIES:Neu%d\r\nURL:https://example.org/%d\r\nEND:VEVENT\r\n",
                      i, i, i + 1, i % 2 ? "Urlaub" : "Info", i, i, i, i);
        text += ev;
    }
    text += "END:VCALENDAR\r\n";
    return text;
}

// Stopped at every point where the import asks: before, in the middle (after some events
// were placed) and near the end, the document is as before; not stopped, it is imported.
TEST(Icalendar, AbbruchLaesstDasDokumentWieVorher) {
    const std::string text = ZwoelfTage();
    const TKalender vorher = Vorhanden();
    int abgebrochen = 0;
    for (int halt = 1;; ++halt) {
        TKalender kal = vorher;
        IcsImportoptionen o = Berlin();
        int gefragt = 0;
        o.abbrechen = [&] { return ++gefragt == halt; };
        const IcsImportergebnis e = IcsImportieren(kal, text, o);
        if (!e.abgebrochen) {
            EXPECT_EQ(e.importiert, 24);
            EXPECT_TRUE(kal.geaendert);
            EXPECT_EQ(kal.Terminkategorie.size(), 13u);
            break;
        }
        ++abgebrochen;
        EXPECT_EQ(e.importiert, 0);
        ErwarteUnveraendert(kal, vorher);
        ASSERT_LT(halt, 1000);
    }
    EXPECT_GE(abgebrochen, 24);  // asked after every event in both readings
}

// Any exception leaves the document as it was, also one thrown by the progress report.
TEST(Icalendar, AusnahmeLaesstDasDokumentWieVorher) {
    const TKalender vorher = Vorhanden();
    TKalender kal = vorher;
    const auto werfen = [](int prozent) {
        if (prozent > 60) throw std::runtime_error("kein Platz");
    };
    EXPECT_THROW(IcsImportieren(kal, ZwoelfTage(), Berlin(), werfen), std::runtime_error);
    ErwarteUnveraendert(kal, vorher);
}

// ----------------------------------------------------------------------------------------
// Export and round trip

TKalender Vielfalt() {
    TKalender kal;
    kal.Farbnamen[1] = "Urlaub";
    kal.Farbnamen[4] = "Schule";
    kal.Terminkategorie = {"Beruf", "Privat, Familie", "Sport;Verein"};
    kal.Linkliste = {"https://example.org/a?b=c,d", "/home/anna/Plan.odt"};
    int n = 0;
    for (int j : {1901, 1950, 2004, 2026, 2099}) {
        for (int m : {1, 3, 7, 10, 12}) {
            TTerminliste& l = kal.Terminliste(j, m, m == 12 ? 31 : 28 - m);
            l.resize(1);
            for (int k = 0; k < 4; ++k, ++n) {
                TTermin t;
                char zeit[8];
                std::snprintf(zeit, sizeof zeit, "%02d:%02d", (n * 7) % 24, (n * 13) % 60);
                t.Uhrzeit = zeit;
                t.Beschreibung = n % 3 == 0 ? "Zahnarzt, Kontrolle; dann Büro \\ Küche"
                                 : n % 3 == 1
                                     ? "Ein sehr langer Text mit Umlauten äöüß ÄÖÜ, der "
                                       "über mehrere gefaltete Zeilen der Datei reicht €"
                                     : "Kurz";
                t.Ort = n % 2 ? "Praxis Dr. Müller" : "";
                t.Kategorie = n % 4 == 3 ? "" : kal.Terminkategorie[n % 3];
                t.Link = n % 5 == 0 ? kal.Linkliste[n % 2] : "";
                t.Dauer = (n * 97) % 1440;
                t.Farbe = n % 21 == 20 ? KeineFarbe : kal.Farbwerte[n % 21 + 1];
                t.Alarm = n % 2 == 0;
                l.push_back(t);
            }
            std::stable_sort(l.begin() + 1, l.end(), [](const TTermin& a, const TTermin& b) {
                return a.Uhrzeit.sicht() < b.Uhrzeit.sicht();
            });
        }
    }
    return kal;
}

IcsExportoptionen Gesamt(const std::string& zone = "Europe/Berlin") {
    IcsExportoptionen o;
    o.zeitzone = zone;
    o.alarmVorlaufMinuten = 120;
    o.jetzt = {2026, 4, 15, 10, 0, 0};
    return o;
}

TEST(Icalendar, RundreiseInEinLeeresDokument) {
    const TKalender quelle = Vielfalt();
    for (const char* zone : {"Europe/Berlin", "America/New_York", "UTC", ""}) {
        const std::string ics = KalenderAlsIcs(quelle, Gesamt(zone));
        TKalender ziel;
        IcsImportoptionen o;
        o.zeitzone = zone;
        const IcsImportergebnis e = IcsImportieren(ziel, ics, o);
        EXPECT_EQ(e.importiert, quelle.AnzahlTermine()) << zone;
        EXPECT_EQ(e.uebersprungen, 0) << zone;
        EXPECT_EQ(e.ersetzt, 0) << zone;
        EXPECT_EQ(Auflistung(ziel, false), Auflistung(quelle, false)) << zone;
        // Every category and link in use came along, each once.
        EXPECT_EQ(std::set<std::string>(ziel.Terminkategorie.begin(), ziel.Terminkategorie.end()),
                  std::set<std::string>(quelle.Terminkategorie.begin(),
                                        quelle.Terminkategorie.end()));
        EXPECT_EQ(ziel.Terminkategorie.size(), 3u);
        EXPECT_EQ(ziel.Linkliste.size(), 2u);
    }
}

TEST(Icalendar, RundreiseDerTagesinfosUndTagesfarben) {
    TKalender quelle = MitFarbnamen();
    quelle.Terminliste(2026, 8, 3) = {TTermin{"", "Anreise#Hotel am See"}};
    for (int t : {3, 4, 5, 10, 11}) quelle.Tagesfarben(2026, 8, t) = {quelle.Farbwerte[1]};
    quelle.Tagesfarben(2026, 8, 4).push_back(quelle.Farbwerte[2]);
    IcsExportoptionen o = Gesamt();
    o.tagesinfo = o.tagesfarben = true;
    const std::string ics = KalenderAlsIcs(quelle, o);
    // Urlaub in two runs, Arzt on one day; the two info lines.
    std::size_t ereignisse = 0;
    for (std::size_t p = 0; (p = ics.find("BEGIN:VEVENT", p)) != std::string::npos; ++p)
        ++ereignisse;
    EXPECT_EQ(ereignisse, 5u);
    EXPECT_NE(ics.find("DTSTART;VALUE=DATE:20260803\r\nDTEND;VALUE=DATE:20260806\r\n"),
              std::string::npos);
    TKalender ziel = MitFarbnamen();
    IcsImportieren(ziel, ics, Berlin());
    EXPECT_TRUE(ziel.TageGleich(quelle));
}

TEST(Icalendar, ExportformUndZeitzone) {
    TKalender kal = Vielfalt();
    kal.Geburtstagsliste = {{"Meyer", "Anna", DatumWert(29, 2, 1972), KeinDatum},
                            {"Ohne", "Datum", KeinDatum, KeinDatum}};
    IcsExportoptionen o = Gesamt();
    o.von = {1, 1, 2004};
    o.bis = {31, 12, 2004};
    o.geburtstage = true;
    const std::string ics = KalenderAlsIcs(kal, o);
    // CR LF everywhere, no line longer than 75 octets.
    std::size_t anfang = 0;
    for (std::size_t p; (p = ics.find('\n', anfang)) != std::string::npos; anfang = p + 1) {
        ASSERT_GT(p, anfang);
        EXPECT_EQ(ics[p - 1], '\r');
        EXPECT_LE(p - 1 - anfang, 75u) << ics.substr(anfang, p - anfang);
    }
    EXPECT_EQ(anfang, ics.size());
    EXPECT_EQ(ics.rfind("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n", 0), 0u);
    EXPECT_NE(ics.find("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"), std::string::npos);
    EXPECT_NE(ics.find("DTSTAMP:20260415T080000Z\r\n"), std::string::npos);  // 10:00 CEST
    EXPECT_NE(ics.find("TRIGGER:-PT2H\r\n"), std::string::npos);
    EXPECT_NE(ics.find("DTSTART;TZID=Europe/Berlin:20040325"), std::string::npos);
    EXPECT_EQ(ics.find("DTSTART;TZID=Europe/Berlin:2026"), std::string::npos);  // outside
    EXPECT_NE(ics.find("DTSTART;VALUE=DATE:19720229\r\nDTEND;VALUE=DATE:19720301\r\n"
                       "RRULE:FREQ=YEARLY\r\nSUMMARY:Geburtstag: Anna Meyer\r\n"),
              std::string::npos);
    EXPECT_EQ(ics.find("Datum Ohne"), std::string::npos);
    EXPECT_TRUE(ics.ends_with("END:VEVENT\r\nEND:VCALENDAR\r\n"));
}

TEST(Icalendar, UidsSindStabilUndEindeutig) {
    TKalender kal = Vielfalt();
    const auto uids = [](const std::string& ics) {
        std::vector<std::string> v;
        for (std::size_t p = 0; (p = ics.find("\r\nUID:", p)) != std::string::npos; ++p)
            v.push_back(ics.substr(p + 6, ics.find("\r\n", p + 6) - p - 6));
        return v;
    };
    IcsExportoptionen o = Gesamt();
    const auto erste = uids(KalenderAlsIcs(kal, o));
    o.jetzt.stunde = 23;
    EXPECT_EQ(uids(KalenderAlsIcs(kal, o)), erste);
    EXPECT_EQ(std::set<std::string>(erste.begin(), erste.end()).size(), erste.size());
    // A changed appointment gets a new UID, the others keep theirs.
    kal.Terminliste(2004, 3, 25)[2].Ort = "anderswo";
    const auto danach = uids(KalenderAlsIcs(kal, o));
    ASSERT_EQ(danach.size(), erste.size());
    int anders = 0;
    for (std::size_t i = 0; i < erste.size(); ++i) anders += erste[i] != danach[i];
    EXPECT_EQ(anders, 1);
}

}  // namespace
}  // namespace kalvora
