// The group file read and written (the '#' of the last field, short and empty lines, an
// empty file, a foreign header), saving through the writer, and sorting by a column.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "adressbuch/Adressbuch.h"
#include "doubles/Testdateien.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

TAdresse Eintrag(std::initializer_list<std::pair<int, const char*>> felder) {
    TAdresse a;
    for (const auto& [f, text] : felder) a[static_cast<std::size_t>(f)] = text;
    return a;
}

TEST(Adressbuch, DateiLesenUndSchreiben) {
    using namespace adressfeld;
    const std::string bytes = testdateien::Datei({
        "Kalvora-Adressbuch Ver 1.0",
        "Herr#Müller#Hans#Hauptstr. 1##12345#Köln#D#0221#0221 2#0170#h@x.de; m@y.de#"
        "http://a.de?x=1&y=2#fax#icq#Dr.#Notiz # mit # Rauten",
        "Frau#Kurz",
        "",
    });
    const Gruppeninhalt g = GruppendateiLesen(bytes);
    EXPECT_FALSE(g.fremd);
    ASSERT_EQ(g.eintraege.size(), 3u);
    EXPECT_EQ(g.eintraege[0][Name], "Müller");
    EXPECT_EQ(g.eintraege[0][Ort], "Köln");
    EXPECT_EQ(g.eintraege[0][Email], "h@x.de; m@y.de");
    EXPECT_EQ(g.eintraege[0][Sonstiges], "Notiz # mit # Rauten");  // the last field keeps '#'
    EXPECT_EQ(g.eintraege[1][Anrede], "Frau");
    EXPECT_EQ(g.eintraege[1][Name], "Kurz");
    EXPECT_EQ(g.eintraege[1][Vorname], "");
    EXPECT_EQ(g.eintraege[2], TAdresse{});  // an empty line is an empty entry
    // Written back, each entry has all 17 fields; the '#' of the last field survives.
    const std::string neu = GruppendateiText(g.eintraege);
    EXPECT_EQ(GruppendateiLesen(neu).eintraege, g.eintraege);
    EXPECT_EQ(neu.substr(neu.find("\r\n") + 2, 25), std::string("Herr#M\xFCller#Hans#Hauptstr"));
    EXPECT_NE(neu.find("\r\nFrau#Kurz###############\r\n"), std::string::npos);

    EXPECT_TRUE(GruppendateiLesen("").eintraege.empty());
    EXPECT_FALSE(GruppendateiLesen("").fremd);
    EXPECT_TRUE(GruppendateiLesen("Kalvora-Adressbuch Ver 1.1\r\nHerr#X\r\n").fremd);
    EXPECT_TRUE(GruppendateiLesen("Kalvora-Adressbuch Ver 1.1\r\nHerr#X\r\n").eintraege.empty());
    EXPECT_EQ(GruppendateiLesen("Kalvora-Adressbuch Ver 1.0\nHerr#X\n").eintraege.size(), 1u);
    EXPECT_EQ(GruppendateiText({}), "Kalvora-Adressbuch Ver 1.0\r\n");
}

TEST(Adressbuch, FremdeZeichenUndRautenBleibenInDerZeile) {
    TAdresse a;
    a[adressfeld::Name] = "A#B";
    a[adressfeld::Ort] = "Zeile\nzwei";
    a[adressfeld::Sonstiges] = "Ω €";  // Omega is not in the code page
    const std::string text = GruppendateiText({a});
    const Gruppeninhalt g = GruppendateiLesen(text);
    ASSERT_EQ(g.eintraege.size(), 1u);
    EXPECT_EQ(g.eintraege[0][adressfeld::Name], "A B");
    EXPECT_EQ(g.eintraege[0][adressfeld::Ort], "Zeile zwei");
    EXPECT_EQ(g.eintraege[0][adressfeld::Sonstiges], "? €");
}

TEST(Adressbuch, LesenSpeichernUndFremdeDatei) {
    char muster[] = "/tmp/kalvora-adr-XXXXXX";
    const fs::path ordner = mkdtemp(muster);
    const std::string pfad = (ordner / "Freunde.kvradr").string();
    std::ofstream(pfad, std::ios::binary) << "Kalvora-Adressbuch Ver 2.0\r\nHerr#X#Y\r\n";
    TAdressbuch b;
    b.Lesen(pfad);
    EXPECT_TRUE(b.Eintraege.empty());
    EXPECT_TRUE(b.fremd);
    // A foreign file is only read: saving it is refused and its entries stay.
    int geschrieben = 0;
    const Dateischreiber schreiber = [&](const std::string& p, std::string_view inhalt) {
        ++geschrieben;
        std::ofstream(p, std::ios::binary) << inhalt;
    };
    EXPECT_TRUE(b.NurLesbar());
    b.Eintraege.push_back(Eintrag({{adressfeld::Name, "Kopie"}}));
    b.geaendert = true;
    try {
        b.SpeichernWennGeaendert(schreiber);
        ADD_FAILURE() << "foreign group saved";
    } catch (const KalvoraFehler& f) {
        EXPECT_NE(std::string(f.what()).find("Kalvora-Adressbuch Ver 1.0"), std::string::npos);
        EXPECT_NE(std::string(f.what()).find(pfad), std::string::npos);
    }
    EXPECT_EQ(testdateien::Inhalt(pfad), "Kalvora-Adressbuch Ver 2.0\r\nHerr#X#Y\r\n");
    EXPECT_TRUE(b.geaendert);
    EXPECT_EQ(geschrieben, 0);
    // Our own empty file (zero bytes) is an ordinary group: it is written.
    std::ofstream(pfad, std::ios::binary) << "";
    b.Lesen(pfad);
    EXPECT_FALSE(b.NurLesbar());
    b.geaendert = true;
    b.SpeichernWennGeaendert(schreiber);
    EXPECT_EQ(testdateien::Inhalt(pfad), "Kalvora-Adressbuch Ver 1.0\r\n");
    EXPECT_FALSE(b.geaendert);
    b.SpeichernWennGeaendert(schreiber);
    EXPECT_EQ(geschrieben, 1);
    // A failed save keeps the flag, so the next occasion tries again.
    b.Eintraege.push_back(Eintrag({{adressfeld::Name, "Neu"}}));
    b.geaendert = true;
    EXPECT_THROW(b.Speichern([](const std::string&, std::string_view) {
        throw KalvoraFehler("voll");
    }),
                 KalvoraFehler);
    EXPECT_TRUE(b.geaendert);
    // The whole book appends the groups; an unreadable file adds nothing.
    b.Speichern(schreiber);
    b.Anhaengen(pfad);
    b.Anhaengen((ordner / "fehlt.kvradr").string());
    EXPECT_EQ(b.Eintraege.size(), 2u);
    fs::remove_all(ordner);
}

// A group file that is there but cannot be read (here a pipe) is not ours either; a file
// that is missing may be created. Reading stays silent in both cases.
TEST(Adressbuch, UnlesbareGruppeWirdNichtUeberschrieben) {
    char muster[] = "/tmp/kalvora-adr-XXXXXX";
    const fs::path ordner = mkdtemp(muster);
    const std::string rohr = (ordner / "Rohr.kvradr").string();
    ASSERT_EQ(mkfifo(rohr.c_str(), 0600), 0);
    TAdressbuch b;
    b.Lesen(rohr);
    EXPECT_TRUE(b.Eintraege.empty());
    EXPECT_TRUE(b.NurLesbar());
    EXPECT_NE(b.NurLesbarGrund().find("nicht gelesen werden"), std::string::npos);
    bool geschrieben = false;
    b.geaendert = true;
    EXPECT_THROW(b.Speichern([&](const std::string&, std::string_view) { geschrieben = true; }),
                 KalvoraFehler);
    EXPECT_FALSE(geschrieben);

    const std::string neu = (ordner / "Neu.kvradr").string();
    b.Lesen(neu);
    EXPECT_FALSE(b.NurLesbar());
    b.geaendert = true;
    b.Speichern([&](const std::string&, std::string_view) { geschrieben = true; });
    EXPECT_TRUE(geschrieben);
    // The whole book is only read as soon as one of its files is.
    b.Lesen(neu);
    b.Anhaengen(rohr);
    b.Anhaengen(neu);
    EXPECT_TRUE(b.NurLesbar());
    fs::remove_all(ordner);
}

TEST(Adressbuch, SortierenNachSpalten) {
    using namespace adressfeld;
    TAdressbuch b;
    b.Eintraege = {
        Eintrag({{Anrede, "Herr"}, {Name, "Meyer"}, {Vorname, "Zoe"}, {PLZ, "9000"}}),
        Eintrag({{Anrede, "Frau"}, {Name, "Meyer"}, {Vorname, "Anna"}, {PLZ, "10115"}}),
        Eintrag({{Anrede, "Firma"}, {Name, "Abel"}}),
        Eintrag({{Anrede, "Herr"}, {Name, "Meyers"}, {PLZ, "01067"}}),
    };
    const auto namen = [&] {
        std::string s;
        for (const TAdresse& a : b.Eintraege) s += a[Name] + "/" + a[Vorname] + " ";
        return s;
    };
    b.Sortieren(Name);
    EXPECT_EQ(namen(), "Abel/ Meyer/Anna Meyer/Zoe Meyers/ ");
    // Byte order: "10115" before "9000", an entry without postcode first.
    b.Sortieren(PLZ);
    EXPECT_EQ(namen(), "Abel/ Meyers/ Meyer/Anna Meyer/Zoe ");
    b.Sortieren(Anrede);
    EXPECT_EQ(b.Eintraege.front()[Anrede], "Firma");
    EXPECT_EQ(Sortierschluessel(Eintrag({{Name, "X"}, {Anrede, "Herr"}}), Name),
              "X# # # # # # # # # # # # # # # #Herr");
}

}  // namespace
}  // namespace kalvora
