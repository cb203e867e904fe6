// The main window's handling of keys, of the pointer outside the year view and of its size.
#include <QAction>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStatusBar>

#include "main/Jahresgeometrie.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"

namespace kalvora {

bool TForm1::BefehlstasteVorziehen(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride) return false;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || w == this || w->window() != this) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    const QKeySequence taste(k->keyCombination());
    for (const auto& [name, aktion] : aktionen_) {
        if (aktion->isEnabled() && !aktion->shortcut().isEmpty() && aktion->shortcut() == taste) {
            // Left unaccepted, the key is matched against the window's shortcuts; "&Rückgängig"
            // (Ctrl+Z) and "&Wiederherstellen" (Ctrl+R) undo colours, not the typing in the
            // year field.
            e->ignore();
            return true;
        }
    }
    return false;
}

void TForm1::ZeigerAusserhalbPruefen(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::Enter && e->type() != QEvent::MouseMove) return;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || !unteresPanel_) return;
    bool aussen = false;
    if (w == unteresPanel_) {
        // The background only: the legend swatches have their own highlight.
        const QPoint p = static_cast<QSinglePointEvent*>(e)->position().toPoint();
        aussen = unteresPanel_->childAt(p) == nullptr;
    } else if (w == statusBar() || statusBar()->isAncestorOf(w)) {
        aussen = true;
    }
    if (!aussen) return;
    LegendeAnhalten();
    if (!ansicht_->Schwebetag() && felder_[0]->VollerText().isEmpty() &&
        felder_[1]->VollerText().isEmpty() && felder_[3]->VollerText().isEmpty())
        return;
    ansicht_->ZeigerVerlassen();
    for (int i : {0, 1, 3}) felder_[i]->TextSetzen({});
}

bool TForm1::MindestgroesseHalten() {
    // Size hints are only hints: a window manager, or none, may resize below them.
    const QSize aussen = frameGeometry().size();
    const QSize rahmen = aussen - size();
    // The hint is for the client area; the minimum is the outer size.
    const Groesse klein = FenstergroesseBegrenzen({0, 0});
    const QSize hinweis(klein.breite - rahmen.width(), klein.hoehe - rahmen.height());
    if (rahmen.isValid() && minimumSize() != hinweis) setMinimumSize(hinweis);
    const Groesse g = FenstergroesseBegrenzen({aussen.width(), aussen.height()});
    if (g == Groesse{aussen.width(), aussen.height()}) {
        rueckstellungen_ = 0;
        return false;
    }
    // A window manager that insists on its size (a tiling one) is not fought for ever.
    if (rueckstellungen_ >= 3) return false;
    ++rueckstellungen_;
    resize(g.breite - rahmen.width(), g.hoehe - rahmen.height());
    return true;
}

void TForm1::ZeigerNachAnordnung() {
    // While a dialog or a view is open the selected day belongs to it.
    if (ansicht_->ansichtOffen) return;
    if (const std::optional<Punkt> p = flaeche_->Zeigerposition()) {
        ansicht_->ZeigerAuswerten(p->x, p->y);
        AnsichtTexteZeigen();
    } else if (ansicht_->Schwebetag()) {
        // The day the texts describe is no longer under the pointer.
        ansicht_->ZeigerVerlassen();
        AnsichtTexteZeigen();
    }
}

}  // namespace kalvora
