#include "platform/posix/AtomareDatei.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <vector>

#include "methoden/Fehler.h"
#include "methoden/Systemfehler.h"

namespace kalvora {

namespace {

[[noreturn]] void Scheitern(const std::string& pfad, int fehlernummer) {
    throw KalvoraFehler("Die Datei \"" + pfad + "\" kann nicht geschrieben werden: " +
                        Systemfehlertext(fehlernummer) + ".");
}

std::string Ordner(const std::string& pfad) {
    const std::size_t s = pfad.rfind('/');
    if (s == std::string::npos) return ".";
    return s == 0 ? "/" : pfad.substr(0, s);
}

std::string Name(const std::string& pfad) {
    const std::size_t s = pfad.rfind('/');
    return s == std::string::npos ? pfad : pfad.substr(s + 1);
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

// Temporary files are named ".<name>.kvtmp.<6 characters>" in the target's folder, hidden,
// and held with flock() while they exist, so that the clean-up of another save never takes
// a file that is still being written.
std::string Vorsilbe(const std::string& ziel) { return "." + Name(ziel) + ".kvtmp."; }

std::string Zufallsendung() {
    static const char zeichen[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static unsigned long zaehler = 0;
    unsigned long x = static_cast<unsigned long>(
                          std::chrono::steady_clock::now().time_since_epoch().count()) ^
                      (static_cast<unsigned long>(getpid()) << 20) ^ (++zaehler * 7919);
    std::string s(6, 'a');
    for (char& c : s) {
        c = zeichen[x % 36];
        x = x / 36 + 0x9E3779B9ul * (x % 36 + 1);
    }
    return s;
}

// Removes what a killed save left behind in the folder: files of our pattern for this
// target that nobody holds.
void ResteEntfernen(const std::string& ziel) {
    DIR* ordner = opendir(Ordner(ziel).c_str());
    if (!ordner) return;
    const std::string vorsilbe = Vorsilbe(ziel);
    std::vector<std::string> reste;
    while (const dirent* e = readdir(ordner)) {
        const std::string name = e->d_name;
        if (name.size() == vorsilbe.size() + 6 && name.compare(0, vorsilbe.size(), vorsilbe) == 0)
            reste.push_back(Ordner(ziel) + "/" + name);
    }
    closedir(ordner);
    for (const std::string& rest : reste) {
        const int fd = open(rest.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) continue;
        struct stat st {};
        if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && flock(fd, LOCK_EX | LOCK_NB) == 0)
            unlink(rest.c_str());
        close(fd);
    }
}

// An unnamed file in the folder (O_TMPFILE): a save killed before it is linked leaves
// nothing at all. -1 where the file system does not offer it.
int UnbenanntOeffnen(const std::string& ordner, mode_t rechte) {
#ifdef O_TMPFILE
    return open(ordner.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, rechte);
#else
    (void)ordner;
    (void)rechte;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Gives the unnamed file a temporary name (for the rename over the target).
bool Verknuepfen(int fd, const std::string& name) {
    if (linkat(fd, "", AT_FDCWD, name.c_str(), AT_EMPTY_PATH) == 0) return true;
    if (errno == EEXIST) return false;
    // Without the privilege for AT_EMPTY_PATH the descriptor's /proc entry serves.
    const std::string proc = "/proc/self/fd/" + std::to_string(fd);
    return linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

// Why an existing target must not be replaced, or "".
std::string Hindernis(const std::string& pfad, const std::string& ziel, struct stat& alt,
                      bool& vorhanden) {
    vorhanden = stat(ziel.c_str(), &alt) == 0;
    if (!vorhanden) return {};
    if (S_ISDIR(alt.st_mode)) return "\"" + pfad + "\" ist ein Ordner.";
    if (!S_ISREG(alt.st_mode))
        return "\"" + pfad +
               "\" ist keine gewöhnliche Datei (sondern z. B. ein Gerät oder eine Pipe) und "
               "wird nicht überschrieben.";
    // Root may write anything; a file without any write permission is still meant to stay.
    if (access(ziel.c_str(), W_OK) != 0 || (alt.st_mode & 0222) == 0)
        return "Die Datei \"" + pfad + "\" ist schreibgeschützt und wird nicht überschrieben.";
    return {};
}

int AllesSchreiben(int fd, std::string_view inhalt) {
    const char* p = inhalt.data();
    std::size_t rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    return 0;
}

// Copies what the unnamed file holds into fd (where it cannot be given a name); the error
// number, or 0.
int Umkopieren(int von, int nach) {
    std::string puffer(std::size_t{1} << 16, '\0');
    off_t pos = 0;
    while (true) {
        const ssize_t n = pread(von, puffer.data(), puffer.size(), pos);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0) return 0;
        if (const int e = AllesSchreiben(nach, std::string_view(puffer.data(),
                                                                static_cast<std::size_t>(n))))
            return e;
        pos += n;
    }
}

}  // namespace

AtomarerSchreiber::AtomarerSchreiber(const std::string& pfad) : pfad_(pfad), ziel_(Ziel(pfad)) {
    const std::string hindernis = Hindernis(pfad_, ziel_, alt_, vorhanden_);
    if (!hindernis.empty()) throw KalvoraFehler(hindernis);
    rechte_ = vorhanden_ ? (alt_.st_mode & 07777) : NeueRechte();
    ResteEntfernen(ziel_);
    // Read and write: should the unnamed file get no name at the end, its bytes are copied.
    fd_ = UnbenanntOeffnen(Ordner(ziel_), rechte_);
    if (fd_ < 0) {
        for (int versuch = 0; versuch < 100 && fd_ < 0; ++versuch) {
            temp_ = Ordner(ziel_) + "/" + Vorsilbe(ziel_) + Zufallsendung();
            fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd_ < 0 && errno != EEXIST) break;
        }
        if (fd_ < 0) {
            const int e = errno;
            temp_.clear();
            Scheitern(pfad_, e);
        }
    }
    // Held until the rename: the clean-up of another save leaves a held file alone.
    flock(fd_, LOCK_EX | LOCK_NB);
}

AtomarerSchreiber::~AtomarerSchreiber() { Verwerfen(); }

void AtomarerSchreiber::Verwerfen() noexcept {
    if (fd_ < 0) return;
    if (!temp_.empty()) unlink(temp_.c_str());
    close(fd_);
    fd_ = -1;
}

void AtomarerSchreiber::Schreiben(std::string_view stueck) {
    if (fd_ < 0) throw KalvoraFehler("Die Datei \"" + pfad_ + "\" wird nicht mehr geschrieben.");
    if (const int e = AllesSchreiben(fd_, stueck)) {
        Verwerfen();
        Scheitern(pfad_, e);
    }
}

void AtomarerSchreiber::Abschliessen() {
    if (fd_ < 0) throw KalvoraFehler("Die Datei \"" + pfad_ + "\" wird nicht mehr geschrieben.");
    const auto scheitern = [this](int e) {
        Verwerfen();
        Scheitern(pfad_, e);
    };
    // Owner and group stay where the system permits it (a user may not give files away).
    if (vorhanden_ && fchown(fd_, alt_.st_uid, alt_.st_gid) != 0 &&
        fchown(fd_, static_cast<uid_t>(-1), alt_.st_gid) != 0) {
    }
    if (fchmod(fd_, rechte_) != 0) scheitern(errno);
    if (temp_.empty()) {
        // The unnamed file gets a temporary name for the rename over the target.
        const std::string ordner = Ordner(ziel_);
        bool verknuepft = false;
        for (int versuch = 0; versuch < 100 && !verknuepft; ++versuch) {
            const std::string kandidat = ordner + "/" + Vorsilbe(ziel_) + Zufallsendung();
            if (Verknuepfen(fd_, kandidat)) {
                temp_ = kandidat;
                verknuepft = true;
            } else if (errno != EEXIST) {
                break;
            }
        }
        if (!verknuepft) {
            // The named way: a temporary file of ours, filled from the unnamed one.
            int fd = -1;
            std::string name;
            for (int versuch = 0; versuch < 100 && fd < 0; ++versuch) {
                name = ordner + "/" + Vorsilbe(ziel_) + Zufallsendung();
                fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
                if (fd < 0 && errno != EEXIST) break;
            }
            if (fd < 0) scheitern(errno ? errno : EEXIST);
            flock(fd, LOCK_EX | LOCK_NB);
            const int e = Umkopieren(fd_, fd);
            close(fd_);
            fd_ = fd;
            temp_ = name;
            if (e) scheitern(e);
            if (vorhanden_ && fchown(fd_, alt_.st_uid, alt_.st_gid) != 0 &&
                fchown(fd_, static_cast<uid_t>(-1), alt_.st_gid) != 0) {
            }
            if (fchmod(fd_, rechte_) != 0) scheitern(errno);
        }
    }
    if (fsync(fd_) != 0) scheitern(errno);
    if (rename(temp_.c_str(), ziel_.c_str()) != 0) scheitern(errno);
    close(fd_);  // the data reached the disk with fsync; a late close error changes nothing
    fd_ = -1;
    // The rename itself reaches the disk only with its folder.
    const int ordnerFd = open(Ordner(ziel_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (ordnerFd >= 0) {
        fsync(ordnerFd);
        close(ordnerFd);
    }
}

void DateiAtomarSchreiben(const std::string& pfad, std::string_view inhalt) {
    AtomarerSchreiber datei(pfad);
    datei.Schreiben(inhalt);
    datei.Abschliessen();
}

}  // namespace kalvora
