#include "main/fenster/Unterpanel.h"

#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>

#include "methoden/Methoden.h"
#include "main/fenster/Farblegende.h"
#include "main/fenster/Jahresfeld.h"
#include "main/fenster/Kurztext.h"
#include "main/fenster/Programmschrift.h"

namespace kalvora {

TUnterpanel::TUnterpanel(int jahr, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFixedHeight(kHoehe);
    setMouseTracking(true);  // the pointer on the background empties the status bar

    farbenKnopf_ = new QPushButton(QStringLiteral("Farben"), this);
    farbenKnopf_->setObjectName(QStringLiteral("Farben"));
    farbenKnopf_->setGeometry(8, 8, 89, 25);
    termineKnopf_ = new QPushButton(QStringLiteral("Termine"), this);
    termineKnopf_->setObjectName(QStringLiteral("Termine"));
    termineKnopf_->setGeometry(104, 8, 89, 25);
    connect(farbenKnopf_, &QPushButton::clicked, this, &TUnterpanel::FarbenGewaehlt);
    connect(termineKnopf_, &QPushButton::clicked, this, &TUnterpanel::TermineGewaehlt);

    auto* jahrText = new QLabel(QStringLiteral("Aktuelles Jahr :"), this);
    jahrText->setObjectName(QStringLiteral("Label1"));
    jahrText->move(16, 58);
    jahresfeld_ = new TJahresfeld(this);
    jahresfeld_->setObjectName(QStringLiteral("SpinEdit1"));
    jahresfeld_->setRange(ErstesJahr, LetztesJahr);
    jahresfeld_->setGroupSeparatorShown(false);
    jahresfeld_->setGeometry(128, 56, 73, 22);
    jahresfeld_->setValue(jahr);
    // Typing goes through the year view's rule, the arrows set the year directly.
    connect(jahresfeld_, &QSpinBox::valueChanged, this, [this](int j) {
        if (!jahrWirdGesetzt_) emit JahrGewaehlt(j);
    });
    connect(jahresfeld_->findChild<QLineEdit*>(), &QLineEdit::textEdited, this,
            [this](const QString& text) {
                if (!jahrWirdGesetzt_) emit JahrEingetippt(text);
            });

    aktuelleFarbeBox_ = new QCheckBox(QStringLiteral("Aktuelle Farbe:"), this);
    aktuelleFarbeBox_->setObjectName(QStringLiteral("CheckBox1"));
    aktuelleFarbeBox_->setToolTip(
        QStringLiteral("Anklicken, um direkte Farbänderungen zu ermöglichen"));
    aktuelleFarbeBox_->move(16, 96);
    connect(aktuelleFarbeBox_, &QCheckBox::clicked, this, &TUnterpanel::AktuelleFarbeAngehakt);
    aktuelleFarbe_ = new TKurztext(this);
    aktuelleFarbe_->setObjectName(QStringLiteral("Label33"));
    aktuelleFarbe_->setGeometry(128, 92, 65, 25);
    aktuelleFarbe_->setAlignment(Qt::AlignCenter);
    aktuelleFarbe_->setCursor(Qt::PointingHandCursor);
    aktuelleFarbe_->ImmerHinweis(true);
    aktuelleFarbe_->installEventFilter(this);

    legende_ = new TFarblegende(this);
    connect(legende_, &TFarblegende::HintergrundBeruehrt, this,
            &TUnterpanel::HintergrundBeruehrt);

    terminfeld_ = new QTextEdit(this);
    terminfeld_->setObjectName(QStringLiteral("Memo1"));
    terminfeld_->setReadOnly(true);
    terminfeld_->setContextMenuPolicy(Qt::CustomContextMenu);
    terminfeld_->hide();
    connect(terminfeld_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { emit LinksGewuenscht(terminfeld_->mapToGlobal(p)); });
}

void TUnterpanel::JahrZeigen(int jahr) {
    if (jahresfeld_->value() == jahr) return;
    jahrWirdGesetzt_ = true;
    jahresfeld_->setValue(jahr);
    jahrWirdGesetzt_ = false;
}

void TUnterpanel::TerminfeldZeigen(bool zeigen, int farbslots) {
    legende_->SlotsZeigen(farbslots);
    legende_->setVisible(!zeigen);
    terminfeld_->setVisible(zeigen);
}

bool TUnterpanel::TerminfeldSichtbar() const { return terminfeld_->isVisibleTo(this); }

void TUnterpanel::TerminfeldText(const QString& text) {
    if (TerminfeldSichtbar() && terminfeld_->toPlainText() != text)
        terminfeld_->setPlainText(text);
}

void TUnterpanel::TerminfeldBreite(int breite) {
    terminfeld_->setGeometry(TFarblegende::kLinks, 4, std::max(0, breite), height() - 8);
}

void TUnterpanel::AktuelleFarbeZeigen(uint32_t farbe, const std::string& name, bool direkt,
                                      bool bearbeitbar) {
    aktuelleFarbeBox_->setChecked(direkt);
    aktuelleFarbeBox_->setEnabled(bearbeitbar);
    Einfaerben(aktuelleFarbe_, farbe);
    // A long name is cut at the end instead of on both sides of the centred text.
    aktuelleFarbe_->TextSetzen(QString::fromStdString(name));
    aktuelleFarbe_->setEnabled(bearbeitbar);
    legende_->Bearbeitbar(bearbeitbar);
}

bool TUnterpanel::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == aktuelleFarbe_ && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        emit AktuelleFarbeGeklickt();
        return true;
    }
    return QWidget::eventFilter(objekt, e);
}

void TUnterpanel::mouseMoveEvent(QMouseEvent* e) {
    // The background only: the legend swatches have their own highlight.
    if (!childAt(e->position().toPoint())) emit HintergrundBeruehrt();
    QWidget::mouseMoveEvent(e);
}

void TUnterpanel::enterEvent(QEnterEvent* e) {
    if (!childAt(e->position().toPoint())) emit HintergrundBeruehrt();
    QWidget::enterEvent(e);
}

}  // namespace kalvora
