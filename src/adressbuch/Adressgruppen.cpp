#include "adressbuch/Adressgruppen.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "adressbuch/Adressbuch.h"
#include "methoden/Dateilesen.h"
#include "methoden/Fehler.h"

namespace kalvora {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kEndungLaenge = 7;  // ".kvradr"

fs::path Gruppenpfad(const std::string& ordner, const std::string& name) {
    return fs::path(ordner) / (name + adresstexte::Endung);
}

bool Existiert(const fs::path& p) {
    std::error_code f;
    return fs::exists(fs::symlink_status(p, f));
}

}  // namespace

std::string gruppentexte::LoeschenFrage(const std::string& name) {
    return "Wollen Sie die Gruppe \"" + name + "\" wirklich löschen?";
}

std::string gruppentexte::NichtGeloescht(const std::string& name) {
    return "\"" + name + "\" konnte nicht gelöscht werden!";
}

std::string NeuerGruppenname(const std::string& ordner, const std::string& name) {
    std::string vorschlag = name + " (neu)";
    for (int n = 2; Existiert(Gruppenpfad(ordner, vorschlag)) && n < 1000; ++n)
        vorschlag = name + " (neu " + std::to_string(n) + ")";
    return vorschlag;
}

std::vector<Adressgruppe> GruppenImOrdner(const std::string& ordner) {
    std::vector<Adressgruppe> gruppen;
    std::error_code f;
    fs::directory_iterator it(ordner, f);
    if (f) return gruppen;
    for (const auto& e : it) {
        const std::string datei = e.path().filename().string();
        if (datei.size() <= kEndungLaenge ||
            datei.compare(datei.size() - kEndungLaenge, kEndungLaenge, adresstexte::Endung) != 0)
            continue;
        std::error_code g;
        if (e.is_directory(g)) continue;
        gruppen.push_back({datei.substr(0, datei.size() - kEndungLaenge), e.path().string()});
    }
    std::sort(gruppen.begin(), gruppen.end(), [](const Adressgruppe& a, const Adressgruppe& b) {
        return a.name + adresstexte::Endung < b.name + adresstexte::Endung;
    });
    return gruppen;
}

std::vector<std::string> Baumnamen(const std::vector<Adressgruppe>& gruppen, bool gesamt) {
    std::vector<std::string> namen;
    if (gesamt && !gruppen.empty()) namen.emplace_back(adresstexte::Gesamt);
    for (const Adressgruppe& g : gruppen) namen.push_back(g.name);
    return namen;
}

std::string GruppennameFehler(const std::string& name) {
    // The message names every rule below, so that the user can see what to change.
    const std::string nein =
        "Der Gruppenname \"" + name +
        "\" kann kein Dateiname sein. Bitte verwenden Sie keine der Zeichen "
        "/ \\ : * ? \" < > | # und keine Steuerzeichen, beginnen Sie nicht mit einem Punkt "
        "oder Leerzeichen, enden Sie nicht mit einem Punkt oder Leerzeichen und bleiben Sie "
        "unter " + std::to_string(255 - kEndungLaenge + 1) + " Bytes.";
    if (name.empty() || name.front() == '.' || name.find("..") != std::string::npos) return nein;
    if (name.front() == ' ' || name.back() == ' ' || name.back() == '.') return nein;
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F) return nein;
        if (std::string_view("/\\:*?\"<>|#").find(c) != std::string_view::npos) return nein;
    }
    if (name.size() + kEndungLaenge > 255) return nein;
    return {};
}

Gruppenergebnis GruppeAnlegen(const std::string& ordner, const std::string& name,
                              const Dateischreiber& schreiben) {
    if (name.empty()) return {};
    const fs::path pfad = Gruppenpfad(ordner, name);
    if (Existiert(pfad)) return {gruppentexte::Existiert, false};
    if (name == adresstexte::Gesamt) return {gruppentexte::AndererName, false};
    if (std::string fehler = GruppennameFehler(name); !fehler.empty()) return {fehler, false};
    if (schreiben) {
        try {
            schreiben(pfad.string(), {});
        } catch (const std::exception& f) {
            return {"Die Gruppe \"" + name + "\" kann in " + ordner +
                        " nicht angelegt werden: " + f.what(),
                    false};
        }
    } else {
        std::ofstream datei(pfad, std::ios::binary);
        if (!datei)
            return {"Die Gruppe \"" + name + "\" kann in " + ordner +
                        " nicht angelegt werden.",
                    false};
    }
    return {{}, true};
}

Gruppenergebnis GruppeUmbenennen(const std::string& ordner, const std::string& alt,
                                 const std::string& neu, bool gesamtGezeigt) {
    if (gesamtGezeigt && neu == adresstexte::Gesamt)
        return {gruppentexte::AndererNameUmbenennen, true};
    if (neu == alt) return {{}, true};
    if (std::string fehler = GruppennameFehler(neu); !fehler.empty()) return {fehler, true};
    const fs::path ziel = Gruppenpfad(ordner, neu);
    // Renaming replaces an existing file on this system; an existing group is never lost.
    if (Existiert(ziel)) return {gruppentexte::Existiert, true};
    std::error_code f;
    fs::rename(Gruppenpfad(ordner, alt), ziel, f);
    if (f) return {gruppentexte::Existiert, true};
    return {{}, true};
}

Gruppenergebnis GruppeLoeschen(const std::string& ordner, const std::string& name,
                               bool papierkorb,
                               const std::function<bool(const std::string&)>& inPapierkorb) {
    if (name == adresstexte::Gesamt) return {gruppentexte::NichtLoeschbar, false};
    const fs::path pfad = Gruppenpfad(ordner, name);
    bool ok = false;
    if (papierkorb) {
        ok = inPapierkorb && inPapierkorb(pfad.string());
    } else {
        std::error_code f;
        ok = fs::remove(pfad, f) && !f;
    }
    return {ok ? std::string() : gruppentexte::NichtGeloescht(name), true};
}

int GruppendateienMitnehmen(const std::string& alt, const std::string& neu, Dateienmodus m,
                            const Dateischreiber& schreiben) {
    if (m == Dateienmodus::Fix) return 0;
    std::error_code f;
    if (fs::equivalent(alt, neu, f)) return 0;
    // A copy is read as every outside file is and written whole, so a copy broken off never
    // stays behind as a group file that the next change of folder would keep.
    const auto kopieren = [&](const std::string& von, const fs::path& ziel) {
        try {
            schreiben(ziel.string(), DateiEinlesen(von));
            return true;
        } catch (const KalvoraFehler&) {
            return false;
        }
    };
    int anzahl = 0;
    for (const Adressgruppe& g : GruppenImOrdner(alt)) {
        const fs::path ziel = fs::path(neu) / fs::path(g.pfad).filename();
        if (Existiert(ziel)) continue;
        bool ok = false;
        if (m == Dateienmodus::Kopieren) {
            ok = kopieren(g.pfad, ziel);
        } else {
            std::error_code e;
            fs::rename(g.pfad, ziel, e);
            ok = !e;
            if (!ok && kopieren(g.pfad, ziel)) {  // another file system: copy, then remove
                fs::remove(g.pfad, e);
                ok = true;
            }
        }
        if (ok) ++anzahl;
    }
    return anzahl;
}

}  // namespace kalvora
