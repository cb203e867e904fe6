#include "adressbuch/fenster/Serienmail.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "adressbuch/Adressmail.h"
#include "platform/Dialoge.h"

namespace kalvora {

TForm26::TForm26(Dialoge& dialoge, QWidget* parent) : QDialog(parent), dialoge_(dialoge) {
    setObjectName(QStringLiteral("Form26"));
    setWindowTitle(QString::fromUtf8(mailtexte::Serientitel));
    betreff_ = new QLineEdit(this);
    betreff_->setObjectName(QStringLiteral("Edit1"));
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setToolTip(QStringLiteral(
        "Platzhalter: <sg> Sehr geehrte(r), <mfg> Mit freundlichen Grüßen, <vg> Viele Grüße, "
        "<anrede>, <name>, <vorname>"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Betreff:"), betreff_);
    form->addRow(QStringLiteral("&Text:"), text_);
    erstellen_ = new QPushButton(QStringLiteral("Erstellen"), this);
    erstellen_->setDefault(true);
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    hilfeKnopf_ = new QPushButton(QStringLiteral("Hilfe"), this);
    connect(erstellen_, &QPushButton::clicked, this, &TForm26::accept);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(hilfeKnopf_, &QPushButton::clicked, this, [this] {
        if (hilfe) hilfe(105);
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(erstellen_);
    knoepfe->addWidget(abbruch);
    knoepfe->addWidget(hilfeKnopf_);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(form);
    aussen->addLayout(knoepfe);
    resize(460, 320);
}

void TForm26::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    hilfeKnopf_->setEnabled(static_cast<bool>(hilfe));
    betreff_->clear();
    text_->clear();
    betreff_->setFocus();
}

void TForm26::accept() {
    if (betreff_->text().isEmpty() || text_->toPlainText().isEmpty()) {
        dialoge_.Meldung(mailtexte::BetreffUndText, Meldungsart::Bestaetigung);
        return;
    }
    const std::string zuLang =
        SerienmailZuLang(betreff_->text().toStdString(), text_->toPlainText().toStdString());
    if (!zuLang.empty()) {
        dialoge_.Meldung(zuLang, Meldungsart::Fehler);
        return;
    }
    QDialog::accept();
}

}  // namespace kalvora
