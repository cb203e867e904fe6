#pragma once
// The status window "Druckerstatus" that runs every print job: a label with the page caption
// and a progress bar. Shown modally with a job; its first paint starts the job, a running
// mark keeps a repaint during printing from starting it again, and it closes when done.
#include <QDialog>

#include <functional>
#include <string>

#include "platform/Drucker.h"

class QLabel;
class QProgressBar;

namespace kalvora {

class TDruckerstatus : public QDialog, public Druckstatus {
    Q_OBJECT
public:
    explicit TDruckerstatus(QWidget* parent = nullptr);

    using Auftrag = std::function<void(Druckstatus&)>;
    // Shows the window and runs the job; returns when it is done. An error of the job is
    // passed on after the window has closed.
    void Ausfuehren(const Auftrag& auftrag);

    void SeiteZeigen(const std::string& text) override;
    void Fortschritt(int prozent) override;

    QLabel* Beschriftung() const { return beschriftung_; }
    QProgressBar* Balken() const { return balken_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void reject() override {}  // no way out while the job runs

private:
    void Starten();

    QLabel* beschriftung_;
    QProgressBar* balken_;
    Auftrag auftrag_;
    bool laeuft_ = false;
    bool gestartet_ = false;
    std::exception_ptr fehler_;
};

}  // namespace kalvora
