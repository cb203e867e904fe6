#include "statistik/fenster/Statistikdiagramm.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

#include "platform/qt/QtLeinwand.h"

namespace kalvora {

namespace {

constexpr qreal Balkenbreite = 0.6;

QString Q(const std::string& s) { return QString::fromStdString(s); }

QFont Arial(int punkte, bool fett = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPointSize(punkte);
    f.setBold(fett);
    return f;
}

QFont Pixelschrift(int pixel) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixel);
    return f;
}

// The outline of a bar: a darker shade of its colour; white (the extra bar) gets grey.
QColor Randfarbe(const QColor& c) {
    return c.lightness() > 230 ? QColor(Qt::darkGray) : c.darker(170);
}

// A step of 1, 2 or 5 times a power of ten that divides the axis into about six parts;
// counts step by whole numbers.
double Schrittweite(double oben, bool ganzzahlig) {
    const double roh = oben / 6;
    const double potenz = std::pow(10.0, std::floor(std::log10(roh)));
    const double n = roh / potenz;
    double schritt = (n <= 1 ? 1 : n <= 2 ? 2 : n <= 5 ? 5 : 10) * potenz;
    if (ganzzahlig) schritt = std::max(1.0, std::round(schritt));
    return schritt;
}

}  // namespace

// Draws what Qt Charts cannot: pyramids, cylinders, ellipses and arrows over the bars'
// geometry, and every bar's value above it.
class TBalkenformen : public QGraphicsItem {
public:
    explicit TBalkenformen(TStatistikdiagramm* d) : QGraphicsItem(d), d_(d) {}

    QRectF boundingRect() const override { return QRectF(QPointF(0, 0), d_->size()); }

    void paint(QPainter* p, const QStyleOptionGraphicsItem*, QWidget*) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < static_cast<int>(d_->balken_.size()); ++i) {
            const QRectF r = d_->Balkenrechteck(i);
            Form(*p, r, AlsQColor(d_->balken_[static_cast<std::size_t>(i)].farbe));
        }
        // In pixels of the chart: on paper the chart is scaled, and a size in points would
        // be taken in the printer's dots before the scaling as well.
        p->setFont(Pixelschrift(11));
        p->setPen(Qt::black);
        const QFontMetricsF m(p->font());
        for (int i = 0; i < static_cast<int>(d_->balken_.size()); ++i) {
            const auto& b = d_->balken_[static_cast<std::size_t>(i)];
            const QRectF r = d_->Balkenrechteck(i);
            const QString text = Q(Wertanzeige(b.wert, d_->art_));
            const qreal breite = std::max(r.width(), m.horizontalAdvance(text)) + 4;
            const QRectF feld(r.center().x() - breite / 2, r.top() - m.height() - 2, breite,
                              m.height());
            p->drawText(feld, Qt::AlignHCenter | Qt::AlignBottom, text);
        }
        Beschriftungen(*p);
        p->restore();
    }

private:
    void Beschriftungen(QPainter& p) {
        const QFont f = Pixelschrift(d_->beschriftungsgroesse_);
        p.setFont(f);
        p.setPen(QColor(60, 60, 60));
        const QFontMetricsF m(f);
        const qreal zeile = m.height();
        const qreal oben = d_->plotArea().bottom() + 6;
        for (int i = 0; i < static_cast<int>(d_->balken_.size()); ++i) {
            const QStringList zeilen =
                Q(d_->balken_[static_cast<std::size_t>(i)].beschriftung).split(QLatin1Char('\n'));
            const qreal mitte = d_->Balkenrechteck(i).center().x();
            if (!d_->senkrecht_) {
                for (int z = 0; z < zeilen.size(); ++z)
                    p.drawText(QRectF(mitte - 200, oben + z * zeile, 400, zeile),
                               Qt::AlignHCenter | Qt::AlignTop, zeilen[z]);
                continue;
            }
            // Upright, read from the bottom; the lines side by side, ending at the axis.
            p.save();
            p.translate(mitte, oben);
            p.rotate(-90);
            const qreal links = -zeilen.size() * zeile / 2;
            for (int z = 0; z < zeilen.size(); ++z)
                p.drawText(QRectF(-d_->beschriftungshoehe_, links + z * zeile,
                                  d_->beschriftungshoehe_, zeile),
                           Qt::AlignRight | Qt::AlignVCenter, zeilen[z]);
            p.restore();
        }
    }

    void Form(QPainter& p, const QRectF& r, const QColor& c) {
        if (r.height() < 0.5) return;
        p.setPen(QPen(Randfarbe(c), 1));
        const qreal mitte = r.center().x();
        switch (d_->form_) {
            case Balkenform::Balken:
            case Balkenform::MehrfarbigeBalken:
                return;  // Qt Charts draws them
            case Balkenform::Pyramiden:
            case Balkenform::UmgekehrtePyramiden: {
                const bool umgekehrt = d_->form_ == Balkenform::UmgekehrtePyramiden;
                const qreal spitze = umgekehrt ? r.bottom() : r.top();
                const qreal basis = umgekehrt ? r.top() : r.bottom();
                // Two faces: the left one in the colour, the right one in its shadow.
                p.setBrush(c);
                p.drawPolygon(QPolygonF({{r.left(), basis}, {mitte, spitze}, {mitte, basis}}));
                p.setBrush(c.darker(135));
                p.drawPolygon(QPolygonF({{mitte, basis}, {mitte, spitze}, {r.right(), basis}}));
                return;
            }
            case Balkenform::Zylinder: {
                // Lid and bottom stay inside the bar, clear of the value and the labels.
                const qreal e = std::min({r.width() * 0.35, 24.0, r.height()});
                QLinearGradient g(r.left(), 0, r.right(), 0);
                g.setColorAt(0, c.darker(130));
                g.setColorAt(0.4, c.lighter(135));
                g.setColorAt(1, c.darker(160));
                p.setBrush(g);
                const qreal deckel = r.top() + e / 2;
                const qreal boden = r.bottom() - e / 2;
                QPainterPath koerper;
                koerper.moveTo(r.left(), deckel);
                koerper.lineTo(r.left(), boden);
                koerper.arcTo(QRectF(r.left(), boden - e / 2, r.width(), e), 180, 180);
                koerper.lineTo(r.right(), deckel);
                koerper.closeSubpath();
                p.drawPath(koerper);
                p.setBrush(c.lighter(115));
                p.drawEllipse(QRectF(r.left(), r.top(), r.width(), e));
                return;
            }
            case Balkenform::Ellipsen: {
                QRadialGradient g(r.center(), std::max(r.width(), r.height()) / 2,
                                  QPointF(r.center().x() - r.width() / 5,
                                          r.top() + r.height() / 3));
                g.setColorAt(0, c.lighter(160));
                g.setColorAt(1, c.darker(140));
                p.setBrush(g);
                p.drawEllipse(r);
                return;
            }
            case Balkenform::Pfeile: {
                const qreal kopf = std::min(r.width() * 0.8, r.height() * 0.5);
                const qreal schaft = r.width() / 4;
                p.setBrush(c);
                p.drawPolygon(QPolygonF({{mitte - schaft, r.bottom()},
                                         {mitte - schaft, r.top() + kopf},
                                         {r.left(), r.top() + kopf},
                                         {mitte, r.top()},
                                         {r.right(), r.top() + kopf},
                                         {mitte + schaft, r.top() + kopf},
                                         {mitte + schaft, r.bottom()}}));
                return;
            }
        }
    }

    TStatistikdiagramm* d_;
};

TStatistikdiagramm::TStatistikdiagramm() {
    legend()->hide();
    setAnimationOptions(QChart::NoAnimation);
    setBackgroundRoundness(0);
    setLocalizeNumbers(true);
    QFont titel = Arial(12, true);
    titel.setUnderline(true);
    setTitleFont(titel);
    setTitleBrush(QBrush(Qt::blue));
    x_ = new QBarCategoryAxis;
    x_->setGridLineVisible(false);
    x_->setLabelsVisible(false);  // the layer draws them
    y_ = new QValueAxis;
    y_->setTitleFont(Pixelschrift(12));
    y_->setLabelsFont(Arial(8));
    y_->setTickType(QValueAxis::TicksDynamic);
    y_->setTickAnchor(0);
    addAxis(x_, Qt::AlignBottom);
    addAxis(y_, Qt::AlignLeft);
    formen_ = new TBalkenformen(this);
    formen_->setZValue(100);
    rand_ = margins();
    connect(this, &QChart::plotAreaChanged, this, [this] {
        BeschriftungAnpassen();
        formen_->update();
    });
}

void TStatistikdiagramm::Fuellen(const Statistikchartmodell& modell) {
    removeAllSeries();
    balken_ = modell.Balken();
    form_ = modell.Form();
    art_ = modell.Art();
    setTitle(Q(modell.Titel()));

    auto* reihe = new QStackedBarSeries;
    reihe->setBarWidth(Balkenbreite);
    const bool qtMalt = form_ == Balkenform::Balken || form_ == Balkenform::MehrfarbigeBalken;
    const int n = static_cast<int>(balken_.size());
    double groesster = 0;
    for (int i = 0; i < n; ++i) {
        const Statistikbalken& b = balken_[static_cast<std::size_t>(i)];
        groesster = std::max(groesster, b.wert);
        auto* satz = new QBarSet(Q(b.name));
        for (int j = 0; j < n; ++j) satz->append(j == i ? b.wert : 0.0);
        const QColor c = AlsQColor(b.farbe);
        if (qtMalt) {
            if (form_ == Balkenform::MehrfarbigeBalken) {
                QLinearGradient g(0, 0, 0, 1);
                g.setCoordinateMode(QGradient::ObjectBoundingMode);
                g.setColorAt(0, c.lighter(175));
                g.setColorAt(0.5, c);
                g.setColorAt(1, c.darker(170));
                satz->setBrush(g);
            } else {
                satz->setBrush(c);
            }
            satz->setPen(QPen(Randfarbe(c), 1));
        } else {
            satz->setBrush(Qt::NoBrush);
            satz->setPen(Qt::NoPen);
        }
        reihe->append(satz);
    }
    addSeries(reihe);

    QStringList kategorien;
    for (const Statistikbalken& b : balken_) {
        // The axis only places the bars, but it wants distinct texts.
        QString k = Q(b.beschriftung);
        while (kategorien.contains(k)) k += QChar(0x200B);
        kategorien << k;
    }
    x_->clear();
    x_->append(kategorien);
    y_->setTitleText(QString::fromUtf8(modell.Achsentitel()));
    const bool ganzzahlig = art_ != Statistikart::Termindauer;
    // Room above the highest bar for its value.
    const double oben = groesster > 0 ? groesster * 1.12 : 1.0;
    const double schritt = Schrittweite(oben, ganzzahlig);
    y_->setRange(0, std::ceil(oben / schritt) * schritt);
    y_->setTickInterval(schritt);
    y_->setLabelFormat(ganzzahlig ? QStringLiteral("%.0f") : QStringLiteral("%.4g"));
    reihe->attachAxis(x_);
    reihe->attachAxis(y_);
    BeschriftungAnpassen();
    formen_->update();
}

QRectF TStatistikdiagramm::Balkenrechteck(int i) const {
    const auto liste = series();
    if (liste.isEmpty() || i < 0 || i >= static_cast<int>(balken_.size())) return {};
    const double wert = balken_[static_cast<std::size_t>(i)].wert;
    // mapToPosition only reads, but Qt declares it non-const.
    auto* d = const_cast<TStatistikdiagramm*>(this);
    const QPointF a = d->mapToPosition(QPointF(i - Balkenbreite / 2, wert), liste.front());
    const QPointF b = d->mapToPosition(QPointF(i + Balkenbreite / 2, 0), liste.front());
    return QRectF(a, b).normalized();
}

QStringList TStatistikdiagramm::Achsenbeschriftungen() const {
    QStringList l;
    for (const Statistikbalken& b : balken_) l << Q(b.beschriftung);
    return l;
}

void TStatistikdiagramm::BeschriftungAnpassen() {
    if (passtAn_ || plotArea().width() <= 0) return;
    passtAn_ = true;
    const qreal platz =
        plotArea().width() / static_cast<qreal>(std::max<std::size_t>(1, balken_.size())) - 4;
    qreal laengsteZeile = 0;
    int zeilen = 1;
    int groesse = 12;
    const auto messen = [&](int pixel) {
        const QFontMetricsF m(Pixelschrift(pixel));
        laengsteZeile = 0;
        zeilen = 1;
        for (const Statistikbalken& b : balken_) {
            const QStringList z = Q(b.beschriftung).split(QLatin1Char('\n'));
            zeilen = std::max(zeilen, static_cast<int>(z.size()));
            for (const QString& t : z)
                laengsteZeile = std::max(laengsteZeile, m.horizontalAdvance(t));
        }
        return m.height();
    };
    // Lying down from 12 to 8 pixels until the longest word (a line) fits its bar's place, else
    // upright from 12 to 7 pixels while the lines fit side by side.
    bool senkrecht = false;
    qreal zeile = messen(groesse);
    while (laengsteZeile > platz && groesse > 8) zeile = messen(--groesse);
    if (laengsteZeile > platz) {
        senkrecht = true;
        groesse = 12;
        zeile = messen(groesse);
        while (zeilen * zeile > platz && groesse > 7) zeile = messen(--groesse);
    }
    const int hoehe = static_cast<int>(std::ceil(senkrecht ? laengsteZeile : zeilen * zeile));
    beschriftungsgroesse_ = groesse;
    senkrecht_ = senkrecht;
    beschriftungshoehe_ = hoehe;
    // The axis title along the plot's height: Qt would cut it short in a small window.
    int titelgroesse = 12;
    while (titelgroesse > 7 && QFontMetricsF(Pixelschrift(titelgroesse))
                                       .horizontalAdvance(y_->titleText()) > plotArea().height())
        --titelgroesse;
    if (y_->titleFont().pixelSize() != titelgroesse) y_->setTitleFont(Pixelschrift(titelgroesse));
    const QMargins neu(rand_.left(), rand_.top(), rand_.right(), rand_.bottom() + hoehe + 4);
    if (neu != margins()) setMargins(neu);
    passtAn_ = false;
}

}  // namespace kalvora
