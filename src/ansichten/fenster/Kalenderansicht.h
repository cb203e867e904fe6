#pragma once
// What the month, month-by-weeks, week and two-week views share: the tool bar, the day cells
// (read-only rich-text boxes with per-line colours), the today frame that blinks, the red
// Sunday frames, the keys, the wheel, the mouse on a cell (selected day, day dialog, link
// menu), the shared window geometry, and the switch requests they leave when they close.
#include <QDialog>
#include <QTimer>

#include <functional>
#include <vector>

#include "ansichten/Tageszelle.h"
#include "kalender/Dokumentbeobachter.h"
#include "kalender/XmlExport.h"
#include "main/Alarm.h"
#include "main/Ansichtswechsel.h"
#include "methoden/Methoden.h"

class QFrame;
class QLabel;
class QTextEdit;
class QTimer;
class QToolBar;
class QToolButton;

namespace kalvora {

class TForm1;
class Anwendungskern;

// Writes a cell's lines with their colours into a rich-text box, on the day's background.
void ZelleInTextfeld(QTextEdit& zelle, const Tageszelleninhalt& z, const Zellenoptionen& o);

class TKalenderansicht : public QDialog, private Dokumentbeobachter {
    Q_OBJECT
public:
    ~TKalenderansicht() override;

    // Shows the view modally from the selected day; the requests it left when it closed.
    Wechselanfragen Oeffnen();

    // Cell i (1..n) and its date.
    QTextEdit* Zelle(int i) const { return zellen_.at(static_cast<std::size_t>(i)); }
    int Zellenzahl() const { return static_cast<int>(zellen_.size()) - 1; }
    virtual Datum ZellenDatum(int i) const = 0;
    // The cell the commands act on: the one last clicked or focused.
    int FokusZelle() const { return fokus_; }
    void FokusSetzen(int i) { fokus_ = i; }
    QToolButton* Knopf(int nummer) const;
    QFrame* HeuteRahmen() const { return heute_; }
    const Wechselanfragen& Anfragen() const { return anfragen_; }
    // The content a cell was last filled with.
    const Tageszelleninhalt& Inhalt(int i) const { return inhalte_.at(static_cast<std::size_t>(i)); }

    // The commands every view has.
    virtual void Blaettern(int richtung) = 0;
    virtual void Heute();
    void Tagestermine();
    virtual void TerminlisteDrucken() = 0;
    // Fills every cell from the selected day.
    virtual void Fuellen() = 0;
    virtual void Anordnen() = 0;
    virtual bool ZurueckMoeglich() const;
    virtual bool VorMoeglich() const;
    // The link menu of a cell (right button).
    void Linkmenue(int i, const QPoint& global);
    // Double click on cell i: the day dialog for its day, then the cell refilled.
    virtual void Doppelklick(int i);

    // The timer of today's blinking frame.
    QTimer* Blinker() const { return blinker_; }
    // "Fenster schließen" and Esc: closes without a request.
    void reject() override;

    // The hooks of features that come with other windows; buttons are disabled while empty.
    std::function<void()> optionen;
    std::function<void(int thema)> hilfe;

protected:
    TKalenderansicht(TForm1& haupt, const char* name, int zellen, int hilfethema);

    // Building blocks for the views.
    QToolButton* KnopfAnlegen(int nummer, const char* hinweis, const char* symbol,
                              const char* thema, std::function<void()> wirkung);
    void Trenner();
    void ZelleSchreiben(int i, const Tageszelleninhalt& z, bool sichtbar = true);
    void ZellenRahmenSetzen(int i, const Rechteck& r);
    // The black today frame 2 pixels around cell i; 0 hides it.
    void HeuteRahmenUm(int i);
    QFrame* RoterRahmen();
    // A bold label of the view (weekday and week labels).
    QLabel* Fettlabel(const QString& text);
    void RahmenSetzen(QFrame* rahmen, const Rechteck& r);
    int Leistenhoehe() const;
    void Schliessen(Wechselanfragen a);
    // A day chosen in the view becomes the selected day.
    void Auswaehlen(const Datum& d);
    Datum Ausgewaehlt() const;
    void DruckenVon(const Datum& von, const Datum& bis);
    // "Export in XML" (into a file) and "Direkte Ausgabe im Browser" for the period.
    void XmlVon(Xmlherkunft h, const Datum& von, const Datum& bis, bool browser);
    void TagesdialogZeigen();

    bool eventFilter(QObject* objekt, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

    // The switch commands of the view (Ctrl+W and Ctrl+M).
    virtual void WocheWechseln() {}
    virtual void MonatWechseln() {}

    TForm1& haupt_;
    Anwendungskern& kern_;
    Zellenoptionen optionen_;
    QToolBar* leiste_ = nullptr;
    QToolButton* zurueck_ = nullptr;
    QToolButton* vor_ = nullptr;
    std::vector<QTextEdit*> zellen_;
    std::vector<Tageszelleninhalt> inhalte_;
    int fokus_ = 1;
    Wechselanfragen anfragen_;

private:
    void TagGeaendert(const Datum&) override;
    void DokumentErsetzt() override;
    void EinstellungenGeaendert() override;
    void Blinken();
    void GeometrieAnwenden();
    void GeometrieSpeichern();
    int ZellenNummer(QObject* o) const;

    QFrame* heute_ = nullptr;
    QTimer* blinker_ = nullptr;
    Rahmenblende blende_;
    int hilfethema_ = 0;
    bool fuellt_ = false;
};

}  // namespace kalvora
