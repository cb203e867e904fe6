#include "kalender/CsvDatei.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "kalender/Farbnamen.h"
#include "kalender/Speicherhindernisse.h"
#include "kalender/Zeilenleser.h"
#include "methoden/Fehler.h"
#include "methoden/Methoden.h"
#include "methoden/Uhrzeit.h"

namespace kalvora {

const char* const kCsvKopfzeile =
    "\"Datum\",\"Startzeit\",\"Dauer\",\"Terminbeschreibung\",\"Ortsangabe\",\"Farbwert\","
    "\"Farbname\",\"Alarm\"";
const char* const kCsvKopfzeileSemikolon =
    "\"Datum\";\"Startzeit\";\"Dauer\";\"Terminbeschreibung\";\"Ortsangabe\";\"Farbwert\";"
    "\"Farbname\";\"Alarm\"";
const char* const kMeldungCsvFormat = "die Datei hat kein korrektes Format!";

namespace {

constexpr std::size_t kSpalten = 8;
// A duration longer than this would end on a later day; no appointment can hold it.
constexpr int32_t kLaengsteDauer = 1439;

// ----------------------------------------------------------------------------------------
// Export

void FeldAnhaengen(std::string& aus, std::string_view text, int tag, int monat, int jahr) {
    const auto fehler = [&](const char* grund) {
        return KalvoraFehler("Eintrag am " + DatumText(tag, monat, jahr) + ": der Text \"" +
                             std::string(text) + "\" " + grund);
    };
    unsigned hoch = 0;
    bool umbruch = false;
    for (char c : text) {
        hoch |= static_cast<unsigned char>(c);
        umbruch |= c == '\r' || c == '\n';
    }
    if (umbruch)
        throw fehler("enthält einen Zeilenumbruch und kann so nicht exportiert werden.");
    if (hoch < 0x80) {
        aus.append(text);
    } else if (!Cp1252Anhaengen(aus, text)) {
        throw fehler("enthält Zeichen, die in Windows-1252 nicht darstellbar sind.");
    }
}

void ZweiZiffern(std::string& aus, int n) {
    aus.push_back(static_cast<char>('0' + n / 10));
    aus.push_back(static_cast<char>('0' + n % 10));
}

void HexByte(std::string& aus, uint32_t b) {
    static constexpr char kZiffern[] = "0123456789ABCDEF";
    aus.push_back(kZiffern[(b >> 4) & 15]);
    aus.push_back(kZiffern[b & 15]);
}

void ZeileAnhaengen(std::string& aus, const TKalender& kal, const TTermin& t, bool info,
                    int tag, int monat, int jahr) {
    char puffer[16];
    aus.push_back('"');
    ZweiZiffern(aus, tag);
    aus.push_back('.');
    ZweiZiffern(aus, monat);
    aus.push_back('.');
    ZweiZiffern(aus, jahr / 100);
    ZweiZiffern(aus, jahr % 100);
    aus.append("\",\"");
    if (!info) FeldAnhaengen(aus, t.Uhrzeit, tag, monat, jahr);
    aus.append("\",\"");
    if (!info) {
        auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, t.Dauer);
        aus.append(puffer, ende);
    }
    aus.append("\",\"");
    FeldAnhaengen(aus, t.Beschreibung, tag, monat, jahr);
    aus.append("\",\"");
    FeldAnhaengen(aus, t.Ort, tag, monat, jahr);
    aus.append("\",\"");
    if (t.Farbe != KeineFarbe) {
        HexByte(aus, t.Farbe);
        HexByte(aus, t.Farbe >> 8);
        HexByte(aus, t.Farbe >> 16);
    }
    aus.append("\",\"");
    FeldAnhaengen(aus, farbname(kal, t.Farbe), tag, monat, jahr);
    aus.append("\",\"");
    if (t.Alarm) aus.push_back('x');
    aus.append("\"\r\n");
}

// ----------------------------------------------------------------------------------------
// Import

// The field ends at the later of the first quote-semicolon-quote and quote-comma-quote.
std::string_view FeldAbtrennen(std::string_view& rest) {
    const std::size_t semikolon = rest.find("\";\"");
    const std::size_t komma = rest.find("\",\"");
    std::size_t pos;
    if (semikolon == std::string_view::npos)
        pos = komma;
    else if (komma == std::string_view::npos)
        pos = semikolon;
    else
        pos = std::max(semikolon, komma);
    if (pos == std::string_view::npos) {
        // No separator left: the field is empty and three characters go with it.
        rest = rest.size() > 3 ? rest.substr(3) : std::string_view();
        return {};
    }
    const std::string_view feld = rest.substr(0, pos);
    rest = rest.substr(pos + 3);
    return feld;
}

// A named colour for an imported colour: the slot that has it takes the name, else the first
// free slot takes colour and name. Never a second slot with the same value.
void FarbeBenennen(TKalender& kal, uint32_t farbe, const std::string& name) {
    if (farbe == KeineFarbe) return;
    int slot = kal.FarbSlot(farbe);
    if (slot == 0) {
        for (int k = 1; k <= AnzahlFarben && slot == 0; ++k)
            if (kal.Farbnamen[k] == FreiName) slot = k;
        if (slot == 0) return;
        kal.Farbwerte[slot] = farbe;
    }
    if (!name.empty()) kal.Farbnamen[slot] = name;
}

}  // namespace

std::string KalenderAlsCsv(const TKalender& kal, const std::function<void(int)>& fortschritt) {
    std::size_t eintraege = 0;
    for (int i = kal.NaechsterTermintag(0); i < TKalender::kSlots;
         i = kal.NaechsterTermintag(i + 1))
        eintraege += kal.TerminlisteAn(i).size();
    std::string aus;
    aus.reserve(256 + eintraege * 96);
    aus.append(kCsvKopfzeile);
    aus.append("\r\n\r\n");
    kal.TermintageDurchlaufen(
        [&](const TTerminliste& liste, int t, int m, int j) {
            if (!liste[0].Beschreibung.empty())
                ZeileAnhaengen(aus, kal, liste[0], true, t, m, j);
            for (std::size_t n = 1; n < liste.size(); ++n) {
                if (!TerminReparaturNoetig(liste[n])) {
                    ZeileAnhaengen(aus, kal, liste[n], false, t, m, j);
                    continue;
                }
                // A time or duration no clock can use (a hand-edited file): written as the
                // next save of the calendar will hold it, so that the import takes the line.
                TTermin repariert = liste[n];
                TerminReparieren(repariert);
                ZeileAnhaengen(aus, kal, repariert, false, t, m, j);
            }
        },
        fortschritt);
    if (fortschritt) fortschritt(100);
    return aus;
}

void CsvImportieren(TKalender& kal, std::string_view bytes,
                    const std::function<void(int)>& fortschritt) {
    Zeilenleser zeilen(bytes);
    Fortschrittsmelder melder(fortschritt, bytes.size());
    std::string_view z;
    zeilen.Naechste(z);  // the identification line
    if (!zeilen.Naechste(z) || (z != kCsvKopfzeile && z != kCsvKopfzeileSemikolon))
        throw KalvoraFehler(kMeldungCsvFormat);

    while (zeilen.Naechste(z)) {
        melder.Melden(zeilen.Position());
        if (z.empty()) continue;
        const auto fehler = [&](const std::string& meldung) {
            return KalvoraFehler(meldung, zeilen.Nummer());
        };
        std::string_view rest = z.substr(1);
        if (!rest.empty() && rest.back() == '"') rest.remove_suffix(1);
        std::string_view s[kSpalten];
        for (std::size_t i = 0; i + 1 < kSpalten; ++i) s[i] = FeldAbtrennen(rest);
        s[kSpalten - 1] = rest;

        // Everything is checked before the document changes.
        Datum d{};
        try {
            d = DatumAusWert(TextAlsDatum(s[0]));
        } catch (const KalvoraFehler&) {
            throw fehler("ungültiges Datum " + Zitat(s[0]));
        }
        if (d.jahr < 100)
            throw fehler("das Datum " + Zitat(s[0]) +
                         " hat eine zweistellige Jahreszahl; erwartet wird TT.MM.JJJJ");
        if (d.jahr < ErstesJahr || d.jahr > LetztesJahr)
            throw fehler("das Datum " + Zitat(s[0]) + " liegt nicht zwischen 1901 und 2099");
        int32_t dauer = 0;
        if (!s[2].empty()) {
            auto [p, ec] = std::from_chars(s[2].data(), s[2].data() + s[2].size(), dauer);
            if (ec != std::errc() || p != s[2].data() + s[2].size())
                throw fehler("ungültige Dauer " + Zitat(s[2]));
            if (dauer < 0 || dauer > kLaengsteDauer)
                throw fehler("die Dauer " + Zitat(s[2]) +
                             " liegt nicht zwischen 0 und 1439 Minuten");
        }
        uint32_t rgb = 0;
        if (s[5].size() > 6 || !HexLesen(s[5], rgb))
            throw fehler("ungültiger Farbwert " + Zitat(s[5]));
        const uint32_t farbe =
            rgb == 0 ? KeineFarbe
                     : ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
        const bool termin = !s[1].empty();
        // Spreadsheets drop the leading zero of an hour ("9:00").
        const std::optional<std::string> uhrzeit = UhrzeitNormalisiert(s[1]);
        if (termin) {
            // The calendar file separates appointment fields with '#' and needs hh:mm.
            if (!uhrzeit) throw fehler("ungültige Startzeit " + Zitat(s[1]));
            for (int i : {3, 4})
                if (s[i].find('#') != std::string_view::npos)
                    throw fehler("das Zeichen '#' ist in Terminen nicht erlaubt: " +
                                 Zitat(s[i]));
        }

        FarbeBenennen(kal, farbe, Text(s[6]));
        TTerminliste& liste = kal.Terminliste(d.jahr, d.monat, d.tag);
        if (liste.empty()) liste.emplace_back();
        if (termin) {
            TTermin& t = liste.emplace_back();
            t.Uhrzeit = *uhrzeit;
            t.Dauer = dauer;
            TextSetzen(t.Beschreibung, s[3]);
            TextSetzen(t.Ort, s[4]);
            t.Farbe = farbe;
            t.Alarm = KleinGleich(s[7], "ja") || KleinGleich(s[7], "x");
        } else {
            std::string info = liste[0].Beschreibung;
            for (int i : {3, 4}) {
                if (s[i].empty()) continue;
                info.push_back(' ');
                info.append(Text(s[i]));
            }
            liste[0].Beschreibung = info;
        }
    }
    if (fortschritt) fortschritt(100);
}

}  // namespace kalvora
