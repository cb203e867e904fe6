#include "methoden/Systemfehler.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

#include "methoden/Fehler.h"
#include "methoden/Uhrzeit.h"

namespace kalvora {
namespace {

// No English text of the C library or of an exception reaches the user.
TEST(Systemfehler, DeutscheTexte) {
    EXPECT_EQ(Systemfehlertext(ENOENT), "Die Datei oder der Ordner existiert nicht");
    EXPECT_EQ(Systemfehlertext(ENOSPC),
              "Auf dem Datenträger ist nicht genügend Speicherplatz frei");
    EXPECT_EQ(Systemfehlertext(EACCES), "Zugriff verweigert");
    EXPECT_EQ(Systemfehlertext(99999), "Systemfehler Nr. 99999");

    EXPECT_EQ(Fehlertext(std::bad_alloc()), "Nicht genügend Arbeitsspeicher.");
    EXPECT_EQ(Fehlertext(KalvoraFehler("ungültiger Farbwert", 3)),
              "Zeile 3: ungültiger Farbwert");
    const std::filesystem::filesystem_error fs("cannot make absolute path", "/x/plan.kvr",
                                               std::make_error_code(std::errc::permission_denied));
    EXPECT_EQ(Fehlertext(fs), "\"/x/plan.kvr\": Zugriff verweigert.");
    EXPECT_EQ(Fehlertext(std::system_error(std::make_error_code(std::errc::no_space_on_device))),
              Systemfehlertext(ENOSPC) + ".");
    EXPECT_EQ(Fehlertext(std::runtime_error("something broke")),
              "Unerwarteter Fehler im Programm.");
}

TEST(Uhrzeit, HandgeschriebeneFormen) {
    const std::pair<const char*, const char*> faelle[] = {
        {"09:30", "09:30"}, {"9:30", "09:30"}, {"0:00", "00:00"}, {"23:59", "23:59"},
        {"24:00", nullptr}, {"9:60", nullptr}, {"12:3", nullptr}, {"9.30", nullptr},
        {"", nullptr},      {"930", nullptr},  {" 9:30", nullptr}, {"a:30", nullptr},
    };
    for (const auto& [text, erwartet] : faelle) {
        const auto u = UhrzeitNormalisiert(text);
        if (erwartet)
            EXPECT_EQ(u, std::optional<std::string>(erwartet)) << text;
        else
            EXPECT_FALSE(u) << text;
    }
}

}  // namespace
}  // namespace kalvora
