#include "termine/fenster/Termin.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

#include "platform/qt/QtDialoge.h"
#include "termine/Tageskopf.h"
#include "termine/Termintexte.h"
#include "termine/fenster/Eingabefilter.h"

namespace kalvora {

namespace tt = termintexte;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }

QDate AlsQDate(const Datum& d) { return QDate(d.jahr, d.monat, d.tag); }
Datum AlsDatum(const QDate& d) { return {d.day(), d.month(), d.year()}; }

QSpinBox* Drehfeld(QWidget* eltern, int max, const char* name, int x, int y) {
    auto* s = new QSpinBox(eltern);
    s->setRange(0, max);
    s->setObjectName(name);
    s->setGeometry(x, y, 50, 22);
    return s;
}

QLabel* Beschriftung(QWidget* eltern, const char* text, int x, int y, int breite = 150) {
    auto* l = new QLabel(Q(text), eltern);
    l->setGeometry(x, y, breite, 18);
    return l;
}

// Bottom right corner of the window on the bottom right corner of the work area.
void UntenRechts(QWidget* w) {
    const QScreen* s = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect a = s->availableGeometry();
    const QRect r = w->frameGeometry();
    w->move(a.right() - r.width() + 1, a.bottom() - r.height() + 1);
}

}  // namespace

QIcon Farbsymbol(uint32_t farbe) {
    QPixmap p(16, 16);
    p.fill(QtFarbe(farbe));
    QPainter m(&p);
    m.setPen(Qt::darkGray);
    m.drawRect(0, 0, 15, 15);
    return QIcon(p);
}

QPixmap Weckersymbol() {
    QPixmap p(16, 16);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(Qt::black, 1.2));
    m.setBrush(Qt::white);
    m.drawEllipse(QRectF(3, 4, 10, 10));       // face
    m.setBrush(Qt::black);
    m.drawEllipse(QRectF(1, 1, 4, 4));         // bells
    m.drawEllipse(QRectF(11, 1, 4, 4));
    m.drawLine(QPointF(8, 9), QPointF(8, 6));  // hands
    m.drawLine(QPointF(8, 9), QPointF(10, 10));
    m.drawLine(QPointF(4, 15), QPointF(5, 13));  // feet
    m.drawLine(QPointF(12, 15), QPointF(11, 13));
    return p;
}

TForm4::TForm4(Termineditor& editor, TKalender& kal, const Einstellungen& einst, QWidget* parent)
    : QDialog(parent), editor_(editor), kal_(kal), einst_(einst) {
    setObjectName("Form4");
    setWindowTitle(Q(tt::EditorTitel));
    setModal(true);
    Aufbauen();
}

void TForm4::Aufbauen() {
    auto* validator = new Eingabevalidator(this);
    beginntLabel_ = Beschriftung(this, tt::TerminBeginnt, 8, 8);
    startStunde_ = Drehfeld(this, 23, "StartStunde", 8, 28);
    startStdLabel_ = Beschriftung(this, tt::Stunden, 62, 31, 50);
    startMinute_ = Drehfeld(this, 59, "StartMinute", 112, 28);
    startMinLabel_ = Beschriftung(this, tt::Minuten, 166, 31, 50);
    dauerLabel_ = Beschriftung(this, tt::Termindauer, 8, 56);
    dauerStunden_ = Drehfeld(this, 23, "DauerStunden", 8, 76);
    dauerMinuten_ = Drehfeld(this, 59, "DauerMinuten", 112, 76);
    endeStunde_ = Drehfeld(this, 23, "EndeStunde", 8, 76);
    endeMinute_ = Drehfeld(this, 59, "EndeMinute", 112, 76);
    dauerStdLabel_ = Beschriftung(this, tt::Stunden, 62, 79, 50);
    dauerMinLabel_ = Beschriftung(this, tt::Minuten, 166, 79, 50);
    anzeigeGruppe_ = new QGroupBox(Q(tt::Anzeige), this);
    anzeigeGruppe_->setGeometry(8, 104, 210, 42);
    anzeigeDauer_ = new QRadioButton(Q(tt::Dauer), anzeigeGruppe_);
    anzeigeDauer_->setGeometry(10, 18, 80, 20);
    anzeigeEnde_ = new QRadioButton(Q(tt::Ende), anzeigeGruppe_);
    anzeigeEnde_->setGeometry(110, 18, 80, 20);
    alarm_ = new QCheckBox(Q(tt::AlarmAktivieren), this);
    alarm_->setObjectName("Alarm");
    alarm_->setGeometry(8, 156, 130, 20);
    alarmBild_ = new QLabel(this);
    alarmBild_->setPixmap(Weckersymbol());
    alarmBild_->setGeometry(140, 158, 16, 16);

    beschreibungLabel_ = Beschriftung(this, tt::Terminbeschreibung, 236, 8);
    beschreibung_ = new QLineEdit(this);
    beschreibung_->setObjectName("Beschreibung");
    beschreibung_->setGeometry(236, 26, 266, 22);
    beschreibung_->setValidator(validator);
    ortLabel_ = Beschriftung(this, tt::Ortsangabe, 236, 54);
    ort_ = new QLineEdit(this);
    ort_->setObjectName("Ort");
    ort_->setGeometry(236, 72, 266, 22);
    ort_->setValidator(validator);
    verknuepfungLabel_ = Beschriftung(this, tt::Terminverknuepfungen, 236, 104);
    farbeLabel_ = Beschriftung(this, tt::Farbe, 236, 128, 60);
    farbfeld_ = new QLineEdit(this);
    farbfeld_->setObjectName("Farbfeld");
    farbfeld_->setReadOnly(true);
    farbfeld_->setGeometry(300, 124, 182, 22);
    farbfeld_->installEventFilter(this);
    farbknopf_ = new QToolButton(this);
    farbknopf_->setArrowType(Qt::DownArrow);
    farbknopf_->setGeometry(482, 124, 20, 22);
    kategorieLabel_ = Beschriftung(this, tt::Kategorie, 236, 156, 60);
    kategorie_ = new QComboBox(this);
    kategorie_->setObjectName("Kategorie");
    kategorie_->setGeometry(300, 152, 202, 22);
    linkLabel_ = Beschriftung(this, tt::Link, 236, 184, 60);
    link_ = new QComboBox(this);
    link_->setObjectName("Link");
    link_->setEditable(true);
    link_->setGeometry(300, 180, 202, 22);
    link_->lineEdit()->setValidator(validator);

    serieGruppe_ = new QGroupBox(Q(tt::Fortschreibung), this);
    serieGruppe_->setObjectName("Fortschreibung");
    serieGruppe_->setGeometry(8, 248, 494, 136);
    serienart_ = new QComboBox(serieGruppe_);
    serienart_->setObjectName("Serienart");
    for (const char* a : tt::Serienarten) serienart_->addItem(Q(a));
    serienart_->setGeometry(10, 20, 150, 22);
    alleLabel_ = Beschriftung(serieGruppe_, tt::Alle, 172, 23, 30);
    periode_ = new QSpinBox(serieGruppe_);
    periode_->setObjectName("Periode");
    periode_->setRange(2, 999);
    periode_->setGeometry(204, 20, 60, 22);
    tageLabel_ = Beschriftung(serieGruppe_, tt::Tage, 270, 23, 40);
    bisDatum_ = new QRadioButton(Q(tt::BisEinschliesslich), serieGruppe_);
    bisDatum_->setObjectName("BisDatum");
    bisDatum_->setGeometry(10, 52, 170, 20);
    endDatum_ = new QDateEdit(serieGruppe_);
    endDatum_->setObjectName("EndDatum");
    endDatum_->setDisplayFormat("dd.MM.yyyy");
    endDatum_->setCalendarPopup(true);
    endDatum_->setMaximumDate(QDate(LetztesJahr, 12, 31));
    endDatum_->setGeometry(190, 50, 120, 22);
    nachAnzahl_ = new QRadioButton(Q(tt::AnzahlWiederholungen), serieGruppe_);
    nachAnzahl_->setObjectName("NachAnzahl");
    nachAnzahl_->setGeometry(10, 80, 170, 20);
    anzahl_ = new QSpinBox(serieGruppe_);
    anzahl_->setObjectName("Anzahl");
    anzahl_->setRange(1, 9999);
    anzahl_->setGeometry(190, 78, 70, 22);
    nurBei_ = new QCheckBox(Q(tt::NurBei), serieGruppe_);
    nurBei_->setObjectName("NurBei");
    nurBei_->setGeometry(10, 108, 170, 20);
    filterfeld_ = new QLineEdit(serieGruppe_);
    filterfeld_->setObjectName("Filterfeld");
    filterfeld_->setReadOnly(true);
    filterfeld_->setGeometry(190, 106, 160, 22);
    filterfeld_->installEventFilter(this);
    filterknopf_ = new QToolButton(serieGruppe_);
    filterknopf_->setArrowType(Qt::DownArrow);
    filterknopf_->setGeometry(350, 106, 20, 22);

    warnung_ = new QLabel(Q(tt::Warnung), this);
    warnung_->setGeometry(8, 8, 300, 24);
    QFont f = warnung_->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 4);
    warnung_->setFont(f);
    warnung_->setStyleSheet("color: red");
    bildknopf_ = new QToolButton(this);
    bildknopf_->setAutoRaise(true);
    bildknopf_->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
    bildknopf_->setIconSize(QSize(32, 32));
    bildknopf_->setGeometry(8, 48, 41, 41);
    tagesinfoLoeschen_ = new QCheckBox(Q(tt::TagesinfoZusaetzlich), this);
    tagesinfoLoeschen_->setObjectName("TagesinfoLoeschen");
    tagesinfoLoeschen_->setGeometry(60, 50, 260, 20);
    farbenLoeschen_ = new QCheckBox(Q(tt::FarbenZusaetzlich), this);
    farbenLoeschen_->setObjectName("FarbenLoeschen");
    farbenLoeschen_->setGeometry(60, 78, 260, 20);

    ok_ = new QPushButton(Q(tt::Ok), this);
    ok_->setObjectName("OK");
    loeschen_ = new QPushButton(Q(tt::Loeschen), this);
    loeschen_->setObjectName("Loeschen");
    abbruch_ = new QPushButton(Q(tt::Abbruch), this);
    abbruch_->setObjectName("Abbruch");
    hilfeKnopf_ = new QPushButton(Q(tt::Hilfe), this);
    farbmenue_ = new QMenu(this);
    filtermenue_ = new QMenu(this);

    // Leaving a start or duration field moves the end; leaving an end field the duration.
    for (QSpinBox* s : {startStunde_, startMinute_, dauerStunden_, dauerMinuten_})
        connect(s, &QSpinBox::editingFinished, this, [this] {
            if (anzeigend_) return;
            Uebernehmen();
            editor_.StartOderDauerVerlassen();
            ZeitenAnzeigen();
        });
    for (QSpinBox* s : {endeStunde_, endeMinute_})
        connect(s, &QSpinBox::editingFinished, this, [this] {
            if (anzeigend_) return;
            Uebernehmen();
            editor_.EndeVerlassen();
            ZeitenAnzeigen();
        });
    for (QRadioButton* r : {anzeigeDauer_, anzeigeEnde_})
        connect(r, &QRadioButton::clicked, this, [this] {
            editor_.anzeige = anzeigeEnde_->isChecked() ? 1 : 0;
            editor_.endeBeschriftungSichtbar = true;
            ZeitenAnzeigen();
        });
    connect(serienart_, &QComboBox::activated, this, [this](int i) {
        Uebernehmen();
        editor_.SerienartSetzen(static_cast<Serienart>(i), einst_, tag_);
        SerieAnzeigen();
    });
    for (QRadioButton* r : {bisDatum_, nachAnzahl_})
        connect(r, &QRadioButton::clicked, this, [this] {
            Uebernehmen();
            editor_.EndmodusSetzen(bisDatum_->isChecked());
            SerieAnzeigen();
        });
    connect(nurBei_, &QCheckBox::toggled, this, [this](bool an) {
        if (anzeigend_) return;
        editor_.FilterAnSetzen(an);
        SerieAnzeigen();
    });
    connect(link_, &QComboBox::editTextChanged, this, [this](const QString& t) {
        if (!anzeigend_) editor_.LinkTippen(t.toStdString());
    });
    connect(farbknopf_, &QToolButton::clicked, this, [this] {
        FarbmenueZeigen(farbfeld_->mapToGlobal(QPoint(0, farbfeld_->height())));
    });
    connect(filterknopf_, &QToolButton::clicked, this, [this] {
        FiltermenueZeigen(filterfeld_->mapToGlobal(QPoint(0, filterfeld_->height())));
    });
    connect(ok_, &QPushButton::clicked, this, &TForm4::OkKlick);
    connect(loeschen_, &QPushButton::clicked, this, &TForm4::LoeschenKlick);
    connect(abbruch_, &QPushButton::clicked, this, &TForm4::AbbruchKlick);
    connect(hilfeKnopf_, &QPushButton::clicked, this, [this] {
        if (hilfe) hilfe(editor_.Hilfethema());
    });
}

void TForm4::FarbfeldAnzeigen(QLineEdit* feld, uint32_t farbe, const std::string& text) {
    QPalette p = feld->palette();
    const QColor grund = farbe == AlleFarbenVorhandenFarbe ? palette().color(QPalette::Button)
                                                            : QtFarbe(farbe);
    p.setColor(QPalette::Base, grund);
    p.setColor(QPalette::Text, QtFarbe(Komplementaerfarbe(farbe & 0xFFFFFF)));
    if (farbe == AlleFarbenVorhandenFarbe || farbe == KeineFarbe)
        p.setColor(QPalette::Text, Qt::black);
    feld->setPalette(p);
    feld->setText(Q(text));
}

void TForm4::ZeitenAnzeigen() {
    anzeigend_ = true;
    startStunde_->setValue(editor_.startStunde);
    startMinute_->setValue(editor_.startMinute);
    dauerStunden_->setValue(editor_.dauerStunden);
    dauerMinuten_->setValue(editor_.dauerMinuten);
    endeStunde_->setValue(editor_.endeStunde);
    endeMinute_->setValue(editor_.endeMinute);
    const bool ende = editor_.anzeige == 1;
    const bool zeiten = !editor_.alleLoeschenLayout;
    anzeigeDauer_->setChecked(!ende);
    anzeigeEnde_->setChecked(ende);
    dauerStunden_->setVisible(zeiten && !ende);
    dauerMinuten_->setVisible(zeiten && !ende);
    endeStunde_->setVisible(zeiten && ende);
    endeMinute_->setVisible(zeiten && ende);
    dauerLabel_->setText(Q(ende ? tt::TerminEndet : tt::Termindauer));
    dauerLabel_->setVisible(zeiten && (!ende || editor_.endeBeschriftungSichtbar));
    for (QWidget* w : {static_cast<QWidget*>(startStunde_), static_cast<QWidget*>(startMinute_),
                       static_cast<QWidget*>(dauerStunden_), static_cast<QWidget*>(dauerMinuten_),
                       static_cast<QWidget*>(endeStunde_), static_cast<QWidget*>(endeMinute_)})
        w->setEnabled(editor_.zeitfelderAktiv);
    anzeigend_ = false;
}

void TForm4::SerieAnzeigen() {
    anzeigend_ = true;
    const Serienwerte& s = editor_.serie;
    serienart_->setCurrentIndex(static_cast<int>(s.art));
    alleLabel_->setVisible(editor_.periodeSichtbar);
    periode_->setVisible(editor_.periodeSichtbar);
    tageLabel_->setVisible(editor_.periodeSichtbar);
    periode_->setValue(s.periode);
    bisDatum_->setChecked(s.bisDatum);
    nachAnzahl_->setChecked(!s.bisDatum);
    bisDatum_->setEnabled(editor_.endmodusAktiv);
    nachAnzahl_->setEnabled(editor_.endmodusAktiv);
    endDatum_->setMinimumDate(AlsQDate(editor_.fruehestesEnddatum));
    endDatum_->setDate(AlsQDate(s.endDatum));
    endDatum_->setEnabled(editor_.datumAktiv);
    anzahl_->setValue(s.anzahl);
    anzahl_->setEnabled(editor_.anzahlAktiv);
    nurBei_->setEnabled(editor_.nurBeiAktiv);
    nurBei_->setChecked(s.filterAn);
    filterfeld_->setEnabled(editor_.FilterfeldAktiv());
    filterknopf_->setEnabled(editor_.FilterfeldAktiv());
    FarbfeldAnzeigen(filterfeld_, s.filterFarbe, editor_.filterText);
    anzeigend_ = false;
}

void TForm4::Anzeigen() {
    anzeigend_ = true;
    setWindowTitle(Q(editor_.titel));
    const bool kompakt = editor_.alleLoeschenLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{
             beginntLabel_, startStunde_, startMinute_, startStdLabel_, startMinLabel_,
             dauerStdLabel_, dauerMinLabel_, anzeigeGruppe_, beschreibungLabel_, beschreibung_,
             ortLabel_, ort_, kategorie_, link_, kategorieLabel_, linkLabel_})
        w->setVisible(!kompakt);
    for (QWidget* w : std::initializer_list<QWidget*>{verknuepfungLabel_, farbeLabel_,
                                                      farbfeld_, farbknopf_})
        w->setVisible(!kompakt);
    alarm_->setVisible(!kompakt && editor_.alarmSichtbar);
    alarmBild_->setVisible(!kompakt && editor_.alarmSichtbar);
    warnung_->setVisible(kompakt);
    bildknopf_->setVisible(kompakt);
    tagesinfoLoeschen_->setVisible(kompakt);
    farbenLoeschen_->setVisible(kompakt);
    tagesinfoLoeschen_->setChecked(editor_.tagesinfoLoeschen);
    farbenLoeschen_->setChecked(editor_.farbenLoeschen);
    const int gruppeY = kompakt ? 152 : 248;
    const int knopfY = kompakt ? 304 : 392;
    serieGruppe_->move(8, gruppeY);
    ok_->setGeometry(170, knopfY, 80, 26);
    loeschen_->setGeometry(170, knopfY, 80, 26);
    abbruch_->setGeometry(260, knopfY, 80, 26);
    hilfeKnopf_->setGeometry(350, knopfY, 80, 26);
    setFixedSize(510, kompakt ? 448 - 80 : 448);

    ok_->setVisible(editor_.okSichtbar);
    loeschen_->setVisible(editor_.loeschenSichtbar);
    ok_->setDefault(editor_.okSichtbar);
    loeschen_->setDefault(!editor_.okSichtbar && editor_.loeschenSichtbar);

    beschreibung_->setText(Q(editor_.beschreibung));
    ort_->setText(Q(editor_.ort));
    beschreibung_->setReadOnly(editor_.textNurLesen);
    ort_->setReadOnly(editor_.textNurLesen);
    alarm_->setChecked(editor_.alarm);
    farbfeld_->setEnabled(editor_.farbfeldAktiv);
    farbknopf_->setEnabled(editor_.farbfeldAktiv);
    FarbfeldAnzeigen(farbfeld_, editor_.farbe, editor_.farbName);
    kategorie_->clear();
    for (const std::string& k : editor_.kategorien) kategorie_->addItem(Q(k));
    kategorie_->setCurrentIndex(editor_.kategorieIndex);
    kategorie_->setEnabled(editor_.kategorieAktiv);
    link_->clear();
    for (const std::string& l : editor_.links) link_->addItem(Q(l));
    link_->setEditText(Q(editor_.linkText));
    anzeigend_ = false;
    ZeitenAnzeigen();
    SerieAnzeigen();
}

void TForm4::Uebernehmen() {
    editor_.StartSetzen(startStunde_->value(), startMinute_->value());
    editor_.DauerSetzen(dauerStunden_->value(), dauerMinuten_->value());
    editor_.EndeSetzen(endeStunde_->value(), endeMinute_->value());
    editor_.anzeige = anzeigeEnde_->isChecked() ? 1 : 0;
    editor_.alarm = alarm_->isChecked();
    editor_.beschreibung = Bereinigt(beschreibung_->text()).toStdString();
    editor_.ort = Bereinigt(ort_->text()).toStdString();
    editor_.kategorieIndex = std::max(0, kategorie_->currentIndex());
    editor_.linkText = Bereinigt(link_->currentText()).toStdString();
    editor_.serie.bisDatum = bisDatum_->isChecked();
    editor_.EndDatumSetzen(AlsDatum(endDatum_->date()));
    editor_.AnzahlSetzen(anzahl_->value());
    editor_.PeriodeSetzen(periode_->value());
    editor_.serie.filterAn = nurBei_->isChecked();
    editor_.tagesinfoLoeschen = tagesinfoLoeschen_->isChecked();
    editor_.farbenLoeschen = farbenLoeschen_->isChecked();
}

Editorergebnis TForm4::Zeigen(const Datum& tag) {
    tag_ = tag;
    editor_.ergebnis = Editorergebnis::Keins;
    editor_.Aktivieren(kal_, einst_, tag);
    Anzeigen();
    adjustSize();
    UntenRechts(this);
    if (editor_.alleLoeschenLayout)
        tagesinfoLoeschen_->setFocus();
    else
        beschreibung_->setFocus();
    exec();
    if (editor_.ergebnis == Editorergebnis::Keins) editor_.ergebnis = Editorergebnis::Abbruch;
    return editor_.ergebnis;
}

void TForm4::OkKlick() {
    // A spin field still being typed in counts as left.
    Uebernehmen();
    editor_.StartOderDauerVerlassen();
    editor_.Ok(kal_);
    accept();
}

void TForm4::LoeschenKlick() {
    Uebernehmen();
    editor_.Loeschen();
    accept();
}

void TForm4::AbbruchKlick() {
    editor_.Abbrechen();
    reject();
}

void TForm4::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (editor_.okSichtbar)
            OkKlick();
        else if (editor_.loeschenSichtbar)
            LoeschenKlick();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        AbbruchKlick();
        return;
    }
    QDialog::keyPressEvent(e);
}

bool TForm4::eventFilter(QObject* o, QEvent* e) {
    const bool klick =
        e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
    if (klick && o == farbfeld_ && farbfeld_->isEnabled()) {
        FarbmenueZeigen(QCursor::pos());
        return true;
    }
    if (klick && o == filterfeld_ && filterfeld_->isEnabled()) {
        FiltermenueZeigen(QCursor::pos());
        return true;
    }
    return QDialog::eventFilter(o, e);
}

QMenu* TForm4::Farbmenue() {
    farbmenue_->clear();
    farbmenue_->addAction(Farbsymbol(KeineFarbe), Q(tt::KeineFarbeEintrag), this, [this] {
        editor_.FarbeWaehlen(kal_, 0);
        FarbfeldAnzeigen(farbfeld_, editor_.farbe, editor_.farbName);
    });
    farbmenue_->addSeparator();
    for (int slot : Termineditor::Farbmenue(kal_)) {
        const auto k = static_cast<std::size_t>(slot);
        farbmenue_->addAction(Farbsymbol(kal_.Farbwerte[k]), Q(kal_.Farbnamen[k]), this,
                              [this, slot] {
                                  editor_.FarbeWaehlen(kal_, slot);
                                  FarbfeldAnzeigen(farbfeld_, editor_.farbe, editor_.farbName);
                              });
    }
    return farbmenue_;
}

QMenu* TForm4::Filtermenue() {
    Uebernehmen();
    const kalvora::Filtermenue m = editor_.FiltermenueOeffnen(kal_, tag_);
    SerieAnzeigen();
    filtermenue_->clear();
    auto waehlen = [this](int slot) {
        editor_.FilterWaehlen(kal_, slot);
        SerieAnzeigen();
    };
    if (m.keinerFarbeSichtbar)
        filtermenue_->addAction(Farbsymbol(KeineFarbe), Q(tt::KeinerFarbe), this,
                                [waehlen] { waehlen(0); });
    filtermenue_->addAction(Q(tt::AlleFarbenVorhanden), this, [waehlen] { waehlen(-1); });
    filtermenue_->addSeparator();
    for (int slot : m.plaetze) {
        const auto k = static_cast<std::size_t>(slot);
        filtermenue_->addAction(Farbsymbol(kal_.Farbwerte[k]), Q(kal_.Farbnamen[k]), this,
                                [waehlen, slot] { waehlen(slot); });
    }
    return filtermenue_;
}

void TForm4::FarbmenueZeigen(const QPoint& wo) { Farbmenue()->popup(wo); }
void TForm4::FiltermenueZeigen(const QPoint& wo) { Filtermenue()->popup(wo); }

}  // namespace kalvora
