#include "extras/fenster/Farben_definieren.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

#include "main/Farbbearbeitung.h"
#include "platform/qt/QtDialoge.h"
#include "termine/fenster/Eingabefilter.h"

namespace kalvora {

namespace ft = farbdefinitionstexte;

namespace {
QString Q(const char* s) { return QString::fromUtf8(s); }

QPushButton* Knopf(QWidget* eltern, const char* text, const char* name, int y) {
    auto* k = new QPushButton(Q(text), eltern);
    k->setObjectName(name);
    k->setGeometry(344, y, 77, 26);
    return k;
}
}  // namespace

TFarbenDefinieren::TFarbenDefinieren(Anwendungskern& kern, QWidget* parent)
    : QDialog(parent), kern_(kern), modell_(kern.Kalender(), kern.Legendenfarben()) {
    setObjectName("FarbenDefinieren");
    setWindowTitle(Q(ft::Titel));
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, true);
    setFixedSize(429, 507);

    auto* validator = new Eingabevalidator(this);
    auto* farbe = new QLabel(Q(ft::Farbe), this);
    farbe->setGeometry(4, 4, 48, 18);
    auto* beschreibung = new QLabel(Q(ft::Beschreibung), this);
    beschreibung->setGeometry(56, 4, 200, 18);
    for (int z = 1; z <= AnzahlFarben; ++z) {
        const int y = 24 + 24 * (z - 1);
        auto* q = new QLabel(this);
        q->setObjectName(QStringLiteral("Farbe%1").arg(z));
        q->setGeometry(8, y, 19, 19);
        q->setFrameStyle(QFrame::Box | QFrame::Plain);
        q->setAutoFillBackground(true);
        q->setCursor(Qt::PointingHandCursor);
        q->installEventFilter(this);
        quadrate_[Index(z)] = q;
        auto* n = new QLineEdit(this);
        n->setObjectName(QStringLiteral("Name%1").arg(z));
        n->setGeometry(32, y - 1, 300, 21);
        n->setValidator(validator);
        n->setMaxLength(static_cast<int>(MaxFarbnamenLaenge));
        n->installEventFilter(this);
        namen_[Index(z)] = n;
        connect(n, &QLineEdit::textEdited, this, [this, z](const QString& text) {
            modell_.NameAendern(z, Bereinigt(text).toStdString());
            KnoepfeZeigen();
        });
        ZeileZeigen(z);
    }
    ok_ = Knopf(this, ft::Ok, "OK", 24);
    ok_->setDefault(true);
    abbruch_ = Knopf(this, ft::Abbruch, "Abbruch", 56);
    uebernehmen_ = Knopf(this, ft::Uebernehmen, "Uebernehmen", 88);
    hilfeKnopf_ = Knopf(this, ft::Hilfe, "Hilfe", 120);
    for (QPushButton* k : {ok_, abbruch_, uebernehmen_, hilfeKnopf_}) k->installEventFilter(this);
    hoch_ = new QToolButton(this);
    hoch_->setObjectName("Hoch");
    hoch_->setArrowType(Qt::UpArrow);
    hoch_->setGeometry(368, 248, 28, 28);
    runter_ = new QToolButton(this);
    runter_->setObjectName("Runter");
    runter_->setArrowType(Qt::DownArrow);
    runter_->setGeometry(368, 280, 28, 28);
    // The arrows leave the focus in the name field they act on.
    for (QToolButton* k : {hoch_, runter_}) k->setFocusPolicy(Qt::NoFocus);

    connect(hoch_, &QToolButton::clicked, this, [this] { Verschieben(true); });
    connect(runter_, &QToolButton::clicked, this, [this] { Verschieben(false); });
    connect(ok_, &QPushButton::clicked, this, [this] {
        UebernehmenKlick();
        accept();
    });
    connect(abbruch_, &QPushButton::clicked, this, &QDialog::reject);
    connect(uebernehmen_, &QPushButton::clicked, this, &TFarbenDefinieren::UebernehmenKlick);
    connect(hilfeKnopf_, &QPushButton::clicked, this, [this] {
        if (hilfe) hilfe(ft::Hilfethema);
    });
    KnoepfeZeigen();
}

void TFarbenDefinieren::ZeileZeigen(int zeile) {
    const Farbzeile& z = modell_.Zeile(zeile);
    QLabel* q = quadrate_[Index(zeile)];
    QPalette p = q->palette();
    p.setColor(QPalette::Window, QtFarbe(z.farbe));
    q->setPalette(p);
    zeigend_ = true;
    const QString name = QString::fromStdString(z.name);
    if (namen_[Index(zeile)]->text() != name) namen_[Index(zeile)]->setText(name);
    zeigend_ = false;
}

void TFarbenDefinieren::KnoepfeZeigen() {
    uebernehmen_->setEnabled(modell_.UebernehmenAktiv());
    hoch_->setEnabled(modell_.HochAktiv());
    runter_->setEnabled(modell_.RunterAktiv());
}

void TFarbenDefinieren::Verschieben(bool hoch) {
    const int vorher = modell_.Fokuszeile();
    const int jetzt = hoch ? modell_.Hoch() : modell_.Runter();
    ZeileZeigen(vorher);
    ZeileZeigen(jetzt);
    namen_[Index(jetzt)]->setFocus();
    KnoepfeZeigen();
}

void TFarbenDefinieren::FarbquadratKlick(int zeile) {
    Dialoge& d = kern_.Dialogdienst();
    const auto farbe = d.Farbe(modell_.Zeile(zeile).farbe, {});
    if (!farbe) return;
    if (const auto fehler = modell_.FarbeWaehlen(zeile, *farbe)) {
        d.Meldung(*fehler);
        return;
    }
    ZeileZeigen(zeile);
    // The year view and the legend follow the new value at once.
    kern_.FarbtabelleGeaendertMelden();
}

void TFarbenDefinieren::UebernehmenKlick() {
    if (!modell_.UebernehmenAktiv()) return;
    modell_.Uebernehmen();
    for (int z = 1; z <= AnzahlFarben; ++z) ZeileZeigen(z);
    namen_[0]->setFocus();
    KnoepfeZeigen();
    kern_.FarbtabelleGeaendertMelden();
}

bool TFarbenDefinieren::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress) {
        for (int z = 1; z <= AnzahlFarben; ++z)
            if (o == quadrate_[Index(z)]) {
                FarbquadratKlick(z);
                return true;
            }
    }
    if (e->type() == QEvent::FocusIn) {
        for (int z = 1; z <= AnzahlFarben; ++z)
            if (o == namen_[Index(z)]) {
                modell_.ZeileBetreten(z);
                KnoepfeZeigen();
            }
        for (QObject* k : {ok_, abbruch_, uebernehmen_, hilfeKnopf_})
            if (o == k) {
                modell_.KnopfBetreten();
                KnoepfeZeigen();
            }
    }
    return QDialog::eventFilter(o, e);
}

void TFarbenDefinieren::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    QRect r = frameGeometry();
    r.moveCenter(s->geometry().center());
    move(r.topLeft());
}

}  // namespace kalvora
