#include "personen/fenster/Namenstagsjahresliste.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "main/fenster/Hilfefenster.h"
#include "kalender/TKalender.h"
#include "main/fenster/Programmschrift.h"
#include "personen/fenster/Namenstagslistedrucken.h"
#include "personen/fenster/Namenstagsuchen.h"
#include "platform/Dialoge.h"
#include "platform/qt/Leistenknopf.h"
#include "platform/qt/QtLeinwand.h"

namespace kalvora {

// The drawing of the year, painted through the overview's logic.
class TUebersichtsflaeche : public QWidget {
public:
    explicit TUebersichtsflaeche(TForm18& fenster) : QWidget(nullptr), fenster_(fenster) {
        setObjectName(QStringLiteral("Uebersicht"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        maler.fillRect(rect(), Qt::white);
        QtLeinwand l(maler);
        NamenstagsuebersichtZeichnen(l, fenster_.katalog_, fenster_.jahr_, fenster_.masse_,
                                     fenster_.wochenende_, Grundschrift());
    }

public:
    static Schrift Grundschrift() {
        Schrift s;
        s.name = Programmschriftart;
        s.groesse = 8;
        return s;
    }

private:
    TForm18& fenster_;
};

TForm18::TForm18(std::vector<std::string> ordner, Dialoge& dialoge, TForm21& suche,
                 QWidget* parent)
    : QDialog(parent), ordner_(std::move(ordner)), dialoge_(dialoge), suche_(suche) {
    setObjectName(QStringLiteral("Form18"));
    setModal(true);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto* leiste = new QToolBar(this);
    leiste->setIconSize(QSize(16, 16));
    const auto knopf = [leiste](int nummer, const char* hinweis, const char* symbol,
                                const char* thema) {
        return Leistenknopf(leiste, nummer, hinweis, symbol, thema);
    };
    zurueck_ = knopf(1, "ein Jahr zurückblättern (-)", "zurueck", "go-previous");
    weiter_ = knopf(3, "ein Jahr weiterblättern (+)", "vor", "go-next");
    leiste->addSeparator();
    druck_ = knopf(4, "Drucken", "drucken", "document-print");
    suchen_ = knopf(8, "Nach Namen suchen", "suchen", "edit-find");
    QToolButton* hilfe = knopf(5, "Hilfe", "hilfe", "help-contents");
    connect(hilfe, &QToolButton::clicked, this, [] { HilfeAufrufen(110); });
    schliessen_ = knopf(6, "Fenster schließen (Esc)", "schliessen", "window-close");
    spalte->addWidget(leiste);
    rollbereich_ = new QScrollArea(this);
    rollbereich_->setBackgroundRole(QPalette::Base);
    flaeche_ = new TUebersichtsflaeche(*this);
    rollbereich_->setWidget(flaeche_);
    spalte->addWidget(rollbereich_, 1);
    connect(zurueck_, &QToolButton::clicked, this, [this] { JahrBlaettern(-1); });
    connect(weiter_, &QToolButton::clicked, this, [this] { JahrBlaettern(+1); });
    connect(suchen_, &QToolButton::clicked, this, [this] { suche_.Zeigen(); });
    optionen_ = new TForm20(this);
    connect(druck_, &QToolButton::clicked, this, [this] {
        if (optionen_->Fragen() && drucken) drucken(optionen_->Optionen());
    });
    connect(schliessen_, &QToolButton::clicked, this, &QDialog::accept);
}

QToolButton* TForm18::Knopf(int nummer) const {
    switch (nummer) {
        case 1: return zurueck_;
        case 3: return weiter_;
        case 6: return schliessen_;
        case 8: return suchen_;
        case 4: return druck_;
        default: return nullptr;
    }
}

void TForm18::Oeffnen(int jahr, uint32_t wochenendfarbe) {
    jahr_ = std::clamp(jahr, ErstesJahr, LetztesJahr);
    wochenende_ = wochenendfarbe;
    Katalogladung l = NamenstageLaden(ordner_);
    if (l.fehlerhaft) dialoge_.Meldung(kFehlerhafteDatei, Meldungsart::Warnung, Knoepfe::Ok);
    katalog_ = std::move(l.katalog);
    // The column takes the printed width of the sample.
    QImage bild(1, 1, QImage::Format_RGB32);
    QPainter maler(&bild);
    QtLeinwand masse(maler);
    masse.SchriftSetzen(TUebersichtsflaeche::Grundschrift());
    masse_.spalte = masse.Textbreite(kUebersichtMuster) + 50;
    maler.end();
    flaeche_->resize(masse_.Breite(), Uebersichtsmasse::Hoehe());
    setWindowTitle(QString::fromStdString(UebersichtTitel(jahr_)));
    rollbereich_->horizontalScrollBar()->setValue(0);
    rollbereich_->verticalScrollBar()->setValue(0);
    setWindowState(windowState() | Qt::WindowMaximized);
    exec();
    katalog_.Leeren();  // read again at the next opening
}

void TForm18::JahrBlaettern(int schritte) {
    const int neu = std::clamp(jahr_ + schritte, ErstesJahr, LetztesJahr);
    if (neu == jahr_) return;
    jahr_ = neu;
    setWindowTitle(QString::fromStdString(UebersichtTitel(jahr_)));
    flaeche_->update();
}

void TForm18::keyPressEvent(QKeyEvent* e) {
    if (e->text() == QLatin1String("+")) {
        JahrBlaettern(+1);
        return;
    }
    if (e->text() == QLatin1String("-")) {
        JahrBlaettern(-1);
        return;
    }
    QDialog::keyPressEvent(e);  // Escape closes
}

}  // namespace kalvora
