#pragma once
// The manual's window and the help service every window calls: a topic by number, F1 on a
// dialog's "Hilfe" button, the direct help (What's-This mode) with the popup texts.
#include <QString>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "main/Hilfe.h"

class QAction;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace kalvora {

// The property of a window that answers F1 itself: the help's key filter leaves F1 to it.
inline constexpr const char* kEigeneF1 = "kalvoraEigeneF1";

// Non-modal: it stays usable beside the modal dialog it was opened from.
class THilfefenster : public QWidget {
    Q_OBJECT
public:
    explicit THilfefenster(const QString& ordner, QWidget* parent = nullptr);

    // The page of a topic number; an unknown number shows the contents.
    void ThemaZeigen(int thema);
    void SeiteZeigen(const QString& datei);
    // Fills the hit list with the pages holding every word (contents and index aside); the
    // first hit is shown.
    int Suchen(const QString& anfrage);

    // File name of the page shown ("tagestermine.html").
    QString AktuelleSeite() const;
    QTextBrowser* Browser() const { return browser_; }
    QLineEdit* Suchfeld() const { return suchfeld_; }
    QListWidget* Trefferliste() const { return treffer_; }
    QAction* ZurueckAktion() const { return zurueck_; }
    QAction* VorAktion() const { return vor_; }
    QAction* InhaltAktion() const { return inhalt_; }

private:
    void SeitenLaden();

    QString ordner_;
    QTextBrowser* browser_ = nullptr;
    QLineEdit* suchfeld_ = nullptr;
    QListWidget* treffer_ = nullptr;
    QAction *zurueck_ = nullptr, *vor_ = nullptr, *inhalt_ = nullptr;
    std::vector<Hilfeseitentext> seiten_;
};

class THilfe {
public:
    // The folder of the manual, looked up once (beside the program, its "daten" folder, the
    // installed data folders, the source tree's); empty when there is none.
    static QString Ordner();
    // Tests point the service at a folder; an empty text means "no manual".
    static void OrdnerSetzen(const QString& ordner);
    // The message "Hilfe-Datei nicht gefunden\r" with the path where the manual belongs.
    static std::string FehltMeldung();

    // The main window: the help window lives under it, the message goes through it.
    static void Einrichten(QWidget* hauptfenster,
                           std::function<void(const std::string&)> meldung);
    // Opens (or raises) the window on a topic; without a manual the message, nullptr.
    static THilfefenster* Zeigen(int thema);
    static THilfefenster* Fenster();

    // Popup text of a help number; empty when unknown.
    static QString Kurztext(int nummer);
    // The control's What's-This text; with `rechtsklick` a right click shows it too.
    static void Kurzhilfe(QWidget* w, int nummer, bool rechtsklick = false);
    // "Direkthilfe": the help pointer; the next click on a control shows its text. `ende`
    // runs once the mode is left.
    static void DirekthilfeStarten(std::function<void()> ende = {});
};

// The hook every "Hilfe" button of a window is given.
inline void HilfeAufrufen(int thema) { THilfe::Zeigen(thema); }

}  // namespace kalvora
