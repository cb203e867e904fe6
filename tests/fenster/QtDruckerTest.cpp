// The year printout through the real printer onto a PDF file, checked from outside with
// poppler's tools: pages, page size, the texts of the heading and the maker's line.
#include <QFontInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdio>
#include <string>

#include "doubles/Befehlsausgabe.h"
#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "main/Jahrdrucken.h"
#include "platform/qt/Druckschriften.h"
#include "platform/qt/QtDrucker.h"
#include "platform/Druckrahmen.h"

using namespace kalvora;

namespace {

std::string Ausgabe(const std::string& befehl) {
    return kalvora::test::Befehlsausgabe(befehl);
}

struct Mitschrift : Druckstatus {
    QStringList seiten;
    void SeiteZeigen(const std::string& text) override {
        seiten << QString::fromStdString(text);
    }
    void Fortschritt(int) override {}
};

void PdfDruckerEinrichten(QPrinter& printer, const QString& datei) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(datei);
    printer.setResolution(600);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

}  // namespace

class QtDruckerTest : public QObject {
    Q_OBJECT

private slots:
    void schriftenHabenMetrischeZwillinge() {
        DruckschriftenEinrichten();
        const struct {
            const char* gefragt;
            const char* erwartet;
        } faelle[] = {{"Times New Roman", "Liberation Serif"},
                      {"MS Sans Serif", "Liberation Sans"},
                      {"Arial", "Liberation Sans"}};
        for (const auto& f : faelle)
            QCOMPARE(QFontInfo(QFont(QString::fromLatin1(f.gefragt))).family(),
                     QString::fromLatin1(f.erwartet));
    }

    void seitengroesseNachAusrichtung() {
        QTemporaryDir ordner;
        QPrinter printer(QPrinter::HighResolution);
        PdfDruckerEinrichten(printer, ordner.filePath(QStringLiteral("leer.pdf")));
        QtDrucker drucker(printer);
        drucker.Beenden();  // nothing begun: harmless
        // A4 at 600 dpi, as Qt rounds the paper's size in points: 4958 x 7017.
        auto nahe = [](int ist, double mm) { return std::abs(ist - mm / 25.4 * 600) < 3; };
        QVERIFY(nahe(drucker.SeitenBreite(), 210));
        QVERIFY(nahe(drucker.SeitenHoehe(), 297));
        const int hochBreite = drucker.SeitenBreite(), hochHoehe = drucker.SeitenHoehe();
        drucker.AusrichtungSetzen(Seitenausrichtung::Querformat);
        QCOMPARE(drucker.Ausrichtung(), Seitenausrichtung::Querformat);
        QCOMPARE(drucker.SeitenBreite(), hochHoehe);
        QCOMPARE(drucker.SeitenHoehe(), hochBreite);
        QCOMPARE(drucker.AufloesungX(), 600);
        QCOMPARE(drucker.AufloesungY(), 600);
    }

    void jahrAlsPdf() {
        if (Ausgabe("command -v pdftotext pdfinfo").empty()) QSKIP("poppler-utils missing");
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("jahr.pdf"));
        TKalender kal;
        kal.Farbnamen[1] = "Urlaub";
        kal.Tagesfarben(2004, 8, 2) = {kal.Farbwerte[1]};
        Einstellungen einst;
        Mitschrift status;
        {
            QPrinter printer(QPrinter::HighResolution);
            PdfDruckerEinrichten(printer, datei);
            printer.setCopyCount(2);
            QtDrucker drucker(printer);
            QCOMPARE(drucker.Kopien(), 2);
            const int seiten = JahrDrucken(kal, einst, 2004, "Jahr  -  2004", true, drucker,
                                           status);
            QCOMPARE(seiten, 2);
            // The job printed the copies; the printer is left as the user set it.
            QCOMPARE(printer.copyCount(), 2);
        }
        QCOMPARE(status.seiten, (QStringList{"Seite 1 von 2", "Seite 2 von 2"}));
        const std::string pfad = datei.toStdString();
        const std::string info = Ausgabe("pdfinfo '" + pfad + "'");
        QVERIFY2(info.find("Pages:           2") != std::string::npos, info.c_str());
        QVERIFY2(info.find("842 x 595 pts") != std::string::npos, info.c_str());
        QVERIFY2(info.find("Title:           Jahr  -  2004") != std::string::npos, info.c_str());
        for (int seite = 1; seite <= 2; ++seite) {
            const std::string text = Ausgabe("pdftotext -f " + std::to_string(seite) + " -l " +
                                             std::to_string(seite) + " '" + pfad + "' -");
            for (const char* erwartet : {"Jahr - 2004", drucktexte::Herstellerzeile,
                                         "September", "Urlaub [1]"})
                QVERIFY2(text.find(erwartet) != std::string::npos,
                         (std::string(erwartet) + " fehlt auf Seite " + std::to_string(seite))
                             .c_str());
        }
    }
};

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QtDruckerTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "QtDruckerTest.moc"
