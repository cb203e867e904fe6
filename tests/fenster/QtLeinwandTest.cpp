// The Qt canvas keeps texts, shapes and figures as images on a raster device. What it copies
// must look exactly like what Qt draws directly, which it does on a recorded picture (no
// raster engine there): both are compared pixel by pixel.
#include <QGuiApplication>
#include <QPicture>
#include <QtTest>

#include <functional>

#include "doubles/StehendeUhr.h"
#include "kalender/TKalender.h"
#include "main/Jahresansicht.h"
#include "main/Symbole.h"
#include "platform/qt/QtLeinwand.h"

using namespace kalvora;

namespace {

using FesteUhr = test::StehendeUhr;

using Malen = std::function<void(Leinwand&)>;

QImage Leer(QSize groesse) {
    QImage b(groesse, QImage::Format_RGB32);
    b.fill(Qt::white);
    return b;
}

// Straight onto the image: the canvas may copy cached images.
QImage AufBild(QSize groesse, const Malen& malen) {
    QImage b = Leer(groesse);
    QPainter p(&b);
    QtLeinwand l(p);
    malen(l);
    return b;
}

// Through a recorded picture: every call goes to Qt as it is.
QImage UeberBild(QSize groesse, const Malen& malen) {
    QPicture bildfolge;
    {
        QPainter p(&bildfolge);
        QtLeinwand l(p);
        malen(l);
    }
    QImage b = Leer(groesse);
    QPainter p(&b);
    p.drawPicture(0, 0, bildfolge);
    return b;
}

int Abweichungen(const QImage& a, const QImage& b, QRect bereich = {}) {
    if (bereich.isNull()) bereich = a.rect();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

struct Jahr {
    TKalender kal;
    FesteUhr uhr;
    AusgewaehlterTag auswahl;
    TJahresansicht ansicht{kal, uhr, auswahl};

    explicit Jahr(Terminmarke marke) {
        for (int m = 1; m <= 12; ++m)
            for (int t = 1; t <= TageImMonat(m, 2009); t += 2) {
                kal.Tagesfarben(2009, m, t) = {kal.Farbwerte[t % 20 + 1], kal.Farbwerte[m]};
                kal.Terminliste(2009, m, t).resize(t % 3 == 0 ? 1 : 2);
                kal.Terminliste(2009, m, t).back().Uhrzeit = "09:00";
            }
        TGeburtstag g;
        g.Name = "Muster";
        g.Geburtsdatum = DatumWert(3, 6, 1970);
        g.Namenstag = DatumWert(5, 6, 2000);
        kal.Geburtstagsliste.push_back(g);
        ansicht.optionen.darstellung = marke;
        ansicht.optionen.geburtstageAnzeigen = true;
        ansicht.optionen.namenstageAnzeigen = true;
        // Texts are compared on their own: a picture lays them out by itself.
        ansicht.optionen.monatstageAnzeigen = false;
        ansicht.optionen.kalenderwoche = false;
        ansicht.JahrSetzen(2009);
        Fenstermasse f;
        f.aussenBreite = 1024;
        f.clientHoehe = 700;
        f.unteresPanelBreite = 1024;
        f.statusleisteOben = 680;
        f.statusleisteHoehe = 20;
        QImage b(8, 8, QImage::Format_RGB32);
        QPainter p(&b);
        QtLeinwand l(p);
        ansicht.JahresansichtAnordnen(f, l);
    }
};

}  // namespace

class QtLeinwandTest : public QObject {
    Q_OBJECT
private slots:
    void JahrWieDirektGezeichnet_data() {
        QTest::addColumn<int>("marke");
        QTest::newRow("Kreis") << static_cast<int>(Terminmarke::Kreis);
        QTest::newRow("Dreieck") << static_cast<int>(Terminmarke::Dreieck);
        QTest::newRow("Kreuz") << static_cast<int>(Terminmarke::Kreuz);
        QTest::newRow("Eselsohr") << static_cast<int>(Terminmarke::Eselsohr);
        QTest::newRow("Ecke") << static_cast<int>(Terminmarke::Ecke);
    }
    // Marks, glyphs, stripes, frames and grid: the first paint fills the caches, the second
    // copies from them, and both equal the direct drawing.
    void JahrWieDirektGezeichnet() {
        QFETCH(int, marke);
        Jahr j(static_cast<Terminmarke>(marke));
        const QSize g(1024, 700);
        const Malen malen = [&](Leinwand& l) { j.ansicht.JahresansichtMalen(l); };
        const QImage direkt = UeberBild(g, malen);
        // The days only: captions and headers are texts.
        const JahresMetrik& m = j.ansicht.Metrik();
        const QRect tage(QPoint(m.X0, m.Y0 + m.RH), QPoint(g.width() - 1, g.height() - 1));
        QCOMPARE(Abweichungen(AufBild(g, malen), direkt, tage), 0);
        QCOMPARE(Abweichungen(AufBild(g, malen), direkt, tage), 0);
    }

    void FigurFolgtDerVerschiebungDesMalers() {
        const QSize g(60, 40);
        const auto glyphen = [](Leinwand& l) {
            GeburtstagsSymbol(l, 5, 5);
            NamenstagsSymbol(l, 30, 20);
        };
        const QImage direkt = UeberBild(g, glyphen);
        QImage b = Leer(g);
        {
            QPainter p(&b);
            p.translate(-7, 3);
            QtLeinwand l(p);
            GeburtstagsSymbol(l, 12, 2);
            NamenstagsSymbol(l, 37, 17);
        }
        QCOMPARE(Abweichungen(b, direkt), 0);
    }

    void FigurStelltStiftUndPinselWiederHer() {
        QImage b = Leer({20, 20});
        QPainter p(&b);
        QtLeinwand l(p);
        const Stift stift{0x123456, 3, Stiftstil::Gestrichelt};
        const Pinsel pinsel{0x00FF00, Pinselstil::Kreuz};
        l.StiftSetzen(stift);
        l.PinselSetzen(pinsel);
        GeburtstagsSymbol(l, 2, 2);
        Leinwand& basis = l;
        basis.Leinwand::Figur("x", {0, 0, 4, 4}, [](Leinwand& f) {
            f.StiftSetzen({});
            f.PinselSetzen({});
        });
        QVERIFY(l.AktuellerStift() == stift);
        QVERIFY(l.AktuellerPinsel() == pinsel);
    }

    // Opaque text (day numbers) and transparent text on colours (week numbers), drawn twice so
    // that the second comes from the cache, against Qt's own text drawing.
    void TextWieDirektGezeichnet_data() {
        QTest::addColumn<bool>("deckend");
        QTest::addColumn<uint32_t>("untergrund");
        QTest::newRow("deckend auf Weiß") << true << 0xFFFFFFu;
        QTest::newRow("durchsichtig auf Gelb") << false << 0x00FFFFu;
        QTest::newRow("durchsichtig auf Blau") << false << 0xFF0000u;
    }
    void TextWieDirektGezeichnet() {
        QFETCH(bool, deckend);
        QFETCH(uint32_t, untergrund);
        const QSize g(200, 40);
        Schrift s;
        s.name = "Times New Roman";
        s.groesse = 8;
        s.farbe = 0x000080;
        const auto schreiben = [&](Leinwand& l) {
            l.PinselSetzen({untergrund, Pinselstil::Voll});
            l.RechteckFuellen({0, 0, 200, 40});
            l.PinselSetzen({0xFFFFFF, Pinselstil::Voll});
            l.SchriftSetzen(s);
            l.HintergrundSetzen(deckend ? Hintergrundmodus::Deckend
                                        : Hintergrundmodus::Transparent);
            l.Text(3, 4, "17");
            l.Text(40, 4, "Äpfel 53");
            l.Text(120, 20, "17");
        };
        // The reference: the same calls with Qt drawing the text itself.
        QImage direkt = Leer(g);
        {
            QPainter p(&direkt);
            p.fillRect(QRect(0, 0, 200, 40), AlsQColor(untergrund));
            QFont f(QString::fromStdString(s.name));
            f.setPointSize(s.groesse);
            p.setFont(f);
            const QFontMetrics m(f, &direkt);
            p.setPen(AlsQColor(s.farbe));
            const std::tuple<int, int, const char*> texte[] = {
                {3, 4, "17"}, {40, 4, "Äpfel 53"}, {120, 20, "17"}};
            for (auto [x, y, t] : texte) {
                QStaticText st(QString::fromUtf8(t));
                st.setTextFormat(Qt::PlainText);
                st.prepare(QTransform(), f);
                if (deckend)
                    p.fillRect(QRect(x, y, static_cast<int>(st.size().width() + 0.5), m.height()),
                               Qt::white);
                p.drawStaticText(x, y, st);
            }
        }
        const QImage erstes = AufBild(g, schreiben);
        const QImage zweites = AufBild(g, schreiben);
        QCOMPARE(Abweichungen(zweites, erstes), 0);
        // Blending a coverage image may round a channel differently from drawing the glyph
        // onto the colour; an opaque background gives the very same pixels.
        int n = 0;
        for (int y = 0; y < g.height(); ++y)
            for (int x = 0; x < g.width(); ++x) {
                const QColor a = erstes.pixelColor(x, y), b = direkt.pixelColor(x, y);
                const int d = std::max({std::abs(a.red() - b.red()),
                                        std::abs(a.green() - b.green()),
                                        std::abs(a.blue() - b.blue())});
                QVERIFY2(d <= 1, qPrintable(QString("Pixel %1,%2").arg(x).arg(y)));
                n += d != 0;
            }
        if (deckend) QCOMPARE(n, 0);
    }

    void XorZweimalStelltHer() {
        const QSize g(40, 40);
        QImage b = Leer(g);
        b.setPixel(10, 10, qRgb(10, 200, 30));
        const QImage vorher = b;
        QPainter p(&b);
        QtLeinwand l(p);
        l.ModusSetzen(Zeichenmodus::Xor);
        for (int i = 0; i < 2; ++i) {
            l.StiftSetzen({0x0000FF, 1, Stiftstil::Durchgezogen});
            l.PinselSetzen({0x00FF00, Pinselstil::Voll});
            l.Polygon({{2, 2}, {30, 4}, {12, 25}});
            GeburtstagsSymbol(l, 20, 20);
        }
        p.end();
        QCOMPARE(Abweichungen(b, vorher), 0);
    }
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QtLeinwandTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "QtLeinwandTest.moc"
