#include "ui/places/place_masters.h"

#include "platform/window.h"
#include "ui/places/frm_add_country.h"
#include "ui/places/frm_add_time_zone.h"
#include "ui/places/frm_new_lat_lon.h"

namespace jd {

void definePlaceMasters(WindowRegistry& windows) {
    windows.define<frm_Add_Country>();
    windows.define<frm_AddTimeZone>();
    windows.define<frm_New_LatLon>();
}

}  // namespace jd
