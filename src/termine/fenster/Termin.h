#pragma once
// TForm4, the appointment editor: shows the state of its Termineditor and hands every input
// back to it. It lives as long as the day dialog and is shown modally by it.
#include <QDialog>

#include <functional>

#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "termine/Termineditor.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace kalvora {

// A 16 x 16 swatch of a colour with a dark frame, as the colour menus show it.
QIcon Farbsymbol(uint32_t farbe);
// The alarm-clock pictogram (16 x 16).
QPixmap Weckersymbol();

class TForm4 : public QDialog {
    Q_OBJECT
public:
    TForm4(Termineditor& editor, TKalender& kal, const Einstellungen& einst,
           QWidget* parent = nullptr);

    // Shows the editor for the day dialog's shown day and returns the editor's outcome.
    Editorergebnis Zeigen(const Datum& tag);
    Termineditor& Modell() { return editor_; }

    // Help hook; the program's help viewer is wired by the main window.
    std::function<void(int thema)> hilfe;

    // The colour and day-filter menus as they open (for tests).
    QMenu* Farbmenue();
    QMenu* Filtermenue();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Aufbauen();
    void Anzeigen();       // model -> widgets
    void ZeitenAnzeigen();
    void SerieAnzeigen();
    void FarbfeldAnzeigen(QLineEdit* feld, uint32_t farbe, const std::string& text);
    void Uebernehmen();    // widgets -> model
    void OkKlick();
    void LoeschenKlick();
    void AbbruchKlick();
    void FarbmenueZeigen(const QPoint& wo);
    void FiltermenueZeigen(const QPoint& wo);

    Termineditor& editor_;
    TKalender& kal_;
    const Einstellungen& einst_;
    Datum tag_{1, 1, 2000};
    bool anzeigend_ = false;

    QLabel *beginntLabel_, *startStdLabel_, *startMinLabel_;
    QSpinBox *startStunde_, *startMinute_;
    QLabel *dauerLabel_, *dauerStdLabel_, *dauerMinLabel_;
    QSpinBox *dauerStunden_, *dauerMinuten_, *endeStunde_, *endeMinute_;
    QGroupBox* anzeigeGruppe_;
    QRadioButton *anzeigeDauer_, *anzeigeEnde_;
    QCheckBox* alarm_;
    QLabel* alarmBild_;
    QLabel *beschreibungLabel_, *ortLabel_, *verknuepfungLabel_, *farbeLabel_;
    QLabel *kategorieLabel_, *linkLabel_;
    QLineEdit *beschreibung_, *ort_, *farbfeld_;
    QToolButton* farbknopf_;
    QComboBox *kategorie_, *link_;
    QGroupBox* serieGruppe_;
    QComboBox* serienart_;
    QLabel *alleLabel_, *tageLabel_;
    QSpinBox *periode_, *anzahl_;
    QRadioButton *bisDatum_, *nachAnzahl_;
    QDateEdit* endDatum_;
    QCheckBox* nurBei_;
    QLineEdit* filterfeld_;
    QToolButton* filterknopf_;
    QLabel* warnung_;
    QCheckBox *tagesinfoLoeschen_, *farbenLoeschen_;
    QToolButton* bildknopf_;
    QPushButton *ok_, *loeschen_, *abbruch_, *hilfeKnopf_;
    QMenu* farbmenue_;
    QMenu* filtermenue_;
};

}  // namespace kalvora
