#include "platform/qt/QtLeinwand.h"

#include <QPolygon>
#include <QString>
#include <cstdlib>

namespace kalvora {

namespace {

Qt::PenStyle AlsQt(Stiftstil s) {
    switch (s) {
        case Stiftstil::Durchgezogen: return Qt::SolidLine;
        case Stiftstil::Gestrichelt: return Qt::DashLine;
        case Stiftstil::Gepunktet: return Qt::DotLine;
        case Stiftstil::StrichPunkt: return Qt::DashDotLine;
        case Stiftstil::StrichPunktPunkt: return Qt::DashDotDotLine;
        case Stiftstil::Keiner: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle AlsQt(Pinselstil s) {
    switch (s) {
        case Pinselstil::Voll: return Qt::SolidPattern;
        case Pinselstil::Keiner: return Qt::NoBrush;
        case Pinselstil::Horizontal: return Qt::HorPattern;
        case Pinselstil::Vertikal: return Qt::VerPattern;
        case Pinselstil::Kreuz: return Qt::CrossPattern;
        case Pinselstil::Diagonal: return Qt::BDiagPattern;
    }
    return Qt::SolidPattern;
}

QPolygon AlsQPolygon(const std::vector<Punkt>& punkte) {
    QPolygon q(static_cast<int>(punkte.size()));
    for (int i = 0; i < q.size(); ++i) q.setPoint(i, punkte[i].x, punkte[i].y);
    return q;
}

}  // namespace

QColor AlsQColor(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QtLeinwand::QtLeinwand(QPainter& painter) : p_(painter) {
    p_.setRenderHint(QPainter::Antialiasing, false);
    StiftAnwenden();
    p_.setBrush(QBrush(AlsQColor(pinsel_.farbe), AlsQt(pinsel_.stil)));
    SchriftSetzen(schrift_);
}

void QtLeinwand::StiftSetzen(const Stift& stift) {
    if (stift == stift_ && !textstift_) return;
    stift_ = stift;
    StiftAnwenden();
}

void QtLeinwand::StiftAnwenden() {
    textstift_ = false;
    QPen pen(AlsQColor(stift_.farbe), std::max(stift_.breite, 1), AlsQt(stift_.stil),
             Qt::FlatCap, Qt::MiterJoin);
    if (stift_.breite <= 0) pen.setStyle(Qt::NoPen);
    p_.setPen(pen);
}

void QtLeinwand::PinselSetzen(const Pinsel& pinsel) {
    if (pinsel == pinsel_) return;
    pinsel_ = pinsel;
    p_.setBrush(QBrush(AlsQColor(pinsel.farbe), AlsQt(pinsel.stil)));
}

void QtLeinwand::SchriftSetzen(const Schrift& schrift, int pixelhoehe) {
    if (aktuell_ && schrift == schrift_ && pixelhoehe == pixelhoehe_) return;
    schrift_ = schrift;
    pixelhoehe_ = pixelhoehe;
    const int stil = (schrift.fett ? 1 : 0) | (schrift.kursiv ? 2 : 0) |
                     (schrift.unterstrichen ? 4 : 0) | (schrift.durchgestrichen ? 8 : 0);
    const Schriftschluessel schluessel{schrift.name, schrift.groesse, pixelhoehe, stil};
    auto it = schriften_.find(schluessel);
    if (it == schriften_.end()) {
        QFont f(QString::fromStdString(schrift.name));
        if (pixelhoehe > 0)
            f.setPixelSize(pixelhoehe);
        else if (schrift.groesse > 0)
            f.setPointSize(schrift.groesse);
        f.setBold(schrift.fett);
        f.setItalic(schrift.kursiv);
        f.setUnderline(schrift.unterstrichen);
        f.setStrikeOut(schrift.durchgestrichen);
        it = schriften_.emplace(schluessel, Schriftdaten{f, QFontMetrics(f, p_.device()), {}})
                 .first;
    }
    aktuell_ = &it->second;
    p_.setFont(aktuell_->font);
}

const QFontMetrics& QtLeinwand::Masse() { return aktuell_->masse; }

void QtLeinwand::ModusSetzen(Zeichenmodus modus) {
    modus_ = modus;
    p_.setCompositionMode(modus == Zeichenmodus::Xor ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
}

void QtLeinwand::StiftHerstellen() {
    if (textstift_) StiftAnwenden();
}

void QtLeinwand::Linie(int x1, int y1, int x2, int y2) {
    if (stift_.stil == Stiftstil::Keiner || stift_.breite <= 0) return;
    // Solid horizontal and vertical lines are bars: the raster engine strokes a long vertical
    // line pixel by pixel, a bar is filled at once.
    const int w = stift_.breite;
    if (stift_.stil == Stiftstil::Durchgezogen && (x1 == x2 || y1 == y2)) {
        if (x1 == x2 && y1 == y2) return;  // the end point is not drawn
        const QColor farbe = AlsQColor(stift_.farbe);
        if (x1 == x2) {
            const int von = y2 > y1 ? y1 : y2 + 1;
            p_.fillRect(QRect(x1 - (w - 1) / 2, von, w, std::abs(y2 - y1)), farbe);
        } else {
            const int von = x2 > x1 ? x1 : x2 + 1;
            p_.fillRect(QRect(von, y1 - (w - 1) / 2, std::abs(x2 - x1), w), farbe);
        }
        return;
    }
    StiftHerstellen();
    p_.drawLine(x1, y1, x2, y2);
}

QRectF QtLeinwand::Umriss(const kalvora::Rechteck& r) const {
    const int w = std::max(stift_.breite, 1);
    if (w == 1) return QRect(r.links, r.oben, r.Breite() - 1, r.Hoehe() - 1);
    const double h = w / 2.0;
    return QRectF(r.links + h, r.oben + h, r.Breite() - w, r.Hoehe() - w);
}

void QtLeinwand::Rechteck(const kalvora::Rechteck& r) {
    if (r.Breite() <= 0 || r.Hoehe() <= 0) return;
    const bool fuellen = pinsel_.stil != Pinselstil::Keiner;
    const bool umriss = stift_.stil != Stiftstil::Keiner && stift_.breite > 0;
    const int w = std::max(stift_.breite, 1);
    if (umriss && stift_.stil == Stiftstil::Durchgezogen) {
        // A solid outline is four bars inside the rectangle; the paint of the year view draws
        // hundreds of these, and bars are far cheaper than a stroked path.
        const QColor farbe = AlsQColor(stift_.farbe);
        if (fuellen && pinsel_.stil == Pinselstil::Voll && pinsel_.farbe == stift_.farbe) {
            p_.fillRect(QRect(r.links, r.oben, r.Breite(), r.Hoehe()), farbe);
            return;
        }
        if (fuellen && r.Breite() > 2 * w && r.Hoehe() > 2 * w)
            p_.fillRect(QRect(r.links + w, r.oben + w, r.Breite() - 2 * w, r.Hoehe() - 2 * w),
                        p_.brush());
        const int bw = std::min(w, r.Breite()), bh = std::min(w, r.Hoehe());
        p_.fillRect(QRect(r.links, r.oben, r.Breite(), bh), farbe);
        p_.fillRect(QRect(r.links, r.unten - bh, r.Breite(), bh), farbe);
        p_.fillRect(QRect(r.links, r.oben, bw, r.Hoehe()), farbe);
        p_.fillRect(QRect(r.rechts - bw, r.oben, bw, r.Hoehe()), farbe);
        return;
    }
    if (fuellen) p_.fillRect(QRect(r.links, r.oben, r.Breite(), r.Hoehe()), p_.brush());
    if (!umriss) return;
    StiftHerstellen();
    const QBrush pinsel = p_.brush();
    p_.setBrush(Qt::NoBrush);
    p_.drawRect(Umriss(r));
    p_.setBrush(pinsel);
}

void QtLeinwand::RechteckFuellen(const kalvora::Rechteck& r) {
    if (r.Breite() <= 0 || r.Hoehe() <= 0) return;
    p_.fillRect(QRect(r.links, r.oben, r.Breite(), r.Hoehe()), p_.brush());
}

void QtLeinwand::Ellipse(const kalvora::Rechteck& r) {
    if (r.Breite() <= 0 || r.Hoehe() <= 0) return;
    StiftHerstellen();
    p_.drawEllipse(Umriss(r));
}

const QtLeinwand::Schablone* QtLeinwand::SchabloneFuer(const std::string& schluessel) {
    auto it = schablonen_.find(schluessel);
    return it == schablonen_.end() ? nullptr : &it->second;
}

void QtLeinwand::SchabloneAblegen(const std::string& schluessel, Schablone s) {
    if (schablonen_.size() > 4000) schablonen_.clear();  // printouts draw many one-offs
    schablonen_.emplace(schluessel, std::move(s));
}

std::string QtLeinwand::FormSchluessel(char art, const std::vector<Punkt>& punkte,
                                       Punkt ursprung) const {
    std::string k;
    k.reserve(24 + punkte.size() * 8);
    auto zahl = [&k](int v) {
        k.append(reinterpret_cast<const char*>(&v), sizeof v);
    };
    k.push_back(art);
    zahl(static_cast<int>(stift_.farbe));
    zahl(stift_.breite);
    zahl(static_cast<int>(stift_.stil));
    zahl(static_cast<int>(pinsel_.farbe));
    zahl(static_cast<int>(pinsel_.stil));
    for (const Punkt& q : punkte) {
        zahl(q.x - ursprung.x);
        zahl(q.y - ursprung.y);
    }
    return k;
}

void QtLeinwand::FormZeichnen(char art, const std::vector<Punkt>& punkte) {
    StiftHerstellen();
    auto direkt = [&](QPainter& q, const QPolygon& poly) {
        if (art == 'l')
            q.drawPolyline(poly);
        else if (punkte.size() == 3)
            q.drawConvexPolygon(poly);
        else
            q.drawPolygon(poly);
    };
    int x0 = punkte[0].x, y0 = punkte[0].y, x1 = x0, y1 = y0;
    for (const Punkt& q : punkte) {
        x0 = std::min(x0, q.x);
        y0 = std::min(y0, q.y);
        x1 = std::max(x1, q.x);
        y1 = std::max(y1, q.y);
    }
    const int rand = std::max(stift_.breite, 1) + 1;
    const bool gross = (x1 - x0) > 256 || (y1 - y0) > 256;
    const bool verzerrt = p_.transform().type() > QTransform::TxTranslate;
    if (modus_ != Zeichenmodus::Kopieren || gross || verzerrt) {
        direkt(p_, AlsQPolygon(punkte));
        return;
    }
    const Punkt ursprung{x0, y0};
    const std::string k = FormSchluessel(art, punkte, ursprung);
    const Schablone* s = SchabloneFuer(k);
    if (!s) {
        Schablone neu;
        neu.bild = QImage(x1 - x0 + 1 + 2 * rand, y1 - y0 + 1 + 2 * rand,
                          QImage::Format_ARGB32_Premultiplied);
        neu.bild.fill(Qt::transparent);
        neu.versatz = QPoint(-rand, -rand);
        QPainter q(&neu.bild);
        q.setRenderHint(QPainter::Antialiasing, false);
        q.setPen(p_.pen());
        q.setBrush(p_.brush());
        std::vector<Punkt> verschoben = punkte;
        for (Punkt& v : verschoben) {
            v.x += rand - x0;
            v.y += rand - y0;
        }
        direkt(q, AlsQPolygon(verschoben));
        q.end();
        SchabloneAblegen(k, std::move(neu));
        s = SchabloneFuer(k);
    }
    p_.drawImage(x0 + s->versatz.x(), y0 + s->versatz.y(), s->bild);
}

void QtLeinwand::Polygon(const std::vector<Punkt>& punkte) {
    if (punkte.empty()) return;
    FormZeichnen('p', punkte);
}

void QtLeinwand::Polylinie(const std::vector<Punkt>& punkte) {
    if (punkte.size() < 2) return;
    FormZeichnen('l', punkte);
}

void QtLeinwand::Pixel(int x, int y, uint32_t farbe) {
    p_.fillRect(QRect(x, y, 1, 1), AlsQColor(farbe));
}

void QtLeinwand::Text(int x, int y, const std::string& text) {
    auto& texte = aktuell_->texte;
    auto it = texte.find(text);
    if (it == texte.end()) {
        if (texte.size() > 2000) texte.clear();  // printouts write many different texts
        QStaticText st(QString::fromStdString(text));
        st.setTextFormat(Qt::PlainText);
        st.setPerformanceHint(QStaticText::AggressiveCaching);
        st.prepare(QTransform(), aktuell_->font);
        it = texte.emplace(text, std::move(st)).first;
    }
    const QFontMetrics& m = Masse();
    const bool deckend =
        hintergrund_ == Hintergrundmodus::Deckend && pinsel_.stil != Pinselstil::Keiner;
    const int breite = static_cast<int>(it->second.size().width() + 0.5);

    if (deckend) p_.fillRect(QRect(x, y, breite, m.height()), AlsQColor(pinsel_.farbe));
    // The painter keeps the text colour as its pen until the next line or outline needs the
    // real pen again.
    if (!textstift_ || textfarbe_ != schrift_.farbe) {
        p_.setPen(AlsQColor(schrift_.farbe));
        textstift_ = true;
        textfarbe_ = schrift_.farbe;
    }
    p_.drawStaticText(x, y, it->second);
}

int QtLeinwand::Textbreite(const std::string& text) {
    return Masse().horizontalAdvance(QString::fromStdString(text));
}

int QtLeinwand::Texthoehe(const std::string&) { return Masse().height(); }

}  // namespace kalvora
