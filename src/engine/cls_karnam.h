#pragma once
// The two karanas (half-tithis) of a tithi whose start and end are known:
// their names and their spans.
#include <string>

#include "platform/date_time.h"

namespace jd {

class clsKarnam {
public:
    std::string TithiNo;  // "1" .. "30", compared as text: "01" or " 1" match nothing
    DateTime TithiStart;
    DateTime TithiEnd;
    int TithiNumber = 0;  // part of the interface; FindKarnam neither reads nor writes it
    std::string KarnamName1;
    std::string KarnamName2;
    DateTime KarnamStart1;
    DateTime KarnamStart2;
    DateTime KarnamEnd1;
    DateTime KarnamEnd2;

    // The first karana takes the first half of the tithi in whole minutes, the
    // second the rest. An unknown tithi number keeps the earlier names; the
    // moments are set all the same. A half span beyond the 16-bit range (a
    // tithi of more than about 45 days) raises RunTimeError::overflow().
    void FindKarnam();
};

}  // namespace jd
