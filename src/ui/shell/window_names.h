#pragma once
// The names of the windows the main window and the navigator open. Windows of
// other parts of the program are reached through the window registry by
// these names; a name the registry does not know is a window the program
// does not have yet.
#include <array>

namespace jd::windows {

inline constexpr const char* kMainHoroscope = "frm_MainHoroscope";
inline constexpr const char* kAboutUs = "frm_AboutUs";
inline constexpr const char* kOpenChart = "frm_OpenChart";
inline constexpr const char* kAddCountry = "frm_Add_Country";
inline constexpr const char* kNewLatLon = "frm_New_LatLon";
inline constexpr const char* kAddTimeZone = "frm_AddTimeZone";
inline constexpr const char* kDetails = "frm_Details";
inline constexpr const char* kPreferences = "frm_Preferences";
inline constexpr const char* kBirthTimeToIshtaGhatika = "frm_BirthTimetoIshtaGhatika";
inline constexpr const char* kIshtaghatikaToBirthTime = "frm_IshtaghatikaToBirthTime";
inline constexpr const char* kRetriveBirthData = "Frm_RetriveBirthData";

inline constexpr const char* kUserDetails = "frm_UserDetails";
inline constexpr const char* kRasi = "frm_rasi";
inline constexpr const char* kNavamsa = "frm_Navamsa";
inline constexpr const char* kBhavaChart = "frm_BhavaChart";
inline constexpr const char* kCBhava = "frm_CBhava";
inline constexpr const char* kPP = "Frm_PP";
inline constexpr const char* kVargas = "Frm_Vargas";
inline constexpr const char* kAVargas = "Frm_AVargas";
inline constexpr const char* kDasa = "Frm_Dasa";
inline constexpr const char* kPrint = "Frm_Print";

// What Exit unloads, in this order, before the main window itself.
inline constexpr std::array<const char*, 18> kExitOrder{
    kUserDetails, kRasi,         kBhavaChart, kNavamsa,  kCBhava,
    kPP,          kVargas,       kAVargas,    kDasa,     kPrint,
    kAddCountry,  kNewLatLon,    kAddTimeZone, kDetails, kIshtaghatikaToBirthTime,
    kMainHoroscope, kPreferences, kRetriveBirthData,
};

}  // namespace jd::windows
