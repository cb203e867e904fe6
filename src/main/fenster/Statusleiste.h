#pragma once
// The status bar of the main window: four panels (three of fixed width, the fourth takes the
// rest) and the progress bar of long work, which stands over the fourth panel. The pointer on
// the bar is reported, so that the texts describing a day can go.
#include <QStatusBar>

#include <vector>

class QProgressBar;

namespace kalvora {

class TKurztext;

class TStatusleiste : public QStatusBar {
    Q_OBJECT
public:
    explicit TStatusleiste(QWidget* parent = nullptr);

    // Panel 0..3; nullptr outside.
    TKurztext* Feld(int nummer) const;
    // Empties the panels 0, 1 and 3 (what describes a day); true when one had a text.
    bool TagestexteLeeren();
    QProgressBar* Fortschrittsbalken() const { return fortschritt_; }

    // Long work: the progress bar (0..100) and the wait cursor.
    void ArbeitBeginnen();
    void FortschrittSetzen(int prozent);
    void ArbeitBeenden();

signals:
    // The pointer is on the bar or one of its panels.
    void ZeigerDarauf();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void FortschrittPlatzieren();

    std::vector<TKurztext*> felder_;
    QProgressBar* fortschritt_ = nullptr;
    bool arbeitet_ = false;
};

}  // namespace kalvora
