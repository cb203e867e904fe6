#include "methoden/Uhrzeit.h"

namespace kalvora {

std::optional<std::string> UhrzeitNormalisiert(std::string_view u) {
    const auto ziffer = [](char c) { return c >= '0' && c <= '9'; };
    if (u.size() == 4) {
        if (!ziffer(u[0])) return std::nullopt;
        return UhrzeitNormalisiert("0" + std::string(u));
    }
    if (u.size() != 5 || u[2] != ':' || !ziffer(u[0]) || !ziffer(u[1]) || !ziffer(u[3]) ||
        !ziffer(u[4]))
        return std::nullopt;
    if ((u[0] - '0') * 10 + (u[1] - '0') > 23 || (u[3] - '0') * 10 + (u[4] - '0') > 59)
        return std::nullopt;
    return std::string(u);
}

bool UhrzeitBrauchbar(std::string_view text) {
    const auto normal = UhrzeitNormalisiert(text);
    return normal && *normal == text;
}

}  // namespace kalvora
