// The main window's part of the start: the start file, the start code and the start view.
#include <QAction>
#include <QActionGroup>

#include "einstellungen/Programmstart.h"
#include "main/Hauptmenue.h"
#include "main/fenster/Main.h"

namespace kalvora {

void TForm1::StartNachSplash() {
    TerminfeldZeigen(einstellungen_.TerminfeldAnzeigen);
    const auto farbmodus = [this] {
        ModusSetzen(einstellungen_.JahresansichtBearbeiten ? Farbbearbeitung::Hinzufuegen
                                                           : Farbbearbeitung::Keine);
    };
    farbmodus();
    Befehlszeile zeile;
    zeile.datei = startdatei_.toStdString();
    zeile.startcode = startcode_.toStdString();
    const std::string datei = Startdatei(zeile, einstellungen_.Startdatei);
    if (!datei.empty()) {
        // The load evaluates the start code once, right after the file is read.
        startLaeuft_ = true;
        sitzung_.StartcodeSetzen(zeile.startcode);
        sitzung_.DirektOeffnen(datei);
        startLaeuft_ = false;
        farbmodus();
    }
    ErsteAktivierung();
    ToolbarAnwenden(ToolbarAusEinstellungen());
}

void TForm1::StartcodeAnwenden(const std::string& code) {
    // A file that could not be read leaves the code pending; a later "Öffnen" ignores it.
    if (!startLaeuft_) return;
    const Startaktion a = StartcodeAktion(code, einstellungen_.Autostartansicht);
    if (a.vollbild) VollbildUmschalten();
    if (a.ansicht && *a.ansicht != Startansicht::Jahresansicht)
        AnsichtOeffnen(static_cast<int>(*a.ansicht));
}

void TForm1::ErsteAktivierung() {
    if (!ersteAktivierung_) return;
    ersteAktivierung_ = false;
    if (!StartansichtOeffnen(startcode_.toStdString())) return;
    const Startansicht ansicht = AnsichtAusNummer(einstellungen_.Startansicht);
    if (ansicht != Startansicht::Jahresansicht) AnsichtOeffnen(static_cast<int>(ansicht));
}

void TForm1::AnsichtOeffnen(int nummer) {
    // Background monitoring only where its command is available.
    if (nummer == static_cast<int>(Startansicht::Tray) &&
        (!ansicht_->Befehle().statistikUndUeberwachung ||
         NochNichtGebaut().contains(QString::fromLatin1(befehl::Terminueberwachung))))
        return;
    if (ansichtOeffnen) ansichtOeffnen(nummer);
}

}  // namespace kalvora
