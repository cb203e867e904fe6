// Printing from the main window: "&Drucken" and "Terminliste &drucken" through the selection
// dialog, the (scripted) system print dialog and the status window onto a real PDF.
#include <QDateEdit>
#include <QLabel>
#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdio>
#include <memory>
#include <string>

#include "fenster/Testprogramm.h"
#include "doubles/Befehlsausgabe.h"
#include "Testumgebung.h"
#include "doubles/SkriptDialoge.h"
#include "doubles/SpeicherRegistry.h"
#include "doubles/StehendeUhr.h"
#include "main/fenster/Main.h"
#include "termine/fenster/Druckerstatus.h"
#include "termine/fenster/Drucksteuerung.h"
#include "termine/fenster/Terminedrucken.h"

using namespace kalvora;

namespace {

std::string Ausgabe(const std::string& befehl) {
    return kalvora::test::Befehlsausgabe(befehl);
}

}  // namespace

class DruckenTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SpeicherRegistry> registry_;
    test::StehendeUhr uhr_{{2004, 5, 1, 12, 0, 0}};
    test::SkriptDialoge dialoge_;
    std::unique_ptr<test::Testprogramm> programm_;
    TForm1* form_ = nullptr;
    QTemporaryDir ordner_;
    QString pdf_;
    QStringList statusSeiten_;
    int druckdialoge_ = 0;
    int laeufe_ = 0;

    TForm1& Fenster() {
        druckdialoge_ = 0;
        statusSeiten_.clear();
        dialoge_ = test::SkriptDialoge();
        form_ = nullptr;
        programm_.reset();
        registry_ = std::make_unique<SpeicherRegistry>();
        programm_ = std::make_unique<test::Testprogramm>(registry_.get(), &uhr_, &dialoge_);
        form_ = &programm_->Fenster();
        pdf_ = ordner_.filePath(QStringLiteral("aus%1.pdf").arg(++laeufe_));
        // The system print dialog: the user picks "print to file".
        form_->Druckfenster().druckdialog = [this](QPrinter& p) {
            ++druckdialoge_;
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf_);
            p.setResolution(600);
            p.setPageSize(QPageSize(QPageSize::A4));
            return true;
        };
        TDruckerstatus& status = form_->Druckfenster().Statusfenster();
        connect(status.Balken(), &QProgressBar::valueChanged, this,
                [this, &status] { statusSeiten_ << status.Beschriftung()->text(); });
        return *form_;
    }
    QString Pdftext() {
        return QString::fromStdString(Ausgabe("pdftotext -layout '" + pdf_.toStdString() +
                                              "' - 2>/dev/null"));
    }
    int PdfSeiten() {
        const std::string info = Ausgabe("pdfinfo '" + pdf_.toStdString() + "' 2>/dev/null");
        const auto p = info.find("Pages:");
        return p == std::string::npos ? -1 : std::stoi(info.substr(p + 6));
    }

private slots:
    void TerminlisteAusDemMenue() {
        TForm1& f = Fenster();
        f.Kalender().Terminliste(2004, 5, 3) = {TTermin{"", "Info#zweite Zeile"},
                                                TTermin{"09:00", "Zahnarzt", "Praxis", "", "",
                                                        45}};
        TDruckauswahl& d = f.Druckfenster().Auswahlfenster();
        bool gruppeSichtbar = true;
        QString titel;
        QTimer::singleShot(0, &d, [&] {
            gruppeSichtbar = d.findChild<QWidget*>("Auswahl")->isVisible();
            titel = d.windowTitle();
            d.Endefeld()->setDate(QDate(2004, 5, 31));
            d.Startfeld()->setDate(QDate(2004, 5, 1));
            d.findChild<QPushButton*>("Drucken")->click();
        });
        f.Aktion("Terminlistedrucken1")->trigger();
        QVERIFY(!gruppeSichtbar);
        QCOMPARE(titel, QString("Terminliste drucken"));
        QCOMPARE(druckdialoge_, 1);
        QCOMPARE(PdfSeiten(), 1);
        const QString text = Pdftext();
        QVERIFY2(text.contains("Termine vom 01.05.2004 bis 31.05.2004"), qPrintable(text));
        QVERIFY2(text.contains("Info, zweite Zeile"), qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression("09:00-09:45 +Zahnarzt +Praxis")),
                 qPrintable(text));
        QVERIFY(text.contains("Seite 1"));
        QVERIFY(statusSeiten_.contains("Seite 1 von 1"));
        // The caption and the group are back for the next time.
        QCOMPARE(d.windowTitle(), QString("Drucken"));
        QVERIFY(dialoge_.meldungen.empty());
    }

    void JahresansichtMitUeberschrift() {
        TForm1& f = Fenster();
        TDruckauswahl& d = f.Druckfenster().Auswahlfenster();
        dialoge_.eingaben.push_back(std::string("Urlaubsplan"));
        bool jahrGewaehlt = false;
        QTimer::singleShot(0, &d, [&] {
            jahrGewaehlt = d.Jahresknopf()->isChecked();
            d.findChild<QPushButton*>("Ueberschrift")->click();
            d.findChild<QPushButton*>("Drucken")->click();
        });
        f.Aktion("Drucken1")->trigger();
        QVERIFY(jahrGewaehlt);
        QCOMPARE(dialoge_.eingabeAufforderungen.back(), std::string("Überschrift für Ausdruck: "));
        QCOMPARE(PdfSeiten(), 1);
        const QString text = Pdftext();
        QVERIFY2(text.contains("Urlaubsplan"), qPrintable(text));
        QVERIFY(text.contains("September"));
        // Landscape: wider than high.
        const std::string info = Ausgabe("pdfinfo '" + pdf_.toStdString() + "'");
        QVERIFY2(info.find("841.89 x 595.") != std::string::npos ||
                     info.find("842 x 595") != std::string::npos,
                 info.c_str());
    }

    // "Vorschau" shows the pages of the current choice while the dialog stays open.
    void VorschauZeigtDieSeiten() {
        TForm1& f = Fenster();
        TDruckauswahl& d = f.Druckfenster().Auswahlfenster();
        int seiten = -1;
        QTimer::singleShot(0, &d, [&] {
            QTimer::singleShot(300, &d, [&] {
                auto* v = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
                if (!v) return;
                if (auto* w = v->findChild<QPrintPreviewWidget*>()) seiten = w->pageCount();
                v->reject();
            });
            d.findChild<QPushButton*>("Vorschau")->click();
            d.findChild<QPushButton*>("Abbruch")->click();
        });
        f.Aktion("Drucken1")->trigger();
        QCOMPARE(seiten, 1);
        QCOMPARE(druckdialoge_, 0);
    }

    // Once "Vorschau" had the focus, Enter in the next opening still means "Drucken".
    void EnterDrucktAuchNachDerVorschau() {
        TForm1& f = Fenster();
        TDruckauswahl& d = f.Druckfenster().Auswahlfenster();
        QTimer::singleShot(0, &d, [&] {
            QTimer::singleShot(300, &d, [&] {
                if (auto* v = qobject_cast<QPrintPreviewDialog*>(
                        QApplication::activeModalWidget()))
                    v->reject();
            });
            d.activateWindow();
            QTest::mouseClick(d.findChild<QPushButton*>("Vorschau"), Qt::LeftButton);
            d.findChild<QPushButton*>("Abbruch")->click();
        });
        f.Aktion("Terminlistedrucken1")->trigger();
        bool vorschauOffen = false;
        QTimer::singleShot(0, &d, [&] {
            QTimer::singleShot(300, &d, [&] {
                if (auto* v = qobject_cast<QPrintPreviewDialog*>(
                        QApplication::activeModalWidget())) {
                    vorschauOffen = true;
                    v->reject();
                }
                if (d.isVisible()) d.reject();
            });
            QWidget* fokus = QApplication::focusWidget();
            QTest::keyClick(fokus ? fokus : &d, Qt::Key_Return);
        });
        f.Aktion("Terminlistedrucken1")->trigger();
        QVERIFY(!vorschauOffen);
        QCOMPARE(druckdialoge_, 1);
    }

    void AbbruchDrucktNichts() {
        TForm1& f = Fenster();
        TDruckauswahl& d = f.Druckfenster().Auswahlfenster();
        QTimer::singleShot(0, &d, [&] { d.findChild<QPushButton*>("Abbruch")->click(); });
        f.Aktion("Drucken1")->trigger();
        QCOMPARE(druckdialoge_, 0);
        QVERIFY(!QFile::exists(pdf_));
        QVERIFY(f.Aktion("Druckereinstellung1")->isEnabled());
        QVERIFY(f.Aktion("Drucken1")->isEnabled());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<DruckenTest>(argc, argv);
}

#include "DruckenTest.moc"
