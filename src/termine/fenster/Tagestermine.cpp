#include "termine/fenster/Tagestermine.h"

#include <QApplication>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTextBlock>
#include <QToolButton>
#include <QWheelEvent>

#include "kalender/Farbnamen.h"
#include "methoden/Fehler.h"
#include "platform/qt/QtDialoge.h"
#include "termine/Termintexte.h"
#include "termine/fenster/Eingabefilter.h"
#include "termine/fenster/Suchen.h"
#include "termine/fenster/Termin.h"

namespace kalvora {

namespace tt = termintexte;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

constexpr int Zeilenhoehe = 24;
constexpr int GitterOben = 262;
constexpr int Breite = 1016;

QPushButton* Knopf(QWidget* eltern, const char* text, const char* name, int x, int y, int b) {
    auto* k = new QPushButton(Q(text), eltern);
    k->setObjectName(name);
    k->setGeometry(x, y, b, 26);
    return k;
}

QToolButton* Kleinknopf(QWidget* eltern, const char* hinweis, const char* name, int x, int y) {
    auto* k = new QToolButton(eltern);
    k->setToolTip(Q(hinweis));
    k->setObjectName(name);
    k->setGeometry(x, y, 26, 24);
    return k;
}

// The move and copy dialog; nothing when cancelled.
std::optional<Datum> ZieldatumFragen(QWidget* eltern, bool verschieben, const Datum& tag) {
    QDialog d(eltern);
    d.setObjectName("Zieldatum");
    d.setWindowTitle(Q(verschieben ? tt::VerschiebenNach : tt::KopierenNach));
    auto* l = new QLabel(Q(tt::NeuesDatum), &d);
    l->setGeometry(10, 12, 100, 18);
    auto* feld = new QDateEdit(QDate(tag.jahr, tag.monat, tag.tag), &d);
    feld->setObjectName("Datum");
    feld->setDisplayFormat("dd.MM.yyyy");
    feld->setCalendarPopup(true);
    feld->setDateRange(QDate(ErstesJahr, 1, 1), QDate(LetztesJahr, 12, 31));
    feld->setGeometry(110, 10, 120, 22);
    auto* ok = new QPushButton(Q(verschieben ? tt::TerminVerschieben : tt::TerminKopieren), &d);
    ok->setObjectName("OK");
    ok->setGeometry(10, 44, 130, 26);
    auto* abbruch = new QPushButton(Q(tt::Abbruch), &d);
    abbruch->setGeometry(150, 44, 80, 26);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    QObject::connect(abbruch, &QPushButton::clicked, &d, &QDialog::reject);
    d.setFixedSize(240, 80);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect a = s->availableGeometry();
        d.move(a.right() - 240, a.bottom() - 110);
    }
    ok->setFocus();
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    const QDate q = feld->date();
    return Datum{q.day(), q.month(), q.year()};
}

}  // namespace

// The day's colours as horizontal bands with their names; a click opens the colour menu.
class Farbpanel : public QWidget {
public:
    Farbpanel(QWidget* eltern, const TKalender& kal) : QWidget(eltern), kal_(kal) {
        setCursor(Qt::PointingHandCursor);
        setToolTip(Q(tt::FarbfeldHinweis));
    }
    Datum tag{1, 1, 2000};
    std::function<void(const QPoint&)> geklickt;
    std::function<void()> gemalt;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const TTagesfarben& farben = kal_.Tagesfarben(tag.jahr, tag.monat, tag.tag);
        p.fillRect(rect(), Qt::white);
        QFont f("Arial");
        f.setPixelSize(FarbschriftGroesse(static_cast<int>(farben.size())) * 4 / 3);
        p.setFont(f);
        const int texthoehe = QFontMetrics(f).height();
        for (const Farbband& b : Farbbaender(kal_, farben, height())) {
            p.fillRect(0, b.oben, width(), b.hoehe, QtFarbe(b.farbe));
            p.setPen(QtFarbe(Komplementaerfarbe(b.farbe)));
            p.drawText(QRect(0, FarbtextOben(b, texthoehe), width(), texthoehe),
                       Qt::AlignLeft | Qt::AlignTop, Q(b.text));
        }
        if (gemalt) gemalt();
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (geklickt) geklickt(e->globalPosition().toPoint());
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override { mousePressEvent(e); }

private:
    const TKalender& kal_;
};

TForm3::TForm3(TKalender& kal, const Einstellungen& einst, Registry& registry, Dialoge& dialoge,
               QWidget* parent)
    : QDialog(parent), kal_(kal), einst_(einst), registry_(registry), dialoge_(dialoge),
      umgebung_{kal, einst, {}, false} {
    setObjectName("Form3");
    setModal(true);
    editor_ = std::make_unique<Termineditor>(einst);
    dialog_ = std::make_unique<Tagesdialog>(umgebung_, *editor_);
    editorfenster_ = new TForm4(*editor_, kal, einst, this);
    suchfenster_ = new TSuchen(kal, dialoge, this);
    // The editor and the search ask for help through the dialog's hook.
    editorfenster_->hilfe = [this](int thema) {
        if (hilfe) hilfe(thema);
    };
    suchfenster_->hilfe = editorfenster_->hilfe;
    dialog_->fortschritt = [this](int p) { fortschritt_->setValue(p); };
    Aufbauen();
    kal_.Anmelden(*this);
}

TForm3::~TForm3() { kal_.Abmelden(*this); }

void TForm3::DokumentErsetzt() {
    if (isVisible()) AusDokumentNeuLaden();
}

void TForm3::FarbaenderungMerkenSetzen(Farbaenderungsmerker merker) {
    umgebung_.FarbaenderungMerken = std::move(merker);
}

void TForm3::SchreibgeschuetztSetzen(bool ja) { umgebung_.schreibgeschuetzt = ja; }

void TForm3::Aufbauen() {
    datum_ = new QLabel(this);
    datum_->setObjectName("Datum");
    datum_->setGeometry(8, 8, 233, 49);
    datum_->setAutoFillBackground(true);
    datum_->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    QFont f = datum_->font();
    f.setBold(true);
    f.setPixelSize(19);
    datum_->setFont(f);
    kw_ = new QLabel(this);
    kw_->setObjectName("KW");
    kw_->setGeometry(8, 62, 100, 20);
    QFont fk = kw_->font();
    fk.setBold(true);
    kw_->setFont(fk);
    links_ = Kleinknopf(this, tt::BlaetternHinweis, "Links", 250, 8);
    links_->setArrowType(Qt::LeftArrow);
    rechts_ = Kleinknopf(this, tt::BlaetternHinweis, "Rechts", 278, 8);
    rechts_->setArrowType(Qt::RightArrow);
    wocheZurueck_ = Kleinknopf(this, tt::WocheZurueckHinweis, "WocheZurueck", 250, 36);
    wocheZurueck_->setText("«");
    wocheVor_ = Kleinknopf(this, tt::WocheVorHinweis, "WocheVor", 278, 36);
    wocheVor_->setText("»");
    farbpanel_ = new Farbpanel(this, kal_);
    farbpanel_->setObjectName("Farbpanel");
    farbpanel_->setGeometry(316, 8, 281, 89);
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("Geburtstage");
    memo_->setReadOnly(true);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setGeometry(606, 8, 193, 89);
    farbmenue_ = new QMenu(this);

    auto* infoLabel = new QLabel(Q(tt::Tagesinfo), this);
    infoLabel->setGeometry(8, 104, 200, 18);
    info_ = new Eingabefeld(this);
    info_->setObjectName("Tagesinfo");
    info_->setLineWrapMode(QPlainTextEdit::NoWrap);
    info_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    info_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    info_->setGeometry(8, 122, 760, 90);
    infoLoeschen_ = Kleinknopf(this, tt::TagesinfoLoeschenHinweis, "TagesinfoLoeschen", 772, 122);
    infoLoeschen_->setText("×");

    int x = 8;
    neu_ = Knopf(this, tt::NeuerTermin, "NeuerTermin", x, 220, 120);
    aendern_ = Knopf(this, tt::TerminAendern, "TerminAendern", x += 126, 220, 120);
    loeschen_ = Knopf(this, tt::TerminLoeschen, "TerminLoeschen", x += 126, 220, 120);
    verschieben_ = Knopf(this, tt::TerminVerschieben, "TerminVerschieben", x += 126, 220, 130);
    kopieren_ = Knopf(this, tt::TerminKopieren, "TerminKopieren", x += 136, 220, 120);
    alleLoeschen_ =
        Knopf(this, tt::AlleTermineLoeschen, "AlleTermineLoeschen", x += 126, 220, 140);
    listeLabel_ = new QLabel(Q(tt::Terminliste), this);
    listeLabel_->setGeometry(8, GitterOben - 16, 200, 16);

    raster_ = new QTableWidget(this);
    raster_->setObjectName("StringGrid1");
    raster_->setColumnCount(AnzahlSpalten);
    raster_->verticalHeader()->hide();
    raster_->verticalHeader()->setDefaultSectionSize(Zeilenhoehe + 1);
    raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    raster_->setSelectionMode(QAbstractItemView::SingleSelection);
    raster_->setSelectionBehavior(QAbstractItemView::SelectItems);
    raster_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    raster_->horizontalHeader()->setHighlightSections(false);
    QFont gf("MS Sans Serif");
    gf.setPixelSize(13);
    raster_->setFont(gf);
    // The narrow time and duration columns would otherwise show "00:…" with a wider font.
    raster_->setTextElideMode(Qt::ElideNone);
    for (int c = 0; c < AnzahlSpalten; ++c) {
        auto* kopf = new QTableWidgetItem(Q(tt::Spalte[c]));
        if (c == SpAlarm) kopf->setIcon(QIcon(Weckersymbol()));
        raster_->setHorizontalHeaderItem(c, kopf);
        raster_->setColumnWidth(c, tt::Spaltenbreite[c]);
    }
    raster_->setGeometry(8, GitterOben, Breite - 16, 154);

    fertig_ = Knopf(this, tt::Fertig, "Fertig", 8, 0, 100);
    fertig_->setDefault(true);
    suchen_ = Knopf(this, tt::Suchen, "Suchen", 116, 0, 100);
    weitersuchen_ = Knopf(this, tt::Weitersuchen, "Weitersuchen", 224, 0, 100);
    weitersuchen_->setEnabled(false);
    optionen_ = Knopf(this, tt::Optionen, "Optionen", 332, 0, 100);
    optionen_->setEnabled(false);  // until the main window gives the hook
    hilfeKnopf_ = Knopf(this, tt::Hilfe, "Hilfe", 440, 0, 100);
    fortschritt_ = new QProgressBar(this);
    fortschritt_->setRange(0, 100);
    fortschritt_->hide();

    connect(neu_, &QPushButton::clicked, this, &TForm3::NeuerTermin);
    connect(aendern_, &QPushButton::clicked, this, &TForm3::TerminAendern);
    connect(loeschen_, &QPushButton::clicked, this, &TForm3::TerminLoeschen);
    connect(alleLoeschen_, &QPushButton::clicked, this, &TForm3::AlleLoeschen);
    connect(verschieben_, &QPushButton::clicked, this, [this] { VerschiebenOderKopieren(true); });
    connect(kopieren_, &QPushButton::clicked, this, [this] { VerschiebenOderKopieren(false); });
    connect(links_, &QToolButton::clicked, this, [this] { Blaettern(-1); });
    connect(rechts_, &QToolButton::clicked, this, [this] { Blaettern(+1); });
    connect(wocheZurueck_, &QToolButton::clicked, this, [this] { Woche(-1); });
    connect(wocheVor_, &QToolButton::clicked, this, [this] { Woche(+1); });
    connect(fertig_, &QPushButton::clicked, this, &QDialog::accept);
    connect(suchen_, &QPushButton::clicked, this, &TForm3::SuchenKlick);
    connect(weitersuchen_, &QPushButton::clicked, this, &TForm3::WeitersuchenKlick);
    connect(hilfeKnopf_, &QPushButton::clicked, this, [this] {
        if (hilfe) hilfe(122);
    });
    connect(optionen_, &QPushButton::clicked, this, [this] {
        if (!optionen) return;
        optionen();
        // The grid follows the number of visible rows, the window the work area.
        GitterBemessen();
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        if (s) move(this->x(), s->availableGeometry().center().y() - frameGeometry().height() / 2);
    });
    connect(infoLoeschen_, &QToolButton::clicked, this, [this] {
        dialog_->TagesinfoLoeschen();
        info_->TextSetzen({});
        KnoepfeAnzeigen();
    });
    connect(info_, &Eingabefeld::Bearbeitet, this, [this] {
        InfoUebernehmen();
        dialog_->InfoGeaendert();
        KnoepfeAnzeigen();
    });
    connect(raster_, &QTableWidget::currentCellChanged, this, [this](int zeile, int, int, int) {
        if (zeile < 0 || arbeitet_) return;
        dialog_->ZelleGewaehlt(zeile + 1);
        KnoepfeAnzeigen();
    });
    connect(raster_, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        const auto aendern = dialog_->Doppelklick(zeile + 1);
        if (!aendern) return;
        if (*aendern)
            TerminAendern();
        else
            NeuerTermin();
    });
    farbpanel_->geklickt = [this](const QPoint& wo) { Tagesfarbmenue()->popup(wo); };
    farbpanel_->gemalt = [this] {
        const Datum d = dialog_->Tag();
        const QString memo = Q(Geburtstagsmemo(kal_, d.tag, d.monat, d.jahr));
        if (memo_->toPlainText() != memo) memo_->setPlainText(memo);
        memo_->setVisible(!memo.isEmpty());
    };
}

void TForm3::OptionenFreigeben() { optionen_->setEnabled(static_cast<bool>(optionen)); }

void TForm3::GitterBemessen() {
    const int n = std::clamp(einst_.sichtbareTermineintraege, 1, 40);
    const int hoehe = 329 - (12 - n) * (Zeilenhoehe + 1);
    raster_->setFixedHeight(hoehe);
    const int y = GitterOben + hoehe + 7;
    for (QPushButton* k : {fertig_, suchen_, weitersuchen_, optionen_, hilfeKnopf_})
        k->move(k->x(), y);
    fortschritt_->setGeometry(8, y, Breite - 16, 26);
    setFixedSize(Breite, y + 26 + 7);
}

void TForm3::Platzieren() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect a = s->availableGeometry();
    const QRect g = s->geometry();
    move(g.right() - frameGeometry().width() + 1, a.bottom() - frameGeometry().height() + 1);
}

void TForm3::BreitenLesen() {
    RegistrySchluessel k(registry_, tt::Registrypfad);
    for (int c = 1; c < AnzahlSpalten; ++c) {
        const std::string name = std::to_string(c);
        if (!k.Existiert(name)) continue;
        try {
            const int b = k.GanzzahlLesen(name);
            if (b > 0 && b < 4000) raster_->setColumnWidth(c, b);
        } catch (const KalvoraFehler&) {
            // A value of another type keeps the built-in width.
        }
    }
}

void TForm3::BreitenSchreiben() {
    registry_.SchluesselOeffnen(tt::Registrypfad);
    RegistrySchluessel k(registry_, tt::Registrypfad);
    for (int c = 1; c < AnzahlSpalten; ++c)
        k.GanzzahlSchreiben(std::to_string(c), raster_->columnWidth(c));
}

void TForm3::TagesdialogOeffnen(int tag, int monat, int jahr) {
    dialog_->Aktivieren({tag, monat, jahr});
    Aktivieren();
    exec();
}

void TForm3::Aktivieren() {
    BreitenLesen();
    GitterBemessen();
    Anzeigen();
    raster_->setCurrentCell(0, 1);
    KopfAnzeigen();
    fortschritt_->hide();
    raster_->show();
    TrefferAuswaehlen();
    info_->setReadOnly(umgebung_.schreibgeschuetzt);
    info_->setFocus();
    Platzieren();
}

void TForm3::Anzeigen() {
    arbeitet_ = true;
    const Tagesdialog& d = *dialog_;
    raster_->setRowCount(d.Zeilenzahl() - 1);
    for (int r = 1; r < d.Zeilenzahl(); ++r) {
        const Rasterzeile& z = d.raster[static_cast<std::size_t>(r)];
        for (int c = 0; c < AnzahlSpalten; ++c) {
            auto* item = raster_->item(r - 1, c);
            if (!item) {
                item = new QTableWidgetItem;
                raster_->setItem(r - 1, c, item);
            }
            item->setText(Q(z[static_cast<std::size_t>(c)]));
            if (c == SpFarbe) {
                const uint32_t farbe =
                    z[SpFarbe].empty() ? KeineFarbe : farbwert(kal_, z[SpFarbe]);
                item->setBackground(QtFarbe(farbe));
                item->setForeground(QtFarbe(Komplementaerfarbe(farbe)));
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            }
        }
    }
    const QString text = Q(d.InfoText());
    if (info_->toPlainText() != text) info_->TextSetzen(text);
    arbeitet_ = false;
    KnoepfeAnzeigen();
}

void TForm3::KnoepfeAnzeigen() {
    const Dialogknoepfe& k = dialog_->knoepfe;
    neu_->setEnabled(k.neu);
    aendern_->setEnabled(k.aendern);
    loeschen_->setEnabled(k.loeschen);
    verschieben_->setEnabled(k.verschieben);
    kopieren_->setEnabled(k.kopieren);
    alleLoeschen_->setEnabled(k.alleLoeschen);
    infoLoeschen_->setEnabled(k.tagesinfoLoeschen);
    weitersuchen_->setEnabled(suchfenster_->Modell().weitersuchenAktiv);
}

void TForm3::KopfAnzeigen() {
    const Datum d = dialog_->Tag();
    datum_->setText(Q(Datumsbeschriftung(d.tag, d.monat, d.jahr)));
    kw_->setText(Q(KWText(d.tag, d.monat, d.jahr)));
    farbpanel_->tag = d;
    // While long work runs the caption and colours stay as they are.
    if (fortschritt_->isVisible()) return;
    setWindowTitle(Q(Tagestitel(d.tag, d.monat, d.jahr)));
    const Beschriftungsfarben f =
        DatumsbeschriftungFarben(d.tag, d.monat, d.jahr, einst_.SASOFarbeInDerJahresansicht);
    QPalette p = datum_->palette();
    p.setColor(QPalette::Window, QtFarbe(f.hintergrund));
    p.setColor(QPalette::WindowText,
               f.roteSchrift ? QtFarbe(Rot) : palette().color(QPalette::WindowText));
    datum_->setPalette(p);
    farbpanel_->update();
    farbpanel_->gemalt();
}

void TForm3::InfoUebernehmen() { dialog_->InfoAusText(info_->toPlainText().toStdString()); }

void TForm3::Arbeit(const std::function<void()>& was) {
    raster_->hide();
    fortschritt_->setValue(0);
    fortschritt_->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    arbeitet_ = true;
    was();
    arbeitet_ = false;
    QApplication::restoreOverrideCursor();
    fortschritt_->setValue(100);
    fortschritt_->hide();
    raster_->show();
}

void TForm3::NachEditor() {
    Anzeigen();
    KopfAnzeigen();
    QCoreApplication::processEvents();
    info_->setFocus();
}

void TForm3::NeuerTermin() {
    if (umgebung_.schreibgeschuetzt) return;
    InfoUebernehmen();
    dialog_->NeuerTerminVorbereiten();
    editorfenster_->Zeigen(dialog_->Tag());
    Arbeit([this] { dialog_->NeuerTerminAbschliessen(); });
    NachEditor();
}

void TForm3::TerminAendern() {
    InfoUebernehmen();
    if (!dialog_->TerminAendernVorbereiten()) return;
    editorfenster_->Zeigen(dialog_->Tag());
    Arbeit([this] { dialog_->TerminAendernAbschliessen(); });
    NachEditor();
}

void TForm3::TerminLoeschen() {
    InfoUebernehmen();
    if (!dialog_->TerminLoeschenVorbereiten()) return;
    editorfenster_->Zeigen(dialog_->Tag());
    Arbeit([this] { dialog_->TerminLoeschenAbschliessen(); });
    NachEditor();
}

void TForm3::AlleLoeschen() {
    InfoUebernehmen();
    dialog_->AlleLoeschenVorbereiten();
    editorfenster_->Zeigen(dialog_->Tag());
    Arbeit([this] { dialog_->AlleLoeschenAbschliessen(); });
    NachEditor();
}

void TForm3::VerschiebenOderKopieren(bool verschieben) {
    InfoUebernehmen();
    const auto ziel = ZieldatumFragen(this, verschieben, dialog_->Tag());
    if (!ziel || *ziel == dialog_->Tag()) return;
    Arbeit([&] { dialog_->VerschiebenOderKopieren(*ziel, verschieben); });
    NachEditor();
}

void TForm3::Blaettern(int schritt) {
    InfoUebernehmen();
    dialog_->tagblaettern(schritt);
    dialog_->NachBlaettern();
    Anzeigen();
    KopfAnzeigen();
    info_->setFocus();
}

void TForm3::Woche(int richtung) {
    InfoUebernehmen();
    dialog_->wocheBlaettern(richtung);
    dialog_->NachBlaettern();
    Anzeigen();
    KopfAnzeigen();
    info_->setFocus();
}

QMenu* TForm3::Tagesfarbmenue() {
    const Datum d = dialog_->Tag();
    const kalvora::Tagesfarbmenue m =
        TagesfarbmenueBauen(kal_, d.tag, d.monat, d.jahr, umgebung_.schreibgeschuetzt);
    farbmenue_->clear();
    auto befehl = [this](Farbbefehl b, int slot) {
        const Datum t = dialog_->Tag();
        TagesfarbeAendern(umgebung_.kal, umgebung_.FarbaenderungMerken, t.tag, t.monat, t.jahr,
                          b, slot);
        KopfAnzeigen();
    };
    QAction* alle = farbmenue_->addAction(Q(tt::AlleFarbenLoeschen), this,
                                          [befehl] { befehl(Farbbefehl::AlleLoeschen, 0); });
    alle->setEnabled(m.alleLoeschenAktiv);
    farbmenue_->addSeparator();
    const std::pair<const char*, std::pair<const Farbuntermenue*, Farbbefehl>> unter[] = {
        {tt::NeueFarbe, {&m.neu, Farbbefehl::Neu}},
        {tt::FarbeHinzufuegen, {&m.hinzufuegen, Farbbefehl::Hinzufuegen}},
        {tt::FarbeLoeschen, {&m.loeschen, Farbbefehl::Loeschen}}};
    for (const auto& [titel, inhalt] : unter) {
        QMenu* u = farbmenue_->addMenu(Q(titel));
        u->setEnabled(inhalt.first->aktiv);
        for (const Farbmenueeintrag& e : inhalt.first->eintraege) {
            if (!e.sichtbar) continue;
            const Farbbefehl b = inhalt.second;
            const int slot = e.slot;
            u->addAction(Farbsymbol(e.farbe), Q(e.titel), this,
                         [befehl, b, slot] { befehl(b, slot); });
        }
    }
    return farbmenue_;
}

void TForm3::Springen(const Suchtreffer& t) {
    if (suchtrefferGewaehlt) suchtrefferGewaehlt(Datum{t.tag, t.monat, t.jahr});
    InfoUebernehmen();
    dialog_->ZumTreffer({t.tag, t.monat, t.jahr},
                        Tagestreffer{t.eintrag, t.imOrt, t.position, t.laenge});
    Anzeigen();
    KopfAnzeigen();
    TrefferAuswaehlen();
}

void TForm3::TrefferAuswaehlen() {
    Tagesdialog& d = *dialog_;
    if (!d.trefferAusstehend || !d.treffer) return;
    const Tagestreffer t = *d.treffer;
    d.trefferAusstehend = false;
    if (t.zeile > 0 && t.zeile < d.Zeilenzahl()) {
        raster_->setCurrentCell(t.zeile - 1, t.imOrt ? SpOrt : SpBeschreibung);
    } else if (t.zeile == 0) {
        info_->setFocus();
        QTextCursor c = info_->textCursor();
        const int ende = int(info_->toPlainText().size());
        c.setPosition(std::min(t.position, ende));
        c.setPosition(std::min(t.position + t.laenge, ende), QTextCursor::KeepAnchor);
        info_->setTextCursor(c);
    }
}

void TForm3::SuchenKlick() {
    const int jahr = jahrDerAnsicht ? jahrDerAnsicht() : dialog_->jahr;
    const auto t = suchfenster_->Zeigen(jahr);
    if (t) Springen(*t);
    KnoepfeAnzeigen();
}

void TForm3::WeitersuchenKlick() {
    const auto t = suchfenster_->Weitersuchen();
    if (t) Springen(*t);
    KnoepfeAnzeigen();
}

std::optional<Datum> TForm3::HauptfensterSuchen(int jahr) {
    const auto t = suchfenster_->Zeigen(jahr);
    if (!t) return std::nullopt;
    const Datum tag{t->tag, t->monat, t->jahr};
    dialog_->Aktivieren(tag);
    dialog_->treffer = Tagestreffer{t->eintrag, t->imOrt, t->position, t->laenge};
    dialog_->trefferAusstehend = true;
    if (t->eintrag > 0) dialog_->ZelleGewaehlt(t->eintrag);
    Aktivieren();
    exec();
    return tag;
}

std::optional<Datum> TForm3::HauptfensterWeitersuchen() {
    const auto t = suchfenster_->Weitersuchen();
    if (!t) return std::nullopt;
    const Datum tag{t->tag, t->monat, t->jahr};
    dialog_->Aktivieren(tag);
    dialog_->treffer = Tagestreffer{t->eintrag, t->imOrt, t->position, t->laenge};
    dialog_->trefferAusstehend = true;
    Aktivieren();
    exec();
    return tag;
}

bool TForm3::WeitersuchenAktiv() const { return suchfenster_->Modell().weitersuchenAktiv; }

void TForm3::AusDokumentNeuLaden() {
    dialog_->tagladen();
    Anzeigen();
    KopfAnzeigen();
}

void TForm3::done(int r) {
    InfoUebernehmen();
    dialog_->tagspeichern();
    BreitenSchreiben();
    QDialog::done(r);
}

void TForm3::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F5) {
        if (aktualisieren) aktualisieren();
        return;
    }
    QDialog::keyPressEvent(e);  // Escape closes through done()
}

void TForm3::wheelEvent(QWheelEvent* e) {
    const int delta = e->angleDelta().y();
    if (delta > 0)
        Blaettern(+1);
    else if (delta < 0)
        Blaettern(-1);
    e->accept();
}

}  // namespace kalvora
