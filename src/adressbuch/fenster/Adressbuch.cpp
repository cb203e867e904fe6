#include "adressbuch/fenster/Adressbuch.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "adressbuch/AdressXml.h"
#include "adressbuch/Adressdruck.h"
#include "adressbuch/Adresseditor.h"
#include "adressbuch/Adressmail.h"
#include "adressbuch/Homepage.h"
#include "adressbuch/fenster/AdressbuchOptionen.h"
#include "adressbuch/fenster/Adressbucheintrag.h"
#include "adressbuch/fenster/Serienmail.h"
#include "kalender/XmlExport.h"
#include "main/Anwendungskern.h"
#include "main/fenster/Main.h"
#include "main/fenster/XmlExportdialog.h"
#include "methoden/Systemfehler.h"
#include "platform/Shell.h"
#include "platform/qt/QtDaten.h"
#include "termine/fenster/Drucksteuerung.h"

namespace kalvora {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The small dialog "Adresse kopieren": the target group from a drop-down list.
std::optional<int> KopierzielFragen(const QStringList& gruppen, QWidget* eltern) {
    QDialog d(eltern);
    d.setWindowTitle(QString::fromUtf8(editortexte::KopierenTitel));
    auto* liste = new QComboBox(&d);
    liste->addItems(gruppen);
    liste->setMaxVisibleItems(20);
    auto* ok = new QPushButton(QStringLiteral("Adresse kopieren"), &d);
    ok->setDefault(true);
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"), &d);
    QObject::connect(ok, &QPushButton::clicked, &d, &QDialog::accept);
    QObject::connect(abbruch, &QPushButton::clicked, &d, &QDialog::reject);
    auto* layout = new QVBoxLayout(&d);
    layout->addWidget(new QLabel(QString::fromUtf8(editortexte::KopierenNach), &d));
    layout->addWidget(liste);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbruch);
    layout->addLayout(knoepfe);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return liste->currentIndex();
}

}  // namespace

QString TForm22::StandardOrdner() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/Adressbuch");
}

TForm22::TForm22(TForm1& haupt, const std::string& gruppendatei)
    : QDialog(&haupt), haupt_(haupt) {
    setObjectName(QStringLiteral("Form22"));
    setWindowTitle(QStringLiteral("Adressbuch"));
    setMinimumSize(650, 200);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    if (!gruppendatei.empty()) {
        startDatei_ = QFileInfo(Q(gruppendatei)).absoluteFilePath();
        ordner_ = QFileInfo(startDatei_).absolutePath();
        ordnerFest_ = true;
    }
    exportdialogZeigen = [](TXmlExportdialog& d) { return d.exec() == QDialog::Accepted; };
    kopierzielWaehlen = [this](const QStringList& g) { return KopierzielFragen(g, this); };
    Aufbauen();
    Oeffnen(true);
}

TForm22::~TForm22() = default;

int TForm22::Zeigen() {
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

QAction* TForm22::Neu(const char* name, const QString& text, const char* symbol) {
    auto* a = new QAction(text, this);
    a->setObjectName(QString::fromLatin1(name));
    if (symbol) a->setIcon(Symbol(QString::fromLatin1(symbol), {}));
    return a;
}

QAction* TForm22::Befehl(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void TForm22::Aufbauen() {
    QAction* neueGruppe = Neu("NeueGruppe", QStringLiteral("&Neue Gruppe anlegen"), "gruppe-neu");
    QAction* umbenennen = Neu("GruppeUmbenennen", QStringLiteral("Gruppe &umbenennen"), "gruppe-umbenennen");
    QAction* loeschen = Neu("GruppeLoeschen", QStringLiteral("Gruppe &löschen"), "gruppe-loeschen");
    QAction* xml = Neu("XmlDatei", QStringLiteral("&XML-Datei"), "xml");
    QAction* drucken = Neu("Drucken", QStringLiteral("&Drucken"), "drucken");
    drucken->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    QAction* schliessen = Neu("Schliessen", QStringLiteral("&Schließen"), "schliessen");
    schliessen->setShortcut(QKeySequence(QStringLiteral("Alt+X")));
    QAction* neuerEintrag = Neu("NeuerEintrag", QStringLiteral("&Neuer Eintrag"), "eintrag-neu");
    QAction* bearbeiten = Neu("EintragBearbeiten", QStringLiteral("Eintrag &bearbeiten"), "eintrag-aendern");
    QAction* eintragLoeschen = Neu("EintragLoeschen", QStringLiteral("Eintrag &löschen"), "eintrag-loeschen");
    QAction* kopieren = Neu("EintragKopieren", QStringLiteral("Eintrag &kopieren"));
    QAction* optionen = Neu("Optionen", QStringLiteral("Optionen"), "optionen");
    QAction* email = Neu("Email", QStringLiteral("&E-Mail erstellen"));
    QAction* gruppenmail = Neu("Gruppenmail", QStringLiteral("E-Mail an &Gruppe erstellen"));
    QAction* serienmail = Neu("Serienmail", QStringLiteral("&Serien-Email erstellen"));
    QAction* homepage = Neu("Homepage", QStringLiteral("Gehe zu &Homepage"));
    QAction* hilfeAktion = Neu("Hilfe", QStringLiteral("&Hilfe"), "hilfe");
    hilfeAktion->setShortcut(QKeySequence(Qt::Key_F1));
    QAction* info = Neu("Info", QStringLiteral("&Info"));

    neueGruppe->setToolTip(QStringLiteral("Neue Gruppe anlegen"));
    umbenennen->setToolTip(QStringLiteral("Gruppe umbenennen"));
    loeschen->setToolTip(QStringLiteral("Gruppe löschen"));
    drucken->setToolTip(QStringLiteral("Druckt die aktuelle Liste"));
    schliessen->setToolTip(QStringLiteral("Fenster schließen (Esc)"));
    neuerEintrag->setToolTip(QStringLiteral("Neuer Eintrag"));
    bearbeiten->setToolTip(QStringLiteral("Eintrag bearbeiten"));
    eintragLoeschen->setToolTip(QStringLiteral("Eintrag löschen"));
    optionen->setToolTip(QStringLiteral("Optionen"));
    hilfeAktion->setToolTip(QStringLiteral("Hilfe"));

    connect(neueGruppe, &QAction::triggered, this, &TForm22::GruppeAnlegen);
    connect(umbenennen, &QAction::triggered, this, &TForm22::GruppeUmbenennen);
    connect(loeschen, &QAction::triggered, this, &TForm22::GruppeLoeschen);
    connect(xml, &QAction::triggered, this, &TForm22::XmlExportieren);
    connect(drucken, &QAction::triggered, this, &TForm22::Drucken);
    connect(schliessen, &QAction::triggered, this, &TForm22::reject);
    connect(neuerEintrag, &QAction::triggered, this, &TForm22::NeuerEintrag);
    connect(bearbeiten, &QAction::triggered, this, &TForm22::EintragBearbeiten);
    connect(eintragLoeschen, &QAction::triggered, this, &TForm22::EintragLoeschen);
    connect(kopieren, &QAction::triggered, this, &TForm22::EintragKopieren);
    connect(optionen, &QAction::triggered, this, &TForm22::OptionenZeigen);
    connect(email, &QAction::triggered, this, &TForm22::Email);
    connect(gruppenmail, &QAction::triggered, this, &TForm22::Gruppenmail);
    connect(serienmail, &QAction::triggered, this, &TForm22::Serienmail);
    connect(homepage, &QAction::triggered, this, &TForm22::Homepage);
    connect(hilfeAktion, &QAction::triggered, this, [this] {
        if (hilfe) hilfe(129);
    });
    connect(info, &QAction::triggered, this, [this] {
        haupt_.Dialogdienst().Meldung(editortexte::Info, Meldungsart::Information);
    });

    auto* menue = new QMenuBar(this);
    QMenu* datei = menue->addMenu(QStringLiteral("&Datei"));
    datei->addAction(neueGruppe);
    datei->addAction(umbenennen);
    datei->addAction(loeschen);
    datei->addSeparator();
    QMenu* exportieren = datei->addMenu(QStringLiteral("&Exportieren"));
    exportieren->setObjectName(QStringLiteral("Exportieren"));
    exportieren->addAction(xml);
    datei->addAction(drucken);
    datei->addSeparator();
    datei->addAction(schliessen);
    bearbeiten_ = menue->addMenu(QStringLiteral("&Bearbeiten"));
    bearbeiten_->addAction(neuerEintrag);
    bearbeiten_->addAction(bearbeiten);
    bearbeiten_->addAction(eintragLoeschen);
    bearbeiten_->addAction(kopieren);
    bearbeiten_->addSeparator();
    bearbeiten_->addAction(optionen);
    connect(bearbeiten_, &QMenu::aboutToShow, this, [this] {
        Befehl("EintragKopieren")->setEnabled(Befehl("EintragBearbeiten")->isEnabled());
    });
    internet_ = menue->addMenu(QStringLiteral("&Internet"));
    internet_->addAction(email);
    internet_->addAction(gruppenmail);
    internet_->addAction(serienmail);
    internet_->addAction(homepage);
    connect(internet_, &QMenu::aboutToShow, this, &TForm22::InternetFreigaben);
    QMenu* hilfeMenue = menue->addMenu(QStringLiteral("&Hilfe"));
    hilfeMenue->addAction(hilfeAktion);
    hilfeMenue->addAction(info);

    leiste_ = new QToolBar(this);
    leiste_->setIconSize(QSize(24, 24));
    for (QAction* a : {neueGruppe, umbenennen, loeschen}) leiste_->addAction(a);
    leiste_->addSeparator();
    leiste_->addAction(drucken);
    leiste_->addSeparator();
    for (QAction* a : {neuerEintrag, bearbeiten, eintragLoeschen}) leiste_->addAction(a);
    leiste_->addSeparator();
    for (QAction* a : {optionen, hilfeAktion, schliessen}) leiste_->addAction(a);

    baum_ = new QTreeWidget(this);
    baum_->setObjectName(QStringLiteral("TreeView1"));
    baum_->setHeaderHidden(true);
    baum_->setRootIsDecorated(false);
    baum_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    baum_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(baum_, &QTreeWidget::currentItemChanged, this, [this] {
        if (!fuellt_) KnotenWaehlen(baum_->indexOfTopLevelItem(baum_->currentItem()));
    });
    baumMenue_ = new QMenu(this);
    baumMenue_->addAction(QStringLiteral("Neue Gruppe anlegen"), this, &TForm22::GruppeAnlegen);
    QAction* baumUmbenennen =
        baumMenue_->addAction(QStringLiteral("Gruppe umbenennen"), this, &TForm22::GruppeUmbenennen);
    QAction* baumLoeschen =
        baumMenue_->addAction(QStringLiteral("Gruppe löschen"), this, &TForm22::GruppeLoeschen);
    connect(baum_, &QWidget::customContextMenuRequested, this,
            [this, baumUmbenennen, baumLoeschen](const QPoint& p) {
                const bool an = !gruppen_.empty() && !GesamtGewaehlt();
                baumUmbenennen->setEnabled(an);
                baumLoeschen->setEnabled(an);
                baumMenue_->popup(baum_->viewport()->mapToGlobal(p));
            });

    raster_ = new QTableWidget(this);
    raster_->setObjectName(QStringLiteral("StringGrid1"));
    raster_->setColumnCount(AnzahlAdressfelder);
    QStringList koepfe;
    for (const char* k : AdressUeberschriften()) koepfe << QString::fromUtf8(k);
    raster_->setHorizontalHeaderLabels(koepfe);
    raster_->setSelectionBehavior(QAbstractItemView::SelectRows);
    raster_->setSelectionMode(QAbstractItemView::SingleSelection);
    raster_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    raster_->verticalHeader()->hide();
    raster_->horizontalHeader()->setSectionsClickable(true);
    raster_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(raster_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TForm22::Sortieren);
    connect(raster_->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int c) {
                raster_->resizeColumnToContents(c);
                raster_->setColumnWidth(c, raster_->columnWidth(c) + 5);
            });
    connect(raster_, &QTableWidget::itemSelectionChanged, this, [this] {
        if (!fuellt_) ZeileGewaehlt();
    });
    connect(raster_, &QTableWidget::cellDoubleClicked, this, [this] {
        if (Befehl("EintragBearbeiten")->isEnabled()) EintragBearbeiten();
        else if (Befehl("NeuerEintrag")->isEnabled()) NeuerEintrag();
    });
    rasterMenue_ = new QMenu(this);
    QAction* rNeu = rasterMenue_->addAction(QStringLiteral("neuer Eintrag"), this,
                                            &TForm22::NeuerEintrag);
    QAction* rBearbeiten = rasterMenue_->addAction(QStringLiteral("Eintrag bearbeiten"), this,
                                                   &TForm22::EintragBearbeiten);
    QAction* rLoeschen = rasterMenue_->addAction(QStringLiteral("Eintrag löschen"), this,
                                                 &TForm22::EintragLoeschen);
    QAction* rKopieren = rasterMenue_->addAction(QStringLiteral("Eintrag kopieren"), this,
                                                 &TForm22::EintragKopieren);
    connect(raster_, &QWidget::customContextMenuRequested, this,
            [this, rNeu, rBearbeiten, rLoeschen, rKopieren](const QPoint& p) {
                const bool an = !buch_.Eintraege.empty() && !GesamtGewaehlt();
                rNeu->setEnabled(Befehl("NeuerEintrag")->isEnabled());
                rBearbeiten->setEnabled(an);
                rLoeschen->setEnabled(an);
                rKopieren->setEnabled(an);
                rasterMenue_->popup(raster_->viewport()->mapToGlobal(p));
            });

    auto* teiler = new QSplitter(this);
    teiler->addWidget(baum_);
    teiler->addWidget(raster_);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({180, 600});

    auto* status = new QStatusBar(this);
    status->setSizeGripEnabled(false);
    status1_ = new QLabel(status);
    status2_ = new QLabel(status);
    status1_->setMinimumWidth(120);
    status->addWidget(status1_);
    status->addWidget(status2_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menue);
    layout->addWidget(leiste_);
    layout->addWidget(teiler, 1);
    layout->addWidget(status);
    resize(900, 520);
}

bool TForm22::GesamtGewaehlt() const {
    const int i = baum_->indexOfTopLevelItem(baum_->currentItem());
    return gesamtImBaum_ && i == 0;
}

std::string TForm22::Knotenname() const {
    QTreeWidgetItem* k = baum_->currentItem();
    return k ? k->text(0).toStdString() : std::string();
}

int TForm22::Zeile() const {
    const int r = raster_->currentRow();
    return r >= 0 && r < static_cast<int>(buch_.Eintraege.size()) ? r : -1;
}

const TAdresse* TForm22::Gewaehlt() const {
    const int z = Zeile();
    return z < 0 ? nullptr : &buch_.Eintraege[static_cast<std::size_t>(z)];
}

bool TForm22::SpeichernWennGeaendert() {
    try {
        buch_.SpeichernWennGeaendert([this](const std::string& p, std::string_view inhalt) {
            haupt_.Kern().DateiSchreiben(p, inhalt);
        });
        return true;
    } catch (const std::exception& f) {
        // The group stays modified, so the next occasion tries again.
        haupt_.Dialogdienst().Meldung("Die Gruppe konnte nicht gespeichert werden:\n" +
                                          Fehlertext(f),
                                      Meldungsart::Fehler);
        return false;
    }
}

// A group file that was not read as ours is never written over: the user learns why and
// names a new group, which is opened and takes the change. False when there is none.
bool TForm22::AenderbareGruppe() {
    if (!buch_.NurLesbar()) return true;
    Dialoge& d = haupt_.Dialogdienst();
    d.Meldung(buch_.NurLesbarGrund() + "\n\n" + gruppentexte::AenderungInNeueGruppe,
              Meldungsart::Warnung);
    const auto name =
        d.Eingabe(gruppentexte::Titel, gruppentexte::NeuAufforderung,
                  NeuerGruppenname(ordner_.toStdString(), Knotenname()));
    if (!name || name->empty()) return false;
    const Gruppenergebnis e = kalvora::GruppeAnlegen(
        ordner_.toStdString(), *name,
        [this](const std::string& p, std::string_view inhalt) {
            haupt_.Kern().DateiSchreiben(p, inhalt);
        });
    if (!e.meldung.empty()) {
        d.Meldung(e.meldung, Meldungsart::Bestaetigung);
        return false;
    }
    startDatei_ = QFileInfo(ordner_ + QLatin1Char('/') + Q(*name) + Q(adresstexte::Endung))
                      .absoluteFilePath();
    Oeffnen(true);
    return !buch_.NurLesbar() && !GesamtGewaehlt() && Knotenname() == *name;
}

void TForm22::SpaltenAnwenden() {
    for (int c = 0; c < AnzahlAdressfelder; ++c) {
        const auto i = static_cast<std::size_t>(c);
        raster_->setColumnHidden(c, !opt_.spalte[i]);
        if (opt_.spalte[i]) raster_->setColumnWidth(c, std::max(opt_.breite[i], 8));
    }
    raster_->verticalHeader()->setDefaultSectionSize(opt_.zeilenhoehe);
}

void TForm22::BreitenMerken() {
    for (int c = 0; c < AnzahlAdressfelder; ++c)
        if (!raster_->isColumnHidden(c))
            opt_.breite[static_cast<std::size_t>(c)] = raster_->columnWidth(c);
}

void TForm22::Oeffnen(bool einstellungenLesen) {
    kopie_.reset();
    buch_ = TAdressbuch{};
    if (einstellungenLesen) {
        try {
            AdressoptionenLaden(haupt_.Kern().Ablage(), opt_);
        } catch (const std::exception& f) {
            haupt_.Dialogdienst().Meldung(Fehlertext(f), Meldungsart::Fehler);
        }
    } else {
        // After the options only the folder and its companions change; the widths stay.
        const Adressoptionen gemerkt = opt_;
        try {
            AdressoptionenLaden(haupt_.Kern().Ablage(), opt_);
        } catch (const std::exception&) {
        }
        opt_.spalte = gemerkt.spalte;
        opt_.breite = gemerkt.breite;
        ordnerFest_ = false;
    }
    if (!ordnerFest_) {
        ordner_ = opt_.verzeichnis.empty() ? StandardOrdner() : Q(opt_.verzeichnis);
        QDir().mkpath(ordner_);
    }
    gruppen_ = GruppenImOrdner(ordner_.toStdString());
    SpaltenAnwenden();

    fuellt_ = true;
    baum_->clear();
    const std::vector<std::string> namen = Baumnamen(gruppen_, opt_.gesamtliste);
    gesamtImBaum_ = opt_.gesamtliste && !gruppen_.empty();
    for (const std::string& n : namen) {
        auto* k = new QTreeWidgetItem(baum_, QStringList{Q(n)});
        const bool gesamt = gesamtImBaum_ && baum_->topLevelItemCount() == 1;
        k->setIcon(0, Symbol(QString::fromLatin1(gesamt ? "adressbuch" : "gruppe"), {}));
    }
    fuellt_ = false;

    const bool da = !gruppen_.empty();
    raster_->setEnabled(da);
    for (const char* n : {"NeuerEintrag", "GruppeLoeschen", "GruppeUmbenennen", "XmlDatei"})
        Befehl(n)->setEnabled(da);
    // The menu itself, not only its entry: without a group there is nothing to export.
    if (auto* m = findChild<QMenu*>(QStringLiteral("Exportieren"))) m->setEnabled(da);
    if (!da) {
        Fuellen();
        return;
    }
    int start = 0;
    if (!startDatei_.isEmpty()) {
        for (std::size_t i = 0; i < gruppen_.size(); ++i)
            if (QFileInfo(Q(gruppen_[i].pfad)).absoluteFilePath() == startDatei_)
                start = static_cast<int>(i) + (gesamtImBaum_ ? 1 : 0);
        startDatei_.clear();
    }
    fuellt_ = true;
    baum_->setCurrentItem(baum_->topLevelItem(start));
    fuellt_ = false;
    KnotenWaehlen(start);
}

void TForm22::KnotenWaehlen(int index) {
    if (index < 0) return;
    SpeichernWennGeaendert();
    if (gesamtImBaum_ && index == 0) {
        buch_ = TAdressbuch{};
        for (const Adressgruppe& g : gruppen_) buch_.Anhaengen(g.pfad);
    } else {
        const std::size_t g = static_cast<std::size_t>(index - (gesamtImBaum_ ? 1 : 0));
        if (g >= gruppen_.size()) return;
        buch_.Lesen(gruppen_[g].pfad);
    }
    if (baum_->indexOfTopLevelItem(baum_->currentItem()) != index) {
        fuellt_ = true;
        baum_->setCurrentItem(baum_->topLevelItem(index));
        fuellt_ = false;
    }
    buch_.Sortieren(sortSpalte_);
    Fuellen();
}

void TForm22::Fuellen() {
    fuellt_ = true;
    const int n = static_cast<int>(buch_.Eintraege.size());
    raster_->clearContents();
    raster_->setRowCount(std::max(n, 1));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < AnzahlAdressfelder; ++c)
            raster_->setItem(r, c, new QTableWidgetItem(Q(
                                       buch_.Eintraege[static_cast<std::size_t>(r)]
                                                      [static_cast<std::size_t>(c)])));
    if (raster_->currentRow() < 0 || raster_->currentRow() >= std::max(n, 1))
        raster_->setCurrentCell(0, 0);
    raster_->selectRow(raster_->currentRow());
    fuellt_ = false;
    Freigaben();
    status1_->setText(Q(GruppenText(static_cast<int>(gruppen_.size()))));
    status2_->setText(Q(EintraegeText(n)));
}

void TForm22::Freigaben() {
    const bool an = !gruppen_.empty() && !GesamtGewaehlt();
    for (const char* n : {"GruppeLoeschen", "GruppeUmbenennen", "NeuerEintrag",
                          "EintragBearbeiten", "EintragLoeschen"})
        Befehl(n)->setEnabled(an);
    if (buch_.Eintraege.empty()) {
        Befehl("EintragBearbeiten")->setEnabled(false);
        Befehl("EintragLoeschen")->setEnabled(false);
    }
    Befehl("EintragKopieren")->setEnabled(Befehl("EintragBearbeiten")->isEnabled());
    Befehl("XmlDatei")->setEnabled(!gruppen_.empty());
    internet_->setEnabled(!buch_.Eintraege.empty());
    ZeileGewaehlt();
}

void TForm22::ZeileGewaehlt() {
    const TAdresse* a = Gewaehlt();
    const bool name = a && !(*a)[adressfeld::Name].empty();
    if (!name || GesamtGewaehlt()) {
        Befehl("EintragBearbeiten")->setEnabled(false);
        Befehl("EintragLoeschen")->setEnabled(false);
        internet_->setEnabled(name);
    } else {
        const bool an = !gruppen_.empty();
        Befehl("EintragBearbeiten")->setEnabled(an);
        Befehl("EintragLoeschen")->setEnabled(an);
        internet_->setEnabled(true);
    }
    Befehl("EintragKopieren")->setEnabled(Befehl("EintragBearbeiten")->isEnabled());
    InternetFreigaben();
}

void TForm22::InternetFreigaben() {
    const TAdresse* a = Gewaehlt();
    const auto& liste = buch_.Eintraege;
    const bool mail = a && !(*a)[adressfeld::Email].empty();
    Befehl("Email")->setEnabled(mail);
    const bool mehrere = liste.size() > 1 || (liste.size() == 1 && !liste[0][adressfeld::Email].empty());
    Befehl("Gruppenmail")->setEnabled(mehrere);
    Befehl("Serienmail")->setEnabled(mehrere);
    Befehl("Homepage")->setEnabled(a && !(*a)[adressfeld::Homepage].empty());
}

void TForm22::GruppeAnlegen() {
    SpeichernWennGeaendert();
    const auto name = haupt_.Dialogdienst().Eingabe(gruppentexte::Titel,
                                                    gruppentexte::NeuAufforderung, "");
    if (!name || name->empty()) return;
    const Gruppenergebnis e = kalvora::GruppeAnlegen(
        ordner_.toStdString(), *name,
        [this](const std::string& p, std::string_view inhalt) {
            haupt_.Kern().DateiSchreiben(p, inhalt);
        });
    if (!e.meldung.empty()) haupt_.Dialogdienst().Meldung(e.meldung, Meldungsart::Bestaetigung);
    if (!e.neuAufbauen) return;
    startDatei_ = QFileInfo(ordner_ + QLatin1Char('/') + Q(*name) + Q(adresstexte::Endung))
                      .absoluteFilePath();
    const bool fest = ordnerFest_;
    Oeffnen(true);
    ordnerFest_ = fest;
}

void TForm22::GruppeUmbenennen() {
    if (GesamtGewaehlt() || gruppen_.empty()) return;
    SpeichernWennGeaendert();
    const std::string alt = Knotenname();
    const auto neu = haupt_.Dialogdienst().Eingabe(gruppentexte::Titel,
                                                   gruppentexte::UmbenennenAufforderung, alt);
    if (!neu) return;
    const Gruppenergebnis e =
        kalvora::GruppeUmbenennen(ordner_.toStdString(), alt, *neu, gesamtImBaum_);
    if (!e.meldung.empty()) haupt_.Dialogdienst().Meldung(e.meldung, Meldungsart::Bestaetigung);
    startDatei_ = QFileInfo(ordner_ + QLatin1Char('/') +
                            Q(e.meldung.empty() ? *neu : alt) + Q(adresstexte::Endung))
                      .absoluteFilePath();
    Oeffnen(true);
}

void TForm22::GruppeLoeschen() {
    Dialoge& d = haupt_.Dialogdienst();
    if (GesamtGewaehlt()) {
        d.Meldung(gruppentexte::NichtLoeschbar);
        return;
    }
    if (gruppen_.empty()) return;
    const std::string name = Knotenname();
    if (d.Meldung(gruppentexte::LoeschenFrage(name), Meldungsart::Warnung,
                  Knoepfe::JaNeinVorgabeNein) !=
        Antwort::Ja)
        return;
    Shell& shell = haupt_.Kern().Shelldienst();
    const Gruppenergebnis e =
        kalvora::GruppeLoeschen(ordner_.toStdString(), name, opt_.papierkorb,
                                [&shell](const std::string& p) { return shell.InPapierkorb(p); });
    if (!e.meldung.empty()) d.Meldung(e.meldung, Meldungsart::Bestaetigung);
    buch_.geaendert = false;  // its unsaved changes go with it
    Oeffnen(true);
}

void TForm22::Sortieren(int spalte) {
    if (spalte < 0 || spalte >= AnzahlAdressfelder) return;
    sortSpalte_ = spalte;
    buch_.Sortieren(spalte);
    Fuellen();
}

// The row of the entry just made or changed stays selected once the list is filled again.
void TForm22::EintragWaehlen(const TAdresse& eintrag) {
    for (std::size_t i = 0; i < buch_.Eintraege.size(); ++i)
        if (buch_.Eintraege[i] == eintrag) {
            fuellt_ = true;
            raster_->setCurrentCell(static_cast<int>(i), 0);
            raster_->selectRow(static_cast<int>(i));
            fuellt_ = false;
            Freigaben();
            return;
        }
}

void TForm22::NeuerEintrag() {
    if (gruppen_.empty() || GesamtGewaehlt() || !AenderbareGruppe()) return;
    int zeile = -1;
    TForm23 editor(Eintragsmodus::Neu, buch_.Eintraege, zeile, haupt_.Dialogdienst(), this);
    if (editor.exec() != QDialog::Accepted) return;
    const TAdresse neu = editor.Eingabe();
    if (!EintragVollstaendig(neu)) return;
    buch_.Eintraege.push_back(neu);
    buch_.geaendert = true;
    buch_.Sortieren(sortSpalte_);
    Fuellen();
    EintragWaehlen(neu);
}

void TForm22::EintragBearbeiten() {
    int zeile = Zeile();
    if (zeile < 0 || GesamtGewaehlt()) return;
    // The row belongs to the group only read; after the switch there is nothing to change.
    if (buch_.NurLesbar()) {
        AenderbareGruppe();
        return;
    }
    TForm23 editor(Eintragsmodus::Aendern, buch_.Eintraege, zeile, haupt_.Dialogdienst(), this);
    if (editor.exec() != QDialog::Accepted) return;
    const TAdresse neu = editor.Eingabe();
    if (!EintragVollstaendig(neu)) return;
    buch_.Eintraege[static_cast<std::size_t>(zeile)] = neu;
    buch_.geaendert = true;
    buch_.Sortieren(sortSpalte_);
    Fuellen();
    EintragWaehlen(neu);
}

void TForm22::EintragLoeschen() {
    int zeile = Zeile();
    if (zeile < 0 || GesamtGewaehlt()) return;
    if (buch_.NurLesbar()) {
        AenderbareGruppe();
        return;
    }
    TForm23 editor(Eintragsmodus::Loeschen, buch_.Eintraege, zeile, haupt_.Dialogdienst(), this);
    if (editor.exec() != QDialog::Accepted) return;
    buch_.Eintraege.erase(buch_.Eintraege.begin() + zeile);
    buch_.geaendert = true;
    Fuellen();
}

void TForm22::EintragKopieren() {
    const TAdresse* a = Gewaehlt();
    if (!a || GesamtGewaehlt()) return;
    SpeichernWennGeaendert();
    kopie_ = *a;
    QStringList ziele;
    for (const Adressgruppe& g : gruppen_) ziele << Q(g.name);
    const auto wahl = kopierzielWaehlen(ziele);
    if (!wahl || *wahl < 0 || *wahl >= static_cast<int>(gruppen_.size())) return;
    KnotenWaehlen(*wahl + (gesamtImBaum_ ? 1 : 0));
    // Opening the new group for a group only read forgets the copy buffer.
    const TAdresse kopie = *kopie_;
    if (!AenderbareGruppe()) return;
    kopie_ = kopie;
    buch_.Eintraege.push_back(kopie);
    buch_.geaendert = true;
    buch_.Sortieren(sortSpalte_);
    Fuellen();
}

void TForm22::XmlExportieren() {
    if (gruppen_.empty()) return;
    QStringList knoten;
    for (int i = 0; i < baum_->topLevelItemCount(); ++i) knoten << baum_->topLevelItem(i)->text(0);
    const int gewaehlt = baum_->indexOfTopLevelItem(baum_->currentItem());
    TXmlExportdialog dialog({1, 1, 2000}, {1, 1, 2000}, false, true, this);
    dialog.Pruefliste(knoten, gewaehlt);
    if (!exportdialogZeigen(dialog)) return;
    Dateidialog d;
    d.filter = "Kalvora-Adressen-xml (*.xml)|*.xml";
    d.standardendung = "xml";
    d.vorschlag = Knotenname() + ".xml";
    d.ordner = ordner_.toStdString();
    const auto pfad = haupt_.Dialogdienst().DateiSpeichern(d);
    if (!pfad) return;
    SpeichernWennGeaendert();
    std::vector<Adressxmlgruppe> gruppen;
    for (const int i : dialog.Angehakt()) {
        Adressxmlgruppe g;
        g.name = knoten[i].toStdString();
        TAdressbuch b;
        if (gesamtImBaum_ && i == 0) {
            for (const Adressgruppe& a : gruppen_) b.Anhaengen(a.pfad);
        } else {
            b.Lesen(gruppen_[static_cast<std::size_t>(i - (gesamtImBaum_ ? 1 : 0))].pfad);
            b.Sortieren(sortSpalte_);
        }
        g.eintraege = std::move(b.Eintraege);
        gruppen.push_back(std::move(g));
    }
    try {
        haupt_.Kern().DateiSchreiben(*pfad,
                                     AdressenXml(gruppen, haupt_.Kern().Zeitgeber().Jetzt()));
        std::vector<std::string> namen;
        if (dialog.MitXsl()) namen.push_back(AdressXslName);
        if (dialog.MitDtd()) namen.push_back(AdressDtdName);
        BegleitdateienKopieren(
            namen, [](const std::string& n) { return Datenpfad(Q(n)).toStdString(); },
            QFileInfo(Q(*pfad)).absolutePath().toStdString(),
            [this](const std::string& p, std::string_view inhalt) {
                haupt_.Kern().DateiSchreiben(p, inhalt);
            });
    } catch (const std::exception& f) {
        haupt_.Dialogdienst().Meldung(Fehlertext(f), Meldungsart::Fehler);
    }
    KnotenWaehlen(gewaehlt);
}

void TForm22::Drucken() {
    if (const std::string zuviel = AdresslisteNichtDruckbar(buch_.Eintraege.size());
        !zuviel.empty()) {
        haupt_.Dialogdienst().Meldung(zuviel, Meldungsart::Fehler);
        return;
    }
    BreitenMerken();
    Adressliste liste = AdresslisteAus(buch_.Eintraege, opt_, logicalDpiX());
    const std::string titel = Knotenname();
    const Adressoptionen o = opt_;
    haupt_.Druckfenster().Drucker().setPageOrientation(
        o.querformat ? QPageLayout::Landscape : QPageLayout::Portrait);
    haupt_.Druckfenster().AuftragDrucken([liste, o, titel](kalvora::Drucker& d, Druckstatus&,
                                                           bool) {
        return AdresslisteDruckauftrag(d, liste, o, titel);
    });
}

void TForm22::OptionenZeigen() {
    SpeichernWennGeaendert();
    BreitenMerken();
    const int gewaehlt = baum_->indexOfTopLevelItem(baum_->currentItem());
    {
        TForm25 dialog(opt_, haupt_.Kern().Ablage(), haupt_.Dialogdienst(),
                       [this](const std::string& p, std::string_view inhalt) {
                           haupt_.Kern().DateiSchreiben(p, inhalt);
                       },
                       this);
        dialog.exec();
    }
    if (gewaehlt > 0 && gewaehlt - (gesamtImBaum_ ? 1 : 0) <
                            static_cast<int>(gruppen_.size()))
        startDatei_ = QFileInfo(Q(gruppen_[static_cast<std::size_t>(
                                              gewaehlt - (gesamtImBaum_ ? 1 : 0))]
                                      .pfad))
                          .absoluteFilePath();
    Oeffnen(false);
}

void TForm22::Email() {
    const TAdresse* a = Gewaehlt();
    if (!a) return;
    const std::string url = MailtoEintrag(*a, opt_.eineAdresse);
    if (!url.empty()) haupt_.Kern().Shelldienst().Oeffnen(url);
}

void TForm22::Gruppenmail() {
    const std::string url = MailtoGruppe(buch_.Eintraege, opt_.eineAdresse);
    if (!url.empty()) haupt_.Kern().Shelldienst().Oeffnen(url);
}

void TForm22::Serienmail() {
    if (buch_.Eintraege.empty() || serieTakt_) return;
    TForm26 dialog(haupt_.Dialogdienst(), this);
    dialog.hilfe = hilfe;
    if (dialog.exec() != QDialog::Accepted) return;
    serie_ = buch_.Eintraege;
    serieBetreff_ = dialog.Betreff()->text().toStdString();
    serieText_ = dialog.Text()->toPlainText().toStdString();
    serieNaechste_ = 0;
    // One mail a second, with a progress bar that can stop the rest; the window stays alive.
    serieFortschritt_ = new QProgressDialog(QStringLiteral("Serien-E-Mails werden erstellt …"),
                                            QStringLiteral("Abbrechen"), 0,
                                            static_cast<int>(serie_.size()), this);
    serieFortschritt_->setWindowTitle(QString::fromUtf8(mailtexte::Serientitel));
    serieFortschritt_->setMinimumDuration(0);
    serieFortschritt_->setValue(0);
    serieTakt_ = new QTimer(this);
    serieTakt_->setInterval(serienpauseMs);
    connect(serieTakt_, &QTimer::timeout, this, &TForm22::SerieWeiter);
    connect(serieFortschritt_, &QProgressDialog::canceled, this, [this] {
        serie_.clear();
        SerieWeiter();
    });
    SerieWeiter();
    if (serieTakt_) serieTakt_->start();
}

void TForm22::SerieWeiter() {
    if (serieNaechste_ < serie_.size()) {
        std::string url;
        try {
            url = SerienmailUrl(serie_[serieNaechste_++], serieBetreff_, serieText_,
                                opt_.eineAdresse);
        } catch (const std::exception& f) {
            // Too long with this entry's fields: the rest of the series is not sent.
            serie_.clear();
            if (serieTakt_) serieTakt_->stop();
            haupt_.Dialogdienst().Meldung(Fehlertext(f), Meldungsart::Fehler);
        }
        if (!url.empty()) haupt_.Kern().Shelldienst().Oeffnen(url);
        if (serieFortschritt_) serieFortschritt_->setValue(static_cast<int>(serieNaechste_));
        if (serieNaechste_ < serie_.size()) return;
    }
    if (serieTakt_) serieTakt_->deleteLater();
    serieTakt_ = nullptr;
    if (serieFortschritt_) serieFortschritt_->deleteLater();
    serieFortschritt_ = nullptr;
    serie_.clear();
}

void TForm22::Homepage() {
    const TAdresse* a = Gewaehlt();
    if (!a) return;
    // Only web pages and mail addresses go to the desktop, never a script or a file.
    const Homepageziel ziel = HomepageZiel((*a)[adressfeld::Homepage]);
    if (!ziel.meldung.empty())
        haupt_.Dialogdienst().Meldung(ziel.meldung, Meldungsart::Warnung);
    else if (!ziel.url.empty())
        haupt_.Kern().Shelldienst().Oeffnen(ziel.url);
}

void TForm22::reject() {
    SpeichernWennGeaendert();
    BreitenMerken();
    try {
        AdressbreitenSpeichern(haupt_.Kern().Ablage(), opt_);
    } catch (const std::exception&) {
    }
    buch_ = TAdressbuch{};
    kopie_.reset();
    QDialog::reject();
}

}  // namespace kalvora
