// The address book window as a user meets it: a new group, two entries through the editor,
// sorting, copying an entry into another group, the XML export, and everything there again
// after reopening; the pseudo group, deleting a group to the trash, the serial mail, the
// options dialog and a group file opened from the main window.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <fstream>

#include <functional>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "adressbuch/Adressbuch.h"
#include "adressbuch/fenster/AdressbuchOptionen.h"
#include "adressbuch/fenster/Adressbuch.h"
#include "adressbuch/fenster/Adressbucheintrag.h"
#include "adressbuch/fenster/Serienmail.h"
#include "doubles/Testdateien.h"
#include "einstellungen/Adressbuchablage.h"
#include "kalender/Kalenderdatei.h"
#include "main/Hauptmenue.h"
#include "main/fenster/XmlExportdialog.h"
#include "platform/posix/AtomareDatei.h"
#include "termine/fenster/Drucksteuerung.h"

using namespace kalvora;

namespace {

template <class T>
void ImFenster(std::function<void(T*)> f, int ms = 30) {
    QTimer::singleShot(ms, qApp, [f, ms] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w) {
            ImFenster<T>(f, ms);
            return;
        }
        f(w);
    });
}

// Fills the editor and presses OK.
void Eintragen(const char* anrede, const char* name, const char* vorname, const char* mail) {
    ImFenster<TForm23>([=](TForm23* e) {
        e->Anrede()->setCurrentText(QString::fromUtf8(anrede));
        e->Feld(adressfeld::Name)->setText(QString::fromUtf8(name));
        e->Feld(adressfeld::Vorname)->setText(QString::fromUtf8(vorname));
        e->Feld(adressfeld::Email)->setText(QString::fromUtf8(mail));
        e->OkKnopf()->click();
    });
}

QStringList Spalte(QTableWidget* t, int c) {
    QStringList s;
    for (int r = 0; r < t->rowCount(); ++r) s << (t->item(r, c) ? t->item(r, c)->text() : "");
    return s;
}

}  // namespace

class AdressbuchfensterTest : public test::Jahresfenstertest {
    Q_OBJECT

    QString adressen_;

    TForm1& Offen() {
        TForm1& f = Fenster();
        return f;
    }

private slots:
    void init() {
        datei_ = ordner_.filePath("plan.kvr");
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(TKalender{}));
        registry_ = std::make_unique<SpeicherRegistry>();
        adressen_ = ordner_.filePath("adressen");
        QDir().mkpath(adressen_);
        QDir(adressen_).removeRecursively();
        QDir().mkpath(adressen_);
        registry_->Schreiben(AdressbuchSchluessel, "Verzeichnis", adressen_.toStdString());
        dialoge_ = {};
    }
    void cleanup() { FensterSchliessen(); }

    void GruppeEintraegeKopierenExportUndWiederoeffnen() {
        TForm1& f = Offen();
        QVERIFY(f.Aktion(befehl::Adressbuch)->isEnabled());
        {
            TForm22 w(f);
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QCOMPARE(w.Baum()->topLevelItemCount(), 0);
            QVERIFY(!w.Befehl("NeuerEintrag")->isEnabled());
            QCOMPARE(w.Statusfeld(1)->text(), QStringLiteral("0 Einträge"));
            // "&Exportieren" is disabled without groups, enabled once there is one.
            auto* exportmenue = w.findChild<QMenu*>(QStringLiteral("Exportieren"));
            QVERIFY(exportmenue);
            QVERIFY(!exportmenue->menuAction()->isEnabled());

            dialoge_.eingaben.push_back(std::string("Freunde"));
            w.GruppeAnlegen();
            dialoge_.eingaben.push_back(std::string("Arbeit"));
            w.GruppeAnlegen();
            QCOMPARE(w.Baum()->topLevelItem(0)->text(0), QStringLiteral("Adressbuch (gesamt)"));
            QCOMPARE(w.Baum()->topLevelItemCount(), 3);
            QCOMPARE(w.Baum()->currentItem()->text(0), QStringLiteral("Arbeit"));
            QCOMPARE(w.Statusfeld(0)->text(), QStringLiteral("2 Gruppen"));
            QVERIFY(exportmenue->menuAction()->isEnabled());
            // A name that cannot be a file name is refused.
            dialoge_.eingaben.push_back(std::string("../weg"));
            w.GruppeAnlegen();
            QVERIFY(dialoge_.meldungen.back().text.find("kann kein Dateiname sein") !=
                    std::string::npos);

            w.KnotenWaehlen(2);  // Freunde
            QVERIFY(w.Befehl("NeuerEintrag")->isEnabled());
            Eintragen("Frau", "Zander", "Eva", "eva@x.de; e@y.de");
            w.NeuerEintrag();
            Eintragen("Herr", "Abel", "Udo", "");
            w.NeuerEintrag();
            // A "Herr" without first name asks; "Nein" keeps the editor, then Abbruch.
            dialoge_.antworten.push_back(Antwort::Nein);
            ImFenster<TForm23>([](TForm23* e) {
                e->Feld(adressfeld::Name)->setText(QStringLiteral("Ohne#Vorname"));
                QCOMPARE(e->Feld(adressfeld::Name)->text(), QStringLiteral("Ohne#Vorname"));
                e->OkKnopf()->click();
                QVERIFY(e->isVisible());
                e->AbbruchKnopf()->click();
            });
            w.NeuerEintrag();
            QCOMPARE(Spalte(w.Raster(), adressfeld::Name),
                     (QStringList{"Abel", "Zander"}));
            QCOMPARE(w.Statusfeld(1)->text(), QStringLiteral("2 Einträge"));
            w.Sortieren(adressfeld::Vorname);
            QCOMPARE(Spalte(w.Raster(), adressfeld::Name), (QStringList{"Zander", "Abel"}));

            // Copy Eva into "Arbeit": switching saves "Freunde" first.
            w.Raster()->setCurrentCell(0, 0);
            w.kopierzielWaehlen = [](const QStringList& g) {
                return std::optional<int>(g.indexOf(QStringLiteral("Arbeit")));
            };
            w.EintragKopieren();
            QCOMPARE(w.Baum()->currentItem()->text(0), QStringLiteral("Arbeit"));
            QCOMPARE(Spalte(w.Raster(), adressfeld::Name), QStringList{"Zander"});
            QVERIFY(testdateien::Inhalt((adressen_ + "/Freunde.kvradr").toStdString())
                        .find("Herr#Abel#Udo") != std::string::npos);

            // The pseudo group shows all three, and no entry command.
            w.KnotenWaehlen(0);
            QCOMPARE(w.Raster()->rowCount(), 3);
            QVERIFY(!w.Befehl("NeuerEintrag")->isEnabled());
            QVERIFY(!w.Befehl("EintragBearbeiten")->isEnabled());

            // Export of both groups with the pseudo group.
            const QString xml = ordner_.filePath("adressen.xml");
            dialoge_.speichern.push_back(xml.toStdString());
            w.exportdialogZeigen = [](TXmlExportdialog& d) {
                if (!d.Liste()->isVisible() && d.Liste()->isHidden()) return false;
                if (d.Start()->isVisibleTo(&d)) return false;
                d.Liste()->item(1)->setCheckState(Qt::Checked);
                d.Liste()->item(0)->setCheckState(Qt::Unchecked);
                if (!d.OkKnopf()->isEnabled()) return false;
                d.Liste()->item(1)->setCheckState(Qt::Unchecked);
                if (d.OkKnopf()->isEnabled()) return false;  // nothing ticked: no "Ok"
                d.Liste()->item(0)->setCheckState(Qt::Checked);
                d.Liste()->item(2)->setCheckState(Qt::Checked);
                return true;
            };
            w.XmlExportieren();
            const std::string text = testdateien::Inhalt(xml.toStdString());
            QVERIFY(text.find("<GRUPPENNAME>Adressbuch (gesamt)</GRUPPENNAME>\r\n"
                              "    <GRUPPENMITGLIEDSANZAHL>3</GRUPPENMITGLIEDSANZAHL>") !=
                    std::string::npos);
            QVERIFY(text.find("<GRUPPENNAME>Freunde</GRUPPENNAME>") != std::string::npos);
            QVERIFY(text.find("<EMAIL-ADRESSE>e@y.de</EMAIL-ADRESSE>") != std::string::npos);
            QVERIFY(QFile::exists(ordner_.filePath("kalvora-adressen.xsl")));
            QVERIFY(QFile::exists(ordner_.filePath("kalvora-adressen.dtd")));
            QCOMPARE(dialoge_.dateidialoge.back().vorschlag, std::string("Adressbuch (gesamt).xml"));

            w.KnotenWaehlen(2);
            w.Raster()->setColumnWidth(adressfeld::Ort, 140);
            w.grab().save(QDir::temp().filePath("kalvora-adressbuch.png"));
            w.reject();
        }
        QCOMPARE(registry_->Lesen(AdressbuchSchluessel, "Breite7"),
                 std::optional<Registrywert>(int32_t{140}));
        // Reopened: the groups and their entries are there.
        TForm22 wieder(f);
        QCOMPARE(wieder.Baum()->topLevelItemCount(), 3);
        wieder.KnotenWaehlen(2);
        QCOMPARE(Spalte(wieder.Raster(), adressfeld::Name), (QStringList{"Abel", "Zander"}));
        QCOMPARE(wieder.Raster()->columnWidth(adressfeld::Ort), 140);
        wieder.KnotenWaehlen(1);
        QCOMPARE(Spalte(wieder.Raster(), adressfeld::Vorname), QStringList{"Eva"});
        wieder.reject();
    }

    void LoeschenMailUndOptionen() {
        TForm1& f = Offen();
        registry_->Schreiben(AdressbuchSchluessel, "Papierkorb benutzen", int32_t{1});
        std::ofstream(adressen_.toStdString() + "/Kunden.kvradr", std::ios::binary)
            << "Kalvora-Adressbuch Ver 1.0\r\n"
               "Frau#Meier#Eva############\r\nHerr#Kunz#Udo#########k@x.de#####\r\n";
        std::ofstream(adressen_.toStdString() + "/Alt.kvradr", std::ios::binary) << "";
        TForm22 w(f);
        w.serienpauseMs = 10;
        QCOMPARE(w.Baum()->topLevelItem(1)->text(0), QStringLiteral("Alt"));
        w.KnotenWaehlen(2);
        QCOMPARE(w.Raster()->rowCount(), 2);

        // The serial mail goes to both entries, one after the other.
        ImFenster<TForm26>([](TForm26* s) {
            s->Betreff()->setText(QStringLiteral("Termin & Ort?"));
            s->Text()->setPlainText(QStringLiteral("<sg> <anrede> <name>,"));
            s->Erstellen()->click();
        });
        w.Serienmail();
        auto& shell = programm_->Shelldouble();
        QTRY_COMPARE(shell.geoeffnet.size(), std::size_t{2});
        QCOMPARE(shell.geoeffnet[1],
                 std::string("mailto:?SUBJECT=Termin%20%26%20Ort%3F&body=Sehr%20geehrte%20Frau"
                             "%20Meier%2C%0D%0A"));
        QCOMPARE(shell.geoeffnet[0].rfind("mailto:k@x.de?SUBJECT=", 0), 0u);

        // "Alt" goes to the trash after the question.
        w.KnotenWaehlen(1);
        dialoge_.antworten.push_back(Antwort::Ja);
        w.GruppeLoeschen();
        QCOMPARE(dialoge_.meldungen.back().text,
                 std::string("Wollen Sie die Gruppe \"Alt\" wirklich löschen?"));
        QCOMPARE(shell.papierkorb.size(), std::size_t{1});
        QCOMPARE(w.Baum()->topLevelItemCount(), 2);
        w.KnotenWaehlen(0);
        w.GruppeLoeschen();
        QCOMPARE(dialoge_.meldungen.back().text,
                 std::string("Diese Gruppe kann nicht gelöscht werden"));

        // Options: a margin that is no number is refused; a new folder with "kopieren".
        const QString neu = ordner_.filePath("neu");
        QDir().mkpath(neu);
        ImFenster<TForm25>([&](TForm25* o) {
            QVERIFY(!o->UebernehmenKnopf()->isEnabled());
            o->Rand(0)->setText(QStringLiteral("zwei"));
            QVERIFY(o->UebernehmenKnopf()->isEnabled());
            o->OkKnopf()->click();
            QVERIFY(o->isVisible());
            o->Rand(0)->setText(QLocale().toString(2.5));
            o->Spalte(adressfeld::Vorname)->setChecked(false);
            o->Zeilenhoehe()->setValue(30);
            o->Dateien(1)->setChecked(true);
            o->OrdnerWaehlen(neu);
            o->OkKnopf()->click();
        });
        w.OptionenZeigen();
        QCOMPARE(dialoge_.meldungen.back().text,
                 std::string("'zwei' ist kein gültiger Gleitkommawert"));
        QCOMPARE(w.Ordner(), neu);
        QVERIFY(QFile::exists(neu + "/Kunden.kvradr"));
        QVERIFY(QFile::exists(adressen_ + "/Kunden.kvradr"));
        QVERIFY(w.Raster()->isColumnHidden(adressfeld::Vorname));
        QCOMPARE(w.Raster()->verticalHeader()->defaultSectionSize(), 30);
        Adressoptionen gelesen;
        AdressoptionenLaden(*registry_, gelesen);
        QCOMPARE(gelesen.links, 2.5);
        QCOMPARE(gelesen.verzeichnis, neu.toStdString());
        QVERIFY(!gelesen.spalte[adressfeld::Vorname]);
        w.reject();
    }

    // A group file of another program or version opens silently as an empty group that is
    // only read: a new entry or a copy into it goes into a new group the user names, and
    // the file keeps its entries.
    void FremdeGruppeBleibtUnveraendert() {
        TForm1& f = Offen();
        const std::string fremd = "Kalvora-Adressbuch Ver 2.0\r\nHerr#Alt#Otto\r\n";
        const std::string alt = adressen_.toStdString() + "/Alt.kvradr";
        std::ofstream(alt, std::ios::binary) << fremd;
        std::ofstream(adressen_.toStdString() + "/Kunden.kvradr", std::ios::binary)
            << "Kalvora-Adressbuch Ver 1.0\r\nFrau#Meier#Eva############\r\n";
        std::ofstream(adressen_.toStdString() + "/Leer.kvradr", std::ios::binary) << "";
        TForm22 w(f);
        const auto waehlen = [&w](const QString& name) {
            for (int i = 0; i < w.Baum()->topLevelItemCount(); ++i)
                if (w.Baum()->topLevelItem(i)->text(0) == name) w.KnotenWaehlen(i);
            QCOMPARE(w.Baum()->currentItem()->text(0), name);
        };
        waehlen(QStringLiteral("Alt"));
        QCOMPARE(w.Statusfeld(1)->text(), QStringLiteral("0 Einträge"));
        QVERIFY(dialoge_.meldungen.empty());  // opening says nothing

        // "Abbruch" at the name: nothing changes, no editor opens.
        dialoge_.eingaben.push_back(std::nullopt);
        w.NeuerEintrag();
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
        const std::string grund = dialoge_.meldungen.back().text;
        QVERIFY2(grund.find("Alt.kvradr") != std::string::npos, grund.c_str());
        QVERIFY(grund.find("Kalvora-Adressbuch Ver 1.0") != std::string::npos);
        QVERIFY(grund.find("nicht überschrieben") != std::string::npos);
        QCOMPARE(dialoge_.eingabeAufforderungen.back(), std::string("Neue Gruppe :"));
        QCOMPARE(w.Baum()->currentItem()->text(0), QStringLiteral("Alt"));

        // A name: the new group is opened and takes the new entry.
        dialoge_.eingaben.push_back(std::string("Alt neu"));
        Eintragen("Herr", "Zeh", "Udo", "");
        w.NeuerEintrag();
        QCOMPARE(w.Baum()->currentItem()->text(0), QStringLiteral("Alt neu"));
        QCOMPARE(Spalte(w.Raster(), adressfeld::Name), QStringList{"Zeh"});

        // Copying into the foreign group: the copy goes into another new group.
        waehlen(QStringLiteral("Kunden"));
        w.Raster()->setCurrentCell(0, 0);
        w.kopierzielWaehlen = [](const QStringList& g) {
            return std::optional<int>(g.indexOf(QStringLiteral("Alt")));
        };
        dialoge_.eingaben.push_back(std::string("Alt Kopie"));
        w.EintragKopieren();
        QCOMPARE(w.Baum()->currentItem()->text(0), QStringLiteral("Alt Kopie"));
        QCOMPARE(Spalte(w.Raster(), adressfeld::Name), QStringList{"Meier"});
        // An empty file of our own takes entries as any group does.
        waehlen(QStringLiteral("Leer"));
        const std::size_t meldungen = dialoge_.meldungen.size();
        Eintragen("Frau", "Ort", "Ida", "");
        w.NeuerEintrag();
        QCOMPARE(dialoge_.meldungen.size(), meldungen);
        w.reject();

        QCOMPARE(testdateien::Inhalt(alt), fremd);
        QVERIFY(testdateien::Inhalt(adressen_.toStdString() + "/Alt neu.kvradr")
                    .find("Herr#Zeh#Udo") != std::string::npos);
        QVERIFY(testdateien::Inhalt(adressen_.toStdString() + "/Alt Kopie.kvradr")
                    .find("Frau#Meier#Eva") != std::string::npos);
        QVERIFY(testdateien::Inhalt(adressen_.toStdString() + "/Leer.kvradr")
                    .find("Frau#Ort#Ida") != std::string::npos);
    }

    // "Gehe zu Homepage" opens only web pages and mail addresses: a bare host gets
    // "http://", a script or a file is refused with a message and nothing is opened.
    void HomepageNurWebadressen() {
        TForm1& f = Offen();
        std::ofstream(adressen_.toStdString() + "/Links.kvradr", std::ios::binary)
            << "Kalvora-Adressbuch Ver 1.0\r\n"
               "Herr#A#Anton##########javascript:alert(1)####\r\n"
               "Herr#B#Bert##########file:///etc/passwd####\r\n"
               "Herr#C#Carl##########www.example.de####\r\n";
        TForm22 w(f);
        w.KnotenWaehlen(1);
        QCOMPARE(w.Raster()->rowCount(), 3);
        auto& shell = programm_->Shelldouble();
        shell.geoeffnet.clear();
        for (int r : {0, 1}) {
            w.Raster()->setCurrentCell(r, 0);
            QVERIFY(w.Befehl("Homepage")->isEnabled());
            w.Homepage();
            QVERIFY(shell.geoeffnet.empty());
            QCOMPARE(dialoge_.meldungen.back().art, Meldungsart::Warnung);
            QVERIFY(dialoge_.meldungen.back().text.find("wird nicht geöffnet") !=
                    std::string::npos);
        }
        w.Raster()->setCurrentCell(2, 0);
        w.Homepage();
        QCOMPARE(shell.geoeffnet, std::vector<std::string>{"http://www.example.de"});
        w.reject();
    }

    // A new or changed entry stays selected where the sorting puts it, not on the first row.
    void NeuerUndGeaenderterEintragBleibtGewaehlt() {
        TForm1& f = Offen();
        std::ofstream(adressen_.toStdString() + "/Auswahl.kvradr", std::ios::binary)
            << "Kalvora-Adressbuch Ver 1.0\r\n"
               "Herr#Abel#Anton##############\r\n"
               "Herr#Berg#Bert##############\r\n"
               "Herr#Dorn#Dirk##############\r\n";
        TForm22 w(f);
        w.KnotenWaehlen(1);
        QCOMPARE(w.Raster()->rowCount(), 3);
        Eintragen("Frau", "Christ", "Clara", "");
        w.NeuerEintrag();
        QCOMPARE(Spalte(w.Raster(), adressfeld::Name),
                 (QStringList{"Abel", "Berg", "Christ", "Dorn"}));
        QCOMPARE(w.Raster()->currentRow(), 2);
        QVERIFY(w.Raster()->selectionModel()->isRowSelected(2, {}));
        // "Abel" renamed to "Zeller" moves to the end and stays selected there.
        w.Raster()->setCurrentCell(0, 0);
        ImFenster<TForm23>([](TForm23* e) {
            e->Feld(adressfeld::Name)->setText(QStringLiteral("Zeller"));
            e->OkKnopf()->click();
        });
        w.EintragBearbeiten();
        QCOMPARE(w.Raster()->item(3, adressfeld::Name)->text(), QStringLiteral("Zeller"));
        QCOMPARE(w.Raster()->currentRow(), 3);
        QVERIFY(w.Raster()->selectionModel()->isRowSelected(3, {}));
        w.reject();
    }

    // A serial mail beyond a megabyte keeps its dialog open with the limit named; a list
    // beyond the print limit is refused before the print dialog.
    void ZuLangeSerienmailUndListe() {
        TForm1& f = Offen();
        std::string gruppe = "Kalvora-Adressbuch Ver 1.0\r\n";
        for (int i = 0; i < 10'001; ++i) gruppe += "Herr#N" + std::to_string(i) + "#V\r\n";
        std::ofstream(adressen_.toStdString() + "/Viele.kvradr", std::ios::binary) << gruppe;
        TForm22 w(f);
        w.KnotenWaehlen(1);
        QCOMPARE(w.Raster()->rowCount(), 10'001);
        int druckdialoge = 0;
        f.Druckfenster().druckdialog = [&](QPrinter&) { return ++druckdialoge, false; };
        w.Drucken();
        QCOMPARE(druckdialoge, 0);
        QCOMPARE(dialoge_.meldungen.back().text,
                 std::string("Die Liste hat 10001 Einträge; gedruckt werden höchstens 10000 "
                             "Einträge auf einmal."));

        bool offen = false;
        ImFenster<TForm26>([&](TForm26* s) {
            s->Betreff()->setText(QStringLiteral("Betreff"));
            QString zeilen;
            while (zeilen.size() < 1'048'576) zeilen += QString(99, QLatin1Char('a')) + '\n';
            s->Text()->setPlainText(zeilen);
            s->Erstellen()->click();
            offen = s->isVisible();
            s->reject();
        });
        w.Serienmail();
        QVERIFY(offen);
        QVERIFY(dialoge_.meldungen.back().text.find("höchstens 1 MB (1048576 Bytes)") !=
                std::string::npos);
        QVERIFY(programm_->Shelldouble().geoeffnet.empty());
        w.reject();
    }

    void GruppendateiVonAussen() {
        TForm1& f = Offen();
        const QString anderswo = ordner_.filePath("anderswo");
        QDir().mkpath(anderswo);
        std::ofstream((anderswo + "/Verein.kvradr").toStdString(), std::ios::binary)
            << "Kalvora-Adressbuch Ver 1.0\r\nFirma#Sportclub\r\n";
        bool gesehen = false;
        ImFenster<TForm22>([&](TForm22* w) {
            QCOMPARE(w->Ordner(), anderswo);
            QCOMPARE(w->Baum()->currentItem()->text(0), QStringLiteral("Verein"));
            QCOMPARE(Spalte(w->Raster(), adressfeld::Name), QStringList{"Sportclub"});
            gesehen = true;
            w->reject();
        });
        QVERIFY(f.Sitzung().DirektOeffnen((anderswo + "/Verein.kvradr").toStdString()));
        QTRY_VERIFY(gesehen);
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<AdressbuchfensterTest>(argc, argv);
}

#include "AdressbuchfensterTest.moc"
