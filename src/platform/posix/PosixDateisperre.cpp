#include "platform/posix/PosixDateisperre.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace kalvora {
namespace {

class PosixSperre : public Sperre {
public:
    PosixSperre(std::string pfad, int fd) : pfad_(std::move(pfad)), fd_(fd) {}
    ~PosixSperre() override {
        // Unlink while still holding the lock: a waiter that gets the lock on this inode
        // afterwards sees that the path no longer names it and starts over.
        ::unlink(pfad_.c_str());
        ::close(fd_);
    }
    const std::string& Pfad() const override { return pfad_; }

private:
    std::string pfad_;
    int fd_;
};

// True when fd is still the file at pfad (nobody deleted or replaced it after we opened it).
bool NochDieselbe(int fd, const std::string& pfad) {
    struct stat offen {}, amPfad {};
    if (::fstat(fd, &offen) != 0 || ::stat(pfad.c_str(), &amPfad) != 0) return false;
    return offen.st_dev == amPfad.st_dev && offen.st_ino == amPfad.st_ino;
}

int Oeffnen(const std::string& pfad, int flags) {
    int fd;
    do {
        fd = ::open(pfad.c_str(), flags | O_CLOEXEC | O_NOFOLLOW, 0644);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool Sperren(int fd) {
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

}  // namespace

std::unique_ptr<Sperre> PosixDateisperre::Anlegen(const std::string& sperrdatei) {
    // A few attempts: a holder may be releasing right now (its file vanishes under us), and
    // Gehalten/Loeschen of another copy hold the lock for an instant while they look.
    for (int versuch = 0; versuch < 10; ++versuch) {
        const int fd = Oeffnen(sperrdatei, O_RDWR | O_CREAT);
        if (fd < 0) return nullptr;
        if (!Sperren(fd)) {
            const bool belegt = errno == EWOULDBLOCK;
            ::close(fd);
            if (!belegt) return nullptr;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            continue;
        }
        if (NochDieselbe(fd, sperrdatei)) {
            if (::ftruncate(fd, 0) != 0) {
                // An empty lock file is only a convention; the lock itself is what counts.
            }
            return std::make_unique<PosixSperre>(sperrdatei, fd);
        }
        ::close(fd);
    }
    return nullptr;
}

bool PosixDateisperre::Gehalten(const std::string& sperrdatei) {
    const int fd = Oeffnen(sperrdatei, O_RDONLY);
    if (fd < 0) return false;
    // A shared probe conflicts with a holder's exclusive lock but not with another probe.
    int r;
    do {
        r = ::flock(fd, LOCK_SH | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    const bool gehalten = r != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return gehalten;
}

void PosixDateisperre::Loeschen(const std::string& sperrdatei) {
    const int fd = Oeffnen(sperrdatei, O_RDONLY);
    if (fd < 0) return;
    if (Sperren(fd) && NochDieselbe(fd, sperrdatei)) ::unlink(sperrdatei.c_str());
    ::close(fd);
}

}  // namespace kalvora
