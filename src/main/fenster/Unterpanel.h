#pragma once
// The bottom panel of the main window: the buttons "Farben" and "Termine", the year field,
// the current colour with its check box, and the colour legend or, in its place, the
// appointment field. It shows what it is given and reports what the user does on it.
#include <QWidget>

#include <cstdint>
#include <string>

class QCheckBox;
class QEnterEvent;
class QPushButton;
class QTextEdit;

namespace kalvora {

class TFarblegende;
class TJahresfeld;
class TKurztext;

class TUnterpanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHoehe = 137;

    explicit TUnterpanel(int jahr, QWidget* parent = nullptr);

    TJahresfeld* Jahresfeld() const { return jahresfeld_; }
    QTextEdit* Terminfeld() const { return terminfeld_; }
    QCheckBox* AktuelleFarbeBox() const { return aktuelleFarbeBox_; }
    TKurztext* AktuelleFarbe() const { return aktuelleFarbe_; }
    TFarblegende* Legende() const { return legende_; }

    // The year field shows the year without reporting it as the user's choice.
    void JahrZeigen(int jahr);
    // The appointment field in place of the legend; the legend shows 16 or 20 slots.
    void TerminfeldZeigen(bool zeigen, int farbslots);
    bool TerminfeldSichtbar() const;
    // The appointment field's text (only while it is shown) and its width.
    void TerminfeldText(const QString& text);
    void TerminfeldBreite(int breite);
    // The current colour's swatch and name, whether direct editing is on, and whether the
    // document can be edited at all.
    void AktuelleFarbeZeigen(uint32_t farbe, const std::string& name, bool direkt,
                             bool bearbeitbar);

signals:
    void FarbenGewaehlt();
    void TermineGewaehlt();
    // The arrows of the year field chose a year; typing reports the text instead.
    void JahrGewaehlt(int jahr);
    void JahrEingetippt(const QString& text);
    void AktuelleFarbeGeklickt();
    void AktuelleFarbeAngehakt(bool an);
    // The appointment field's context menu: the links of the day.
    void LinksGewuenscht(const QPoint& global);
    // The pointer is on the panel's background (or between the legend's swatches).
    void HintergrundBeruehrt();

protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;

private:
    QPushButton* farbenKnopf_ = nullptr;
    QPushButton* termineKnopf_ = nullptr;
    TJahresfeld* jahresfeld_ = nullptr;
    bool jahrWirdGesetzt_ = false;
    QCheckBox* aktuelleFarbeBox_ = nullptr;
    TKurztext* aktuelleFarbe_ = nullptr;
    TFarblegende* legende_ = nullptr;
    QTextEdit* terminfeld_ = nullptr;
};

}  // namespace kalvora
