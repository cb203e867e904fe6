#include "methoden/Feiertage.h"

namespace kalvora {

namespace {

using A = Feiertagsart;

struct EintragsDaten {
    const char* beschriftung;
    uint32_t farbe;
    bool malen;
};

constexpr uint32_t kOrange = 0x0080FF;
constexpr uint32_t kGrau = 0x868686;

// Index 0 unused.
constexpr std::array<EintragsDaten, AnzahlFeiertagsEintraege + 1> kEintraege = {{
    {"", 0, false},
    {"Ostern", kOrange, true},
    {"Weihnachten", kOrange, true},
    {"Heiligabend", kGrau, false},
    {"Neujahr", kOrange, true},
    {"Heilige drei Könige", kGrau, true},
    {"Rosenmontag", kGrau, true},
    {"Aschermittwoch", kGrau, true},
    {"Karfreitag", kOrange, true},
    {"Maifeiertag", kOrange, true},
    {"Pfingsten", kOrange, true},
    {"Christi Himmelfahrt", kOrange, true},
    {"Fronleichnam", kOrange, true},
    {"Tag der dt. Einheit", kOrange, true},
    {"Allerheiligen", kOrange, true},
    {"Allerseelen", kGrau, false},
    {"Muttertag", kGrau, false},
    {"Buß- und Bettag", kGrau, false},
    {"Sylvester", kGrau, true},
    {"Totensonntag", kGrau, false},
    {"Adventssonntage", kGrau, false},
    {"Palmsonntag", kGrau, false},
    {"Frühlingsanfang", 0x00FF00, false},
    {"Sommeranfang", 0x00FFFF, false},
    {"Herbstanfang", 0x008000, false},
    {"Winteranfang", 0xD0B162, false},
    {"Beginn Sommerzeit", 0xA06030, true},
    {"Beginn Winterzeit", 0xA06030, true},
    {"Mariä Himmelfahrt", kGrau, false},
    {"Weiberfastnacht", kGrau, false},
    {"Reformationstag", kGrau, false},
    {"Gründonnerstag", kOrange, false},
    {"Valentinstag", kGrau, false},
}};

// In the order of the enum.
constexpr std::array<FeiertagsartDaten, AnzahlFeiertagsarten> kArten = {{
    {A::Neujahr, "Neujahr", 4, false},
    {A::HeiligeDreiKoenige, "Heilige drei Könige", 5, false},
    {A::Valentinstag, "Valentinstag", 32, true},
    {A::Weiberfastnacht, "Weiberfastnacht", 29, false},
    {A::Rosenmontag, "Rosenmontag", 6, false},
    {A::Aschermittwoch, "Aschermittwoch", 7, false},
    {A::Fruehlingsanfang, "Frühlingsanfang", 22, true},
    {A::Palmsonntag, "Palmsonntag", 21, false},
    {A::Gruendonnerstag, "Gründonnerstag", 31, false},
    {A::Karfreitag, "Karfreitag", 8, false},
    {A::Ostersonntag, "Ostersonntag", 1, false},
    {A::Ostermontag, "Ostermontag", 1, false},
    {A::BeginnSommerzeit, "Beginn der Sommerzeit", 26, true},
    {A::Maifeiertag, "Maifeiertag", 9, true},
    {A::Muttertag, "Muttertag", 16, true},
    {A::ChristiHimmelfahrt, "Christi Himmelfahrt", 11, false},
    {A::Pfingstsonntag, "Pfingstsonntag", 10, false},
    {A::Pfingstmontag, "Pfingstmontag", 10, false},
    {A::Fronleichnam, "Fronleichnam", 12, false},
    {A::Sommeranfang, "Sommeranfang", 23, true},
    {A::MariaeHimmelfahrt, "Mariä Himmelfahrt", 28, false},
    {A::Herbstanfang, "Herbstanfang", 24, false},
    {A::TagDerDeutschenEinheit, "Tag der deutschen Einheit", 13, false},
    {A::Reformationstag, "Reformationstag", 30, false},
    {A::BeginnWinterzeit, "Beginn der Winterzeit", 27, true},
    {A::Allerheiligen, "Allerheiligen", 14, false},
    {A::Allerseelen, "Allerseelen", 15, false},
    {A::BussUndBettag, "Buß- und Bettag", 17, false},
    {A::Totensonntag, "Totensonntag", 19, false},
    {A::Advent1, "1.Advent", 20, false},
    {A::Advent2, "2.Advent", 20, false},
    {A::Advent3, "3.Advent", 20, false},
    {A::Advent4, "4.Advent", 20, false},
    {A::Winteranfang, "Winteranfang", 25, true},
    {A::HeiligAbend, "Heilig Abend", 3, true},
    {A::Weihnachtstag1, "1. Weihnachtstag", 2, false},
    {A::Weihnachtstag2, "2. Weihnachtstag", 2, false},
    {A::Sylvester, "Sylvester", 18, false},
}};

constexpr bool ArtenInEnumFolge() {
    for (std::size_t i = 0; i < kArten.size(); ++i)
        if (static_cast<std::size_t>(kArten[i].art) != i) return false;
    return true;
}
static_assert(ArtenInEnumFolge(), "kArten must follow the order of Feiertagsart");

// Each array must name every kind exactly once.
constexpr bool IstVollstaendig(const std::array<Feiertagsart, AnzahlFeiertagsarten>& folge) {
    std::array<bool, AnzahlFeiertagsarten> gesehen{};
    for (Feiertagsart a : folge) {
        const auto i = static_cast<std::size_t>(a);
        if (gesehen[i]) return false;
        gesehen[i] = true;
    }
    return true;
}

TagMonat Ostertag(int jahr, int abstand) {
    const TagMonat ostern = Ostersonntag(jahr);
    return DatumAusTagDesJahres(TagDesJahres(ostern.tag + abstand, ostern.monat, jahr), jahr);
}

// December day d, counted arithmetically below 1 (day −3 is 27 November).
TagMonat Dezembertag(int d, int jahr) {
    return DatumAusTagDesJahres(TagDesJahres(d, 12, jahr), jahr);
}

// Weekday of 25 December with Sunday as 7.
int Weihnachtswochentag(int jahr) {
    const int w = Wochentag(25, 12, jahr);
    return w == 0 ? 7 : w;
}

TagMonat LetzterSonntag(int monat, int jahr) {
    return {31 - Wochentag(31, monat, jahr), monat};
}

const std::string kLeer;

// One line per step; the join flag of each kind decides between setting and joining.
constexpr std::array<Feiertagsart, AnzahlFeiertagsarten> kBerechnungsfolge = {
    A::Ostersonntag, A::Ostermontag, A::Gruendonnerstag, A::Palmsonntag, A::Weiberfastnacht,
    A::Rosenmontag, A::Aschermittwoch, A::ChristiHimmelfahrt, A::Pfingstsonntag,
    A::Pfingstmontag, A::Fronleichnam, A::Karfreitag,
    A::Neujahr,
    A::Maifeiertag,
    A::HeiligeDreiKoenige, A::TagDerDeutschenEinheit, A::Allerheiligen, A::Allerseelen,
    A::Weihnachtstag1, A::Weihnachtstag2, A::Sylvester, A::MariaeHimmelfahrt,
    A::Reformationstag,
    A::Fruehlingsanfang, A::Sommeranfang,
    A::Herbstanfang,
    A::Valentinstag, A::Muttertag,
    A::Advent4, A::Advent3, A::Advent2, A::Advent1, A::BussUndBettag, A::Totensonntag,
    A::Winteranfang, A::BeginnSommerzeit, A::BeginnWinterzeit, A::HeiligAbend};

constexpr std::array<Feiertagsart, AnzahlFeiertagsarten> kMalfolge = {
    A::BeginnSommerzeit, A::Muttertag, A::Ostersonntag, A::Fruehlingsanfang, A::Sommeranfang,
    A::Herbstanfang, A::Winteranfang, A::Ostermontag, A::Gruendonnerstag, A::Palmsonntag,
    A::HeiligeDreiKoenige, A::Sylvester, A::Valentinstag, A::Rosenmontag, A::Aschermittwoch,
    A::Weiberfastnacht, A::MariaeHimmelfahrt, A::Reformationstag, A::ChristiHimmelfahrt,
    A::Pfingstsonntag, A::Pfingstmontag, A::Fronleichnam, A::Karfreitag, A::Advent4,
    A::Advent3, A::Advent2, A::Advent1, A::BussUndBettag, A::Totensonntag, A::Neujahr,
    A::Maifeiertag, A::TagDerDeutschenEinheit, A::Allerheiligen, A::Allerseelen,
    A::Weihnachtstag1, A::Weihnachtstag2, A::HeiligAbend, A::BeginnWinterzeit};

constexpr std::array<Feiertagsart, AnzahlFeiertagsarten> kTooltipfolge = {
    A::Rosenmontag, A::Neujahr, A::HeiligeDreiKoenige, A::Aschermittwoch, A::Ostersonntag,
    A::Ostermontag, A::Pfingstsonntag, A::Pfingstmontag, A::ChristiHimmelfahrt,
    A::Fronleichnam, A::Maifeiertag, A::Allerheiligen, A::Weihnachtstag1, A::Weihnachtstag2,
    A::Sylvester, A::Karfreitag, A::TagDerDeutschenEinheit, A::MariaeHimmelfahrt,
    A::Reformationstag, A::HeiligAbend, A::Gruendonnerstag, A::Palmsonntag,
    A::Weiberfastnacht, A::Fruehlingsanfang, A::Sommeranfang, A::Herbstanfang,
    A::Winteranfang, A::Advent4, A::Advent3, A::Advent2, A::Advent1, A::BussUndBettag,
    A::Totensonntag, A::Allerseelen, A::Muttertag, A::BeginnSommerzeit, A::BeginnWinterzeit,
    A::Valentinstag};

static_assert(IstVollstaendig(kBerechnungsfolge) && IstVollstaendig(kMalfolge) &&
                  IstVollstaendig(kTooltipfolge),
              "every order must name each kind once");

}  // namespace

const std::array<Feiertagsart, AnzahlFeiertagsarten> FeiertagsBerechnungsfolge = kBerechnungsfolge;
const std::array<Feiertagsart, AnzahlFeiertagsarten> FeiertagsMalfolge = kMalfolge;
const std::array<Feiertagsart, AnzahlFeiertagsarten> FeiertagsTooltipfolge = kTooltipfolge;

TFeiertagsEinstellungen FeiertagsStandard() {
    TFeiertagsEinstellungen e{};
    for (int n = 1; n <= AnzahlFeiertagsEintraege; ++n)
        e[n] = {kEintraege[n].malen, kEintraege[n].farbe};
    return e;
}

std::string FeiertagsBeschriftung(int eintrag) {
    if (eintrag < 1 || eintrag > AnzahlFeiertagsEintraege) return {};
    return kEintraege[eintrag].beschriftung;
}

const FeiertagsartDaten& FeiertagsartInfo(Feiertagsart art) {
    return kArten[static_cast<std::size_t>(art)];
}

TagMonat FeiertagsDatum(Feiertagsart art, int jahr) {
    const int w = Weihnachtswochentag(jahr);
    switch (art) {
        case A::Neujahr: return {1, 1};
        case A::HeiligeDreiKoenige: return {6, 1};
        case A::Valentinstag: return {14, 2};
        case A::Weiberfastnacht: return Ostertag(jahr, -52);
        case A::Rosenmontag: return Ostertag(jahr, -48);
        case A::Aschermittwoch: return Ostertag(jahr, -46);
        case A::Fruehlingsanfang: return {21, 3};
        case A::Palmsonntag: return Ostertag(jahr, -7);
        case A::Gruendonnerstag: return Ostertag(jahr, -3);
        case A::Karfreitag: return Ostertag(jahr, -2);
        case A::Ostersonntag: return Ostertag(jahr, 0);
        case A::Ostermontag: return Ostertag(jahr, 1);
        case A::BeginnSommerzeit: return LetzterSonntag(3, jahr);
        case A::Maifeiertag: return {1, 5};
        case A::Muttertag: {
            const int w1 = Wochentag(1, 5, jahr);
            return {15 - (w1 == 0 ? 7 : w1), 5};
        }
        case A::ChristiHimmelfahrt: return Ostertag(jahr, 39);
        case A::Pfingstsonntag: return Ostertag(jahr, 49);
        case A::Pfingstmontag: return Ostertag(jahr, 50);
        case A::Fronleichnam: return Ostertag(jahr, 60);
        case A::Sommeranfang: return {21, 6};
        case A::MariaeHimmelfahrt: return {15, 8};
        case A::Herbstanfang: return {23, 9};
        case A::TagDerDeutschenEinheit: return {3, 10};
        case A::Reformationstag: return {31, 10};
        case A::BeginnWinterzeit: return LetzterSonntag(10, jahr);
        case A::Allerheiligen: return {1, 11};
        case A::Allerseelen: return {2, 11};
        case A::BussUndBettag: return Dezembertag(-7 - w, jahr);
        case A::Totensonntag: return Dezembertag(-3 - w, jahr);
        case A::Advent1: return Dezembertag(4 - w, jahr);
        case A::Advent2: return Dezembertag(11 - w, jahr);
        case A::Advent3: return Dezembertag(18 - w, jahr);
        case A::Advent4: return Dezembertag(25 - w, jahr);
        case A::Winteranfang: return {21, 12};
        case A::HeiligAbend: return {24, 12};
        case A::Weihnachtstag1: return {25, 12};
        case A::Weihnachtstag2: return {26, 12};
        case A::Sylvester: return {31, 12};
    }
    return {0, 0};
}

void TFeiertagstabelle::FeiertageBerechnen(int jahr) {
    jahr_ = jahr;
    for (auto& zeile : texte_)
        for (auto& text : zeile) text.clear();
    for (const auto& info : kArten)
        tage_[static_cast<std::size_t>(info.art)] = FeiertagsDatum(info.art, jahr);
    for (Feiertagsart art : FeiertagsBerechnungsfolge) {
        const FeiertagsartDaten& info = FeiertagsartInfo(art);
        const TagMonat tm = tage_[static_cast<std::size_t>(art)];
        std::string& text = texte_[tm.tag - 1][tm.monat - 1];
        if (info.verbindet && !text.empty())
            text += std::string("+") + info.name;
        else
            text = info.name;
    }
}

const std::string& TFeiertagstabelle::FeiertagsText(int tag, int monat) const {
    if (tag < 1 || tag > 31 || monat < 1 || monat > 12) return kLeer;
    return texte_[tag - 1][monat - 1];
}

std::optional<uint32_t> TFeiertagstabelle::FeiertagsFarbe(
    int tag, int monat, const TFeiertagsEinstellungen& einstellungen) const {
    const std::string& text = FeiertagsText(tag, monat);
    if (text.empty()) return std::nullopt;
    // A joined text belongs to the kind joined last; no kind name contains '+'.
    const auto plus = text.rfind('+');
    const std::string letzter = plus == std::string::npos ? text : text.substr(plus + 1);
    for (Feiertagsart art : FeiertagsTooltipfolge) {
        const FeiertagsartDaten& info = FeiertagsartInfo(art);
        if (letzter != info.name) continue;
        const FeiertagsEintrag& e = einstellungen[info.eintrag];
        if (e.malen) return e.farbe;
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<FeiertagsFlaeche> TFeiertagstabelle::Malflaechen(
    const TFeiertagsEinstellungen& einstellungen) const {
    std::vector<FeiertagsFlaeche> flaechen;
    if (jahr_ == 0) return flaechen;
    for (Feiertagsart art : FeiertagsMalfolge) {
        const FeiertagsEintrag& e = einstellungen[FeiertagsartInfo(art).eintrag];
        if (!e.malen) continue;
        const TagMonat tm = tage_[static_cast<std::size_t>(art)];
        flaechen.push_back({art, tm.tag, tm.monat, e.farbe});
    }
    return flaechen;
}

std::vector<uint32_t> TFeiertagstabelle::Malfarben(
    int tag, int monat, const TFeiertagsEinstellungen& einstellungen) const {
    std::vector<uint32_t> farben;
    for (const FeiertagsFlaeche& f : Malflaechen(einstellungen))
        if (f.tag == tag && f.monat == monat) farben.push_back(f.farbe);
    return farben;
}

std::vector<FeiertagsTooltip> TFeiertagstabelle::Tooltips() const {
    std::vector<FeiertagsTooltip> tips;
    if (jahr_ == 0) return tips;
    for (Feiertagsart art : FeiertagsTooltipfolge) {
        const TagMonat tm = tage_[static_cast<std::size_t>(art)];
        tips.push_back({art, tm.tag, tm.monat, FeiertagsText(tm.tag, tm.monat)});
    }
    return tips;
}

}  // namespace kalvora
