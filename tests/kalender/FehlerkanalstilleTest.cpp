#include "kalender/Fehlerkanalstille.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>
#include <string>

#include "doubles/Testdateien.h"

namespace kalvora {
namespace {

// stderr into a file of the test while it lives; what reached the file, afterwards.
class Mitschrift {
public:
    Mitschrift() {
        std::fflush(stderr);
        gesichert_ = dup(2);
        const int fd = mkstemp(pfad_);
        dup2(fd, 2);
        close(fd);
    }
    std::string Ende() {
        std::fflush(stderr);
        dup2(gesichert_, 2);
        close(gesichert_);
        const std::string text = testdateien::Inhalt(pfad_);
        unlink(pfad_);
        return text;
    }

private:
    char pfad_[32] = "/tmp/kalvora-stderr-XXXXXX";
    int gesichert_ = -1;
};

TEST(Fehlerkanalstille, SchweigtNurSolangeSieLebt) {
    Mitschrift m;
    std::fputs("vorher\n", stderr);
    {
        const Fehlerkanalstille stille;
        std::fputs("libical\n", stderr);
        ASSERT_EQ(write(2, "direkt\n", 7), 7);
    }
    std::fputs("danach\n", stderr);
    try {
        const Fehlerkanalstille stille;
        std::fputs("verschluckt\n", stderr);
        throw std::runtime_error("weg");
    } catch (const std::runtime_error&) {
    }
    std::fputs("nach der Ausnahme\n", stderr);
    EXPECT_EQ(m.Ende(), "vorher\ndanach\nnach der Ausnahme\n");
}

}  // namespace
}  // namespace kalvora
