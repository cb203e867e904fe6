#include "statistik/fenster/Statistikchart.h"

#include "main/fenster/Hilfefenster.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QPaintDevice>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "main/Anwendungskern.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Main.h"
#include "methoden/Systemfehler.h"
#include "platform/qt/Leistenknopf.h"
#include "platform/qt/QtLeinwand.h"
#include "statistik/fenster/Statistikdiagramm.h"
#include "statistik/fenster/Statistikoptionen.h"
#include "termine/fenster/Drucksteuerung.h"

namespace kalvora {

namespace {
QString T(const char* text) { return QString::fromUtf8(text); }
}  // namespace

TStatistikchart::TStatistikchart(TForm1& haupt, Statistikart art)
    : QDialog(&haupt, Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                          Qt::WindowCloseButtonHint),
      haupt_(haupt),
      modell_(haupt.Kern().Kalender(), haupt.Jahresansicht().Jahr(), art) {
    setObjectName(QStringLiteral("Statistikchart"));
    setProperty(kEigeneF1, true);
    setWindowTitle(T(charttexte::Fenstertitel));
    setModal(true);
    setMinimumSize(420, 320);
    optionenZeigen = [](TStatistikoptionen& d) { d.exec(); };
    Aufbauen();
    Aktivieren();
    Neuzeichnen();
}

TStatistikchart::~TStatistikchart() = default;

void TStatistikchart::Aufbauen() {
    namespace t = charttexte;
    leiste_ = new QToolBar(this);
    leiste_->setObjectName(QStringLiteral("ToolBar1"));
    leiste_->setIconSize(QSize(16, 16));
    leiste_->setFocusPolicy(Qt::NoFocus);
    const auto knopf = [this](int nummer, const char* hinweis, const char* symbol,
                              const char* thema, auto wirkung) {
        QToolButton* k = Leistenknopf(leiste_, nummer, hinweis, symbol, thema);
        k->setFocusPolicy(Qt::NoFocus);
        connect(k, &QToolButton::clicked, this, wirkung);
        return k;
    };
    zurueck_ = knopf(1, t::Zurueck, "zurueck", "go-previous", [this] { Blaettern(-1); });
    knopf(2, t::AktuellesJahr, "heute", "go-home", [this] { AktuellesJahr(); });
    vor_ = knopf(3, t::Vor, "vor", "go-next", [this] { Blaettern(1); });
    leiste_->addSeparator();
    knopf(4, t::Optionen, "optionen", "preferences-system", [this] { OptionenZeigen(); });
    leiste_->addSeparator();
    knopf(5, t::Drucken, "drucken", "document-print", [this] { Drucken(); });
    leiste_->addSeparator();
    knopf(6, t::Hilfe, "hilfe", "help-contents", [this] {
        if (hilfe) hilfe(StatistikHilfethema);
    });
    leiste_->addSeparator();
    knopf(7, t::Schliessen, "schliessen", "window-close", [this] { reject(); });
    leiste_->addSeparator();

    const auto wahl = [this](const char* name, const char* hinweis) {
        auto* c = new QComboBox(leiste_);
        c->setObjectName(QString::fromLatin1(name));
        c->setToolTip(T(hinweis));
        c->setFocusPolicy(Qt::NoFocus);
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c;
    };
    form_ = wahl("Formwahl", t::FormHinweis);
    for (const char* f : t::Formen) form_->addItem(T(f));
    leiste_->addWidget(form_);
    art_ = wahl("Artwahl", t::ArtHinweis);
    for (Statistikart a : Statistikarten) art_->addItem(T(statistiktexte::Name(a)));
    art_->setCurrentIndex(static_cast<int>(modell_.Art()));
    leiste_->addWidget(art_);
    kategorie_ = wahl("Kategoriewahl", t::KategorieHinweis);
    kategorie_->setMaxVisibleItems(20);
    kategoriePlatz_ = leiste_->addWidget(kategorie_);
    KategorienFuellen();

    connect(form_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (fuellt_ || i < 0) return;
        modell_.FormSetzen(static_cast<Balkenform>(i));
        Neuzeichnen();
    });
    connect(art_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (fuellt_ || i < 0) return;
        modell_.ArtSetzen(Statistikarten[static_cast<std::size_t>(i)]);
        Neuzeichnen();
    });
    connect(kategorie_, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (fuellt_ || i < 0) return;
        modell_.KategorieSetzen(i);
        Neuzeichnen();
    });

    diagramm_ = new TStatistikdiagramm;
    ansicht_ = new QChartView(diagramm_, this);
    ansicht_->setObjectName(QStringLiteral("Chart1"));
    ansicht_->setRenderHint(QPainter::Antialiasing);
    ansicht_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(leiste_);
    layout->addWidget(ansicht_, 1);
}

int TStatistikchart::Zeigen() {
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

QToolButton* TStatistikchart::Knopf(int nummer) const {
    return findChild<QToolButton*>(QStringLiteral("ToolButton%1").arg(nummer));
}

bool TStatistikchart::KategorieSichtbar() const { return kategoriePlatz_->isVisible(); }

void TStatistikchart::KategorienFuellen() {
    fuellt_ = true;
    kategorie_->clear();
    for (const std::string& k : modell_.Kategorieauswahl())
        kategorie_->addItem(QString::fromStdString(k));
    modell_.KategorieSetzen(modell_.Kategorie());
    kategorie_->setCurrentIndex(modell_.Kategorie());
    fuellt_ = false;
}

void TStatistikchart::KnoepfeAnpassen() {
    zurueck_->setEnabled(modell_.ZurueckMoeglich());
    vor_->setEnabled(modell_.VorMoeglich());
    Knopf(6)->setEnabled(static_cast<bool>(hilfe));
    kategoriePlatz_->setVisible(modell_.KategorieSichtbar());
}

void TStatistikchart::Blaettern(int richtung) {
    if (modell_.Blaettern(richtung)) Neuzeichnen();
}

void TStatistikchart::AktuellesJahr() {
    modell_.JahrSetzen(haupt_.Kern().Zeitgeber().Jetzt().jahr);
    Neuzeichnen();
}

void TStatistikchart::Aktivieren() {
    Statistikoptionen o;
    try {
        StatistikoptionenLaden(haupt_.Kern().Ablage(), o);
    } catch (const std::exception& f) {
        // Every activation reads the store again; the message of a damaged value comes
        // once, or closing it would activate the window and show it again for ever.
        if (!ladefehlerGezeigt_) {
            ladefehlerGezeigt_ = true;
            haupt_.Dialogdienst().Meldung(Fehlertext(f), Meldungsart::Fehler);
        }
    }
    modell_.OptionenSetzen(o);
    modell_.FarbenZaehlen();
    // Categories may have been renamed meanwhile.
    QStringList gezeigt;
    for (int i = 0; i < kategorie_->count(); ++i) gezeigt << kategorie_->itemText(i);
    QStringList jetzt;
    for (const std::string& k : modell_.Kategorieauswahl()) jetzt << QString::fromStdString(k);
    if (gezeigt != jetzt) KategorienFuellen();
}

void TStatistikchart::Neuzeichnen() {
    diagramm_->Fuellen(modell_);
    KnoepfeAnpassen();
}

void TStatistikchart::OptionenZeigen() {
    Statistikoptionen o = modell_.Optionen();
    {
        TStatistikoptionen dialog(o, haupt_.Kern().Ablage(), haupt_.Dialogdienst(), this);
        optionenZeigen(dialog);
    }
    modell_.OptionenSetzen(o);
    Neuzeichnen();
}

int TStatistikchart::Druckauftrag(Drucker& drucker, Druckstatus& status) {
    return StatistikDrucken(
        drucker, modell_.Optionen(), modell_.Titel(), status,
        [this](Leinwand& l, const Rechteck& r) {
            // Qt Charts draws only with a QPainter; every printer of the program has one.
            auto* qt = dynamic_cast<QtLeinwand*>(&l);
            if (!qt) return;
            QPainter& p = qt->Maler();
            // A chart of its own, laid out at screen resolution in the paper's proportions
            // and scaled onto it, so that text keeps its size relative to the page.
            const double dpiX = p.device()->logicalDpiX();
            const double dpiY = p.device()->logicalDpiY();
            const QSizeF groesse(r.Breite() * 96.0 / dpiX, r.Hoehe() * 96.0 / dpiY);
            QGraphicsScene szene;
            auto* d = new TStatistikdiagramm;
            szene.addItem(d);
            d->setGeometry(QRectF(QPointF(0, 0), groesse));
            d->Fuellen(modell_);
            // Twice: the first layout makes room for the labels, the second fills it.
            for (int i = 0; i < 2; ++i) {
                if (d->layout()) d->layout()->activate();
                QCoreApplication::sendPostedEvents();
            }
            p.save();
            szene.render(&p, QRectF(r.links, r.oben, r.Breite(), r.Hoehe()),
                         QRectF(QPointF(0, 0), groesse), Qt::IgnoreAspectRatio);
            p.restore();
        });
}

void TStatistikchart::Drucken() {
    haupt_.Druckfenster().AuftragDrucken(
        [this](Drucker& d, Druckstatus& s, bool) { return Druckauftrag(d, s); });
}

bool TStatistikchart::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        Aktivieren();
        Neuzeichnen();
    }
    return QDialog::event(e);
}

void TStatistikchart::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F5) {
        QAction* a = haupt_.Aktion(QString::fromLatin1(befehl::Aktualisieren));
        if (a && a->isVisible() && a->isEnabled()) {
            a->trigger();
            Aktivieren();
            Neuzeichnen();
        }
        return;
    }
    if (e->key() == Qt::Key_F1) {
        if (hilfe) hilfe(StatistikHilfethema);
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    if (e->text() == QLatin1String("-")) {
        if (zurueck_->isEnabled()) Blaettern(-1);
        return;
    }
    if (e->text() == QLatin1String("+")) {
        if (vor_->isEnabled()) Blaettern(1);
        return;
    }
    QDialog::keyPressEvent(e);
}

void StatistikZeigen(TForm1& haupt, Statistikart art) {
    TStatistikchart fenster(haupt, art);
    fenster.hilfe = HilfeAufrufen;
    fenster.Zeigen();
}

}  // namespace kalvora
