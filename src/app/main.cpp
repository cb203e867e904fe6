// kalvora: the windowed program.
//   kalvora [KALENDERDATEI [STARTCODE]] [--bildschirmfoto DATEI.png]
// KALVORA_BEENDEN_NACH_ERSTEM_ZEICHNEN=1 ends the program silently right after the main
// window has been painted once (for measuring the cold start).
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <string>
#include <vector>

#include "app/fenster/Splash.h"
#include "app/fenster/Startregistrierung.h"
#include "einstellungen/Programmstart.h"
#include "main/Anwendungskern.h"
#include "main/fenster/Main.h"
#include "main/fenster/Programmschrift.h"
#include "personen/fenster/Geburtstagsinfo.h"
#include "platform/posix/AtomareDatei.h"
#include "platform/posix/PosixDateisperre.h"
#include "platform/posix/PosixSpeicherplatz.h"
#include "platform/posix/Systemzeitzone.h"
#include "platform/posix/XdgOrdner.h"
#include "platform/qt/Druckschriften.h"
#include "platform/qt/QtBildschirm.h"
#include "platform/qt/QtDialoge.h"
#include "platform/qt/QtKlang.h"
#include "platform/qt/QtShell.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/Systemuhr.h"
#include "platform/qt/kern/QtRegistry.h"

namespace {

void SpracheEinstellen(QApplication& app) {
    // German texts and number formats everywhere; the program writes its own dates as
    // dd.mm.yyyy and date fields take the format "dd.MM.yyyy".
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qt);
}

class OhneErinnerungen : public kalvora::Erinnerungsanzeige {
public:
    void Zeigen(const kalvora::Erinnerungstexte&) override {}
};

// Unattended runs announce no alarm: nobody is there to answer.
class OhneAlarmfenster : public kalvora::Alarmfenster {
public:
    kalvora::Alarmantwort Zeigen(const kalvora::Alarminhalt&) override {
        return kalvora::Alarmantwort::Ja;
    }
    bool Sichtbar() const override { return false; }
    void NachVorne() override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kalvora"));
    QApplication::setApplicationName(QStringLiteral("Kalvora"));
    SpracheEinstellen(app);
    kalvora::ProgrammschriftSetzen();
    kalvora::DruckschriftenEinrichten();

    QStringList argumente;
    QString bildschirmfoto;
    const QStringList alle = QApplication::arguments().mid(1);
    for (int i = 0; i < alle.size(); ++i) {
        if (alle[i] == QLatin1String("--bildschirmfoto")) {
            if (i + 1 >= alle.size()) {
                std::fprintf(stderr, "Aufruf: kalvora [DATEI [STARTCODE]] "
                                     "[--bildschirmfoto BILD.png]\n");
                return 2;
            }
            bildschirmfoto = alle[++i];
        } else {
            argumente << alle[i];
        }
    }
    std::vector<std::string> roh;
    for (const QString& a : argumente) roh.push_back(a.toStdString());
    const kalvora::Befehlszeile zeile =
        kalvora::BefehlszeileLesen(roh, QDir::currentPath().toStdString());
    const bool sofortBeenden = qEnvironmentVariable("KALVORA_BEENDEN_NACH_ERSTEM_ZEICHNEN") ==
                               QLatin1String("1");

    // The splash first, painted at once; the main window is built while it shows.
    QPointer<kalvora::TSplash> splash = new kalvora::TSplash;
    splash->show();
    splash->repaint();
    QApplication::processEvents();

    // The platform's services, the one document around them, and its windows.
    kalvora::QtRegistry registry;
    kalvora::Systemuhr uhr;
    kalvora::QtDialoge dialoge;
    kalvora::PosixDateisperre sperre;
    kalvora::PosixSpeicherplatz platz;
    // Measuring and taking a picture run unattended: no reminder window waits for "OK".
    const bool unbeaufsichtigt = sofortBeenden || !bildschirmfoto.isEmpty();
    kalvora::TForm17 erinnerungsfenster;
    OhneErinnerungen ohneErinnerungen;
    kalvora::Erinnerungsanzeige& erinnerungen =
        unbeaufsichtigt ? static_cast<kalvora::Erinnerungsanzeige&>(ohneErinnerungen)
                        : erinnerungsfenster;
    kalvora::QtKlang klang;
    kalvora::QtTray tray;
    kalvora::QtShell shell;
    OhneAlarmfenster ohneAlarm;
    kalvora::Anwendungskern kern({registry, uhr, dialoge, sperre, platz,
                                  [](const std::string& pfad, std::string_view inhalt) {
                                      kalvora::DateiAtomarSchreiben(pfad, inhalt);
                                  },
                                  kalvora::Hauptbildschirm, erinnerungen, klang, tray, shell,
                                  unbeaufsichtigt ? &ohneAlarm : nullptr,
                                  [](const std::string& pfad) {
                                      return std::make_unique<kalvora::AtomarerSchreiber>(pfad);
                                  },
                                  kalvora::SystemZeitzone, kalvora::Autostartordner});
    kalvora::TForm1 form1(kern);
    // The program ends when its main window closes, not when its last visible window does:
    // in the tray the main window is hidden while the alarm window comes and goes.
    QApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(&form1, &kalvora::TForm1::Geschlossen, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    dialoge.ElternSetzen(&form1);
    kalvora::DateitypenBeimStart(kalvora::RegistrierungsDatenordner(),
                                 kalvora::AlleDatenordner(),
                                 QCoreApplication::applicationFilePath().toStdString(),
                                 [](const std::string& pfad, std::string_view inhalt) {
                                     kalvora::DateiAtomarSchreiben(pfad, inhalt);
                                 },
                                 kalvora::MimeDatenbankAktualisieren);
    form1.Startargumente(QString::fromStdString(zeile.datei),
                         QString::fromStdString(zeile.startcode));
    // Measuring and taking a picture end after the first paint: of the main window, or of
    // the view the start code opens.
    int ergebnis = 0;
    bool fertig = false;
    const auto aufnehmen = [&](QWidget* fenster) {
        if (fertig) return;
        fertig = true;
        if (!bildschirmfoto.isEmpty() && !fenster->grab().save(bildschirmfoto)) {
            std::fprintf(stderr, "Bildschirmfoto konnte nicht gespeichert werden: %s\n",
                         qPrintable(bildschirmfoto));
            ergebnis = 1;
        }
        QApplication::exit(ergebnis);
    };
    if (sofortBeenden || !bildschirmfoto.isEmpty()) {
        QObject::connect(&form1, &kalvora::TForm1::ErstesMalGezeichnet, &app,
                         [&] { aufnehmen(&form1); });
        QObject::connect(&form1, &kalvora::TForm1::AnsichtGezeigt, &app,
                         [&](QWidget* fenster) { aufnehmen(fenster); });
    }
    // Measuring and taking a picture should show the loaded file, not wait for the splash.
    const bool sofort = unbeaufsichtigt;
    if (sofort) {
        splash->close();
        form1.StartNachSplash();
        // A start view was pictured while it was open.
        if (fertig) {
            delete splash;
            return ergebnis;
        }
    } else {
        QObject::connect(splash.data(), &kalvora::TSplash::Fertig, &form1,
                         &kalvora::TForm1::StartNachSplash);
    }

    form1.show();
    if (!sofort) splash->Starten(1000);
    const int rc = QApplication::exec();
    delete splash;  // still there when the program ended within its second
    return ergebnis ? ergebnis : rc;
}
