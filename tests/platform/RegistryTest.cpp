// Typed access to the settings store: what counts as which type, and that nothing of the
// wrong type gets through.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "doubles/SpeicherRegistry.h"
#include "methoden/Fehler.h"
#include "platform/Registry.h"

namespace kalvora {
namespace {

constexpr const char* kSchluessel = "Software\\Kalvora\\Test";

TEST(Registry, GleitkommaAlsAchtBytesLittleEndian) {
    // 1.0 is 0x3FF0000000000000.
    EXPECT_EQ(GleitkommaBytes(1.0), (Binaerwert{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    for (double d : {7.6333, -51.9667, 0.0, 1e-300, 123456789.125})
        EXPECT_EQ(GleitkommaAusBytes(GleitkommaBytes(d)), d);
    EXPECT_FALSE(GleitkommaAusBytes(Binaerwert(7)).has_value());
    EXPECT_FALSE(GleitkommaAusBytes(Binaerwert(9)).has_value());
}

TEST(Registry, SchreibenUndLesenJedesTyps) {
    SpeicherRegistry r;
    RegistrySchluessel k(r, kSchluessel);
    k.GanzzahlSchreiben("z", -17);
    k.WahrheitswertSchreiben("b", true);
    k.TextSchreiben("t", "Grüße");
    k.GleitkommaSchreiben("g", 51.9667);
    k.BinaerSchreiben("x", {1, 2, 3});
    EXPECT_EQ(k.GanzzahlLesen("z"), -17);
    EXPECT_TRUE(k.WahrheitswertLesen("b"));
    EXPECT_EQ(k.TextLesen("t"), "Grüße");
    EXPECT_EQ(k.GleitkommaLesen("g"), 51.9667);
    EXPECT_EQ(k.BinaerLesen("x"), (Binaerwert{1, 2, 3}));
    // Booleans are stored as the numbers 1 and 0.
    EXPECT_EQ(r.Lesen(kSchluessel, "b"), Registrywert(int32_t{1}));
    k.WahrheitswertSchreiben("b", false);
    EXPECT_EQ(r.Lesen(kSchluessel, "b"), Registrywert(int32_t{0}));

    EXPECT_EQ(k.Wertnamen(), (std::vector<std::string>{"b", "g", "t", "x", "z"}));
    k.Loeschen("t");
    EXPECT_FALSE(k.Existiert("t"));
    EXPECT_TRUE(k.Existiert("z"));
}

// A settings file keeps numbers as text; a text that is exactly a 32-bit number is one.
TEST(Registry, TextAlsGanzzahl) {
    struct Fall {
        std::string text;
        std::optional<int32_t> zahl;
    };
    const Fall faelle[] = {
        {"5", 5},          {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX},
        {"2147483648", {}}, {"", {}},                  {" 5", {}},
        {"5x", {}},        {"0x10", {}},               {"1.5", {}},
        {"+5", {}},        {"abc", {}},
    };
    SpeicherRegistry r;
    RegistrySchluessel k(r, kSchluessel);
    for (const auto& f : faelle) {
        k.TextSchreiben("w", f.text);
        if (f.zahl) {
            EXPECT_EQ(k.GanzzahlLesen("w"), *f.zahl) << f.text;
        } else {
            EXPECT_THROW(k.GanzzahlLesen("w"), KalvoraFehler) << f.text;
        }
        // A text stays a text, even when it looks like a number.
        EXPECT_EQ(k.TextLesen("w"), f.text);
    }
}

TEST(Registry, FalscherTypWirdErkanntUndBenannt) {
    SpeicherRegistry r;
    RegistrySchluessel k(r, kSchluessel);
    r.Schreiben(kSchluessel, "zahl", int32_t{3});
    r.Schreiben(kSchluessel, "bin4", Binaerwert{1, 2, 3, 4});
    r.Schreiben(kSchluessel, "fremd", Fremdwert{});
    r.Schreiben(kSchluessel, "nan", GleitkommaBytes(std::numeric_limits<double>::quiet_NaN()));
    r.Schreiben(kSchluessel, "inf", GleitkommaBytes(std::numeric_limits<double>::infinity()));

    EXPECT_THROW(k.TextLesen("zahl"), KalvoraFehler);
    EXPECT_THROW(k.GleitkommaLesen("zahl"), KalvoraFehler);
    EXPECT_THROW(k.BinaerLesen("zahl"), KalvoraFehler);
    EXPECT_THROW(k.GanzzahlLesen("bin4"), KalvoraFehler);
    EXPECT_THROW(k.WahrheitswertLesen("bin4"), KalvoraFehler);
    EXPECT_THROW(k.GleitkommaLesen("bin4"), KalvoraFehler);
    EXPECT_THROW(k.GleitkommaLesen("nan"), KalvoraFehler);
    EXPECT_THROW(k.GleitkommaLesen("inf"), KalvoraFehler);
    for (auto lesen : {+[](RegistrySchluessel& s) { s.GanzzahlLesen("fremd"); },
                       +[](RegistrySchluessel& s) { s.TextLesen("fremd"); },
                       +[](RegistrySchluessel& s) { s.BinaerLesen("fremd"); }})
        EXPECT_THROW(lesen(k), KalvoraFehler);

    try {
        k.TextLesen("zahl");
        FAIL();
    } catch (const KalvoraFehler& f) {
        EXPECT_STREQ(f.what(), "Der Wert \"zahl\" im Registrierungsschlüssel "
                               "\"Software\\Kalvora\\Test\" ist kein Text.");
    }
    EXPECT_THROW(k.GanzzahlLesen("gibtsnicht"), KalvoraFehler);
}

}  // namespace
}  // namespace kalvora
