#include "methoden/Systemfehler.h"

#include <cerrno>
#include <filesystem>
#include <new>
#include <system_error>

#include "methoden/Fehler.h"

namespace kalvora {

std::string Systemfehlertext(int n) {
    switch (n) {
        case ENOENT: return "Die Datei oder der Ordner existiert nicht";
        case EACCES: return "Zugriff verweigert";
        case EPERM: return "Der Vorgang ist nicht erlaubt";
        case ENOSPC: return "Auf dem Datenträger ist nicht genügend Speicherplatz frei";
#ifdef EDQUOT
        case EDQUOT: return "Das Speicherkontingent auf dem Datenträger ist erschöpft";
#endif
        case EROFS: return "Der Datenträger ist schreibgeschützt";
        case EISDIR: return "Das ist ein Ordner und keine Datei";
        case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner";
        case ENAMETOOLONG: return "Der Dateiname ist zu lang";
        case ELOOP: return "Zu viele symbolische Verknüpfungen im Pfad";
        case EEXIST: return "Die Datei existiert bereits";
        case EBUSY: return "Die Datei oder das Gerät ist belegt";
        case ETXTBSY: return "Die Datei wird gerade von einem Programm benutzt";
        case EIO: return "Ein-/Ausgabefehler des Datenträgers";
        case EMFILE:
        case ENFILE: return "Es sind zu viele Dateien geöffnet";
        case ENOMEM: return "Nicht genügend Arbeitsspeicher";
        case EXDEV: return "Die Datei liegt auf einem anderen Datenträger";
        case EFBIG: return "Die Datei ist zu groß";
        case EINVAL: return "Ungültiger Aufruf";
        case EAGAIN: return "Die Datei ist vorübergehend nicht verfügbar";
        case EINTR: return "Der Vorgang wurde unterbrochen";
        case ENXIO:
        case ENODEV: return "Das Gerät existiert nicht";
#ifdef ESTALE
        case ESTALE: return "Die Datei auf dem Netzlaufwerk ist nicht mehr gültig";
#endif
        case ETIMEDOUT: return "Zeitüberschreitung beim Zugriff";
        case EOVERFLOW: return "Die Datei ist zu groß";
        case ENOTEMPTY: return "Der Ordner ist nicht leer";
        case EMLINK: return "Zu viele Verknüpfungen auf die Datei";
        default: return "Systemfehler Nr. " + std::to_string(n);
    }
}

std::string Fehlertext(const std::exception& e) {
    if (dynamic_cast<const KalvoraFehler*>(&e)) return e.what();
    if (dynamic_cast<const std::bad_alloc*>(&e)) return "Nicht genügend Arbeitsspeicher.";
    if (const auto* d = dynamic_cast<const std::filesystem::filesystem_error*>(&e)) {
        const std::string pfad = d->path1().string();
        const std::string grund = d->code().category() == std::generic_category() ||
                                          d->code().category() == std::system_category()
                                      ? Systemfehlertext(d->code().value())
                                      : "Dateifehler";
        return (pfad.empty() ? grund : "\"" + pfad + "\": " + grund) + ".";
    }
    if (const auto* s = dynamic_cast<const std::system_error*>(&e))
        return Systemfehlertext(s->code().value()) + ".";
    if (dynamic_cast<const std::length_error*>(&e)) return "Nicht genügend Arbeitsspeicher.";
    return "Unerwarteter Fehler im Programm.";
}

}  // namespace kalvora
