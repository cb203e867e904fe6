#include "termine/fenster/Druckerstatus.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

namespace kalvora {

TDruckerstatus::TDruckerstatus(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("Druckerstatus"));
    setWindowTitle(QStringLiteral("Druckerstatus"));
    setModal(true);
    auto* spalte = new QVBoxLayout(this);
    beschriftung_ = new QLabel(QStringLiteral("Seite .. von .."), this);
    beschriftung_->setObjectName(QStringLiteral("Label1"));
    beschriftung_->setAlignment(Qt::AlignCenter);
    balken_ = new QProgressBar(this);
    balken_->setObjectName(QStringLiteral("ProgressBar1"));
    balken_->setRange(0, 100);
    balken_->setCursor(Qt::WaitCursor);
    spalte->addWidget(beschriftung_);
    spalte->addWidget(balken_);
    setFixedSize(260, 90);
}

void TDruckerstatus::Ausfuehren(const Auftrag& auftrag) {
    auftrag_ = auftrag;
    gestartet_ = false;
    fehler_ = nullptr;
    beschriftung_->setText(QStringLiteral("Seite .. von .."));
    exec();
    auftrag_ = nullptr;
    if (fehler_) std::rethrow_exception(std::exchange(fehler_, nullptr));
}

void TDruckerstatus::showEvent(QShowEvent* e) {
    balken_->setValue(0);
    QDialog::showEvent(e);
    // Offscreen and on some desktops a hidden-behind window is never painted: the job then
    // starts from the event loop all the same.
    QTimer::singleShot(50, this, [this] { Starten(); });
}

void TDruckerstatus::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    if (!gestartet_) QTimer::singleShot(0, this, [this] { Starten(); });
}

void TDruckerstatus::Starten() {
    if (laeuft_ || gestartet_ || !auftrag_) return;
    gestartet_ = true;
    laeuft_ = true;
    QCoreApplication::processEvents();  // the window shows before the work starts
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        auftrag_(*this);
    } catch (...) {
        fehler_ = std::current_exception();
    }
    QApplication::restoreOverrideCursor();
    laeuft_ = false;
    accept();
}

void TDruckerstatus::SeiteZeigen(const std::string& text) {
    beschriftung_->setText(QString::fromStdString(text));
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TDruckerstatus::Fortschritt(int prozent) {
    if (balken_->value() == prozent) return;
    balken_->setValue(prozent);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace kalvora
