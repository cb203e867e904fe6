#pragma once
// A CalDAV server of the tests (Radicale with the user "test", or Xandikos without
// authentication) on 127.0.0.1 at a free port, behind the fault-injecting proxy of
// caldavserver.py. The script stops the server when its stdin closes, so a test that fails
// or crashes leaves nothing running.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace kalvora::testcaldav {

inline const std::string kPython = "/usr/bin/python3";
inline const std::string kSkripte = KALVORA_CALDAV_SKRIPTE;

inline bool ServerVorhanden(const std::string& art) {
    const std::string modul = art == "radicale" ? "radicale" : "xandikos";
    const std::string befehl = kPython + " -c 'import " + modul + ", caldav' 2>/dev/null";
    return std::system(befehl.c_str()) == 0;
}

class Testserver {
public:
    explicit Testserver(std::string art) : art_(std::move(art)) {
        int ein[2], aus[2];
        if (pipe2(ein, O_CLOEXEC) != 0 || pipe2(aus, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe");
        pid_ = fork();
        if (pid_ == 0) {
            dup2(ein[0], 0);
            dup2(aus[1], 1);
            const std::string skript = kSkripte + "/caldavserver.py";
            execl(kPython.c_str(), kPython.c_str(), skript.c_str(), art_.c_str(), nullptr);
            _exit(127);
        }
        close(ein[0]);
        close(aus[1]);
        schreiben_ = ein[1];
        lesen_ = aus[0];
        const std::string bereit = Zeile(30000);
        std::istringstream z(bereit);
        std::string wort;
        z >> wort >> serverport_ >> proxyport_;
        if (wort != "BEREIT") throw std::runtime_error("Testserver startet nicht: " + bereit);
    }

    ~Testserver() {
        close(schreiben_);
        close(lesen_);
        for (int i = 0; i < 100; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    Testserver(const Testserver&) = delete;
    Testserver& operator=(const Testserver&) = delete;

    const std::string& Art() const { return art_; }
    bool MitAnmeldung() const { return art_ == "radicale"; }
    std::string Benutzer() const { return MitAnmeldung() ? "test" : ""; }
    std::string Passwort() const { return MitAnmeldung() ? "geheim-Wort" : ""; }
    // The proxy in front of the server: every test talks to the server through it.
    std::string Url(const std::string& pfad = "/") const {
        return "http://127.0.0.1:" + std::to_string(proxyport_) + pfad;
    }
    std::string DirekteUrl(const std::string& pfad = "/") const {
        return "http://127.0.0.1:" + std::to_string(serverport_) + pfad;
    }
    // The path below which the fixture's calendars are made.
    std::string Heim() const { return MitAnmeldung() ? "/test/" : "/user/calendars/"; }

    // "durch", "401", …, "xml", "zeit", "abbruch", optionally for one method only.
    void Stoerung(const std::string& art, const std::string& methode = "") {
        Befehl("stoerung " + art + (methode.empty() ? "" : " " + methode));
    }
    // The requests the proxy saw, "PUT=2 REPORT=1 …".
    std::string Zaehlen() { return Befehl("zaehlen").substr(2); }

    // Runs the independent client; its stdout (trimmed of the last line break).
    std::string Fremdclient(const std::string& befehl, const std::string& url,
                            const std::vector<std::string>& weitere = {}) const {
        std::string zeile = kPython + " '" + kSkripte + "/fremdclient.py' " + befehl + " '" +
                            url + "' " + (MitAnmeldung() ? "test geheim-Wort" : "- -");
        for (const auto& w : weitere) zeile += " '" + w + "'";
        FILE* rohr = popen((zeile + " 2>&1").c_str(), "r");
        std::string text;
        char puffer[4096];
        for (std::size_t n; (n = fread(puffer, 1, sizeof puffer, rohr)) > 0;)
            text.append(puffer, n);
        const int status = pclose(rohr);
        if (status != 0) throw std::runtime_error("fremdclient " + befehl + ": " + text);
        while (!text.empty() && text.back() == '\n') text.pop_back();
        return text;
    }

private:
    std::string Befehl(const std::string& zeile) {
        const std::string z = zeile + "\n";
        if (write(schreiben_, z.data(), z.size()) != static_cast<ssize_t>(z.size()))
            throw std::runtime_error("Testserver antwortet nicht");
        const std::string antwort = Zeile(10000);
        if (!antwort.starts_with("ok")) throw std::runtime_error("Testserver: " + antwort);
        return antwort;
    }

    std::string Zeile(int grenzeMs) {
        std::string z;
        const auto ende = std::chrono::steady_clock::now() + std::chrono::milliseconds(grenzeMs);
        for (;;) {
            const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
                ende - std::chrono::steady_clock::now());
            pollfd p{lesen_, POLLIN, 0};
            if (rest.count() <= 0 || poll(&p, 1, static_cast<int>(rest.count())) <= 0)
                return z;
            char c;
            if (read(lesen_, &c, 1) != 1 || c == '\n') return z;
            z.push_back(c);
        }
    }

    std::string art_;
    pid_t pid_ = -1;
    int schreiben_ = -1;
    int lesen_ = -1;
    int serverport_ = 0;
    int proxyport_ = 0;
};

}  // namespace kalvora::testcaldav
