// Every reader against files of its form: tests/daten/<form>/NAME.kvr (with its ".TxT"
// companion for the binary form) reads and is written as the "Ver 3.3" file NAME.ver33 beside
// it, byte for byte. The current form itself is tests/daten/beispiel_ver33.kvr, written back
// unchanged.
#include <gtest/gtest.h>

#include <filesystem>

#include "doubles/Testdateien.h"
#include "kalender/Kalenderdatei.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

std::string AlsVer33(const fs::path& ein) {
    TKalender kal;
    KalenderdateiLesen(kal, ein.string());
    TFarbwerte legende = kal.Standardfarben;
    kal.FarbtabelleAbgleichen(legende);
    return KalenderAlsVer33(kal);
}

TEST(GoldeneDateien, JedeFormErgibtIhreVer33Datei) {
    const std::string ver33 = KALVORA_TESTDATEN "/beispiel_ver33.kvr";
    EXPECT_EQ(AlsVer33(ver33), testdateien::Inhalt(ver33));
    int paare = 0;
    for (const auto& ordner : fs::directory_iterator(KALVORA_TESTDATEN)) {
        if (!ordner.is_directory()) continue;
        for (const auto& eintrag : fs::directory_iterator(ordner.path())) {
            const fs::path ein = eintrag.path();
            if (ein.extension() != ".kvr") continue;
            fs::path erwartet = ein;
            erwartet.replace_extension(".ver33");
            if (!fs::exists(erwartet)) continue;
            SCOPED_TRACE(ein.string());
            EXPECT_EQ(AlsVer33(ein), testdateien::Inhalt(erwartet.string()));
            ++paare;
        }
    }
    EXPECT_GE(paare, 3);  // Ver 3.2, binary and CSV
}

}  // namespace
}  // namespace kalvora
