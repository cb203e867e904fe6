#include "app/fenster/Splash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "methoden/Methoden.h"

namespace kalvora {

std::string KurzeVersion(const std::string& version) {
    const auto erster = version.find('.');
    if (erster == std::string::npos) return version;
    return version.substr(0, version.find('.', erster + 1));
}

TSplash::TSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("Splash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(400, 247);
    setCursor(Qt::WaitCursor);
    if (QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().center() - rect().center());
}

void TSplash::Starten(int millisekunden) {
    QTimer::singleShot(millisekunden, this, [this] {
        // Gone before the start goes on: a question of the start (a file that another copy
        // holds) must not sit under a window that stays on top.
        close();
        emit Fertig();
    });
}

void TSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 0, height());
    verlauf.setColorAt(0, QColor(0x2c, 0x5f, 0xa8));
    verlauf.setColorAt(1, QColor(0x12, 0x2a, 0x52));
    p.fillRect(rect(), verlauf);

    // A small year grid: twelve month rows of coloured days.
    const QColor farben[] = {QColor(0xe8, 0x4a, 0x3c), QColor(0x3c, 0xb4, 0x4a),
                             QColor(0xf2, 0xc0, 0x3a), QColor(0x7a, 0xb8, 0xf0)};
    const int x0 = 24, y0 = 96, breite = 9, hoehe = 8;
    for (int m = 0; m < 12; ++m)
        for (int d = 0; d < 31; ++d) {
            const int spalte = (m * 3 + d) % 37;
            QRect zelle(x0 + spalte * breite, y0 + m * hoehe, breite - 1, hoehe - 1);
            const unsigned muster = unsigned(m * 31 + d) * 2654435761u;
            p.fillRect(zelle, (muster >> 27) < 6 ? farben[(muster >> 24) & 3]
                                                 : QColor(255, 255, 255, 40));
        }

    p.setPen(Qt::white);
    QFont f(QStringLiteral("Serif"));
    f.setBold(true);
    f.setPixelSize(40);
    p.setFont(f);
    p.drawText(QRect(24, 20, 352, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Kalvora"));
    f.setPixelSize(16);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(24, 20, 352, 56), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Version ") + QString::fromStdString(KurzeVersion(Dateiversion())));
    f.setPixelSize(12);
    p.setFont(f);
    p.drawText(QRect(24, 208, 352, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Jahreskalender und Terminplaner"));
    p.setPen(QColor(255, 255, 255, 120));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace kalvora
