#pragma once
// The window "Statistik - Chart": the tool bar with paging, options, printing, help and
// the three choosers, and the chart of the statistic below it. Made for each opening from
// the main window, shown modally and freed afterwards.
#include <QDialog>

#include <functional>
#include <string>

#include "statistik/Statistikchartmodell.h"
#include "statistik/Statistikdruck.h"

class QAction;
class QChartView;
class QComboBox;
class QToolBar;
class QToolButton;

namespace kalvora {

class TForm1;
class TStatistikdiagramm;
class TStatistikoptionen;

class TStatistikchart : public QDialog {
    Q_OBJECT
public:
    TStatistikchart(TForm1& haupt, Statistikart art);
    ~TStatistikchart() override;

    // Shows the window maximized and modally.
    int Zeigen();

    Statistikchartmodell& Modell() { return modell_; }
    TStatistikdiagramm& Diagramm() const { return *diagramm_; }
    QChartView* Ansicht() const { return ansicht_; }
    QToolBar* Leiste() const { return leiste_; }
    // 1 zurück, 2 aktuelles Jahr, 3 vor, 4 Optionen, 5 Drucken, 6 Hilfe, 7 schließen.
    QToolButton* Knopf(int nummer) const;
    QComboBox* Formwahl() const { return form_; }
    QComboBox* Artwahl() const { return art_; }
    QComboBox* Kategoriewahl() const { return kategorie_; }
    bool KategorieSichtbar() const;

    // The window's commands.
    void Blaettern(int richtung);
    void AktuellesJahr();
    void OptionenZeigen();
    void Drucken();
    // Reads the options of the store and counts the colours, as on every activation.
    void Aktivieren();
    // Rebuilds the chart from the model.
    void Neuzeichnen();
    // What "Drucken" hands to the print frame: the chart inside the margins of the options.
    int Druckauftrag(Drucker& drucker, Druckstatus& status);

    // Help topic 119; the button does nothing while it is empty.
    std::function<void(int thema)> hilfe;
    // Shows the options dialog; tests answer it themselves. Default: modally.
    std::function<void(TStatistikoptionen&)> optionenZeigen;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void Aufbauen();
    void KnoepfeAnpassen();
    void KategorienFuellen();

    TForm1& haupt_;
    Statistikchartmodell modell_;
    QToolBar* leiste_ = nullptr;
    QToolButton* zurueck_ = nullptr;
    QToolButton* vor_ = nullptr;
    QComboBox* form_ = nullptr;
    QComboBox* art_ = nullptr;
    QComboBox* kategorie_ = nullptr;
    QAction* kategoriePlatz_ = nullptr;
    QChartView* ansicht_ = nullptr;
    TStatistikdiagramm* diagramm_ = nullptr;
    bool fuellt_ = false;
    bool ladefehlerGezeigt_ = false;
};

// "&Farbhäufigkeiten", "&Termindauer" and "&Terminhäufigkeiten" of the main window.
void StatistikZeigen(TForm1& haupt, Statistikart art);

}  // namespace kalvora
