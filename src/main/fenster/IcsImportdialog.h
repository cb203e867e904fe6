#pragma once
// The dialog "iCalendar-Import" before an .ics file is read into the document: the file's
// name and whether all-day events named like a colour become that day colour.
#include <QDialog>

class QCheckBox;
class QPushButton;

namespace kalvora {

class TIcsImportdialog : public QDialog {
    Q_OBJECT
public:
    TIcsImportdialog(const QString& datei, bool alsTagesfarbe, QWidget* parent = nullptr);

    QCheckBox* AlsTagesfarbe() const { return tagesfarbe_; }
    QPushButton* OkKnopf() const { return ok_; }

private:
    QCheckBox* tagesfarbe_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kalvora
