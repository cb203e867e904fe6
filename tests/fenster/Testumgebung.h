#pragma once
// The environment every window test runs in: settings, caches and the runtime folder in a
// temporary home of their own, one offscreen screen of 1024 x 768 without window frames, and
// the German locale.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include "main/fenster/Programmschrift.h"

namespace kalvora::testumgebung {

template <class Test>
int Ausfuehren(int argc, char** argv, bool synchroneEreignisse = false) {
    QTemporaryDir heim;
    qputenv("HOME", heim.path().toUtf8());
    for (const char* v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME",
                          "XDG_RUNTIME_DIR"}) {
        const QString ordner = heim.filePath(QString::fromLatin1(v));
        QDir().mkpath(ordner);
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv(v, ordner.toUtf8());
    }
    // Without frames the window has exactly the size it asks for and fills the screen when
    // activated.
    const QString bildschirm = heim.filePath("bildschirm.json");
    QFile f(bildschirm);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QStringLiteral(R"({"synchronousWindowSystemEvents": %1,
                   "windowFrameMargins": false,
                   "screens": [{"name": "S1", "x": 0, "y": 0, "width": 1024, "height": 768,
                                "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                    .arg(synchroneEreignisse ? "true" : "false")
                    .toUtf8());
        f.close();
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + bildschirm).toUtf8());
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Kalvora");
    QApplication::setApplicationName("Kalvora");
    // The program's font, as its main() sets it: the boxes of the windows are made for it.
    kalvora::ProgrammschriftSetzen();
    Test t;
    return QTest::qExec(&t, argc, argv);
}

}  // namespace kalvora::testumgebung
