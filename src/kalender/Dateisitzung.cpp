#include "kalender/Dateisitzung.h"

#include <filesystem>
#include <system_error>

#include "kalender/Kalenderdatei.h"
#include "kalender/Speicherhindernisse.h"
#include "methoden/Fehler.h"
#include "methoden/Methoden.h"
#include "methoden/Systemfehler.h"

namespace kalvora {

namespace sitzungstexte {
std::string KeineKalvoradatei(const std::string& pfad) {
    return "Die Datei \"" + pfad + "\" ist keine Kalvoradatei";
}
std::string SchonGeoeffnet(const std::string& pfad) {
    return "Die Datei \"" + pfad +
           "\" ist schon geöffnet!\r\nWollen Sie sie schreibgeschützt öffnen?";
}
std::string NichtBearbeitbar(const std::string& pfad) {
    return "Die Datei \"" + pfad + "\" kann leider nicht bearbeitet werden";
}
std::string InBenutzung(const std::string& pfad) {
    return "Die Datei " + pfad + " ist bereits in Benutzung, wollen sie es erneut versuchen?";
}
std::string NichtSperrbar(const std::string& pfad, const std::string& grund) {
    return "Die Datei \"" + pfad + "\" kann hier nicht für andere Kopien von Kalvora gesperrt "
           "werden (" + grund + ").\r\nSie wird deshalb schreibgeschützt geöffnet.";
}
std::string OrtNichtSperrbar(const std::string& pfad, const std::string& grund) {
    return "Am Ort von \"" + pfad + "\" kann Kalvora keine Sperrdatei anlegen (" + grund +
           ").\r\nBitte wählen Sie einen anderen Ort.";
}
std::string TeilweiseImportiert(const std::string& meldung) {
    return meldung +
           "\r\n\r\nDie Zeilen vor dieser Zeile wurden übernommen. Die Datei selbst bleibt "
           "unverändert; der Kalender ist jetzt unbenannt und kann mit \"Speichern unter\" "
           "gespeichert werden.";
}
}  // namespace sitzungstexte

namespace {

namespace fs = std::filesystem;
namespace t = sitzungstexte;

// The extension with its dot, from the last dot of the file name ("" without one).
std::string Endung(const std::string& pfad) {
    const auto schraeg = pfad.find_last_of('/');
    const auto name = schraeg == std::string::npos ? 0 : schraeg + 1;
    const auto punkt = pfad.find_last_of('.');
    if (punkt == std::string::npos || punkt < name) return {};
    return pfad.substr(punkt);
}

// Lower case for comparing paths the way the recent-file list does: ASCII and the Latin-1
// letters À..Þ (UTF-8 C3 80..C3 9E, without ×).
std::string Kleingeschrieben(const std::string& text) {
    std::string k = text;
    for (std::size_t i = 0; i < k.size(); ++i) {
        const auto c = static_cast<unsigned char>(k[i]);
        if (c >= 'A' && c <= 'Z') {
            k[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < k.size()) {
            const auto d = static_cast<unsigned char>(k[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) k[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        }
    }
    return k;
}

// A reader's message ("Zeile 3: …") names the file it is about.
std::string MitDateiname(const std::string& pfad, const std::string& meldung) {
    if (meldung.find(pfad) != std::string::npos) return meldung;
    return "Die Datei \"" + pfad + "\" kann nicht gelesen werden:\r\n" + meldung;
}

bool Existiert(const std::string& pfad) {
    std::error_code ec;
    return !pfad.empty() && fs::exists(fs::path(pfad), ec);
}

std::string Ordner(const std::string& pfad) {
    return fs::path(pfad).parent_path().string();
}

// Runs on every way out of a command.
template <typename F>
class Schluss {
public:
    explicit Schluss(F f) : f_(std::move(f)) {}
    ~Schluss() { f_(); }
    Schluss(const Schluss&) = delete;
    Schluss& operator=(const Schluss&) = delete;

private:
    F f_;
};

}  // namespace

namespace {

// The path with every symbolic link resolved. weakly_canonical stops at the first name that
// does not exist; when that name is a link whose target does not exist yet (a link to a
// calendar still to be saved), its target is read and resolved in turn. Empty when the path
// cannot be resolved (a loop of links, a folder that cannot be searched).
fs::path Aufgeloest(const fs::path& pfad) {
    std::error_code ec;
    fs::path p = fs::absolute(pfad, ec);
    if (ec) return {};
    // As many links as the system follows in one path.
    for (int sprung = 0; sprung < 40; ++sprung) {
        p = fs::weakly_canonical(p, ec);
        if (ec) return {};
        fs::path vorn, rest;
        bool link = false;
        for (const fs::path& teil : p) {
            if (link) {
                rest /= teil;
                continue;
            }
            const fs::path naechst = vorn / teil;
            const fs::file_status st = fs::symlink_status(naechst, ec);
            if (st.type() == fs::file_type::not_found) return p;
            if (ec) return {};
            if (st.type() == fs::file_type::symlink) {
                // Existing targets are resolved already, so this link dangles.
                const fs::path ziel = fs::read_symlink(naechst, ec);
                if (ec) return {};
                vorn = ziel.is_absolute() ? ziel : vorn / ziel;
                link = true;
                continue;
            }
            vorn = naechst;
        }
        if (!link) return p;
        p = rest.empty() ? vorn : vorn / rest;
    }
    return {};
}

}  // namespace

std::string SperrdateiFuer(const std::string& pfad) {
    const fs::path echt = Aufgeloest(fs::path(pfad));
    return Sperrdateiname(echt.empty() ? pfad : echt.string());
}

Dateisitzung::Dateisitzung(TKalender& kal, Dialoge& dialoge, Dateisperre& sperre,
                           Kalenderspeicher& speicher, Speicherplatz& platz,
                           LetzteDateienAblage& letzteAblage, TFarbwerte* legende,
                           TFarbhistorie* historie)
    : kal_(kal),
      dialoge_(dialoge),
      sperrdienst_(sperre),
      speicher_(speicher),
      platz_(platz),
      letzteAblage_(letzteAblage),
      legende_(legende),
      historie_(historie),
      fenster_(&standardfenster_) {}

Dateisitzung::~Dateisitzung() = default;

void Dateisitzung::FensterSetzen(Sitzungsfenster* fenster) {
    fenster_ = fenster ? fenster : &standardfenster_;
}

std::string Dateisitzung::Fenstertitel() const {
    if (dateiname_.empty()) return t::Unbenannt;
    std::string titel = t::TitelAnfang + dateiname_;
    if (schreibgeschuetzt_) titel += t::SchreibschutzZusatz;
    return titel;
}

std::string Dateisitzung::Anwendungstitel(int jahr) const {
    std::string titel = t::TitelAnfang + std::to_string(jahr);
    if (IstSchaltjahr(jahr)) titel += t::Schaltjahr;
    if (!dateiname_.empty()) {
        const std::string fenster = Fenstertitel();
        titel += " - " + fenster.substr(std::string(t::TitelAnfang).size());
    }
    return titel;
}

Fensterzustand Dateisitzung::Zustand() const {
    Fensterzustand z;
    const bool offen = !dateiname_.empty();
    z.fenstertitel = Fenstertitel();
    z.schreibschutzHaken = schreibgeschuetzt_;
    z.schreibschutzAktiv = offen;
    z.aktualisierenAktiv = schreibgeschuetzt_ && !laedt_;
    z.schliessenAktiv = offen;
    z.bearbeitbar = !schreibgeschuetzt_;
    if (schreibgeschuetzt_ && optionen.Art != 0 && offen)
        z.aktualisierenIntervallMs = optionen.Intervall * 60000;
    // An untitled document is not saved automatically: that would put the save dialog up
    // every few minutes.
    if (!schreibgeschuetzt_ && optionen.autosave && offen)
        z.speichernIntervallMs = optionen.sIntervall * 60000;
    return z;
}

void Dateisitzung::FensterZustandMelden() { fenster_->ZustandAnwenden(Zustand()); }

void Dateisitzung::DokumentErsetztMelden() {
    kal_.Beobachter().Melden([](Dokumentbeobachter& b) { b.DokumentErsetzt(); });
}

void Dateisitzung::LadenAbschliessen(bool geaendert) {
    TFarbwerte standard = kal_.Standardfarben;
    kal_.FarbtabelleAbgleichen(legende_ ? *legende_ : standard);
    kal_.GeaendertSetzen(geaendert);
    DokumentErsetztMelden();
}

void Dateisitzung::SchreibschutzAnwenden() {
    if (schreibgeschuetzt_) HistorieLeeren();
    FensterZustandMelden();
}

Dateidialog Dateisitzung::Dialog(const std::string& vorschlag) const {
    Dateidialog d;
    d.filter = t::Filter;
    d.standardendung = t::Endung;
    d.vorschlag = vorschlag;
    if (!dateiname_.empty()) d.ordner = Ordner(dateiname_);
    d.pruefen = true;
    return d;
}

bool Dateisitzung::Neu1Click() {
    if (kal_.geaendert) {
        const Antwort a = dialoge_.Meldung(t::AenderungenSpeichern, Meldungsart::Bestaetigung,
                                           Knoepfe::JaNeinAbbrechen);
        if (a == Antwort::Abbrechen) {
            fenster_->FarbmenusAktualisieren();
            SchreibschutzAnwenden();
            return false;
        }
        // A save that failed or was cancelled must not be followed by dropping the document.
        if (a == Antwort::Ja && (!speichern1Click() || kal_.geaendert)) return false;
    }
    altformat_ = false;
    sperre_.reset();
    if (!dateiname_.empty()) sperrdienst_.Loeschen(SperrdateiFuer(dateiname_));
    schreibgeschuetzt_ = false;
    dateiname_.clear();
    reparaturAbgelehnt_ = false;
    // Settings first: the empty document takes the default colours just reloaded.
    fenster_->NeuInitialisieren();
    kal_.Leeren();
    kal_.GeaendertSetzen(false);
    DokumentErsetztMelden();
    SchreibschutzAnwenden();
    fenster_->FarbbearbeitungWiederherstellen();
    fenster_->JahresansichtNeuZeichnen();
    return true;
}

bool Dateisitzung::DirektOeffnen(const std::string& pfad) {
    direktOeffnen_ = true;
    zuOeffnen_ = pfad;
    return Oeffnen(false);
}

bool Dateisitzung::LetzteDateiOeffnen(int nummer) {
    if (nummer < 1 || nummer > static_cast<int>(letzte_.size())) return false;
    if (letzte_[nummer - 1].empty()) return false;
    return DirektOeffnen(letzte_[nummer - 1]);
}

bool Dateisitzung::Oeffnen(bool ausSchreibschutz) {
    fenster_->ZeitgeberStoppen();
    Schluss schluss([&] {
        direktOeffnen_ = false;
        fenster_->Beschaeftigt(false);
        SchreibschutzAnwenden();
    });
    // After "Ja" and a successful save the command starts over, so it asks again if the
    // document was changed meanwhile.
    while (kal_.geaendert) {
        const Antwort a = dialoge_.Meldung(t::AenderungenSpeichern, Meldungsart::Bestaetigung,
                                           Knoepfe::JaNeinAbbrechen);
        if (a == Antwort::Abbrechen) return false;
        if (a == Antwort::Ja) {
            if (!speichern1Click()) return false;
            fenster_->ZeitgeberStoppen();
        } else {
            kal_.GeaendertSetzen(false);
        }
    }
    return OeffnenSchritte(ausSchreibschutz);
}

bool Dateisitzung::OeffnenSchritte(bool ausSchreibschutz) {
    std::string pfad;
    bool nurLesenGewaehlt = false;
    if (direktOeffnen_) {
        pfad = zuOeffnen_;
    } else {
        Dateidialog d = Dialog(t::Vorschlag);
        d.schreibschutzAnbieten = true;
        const auto wahl = dialoge_.DateiOeffnen(d);
        if (!wahl) return false;
        pfad = wahl->pfad;
        nurLesenGewaehlt = wahl->schreibgeschuetzt;
    }
    if (pfad.empty()) return false;

    const std::string endung = Endung(pfad);
    if (endung == ".kvradr" && fenster_->AdressbuchOeffnen(pfad)) return true;
    if (endung != ".kvr") {
        dialoge_.Meldung(t::KeineKalvoradatei(pfad));
        return false;
    }

    if (!dateiname_.empty() && !ausSchreibschutz) {
        if (!Schlieen1Click()) return false;
    }

    const bool warSchreibgeschuetzt = schreibgeschuetzt_;
    bool nurLesen = (!ausSchreibschutz && optionen.alleSchreibgeschuetzt) || nurLesenGewaehlt;
    std::unique_ptr<Sperre> neueSperre;
    if (!nurLesen) {
        // Only a lock file nobody holds goes away here; a held one belongs to another copy.
        if (!dateiname_.empty()) sperrdienst_.Loeschen(SperrdateiFuer(dateiname_));
        Sperrversuch versuch = sperrdienst_.Versuchen(SperrdateiFuer(pfad));
        neueSperre = std::move(versuch.sperre);
        if (!neueSperre && !versuch.belegt) {
            // Nobody else has the file; it just cannot be locked here (a read-only folder).
            nurLesen = true;
            dialoge_.Meldung(t::NichtSperrbar(pfad, versuch.grund), Meldungsart::Warnung,
                             Knoepfe::Ok);
        } else if (!neueSperre) {
            nurLesen = true;
            if (ausSchreibschutz) {
                dialoge_.Meldung(t::NichtBearbeitbar(pfad));
            } else if (!optionen.keineSchutzmeldung) {
                const Antwort a = dialoge_.Meldung(t::SchonGeoeffnet(pfad), Meldungsart::Warnung,
                                                   Knoepfe::JaNein);
                if (a != Antwort::Ja) {
                    Neu1Click();
                    return false;
                }
            }
        }
    }

    HistorieLeeren();
    fenster_->Beschaeftigt(true);
    fenster_->Fortschritt(0);

    if (pfad != dateiname_ && !warSchreibgeschuetzt && !dateiname_.empty()) {
        sperre_.reset();
        sperrdienst_.Loeschen(SperrdateiFuer(dateiname_));
    }
    if (neueSperre) sperre_ = std::move(neueSperre);
    else if (nurLesen) sperre_.reset();
    dateiname_ = pfad;
    schreibgeschuetzt_ = nurLesen;
    return Laden(true);
}

bool Dateisitzung::Laden(bool ausOeffnen) {
    laedt_ = true;
    FensterZustandMelden();
    Schluss schluss([&] {
        laedt_ = false;
        FensterZustandMelden();
    });
    Ladeergebnis ergebnis;
    reparaturAbgelehnt_ = false;
    try {
        ergebnis = speicher_.Laden(kal_, dateiname_,
                                   [this](int p) { fenster_->Fortschritt(p); });
    } catch (const TeilweiseGelesen& e) {
        TeilweiseGelesenBehalten(MitDateiname(dateiname_, Fehlertext(e)));
        return false;
    } catch (const std::exception& e) {
        // Keeping a half-read document under the file's name would let the next save
        // overwrite the rest of the file with it, so the session starts a new document
        // and the file is never written from this one.
        fenster_->Beschaeftigt(false);
        const std::string meldung = MitDateiname(dateiname_, Fehlertext(e));
        sperre_.reset();
        dateiname_.clear();
        schreibgeschuetzt_ = false;
        dialoge_.Meldung(meldung, Meldungsart::Fehler, Knoepfe::Ok);
        kal_.GeaendertSetzen(false);
        Neu1Click();
        return false;
    }
    if (ergebnis == Ladeergebnis::NichtLesbar) return false;
    altformat_ = ergebnis == Ladeergebnis::Binaer;
    LetzteDateienAktualisieren(dateiname_);
    LadenAbschliessen(false);
    if (ausOeffnen) {
        fenster_->Beschaeftigt(false);
        fenster_->Fortschritt(0);
        const bool startcode = startcodeOffen_;
        startcodeOffen_ = false;
        // Started with "mini", the start view comes up without the year view painted first.
        if (!(startcode && startcode_ == "mini")) fenster_->JahresansichtNeuZeichnen();
        fenster_->NachDemOeffnen();
        if (startcode) fenster_->StartcodeAnwenden(startcode_);
    } else {
        fenster_->JahresansichtNeuZeichnen();
    }
    return true;
}

bool Dateisitzung::speichern1Click() {
    if (dateiname_.empty()) return speichernunter1Click();
    if (schreibgeschuetzt_) {
        dialoge_.Meldung(t::NichtUeberschreiben);
        return false;
    }
    // The old file is untouched after a failure; the user learns that the changes are not
    // on disk.
    if (!SpeichernNach(dateiname_)) return false;
    if (sperre_) sperre_->Erneuern();
    if (altformat_) {
        std::error_code ec;
        fs::remove(fs::path(dateiname_ + ".TxT"), ec);
        altformat_ = false;
    }
    kal_.GeaendertSetzen(false);
    fenster_->StatusTextLeeren();
    fenster_->Beschaeftigt(false);
    FensterZustandMelden();
    return true;
}

bool Dateisitzung::speichernunter1Click() {
    fenster_->ZeitgeberStoppen();
    Schluss schluss([&] { SchreibschutzAnwenden(); });
    const std::string vorschlag =
        dateiname_.empty() ? std::string(t::Vorschlag) : fs::path(dateiname_).filename().string();
    for (;;) {
        const auto wahl = dialoge_.DateiSpeichern(Dialog(vorschlag));
        if (!wahl || wahl->empty()) return false;
        const std::string pfad = *wahl;
        if (schreibgeschuetzt_ && pfad == dateiname_) {
            dialoge_.Meldung(t::NichtUeberschreiben);
            continue;
        }
        const auto frei = platz_.FreieBytes(Ordner(pfad));
        if (frei && *frei < kMindestSpeicherplatz) {
            dialoge_.Meldung(t::KeinPlatz);
            continue;
        }
        const bool warSchreibbar = !schreibgeschuetzt_ && sperre_ != nullptr;
        sperre_.reset();
        Sperrversuch versuch = sperrdienst_.Versuchen(SperrdateiFuer(pfad));
        auto neue = std::move(versuch.sperre);
        if (!neue) {
            if (warSchreibbar) {
                sperre_ = sperrdienst_.Anlegen(SperrdateiFuer(dateiname_));
                // Another copy took the old file in the meantime: this one may no longer write.
                if (!sperre_) schreibgeschuetzt_ = true;
            }
            if (!versuch.belegt) {
                dialoge_.Meldung(t::OrtNichtSperrbar(pfad, versuch.grund), Meldungsart::Warnung,
                                 Knoepfe::Ok);
                continue;
            }
            if (dialoge_.Meldung(t::InBenutzung(pfad), Meldungsart::Warnung, Knoepfe::JaNein) ==
                Antwort::Ja)
                continue;
            return false;
        }
        sperre_ = std::move(neue);
        const bool warSchreibgeschuetzt = schreibgeschuetzt_;
        schreibgeschuetzt_ = false;
        if (!SpeichernNach(pfad)) {
            // Back to the old file as it was.
            sperre_.reset();
            schreibgeschuetzt_ = warSchreibgeschuetzt;
            if (warSchreibbar) {
                sperre_ = sperrdienst_.Anlegen(SperrdateiFuer(dateiname_));
                if (!sperre_) schreibgeschuetzt_ = true;
            }
            return false;
        }
        sperre_->Erneuern();
        if (altformat_ && pfad == dateiname_) {
            std::error_code ec;
            fs::remove(fs::path(dateiname_ + ".TxT"), ec);
        }
        altformat_ = false;
        kal_.GeaendertSetzen(false);
        fenster_->StatusTextLeeren();
        LetzteDateienAktualisieren(pfad);
        dateiname_ = pfad;
        return true;
    }
}

bool Dateisitzung::SpeichernNach(const std::string& pfad) {
    fenster_->Beschaeftigt(true);
    Schluss schluss([&] { fenster_->Beschaeftigt(false); });
    const auto schreiben = [&] {
        speicher_.Speichern(kal_, pfad, [this](int p) { fenster_->Fortschritt(p); });
    };
    std::vector<std::string> aenderungen;
    try {
        schreiben();
        return true;
    } catch (const std::exception& e) {
        // A document read from a file may hold items the file cannot store unchanged; the
        // user is asked to save them repaired instead of being locked out.
        aenderungen = SpeicherhindernisseBeheben(kal_, false);
        if (aenderungen.empty()) {
            fenster_->Beschaeftigt(false);
            dialoge_.Meldung(Fehlertext(e), Meldungsart::Fehler, Knoepfe::Ok);
            return false;
        }
    }
    // Once declined, the automatic save stays quiet instead of asking every few minutes.
    if (reparaturAbgelehnt_ && automatisch_) return false;
    fenster_->Beschaeftigt(false);
    if (dialoge_.Meldung(ReparaturFrage(aenderungen), Meldungsart::Bestaetigung,
                         Knoepfe::JaNein) != Antwort::Ja) {
        reparaturAbgelehnt_ = true;
        return false;
    }
    SpeicherhindernisseBeheben(kal_, true);
    fenster_->JahresansichtNeuZeichnen();
    fenster_->Beschaeftigt(true);
    try {
        schreiben();
        return true;
    } catch (const std::exception& e) {
        fenster_->Beschaeftigt(false);
        dialoge_.Meldung(Fehlertext(e), Meldungsart::Fehler, Knoepfe::Ok);
        return false;
    }
}

void Dateisitzung::TeilweiseGelesenBehalten(const std::string& meldung) {
    // What was read stays, but not under the file's name: saving it there would lose the
    // lines after the fault.
    fenster_->Beschaeftigt(false);
    sperre_.reset();
    if (!dateiname_.empty()) sperrdienst_.Loeschen(SperrdateiFuer(dateiname_));
    dateiname_.clear();
    schreibgeschuetzt_ = false;
    altformat_ = false;
    LadenAbschliessen(true);
    dialoge_.Meldung(t::TeilweiseImportiert(meldung), Meldungsart::Fehler, Knoepfe::Ok);
    fenster_->JahresansichtNeuZeichnen();
}

bool Dateisitzung::Schlieen1Click() {
    fenster_->TagesdialogUebernehmen();
    if (kal_.geaendert) {
        const Antwort a = dialoge_.Meldung(t::AenderungenSpeichern, Meldungsart::Bestaetigung,
                                           Knoepfe::JaNein);
        // Without a cancel button, a failed save keeps the document open rather than lose it.
        if (a == Antwort::Ja && !speichern1Click()) return false;
    }
    kal_.GeaendertSetzen(false);
    return Neu1Click();
}

bool Dateisitzung::Schreibschutz1Click() {
    if (dateiname_.empty()) return false;
    if (!schreibgeschuetzt_) {
        if (kal_.geaendert && !speichern1Click()) return false;
        schreibgeschuetzt_ = true;
        SchreibschutzAnwenden();
        sperre_.reset();
        return true;
    }
    direktOeffnen_ = true;
    zuOeffnen_ = dateiname_;
    return Oeffnen(true) && !schreibgeschuetzt_;
}

bool Dateisitzung::SchreibschutzUmschaltbar() {
    if (dateiname_.empty()) return false;
    return !(schreibgeschuetzt_ && sperrdienst_.Gehalten(SperrdateiFuer(dateiname_)));
}

void Dateisitzung::LetzteDateienAktualisieren(const std::string& pfad) {
    letzte_ = letzteAblage_.Lesen();
    if (!pfad.empty()) {
        const std::string gesucht = Kleingeschrieben(pfad);
        std::size_t p = letzte_.size() - 1;
        for (std::size_t i = 0; i < letzte_.size(); ++i) {
            if (Kleingeschrieben(letzte_[i]) == gesucht) {
                p = i;
                break;
            }
        }
        for (std::size_t i = p; i > 0; --i) letzte_[i] = letzte_[i - 1];
        letzte_[0] = pfad;
    }
    for (std::size_t i = 0; i < letzte_.size() && !letzte_[i].empty();) {
        if (Existiert(letzte_[i])) {
            ++i;
            continue;
        }
        for (std::size_t j = i; j + 1 < letzte_.size(); ++j) letzte_[j] = letzte_[j + 1];
        letzte_.back().clear();
    }
    fenster_->LetzteDateienZeigen(letzte_);
    letzteAblage_.Schreiben(letzte_);
}

void Dateisitzung::LetzteDateienLeeren() {
    letzte_ = {};
    letzteAblage_.Schreiben(letzte_);
    fenster_->LetzteDateienZeigen(letzte_);
}

void Dateisitzung::schreibschutztimerTimer() {
    if (!schreibgeschuetzt_ || dateiname_.empty()) return;
    // An open window that shows the document reloads as its subscriber.
    Laden(false);
}

void Dateisitzung::autosavetimerTimer() {
    if (schreibgeschuetzt_ || dateiname_.empty()) return;
    fenster_->ZeitgeberStoppen();
    automatisch_ = true;
    speichern1Click();
    automatisch_ = false;
    FensterZustandMelden();
}

bool Dateisitzung::BeendenClick() {
    if (kal_.geaendert) {
        const Antwort a = dialoge_.Meldung(t::AenderungenSpeichern, Meldungsart::Bestaetigung,
                                           Knoepfe::JaNeinAbbrechen);
        if (a == Antwort::Abbrechen) return false;
        if (a == Antwort::Nein) kal_.GeaendertSetzen(false);
        else if (!speichern1Click() || kal_.geaendert) return false;
    }
    return true;
}

bool Dateisitzung::FormCloseQuery() {
    if (!kal_.geaendert) return true;
    const Antwort a = dialoge_.Meldung(t::AenderungenSpeichernBeimSchliessen,
                                       Meldungsart::Bestaetigung, Knoepfe::JaNeinAbbrechen);
    if (a == Antwort::Abbrechen) return false;
    if (a == Antwort::Ja) return speichern1Click() && !kal_.geaendert;
    return true;
}

void Dateisitzung::FormClose() {
    fenster_->ZeitgeberStoppen();
    HistorieLeeren();
    sperre_.reset();
    if (!dateiname_.empty()) sperrdienst_.Loeschen(SperrdateiFuer(dateiname_));
    dateiname_.clear();
}

void Dateisitzung::SitzungEnde() {
    if (!dateiname_.empty()) {
        Schlieen1Click();
    } else if (kal_.geaendert) {
        // An untitled document would be lost without a word; it gets the question that
        // "Schließen" asks for a file.
        if (dialoge_.Meldung(t::AenderungenSpeichern, Meldungsart::Bestaetigung,
                             Knoepfe::JaNein) == Antwort::Ja)
            speichern1Click();
    }
    kal_.GeaendertSetzen(false);
    // Whatever happened above, the lock must not outlive the session.
    sperre_.reset();
}

void Dateisitzung::StartcodeSetzen(const std::string& code) {
    startcode_ = code;
    startcodeOffen_ = true;
}

}  // namespace kalvora
