// What a user waits for: whole, fresh processes. Writes the large calendar once, then starts
// each command N times (default 7) and reports the wall time (min and median) and the peak
// resident memory of the process (median). The calendar file is in the page cache after the
// first run; every process and its document start cold.
//
// Every figure is also given as a ratio to its yardstick measured in the same run, since only
// those compare across machines and loads: the read of the large calendar against libical
// parsing the same appointments as .ics (this program again, in a fresh process), the start
// with the file against the start without one, the XML export against the read, the peak of
// the iCalendar import against the size of its file.
//
//   bench_prozesse [--laeufe N]      (other arguments are ignored)
//   bench_prozesse --libical DATEI   (the yardstick: parses DATEI with libical, frees it)
#include <libical/ical.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Lauf {
    double ms;
    long kb;
};

// The medians of one case.
struct Ergebnis {
    double ms;   // median wall time
    double mib;  // median peak resident memory
};

// Runs the program with its output discarded; exits on failure, a figure of a failed run
// would mean nothing.
Lauf Starten(const std::vector<std::string>& argumente, const std::string& heim) {
    std::fflush(stdout);  // or the child would print it again
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        std::exit(1);
    }
    if (pid == 0) {
        setenv("HOME", heim.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (heim + "/.config").c_str(), 1);
        setenv("XDG_DATA_HOME", (heim + "/.local/share").c_str(), 1);
        setenv("XDG_RUNTIME_DIR", heim.c_str(), 1);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        setenv("KALVORA_BEENDEN_NACH_ERSTEM_ZEICHNEN", "1", 1);
        if (FILE* f = std::freopen("/dev/null", "w", stdout)) (void)f;
        if (FILE* f = std::freopen("/dev/null", "w", stderr)) (void)f;
        std::vector<char*> argv;
        for (const auto& a : argumente) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage nutzung{};
    wait4(pid, &status, 0, &nutzung);
    const auto ende = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s endete mit Status %d\n", argumente[0].c_str(), status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(ende - start).count(),
            nutzung.ru_maxrss};
}

// Each case gets its own home: a start without a file must not reopen the last one.
Ergebnis Messen(const char* was, const std::vector<std::string>& argumente, int laeufe,
                const std::string& basis) {
    static int fall = 0;
    const std::string heim = basis + "/" + std::to_string(++fall);
    std::filesystem::create_directories(heim);
    std::vector<Lauf> l;
    Starten(argumente, heim);  // the file into the page cache, the libraries too
    for (int i = 0; i < laeufe; ++i) l.push_back(Starten(argumente, heim));
    std::vector<double> ms;
    std::vector<long> kb;
    for (const Lauf& x : l) {
        ms.push_back(x.ms);
        kb.push_back(x.kb);
    }
    std::sort(ms.begin(), ms.end());
    std::sort(kb.begin(), kb.end());
    const Ergebnis e{ms[ms.size() / 2], static_cast<double>(kb[kb.size() / 2]) / 1024.0};
    std::printf("%-58s %8.1f %8.1f %8.1f\n", was, ms.front(), e.ms, e.mib);
    return e;
}

// libical's parse of a whole file into its tree, and the tree freed: the yardstick of the
// read. Returns the number of events, so the parse cannot be left out.
int LibicalParsen(const char* pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(ein)), {});
    icalcomponent* c = icalparser_parse_string(text.c_str());
    if (!c) return 1;
    const int n = icalcomponent_count_components(c, ICAL_VEVENT_COMPONENT);
    icalcomponent_free(c);
    return n > 0 ? 0 : 1;
}

// The large calendar with every text different: each info text, description and place gets
// a number of its own, so that nothing repeats for the reader to share.
void EinzigeTexteSchreiben(const std::string& von, const std::string& nach) {
    std::ifstream ein(von, std::ios::binary);
    std::ofstream aus(nach, std::ios::binary);
    std::string zeile;
    bool termine = false;
    unsigned long nummer = 0;
    char zahl[24];
    while (std::getline(ein, zeile)) {
        if (zeile == "[Termine]\r") {
            termine = true;
        } else if (termine && zeile == "\r") {
            termine = false;  // the birthdays follow
        } else if (termine) {
            const std::size_t leer = zeile.find(' ');
            const bool termin = leer != std::string::npos && zeile.find(':') < leer;
            std::snprintf(zahl, sizeof zahl, " %lu", ++nummer);
            if (termin) {
                const std::size_t raute = zeile.find('#', leer);
                const std::size_t raute2 = zeile.find('#', raute + 1);
                if (raute != std::string::npos && raute2 != std::string::npos) {
                    zeile.insert(raute2, zahl);
                    zeile.insert(raute, zahl);
                }
            } else if (leer != std::string::npos) {
                zeile.insert(zeile.size() - 1, zahl);  // before the CR
            }
        }
        aus << zeile << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--libical") == 0) return LibicalParsen(argv[2]);
    int laeufe = 7;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--laeufe") == 0) laeufe = std::max(1, std::atoi(argv[i + 1]));

    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / ("kalvora-prozesse-" +
                                                        std::to_string(getpid()));
    fs::create_directories(ordner / "heim");
    const std::string gross = (ordner / "gross.kvr").string();
    const std::string aus = (ordner / "aus.kvr").string();
    const std::string heim = (ordner / "heim").string();
    Starten({KALVORA_CLI, "erzeugen", gross}, heim);

    std::printf("%d fresh processes each (after one to fill the page cache); the large "
                "calendar: %.1f MB\n",
                laeufe, static_cast<double>(fs::file_size(gross)) / 1e6);
    std::printf("%-58s %8s %8s %8s\n", "what", "min ms", "med ms", "RSS MiB");
    const Ergebnis pruefen = Messen("kalvora-cli pruefen gross.kvr (read + count)",
                                    {KALVORA_CLI, "pruefen", gross}, laeufe, heim);
    const std::string einzig = (ordner / "einzig.kvr").string();
    EinzigeTexteSchreiben(gross, einzig);
    const Ergebnis pruefenEinzig =
        Messen("kalvora-cli pruefen einzig.kvr (every text different)",
               {KALVORA_CLI, "pruefen", einzig}, laeufe, heim);
    std::printf("  (einzig.kvr: %.1f MB)\n", static_cast<double>(fs::file_size(einzig)) / 1e6);
    const std::string xml = (ordner / "alles.xml").string();
    const Ergebnis xmlExport =
        Messen("kalvora-cli xml-export gross.kvr 1901-2099 (load + export)",
               {KALVORA_CLI, "xml-export", gross, "01.01.1901", "31.12.2099", xml, "--ohne-xsl",
                "--ohne-dtd"},
               laeufe, heim);
    std::printf("  (alles.xml: %.1f MB)\n", static_cast<double>(fs::file_size(xml)) / 1e6);
    Messen("kalvora-cli konvertieren gross.kvr aus.kvr (load + save)",
           {KALVORA_CLI, "konvertieren", gross, aus}, laeufe, heim);
    Messen("kalvora-cli statistik gross.kvr 2009 dauer (read + chart)",
           {KALVORA_CLI, "statistik", gross, "2009", "dauer"}, laeufe, heim);
    // iCalendar: one year (2005, 1,095 appointments) and the whole range out and back in.
    const std::string leer = (ordner / "leer.kvr").string();
    std::ofstream(leer, std::ios::binary)
        << "Ver 3.3\r\n[Farbnamen]\r\n[Terminkategorie]\r\n[Linkliste]\r\n[Tagesfarben]\r\n"
           "[Termine]\r\n\r\n";
    const std::string jahr = (ordner / "jahr.ics").string();
    const std::string alles = (ordner / "alles.ics").string();
    Messen("kalvora-cli ics-export gross.kvr, year 2005 (load + export)",
           {KALVORA_CLI, "ics-export", gross, "01.01.2005", "31.12.2005", jahr}, laeufe, heim);
    Messen("kalvora-cli ics-import leer.kvr jahr.ics aus.kvr",
           {KALVORA_CLI, "ics-import", leer, jahr, aus}, laeufe, heim);
    Messen("kalvora-cli ics-export gross.kvr, 1901-2099 (218,052)",
           {KALVORA_CLI, "ics-export", gross, "01.01.1901", "31.12.2099", alles}, laeufe, heim);
    const Ergebnis icsImport = Messen("kalvora-cli ics-import leer.kvr alles.ics aus.kvr",
                                      {KALVORA_CLI, "ics-import", leer, alles, aus}, laeufe,
                                      heim);
    const double icsMb = static_cast<double>(fs::file_size(alles)) / 1e6;
    std::printf("  (alles.ics: %.1f MB)\n", icsMb);
    const std::string selbst = fs::canonical("/proc/self/exe").string();
    const Ergebnis libical = Messen("libical parses alles.ics (the same appointments), frees",
                                    {selbst, "--libical", alles}, laeufe, heim);
    // Hostile files end at once: an event every second (cut after 100,000 occurrences) and a
    // zone changing its offset every second (not used).
    const std::string sekuendlich = (ordner / "sekuendlich.ics").string();
    std::ofstream(sekuendlich, std::ios::binary)
        << "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20260101T100000Z\r\n"
           "RRULE:FREQ=SECONDLY\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    Messen("kalvora-cli ics-import, an event with FREQ=SECONDLY",
           {KALVORA_CLI, "ics-import", leer, sekuendlich, aus}, laeufe, heim);
    const std::string zone = (ordner / "zone.ics").string();
    std::ofstream(zone, std::ios::binary)
        << "BEGIN:VCALENDAR\r\nBEGIN:VTIMEZONE\r\nTZID:S\r\nBEGIN:STANDARD\r\n"
           "DTSTART:19700101T000000\r\nRRULE:FREQ=SECONDLY\r\nTZOFFSETFROM:+0100\r\n"
           "TZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\nBEGIN:VEVENT\r\n"
           "DTSTART;TZID=S:20260101T100000\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    Messen("kalvora-cli ics-import, a zone with FREQ=SECONDLY",
           {KALVORA_CLI, "ics-import", leer, zone, aus}, laeufe, heim);
#ifdef KALVORA_PROGRAMM
    const Ergebnis start = Messen("kalvora gross.kvr until the first painted year",
                                  {KALVORA_PROGRAMM, gross}, laeufe, heim);
    const Ergebnis leerstart = Messen("kalvora without a file until the first painted year",
                                      {KALVORA_PROGRAMM}, laeufe, heim);
#endif
    // Both hold the same 218,052 appointments, so the times compare per appointment.
    std::printf("\nratios in this run (medians)\n");
    std::printf("%-58s %7.1fx\n", "pruefen gross.kvr against libical's parse (libical / ours)",
                libical.ms / pruefen.ms);
    std::printf("%-58s %7.2fx, %.1f / %.1f MiB\n", "pruefen einzig.kvr against gross.kvr",
                pruefenEinzig.ms / pruefen.ms, pruefenEinzig.mib, pruefen.mib);
    std::printf("%-58s %7.2fx, %.1f MiB\n", "xml-export 1901-2099 against pruefen gross.kvr",
                xmlExport.ms / pruefen.ms, xmlExport.mib);
    std::printf("%-58s %7.2fx\n", "peak of ics-import against the size of alles.ics",
                icsImport.mib * 1.048576 / icsMb);
#ifdef KALVORA_PROGRAMM
    std::printf("%-58s %7.2fx, %.1f MiB\n", "kalvora gross.kvr against kalvora without a file",
                start.ms / leerstart.ms, start.mib);
#endif
    std::error_code egal;
    fs::remove_all(ordner, egal);
    return 0;
}
