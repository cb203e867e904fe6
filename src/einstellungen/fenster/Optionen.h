#pragma once
// The dialog "Optionen": twelve pages built from the table of controls, "OK", "Abbruch",
// "Übernehmen" and "Hilfe". It edits the core's settings; the caller applies what running
// windows do not re-read themselves (hook angewendet).
#include <QDialog>
#include <QSpinBox>
#include <functional>
#include <map>
#include <string>

#include "einstellungen/Optionenseiten.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;

namespace kalvora {

class Anwendungskern;
class Autostart;
class Dateisitzung;

// A number field that takes any whole number typed, so that a value outside the range can
// be refused with a message instead of being pulled back silently; its arrows stay inside.
class TZahlfeld : public QSpinBox {
    Q_OBJECT
public:
    TZahlfeld(int von, int bis, QWidget* eltern);
    int Von() const { return von_; }
    int Bis() const { return bis_; }
    void stepBy(int schritte) override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int von_, bis_;
};

class TOptionen : public QDialog {
    Q_OBJECT
public:
    // seite: 1..12, the page shown first. autostart: the autostart entries (may be null).
    TOptionen(Anwendungskern& kern, int seite, Autostart* autostart = nullptr,
              QWidget* parent = nullptr);
    ~TOptionen() override;

    // The control of a table row by its name: QCheckBox, TZahlfeld, QComboBox, QLineEdit,
    // QSlider, QPushButton (colour field, font button); a pair or the radio buttons as
    // name + "#1" / "#2".
    QWidget* Feld(const std::string& name) const;
    QTabWidget* Seiten() const { return seiten_; }
    QTabWidget* Startseiten() const { return startseiten_; }
    // The captions of the pages, beside them; choosing one shows its page.
    QListWidget* Seitenliste() const { return liste_; }
    QPushButton* OkKnopf() const { return ok_; }
    QPushButton* AbbruchKnopf() const { return abbruch_; }
    QPushButton* UebernehmenKnopf() const { return uebernehmen_; }
    QPushButton* HilfeKnopf() const { return hilfeKnopf_; }
    QPushButton* Knopf(const std::string& name) const;  // the buttons of the file fields …
    QLabel* Beispiel(const std::string& schriftfeld) const;
    QListWidget* Autostartliste() const { return autostartliste_; }
    // What the file of the current document is (for "aktuelle Datei eintragen").
    std::string aktuelleDatei;
    // The session whose recent files "Einträge löschen" empties (may be null).
    Dateisitzung* sitzung = nullptr;

    // Takes the controls over, writes the store and calls angewendet; false after the
    // message when a value is refused (nothing is taken or written then).
    bool Uebernehmen();

    // After every successful take-over: the caller applies the new settings.
    std::function<void()> angewendet;
    std::function<void(int thema)> hilfe;

    void accept() override;
    void reject() override;

protected:
    bool event(QEvent* e) override;

private:
    void SeitenAufbauen();
    QWidget* SeiteAufbauen(int seite, const std::string& innen);
    void FeldAnlegen(const Optionsfeld& f, QGridLayout* raster, int& zeile, QWidget* eltern);
    void Verbinden(const Optionsfeld& f);
    void Fuellen();
    void ModellLesen();
    void ZustaendeAnwenden();
    void Geaendert();
    void FarbeWaehlen(const std::string& name);
    void SchriftWaehlen(const std::string& name);
    void FeiertagsfarbeWaehlen(const std::string& name);
    void FarbfeldZeigen(const std::string& name, uint32_t farbe);
    void AutostartLesen();

    Anwendungskern& kern_;
    Autostart* autostart_;
    Optionsmodell modell_;
    char trenner_;
    bool fuellt_ = false;
    std::map<std::string, QWidget*> felder_;
    std::map<std::string, QPushButton*> knoepfe_;
    std::map<std::string, QLabel*> beschriftungen_;
    std::map<std::string, uint32_t> farben_;
    QTabWidget* seiten_ = nullptr;
    QTabWidget* startseiten_ = nullptr;
    QListWidget* autostartliste_ = nullptr;
    QListWidget* liste_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* abbruch_ = nullptr;
    QPushButton* uebernehmen_ = nullptr;
    QPushButton* hilfeKnopf_ = nullptr;
};

}  // namespace kalvora
