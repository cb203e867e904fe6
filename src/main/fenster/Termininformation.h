#pragma once
// The alarm window "Termininformation": a stay-on-top tool window that announces one
// appointment and asks whether it should be announced again. It has a caption of its own and
// no buttons in it.
#include <QDialog>

#include "main/Alarmmonitor.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kalvora {

// The client area, and the window's own caption above it.
inline constexpr int Alarmfensterbreite = 433;
inline constexpr int Alarmfensterhoehe = 316;
inline constexpr int Titelleistenhoehe = 20;

class TTermininformation : public QDialog, public Alarmfenster {
    Q_OBJECT
public:
    explicit TTermininformation(QWidget* parent = nullptr);

    // Modal; "Ja" and Esc keep the reminder, "Nein" ends it.
    Alarmantwort Zeigen(const Alarminhalt& inhalt) override;
    bool Sichtbar() const override { return isVisible(); }
    void NachVorne() override;

    QPushButton* JaKnopf() const { return ja_; }
    QPushButton* NeinKnopf() const { return nein_; }
    const Alarminhalt& Inhalt() const { return inhalt_; }

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void reject() override;

private:
    void Fuellen();

    Alarminhalt inhalt_;
    QLabel* uhrzeit_ = nullptr;
    QLabel* bisText_ = nullptr;
    QLabel* bis_ = nullptr;
    QPlainTextEdit* beschreibung_ = nullptr;
    QLineEdit* ort_ = nullptr;
    QPushButton* ja_ = nullptr;
    QPushButton* nein_ = nullptr;
    bool nein_gewaehlt_ = false;
};

}  // namespace kalvora
