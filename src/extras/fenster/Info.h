#pragma once
// The about box: borderless, on top, the program's icon, name, version line with the program
// file's date, and the web address as a link.
#include <QDialog>
#include <QFont>
#include <string>

class QLabel;
class QPushButton;

namespace kalvora {

class Shell;

// The font of the program's name in the box.
inline constexpr const char* Namensschrift = "Comic Sans MS";
// That family at the pixel size when it is installed and can write Latin letters, else the
// desktop's default sans-serif font at the same size.
QFont NamensschriftWaehlen(const QString& familie, int pixel);

class TForm6 : public QDialog {
    Q_OBJECT
public:
    TForm6(Shell& shell, std::string webseite, QWidget* parent = nullptr);

    QLabel* Versionszeile() const { return version_; }
    QLabel* Webadresse() const { return adresse_; }
    QPushButton* OkKnopf() const { return ok_; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    Shell& shell_;
    std::string webseite_;
    QLabel* version_ = nullptr;
    QLabel* adresse_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kalvora
