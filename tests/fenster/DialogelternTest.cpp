// Which window a message, a standard dialog, the print dialog and the help window stand over:
// the modal window in front, else the main window. Parented to the main window while a modal
// window is open, a window manager raises the main window above the modal one.
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

#include "Testumgebung.h"
#include "doubles/SkriptDialoge.h"
#include "einstellungen/Einstellungen.h"
#include "kalender/TKalender.h"
#include "main/fenster/Hilfefenster.h"
#include "platform/Drucker.h"
#include "platform/qt/QtDialoge.h"
#include "termine/fenster/Druckerstatus.h"
#include "termine/fenster/Drucksteuerung.h"
#include "termine/fenster/Terminedrucken.h"

using namespace kalvora;

namespace {

const QString kHilfe = QStringLiteral(KALVORA_TESTDATEN "/../../daten/hilfe");

// Runs `innen` while `tiefe` modal dialogs, one over the other, are open over `haupt`;
// returns the innermost of them (nullptr for none) to `innen`.
void InModalenDialogen(QWidget& haupt, int tiefe, const std::function<void(QDialog*)>& innen,
                       QWidget* eltern = nullptr) {
    if (tiefe == 0) {
        innen(qobject_cast<QDialog*>(eltern));
        return;
    }
    QDialog d(eltern ? eltern : &haupt);
    d.setObjectName(QStringLiteral("Modal%1").arg(tiefe));
    d.setGeometry(400, 250, 300, 200);
    QTimer::singleShot(0, &d, [&] {
        InModalenDialogen(haupt, tiefe - 1, innen, &d);
        d.accept();
    });
    d.exec();
}

// The parent of the modal window that opens next; it is closed by Esc.
QWidget* ElternDesNaechstenModalen(const std::function<void()>& oeffnen) {
    QWidget* eltern = nullptr;
    bool gesehen = false;
    QTimer::singleShot(0, [&] {
        QWidget* w = QApplication::activeModalWidget();
        gesehen = w != nullptr;
        if (!w) return;
        eltern = w->parentWidget();
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
    });
    oeffnen();
    return gesehen ? eltern : reinterpret_cast<QWidget*>(-1);
}

}  // namespace

class DialogelternTest : public QObject {
    Q_OBJECT
private slots:
    void MeldungenUndEingabenUeberDemModalenFenster() {
        QWidget haupt;
        haupt.setObjectName(QStringLiteral("Haupt"));
        haupt.show();
        QtDialoge dialoge(&haupt);
        for (int tiefe : {0, 1, 2}) {
            InModalenDialogen(haupt, tiefe, [&](QDialog* vorne) {
                QWidget* erwartet = vorne ? static_cast<QWidget*>(vorne) : &haupt;
                QCOMPARE(ElternDesNaechstenModalen([&] {
                             dialoge.Meldung("Text", Meldungsart::Fehler, Knoepfe::Ok, "");
                         }),
                         erwartet);
                QCOMPARE(ElternDesNaechstenModalen([&] { dialoge.Eingabe("T", "A", "v"); }),
                         erwartet);
            });
        }
    }

    void DruckdialogUeberDemModalenFenster() {
        // The chart, the options and the week-based continuation print from a modal window.
        QWidget haupt;
        haupt.show();
        TKalender kal;
        Einstellungen einst;
        test::SkriptDialoge skript;
        TDrucksteuerung steuerung(kal, einst, skript, &haupt);
        bool gedruckt = false;
        const auto auftrag = [&](Drucker&, Druckstatus&, bool) {
            gedruckt = true;
            return 0;
        };
        InModalenDialogen(haupt, 1, [&](QDialog* vorne) {
            QWidget* eltern =
                ElternDesNaechstenModalen([&] { steuerung.AuftragDrucken(auftrag); });
            QCOMPARE(eltern, static_cast<QWidget*>(vorne));
        });
        QVERIFY(!gedruckt);  // the print dialog was cancelled
        QCOMPARE(ElternDesNaechstenModalen([&] { steuerung.AuftragDrucken(auftrag); }), &haupt);
    }

    void DruckauswahlUndStatusUeberDemModalenFenster() {
        // The print selection and the status window live for the whole run under the main
        // window; printing from a view or the chart, they stand over that window meanwhile.
        QWidget haupt;
        haupt.show();
        QTemporaryDir ordner;
        TKalender kal;
        kal.Terminliste(2026, 3, 2).assign(2, TTermin{});
        kal.Terminliste(2026, 3, 2).back().Uhrzeit = "09:00";
        kal.Terminliste(2026, 3, 2).back().Beschreibung = "Sitzung";
        Einstellungen einst;
        test::SkriptDialoge skript;
        TDrucksteuerung steuerung(kal, einst, skript, &haupt);
        steuerung.druckdialog = [&](QPrinter& p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(ordner.filePath(QStringLiteral("liste.pdf")));
            return true;
        };
        QWidget* statuseltern = nullptr;
        const auto auftrag = [&](Drucker&, Druckstatus&, bool) {
            statuseltern = steuerung.Statusfenster().parentWidget();
            return 0;
        };
        InModalenDialogen(haupt, 1, [&](QDialog* vorne) {
            QWidget* auswahleltern = nullptr;
            QTimer::singleShot(0, [&] {
                auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                if (d != &steuerung.Auswahlfenster()) return;
                auswahleltern = d->parentWidget();
                d->reject();
            });
            steuerung.TerminlisteDrucken({2, 3, 2026}, {2, 3, 2026});
            QCOMPARE(auswahleltern, static_cast<QWidget*>(vorne));
            steuerung.AuftragDrucken(auftrag);
            QCOMPARE(statuseltern, static_cast<QWidget*>(vorne));
        });
        // Back under the main window, for a modal window that is gone by now.
        QCOMPARE(steuerung.Auswahlfenster().parentWidget(), &haupt);
        QCOMPARE(steuerung.Statusfenster().parentWidget(), &haupt);
        steuerung.AuftragDrucken(auftrag);
        QCOMPARE(statuseltern, &haupt);
    }

    void HilfeAusEinemDialogGanzAufDemSchirm() {
        // Opened first from a dialog, the help window stands over it with its frame on the
        // screen; it was put at the screen's corner, its title bar above the screen's edge.
        THilfe::OrdnerSetzen(QDir(kHilfe).absolutePath());
        QWidget haupt;
        haupt.setGeometry(0, 0, 1024, 768);
        haupt.show();
        THilfe::Einrichten(&haupt, [](const std::string&) {});
        InModalenDialogen(haupt, 1, [&](QDialog* vorne) {
            THilfefenster* hilfe = THilfe::Zeigen(100);
            QVERIFY(hilfe);
            QCOMPARE(hilfe->parentWidget(), static_cast<QWidget*>(vorne));
            const QRect schirm = hilfe->screen()->availableGeometry();
            QVERIFY(schirm.contains(hilfe->frameGeometry()));
            QCOMPARE(hilfe->frameGeometry().center(), vorne->frameGeometry().center());
            // Moved by the user, it keeps its place when the next dialog asks for it.
            hilfe->move(30, 20);
        });
        THilfefenster* hilfe = THilfe::Fenster();
        QVERIFY(hilfe);
        InModalenDialogen(haupt, 2, [&](QDialog* vorne) {
            QCOMPARE(THilfe::Zeigen(122), hilfe);
            QCOMPARE(hilfe->parentWidget(), static_cast<QWidget*>(vorne));
            QCOMPARE(hilfe->pos(), QPoint(30, 20));
        });
        THilfe::OrdnerSetzen(QString());
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<DialogelternTest>(argc, argv);
}

#include "DialogelternTest.moc"
