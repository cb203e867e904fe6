// End-to-end test of "kalvora-cli pdf-jahr": without a display, against a settings folder of
// its own; the PDF is read back with poppler's tools.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "doubles/Befehlsausgabe.h"

namespace {

namespace fs = std::filesystem;

struct Ergebnis {
    int code = -1;
    std::string ausgabe;  // stdout
    std::string fehler;   // stderr
};

std::string Lesen(const std::string& befehl) {
    return kalvora::test::Befehlsausgabe(befehl);
}

class PdfBefehl : public ::testing::Test {
protected:
    void SetUp() override {
        std::string muster = (fs::temp_directory_path() / "kalvora-pdf-XXXXXX").string();
        ASSERT_NE(mkdtemp(muster.data()), nullptr);
        ordner_ = muster;
        fs::create_directories(ordner_ / "aus");
    }
    void TearDown() override { fs::remove_all(ordner_); }

    // args already quoted for the shell.
    Ergebnis Ausfuehren(const std::string& args, const char* befehlsname = "pdf-jahr") const {
        const fs::path fehlerdatei = ordner_ / "stderr.txt";
        const std::string befehl = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
                                   "-u XDG_RUNTIME_DIR HOME='" +
                                   ordner_.string() + "' XDG_CONFIG_HOME='" +
                                   (ordner_ / "konfig").string() + "' '" + KALVORA_CLI +
                                   "' " + befehlsname + " " + args + " 2>'" +
                                   fehlerdatei.string() + "'";
        Ergebnis e;
        FILE* rohr = popen(befehl.c_str(), "r");
        if (!rohr) return e;
        char puffer[4096];
        for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;)
            e.ausgabe.append(puffer, n);
        const int status = pclose(rohr);
        e.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        e.fehler = Lesen("cat '" + fehlerdatei.string() + "'");
        return e;
    }
    std::string Aus(const char* name) const { return (ordner_ / "aus" / name).string(); }
    bool AusgabeordnerLeer() const { return fs::is_empty(ordner_ / "aus"); }

    fs::path ordner_;
    const std::string kalender_ = std::string("'") + KALVORA_TESTDATEN + "/beispiel_ver33.kvr'";
};

TEST_F(PdfBefehl, JahrMitUeberschriftUndKopien) {
    if (Lesen("command -v pdftotext pdfinfo").empty()) GTEST_SKIP() << "poppler-utils fehlt";
    const std::string pdf = Aus("jahr.pdf");
    const Ergebnis e = Ausfuehren(kalender_ + " 2004 '" + pdf +
                                  "' --kopien 2 --ueberschrift 'Mein Jahr'");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "Seiten: 2\n");
    const std::string info = Lesen("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("842 x 595 pts (A4)"), std::string::npos) << info;  // landscape
    const std::string text = Lesen("pdftotext '" + pdf + "' -");
    EXPECT_NE(text.find("Mein Jahr"), std::string::npos);
    EXPECT_NE(text.find("Erstellt mit Kalvora"), std::string::npos);
    // Nothing but the PDF is left in the folder.
    int dateien = 0;
    for ([[maybe_unused]] const auto& d : fs::directory_iterator(ordner_ / "aus")) ++dateien;
    EXPECT_EQ(dateien, 1);
}

TEST_F(PdfBefehl, StandardueberschriftMitJahr) {
    if (Lesen("command -v pdftotext").empty()) GTEST_SKIP() << "poppler-utils fehlt";
    const std::string pdf = Aus("jahr.pdf");
    const Ergebnis e = Ausfuehren(kalender_ + " 2099 '" + pdf + "'");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "Seiten: 1\n");
    EXPECT_NE(Lesen("pdfinfo '" + pdf + "'").find("Kalvora  -  2099"), std::string::npos);
}

TEST_F(PdfBefehl, FehlerHinterlassenKeineDatei) {
    struct Fall {
        const char* name;
        std::string argumente;
        int code;
        const char* meldung;
    };
    const std::string pdf = "'" + Aus("jahr.pdf") + "'";
    const Fall faelle[] = {
        {"Datei fehlt", "'" + (ordner_ / "fehlt.kvr").string() + "' 2004 " + pdf, 1, ""},
        {"Jahr zu früh", kalender_ + " 1900 " + pdf, 2, "zwischen 1901 und 2099"},
        {"Jahr zu spät", kalender_ + " 2100 " + pdf, 2, "zwischen 1901 und 2099"},
        {"Jahr keine Zahl", kalender_ + " 20x4 " + pdf, 2, "Aufruf:"},
        {"keine Kopie", kalender_ + " 2004 " + pdf + " --kopien 0", 2, "Kopien"},
        {"Option ohne Wert", kalender_ + " 2004 " + pdf + " --kopien", 2, "Aufruf:"},
        {"unbekannte Option", kalender_ + " 2004 " + pdf + " --farbe rot", 2, "Aufruf:"},
        {"Zielordner fehlt",
         kalender_ + " 2004 '" + (ordner_ / "nicht" / "da.pdf").string() + "'", 1, ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Ergebnis e = Ausfuehren(f.argumente);
        EXPECT_EQ(e.code, f.code) << e.fehler;
        EXPECT_TRUE(e.ausgabe.empty());
        EXPECT_FALSE(e.fehler.empty());
        EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << e.fehler;
        EXPECT_TRUE(AusgabeordnerLeer());
    }
}

// The appointment list of a period: portrait pages, the period in every heading; bad dates
// and periods are refused without leaving a file.
TEST_F(PdfBefehl, Terminliste) {
    if (Lesen("command -v pdftotext pdfinfo").empty()) GTEST_SKIP() << "poppler-utils fehlt";
    const std::string pdf = Aus("liste.pdf");
    const Ergebnis e =
        Ausfuehren(kalender_ + " 01.03.2004 31.03.2004 '" + pdf + "' --kopien 2",
                   "pdf-terminliste");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "Seiten: 2\n");
    const std::string info = Lesen("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;  // portrait
    EXPECT_NE(info.find("Termine vom 01.03.2004 bis 31.03.2004"), std::string::npos) << info;
    const std::string text = Lesen("pdftotext '" + pdf + "' -");
    EXPECT_NE(text.find("Termine vom 01.03.2004 bis 31.03.2004"), std::string::npos);
    EXPECT_NE(text.find("Seite 1"), std::string::npos);
    fs::remove(pdf);

    const std::string ziel = " '" + pdf + "'";
    const std::pair<std::string, int> faelle[] = {
        {"'" + (ordner_ / "fehlt.kvr").string() + "' 01.01.2004 02.01.2004" + ziel, 1},
        {kalender_ + " 31.02.2004 01.03.2004" + ziel, 2},
        {kalender_ + " 01.03.2004 01.02.2004" + ziel, 2},
        {kalender_ + " 01.01.1900 01.02.2004" + ziel, 2},
        {kalender_ + " 01.01.2004 01.02.2004" + ziel + " --kopien x", 2},
        {kalender_ + " 01.01.2004 01.02.2004", 2},
    };
    for (const auto& [argumente, code] : faelle) {
        SCOPED_TRACE(argumente);
        const Ergebnis f = Ausfuehren(argumente, "pdf-terminliste");
        EXPECT_EQ(f.code, code) << f.fehler;
        EXPECT_FALSE(f.fehler.empty());
        EXPECT_TRUE(AusgabeordnerLeer());
    }
}

TEST_F(PdfBefehl, Geburtstagsliste) {
    if (Lesen("command -v pdftotext pdfinfo").empty()) GTEST_SKIP() << "poppler-utils fehlt";
    const std::string pdf = Aus("geburtstage.pdf");
    const Ergebnis e = Ausfuehren(kalender_ + " '" + pdf + "' --kopien 2", "pdf-geburtstage");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "Seiten: 2\n");
    const std::string info = Lesen("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("595 x 842 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Geburtstagsliste"), std::string::npos) << info;
    const std::string text = Lesen("pdftotext '" + pdf + "' -");
    for (const char* s : {"Geburtstagsliste", "Vorname", "Meyer", "Anna", "15.03.1970", "Seite 2"})
        EXPECT_NE(text.find(s), std::string::npos) << s;
    fs::remove(pdf);
    for (const std::string& argumente :
         {"'" + (ordner_ / "fehlt.kvr").string() + "' '" + pdf + "'", kalender_,
          kalender_ + " '" + pdf + "' --kopien 0"}) {
        const Ergebnis f = Ausfuehren(argumente, "pdf-geburtstage");
        EXPECT_NE(f.code, 0) << argumente;
        EXPECT_FALSE(f.fehler.empty()) << argumente;
        EXPECT_TRUE(AusgabeordnerLeer());
    }
}

TEST_F(PdfBefehl, Namenstagsliste) {
    if (Lesen("command -v pdftotext pdfinfo").empty()) GTEST_SKIP() << "poppler-utils fehlt";
    const std::string pdf = Aus("namenstage.pdf");
    Ergebnis e = Ausfuehren("2009 '" + pdf + "' --spalten 5 --ohne-von", "pdf-namenstage");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "Seiten: 3\n");
    const std::string info = Lesen("pdfinfo '" + pdf + "'");
    EXPECT_NE(info.find("842 x 595 pts (A4)"), std::string::npos) << info;  // landscape
    const std::string text = Lesen("pdftotext '" + pdf + "' -");
    for (const char* s : {"2009", "Januar", "Dezember", "Nikolaus"})
        EXPECT_NE(text.find(s), std::string::npos) << s;
    EXPECT_EQ(text.find("Paulinus von Nola"), std::string::npos);
    fs::remove(pdf);
    EXPECT_EQ(Ausfuehren("2009 '" + pdf + "'", "pdf-namenstage").ausgabe, "Seiten: 2\n");
    fs::remove(pdf);
    // Two copies print the sheet twice, in the job and in the file.
    e = Ausfuehren("2009 '" + pdf + "' --kopien 2", "pdf-namenstage");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.ausgabe, "Seiten: 4\n");
    const std::string seiten = Lesen("pdfinfo '" + pdf + "'");
    ASSERT_NE(seiten.find("Pages:"), std::string::npos) << seiten;
    EXPECT_EQ(std::stoi(seiten.substr(seiten.find("Pages:") + 6)), 4) << seiten;
    fs::remove(pdf);
    EXPECT_EQ(Ausfuehren("2009 '" + pdf + "' --kopien 0", "pdf-namenstage").code, 2);
    for (const std::string& argumente :
         {"1800 '" + pdf + "'", "2009 '" + pdf + "' --spalten 7",
          "2009 '" + pdf + "' --max-namen 0", "2009 '" + pdf + "' --spalten",
          "2009 '" + pdf + "' --breit", std::string("2009")}) {
        const Ergebnis f = Ausfuehren(argumente, "pdf-namenstage");
        EXPECT_EQ(f.code, 2) << argumente;
        EXPECT_FALSE(f.fehler.empty()) << argumente;
        EXPECT_TRUE(AusgabeordnerLeer()) << argumente;
    }
}

std::string Inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// A PDF replaces nothing the calendar's own saves would not: a protected file, a pipe or a
// device stays as it is, a link is written through, owner and permissions are kept; and no
// line of Qt's reaches stderr (XDG_RUNTIME_DIR is unset here).
TEST_F(PdfBefehl, ZielWieBeimSpeichernGeschuetzt) {
    const std::string ordner = (ordner_ / "aus").string();
    const std::string alt = "alter Inhalt\n";

    const std::string geschuetzt = ordner + "/geschuetzt.pdf";
    std::ofstream(geschuetzt) << alt;
    chmod(geschuetzt.c_str(), 0444);
    const std::string rohr = ordner + "/rohr.pdf";
    ASSERT_EQ(mkfifo(rohr.c_str(), 0644), 0);
    const std::string geraet = ordner + "/geraet.pdf";
    fs::create_symlink("/dev/null", geraet);
    for (const std::string& ziel : {geschuetzt, rohr, geraet}) {
        SCOPED_TRACE(ziel);
        const Ergebnis e = Ausfuehren(kalender_ + " 2004 '" + ziel + "'");
        EXPECT_EQ(e.code, 1) << e.fehler;
        EXPECT_NE(e.fehler.find("nicht überschrieben"), std::string::npos) << e.fehler;
        EXPECT_TRUE(e.ausgabe.empty());
    }
    struct stat st {};
    ASSERT_EQ(stat(geschuetzt.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(Inhalt(geschuetzt), alt);
    ASSERT_EQ(lstat(rohr.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_TRUE(fs::is_symlink(geraet));

    // A file of the user's with its own permissions keeps them; a link is written through.
    const std::string privat = ordner + "/privat.pdf";
    std::ofstream(privat) << alt;
    chmod(privat.c_str(), 0600);
    const std::string link = ordner + "/link.pdf";
    fs::create_symlink(privat, link);
    const Ergebnis e = Ausfuehren(kalender_ + " 2004 '" + link + "'");
    ASSERT_EQ(e.code, 0) << e.fehler;
    EXPECT_EQ(e.fehler, "");  // no "QStandardPaths: XDG_RUNTIME_DIR not set"
    EXPECT_TRUE(fs::is_symlink(link));
    ASSERT_EQ(stat(privat.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);
    EXPECT_EQ(Inhalt(privat).rfind("%PDF-", 0), 0u);

    for (const char* befehl : {"pdf-geburtstage", "pdf-namenstage"}) {
        const std::string ziel = "'" + ordner + "/ohne-meldung.pdf'";
        const Ergebnis f = Ausfuehren(std::string(befehl) == "pdf-namenstage"
                                          ? "2009 " + ziel
                                          : kalender_ + " " + ziel,
                                      befehl);
        EXPECT_EQ(f.code, 0) << befehl << f.fehler;
        EXPECT_EQ(f.fehler, "") << befehl;
    }
}

// A run killed at any moment leaves nothing named beside the target, or what it left is
// gone after the next run; so are the files earlier versions left ("AUS.pdf.kalvora-XXXXXX").
TEST_F(PdfBefehl, AbgebrocheneLaeufeHinterlassenNichts) {
    const fs::path aus = ordner_ / "aus";
    std::ofstream(aus / "jahr.pdf.kalvora-Ab3xYz") << "Rest";
    std::ofstream(aus / "anderes.pdf.kalvora-Ab3xYz") << "fremder Rest";
    std::ofstream(aus / "jahr.pdf.kalvora-kurz") << "kein Rest unseres Musters";
    const std::string pdf = Aus("jahr.pdf");
    const std::string befehl = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME='" +
                               ordner_.string() + "' '" + KALVORA_CLI + "' pdf-jahr " +
                               kalender_ + " 2004 '" + pdf + "'";
    for (int warten_ms : {5, 15, 30, 50, 80, 120}) {
        const pid_t kind = fork();
        ASSERT_GE(kind, 0);
        if (kind == 0) {
            execl("/bin/sh", "sh", "-c", ("exec " + befehl + " >/dev/null 2>&1").c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(warten_ms));
        kill(kind, SIGKILL);
        waitpid(kind, nullptr, 0);
        for (const auto& d : fs::directory_iterator(aus)) {
            const std::string name = d.path().filename().string();
            // Only the target, the files of the test, or a hidden temporary file of the
            // atomic writer that the next run removes.
            const bool erlaubt = name == "jahr.pdf" ||
                                 name.find(".kalvora-") != std::string::npos ||
                                 name.rfind(".jahr.pdf.kvtmp.", 0) == 0;
            EXPECT_TRUE(erlaubt) << name << " nach " << warten_ms << " ms";
        }
    }
    const Ergebnis e = Ausfuehren(kalender_ + " 2004 '" + pdf + "'");
    ASSERT_EQ(e.code, 0) << e.fehler;
    std::vector<std::string> namen;
    for (const auto& d : fs::directory_iterator(aus)) namen.push_back(d.path().filename());
    std::sort(namen.begin(), namen.end());
    const std::vector<std::string> erwartet{"anderes.pdf.kalvora-Ab3xYz", "jahr.pdf",
                                            "jahr.pdf.kalvora-kurz"};
    EXPECT_EQ(namen, erwartet);
}

}  // namespace

namespace {

// A page of pdftoppm's P6 output: width, height and RGB bytes.
struct Bild {
    int breite = 0, hoehe = 0;
    std::string rgb;
    bool Rot(int x, int y) const {
        const auto* p = reinterpret_cast<const unsigned char*>(&rgb[(y * breite + x) * 3]);
        return p[0] > 200 && p[1] < 80 && p[2] < 80;
    }
    bool Dunkel(int x, int y) const {
        const auto* p = reinterpret_cast<const unsigned char*>(&rgb[(y * breite + x) * 3]);
        return p[0] < 100 && p[1] < 100 && p[2] < 100;
    }
};

Bild PpmLesen(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::string art;
    int hoechst = 0;
    Bild b;
    ein >> art >> b.breite >> b.hoehe >> hoechst;
    ein.get();
    b.rgb.resize(static_cast<std::size_t>(b.breite) * b.hoehe * 3);
    ein.read(b.rgb.data(), static_cast<std::streamsize>(b.rgb.size()));
    if (art != "P6" || !ein) return {};
    return b;
}

}  // namespace

// "Farbe als Hintergrund": the whole line stands on its colour at the printer's resolution,
// not only the part a screen-sized measurement covers.
TEST_F(PdfBefehl, TerminlisteFarbeAlsHintergrundUeberDieGanzeZeile) {
    if (Lesen("command -v pdftoppm").empty()) GTEST_SKIP() << "poppler-utils fehlt";
    const fs::path kvr = ordner_ / "farbe.kvr";
    {
        std::ifstream ein(std::string(KALVORA_TESTDATEN) + "/beispiel_ver33.kvr",
                          std::ios::binary);
        std::string text{std::istreambuf_iterator<char>(ein), {}};
        const std::string termine = "[Termine]\r\n";
        const auto pos = text.find(termine);
        ASSERT_NE(pos, std::string::npos);
        const auto ende = text.find("\r\n\r\n", pos);
        ASSERT_NE(ende, std::string::npos);
        // One appointment in slot 2 (red), nothing else that day.
        text = text.substr(0, pos + termine.size()) +
               "94AE Tag\r\n10:00 Zahnarzt mit einer recht langen Beschreibung#Praxis "
               "Dr. Meier#45#b\r\n" + text.substr(ende + 2);
        std::ofstream(kvr, std::ios::binary) << text;
    }
    const std::string umgebung = "env -u DISPLAY HOME='" + ordner_.string() +
                                 "' XDG_CONFIG_HOME='" + (ordner_ / "konfig").string() + "' '" +
                                 KALVORA_CLI + "' ";
    ASSERT_EQ(std::system((umgebung + "einstellung 'Schriftfarbe ändern' false >/dev/null")
                              .c_str()),
              0);
    const std::string pdf = Aus("farbe.pdf");
    const Ergebnis e = Ausfuehren("'" + kvr.string() + "' 16.03.2004 16.03.2004 '" + pdf + "'",
                                  "pdf-terminliste");
    ASSERT_EQ(e.code, 0) << e.fehler;
    const std::string ppm = (ordner_ / "seite").string();
    ASSERT_EQ(std::system(("pdftoppm -r 100 -singlefile '" + pdf + "' '" + ppm + "'").c_str()),
              0);
    const Bild b = PpmLesen(ppm + ".ppm");
    ASSERT_GT(b.breite, 0);
    // The rows of the band; in them, the columns with ink (text on red or on white) and the
    // columns with red.
    int rotLinks = b.breite, rotRechts = -1, tinteRechts = -1;
    for (int y = 0; y < b.hoehe / 2; ++y) {
        bool band = false;
        for (int x = 0; x < b.breite && !band; ++x) band = b.Rot(x, y);
        if (!band) continue;
        for (int x = 0; x < b.breite; ++x) {
            if (b.Rot(x, y)) {
                rotLinks = std::min(rotLinks, x);
                rotRechts = std::max(rotRechts, x);
            }
            if (b.Dunkel(x, y)) tinteRechts = std::max(tinteRechts, x);
        }
    }
    ASSERT_GE(rotRechts, 0) << "kein farbiger Hintergrund";
    // The text ("... Praxis Dr. Meier") ends inside its band.
    EXPECT_GE(rotRechts + 3, tinteRechts) << rotLinks << ".." << rotRechts;
    EXPECT_GT(rotRechts - rotLinks, b.breite / 3);
}
