#pragma once
// The standard dialogs on Qt: message boxes with German buttons, input box, file, folder,
// colour and font choosers, each modal over the window in front (see Dialogeltern).
#include <QColor>
#include <QString>

#include "platform/Dialoge.h"

class QWidget;

namespace kalvora {

class QtDialoge : public Dialoge {
public:
    explicit QtDialoge(QWidget* eltern = nullptr) : eltern_(eltern) {}
    // The main window: the boxes stand over it while no modal window is open; built before
    // it, the services learn it afterwards.
    void ElternSetzen(QWidget* eltern) { eltern_ = eltern; }

    Antwort Meldung(const std::string& text, Meldungsart art, Knoepfe knoepfe,
                    const std::string& titel) override;
    std::optional<std::string> Eingabe(const std::string& titel,
                                       const std::string& aufforderung,
                                       const std::string& vorgabe) override;
    std::optional<Dateiwahl> DateiOeffnen(const Dateidialog& d) override;
    std::optional<std::string> DateiSpeichern(const Dateidialog& d) override;
    std::optional<std::string> OrdnerWaehlen(const std::string& titel,
                                             const std::string& vorgabe) override;
    std::optional<uint32_t> Farbe(uint32_t vorgabe,
                                  const std::vector<uint32_t>& eigeneFarben) override;
    std::optional<Schrift> Schriftart(const Schrift& vorgabe) override;

private:
    QWidget* Eltern() const;
    QWidget* eltern_;
};

// The parent of every dialog and message of the program: the modal window in front (a
// dialog, the chart, a view), else the main window. A box parented to the main window while a
// modal window is open makes the window manager raise the main window above that window.
QWidget* Dialogeltern(QWidget* hauptfenster);

// A dialog that lives for the whole run under the main window stands, while it is shown, over
// the window in front (see Dialogeltern) and returns to the main window afterwards.
class DialogelternAufZeit {
public:
    DialogelternAufZeit(QWidget* dialog, QWidget* hauptfenster);
    ~DialogelternAufZeit();
    DialogelternAufZeit(const DialogelternAufZeit&) = delete;
    DialogelternAufZeit& operator=(const DialogelternAufZeit&) = delete;

private:
    QWidget* dialog_;
    QWidget* alt_;
};

// "Name (*.ext)|*.ext|Andere (*.a;*.b)|*.a;*.b" -> the name filters of a Qt file dialog.
QStringList QtDateifilter(const std::string& filter);

// Texts of the program break lines with CR LF; Qt wants LF.
QString QtText(const std::string& text);

// Colours of the program are 0x00BBGGRR.
inline QColor QtFarbe(uint32_t farbe) {
    return QColor(int(farbe & 0xFF), int((farbe >> 8) & 0xFF), int((farbe >> 16) & 0xFF));
}
inline uint32_t Farbwert(const QColor& c) {
    return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16);
}

}  // namespace kalvora
