#pragma once
// Clock times as hand-edited files and spreadsheets write them.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvora {

// "09:30" for "09:30" and for "9:30"; std::nullopt for anything that is no time of day
// (hours 0..23, minutes 0..59, two minute digits).
std::optional<std::string> UhrzeitNormalisiert(std::string_view text);

// The longest duration of an appointment in minutes (23:59, as the editor offers it).
constexpr int32_t LaengsteTermindauer = 1439;

// Whether text is a start time as an appointment has it: exactly hh:mm, 00:00 to 23:59. A
// hand-edited file can hold anything else there ("99:99", "0:"); views then show no time.
bool UhrzeitBrauchbar(std::string_view text);

// A duration as views and exports use it: 0..1439 minutes as they are, anything else (from a
// hand-edited file) counts as no duration.
inline int32_t DauerBrauchbar(int32_t minuten) {
    return minuten >= 0 && minuten <= LaengsteTermindauer ? minuten : 0;
}

}  // namespace kalvora
