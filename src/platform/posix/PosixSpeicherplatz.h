#pragma once
#include "platform/Speicherplatz.h"

namespace kalvora {

class PosixSpeicherplatz : public Speicherplatz {
public:
    std::optional<uint64_t> FreieBytes(const std::string& ordner) override;
};

}  // namespace kalvora
