#include "adressbuch/Adressbuch.h"

#include <algorithm>

#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"
#include "methoden/Zeichensatz.h"

namespace kalvora {

const std::array<const char*, AnzahlAdressfelder>& AdressUeberschriften() {
    static const std::array<const char*, AnzahlAdressfelder> t = {
        "Anrede",  "Name",  "Vorname",        "Straße",  "Postfach", "PLZ",
        "Ort",     "Land",  "Telefon privat", "Telefon geschäftlich", "Handy",
        "Email-Adresse",    "Homepage",       "Faxnr.",  "ICQ-Nr.",  "Titel", "sonstiges"};
    return t;
}

const std::array<const char*, 4>& Anreden() {
    static const std::array<const char*, 4> t = {"Herr", "Frau", "Firma", "Familie"};
    return t;
}

Gruppeninhalt GruppendateiLesen(std::string_view bytes) {
    Gruppeninhalt g;
    if (bytes.empty()) return g;
    std::size_t pos = bytes.find('\n');
    std::string_view kopf = bytes.substr(0, pos);
    if (!kopf.empty() && kopf.back() == '\r') kopf.remove_suffix(1);
    if (kopf != adresstexte::Kopfzeile) {
        g.fremd = true;
        return g;
    }
    while (pos != std::string_view::npos && pos + 1 < bytes.size()) {
        const std::size_t anfang = pos + 1;
        pos = bytes.find('\n', anfang);
        std::string_view zeile = bytes.substr(anfang, pos == std::string_view::npos
                                                          ? std::string_view::npos
                                                          : pos - anfang);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
        TAdresse a;
        int feld = 0;
        std::size_t stueck = 0;
        // A '#' moves on to the next field up to the last one, which keeps any further '#'.
        for (std::size_t i = 0; i <= zeile.size(); ++i) {
            if (i == zeile.size() || (zeile[i] == '#' && feld < AnzahlAdressfelder - 1)) {
                a[static_cast<std::size_t>(feld)] = Cp1252NachUtf8(zeile.substr(stueck, i - stueck));
                stueck = i + 1;
                if (i < zeile.size()) ++feld;
            }
        }
        g.eintraege.push_back(std::move(a));
    }
    return g;
}

namespace {

// The last field may keep a '#' (the reader keeps any there); the others may not.
void FeldAnhaengen(std::string_view feld, std::string& ziel, bool letztes = false) {
    std::string sauber(feld);
    for (char& c : sauber)
        if ((c == '#' && !letztes) || c == '\r' || c == '\n') c = ' ';
    if (Utf8NachCp1252Anhaengen(sauber, ziel)) return;
    // Character by character: what the code page lacks becomes '?'.
    for (std::size_t i = 0; i < sauber.size();) {
        std::size_t n = 1;
        const auto b = static_cast<unsigned char>(sauber[i]);
        if (b >= 0xF0) n = 4;
        else if (b >= 0xE0) n = 3;
        else if (b >= 0xC0) n = 2;
        n = std::min(n, sauber.size() - i);
        if (!Utf8NachCp1252Anhaengen(std::string_view(sauber).substr(i, n), ziel))
            ziel.push_back('?');
        i += n;
    }
}

}  // namespace

std::string GruppendateiText(const std::vector<TAdresse>& eintraege) {
    std::string s = std::string(adresstexte::Kopfzeile) + "\r\n";
    for (const TAdresse& a : eintraege) {
        for (int f = 0; f < AnzahlAdressfelder; ++f) {
            if (f > 0) s.push_back('#');
            FeldAnhaengen(a[static_cast<std::size_t>(f)], s, f == AnzahlAdressfelder - 1);
        }
        s += "\r\n";
    }
    return s;
}

void TAdressbuch::Lesen(const std::string& pfad) {
    Eintraege.clear();
    geaendert = false;
    fremd = false;
    lesefehler.clear();
    Pfad = pfad;
    Anhaengen(pfad);
}

void TAdressbuch::Anhaengen(const std::string& pfad) {
    Pfad = pfad;
    geaendert = false;
    std::string bytes;
    try {
        bytes = DateiEinlesen(pfad);
    } catch (const KalvoraFehler& f) {
        // An unreadable group reads as an empty one; a file that is missing may be created.
        if (!DateiFehlt(pfad)) lesefehler = f.what();
        return;
    }
    Gruppeninhalt g = GruppendateiLesen(bytes);
    fremd = fremd || g.fremd;
    for (TAdresse& a : g.eintraege) Eintraege.push_back(std::move(a));
}

std::string TAdressbuch::NurLesbarGrund() const {
    const std::string datei = "Die Datei \"" + Pfad + "\" ";
    if (!lesefehler.empty())
        return datei + "konnte nicht gelesen werden (" + lesefehler +
               "); sie wird nicht überschrieben.";
    return datei + "ist keine Adressgruppe dieser Version (ihre erste Zeile ist nicht \"" +
           adresstexte::Kopfzeile +
           "\"). Sie wird nur gelesen und nicht überschrieben, damit ihre Einträge erhalten "
           "bleiben.";
}

void TAdressbuch::Speichern(const Dateischreiber& schreiben) {
    if (Pfad.empty()) return;
    if (NurLesbar()) throw KalvoraFehler(NurLesbarGrund());
    schreiben(Pfad, GruppendateiText(Eintraege));
    geaendert = false;
}

std::string Sortierschluessel(const TAdresse& a, int spalte) {
    std::vector<int> folge;
    if (spalte <= 0) {
        for (int f = 0; f < AnzahlAdressfelder; ++f) folge.push_back(f);
    } else {
        folge.push_back(spalte);
        for (int f = 1; f < AnzahlAdressfelder; ++f)
            if (f != spalte) folge.push_back(f);
        folge.push_back(0);
    }
    std::string s;
    for (std::size_t k = 0; k < folge.size(); ++k) {
        if (k > 0) s.push_back('#');
        const std::string& text = a[static_cast<std::size_t>(folge[k])];
        FeldAnhaengen(text.empty() ? std::string_view(" ") : std::string_view(text), s);
    }
    return s;
}

void TAdressbuch::Sortieren(int spalte) {
    if (spalte < 0 || spalte >= AnzahlAdressfelder) spalte = adressfeld::Name;
    std::vector<std::pair<std::string, std::size_t>> schluessel;
    schluessel.reserve(Eintraege.size());
    for (std::size_t i = 0; i < Eintraege.size(); ++i)
        schluessel.emplace_back(Sortierschluessel(Eintraege[i], spalte), i);
    // Byte order, as the keys are code-page bytes; equal keys are equal entries.
    std::stable_sort(schluessel.begin(), schluessel.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<TAdresse> sortiert;
    sortiert.reserve(Eintraege.size());
    for (const auto& [s, i] : schluessel) sortiert.push_back(std::move(Eintraege[i]));
    Eintraege = std::move(sortiert);
}

}  // namespace kalvora
