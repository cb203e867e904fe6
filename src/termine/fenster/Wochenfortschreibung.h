#pragma once
// TForm34 "Wochenbasierte Fortschreibung": shows the state of its TWochenfortschreibung and
// hands every input back to it. Created anew for every opening.
#include <QDialog>

#include <array>
#include <functional>

#include "main/Anwendungskern.h"
#include "termine/Wochenfortschreibung.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

namespace kalvora {

class TForm34 : public QDialog {
    Q_OBJECT
public:
    // jahr: the year shown in the main window, the default range.
    TForm34(Anwendungskern& kern, int jahr, QWidget* parent = nullptr);

    TWochenfortschreibung& Modell() { return modell_; }

    // Long work: the status-bar progress bar (0..100) and the wait cursor.
    std::function<void()> arbeitBeginnen;
    std::function<void(int)> fortschritt;
    std::function<void()> arbeitBeenden;

    // The controls, for tests.
    QCheckBox* Tagfeld(int tag) const { return tage_[static_cast<std::size_t>(tag)]; }
    QComboBox* Schema() const { return schema_; }
    QCheckBox* SamstageFest() const { return samstage_; }
    QCheckBox* SonntageFest() const { return sonntage_; }
    QRadioButton* Einzeln() const { return einzeln_; }
    QRadioButton* Zusammen() const { return zusammen_; }
    QToolButton* Frueher() const { return links_; }
    QToolButton* Spaeter() const { return rechts_; }
    QSpinBox* Verschiebung() const { return verschiebung_; }
    QSpinBox* StartStunde() const { return startStunde_; }
    QSpinBox* StartMinute() const { return startMinute_; }
    QSpinBox* DauerStunden() const { return dauerStunden_; }
    QSpinBox* DauerMinuten() const { return dauerMinuten_; }
    QCheckBox* Alarm() const { return alarm_; }
    QLineEdit* Beschreibung() const { return beschreibung_; }
    QLineEdit* Ort() const { return ort_; }
    QLineEdit* Farbfeld() const { return farbfeld_; }
    QComboBox* Kategorie() const { return kategorie_; }
    QComboBox* Link() const { return link_; }
    QDateEdit* Start() const { return start_; }
    QDateEdit* Ende() const { return ende_; }
    QCheckBox* NurBei() const { return nurBei_; }
    QLineEdit* Filterfeld() const { return filterfeld_; }
    QToolButton* Filterknopf() const { return filterknopf_; }
    QPushButton* KategorieKnopf() const { return kategorieKnopf_; }
    QPushButton* FarbeKnopf() const { return farbeKnopf_; }
    QPushButton* Eintragen() const { return eintragen_; }
    QPushButton* Endeknopf() const { return endeKnopf_; }
    // The two colour menus as they are when they open.
    QMenu* Farbmenue();
    QMenu* Filtermenue();

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void Aufbauen();
    void MusterZeigen();
    void VerschiebungZeigen();
    void FarbfelderZeigen();
    void Uebernehmen();  // widgets -> model
    void EintragenKlick();

    Anwendungskern& kern_;
    TKalender& kal_;
    TWochenfortschreibung modell_;
    bool zeigend_ = false;

    std::array<QCheckBox*, Mustertage> tage_{};
    QComboBox* schema_;
    QCheckBox *samstage_, *sonntage_;
    QRadioButton *einzeln_, *zusammen_;
    QToolButton *links_, *rechts_;
    QSpinBox* verschiebung_;
    QSpinBox *startStunde_, *startMinute_, *dauerStunden_, *dauerMinuten_;
    QCheckBox* alarm_;
    QLineEdit *beschreibung_, *ort_, *farbfeld_, *filterfeld_;
    QToolButton *farbknopf_, *filterknopf_;
    QComboBox *kategorie_, *link_;
    QDateEdit *start_, *ende_;
    QCheckBox* nurBei_;
    QPushButton *kategorieKnopf_, *farbeKnopf_, *eintragen_, *endeKnopf_;
    QMenu *farbmenue_, *filtermenue_;
};

}  // namespace kalvora
