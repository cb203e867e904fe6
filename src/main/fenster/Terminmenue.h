#pragma once
// The entries of the menu "&Termine" that change the document as a whole: the week-based
// continuation, the colour definitions and the category and link lists. Each opens its
// dialog modally and lets the main window show what changed.
#include <QObject>

#include <functional>

class QDialog;

namespace kalvora {

class TForm1;

class TTerminmenue : public QObject {
    Q_OBJECT
public:
    explicit TTerminmenue(TForm1& haupt);

    // Shows a dialog modally; tests drive the dialog themselves instead.
    std::function<void(QDialog&)> dialogZeigen;

    // While the document is read-only the changing entries are off.
    void BearbeitbarSetzen(bool ja);

    void WochenfortschreibungZeigen();
    void FarbenDefinierenZeigen();
    void KategorienZeigen();
    void LinksZeigen();

private:
    TForm1& haupt_;
};

}  // namespace kalvora
