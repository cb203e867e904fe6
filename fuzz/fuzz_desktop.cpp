// The desktop entries and mime globs the start-up reads (autostart, file types) on any bytes:
// a value is found only inside [Desktop Entry], every argument of its Exec line survives being
// quoted again the way the program writes it, and a globs line of our type is found whatever
// stands before it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "einstellungen/Dateitypen.h"
#include "einstellungen/Desktopdatei.h"

using namespace kalvora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    const std::string globs = std::string(text) + "\n50:application/x-kalvora:*.kvr\n";
    if (!MimeglobBekannt(globs, "*.kvr")) std::abort();
    const auto exec = DesktopWertAusText(text, "Exec");
    if (!exec) return 0;
    if (exec->find('\n') != std::string::npos) std::abort();
    for (const std::string& argument : ExecArgumente(*exec)) {
        const std::string zitiert = ExecArgument(argument);
        if (zitiert.find('\n') != std::string::npos) std::abort();
        const std::string eintrag = "[Desktop Entry]\nExec=" + zitiert + " %f\n";
        const auto zurueck = DesktopWertAusText(eintrag, "Exec");
        if (!zurueck) std::abort();
        const std::vector<std::string> argumente = ExecArgumente(*zurueck);
        if (argumente.size() != 2 || argumente[0] != argument || argumente[1] != "%f")
            std::abort();
    }
    return 0;
}
