#include "platform/posix/PosixDateisperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "methoden/Systemfehler.h"

namespace kalvora {
namespace {

int Oeffnen(const std::string& pfad, int flags) {
    int fd;
    do {
        fd = ::open(pfad.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, 0644);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool Sperren(int fd, int art = LOCK_EX) {
    int r;
    do {
        r = ::flock(fd, art | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

// The calendar file of a lock file ("plan.kvr" for "plan.kvr.tmp").
std::string Kalenderdatei(const std::string& sperrdatei) {
    const std::string endung = Sperrdateiname("");
    if (sperrdatei.size() > endung.size() &&
        sperrdatei.compare(sperrdatei.size() - endung.size(), endung.size(), endung) == 0)
        return sperrdatei.substr(0, sperrdatei.size() - endung.size());
    return {};
}

// An open descriptor of the calendar file when it is a regular file; -1 when there is none
// yet (a new file of "Speichern unter") or it is something else.
int KalenderdateiOeffnen(const std::string& pfad) {
    if (pfad.empty()) return -1;
    const int fd = Oeffnen(pfad, O_RDONLY | O_NONBLOCK);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

class PosixSperre : public Sperre {
public:
    PosixSperre(std::string pfad, int fd, int dateiFd)
        : pfad_(std::move(pfad)), fd_(fd), dateiFd_(dateiFd) {}
    ~PosixSperre() override {
        if (dateiFd_ >= 0) ::close(dateiFd_);
        // Unlink while still holding the lock: a waiter that gets the lock on this inode
        // afterwards sees that the path no longer names it and starts over.
        ::unlink(pfad_.c_str());
        ::close(fd_);
    }
    const std::string& Pfad() const override { return pfad_; }
    void Erneuern() override {
        const int neu = KalenderdateiOeffnen(Kalenderdatei(pfad_));
        if (neu >= 0 && !Sperren(neu)) {
            // Someone reached the new file through another name in the instant after the
            // save; the lock file still keeps every copy that uses this name away.
            ::close(neu);
            return;
        }
        if (dateiFd_ >= 0) ::close(dateiFd_);
        dateiFd_ = neu;
    }

private:
    std::string pfad_;
    int fd_;
    int dateiFd_;
};

// True when fd is still the file at pfad (nobody deleted or replaced it after we opened it).
bool NochDieselbe(int fd, const std::string& pfad) {
    struct stat offen {}, amPfad {};
    if (::fstat(fd, &offen) != 0 || ::stat(pfad.c_str(), &amPfad) != 0) return false;
    return offen.st_dev == amPfad.st_dev && offen.st_ino == amPfad.st_ino;
}

Sperrversuch NichtMoeglich(int fehlernummer) {
    Sperrversuch v;
    v.grund = Systemfehlertext(fehlernummer);
    return v;
}

Sperrversuch Belegt() {
    Sperrversuch v;
    v.belegt = true;
    return v;
}

}  // namespace

Sperrversuch PosixDateisperre::Versuchen(const std::string& sperrdatei) {
    // A few attempts: a holder may be releasing right now (its file vanishes under us), and
    // Gehalten/Loeschen of another copy hold the lock for an instant while they look.
    for (int versuch = 0; versuch < 10; ++versuch) {
        const int fd = Oeffnen(sperrdatei, O_RDWR | O_CREAT);
        if (fd < 0) {
            const int e = errno;
            // A lock file we may not open although it exists can belong to another user's
            // copy that holds it; one that cannot be created says nothing about other copies.
            if ((e == EACCES || e == EPERM) && Gehalten(sperrdatei)) return Belegt();
            return NichtMoeglich(e);
        }
        if (!Sperren(fd)) {
            const int e = errno;
            ::close(fd);
            if (e != EWOULDBLOCK) return NichtMoeglich(e);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (versuch == 9) return Belegt();
            continue;
        }
        if (!NochDieselbe(fd, sperrdatei)) {
            ::close(fd);
            continue;
        }
        const int dateiFd = KalenderdateiOeffnen(Kalenderdatei(sperrdatei));
        if (dateiFd >= 0 && !Sperren(dateiFd)) {
            // The same file under another name is open writable in another copy.
            ::close(dateiFd);
            ::unlink(sperrdatei.c_str());
            ::close(fd);
            return Belegt();
        }
        if (::ftruncate(fd, 0) != 0) {
            // An empty lock file is only a convention; the lock itself is what counts.
        }
        Sperrversuch v;
        v.sperre = std::make_unique<PosixSperre>(sperrdatei, fd, dateiFd);
        return v;
    }
    return Belegt();
}

bool PosixDateisperre::Gehalten(const std::string& sperrdatei) {
    // A shared probe conflicts with a holder's exclusive lock but not with another probe.
    const auto probe = [](int fd) {
        const bool frei = Sperren(fd, LOCK_SH);
        const bool gehalten = !frei && errno == EWOULDBLOCK;
        ::close(fd);
        return gehalten;
    };
    const int fd = Oeffnen(sperrdatei, O_RDONLY);
    if (fd >= 0 && probe(fd)) return true;
    const int dateiFd = KalenderdateiOeffnen(Kalenderdatei(sperrdatei));
    return dateiFd >= 0 && probe(dateiFd);
}

void PosixDateisperre::Loeschen(const std::string& sperrdatei) {
    const int fd = Oeffnen(sperrdatei, O_RDONLY);
    if (fd < 0) return;
    if (Sperren(fd) && NochDieselbe(fd, sperrdatei)) ::unlink(sperrdatei.c_str());
    ::close(fd);
}

}  // namespace kalvora
