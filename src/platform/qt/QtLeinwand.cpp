#include "platform/qt/QtLeinwand.h"

#include <QCoreApplication>
#include <QPaintEngine>
#include <QPolygon>
#include <QString>
#include <QThread>
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

QtLeinwand::Speicher& QtLeinwand::GemeinsamerSpeicher() {
    // Never freed: fonts must not be destroyed after the application object.
    static Speicher* speicher = new Speicher;
    return *speicher;
}

QtLeinwand::QtLeinwand(QPainter& painter)
    : p_(painter),
      raster_(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster) {
    const QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread()) {
        speicher_ = &GemeinsamerSpeicher();
    } else {
        eigenerSpeicher_ = std::make_unique<Speicher>();
        speicher_ = eigenerSpeicher_.get();
    }
    p_.setRenderHint(QPainter::Antialiasing, false);
    StiftBereit();
    PinselBereit();
    SchriftSetzen(schrift_);
}

QPen QtLeinwand::AlsQPen() const {
    QPen pen(AlsQColor(stift_.farbe), std::max(stift_.breite, 1), AlsQt(stift_.stil),
             Qt::FlatCap, Qt::MiterJoin);
    if (stift_.breite <= 0) pen.setStyle(Qt::NoPen);
    return pen;
}

QBrush QtLeinwand::AlsQBrush() const {
    return QBrush(AlsQColor(pinsel_.farbe), AlsQt(pinsel_.stil));
}

void QtLeinwand::StiftSetzen(const Stift& stift) {
    if (stift == stift_) return;
    stift_ = stift;
    stiftAktiv_ = false;
}

void QtLeinwand::StiftBereit() {
    if (stiftAktiv_) return;
    p_.setPen(AlsQPen());
    stiftAktiv_ = true;
}

void QtLeinwand::PinselSetzen(const Pinsel& pinsel) {
    if (pinsel == pinsel_) return;
    pinsel_ = pinsel;
    pinselAktiv_ = false;
}

void QtLeinwand::PinselBereit() {
    if (pinselAktiv_) return;
    p_.setBrush(AlsQBrush());
    pinselAktiv_ = true;
}

void QtLeinwand::SchriftSetzen(const Schrift& schrift, int pixelhoehe) {
    if (aktuell_ && schrift == schrift_ && pixelhoehe == pixelhoehe_) return;
    schrift_ = schrift;
    pixelhoehe_ = pixelhoehe;
    const int stil = (schrift.fett ? 1 : 0) | (schrift.kursiv ? 2 : 0) |
                     (schrift.unterstrichen ? 4 : 0) | (schrift.durchgestrichen ? 8 : 0);
    QPaintDevice* geraet = p_.device();
    const Schriftschluessel schluessel{schrift.name, schrift.groesse, pixelhoehe, stil,
                                       geraet ? geraet->logicalDpiY() : 0};
    auto& schriften = speicher_->schriften;
    auto it = schriften.find(schluessel);
    if (it == schriften.end()) {
        // No family name: the default font (a font with an empty family breaks a recorded
        // picture).
        QFont f;
        if (!schrift.name.empty()) f.setFamily(QString::fromStdString(schrift.name));
        if (pixelhoehe > 0)
            f.setPixelSize(pixelhoehe);
        else if (schrift.groesse > 0)
            f.setPointSize(schrift.groesse);
        f.setBold(schrift.fett);
        f.setItalic(schrift.kursiv);
        f.setUnderline(schrift.unterstrichen);
        f.setStrikeOut(schrift.durchgestrichen);
        it = schriften.emplace(schluessel, Schriftdaten{f, QFontMetrics(f, geraet), {}, {}, {}})
                 .first;
    }
    if (aktuell_ != &it->second) schriftAktiv_ = false;
    aktuell_ = &it->second;
}

void QtLeinwand::SchriftBereit() {
    if (schriftAktiv_) return;
    p_.setFont(aktuell_->font);
    schriftAktiv_ = true;
}

bool QtLeinwand::BilderErlaubt() const {
    return raster_ && modus_ == Zeichenmodus::Kopieren &&
           p_.deviceTransform().type() <= QTransform::TxTranslate;
}

const QFontMetrics& QtLeinwand::Masse() { return aktuell_->masse; }

void QtLeinwand::ModusSetzen(Zeichenmodus modus) {
    modus_ = modus;
    p_.setCompositionMode(modus == Zeichenmodus::Xor ? QPainter::RasterOp_SourceXorDestination
                                                     : QPainter::CompositionMode_SourceOver);
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
    StiftBereit();
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
            RechteckFuellen({r.links + w, r.oben + w, r.rechts - w, r.unten - w});
        const int bw = std::min(w, r.Breite()), bh = std::min(w, r.Hoehe());
        p_.fillRect(QRect(r.links, r.oben, r.Breite(), bh), farbe);
        p_.fillRect(QRect(r.links, r.unten - bh, r.Breite(), bh), farbe);
        p_.fillRect(QRect(r.links, r.oben, bw, r.Hoehe()), farbe);
        p_.fillRect(QRect(r.rechts - bw, r.oben, bw, r.Hoehe()), farbe);
        return;
    }
    if (fuellen) RechteckFuellen(r);
    if (!umriss) return;
    StiftBereit();
    p_.setBrush(Qt::NoBrush);
    pinselAktiv_ = false;
    p_.drawRect(Umriss(r));
}

void QtLeinwand::RechteckFuellen(const kalvora::Rechteck& r) {
    if (r.Breite() <= 0 || r.Hoehe() <= 0) return;
    const QRect q(r.links, r.oben, r.Breite(), r.Hoehe());
    if (pinsel_.stil == Pinselstil::Voll) {
        p_.fillRect(q, AlsQColor(pinsel_.farbe));
    } else if (pinsel_.stil != Pinselstil::Keiner) {
        PinselBereit();
        p_.fillRect(q, p_.brush());
    }
}

void QtLeinwand::Ellipse(const kalvora::Rechteck& r) {
    if (r.Breite() <= 0 || r.Hoehe() <= 0) return;
    StiftBereit();
    PinselBereit();
    p_.drawEllipse(Umriss(r));
}

const QtLeinwand::Schablone* QtLeinwand::SchabloneFuer(const std::string& schluessel) {
    auto it = speicher_->schablonen.find(schluessel);
    return it == speicher_->schablonen.end() ? nullptr : &it->second;
}

void QtLeinwand::SchabloneAblegen(const std::string& schluessel, Schablone s) {
    auto& schablonen = speicher_->schablonen;
    if (schablonen.size() > 4000) schablonen.clear();  // charts draw many one-offs
    schablonen.emplace(schluessel, std::move(s));
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

QtLeinwand::Schablone QtLeinwand::Zuschneiden(const QImage& bild, QPoint versatz) {
    int x0 = bild.width(), y0 = bild.height(), x1 = -1, y1 = -1;
    bool deckend = true;
    for (int y = 0; y < bild.height(); ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        for (int x = 0; x < bild.width(); ++x) {
            if (qAlpha(zeile[x]) == 0) continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    Schablone s;
    if (x1 < 0) return s;  // nothing visible
    s.bild = bild.copy(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    s.versatz = versatz + QPoint(x0, y0);
    for (int y = 0; y < s.bild.height() && deckend; ++y) {
        const auto* zeile = reinterpret_cast<const QRgb*>(s.bild.constScanLine(y));
        for (int x = 0; x < s.bild.width(); ++x)
            if (qAlpha(zeile[x]) != 255) {
                deckend = false;
                break;
            }
    }
    if (deckend) s.bild = s.bild.convertToFormat(QImage::Format_RGB32);
    return s;
}

void QtLeinwand::SchabloneZeichnen(int x, int y, const Schablone& s) {
    if (!s.bild.isNull()) p_.drawImage(x + s.versatz.x(), y + s.versatz.y(), s.bild);
}

void QtLeinwand::FormZeichnen(char art, const std::vector<Punkt>& punkte) {
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
    if (gross || !BilderErlaubt()) {
        StiftBereit();
        PinselBereit();
        direkt(p_, AlsQPolygon(punkte));
        return;
    }
    const Punkt ursprung{x0, y0};
    const std::string k = FormSchluessel(art, punkte, ursprung);
    const Schablone* s = SchabloneFuer(k);
    if (!s) {
        QImage bild(x1 - x0 + 1 + 2 * rand, y1 - y0 + 1 + 2 * rand,
                    QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter q(&bild);
        q.setRenderHint(QPainter::Antialiasing, false);
        q.setPen(AlsQPen());
        q.setBrush(AlsQBrush());
        std::vector<Punkt> verschoben = punkte;
        for (Punkt& v : verschoben) {
            v.x += rand - x0;
            v.y += rand - y0;
        }
        direkt(q, AlsQPolygon(verschoben));
        q.end();
        SchabloneAblegen(k, Zuschneiden(bild, QPoint(-rand, -rand)));
        s = SchabloneFuer(k);
    }
    SchabloneZeichnen(x0, y0, *s);
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
    const bool deckend =
        hintergrund_ == Hintergrundmodus::Deckend && pinsel_.stil != Pinselstil::Keiner;
    const bool alsBild = BilderErlaubt();
    std::string bildschluessel;
    if (alsBild) {
        // Text, text colour and background colour (none: the top byte set).
        bildschluessel.reserve(text.size() + 8);
        bildschluessel = text;
        const uint32_t farben[2] = {schrift_.farbe, deckend ? pinsel_.farbe : 0xFF000000u};
        bildschluessel.append(reinterpret_cast<const char*>(farben), sizeof farben);
        auto b = aktuell_->bilder.find(bildschluessel);
        if (b != aktuell_->bilder.end()) {
            SchabloneZeichnen(x, y, b->second);
            return;
        }
    }
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
    const int breite = static_cast<int>(it->second.size().width() + 0.5);

    if (alsBild) {
        // Drawn once with the background cell and a margin for overhanging glyphs, then
        // trimmed; on an opaque background the image is copied, not blended.
        const int rand = m.height() / 2 + 2;
        QImage bild(breite + 2 * rand, m.height() + 2 * rand,
                    QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        QPainter q(&bild);
        if (deckend) q.fillRect(QRect(rand, rand, breite, m.height()), AlsQColor(pinsel_.farbe));
        q.setFont(aktuell_->font);
        q.setPen(AlsQColor(schrift_.farbe));
        q.drawStaticText(rand, rand, it->second);
        q.end();
        auto& bilder = aktuell_->bilder;
        if (bilder.size() > 2000) bilder.clear();
        auto b = bilder.emplace(bildschluessel, Zuschneiden(bild, QPoint(-rand, -rand))).first;
        SchabloneZeichnen(x, y, b->second);
        return;
    }

    // The static text is laid out at screen resolution; on a printer its width is a fraction
    // of the printed one, so the background is measured on the device.
    if (deckend) p_.fillRect(QRect(x, y, Textbreite(text), m.height()), AlsQColor(pinsel_.farbe));
    SchriftBereit();
    p_.setPen(AlsQColor(schrift_.farbe));
    stiftAktiv_ = false;
    p_.drawStaticText(x, y, it->second);
}

int QtLeinwand::Textbreite(const std::string& text) {
    auto& breiten = aktuell_->breiten;
    auto it = breiten.find(text);
    if (it != breiten.end()) return it->second;
    if (breiten.size() > 2000) breiten.clear();
    const int b = Masse().horizontalAdvance(QString::fromStdString(text));
    breiten.emplace(text, b);
    return b;
}

int QtLeinwand::Texthoehe(const std::string&) { return Masse().height(); }

void QtLeinwand::Figur(const std::string& schluessel, const kalvora::Rechteck& bereich,
                       const std::function<void(Leinwand&)>& malen) {
    const bool gross = bereich.Breite() > 256 || bereich.Hoehe() > 256;
    if (gross || bereich.Breite() <= 0 || bereich.Hoehe() <= 0 || !BilderErlaubt()) {
        Leinwand::Figur(schluessel, bereich, malen);
        return;
    }
    // The key buffer is kept, so that looking up a figure allocates nothing.
    std::string& k = figurSchluessel_;
    k.assign(1, 'f');
    const int groesse[2] = {bereich.Breite(), bereich.Hoehe()};
    k.append(reinterpret_cast<const char*>(groesse), sizeof groesse);
    k.append(schluessel);
    const Schablone* s = SchabloneFuer(k);
    if (!s) {
        // A margin catches what a figure draws just outside its area.
        constexpr int rand = 4;
        QImage bild(bereich.Breite() + 2 * rand, bereich.Hoehe() + 2 * rand,
                    QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::transparent);
        {
            QPainter q(&bild);
            q.translate(rand - bereich.links, rand - bereich.oben);
            QtLeinwand figur(q);
            malen(figur);
        }
        SchabloneAblegen(k, Zuschneiden(bild, QPoint(-rand, -rand)));
        s = SchabloneFuer(k);
    }
    SchabloneZeichnen(bereich.links, bereich.oben, *s);
}

}  // namespace kalvora
