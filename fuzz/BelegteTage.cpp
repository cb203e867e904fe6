// Built without sanitizers (see CMakeLists.txt): the pass reads only the sizes of the day
// lists the document marks as touched, and checking each of them would cost more than the
// reading.
#include "BelegteTage.h"

namespace kalvora::fuzz {

void BelegteTage(const TKalender& kal, std::vector<int>& slots) {
    slots.clear();
    for (int i = kal.NaechsterTag(0); i < TKalender::kSlots; i = kal.NaechsterTag(i + 1))
        if (!kal.TagesfarbenAn(i).empty() || !kal.TerminlisteAn(i).empty()) slots.push_back(i);
}

}  // namespace kalvora::fuzz
