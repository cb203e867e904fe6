// Whether the desktop timetable may be see-through, asked of a real X server (Xvfb on a
// display of its own): without a compositing manager no, with a client owning the selection
// _NET_WM_CM_S0 yes, and again no once that client has gone. The program itself, started on
// that display, gives the same answers.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <memory>

#include "Testumgebung.h"
#include "platform/qt/Durchsicht.h"

#if KALVORA_MIT_XCB
#include <xcb/xcb.h>
#endif

using namespace kalvora;

class DurchsichtTest : public QObject {
    Q_OBJECT

#if KALVORA_MIT_XCB
    QProcess server_;
    QString anzeige_;

    // A connection to the test's display, or null.
    xcb_connection_t* Verbinden() {
        xcb_connection_t* c = xcb_connect(anzeige_.toLatin1().constData(), nullptr);
        if (c && xcb_connection_has_error(c)) {
            xcb_disconnect(c);
            return nullptr;
        }
        return c;
    }
    // What the program answers when it runs on the test's display.
    QByteArray ProgrammFragen() {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), anzeige_);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        p.setProcessEnvironment(env);
        p.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--durchsicht")});
        if (!p.waitForFinished(20000)) {
            p.kill();
            p.waitForFinished();
            return "zeitueberschreitung";
        }
        return p.readAllStandardOutput().trimmed();
    }
#endif

private slots:
    void cleanupTestCase() {
#if KALVORA_MIT_XCB
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(5000)) {
                server_.kill();
                server_.waitForFinished();
            }
        }
#endif
    }

    void OffscreenNie() { QVERIFY(!DurchsichtMoeglich()); }

    void OhneUndMitMischer() {
#if KALVORA_MIT_XCB
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) QSKIP("Xvfb fehlt");
        // Xvfb picks a free display itself and names it once it accepts connections, so tests
        // running beside each other never share one; -noreset keeps it from restarting (and
        // refusing connections for a moment) whenever its last client leaves.
        server_.setProgram(xvfb);
        server_.setArguments({QStringLiteral("-displayfd"), QStringLiteral("1"),
                              QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                              QStringLiteral("-noreset"), QStringLiteral("-screen"),
                              QStringLiteral("0"), QStringLiteral("320x240x24")});
        server_.start();
        QVERIFY(server_.waitForStarted(5000));
        QByteArray nummer;
        for (int i = 0; i < 200 && !nummer.endsWith('\n'); ++i)
            if (server_.waitForReadyRead(50)) nummer += server_.readAllStandardOutput();
        QVERIFY2(!nummer.trimmed().isEmpty(), "Xvfb nennt keine Anzeige");
        anzeige_ = QStringLiteral(":") + QString::fromLatin1(nummer.trimmed());
        xcb_connection_t* c = nullptr;
        for (int i = 0; i < 100 && !c; ++i) {
            QTest::qWait(50);
            c = Verbinden();
        }
        QVERIFY2(c, "Xvfb antwortet nicht");
        xcb_disconnect(c);

        const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> frager(Verbinden(),
                                                                                  &xcb_disconnect);
        QVERIFY(frager);
        QVERIFY(!XMischerAktiv(frager.get(), 0));
        QVERIFY(!XMischerAktiv(nullptr, 0));
        QCOMPARE(ProgrammFragen(), QByteArray("nein"));

        // A second client takes the compositor's selection, as a compositing manager does.
        xcb_connection_t* mischer = Verbinden();
        QVERIFY(mischer);
        xcb_screen_t* wurzel = xcb_setup_roots_iterator(xcb_get_setup(mischer)).data;
        const xcb_window_t fenster = xcb_generate_id(mischer);
        xcb_create_window(mischer, XCB_COPY_FROM_PARENT, fenster, wurzel->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        const char name[] = "_NET_WM_CM_S0";
        xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
            mischer, xcb_intern_atom(mischer, 0, std::strlen(name), name), nullptr);
        QVERIFY(atom);
        xcb_set_selection_owner(mischer, fenster, atom->atom, XCB_CURRENT_TIME);
        std::free(atom);
        std::free(xcb_get_input_focus_reply(mischer, xcb_get_input_focus(mischer), nullptr));

        QVERIFY(XMischerAktiv(frager.get(), 0));
        QVERIFY(!XMischerAktiv(frager.get(), 1));  // another screen has none
        QCOMPARE(ProgrammFragen(), QByteArray("ja"));

        // The compositor ends: its selection goes with its window.
        xcb_disconnect(mischer);
        QTRY_VERIFY(!XMischerAktiv(frager.get(), 0));
        QCOMPARE(ProgrammFragen(), QByteArray("nein"));
#else
        QSKIP("ohne xcb gebaut");
#endif
    }
};

int main(int argc, char** argv) {
    // Started by the test on its X display: only the program's answer.
    if (argc > 1 && std::strcmp(argv[1], "--durchsicht") == 0) {
        QGuiApplication app(argc, argv);
        std::puts(DurchsichtMoeglich() ? "ja" : "nein");
        return 0;
    }
    return kalvora::testumgebung::Ausfuehren<DurchsichtTest>(argc, argv);
}

#include "DurchsichtTest.moc"
