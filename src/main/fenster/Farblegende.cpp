// The main window's colour legend, the editing modes and the year view's context menu.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTimer>

#include "main/Ansichtswechsel.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Main.h"
#include "platform/qt/QtDaten.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {

namespace t = farbtexte;

namespace {

// The mode commands in the order of the "&Werkzeuge" menu.
const Farbbearbeitung kModi[] = {Farbbearbeitung::Keine, Farbbearbeitung::Hinzufuegen,
                                 Farbbearbeitung::Loeschen, Farbbearbeitung::Neu,
                                 Farbbearbeitung::AlleLoeschen};

void Einfaerben(QLabel* l, uint32_t farbe) {
    const QColor c = AlsQColor(farbe);
    l->setStyleSheet(QStringLiteral("QLabel { background-color: %1; color: %2; }")
                         .arg(c.name(), qGray(c.rgb()) < 128 ? QStringLiteral("white")
                                                            : QStringLiteral("black")));
}

QRect AlsQRect(const Rechteck& r) { return QRect(r.links, r.oben, r.Breite(), r.Hoehe()); }

// A pointer image of the data folder; the tip of its arrow is the hot spot.
QCursor Zeigerbild(const QString& name, Qt::CursorShape ersatz) {
    QSvgRenderer svg(Datenpfad(QStringLiteral("zeiger/%1.svg").arg(name)));
    if (!svg.isValid()) return QCursor(ersatz);
    QPixmap bild(32, 32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    svg.render(&p);
    p.end();
    return QCursor(bild, 1, 1);
}

}  // namespace

void TForm1::FarbeditorAnlegen() {
    farbe_ = std::make_unique<TFarbbearbeitung>(
        kal_, [this](int t, int m, int j) { FarbaenderungMerken(t, m, j); },
        [this] { return sitzung_.schreibgeschuetzt(); });
    ZeigerLaden();
    blinkTimer_ = new QTimer(this);
    blinkTimer_->setInterval(200);
    connect(blinkTimer_, &QTimer::timeout, this, &TForm1::BlinkTakt);

    const QList<QAction*> modi = werkzeuge_->actions();
    for (int i = 0; i < modi.size(); ++i)
        connect(modi[i], &QAction::triggered, this, [this, i] { ModusSetzen(kModi[i]); });
    connect(aktuelleFarbeBox_, &QCheckBox::clicked, this, [this](bool an) {
        farbe_->KontrollkaestchenKlick(an);
        FarbzustandZeigen();
        if (unteresPanel_->isVisible()) jahresfeld_->setFocus();
    });

    auto& a = ansicht_->anschluesse;
    a.farbeAnwenden = [this](int t, int m, int j) {
        if (ansicht_->Hilfemodus()) return;
        if (farbe_->DirektMalen(t, m, j)) TagGeaendert(t, m, j);
    };
    a.farbeLoeschen = [this](int t, int m, int j) {
        if (farbe_->FarbenLoeschen(t, m, j)) TagGeaendert(t, m, j);
    };
    // The blink tick repaints the view itself; every other paint ends the highlight.
    a.legendeAnhalten = [this] {
        if (!blinkTakt_) LegendeAnhalten();
    };
}

void TForm1::ZeigerLaden() {
    zeiger_[Zeigerform::Pfeil] = QCursor(Qt::ArrowCursor);
    zeiger_[Zeigerform::Hilfe] = QCursor(Qt::WhatsThisCursor);
    zeiger_[Zeigerform::Plus] = Zeigerbild(QStringLiteral("plus"), Qt::CrossCursor);
    zeiger_[Zeigerform::Minus] = Zeigerbild(QStringLiteral("minus"), Qt::CrossCursor);
    zeiger_[Zeigerform::Neu] = Zeigerbild(QStringLiteral("neu"), Qt::CrossCursor);
    zeiger_[Zeigerform::Loeschen] = Zeigerbild(QStringLiteral("loeschen"), Qt::CrossCursor);
}

QCursor TForm1::Zeiger(Zeigerform form) const {
    const auto it = zeiger_.find(form);
    return it == zeiger_.end() ? QCursor(Qt::ArrowCursor) : it->second;
}

void TForm1::ModusSetzen(Farbbearbeitung modus) {
    farbe_->ModusSetzen(modus);
    FarbzustandZeigen();
}

void TForm1::FarbbearbeitungWiederherstellen() {
    ModusSetzen(einstellungen_.JahresansichtBearbeiten ? Farbbearbeitung::Hinzufuegen
                                                       : Farbbearbeitung::Keine);
    flaeche_->update();
}

void TForm1::FarbzustandZeigen() {
    if (!farbe_) return;
    const QList<QAction*> modi = werkzeuge_->actions();
    for (int i = 0; i < modi.size(); ++i) {
        modi[i]->setChecked(kModi[i] == farbe_->Modus());
        Freigeben(modi[i]->objectName(), bearbeitbar_);
    }
    aktuelleFarbeBox_->setChecked(farbe_->Direkt());
    aktuelleFarbeBox_->setEnabled(bearbeitbar_);
    const kalvora::AktuelleFarbe& c = farbe_->Aktuell();
    Einfaerben(aktuelleFarbe_, c.farbe);
    // A long name is cut at the end instead of on both sides of the centred text.
    aktuelleFarbe_->TextSetzen(QString::fromStdString(c.name));
    aktuelleFarbe_->setEnabled(bearbeitbar_);
    for (QLabel* feld : farbfelder_) feld->setEnabled(bearbeitbar_);
    ansicht_->farbbearbeitung = farbe_->Modus();
    // The pointer follows the mode at once when it rests on the view.
    if (const std::optional<Punkt> p = flaeche_->Zeigerposition()) {
        ansicht_->ZeigerAuswerten(p->x, p->y);
        AnsichtTexteZeigen();
    }
}

void TForm1::FarbmenusAktualisieren() {
    LegendeZeigen();
    farbe_->NameAbgleichen();
    FarbzustandZeigen();
}

QIcon TForm1::Farbsymbol(int slot) const {
    return slot >= 1 && slot <= AnzahlFarben ? farbsymbole_[slot] : QIcon();
}

void TForm1::FarbsymboleAufbauen() {
    for (int k = 1; k <= AnzahlFarben; ++k) {
        QPixmap p(16, 16);
        p.fill(AlsQColor(kal_.Farbwerte[k]));
        farbsymbole_[k] = QIcon(p);
    }
}

void TForm1::TagNeuZeichnen(int tag, int monat, int jahr) {
    const std::optional<Rechteck> z = kalvora::TagNeuZeichnen(*ansicht_, tag, monat, jahr);
    if (!z) return;
    flaeche_->update(QRect(z->links, z->oben, z->Breite() + 1, z->Hoehe() + 1));
    const auto zaehler = Farbzaehlung(kal_, jahr);
    for (int k = 1; k <= AnzahlFarben; ++k)
        farbfelder_[k - 1]->setText(QString::number(zaehler[k]));
    // Panel 3 names the colours of the hovered day, which may be the changed one.
    ansicht_->TagtexteAuffrischen();
    AnsichtTexteZeigen();
}

void TForm1::TagGeaendert(int tag, int monat, int jahr) {
    kern_.TagGeaendertMelden({tag, monat, jahr});
    felder_[2]->TextSetzen(QString::fromUtf8(t::Geaendert));
}

// ---- legend ---------------------------------------------------------------------------

void TForm1::LegendeZeigen() {
    const auto zaehler = Farbzaehlung(kal_, ansicht_->Jahr());
    for (int k = 1; k <= AnzahlFarben; ++k) {
        legendenfarben_[k] = kal_.Farbwerte[k];
        Einfaerben(farbfelder_[k - 1], kal_.Farbwerte[k]);
        farbfelder_[k - 1]->setText(QString::number(zaehler[k]));
        const QString name = QString::fromStdString(kal_.Farbnamen[k]);
        farbnamen_[k - 1]->TextSetzen(name);  // the name is its tooltip, too
    }
    FarbsymboleAufbauen();
}

bool TForm1::LegendenEreignis(int slot, QEvent* e) {
    switch (e->type()) {
        case QEvent::Enter:
            LegendeBlinken(slot);
            return false;
        case QEvent::Leave:
            LegendeAnhalten();
            return false;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: break;
        default: return false;
    }
    if (!bearbeitbar_) return true;
    auto* m = static_cast<QMouseEvent*>(e);
    const bool rechts = m->button() == Qt::RightButton;
    if (!ansicht_->HilfeKlick(Hilfeziel::Farbfeld, rechts).normaleAktion) return true;
    if (e->type() == QEvent::MouseButtonDblClick && m->button() == Qt::LeftButton) {
        FarbfeldUmbenennen(slot);
    } else if (m->button() == Qt::LeftButton) {
        farbe_->FarbfeldKlick(slot);
        FarbzustandZeigen();
    } else if (rechts) {
        FarbfeldFarbeWaehlen(slot);
    }
    return true;
}

void TForm1::FarbfeldUmbenennen(int slot) {
    const auto antwort = dialoge_.Eingabe(t::Titel, t::NeuerText, kal_.Farbnamen[slot]);
    if (!antwort) return;
    farbe_->FarbnameSetzen(slot, *antwort);
    kern_.FarbtabelleGeaendertMelden();
    BefehleAktualisieren();
}

void TForm1::FarbfeldFarbeWaehlen(int slot) {
    LegendeAnhalten();
    const auto farbe = dialoge_.Farbe(kal_.Farbwerte[slot], {});
    if (!farbe) return;
    if (const auto fehler = farbe_->FarbwertSetzen(slot, *farbe)) {
        dialoge_.Meldung(*fehler, Meldungsart::Warnung, Knoepfe::Ok);
        return;
    }
    kern_.FarbtabelleGeaendertMelden();
    BefehleAktualisieren();
}

void TForm1::LegendeBlinken(int slot) {
    if (slot < 1 || slot > AnzahlFarben) return;
    if (blinkFarbe_ != kal_.Farbwerte[slot]) LegendeAnhalten();
    blinkFarbe_ = kal_.Farbwerte[slot];
    if (!blinkTimer_->isActive()) blinkTimer_->start();
}

bool TForm1::LegendeBlinkt() const { return blinkTimer_->isActive(); }

void TForm1::BlinkTakt() {
    blinkAn_ = !blinkAn_;
    const std::vector<Rechteck> zellen = Blinkzellen(*ansicht_, kal_, blinkFarbe_);
    QRegion bereich;
    for (const Rechteck& r : zellen) bereich += AlsQRect(r);
    flaeche_->MarkierungSetzen(blinkAn_ ? zellen : std::vector<Rechteck>{});
    blinkTakt_ = true;
    if (!bereich.isEmpty()) flaeche_->repaint(bereich);
    blinkTakt_ = false;
}

void TForm1::LegendeAnhalten() {
    if (!blinkTimer_) return;
    const bool lief = blinkTimer_->isActive();
    blinkTimer_->stop();
    if (blinkAn_) {
        blinkAn_ = false;
        flaeche_->MarkierungSetzen({});
        flaeche_->update();
    }
    if (lief) {
        ansicht_->ZeigerVerlassen();  // the texts stay empty until the pointer is back
        for (int i : {0, 1, 3}) felder_[i]->TextSetzen({});
    }
}

// ---- context menu ---------------------------------------------------------------------

void TForm1::KontextmenueZeigen(const QPoint& global) {
    const QPoint p = flaeche_->mapFromGlobal(global);
    std::optional<Datum> tag;
    if (const auto tm = ansicht_->TagAnPosition(p.x(), p.y()))
        tag = Datum{tm->tag, tm->monat, ansicht_->Jahr()};
    const Kontextmenue modell =
        KontextmenueAufbauen(kal_, tag, farbe_->Modus(), sitzung_.schreibgeschuetzt());

    QMenu menue(this);
    menue.setObjectName(QStringLiteral("PopupMenu1"));
    QAction* loeschen = menue.addAction(QString::fromUtf8(modell.farbeLoeschenTitel));
    loeschen->setObjectName(QStringLiteral("Farbelschen1"));
    loeschen->setEnabled(modell.farbeLoeschenAktiv);
    connect(loeschen, &QAction::triggered, this, [this] {
        // The next pointer evaluation deletes the colours of the remembered day.
        ansicht_->farbeLoeschenAnstehend = true;
        ansicht_->ZeigerAuswerten(0, 0);
        AnsichtTexteZeigen();
    });
    for (const Farbmenueeintrag& e : modell.farben) {
        QAction* a = menue.addAction(farbsymbole_[e.slot], QString::fromStdString(e.titel));
        a->setObjectName(QStringLiteral("Farbe%1").arg(e.slot));
        a->setVisible(e.sichtbar);
        a->setEnabled(modell.farbenAktiv);
        if (!tag) continue;
        connect(a, &QAction::triggered, this, [this, slot = e.slot, d = *tag] {
            if (farbe_->FarbeAnwenden(slot, d.tag, d.monat, d.jahr))
                TagGeaendert(d.tag, d.monat, d.jahr);
        });
    }
    const char* namen[] = {"neueFarbe2", "eineFarbehinzufgen1", "eineFarbelschen1"};
    for (int u = 0; u < 3; ++u) {
        const Kontextuntermenue& um = modell.unter[u];
        QMenu* sub = menue.addMenu(QString::fromStdString(um.titel));
        sub->setObjectName(QString::fromLatin1(namen[u]));
        sub->menuAction()->setVisible(um.sichtbar);
        sub->setEnabled(um.aktiv);
        for (const Farbmenueeintrag& e : um.eintraege) {
            if (!e.sichtbar || !tag) continue;
            QAction* a = sub->addAction(farbsymbole_[e.slot], QString::fromStdString(e.titel));
            connect(a, &QAction::triggered, this,
                    [this, art = UntermenueBefehle[u], slot = e.slot, d = *tag] {
                        if (farbe_->UntermenueAnwenden(art, slot, d.tag, d.monat, d.jahr))
                            TagGeaendert(d.tag, d.monat, d.jahr);
                    });
        }
    }
    menue.addSeparator();
    QAction* tagestermine = menue.addAction(QStringLiteral("Tagestermine"));
    connect(tagestermine, &QAction::triggered, this,
            [this] { TagesdialogOeffnen(auswahl_.tag, auswahl_.monat, auswahl_.jahr); });
    // The calendar views come with their windows.
    for (const char* titel : {"Wochenansicht", "Monatsansicht", "Desktopstundenplanansicht"})
        menue.addAction(QString::fromLatin1(titel))->setEnabled(false);
    menue.addSeparator();
    const QString vollbild = QString::fromStdString(
        VollbildMenuetext({vollbildPanel_, vollbildMenue_, vollbildToolbar_}));
    connect(menue.addAction(vollbild), &QAction::triggered, this, &TForm1::VollbildUmschalten);
    menue.exec(global);
}

}  // namespace kalvora
