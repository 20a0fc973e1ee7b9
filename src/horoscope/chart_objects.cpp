#include "horoscope/chart_objects.h"

#include <memory>

#include "state/shared_records.h"

namespace jd {

ChartCalculators& chartObjects() {
    auto& slot = state().gChartObjects;
    if (!slot) slot = std::make_shared<ChartCalculators>();
    return *slot;
}

}  // namespace jd
