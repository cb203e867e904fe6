#include "ansichten/fenster/Kalenderansicht.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include "main/Anwendungskern.h"
#include "main/Hauptmenue.h"
#include "einstellungen/Optionenseiten.h"
#include "main/fenster/Hilfefenster.h"
#include "main/fenster/Main.h"
#include "main/fenster/XmlAusgabe.h"
#include "platform/qt/Leistenknopf.h"
#include "platform/qt/QtLeinwand.h"
#include "termine/fenster/Drucksteuerung.h"
#include "termine/fenster/Tagestermine.h"

namespace kalvora {
namespace {

QColor Farbe(uint32_t bbggrr) { return AlsQColor(bbggrr); }

void Einfaerben(QWidget* w, QPalette::ColorRole rolle, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(rolle, c);
    w->setPalette(p);
}

}  // namespace

TKalenderansicht::TKalenderansicht(TForm1& haupt, const char* name, int zellen, int hilfethema)
    : QDialog(&haupt, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      haupt_(haupt),
      kern_(haupt.Kern()),
      hilfethema_(hilfethema) {
    setObjectName(QString::fromLatin1(name));
    setProperty(kEigeneF1, true);
    setModal(true);
    setMinimumSize(600, 400);
    optionen = [&haupt] { haupt.OptionenZeigen(optionsseite::MonatsUndWochenansicht); };
    hilfe = HilfeAufrufen;
    optionen_ = ZellenoptionenAus(kern_.Optionen());
    leiste_ = new QToolBar(this);
    leiste_->setObjectName(QStringLiteral("ToolBar1"));
    leiste_->setIconSize(QSize(16, 16));
    leiste_->setFocusPolicy(Qt::NoFocus);

    heute_ = new QFrame(this);
    heute_->setObjectName(QStringLiteral("Label1"));
    heute_->setAutoFillBackground(true);
    Einfaerben(heute_, QPalette::Window, Qt::black);
    heute_->hide();

    zellen_.assign(static_cast<std::size_t>(zellen) + 1, nullptr);
    inhalte_.assign(static_cast<std::size_t>(zellen) + 1, {});
    for (int i = 1; i <= zellen; ++i) {
        auto* z = new QTextEdit(this);
        z->setObjectName(QStringLiteral("Memo%1").arg(i));
        z->setReadOnly(true);
        z->setUndoRedoEnabled(false);
        // No caret: the cells only show; the mouse may select text to copy it.
        z->setTextInteractionFlags(Qt::TextSelectableByMouse);
        z->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        z->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        z->setLineWrapMode(QTextEdit::WidgetWidth);
        z->setFrameShape(QFrame::Box);
        z->setContextMenuPolicy(Qt::NoContextMenu);
        z->installEventFilter(this);
        z->viewport()->installEventFilter(this);
        zellen_[static_cast<std::size_t>(i)] = z;
    }
    blinker_ = new QTimer(this);
    connect(blinker_, &QTimer::timeout, this, &TKalenderansicht::Blinken);
    kern_.Kalender().Anmelden(*this);
}

TKalenderansicht::~TKalenderansicht() { kern_.Kalender().Abmelden(*this); }

QToolButton* TKalenderansicht::KnopfAnlegen(int nummer, const char* hinweis, const char* symbol,
                                             const char* thema, std::function<void()> wirkung) {
    QToolButton* k = Leistenknopf(leiste_, nummer, hinweis, symbol, thema);
    k->setFocusPolicy(Qt::NoFocus);
    if (wirkung)
        connect(k, &QToolButton::clicked, this, [w = std::move(wirkung)] { w(); });
    else
        k->setEnabled(false);
    return k;
}

void TKalenderansicht::Trenner() { leiste_->addSeparator(); }

QToolButton* TKalenderansicht::Knopf(int nummer) const {
    return findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(nummer));
}

int TKalenderansicht::Leistenhoehe() const { return leiste_->sizeHint().height(); }

QFrame* TKalenderansicht::RoterRahmen() {
    auto* r = new QFrame(this);
    r->setAutoFillBackground(true);
    Einfaerben(r, QPalette::Window, Qt::red);
    r->lower();
    return r;
}

QLabel* TKalenderansicht::Fettlabel(const QString& text) {
    auto* l = new QLabel(text, this);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->adjustSize();
    return l;
}

void TKalenderansicht::RahmenSetzen(QFrame* rahmen, const Rechteck& r) {
    rahmen->setGeometry(r.links, r.oben, r.Breite(), r.Hoehe());
    rahmen->lower();
}

void TKalenderansicht::ZellenRahmenSetzen(int i, const Rechteck& r) {
    Zelle(i)->setGeometry(r.links, r.oben, r.Breite(), r.Hoehe());
}

void TKalenderansicht::HeuteRahmenUm(int i) {
    if (i <= 0) {
        heute_->hide();
        return;
    }
    heute_->setGeometry(Zelle(i)->geometry().adjusted(-2, -2, 2, 2));
    heute_->show();
    heute_->raise();
    Zelle(i)->raise();
}

void ZelleInTextfeld(QTextEdit& zelle, const Tageszelleninhalt& z, const Zellenoptionen& o) {
    Einfaerben(&zelle, QPalette::Base, z.frei ? Farbe(z.hintergrund) : QColor(Qt::white));
    QFont schrift(QString::fromStdString(o.schriftname));
    schrift.setPointSize(o.schriftgroesse > 0 ? o.schriftgroesse : 8);
    schrift.setBold(z.fett);
    zelle.document()->setDefaultFont(schrift);
    zelle.clear();
    QTextCursor c(zelle.document());
    const QColor normal = Farbe(NormaleSchriftfarbe(z.frei ? z.hintergrund : ZellenWeiss));
    for (std::size_t n = 0; n < z.zeilen.size(); ++n) {
        const Zellenzeile& l = z.zeilen[n];
        QTextCharFormat f;
        f.setFont(schrift);
        f.setForeground(normal);
        if (l.art == Zellenzeile::Art::Schriftfarbe) f.setForeground(Farbe(l.farbe));
        if (l.art == Zellenzeile::Art::Hintergrund) f.setBackground(Farbe(l.farbe));
        if (n > 0) c.insertBlock();
        c.insertText(QString::fromStdString(l.text), f);
    }
    zelle.moveCursor(QTextCursor::Start);
    zelle.setVerticalScrollBarPolicy(o.scrollleisten && z.frei ? Qt::ScrollBarAsNeeded
                                                                 : Qt::ScrollBarAlwaysOff);
}

void TKalenderansicht::ZelleSchreiben(int i, const Tageszelleninhalt& z, bool sichtbar) {
    QTextEdit* zelle = Zelle(i);
    inhalte_[static_cast<std::size_t>(i)] = z;
    zelle->setVisible(sichtbar);
    zelle->setEnabled(z.frei);
    ZelleInTextfeld(*zelle, z, optionen_);
}

Wechselanfragen TKalenderansicht::Oeffnen() {
    anfragen_ = {};
    optionen_ = ZellenoptionenAus(kern_.Optionen());
    GeometrieAnwenden();
    // While the view is open the main window's repaints leave the selected day alone.
    TJahresansicht& jahr = haupt_.Jahresansicht();
    const bool offen = jahr.ansichtOffen;
    jahr.ansichtOffen = true;
    exec();
    jahr.ansichtOffen = offen;
    return anfragen_;
}

void TKalenderansicht::GeometrieAnwenden() {
    const Einstellungen& e = kern_.Optionen();
    if (e.WindowstatusDerAnsichten == 0) {
        // Where no window manager maximises, the work area is taken all the same.
        if (QScreen* s = haupt_.screen()) setGeometry(s->availableGeometry());
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMaximized);
    const int b = std::max(minimumWidth(), e.WindowWidth);
    const int h = std::max(minimumHeight(), e.WindowHeight);
    setGeometry(e.Windowleft, e.Windowtop, b, h);
}

void TKalenderansicht::GeometrieSpeichern() {
    Einstellungen& e = haupt_.Optionen();
    if (isMaximized()) {
        e.WindowstatusDerAnsichten = 0;
        return;
    }
    e.WindowstatusDerAnsichten = 1;
    const QRect g = geometry();
    e.Windowtop = g.top();
    e.Windowleft = g.left();
    e.WindowWidth = g.width();
    e.WindowHeight = g.height();
}

void TKalenderansicht::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    for (int i = 1; i <= Zellenzahl(); ++i)
        if (Zelle(i)->isEnabled() && Zelle(i)->isVisible()) {
            fokus_ = i;
            break;
        }
    Fuellen();
    Anordnen();
    const Einstellungen& o = kern_.Optionen();
    blende_ = {};
    Einfaerben(heute_, QPalette::Window, Qt::black);
    if (o.scharzerRahmenBlinkend)
        blinker_->start(std::max(1, o.Timerintervall));
    else
        blinker_->stop();
    if (fokus_ >= 1 && fokus_ <= Zellenzahl()) Zelle(fokus_)->setFocus();
    // Once painted, for a picture of the start view.
    QTimer::singleShot(0, this, [this] { emit haupt_.AnsichtGezeigt(this); });
}

void TKalenderansicht::Blinken() {
    blende_.Schritt(kern_.Optionen().Geschwindigkeit);
    Einfaerben(heute_, QPalette::Window, Farbe(blende_.grau));
}

void TKalenderansicht::closeEvent(QCloseEvent* e) {
    GeometrieSpeichern();
    blinker_->stop();
    QDialog::closeEvent(e);
}

void TKalenderansicht::reject() {
    GeometrieSpeichern();
    blinker_->stop();
    QDialog::reject();
}

void TKalenderansicht::Schliessen(Wechselanfragen a) {
    anfragen_ = a;
    GeometrieSpeichern();
    blinker_->stop();
    accept();
}

void TKalenderansicht::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    leiste_->setGeometry(0, 0, width(), Leistenhoehe());
    Anordnen();
}

void TKalenderansicht::Auswaehlen(const Datum& d) {
    if (TKalender::ImBereich(d.jahr, d.monat, d.tag) && IstGueltigesDatum(d.tag, d.monat, d.jahr))
        kern_.AuswahlSetzen(d);
}

Datum TKalenderansicht::Ausgewaehlt() const {
    const AusgewaehlterTag& a = haupt_.Auswahl();
    return {a.tag, a.monat, a.jahr};
}

void TKalenderansicht::Heute() {
    const Zeitpunkt j = kern_.Zeitgeber().Jetzt();
    Auswaehlen({j.tag, j.monat, j.jahr});
    Fuellen();
    Anordnen();
}

void TKalenderansicht::Tagestermine() {
    if (fokus_ >= 1 && fokus_ <= Zellenzahl() && Zelle(fokus_)->isEnabled())
        Auswaehlen(ZellenDatum(fokus_));
    TagesdialogZeigen();
}

void TKalenderansicht::Doppelklick(int i) {
    Auswaehlen(ZellenDatum(i));
    TagesdialogZeigen();
}

void TKalenderansicht::TagesdialogZeigen() {
    const Datum d = Ausgewaehlt();
    haupt_.TagesdialogOeffnen(d.tag, d.monat, d.jahr);
    // The day the dialog showed last stays the selected day (the year view's repaint
    // behind it would take the day under its pointer).
    Auswaehlen(haupt_.Tagesfenster().Modell().Tag());
    Fuellen();
    Anordnen();
}

void TKalenderansicht::DruckenVon(const Datum& von, const Datum& bis) {
    haupt_.Druckfenster().TerminlisteDrucken(von, bis);
}

void TKalenderansicht::XmlVon(Xmlherkunft h, const Datum& von, const Datum& bis,
                              bool browser) {
    if (browser)
        haupt_.XmlAusgabe().ImBrowser(h, von, bis, this);
    else
        haupt_.XmlAusgabe().InDatei(h, von, bis, this);
}

bool TKalenderansicht::ZurueckMoeglich() const { return zurueck_ && zurueck_->isEnabled(); }
bool TKalenderansicht::VorMoeglich() const { return vor_ && vor_->isEnabled(); }

void TKalenderansicht::Linkmenue(int i, const QPoint& global) {
    const Datum d = ZellenDatum(i);
    if (!TKalender::ImBereich(d.jahr, d.monat, d.tag)) return;
    const TTerminliste& liste = kern_.Kalender().Terminliste(d.jahr, d.monat, d.tag);
    QMenu menue(this);
    menue.setObjectName(QStringLiteral("Linkmenue"));
    for (std::size_t n = 0; n < liste.size(); ++n) {
        if (liste[n].Link.empty()) continue;
        QAction* a = menue.addAction(QString::fromStdString(std::string(liste[n].Link.sicht())));
        a->setObjectName(QStringLiteral("Link%1").arg(n));
        // Handed to the desktop's "open", never to a command line.
        connect(a, &QAction::triggered, this, [this, d, n] {
            const TTerminliste& l = kern_.Kalender().Terminliste(d.jahr, d.monat, d.tag);
            if (n < l.size()) kern_.Shelldienst().Oeffnen(std::string(l[n].Link.sicht()));
        });
    }
    if (menue.isEmpty()) return;
    raise();
    menue.exec(global);
}

int TKalenderansicht::ZellenNummer(QObject* o) const {
    for (int i = 1; i <= Zellenzahl(); ++i)
        if (o == Zelle(i) || o == Zelle(i)->viewport()) return i;
    return 0;
}

bool TKalenderansicht::eventFilter(QObject* objekt, QEvent* e) {
    const int i = ZellenNummer(objekt);
    if (i == 0) return QDialog::eventFilter(objekt, e);
    // A cell without a day (the title cell) takes no click.
    if (!inhalte_[static_cast<std::size_t>(i)].frei &&
        (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick))
        return true;
    switch (e->type()) {
        case QEvent::FocusIn:
            fokus_ = i;
            break;
        case QEvent::KeyPress: {
            auto* k = static_cast<QKeyEvent*>(e);
            if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) return false;
            keyPressEvent(k);
            return true;
        }
        case QEvent::MouseButtonPress: {
            auto* m = static_cast<QMouseEvent*>(e);
            fokus_ = i;
            Auswaehlen(ZellenDatum(i));
            if (m->button() == Qt::RightButton) {
                Linkmenue(i, m->globalPosition().toPoint());
                return true;
            }
            break;
        }
        case QEvent::MouseButtonDblClick: {
            auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() != Qt::LeftButton) return true;
            fokus_ = i;
            // After the dialog the cells are filled anew; the event goes no further.
            QTimer::singleShot(0, this, [this, i] { Doppelklick(i); });
            return true;
        }
        case QEvent::Wheel:
            wheelEvent(static_cast<QWheelEvent*>(e));
            return true;
        default:
            break;
    }
    return false;
}

void TKalenderansicht::keyPressEvent(QKeyEvent* e) {
    const bool strg = e->modifiers() & Qt::ControlModifier;
    if (e->key() == Qt::Key_F5) {
        QAction* a = haupt_.Aktion(QString::fromLatin1(befehl::Aktualisieren));
        if (a && a->isVisible() && a->isEnabled()) {
            a->trigger();
            Fuellen();
            Anordnen();
        }
        return;
    }
    if (e->key() == Qt::Key_F1) {
        if (hilfe) hilfe(hilfethema_);
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (strg && e->key() == Qt::Key_T) {
        Tagestermine();
    } else if (strg && e->key() == Qt::Key_W) {
        WocheWechseln();
    } else if ((strg && e->key() == Qt::Key_M) || e->key() == Qt::Key_Return ||
               e->key() == Qt::Key_Enter) {
        MonatWechseln();
    } else if (strg && e->key() == Qt::Key_O) {
        if (optionen) optionen();
    } else if (e->text() == QLatin1String("-")) {
        if (ZurueckMoeglich()) Blaettern(-1);
    } else if (e->text() == QLatin1String("+")) {
        if (VorMoeglich()) Blaettern(1);
    }
    // Every other key is swallowed: the cells only show.
}

void TKalenderansicht::wheelEvent(QWheelEvent* e) {
    const int schritt = e->angleDelta().y();
    if (schritt < 0 && ZurueckMoeglich()) Blaettern(-1);
    if (schritt > 0 && VorMoeglich()) Blaettern(1);
    e->accept();
}

void TKalenderansicht::TagGeaendert(const Datum&) {
    if (isVisible() && !fuellt_) {
        fuellt_ = true;
        Fuellen();
        fuellt_ = false;
    }
}

void TKalenderansicht::DokumentErsetzt() { TagGeaendert({}); }

void TKalenderansicht::EinstellungenGeaendert() {
    optionen_ = ZellenoptionenAus(kern_.Optionen());
    // Today's frame blinks at the new interval at once.
    const Einstellungen& o = kern_.Optionen();
    if (o.scharzerRahmenBlinkend && isVisible()) {
        blinker_->start(std::max(1, o.Timerintervall));
    } else {
        blinker_->stop();
        Einfaerben(heute_, QPalette::Window, Qt::black);
    }
    TagGeaendert({});
}

}  // namespace kalvora
