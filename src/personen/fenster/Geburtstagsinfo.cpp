#include "personen/fenster/Geburtstagsinfo.h"

#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

namespace kalvora {
namespace {

constexpr int kBreite = 260, kZeilenhoehe = 22, kOben = 12;

}  // namespace

TForm17::TForm17(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form17"));
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint);
    setModal(true);
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        l->setTextFormat(Qt::PlainText);
        l->setAlignment(Qt::AlignCenter);
        zeilen_[i] = l;
    }
    QFont fett = zeilen_[0]->font();
    fett.setBold(true);
    QFont unterstrichen = fett;
    unterstrichen.setUnderline(true);
    zeilen_[0]->setFont(unterstrichen);
    zeilen_[2]->setFont(fett);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Button1"));
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    Anordnen();
}

QLabel* TForm17::Zeile(int nummer) const {
    return nummer >= 1 && nummer <= 4 ? zeilen_[nummer - 1] : nullptr;
}

void TForm17::TexteSetzen(const Erinnerungstexte& t) {
    setWindowTitle(QString::fromStdString(t.titel));
    const std::string* texte[4] = {&t.zeile1, &t.zeile2, &t.zeile3, &t.zeile4};
    for (int i = 0; i < 4; ++i) zeilen_[i]->setText(QString::fromStdString(*texte[i]));
    // A round birthday: the last line red and four points larger.
    QFont f = font();
    if (t.hervorgehoben) {
        if (f.pointSizeF() > 0)
            f.setPointSizeF(f.pointSizeF() + 4);
        else
            f.setPixelSize(f.pixelSize() + 4 * 96 / 72);  // the program's font is in pixels
    }
    zeilen_[3]->setFont(f);
    zeilen_[3]->setStyleSheet(t.hervorgehoben ? QStringLiteral("QLabel { color: red; }")
                                              : QString());
    Anordnen();
}

void TForm17::Anordnen() {
    int breite = kBreite;
    for (QLabel* l : zeilen_) breite = std::max(breite, l->sizeHint().width() + 24);
    int y = kOben;
    for (QLabel* l : zeilen_) {
        const int h = std::max(kZeilenhoehe, l->sizeHint().height() + 4);
        // Centred over the whole width of the window.
        l->setGeometry(0, y, breite, h);
        y += h;
    }
    ok_->setGeometry((breite - 75) / 2, y + 10, 75, 25);
    setFixedSize(breite, y + 10 + 25 + 12);
}

void TForm17::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
}

void TForm17::Zeigen(const Erinnerungstexte& texte) {
    TexteSetzen(texte);
    exec();
}

}  // namespace kalvora
