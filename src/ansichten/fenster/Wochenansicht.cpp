#include "ansichten/fenster/Wochenansicht.h"

#include <QFrame>
#include <QLabel>
#include <QTextEdit>
#include <QToolButton>

#include "ansichten/Ansichtsraster.h"
#include "main/Anwendungskern.h"
#include "main/fenster/Main.h"

namespace kalvora {
namespace {

bool Randjahr(const Datum& d) { return d.jahr < ErstesJahr || d.jahr > LetztesJahr; }


// A cell of 1900 or 2100: its header only, disabled and white.
Tageszelleninhalt Randzelle(const std::string& kopf) {
    Tageszelleninhalt z;
    z.frei = false;
    z.zeilen = {{kopf}};
    return z;
}

}  // namespace

// ---- week view -------------------------------------------------------------------------

TForm7::TForm7(TForm1& haupt) : TKalenderansicht(haupt, "Form7", 8, 128) {
    zurueck_ = KnopfAnlegen(1, "eine Woche zurückblättern (-)", "zurueck", "go-previous",
                            [this] { Blaettern(-1); });
    KnopfAnlegen(14, "aktuelle Woche", "heute", "go-home", [this] { Heute(); });
    vor_ = KnopfAnlegen(2, "eine Woche weiterblättern (+)", "vor", "go-next",
                        [this] { Blaettern(1); });
    Trenner();
    KnopfAnlegen(4, "Tagestermine (Strg + T)", "tagestermine", "", [this] { Tagestermine(); });
    KnopfAnlegen(12, "Terminliste drucken", "terminliste-drucken", "",
                 [this] { TerminlisteDrucken(); });
    KnopfAnlegen(16, "", "xml", "", [this] { XmlExport(false); });
    KnopfAnlegen(17, "Direkte Ausgabe im Browser", "browser", "", [this] { XmlExport(true); });
    Trenner();
    KnopfAnlegen(7, "zur Monatsansicht wechseln (Strg + W)", "monatsansicht", "",
                 [this] { WocheWechseln(); });
    KnopfAnlegen(13, "zur Wochenansicht mit zwei Wochen wechseln", "zwei-wochen", "",
                 [this] { ZweiWochenWechseln(); });
    Trenner();
    KnopfAnlegen(9, "Optionen (Strg + O)", "optionen", "preferences-system", [this] {
        if (optionen) optionen();
    });
    KnopfAnlegen(10, "Hilfe (F1)", "hilfe", "help-contents", [this] {
        if (hilfe) hilfe(128);
    });
    KnopfAnlegen(6, "Fenster schließen (Esc)", "schliessen", "window-close", [this] { reject(); });
    sonntag_ = RoterRahmen();
    sonntag_->setObjectName(QStringLiteral("Label2"));
}

Datum TForm7::ZellenDatum(int i) const {
    return i >= 1 && i <= 7 ? tage_[static_cast<std::size_t>(i - 1)] : tage_[0];
}

void TForm7::Fuellen() {
    tage_ = TageAb(MontagDerWoche(Ausgewaehlt()));
    zurueck_->setEnabled(true);
    vor_->setEnabled(true);
    int heute = 0;
    std::string titel = "Wochenansicht von ";
    for (int i = 1; i <= 7; ++i) {
        const Datum d = tage_[static_cast<std::size_t>(i - 1)];
        if (IstHeute(kern_.Zeitgeber(), d.tag, d.monat, d.jahr)) heute = i;
        if (d == Datum{31, 12, 1900}) zurueck_->setEnabled(false);
        if (d == Datum{1, 1, 2100}) vor_->setEnabled(false);
        const std::string kopf = Zellenkopf(kern_.Kalender(), optionen_, d, true);
        ZelleSchreiben(i, Randjahr(d) ? Randzelle(kopf)
                                      : TageszelleFuellen(kern_.Kalender(), optionen_, d, true));
        if (i == 1) titel += Kopfvorsatz(optionen_, d) + DatumMitPunkten(d) + " bis ";
        if (i == 7) titel += Kopfvorsatz(optionen_, d) + DatumMitPunkten(d);
    }
    // The week-number cell shows no day: readable, but it takes neither focus nor clicks.
    Tageszelleninhalt leer;
    leer.frei = false;
    leer.zeilen.clear();
    ZelleSchreiben(8, leer);
    QTextEdit* kw = Zelle(8);
    kw->setEnabled(true);
    kw->setFocusPolicy(Qt::NoFocus);
    QFont f(QStringLiteral("Times New Roman"));
    f.setBold(true);
    f.setPointSize((optionen_.schriftgroesse > 0 ? optionen_.schriftgroesse : 8) + 12);
    kw->document()->setDefaultFont(f);
    kw->setPlainText(QStringLiteral("KW %1").arg(WochennummerDesDonnerstags(tage_[3])));
    setWindowTitle(QString::fromStdString(titel));
    Anordnen();
    HeuteRahmenUm(heute);
}

void TForm7::Anordnen() {
    const int t = Leistenhoehe();
    for (int i = 1; i <= 8; ++i) ZellenRahmenSetzen(i, WochenZelle(i, width(), height(), t));
    RahmenSetzen(sonntag_, Erweitert(WochenZelle(7, width(), height(), t), 5));
    if (HeuteRahmen()->isVisible())
        for (int i = 1; i <= 7; ++i) {
            const Datum d = tage_[static_cast<std::size_t>(i - 1)];
            if (IstHeute(kern_.Zeitgeber(), d.tag, d.monat, d.jahr)) HeuteRahmenUm(i);
        }
}

void TForm7::Blaettern(int richtung) {
    Auswaehlen(richtung < 0 ? TagDavor(tage_[0]) : TagDanach(tage_[6]));
    Fuellen();
}

void TForm7::TerminlisteDrucken() { DruckenVon(tage_[0], tage_[6]); }

void TForm7::XmlExport(bool browser) {
    XmlVon(Xmlherkunft::Woche, tage_[0], tage_[6], browser);
}

void TForm7::WocheWechseln() {
    if (fokus_ >= 1 && fokus_ <= 7 && Zelle(fokus_)->isEnabled()) Auswaehlen(ZellenDatum(fokus_));
    Wechselanfragen a;
    a.monatWoche = true;
    Schliessen(a);
}

void TForm7::ZweiWochenWechseln() {
    if (fokus_ >= 1 && fokus_ <= 7 && Zelle(fokus_)->isEnabled()) Auswaehlen(ZellenDatum(fokus_));
    Wechselanfragen a;
    a.woche = true;
    Schliessen(a);
}

// ---- two-week view ---------------------------------------------------------------------

TForm19::TForm19(TForm1& haupt) : TKalenderansicht(haupt, "Form19", 14, 127) {
    zurueck_ = KnopfAnlegen(1, "einen Monat zurückblättern (-)", "zurueck", "go-previous",
                            [this] { Blaettern(-1); });
    KnopfAnlegen(14, "aktuelle Woche", "heute", "go-home", [this] { Heute(); });
    vor_ = KnopfAnlegen(2, "einen Monat weiterblättern (+)", "vor", "go-next",
                        [this] { Blaettern(1); });
    Trenner();
    KnopfAnlegen(5, "Tagestermine (Strg + T)", "tagestermine", "", [this] { Tagestermine(); });
    KnopfAnlegen(13, "Terminliste drucken", "terminliste-drucken", "",
                 [this] { TerminlisteDrucken(); });
    Trenner();
    KnopfAnlegen(8, "zur Wochenansicht wechseln (Strg + W)", "monatsansicht", "",
                 [this] { WocheWechseln(); });
    KnopfAnlegen(10, "zur Wochenansicht mit einer Woche wechseln", "wochenansicht", "",
                 [this] { EineWocheWechseln(); });
    Trenner();
    KnopfAnlegen(7, "Optionen (Strg + O)", "optionen", "preferences-system", [this] {
        if (optionen) optionen();
    });
    KnopfAnlegen(11, "Hilfe (F1)", "hilfe", "help-contents", [this] {
        if (hilfe) hilfe(127);
    });
    KnopfAnlegen(4, "Fenster schließen (Esc)", "schliessen", "window-close", [this] { reject(); });
    sonntag_ = RoterRahmen();
    sonntag_->setObjectName(QStringLiteral("Label15"));
    const char* namen[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int r = 0; r < 7; ++r) {
        QLabel* l = Fettlabel(QString::fromLatin1(namen[r]));
        l->setObjectName(QStringLiteral("Label%1").arg(r + 2));
        if (r == 6) l->setStyleSheet(QStringLiteral("color: #ff0000;"));
        tagLabels_[static_cast<std::size_t>(r)] = l;
    }
    for (int c = 0; c < 2; ++c) {
        wochen_[static_cast<std::size_t>(c)] = Fettlabel(QStringLiteral("KW ...."));
        wochen_[static_cast<std::size_t>(c)]->setObjectName(QStringLiteral("Label%1").arg(c + 9));
    }
}

Datum TForm19::ZellenDatum(int i) const {
    return i >= 1 && i <= 14 ? tage_[static_cast<std::size_t>(i - 1)] : tage_[0];
}

void TForm19::Fuellen() {
    tage_ = TageAb(MontagDerWoche(Ausgewaehlt()));
    zurueck_->setEnabled(true);
    vor_->setEnabled(true);
    int heute = 0;
    for (int i = 1; i <= 14; ++i) {
        const Datum d = tage_[static_cast<std::size_t>(i - 1)];
        if (IstHeute(kern_.Zeitgeber(), d.tag, d.monat, d.jahr)) heute = i;
        if (d == Datum{31, 12, 2099}) vor_->setEnabled(false);
        if (d == Datum{1, 1, 1901}) zurueck_->setEnabled(false);
        const std::string kopf = Zellenkopf(kern_.Kalender(), optionen_, d, false);
        ZelleSchreiben(i, Randjahr(d) ? Randzelle(kopf)
                                      : TageszelleFuellen(kern_.Kalender(), optionen_, d, false));
    }
    wochen_[0]->setText(QStringLiteral("KW %1").arg(WochennummerDesDonnerstags(tage_[3])));
    wochen_[1]->setText(QStringLiteral("KW %1").arg(WochennummerDesDonnerstags(tage_[10])));
    for (QLabel* l : wochen_) l->adjustSize();
    setWindowTitle(QString::fromStdString("Wochenansicht von " + DatumMitPunkten(tage_[0]) +
                                          " bis " + DatumMitPunkten(tage_[13])));
    Anordnen();
    HeuteRahmenUm(heute);
}

void TForm19::Anordnen() {
    Mowomasse m;
    m.breite = width();
    m.hoehe = height();
    m.leiste = Leistenhoehe();
    m.labelBreite = tagLabels_[0]->sizeHint().width();
    m.kopfHoehe = wochen_[0]->sizeHint().height();
    for (int i = 1; i <= 14; ++i) ZellenRahmenSetzen(i, ZweiwochenZelle(i, m));
    for (int r = 0; r < 7; ++r) {
        const Rechteck z = ZweiwochenZelle(r + 1, m);
        QLabel* l = tagLabels_[static_cast<std::size_t>(r)];
        l->move(8, z.oben + (z.Hoehe() - l->height()) / 2);
    }
    for (int c = 0; c < 2; ++c) {
        const Rechteck z = ZweiwochenZelle(c * 7 + 1, m);
        QLabel* l = wochen_[static_cast<std::size_t>(c)];
        l->move(z.links + (z.Breite() - l->width()) / 2, z.oben - 4 - l->height());
    }
    RahmenSetzen(sonntag_, ZweiwochenSonntagsrahmen(m));
    if (HeuteRahmen()->isVisible())
        for (int i = 1; i <= 14; ++i) {
            const Datum d = tage_[static_cast<std::size_t>(i - 1)];
            if (IstHeute(kern_.Zeitgeber(), d.tag, d.monat, d.jahr)) HeuteRahmenUm(i);
        }
}

void TForm19::Blaettern(int richtung) {
    Auswaehlen(richtung < 0 ? TagDavor(tage_[0]) : TagDanach(tage_[6]));
    Fuellen();
}

void TForm19::Doppelklick(int i) {
    TKalenderansicht::Doppelklick(i);
    // The clicked day's week became the first column; one week back keeps a day of the
    // second column where it was.
    Blaettern(-1);
}

void TForm19::TerminlisteDrucken() { DruckenVon(tage_[0], tage_[13]); }

void TForm19::Waehlen() {
    const int i = fokus_ >= 1 && fokus_ <= 14 ? fokus_ : 1;
    Auswaehlen(ZellenDatum(i));
}

void TForm19::WocheWechseln() {
    Waehlen();
    Wechselanfragen a;
    a.monatWoche = true;
    Schliessen(a);
}

void TForm19::EineWocheWechseln() {
    Waehlen();
    Wechselanfragen a;
    a.woche = true;
    Schliessen(a);
}

}  // namespace kalvora
