// The update check against a small HTTP server of the test on 127.0.0.1, and the about box.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

#include <memory>

#include "Testumgebung.h"
#include "extras/fenster/Info.h"
#include "extras/fenster/Update.h"
#include "platform/Shell.h"
#include "platform/posix/AtomareDatei.h"

using namespace kalvora;

namespace {

struct Protokollshell : Shell {
    std::vector<std::string> geoeffnet;
    bool Oeffnen(const std::string& ziel) override {
        geoeffnet.push_back(ziel);
        return true;
    }
    bool InPapierkorb(const std::string&) override { return false; }
};

// Answers every request with the text given, or never when schweigen is set.
class Versionsserver : public QObject {
public:
    QByteArray antwort;
    bool schweigen = false;
    int anfragen = 0;

    Versionsserver() {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                ++anfragen;
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    if (schweigen) return;
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " +
                             QByteArray::number(antwort.size()) +
                             "\r\nConnection: close\r\n\r\n" + antwort);
                    s->disconnectFromHost();
                });
            }
        });
        server_.listen(QHostAddress::LocalHost, 0);
    }
    QUrl Adresse() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(server_.serverPort()));
    }

private:
    QTcpServer server_;
};

// Answers with a head and then keeps sending: as fast as the client reads (a reply without
// end), or one byte per takt_ms. Counts what it sent until the client went away.
class Endlosserver : public QObject {
public:
    QByteArray anfang;       // after the head
    char fuellzeichen = 'x';
    int taktMs = 0;          // 0: as fast as possible
    qint64 gesendet = 0;
    bool getrennt = false;

    Endlosserver() {
        QObject::connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::disconnected, this, [this] { getrennt = true; });
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    s->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n"
                             "Connection: close\r\n\r\n" + anfang);
                    if (taktMs > 0) {
                        auto* takt = new QTimer(s);
                        QObject::connect(takt, &QTimer::timeout, s, [this, s] {
                            gesendet += s->write(QByteArray(1, fuellzeichen));
                        });
                        takt->start(taktMs);
                    } else {
                        Nachlegen(s);
                    }
                });
                QObject::connect(s, &QTcpSocket::bytesWritten, s, [this, s] {
                    if (taktMs == 0) Nachlegen(s);
                });
            }
        });
        server_.listen(QHostAddress::LocalHost, 0);
    }
    QUrl Adresse() const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(server_.serverPort()));
    }

private:
    void Nachlegen(QTcpSocket* s) {
        if (s->state() != QAbstractSocket::ConnectedState || s->bytesToWrite() > 256 * 1024)
            return;
        gesendet += s->write(QByteArray(64 * 1024, fuellzeichen));
    }
    QTcpServer server_;
};

}  // namespace

class UpdateTest : public QObject {
    Q_OBJECT

    // Runs the dialog until it has a result; the result's text.
    QString Pruefen(const QUrl& adresse, const std::string& version, TForm28** aussen = nullptr) {
        Protokollshell shell;
        auto d = std::make_unique<TForm28>(shell, DateiAtomarSchreiben, adresse,
                                           "https://example.org/", version);
        bool fertig = false;
        d->fertig = [&](const Updateergebnis&) { fertig = true; };
        d->show();
        if (!QTest::qWaitFor([&] { return fertig; }, 10000)) return QStringLiteral("keine");
        if (aussen) *aussen = d.release();
        return d ? d->Text()->text() : (*aussen)->Text()->text();
    }

private slots:
    void NeuerGleichAelterZehnGegenNeun() {
        Versionsserver server;
        const QString neu = QStringLiteral("Es ist eine neue Version verfügbar\nVersion: 3.4.0.0"
                                           "\nMöchten Sie zur Webseite gehen?");
        server.antwort = "3.4.0.0\r\n3.0.0.0\r\n";
        TForm28* d = nullptr;
        QCOMPARE(Pruefen(server.Adresse(), "3.3.0.1", &d), neu);
        std::unique_ptr<TForm28> dialog(d);
        QVERIFY(dialog->Ja()->isVisible());
        QVERIFY(dialog->Nein()->isVisible());
        QVERIFY(dialog->Abbrechen()->isVisible());
        QVERIFY(!QFile::exists(TForm28::LokaleDatei()));

        const QString aktuell = QStringLiteral("Ihre Version ist auf dem neuesten Stand");
        server.antwort = "3.3.0.1\n";
        QCOMPARE(Pruefen(server.Adresse(), "3.3.0.1"), aktuell);
        server.antwort = "3.2.9.9";
        QCOMPARE(Pruefen(server.Adresse(), "3.3.0.1"), aktuell);
        // Compared as numbers: 3.3.0.10 is the newer one.
        server.antwort = "3.3.0.9";
        QCOMPARE(Pruefen(server.Adresse(), "3.3.0.10"), aktuell);
        server.antwort = "3.3.0.10";
        QVERIFY(Pruefen(server.Adresse(), "3.3.0.9").contains(QStringLiteral("3.3.0.10")));
    }

    void UnsinnUndKeinServer() {
        const QString keine = QStringLiteral("Es konnte keine Verbindung hergestellt werden!");
        Versionsserver server;
        server.antwort = "<html><body>Anmeldung erforderlich</body></html>";
        TForm28* d = nullptr;
        QCOMPARE(Pruefen(server.Adresse(), "3.3.0.1", &d), keine);
        std::unique_ptr<TForm28> dialog(d);
        // One "Ok" in the middle.
        QVERIFY(!dialog->Ja()->isVisible());
        QVERIFY(!dialog->Abbrechen()->isVisible());
        QCOMPARE(dialog->Nein()->text(), QStringLiteral("Ok"));
        QCOMPARE(dialog->Nein()->x(), 402 / 2 - 73 / 2);
        QVERIFY(!dialog->Animation()->isActive());

        // A port where nobody listens.
        QTcpServer frei;
        frei.listen(QHostAddress::LocalHost, 0);
        const quint16 port = frei.serverPort();
        frei.close();
        QCOMPARE(Pruefen(QUrl(QStringLiteral("http://127.0.0.1:%1/v.txt").arg(port)), "3.3.0.1"),
                 keine);
    }

    void SchweigenderServerUndAbbrechen() {
        Versionsserver server;
        server.schweigen = true;
        Protokollshell shell;
        auto d = std::make_unique<TForm28>(shell, DateiAtomarSchreiben, server.Adresse(),
                                           "https://example.org/", "3.3.0.1");
        bool fertig = false;
        d->fertig = [&](const Updateergebnis&) { fertig = true; };
        d->show();
        QVERIFY(QTest::qWaitFor([&] { return server.anfragen > 0; }, 5000));
        QTest::qWait(200);
        QVERIFY(d->Laeuft());
        QVERIFY(d->Animation()->isActive());
        const int bild = d->Bildnummer();
        QTest::qWait(120);
        QVERIFY(d->Bildnummer() != bild);
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QVERIFY(!d->isVisible());
        QVERIFY(!d->Laeuft());
        QTest::qWait(100);
        QVERIFY(!fertig);

        // Destroyed while the download runs: nothing arrives afterwards.
        auto zweiter = std::make_unique<TForm28>(shell, DateiAtomarSchreiben, server.Adresse(),
                                                 "https://example.org/", "3.3.0.1");
        zweiter->show();
        QVERIFY(QTest::qWaitFor([&] { return server.anfragen > 1; }, 5000));
        zweiter.reset();
        QTest::qWait(100);
    }

    // A reply without end is read only as far as its first line, or 64 KB without one; the
    // connection is closed then and the check ends at once.
    void EndloseAntwortWirdNichtGesammelt() {
        const QString keine = QStringLiteral("Es konnte keine Verbindung hergestellt werden!");
        {
            Endlosserver server;
            server.anfang = "3.4.0.0\r\n";
            QVERIFY(Pruefen(server.Adresse(), "3.3.0.1").contains(QStringLiteral("3.4.0.0")));
            QVERIFY(QTest::qWaitFor([&] { return server.getrennt; }, 5000));
            QVERIFY2(server.gesendet < 32 * 1024 * 1024, QByteArray::number(server.gesendet));
        }
        {
            Endlosserver server;  // no line end at all
            server.anfang = "3.4.0.0";
            QCOMPARE(Pruefen(server.Adresse(), "3.3.0.1"), keine);
            QVERIFY(QTest::qWaitFor([&] { return server.getrennt; }, 5000));
            QVERIFY2(server.gesendet < 32 * 1024 * 1024, QByteArray::number(server.gesendet));
        }
        QVERIFY(!QFile::exists(TForm28::LokaleDatei()));
    }

    // A server that sends a byte now and then never counts as silent; the whole exchange has
    // its own limit.
    void LangsamerServerHatEineGesamtfrist() {
        Endlosserver server;
        server.anfang = "3";
        server.fuellzeichen = '.';
        server.taktMs = 100;
        Protokollshell shell;
        TForm28 d(shell, DateiAtomarSchreiben, server.Adresse(), "https://example.org/",
                  "3.3.0.1");
        d.GesamtzeitSetzen(1500);
        bool fertig = false;
        d.fertig = [&](const Updateergebnis&) { fertig = true; };
        QElapsedTimer uhr;
        uhr.start();
        d.show();
        QVERIFY(QTest::qWaitFor([&] { return fertig; }, 8000));
        QVERIFY(uhr.elapsed() >= 1400);
        QCOMPARE(d.Text()->text(),
                 QStringLiteral("Es konnte keine Verbindung hergestellt werden!"));
        QVERIFY(!d.Laeuft());
        QVERIFY(QTest::qWaitFor([&] { return server.getrennt; }, 5000));
    }

    void ByteOrderMarkVorDerVersion() {
        Versionsserver server;
        server.antwort = "\xEF\xBB\xBF" "3.4.0.0\r\n";
        QVERIFY(Pruefen(server.Adresse(), "3.3.0.1").contains(QStringLiteral("3.4.0.0")));
    }

    void JaOeffnetDieWebseite() {
        Versionsserver server;
        server.antwort = "9.0.0.0";
        Protokollshell shell;
        TForm28 d(shell, DateiAtomarSchreiben, server.Adresse(), "https://example.org/",
                  "3.3.0.1");
        bool fertig = false;
        d.fertig = [&](const Updateergebnis& e) { fertig = e.neuer; };
        d.show();
        QVERIFY(QTest::qWaitFor([&] { return fertig; }, 10000));
        d.Ja()->click();
        QCOMPARE(shell.geoeffnet, std::vector<std::string>{"https://example.org/"});
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(TForm28::Animationsbilder().size(), std::size_t(10));
        const auto& bilder = TForm28::Animationsbilder();
        QVERIFY(bilder[1].toImage() != bilder[2].toImage());
    }

    void Infofenster() {
        Protokollshell shell;
        TForm6 info(shell, "https://www.kalvora.de/");
        info.show();
        QCOMPARE(info.size(), QSize(320, 241));
        QVERIFY(info.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(info.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(info.Versionszeile()->text().startsWith(QStringLiteral("Version 3.3.0.1   (")));
        QCOMPARE(info.Versionszeile()->x(), 160 - info.Versionszeile()->width() / 2);
        QVERIFY(info.Webadresse()->x() + info.Webadresse()->width() <= 320);
        info.grab().save(QDir::temp().filePath(QStringLiteral("kalvora-info.png")));
        emit info.Webadresse()->linkActivated(QStringLiteral("https://www.kalvora.de/"));
        QCOMPARE(shell.geoeffnet, std::vector<std::string>{"https://www.kalvora.de/"});
        QTest::keyClick(&info, Qt::Key_Escape);
        QVERIFY(!info.isVisible());
    }

    void InfofensterNieInSymbolschrift() {
        // "Comic Sans MS" is rarely installed on Linux; its style hint led fontconfig to a
        // dingbat font (D050000L of the URW fonts), which wrote the name in symbols.
        const QString standard = QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont))
                                     .family();
        const auto latein = [](const QFont& f) {
            const auto s = QFontDatabase::writingSystems(QFontInfo(f).family());
            return s.contains(QFontDatabase::Latin) && !s.contains(QFontDatabase::Symbol);
        };
        struct Fall {
            QString familie;
            bool genommen;  // the family itself, else the desktop's sans-serif font
        };
        const std::vector<Fall> faelle = {
            {QStringLiteral("Liberation Sans"), true},
            {QStringLiteral("Keine Solche Schrift"), false},
            {QStringLiteral("D050000L"), false},  // a symbol font, where it is installed
            {QStringLiteral("Comic Sans MS"), QFontDatabase::hasFamily("Comic Sans MS")},
        };
        for (const Fall& f : faelle) {
            const QFont s = NamensschriftWaehlen(f.familie, 33);
            QVERIFY2(latein(s), qPrintable(f.familie));
            QCOMPARE(s.pixelSize(), 33);
            QCOMPARE(QFontInfo(s).family(), f.genommen ? f.familie : standard);
        }
        Protokollshell shell;
        TForm6 info(shell, "https://www.kalvora.de/");
        info.show();
        auto* name = info.findChild<QLabel*>(QStringLiteral("Programmname"));
        QVERIFY(name);
        QCOMPARE(name->text(), QStringLiteral("Kalvora"));
        QVERIFY(latein(name->font()));
        QCOMPARE(QFontInfo(name->font()).pixelSize(), 33);
        if (!QFontDatabase::hasFamily(QStringLiteral("Comic Sans MS")))
            QCOMPARE(QFontInfo(name->font()).family(), standard);
    }
};

int main(int argc, char** argv) {
    return kalvora::testumgebung::Ausfuehren<UpdateTest>(argc, argv);
}

#include "UpdateTest.moc"
