// The XML export from the windows: the main menu's "XML-Datei" with the export dialog and the
// save dialog, the views' "Export in XML" with their periods, and the browser output into the
// cache folder, which becomes a page opened on the desktop.
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <functional>

#include "Jahresfenstertest.h"
#include "Testumgebung.h"
#include "ansichten/fenster/Ansichtsschleife.h"
#include "ansichten/fenster/Monatsansicht.h"
#include "ansichten/fenster/Wochenansicht.h"
#include "doubles/Xmlbeispiel.h"
#include "kalender/Kalenderdatei.h"
#include "main/Hauptmenue.h"
#include "main/fenster/XmlAusgabe.h"
#include "main/fenster/XmlExportdialog.h"
#include "platform/posix/AtomareDatei.h"

using namespace kalvora;

namespace {

template <class T>
void ImFenster(std::function<void(T*)> f, int ms = 50) {
    QTimer::singleShot(ms, qApp, [f, ms] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w) {
            ImFenster<T>(f, ms);
            return;
        }
        f(w);
    });
}

QByteArray Lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the export dialog showed.
struct Dialogbild {
    QString titel;
    QDate start, ende;
    bool datumFrei = false, xslFrei = false, xslAn = false, dtdAn = false;
};

}  // namespace

class XmlExportfensterTest : public test::Jahresfenstertest {
    Q_OBJECT

    QString cache_;
    std::vector<Dialogbild> gezeigt_;
    std::function<void(TXmlExportdialog&)> eingabe_;
    bool abbrechen_ = false;

    TForm1& Offen() {
        TForm1& f = Fenster();
        f.XmlAusgabe().dialogZeigen = [this](TXmlExportdialog& d) {
            gezeigt_.push_back({d.windowTitle(), d.Start()->date(), d.Ende()->date(),
                                d.Start()->isEnabled(), d.Xsl()->isEnabled(),
                                d.Xsl()->isChecked(), d.Dtd()->isChecked()});
            if (eingabe_) eingabe_(d);
            return !abbrechen_;
        };
        return f;
    }

private slots:
    void initTestCase() {
        cache_ = ordner_.filePath("cache");
        qputenv("XDG_CACHE_HOME", cache_.toUtf8());
    }
    void init() {
        datei_ = ordner_.filePath("plan.kvr");
        DateiAtomarSchreiben(datei_.toStdString(), KalenderAlsVer33(xmlbeispiel::Kalender()));
        registry_ = std::make_unique<SpeicherRegistry>();
        dialoge_ = {};
        uhr_.jetzt = {2026, 4, 15, 10, 0, 0};
        gezeigt_.clear();
        eingabe_ = {};
        abbrechen_ = false;
    }
    void cleanup() { FensterSchliessen(); }

    void HauptmenueExportiertDasJahrMitBegleitdateien() {
        TForm1& f = Offen();
        QAction* a = f.Aktion(befehl::XmlDatei);
        QVERIFY(a && a->isEnabled());
        const QString aus = ordner_.filePath("export/plan.xml");
        QDir().mkpath(ordner_.filePath("export"));
        dialoge_.speichern.push_back(aus.toStdString());
        eingabe_ = [](TXmlExportdialog& d) { d.Ende()->setDate(QDate(2026, 4, 30)); };
        a->trigger();
        QCOMPARE(gezeigt_.size(), std::size_t{1});
        QCOMPARE(gezeigt_[0].titel, QStringLiteral("XML-Export"));
        QCOMPARE(gezeigt_[0].start, QDate(2026, 1, 1));
        QCOMPARE(gezeigt_[0].ende, QDate(2026, 12, 31));
        QVERIFY(gezeigt_[0].datumFrei && gezeigt_[0].xslFrei);
        QVERIFY(gezeigt_[0].xslAn && gezeigt_[0].dtdAn);
        QCOMPARE(dialoge_.dateidialoge.size(), std::size_t{1});
        QCOMPARE(dialoge_.dateidialoge[0].vorschlag, std::string("plan.xml"));
        QCOMPARE(dialoge_.dateidialoge[0].filter, std::string("Kalvora-xml (*.xml)|*.xml"));
        QCOMPARE(dialoge_.dateidialoge[0].standardendung, std::string("xml"));

        const QByteArray xml = Lesen(aus);
        QVERIFY(xml.startsWith("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"));
        QVERIFY(xml.contains("<ENDDATUM>30.04.2026</ENDDATUM>"));
        QVERIFY(xml.contains("<ERSTELLT_AM>15.04.2026</ERSTELLT_AM>"));
        QVERIFY(xml.contains(QByteArray("<QUELLE>") + datei_.toUtf8() + "</QUELLE>"));
        QVERIFY(!xml.contains("<DATUM>01.05.2026</DATUM>"));
        QVERIFY(QFile::exists(ordner_.filePath("export/kalvora.xsl")));
        QVERIFY(QFile::exists(ordner_.filePath("export/kalvora.dtd")));
        QVERIFY(!f.Kalender().geaendert);
        QVERIFY(f.cursor().shape() != Qt::WaitCursor);

        // Without the boxes only the file; "Abbrechen" writes nothing at all.
        const QString ohne = ordner_.filePath("ohne/x.xml");
        QDir().mkpath(ordner_.filePath("ohne"));
        dialoge_.speichern.push_back(ohne.toStdString());
        eingabe_ = [](TXmlExportdialog& d) {
            d.Xsl()->setChecked(false);
            d.Dtd()->setChecked(false);
        };
        a->trigger();
        QCOMPARE(QDir(ordner_.filePath("ohne")).entryList(QDir::Files),
                 QStringList{QStringLiteral("x.xml")});
        abbrechen_ = true;
        a->trigger();
        QCOMPARE(dialoge_.dateidialoge.size(), std::size_t{2});
        QVERIFY(dialoge_.AllesVerbraucht());
    }

    void DatumsfelderBegrenzenEinander() {
        TXmlExportdialog d({1, 4, 2026}, {30, 4, 2026}, true, true);
        d.Ende()->setDate(QDate(2026, 4, 10));
        QCOMPARE(d.Start()->maximumDate(), QDate(2026, 4, 10));
        d.Start()->setDate(QDate(2026, 4, 20));  // beyond the end: held at it
        QCOMPARE(d.Von(), (Datum{10, 4, 2026}));
        d.Start()->setDate(QDate(1900, 1, 1));
        QCOMPARE(d.Von(), (Datum{1, 1, 1901}));
        QCOMPARE(d.Ende()->maximumDate(), QDate(2099, 12, 31));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        d.grab().save(QDir::temp().filePath("kalvora-xmlexport.png"));
        QVERIFY(d.OkKnopf()->isDefault());
    }

    void SchreibfehlerWirdGemeldet() {
        TForm1& f = Offen();
        dialoge_.speichern.push_back(ordner_.filePath("fehlt/da/x.xml").toStdString());
        f.Aktion(befehl::XmlDatei)->trigger();
        QCOMPARE(dialoge_.meldungen.size(), std::size_t{1});
        QCOMPARE(dialoge_.meldungen[0].art, Meldungsart::Fehler);
        QVERIFY(f.Fortschrittsbalken()->isHidden());
    }

    void MonatsansichtenMitFestemZeitraum() {
        TForm1& f = Offen();
        const QString aus = ordner_.filePath("April2026.xml");
        dialoge_.speichern.push_back(aus.toStdString());
        bool fertig = false;
        ImFenster<TForm9>([&](TForm9* w) {
            w->Knopf(16)->click();
            fertig = true;
            w->reject();
        });
        AnsichtenZeigen(f, Ansicht::MonatMitWochen);
        QVERIFY(fertig);
        QCOMPARE(gezeigt_.size(), std::size_t{1});
        QVERIFY(!gezeigt_[0].datumFrei);
        QCOMPARE(gezeigt_[0].start, QDate(2026, 4, 1));
        QCOMPARE(gezeigt_[0].ende, QDate(2026, 4, 30));
        QCOMPARE(dialoge_.dateidialoge.back().vorschlag, std::string("April2026.xml"));
        const QByteArray xml = Lesen(aus);
        QVERIFY(xml.contains("href=\"kalvoramonat.xsl\""));
        QVERIFY(xml.contains("    <WOCHE>\r\n    <TAG>\r\n      <WOTAG>Mittwoch</WOTAG>"));
        QVERIFY(QFile::exists(ordner_.filePath("kalvoramonat.xsl")));
    }

    void BrowserausgabeImCacheOrdner() {
        TForm1& f = Offen();
        QVERIFY(TXmlAusgabe::Ausgabeordner().endsWith(QStringLiteral("/temp")));
        const QString ziel = TXmlAusgabe::Ausgabeordner();
        QVERIFY(ziel.startsWith(cache_));
        QDir().mkpath(ziel);
        QFile fremd(ziel + QStringLiteral("/notiz.txt"));
        QVERIFY(fremd.open(QIODevice::WriteOnly));
        fremd.write("bleibt");
        fremd.close();
        QFile alt(ziel + QStringLiteral("/kalvorawoche.xsl"));
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write("veraltet");
        alt.close();
        bool fertig = false;
        ImFenster<TForm7>([&](TForm7* w) {
            w->Knopf(17)->click();
            fertig = true;
            w->reject();
        });
        AnsichtenZeigen(f, Ansicht::Woche);
        QVERIFY(fertig);
        QCOMPARE(gezeigt_.size(), std::size_t{1});
        QVERIFY(gezeigt_[0].datumFrei);  // a week's period may be changed
        QVERIFY(!gezeigt_[0].xslFrei && gezeigt_[0].xslAn && gezeigt_[0].dtdAn);
        QCOMPARE(gezeigt_[0].start, QDate(2026, 4, 13));
        QCOMPARE(gezeigt_[0].ende, QDate(2026, 4, 19));
        QVERIFY(dialoge_.dateidialoge.empty());  // no file name asked for
        const std::string html = (ziel + QStringLiteral("/ausgabe.html")).toStdString();
        QCOMPARE(programm_->Shelldouble().geoeffnet, std::vector<std::string>{html});
        const QByteArray seite = Lesen(QString::fromStdString(html));
        QVERIFY(seite.contains("<html"));
        QVERIFY(seite.contains("Müller &amp; Söhne &lt;neu&gt;"));
        QVERIFY(Lesen(ziel + QStringLiteral("/ausgabe.xml")).contains("kalvorawoche.xsl"));
        // The shipped style sheet replaced the old copy; a foreign file stayed.
        QVERIFY(Lesen(ziel + QStringLiteral("/kalvorawoche.xsl")) != "veraltet");
        QCOMPARE(Lesen(ziel + QStringLiteral("/notiz.txt")), QByteArray("bleibt"));
        QVERIFY(dialoge_.meldungen.empty());
    }

    void MonatsansichtImBrowser() {
        TForm1& f = Offen();
        bool fertig = false;
        ImFenster<TForm8>([&](TForm8* w) {
            w->Knopf(17)->click();
            fertig = true;
            w->reject();
        });
        AnsichtenZeigen(f, Ansicht::Monat);
        QVERIFY(fertig);
        QCOMPARE(gezeigt_.size(), std::size_t{1});
        QVERIFY(!gezeigt_[0].datumFrei && !gezeigt_[0].xslFrei);
        QCOMPARE(programm_->Shelldouble().geoeffnet.size(), std::size_t{1});
        const QByteArray xml = Lesen(TXmlAusgabe::Ausgabeordner() + "/ausgabe.xml");
        QVERIFY(xml.contains("<STARTDATUM>01.04.2026</STARTDATUM>"));
        QVERIFY(!xml.contains("<WOCHE>"));
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<XmlExportfensterTest>(argc, argv);
}

#include "XmlExportfensterTest.moc"
