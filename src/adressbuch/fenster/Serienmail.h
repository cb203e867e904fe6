#pragma once
// The dialog "Serien Email": subject and text of a mail sent to every entry of the list.
#include <QDialog>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kalvora {

class Dialoge;

class TForm26 : public QDialog {
    Q_OBJECT
public:
    explicit TForm26(Dialoge& dialoge, QWidget* parent = nullptr);

    QLineEdit* Betreff() const { return betreff_; }
    QPlainTextEdit* Text() const { return text_; }
    QPushButton* Erstellen() const { return erstellen_; }
    QPushButton* HilfeKnopf() const { return hilfeKnopf_; }
    std::function<void(int thema)> hilfe;

    void accept() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    Dialoge& dialoge_;
    QLineEdit* betreff_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* erstellen_ = nullptr;
    QPushButton* hilfeKnopf_ = nullptr;
};

}  // namespace kalvora
