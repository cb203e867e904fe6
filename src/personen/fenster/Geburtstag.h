#pragma once
// The entry dialog of the birthday list: family name, first name, birth date and name day,
// each date with the check box that says it is given.
#include <QDialog>

#include <functional>
#include <optional>
#include <string>

#include "kalender/TKalender.h"
#include "methoden/Methoden.h"

class QCheckBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

namespace kalvora {

class TForm16 : public QDialog {
    Q_OBJECT
public:
    enum class Art { Neu, Aendern, Loeschen };

    explicit TForm16(QWidget* parent = nullptr);

    // Fills the dialog for a new entry (heute in both pickers) or for the given one.
    void Vorbereiten(Art art, const TGeburtstag& eintrag, const Datum& heute);
    // What "OK" stores; nothing when a name is empty.
    std::optional<TGeburtstag> Ergebnis() const;

    QLineEdit* Namensfeld() const { return name_; }
    QLineEdit* Vornamensfeld() const { return vorname_; }
    QDateEdit* Geburtsdatumsfeld() const { return geburt_; }
    QDateEdit* Namenstagsfeld() const { return namenstag_; }
    QCheckBox* GeburtstagBox() const { return mitGeburt_; }
    QCheckBox* NamenstagBox() const { return mitNamenstag_; }
    QPushButton* Ok() const { return ok_; }
    QPushButton* Vorschlagsknopf() const { return vorschlag_; }

    // "Vorschläge suchen": the name search for the first name; it hands back the day and
    // month picked.
    std::function<void(const std::string& vorname, std::function<void(int, int)> gewaehlt)>
        vorschlaege;

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    QLineEdit* name_ = nullptr;
    QLineEdit* vorname_ = nullptr;
    QDateEdit* geburt_ = nullptr;
    QDateEdit* namenstag_ = nullptr;
    QCheckBox* mitGeburt_ = nullptr;
    QCheckBox* mitNamenstag_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* abbruch_ = nullptr;
    QPushButton* vorschlag_ = nullptr;
    // The entry's dates as read, and whether the user changed a picker since: a date the
    // user did not touch is stored as it was, also one the pickers cannot show.
    TDatum geburtWert_ = KeinDatum;
    TDatum namenstagWert_ = KeinDatum;
    bool geburtBeruehrt_ = false;
    bool namenstagBeruehrt_ = false;
    void VorschlagFreigeben();
};

}  // namespace kalvora
