#pragma once
// The views of the three place masters (country, time zone, city): a tab
// strip over panels that lie at one place, one shown at a time, each control
// where its window's model puts it.
#include "qt/view_factory.h"

namespace jd::qt {

// Makes the frame show frm_Add_Country, frm_AddTimeZone and frm_New_LatLon
// as titled child windows.
void addPlaceMasterViews(ViewFactory& views);

}  // namespace jd::qt
