#include "main/fenster/Termininformation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWindow>

#include "platform/qt/QtDaten.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {
namespace {

QLabel* Beschriftung(const QString& text, QWidget* eltern, int x, int y, int b, int h) {
    auto* l = new QLabel(text, eltern);
    l->setGeometry(x, y, b, h);
    return l;
}

// Black or white, whichever reads better on the colour.
QColor Schrift(const QColor& grund) {
    return grund.lightness() < 110 ? QColor(Qt::white) : QColor(Qt::black);
}

void Einfaerben(QWidget* w, uint32_t farbe) {
    QPalette p = w->palette();
    const QColor grund = AlsQColor(farbe);
    p.setColor(QPalette::Base, grund);
    p.setColor(QPalette::Text, Schrift(grund));
    w->setPalette(p);
}

// The window's own caption: a tool window's title without any buttons. Window managers
// draw their buttons on every title bar they make (openbox ignores the hints that ask for
// fewer), so the window has none from them and moves by this strip instead.
class TTitelleiste : public QLabel {
public:
    TTitelleiste(const QString& text, QWidget* eltern) : QLabel(text, eltern) {
        setObjectName(QStringLiteral("Titelleiste"));
        setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
        setIndent(6);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
        p.setColor(QPalette::WindowText, Qt::white);
        setPalette(p);
        QFont f = font();
        f.setBold(true);
        setFont(f);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return QLabel::mousePressEvent(e);
        QWindow* fenster = window()->windowHandle();
        ziehen_ = !(fenster && fenster->startSystemMove());
        abstand_ = e->globalPosition().toPoint() - window()->pos();
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        // Where the window system cannot move the window itself.
        if (ziehen_ && (e->buttons() & Qt::LeftButton))
            window()->move(e->globalPosition().toPoint() - abstand_);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        ziehen_ = false;
        QLabel::mouseReleaseEvent(e);
    }

private:
    bool ziehen_ = false;
    QPoint abstand_;
};

}  // namespace

TTermininformation::TTermininformation(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("Termininformation"));
    setWindowTitle(QStringLiteral("Termininformation"));
    setFixedSize(Alarmfensterbreite, Titelleistenhoehe + Alarmfensterhoehe);
    setModal(true);
    auto* titel = new TTitelleiste(windowTitle(), this);
    titel->setGeometry(0, 0, Alarmfensterbreite, Titelleistenhoehe);
    // The client area below the caption.
    auto* inhalt = new QWidget(this);
    inhalt->setObjectName(QStringLiteral("Inhalt"));
    inhalt->setGeometry(0, Titelleistenhoehe, Alarmfensterbreite, Alarmfensterhoehe);
    QWidget* const eltern = inhalt;

    auto* bild = new QLabel(eltern);
    bild->setObjectName(QStringLiteral("Alarmbild"));
    bild->setGeometry(16, 14, 33, 33);
    QPixmap pixmap(33, 33);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(Datenpfad(QStringLiteral("icons/alarm.svg")));
    if (svg.isValid()) {
        QPainter p(&pixmap);
        svg.render(&p);
    }
    bild->setPixmap(pixmap);

    auto* kopf = Beschriftung(QStringLiteral("Bitte beachten Sie folgenden Termin!"), eltern, 64,
                              20, 353, 22);
    kopf->setObjectName(QStringLiteral("Ueberschrift"));
    QFont fett = kopf->font();
    fett.setBold(true);
    if (fett.pixelSize() > 0)
        fett.setPixelSize(fett.pixelSize() * 115 / 100);
    else if (fett.pointSizeF() > 0)
        fett.setPointSizeF(fett.pointSizeF() * 1.15);
    kopf->setFont(fett);
    kopf->setStyleSheet(QStringLiteral("color: #0000ff;"));

    Beschriftung(QStringLiteral("Uhrzeit:"), eltern, 16, 60, 60, 20);
    uhrzeit_ = Beschriftung({}, eltern, 80, 60, 60, 20);
    uhrzeit_->setObjectName(QStringLiteral("Uhrzeit"));
    QFont zeit = uhrzeit_->font();
    zeit.setBold(true);
    uhrzeit_->setFont(zeit);
    bisText_ = Beschriftung(QStringLiteral("bis:"), eltern, 150, 60, 30, 20);
    bis_ = Beschriftung({}, eltern, 184, 60, 60, 20);
    bis_->setObjectName(QStringLiteral("Bis"));

    Beschriftung(QStringLiteral("Terminbeschreibung:"), eltern, 16, 88, 300, 18);
    beschreibung_ = new QPlainTextEdit(eltern);
    beschreibung_->setObjectName(QStringLiteral("Beschreibung"));
    beschreibung_->setGeometry(16, 106, 401, 64);
    beschreibung_->setReadOnly(true);
    Beschriftung(QStringLiteral("Ort:"), eltern, 16, 176, 300, 18);
    ort_ = new QLineEdit(eltern);
    ort_->setObjectName(QStringLiteral("Ort"));
    ort_->setGeometry(16, 194, 401, 24);
    ort_->setReadOnly(true);

    auto* frage = Beschriftung(
        QStringLiteral("Möchten Sie weiterhin an diesen Termin erinnert werden?"), eltern, 16,
        230, 401, 20);
    frage->setAlignment(Qt::AlignCenter);
    ja_ = new QPushButton(QStringLiteral("Ja"), eltern);
    ja_->setObjectName(QStringLiteral("Ja"));
    ja_->setGeometry(126, 266, 85, 28);
    ja_->setDefault(true);
    nein_ = new QPushButton(QStringLiteral("Nein"), eltern);
    nein_->setObjectName(QStringLiteral("Nein"));
    nein_->setGeometry(222, 266, 85, 28);
    connect(ja_, &QPushButton::clicked, this, [this] {
        nein_gewaehlt_ = false;
        accept();
    });
    connect(nein_, &QPushButton::clicked, this, [this] {
        nein_gewaehlt_ = true;
        accept();
    });
}

void TTermininformation::Fuellen() {
    uhrzeit_->setText(QString::fromStdString(inhalt_.uhrzeit));
    bis_->setText(QString::fromStdString(inhalt_.bis));
    bisText_->setVisible(inhalt_.bisSichtbar);
    bis_->setVisible(inhalt_.bisSichtbar);
    beschreibung_->setPlainText(QString::fromStdString(inhalt_.beschreibung));
    ort_->setText(QString::fromStdString(inhalt_.ort));
    ort_->setCursorPosition(0);
    Einfaerben(beschreibung_, inhalt_.farbe);
    Einfaerben(ort_, inhalt_.farbe);
}

Alarmantwort TTermininformation::Zeigen(const Alarminhalt& inhalt) {
    inhalt_ = inhalt;
    nein_gewaehlt_ = false;
    Fuellen();
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->availableGeometry();
        move(r.center() - QPoint(width() / 2, height() / 2));
    }
    ja_->setFocus();
    exec();
    return nein_gewaehlt_ ? Alarmantwort::Nein : Alarmantwort::Ja;
}

void TTermininformation::NachVorne() {
    if (!isVisible()) return;
    raise();
    activateWindow();
}

void TTermininformation::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    raise();
    activateWindow();
}

void TTermininformation::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    // Without a frame of the window manager the window draws its own edge.
    QPainter p(this);
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TTermininformation::reject() {
    // Esc keeps the reminder, like "Ja".
    nein_gewaehlt_ = false;
    QDialog::accept();
}

}  // namespace kalvora
