#pragma once
// The dialog "XML-Export": the period (start and end date, each bounding the other), whether
// the style sheet and the DTD are written beside the file, "Ok" and "Abbrechen".
#include <QDialog>

#include <QStringList>

#include <vector>

#include "methoden/Methoden.h"

class QCheckBox;
class QDateEdit;
class QLabel;
class QListWidget;
class QPushButton;

namespace kalvora {

class TXmlExportdialog : public QDialog {
    Q_OBJECT
public:
    // zeitraumFrei: the dates can be changed; begleitFrei: the two boxes can be changed
    // (the browser output always writes both).
    TXmlExportdialog(const Datum& von, const Datum& bis, bool zeitraumFrei, bool begleitFrei,
                     QWidget* parent = nullptr);

    // The address export: the date fields give way to a check list of the names, the one
    // at angehakt ticked; "Ok" is enabled while at least one is ticked.
    void Pruefliste(const QStringList& namen, int angehakt);
    std::vector<int> Angehakt() const;
    QListWidget* Liste() const { return liste_; }

    Datum Von() const;
    Datum Bis() const;
    bool MitXsl() const;
    bool MitDtd() const;

    QDateEdit* Start() const { return start_; }
    QDateEdit* Ende() const { return ende_; }
    QCheckBox* Xsl() const { return xsl_; }
    QCheckBox* Dtd() const { return dtd_; }
    QPushButton* OkKnopf() const { return ok_; }
    QPushButton* AbbrechenKnopf() const { return abbrechen_; }

private:
    QDateEdit* start_ = nullptr;
    QDateEdit* ende_ = nullptr;
    QCheckBox* xsl_ = nullptr;
    QCheckBox* dtd_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* abbrechen_ = nullptr;
    QLabel* startText_ = nullptr;
    QLabel* endeText_ = nullptr;
    QListWidget* liste_ = nullptr;
};

}  // namespace kalvora
