#include "platform/posix/XdgOrdner.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <sstream>

extern char** environ;

namespace kalvora {
namespace {

// An absolute value of the variable, else the default below HOME.
std::string Basisordner(const char* variable, const char* unterHome) {
    const char* wert = std::getenv(variable);
    if (wert && wert[0] == '/') return wert;
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/" + unterHome;
}

void Ausfuehren(std::vector<std::string> argumente) {
    std::vector<char*> argv;
    for (auto& a : argumente) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    // Their output goes nowhere; opened for writing so that it does not fail.
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&aktionen, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], &aktionen, nullptr, argv.data(), environ) == 0) {
        int status;
        waitpid(pid, &status, 0);
    }
    posix_spawn_file_actions_destroy(&aktionen);
}

}  // namespace

std::string RegistrierungsDatenordner() {
    if (::geteuid() == 0) return "/usr/local/share";
    return Basisordner("XDG_DATA_HOME", ".local/share");
}

std::vector<std::string> AlleDatenordner() {
    std::vector<std::string> ordner{Basisordner("XDG_DATA_HOME", ".local/share")};
    const char* dirs = std::getenv("XDG_DATA_DIRS");
    std::istringstream liste(dirs && *dirs ? dirs : "/usr/local/share:/usr/share");
    for (std::string d; std::getline(liste, d, ':');)
        if (!d.empty() && d[0] == '/') ordner.push_back(d);
    return ordner;
}

std::string Autostartordner() { return Basisordner("XDG_CONFIG_HOME", ".config") + "/autostart"; }

void MimeDatenbankAktualisieren(const std::string& datenordner) {
    Ausfuehren({"update-mime-database", datenordner + "/mime"});
    Ausfuehren({"update-desktop-database", datenordner + "/applications"});
}

}  // namespace kalvora
