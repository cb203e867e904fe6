#pragma once
// TForm24 "Stundenplanansicht": consecutive days as blocks with an hour grid, each
// appointment a coloured bar. Opened from the main window as a normal modal window, or as the
// desktop timetable: borderless in a corner of the screen while the main window is hidden and
// the background alarm monitor runs with its tray icon. All rules live in TStundenplan; this
// window forwards its input there and paints what it says.
#include <QDialog>

#include <functional>
#include <memory>

#include "ansichten/Stundenplan.h"
#include "kalender/Dokumentbeobachter.h"

class QAction;
class QLabel;
class QMenu;
class QSpinBox;
class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace kalvora {

class TForm1;
class TForm24;

// The drawing of the timetable.
class TStundenplanflaeche : public QWidget {
    Q_OBJECT
public:
    TStundenplanflaeche(TForm24& fenster, TStundenplan& plan);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    TForm24& fenster_;
    TStundenplan& plan_;
};

class TForm24 : public QDialog, private Dokumentbeobachter {
    Q_OBJECT
public:
    // desktop: the borderless desktop timetable instead of the normal window.
    TForm24(TForm1& hauptfenster, bool desktop, QWidget* parent = nullptr);
    ~TForm24() override;

    // "Optionen" (the options dialog on its timetable page) and "Hilfe" (with the topic);
    // their button and menu entry stay disabled while the hook is empty.
    std::function<void()> optionen;
    std::function<void(int thema)> hilfe;
    // Enables "Optionen" and "Hilfe" after the hooks were set.
    void HakenAnwenden();

    // Layout from the settings: size, hour fields, and unless versatzBehalten the first day
    // shown becomes the selected day.
    void Anordnen(bool versatzBehalten);
    // Background colour, transparency and tool bar of the settings.
    void DarstellungAnwenden();
    // Where the window goes on the screen: the desktop timetable's corner, else bottom right.
    void Platzieren();

    void TagZurueck();
    void TagVor();
    void Heute();
    void WocheZurueck();
    void WocheVor();
    // The day dialog for the selected day, then the layout again keeping the first day.
    void Bearbeiten();
    void LinkAusfuehren();
    void OptionenZeigen();
    // The pointer moved over the drawing.
    void ZeigerBewegt(const QPoint& p);
    void KontextmenueZeigen(const QPoint& lokal, const QPoint& global);

    TStundenplan& Modell() { return *plan_; }
    bool Desktop() const { return desktop_; }
    bool Durchsichtig() const { return durchsichtig_; }
    QWidget* Flaeche() const;
    QToolBar* Leiste() const { return leiste_; }
    bool LeisteUnten() const { return leisteUnten_; }
    // 1 close, 3 day back, 6 today, 7 day forward, 11 week back, 12 week forward,
    // 14 edit, 5 options, 8 help.
    QToolButton* Knopf(int nummer) const;
    QSpinBox* ErsteStundeFeld() const { return ersteStunde_; }
    QSpinBox* LetzteStundeFeld() const { return letzteStunde_; }
    QMenu* Kontextmenue() const { return menue_; }
    QAction* Menueeintrag(const char* name) const;
    // The colour the drawing's background gets (alpha 0 when the desktop shows through).
    QColor Hintergrund() const;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void TagGeaendert(const Datum&) override;
    void DokumentErsetzt() override;
    void EinstellungenGeaendert() override;
    // A key of the window's own, wherever the focus is; true when it was taken.
    bool Taste(QKeyEvent* e);
    void LeisteAufbauen();
    void MenueAufbauen();
    void FelderZeigen();
    // A child dialog of this window's own; the activation after it keeps the first day.
    void EigenerDialog(const std::function<void()>& zeigen);

    TForm1& haupt_;
    const bool desktop_;
    std::unique_ptr<TStundenplan> plan_;
    QVBoxLayout* spalte_ = nullptr;
    QToolBar* leiste_ = nullptr;
    TStundenplanflaeche* flaeche_ = nullptr;
    QSpinBox* ersteStunde_ = nullptr;
    QSpinBox* letzteStunde_ = nullptr;
    QMenu* menue_ = nullptr;
    QAction* linkEintrag_ = nullptr;
    QAction* optionenEintrag_ = nullptr;
    bool durchsichtig_ = false;
    bool leisteUnten_ = false;
    bool platziert_ = false;
    bool eigenerDialog_ = false;
    bool anderesFensterAktiv_ = false;
};

// Opens the timetable modally from the main window. The desktop timetable hides the main
// window and runs the background alarm monitor with its tray icon until it is closed; then
// the tray icon goes and the main window comes back. vorbereiten runs before it is shown.
void StundenplanZeigen(TForm1& hauptfenster, bool desktop,
                       const std::function<void(TForm24&)>& vorbereiten = {});

}  // namespace kalvora
