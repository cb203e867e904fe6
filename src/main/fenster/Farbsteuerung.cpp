#include "main/fenster/Farbsteuerung.h"

#include <QAction>
#include <QActionGroup>
#include <QSpinBox>
#include <QToolButton>

#include "main/fenster/Farblegende.h"
#include "main/fenster/Hauptbefehle.h"
#include "main/fenster/Jahresfeld.h"
#include "main/fenster/Jahresflaeche.h"
#include "main/fenster/Jahreskontextmenue.h"
#include "main/fenster/Kurztext.h"
#include "main/fenster/Statusleiste.h"
#include "main/fenster/Unterpanel.h"
#include "main/Hauptmenue.h"

namespace kalvora {

namespace t = farbtexte;

namespace {

// The mode commands in the order of the "&Werkzeuge" menu.
const Farbbearbeitung kModi[] = {Farbbearbeitung::Keine, Farbbearbeitung::Hinzufuegen,
                                 Farbbearbeitung::Loeschen, Farbbearbeitung::Neu,
                                 Farbbearbeitung::AlleLoeschen};

}  // namespace

TFarbsteuerung::TFarbsteuerung(Anwendungskern& kern, const Teile& teile)
    : QObject(nullptr),
      kern_(kern),
      kal_(kern.Kalender()),
      historie_(kern.Historie()),
      sitzung_(kern.Sitzung()),
      dialoge_(kern.Dialogdienst()),
      einstellungen_(kern.Optionen()),
      legendenfarben_(kern.Legendenfarben()),
      ansicht_(teile.ansicht),
      flaeche_(teile.flaeche),
      panel_(teile.panel),
      status_(teile.status),
      befehle_(teile.befehle) {
    farbe_ = std::make_unique<TFarbbearbeitung>(
        kal_, [this](int t, int m, int j) { FarbaenderungMerken(t, m, j); },
        [this] { return sitzung_.schreibgeschuetzt(); });
    kal_.Anmelden(*this);

    const QList<QAction*> modi = befehle_.Werkzeuge()->actions();
    for (int i = 0; i < modi.size(); ++i)
        connect(modi[i], &QAction::triggered, this, [this, i] { ModusSetzen(kModi[i]); });
    LegendeAnschliessen();
    connect(&panel_, &TUnterpanel::AktuelleFarbeGeklickt, this, [this] {
        if (!bearbeitbar_) return;
        farbe_->AktuelleFarbeKlick();
        FarbzustandZeigen();
    });
    connect(&panel_, &TUnterpanel::AktuelleFarbeAngehakt, this, [this](bool an) {
        farbe_->KontrollkaestchenKlick(an);
        FarbzustandZeigen();
        if (panel_.isVisible()) panel_.Jahresfeld()->setFocus();
    });

    auto& a = ansicht_.anschluesse;
    a.farbeAnwenden = [this](int t, int m, int j) {
        if (ansicht_.Hilfemodus()) return;
        if (farbe_->DirektMalen(t, m, j)) TagGeaendert(t, m, j);
    };
    a.farbeLoeschen = [this](int t, int m, int j) {
        if (farbe_->FarbenLoeschen(t, m, j)) TagGeaendert(t, m, j);
    };
    // The blink tick repaints the view itself; every other paint ends the highlight.
    a.legendeAnhalten = [this] {
        if (!flaeche_.ImTakt()) LegendeAnhalten();
    };
}

TFarbsteuerung::~TFarbsteuerung() {
    auto& a = ansicht_.anschluesse;
    a.farbeAnwenden = {};
    a.farbeLoeschen = {};
    a.legendeAnhalten = {};
    kal_.Abmelden(*this);
}

void TFarbsteuerung::DokumentErsetzt() {
    // The session repaints the year view as its load's last step.
    FarbmenusAktualisieren();
    HistorieAnzeigen();
}

void TFarbsteuerung::FarbtabelleGeaendert() {
    LegendeZeigen();
    // The current colour is called by the name of the slot that holds it now.
    farbe_->NameAbgleichen();
    FarbzustandZeigen();
    flaeche_.update();
}

void TFarbsteuerung::GeburtstageGeaendert() {
    flaeche_.update();
    ansicht_.TagtexteAuffrischen();
    emit TexteAuffrischen();
}

void TFarbsteuerung::BearbeitbarSetzen(bool ja) {
    bearbeitbar_ = ja;
    HistorieAnzeigen();
    FarbzustandZeigen();
}

void TFarbsteuerung::ModusSetzen(Farbbearbeitung modus) {
    farbe_->ModusSetzen(modus);
    FarbzustandZeigen();
}

void TFarbsteuerung::ModusAusEinstellungen() {
    ModusSetzen(einstellungen_.JahresansichtBearbeiten ? Farbbearbeitung::Hinzufuegen
                                                       : Farbbearbeitung::Keine);
}

void TFarbsteuerung::FarbzustandZeigen() {
    const QList<QAction*> modi = befehle_.Werkzeuge()->actions();
    for (int i = 0; i < modi.size(); ++i) {
        modi[i]->setChecked(kModi[i] == farbe_->Modus());
        befehle_.Freigeben(modi[i]->objectName(), bearbeitbar_);
    }
    const kalvora::AktuelleFarbe& c = farbe_->Aktuell();
    panel_.AktuelleFarbeZeigen(c.farbe, c.name, farbe_->Direkt(), bearbeitbar_);
    ansicht_.farbbearbeitung = farbe_->Modus();
    // The pointer follows the mode at once when it rests on the view.
    if (const std::optional<Punkt> p = flaeche_.Zeigerposition()) {
        ansicht_.ZeigerAuswerten(p->x, p->y);
        emit TexteAuffrischen();
    }
}

void TFarbsteuerung::FarbmenusAktualisieren() {
    LegendeZeigen();
    farbe_->NameAbgleichen();
    FarbzustandZeigen();
}

void TFarbsteuerung::TagNeuZeichnen(int tag, int monat, int jahr) {
    const std::optional<Rechteck> z = kalvora::TagNeuZeichnen(ansicht_, tag, monat, jahr);
    if (!z) return;
    flaeche_.update(QRect(z->links, z->oben, z->Breite() + 1, z->Hoehe() + 1));
    panel_.Legende()->ZaehlerZeigen(Farbzaehlung(kal_, jahr));
    // Panel 3 names the colours of the hovered day, which may be the changed one.
    ansicht_.TagtexteAuffrischen();
    emit TexteAuffrischen();
}

void TFarbsteuerung::TagGeaendert(int tag, int monat, int jahr) {
    kern_.TagGeaendertMelden({tag, monat, jahr});
    status_.Feld(2)->TextSetzen(QString::fromUtf8(t::Geaendert));
}

// ---- legend ---------------------------------------------------------------------------

void TFarbsteuerung::LegendeZeigen() {
    for (int k = 1; k <= AnzahlFarben; ++k) legendenfarben_[k] = kal_.Farbwerte[k];
    panel_.Legende()->Zeigen(kal_, Farbzaehlung(kal_, ansicht_.Jahr()));
}

bool TFarbsteuerung::LegendeBedienbar(bool rechts) {
    return bearbeitbar_ && ansicht_.HilfeKlick(Hilfeziel::Farbfeld, rechts).normaleAktion;
}

void TFarbsteuerung::LegendeAnschliessen() {
    TFarblegende* legende = panel_.Legende();
    connect(legende, &TFarblegende::FarbfeldBetreten, this, &TFarbsteuerung::LegendeBlinken);
    connect(legende, &TFarblegende::FarbfeldVerlassen, this, [this] { LegendeAnhalten(); });
    connect(legende, &TFarblegende::FarbfeldGeklickt, this, [this](int slot) {
        if (!LegendeBedienbar(false)) return;
        farbe_->FarbfeldKlick(slot);
        FarbzustandZeigen();
    });
    connect(legende, &TFarblegende::FarbfeldDoppelklick, this, [this](int slot) {
        if (LegendeBedienbar(false)) FarbfeldUmbenennen(slot);
    });
    connect(legende, &TFarblegende::FarbfeldRechtsklick, this, [this](int slot) {
        if (LegendeBedienbar(true)) FarbfeldFarbeWaehlen(slot);
    });
}

void TFarbsteuerung::FarbfeldUmbenennen(int slot) {
    const auto antwort = dialoge_.Eingabe(t::Titel, t::NeuerText, kal_.Farbnamen[slot]);
    if (!antwort) return;
    farbe_->FarbnameSetzen(slot, *antwort);
    kern_.FarbtabelleGeaendertMelden();
    emit BefehleAuffrischen();
}

void TFarbsteuerung::FarbfeldFarbeWaehlen(int slot) {
    LegendeAnhalten();
    const auto farbe = dialoge_.Farbe(kal_.Farbwerte[slot], {});
    if (!farbe) return;
    if (const auto fehler = farbe_->FarbwertSetzen(slot, *farbe)) {
        dialoge_.Meldung(*fehler, Meldungsart::Warnung, Knoepfe::Ok);
        return;
    }
    kern_.FarbtabelleGeaendertMelden();
    emit BefehleAuffrischen();
}

void TFarbsteuerung::LegendeBlinken(int slot) {
    if (slot < 1 || slot > AnzahlFarben) return;
    if (flaeche_.HervorgehobeneFarbe() != kal_.Farbwerte[slot]) LegendeAnhalten();
    flaeche_.Hervorheben(kal_.Farbwerte[slot]);
}

bool TFarbsteuerung::LegendeBlinkt() const { return flaeche_.Hervorhebt(); }

void TFarbsteuerung::LegendeAnhalten() {
    if (flaeche_.HervorhebungAnhalten()) {
        ansicht_.ZeigerVerlassen();  // the texts stay empty until the pointer is back
        status_.TagestexteLeeren();
    }
}

// ---- context menu ---------------------------------------------------------------------

void TFarbsteuerung::KontextmenueZeigen(const QPoint& global, const QString& vollbildTitel,
                                        QWidget* eltern) {
    const QPoint p = flaeche_.mapFromGlobal(global);
    std::optional<Datum> tag;
    if (const auto tm = ansicht_.TagAnPosition(p.x(), p.y()))
        tag = Datum{tm->tag, tm->monat, ansicht_.Jahr()};
    const Kontextmenue modell =
        KontextmenueAufbauen(kal_, tag, farbe_->Modus(), sitzung_.schreibgeschuetzt());
    TJahreskontextmenue menue(modell, tag.has_value(), *panel_.Legende(), vollbildTitel, eltern);
    connect(&menue, &TJahreskontextmenue::FarbeLoeschenGewaehlt, this, [this] {
        // The next pointer evaluation deletes the colours of the remembered day.
        ansicht_.farbeLoeschenAnstehend = true;
        ansicht_.ZeigerAuswerten(0, 0);
        emit TexteAuffrischen();
    });
    const Datum d = tag.value_or(Datum{0, 0, 0});
    connect(&menue, &TJahreskontextmenue::FarbeGewaehlt, this, [this, d](int slot) {
        if (farbe_->FarbeAnwenden(slot, d.tag, d.monat, d.jahr))
            TagGeaendert(d.tag, d.monat, d.jahr);
    });
    connect(&menue, &TJahreskontextmenue::UntermenueGewaehlt, this,
            [this, d](Farbbefehl befehl, int slot) {
                if (farbe_->UntermenueAnwenden(befehl, slot, d.tag, d.monat, d.jahr))
                    TagGeaendert(d.tag, d.monat, d.jahr);
            });
    connect(&menue, &TJahreskontextmenue::TagestermineGewaehlt, this,
            &TFarbsteuerung::TagestermineGewuenscht);
    connect(&menue, &TJahreskontextmenue::WochenansichtGewaehlt, this,
            [this] { emit AnsichtGewuenscht(AnsichtGewaehlt::Woche); });
    connect(&menue, &TJahreskontextmenue::MonatsansichtGewaehlt, this,
            [this] { emit AnsichtGewuenscht(AnsichtGewaehlt::Monat); });
    connect(&menue, &TJahreskontextmenue::DesktopGewaehlt, this,
            [this] { emit AnsichtGewuenscht(AnsichtGewaehlt::Desktop); });
    connect(&menue, &TJahreskontextmenue::VollbildGewaehlt, this,
            &TFarbsteuerung::VollbildGewuenscht);
    menue.exec(global);
}

// ---- undo and redo of day colours -----------------------------------------------------

namespace h = historientexte;

void TFarbsteuerung::FarbaenderungMerken(int tag, int monat, int jahr) {
    historie_.FarbaenderungMerken(tag, monat, jahr);
    HistorieAnzeigen();
}

void TFarbsteuerung::HistorieAnzeigen() {
    befehle_.Freigeben(befehl::Rueckgaengig, bearbeitbar_ && historie_.RueckgaengigMoeglich());
    befehle_.Freigeben(befehl::Wiederherstellen,
              bearbeitbar_ && historie_.WiederherstellenMoeglich());
    // An empty list gives its button the plain hint back.
    if (!historie_.RueckgaengigMoeglich())
        befehle_.Aktion(befehl::Rueckgaengig)->setToolTip(QString::fromUtf8(h::Rueckgaengig));
    if (!historie_.WiederherstellenMoeglich())
        befehle_.Aktion(befehl::Wiederherstellen)
            ->setToolTip(QString::fromUtf8(h::Wiederherstellen));
}

void TFarbsteuerung::HistorienhinweisSetzen(QObject* knopf) {
    // The hint counts the steps while the pointer is on the button.
    if (knopf == befehle_.Toolbutton(7)) {
        befehle_.Aktion(befehl::Rueckgaengig)
            ->setToolTip(QString::fromStdString(
                Historienhinweis(h::Rueckgaengig, historie_.Undoliste().size())));
    } else if (knopf == befehle_.Toolbutton(8)) {
        befehle_.Aktion(befehl::Wiederherstellen)
            ->setToolTip(QString::fromStdString(
                Historienhinweis(h::Wiederherstellen, historie_.Redoliste().size())));
    }
}

void TFarbsteuerung::Rueckgaengig() {
    if (const std::optional<Datum> d = historie_.Rueckgaengig()) {
        kal_.GeaendertSetzen(true);
        kern_.TagGeaendertMelden(*d);
    }
    HistorieAnzeigen();
}

void TFarbsteuerung::Wiederherstellen() {
    if (const std::optional<Datum> d = historie_.Wiederherstellen()) {
        kal_.GeaendertSetzen(true);
        kern_.TagGeaendertMelden(*d);
    }
    HistorieAnzeigen();
}

}  // namespace kalvora
