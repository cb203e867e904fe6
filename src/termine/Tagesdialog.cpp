#include "termine/Tagesdialog.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "kalender/Farbnamen.h"
#include "termine/Fortschreibung.h"
#include "termine/Termintexte.h"

namespace kalvora {

namespace {

// Two digits at pos of an hh:mm text; anything else (a text from an import) counts as 0.
int Zahl(const std::string& text, std::size_t pos) {
    if (text.size() < pos + 2) return 0;
    const char a = text[pos], b = text[pos + 1];
    if (a < '0' || a > '9' || b < '0' || b > '9') return 0;
    return (a - '0') * 10 + (b - '0');
}

// The duration column "hh:mm" back in minutes. The hours may have more than two digits: a
// hand-edited file can hold a duration of days, which the save question then repairs; read
// as two digits it would turn into another duration unasked.
int32_t DauerAusSpalte(const std::string& text) {
    const int32_t zweistellig = 60 * Zahl(text, 0) + Zahl(text, 3);
    const std::size_t doppelpunkt = text.find(':');
    if (doppelpunkt == std::string::npos || doppelpunkt <= 2) return zweistellig;
    int64_t stunden = 0;
    for (std::size_t i = 0; i < doppelpunkt; ++i) {
        if (text[i] < '0' || text[i] > '9') return zweistellig;
        stunden = std::min<int64_t>(stunden * 10 + (text[i] - '0'), INT32_MAX);
    }
    return static_cast<int32_t>(
        std::min<int64_t>(stunden * 60 + Zahl(text, doppelpunkt + 1), INT32_MAX));
}

Rasterzeile Kopfzeile() {
    Rasterzeile z;
    for (int i = 0; i < AnzahlSpalten; ++i)
        z[static_cast<std::size_t>(i)] = termintexte::Spalte[i];
    return z;
}

}  // namespace

Datum Tagesschritt(const Datum& d, int schritt) {
    int jahr = d.jahr;
    int n = TagDesJahres(d.tag, d.monat, d.jahr);
    const int letzter = TagDesJahres(31, 12, jahr);
    if (schritt < 0 && n == 1) {
        if (jahr == ErstesJahr) return d;
        --jahr;
        n = TagDesJahres(31, 12, jahr);
    } else if (schritt > 0 && n == letzter) {
        if (jahr == LetztesJahr) return d;
        ++jahr;
        n = 1;
    } else {
        n += schritt;
    }
    const TagMonat tm = DatumAusTagDesJahres(n, jahr);
    return {tm.tag, tm.monat, jahr};
}

Tagesdialog::Tagesdialog(Tagesumgebung& umgebung, Termineditor& editor)
    : u_(umgebung), editor_(editor) {
    raster.assign(2, Rasterzeile{});
    raster[0] = Kopfzeile();
    ListenAnpassen();
}

void Tagesdialog::TagSetzen(const Datum& d) {
    tag = d.tag;
    monat = d.monat;
    jahr = d.jahr;
}

void Tagesdialog::ListenAnpassen() {
    // The lists cover every row so that an empty row reads as "no alarm, no category".
    const auto zahl = static_cast<std::size_t>(std::max(eintragszahl, 0));
    const std::size_t n = std::max(zahl, raster.size());
    alarme.resize(n, false);
    kategorien.resize(n);
}

void Tagesdialog::VierKnoepfe(bool an) {
    knoepfe.aendern = knoepfe.loeschen = knoepfe.verschieben = knoepfe.kopieren = an;
}

void Tagesdialog::Aktivieren(const Datum& ausgewaehlt) {
    eintragszahl = 0;
    TagSetzen(ausgewaehlt);
    gewaehlteZeile = 1;
    tagladen();
    raster[0] = Kopfzeile();
    const bool ro = u_.schreibgeschuetzt;
    const bool ersteZeile = !raster[1][SpBeschreibung].empty();
    knoepfe.alleLoeschen = ersteZeile && !ro;
    VierKnoepfe(ersteZeile && !ro);
    knoepfe.tagesinfoLoeschen = !ro && InfoHatZeilen();
    knoepfe.neu = !ro;
    editor_.ListenFuellen(u_.kal);
}

void Tagesdialog::tagladen() {
    const TTerminliste& liste = u_.kal.Terminliste(jahr, monat, tag);
    info.clear();
    eintragszahl = static_cast<int>(liste.size());
    raster.resize(static_cast<std::size_t>(std::max(eintragszahl, 2)));
    raster[1] = Rasterzeile{};
    std::fill(alarme.begin(), alarme.end(), false);
    std::fill(kategorien.begin(), kategorien.end(), std::string());
    ListenAnpassen();
    if (!liste.empty()) {
        const std::string& text = liste[0].Beschreibung;
        std::size_t anfang = 0;
        for (std::size_t p; (p = text.find('#', anfang)) != std::string::npos; anfang = p + 1)
            info.push_back(text.substr(anfang, p - anfang));
        if (anfang < text.size()) info.push_back(text.substr(anfang));
    }
    for (int r = 1; r < eintragszahl; ++r) {
        const TTermin& t = liste[static_cast<std::size_t>(r)];
        Rasterzeile& z = raster[static_cast<std::size_t>(r)];
        z[SpUhrzeit] = t.Uhrzeit;
        z[SpBeschreibung] = t.Beschreibung;
        z[SpOrt] = t.Ort;
        z[SpAlarm] = t.Alarm ? "x" : "";
        const std::string dauer = MinutenAlsDauer(t.Dauer);
        z[SpDauer] = dauer.substr(0, dauer.size() - 1);
        z[SpFarbe] = farbname(u_.kal, t.Farbe);
        z[SpKategorie] = t.Kategorie;
        z[SpLink] = t.Link;
        alarme[static_cast<std::size_t>(r)] = t.Alarm;
        kategorien[static_cast<std::size_t>(r)] = t.Kategorie;
    }
}

void Tagesdialog::tagspeichern() {
    if (eintragszahl == 0 && InfoHatZeilen())
        eintragszahl = 1;
    else if (eintragszahl == 1 && !InfoHatZeilen())
        eintragszahl = 0;
    TTerminliste& liste = u_.kal.Terminliste(jahr, monat, tag);
    liste.resize(static_cast<std::size_t>(eintragszahl));
    if (eintragszahl >= 1) {
        std::string text;
        for (std::size_t i = 0; i < info.size(); ++i) {
            if (i > 0) text += '#';
            text += info[i];
        }
        liste[0].Beschreibung = std::move(text);
    }
    ListenAnpassen();
    for (int r = 1; r < eintragszahl && r < Zeilenzahl(); ++r) {
        const Rasterzeile& z = raster[static_cast<std::size_t>(r)];
        TTermin& t = liste[static_cast<std::size_t>(r)];
        t.Beschreibung = z[SpBeschreibung];
        t.Uhrzeit = z[SpUhrzeit];
        t.Ort = z[SpOrt];
        t.Alarm = alarme[static_cast<std::size_t>(r)];
        t.Kategorie = kategorien[static_cast<std::size_t>(r)];
        t.Link = z[SpLink];
        t.Dauer = DauerAusSpalte(z[SpDauer]);
        t.Farbe = farbwert(u_.kal, z[SpFarbe]);
    }
}

int Tagesdialog::ZeilenMitFarbname(const std::string& name) const {
    int n = 0;
    for (int r = 1; r < Zeilenzahl(); ++r)
        if (raster[static_cast<std::size_t>(r)][SpFarbe] == name) ++n;
    return n;
}

void Tagesdialog::TagesfarbeEntfernen(uint32_t farbe) {
    TagesfarbeAendern(u_.kal, u_.FarbaenderungMerken, tag, monat, jahr, Farbbefehl::Loeschen,
                      farbplatz(u_.kal, farbe));
}

void Tagesdialog::terminuebernehmen(int aktion) {
    const Termineditor& e = editor_;
    const bool spiegeln = u_.einst.FarbeInJahresansichtUebernehmen;
    if (aktion == AktionAlleLoeschen) {
        eintragszahl = 0;
        std::fill(kategorien.begin(), kategorien.end(), std::string());
        if (e.tagesinfoLoeschen) info.clear();
        if (e.farbenLoeschen && !u_.kal.Tagesfarben(jahr, monat, tag).empty())
            TagesfarbeAendern(u_.kal, u_.FarbaenderungMerken, tag, monat, jahr,
                              Farbbefehl::AlleLoeschen);
        return;
    }
    int r = -1;
    if (aktion == AktionNeu) {
        // The first row after the appointments; a row of an appointment is never reused,
        // even when its time is empty.
        r = std::max(1, eintragszahl);
        if (r >= Zeilenzahl()) {
            raster.resize(static_cast<std::size_t>(r) + 1);
            ListenAnpassen();
        }
    } else {
        for (int i = 1; i < std::min(eintragszahl, Zeilenzahl()); ++i) {
            const Rasterzeile& z = raster[static_cast<std::size_t>(i)];
            if (z[SpUhrzeit] == schluesselZeit && z[SpBeschreibung] == schluesselBeschreibung) {
                r = i;
                break;
            }
        }
        if (r < 0) return;
    }
    Rasterzeile& z = raster[static_cast<std::size_t>(r)];
    const TTagesfarben& farben = u_.kal.Tagesfarben(jahr, monat, tag);

    if (aktion == AktionLoeschen) {
        const std::string name = z[SpFarbe];
        if (spiegeln && !name.empty() && ZeilenMitFarbname(name) <= 1 && HatFarbe(farben, e.farbe))
            TagesfarbeEntfernen(farbwert(u_.kal, name));
        zeileEntfernen(r);
        return;
    }

    z[SpBeschreibung] = e.beschreibung;
    z[SpUhrzeit] = e.StartText();
    z[SpOrt] = e.ort;
    z[SpAlarm] = e.alarm ? "x" : "";
    z[SpDauer] = e.DauerText();
    if (spiegeln) {
        const std::string alt = z[SpFarbe];
        if (alt != e.farbName && !alt.empty() && aktion == AktionAendern &&
            ZeilenMitFarbname(alt) <= 1 && HatFarbe(farben, farbwert(u_.kal, alt)))
            TagesfarbeEntfernen(farbwert(u_.kal, alt));
        if (e.farbe != KeineFarbe && !HatFarbe(u_.kal.Tagesfarben(jahr, monat, tag), e.farbe))
            TagesfarbeAendern(u_.kal, u_.FarbaenderungMerken, tag, monat, jahr,
                              Farbbefehl::Hinzufuegen, farbplatz(u_.kal, e.farbe));
    }
    z[SpFarbe] = e.farbName;
    z[SpKategorie] = e.Kategorie();
    z[SpLink] = e.Link();
    if (aktion == AktionNeu) {
        eintragszahl = eintragszahl == 0 ? 2 : eintragszahl + 1;
        ListenAnpassen();
    }
    alarme[static_cast<std::size_t>(r)] = e.alarm;
    kategorien[static_cast<std::size_t>(r)] = e.Kategorie();
    zeileSortieren(r);
}

void Tagesdialog::ZeileTauschen(int a, int b) {
    std::swap(raster[static_cast<std::size_t>(a)], raster[static_cast<std::size_t>(b)]);
    const bool t = alarme[static_cast<std::size_t>(a)];
    alarme[static_cast<std::size_t>(a)] = alarme[static_cast<std::size_t>(b)];
    alarme[static_cast<std::size_t>(b)] = t;
    std::swap(kategorien[static_cast<std::size_t>(a)], kategorien[static_cast<std::size_t>(b)]);
}

void Tagesdialog::zeileSortieren(int r) {
    const int letzte = Zeilenzahl() - 1;
    if (letzte <= 1) return;
    ListenAnpassen();
    auto zeit = [&](int i) -> const std::string& {
        return raster[static_cast<std::size_t>(i)][SpUhrzeit];
    };
    for (;;) {
        if (r > 1 && zeit(r) < zeit(r - 1)) {
            ZeileTauschen(r, r - 1);
            --r;
        } else if (r < letzte && zeit(r) > zeit(r + 1)) {
            ZeileTauschen(r, r + 1);
            ++r;
        } else {
            break;
        }
    }
}

void Tagesdialog::zeileEntfernen(int r) {
    if (r < 1 || r >= Zeilenzahl()) return;
    ListenAnpassen();
    VierKnoepfe(false);
    const int letzte = Zeilenzahl() - 1;
    for (int i = r; i < letzte; ++i) ZeileTauschen(i, i + 1);
    raster[static_cast<std::size_t>(letzte)] = Rasterzeile{};
    alarme[static_cast<std::size_t>(letzte)] = false;
    kategorien[static_cast<std::size_t>(letzte)].clear();
    if (Zeilenzahl() > 2) raster.pop_back();
    eintragszahl = eintragszahl == 2 ? 0 : std::max(0, eintragszahl - 1);
    knoepfe.alleLoeschen = eintragszahl >= 2;
    const std::size_t n = std::max(static_cast<std::size_t>(eintragszahl), raster.size());
    alarme.resize(n);
    kategorien.resize(n);
}

bool Tagesdialog::tagblaettern(int schritt) {
    tagspeichern();
    const Datum neu = Tagesschritt(Tag(), schritt);
    const bool bewegt = !(neu == Tag());
    TagSetzen(neu);
    tagladen();
    return bewegt;
}

void Tagesdialog::wocheBlaettern(int richtung) {
    tagspeichern();
    // Paging past either end of the range stops on its first or last day.
    int32_t n = Tagesnummer(tag, monat, jahr) + (richtung < 0 ? -7 : 7);
    n = std::clamp(n, Tagesnummer(1, 1, ErstesJahr), Tagesnummer(31, 12, LetztesJahr));
    TagSetzen(DatumAusTagesnummer(n));
    tagladen();
}

void Tagesdialog::NachBlaettern() {
    const bool ro = u_.schreibgeschuetzt;
    VierKnoepfe(false);
    knoepfe.alleLoeschen = eintragszahl >= 2 && !ro;
    knoepfe.tagesinfoLoeschen = InfoHatZeilen() && !ro;
}

void Tagesdialog::ZeileInEditorLaden(int r) {
    if (r < 1 || r >= Zeilenzahl()) return;
    ListenAnpassen();
    const Rasterzeile& z = raster[static_cast<std::size_t>(r)];
    editor_.StartSetzen(Zahl(z[SpUhrzeit], 0), Zahl(z[SpUhrzeit], 3));
    editor_.DauerSetzen(Zahl(z[SpDauer], 0), Zahl(z[SpDauer], 3));
    schluesselZeit = z[SpUhrzeit];
    schluesselBeschreibung = z[SpBeschreibung];
    editor_.beschreibung = z[SpBeschreibung];
    editor_.ort = z[SpOrt];
    editor_.alarm = alarme[static_cast<std::size_t>(r)];
    editor_.FarbeAusName(u_.kal, z[SpFarbe]);
    editor_.KategorieWaehlen(kategorien[static_cast<std::size_t>(r)]);
    editor_.LinkWaehlen(z[SpLink]);
}

void Tagesdialog::ZelleGewaehlt(int r) {
    gewaehlteZeile = r;
    const bool leer = r < 1 || r >= Zeilenzahl() ||
                      raster[static_cast<std::size_t>(r)][SpBeschreibung].empty();
    if (leer || u_.schreibgeschuetzt) {
        VierKnoepfe(false);
    } else {
        VierKnoepfe(true);
        knoepfe.alleLoeschen = true;
    }
}

std::string Tagesdialog::InfoText() const {
    std::string text;
    for (std::size_t i = 0; i < info.size(); ++i) {
        if (i > 0) text += '\n';
        text += info[i];
    }
    return text;
}

void Tagesdialog::InfoAusText(const std::string& text) {
    // Lines as a memo counts them: a final line break does not start another line.
    info.clear();
    std::size_t anfang = 0;
    for (std::size_t p; (p = text.find('\n', anfang)) != std::string::npos; anfang = p + 1)
        info.push_back(text.substr(anfang, p - anfang));
    if (anfang < text.size()) info.push_back(text.substr(anfang));
    for (std::string& zeile : info)
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
}

void Tagesdialog::InfoGeaendert() {
    u_.kal.GeaendertSetzen(true);
    knoepfe.tagesinfoLoeschen = InfoHatZeilen() && !u_.schreibgeschuetzt;
}

void Tagesdialog::TagesinfoLoeschen() {
    if (u_.schreibgeschuetzt) return;
    info.clear();
    knoepfe.tagesinfoLoeschen = false;
    u_.kal.GeaendertSetzen(true);
}

void Tagesdialog::NeuerTerminVorbereiten() {
    editor_.LoeschmodusZuruecksetzen();
    editor_.NeuVorbereiten(u_.einst);
}

// OK of the editor with a description: continue the series first, then apply to this day.
bool Tagesdialog::EditorErgebnisUebernehmen(Terminaktion aktion) {
    const bool ok = editor_.ergebnis == Editorergebnis::Ok && !editor_.beschreibung.empty() &&
                    !u_.schreibgeschuetzt;
    editor_.ergebnis = Editorergebnis::Keins;
    if (!ok) return false;
    if (fortschritt) fortschritt(0);
    u_.kal.GeaendertSetzen(true);
    knoepfe.alleLoeschen = true;
    fortschreiben(*this, aktion);
    terminuebernehmen(aktion);
    if (fortschritt) fortschritt(100);
    return true;
}

bool Tagesdialog::NeuerTerminAbschliessen() { return EditorErgebnisUebernehmen(AktionNeu); }

bool Tagesdialog::TerminAendernVorbereiten() {
    if (gewaehlteZeile < 1 || gewaehlteZeile >= Zeilenzahl()) return false;
    editor_.LoeschmodusZuruecksetzen();
    editor_.AendernVorbereiten(u_.einst);
    ZeileInEditorLaden(gewaehlteZeile);
    return true;
}

bool Tagesdialog::TerminAendernAbschliessen() { return EditorErgebnisUebernehmen(AktionAendern); }

bool Tagesdialog::TerminLoeschenVorbereiten() {
    if (gewaehlteZeile < 1 || gewaehlteZeile >= Zeilenzahl()) return false;
    editor_.LoeschmodusZuruecksetzen();
    editor_.LoeschenVorbereiten(u_.einst);
    ZeileInEditorLaden(gewaehlteZeile);
    return true;
}

bool Tagesdialog::TerminLoeschenAbschliessen() {
    const bool ok = editor_.ergebnis == Editorergebnis::Loeschen && !u_.schreibgeschuetzt;
    editor_.ergebnis = Editorergebnis::Keins;
    if (ok) {
        if (fortschritt) fortschritt(0);
        u_.kal.GeaendertSetzen(true);
        fortschreiben(*this, AktionLoeschen);
        terminuebernehmen(AktionLoeschen);
        if (fortschritt) fortschritt(100);
    }
    editor_.LoeschmodusZuruecksetzen();
    ZelleGewaehlt(std::min(gewaehlteZeile, Zeilenzahl() - 1));
    return ok;
}

void Tagesdialog::AlleLoeschenVorbereiten() {
    editor_.LoeschmodusZuruecksetzen();
    editor_.AlleLoeschenVorbereiten(u_.einst);
}

bool Tagesdialog::AlleLoeschenAbschliessen() {
    const bool ok = editor_.ergebnis == Editorergebnis::Loeschen && !u_.schreibgeschuetzt;
    editor_.ergebnis = Editorergebnis::Keins;
    if (ok) {
        if (fortschritt) fortschritt(0);
        u_.kal.GeaendertSetzen(true);
        fortschreiben(*this, AktionAlleLoeschen);
        knoepfe.aendern = knoepfe.loeschen = knoepfe.alleLoeschen = false;
        terminuebernehmen(AktionAlleLoeschen);
        // Store and reload the day itself; the neighbour days are not touched.
        tagspeichern();
        tagladen();
        if (fortschritt) fortschritt(100);
    }
    editor_.LoeschmodusZuruecksetzen();
    return ok;
}

std::optional<bool> Tagesdialog::Doppelklick(int r) {
    if (u_.schreibgeschuetzt) return std::nullopt;
    ZelleGewaehlt(r);
    const bool aendern = r >= 1 && r < Zeilenzahl() &&
                         !raster[static_cast<std::size_t>(r)][SpBeschreibung].empty();
    if (aendern)
        TerminAendernVorbereiten();
    else
        NeuerTerminVorbereiten();
    return aendern;
}

bool Tagesdialog::VerschiebenOderKopieren(const Datum& ziel, bool verschieben) {
    if (ziel == Tag() || u_.schreibgeschuetzt) return false;
    if (!TKalender::ImBereich(ziel.jahr, ziel.monat, ziel.tag) ||
        !IstGueltigesDatum(ziel.tag, ziel.monat, ziel.jahr))
        return false;
    if (gewaehlteZeile < 1 || gewaehlteZeile >= Zeilenzahl() ||
        raster[static_cast<std::size_t>(gewaehlteZeile)][SpBeschreibung].empty())
        return false;
    const Datum start = Tag();
    ZeileInEditorLaden(gewaehlteZeile);
    if (verschieben) terminuebernehmen(AktionLoeschen);
    tagspeichern();
    TagSetzen(ziel);
    tagladen();
    if (fortschritt) fortschritt(0);
    u_.kal.GeaendertSetzen(true);
    terminuebernehmen(AktionNeu);
    knoepfe.alleLoeschen = true;
    tagspeichern();
    TagSetzen(start);
    tagladen();
    if (fortschritt) fortschritt(100);
    return true;
}

void Tagesdialog::ZumTreffer(const Datum& tagDesTreffers, const Tagestreffer& t) {
    tagspeichern();
    TagSetzen(tagDesTreffers);
    tagladen();
    treffer = t;
    trefferAusstehend = true;
    if (t.zeile > 0) ZelleGewaehlt(t.zeile);
}

}  // namespace kalvora
