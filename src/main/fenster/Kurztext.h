#pragma once
// Labels that cut what does not fit, for the boxes laid out for the program's font.
#include <QLabel>
#include <QString>

namespace kalvora {

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
