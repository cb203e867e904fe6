#include "main/Farbbearbeitung.h"

#include <algorithm>

#include "methoden/Zeichensatz.h"
#include "kalender/Tagesfarbbefehle.h"

namespace kalvora {

namespace farbtexte {
std::string SchonVerwendet(const std::string& name) {
    return "Diese Farbe ist schon für \"" + name + "\" verwendet!";
}
}  // namespace farbtexte

namespace t = farbtexte;

namespace {

// A name fit for the calendar file: one line, only characters its code page holds, at
// most 255 characters; empty means a free slot.
std::string Farbname(const std::string& antwort) {
    std::string name;
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < antwort.size() && zeichen < MaxFarbnamenLaenge;) {
        const unsigned char c = static_cast<unsigned char>(antwort[i]);
        std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        n = std::min(n, antwort.size() - i);
        const std::string_view z(antwort.data() + i, n);
        i += n;
        if (z == "\r" || z == "\n" || !IstCp1252Darstellbar(z)) continue;
        name.append(z);
        ++zeichen;
    }
    return name.empty() ? FreiName : name;
}

}  // namespace

std::array<int, AnzahlFarben + 1> Farbzaehlung(const TKalender& kal, int jahr) {
    std::array<int, AnzahlFarben + 1> z{};
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1, n = TageImMonat(monat, jahr); tag <= n; ++tag)
            for (uint32_t farbe : kal.Tagesfarben(jahr, monat, tag)) ++z[kal.FarbSlot(farbe)];
    z[0] = 0;  // colours of no slot are not counted
    return z;
}

std::optional<Rechteck> TagNeuZeichnen(const TJahresansicht& ansicht, int tag, int monat,
                                       int jahr) {
    if (jahr != ansicht.Jahr() || monat < 1 || monat > 12 || tag < 1 ||
        tag > TageImMonat(monat, jahr))
        return std::nullopt;
    return ansicht.TagesZelle(tag, monat);
}

std::vector<Rechteck> Blinkzellen(const TJahresansicht& ansicht, const TKalender& kal,
                                  uint32_t farbe) {
    std::vector<Rechteck> zellen;
    const int jahr = ansicht.Jahr();
    for (int monat = 1; monat <= 12; ++monat)
        for (int tag = 1, n = TageImMonat(monat, jahr); tag <= n; ++tag)
            if (FarbeEnthalten(kal.Tagesfarben(jahr, monat, tag), farbe)) {
                const Rechteck z = ansicht.TagesZelle(tag, monat);
                zellen.push_back({z.links + 1, z.oben + 1, z.rechts, z.unten});
            }
    return zellen;
}

std::optional<std::string> FarbwahlFehler(const TKalender& kal, int slot, uint32_t farbe) {
    if (farbe == 0x000000) return std::string(t::Schwarz);
    if (farbe == Weisswert) return std::string(t::Weiss);
    for (int k = 1; k <= AnzahlFarben; ++k) {
        if (k == slot || kal.Farbwerte[k] != farbe) continue;
        const std::string& name = kal.Farbnamen[k];
        if (name.empty() || FreierName(name)) return std::string(t::Unbenannt);
        return t::SchonVerwendet(name);
    }
    return std::nullopt;
}

Kontextmenue KontextmenueAufbauen(const TKalender& kal, const std::optional<Datum>& tag,
                                  Farbbearbeitung modus, bool schreibgeschuetzt) {
    static const TTagesfarben keine;
    const TTagesfarben& farben =
        tag && TKalender::ImBereich(tag->jahr, tag->monat, tag->tag)
            ? kal.Tagesfarben(tag->jahr, tag->monat, tag->tag)
            : keine;
    Kontextmenue m;
    const bool hatFarben = tag && !farben.empty();
    m.farbeLoeschenTitel = farben.size() >= 2 ? t::FarbenLoeschen : t::FarbeLoeschen;
    m.farbeLoeschenAktiv = hatFarben && !schreibgeschuetzt;
    m.farbenAktiv = !schreibgeschuetzt;
    const bool untermenues = tag && modus == Farbbearbeitung::Keine;
    const Farbuntermenues unter = FarbuntermenuesBauen(kal, farben, schreibgeschuetzt);
    const Farbuntermenue* quellen[3] = {&unter.neu, &unter.hinzufuegen, &unter.loeschen};
    const char* titel[3] = {t::NeueFarbe, t::FarbeHinzufuegen, t::EineFarbeLoeschen};
    for (int u = 0; u < 3; ++u) {
        Kontextuntermenue& k = m.unter[u];
        static_cast<Farbuntermenue&>(k) = *quellen[u];
        k.titel = titel[u];
        k.sichtbar = untermenues;
        // Away from a day or in the other modes they are hidden and show nothing.
        if (!untermenues) {
            k.aktiv = false;
            for (Farbmenueeintrag& e : k.eintraege) e.sichtbar = false;
        }
    }
    for (int slot : MenueSlotfolge) {
        const std::string& name = kal.Farbnamen[slot];
        const bool hat = HatFarbe(farben, kal.Farbwerte[slot]);
        Farbmenueeintrag e{slot, name, kal.Farbwerte[slot], false};
        e.sichtbar = tag && !FreierName(name) && modus != Farbbearbeitung::Keine &&
                     !(modus == Farbbearbeitung::Hinzufuegen && hat) &&
                     !(modus == Farbbearbeitung::Loeschen && !hat);
        m.farben.push_back(e);
    }
    return m;
}

// ---- mode, current colour and changes -------------------------------------------------

TFarbbearbeitung::TFarbbearbeitung(TKalender& kal, Merker farbaenderungMerken,
                                   std::function<bool()> schreibgeschuetzt)
    : kal_(kal),
      merken_(std::move(farbaenderungMerken)),
      schreibgeschuetzt_(std::move(schreibgeschuetzt)) {
    kal_.Anmelden(*this);
}

TFarbbearbeitung::~TFarbbearbeitung() { kal_.Abmelden(*this); }

void TFarbbearbeitung::ModusSetzen(Farbbearbeitung modus) {
    modus_ = modus;
    direkt_ = modus != Farbbearbeitung::Keine;
    switch (modus) {
        case Farbbearbeitung::Hinzufuegen:
        case Farbbearbeitung::Loeschen:
        case Farbbearbeitung::Neu:
            if (aktuell_.farbe == Weisswert) aktuell_ = {kal_.Farbwerte[1], kal_.Farbnamen[1]};
            break;
        case Farbbearbeitung::AlleLoeschen: aktuell_ = {}; break;
        case Farbbearbeitung::Keine: break;
    }
}

void TFarbbearbeitung::NameAbgleichen() {
    if (aktuell_.farbe == Weisswert) return;
    if (const int slot = kal_.FarbSlot(aktuell_.farbe)) aktuell_.name = kal_.Farbnamen[slot];
}

void TFarbbearbeitung::FarbfeldKlick(int slot) {
    if (slot < 1 || slot > AnzahlFarben) return;
    aktuell_ = {kal_.Farbwerte[slot], kal_.Farbnamen[slot]};
    if (modus_ == Farbbearbeitung::AlleLoeschen) ModusSetzen(Farbbearbeitung::Hinzufuegen);
}

void TFarbbearbeitung::AktuelleFarbeKlick() {
    aktuell_ = {};
    if (modus_ != Farbbearbeitung::Keine) ModusSetzen(Farbbearbeitung::AlleLoeschen);
}

void TFarbbearbeitung::KontrollkaestchenKlick(bool angehakt) {
    if (!direkt_ && angehakt)
        ModusSetzen(aktuell_.farbe == Weisswert ? Farbbearbeitung::AlleLoeschen
                                                : Farbbearbeitung::Hinzufuegen);
    else if (direkt_ && !angehakt)
        ModusSetzen(Farbbearbeitung::Keine);
    direkt_ = angehakt;
}

bool TFarbbearbeitung::FarbnameSetzen(int slot, const std::string& antwort) {
    if (slot < 1 || slot > AnzahlFarben || Gesperrt()) return false;
    const std::string name = Farbname(antwort);
    if (aktuell_.farbe == kal_.Farbwerte[slot]) aktuell_.name = name;
    if (name == kal_.Farbnamen[slot]) return false;
    kal_.Farbnamen[slot] = name;
    kal_.GeaendertSetzen(true);
    return true;
}

std::optional<std::string> TFarbbearbeitung::FarbwertSetzen(int slot, uint32_t farbe) {
    if (slot < 1 || slot > AnzahlFarben) return std::nullopt;
    if (Gesperrt()) return std::string(t::Schreibgeschuetzt);
    farbe &= 0xFFFFFF;
    if (auto fehler = FarbwahlFehler(kal_, slot, farbe)) return fehler;
    const uint32_t alt = kal_.Farbwerte[slot];
    if (alt != farbe) {
        kal_.FarbwertErsetzen(alt, farbe);
        kal_.Farbwerte[slot] = farbe;
        kal_.GeaendertSetzen(true);
    }
    return std::nullopt;
}

bool TFarbbearbeitung::AendertTag(const TTagesfarben& farben) const {
    const uint32_t c = aktuell_.farbe;
    // A white current colour only ever empties a day.
    if (c == Weisswert) return !farben.empty();
    const bool hat = FarbeEnthalten(farben, c).has_value();
    switch (modus_) {
        case Farbbearbeitung::Loeschen: return hat;
        case Farbbearbeitung::Neu: return !hat || farben.size() != 1;
        case Farbbearbeitung::Hinzufuegen: return !hat;
        case Farbbearbeitung::AlleLoeschen:
        case Farbbearbeitung::Keine: return false;
    }
    return false;
}

Farbbefehl TFarbbearbeitung::Befehl() const {
    switch (modus_) {
        case Farbbearbeitung::Hinzufuegen: return Farbbefehl::Hinzufuegen;
        case Farbbearbeitung::Loeschen: return Farbbefehl::Loeschen;
        case Farbbearbeitung::Keine:
        case Farbbearbeitung::Neu:
        case Farbbearbeitung::AlleLoeschen: break;
    }
    return Farbbefehl::Neu;
}

bool TFarbbearbeitung::Aendern(int tag, int monat, int jahr, Farbbefehl befehl, int slot) {
    return !Gesperrt() && TagesfarbeAendern(kal_, merken_, tag, monat, jahr, befehl, slot);
}

bool TFarbbearbeitung::DirektMalen(int tag, int monat, int jahr) {
    if (!direkt_ || modus_ == Farbbearbeitung::Keine || !TKalender::ImBereich(jahr, monat, tag))
        return false;
    if (!AendertTag(kal_.Tagesfarben(jahr, monat, tag))) return false;
    const uint32_t c = aktuell_.farbe;
    if (c == Weisswert) return Aendern(tag, monat, jahr, Farbbefehl::AlleLoeschen);
    // A current colour that no slot has (any more) cannot be painted.
    const int slot = kal_.FarbSlot(c);
    return slot != 0 && Aendern(tag, monat, jahr, Befehl(), slot);
}

bool TFarbbearbeitung::FarbeAnwenden(int slot, int tag, int monat, int jahr) {
    return Aendern(tag, monat, jahr, Befehl(), slot);
}

bool TFarbbearbeitung::UntermenueAnwenden(Farbbefehl was, int slot, int tag, int monat,
                                          int jahr) {
    return Aendern(tag, monat, jahr, was, slot);
}

bool TFarbbearbeitung::FarbenLoeschen(int tag, int monat, int jahr) {
    return Aendern(tag, monat, jahr, Farbbefehl::AlleLoeschen);
}

}  // namespace kalvora
