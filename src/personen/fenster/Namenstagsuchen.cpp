#include "personen/fenster/Namenstagsuchen.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "main/fenster/Hilfefenster.h"
#include "personen/Namenstagskatalog.h"
#include "personen/Namenstagsuche.h"
#include "platform/Dialoge.h"
#include "platform/qt/Leistenknopf.h"

namespace kalvora {

TForm21::TForm21(std::vector<std::string> ordner, Dialoge& dialoge, QWidget* parent)
    : QDialog(parent), ordner_(std::move(ordner)), dialoge_(dialoge) {
    setObjectName(QStringLiteral("Form21"));
    setWindowTitle(QStringLiteral("Suchen nach Namenstagen"));
    setModal(true);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto* leiste = new QToolBar(this);
    leiste->setIconSize(QSize(16, 16));
    leiste->addWidget(new QLabel(QStringLiteral("   Suchen nach:   "), leiste));
    feld_ = new QLineEdit(leiste);
    feld_->setObjectName(QStringLiteral("Edit1"));
    feld_->setToolTip(QStringLiteral("Geben Sie hier einen Text ein"));
    feld_->setFixedWidth(180);
    leiste->addWidget(feld_);
    suchen_ = Leistenknopf(leiste, 3, "Suche starten", "suchen", "edit-find");
    QToolButton* hilfe = Leistenknopf(leiste, 2, "Hilfe", "hilfe", "help-contents");
    connect(hilfe, &QToolButton::clicked, this, [] { HilfeAufrufen(110); });
    schliessen_ = Leistenknopf(leiste, 1, "Fenster schließen (Esc)", "schliessen", "window-close");
    spalte->addWidget(leiste);

    raster_ = new QTableWidget(1, 2, this);
    raster_->setObjectName(QStringLiteral("StringGrid1"));
    raster_->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Namen")});
    raster_->setColumnWidth(0, 64);
    raster_->setColumnWidth(1, 331);
    raster_->setSelectionBehavior(QAbstractItemView::SelectRows);
    raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    raster_->verticalHeader()->hide();
    spalte->addWidget(raster_, 1);
    auto* leiste2 = new QStatusBar(this);
    status_ = new QLabel(leiste2);
    status_->setObjectName(QStringLiteral("StatusPanel0"));
    leiste2->addWidget(status_, 1);
    spalte->addWidget(leiste2);
    resize(64 + 331 + 24, 269);

    connect(feld_, &QLineEdit::returnPressed, this, &TForm21::Suchen);
    connect(suchen_, &QToolButton::clicked, this, &TForm21::Suchen);
    connect(schliessen_, &QToolButton::clicked, this, &QDialog::accept);
    connect(raster_, &QTableWidget::cellDoubleClicked, this, [this](int zeile, int) {
        if (!gewaehlt_) return;  // the normal mode only shows
        const QTableWidgetItem* datum = raster_->item(zeile, 0);
        if (!datum || datum->text().size() < 6) return;
        const int tag = datum->text().left(2).toInt();
        const int monat = datum->text().mid(3, 2).toInt();
        gewaehlt_(tag, monat);
        accept();
    });
}

void TForm21::Suchen() {
    raster_->setRowCount(1);
    raster_->clearContents();
    Katalogladung l = NamenstageLaden(ordner_);
    if (l.fehlerhaft) dialoge_.Meldung(kFehlerhafteDatei, Meldungsart::Warnung, Knoepfe::Ok);
    const auto treffer = NamenstageSuchen(l.katalog, feld_->text().toStdString());
    // The results, then one empty row.
    raster_->setRowCount(static_cast<int>(treffer.size()) + 1);
    for (int r = 0; r < static_cast<int>(treffer.size()); ++r) {
        const Namenstreffer& t = treffer[static_cast<std::size_t>(r)];
        const QString datum = QString::fromStdString(Trefferdatum(t.tag, t.monat));
        raster_->setItem(r, 0, new QTableWidgetItem(datum));
        raster_->setItem(r, 1, new QTableWidgetItem(QString::fromStdString(t.name)));
    }
    status_->setText(QString::fromStdString(Suchstatus(treffer.size())));
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const int bildschirm = s ? s->geometry().height() : 768;
    resize(width(), Suchfensterhoehe(raster_->rowCount() + 1,
                                     raster_->verticalHeader()->defaultSectionSize(), bildschirm));
    // Centred both ways: the search runs before the window is shown, so it has no place of
    // its own yet.
    if (s) move(s->geometry().center() - QPoint(width() / 2, height() / 2));
}

void TForm21::Zeigen() {
    gewaehlt_ = {};
    status_->clear();
    feld_->setFocus();
    exec();
}

void TForm21::Vorschlagen(const std::string& vorname,
                          std::function<void(int tag, int monat)> gewaehlt) {
    gewaehlt_ = std::move(gewaehlt);
    feld_->setText(QString::fromStdString(vorname));
    Suchen();
    feld_->setFocus();
    exec();
    gewaehlt_ = {};
}

}  // namespace kalvora
