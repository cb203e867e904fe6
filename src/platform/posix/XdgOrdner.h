#pragma once
// The XDG base folders for file-type registration and autostart entries.
#include <string>
#include <vector>

namespace kalvora {

// Where this user's registrations go: XDG_DATA_HOME (default ~/.local/share); for root the
// system-wide /usr/local/share.
std::string RegistrierungsDatenordner();
// Every folder that may already hold a registration: the user's and XDG_DATA_DIRS
// (default /usr/local/share:/usr/share).
std::vector<std::string> AlleDatenordner();
// XDG_CONFIG_HOME/autostart (default ~/.config/autostart).
std::string Autostartordner();
// Runs update-mime-database and update-desktop-database on the folder if they are
// installed; their failure is not an error (the files are still in place).
void MimeDatenbankAktualisieren(const std::string& datenordner);

}  // namespace kalvora
