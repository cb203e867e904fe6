#include "kalender/Fehlerkanalstille.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

namespace kalvora {

Fehlerkanalstille::Fehlerkanalstille() {
    std::fflush(stderr);
    const int leer = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (leer < 0) return;  // the warnings then stay visible, nothing else depends on it
    gesichert_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (gesichert_ >= 0 && ::dup2(leer, STDERR_FILENO) < 0) {
        ::close(gesichert_);
        gesichert_ = -1;
    }
    ::close(leer);
}

Fehlerkanalstille::~Fehlerkanalstille() {
    if (gesichert_ < 0) return;
    std::fflush(stderr);
    ::dup2(gesichert_, STDERR_FILENO);
    ::close(gesichert_);
}

}  // namespace kalvora
