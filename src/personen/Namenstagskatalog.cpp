#include "personen/Namenstagskatalog.h"

#include <algorithm>

#include "kalender/Zeilenleser.h"
#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"

namespace kalvora {

namespace {

constexpr std::array<int, 12> kTage = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Character-wise reading of the file as a text file is read: the position stands inside a
// line; a line ends at LF. CR is never part of a name, wherever it stands, so CR LF, bare
// LF and a CR before the end of the file read alike.
class Textposition {
public:
    explicit Textposition(std::string_view daten) : daten_(daten) {}
    bool Dateiende() const { return pos_ >= daten_.size(); }
    bool Zeilenende() const { return Dateiende() || daten_[pos_] == '\n'; }
    void RestDerZeile() {
        while (!Dateiende() && daten_[pos_] != '\n') ++pos_;
        if (!Dateiende()) ++pos_;
    }
    char Zeichen() { return daten_[pos_++]; }
    // The characters up to the next one of "\r\n[," (or the end), taken at once.
    std::string_view Lauf() {
        const std::size_t ende = std::min(daten_.find_first_of("\r\n[,", pos_), daten_.size());
        const std::string_view lauf = daten_.substr(pos_, ende - pos_);
        pos_ = ende;
        return lauf;
    }

private:
    std::string_view daten_;
    std::size_t pos_ = 0;
};

enum class Tagesende { Zeile, Monat };

// One day line into roh (Windows-1252 bytes, one entry per name).
Tagesende TagLesen(Textposition& t, bool ersterTag, std::vector<std::string>& roh) {
    while (!t.Zeilenende()) {
        if (const std::string_view lauf = t.Lauf(); !lauf.empty()) {
            if (roh.empty()) roh.emplace_back();
            roh.back() += lauf;
            continue;
        }
        const char c = t.Zeichen();
        if (c == '\r') continue;
        if (c == '[') {
            if (!ersterTag) return Tagesende::Monat;
            // A month heading: its line is skipped and the next line is still day 1.
            t.RestDerZeile();
            continue;
        }
        // What is left is a comma: it ends a name, an empty one when the line starts with it.
        if (roh.empty()) roh.emplace_back();
        roh.emplace_back();
        // The blank after the comma; never the line end, so that a comma at the end of a
        // line cannot pull the next day into this one.
        if (!t.Zeilenende()) t.Zeichen();
    }
    return Tagesende::Zeile;
}

}  // namespace

int Namenstagskatalog::Tage(int monat) {
    return monat >= 1 && monat <= 12 ? kTage[static_cast<std::size_t>(monat - 1)] : 0;
}

bool Namenstagskatalog::TagGibtEs(int tag, int monat) { return tag >= 1 && tag <= Tage(monat); }

std::array<std::vector<std::vector<std::string>>, 12> Namenstagskatalog::Slots() {
    std::array<std::vector<std::vector<std::string>>, 12> m;
    for (std::size_t i = 0; i < m.size(); ++i) m[i].resize(static_cast<std::size_t>(kTage[i]));
    return m;
}

const std::vector<std::string>& Namenstagskatalog::Namen(int tag, int monat) const {
    static const std::vector<std::string> keine;
    if (!TagGibtEs(tag, monat)) return keine;
    return monate_[static_cast<std::size_t>(monat - 1)][static_cast<std::size_t>(tag - 1)];
}

std::vector<std::string>& Namenstagskatalog::Namen(int tag, int monat) {
    if (!TagGibtEs(tag, monat))
        throw Bereichsfehler("Kein Tag des Namenstagskatalogs: " + std::to_string(tag) + "." +
                             std::to_string(monat) + ".");
    return monate_[static_cast<std::size_t>(monat - 1)][static_cast<std::size_t>(tag - 1)];
}

std::size_t Namenstagskatalog::Namensanzahl() const {
    std::size_t n = 0;
    for (const auto& monat : monate_)
        for (const auto& tag : monat) n += tag.size();
    return n;
}

void Namenstagskatalog::Leeren() { monate_ = Slots(); }

Namenstagskatalog NamenstageAusText(std::string_view bytes) {
    Namenstagskatalog k;
    Textposition t(bytes);
    t.RestDerZeile();
    t.RestDerZeile();
    std::vector<std::string> roh;
    for (int monat = 1; monat <= 12; ++monat) {
        if (monat > 1) t.RestDerZeile();
        for (int tag = 1; tag <= Namenstagskatalog::Tage(monat); ++tag) {
            if (t.Dateiende()) break;
            if (tag > 1) t.RestDerZeile();
            roh.clear();
            const Tagesende ende = TagLesen(t, tag == 1, roh);
            auto& namen = k.Namen(tag, monat);
            namen.reserve(roh.size());
            for (const auto& r : roh) namen.push_back(Text(r));
            if (ende == Tagesende::Monat) break;
        }
    }
    return k;
}

Katalogladung NamenstageLaden(const std::vector<std::string>& ordner) {
    Katalogladung l;
    for (const auto& o : ordner) {
        if (o.empty()) continue;
        const std::string pfad = o.back() == '/' ? o + kKatalogdatei : o + "/" + kKatalogdatei;
        if (DateiFehlt(pfad)) continue;
        l.pfad = pfad;
        try {
            l.katalog = NamenstageAusText(DateiEinlesen(pfad, kGroessterKatalog));
        } catch (const KalvoraFehler& e) {
            l.fehlerhaft = true;
            l.ursache = e.what();
        }
        break;
    }
    return l;
}

std::vector<std::string> Katalogordner(const std::string& programmordner) {
    // Beside the program (its build folder), then the share folder of its own prefix (an
    // installation anywhere), then the system's.
    if (programmordner.empty()) return {"/usr/local/share/kalvora", "/usr/share/kalvora"};
    return {programmordner, programmordner + "/../share/kalvora", "/usr/local/share/kalvora",
            "/usr/share/kalvora"};
}

}  // namespace kalvora
