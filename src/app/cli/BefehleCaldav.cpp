// CalDAV commands: caldav-kalender lists the calendars a server offers the user.
#include <QCoreApplication>

#include <cstdlib>
#include <iostream>
#include <memory>

#include "app/cli/Befehle.h"
#include "methoden/Dateilesen.h"
#include "platform/qt/netz/QtHttp.h"
#include "sync/Caldavclient.h"
#include "sync/Webadresse.h"

namespace kalvora::cli {
namespace {

// A password file holds one line; anything near this size is no password file.
constexpr std::size_t kGroesstePasswortdatei = 64 * 1024;

struct Anmeldung {
    std::string url;
    CaldavZugang zugang;
};

// URL [--benutzer NAME] [--passwort-datei DATEI]. The password comes from the file, else
// from KALVORA_CALDAV_PASSWORT; it is never shown, not even in a message.
Anmeldung AnmeldungLesen(const std::vector<std::string>& a) {
    if (a.empty()) ArgumentFehlt("URL");
    Anmeldung m;
    m.url = a[0];
    if (!AdresseLesen(m.url))
        throw Aufruffehler(Gezeigt(m.url) + " ist keine http- oder https-Adresse "
                           "(Benutzer und Passwort gehören nicht hinein)");
    std::string passwortdatei;
    bool mitDatei = false;
    for (std::size_t i = 1; i < a.size(); i += 2) {
        if (a[i] != "--benutzer" && a[i] != "--passwort-datei")
            throw Aufruffehler("Unbekannte Angabe: " + Gezeigt(a[i]));
        if (i + 1 >= a.size()) throw Aufruffehler("Zu " + a[i] + " fehlt der Wert");
        if (a[i] == "--benutzer") {
            m.zugang.benutzer = a[i + 1];
        } else {
            passwortdatei = DateiArgument(a[i + 1]);
            mitDatei = true;
        }
    }
    if (mitDatei && m.zugang.benutzer.empty())
        throw Aufruffehler("--passwort-datei gilt nur mit --benutzer");
    if (m.zugang.benutzer.find(':') != std::string::npos)
        throw Aufruffehler("Der Benutzername " + Gezeigt(m.zugang.benutzer) +
                           " darf keinen Doppelpunkt enthalten");
    if (mitDatei) {
        std::string p = DateiEinlesen(passwortdatei, kGroesstePasswortdatei);
        if (p.ends_with("\n")) p.pop_back();
        if (p.ends_with("\r")) p.pop_back();
        m.zugang.passwort = std::move(p);
    } else if (const char* p = std::getenv("KALVORA_CALDAV_PASSWORT")) {
        m.zugang.passwort = p;
    }
    return m;
}


// Qt Network runs its requests in an event loop of the application object, which must
// outlive every request and go before Qt's globals do.
class Anwendung {
public:
    Anwendung() {
        if (!QCoreApplication::instance())
            eigene_ = std::make_unique<QCoreApplication>(argc_, argv_);
    }

private:
    int argc_ = 1;
    char name_[12] = "kalvora-cli";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QCoreApplication> eigene_;
};

const BefehlRegistrieren caldavKalender{
    {"caldav-kalender", "caldav-kalender URL [--benutzer NAME] [--passwort-datei DATEI]",
     "listet die Kalender eines CalDAV-Servers (Passwort aus der Datei oder "
     "KALVORA_CALDAV_PASSWORT)",
     [](const std::vector<std::string>& a) {
         const Anmeldung m = AnmeldungLesen(a);
         const Anwendung anwendung;
         QtHttp http;
         TCaldavClient client(http, m.zugang);
         for (const Kalenderinfo& k : client.KalenderFinden(m.url))
             std::cout << Zeilentext(k.name) << '\t' << Zeilentext(k.url) << '\n';
         return kErfolg;
     }}};

}  // namespace
}  // namespace kalvora::cli
