#include "ansichten/fenster/Monatsansicht.h"

#include <cmath>

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolButton>

#include "ansichten/Ansichtsraster.h"
#include "main/Anwendungskern.h"
#include "main/fenster/Main.h"

namespace kalvora {
namespace {

bool HeuteIst(const Anwendungskern& kern, const Datum& d) {
    return kalvora::IstHeute(kern.Zeitgeber(), d.tag, d.monat, d.jahr);
}


}  // namespace

// ---- month view -----------------------------------------------------------------------

TForm8::TForm8(TForm1& haupt) : TKalenderansicht(haupt, "Form8", MonatsZellen, 115) {
    zurueck_ = KnopfAnlegen(1, "einen Monat zurückblättern (-)", "zurueck", "go-previous",
                            [this] { Blaettern(-1); });
    KnopfAnlegen(14, "aktueller Monat", "heute", "go-home", [this] { Heute(); });
    vor_ = KnopfAnlegen(2, "einen Monat weiterblättern (+)", "vor", "go-next",
                        [this] { Blaettern(1); });
    Trenner();
    KnopfAnlegen(4, "Tagestermine (Strg + T)", "tagestermine", "", [this] { Tagestermine(); });
    KnopfAnlegen(13, "Terminliste drucken", "terminliste-drucken", "",
                 [this] { TerminlisteDrucken(); });
    // The XML export and the browser output come with the export.
    KnopfAnlegen(16, "Export in XML", "xml", "", [this] { XmlExport(false); });
    KnopfAnlegen(17, "Direkte Ausgabe im Browser", "browser", "", [this] { XmlExport(true); });
    Trenner();
    KnopfAnlegen(7, "zur Wochenansicht wechseln (Strg + W)", "wochenansicht", "",
                 [this] { WocheWechseln(); });
    KnopfAnlegen(10, "zur Monatsansicht mit Wocheneinteilung wechseln (Strg + M)",
                 "monat-wochen", "", [this] { MonatWechseln(); });
    Trenner();
    KnopfAnlegen(9, "Optionen (Strg + O)", "optionen", "preferences-system", [this] {
        if (optionen) optionen();
    });
    KnopfAnlegen(11, "Hilfe (F1)", "hilfe", "help-contents", [this] {
        if (hilfe) hilfe(115);
    });
    KnopfAnlegen(6, "Fenster schließen (Esc)", "schliessen", "window-close", [this] { reject(); });
    for (std::size_t n = 0; n < sonntage_.size(); ++n) {
        sonntage_[n] = RoterRahmen();
        sonntage_[n]->setObjectName(QStringLiteral("Label%1").arg(n + 2));
    }
}

void TForm8::Fuellen() {
    const Datum a = Ausgewaehlt();
    monat_ = a.monat;
    jahr_ = a.jahr;
    const int tage = TageImMonat(monat_, jahr_);
    zurueck_->setEnabled(MonatZurueckMoeglich(monat_, jahr_));
    vor_->setEnabled(MonatVorMoeglich(monat_, jahr_));
    sonntage_[4]->hide();
    int heute = 0;
    for (int i = 1; i <= MonatsZellen; ++i) {
        if (i > tage || i == MonatsZellen) {
            Tageszelleninhalt leer;
            leer.frei = false;
            leer.zeilen.clear();
            ZelleSchreiben(i, leer);
            continue;
        }
        const Datum d{i, monat_, jahr_};
        if (Wochentag(i, monat_, jahr_) == 0 && SonntagsrahmenIndex(i) == 4) sonntage_[4]->show();
        if (HeuteIst(kern_, d)) heute = i;
        ZelleSchreiben(i, TageszelleFuellen(kern_.Kalender(), optionen_, d, true));
    }
    // The title cell in a larger font, readable, but it takes neither focus nor clicks.
    QTextEdit* titel = Zelle(MonatsZellen);
    titel->setEnabled(true);
    titel->setFocusPolicy(Qt::NoFocus);
    titel->setLineWrapMode(QTextEdit::NoWrap);
    titel->setPlainText(QString::fromStdString(Monatsname(monat_) + " " + std::to_string(jahr_)));
    TitelEinpassen();
    setWindowTitle(QString::fromStdString(MonatsansichtTitel(monat_, jahr_)));
    Anordnen();
    HeuteRahmenUm(heute);
}

void TForm8::TitelEinpassen() {
    QTextEdit* titel = Zelle(MonatsZellen);
    const QString text = titel->toPlainText();
    const int rand = static_cast<int>(std::ceil(titel->document()->documentMargin()));
    // The room inside the frame and the document's margins, less the caret's pixel.
    const int breite = titel->contentsRect().width() - 2 * rand - 2;
    const int hoehe = titel->contentsRect().height() - 2 * rand;
    QFont f(QString::fromStdString(optionen_.schriftname));
    int pixel = 19;
    for (; pixel > 6; --pixel) {
        f.setPixelSize(pixel);
        const QFontMetrics m(f);
        if (m.horizontalAdvance(text) <= breite && m.height() <= hoehe) break;
    }
    f.setPixelSize(pixel);
    titel->document()->setDefaultFont(f);
    // Text set before keeps the font it was set in.
    QTextCursor alles(titel->document());
    alles.select(QTextCursor::Document);
    QTextCharFormat format;
    format.setFont(f);
    alles.setCharFormat(format);
}

void TForm8::Anordnen() {
    const int t = Leistenhoehe();
    for (int i = 1; i <= MonatsZellen; ++i) ZellenRahmenSetzen(i, MonatsZelle(i, width(), height(), t));
    TitelEinpassen();
    for (int tag = 1; tag <= TageImMonat(monat_, jahr_); ++tag)
        if (Wochentag(tag, monat_, jahr_) == 0)
            RahmenSetzen(sonntage_[static_cast<std::size_t>(SonntagsrahmenIndex(tag))],
                         Erweitert(MonatsZelle(tag, width(), height(), t), 4));
    if (HeuteRahmen()->isVisible())
        for (int i = 1; i <= MonatsZellen; ++i)
            if (HeuteIst(kern_, {i, monat_, jahr_}) && i <= TageImMonat(monat_, jahr_))
                HeuteRahmenUm(i);
}

void TForm8::Blaettern(int richtung) {
    Auswaehlen(richtung < 0 ? MonatZurueck(monat_, jahr_) : MonatVor(monat_, jahr_));
    Fuellen();
}

void TForm8::TerminlisteDrucken() {
    DruckenVon({1, monat_, jahr_}, {TageImMonat(monat_, jahr_), monat_, jahr_});
}

void TForm8::XmlExport(bool browser) {
    XmlVon(Xmlherkunft::Monat, {1, monat_, jahr_}, {TageImMonat(monat_, jahr_), monat_, jahr_},
           browser);
}

void TForm8::WocheWechseln() {
    if (fokus_ >= 1 && fokus_ <= TageImMonat(monat_, jahr_)) Auswaehlen(ZellenDatum(fokus_));
    Wechselanfragen a;
    a.monatWoche = true;
    Schliessen(a);
}

void TForm8::MonatWechseln() {
    Auswaehlen({15, monat_, jahr_});
    Wechselanfragen a;
    a.layout = true;
    Schliessen(a);
}

// ---- month view by weeks --------------------------------------------------------------

TForm9::TForm9(TForm1& haupt) : TKalenderansicht(haupt, "Form9", MowoZellen, 114) {
    zurueck_ = KnopfAnlegen(1, "einen Monat zurückblättern (-)", "zurueck", "go-previous",
                            [this] { Blaettern(-1); });
    KnopfAnlegen(14, "aktueller Monat", "heute", "go-home", [this] { Heute(); });
    vor_ = KnopfAnlegen(2, "einen Monat weiterblättern (+)", "vor", "go-next",
                        [this] { Blaettern(1); });
    Trenner();
    KnopfAnlegen(5, "Tagestermine (Strg + T)", "tagestermine", "", [this] { Tagestermine(); });
    KnopfAnlegen(13, "Terminliste drucken", "terminliste-drucken", "",
                 [this] { TerminlisteDrucken(); });
    KnopfAnlegen(16, "Export in XML", "xml", "", [this] { XmlExport(false); });
    KnopfAnlegen(17, "Direkte Ausgabe Browser", "browser", "", [this] { XmlExport(true); });
    Trenner();
    KnopfAnlegen(8, "zur Wochenansicht wechseln (Strg + W)", "wochenansicht", "",
                 [this] { WocheWechseln(); });
    KnopfAnlegen(10, "zur Monatsansicht ohne Wocheneinteilung wechseln (Strg + M)",
                 "monatsansicht", "", [this] { MonatWechseln(); });
    Trenner();
    KnopfAnlegen(7, "Optionen (Strg + O)", "optionen", "preferences-system", [this] {
        if (optionen) optionen();
    });
    KnopfAnlegen(11, "Hilfe (F1)", "hilfe", "help-contents", [this] {
        if (hilfe) hilfe(114);
    });
    KnopfAnlegen(4, "Fenster schließen (Esc)", "schliessen", "window-close", [this] { reject(); });
    sonntag_ = RoterRahmen();
    sonntag_->setObjectName(QStringLiteral("Label15"));
    const char* namen[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    for (int r = 0; r < 7; ++r) {
        tage_[static_cast<std::size_t>(r)] = Fettlabel(QString::fromLatin1(namen[r]));
        tage_[static_cast<std::size_t>(r)]->setObjectName(QStringLiteral("Label%1").arg(r + 2));
    }
    for (int c = 0; c < 6; ++c) {
        wochen_[static_cast<std::size_t>(c)] = Fettlabel(QStringLiteral("KW ...."));
        wochen_[static_cast<std::size_t>(c)]->setObjectName(QStringLiteral("Label%1").arg(c + 9));
    }
}

Datum TForm9::ZellenDatum(int i) const { return {MowoTag(i, monat_, jahr_), monat_, jahr_}; }

void TForm9::Fuellen() {
    const Datum a = Ausgewaehlt();
    monat_ = a.monat;
    jahr_ = a.jahr;
    const int tage = TageImMonat(monat_, jahr_);
    zurueck_->setEnabled(MonatZurueckMoeglich(monat_, jahr_));
    vor_->setEnabled(MonatVorMoeglich(monat_, jahr_));
    int heute = 0;
    for (int i = 1; i <= MowoZellen; ++i) {
        const Datum d = ZellenDatum(i);
        if (d.tag < 1 || d.tag > tage) {
            Tageszelleninhalt leer;
            leer.frei = false;
            leer.zeilen.clear();
            ZelleSchreiben(i, leer, false);
            continue;
        }
        if (HeuteIst(kern_, d)) heute = i;
        ZelleSchreiben(i, TageszelleFuellen(kern_.Kalender(), optionen_, d, false));
        if (d.tag == 1) fokus_ = i;
    }
    spalten_ = MowoSpalten(monat_, jahr_);
    const std::array<int, 6> kw = MowoKalenderwochen(monat_, jahr_);
    for (int c = 0; c < 6; ++c) {
        QLabel* l = wochen_[static_cast<std::size_t>(c)];
        l->setText(QStringLiteral("KW %1").arg(kw[static_cast<std::size_t>(c)]));
        l->adjustSize();
        l->setVisible(c < spalten_);
    }
    setWindowTitle(QString::fromStdString(MonatsansichtTitel(monat_, jahr_)));
    Anordnen();
    HeuteRahmenUm(heute);
}

void TForm9::Anordnen() {
    Mowomasse m;
    m.breite = width();
    m.hoehe = height();
    m.leiste = Leistenhoehe();
    m.labelBreite = tage_[0]->sizeHint().width();
    m.kopfHoehe = wochen_[0]->sizeHint().height();
    for (int i = 1; i <= MowoZellen; ++i) ZellenRahmenSetzen(i, MowoZelle(i, spalten_, m));
    for (int r = 0; r < 7; ++r) {
        const Rechteck z = MowoZelle(r + 1, spalten_, m);
        QLabel* l = tage_[static_cast<std::size_t>(r)];
        l->move(8, z.oben + (z.Hoehe() - l->height()) / 2);
    }
    for (int c = 0; c < 6; ++c) {
        const Rechteck z = MowoZelle(c * 7 + 1, spalten_, m);
        QLabel* l = wochen_[static_cast<std::size_t>(c)];
        l->move(z.links + (z.Breite() - l->width()) / 2, z.oben - 4 - l->height());
    }
    const int tage = TageImMonat(monat_, jahr_);
    const int d35 = MowoTag(35, monat_, jahr_);
    RahmenSetzen(sonntag_, MowoSonntagsrahmen(spalten_, d35 >= 1 && d35 <= tage, m));
    for (int i = 1; i <= MowoZellen; ++i) {
        const Datum d = ZellenDatum(i);
        if (HeuteRahmen()->isVisible() && d.tag >= 1 && d.tag <= tage && HeuteIst(kern_, d))
            HeuteRahmenUm(i);
    }
}

void TForm9::Blaettern(int richtung) {
    Auswaehlen(richtung < 0 ? MonatZurueck(monat_, jahr_) : MonatVor(monat_, jahr_));
    Fuellen();
}

void TForm9::TerminlisteDrucken() {
    DruckenVon({1, monat_, jahr_}, {TageImMonat(monat_, jahr_), monat_, jahr_});
}

void TForm9::XmlExport(bool browser) {
    XmlVon(Xmlherkunft::MonatMitWochen, {1, monat_, jahr_},
           {TageImMonat(monat_, jahr_), monat_, jahr_}, browser);
}

void TForm9::WocheWechseln() {
    const Datum d = ZellenDatum(fokus_);
    if (d.tag >= 1 && d.tag <= TageImMonat(monat_, jahr_)) Auswaehlen(d);
    Wechselanfragen a;
    a.monatWoche = true;
    Schliessen(a);
}

void TForm9::MonatWechseln() {
    Auswaehlen(ZellenDatum(15));
    Wechselanfragen a;
    a.layout = true;
    Schliessen(a);
}

}  // namespace kalvora
