// The dialogs of the menu "Termine" that change the document as a whole, offscreen: the
// week-based continuation, the colour definitions and the category and link lists.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "extras/fenster/Farben_definieren.h"
#include "extras/fenster/Kategoriendefinieren.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Terminmenue.h"
#include "termine/fenster/Wochenfortschreibung.h"

using namespace kalvora;

namespace {

// Saves a picture of a dialog for a look by eye.
void Bildschirmfoto(QWidget& w, const char* name) {
    QCoreApplication::processEvents();
    w.grab().save(QStringLiteral("/tmp/%1.png").arg(QString::fromLatin1(name)));
}

// Whether any child widget reaches past the dialog's client area.
QString Abgeschnitten(QWidget& d) {
    for (QWidget* w : d.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&d) || w->parentWidget() != &d) continue;
        if (!d.rect().contains(w->geometry()))
            return w->objectName() + " " + w->metaObject()->className();
    }
    return {};
}

// Types text key by key (umlauts included), as the keyboard would.
void Tippen(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &druck);
        QKeyEvent los(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &los);
    }
}

// The cell editor of a grid row (column 1), opened by making the cell the current one.
QLineEdit* Zelleneditor(QTableWidget* r, int zeile) {
    r->setFocus();
    r->setCurrentCell(zeile, 1);
    QCoreApplication::processEvents();
    auto* e = qobject_cast<QLineEdit*>(r->indexWidget(r->model()->index(zeile, 1)));
    if (e) e->setFocus();
    return e;
}

std::vector<QString> Texte(QMenu* m) {
    std::vector<QString> t;
    for (QAction* a : m->actions())
        if (!a->isSeparator()) t.push_back(a->text());
    return t;
}

}  // namespace

class TerminmenueTest : public test::Jahresfenstertest {
    Q_OBJECT

    std::function<void(QDialog&)> schritte_;

    TForm1& Offen() {
        TForm1& f = Fenster();
        f.Terminmenue().dialogZeigen = [this](QDialog& d) {
            d.show();
            d.activateWindow();
            if (!QTest::qWaitForWindowActive(&d)) qFatal("dialog not active");
            if (schritte_) schritte_(d);
        };
        return f;
    }
    QColor Pixel(int tag, int monat) {
        const QPoint p = Mitte(tag, monat);
        return QColor(Bild().pixel(p.x(), p.y()));
    }

private slots:
    void initTestCase() {
        datei_ = ordner_.filePath("termine.kvr");
        SpeicherRegistry registry;
        test::Testprogramm programm(&registry, &uhr_, &dialoge_);
        TForm1& f = programm.Fenster();
        TKalender& k = f.Kalender();
        k.Farbnamen[1] = "Urlaub";
        k.Farbnamen[2] = "Dienst";
        k.Farbnamen[13] = "Spät";
        k.Terminkategorie = {"Arbeit", "Sport"};
        k.Linkliste = {"/plan.pdf"};
        k.Tagesfarben(2009, 6, 2) = {k.Farbwerte[1]};
        TTerminliste& l = k.Terminliste(2009, 6, 3);
        l.resize(3);
        l[1].Uhrzeit = "08:00";
        l[1].Beschreibung = "früh";
        l[1].Kategorie = "Arbeit";
        l[2].Uhrzeit = "12:00";
        l[2].Beschreibung = "mittag";
        l[2].Kategorie = "Sport";
        l[2].Link = "/plan.pdf";
        k.Terminliste(1901, 1, 1) = {TTermin{}, TTermin{}};
        k.Terminliste(1901, 1, 1)[1].Uhrzeit = "09:00";
        k.Terminliste(1901, 1, 1)[1].Beschreibung = "alt";
        k.Terminliste(1901, 1, 1)[1].Kategorie = "Arbeit";
        k.geaendert = true;
        dialoge_.speichern.push_back(datei_.toStdString());
        f.Aktion("speichernunter1")->trigger();
        f.Sitzung().FormClose();
    }
    void init() {
        registry_ = std::make_unique<SpeicherRegistry>();
        dialoge_ = {};
        schritte_ = {};
    }
    void cleanup() { FensterSchliessen(); }

    void MenueeintraegeSindGebaut() {
        TForm1& f = Offen();
        for (const char* n : {befehl::Wochenfortschreibung, befehl::FarbenDefinieren,
                              befehl::KategorienDefinieren, befehl::Linkliste}) {
            QVERIFY2(f.Aktion(QString::fromLatin1(n))->isEnabled(), n);
        }
        QCOMPARE(f.Aktion(befehl::Wochenfortschreibung)->text(),
                 QStringLiteral("&Wochenfortschreibung"));
    }

    void VierzigStundenUeberVierWochen() {
        TForm1& f = Offen();
        bool gesehen = false;
        schritte_ = [&](QDialog& dialog) {
            auto& d = dynamic_cast<TForm34&>(dialog);
            gesehen = true;
            QCOMPARE(d.windowTitle(), QStringLiteral("Wochenbasierte Fortschreibung"));
            QCOMPARE(Abgeschnitten(d), QString());
            const QRect a = d.screen()->availableGeometry();
            QCOMPARE(d.frameGeometry().bottomRight(), a.bottomRight());
            QCOMPARE(d.focusWidget(), d.Beschreibung());
            QCOMPARE(d.Start()->date(), QDate(2009, 1, 1));
            QCOMPARE(d.Ende()->date(), QDate(2009, 12, 31));
            QCOMPARE(d.Kategorie()->itemText(0), QStringLiteral("keine Kategorie"));
            QCOMPARE(d.Kategorie()->count(), 3);
            QCOMPARE(d.Link()->itemText(0), QStringLiteral("kein Link"));
            QVERIFY(d.Endeknopf()->isDefault());
            // The filter field follows its check box.
            d.NurBei()->setChecked(false);
            QVERIFY(!d.Filterfeld()->isEnabled() && !d.Filterknopf()->isEnabled());
            d.NurBei()->setChecked(true);
            QVERIFY(d.Filterfeld()->isEnabled());
            QCOMPARE(d.Filterfeld()->text(), QStringLiteral("keiner Farbe"));
            // The colour menu lists the named slots in the legend's order.
            QCOMPARE(Texte(d.Farbmenue()),
                     (std::vector<QString>{"keine Farbe", "Urlaub", "Dienst", "Spät"}));
            QCOMPARE(Texte(d.Filtermenue()).front(), QStringLiteral("keiner Farbe"));
            d.Farbmenue()->actions().at(4)->trigger();  // "Spät"
            QCOMPARE(d.Farbfeld()->text(), QStringLiteral("Spät"));
            QTest::mouseClick(d.FarbeKnopf(), Qt::LeftButton);
            QCOMPARE(d.Ort()->text(), QStringLiteral("Spät"));
            d.NurBei()->setChecked(false);

            d.Schema()->setCurrentIndex(1);
            emit d.Schema()->activated(1);
            const bool erwartet[14] = {false, true, true, true, true, true, false,
                                       true, false, true, true, true, false, false};
            for (int i = 0; i < 14; ++i) QCOMPARE(d.Tagfeld(i)->isChecked(), erwartet[i]);
            QVERIFY(d.SamstageFest()->isChecked() && d.SonntageFest()->isChecked());
            QVERIFY(d.Einzeln()->isChecked());
            QCOMPARE(d.Verschiebung()->value(), 2);
            // One shift later and back: the boxes follow the pattern.
            QTest::mouseClick(d.Spaeter(), Qt::LeftButton);
            QVERIFY(d.Tagfeld(0)->isChecked() && !d.Tagfeld(1)->isChecked());
            QVERIFY(d.Tagfeld(5)->isChecked());  // Saturday fixed
            QTest::mouseClick(d.Frueher(), Qt::LeftButton);
            for (int i = 0; i < 14; ++i) QCOMPARE(d.Tagfeld(i)->isChecked(), erwartet[i]);

            d.StartStunde()->setValue(10);
            d.StartMinute()->setValue(0);
            d.DauerStunden()->setValue(8);
            d.DauerMinuten()->setValue(0);
            d.Start()->setDate(QDate(2009, 6, 1));  // a Monday
            d.Ende()->setDate(QDate(2009, 6, 28));
            d.Kategorie()->setCurrentIndex(1);
            QTest::mouseClick(d.KategorieKnopf(), Qt::LeftButton);
            QCOMPARE(d.Beschreibung()->text(), QStringLiteral("Arbeit"));
            QTest::keyClicks(d.Beschreibung(), " #10");
            QCOMPARE(d.Beschreibung()->text(), QStringLiteral("Arbeit 10"));
            d.Link()->setEditText(QStringLiteral("/dienstplan.ods"));
            Bildschirmfoto(d, "wochenfortschreibung");
            QTest::mouseClick(d.Eintragen(), Qt::LeftButton);
            QCOMPARE(d.Link()->currentText(), QStringLiteral("/dienstplan.ods"));
            QCOMPARE(d.Link()->count(), 3);
            QVERIFY(d.isVisible());  // the dialog stays open
            // Enter closes it: "Ende" is the default button.
            QTest::keyClick(&d, Qt::Key_Return);
            QVERIFY(!d.isVisible());
        };
        const auto zelle = [this](int tag) {
            const Rechteck z = Zelle(tag, 6);
            return Bild().copy(z.links, z.oben, z.Breite(), z.Hoehe());
        };
        const QImage vorher = zelle(4), frei = zelle(7);
        f.Aktion(befehl::Wochenfortschreibung)->trigger();
        QVERIFY(gesehen);
        // The year view shows the new appointments.
        QVERIFY(zelle(4) != vorher);
        QCOMPARE(zelle(7), frei);
        QCOMPARE(dialoge_.Texte(),
                 (std::vector<std::string>{"Termine wurden erfolgreich eingetragen."}));

        TKalender& k = f.Kalender();
        std::vector<int> tage;
        for (int t = 1; t <= 30; ++t)
            for (const TTermin& x : k.Terminliste(2009, 6, t))
                if (x.Beschreibung == "Arbeit 10") tage.push_back(t);
        // Tue–Sat, Mon Wed Thu Fri; then two days on (Saturdays and Sundays stay).
        QCOMPARE(tage, (std::vector<int>{2, 3, 4, 5, 6, 8, 10, 11, 12,  //
                                         15, 16, 18, 19, 20, 22, 23, 24, 26}));
        // 3 June: between the 08:00 and the 12:00 appointment.
        const TTerminliste& l = k.Terminliste(2009, 6, 3);
        QCOMPARE(l.size(), std::size_t{4});
        QCOMPARE(l[1].Beschreibung.str(), std::string("früh"));
        QCOMPARE(l[2].Beschreibung.str(), std::string("Arbeit 10"));
        QCOMPARE(l[3].Beschreibung.str(), std::string("mittag"));
        const TTermin& t = k.Terminliste(2009, 6, 2)[1];
        QCOMPARE(t.Uhrzeit.str(), std::string("10:00"));
        QCOMPARE(t.Dauer, 480);
        QCOMPARE(t.Kategorie.str(), std::string("Arbeit"));
        QCOMPARE(t.Link.str(), std::string("/dienstplan.ods"));
        QCOMPARE(t.Farbe, k.Farbwerte[13]);
        QCOMPARE(t.Ort.str(), std::string("Spät"));
        QVERIFY(k.Linkliste.back() == "/dienstplan.ods");
        QVERIFY(k.geaendert);
        // Day colours stay as they were.
        QCOMPARE(k.Tagesfarben(2009, 6, 2), (TTagesfarben{k.Farbwerte[1]}));
        QVERIFY(k.Tagesfarben(2009, 6, 4).empty());
    }

    void LeereBeschreibungWarnt() {
        TForm1& f = Offen();
        schritte_ = [&](QDialog& dialog) {
            auto& d = dynamic_cast<TForm34&>(dialog);
            d.Tagfeld(0)->setChecked(true);
            QTest::mouseClick(d.Eintragen(), Qt::LeftButton);
            QTest::keyClicks(d.Beschreibung(), "x");
            d.Tagfeld(0)->setChecked(false);
            QTest::mouseClick(d.Eintragen(), Qt::LeftButton);
            QTest::keyClick(&d, Qt::Key_Escape);
            QVERIFY(!d.isVisible());
        };
        const int vorher = f.Kalender().AnzahlTermine();
        f.Aktion(befehl::Wochenfortschreibung)->trigger();
        QCOMPARE(dialoge_.Texte(),
                 (std::vector<std::string>{
                     "Bitte eine Terminbeschreibung eingeben.",
                     "Bitte die Tage markieren, an denen Termine eingetragen werden sollen."}));
        QCOMPARE(f.Kalender().AnzahlTermine(), vorher);
    }

    void FarbeDefinierenUndJahresansichtFolgt() {
        TForm1& f = Offen();
        TKalender& k = f.Kalender();
        const uint32_t alt = k.Farbwerte[1];
        const uint32_t neu = 0x40A020;  // RGB 20 A0 40
        QCOMPARE(Pixel(2, 6), QColor(alt & 0xFF, (alt >> 8) & 0xFF, alt >> 16));
        // The current colour of the legend is slot 1; its name follows a rename.
        f.Farbeditor().FarbfeldKlick(1);
        dialoge_.farben = {neu, k.Farbwerte[9]};
        schritte_ = [&](QDialog& dialog) {
            auto& d = dynamic_cast<TFarbenDefinieren&>(dialog);
            QCOMPARE(d.windowTitle(), QStringLiteral("Farben definieren"));
            QCOMPARE(d.size(), QSize(429, 507));
            QCOMPARE(Abgeschnitten(d), QString());
            QCOMPARE(d.Namensfeld(4)->text(), QStringLiteral("Spät"));
            QCOMPARE(d.Namensfeld(1)->text(), QStringLiteral("Urlaub"));
            QVERIFY(!d.UebernehmenKnopf()->isEnabled());
            // A new colour for row 1 takes effect at once, in the year view too.
            QTest::mouseClick(d.Farbquadrat(1), Qt::LeftButton);
            QCOMPARE(k.Farbwerte[1], neu);
            QCOMPARE(Pixel(2, 6), QColor(0x20, 0xA0, 0x40));
            QCOMPARE(d.Farbquadrat(1)->palette().color(QPalette::Window),
                     QColor(0x20, 0xA0, 0x40));
            // Row 5 may not take the colour row 9 has.
            const uint32_t vorher = k.Farbwerte[4];
            QTest::mouseClick(d.Farbquadrat(5), Qt::LeftButton);
            QCOMPARE(k.Farbwerte[4], vorher);
            // Names: row 2 emptied, row 1 renamed; row 4 (slot 13) moved up to row 3.
            d.Namensfeld(2)->setFocus();
            d.Namensfeld(2)->selectAll();
            QTest::keyClick(d.Namensfeld(2), Qt::Key_Delete);
            QVERIFY(d.UebernehmenKnopf()->isEnabled());
            d.Namensfeld(1)->setFocus();
            QVERIFY(!d.Hochknopf()->isEnabled() && d.Runterknopf()->isEnabled());
            QTest::keyClicks(d.Namensfeld(1), " lang");
            d.Namensfeld(4)->setFocus();
            QVERIFY(d.Hochknopf()->isEnabled());
            QTest::mouseClick(d.Hochknopf(), Qt::LeftButton);
            QCOMPARE(d.Namensfeld(3)->text(), QStringLiteral("Spät"));
            QCOMPARE(QApplication::focusWidget(), d.Namensfeld(3));
            Bildschirmfoto(d, "farben_definieren");
            QTest::mouseClick(d.Ok(), Qt::LeftButton);
        };
        f.Aktion(befehl::FarbenDefinieren)->trigger();
        QCOMPARE(dialoge_.Texte(),
                 (std::vector<std::string>{
                     "Diese Farbe wird schon benutzt!\r\nBitte wählen sie eine andere Farbe."}));
        QCOMPARE(k.Farbnamen[1], std::string("Urlaub lang"));
        QCOMPARE(k.Farbnamen[2], std::string("[frei]"));
        QCOMPARE(k.Farbnamen[3], std::string("Spät"));
        QCOMPARE(k.Farbnamen[13], std::string("[frei]"));
        QVERIFY(k.geaendert);
        // The legend and the current colour show the new table.
        QCOMPARE(f.Farbname(1)->text(), QStringLiteral("Urlaub lang"));
        QCOMPARE(f.Farbname(3)->text(), QStringLiteral("Spät"));
        QCOMPARE(f.AktuelleFarbe()->text(), QStringLiteral("Urlaub lang"));
        QCOMPARE(k.Tagesfarben(2009, 6, 2), (TTagesfarben{neu}));
        QCOMPARE(f.Kern().Legendenfarben()[1], neu);
        // The icons of the colour menus are made anew.
        QCOMPARE(QColor(f.Farbsymbol(1).pixmap(16, 16).toImage().pixel(8, 8)),
                 QColor(0x20, 0xA0, 0x40));
    }

    void KategorienUmbenennen() {
        TForm1& f = Offen();
        schritte_ = [&](QDialog& dialog) {
            auto& d = dynamic_cast<TKategorienDefinieren&>(dialog);
            QCOMPARE(d.windowTitle(), QStringLiteral("Terminkategorien definieren"));
            QCOMPARE(d.Beschriftung()->text(),
                     QStringLiteral("Listen Sie hier Ihre Kategorien auf:"));
            QCOMPARE(d.Raster()->horizontalHeaderItem(1)->text(),
                     QStringLiteral("Liste der definierten Kategorien"));
            QCOMPARE(Abgeschnitten(d), QString());
            QTableWidget* r = d.Raster();
            QCOMPARE(r->rowCount(), 3);
            QCOMPARE(r->item(2, 0)->text(), QStringLiteral("3"));
            QCOMPARE(r->item(1, 1)->text(), QStringLiteral("Sport"));
            // Typing into the last row: '#' is swallowed, a new numbered row appears.
            QLineEdit* editor = Zelleneditor(r, 2);
            QVERIFY(editor);
            Tippen(editor, "Ur#laub");
            QCOMPARE(editor->text(), QStringLiteral("Urlaub"));
            QCOMPARE(r->rowCount(), 4);
            QCOMPARE(r->item(3, 0)->text(), QStringLiteral("4"));
            // Row 1 renamed.
            editor = Zelleneditor(r, 0);
            QVERIFY(editor);
            editor->selectAll();
            Tippen(editor, "Büro");
            Bildschirmfoto(d, "kategorien");
            QTest::mouseClick(d.Ok(), Qt::LeftButton);
        };
        f.Aktion(befehl::KategorienDefinieren)->trigger();
        TKalender& k = f.Kalender();
        QCOMPARE(k.Terminkategorie, (TTerminKategorie{"Büro", "Sport", "Urlaub"}));
        QCOMPARE(k.Terminliste(2009, 6, 3)[1].Kategorie.str(), std::string("Büro"));
        QCOMPARE(k.Terminliste(2009, 6, 3)[2].Kategorie.str(), std::string("Sport"));
        QCOMPARE(k.Terminliste(1901, 1, 1)[1].Kategorie.str(), std::string("Büro"));
        QVERIFY(k.geaendert);
    }

    void LinksLeerenUndAbbrechen() {
        TForm1& f = Offen();
        schritte_ = [&](QDialog& dialog) {
            auto& d = dynamic_cast<TKategorienDefinieren&>(dialog);
            QCOMPARE(d.windowTitle(), QStringLiteral("Links definieren"));
            QCOMPARE(d.Beschriftung()->text(),
                     QStringLiteral("Geben Sie hier Dateien, Ordner oder Urls ein:"));
            d.Eingabe(1, QString());
            QTest::mouseClick(d.Abbruch(), Qt::LeftButton);
        };
        f.Aktion(befehl::Linkliste)->trigger();
        TKalender& k = f.Kalender();
        QCOMPARE(k.Linkliste, (TTerminKategorie{"/plan.pdf"}));
        QCOMPARE(k.Terminliste(2009, 6, 3)[2].Link.str(), std::string("/plan.pdf"));
        schritte_ = [&](QDialog& dialog) {
            auto& d = dynamic_cast<TKategorienDefinieren&>(dialog);
            d.Eingabe(1, QString());
            QTest::mouseClick(d.Ok(), Qt::LeftButton);
        };
        f.Aktion(befehl::Linkliste)->trigger();
        QVERIFY(k.Linkliste.empty());
        QVERIFY(k.Terminliste(2009, 6, 3)[2].Link.empty());
    }

    void SchreibschutzSperrtAenderungen() {
        TForm1& f = Offen();
        f.Aktion("Schreibschutz1")->trigger();
        QVERIFY(f.Sitzung().schreibgeschuetzt());
        QVERIFY(!f.Aktion(befehl::Wochenfortschreibung)->isEnabled());
        QVERIFY(!f.Aktion(befehl::FarbenDefinieren)->isEnabled());
        // The lists open, but their grid takes no input.
        QVERIFY(f.Aktion(befehl::KategorienDefinieren)->isEnabled());
        schritte_ = [&](QDialog& dialog) {
            auto& d = dynamic_cast<TKategorienDefinieren&>(dialog);
            QCOMPARE(d.Raster()->editTriggers(), QAbstractItemView::NoEditTriggers);
            QVERIFY(!Zelleneditor(d.Raster(), 0));
            QTest::mouseClick(d.Ok(), Qt::LeftButton);
        };
        f.Aktion(befehl::KategorienDefinieren)->trigger();
        QVERIFY(!f.Kalender().geaendert);
        f.Aktion("Schreibschutz1")->trigger();
        QVERIFY(f.Aktion(befehl::Wochenfortschreibung)->isEnabled());
        QVERIFY(f.Aktion(befehl::FarbenDefinieren)->isEnabled());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<TerminmenueTest>(argc, argv);
}

#include "TerminmenueTest.moc"
