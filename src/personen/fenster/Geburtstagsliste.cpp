#include "personen/fenster/Geburtstagsliste.h"

#include <QActionGroup>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScreen>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "main/fenster/Hilfefenster.h"
#include "main/Anwendungskern.h"
#include "personen/fenster/Geburtstag.h"
#include "platform/qt/Leistenknopf.h"

namespace kalvora {
namespace {

constexpr int kSpaltenbreiten[] = {202, 191, 95, 91};

}  // namespace

TForm15::TForm15(Anwendungskern& kern, QWidget* parent) : QDialog(parent), kern_(kern) {
    setObjectName(QStringLiteral("Form15"));
    setWindowTitle(QStringLiteral("Geburtstagsliste"));
    setModal(true);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto* leiste = new QToolBar(this);
    leiste->setObjectName(QStringLiteral("ToolBar1"));
    leiste->setIconSize(QSize(16, 16));
    const auto knopf = [leiste](int nummer, const char* hinweis, const char* symbol,
                                const char* thema) {
        return Leistenknopf(leiste, nummer, hinweis, symbol, thema);
    };
    neu_ = knopf(1, "Neuer Eintrag", "neu", "list-add");
    aendern_ = knopf(2, "Eintrag ändern", "eintrag-aendern", "document-edit");
    loeschen_ = knopf(3, "Eintrag löschen", "eintrag-loeschen", "list-remove");
    druck_ = knopf(4, "Liste drucken", "drucken", "document-print");
    leiste->addSeparator();
    auf_ = knopf(9, "aufsteigend sortieren", "aufsteigend", "view-sort-ascending");
    ab_ = knopf(10, "absteigend sortieren", "absteigend", "view-sort-descending");
    for (QToolButton* k : {auf_, ab_}) {
        k->setCheckable(true);
        k->setAutoExclusive(true);
    }
    auf_->setChecked(true);
    kriterium_ = new QComboBox(leiste);
    kriterium_->setObjectName(QStringLiteral("ComboBox1"));
    kriterium_->setToolTip(QStringLiteral("Sortierkriterium"));
    kriterium_->addItems({QStringLiteral("Name"), QStringLiteral("Vorname"),
                          QStringLiteral("Geburtsdatum"), QStringLiteral("Geburtstag"),
                          QStringLiteral("Namenstag")});
    leiste->addWidget(kriterium_);
    leiste->addSeparator();
    QToolButton* hilfe = knopf(5, "Hilfe", "hilfe", "help-contents");
    connect(hilfe, &QToolButton::clicked, this, [] { HilfeAufrufen(108); });
    schliessen_ = knopf(6, "Fenster schließen (Esc)", "schliessen", "window-close");
    spalte->addWidget(leiste);

    raster_ = new QTableWidget(this);
    raster_->setObjectName(QStringLiteral("StringGrid1"));
    raster_->setColumnCount(4);
    raster_->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Vorname"),
                                        QStringLiteral("Geburtsdatum"),
                                        QStringLiteral("Namenstag")});
    for (int s = 0; s < 4; ++s) raster_->setColumnWidth(s, kSpaltenbreiten[s]);
    raster_->setSelectionBehavior(QAbstractItemView::SelectRows);
    raster_->setSelectionMode(QAbstractItemView::SingleSelection);
    raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    raster_->verticalHeader()->hide();
    spalte->addWidget(raster_, 1);
    resize(202 + 191 + 95 + 91 + 24, 279);

    dialog_ = new TForm16(this);
    kern_.Kalender().Anmelden(*this);
    connect(neu_, &QToolButton::clicked, this, &TForm15::NeuerEintrag);
    connect(aendern_, &QToolButton::clicked, this, &TForm15::EintragAendern);
    connect(loeschen_, &QToolButton::clicked, this, &TForm15::EintragLoeschen);
    connect(schliessen_, &QToolButton::clicked, this, &QDialog::accept);
    connect(druck_, &QToolButton::clicked, this, [this] {
        if (drucken && !kern_.Sitzung().schreibgeschuetzt() && !Liste().empty()) drucken();
    });
    connect(auf_, &QToolButton::clicked, this, &TForm15::Sortieren);
    connect(ab_, &QToolButton::clicked, this, &TForm15::Sortieren);
    connect(kriterium_, &QComboBox::currentIndexChanged, this, &TForm15::Sortieren);
    connect(raster_, &QTableWidget::itemSelectionChanged, this, [this] {
        KnoepfeZeigen(KnoepfeNachAuswahl(Liste(), GewaehlteZeile(),
                                         kern_.Sitzung().schreibgeschuetzt()));
    });
    connect(raster_, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        if (kern_.Sitzung().schreibgeschuetzt()) return;
        const QTableWidgetItem* vorname = raster_->item(zeile, 1);
        if (vorname && !vorname->text().isEmpty())
            EintragAendern();
        else
            NeuerEintrag();
    });
}

std::vector<TGeburtstag>& TForm15::Liste() { return kern_.Kalender().Geburtstagsliste; }

TForm15::~TForm15() { kern_.Kalender().Abmelden(*this); }

void TForm15::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F5) {
        // The reloaded document reaches the grid as a subscriber.
        if (aktualisieren) aktualisieren();
        return;
    }
    QDialog::keyPressEvent(e);  // Escape closes
}

QToolButton* TForm15::Knopf(int nummer) const {
    switch (nummer) {
        case 1: return neu_;
        case 2: return aendern_;
        case 3: return loeschen_;
        case 4: return druck_;
        case 6: return schliessen_;
        case 9: return auf_;
        case 10: return ab_;
        default: return nullptr;
    }
}

void TForm15::Oeffnen() {
    Sortieren();
    HoeheAnpassen();
    exec();
}

void TForm15::Sortieren() {
    std::vector<TGeburtstag> liste = Liste();
    GeburtstagslisteSortieren(liste, static_cast<Sortierkriterium>(kriterium_->currentIndex()),
                              auf_->isChecked());
    if (liste != Liste()) kern_.GeburtstagslisteSetzen(std::move(liste), false);
    Fuellen();
}

void TForm15::Fuellen() {
    const std::vector<Listenzeile> zeilen = Listenzeilen(Liste());
    raster_->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < static_cast<int>(zeilen.size()); ++r) {
        const Listenzeile& z = zeilen[static_cast<std::size_t>(r)];
        const std::string* zellen[4] = {&z.name, &z.vorname, &z.geburtsdatum, &z.namenstag};
        for (int s = 0; s < 4; ++s)
            raster_->setItem(r, s, new QTableWidgetItem(QString::fromStdString(*zellen[s])));
    }
    KnoepfeZeigen(KnoepfeNachFuellen(Liste(), kern_.Sitzung().schreibgeschuetzt()));
}

void TForm15::KnoepfeZeigen(const Listenknoepfe& k) {
    neu_->setEnabled(k.neu);
    aendern_->setEnabled(k.aendern);
    loeschen_->setEnabled(k.loeschen);
    druck_->setEnabled(k.drucken);
}

void TForm15::HoeheAnpassen() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const int bildschirm = s ? s->geometry().height() : 768;
    const int h = Listenfensterhoehe(static_cast<int>(Liste().size()),
                                     raster_->verticalHeader()->defaultSectionSize() + 1,
                                     bildschirm);
    resize(width(), h);
    if (s) move(s->geometry().center() - rect().center());
}

int TForm15::GewaehlteZeile() const {
    const QList<QTableWidgetItem*> gewaehlt = raster_->selectedItems();
    return gewaehlt.isEmpty() ? raster_->currentRow() : gewaehlt.front()->row();
}

void TForm15::NeuerEintrag() {
    if (kern_.Sitzung().schreibgeschuetzt()) return;
    dialog_->Vorbereiten(TForm16::Art::Neu, {}, HeutigesDatum(kern_.Zeitgeber()));
    if (dialog_->exec() != QDialog::Accepted) return;
    const std::optional<TGeburtstag> e = dialog_->Ergebnis();
    if (!e) return;  // a name is missing: dropped without a message
    std::vector<TGeburtstag> liste = Liste();
    liste.push_back(*e);
    kern_.GeburtstagslisteSetzen(std::move(liste), true);
    Sortieren();
    HoeheAnpassen();
}

void TForm15::EintragAendern() {
    const int r = GewaehlteZeile();
    if (kern_.Sitzung().schreibgeschuetzt() || r < 0 || r >= static_cast<int>(Liste().size()))
        return;
    dialog_->Vorbereiten(TForm16::Art::Aendern, Liste()[static_cast<std::size_t>(r)],
                         HeutigesDatum(kern_.Zeitgeber()));
    if (dialog_->exec() != QDialog::Accepted) return;
    const std::optional<TGeburtstag> e = dialog_->Ergebnis();
    if (!e) return;
    std::vector<TGeburtstag> liste = Liste();
    liste[static_cast<std::size_t>(r)] = *e;
    kern_.GeburtstagslisteSetzen(std::move(liste), true);
    Sortieren();
}

void TForm15::EintragLoeschen() {
    const int r = GewaehlteZeile();
    if (kern_.Sitzung().schreibgeschuetzt() || r < 0 || r >= static_cast<int>(Liste().size()))
        return;
    dialog_->Vorbereiten(TForm16::Art::Loeschen, Liste()[static_cast<std::size_t>(r)],
                         HeutigesDatum(kern_.Zeitgeber()));
    const bool ja = dialog_->exec() == QDialog::Accepted;
    // The dialog's controls are usable again for the next entry.
    dialog_->Vorbereiten(TForm16::Art::Neu, {}, HeutigesDatum(kern_.Zeitgeber()));
    if (!ja) return;
    std::vector<TGeburtstag> liste = Liste();
    liste.erase(liste.begin() + r);
    kern_.GeburtstagslisteSetzen(std::move(liste), true);
    Fuellen();
    HoeheAnpassen();
}

}  // namespace kalvora
