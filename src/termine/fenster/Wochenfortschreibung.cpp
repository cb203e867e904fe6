#include "termine/fenster/Wochenfortschreibung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

#include <vector>

#include "platform/qt/QtDialoge.h"
#include "termine/Termintexte.h"
#include "termine/fenster/Eingabefilter.h"
#include "termine/fenster/Termin.h"

namespace kalvora {

namespace wt = wochentexte;
namespace tt = termintexte;

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }
QString Q(const char* s) { return QString::fromUtf8(s); }
QDate AlsQDate(const Datum& d) { return QDate(d.jahr, d.monat, d.tag); }
Datum AlsDatum(const QDate& d) { return {d.day(), d.month(), d.year()}; }

QLabel* Beschriftung(QWidget* eltern, const char* text, int x, int y, int breite = 150) {
    auto* l = new QLabel(Q(text), eltern);
    l->setGeometry(x, y, breite, 18);
    return l;
}

QSpinBox* Drehfeld(QWidget* eltern, int min, int max, const char* name, int x, int y) {
    auto* s = new QSpinBox(eltern);
    s->setRange(min, max);
    s->setObjectName(name);
    s->setGeometry(x, y, 50, 22);
    return s;
}

QDateEdit* Datumsfeld(QWidget* eltern, const char* name, int x, int y) {
    auto* d = new QDateEdit(eltern);
    d->setObjectName(name);
    d->setDisplayFormat("dd.MM.yyyy");
    d->setCalendarPopup(true);
    d->setMinimumDate(QDate(ErstesJahr, 1, 1));
    d->setMaximumDate(QDate(LetztesJahr, 12, 31));
    d->setGeometry(x, y, 120, 22);
    return d;
}

void FarbfeldAnzeigen(QLineEdit* feld, uint32_t farbe, const std::string& text) {
    QPalette p = feld->palette();
    p.setColor(QPalette::Base, QtFarbe(farbe));
    p.setColor(QPalette::Text, farbe == KeineFarbe ? QColor(Qt::black)
                                                   : QtFarbe(Komplementaerfarbe(farbe)));
    feld->setPalette(p);
    feld->setText(Q(text));
}

}  // namespace

TForm34::TForm34(Anwendungskern& kern, int jahr, QWidget* parent)
    : QDialog(parent), kern_(kern), kal_(kern.Kalender()),
      modell_(kern.Kalender(), kern.Optionen(), jahr) {
    setObjectName("Form34");
    setWindowTitle(Q(wt::Titel));
    setModal(true);
    Aufbauen();
    // Everything the model starts with.
    zeigend_ = true;
    startStunde_->setValue(modell_.startStunde);
    startMinute_->setValue(modell_.startMinute);
    dauerStunden_->setValue(modell_.dauerStunden);
    dauerMinuten_->setValue(modell_.dauerMinuten);
    alarm_->setChecked(modell_.alarm);
    for (const std::string& k : modell_.kategorien) kategorie_->addItem(Q(k));
    for (const std::string& l : modell_.links) link_->addItem(Q(l));
    kategorie_->setCurrentIndex(0);
    link_->setCurrentIndex(0);
    start_->setDate(AlsQDate(modell_.start));
    ende_->setDate(AlsQDate(modell_.ende));
    nurBei_->setChecked(modell_.filterAn);
    zeigend_ = false;
    MusterZeigen();
    VerschiebungZeigen();
    FarbfelderZeigen();
    beschreibung_->setFocus();
}

void TForm34::Aufbauen() {
    auto* validator = new Eingabevalidator(this);
    setFixedSize(632, 404);

    // The pattern: two rows of seven days.
    Beschriftung(this, wt::Schema, 8, 11, 60);
    schema_ = new QComboBox(this);
    schema_->setObjectName("Schema");
    for (const Wochenschema& s : Wochenschemata) schema_->addItem(Q(s.name));
    schema_->setGeometry(70, 8, 150, 22);
    for (int i = 0; i < 7; ++i) {
        auto* l = Beschriftung(this, wt::Tage[i], 74 + i * 32, 40, 28);
        l->setAlignment(Qt::AlignHCenter);
    }
    for (int w = 0; w < 2; ++w) {
        Beschriftung(this, w == 0 ? wt::Woche1 : wt::Woche2, 8, 62 + w * 26, 62);
        for (int i = 0; i < 7; ++i) {
            if (i >= 5) {
                // Saturdays on silver, Sundays on red.
                auto* grund = new QLabel(this);
                grund->setGeometry(75 + i * 32, 59 + w * 26, 26, 24);
                grund->setAutoFillBackground(true);
                QPalette p = grund->palette();
                p.setColor(QPalette::Window, i == 5 ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::red));
                grund->setPalette(p);
            }
            auto* c = new QCheckBox(this);
            c->setObjectName(QStringLiteral("Tag%1").arg(w * 7 + i));
            c->setGeometry(80 + i * 32, 60 + w * 26, 18, 22);
            tage_[static_cast<std::size_t>(w * 7 + i)] = c;
        }
    }
    samstage_ = new QCheckBox(Q(wt::SamstageFest), this);
    samstage_->setObjectName("SamstageFest");
    samstage_->setGeometry(8, 118, 220, 20);
    sonntage_ = new QCheckBox(Q(wt::SonntageFest), this);
    sonntage_->setObjectName("SonntageFest");
    sonntage_->setGeometry(8, 140, 220, 20);
    auto* gruppe = new QGroupBox(Q(wt::FreieTageVerschieben), this);
    gruppe->setGeometry(8, 166, 310, 74);
    einzeln_ = new QRadioButton(Q(wt::JedeWocheEinzeln), gruppe);
    einzeln_->setObjectName("Einzeln");
    einzeln_->setGeometry(10, 22, 200, 20);
    zusammen_ = new QRadioButton(Q(wt::WochenZusammen), gruppe);
    zusammen_->setObjectName("Zusammen");
    zusammen_->setGeometry(10, 46, 200, 20);
    links_ = new QToolButton(gruppe);
    links_->setObjectName("Frueher");
    links_->setArrowType(Qt::LeftArrow);
    links_->setGeometry(230, 30, 28, 26);
    rechts_ = new QToolButton(gruppe);
    rechts_->setObjectName("Spaeter");
    rechts_->setArrowType(Qt::RightArrow);
    rechts_->setGeometry(262, 30, 28, 26);
    Beschriftung(this, wt::FreieTageUm, 8, 252, 88);
    verschiebung_ = Drehfeld(this, -6, 6, "Verschiebung", 96, 250);
    Beschriftung(this, wt::TageAlle2Wochen, 152, 252, 190);

    auto* zeitraum = new QGroupBox(Q(wt::Zeitraum), this);
    zeitraum->setGeometry(8, 282, 310, 80);
    Beschriftung(zeitraum, wt::Startdatum, 10, 25, 90);
    start_ = Datumsfeld(zeitraum, "Startdatum", 110, 22);
    Beschriftung(zeitraum, wt::Enddatum, 10, 51, 90);
    ende_ = Datumsfeld(zeitraum, "Enddatum", 110, 48);
    nurBei_ = new QCheckBox(Q(wt::NurBei), this);
    nurBei_->setObjectName("NurBei");
    nurBei_->setGeometry(8, 372, 170, 20);
    filterfeld_ = new QLineEdit(this);
    filterfeld_->setObjectName("Filterfeld");
    filterfeld_->setReadOnly(true);
    filterfeld_->setGeometry(178, 370, 120, 22);
    filterfeld_->installEventFilter(this);
    filterknopf_ = new QToolButton(this);
    filterknopf_->setArrowType(Qt::DownArrow);
    filterknopf_->setGeometry(298, 370, 20, 22);

    // The appointment.
    const int x = 336;
    Beschriftung(this, tt::TerminBeginnt, x, 8);
    startStunde_ = Drehfeld(this, 0, 23, "StartStunde", x, 26);
    Beschriftung(this, tt::Stunden, x + 54, 29, 60);
    startMinute_ = Drehfeld(this, 0, 59, "StartMinute", x + 120, 26);
    Beschriftung(this, tt::Minuten, x + 174, 29, 60);
    Beschriftung(this, tt::Termindauer, x, 54);
    dauerStunden_ = Drehfeld(this, 0, 23, "DauerStunden", x, 72);
    Beschriftung(this, tt::Stunden, x + 54, 75, 60);
    dauerMinuten_ = Drehfeld(this, 0, 59, "DauerMinuten", x + 120, 72);
    Beschriftung(this, tt::Minuten, x + 174, 75, 60);
    alarm_ = new QCheckBox(Q(tt::AlarmAktivieren), this);
    alarm_->setObjectName("Alarm");
    alarm_->setGeometry(x, 102, 122, 20);
    auto* wecker = new QLabel(this);
    wecker->setPixmap(Weckersymbol());
    wecker->setGeometry(x + 126, 104, 16, 16);

    Beschriftung(this, tt::Terminbeschreibung, x, 130);
    beschreibung_ = new QLineEdit(this);
    beschreibung_->setObjectName("Beschreibung");
    beschreibung_->setGeometry(x, 148, 190, 22);
    beschreibung_->setValidator(validator);
    kategorieKnopf_ = new QPushButton(Q(wt::KategorieKopieren), this);
    kategorieKnopf_->setObjectName("KategorieKopieren");
    kategorieKnopf_->setAutoDefault(false);
    kategorieKnopf_->setGeometry(x + 194, 147, 94, 24);
    Beschriftung(this, tt::Ortsangabe, x, 176);
    ort_ = new QLineEdit(this);
    ort_->setObjectName("Ort");
    ort_->setGeometry(x, 194, 190, 22);
    ort_->setValidator(validator);
    farbeKnopf_ = new QPushButton(Q(wt::FarbeKopieren), this);
    farbeKnopf_->setObjectName("FarbeKopieren");
    farbeKnopf_->setAutoDefault(false);
    farbeKnopf_->setGeometry(x + 194, 193, 94, 24);

    Beschriftung(this, tt::Terminverknuepfungen, x, 226);
    Beschriftung(this, tt::Farbe, x, 252, 60);
    farbfeld_ = new QLineEdit(this);
    farbfeld_->setObjectName("Farbfeld");
    farbfeld_->setReadOnly(true);
    farbfeld_->setGeometry(x + 64, 248, 204, 22);
    farbfeld_->installEventFilter(this);
    farbknopf_ = new QToolButton(this);
    farbknopf_->setArrowType(Qt::DownArrow);
    farbknopf_->setGeometry(x + 268, 248, 20, 22);
    Beschriftung(this, tt::Kategorie, x, 280, 60);
    kategorie_ = new QComboBox(this);
    kategorie_->setObjectName("Kategorie");
    kategorie_->setGeometry(x + 64, 276, 224, 22);
    Beschriftung(this, tt::Link, x, 308, 60);
    link_ = new QComboBox(this);
    link_->setObjectName("Link");
    link_->setEditable(true);
    link_->setInsertPolicy(QComboBox::NoInsert);
    link_->setGeometry(x + 64, 304, 224, 22);
    link_->lineEdit()->setValidator(validator);

    eintragen_ = new QPushButton(Q(wt::Eintragen), this);
    eintragen_->setObjectName("Eintragen");
    eintragen_->setAutoDefault(false);
    eintragen_->setGeometry(x + 64, 366, 130, 28);
    endeKnopf_ = new QPushButton(Q(wt::Ende), this);
    endeKnopf_->setObjectName("Ende");
    endeKnopf_->setDefault(true);
    endeKnopf_->setGeometry(x + 204, 366, 84, 28);
    farbmenue_ = new QMenu(this);
    filtermenue_ = new QMenu(this);

    for (int i = 0; i < Mustertage; ++i)
        connect(tage_[static_cast<std::size_t>(i)], &QCheckBox::toggled, this, [this, i](bool an) {
            if (zeigend_) return;
            modell_.TagSetzen(i, an);
        });
    connect(schema_, &QComboBox::activated, this, [this](int i) {
        modell_.SchemaWaehlen(i);
        MusterZeigen();
        VerschiebungZeigen();
    });
    connect(samstage_, &QCheckBox::toggled, this, [this](bool an) {
        if (!zeigend_) modell_.regel.samstageFest = an;
    });
    connect(sonntage_, &QCheckBox::toggled, this, [this](bool an) {
        if (!zeigend_) modell_.regel.sonntageFest = an;
    });
    connect(zusammen_, &QRadioButton::toggled, this, [this](bool an) {
        if (!zeigend_) modell_.regel.wochenZusammen = an;
    });
    connect(links_, &QToolButton::clicked, this, [this] {
        modell_.Verschieben(false);
        MusterZeigen();
    });
    connect(rechts_, &QToolButton::clicked, this, [this] {
        modell_.Verschieben(true);
        MusterZeigen();
    });
    connect(verschiebung_, &QSpinBox::valueChanged, this, [this](int n) {
        if (!zeigend_) modell_.verschiebung = n;
    });
    connect(nurBei_, &QCheckBox::toggled, this, [this](bool an) {
        if (!zeigend_) modell_.filterAn = an;
        FarbfelderZeigen();
    });
    connect(farbknopf_, &QToolButton::clicked, this, [this] {
        Farbmenue()->popup(farbfeld_->mapToGlobal(QPoint(0, farbfeld_->height())));
    });
    connect(filterknopf_, &QToolButton::clicked, this, [this] {
        Filtermenue()->popup(filterfeld_->mapToGlobal(QPoint(0, filterfeld_->height())));
    });
    connect(kategorieKnopf_, &QPushButton::clicked, this, [this] {
        Uebernehmen();
        modell_.KategorieKopieren();
        beschreibung_->setText(Q(modell_.beschreibung));
    });
    connect(farbeKnopf_, &QPushButton::clicked, this, [this] {
        Uebernehmen();
        modell_.FarbeKopieren();
        ort_->setText(Q(modell_.ort));
    });
    connect(eintragen_, &QPushButton::clicked, this, &TForm34::EintragenKlick);
    connect(endeKnopf_, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm34::MusterZeigen() {
    zeigend_ = true;
    for (int i = 0; i < Mustertage; ++i)
        tage_[static_cast<std::size_t>(i)]->setChecked(modell_.Tag(i));
    zeigend_ = false;
}

void TForm34::VerschiebungZeigen() {
    zeigend_ = true;
    schema_->setCurrentIndex(modell_.schema);
    samstage_->setChecked(modell_.regel.samstageFest);
    sonntage_->setChecked(modell_.regel.sonntageFest);
    einzeln_->setChecked(!modell_.regel.wochenZusammen);
    zusammen_->setChecked(modell_.regel.wochenZusammen);
    verschiebung_->setValue(modell_.verschiebung);
    zeigend_ = false;
}

void TForm34::FarbfelderZeigen() {
    FarbfeldAnzeigen(farbfeld_, modell_.farbe, modell_.farbName);
    FarbfeldAnzeigen(filterfeld_, modell_.filterFarbe, modell_.filterText);
    filterfeld_->setEnabled(nurBei_->isChecked());
    filterknopf_->setEnabled(nurBei_->isChecked());
}

void TForm34::Uebernehmen() {
    modell_.startStunde = startStunde_->value();
    modell_.startMinute = startMinute_->value();
    modell_.dauerStunden = dauerStunden_->value();
    modell_.dauerMinuten = dauerMinuten_->value();
    modell_.alarm = alarm_->isChecked();
    modell_.beschreibung = Bereinigt(beschreibung_->text()).toStdString();
    modell_.ort = Bereinigt(ort_->text()).toStdString();
    modell_.kategorieIndex = std::max(0, kategorie_->currentIndex());
    modell_.linkText = Bereinigt(link_->currentText()).toStdString();
    modell_.start = AlsDatum(start_->date());
    modell_.ende = AlsDatum(ende_->date());
    modell_.filterAn = nurBei_->isChecked();
    modell_.verschiebung = verschiebung_->value();
}

void TForm34::EintragenKlick() {
    Uebernehmen();
    const std::size_t linksVorher = modell_.links.size();
    std::vector<Datum> tage;
    // The progress bar and the wait cursor only while the days are run through, not while
    // a warning or the closing message is shown.
    bool arbeitet = false;
    const auto beenden = [&] {
        if (arbeitet && arbeitBeenden) arbeitBeenden();
        arbeitet = false;
    };
    const auto melden = [&](int prozent) {
        if (!arbeitet && arbeitBeginnen) arbeitBeginnen();
        arbeitet = true;
        if (fortschritt) fortschritt(prozent);
        if (prozent >= 100) beenden();
    };
    modell_.Eintragen(kal_, kern_.Dialogdienst(), melden,
                      [&tage](const Datum& d) { tage.push_back(d); });
    beenden();
    if (modell_.links.size() != linksVorher) {
        link_->addItem(Q(modell_.links.back()));
        link_->setCurrentIndex(link_->count() - 1);
    }
    // The year view and every other subscriber show the new appointments.
    for (const Datum& d : tage) kern_.TagGeaendertMelden(d);
    beschreibung_->setFocus();
}

QMenu* TForm34::Farbmenue() {
    farbmenue_->clear();
    farbmenue_->addAction(Farbsymbol(KeineFarbe), Q(tt::KeineFarbeEintrag), this, [this] {
        modell_.FarbeWaehlen(kal_, 0);
        FarbfelderZeigen();
    });
    farbmenue_->addSeparator();
    for (int slot : TWochenfortschreibung::Farbmenue(kal_)) {
        const auto k = static_cast<std::size_t>(slot);
        farbmenue_->addAction(Farbsymbol(kal_.Farbwerte[k]), Q(kal_.Farbnamen[k]), this,
                              [this, slot] {
                                  modell_.FarbeWaehlen(kal_, slot);
                                  FarbfelderZeigen();
                              });
    }
    return farbmenue_;
}

QMenu* TForm34::Filtermenue() {
    filtermenue_->clear();
    filtermenue_->addAction(Farbsymbol(KeineFarbe), Q(tt::KeinerFarbe), this, [this] {
        modell_.FilterWaehlen(kal_, 0);
        FarbfelderZeigen();
    });
    filtermenue_->addSeparator();
    for (int slot : TWochenfortschreibung::Farbmenue(kal_)) {
        const auto k = static_cast<std::size_t>(slot);
        filtermenue_->addAction(Farbsymbol(kal_.Farbwerte[k]), Q(kal_.Farbnamen[k]), this,
                                [this, slot] {
                                    modell_.FilterWaehlen(kal_, slot);
                                    FarbfelderZeigen();
                                });
    }
    return filtermenue_;
}

void TForm34::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // Bottom right corner on the bottom right corner of the work area.
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect a = s->availableGeometry();
    const QRect r = frameGeometry();
    move(a.right() - r.width() + 1, a.bottom() - r.height() + 1);
    beschreibung_->setFocus();
}

bool TForm34::eventFilter(QObject* o, QEvent* e) {
    const bool klick =
        e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick;
    if (klick && o == farbfeld_) {
        Farbmenue()->popup(QCursor::pos());
        return true;
    }
    if (klick && o == filterfeld_ && filterfeld_->isEnabled()) {
        Filtermenue()->popup(QCursor::pos());
        return true;
    }
    return QDialog::eventFilter(o, e);
}

}  // namespace kalvora
