// The birthday list window with its entry dialog: add, change and delete through the dialogs,
// the year view and the modified flag following, read-only.
#include <QApplication>
#include <QLabel>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <filesystem>

#include "Jahresfenstertest.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/Befehlsausgabe.h"
#include "Testumgebung.h"
#include "kalender/Kalenderdatei.h"
#include "personen/fenster/Geburtstag.h"
#include "personen/fenster/Geburtstagsliste.h"
#include "personen/fenster/Namenstagsjahresliste.h"
#include "personen/fenster/Namenstagslistedrucken.h"
#include "personen/fenster/Namenstagsuchen.h"
#include "platform/qt/QtDaten.h"
#include "main/Hauptmenue.h"
#include "termine/fenster/Drucksteuerung.h"
#include "platform/posix/AtomareDatei.h"

using namespace kalvora;

class GeburtstagslisteTest : public test::Jahresfenstertest {
    Q_OBJECT

    // Runs f on the entry dialog once it is open; f closes it.
    void ImDialog(TForm1& f, std::function<void(TForm16&)> tun) {
        QTimer::singleShot(0, &f, [&f, tun] { tun(f.Geburtstagsfenster().Eintragsdialog()); });
    }
    QImage Zelle(TForm1& f, int tag, int monat) {
        const Rechteck z = f.Jahresansicht().TagesZelle(tag, monat);
        return Bild().copy(QRect(z.links, z.oben, z.Breite(), z.Hoehe()));
    }

private slots:
    void initTestCase() {
        datei_ = ordner_.filePath("leute.kvr");
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(TKalender()));
    }
    void init() {
        registry_ = std::make_unique<SpeicherRegistry>();
        RegistrySchluessel(*registry_, "Software\\Kalvora")
            .WahrheitswertSchreiben("Anzeige der Geburtstage in der Jahresansicht", true);
    }
    void cleanup() { FensterSchliessen(); }

    void HinzufuegenAendernLoeschen() {
        TForm1& f = Fenster();  // 15 June 2009
        TForm15& liste = f.Geburtstagsfenster();
        liste.Sortieren();
        QCOMPARE(liste.Raster()->rowCount(), 1);  // one blank row
        QVERIFY(liste.Knopf(1)->isEnabled());
        QVERIFY(!liste.Knopf(2)->isEnabled() && !liste.Knopf(3)->isEnabled());
        const QImage vorher = Zelle(f, 3, 6);

        // A new entry: "#" and digits typed into a name are dropped.
        ImDialog(f, [](TForm16& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Neuer Eintrag"));
            QVERIFY(d.GeburtstagBox()->isChecked() && !d.NamenstagBox()->isChecked());
            QTest::keyClicks(d.Namensfeld(), "Mey#er7");
            QTest::keyClicks(d.Vornamensfeld(), "Anna");
            d.Geburtsdatumsfeld()->setDate(QDate(1980, 6, 3));
            d.Ok()->click();
        });
        liste.NeuerEintrag();
        QCOMPARE(int(f.Kalender().Geburtstagsliste.size()), 1);
        QCOMPARE(QString::fromStdString(f.Kalender().Geburtstagsliste[0].Name),
                 QStringLiteral("Meyer"));
        QCOMPARE(liste.Raster()->item(0, 2)->text(), QStringLiteral("03.06.1980"));
        QVERIFY(f.Kalender().geaendert);
        QVERIFY(f.Aktion("speichern1")->isEnabled());
        QVERIFY(f.Aktion("Ereignisseprfen1")->isEnabled());
        // The year view shows the birthday glyph on 3 June.
        QVERIFY(Zelle(f, 3, 6) != vorher);

        // A second entry without a first name is dropped without a message.
        ImDialog(f, [](TForm16& d) {
            QTest::keyClicks(d.Namensfeld(), "Ohne");
            d.Ok()->click();
        });
        liste.NeuerEintrag();
        QCOMPARE(int(f.Kalender().Geburtstagsliste.size()), 1);

        // Change: the name day is given now.
        liste.Raster()->selectRow(0);
        QVERIFY(liste.Knopf(2)->isEnabled());
        ImDialog(f, [](TForm16& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Eintrag ändern"));
            QCOMPARE(d.Namensfeld()->text(), QStringLiteral("Meyer"));
            d.Namenstagsfeld()->setDate(QDate(2000, 7, 26));
            QVERIFY(d.NamenstagBox()->isChecked());  // changing the date ticks it
            d.Ok()->click();
        });
        liste.EintragAendern();
        QCOMPARE(liste.Raster()->item(0, 3)->text(), QStringLiteral("26.07."));
        QCOMPARE(f.Kalender().Geburtstagsliste[0].Namenstag, DatumWert(26, 7, 2000));

        // Delete: the dialog shows the entry read-only; afterwards one blank row.
        liste.Raster()->selectRow(0);
        ImDialog(f, [](TForm16& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Eintrag löschen"));
            QVERIFY(d.Namensfeld()->isReadOnly());
            QVERIFY(!d.Geburtsdatumsfeld()->isEnabled());
            d.Ok()->click();
        });
        liste.EintragLoeschen();
        QVERIFY(f.Kalender().Geburtstagsliste.empty());
        QCOMPARE(liste.Raster()->rowCount(), 1);
        QVERIFY(!liste.Knopf(2)->isEnabled());
        QVERIFY(liste.Eintragsdialog().Geburtsdatumsfeld()->isEnabled());
        QVERIFY(Zelle(f, 3, 6) == vorher);
    }

    // "Eintrag ändern" with a plain OK keeps dates the pickers cannot show; the pickers
    // take birth dates from the year 100 on.
    void DatenAusserhalbDerAuswahlBleiben() {
        TKalender leute;
        leute.Geburtstagsliste = {
            {"Alt", "Otto", DatumWert(3, 4, 1850), DatumWert(5, 6, 2150)},
            {"Uralt", "Ulf", DatumWert(1, 1, 1), KeinDatum},
        };
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(leute));
        TForm1& f = Fenster();
        TForm15& liste = f.Geburtstagsfenster();
        liste.Sortieren();
        const auto aendern = [&](const char* name, std::function<void(TForm16&)> tun) {
            for (int r = 0; r < liste.Raster()->rowCount(); ++r)
                if (liste.Raster()->item(r, 0)->text() == QString::fromUtf8(name))
                    liste.Raster()->selectRow(r);
            ImDialog(f, tun);
            liste.EintragAendern();
        };
        const auto eintrag = [&](const char* name) {
            for (const TGeburtstag& g : f.Kalender().Geburtstagsliste)
                if (g.Name == name) return g;
            return TGeburtstag{};
        };
        aendern("Alt", [](TForm16& d) {
            QCOMPARE(d.Geburtsdatumsfeld()->date(), QDate(1850, 4, 3));
            QCOMPARE(d.Geburtsdatumsfeld()->minimumDate(), QDate(100, 1, 1));
            QCOMPARE(d.Namenstagsfeld()->maximumDate(), QDate(2099, 12, 31));
            d.Ok()->click();
        });
        QCOMPARE(eintrag("Alt").Geburtsdatum, DatumWert(3, 4, 1850));
        QCOMPARE(eintrag("Alt").Namenstag, DatumWert(5, 6, 2150));
        aendern("Uralt", [](TForm16& d) { d.Ok()->click(); });
        QCOMPARE(eintrag("Uralt").Geburtsdatum, DatumWert(1, 1, 1));
        QCOMPARE(eintrag("Uralt").Namenstag, KeinDatum);
        // A date the user picks is taken, before 1901 too; the other one stays.
        aendern("Alt", [](TForm16& d) {
            d.Geburtsdatumsfeld()->setDate(QDate(1899, 12, 24));
            d.Ok()->click();
        });
        QCOMPARE(eintrag("Alt").Geburtsdatum, DatumWert(24, 12, 1899));
        QCOMPARE(eintrag("Alt").Namenstag, DatumWert(5, 6, 2150));
        QCOMPARE(liste.Raster()->item(0, 2)->text(), QStringLiteral("24.12.1899"));
        // Unticking still removes a date the pickers cannot show.
        aendern("Alt", [](TForm16& d) {
            d.NamenstagBox()->setChecked(false);
            d.Ok()->click();
        });
        QCOMPARE(eintrag("Alt").Namenstag, KeinDatum);
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(TKalender()));
    }

    // "Liste drucken": the main window's print dialog, then the status window prints.
    void ListeDrucken() {
        TKalender leute;
        leute.Geburtstagsliste = {{"Meyer", "Anna", DatumWert(5, 1, 1950), KeinDatum}};
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(leute));
        TForm1& f = Fenster();
        const QString pdf = ordner_.filePath("liste.pdf");
        int dialoge = 0;
        f.Druckfenster().druckdialog = [&](QPrinter& p) {
            ++dialoge;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        TForm15& liste = f.Geburtstagsfenster();
        liste.Sortieren();
        QVERIFY(liste.Knopf(4)->isEnabled());
        liste.Knopf(4)->click();
        QCOMPARE(dialoge, 1);
        QVERIFY(QFile::exists(pdf));
        const std::string text =
            test::Befehlsausgabe("pdftotext '" + pdf.toStdString() + "' - 2>/dev/null");
        if (!test::Befehlsausgabe("command -v pdftotext").empty()) {
            QVERIFY2(text.find("Geburtstagsliste") != std::string::npos, text.c_str());
            QVERIFY(text.find("Meyer") != std::string::npos);
        }
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(TKalender()));
    }

    // "Vorschläge suchen": the name search for the first name; a double click takes the day
    // and month over into the year 2000. In normal mode a double click does nothing.
    void VorschlagAusDerNamenssuche() {
        TForm1& f = Fenster();
        test::SkriptDialoge meldungen;
        TForm21 suche({std::filesystem::path(KALVORA_CLI).parent_path().string()}, meldungen);
        TForm16& dialog = f.Geburtstagsfenster().Eintragsdialog();
        dialog.vorschlaege = [&suche](const std::string& v, std::function<void(int, int)> g) {
            suche.Vorschlagen(v, std::move(g));
        };
        dialog.Vorbereiten(TForm16::Art::Neu, {}, {15, 6, 2009});
        QVERIFY(!dialog.Vorschlagsknopf()->isEnabled());
        dialog.Vornamensfeld()->setText(QStringLiteral("nikolaus"));
        QVERIFY(dialog.Vorschlagsknopf()->isEnabled());
        int zeile = -1;
        QString status;
        int abstandMitte = -1;
        QTimer::singleShot(0, &suche, [&] {
            // The window stands in the middle of the screen, not at its left edge.
            if (const QScreen* s = suche.screen())
                abstandMitte =
                    std::abs(suche.geometry().center().x() - s->geometry().center().x());
            status = suche.Statuszeile()->text();
            for (int r = 0; r < suche.Raster()->rowCount(); ++r) {
                const QTableWidgetItem* d = suche.Raster()->item(r, 0);
                const QTableWidgetItem* n = suche.Raster()->item(r, 1);
                if (d && n && d->text() == "06.12." && n->text() == "Nikolaus") zeile = r;
            }
            emit suche.Raster()->cellDoubleClicked(zeile, 1);
        });
        dialog.Vorschlagsknopf()->click();
        QVERIFY2(status.startsWith("Suche beendet, es wurden "), qPrintable(status));
        QVERIFY2(abstandMitte >= 0 && abstandMitte <= 2,
                 qPrintable(QString::number(abstandMitte)));
        QVERIFY(zeile >= 0);
        QVERIFY(!suche.isVisible());
        QCOMPARE(dialog.Namenstagsfeld()->date(), QDate(2000, 12, 6));
        QVERIFY(dialog.NamenstagBox()->isChecked());
        QVERIFY(meldungen.meldungen.empty());
        // Normal mode: nothing is taken over.
        suche.Suchfeld()->setText(QStringLiteral("zzzz"));
        suche.Suchen();
        QCOMPARE(suche.Statuszeile()->text(),
                 QStringLiteral("Suche beendet, aber leider keinen gefunden!"));
        QCOMPARE(suche.Raster()->rowCount(), 1);
    }

    // "Jahresübersicht Namenstage": the year of the main window, stepped with "+" and "-".
    void Jahresuebersicht() {
        TForm1& f = Fenster();  // shows 2009
        QString titel, nachPlus, nachMinus, seitenhinweis;
        bool namen = false, namenGesperrt = false, hinweisGanz = true;
        bool pfeileStattSortierung = false;
        const QString pdf = ordner_.filePath("namenstage.pdf");
        f.Druckfenster().druckdialog = [&pdf](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            return true;
        };
        QTimer::singleShot(0, &f, [&] {
            TForm18& u = f.Namenstagsfenster();
            titel = u.windowTitle();
            namen = !u.Katalog().Namen(6, 12).empty();
            QTest::keyClick(&u, Qt::Key_Plus);
            nachPlus = u.windowTitle();
            // "-" and "+" show paging arrows, not the sort icons.
            const auto bild = [](const QIcon& i) { return i.pixmap(16, 16).toImage(); };
            pfeileStattSortierung =
                bild(u.Knopf(1)->icon()) == bild(Symbol("zurueck", "go-previous")) &&
                bild(u.Knopf(3)->icon()) == bild(Symbol("vor", "go-next")) &&
                bild(u.Knopf(1)->icon()) != bild(Symbol("absteigend", "go-previous"));
            u.Knopf(1)->click();
            u.Knopf(1)->click();
            nachMinus = u.windowTitle();
            QVERIFY(u.Zeichenflaeche()->width() == u.Masse().Breite());
            // "Drucken": the options, then the print dialog; 5 columns give three pages.
            QTimer::singleShot(0, &u, [&u, &seitenhinweis, &namenGesperrt, &hinweisGanz] {
                TForm20& o = u.Druckoptionen();
                namenGesperrt = !o.Namenfeld()->isEnabled();
                // The page hint stands whole inside the dialog for every column count.
                for (int n = 1; n <= 6; ++n) {
                    o.Spaltenfeld()->setValue(n);
                    QLabel* l = o.Seitenzeile();
                    const int noetig = l->fontMetrics().horizontalAdvance(l->text());
                    if (l->width() < noetig || l->geometry().right() >= o.width())
                        hinweisGanz = false;
                }
                o.Spaltenfeld()->setValue(5);
                seitenhinweis = o.Seitenzeile()->text();
                o.Drucken()->click();
            });
            u.Knopf(4)->click();
            QTest::keyClick(&u, Qt::Key_Escape);
        });
        f.Aktion(QString::fromLatin1(befehl::NamenstageJahresuebersicht))->trigger();
        QCOMPARE(titel, QStringLiteral("Namenstagsübersicht 2009"));
        QCOMPARE(nachPlus, QStringLiteral("Namenstagsübersicht 2010"));
        QCOMPARE(nachMinus, QStringLiteral("Namenstagsübersicht 2008"));
        QVERIFY(namen);
        QVERIFY(f.Namenstagsfenster().Katalog().Leer());  // freed on closing
        QVERIFY(namenGesperrt);
        QVERIFY(hinweisGanz);
        QVERIFY(pfeileStattSortierung);
        QCOMPARE(seitenhinweis, QStringLiteral("(dies entspricht 3 Seiten)"));
        QVERIFY(QFile::exists(pdf));
        if (!test::Befehlsausgabe("command -v pdfinfo").empty()) {
            const std::string info = test::Befehlsausgabe("pdfinfo '" + pdf.toStdString() + "'");
            QVERIFY2(info.find("Pages:           3") != std::string::npos, info.c_str());
        }
        QVERIFY(!f.Namenstagsfenster().isVisible());
    }

    void SortierenUndSchreibschutz() {
        TKalender leute;
        leute.Geburtstagsliste = {{"Meyer", "Anna", DatumWert(5, 1, 1950), KeinDatum},
                                  {"Müller", "Bert", DatumWert(3, 1, 1990), KeinDatum}};
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(leute));
        TForm1& f = Fenster();
        TForm15& liste = f.Geburtstagsfenster();
        liste.Kriterium()->setCurrentIndex(3);  // "Geburtstag": re-sorts
        QCOMPARE(liste.Raster()->item(0, 1)->text(), QStringLiteral("Bert"));
        QCOMPARE(QString::fromStdString(f.Kalender().Geburtstagsliste[0].Vorname),
                 QStringLiteral("Bert"));
        QVERIFY(!f.Kalender().geaendert);  // the order alone is no change
        liste.Knopf(10)->click();
        QCOMPARE(liste.Raster()->item(0, 1)->text(), QStringLiteral("Anna"));

        QVERIFY(f.Sitzung().Schreibschutz1Click());
        QVERIFY(f.Sitzung().schreibgeschuetzt());
        liste.Sortieren();
        QVERIFY(!liste.Knopf(1)->isEnabled());
        QVERIFY(!liste.Knopf(2)->isEnabled());
        QVERIFY(!liste.Knopf(3)->isEnabled());
        liste.Raster()->selectRow(0);
        QVERIFY(!liste.Knopf(2)->isEnabled());
        liste.NeuerEintrag();  // refused: no dialog opens
        QCOMPARE(int(f.Kalender().Geburtstagsliste.size()), 2);
        // F5 in a read-only copy reads the file again; the list shows what the other copy saved.
        TKalender anders;
        anders.Geburtstagsliste = {{"Zander", "Zoe", DatumWert(1, 2, 1999), KeinDatum}};
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(anders));
        QTest::keyClick(&liste, Qt::Key_F5);
        QCOMPARE(liste.Raster()->rowCount(), 1);
        QCOMPARE(liste.Raster()->item(0, 0)->text(), QStringLiteral("Zander"));
        QVERIFY(f.Sitzung().Schreibschutz1Click());
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(TKalender()));
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<GeburtstagslisteTest>(argc, argv);
}

#include "GeburtstagslisteTest.moc"
