#include "calendar/calendar_objects.h"

#include <memory>

#include "platform/vb_number.h"
#include "state/shared_records.h"

namespace jd {
namespace {

// The ayanamsa codes the ephemeris knows; any other code leaves the
// calculator's previous ayanamsa in place, so its results then depend on
// earlier calls and are not kept.
bool knownAyanamsa(const std::string& code) {
    return code == "Lahiri" || code == "KP" || code == "Raman" || code == "Sayana" || code == "Custom";
}

// Enough for the searches of several charts at one place.
constexpr std::size_t kMaxKeptPositions = 50000;

}  // namespace

CalendarPlace FnCalendarPlace() {
    const BirthDetails& b = state().birth;
    const ChartAyanamsa& a = state().chartAyanamsa;
    CalendarPlace p;
    p.latNS = b.gLatNS;
    p.lonEW = b.gLonEW;
    p.zoneEW = b.gZoneEW;
    p.latDeg = toDouble(b.gLatDeg);
    p.latMin = toDouble(b.gLatMin);
    p.lonDeg = toDouble(b.gLonDeg);
    p.lonMin = toDouble(b.gLonMin);
    p.zoneHours = toDouble(b.gZoneHours);
    p.ayanamsa = a.gAyanamsaChoice;
    p.zeroYear = a.gChartCustomZeroYear;
    p.progress = a.gChartCustomProgress;
    return p;
}

SunMoon CalendarCalculators::sunMoon(const DateTime& t, const CalendarPlace& place) {
    const bool keep = knownAyanamsa(place.ayanamsa);
    if (!(place == positionsFor_) || positions_.size() >= kMaxKeptPositions) {
        positions_.clear();
        positionsFor_ = place;
    }
    // The ephemeris reads the moment to the minute.
    const std::int64_t key = t.totalSeconds() - t.second();
    if (keep) {
        if (auto it = positions_.find(key); it != positions_.end()) return it->second;
    }
    gObjCalPlanetPos.FindFixValues(t, place.latNS, place.latDeg, place.latMin, place.lonEW, place.lonDeg,
                                   place.lonMin, place.zoneHours, place.zoneEW, 0, place.ayanamsa,
                                   place.zeroYear, place.progress);
    ++ephemerisCalls_;
    const SunMoon sm{gObjCalPlanetPos.FnFindSunPosition(), gObjCalPlanetPos.FnFindMoonPosition()};
    if (keep) positions_.emplace(key, sm);
    return sm;
}

CalendarCalculators& calendarObjects() {
    auto& slot = state().gCalendarObjects;
    if (!slot) slot = std::make_shared<CalendarCalculators>();
    return *slot;
}

}  // namespace jd
