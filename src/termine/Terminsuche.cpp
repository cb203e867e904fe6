#include "termine/Terminsuche.h"

#include <algorithm>
#include <cstring>

#include "methoden/Zeichensatz.h"

namespace kalvora {

namespace {

char Gross(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IstBuchstabe(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// First occurrence of such (already folded when ohneFall) in text; npos for none.
std::size_t Finden(std::string_view text, std::string_view such, bool ohneFall) {
    if (!ohneFall) return text.find(such);
    if (such.size() > text.size()) return std::string_view::npos;
    const char erstes = such[0];
    const char klein = erstes >= 'A' && erstes <= 'Z' ? static_cast<char>(erstes - 'A' + 'a')
                                                      : erstes;
    const std::size_t ende = text.size() - such.size();
    for (std::size_t i = 0; i <= ende; ++i) {
        const char c = text[i];
        if (c != erstes && c != klein) continue;
        std::size_t j = 1;
        while (j < such.size() && Gross(text[i + j]) == such[j]) ++j;
        if (j == such.size()) return i;
    }
    return std::string_view::npos;
}

std::size_t TextSuchenGefaltet(std::string_view text, std::string_view such, std::size_t k,
                               bool ohneFall, bool ganzeWoerter) {
    if (such.empty()) return 0;
    const std::size_t weg = k > 0 ? k + such.size() - 1 : 0;
    if (weg >= text.size()) return 0;
    const std::string_view rest = text.substr(weg);
    const std::size_t p = Finden(rest, such, ohneFall);
    if (p == std::string_view::npos) return 0;
    if (ganzeWoerter) {
        if (p > 0 && IstBuchstabe(rest[p - 1])) return 0;
        const std::size_t nach = p + such.size();
        if (nach < rest.size() && IstBuchstabe(rest[nach])) return 0;
    }
    return weg + p + 1;
}

std::string Falten(std::string_view s) {
    std::string f(s);
    for (char& c : f) c = Gross(c);
    return f;
}

}  // namespace

std::size_t TextSuchen(std::string_view text, std::string_view such, std::size_t k,
                       bool grossKlein, bool ganzeWoerter) {
    if (grossKlein) return TextSuchenGefaltet(text, such, k, false, ganzeWoerter);
    return TextSuchenGefaltet(text, Falten(such), k, true, ganzeWoerter);
}

void Terminsuche::Anzeigen(int jahrDerAnsicht) {
    felder.von = felder.bis = std::clamp(jahrDerAnsicht, ErstesJahr, LetztesJahr);
}

std::optional<Suchtreffer> Terminsuche::Ok(const TKalender& kal) {
    felder.von = std::clamp(felder.von, ErstesJahr, LetztesJahr);
    felder.bis = std::clamp(felder.bis, ErstesJahr, LetztesJahr);
    if (felder.bis < felder.von) felder.bis = felder.von;
    bestaetigt = felder;
    weitersuchenAktiv = false;
    letzter.reset();
    k_ = 0;
    return Ergebnis(Suchen(kal, TKalender::SlotIndex(bestaetigt.von, 1, 1), 0, false, 0));
}

void Terminsuche::Abbrechen() {
    felder = bestaetigt;
    gefunden = false;
}

std::optional<Suchtreffer> Terminsuche::weitersuchen(const TKalender& kal) {
    if (bestaetigt.text.empty() || !letzter) return std::nullopt;
    const Suchtreffer& t = *letzter;
    return Ergebnis(Suchen(kal, TKalender::SlotIndex(t.jahr, t.monat, t.tag), t.eintrag,
                           t.imOrt, k_));
}

std::string Terminsuche::NichtGefundenText() const {
    return "Suchtext \"" + bestaetigt.text + "\" nicht gefunden!";
}

std::optional<Suchtreffer> Terminsuche::Ergebnis(std::optional<Suchtreffer> t) {
    gefunden = t.has_value();
    weitersuchenAktiv = gefunden;
    if (t) {
        letzter = t;
    } else {
        letzter.reset();
        k_ = 0;
    }
    return t;
}

std::optional<Suchtreffer> Terminsuche::Suchen(const TKalender& kal, int startSlot,
                                               int startEintrag, bool startImOrt,
                                               std::size_t startK) {
    const Suchwerte& w = bestaetigt;
    if (w.text.empty()) return std::nullopt;
    const bool ohneFall = !w.grossKlein;
    const std::string such = ohneFall ? Falten(w.text) : w.text;
    const int letzterSlot = TKalender::SlotIndex(w.bis, 12, 31);
    bool ersterText = startK > 0;
    for (int slot = kal.NaechsterTermintag(startSlot); slot <= letzterSlot;
         slot = kal.NaechsterTermintag(slot + 1)) {
        const TTerminliste& liste = kal.TerminlisteAn(slot);
        if (liste.empty()) continue;
        const std::size_t i0 = slot == startSlot ? static_cast<std::size_t>(startEintrag) : 0;
        for (std::size_t i = i0; i < liste.size(); ++i) {
            for (int teil = 0; teil < 2; ++teil) {
                const bool imOrt = teil == 1;
                std::size_t k = 0;
                if (ersterText) {
                    // Resuming: skip to the text of the last hit and go on after it.
                    if (imOrt != startImOrt) continue;
                    k = startK;
                    ersterText = false;
                }
                if (!imOrt && w.bereich == Suchbereich::Orte) continue;
                if (imOrt && (i == 0 || w.bereich == Suchbereich::Beschreibungen)) continue;
                const std::string& text = imOrt ? liste[i].Ort : liste[i].Beschreibung;
                const std::size_t neu = TextSuchenGefaltet(text, such, k, ohneFall,
                                                           w.ganzeWoerter);
                if (neu == 0) continue;
                k_ = neu;
                Suchtreffer t;
                TKalender::SlotDatum(slot, t.jahr, t.monat, t.tag);
                t.eintrag = static_cast<int>(i);
                t.imOrt = imOrt;
                const std::string_view davor = std::string_view(text).substr(0, neu - 1);
                t.position = static_cast<int>(Utf8Laenge(davor));
                t.laenge = static_cast<int>(Utf8Laenge(w.text));
                return t;
            }
        }
    }
    return std::nullopt;
}

}  // namespace kalvora
