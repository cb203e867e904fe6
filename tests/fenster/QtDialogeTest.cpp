// The Qt message boxes: German buttons, the answer of Esc, file filters, line breaks.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "platform/qt/QtDialoge.h"

using namespace kalvora;

namespace {

// Acts on the message box once it is open: clicks the button with that text, or presses Esc
// when the text is empty. Records the button texts it saw.
void Beantworten(const QString& knopf, QStringList* gesehen) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons()) *gesehen << b->text();
        if (knopf.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* b : box->buttons())
            if (b->text() == knopf) b->click();
    });
}

}  // namespace

class QtDialogeTest : public QObject {
    Q_OBJECT
private slots:
    void Knopfsaetze_data() {
        QTest::addColumn<int>("satz");
        QTest::addColumn<QStringList>("texte");
        QTest::addColumn<QString>("klick");
        QTest::addColumn<int>("antwort");
        using kalvora::Knoepfe;
        const auto K = [](Knoepfe k) { return int(k); };
        const auto A = [](Antwort a) { return int(a); };
        const QStringList jnA{"&Ja", "&Nein", "Abbrechen"};
        QTest::newRow("Ok Esc") << K(Knoepfe::Ok) << QStringList{"OK"} << "" << A(Antwort::Ok);
        QTest::newRow("JaNein Esc") << K(Knoepfe::JaNein) << QStringList{"&Ja", "&Nein"} << ""
                                    << A(Antwort::Nein);
        QTest::newRow("JaNein Ja") << K(Knoepfe::JaNein) << QStringList{"&Ja", "&Nein"}
                                   << "&Ja" << A(Antwort::Ja);
        QTest::newRow("JNA Esc") << K(Knoepfe::JaNeinAbbrechen) << jnA << ""
                                 << A(Antwort::Abbrechen);
        QTest::newRow("JNA Nein") << K(Knoepfe::JaNeinAbbrechen) << jnA << "&Nein"
                                  << A(Antwort::Nein);
        QTest::newRow("OkAbbrechen Esc") << K(Knoepfe::OkAbbrechen)
                                         << QStringList{"OK", "Abbrechen"} << ""
                                         << A(Antwort::Abbrechen);
        QTest::newRow("Wiederholen") << K(Knoepfe::WiederholenAbbrechen)
                                     << QStringList{"&Wiederholen", "Abbrechen"}
                                     << "&Wiederholen" << A(Antwort::Wiederholen);
    }
    void Knopfsaetze() {
        QFETCH(int, satz);
        QFETCH(QStringList, texte);
        QFETCH(QString, klick);
        QFETCH(int, antwort);
        QtDialoge d;
        QStringList gesehen;
        Beantworten(klick, &gesehen);
        const Antwort a = d.Meldung("Änderungen speichern ?", Meldungsart::Bestaetigung,
                                    kalvora::Knoepfe(satz), {});
        QCOMPARE(int(a), antwort);
        gesehen.sort();
        texte.sort();
        QCOMPARE(gesehen, texte);
    }

    // Return presses the default button: "Ja" for the usual questions, "Nein" where "Ja" would
    // delete a file.
    void VorgabeknopfBeiReturn() {
        for (const auto& [satz, erwartet] :
             {std::pair{Knoepfe::JaNein, Antwort::Ja},
              std::pair{Knoepfe::JaNeinVorgabeNein, Antwort::Nein}}) {
            QtDialoge d;
            QTimer::singleShot(0, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    QTest::keyClick(box, Qt::Key_Return);
            });
            QCOMPARE(int(d.Meldung("Gruppe löschen?", Meldungsart::Warnung, satz, {})),
                     int(erwartet));
        }
    }

    void Dateifilter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("qt");
        QTest::newRow("kvr") << "Kalvora (*.kvr)|*.kvr" << QStringList{"Kalvora (*.kvr)"};
        QTest::newRow("zwei") << "Kalvora (*.csv)|*.csv|Alle Dateien (*.*)|*.*"
                              << QStringList{"Kalvora (*.csv)", "Alle Dateien (*)"};
        QTest::newRow("ohne Klammer") << "Bilder|*.png;*.bmp"
                                      << QStringList{"Bilder (*.png *.bmp)"};
        QTest::newRow("leer") << "" << QStringList{};
        QTest::newRow("halbes Paar") << "Kalvora (*.kvr)" << QStringList{};
    }
    void Dateifilter() {
        QFETCH(QString, filter);
        QFETCH(QStringList, qt);
        QCOMPARE(QtDateifilter(filter.toStdString()), qt);
    }

    void ZeilenumbruecheUndFarben() {
        QCOMPARE(QtText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
        QCOMPARE(QtFarbe(0x0000FF), QColor(255, 0, 0));  // red in the low byte
        QCOMPARE(Farbwert(QColor(0x12, 0x34, 0x56)), 0x563412u);
    }
};

int main(int argc, char** argv) {
    QTemporaryDir heim;
    qputenv("HOME", heim.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", heim.filePath("config").toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    QtDialogeTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "QtDialogeTest.moc"
