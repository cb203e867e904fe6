#include "einstellungen/Autostart.h"

#include <cstdio>
#include <filesystem>
#include <exception>

#include "einstellungen/Desktopdatei.h"
#include "methoden/Fehler.h"

namespace kalvora {

namespace fs = std::filesystem;

Autostart::Autostart(std::string ordner, std::string programm, Dateischreiber schreiben)
    : ordner_(std::move(ordner)),
      programm_(std::move(programm)),
      schreiben_(std::move(schreiben)) {}

std::string Autostart::Eintragsname(int nummer) {
    char name[32];
    std::snprintf(name, sizeof name, "Kalvora%03d", nummer);
    return name;
}

std::string Autostart::Pfad(int nummer) const {
    return ordner_ + "/" + Eintragsname(nummer) + ".desktop";
}

std::string Autostart::Befehlszeile(const std::string& datei) const {
    return ExecArgument(programm_) + " " + ExecArgument(datei) + " " + ExecArgument("mini");
}

std::vector<std::string> Autostart::Dateien() const {
    std::vector<std::string> dateien;
    for (int n = 1;; ++n) {
        const auto exec = DesktopWert(Pfad(n), "Exec");
        if (!exec) break;
        const auto argumente = ExecArgumente(*exec);
        dateien.push_back(argumente.size() > 1 ? argumente[1] : std::string());
    }
    return dateien;
}

bool Autostart::EintragenMoeglich(const std::string& aktuelleDatei) const {
    if (aktuelleDatei.empty()) return false;
    for (const auto& d : Dateien())
        if (d == aktuelleDatei) return false;
    return true;
}

void Autostart::Schreiben(int nummer, const std::string& datei) const {
    std::error_code ec;
    fs::create_directories(ordner_, ec);
    const std::string text = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=Kalvora\n"
                             "Exec=" + Befehlszeile(datei) + "\n"
                             "X-GNOME-Autostart-enabled=true\n";
    try {
        schreiben_(Pfad(nummer), text);
    } catch (const std::exception& f) {
        throw KalvoraFehler("Der Autostart-Eintrag " + Pfad(nummer) +
                            " kann nicht geschrieben werden. " + f.what());
    }
}

void Autostart::Eintragen(const std::string& datei) {
    Schreiben(static_cast<int>(Dateien().size()) + 1, datei);
}

void Autostart::MarkierteLoeschen(const std::vector<bool>& markiert) {
    const auto dateien = Dateien();
    for (int n = 1; n <= static_cast<int>(dateien.size()); ++n) fs::remove(Pfad(n));
    int nummer = 1;
    for (std::size_t i = 0; i < dateien.size(); ++i)
        if (i >= markiert.size() || !markiert[i]) Schreiben(nummer++, dateien[i]);
}

}  // namespace kalvora
