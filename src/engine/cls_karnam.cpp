#include "engine/cls_karnam.h"

#include "engine/cls_tithi.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"

namespace jd {

void clsKarnam::FindKarnam() {
    const long long minutes = dateDiff(DateUnit::Minute, TithiStart, TithiEnd);
    const int half = toInt16(static_cast<double>(minutes) / 2 + 0.5);

    KarnamStart1 = TithiStart;
    KarnamEnd1 = dateAdd(DateUnit::Minute, half, TithiStart);
    KarnamStart2 = KarnamEnd1;
    KarnamEnd2 = TithiEnd;

    for (int n = 1; n <= 30; ++n) {
        if (TithiNo == std::to_string(n)) {
            const auto& karanas = karanasOfTithi(n);
            KarnamName1 = karanas.first;
            KarnamName2 = karanas.second;
            return;
        }
    }
}

}  // namespace jd
