#include "app/cli/Einstellungsablage.h"

#include <ctime>

#include "einstellungen/Schreibschutzablage.h"
#include "methoden/Fehler.h"
#include "platform/qt/kern/QtRegistry.h"

namespace kalvora::cli {

int AktuellesJahr() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    return t.tm_year + 1900;
}

Einstellungen GespeicherteEinstellungen(std::string& fehler) {
    QtRegistry registry;
    NurLesen nurLesen(registry);
    Einstellungsumgebung umgebung;
    umgebung.aktuellesJahr = AktuellesJahr();
    Einstellungen e;
    fehler.clear();
    try {
        EinstellungenLaden(nurLesen, umgebung, e);
    } catch (const KalvoraFehler& f) {
        fehler = f.what();
    }
    return e;
}

Schreibschutzoptionen GespeicherteSchreibschutzoptionen(std::string& fehler) {
    QtRegistry registry;
    NurLesen nurLesen(registry);
    Schreibschutzoptionen o;
    fehler.clear();
    try {
        SchreibschutzoptionenLaden(nurLesen, o);
    } catch (const KalvoraFehler& f) {
        fehler = f.what();
    }
    return o;
}

Adressoptionen GespeicherteAdressoptionen(std::string& fehler) {
    QtRegistry registry;
    Adressoptionen o;
    fehler.clear();
    try {
        AdressoptionenLaden(registry, o);
    } catch (const KalvoraFehler& f) {
        fehler = f.what();
    }
    return o;
}

}  // namespace kalvora::cli
