#pragma once
// The groups of the address directory: the group files "*.kvradr" in file-name order, the
// pseudo group of the whole book, and creating, renaming and deleting a group with the
// messages the user sees. Group names become file names, so a name that cannot be one is
// refused before anything is touched.
#include <functional>
#include <string>
#include <vector>

#include "adressbuch/Adressbuch.h"
#include "platform/Dateischreiber.h"

namespace kalvora {

struct Adressgruppe {
    std::string name;  // the file name without ".kvradr"
    std::string pfad;
};

// The group files of the folder, ordered byte-wise by file name; an unreadable folder has
// none.
std::vector<Adressgruppe> GruppenImOrdner(const std::string& ordner);

// The names of the tree: the pseudo group first when gesamt is set and a group exists.
std::vector<std::string> Baumnamen(const std::vector<Adressgruppe>& gruppen, bool gesamt);

namespace gruppentexte {
inline constexpr const char* Titel = "Adressbuch";
inline constexpr const char* NeuAufforderung = "Neue Gruppe :";
inline constexpr const char* UmbenennenAufforderung = "Gruppe umbenennen";
inline constexpr const char* AndererName = "Bitte wählen sie einen anderen Namen";
inline constexpr const char* AndererNameUmbenennen = "Bitte wählen sie einen anderen Namen!";
inline constexpr const char* Existiert = "Datei existiert schon!";
inline constexpr const char* NichtLoeschbar = "Diese Gruppe kann nicht gelöscht werden";
std::string LoeschenFrage(const std::string& name);
std::string NichtGeloescht(const std::string& name);
// After the reason why a group file is only read, before the new group's name is asked for.
inline constexpr const char* AenderungInNeueGruppe =
    "Die Änderung wird stattdessen in eine neue Gruppe geschrieben. Bitte geben Sie im "
    "nächsten Schritt ihren Namen an.";
}  // namespace gruppentexte

// The name offered for the new group that takes the changes of a group only read: the old
// name with " (neu)", or " (neu 2)" and so on when such a file exists already.
std::string NeuerGruppenname(const std::string& ordner, const std::string& name);

// Empty when the name can be a group's file name; otherwise the message that refuses it
// (a path separator, "..", a leading dot, control characters or characters that no file
// name on the other systems the files travel to may hold).
std::string GruppennameFehler(const std::string& name);

// The outcome of a group command: the message to show (empty: none) and whether the window
// is to be rebuilt.
struct Gruppenergebnis {
    std::string meldung;
    bool neuAufbauen = false;
};

// The new, empty file is written through schreiben when given (the program's atomic
// writer), else created directly.
Gruppenergebnis GruppeAnlegen(const std::string& ordner, const std::string& name,
                              const Dateischreiber& schreiben = {});
// gesamtGezeigt: the tree offers the pseudo group, whose name is then taken.
Gruppenergebnis GruppeUmbenennen(const std::string& ordner, const std::string& alt,
                                 const std::string& neu, bool gesamtGezeigt);
// After the question was answered with Yes. inPapierkorb moves a file to the trash (false
// when it could not); without papierkorb the file is deleted for good.
Gruppenergebnis GruppeLoeschen(const std::string& ordner, const std::string& name,
                               bool papierkorb,
                               const std::function<bool(const std::string&)>& inPapierkorb);

// What a new address directory does to the group files of the old one.
enum class Dateienmodus { Fix = 0, Kopieren = 1, Verschieben = 2 };
// Copies or moves every group file (a copy written with schreiben, the atomic writer); a file
// of that name in the new folder stays, errors of single files are passed over. Returns the
// number of files handled.
int GruppendateienMitnehmen(const std::string& alt, const std::string& neu, Dateienmodus m,
                            const Dateischreiber& schreiben);

}  // namespace kalvora
