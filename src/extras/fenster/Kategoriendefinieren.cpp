#include "extras/fenster/Kategoriendefinieren.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include "termine/fenster/Eingabefilter.h"

namespace kalvora {

namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

// The cell editor: '#' and what the file cannot hold never get in, and every key that
// changes the text is reported at once, so that a new empty row appears while typing.
class Zelleneditor : public QStyledItemDelegate {
public:
    explicit Zelleneditor(TKategorienDefinieren& dialog)
        : QStyledItemDelegate(&dialog), dialog_(dialog) {}
    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        auto* e = new QLineEdit(eltern);
        e->setFrame(false);
        e->setValidator(new Eingabevalidator(e));
        const int zeile = index.row() + 1;
        QObject::connect(e, &QLineEdit::textEdited, e,
                         [this, zeile](const QString& t) { dialog_.Eingabe(zeile, t); });
        return e;
    }

private:
    TKategorienDefinieren& dialog_;
};

}  // namespace

TKategorienDefinieren::TKategorienDefinieren(Anwendungskern& kern, Listenart art,
                                             QWidget* parent)
    : QDialog(parent),
      modell_(kern.Kalender(), art, kern.Sitzung().schreibgeschuetzt()) {
    const Listentexte& t = TexteDerListe(art);
    setObjectName(art == Listenart::Kategorien ? "Kategorien" : "Links");
    setWindowTitle(Q(t.titel));
    setModal(true);
    setFixedSize(361, 495);
    beschriftung_ = new QLabel(Q(t.beschriftung), this);
    beschriftung_->setGeometry(8, 8, 345, 18);
    raster_ = new QTableWidget(0, 2, this);
    raster_->setObjectName("Raster");
    raster_->setGeometry(8, 30, 345, 420);
    raster_->setHorizontalHeaderLabels({QString(), Q(t.spaltenkopf)});
    raster_->verticalHeader()->hide();
    raster_->verticalHeader()->setDefaultSectionSize(22);
    raster_->horizontalHeader()->setFixedHeight(22);
    raster_->setColumnWidth(0, 30);
    raster_->setColumnWidth(1, 270);
    raster_->horizontalHeader()->setStretchLastSection(true);
    raster_->setItemDelegateForColumn(1, new Zelleneditor(*this));
    raster_->setSelectionMode(QAbstractItemView::SingleSelection);
    raster_->setEditTriggers(modell_.Bearbeitbar()
                                 ? QAbstractItemView::AllEditTriggers
                                 : QAbstractItemView::NoEditTriggers);
    ok_ = new QPushButton(Q(listentexte::Ok), this);
    ok_->setObjectName("Ok");
    ok_->setDefault(true);
    ok_->setGeometry(96, 460, 80, 26);
    abbruch_ = new QPushButton(Q(listentexte::Abbruch), this);
    abbruch_->setObjectName("Abbruch");
    abbruch_->setGeometry(186, 460, 80, 26);
    connect(ok_, &QPushButton::clicked, this, [this] {
        modell_.Ok();
        accept();
    });
    connect(abbruch_, &QPushButton::clicked, this, &QDialog::reject);
    ZeilenZeigen();
    raster_->setCurrentCell(0, 1);
}

void TKategorienDefinieren::ZeilenZeigen(int bearbeitet) {
    const auto& zeilen = modell_.Zeilen();
    const int alt = raster_->rowCount();
    raster_->setRowCount(static_cast<int>(zeilen.size()));
    for (int r = 0; r < raster_->rowCount(); ++r) {
        if (r >= alt) {
            auto* nummer = new QTableWidgetItem(QString::number(r + 1));
            nummer->setFlags(Qt::ItemIsEnabled);
            nummer->setTextAlignment(Qt::AlignCenter);
            nummer->setBackground(palette().button());
            raster_->setItem(r, 0, nummer);
            raster_->setItem(r, 1, new QTableWidgetItem());
        }
        const QString text = QString::fromStdString(zeilen[static_cast<std::size_t>(r)]);
        // The row being typed in keeps its editor undisturbed; it hands its text in itself.
        if (r + 1 != bearbeitet && raster_->item(r, 1)->text() != text)
            raster_->item(r, 1)->setText(text);
    }
}

void TKategorienDefinieren::Eingabe(int zeile, const QString& text) {
    modell_.Eingabe(zeile, Bereinigt(text).toStdString());
    ZeilenZeigen(zeile);
}

}  // namespace kalvora
