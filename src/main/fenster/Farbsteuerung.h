#pragma once
// The colour editing of the main window: the five modes of "&Werkzeuge", the current colour
// and the legend of the bottom panel, the year view's painting with the pointer, its context
// menu, the legend highlight, and undo and redo of day colours. It changes the document
// through the logic, learns of changes as a subscriber of the document, and keeps these parts
// of the window showing what the logic holds.
#include <QObject>

#include <memory>

#include "kalender/Dokumentbeobachter.h"
#include "main/Anwendungskern.h"
#include "main/Farbbearbeitung.h"

class QPoint;
class QWidget;

namespace kalvora {

class THauptbefehle;
class TJahresflaeche;
class TStatusleiste;
class TUnterpanel;

class TFarbsteuerung : public QObject, private Dokumentbeobachter {
    Q_OBJECT
public:
    // The parts of the main window it works on; they outlive it.
    struct Teile {
        TJahresansicht& ansicht;
        TJahresflaeche& flaeche;
        TUnterpanel& panel;
        TStatusleiste& status;
        THauptbefehle& befehle;
    };
    TFarbsteuerung(Anwendungskern& kern, const Teile& teile);
    ~TFarbsteuerung() override;

    TFarbbearbeitung& Editor() { return *farbe_; }

    void ModusSetzen(Farbbearbeitung modus);
    // The mode the settings ask for at start and after "Neu".
    void ModusAusEinstellungen();
    // False while the document is read-only: the modes, the legend, undo and redo are off.
    void BearbeitbarSetzen(bool ja);
    // Modes, current colour and the pointer of the view as the editor holds them.
    void FarbzustandZeigen();
    // The legend and the current colour's name after the colour table changed.
    void FarbmenusAktualisieren();
    void LegendeZeigen();

    // A day's colours changed: its cell and the legend counts are redrawn when its year is
    // shown; a change made here also shows "geändert".
    void TagNeuZeichnen(int tag, int monat, int jahr);
    void TagGeaendert(int tag, int monat, int jahr);

    // The legend highlight while the pointer rests on a swatch.
    void LegendeBlinken(int slot);
    void LegendeAnhalten();
    bool LegendeBlinkt() const;

    void KontextmenueZeigen(const QPoint& global, const QString& vollbildTitel, QWidget* eltern);

    // Undo and redo of day colours. Every change of a day's colours records it first.
    void FarbaenderungMerken(int tag, int monat, int jahr);
    void Rueckgaengig();
    void Wiederherstellen();
    void HistorieAnzeigen();
    // The hint of the undo and redo buttons counts the steps while the pointer is on them.
    void HistorienhinweisSetzen(QObject* knopf);

    // The views of the context menu.
    enum class AnsichtGewaehlt { Woche, Monat, Desktop };

signals:
    // The texts of the status bar and the appointment field describe the view anew.
    void TexteAuffrischen();
    // The commands that follow the modified flag (also whenever the flag changes).
    void BefehleAuffrischen();
    // From the context menu: the day dialog for the selected day, full-screen mode.
    void TagestermineGewuenscht();
    // A view of the context menu.
    void AnsichtGewuenscht(TFarbsteuerung::AnsichtGewaehlt ansicht);
    void VollbildGewuenscht();

private:
    void TagGeaendert(const Datum& d) override { TagNeuZeichnen(d.tag, d.monat, d.jahr); }
    void DokumentErsetzt() override;
    void FarbtabelleGeaendert() override;
    void GeaendertUmgeschaltet(bool) override { emit BefehleAuffrischen(); }
    // Birthday and name-day marks of the year view, the hover texts, "Ereignisse prüfen".
    void GeburtstageGeaendert() override;

    void LegendeAnschliessen();
    // A click on a swatch acts only on an editable document and outside help mode.
    bool LegendeBedienbar(bool rechts);
    void FarbfeldUmbenennen(int slot);
    void FarbfeldFarbeWaehlen(int slot);

    Anwendungskern& kern_;
    TKalender& kal_;
    TFarbhistorie& historie_;
    Dateisitzung& sitzung_;
    Dialoge& dialoge_;
    const Einstellungen& einstellungen_;
    TFarbwerte& legendenfarben_;
    TJahresansicht& ansicht_;
    TJahresflaeche& flaeche_;
    TUnterpanel& panel_;
    TStatusleiste& status_;
    THauptbefehle& befehle_;
    std::unique_ptr<TFarbbearbeitung> farbe_;
    bool bearbeitbar_ = true;  // false while the document is read-only
};

}  // namespace kalvora
