#include "kalender/Kalenderdatei.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <exception>
#include <filesystem>
#include <memory>
#include <system_error>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "kalender/CsvDatei.h"
#include "kalender/Zeilenleser.h"
#include "methoden/Fehler.h"
#include "methoden/Methoden.h"
#include "methoden/Uhrzeit.h"

namespace kalvora {

const char* const kMeldungAlteDateiversion =
    "Diese Datei ist möglicherweise eine ältere Dateiversion\r\n"
    "              oder keine Kalvora-Datei!";
const char* const kMeldungKeineKalvoraDatei = "Dies ist keine Kalvora-Datei";
const char* const kMeldungKeineLesbareDatei =
    "Die Datei ist keine lesbare Kalenderdatei: ihre erste Zeile ist weder \"Ver 3.3\" noch "
    "\"Ver 3.2\" noch \"kalvora-csv version 1.0\", und sie ist auch keine ältere binäre "
    "Kalvora-Datei.";

namespace {

constexpr int kErsteTagesnummer = 367;    // 1.1.1901
constexpr int kLetzteTagesnummer = 73050;  // 31.12.2099
constexpr std::string_view kCrLf = "\r\n";

// ----------------------------------------------------------------------------------------
// Writer

void HexAnhaengen(std::string& aus, uint32_t wert) {
    static constexpr char kZiffern[] = "0123456789ABCDEF";
    char puffer[8];
    int n = 0;
    do {
        puffer[n++] = kZiffern[wert & 15];
        wert >>= 4;
    } while (wert);
    while (n) aus.push_back(puffer[--n]);
}

void ZahlAnhaengen(std::string& aus, int32_t wert) {
    char puffer[16];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    aus.append(puffer, ende);
}

// Per byte: 1 = needs conversion, 2 = '#', 4 = line break.
constexpr std::array<uint8_t, 256> kZeichenart = [] {
    std::array<uint8_t, 256> a{};
    for (int i = 0x80; i < 0x100; ++i) a[i] = 1;
    a['#'] = 2;
    a['\r'] = 4;
    a['\n'] = 4;
    return a;
}();

// Appends text in Windows-1252 in one pass; returns 0, or the kind of the first fault
// (1 not representable, 2 '#', 4 line break). ASCII and Latin-1 are converted here, the
// rest by the general conversion.
int Cp1252Pruefen(std::string& aus, std::string_view text, bool rauteErlaubt) {
    const std::size_t start = aus.size();
    aus.resize(start + text.size());
    char* o = aus.data() + start;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        const uint8_t art = kZeichenart[b];
        if (art == 0 || (art == 2 && rauteErlaubt)) {
            *o++ = static_cast<char>(b);
            continue;
        }
        if (art != 1) {
            aus.resize(start);
            return art;
        }
        if (Latin1Uebernehmen(text, i, o)) continue;
        // Rare characters: check the rest for faults, then convert the whole text.
        aus.resize(start);
        uint8_t rest = 0;
        for (unsigned char c : text.substr(i)) rest |= kZeichenart[c];
        if (rest & 4) return 4;
        if ((rest & 2) && !rauteErlaubt) return 2;
        return Utf8NachCp1252Anhaengen(text, aus) ? 0 : 1;
    }
    aus.resize(static_cast<std::size_t>(o - aus.data()));
    return 0;
}

// Appends text in Windows-1252. wo() names the place for the error message; raute says
// whether '#' may stand in the text (it separates the fields of appointments and birthdays).
template <class Wo>
void TextAnhaengen(std::string& aus, std::string_view text, bool rauteErlaubt, Wo wo) {
    const int fehler = Cp1252Pruefen(aus, text, rauteErlaubt);
    if (fehler == 0) return;
    const std::string zitat = "\"" + std::string(text) + "\"";
    if (fehler == 4)
        throw KalvoraFehler(wo() + ": der Text " + zitat +
                            " enthält einen Zeilenumbruch und kann so nicht gespeichert werden.");
    if (fehler == 2)
        throw KalvoraFehler(wo() + ": der Text " + zitat +
                            " enthält das Zeichen '#', das in der Kalenderdatei Felder trennt.");
    throw KalvoraFehler(wo() + ": der Text " + zitat +
                        " enthält Zeichen, die in der Kalenderdatei (Windows-1252) nicht "
                        "gespeichert werden können.");
}


bool DatumSchreibbar(TDatum d) {
    return d == KeinDatum || (d >= DatumWert(1, 1, 1) && d <= DatumWert(31, 12, 9999));
}

// First index of every text, built once instead of a search per appointment.
std::unordered_map<std::string_view, int> IndexTabelle(const TTerminKategorie& liste) {
    std::unordered_map<std::string_view, int> tabelle;
    tabelle.reserve(liste.size());
    for (std::size_t i = 0; i < liste.size(); ++i)
        tabelle.emplace(liste[i], static_cast<int>(i));
    return tabelle;
}

void ListeSchreiben(std::string& aus, const TTerminKategorie& liste, std::string_view kopf,
                    std::string_view ende, const char* was) {
    aus.append(kopf);
    aus.append(kCrLf);
    for (std::size_t i = 0; i < liste.size(); ++i) {
        const auto wo = [&] { return std::string(was) + " " + std::to_string(i + 1); };
        if (liste[i] == ende)
            throw KalvoraFehler(wo() + ": der Text \"" + liste[i] +
                                "\" kann nicht gespeichert werden, er beendet in der "
                                "Kalenderdatei die Liste.");
        TextAnhaengen(aus, liste[i], true, wo);
        aus.append(kCrLf);
    }
}

void TerminSchreiben(std::string& aus, const TKalender& kal, const TTermin& t,
                     const std::unordered_map<std::string_view, int>& kategorien,
                     const std::unordered_map<std::string_view, int>& links, int tag, int monat,
                     int jahr) {
    const auto wo = [&] { return "Termin am " + DatumText(tag, monat, jahr); };
    const std::string_view uhrzeit = std::string_view(t.Uhrzeit).substr(0, 5);
    // What the file could hold but no view can use ("99:99", a duration of days) is refused
    // as well: the caller repairs it first (Speicherhindernisse).
    if (!UhrzeitBrauchbar(t.Uhrzeit))
        throw KalvoraFehler(wo() + ": \"" + t.Uhrzeit + "\" ist keine gültige Uhrzeit (hh:mm).");
    if (DauerBrauchbar(t.Dauer) != t.Dauer)
        throw KalvoraFehler(wo() + ": die Dauer " + std::to_string(t.Dauer) +
                            " liegt nicht zwischen 0 und 1439 Minuten.");
    aus.append(uhrzeit);
    if (t.Alarm) aus.push_back('X');
    // The space is written even for an empty description: without it the first '#' would
    // join the time field and the line would not read back.
    aus.push_back(' ');
    TextAnhaengen(aus, t.Beschreibung, false, wo);
    aus.push_back('#');
    TextAnhaengen(aus, t.Ort, false, wo);
    aus.push_back('#');
    if (t.Dauer >= 1) ZahlAnhaengen(aus, t.Dauer);
    aus.push_back('#');
    const int slot = t.Farbe == KeineFarbe ? 0 : kal.FarbSlot(t.Farbe);
    if (slot > 0)
        aus.push_back(static_cast<char>('a' + slot - 1));
    else if (!t.Kategorie.empty() || !t.Link.empty())
        aus.push_back(' ');
    if (!t.Kategorie.empty()) {
        auto it = kategorien.find(t.Kategorie);
        if (it != kategorien.end()) ZahlAnhaengen(aus, it->second);
    }
    if (!t.Link.empty()) {
        auto it = links.find(t.Link);
        if (it != links.end()) {
            aus.push_back('#');
            ZahlAnhaengen(aus, it->second);
        }
    }
    aus.append(kCrLf);
}

}  // namespace

bool UhrzeitSchreibbar(std::string_view u) {
    if (u.size() != 5 || u.find(':') == std::string_view::npos) return false;
    for (unsigned char c : u)
        if (c == ' ' || kZeichenart[c]) return false;
    return true;
}

std::string KalenderAlsVer33(const TKalender& kal, const Fortschritt& fortschritt) {
    std::size_t farbtage = 0, eintraege = 0;
    for (int i = kal.NaechsterFarbtag(0); i < TKalender::kSlots; i = kal.NaechsterFarbtag(i + 1))
        farbtage += !kal.TagesfarbenAn(i).empty();
    for (int i = kal.NaechsterTermintag(0); i < TKalender::kSlots;
         i = kal.NaechsterTermintag(i + 1))
        eintraege += kal.TerminlisteAn(i).size();
    std::string aus;
    aus.reserve(4096 + farbtage * 16 + eintraege * 80 + kal.Geburtstagsliste.size() * 48);

    aus.append("Ver 3.3\r\n[Farbnamen]\r\n");
    for (int k = 1; k <= AnzahlFarben; ++k) {
        HexAnhaengen(aus, kal.Farbwerte[k]);
        aus.push_back(' ');
        if (kal.Farbnamen[k] != FreiName)
            TextAnhaengen(aus, kal.Farbnamen[k], true,
                          [k] { return "Farbname " + std::to_string(k); });
        aus.append(kCrLf);
    }
    ListeSchreiben(aus, kal.Terminkategorie, "[Terminkategorie]", "[Linkliste]", "Kategorie");
    ListeSchreiben(aus, kal.Linkliste, "[Linkliste]", "[Tagesfarben]", "Link");

    aus.append("[Tagesfarben]\r\n");
    for (int i = kal.NaechsterFarbtag(0); i < TKalender::kSlots;
         i = kal.NaechsterFarbtag(i + 1)) {
        const TTagesfarben& farben = kal.TagesfarbenAn(i);
        if (farben.empty()) continue;
        int j, m, t;
        TKalender::SlotDatum(i, j, m, t);
        if (!IstGueltigesDatum(t, m, j)) continue;  // such slots are never filled
        HexAnhaengen(aus, static_cast<uint32_t>(Tagesnummer(t, m, j)));
        aus.append(kCrLf);
        for (uint32_t f : farben) {
            const int slot = kal.FarbSlot(f);
            if (slot > 0) aus.push_back(static_cast<char>('a' + slot - 1));
        }
        aus.append(kCrLf);
    }
    if (fortschritt) fortschritt(50);

    const auto kategorien = IndexTabelle(kal.Terminkategorie);
    const auto links = IndexTabelle(kal.Linkliste);
    aus.append("[Termine]\r\n");
    kal.TermintageDurchlaufen(
        [&](const TTerminliste& liste, int t, int m, int j) {
            HexAnhaengen(aus, static_cast<uint32_t>(Tagesnummer(t, m, j)));
            // Entry 0 carries only the info text; a time there would turn the key line into
            // an appointment line.
            if (!liste[0].Beschreibung.empty()) {
                aus.push_back(' ');
                TextAnhaengen(aus, liste[0].Beschreibung, true,
                              [&] { return "Tagesinfo am " + DatumText(t, m, j); });
            }
            aus.append(kCrLf);
            for (std::size_t n = 1; n < liste.size(); ++n)
                TerminSchreiben(aus, kal, liste[n], kategorien, links, t, m, j);
        },
        fortschritt, 50, 100);
    if (fortschritt) fortschritt(100);
    aus.append(kCrLf);

    for (std::size_t i = 0; i < kal.Geburtstagsliste.size(); ++i) {
        const TGeburtstag& g = kal.Geburtstagsliste[i];
        // An entry without any content would read as the end of the list and drop every
        // entry after it.
        if (g.Name.empty() && g.Vorname.empty() && g.Geburtsdatum == KeinDatum &&
            g.Namenstag == KeinDatum)
            continue;
        const auto wo = [i] { return "Geburtstagsliste, Eintrag " + std::to_string(i + 1); };
        if (!DatumSchreibbar(g.Geburtsdatum) || !DatumSchreibbar(g.Namenstag))
            throw KalvoraFehler(wo() + ": ungültiges Datum.");
        TextAnhaengen(aus, g.Name, false, wo);
        aus.push_back('#');
        TextAnhaengen(aus, g.Vorname, false, wo);
        aus.push_back('#');
        if (g.Geburtsdatum != KeinDatum) aus.append(DatumText(g.Geburtsdatum));
        aus.push_back('#');
        if (g.Namenstag != KeinDatum) aus.append(DatumText(g.Namenstag));
        aus.append(kCrLf);
    }
    return aus;
}

// ----------------------------------------------------------------------------------------
// Readers

namespace {

using npos_t = decltype(std::string_view::npos);
constexpr npos_t npos = std::string_view::npos;

// Refills the day lists of a document in place while a file is read. Emptying a loaded
// document first would free a million strings only to allocate them again: instead a day that
// the file gives again keeps the storage of its entries and their strings, and whatever is
// left over is dropped when the read ends, also when it ends with an error. Then every day
// holds what the file gave for it (up to the error), and every other day is empty.
class Listenerneuerung {
public:
    explicit Listenerneuerung(TKalender& kal) : kal_(&kal) {}
    // Without a document: the day lists are collected in the order the file gives them, to
    // be handed to a document later (Uebertragen), as if they had been read there.
    Listenerneuerung() : kal_(nullptr) {}
    ~Listenerneuerung() { Abschliessen(); }
    Listenerneuerung(const Listenerneuerung&) = delete;
    Listenerneuerung& operator=(const Listenerneuerung&) = delete;

    // Starts the day's list afresh; returns it so that its capacity can be checked.
    TTerminliste& Beginnen(int jahr, int monat, int tag) {
        Schliessen();
        const int i = TKalender::SlotIndex(jahr, monat, tag);
        if (kal_) {
            begonnen_.Setzen(i);
            liste_ = &kal_->TerminlisteAn(i);
        } else {
            liste_ = &bloecke_.emplace_back(Block{jahr, monat, tag, false, {}}).liste;
        }
        slot_ = i;
        benutzt_ = 0;
        return *liste_;
    }

    // Goes on with the day's list after what this read has put there (nothing, if the day
    // was not started yet).
    void Fortsetzen(int jahr, int monat, int tag) {
        const int i = TKalender::SlotIndex(jahr, monat, tag);
        if (liste_ && slot_ == i) return;
        Schliessen();
        slot_ = i;
        if (!kal_) {
            liste_ = &bloecke_.emplace_back(Block{jahr, monat, tag, true, {}}).liste;
            benutzt_ = 0;
            return;
        }
        liste_ = &kal_->TerminlisteAn(i);
        benutzt_ = begonnen_.Gesetzt(i) ? liste_->size() : 0;
        begonnen_.Setzen(i);
    }

    // The collected day lists into ziel, in their order, exactly as if ziel had read their
    // lines itself.
    void Uebertragen(Listenerneuerung& ziel) {
        Schliessen();
        for (Block& b : bloecke_) {
            if (b.fortsetzen) {
                ziel.Fortsetzen(b.jahr, b.monat, b.tag);
                for (TTermin& t : b.liste) ziel.Eintrag() = std::move(t);
                continue;
            }
            TTerminliste& liste = ziel.Beginnen(b.jahr, b.monat, b.tag);
            liste.swap(b.liste);
            ziel.benutzt_ = liste.size();
        }
        bloecke_.clear();
    }

    std::size_t Anzahl() const { return benutzt_; }

    // The next entry of the current list. A reused entry keeps its old values: the caller
    // sets every field.
    TTermin& Eintrag() {
        if (benutzt_ < liste_->size()) return (*liste_)[benutzt_++];
        ++benutzt_;
        return liste_->emplace_back();
    }

    // Drops what is left of old contents; runs once the read has ended.
    void Abschliessen() noexcept {
        Schliessen();
        if (fertig_ || !kal_) return;
        fertig_ = true;
        for (int i = kal_->NaechsterTermintag(0); i < TKalender::kSlots;
             i = kal_->NaechsterTermintag(i + 1))
            if (!begonnen_.Gesetzt(i)) kal_->TerminlisteAn(i).clear();
    }

private:
    void Schliessen() noexcept {
        if (!liste_) return;
        liste_->erase(liste_->begin() + static_cast<std::ptrdiff_t>(benutzt_), liste_->end());
        liste_ = nullptr;
    }

    // One bit per slot: the days this read has given a list.
    struct Bits {
        std::vector<uint64_t> worte = std::vector<uint64_t>((TKalender::kSlots + 63) / 64);
        void Setzen(int i) { worte[i >> 6] |= uint64_t{1} << (i & 63); }
        bool Gesetzt(int i) const { return worte[i >> 6] >> (i & 63) & 1; }
    };

    // A day list collected without a document; fortsetzen: it goes on with the list of its
    // day as it stands instead of starting it afresh.
    struct Block {
        int jahr, monat, tag;
        bool fortsetzen;
        TTerminliste liste;
    };

    TKalender* kal_;
    std::deque<Block> bloecke_;
    Bits begonnen_;
    bool fertig_ = false;
    TTerminliste* liste_ = nullptr;
    int slot_ = -1;
    std::size_t benutzt_ = 0;
};

// "hh:mm" as the writer stores it (00:00 to 23:59): it stays as it is.
bool UhrzeitGewoehnlich(std::string_view u) {
    if (u.size() != 5 || u[2] != ':') return false;
    const unsigned h1 = static_cast<unsigned char>(u[0]) - '0';
    const unsigned h2 = static_cast<unsigned char>(u[1]) - '0';
    const unsigned m1 = static_cast<unsigned char>(u[3]) - '0';
    const unsigned m2 = static_cast<unsigned char>(u[4]) - '0';
    return h1 <= 2 && h2 <= 9 && m1 <= 5 && m2 <= 9 && h1 * 10 + h2 <= 23;
}

// The info entry: its text and nothing else.
void InfoSetzen(TTermin& t, TText text) {
    t.Beschreibung = std::move(text);
    t.Uhrzeit.clear();
    t.Ort.clear();
    t.Kategorie.clear();
    t.Link.clear();
    t.Dauer = 0;
    t.Farbe = KeineFarbe;
    t.Alarm = false;
}

const Fortschritt kKeinFortschritt;

class Leser {
public:
    Leser(TKalender& kal, Listenerneuerung& listen, std::string_view daten,
          const Fortschritt& fortschritt, const char* quelle = nullptr)
        : kal_(kal),
          listen_(listen),
          zeilen_(daten),
          melder_(fortschritt, daten.size()),
          quelle_(quelle),
          ablage_(daten.size()) {}
    // Lines supplied block by block; groesse: the whole file's, for the progress.
    Leser(TKalender& kal, Listenerneuerung& listen, Zeilenleser&& zeilen, std::size_t groesse,
          const Fortschritt& fortschritt)
        : kal_(kal),
          listen_(listen),
          zeilen_(std::move(zeilen)),
          melder_(fortschritt, groesse),
          quelle_(nullptr),
          ablage_(groesse) {}

    // Skips the version line the dispatcher already looked at.
    void ErsteZeileUeberspringen() {
        std::string_view z;
        zeilen_.Naechste(z);
    }

    bool Zeile(std::string_view& z) { return zeilen_.Naechste(z); }
    // Ends the refill of the day lists: what the previous document left there is gone.
    void ListenAbschliessen() { listen_.Abschliessen(); }
    void Melden() { melder_.Melden(zeilen_.Position()); }

    [[noreturn]] void Fehler(const std::string& meldung) const {
        throw KalvoraFehler(quelle_ ? meldung + " (" + quelle_ + ")" : meldung,
                            versatz_ + zeilen_.Nummer());
    }
    [[noreturn]] void Dateiende(const char* abschnitt) const {
        throw KalvoraFehler(std::string("unerwartetes Dateiende im Abschnitt ") + abschnitt,
                            zeilen_.Nummer() + 1);
    }

    // ---- parts shared by both text forms

    void Farbteil() {
        int zaehler = 0;
        std::string_view z;
        while (Zeile(z)) {
            const std::size_t leer = z.find(' ');
            const std::string_view feld1 = z.substr(0, leer);
            if (feld1.find('[') != npos) {
                if (z == "[Farbnamen]") continue;
                Melden();
                return;
            }
            if (++zaehler > AnzahlFarben) Fehler("mehr als 20 Farbzeilen");
            uint32_t wert;
            if (!HexLesen(feld1, wert)) Fehler("ungültiger Farbwert " + Zitat(feld1));
            kal_.Farbwerte[zaehler] = wert;
            TextSetzen(kal_.Farbnamen[zaehler],
                       leer == npos ? std::string_view() : z.substr(leer + 1));
        }
        Dateiende("[Farbnamen]");
    }

    void Liste(TTerminKategorie& liste, std::string_view ende, const char* abschnitt) {
        liste.clear();
        std::string_view z;
        while (Zeile(z)) {
            if (z == ende) {
                Melden();
                return;
            }
            liste.push_back(Text(z));
        }
        Dateiende(abschnitt);
    }

    void Tagesfarben() {
        bool schluesselzeile = true;
        std::string_view z;
        while (Zeile(z)) {
            if (z == "[Termine]") {
                Melden();
                return;
            }
            if (schluesselzeile) {
                TagSetzen(z);
            } else {
                for (char c : z)
                    if (c < 'a' || c > 't')
                        Fehler("ungültiger Farbbuchstabe " + Zitat(std::string_view(&c, 1)));
                TTagesfarben& farben = kal_.Tagesfarben(jahr_, monat_, tag_);
                farben.resize(z.size());
                for (std::size_t i = 0; i < z.size(); ++i)
                    farben[i] = kal_.Farbwerte[z[i] - 'a' + 1];
            }
            schluesselzeile = !schluesselzeile;
        }
        Dateiende("[Tagesfarben]");
    }

    // The appointment part; ver33 selects the tail with list indices instead of texts.
    // Returns false when the file ended inside it. Where the options ask for it, a large
    // part is read in rounds of two halves at once (see TermineHalbiert); what is left at
    // the end, line by line.
    bool Termine(bool ver33) {
        while (true) {
            const int runde = TermineHalbiert(ver33);
            if (runde == kRundeEnde) return true;
            if (runde == kRundeEinzeln) break;
        }
        return TermineZeilen(ver33);
    }

    // Line by line, up to the end of the part (true) or of the lines (false).
    bool TermineZeilen(bool ver33) {
        std::string_view z;
        while (Zeile(z)) {
            Melden();
            const std::size_t leer = z.find(' ');
            std::string_view f1 = z.substr(0, leer), f2, f3, f4, f5;
            const bool doppelpunkt = f1.find(':') != npos;
            if (leer != npos) {
                std::string_view rest = z.substr(leer + 1);
                if (doppelpunkt) {
                    std::string_view* felder[] = {&f2, &f3, &f4, &f5};
                    int i = 0;
                    for (; i < 3; ++i) {
                        const std::size_t r = rest.find('#');
                        if (r == npos) break;
                        *felder[i] = rest.substr(0, r);
                        rest = rest.substr(r + 1);
                    }
                    *felder[i] = rest;  // the tail keeps any further '#'
                } else {
                    f2 = rest;
                }
            }
            if (f1.empty() && f2.empty() && f3.empty() && f4.empty()) return true;
            if (!doppelpunkt) {
                TagSetzen(f1);
                TTerminliste& liste = listen_.Beginnen(jahr_, monat_, tag_);
                // A new list gets its size at once; a reused one mostly has it already.
                if (liste.capacity() == 0) liste.reserve(1 + TerminzeilenVoraus());
                InfoSetzen(listen_.Eintrag(), ablage_.Cp1252(f2));
                continue;
            }
            TerminAnhaengen(f1, f2, f3, f4, f5, ver33);
        }
        return false;
    }

    static constexpr int kRundeWeiter = 0, kRundeEnde = 1, kRundeEinzeln = 2;

    // One round over the lines in memory (about two blocks of the file): they are cut at a
    // day key near their middle, and the second half is read on a second thread into day
    // lists of its own while this one reads the first half into the document; then the
    // second half's lists are handed to the document in their order. The document ends up
    // as the line-by-line read leaves it, with the same fault on the same line: a fault of
    // the first half drops the second, one of the second keeps what came before it. Too few
    // lines, or no day key to cut at: kRundeEinzeln, the rest goes line by line.
    int TermineHalbiert(bool ver33) {
        if (halbierenAb_ == SIZE_MAX) return kRundeEinzeln;
        zeilen_.Vorausfuellen(std::max(2 * blockgroesse_, halbierenAb_));
        const std::string_view gepuffert = zeilen_.Gepuffert();
        // Whole lines only; at the end of the file the last one needs no line end.
        std::size_t ende = gepuffert.size();
        if (zeilen_.MehrMoeglich()) {
            const std::size_t lf = gepuffert.rfind('\n');
            if (lf == npos) return kRundeEinzeln;
            ende = lf + 1;
        }
        if (ende < halbierenAb_) return kRundeEinzeln;
        const std::string_view runde = gepuffert.substr(0, ende);
        const std::size_t schnitt = TagesanfangAb(runde, ende / 2);
        if (schnitt == npos) return kRundeEinzeln;
        const std::string_view erste = runde.substr(0, schnitt);
        const std::string_view zweite = runde.substr(schnitt);
        const int zeilenErste = static_cast<int>(std::count(erste.begin(), erste.end(), '\n'));
        const int start = versatz_ + zeilen_.Nummer();

        Listenerneuerung gesammelt;
        Leser b(kal_, gesammelt, zweite, kKeinFortschritt);
        b.versatz_ = start + zeilenErste;
        bool bEnde = false;
        std::exception_ptr bFehler;
        std::thread zweiter;
        try {
            zweiter = std::thread([&] {
                try {
                    bEnde = b.TermineZeilen(ver33);
                } catch (...) {
                    bFehler = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            return kRundeEinzeln;  // no thread to be had: one is enough
        }
        Leser a(kal_, listen_, erste, kKeinFortschritt);
        a.versatz_ = start;
        a.TagUebernehmen(*this);
        bool aEnde = false;
        try {
            aEnde = a.TermineZeilen(ver33);
        } catch (...) {
            zweiter.join();
            throw;
        }
        zweiter.join();
        if (aEnde) {
            // The part ended in the first half: what follows is no appointment at all.
            TagUebernehmen(a);
            zeilen_.Ueberspringen(a.zeilen_.Position(), a.zeilen_.Nummer());
            Melden();
            return kRundeEnde;
        }
        gesammelt.Uebertragen(listen_);
        if (bFehler) std::rethrow_exception(bFehler);
        TagUebernehmen(b);
        zeilen_.Ueberspringen(schnitt + b.zeilen_.Position(), zeilenErste + b.zeilen_.Nummer());
        Melden();
        return bEnde ? kRundeEnde : kRundeWeiter;
    }

    // Whether, and from how many bytes in memory on, the appointment part is read in halves.
    void Halbieren(const LadeOptionen& o) {
        halbierenAb_ = std::max<std::size_t>(o.halbierenAb, 1);
        blockgroesse_ = std::max<std::size_t>(o.blockgroesse, 1);
    }

    // The current day of another reader (an appointment line goes to it).
    void TagUebernehmen(const Leser& von) {
        jahr_ = von.jahr_;
        monat_ = von.monat_;
        tag_ = von.tag_;
        letzteNummer_ = von.letzteNummer_;
        letzterTag_ = von.letzterTag_;
    }

    // Offset of the first line that starts at or after ab and whose first field holds no
    // ':' (a day key, or the empty line that ends the part); npos if there is none.
    static std::size_t TagesanfangAb(std::string_view daten, std::size_t ab) {
        std::size_t pos = daten.find('\n', ab == 0 ? 0 : ab - 1);
        while (pos != npos && pos + 1 < daten.size()) {
            const std::size_t anfang = pos + 1;
            std::size_t i = anfang;
            while (i < daten.size() && daten[i] != ' ' && daten[i] != ':' && daten[i] != '\n')
                ++i;
            if (i >= daten.size() || daten[i] != ':') return anfang;
            pos = daten.find('\n', i);
        }
        return npos;
    }

    void Geburtstag(std::string_view (&f)[6]) {
        TGeburtstag g;
        g.Geburtsdatum = DatumLesen(f[2]);
        g.Namenstag = DatumLesen(f[3]);
        TextSetzen(g.Name, f[0]);
        TextSetzen(g.Vorname, f[1]);
        kal_.Geburtstagsliste.push_back(std::move(g));
    }

    // Splits at '#' into at most maxFelder fields; more is an error.
    void Aufteilen(std::string_view z, std::string_view (&f)[6], int maxFelder,
                   int& anzahl) {
        for (auto& feld : f) feld = {};
        anzahl = 0;
        while (true) {
            if (anzahl == maxFelder) Fehler("zu viele durch '#' getrennte Felder");
            const std::size_t r = z.find('#');
            f[anzahl++] = z.substr(0, r);
            if (r == npos) return;
            z = z.substr(r + 1);
        }
    }

    void GeburtstageVer33() {
        kal_.Geburtstagsliste.clear();
        std::string_view z, f[6];
        int anzahl;
        while (Zeile(z)) {
            Melden();
            Aufteilen(z, f, 6, anzahl);
            if (f[0].empty() && f[1].empty() && f[2].empty() && f[3].empty()) return;
            Geburtstag(f);
        }
    }

    void GemischtVer32() {
        kal_.Terminkategorie.clear();
        kal_.Geburtstagsliste.clear();
        std::string_view z, f[6];
        int anzahl;
        while (Zeile(z)) {
            Melden();
            Aufteilen(z, f, 5, anzahl);
            if (f[0].empty() && f[1].empty() && f[2].empty() && f[3].empty()) return;
            if (anzahl == 1)
                kal_.Terminkategorie.push_back(Text(z));
            else
                Geburtstag(f);
        }
    }

    void LinksVer32() {
        kal_.Linkliste.clear();
        std::string_view z;
        while (Zeile(z) && !z.empty()) kal_.Linkliste.push_back(Text(z));
        Melden();
    }

    // ---- the companion text of the binary form

    void Begleittext() {
        std::string_view z;
        bool termine = true;
        std::string_view f[6];
        int anzahl;
        while (Zeile(z)) {
            Melden();
            if (!termine) {
                Aufteilen(z, f, 4, anzahl);
                Geburtstag(f);
                continue;
            }
            const std::size_t leer = z.find(' ');
            std::string_view f1 = z.substr(0, leer), f2, f3, f4;
            const bool doppelpunkt = f1.find(':') != npos;
            if (leer != npos) {
                std::string_view rest = z.substr(leer + 1);
                if (doppelpunkt) {
                    const std::size_t r = rest.find('#');
                    f2 = rest.substr(0, r);
                    if (r != npos) f3 = rest.substr(r + 1);
                } else {
                    std::size_t r = rest.find(' ');
                    f2 = rest.substr(0, r);
                    if (r != npos) {
                        rest = rest.substr(r + 1);
                        r = rest.find(' ');
                        f3 = rest.substr(0, r);
                        if (r != npos) f4 = rest.substr(r + 1);
                    }
                }
            }
            if (f1.empty() && f2.empty() && f3.empty() && f4.empty()) {
                termine = false;
                continue;
            }
            if (doppelpunkt) {
                TerminAnhaengen(f1, f2, f3, {}, {}, true);
                continue;
            }
            int32_t j = 0, m = 0, t = 0;
            if (!DezimalLesen(f1, j) || !DezimalLesen(f2, m) || !DezimalLesen(f3, t) ||
                !TKalender::ImBereich(j, m, t) || !IstGueltigesDatum(t, m, j))
                Fehler("ungültiges Datum " + Zitat(z.substr(0, z.size() - f4.size())));
            jahr_ = j;
            monat_ = m;
            tag_ = t;
            listen_.Beginnen(j, m, t);
            InfoSetzen(listen_.Eintrag(), ablage_.Cp1252(f4));
        }
    }

private:
    // Appointment lines that follow the current line: their first field holds a ':'. Knowing
    // the count spares the day list its growth steps.
    std::size_t TerminzeilenVoraus() const {
        Zeilenleser vorschau = zeilen_.Vorschau();
        std::string_view z;
        std::size_t n = 0;
        while (vorschau.Naechste(z)) {
            std::size_t i = 0;
            while (i < z.size() && z[i] != ' ' && z[i] != ':') ++i;
            if (i == z.size() || z[i] != ':') break;
            ++n;
        }
        return n;
    }

    void TagSetzen(std::string_view schluessel) {
        uint32_t nummer;
        if (!HexLesen(schluessel, nummer) || nummer < kErsteTagesnummer ||
            nummer > kLetzteTagesnummer)
            Fehler("ungültiger Tagesschlüssel " + Zitat(schluessel));
        // Day keys mostly follow each other: the next day is counted on from the last one.
        kalvora::Datum& d = letzterTag_;
        if (letzteNummer_ != 0 && nummer == letzteNummer_ + 1) {
            if (d.tag < 28 || d.tag < TageImMonat(d.monat, d.jahr)) {
                ++d.tag;
            } else {
                d.tag = 1;
                if (++d.monat > 12) {
                    d.monat = 1;
                    ++d.jahr;
                }
            }
        } else if (nummer != letzteNummer_) {
            d = DatumAusTagesnummer(static_cast<int32_t>(nummer));
        }
        letzteNummer_ = nummer;
        jahr_ = d.jahr;
        monat_ = d.monat;
        tag_ = d.tag;
    }

    TDatum DatumLesen(std::string_view text) {
        if (text.empty()) return KeinDatum;
        try {
            return TextAlsDatum(text);
        } catch (const KalvoraFehler&) {
            Fehler("ungültiges Datum " + Zitat(text));
        }
    }

    int Index(std::string_view ziffern, const TTerminKategorie& liste, const char* was) {
        int32_t i;
        if (!DezimalLesen(ziffern, i) || static_cast<std::size_t>(i) >= liste.size())
            Fehler(std::string("ungültiger ") + was + "-Index " + Zitat(ziffern));
        return i;
    }

    void TerminAnhaengen(std::string_view f1, std::string_view f2, std::string_view f3,
                         std::string_view f4, std::string_view f5, bool ver33) {
        // Everything that can fail is checked before the entry is added.
        int32_t dauer = 0;
        if (!f4.empty() && !DezimalLesen(f4, dauer)) Fehler("ungültige Dauer " + Zitat(f4));
        uint32_t farbe = KeineFarbe;
        std::string_view kategorie, link;
        int kategorieIndex = -1, linkIndex = -1;
        if (!f5.empty()) {
            const char c = f5[0];
            if (c >= 'a' && c <= 't')
                farbe = kal_.Farbwerte[c - 'a' + 1];
            else if (c != ' ')
                Fehler("ungültiger Farbbuchstabe " + Zitat(f5.substr(0, 1)));
            const std::size_t r = f5.find('#');
            kategorie = f5.substr(1, r == npos ? npos : r - 1);
            if (r != npos) link = f5.substr(r + 1);
            if (ver33) {
                if (!kategorie.empty())
                    kategorieIndex = Index(kategorie, kal_.Terminkategorie, "Kategorie");
                if (!link.empty()) linkIndex = Index(link, kal_.Linkliste, "Link");
            }
        }
        listen_.Fortsetzen(jahr_, monat_, tag_);
        if (listen_.Anzahl() == 0) InfoSetzen(listen_.Eintrag(), {});  // entry 0: the info
        TTermin& t = listen_.Eintrag();
        t.Alarm = f1.size() == 6;
        if (t.Alarm) f1 = f1.substr(0, 5);
        // A hand-edited "9:30" (or "9:30X" with alarm) has one obvious form; without it
        // every later save of the document would be refused.
        if (!t.Alarm && f1.size() == 5 && f1.back() == 'X' &&
            UhrzeitNormalisiert(f1.substr(0, 4))) {
            t.Alarm = true;
            f1 = f1.substr(0, 4);
        }
        if (UhrzeitGewoehnlich(f1))
            t.Uhrzeit = f1;
        else if (const auto normal = UhrzeitNormalisiert(f1))
            t.Uhrzeit = *normal;
        else
            t.Uhrzeit = ablage_.Cp1252(f1);
        t.Beschreibung = ablage_.Cp1252(f2);
        t.Ort = ablage_.Cp1252(f3);
        t.Dauer = dauer;
        t.Farbe = farbe;
        if (ver33) {
            t.Kategorie = kategorieIndex >= 0 ? Listentext(kategorien_, kal_.Terminkategorie,
                                                            kategorieIndex)
                                              : TText();
            t.Link = linkIndex >= 0 ? Listentext(links_, kal_.Linkliste, linkIndex) : TText();
        } else {
            t.Kategorie = ablage_.Cp1252(kategorie);
            t.Link = ablage_.Cp1252(link);
        }
    }

    // The entries of a list as texts, made once: every appointment that refers to an entry
    // shares its bytes.
    static const TText& Listentext(std::vector<TText>& texte, const TTerminKategorie& liste,
                                   int i) {
        if (texte.size() != liste.size()) texte.assign(liste.begin(), liste.end());
        return texte[static_cast<std::size_t>(i)];
    }

    TKalender& kal_;
    Listenerneuerung& listen_;
    Zeilenleser zeilen_;
    Fortschrittsmelder melder_;
    const char* quelle_;
    TTextablage ablage_;
    std::vector<TText> kategorien_, links_;
    int versatz_ = 0;  // lines before the ones this reader sees (a half of a round)
    std::size_t halbierenAb_ = SIZE_MAX, blockgroesse_ = 1;
    int jahr_ = 2002, monat_ = 1, tag_ = 1;
    uint32_t letzteNummer_ = 0;  // of the last day key, 0 before the first
    kalvora::Datum letzterTag_{};
};

void Ver33Lesen(Leser& l, TKalender& kal, const Fortschritt& fortschritt) {
    l.ErsteZeileUeberspringen();
    l.Farbteil();
    l.Liste(kal.Terminkategorie, "[Linkliste]", "[Terminkategorie]");
    l.Liste(kal.Linkliste, "[Tagesfarben]", "[Linkliste]");
    l.Tagesfarben();
    if (!l.Termine(true)) l.Dateiende("[Termine]");
    l.GeburtstageVer33();
    if (fortschritt) fortschritt(100);
}

// "Ver 3.2" names an appointment's category and link by their texts, and its lists come
// after the appointments. A text that no list line holds is appended to its list (in the
// order the appointments give them): the current form stores list indices, and the first
// save would drop it otherwise.
void FehlendeListentexteAnhaengen(TKalender& kal) {
    // The sets view copies of the lists as read, which stay where they are while the lists
    // grow, and the appointments' own texts for what is appended.
    const TTerminKategorie gelesenKategorien = kal.Terminkategorie;
    const TTerminKategorie gelesenLinks = kal.Linkliste;
    std::unordered_set<std::string_view> kategorien(gelesenKategorien.begin(),
                                                    gelesenKategorien.end());
    std::unordered_set<std::string_view> links(gelesenLinks.begin(), gelesenLinks.end());
    for (int i = kal.NaechsterTermintag(0); i < TKalender::kSlots;
         i = kal.NaechsterTermintag(i + 1)) {
        const TTerminliste& liste = kal.TerminlisteAn(i);
        for (std::size_t n = 1; n < liste.size(); ++n) {
            const std::string_view kategorie = liste[n].Kategorie.sicht();
            const std::string_view link = liste[n].Link.sicht();
            if (!kategorie.empty() && kategorien.insert(kategorie).second)
                kal.Terminkategorie.emplace_back(kategorie);
            if (!link.empty() && links.insert(link).second) kal.Linkliste.emplace_back(link);
        }
    }
}

void Ver32Lesen(Leser& l, TKalender& kal, const Fortschritt& fortschritt) {
    l.ErsteZeileUeberspringen();
    l.Farbteil();
    l.Tagesfarben();
    try {
        // Older files may simply end after their appointments.
        if (l.Termine(false)) {
            l.GemischtVer32();
            l.LinksVer32();
        }
    } catch (...) {
        // What was read before a fault stays in the document, with its texts in the lists.
        l.ListenAbschliessen();
        FehlendeListentexteAnhaengen(kal);
        throw;
    }
    l.ListenAbschliessen();
    FehlendeListentexteAnhaengen(kal);
    if (fortschritt) fortschritt(100);
}

uint32_t Wort(std::string_view b, std::size_t pos) {
    const auto* p = reinterpret_cast<const unsigned char*>(b.data() + pos);
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// The two passes over the colour words stay functions of their own: the fuzz build leaves
// them without coverage by name, which it cannot once they are inlined into their caller.
#if defined(__GNUC__)
#define KALVORA_NICHT_EINBETTEN __attribute__((noinline))
#else
#define KALVORA_NICHT_EINBETTEN
#endif

// Whether no colour word of the grid uses its high byte; eight bytes at a time.
KALVORA_NICHT_EINBETTEN bool BinaerrasterGueltig(std::string_view b, std::size_t ende) {
    static_assert(TKalender::kSlots * 4 % 8 == 0);
    for (std::size_t pos = 0; pos + 8 <= ende; pos += 8) {
        uint64_t w;
        std::memcpy(&w, b.data() + pos, 8);
        if (w & 0xFF000000FF000000ull) return false;
    }
    return true;
}

// Most days of a record have no colour: two such words are passed over at once.
KALVORA_NICHT_EINBETTEN void BinaerrasterLesen(TKalender& kal, std::string_view b) {
    static_assert(KeineFarbe == 0x00FFFFFF);
    static constexpr char kZweiOhneFarbe[8] = {'\xFF', '\xFF', '\xFF', '\0',
                                               '\xFF', '\xFF', '\xFF', '\0'};
    static const uint64_t zweiOhneFarbe = [] {
        uint64_t w;
        std::memcpy(&w, kZweiOhneFarbe, 8);
        return w;
    }();
    for (int i = 0; i < TKalender::kSlots; i += 2) {
        uint64_t zwei;
        std::memcpy(&zwei, b.data() + static_cast<std::size_t>(i) * 4, 8);
        if (zwei == zweiOhneFarbe) continue;
        for (int k = i; k < i + 2; ++k) {
            const uint32_t w = Wort(b, static_cast<std::size_t>(k) * 4);
            if (w == KeineFarbe) continue;
            int j, m, t;
            TKalender::SlotDatum(k, j, m, t);
            if (IstGueltigesDatum(t, m, j)) kal.TagesfarbenAn(k).assign(1, w);
        }
    }
}

void BinaerLesen(TKalender& kal, std::string_view b, const LadeOptionen& optionen) {
    const auto warnen = [&](const char* text) {
        if (optionen.warnung) optionen.warnung(text);
    };
    if (b.size() < kBinaersatzGroesse) {
        warnen(kMeldungAlteDateiversion);
        return;
    }
    constexpr std::size_t kNamen1 = 296112, kWerte = 299184, kNamen2 = 299264;
    // Colour values of this form never use the high byte; a file that does is something
    // else, and nothing of it is taken over.
    static_assert(kNamen1 == TKalender::kSlots * 4);
    if (!BinaerrasterGueltig(b, kNamen1)) {
        warnen(kMeldungKeineKalvoraDatei);
        return;
    }
    for (int k = 0; k < AnzahlFarben; ++k)
        if (Wort(b, kWerte + 4 * k) >> 24) {
            warnen(kMeldungKeineKalvoraDatei);
            return;
        }
    BinaerrasterLesen(kal, b);
    for (int k = 1; k <= AnzahlFarben; ++k) {
        const std::size_t pos = k <= 12 ? kNamen1 + (k - 1) * 256 : kNamen2 + (k - 13) * 256;
        const auto laenge = static_cast<unsigned char>(b[pos]);
        // A name ends at its first NUL: what follows is the unused rest of the field, and a
        // NUL written into the text file would make it unreadable.
        std::string_view name = b.substr(pos + 1, laenge);
        name = name.substr(0, name.find('\0'));
        TextSetzen(kal.Farbnamen[k], name);
        kal.Farbwerte[k] = Wort(b, kWerte + 4 * (k - 1));
    }
}

void BegleittextLesen(TKalender& kal, Listenerneuerung& listen, std::string_view text,
                      const Fortschritt& fortschritt) {
    Leser l(kal, listen, text, fortschritt, "Begleitdatei");
    l.Begleittext();
}

std::string_view ErsteZeile(std::string_view daten) {
    Zeilenleser z(daten);
    std::string_view zeile;
    return z.Naechste(zeile) ? zeile : std::string_view();
}

bool IstCsvKennung(std::string_view zeile) { return KleinGleich(zeile, "kalvora-csv version 1.0"); }

Dateiform FormDerZeile(std::string_view zeile) {
    if (zeile == "Ver 3.2") return Dateiform::Ver32;
    if (zeile == "Ver 3.3") return Dateiform::Ver33;
    if (IstCsvKennung(zeile)) return Dateiform::Csv;
    return Dateiform::Binaer;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

Dateiform FormErkennen(std::string_view bytes) {
    if (bytes.starts_with(kBom)) {
        const Dateiform f = FormDerZeile(ErsteZeile(bytes.substr(kBom.size())));
        if (f != Dateiform::Binaer) return f;
    }
    return FormDerZeile(ErsteZeile(bytes));
}

constexpr const char* kMeldungNullzeichen =
    "die Datei enthält ein Nullzeichen (sie ist beschädigt).";

// A crash while a file was written can leave a tail of NUL bytes; it holds nothing and is
// dropped. A NUL anywhere else means the file is damaged.
std::string_view OhneNullschwanz(std::string_view daten) {
    std::size_t ende = daten.size();
    while (ende > 0 && daten[ende - 1] == '\0') --ende;
    daten = daten.substr(0, ende);
    const std::size_t nul = daten.find('\0');
    if (nul != std::string_view::npos) {
        const auto zeile = 1 + std::count(daten.begin(), daten.begin() + nul, '\n');
        throw KalvoraFehler(kMeldungNullzeichen, static_cast<int>(zeile));
    }
    return daten;
}

// A text form read from its file block by block, with the same NUL rule: bytes after the
// first NUL must all be NUL, up to the end of the file.
class Dateinachschub : public Nachschub {
public:
    // anfang: the bytes already read from the start of the file.
    Dateinachschub(Dateiblockleser& datei, std::size_t block, std::string anfang)
        : datei_(datei), block_(block), anfang_(std::move(anfang)) {}

    bool Anhaengen(std::string& puffer, int zeilenDavor) override {
        if (ende_) return false;
        const std::size_t alt = puffer.size();
        if (!anfang_.empty()) {
            puffer.append(anfang_);
            std::string().swap(anfang_);
        } else if (!datei_.Lesen(puffer, block_)) {
            return false;
        }
        const std::size_t nul = puffer.find('\0', alt);
        if (nul == std::string::npos) return true;
        ende_ = true;
        const auto nurNul = [](std::string_view s) {
            return s.find_first_not_of('\0') == std::string_view::npos;
        };
        bool schwanz = nurNul(std::string_view(puffer).substr(nul));
        std::string rest;
        while (schwanz && datei_.Lesen(rest, block_)) {
            schwanz = nurNul(rest);
            rest.clear();
        }
        if (!schwanz) {
            const auto zeile = zeilenDavor + 1 +
                               std::count(puffer.begin(), puffer.begin() + nul, '\n');
            throw KalvoraFehler(kMeldungNullzeichen, static_cast<int>(zeile));
        }
        puffer.resize(nul);
        return nul > alt;
    }

private:
    Dateiblockleser& datei_;
    std::size_t block_;
    std::string anfang_;
    bool ende_ = false;
};

}  // namespace

namespace {

// The bytes of a file whose form is known: the document emptied, then read.
void InFormLesen(TKalender& kal, std::string_view bytes, Dateiform form,
                 std::optional<std::string_view> begleittext, const LadeOptionen& optionen) {
    kal.FarbenLeeren();
    // The day lists are emptied as the reader goes (see Listenerneuerung), at the latest
    // when this function is left.
    Listenerneuerung listen(kal);
    // Every form replaces these lists; the old binary form and the CSV import have none, and
    // they must not carry over from the document that was open before.
    kal.Terminkategorie.clear();
    kal.Linkliste.clear();
    kal.Geburtstagsliste.clear();

    std::string umgewandelt;
    std::string_view daten = bytes;
    if (form != Dateiform::Binaer && bytes.starts_with(kBom)) {
        auto text = Utf8NachCp1252(bytes.substr(kBom.size()));
        if (!text)
            throw KalvoraFehler(
                "Die Datei ist als UTF-8 gekennzeichnet, enthält aber ungültige Zeichen oder "
                "Zeichen, die Kalvora nicht speichern kann.");
        umgewandelt = std::move(*text);
        daten = umgewandelt;
    }
    if (form != Dateiform::Binaer) daten = OhneNullschwanz(daten);
    switch (form) {
        case Dateiform::Ver33: {
            Leser l(kal, listen, daten, optionen.fortschritt);
            l.Halbieren(optionen);
            Ver33Lesen(l, kal, optionen.fortschritt);
            break;
        }
        case Dateiform::Ver32: {
            Leser l(kal, listen, daten, optionen.fortschritt);
            l.Halbieren(optionen);
            Ver32Lesen(l, kal, optionen.fortschritt);
            break;
        }
        case Dateiform::Csv:
            listen.Abschliessen();  // the import works on empty lists
            try {
                CsvImportieren(kal, daten, optionen.fortschritt);
            } catch (const TeilweiseGelesen&) {
                throw;
            } catch (const KalvoraFehler& f) {
                throw TeilweiseGelesen(f.what());
            }
            break;
        case Dateiform::Binaer: {
            // Without a companion text, bytes the binary reader rejects are no calendar at
            // all: an empty document under that name would replace the file at the next save.
            std::optional<std::string> abgelehnt;
            LadeOptionen binaer = optionen;
            if (!begleittext)
                binaer.warnung = [&abgelehnt](const std::string& t) {
                    if (!abgelehnt) abgelehnt = t;
                };
            BinaerLesen(kal, bytes, binaer);
            if (abgelehnt) throw KalvoraFehler(kMeldungKeineLesbareDatei);
            if (begleittext)
                BegleittextLesen(kal, listen, OhneNullschwanz(*begleittext),
                                 optionen.fortschritt);
            if (optionen.fortschritt) optionen.fortschritt(100);
            break;
        }
    }
}

}  // namespace

Dateiform KalenderAusBytesLesen(TKalender& kal, std::string_view bytes,
                                std::optional<std::string_view> begleittext,
                                const LadeOptionen& optionen) {
    const Dateiform form = FormErkennen(bytes);
    InFormLesen(kal, bytes, form, begleittext, optionen);
    return form;
}

Dateiform KalenderdateiLesen(TKalender& kal, const std::string& pfad,
                             const LadeOptionen& optionen) {
    Dateiblockleser datei(pfad);
    const std::size_t block = std::max<std::size_t>(optionen.blockgroesse, 1);
    std::string bytes;
    datei.Lesen(bytes, block);
    const Dateiform vorn = FormErkennen(bytes);
    // Only with the first line ending in the first block is the form certain.
    if ((vorn == Dateiform::Ver33 || vorn == Dateiform::Ver32) && !bytes.starts_with(kBom) &&
        bytes.find('\n') != std::string::npos) {
        // As KalenderAusBytesLesen does for a text form.
        kal.FarbenLeeren();
        Listenerneuerung listen(kal);
        kal.Terminkategorie.clear();
        kal.Linkliste.clear();
        kal.Geburtstagsliste.clear();
        const std::size_t groesse =
            datei.Groesse() > 0 ? static_cast<std::size_t>(datei.Groesse()) : bytes.size();
        Dateinachschub nachschub(datei, block, std::move(bytes));
        std::string puffer;
        Leser l(kal, listen, Zeilenleser(nachschub, puffer), groesse, optionen.fortschritt);
        l.Halbieren(optionen);
        if (vorn == Dateiform::Ver33)
            Ver33Lesen(l, kal, optionen.fortschritt);
        else
            Ver32Lesen(l, kal, optionen.fortschritt);
        return vorn;
    }
    while (datei.Lesen(bytes, block)) {
    }
    // The whole file is known now; its form decides once.
    const Dateiform form = FormErkennen(bytes);
    std::optional<std::string> begleitdatei;
    if (form == Dateiform::Binaer) {
        // Written on Windows, where the case of the extension does not matter. A companion
        // that exists but cannot be read is an error: the next save would delete it.
        for (const char* endung : {".TxT", ".txt", ".TXT"}) {
            if (DateiFehlt(pfad + endung)) continue;
            begleitdatei = DateiEinlesen(pfad + endung);
            break;
        }
    }
    std::optional<std::string_view> begleittext;
    if (begleitdatei) begleittext = *begleitdatei;
    InFormLesen(kal, bytes, form, begleittext, optionen);
    return form;
}

}  // namespace kalvora
