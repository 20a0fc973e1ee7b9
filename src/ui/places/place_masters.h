#pragma once
// The three place masters, made known to a window registry: the country
// master frm_Add_Country, the time-zone master frm_AddTimeZone and the city
// master frm_New_LatLon. The main window's Tools menu opens them once the
// registry knows them; the birth-details window opens the city and time-zone
// masters by name.
namespace jd {

class WindowRegistry;

void definePlaceMasters(WindowRegistry& windows);

}  // namespace jd
