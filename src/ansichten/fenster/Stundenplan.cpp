#include "ansichten/fenster/Stundenplan.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "main/Hauptmenue.h"
#include "main/fenster/Alarmsteuerung.h"
#include "einstellungen/Optionenseiten.h"
#include "main/fenster/Hilfefenster.h"
#include "main/fenster/Main.h"
#include "main/fenster/Programmschrift.h"
#include "platform/qt/Durchsicht.h"
#include "platform/qt/Leistenknopf.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {
namespace {

namespace st = stundenplantexte;

QString Q(const char* text) { return QString::fromUtf8(text); }

QScreen* Bildschirm(const QWidget& w) {
    QScreen* s = w.screen();
    return s ? s : QGuiApplication::primaryScreen();
}

bool LeisteUntenFuer(int ort) {
    const auto ecke = static_cast<Stundenplanecke>(ort);
    return ecke == Stundenplanecke::UntenRechts || ecke == Stundenplanecke::UntenLinks;
}

}  // namespace

TStundenplanflaeche::TStundenplanflaeche(TForm24& fenster, TStundenplan& plan)
    : QWidget(&fenster), fenster_(fenster), plan_(plan) {
    setObjectName(QStringLiteral("PaintBox1"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TStundenplanflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), fenster_.Hintergrund());
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QtLeinwand l(p);
    plan_.Messen(l);
    plan_.Malen(l, width(), height());
}

void TStundenplanflaeche::mouseMoveEvent(QMouseEvent* e) {
    fenster_.ZeigerBewegt(e->position().toPoint());
    QWidget::mouseMoveEvent(e);
}

void TStundenplanflaeche::mouseDoubleClickEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    fenster_.ZeigerBewegt(e->position().toPoint());
    fenster_.Bearbeiten();
}

void TStundenplanflaeche::contextMenuEvent(QContextMenuEvent* e) {
    fenster_.KontextmenueZeigen(e->pos(), e->globalPos());
}

void TStundenplanflaeche::wheelEvent(QWheelEvent* e) {
    const int d = e->angleDelta().y();
    if (d < 0)
        fenster_.TagZurueck();  // towards the user
    else if (d > 0)
        fenster_.TagVor();
    e->accept();
}

TForm24::TForm24(TForm1& hauptfenster, bool desktop, QWidget* parent)
    : QDialog(parent),
      haupt_(hauptfenster),
      desktop_(desktop),
      plan_(std::make_unique<TStundenplan>(hauptfenster.Kalender(), hauptfenster.Optionen(),
                                           hauptfenster.Kern().Zeitgeber(),
                                           hauptfenster.Auswahl())) {
    optionen = [&hauptfenster] { hauptfenster.OptionenZeigen(optionsseite::Stundenplan); };
    hilfe = HilfeAufrufen;
    setObjectName(QStringLiteral("Form24"));
    setWindowTitle(Q(st::Titel));
    setModal(true);
    plan_->schrift = Schrift{Programmschriftart, 8};
    // No minimize button: the timetable cannot be minimised.
    if (desktop_)
        setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    else
        setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    // A window is made translucent only before it is first shown; a later change of the
    // setting can only turn the see-through background off.
    if (desktop_ && haupt_.Optionen().DestopansichtTransparent && DurchsichtMoeglich())
        setAttribute(Qt::WA_TranslucentBackground);

    spalte_ = new QVBoxLayout(this);
    spalte_->setContentsMargins(0, 0, 0, 0);
    spalte_->setSpacing(0);
    LeisteAufbauen();
    flaeche_ = new TStundenplanflaeche(*this, *plan_);
    spalte_->addWidget(leiste_);
    spalte_->addWidget(flaeche_, 1);
    MenueAufbauen();
    // The window's keys come first, wherever the focus is (the hour fields would take "-",
    // "+" and Enter for themselves); the popup menu keeps its own keys.
    for (QWidget* w : findChildren<QWidget*>())
        if (!qobject_cast<QMenu*>(w)) w->installEventFilter(this);

    haupt_.Kalender().Anmelden(*this);
    Anordnen(false);
    DarstellungAnwenden();
    HakenAnwenden();
}

TForm24::~TForm24() { haupt_.Kalender().Abmelden(*this); }

void TForm24::LeisteAufbauen() {
    leiste_ = new QToolBar(this);
    leiste_->setObjectName(QStringLiteral("ToolBar1"));
    leiste_->setIconSize(QSize(16, 16));
    const auto knopf = [this](int nummer, const char* hinweis, const char* symbol,
                              const char* thema, auto wirkung) {
        QToolButton* k = Leistenknopf(leiste_, nummer, hinweis, symbol, thema);
        connect(k, &QToolButton::clicked, this, wirkung);
    };
    knopf(1, st::Schliessen, "schliessen", "window-close", [this] { close(); });
    leiste_->addSeparator();
    knopf(3, st::TagZurueck, "tag-zurueck", "go-previous", &TForm24::TagZurueck);
    knopf(6, st::Heute, "heute", "go-jump-today", &TForm24::Heute);
    knopf(7, st::TagVor, "tag-vor", "go-next", &TForm24::TagVor);
    leiste_->addSeparator();
    knopf(11, st::WocheZurueck, "woche-zurueck", "media-seek-backward", &TForm24::WocheZurueck);
    knopf(12, st::WocheVor, "woche-vor", "media-seek-forward", &TForm24::WocheVor);
    leiste_->addSeparator();
    knopf(14, st::Bearbeiten, "tagestermine", "document-edit", &TForm24::Bearbeiten);
    knopf(5, st::Optionen, "optionen", "preferences-system", &TForm24::OptionenZeigen);
    knopf(8, st::Hilfe, "hilfe", "help-contents", [this] {
        if (hilfe) hilfe(StundenplanHilfethema);
    });

    const auto beschriftung = [this](const char* text, const char* name) {
        auto* l = new QLabel(Q(text), leiste_);
        l->setObjectName(QString::fromLatin1(name));
        leiste_->addWidget(l);
    };
    const auto feld = [this](int von, int bis, const char* name) {
        auto* f = new QSpinBox(leiste_);
        f->setObjectName(QString::fromLatin1(name));
        f->setRange(von, bis);
        leiste_->addWidget(f);
        return f;
    };
    beschriftung(st::UhrzeitVon, "Label1");
    ersteStunde_ = feld(0, 23, "SpinEdit3");
    beschriftung(st::Bis, "Label2");
    letzteStunde_ = feld(1, 24, "SpinEdit4");
    beschriftung(st::Uhr, "Label3");
    // The two hours are coupled once an edit is finished (Enter, focus leaving, arrows,
    // wheel), not at every key: typing "22" passes through 2 on its way.
    ersteStunde_->setKeyboardTracking(false);
    letzteStunde_->setKeyboardTracking(false);
    connect(ersteStunde_, &QSpinBox::valueChanged, this, [this](int wert) {
        const int v = plan_->ErsteStundeAendern(wert);
        if (v != wert) {
            const QSignalBlocker b(ersteStunde_);
            ersteStunde_->setValue(v);
        }
        flaeche_->update();
    });
    connect(letzteStunde_, &QSpinBox::valueChanged, this, [this](int wert) {
        const int v = plan_->LetzteStundeAendern(wert);
        if (v != wert) {
            const QSignalBlocker b(letzteStunde_);
            letzteStunde_->setValue(v);
        }
        flaeche_->update();
    });
}

void TForm24::MenueAufbauen() {
    menue_ = new QMenu(this);
    menue_->setObjectName(QStringLiteral("PopupMenu1"));
    const auto eintrag = [this](const char* text, const char* name, void (TForm24::*wirkung)()) {
        QAction* a = menue_->addAction(Q(text));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, wirkung);
        return a;
    };
    eintrag(st::Bearbeiten, "Bearbeiten1", &TForm24::Bearbeiten);
    linkEintrag_ = eintrag(st::LinkAusfuehren, "LinkAusfuehren1", &TForm24::LinkAusfuehren);
    linkEintrag_->setEnabled(false);
    menue_->addSeparator();
    eintrag(st::Zurueckblaettern, "Zurueckblaettern1", &TForm24::TagZurueck);
    eintrag(st::HeuteKlein, "Heute1", &TForm24::Heute);
    eintrag(st::Vorblaettern, "Vorblaettern1", &TForm24::TagVor);
    eintrag(st::WocheZurueck, "WocheZurueck1", &TForm24::WocheZurueck);
    eintrag(st::WocheVor, "WocheVor1", &TForm24::WocheVor);
    menue_->addSeparator();
    QAction* zu = menue_->addAction(Q(st::SchliessenKlein));
    zu->setObjectName(QStringLiteral("Schliessen1"));
    connect(zu, &QAction::triggered, this, &QWidget::close);
}

void TForm24::HakenAnwenden() {
    Knopf(5)->setEnabled(static_cast<bool>(optionen));
    Knopf(8)->setEnabled(static_cast<bool>(hilfe));
}

QWidget* TForm24::Flaeche() const { return flaeche_; }

QToolButton* TForm24::Knopf(int nummer) const {
    return leiste_->findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(nummer));
}

QAction* TForm24::Menueeintrag(const char* name) const {
    return menue_->findChild<QAction*>(QString::fromLatin1(name));
}

QColor TForm24::Hintergrund() const {
    QColor c = AlsQColor(haupt_.Optionen().HintergrundfarbeDerStundenplanansicht);
    // Nearly clear rather than clear: the pointer still reaches the drawing there.
    if (durchsichtig_) c.setAlpha(1);
    return c;
}

void TForm24::Anordnen(bool versatzBehalten) {
    const QScreen* s = Bildschirm(*this);
    const int breite = s ? s->geometry().width() : 1024;
    const Stundenplangroesse g = plan_->Anordnen(breite, versatzBehalten);
    {
        QImage bild(1, 1, QImage::Format_ARGB32_Premultiplied);
        QPainter p(&bild);
        QtLeinwand l(p);
        plan_->Messen(l);
    }
    FelderZeigen();
    setMinimumSize(g.mindestBreite, g.mindestHoehe);
    resize(g.breite, g.hoehe);
    // A new size is placed again, so that the window stays whole on the screen.
    if (platziert_) Platzieren();
    flaeche_->update();
}

void TForm24::FelderZeigen() {
    const QSignalBlocker a(ersteStunde_);
    const QSignalBlocker b(letzteStunde_);
    letzteStunde_->setValue(plan_->LetzteStunde());
    ersteStunde_->setValue(plan_->ErsteStunde());
}

void TForm24::DarstellungAnwenden() {
    const Einstellungen& e = haupt_.Optionen();
    durchsichtig_ = desktop_ && e.DestopansichtTransparent &&
                    testAttribute(Qt::WA_TranslucentBackground);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, AlsQColor(e.HintergrundfarbeDerStundenplanansicht));
    setPalette(pal);
    setAutoFillBackground(!testAttribute(Qt::WA_TranslucentBackground));
    const bool unten = desktop_ && LeisteUntenFuer(e.Stdplanort);
    if (unten != leisteUnten_) {
        spalte_->removeWidget(leiste_);
        spalte_->insertWidget(unten ? 1 : 0, leiste_);
        leisteUnten_ = unten;
    }
    leiste_->setVisible(!(desktop_ && e.DesktopToolbarAus));
    flaeche_->update();
}

void TForm24::Platzieren() {
    const QScreen* s = Bildschirm(*this);
    if (!s) return;
    const QRect a = s->availableGeometry();
    const Rechteck bereich{a.left(), a.top(), a.right() + 1, a.bottom() + 1};
    // The corner is the outer edge of the window, frame included.
    const QSize aussen = isVisible() ? frameGeometry().size() : size();
    const Einstellungen& e = haupt_.Optionen();
    Punkt ort;
    if (desktop_)
        ort = DesktopLage(bereich, aussen.width(), aussen.height(),
                          static_cast<Stundenplanecke>(e.Stdplanort), e.Stdplanabstx,
                          e.Stdplanabsty)
                  .ort;
    else
        ort = NormaleLage(bereich, aussen.width(), aussen.height());
    move(ort.x, ort.y);
}

void TForm24::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!platziert_) {
        Platzieren();
        platziert_ = true;
    }
    // Once painted, for a picture of the start view.
    QTimer::singleShot(0, this, [this] { emit haupt_.AnsichtGezeigt(this); });
}

void TForm24::TagZurueck() {
    plan_->TagZurueck();
    flaeche_->update();
}

void TForm24::TagVor() {
    plan_->TagVor();
    flaeche_->update();
}

void TForm24::Heute() {
    plan_->Heute();
    flaeche_->update();
}

void TForm24::WocheZurueck() {
    plan_->WocheZurueck();
    flaeche_->update();
}

void TForm24::WocheVor() {
    plan_->WocheVor();
    flaeche_->update();
}

void TForm24::EigenerDialog(const std::function<void()>& zeigen) {
    eigenerDialog_ = true;
    zeigen();
    eigenerDialog_ = false;
    anderesFensterAktiv_ = false;
}

void TForm24::Bearbeiten() {
    const AusgewaehlterTag tag = haupt_.Auswahl();
    EigenerDialog([&] { haupt_.TagesdialogOeffnen(tag.tag, tag.monat, tag.jahr); });
    Anordnen(true);
    DarstellungAnwenden();
}

void TForm24::LinkAusfuehren() {
    // Handed to the desktop's "open", never to a command line.
    if (!plan_->Link().empty()) haupt_.Kern().Shelldienst().Oeffnen(plan_->Link());
}

void TForm24::OptionenZeigen() {
    // On OK the options dialog tells every window of the new settings; the layout follows
    // them in EinstellungenGeaendert.
    if (optionen) EigenerDialog(optionen);
}

void TForm24::ZeigerBewegt(const QPoint& p) {
    plan_->ZeigerBewegt(p.x(), p.y(), flaeche_->width(), flaeche_->height());
}

void TForm24::KontextmenueZeigen(const QPoint& lokal, const QPoint& global) {
    ZeigerBewegt(lokal);
    linkEintrag_->setEnabled(!plan_->Link().empty());
    menue_->popup(global);
}

bool TForm24::Taste(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Minus:
            TagZurueck();
            return true;
        case Qt::Key_Plus:
            TagVor();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // In an hour field Enter first finishes a typed hour; with none, it is today.
            if (auto* feld = qobject_cast<QSpinBox*>(QApplication::focusWidget());
                feld && (feld == ersteStunde_ || feld == letzteStunde_) &&
                feld->cleanText() != feld->locale().toString(feld->value())) {
                feld->interpretText();
                feld->selectAll();
                return true;
            }
            Heute();
            return true;
        case Qt::Key_Escape:
            close();
            return true;
        case Qt::Key_F5:
            if (QAction* a = haupt_.Aktion(QString::fromLatin1(befehl::Aktualisieren));
                a && a->isEnabled())
                a->trigger();  // the reloaded document reaches the drawing as a subscriber
            return true;
        default:
            return false;
    }
}

bool TForm24::eventFilter(QObject* objekt, QEvent* e) {
    // Only keys typed into this window itself: a popup or a dialog opened from it keeps
    // Esc and Return for its own use.
    const auto* w = qobject_cast<QWidget*>(objekt);
    if (e->type() == QEvent::KeyPress && w && w->window() == this &&
        Taste(static_cast<QKeyEvent*>(e)))
        return true;
    return QDialog::eventFilter(objekt, e);
}

void TForm24::keyPressEvent(QKeyEvent* e) {
    if (!Taste(e)) QDialog::keyPressEvent(e);
}

bool TForm24::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowDeactivate: {
            // Another window of the program takes over (not the day dialog or the options
            // opened from here): coming back, the timetable starts at the selected day.
            const QWidget* neu = QApplication::activeWindow();
            if (!eigenerDialog_ && neu && neu != this) anderesFensterAktiv_ = true;
            break;
        }
        case QEvent::WindowActivate:
            if (anderesFensterAktiv_) {
                anderesFensterAktiv_ = false;
                Anordnen(false);
            }
            break;
        default:
            break;
    }
    return QDialog::event(e);
}

void TForm24::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            show();
        });
}

void TForm24::TagGeaendert(const Datum&) { flaeche_->update(); }

void TForm24::DokumentErsetzt() { flaeche_->update(); }

void TForm24::EinstellungenGeaendert() {
    Anordnen(true);
    DarstellungAnwenden();
}

void StundenplanZeigen(TForm1& hauptfenster, bool desktop,
                       const std::function<void(TForm24&)>& vorbereiten) {
    TAlarmsteuerung& alarm = hauptfenster.Alarm();
    if (!desktop) {
        TForm24 dialog(hauptfenster, false, &hauptfenster);
        if (vorbereiten) vorbereiten(dialog);
        dialog.HakenAnwenden();
        dialog.exec();
        if (alarm.Traydienst().Sichtbar()) alarm.Traydienst().Entfernen();
        return;
    }
    // Without a parent: the main window is hidden while it shows.
    TForm24 dialog(hauptfenster, true);
    if (vorbereiten) vorbereiten(dialog);
    dialog.HakenAnwenden();
    // The main window comes back however the dialog ends, unless the tray's "Beenden" has
    // closed it for good meanwhile; then only the icon goes.
    bool beendet = false;
    const QMetaObject::Connection geschlossen =
        QObject::connect(&hauptfenster, &TForm1::Geschlossen, &dialog, [&beendet] {
            beendet = true;
        });
    struct Zurueck {
        TAlarmsteuerung& alarm;
        const bool& beendet;
        QMetaObject::Connection verbindung;
        ~Zurueck() {
            QObject::disconnect(verbindung);
            alarm.DesktopSetzen(nullptr);
            alarm.ansichtSchliessen = {};
            if (beendet)
                alarm.Traydienst().Entfernen();
            else
                alarm.Wiederherstellen();
        }
    } zurueck{alarm, beendet, geschlossen};
    hauptfenster.hide();
    alarm.DesktopSetzen(&dialog);
    alarm.ansichtSchliessen = [&dialog] { dialog.close(); };
    alarm.InDenHintergrund(Alarmherkunft::Desktopstundenplan);
    dialog.exec();
}

}  // namespace kalvora
