// Built without sanitizers (see CMakeLists.txt): the pass reads only the sizes of the day
// lists, and a check on each of 145,368 lists per input would cost more than the reading.
#include "BelegteTage.h"

namespace kalvora::fuzz {

void BelegteTage(const TKalender& kal, std::vector<int>& slots) {
    slots.clear();
    const TTagesfarben* farben = kal.Farbraster.data();
    const TTerminliste* listen = kal.Terminraster.data();
    for (int i = 0; i < TKalender::kSlots; ++i)
        if (!farben[i].empty() || !listen[i].empty()) slots.push_back(i);
}

}  // namespace kalvora::fuzz
