#pragma once
// The program's user-interface font and the labels that cut what does not fit.
//
// Every box of the windows is laid out in pixels for the program's dialog font of 8 points
// at 96 dpi. On Linux the font that fills those boxes the same way is Liberation
// Sans (metric-compatible with Arial, installed by scripts/deps.sh) at 11 pixels; DejaVu Sans,
// the usual default, is about a fifth wider and cuts the texts.
#include <QFont>
#include <QLabel>
#include <QString>

namespace kalvora {

// The family and pixel size of the program's user-interface font.
inline constexpr const char* Programmschriftart = "Liberation Sans";
inline constexpr int ProgrammschriftPixel = 11;

QFont Programmschrift();
// Makes Programmschrift() the font of every widget; called once, right after the
// application object is made.
void ProgrammschriftSetzen();

// The width a label has for its text: its contents less margin and indent, as QLabel lays
// plain text out.
int Textraum(const QLabel& l);

// A label that shows its text cut with "…" when the text is wider than the label, with the
// whole text as tooltip; the text is cut again whenever the label's width or font changes.
class TKurztext : public QLabel {
public:
    explicit TKurztext(QWidget* parent = nullptr);

    void TextSetzen(const QString& text);
    const QString& VollerText() const { return voll_; }
    // The whole text is the tooltip also when it fits.
    void ImmerHinweis(bool an);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void Kuerzen();

    QString voll_;
    bool immerHinweis_ = false;
};

}  // namespace kalvora
