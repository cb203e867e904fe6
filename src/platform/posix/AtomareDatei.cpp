#include "platform/posix/AtomareDatei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "methoden/Fehler.h"

namespace kalvora {

namespace {

[[noreturn]] void Scheitern(const std::string& pfad, int fehlernummer) {
    throw KalvoraFehler("Die Datei \"" + pfad + "\" kann nicht geschrieben werden: " +
                        std::strerror(fehlernummer));
}

std::string Ordner(const std::string& pfad) {
    const std::size_t s = pfad.rfind('/');
    if (s == std::string::npos) return ".";
    return s == 0 ? "/" : pfad.substr(0, s);
}

// The file that is really written: the target of a symbolic link, else the path itself.
std::string Ziel(const std::string& pfad) {
    struct stat st;
    if (lstat(pfad.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char puffer[PATH_MAX];
        if (realpath(pfad.c_str(), puffer)) return puffer;
    }
    return pfad;
}

mode_t NeueRechte() {
    const mode_t maske = umask(0);
    umask(maske);
    return 0666 & ~maske;
}

}  // namespace

void DateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt) {
    const std::string ziel = Ziel(pfad);
    struct stat alt;
    const mode_t rechte = stat(ziel.c_str(), &alt) == 0 ? (alt.st_mode & 07777) : NeueRechte();

    std::string muster = ziel + ".XXXXXX";
    std::vector<char> name(muster.begin(), muster.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) Scheitern(pfad, errno);
    const std::string temp(name.data());
    const auto abbrechen = [&](int fehlernummer) {
        close(fd);
        unlink(temp.c_str());
        Scheitern(pfad, fehlernummer);
    };

    const char* p = inhalt.data();
    std::size_t rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            abbrechen(errno);
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    if (fchmod(fd, rechte) != 0) abbrechen(errno);
    if (fsync(fd) != 0) abbrechen(errno);
    if (close(fd) != 0) {
        const int e = errno;
        unlink(temp.c_str());
        Scheitern(pfad, e);
    }
    if (rename(temp.c_str(), ziel.c_str()) != 0) {
        const int e = errno;
        unlink(temp.c_str());
        Scheitern(pfad, e);
    }
    // The rename itself reaches the disk only with its folder.
    const int ordner = open(Ordner(ziel).c_str(), O_RDONLY | O_DIRECTORY);
    if (ordner >= 0) {
        fsync(ordner);
        close(ordner);
    }
}

}  // namespace kalvora
