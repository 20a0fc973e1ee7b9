#pragma once
// The calculator instances of the chart computation: one of each engine class
// it uses, shared by its steps. The body positions, the planet table, the
// ishta ghatika and the dasa share the planet-position service (each calls
// FindFixValues itself before reading); the planet table, the avasthas, the
// almanac text, the bhava table and the dasa share the star calculator (each
// sets PlanetPosition and calls findstar before reading).
//
// The instances are created on first use and kept with the process's shared
// records (state().gChartObjects), so resetState() starts them afresh.
#include "engine/cls_find_planet_position.h"
#include "engine/cls_rasi.h"
#include "engine/cls_star.h"
#include "engine/cls_sunrise.h"
#include "engine/cls_times.h"
#include "engine/cls_tithi.h"
#include "engine/cls_yoga.h"

namespace jd {

struct ChartCalculators {
    ClsFindPlanetPosition gObjPlanetPos;
    clsFindSunrise gObjSunrise;
    clsFindSunSet gObjSunset;
    clsTimes gObjTimes;
    clsStar gObjStar;
    clsTithi gObjTithi;
    clsRasi gObjRasi;
    clsYoga gObjYoga;

    // Shorter names for the two most shared instances.
    ClsFindPlanetPosition& planetPos() { return gObjPlanetPos; }
    clsStar& star() { return gObjStar; }
};

// The chart computation's calculators, created on first use.
ChartCalculators& chartObjects();

}  // namespace jd
