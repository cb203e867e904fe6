#pragma once
// Direct colour editing of the year view without its widgets: the editing mode, the current
// colour, the painting rule of clicks and drags, the context menu, the legend's colour checks
// and its highlight.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kalender/TKalender.h"
#include "kalender/Tagesfarbbefehle.h"
#include "main/Jahresansicht.h"

namespace kalvora {

namespace farbtexte {
inline constexpr const char* Titel = "Kalvora";
inline constexpr const char* NeuerText = "Neuer Text :";
inline constexpr const char* Schwarz = "Die Farbe \"schwarz\" darf nicht verwendet werden!";
inline constexpr const char* Weiss = "Die Farbe \"weiß\" darf nicht verwendet werden!";
inline constexpr const char* Unbenannt =
    "Diese Farbe ist schon für eine nicht benannte Farbe verwendet!";
// "Diese Farbe ist schon für \"<name>\" verwendet!"
std::string SchonVerwendet(const std::string& name);
inline constexpr const char* FarbeLoeschen = "Farbe löschen";
inline constexpr const char* FarbenLoeschen = "Farben löschen";
inline constexpr const char* NeueFarbe = "neue Farbe";
inline constexpr const char* FarbeHinzufuegen = "eine Farbe hinzufügen";
inline constexpr const char* EineFarbeLoeschen = "eine Farbe löschen";
inline constexpr const char* Geaendert = "geändert";
inline constexpr const char* Schreibgeschuetzt =
    "Der Kalender ist schreibgeschützt und kann nicht geändert werden.";
}  // namespace farbtexte

constexpr uint32_t Weisswert = 0xFFFFFF;
constexpr std::size_t MaxFarbnamenLaenge = 255;

// Days per slot of one year (index 0 unused): the numbers on the legend swatches.
std::array<int, AnzahlFarben + 1> Farbzaehlung(const TKalender& kal, int jahr);

// The cell to redraw after a day's colours changed; nothing when the year is not shown.
std::optional<Rechteck> TagNeuZeichnen(const TJahresansicht& ansicht, int tag, int monat,
                                       int jahr);

// The highlight of a legend colour: the inner rectangle (L + 1, T + 1, R, B) of every day of
// the displayed year that holds the colour; drawn in exclusive-or mode they invert.
std::vector<Rechteck> Blinkzellen(const TJahresansicht& ansicht, const TKalender& kal,
                                  uint32_t farbe);

// The warning for a colour chosen for slot k, nothing when it may be used.
std::optional<std::string> FarbwahlFehler(const TKalender& kal, int slot, uint32_t farbe);

// One of the three submenus of the context menu, shown in the mode without direct changes;
// they run Farbbefehl::Neu, Hinzufuegen and Loeschen (UntermenueBefehle).
struct Kontextuntermenue : Farbuntermenue {
    std::string titel;
    bool sichtbar = false;
};
// The year view's context menu as it is when it opens.
struct Kontextmenue {
    std::string farbeLoeschenTitel;
    bool farbeLoeschenAktiv = false;
    std::vector<Farbmenueeintrag> farben;  // "Farbe1" … "Farbe20", in the colour-menu order
    bool farbenAktiv = true;
    std::array<Kontextuntermenue, 3> unter;
};
// tag: the day under the pointer when the menu opened, if any.
Kontextmenue KontextmenueAufbauen(const TKalender& kal, const std::optional<Datum>& tag,
                                  Farbbearbeitung modus, bool schreibgeschuetzt);

struct AktuelleFarbe {
    uint32_t farbe = Weisswert;  // white: clicks remove colours
    std::string name;
    bool operator==(const AktuelleFarbe&) const = default;
};

// Mode, current colour and direct-editing flag of the main window, and every colour change
// they make to the document. Each change of a day first calls the undo recorder.
class TFarbbearbeitung : private Dokumentbeobachter {
public:
    using Merker = Farbaenderungsmerker;

    // Registers with the document so that a new slot value reaches the current colour.
    // While schreibgeschuetzt says so, every change of the document is refused.
    TFarbbearbeitung(TKalender& kal, Merker farbaenderungMerken,
                     std::function<bool()> schreibgeschuetzt = {});
    ~TFarbbearbeitung();
    TFarbbearbeitung(const TFarbbearbeitung&) = delete;
    TFarbbearbeitung& operator=(const TFarbbearbeitung&) = delete;

    Farbbearbeitung Modus() const { return modus_; }
    bool Direkt() const { return direkt_; }
    const AktuelleFarbe& Aktuell() const { return aktuell_; }

    void ModusSetzen(Farbbearbeitung modus);
    // After a load or a rename: the current colour shows the name of the slot that has it.
    void NameAbgleichen();
    // Legend: a swatch, the current-colour swatch, the check box "Aktuelle Farbe:".
    void FarbfeldKlick(int slot);
    void AktuelleFarbeKlick();
    void KontrollkaestchenKlick(bool angehakt);
    // The answer of the rename box; false when the name stayed the same.
    bool FarbnameSetzen(int slot, const std::string& antwort);
    // A colour the chooser returned: the warning, or nothing when the slot took it (every
    // occurrence of the old value in the document and the undo lists follows).
    std::optional<std::string> FarbwertSetzen(int slot, uint32_t farbe);

    // Whether a left click or drag in the current mode changes a day with this list.
    bool AendertTag(const TTagesfarben& farben) const;
    // A left click or drag over a day; true when the day changed.
    bool DirektMalen(int tag, int monat, int jahr);
    // The colour action of slot k by mode, as the context menu runs it (with undo step).
    bool FarbeAnwenden(int slot, int tag, int monat, int jahr);
    // The submenus of the mode without direct changes.
    bool UntermenueAnwenden(Farbbefehl was, int slot, int tag, int monat, int jahr);
    // "Farbe löschen": the day loses all its colours; false when nothing was changed.
    bool FarbenLoeschen(int tag, int monat, int jahr);

private:
    void FarbwertErsetzt(uint32_t alt, uint32_t neu) override {
        if (aktuell_.farbe == alt) aktuell_.farbe = neu;
    }
    // What a click or drag, or an entry "Farbe1" … "Farbe20", does in the current mode.
    Farbbefehl Befehl() const;
    bool Gesperrt() const { return schreibgeschuetzt_ && schreibgeschuetzt_(); }
    // A day's colours through the one command set, unless the document is read-only.
    bool Aendern(int tag, int monat, int jahr, Farbbefehl befehl, int slot = 0);

    TKalender& kal_;
    Merker merken_;
    std::function<bool()> schreibgeschuetzt_;
    Farbbearbeitung modus_ = Farbbearbeitung::Keine;
    bool direkt_ = false;
    AktuelleFarbe aktuell_;
};

}  // namespace kalvora
