#include "adressbuch/fenster/AdressbuchOptionen.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include "adressbuch/Adressgruppen.h"
#include "methoden/Systemfehler.h"
#include "platform/Dialoge.h"

namespace kalvora {
namespace {

const char* const kSpalten[17] = {"Anrede",  "Name",     "Vorname",     "Straße",
                                  "Postfach", "PLZ",     "Ort",         "Land",
                                  "Tel. privat", "Tel. geschäftlich", "Handy",
                                  "E-Mail Adresse", "Homepage", "Faxnr.", "ICQ-Nr.",
                                  "Titel",   "sonstiges"};

QGroupBox* Rahmen(const char* titel, QWidget* eltern) {
    return new QGroupBox(QString::fromUtf8(titel), eltern);
}

}  // namespace

TForm25::TForm25(Adressoptionen& optionen, Registry& registry, Dialoge& dialoge,
                 Dateischreiber schreiben, QWidget* parent)
    : QDialog(parent),
      o_(optionen),
      registry_(registry),
      dialoge_(dialoge),
      schreiben_(std::move(schreiben)) {
    setObjectName(QStringLiteral("Form25"));
    setWindowTitle(QStringLiteral("Adressbuch Optionen"));
    seiten_ = new QTabWidget(this);

    // Anzeige
    auto* anzeige = new QWidget;
    auto* spaltenRahmen = Rahmen("Anzeige folgender Spalten", anzeige);
    auto* spaltenRaster = new QGridLayout(spaltenRahmen);
    for (int n = 0; n < 17; ++n) {
        auto* box = new QCheckBox(QString::fromUtf8(kSpalten[n]), spaltenRahmen);
        spalten_[static_cast<std::size_t>(n)] = box;
        spaltenRaster->addWidget(box, n % 6, n / 6);
        connect(box, &QCheckBox::toggled, this, &TForm25::Geaendert);
    }
    (new QVBoxLayout(anzeige))->addWidget(spaltenRahmen);
    seiten_->addTab(anzeige, QStringLiteral("Anzeige"));

    // E-Mail
    auto* mail = new QWidget;
    auto* mailRahmen = Rahmen("Erstellen von E-Mails", mail);
    auto* mailLayout = new QVBoxLayout(mailRahmen);
    auto* hinweis = new QLabel(QStringLiteral("<b>Hinweis:</b> Wenn Sie mehrere Adressen "
                                              "eintragen, trennen Sie diese durch Semikolons."),
                               mailRahmen);
    hinweis->setWordWrap(true);
    eineAdresse_ = new QCheckBox(QStringLiteral("bei mehreren Adressen nur die erste übergeben"),
                                 mailRahmen);
    connect(eineAdresse_, &QCheckBox::toggled, this, &TForm25::Geaendert);
    mailLayout->addWidget(hinweis);
    mailLayout->addWidget(eineAdresse_);
    mailLayout->addStretch();
    (new QVBoxLayout(mail))->addWidget(mailRahmen);
    seiten_->addTab(mail, QStringLiteral("E-Mail"));

    // Drucken
    auto* druck = new QWidget;
    auto* druckRahmen = Rahmen("Druckeigenschaften", druck);
    auto* druckRaster = new QGridLayout(druckRahmen);
    druckRaster->addWidget(new QLabel(QStringLiteral("Ränder:"), druckRahmen), 0, 0);
    const char* randnamen[4] = {"links:", "rechts:", "oben:", "unten:"};
    for (int i = 0; i < 4; ++i) {
        auto* feld = new QLineEdit(druckRahmen);
        feld->setMaximumWidth(70);
        raender_[static_cast<std::size_t>(i)] = feld;
        druckRaster->addWidget(new QLabel(QString::fromLatin1(randnamen[i]), druckRahmen),
                               1 + i, 0);
        druckRaster->addWidget(feld, 1 + i, 1);
        druckRaster->addWidget(new QLabel(QStringLiteral("cm"), druckRahmen), 1 + i, 2);
        connect(feld, &QLineEdit::textChanged, this, &TForm25::Geaendert);
    }
    faktor_ = new QLineEdit(druckRahmen);
    faktor_->setMaximumWidth(70);
    connect(faktor_, &QLineEdit::textChanged, this, &TForm25::Geaendert);
    druckRaster->addWidget(new QLabel(QStringLiteral("Vergrößerungsfaktor für Zeilenhöhe:"),
                                      druckRahmen),
                           5, 0, 1, 2);
    druckRaster->addWidget(faktor_, 5, 2);
    gitter_ = new QCheckBox(QStringLiteral("Liste mit Gitter"), druckRahmen);
    anpassen_ = new QCheckBox(QStringLiteral("an Seitenbreite anpassen"), druckRahmen);
    hoch_ = new QRadioButton(QStringLiteral("Hochformat"), druckRahmen);
    quer_ = new QRadioButton(QStringLiteral("Querformat"), druckRahmen);
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{gitter_, anpassen_, hoch_,
                                                                      quer_})
        connect(b, &QAbstractButton::clicked, this, &TForm25::Geaendert);
    druckRaster->addWidget(gitter_, 0, 4);
    druckRaster->addWidget(anpassen_, 1, 4);
    druckRaster->addWidget(hoch_, 2, 4);
    druckRaster->addWidget(quer_, 3, 4);
    auto* schriftKnopf = new QPushButton(QStringLiteral("Schriftart"), druckRahmen);
    beispiel_ = new QLabel(QStringLiteral("Beispieltext"), druckRahmen);
    beispiel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    beispiel_->setAlignment(Qt::AlignCenter);
    beispiel_->setMinimumSize(160, 40);
    druckRaster->addWidget(schriftKnopf, 4, 4);
    druckRaster->addWidget(beispiel_, 5, 4);
    druckRaster->setColumnStretch(3, 1);
    connect(schriftKnopf, &QPushButton::clicked, this, [this] {
        Schrift s;
        s.name = beispiel_->font().family().toStdString();
        s.groesse = beispiel_->font().pointSize();
        const auto neu = dialoge_.Schriftart(s);
        if (!neu) return;
        QFont f(QString::fromStdString(neu->name));
        f.setPointSize(neu->groesse > 0 ? neu->groesse : 10);
        beispiel_->setFont(f);
        Geaendert();
    });
    (new QVBoxLayout(druck))->addWidget(druckRahmen);
    seiten_->addTab(druck, QStringLiteral("Drucken"));

    // Ordner
    auto* ordnerSeite = new QWidget;
    auto* ordnerRahmen = Rahmen("Ordner für Ihre Adressdateien", ordnerSeite);
    auto* ordnerLayout = new QVBoxLayout(ordnerRahmen);
    modell_ = new QFileSystemModel(this);
    modell_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    modell_->setRootPath(QStringLiteral("/"));
    baum_ = new QTreeView(ordnerRahmen);
    baum_->setModel(modell_);
    for (int c = 1; c < modell_->columnCount(); ++c) baum_->hideColumn(c);
    baum_->header()->hide();
    baum_->setMinimumHeight(180);
    connect(baum_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (fuellt_ || !i.isValid()) return;
                ordner_ = modell_->filePath(i);
                Geaendert();
            });
    ordnerLayout->addWidget(baum_);
    auto* dateienRahmen = Rahmen("Dateien", ordnerRahmen);
    auto* dateienLayout = new QHBoxLayout(dateienRahmen);
    const char* modi[3] = {"fix", "kopieren", "verschieben"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(modi[i]), dateienRahmen);
        dateien_[static_cast<std::size_t>(i)] = r;
        dateienLayout->addWidget(r);
        connect(r, &QRadioButton::clicked, this, &TForm25::Geaendert);
    }
    ordnerLayout->addWidget(dateienRahmen);
    (new QVBoxLayout(ordnerSeite))->addWidget(ordnerRahmen);
    seiten_->addTab(ordnerSeite, QStringLiteral("Ordner"));

    // Ansicht
    auto* ansicht = new QWidget;
    auto* gruppenRahmen = Rahmen("Gruppen", ansicht);
    auto* gruppenLayout = new QVBoxLayout(gruppenRahmen);
    gesamt_ = new QCheckBox(QStringLiteral("Gesamtliste aller Gruppeneinträge anzeigen"),
                            gruppenRahmen);
    papierkorb_ = new QCheckBox(QStringLiteral("Beim Löschen in den Papierkorb verschieben"),
                                gruppenRahmen);
    gruppenLayout->addWidget(gesamt_);
    gruppenLayout->addWidget(papierkorb_);
    connect(gesamt_, &QCheckBox::clicked, this, &TForm25::Geaendert);
    connect(papierkorb_, &QCheckBox::clicked, this, &TForm25::Geaendert);
    auto* tabellenRahmen = Rahmen("Tabellen", ansicht);
    auto* tabellenLayout = new QFormLayout(tabellenRahmen);
    zeilenhoehe_ = new QSpinBox(tabellenRahmen);
    zeilenhoehe_->setRange(10, 99);
    connect(zeilenhoehe_, &QSpinBox::valueChanged, this, &TForm25::Geaendert);
    tabellenLayout->addRow(QStringLiteral("Zeilenhöhe in Pixel:"), zeilenhoehe_);
    auto* ansichtLayout = new QVBoxLayout(ansicht);
    ansichtLayout->addWidget(gruppenRahmen);
    ansichtLayout->addWidget(tabellenRahmen);
    ansichtLayout->addStretch();
    seiten_->addTab(ansicht, QStringLiteral("Ansicht"));

    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    uebernehmen_ = new QPushButton(QStringLiteral("Übernehmen"), this);
    connect(ok_, &QPushButton::clicked, this, &TForm25::accept);
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    connect(uebernehmen_, &QPushButton::clicked, this, [this] {
        uebernehmen_->setEnabled(false);
        Uebernehmen();
        ok_->setFocus();
    });
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok_);
    knoepfe->addWidget(abbruch);
    knoepfe->addWidget(uebernehmen_);
    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(seiten_);
    aussen->addLayout(knoepfe);
    Fuellen();
}

void TForm25::Fuellen() {
    fuellt_ = true;
    const QLocale ort;
    for (int n = 0; n < 17; ++n) Spalte(n)->setChecked(o_.spalte[static_cast<std::size_t>(n)]);
    eineAdresse_->setChecked(o_.eineAdresse);
    const double raender[4] = {o_.links, o_.rechts, o_.oben, o_.unten};
    for (int i = 0; i < 4; ++i) Rand(i)->setText(ort.toString(raender[i]));
    faktor_->setText(ort.toString(o_.factor));
    gitter_->setChecked(o_.gitter);
    anpassen_->setChecked(o_.breiteAnpassen);
    quer_->setChecked(o_.querformat);
    hoch_->setChecked(!o_.querformat);
    QFont f(QString::fromStdString(o_.fontName));
    f.setPointSize(o_.fontSize);
    beispiel_->setFont(f);
    OrdnerWaehlen(QString::fromStdString(o_.verzeichnis));
    Dateien(std::clamp(o_.dateienFix, 0, 2))->setChecked(true);
    gesamt_->setChecked(o_.gesamtliste);
    papierkorb_->setChecked(o_.papierkorb);
    zeilenhoehe_->setValue(o_.zeilenhoehe);
    uebernehmen_->setEnabled(false);
    fuellt_ = false;
}

void TForm25::OrdnerWaehlen(const QString& pfad) {
    const bool vorher = fuellt_;
    fuellt_ = true;
    ordner_ = pfad;
    const QModelIndex i = modell_->index(pfad);
    if (i.isValid()) {
        baum_->setCurrentIndex(i);
        baum_->scrollTo(i);
    }
    fuellt_ = vorher;
    if (!fuellt_) Geaendert();
}

void TForm25::Geaendert() {
    if (!fuellt_) uebernehmen_->setEnabled(true);
}

void TForm25::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Fuellen();
    ok_->setFocus();
}

bool TForm25::Uebernehmen() {
    for (int n = 0; n < 17; ++n) o_.spalte[static_cast<std::size_t>(n)] = Spalte(n)->isChecked();
    o_.eineAdresse = eineAdresse_->isChecked();
    o_.querformat = quer_->isChecked();
    o_.gitter = gitter_->isChecked();
    o_.breiteAnpassen = anpassen_->isChecked();
    const QLocale ort;
    double* ziele[5] = {&o_.links, &o_.rechts, &o_.oben, &o_.unten, &o_.factor};
    QLineEdit* felder[5] = {Rand(0), Rand(1), Rand(2), Rand(3), faktor_};
    for (int i = 0; i < 5; ++i) {
        bool ok = false;
        const double w = ort.toDouble(felder[i]->text().trimmed(), &ok);
        if (!ok) {
            dialoge_.Meldung("'" + felder[i]->text().toStdString() +
                                 "' ist kein gültiger Gleitkommawert",
                             Meldungsart::Fehler);
            felder[i]->setFocus();
            return false;
        }
        *ziele[i] = w;
    }
    o_.fontName = beispiel_->font().family().toStdString();
    o_.fontSize = beispiel_->font().pointSize();
    for (int i = 0; i < 3; ++i)
        if (Dateien(i)->isChecked()) o_.dateienFix = i;
    o_.gesamtliste = gesamt_->isChecked();
    o_.zeilenhoehe = zeilenhoehe_->value();
    o_.papierkorb = papierkorb_->isChecked();
    const std::string neu = ordner_.toStdString();
    if (!neu.empty() && neu != o_.verzeichnis) {
        if (!o_.verzeichnis.empty())
            GruppendateienMitnehmen(o_.verzeichnis, neu, static_cast<Dateienmodus>(o_.dateienFix),
                                    schreiben_);
        o_.verzeichnis = neu;
    }
    try {
        AdressoptionenSpeichern(registry_, o_);
    } catch (const std::exception& f) {
        dialoge_.Meldung(Fehlertext(f), Meldungsart::Fehler);
        return false;
    }
    return true;
}

void TForm25::accept() {
    if (Uebernehmen()) QDialog::accept();
}

}  // namespace kalvora
