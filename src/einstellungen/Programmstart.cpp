#include "einstellungen/Programmstart.h"

#include <array>
#include <filesystem>
#include <utility>

namespace kalvora {

Befehlszeile BefehlszeileLesen(const std::vector<std::string>& argumente,
                               const std::string& arbeitsordner) {
    Befehlszeile z;
    if (!argumente.empty() && !argumente[0].empty()) {
        std::filesystem::path p(argumente[0]);
        if (p.is_relative()) p = std::filesystem::path(arbeitsordner) / p;
        z.datei = p.lexically_normal().string();
    }
    if (argumente.size() > 1) z.startcode = argumente[1];
    return z;
}

Startansicht AnsichtAusNummer(int nummer) {
    return nummer >= 0 && nummer <= 7 ? static_cast<Startansicht>(nummer)
                                      : Startansicht::Jahresansicht;
}

Startaktion StartcodeAktion(const std::string& code, int autostartansicht) {
    static const std::array<std::pair<const char*, Startansicht>, 7> tabelle{{
        {"jahr", Startansicht::Jahresansicht},
        {"mona", Startansicht::Monatsansicht},
        {"mowo", Startansicht::MonatMitWochen},
        {"woch", Startansicht::Wochenansicht},
        {"zwow", Startansicht::Zweiwochenansicht},
        {"desk", Startansicht::DesktopStundenplan},
        {"stud", Startansicht::Stundenplan},
    }};
    Startaktion a;
    if (code == "mini") {
        a.ansicht = AnsichtAusNummer(autostartansicht);
    } else if (code == "voll") {
        a.vollbild = true;
    } else {
        for (const auto& [text, ansicht] : tabelle)
            if (code == text) a.ansicht = ansicht;
    }
    return a;
}

bool StartansichtOeffnen(const std::string& code) {
    for (const char* c : {"mini", "jahr", "mona", "mowo", "woch", "zwow", "desk", "stud"})
        if (code == c) return false;
    return true;
}

std::string Startdatei(const Befehlszeile& zeile, const std::string& startdateiEinstellung) {
    return zeile.datei.empty() ? startdateiEinstellung : zeile.datei;
}

}  // namespace kalvora
