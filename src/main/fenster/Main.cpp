#include "main/fenster/Main.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSpinBox>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <optional>

#include "adressbuch/fenster/Adressbuch.h"
#include "ansichten/fenster/Ansichtsschleife.h"
#include "ansichten/fenster/Stundenplan.h"
#include "einstellungen/Einstellungen.h"
#include "einstellungen/Autostart.h"
#include "einstellungen/Programmstart.h"
#include "einstellungen/fenster/Optionen.h"
#include "Version.h"
#include "extras/fenster/Info.h"
#include "methoden/Methoden.h"
#include "extras/fenster/Toolbaranpassen.h"
#include "extras/fenster/Update.h"
#include "kalender/CsvDatei.h"
#include "main/Ansichtswechsel.h"
#include "main/Hauptmenue.h"
#include "main/Jahresgeometrie.h"
#include "main/fenster/Alarmsteuerung.h"
#include "main/fenster/IcsAustausch.h"
#include "main/fenster/XmlAusgabe.h"
#include "main/fenster/Farblegende.h"
#include "main/fenster/Schreibschutzdialog.h"
#include "main/fenster/Hauptbefehle.h"
#include "main/fenster/Hilfefenster.h"
#include "main/fenster/GeheZuJahr.h"
#include "main/fenster/Jahresfeld.h"
#include "main/fenster/Jahreskontextmenue.h"
#include "main/fenster/Statusleiste.h"
#include "main/fenster/Terminmenue.h"
#include "main/fenster/Unterpanel.h"
#include "main/fenster/Jahresflaeche.h"
#include "statistik/fenster/Statistikchart.h"
#include "methoden/Fehler.h"
#include "methoden/Systemfehler.h"
#include "platform/qt/QtDaten.h"
#include "platform/qt/QtLeinwand.h"
#include "termine/fenster/Drucksteuerung.h"
#include "personen/Geburtstagslistendruck.h"
#include "personen/Namenstagskatalog.h"
#include "personen/Namenstagslistendruck.h"
#include "personen/fenster/Geburtstag.h"
#include "personen/fenster/Geburtstagsliste.h"
#include "personen/fenster/Namenstagsjahresliste.h"
#include "personen/fenster/Namenstagsuchen.h"
#include "termine/fenster/Tagestermine.h"

namespace kalvora {

namespace t = farbtexte;

TForm1::TForm1(Anwendungskern& kern, QWidget* parent)
    : QMainWindow(parent),
      kern_(kern),
      uhr_(kern.Zeitgeber()),
      registry_(kern.Ablage()),
      dialoge_(kern.Dialogdienst()),
      einstellungen_(kern.Optionen()),
      kal_(kern.Kalender()),
      historie_(kern.Historie()),
      auswahl_(kern.Auswahl()),
      sitzung_(kern.Sitzung()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromStdString(kern.Sitzung().Fenstertitel()));
    setWindowIcon(Symbol(QStringLiteral("kalvora")));
    setMinimumSize(760, 540);
    resize(1024, 768);

    ansicht_ = std::make_unique<TJahresansicht>(kal_, uhr_, auswahl_);
    sitzung_.FensterSetzen(this);
    aktualisierenTimer_ = new QTimer(this);
    speichernTimer_ = new QTimer(this);
    connect(aktualisierenTimer_, &QTimer::timeout, this,
            [this] { sitzung_.schreibschutztimerTimer(); });
    connect(speichernTimer_, &QTimer::timeout, this,
            [this] { sitzung_.autosavetimerTimer(); });

    // The long-lived windows are built with the settings they show (the appointment
    // editor's remembered start time).
    kern_.EinstellungenLesen();
    befehle_ = new THauptbefehle(*this);
    connect(Aktion(befehl::Beenden), &QAction::triggered, this, &TForm1::Beenden1Click);
    connect(befehle_, &THauptbefehle::LetzteDateiGewaehlt, this, &TForm1::LetzteDateiGewaehlt);
    statusleiste_ = new TStatusleiste(this);
    setStatusBar(statusleiste_);
    connect(statusleiste_, &TStatusleiste::ZeigerDarauf, this, &TForm1::ZeigerAusserhalb);
    TagesdialogAnlegen();

    // The year view fills the client area above the bottom panel.
    auto* mitte = new QWidget(this);
    mitte->setObjectName(QStringLiteral("Mitte"));
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    flaeche_ = new TJahresflaeche(*ansicht_, mitte);
    UnteresPanelAufbauen();
    spalte->addWidget(flaeche_, 1);
    spalte->addWidget(unteresPanel_);
    setCentralWidget(mitte);
    farben_ = std::make_unique<TFarbsteuerung>(
        kern_, TFarbsteuerung::Teile{*ansicht_, *flaeche_, *unteresPanel_, *statusleiste_,
                                     *befehle_});
    connect(farben_.get(), &TFarbsteuerung::TexteAuffrischen, this, &TForm1::AnsichtTexteZeigen);
    connect(farben_.get(), &TFarbsteuerung::BefehleAuffrischen, this,
            &TForm1::BefehleAktualisieren);
    connect(farben_.get(), &TFarbsteuerung::TagestermineGewuenscht, this,
            [this] { TagesdialogOeffnen(auswahl_.tag, auswahl_.monat, auswahl_.jahr); });
    connect(farben_.get(), &TFarbsteuerung::AnsichtGewuenscht, this,
            [this](TFarbsteuerung::AnsichtGewaehlt a) {
                const Einstellungen& e = einstellungen_;
                if (a == TFarbsteuerung::AnsichtGewaehlt::Woche)
                    AnsichtenZeigen(*this, GewaehlteWochenansicht(e.Wochenansicht));
                else if (a == TFarbsteuerung::AnsichtGewaehlt::Monat)
                    AnsichtenZeigen(*this, GewaehlteMonatsansicht(e.Monatsansicht));
                else
                    AnsichtOeffnen(static_cast<int>(Startansicht::DesktopStundenplan));
            });
    connect(farben_.get(), &TFarbsteuerung::VollbildGewuenscht, this,
            &TForm1::VollbildUmschalten);
    ansicht_->anschluesse.neuZeichnen = [this] { flaeche_->update(); };
    ansicht_->anschluesse.zeigerposition = [this] { return flaeche_->Zeigerposition(); };
    connect(flaeche_, &TJahresflaeche::Gezeichnet, this, &TForm1::NachDemMalen);
    connect(flaeche_, &TJahresflaeche::Ausgewertet, this, &TForm1::AnsichtTexteZeigen);
    connect(flaeche_, &TJahresflaeche::Blaettern, this, &TForm1::JahrBlaettern);
    connect(flaeche_, &TJahresflaeche::JahrTitelDoppelklick, this, &TForm1::GeheZuJahr1Click);
    connect(flaeche_, &TJahresflaeche::Kontextmenue, this, [this](const QPoint& global) {
        farben_->KontextmenueZeigen(
            global,
            QString::fromStdString(
                VollbildMenuetext({vollbildPanel_, vollbildMenue_, vollbildToolbar_})),
            this);
    });
    connect(flaeche_, &TJahresflaeche::TagDoppelklick, this,
            [this] { TagesdialogOeffnen(auswahl_.tag, auswahl_.monat, auswahl_.jahr); });
    QCoreApplication::instance()->installEventFilter(this);

    connect(Aktion(befehl::CsvDatei), &QAction::triggered, this,
            &TForm1::CsvExportieren);
    xml_ = std::make_unique<TXmlAusgabe>(*this);
    terminmenue_ = new TTerminmenue(*this);
    ics_ = std::make_unique<TIcsAustausch>(*this);
    connect(Aktion(befehl::IcsImport), &QAction::triggered, this,
            [this] { ics_->Importieren(this); });
    connect(Aktion(befehl::IcsExport), &QAction::triggered, this,
            [this] { ics_->Exportieren(this); });
    setAcceptDrops(true);
    connect(Aktion(befehl::Adressbuch), &QAction::triggered, this, [this] { AdressbuchZeigen(); });
    statistikZeigen = [this](Statistikart art) { StatistikZeigen(*this, art); };
    const std::pair<const char*, Statistikart> statistiken[] = {
        {befehl::Farbhaeufigkeiten, Statistikart::Farbhaeufigkeit},
        {befehl::Termindauer, Statistikart::Termindauer},
        {befehl::Terminhaeufigkeiten, Statistikart::Terminhaeufigkeit},
    };
    for (const auto& [name, art] : statistiken)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, [this, a = art] {
            if (statistikZeigen) statistikZeigen(a);
        });
    connect(Aktion(befehl::XmlDatei), &QAction::triggered, this, [this] {
        const int jahr = ansicht_->Jahr();
        xml_->InDatei(Xmlherkunft::Jahr, {1, 1, jahr}, {31, 12, jahr}, this);
    });
    drucken_ = new TDrucksteuerung(kal_, einstellungen_, dialoge_, this);
    connect(Aktion(befehl::Drucken), &QAction::triggered, this,
            [this] { drucken_->Drucken(ansicht_->Jahr()); });
    connect(Aktion(befehl::TerminlisteDrucken), &QAction::triggered, this, [this] {
        const int jahr = ansicht_->Jahr();
        drucken_->TerminlisteDrucken({1, 1, jahr}, {31, 12, jahr});
    });
    connect(Aktion(befehl::Druckereinstellung), &QAction::triggered, this,
            [this] { drucken_->Einrichten(); });
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState s) {
                    if (s == Qt::ApplicationActive) drucken_->ProgrammAktiviert();
                });
    // The file commands are the session's.
    const std::pair<const char*, std::function<bool()>> dateibefehle[] = {
        {befehl::Neu, [this] { return sitzung_.Neu1Click(); }},
        {befehl::Oeffnen, [this] { return sitzung_.ffnen1Click(); }},
        {befehl::Schliessen, [this] { return sitzung_.Schlieen1Click(); }},
        {befehl::Speichern, [this] { return sitzung_.speichern1Click(); }},
        {befehl::SpeichernUnter, [this] { return sitzung_.speichernunter1Click(); }},
        {befehl::Schreibschutz, [this] { return sitzung_.Schreibschutz1Click(); }},
        {befehl::Aktualisieren, [this] { return sitzung_.Aktualisieren1Click(); }},
    };
    for (const auto& [name, aufruf] : dateibefehle)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, aufruf);
    connect(this, &TForm1::LetzteDateiGewaehlt, this,
            [this](int nummer) { sitzung_.LetzteDateiOeffnen(nummer + 1); });
    connect(befehle_->LetzteDateien(), &QMenu::aboutToShow, this,
            [this] { sitzung_.LetzteDateienAktualisieren({}); });
    connect(findChild<QMenu*>(QString::fromLatin1(befehl::Bearbeiten)), &QMenu::aboutToShow, this,
            [this] {
                Freigeben(befehl::Schreibschutz,
                          sitzung_.Zustand().schreibschutzAktiv &&
                              sitzung_.SchreibschutzUmschaltbar());
                Freigeben(befehl::Weitersuchen, tagesdialog_->WeitersuchenAktiv());
            });
    connect(Aktion(befehl::Vollbild), &QAction::triggered, this,
            &TForm1::VollbildUmschalten);
    connect(Aktion(befehl::GeheZuJahr), &QAction::triggered, this,
            &TForm1::GeheZuJahr1Click);
    // The menu entry goes to today first, the tool button keeps the selected day.
    connect(Aktion(befehl::Tagestermine), &QAction::triggered, this, [this] {
        const Zeitpunkt heute = uhr_.Jetzt();
        auswahl_.Setzen(heute.tag, heute.monat, heute.jahr);
        TagesdialogOeffnen(heute.tag, heute.monat, heute.jahr);
    });
    connect(Aktion(befehl::TagestermineKnopf), &QAction::triggered, this,
            [this] { TagesdialogOeffnen(auswahl_.tag, auswahl_.monat, auswahl_.jahr); });
    connect(Aktion(befehl::Suchen), &QAction::triggered, this, &TForm1::Suchen1Click);
    geburtstagsliste_ = new TForm15(kern_, this);
    namenssuche_ = new TForm21(Katalogordner(QCoreApplication::applicationDirPath().toStdString()),
                               dialoge_, this);
    namenstage_ = new TForm18(
        Katalogordner(QCoreApplication::applicationDirPath().toStdString()), dialoge_,
        *namenssuche_, this);
    namenstage_->drucken = [this](const Namenstagsdruckoptionen& o) {
        drucken_->AuftragDrucken([this, o](Drucker& d, Druckstatus& s, bool) {
            return NamenstagslisteDrucken(namenstage_->Katalog(), namenstage_->Jahr(),
                                          einstellungen_.SASOFarbeInDerJahresansicht, o, d, s);
        });
    };
    connect(Aktion(befehl::NamenstageJahresuebersicht), &QAction::triggered, this, [this] {
        namenstage_->Oeffnen(ansicht_->Jahr(), einstellungen_.SASOFarbeInDerJahresansicht);
    });
    geburtstagsliste_->Eintragsdialog().vorschlaege =
        [this](const std::string& vorname, std::function<void(int, int)> gewaehlt) {
            namenssuche_->Vorschlagen(vorname, std::move(gewaehlt));
        };
    geburtstagsliste_->aktualisieren = [this] {
        if (!sitzung_.Zustand().aktualisierenAktiv) return false;
        sitzung_.Aktualisieren1Click();
        return true;
    };
    geburtstagsliste_->drucken = [this] {
        drucken_->AuftragDrucken([this](Drucker& d, Druckstatus& s, bool hochformat) {
            return GeburtstagslisteDrucken(kal_.Geburtstagsliste, d, s, hochformat);
        });
    };
    connect(Aktion(befehl::Geburtstagsliste), &QAction::triggered, this,
            [this] { geburtstagsliste_->Oeffnen(); });
    // "Ereignisse prüfen": the reminders as that entry asks for them.
    const std::pair<const char*, Pruefanlass> pruefungen[] = {
        {befehl::AllesPruefen, Pruefanlass::Alles},
        {befehl::GeburtstagePruefen, Pruefanlass::Geburtstage},
        {befehl::NamenstagePruefen, Pruefanlass::Namenstage},
    };
    for (const auto& [name, anlass] : pruefungen)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, a = anlass] { kern_.ErinnerungenPruefen(a); });
    connect(Aktion(befehl::Rueckgaengig), &QAction::triggered, this,
            [this] { farben_->Rueckgaengig(); });
    connect(Aktion(befehl::Wiederherstellen), &QAction::triggered, this,
            [this] { farben_->Wiederherstellen(); });
    connect(Aktion(befehl::Weitersuchen), &QAction::triggered, this,
            &TForm1::Weitersuchen1Click);
    connect(findChild<QMenu*>(QString::fromLatin1(befehl::Datei)), &QMenu::aboutToShow, this,
            &TForm1::BefehleAktualisieren);
    // Shortcuts must work while the menu bar is hidden in full-screen mode.
    for (const auto& [name, aktion] : befehle_->Aktionen())
        if (!aktion->menu()) addAction(aktion);
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
                [this](QSessionManager& sitzung) {
                    sitzung.allowsInteraction();  // the question of "Schließen" may come up
                    SitzungEnde();
                    sitzung.release();
                });

    AlarmAnlegen();
    HilfeEinrichten();
    FormCreate();
}

void TForm1::HilfeEinrichten() {
    THilfe::Einrichten(this, [this](const std::string& text) {
        dialoge_.Meldung(text, Meldungsart::Keine, Knoepfe::Ok);
    });
    // "Hilfe" ends a direct help still waiting for its click, then shows the main topic.
    connect(Aktion(befehl::Hilfe), &QAction::triggered, this, [] {
        if (QWhatsThis::inWhatsThisMode()) QWhatsThis::leaveWhatsThisMode();
        THilfe::Zeigen(hilfe::Hauptthema);
    });
    connect(Aktion(befehl::Direkthilfe), &QAction::triggered, this, [this] {
        ansicht_->DirekthilfeStarten();
        THilfe::DirekthilfeStarten([this] {
            // Left without a click on a control of the year view: the mode ends all the same.
            if (ansicht_->Hilfemodus()) ansicht_->HilfeKlick(Hilfeziel::Sonstiges, false);
            flaeche_->update();
        });
    });
    // The printed manual when one lies beside the program, else the manual's contents.
    connect(Aktion(befehl::Handbuch), &QAction::triggered, this, [this] {
        const QString pdf = QCoreApplication::applicationDirPath() +
                            QStringLiteral("/Handbuch.pdf");
        if (QFileInfo::exists(pdf) && kern_.Shelldienst().Oeffnen(pdf.toStdString())) return;
        THilfe::Zeigen(0);
    });
    // The popup texts of the direct help; a right click on the check box shows its text at
    // any time.
    THilfe::Kurzhilfe(Jahresfeld(), 1063);
    for (int slot = 1; slot <= 20; ++slot) {
        THilfe::Kurzhilfe(Farbname(slot), 1064);
        THilfe::Kurzhilfe(Farbfeld(slot), 1065);
    }
    THilfe::Kurzhilfe(AktuelleFarbe(), 1066);
    THilfe::Kurzhilfe(flaeche_, 1067);
    THilfe::Kurzhilfe(AktuelleFarbeBox(), 1068, true);
}

void TForm1::AlarmAnlegen() {
    alarm_ = new TAlarmsteuerung(kern_, *this, kern_.Klangdienst(), kern_.Traydienst(),
                                 kern_.Alarmanzeige());
    alarm_->beenden = [this] { Beenden1Click(); };
    alarm_->optionen = [this] {
        if (QAction* a = Aktion(befehl::Optionen); a && a->isEnabled()) a->trigger();
    };
    alarm_->optionenFreigegeben = [this] {
        QAction* a = Aktion(befehl::Optionen);
        return a && a->isEnabled();
    };
    // The day dialog hands its working copy of the day back before an alarm is switched
    // off, and shows the day again afterwards.
    alarm_->vorAenderung = [this](const Datum& d) {
        if (tagesdialog_->isVisible() && tagesdialog_->Modell().Tag() == d)
            tagesdialog_->Modell().tagspeichern();
    };
    alarm_->nachAenderung = [this](const Datum& d) {
        if (tagesdialog_->isVisible() && tagesdialog_->Modell().Tag() == d)
            tagesdialog_->AusDokumentNeuLaden();
    };
    // The calendar views: the menu entries start from today (the two-week view from the
    // selected day), the year view's context menu from the selected day.
    const std::pair<const char*, Ansicht> ansichten[] = {
        {befehl::Monatsansicht, Ansicht::Monat},
        {befehl::MonatMitWochen, Ansicht::MonatMitWochen},
        {befehl::Wochenansicht, Ansicht::Woche},
        {befehl::ZweiWochen, Ansicht::ZweiWochen},
    };
    for (const auto& [name, ansicht] : ansichten)
        connect(Aktion(QString::fromLatin1(name)), &QAction::triggered, this, [this, a = ansicht] {
            if (a != Ansicht::ZweiWochen) {
                const Zeitpunkt heute = uhr_.Jetzt();
                kern_.AuswahlSetzen({heute.tag, heute.monat, heute.jahr});
            }
            AnsichtenZeigen(*this, a);
        });
    connect(Aktion(befehl::Stundenplan), &QAction::triggered, this,
            [this] { StundenplanZeigen(*this, false); });
    connect(Aktion(befehl::DesktopStundenplan), &QAction::triggered, this,
            [this] { StundenplanZeigen(*this, true); });
    connect(Aktion(befehl::Terminueberwachung), &QAction::triggered, this,
            [this] { alarm_->InDenHintergrund(Alarmherkunft::Toolbutton); });
    connect(Aktion(befehl::SchreibschutzEinstellungen), &QAction::triggered, this,
            &TForm1::SchreibschutzoptionenZeigen);
    connect(Aktion(befehl::Optionen), &QAction::triggered, this,
            [this] { OptionenZeigen(optionsseite::Jahresansicht); });
    connect(Aktion(befehl::ToolbarAnpassen), &QAction::triggered, this,
            &TForm1::ToolbarAnpassenZeigen);
    connect(Aktion(befehl::Online), &QAction::triggered, this,
            [this] { kern_.Shelldienst().Oeffnen(KALVORA_WEBSEITE); });
    connect(Aktion(befehl::UpdatePruefen), &QAction::triggered, this, [this] {
        TForm28 dialog(
            kern_.Shelldienst(),
            [this](const std::string& pfad, std::string_view inhalt) {
                kern_.DateiSchreiben(pfad, inhalt);
            },
            QUrl(QStringLiteral(KALVORA_VERSION_URL)), KALVORA_WEBSEITE, Dateiversion(), this);
        dialog.exec();
    });
    connect(Aktion(befehl::Info), &QAction::triggered, this, [this] {
        while (QApplication::overrideCursor()) QApplication::restoreOverrideCursor();
        TForm6 info(kern_.Shelldienst(), KALVORA_WEBSEITE, this);
        info.exec();
    });
}

void TForm1::OptionenZeigen(int seite) {
    std::optional<Autostart> autostart;
    const std::string autostartordner = kern_.Autostartordner();
    if (!autostartordner.empty())
        autostart.emplace(autostartordner, QCoreApplication::applicationFilePath().toStdString(),
                          [this](const std::string& pfad, std::string_view inhalt) {
                              kern_.DateiSchreiben(pfad, inhalt);
                          });
    QWidget* eltern = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                        : static_cast<QWidget*>(this);
    TOptionen dialog(kern_, seite, autostart ? &*autostart : nullptr, eltern);
    dialog.sitzung = &sitzung_;
    dialog.aktuelleDatei = sitzung_.Dateiname();
    dialog.angewendet = [this] { OptionenAnwenden(); };
    dialog.hilfe = HilfeAufrufen;
    dialog.exec();
}

void TForm1::OptionenAnwenden() {
    alarm_->OptionenUebernommen();
    ansicht_->optionen = JahresansichtOptionenAus(einstellungen_);
    kal_.Standardfarben = einstellungen_.Standardfarben;
    // Slots 17 to 20 of the legend follow the number of colours at once.
    TerminfeldZeigen(ansicht_->terminfeldSichtbar);
    farben_->LegendeZeigen();
    RahmenblinkenAnwenden();
    Anordnen();
    JahresansichtNeuZeichnen();
    kern_.EinstellungenGeaendertMelden();
}

void TForm1::ToolbarAnpassenZeigen() {
    const auto symbol = [this](int i) { return Toolbutton(i)->icon(); };
    TToolbaranpassen dialog(ToolbarAusEinstellungen(), symbol, this);
    if (dialog.exec() != QDialog::Accepted) return;
    ToolbarSetzen(einstellungen_, dialog.Auswahl());
    try {
        ToolbarSpeichern(registry_, einstellungen_);
    } catch (const std::exception& f) {
        dialoge_.Meldung(std::string("Die Toolbar-Einstellungen konnten nicht gespeichert "
                                     "werden:\n") + f.what(),
                         Meldungsart::Fehler);
    }
    ToolbarAnwenden(ToolbarAusEinstellungen());
    Anordnen();
}

void TForm1::NachDemOeffnen() {
    alarm_->Pruefen(Alarmherkunft::Oeffnen);
    kern_.ErinnerungenPruefen(Pruefanlass::Automatisch);
}

void TForm1::SchreibschutzoptionenZeigen() {
    TSchreibschutzdialog dialog(sitzung_.optionen, registry_, dialoge_, this);
    dialog.hilfe = HilfeAufrufen;
    dialog.exec();
    // Whichever way it closed: the refresh and save timers follow the options.
    sitzung_.SchreibschutzAnwenden();
}

void TForm1::RahmenblinkenAnwenden() {
    flaeche_->RahmenBlinken(einstellungen_.scharzerRahmenBlinkend, einstellungen_.Timerintervall,
                            einstellungen_.Geschwindigkeit);
}

ToolbarSichtbarkeit TForm1::ToolbarAusEinstellungen() const {
    ToolbarSichtbarkeit s{};
    for (int i = 1; i <= AnzahlToolbuttons; ++i) s[i - 1] = einstellungen_.Toolbutton[i];
    return s;
}

void TForm1::FormCreate() {
    ansicht_->optionen = JahresansichtOptionenAus(einstellungen_);
    kal_.Standardfarben = einstellungen_.Standardfarben;
    kal_.FarbenLeeren();
    kal_.GeaendertSetzen(false);
    TerminfeldZeigen(false);
    farben_->LegendeZeigen();
    JahrSetzen(kern_.Startjahr());
    ToolbarAnwenden(ToolbarAusEinstellungen());
    sitzung_.LetzteDateienAktualisieren({});
    sitzung_.SchreibschutzAnwenden();
    alarm_->Starten();
    if (THilfe::Ordner().isEmpty()) dialoge_.Meldung(THilfe::FehltMeldung());
}

void TForm1::AnwendungstitelSetzen() {
    anwendungstitel_ = QString::fromStdString(sitzung_.Anwendungstitel(ansicht_->Jahr()));
    // The name a desktop shows for the minimised window.
    setWindowIconText(anwendungstitel_);
}

void TForm1::BefehleAktualisieren() {
    ansicht_->dateiOffen = !sitzung_.Dateiname().empty();
    const Befehlszustand b = ansicht_->Befehle();
    Freigeben(befehl::Speichern, b.speichern);
    Freigeben(befehl::EreignissePruefen, b.ereignissePruefen);
    for (const char* name : {befehl::Statistik, befehl::Terminueberwachung})
        Freigeben(QString::fromLatin1(name), b.statistikUndUeberwachung);
}

void TForm1::ZustandAnwenden(const Fensterzustand& z) {
    setWindowTitle(QString::fromStdString(z.fenstertitel));
    Aktion(befehl::Schreibschutz)->setChecked(z.schreibschutzHaken);
    Freigeben(befehl::Schreibschutz, z.schreibschutzAktiv);
    Freigeben(befehl::Aktualisieren, z.aktualisierenAktiv);
    Freigeben(befehl::Schliessen, z.schliessenAktiv);
    Freigeben(befehl::IcsImport, z.bearbeitbar);
    if (farben_) farben_->BearbeitbarSetzen(z.bearbeitbar);
    if (terminmenue_) terminmenue_->BearbeitbarSetzen(z.bearbeitbar);
    const auto stellen = [](QTimer* t, int ms) {
        if (ms <= 0) {
            t->stop();
        } else if (!t->isActive() || t->interval() != ms) {
            t->start(ms);
        }
    };
    stellen(aktualisierenTimer_, z.aktualisierenIntervallMs);
    stellen(speichernTimer_, z.speichernIntervallMs);
    AnwendungstitelSetzen();
    BefehleAktualisieren();
}

void TForm1::ZeitgeberStoppen() {
    aktualisierenTimer_->stop();
    speichernTimer_->stop();
}

void TForm1::NeuInitialisieren() {
    kern_.EinstellungenLesen();
    ansicht_->optionen = JahresansichtOptionenAus(einstellungen_);
    kal_.Standardfarben = einstellungen_.Standardfarben;
    TerminfeldZeigen(ansicht_->terminfeldSichtbar);
    farben_->LegendeZeigen();
    JahrSetzen(kern_.Startjahr());
    ToolbarAnwenden(ToolbarAusEinstellungen());
}

void TForm1::JahresansichtNeuZeichnen() {
    flaeche_->update();
    // The texts follow the document: the day under the pointer, or today.
    const std::optional<Punkt> p = flaeche_->Zeigerposition();
    ansicht_->ZeigerAuswerten(p ? p->x : 0, p ? p->y : 0);
    AnsichtTexteZeigen();
}

void TForm1::JahrSetzen(int jahr) {
    ansicht_->JahrSetzen(jahr);
    JahrAnzeigen();
}

void TForm1::JahrBlaettern(int jahre) {
    ansicht_->JahrBlaettern(jahre);
    JahrAnzeigen();
}

void TForm1::JahrAnzeigen() {
    unteresPanel_->JahrZeigen(ansicht_->Jahr());
    AnwendungstitelSetzen();
    AnsichtTexteZeigen();
}

void TForm1::GeheZuJahr1Click() {
    JahrSetzen(GeheZuJahrFragen(this, ansicht_->Jahr(), uhr_.Jetzt().jahr));
}

void TForm1::Anordnen() {
    Fenstermasse f;
    f.aussenBreite = frameGeometry().width();
    f.clientHoehe = height();
    f.ansichtOben = flaeche_->mapTo(this, QPoint(0, 0)).y();
    f.unteresPanelHoehe = unteresPanel_->isHidden() ? 0 : unteresPanel_->height();
    f.unteresPanelBreite = unteresPanel_->width();
    f.statusleisteHoehe = statusBar()->isHidden() ? 0 : statusBar()->height();
    f.statusleisteOben = statusBar()->y();
    // Text sizes are measured on an image; the view paints with the same fonts.
    QImage bild(1, 1, QImage::Format_RGB32);
    QPainter maler(&bild);
    QtLeinwand masse(maler);
    ansicht_->JahresansichtAnordnen(f, masse);
    unteresPanel_->TerminfeldBreite(ansicht_->Anordnung().terminfeldBreite);
    flaeche_->update();
    ZeigerNachAnordnung();
}

void TForm1::TagesdialogAnlegen() {
    // Lives as long as the main window; the dialogs it asks go through the window's switch.
    tagesdialog_ = new TForm3(kal_, einstellungen_, registry_, dialoge_, this);
    tagesdialog_->FarbaenderungMerkenSetzen(
        [this](int t, int m, int j) { FarbaenderungMerken(t, m, j); });
    tagesdialog_->aktualisieren = [this] {
        if (!sitzung_.Zustand().aktualisierenAktiv) return false;
        sitzung_.Aktualisieren1Click();
        return true;
    };
    tagesdialog_->jahrDerAnsicht = [this] { return ansicht_->Jahr(); };
    tagesdialog_->optionen = [this] { OptionenZeigen(optionsseite::Termine); };
    tagesdialog_->hilfe = HilfeAufrufen;
    tagesdialog_->OptionenFreigeben();
    tagesdialog_->suchtrefferGewaehlt = [this](const Datum& d) {
        dialogSuchtreffer_ = d;
        auswahl_.Setzen(d.tag, d.monat, d.jahr);
    };
    Freigeben(befehl::Weitersuchen, false);
}

void TForm1::TagesdialogOeffnen(int tag, int monat, int jahr) {
    tagesdialog_->SchreibgeschuetztSetzen(sitzung_.schreibgeschuetzt());
    // Opened from a view, the view is still open afterwards.
    const bool offen = ansicht_->ansichtOffen;
    ansicht_->ansichtOffen = true;
    dialogSuchtreffer_.reset();
    tagesdialog_->TagesdialogOeffnen(tag, monat, jahr);
    ansicht_->ansichtOffen = offen;
    // A search inside the dialog moved the selected day to its last hit.
    SuchtrefferZeigen(dialogSuchtreffer_);
}

void TForm1::SuchtrefferZeigen(const std::optional<Datum>& tag) {
    Freigeben(befehl::Weitersuchen, tagesdialog_->WeitersuchenAktiv());
    JahresansichtNeuZeichnen();
    // After the repaint, whose pointer evaluation would go back to today.
    if (tag) auswahl_.Setzen(tag->tag, tag->monat, tag->jahr);
}

void TForm1::Suchen1Click() {
    tagesdialog_->SchreibgeschuetztSetzen(sitzung_.schreibgeschuetzt());
    ansicht_->ansichtOffen = true;
    const std::optional<Datum> tag = tagesdialog_->HauptfensterSuchen(ansicht_->Jahr());
    ansicht_->ansichtOffen = false;
    SuchtrefferZeigen(tag);
}

void TForm1::Weitersuchen1Click() {
    tagesdialog_->SchreibgeschuetztSetzen(sitzung_.schreibgeschuetzt());
    ansicht_->ansichtOffen = true;
    const std::optional<Datum> tag = tagesdialog_->HauptfensterWeitersuchen();
    ansicht_->ansichtOffen = false;
    SuchtrefferZeigen(tag);
}

void TForm1::TagesdialogUebernehmen() {
    // A timer of the session may save while the modal dialog shows a day.
    if (tagesdialog_ && tagesdialog_->isVisible()) tagesdialog_->Modell().tagspeichern();
}

void TForm1::Beschaeftigt(bool ja) {
    if (ja)
        ArbeitBeginnen();
    else
        ArbeitBeenden();
}

void TForm1::StatusTextLeeren() { statusleiste_->Feld(2)->TextSetzen({}); }

void TForm1::LetzteDateienZeigen(const Dateiliste& liste) {
    LetzteDateienMenue(std::vector<std::string>(liste.begin(), liste.end()));
}

TForm1::~TForm1() {
    sitzung_.FensterSetzen(nullptr);
    QCoreApplication::instance()->removeEventFilter(this);
}

QLabel* TForm1::Statusfeld(int nummer) const { return statusleiste_->Feld(nummer); }
QProgressBar* TForm1::Fortschrittsbalken() const { return statusleiste_->Fortschrittsbalken(); }

void TForm1::ArbeitBeginnen() { statusleiste_->ArbeitBeginnen(); }
void TForm1::FortschrittSetzen(int prozent) { statusleiste_->FortschrittSetzen(prozent); }
void TForm1::ArbeitBeenden() { statusleiste_->ArbeitBeenden(); }

std::function<void(int)> TForm1::Fortschrittsmelder() {
    return [this](int prozent) { FortschrittSetzen(prozent); };
}

void TForm1::Startargumente(const QString& datei, const QString& code) {
    startdatei_ = datei;
    startcode_ = code;
}

void TForm1::Beenden1Click() {
    const bool weiter = sitzung_.BeendenClick();
    BefehleAktualisieren();  // "Nein" has cleared the modified flag
    if (!weiter) return;
    beendenLaeuft_ = true;
    close();
    beendenLaeuft_ = false;
}

void TForm1::closeEvent(QCloseEvent* e) {
    // The close box sends the program to the tray when the settings say so and background
    // monitoring can be used.
    if (!beendenLaeuft_ && einstellungen_.beiCloseInTray && isVisible() &&
        Aktion(befehl::Terminueberwachung)->isEnabled()) {
        e->ignore();
        alarm_->InDenHintergrund(Alarmherkunft::Toolbutton);
        return;
    }
    if (!sitzung_.FormCloseQuery()) {
        e->ignore();
        BefehleAktualisieren();
        return;
    }
    // FormClose: the day lists go, the lock is released and its file deleted, and the values
    // the windows keep for themselves are stored.
    kal_.TermineLeeren();
    sitzung_.FormClose();
    // The appointment editor's last start time is offered again at the next start.
    const Termineditor& editor = tagesdialog_->Modell().Editor();
    einstellungen_.TerminStunden = editor.startStunde;
    einstellungen_.TerminMinuten = editor.startMinute;
    kern_.EinstellungenBeimBeendenSpeichern();
    e->accept();
    alarm_->Traydienst().Entfernen();
    emit Geschlossen();
}

void TForm1::SitzungEnde() {
    // A window in the tray comes back so that the question can be seen.
    if (kal_.geaendert && !isVisible()) alarm_->Wiederherstellen();
    sitzung_.SitzungEnde();
    BefehleAktualisieren();
}

void TForm1::VollbildUmschalten() {
    const Vollbildzustand z = kalvora::VollbildUmschalten(
        {vollbildPanel_, vollbildMenue_, vollbildToolbar_}, einstellungen_.VollbildOhneLegende,
        einstellungen_.VollbildOhneMenue, einstellungen_.VollbildOhneToolbar);
    vollbildPanel_ = z.unteresPanel;
    vollbildMenue_ = z.menue;
    vollbildToolbar_ = z.toolbar;
    unteresPanel_->setVisible(vollbildPanel_);
    for (QAction* a : menuBar()->actions()) a->setVisible(vollbildMenue_);
    menuBar()->setVisible(vollbildMenue_);
    findChild<QToolBar*>(QStringLiteral("ToolBar1"))->setVisible(vollbildToolbar_);
}

void TForm1::AdressbuchZeigen(const std::string& gruppendatei) {
    TForm22 fenster(*this, gruppendatei);
    fenster.hilfe = HilfeAufrufen;
    fenster.Zeigen();
}

bool TForm1::AdressbuchOeffnen(const std::string& gruppendatei) {
    // During start-up the window waits until the main window is there.
    QTimer::singleShot(0, this, [this, gruppendatei] { AdressbuchZeigen(gruppendatei); });
    return true;
}

std::string TForm1::AktuellerDateiname() const { return sitzung_.Dateiname(); }

void TForm1::DokumentNachImportZeigen() {
    kal_.Beobachter().Melden([](Dokumentbeobachter& b) { b.DokumentErsetzt(); });
    JahresansichtNeuZeichnen();
    BefehleAktualisieren();
}

namespace {

// The local .ics files among what is dragged onto the window.
QStringList IcsDateien(const QMimeData* daten) {
    QStringList pfade;
    if (!daten || !daten->hasUrls()) return pfade;
    for (const QUrl& url : daten->urls())
        if (url.isLocalFile() && TIcsAustausch::IstIcsDatei(url.toLocalFile()))
            pfade << url.toLocalFile();
    return pfade;
}

}  // namespace

void TForm1::dragEnterEvent(QDragEnterEvent* e) {
    if (!sitzung_.schreibgeschuetzt() && !IcsDateien(e->mimeData()).isEmpty())
        e->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* e) {
    const QStringList pfade = IcsDateien(e->mimeData());
    if (pfade.isEmpty()) return;
    e->acceptProposedAction();
    // The drop returns first; the import with its dialogs runs afterwards.
    QTimer::singleShot(0, this, [this, pfade] {
        for (const QString& p : pfade) ics_->DateiImportieren(p.toStdString(), this);
    });
}

void TForm1::CsvExportieren() {
    Dateidialog d;
    d.filter = "Kalvora (*.csv)|*.csv";
    d.standardendung = "csv";
    const std::string datei = AktuellerDateiname();
    d.vorschlag = datei.empty()
                      ? std::string("kalvo001.csv")
                      : QFileInfo(QString::fromStdString(datei)).completeBaseName().toStdString() +
                            ".csv";
    const auto pfad = dialoge_.DateiSpeichern(d);
    if (!pfad) return;
    ArbeitBeginnen();
    try {
        kern_.DateiSchreiben(*pfad, KalenderAlsCsv(kal_, Fortschrittsmelder()));
        ArbeitBeenden();
    } catch (const std::exception& f) {
        // A file that could not be written is reported, not passed over in silence.
        ArbeitBeenden();
        dialoge_.Meldung(Fehlertext(f), Meldungsart::Fehler);
    }
}

bool TForm1::event(QEvent* e) {
    const bool ergebnis = QMainWindow::event(e);
    if (e->type() == QEvent::Paint && !gezeichnet_) {
        gezeichnet_ = true;
        // After the paint has reached the screen.
        QTimer::singleShot(0, this, [this] { emit ErstesMalGezeichnet(); });
    }
    return ergebnis;
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    if (MindestgroesseHalten()) return;  // the resize back lays out
    Anordnen();
}

bool TForm1::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == flaeche_ && e->type() == QEvent::Resize) {
        Anordnen();
        return false;
    }
    if (e->type() == QEvent::Enter && farben_) farben_->HistorienhinweisSetzen(objekt);
    if (BefehlstasteVorziehen(objekt, e)) return true;
    if (e->type() != QEvent::KeyPress) return false;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || w->window() != this) return false;
    // "+" and "-" change the year anywhere in the window; the key goes no further.
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->text() == QLatin1String("+") || k->text() == QLatin1String("-")) {
        JahrBlaettern(k->text() == QLatin1String("+") ? 1 : -1);
        return true;
    }
    if (k->key() == Qt::Key_Escape && !vollbildPanel_) {
        VollbildUmschalten();
        return true;
    }
    return false;
}

void TForm1::changeEvent(QEvent* e) {
    QMainWindow::changeEvent(e);
    if (e->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // The window takes the whole screen whenever it is activated.
    if (QScreen* s = screen()) {
        move(0, 0);
        resize(s->size());
    }
    setWindowState(windowState() | Qt::WindowMaximized);
    RahmenblinkenAnwenden();
    if (!flaeche_->Zeigerposition()) {
        ansicht_->ZeigerAuswerten(0, 0);  // today's texts and sun times
        AnsichtTexteZeigen();
    }
}

// ---- bottom panel ---------------------------------------------------------------------


void TForm1::FarbbearbeitungWiederherstellen() {
    farben_->ModusAusEinstellungen();
    flaeche_->update();
}

void TForm1::FarbmenusAktualisieren() { farben_->FarbmenusAktualisieren(); }

void TForm1::UnteresPanelAufbauen() {
    auto* panel = new TUnterpanel(ansicht_->Jahr());
    unteresPanel_ = panel;
    legende_ = panel->Legende();
    connect(panel, &TUnterpanel::FarbenGewaehlt, this, [this] {
        TerminfeldZeigen(false);
        Jahresfeld()->setFocus();
    });
    connect(panel, &TUnterpanel::TermineGewaehlt, this, [this] {
        TerminfeldZeigen(true);
        Terminfeld()->setFocus();
    });
    connect(panel, &TUnterpanel::JahrGewaehlt, this, [this](int jahr) {
        if (jahr != ansicht_->Jahr()) JahrSetzen(jahr);
    });
    connect(panel, &TUnterpanel::JahrEingetippt, this, [this](const QString& text) {
        const std::string ergebnis = ansicht_->JahrEingabe(text.toStdString());
        if (ergebnis != text.toStdString())
            unteresPanel_->JahrZeigen(QString::fromStdString(ergebnis).toInt());
        JahrAnzeigen();
    });
    connect(panel, &TUnterpanel::LinksGewuenscht, this, &TForm1::LinkmenueZeigen);
    connect(panel, &TUnterpanel::HintergrundBeruehrt, this, &TForm1::ZeigerAusserhalb);
}

QWidget* TForm1::UnteresPanel() const { return unteresPanel_; }
QSpinBox* TForm1::Jahresfeld() const { return unteresPanel_->Jahresfeld(); }
QTextEdit* TForm1::Terminfeld() const { return unteresPanel_->Terminfeld(); }
QCheckBox* TForm1::AktuelleFarbeBox() const { return unteresPanel_->AktuelleFarbeBox(); }
QLabel* TForm1::AktuelleFarbe() const { return unteresPanel_->AktuelleFarbe(); }

QLabel* TForm1::Farbfeld(int slot) const { return legende_->Farbfeld(slot); }

QIcon TForm1::Farbsymbol(int slot) const { return legende_->Farbsymbol(slot); }

QLabel* TForm1::Farbname(int slot) const { return legende_->Farbname(slot); }

void TForm1::TerminfeldZeigen(bool zeigen) {
    ansicht_->terminfeldSichtbar = zeigen;
    unteresPanel_->TerminfeldZeigen(zeigen, einstellungen_.AnzahlFarben == 1 ? AnzahlFarben : 16);
    if (zeigen) {
        // The field shows the day under the pointer, or today.
        const std::optional<Punkt> p = flaeche_->Zeigerposition();
        ansicht_->ZeigerAuswerten(p ? p->x : 0, p ? p->y : 0);
        AnsichtTexteZeigen();
    }
}

void TForm1::LinkmenueZeigen(const QPoint& global) {
    const std::vector<std::string> links =
        LinksDesTages(kal_, auswahl_.tag, auswahl_.monat, auswahl_.jahr);
    if (links.empty()) return;
    QMenu menue(this);
    menue.setObjectName(QStringLiteral("Linkmenue"));
    for (const std::string& link : links) {
        const QString text = QString::fromStdString(link);
        // Handed to the desktop's "open", never to a command line.
        connect(menue.addAction(text), &QAction::triggered, this,
                [this, link] { kern_.Shelldienst().Oeffnen(link); });
    }
    menue.exec(global);
}

void TForm1::AnsichtTexteZeigen() {
    const auto& status = ansicht_->Statusfelder();
    for (int i : {0, 1, 3}) statusleiste_->Feld(i)->TextSetzen(QString::fromStdString(status[i]));
    if (unteresPanel_->TerminfeldSichtbar()) {
        QString text = QString::fromStdString(ansicht_->Terminfeld());
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        unteresPanel_->TerminfeldText(text);
    }
    befehle_->Sonnenfeld()->setText(QString::fromStdString(ansicht_->Sonnenbeschriftung()));
    befehle_->SonnenfeldZeigen(ansicht_->SonneSichtbar());
    flaeche_->ZeigerformSetzen(ansicht_->Zeiger());
    BefehleAktualisieren();
}

void TForm1::NachDemMalen() {
    alarm_->NachDemMalen();
    statusleiste_->Feld(2)->TextSetzen(QString::fromStdString(ansicht_->Statusfelder()[2]));
    legende_->ZaehlerZeigen(ansicht_->Legendenzaehler());
    BefehleAktualisieren();
}


// ---- start ------------------------------------------------------------------------------

void TForm1::StartNachSplash() {
    TerminfeldZeigen(einstellungen_.TerminfeldAnzeigen);
    const auto farbmodus = [this] { farben_->ModusAusEinstellungen(); };
    farbmodus();
    Befehlszeile zeile;
    zeile.datei = startdatei_.toStdString();
    zeile.startcode = startcode_.toStdString();
    const std::string datei = Startdatei(zeile, einstellungen_.Startdatei);
    if (!datei.empty()) {
        // The load evaluates the start code once, right after the file is read.
        startLaeuft_ = true;
        sitzung_.StartcodeSetzen(zeile.startcode);
        sitzung_.DirektOeffnen(datei);
        startLaeuft_ = false;
        farbmodus();
    }
    ErsteAktivierung();
    ToolbarAnwenden(ToolbarAusEinstellungen());
}

void TForm1::StartcodeAnwenden(const std::string& code) {
    // A file that could not be read leaves the code pending; a later "Öffnen" ignores it.
    if (!startLaeuft_) return;
    const Startaktion a = StartcodeAktion(code, einstellungen_.Autostartansicht);
    if (a.vollbild) VollbildUmschalten();
    if (a.ansicht && *a.ansicht != Startansicht::Jahresansicht)
        StartansichtZeigen(static_cast<int>(*a.ansicht));
}

void TForm1::StartansichtZeigen(int nummer) {
    // The selected day of the start is today, whichever day the pointer happened to rest
    // on in the year view meanwhile.
    const Zeitpunkt heute = uhr_.Jetzt();
    kern_.AuswahlSetzen({heute.tag, heute.monat, heute.jahr});
    AnsichtOeffnen(nummer);
}

void TForm1::ErsteAktivierung() {
    if (!ersteAktivierung_) return;
    ersteAktivierung_ = false;
    if (!StartansichtOeffnen(startcode_.toStdString())) return;
    const Startansicht ansicht = AnsichtAusNummer(einstellungen_.Startansicht);
    if (ansicht != Startansicht::Jahresansicht) StartansichtZeigen(static_cast<int>(ansicht));
}

void TForm1::AnsichtOeffnen(int nummer) {
    // Background monitoring only where its command is available.
    if (nummer == static_cast<int>(Startansicht::Tray)) {
        if (ansicht_->Befehle().statistikUndUeberwachung)
            alarm_->InDenHintergrund(Alarmherkunft::Toolbutton);
        return;
    }
    switch (static_cast<Startansicht>(nummer)) {
        case Startansicht::Monatsansicht:
            AnsichtenZeigen(*this, Ansicht::Monat);
            break;
        case Startansicht::MonatMitWochen:
            AnsichtenZeigen(*this, Ansicht::MonatMitWochen);
            break;
        case Startansicht::Wochenansicht:
            AnsichtenZeigen(*this, Ansicht::Woche);
            break;
        case Startansicht::Zweiwochenansicht:
            AnsichtenZeigen(*this, Ansicht::ZweiWochen);
            break;
        case Startansicht::Stundenplan:
            StundenplanZeigen(*this, false);
            break;
        case Startansicht::DesktopStundenplan:
            StundenplanZeigen(*this, true);
            break;
        default:
            break;
    }
}

// ---- keys, the pointer outside the year view, the window size ---------------------------

bool TForm1::BefehlstasteVorziehen(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::ShortcutOverride) return false;
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w || w == this || w->window() != this) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    const QKeySequence taste(k->keyCombination());
    for (const auto& [name, aktion] : befehle_->Aktionen()) {
        if (aktion->isEnabled() && !aktion->shortcut().isEmpty() && aktion->shortcut() == taste) {
            // Left unaccepted, the key is matched against the window's shortcuts; "&Rückgängig"
            // (Ctrl+Z) and "&Wiederherstellen" (Ctrl+R) undo colours, not the typing in the
            // year field.
            e->ignore();
            return true;
        }
    }
    return false;
}

void TForm1::ZeigerAusserhalb() {
    farben_->LegendeAnhalten();
    if (!ansicht_->Schwebetag() && statusleiste_->Feld(0)->VollerText().isEmpty() &&
        statusleiste_->Feld(1)->VollerText().isEmpty() &&
        statusleiste_->Feld(3)->VollerText().isEmpty())
        return;
    ansicht_->ZeigerVerlassen();
    statusleiste_->TagestexteLeeren();
}

bool TForm1::MindestgroesseHalten() {
    // Size hints are only hints: a window manager, or none, may resize below them.
    const QSize aussen = frameGeometry().size();
    const QSize rahmen = aussen - size();
    // The hint is for the client area; the minimum is the outer size.
    const Groesse klein = FenstergroesseBegrenzen({0, 0});
    const QSize hinweis(klein.breite - rahmen.width(), klein.hoehe - rahmen.height());
    if (rahmen.isValid() && minimumSize() != hinweis) setMinimumSize(hinweis);
    const Groesse g = FenstergroesseBegrenzen({aussen.width(), aussen.height()});
    if (g == Groesse{aussen.width(), aussen.height()}) {
        rueckstellungen_ = 0;
        return false;
    }
    // A window manager that insists on its size (a tiling one) is not fought for ever.
    if (rueckstellungen_ >= 3) return false;
    ++rueckstellungen_;
    resize(g.breite - rahmen.width(), g.hoehe - rahmen.height());
    return true;
}

void TForm1::ZeigerNachAnordnung() {
    // While a dialog or a view is open the selected day belongs to it.
    if (ansicht_->ansichtOffen) return;
    if (const std::optional<Punkt> p = flaeche_->Zeigerposition()) {
        ansicht_->ZeigerAuswerten(p->x, p->y);
        AnsichtTexteZeigen();
    } else if (ansicht_->Schwebetag()) {
        // The day the texts describe is no longer under the pointer.
        ansicht_->ZeigerVerlassen();
        AnsichtTexteZeigen();
    }
}

}  // namespace kalvora
