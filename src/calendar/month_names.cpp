#include "calendar/month_names.h"

#include <array>

#include "calendar/calendar_errors.h"
#include "calendar/samvatsara.h"
#include "platform/text.h"

namespace jd {
namespace {

const std::array<const char*, 12> kSignsUpper = {"ARIES", "TAURUS",     "GEMINI",   "CANCER",
                                                 "LEO",   "VIRGO",      "LIBRA",    "SCORPIO",
                                                 "SAGITARIUS", "CAPRICON", "AQUARIUS", "PISCES"};

// The sign 1..12 holding a longitude, the upper bound of each inclusive; 0
// outside 0..360.
int signIndex(double longitude) {
    for (int k = 1; k <= 12; ++k) {
        if (longitude >= 30.0 * (k - 1) && longitude <= 30.0 * k) return k;
    }
    return 0;
}

// Month names by the sign of the Sun, Pisces first.
const std::array<const char*, 12> kMonthBySign = {"Chaitra",    "Vaisakha", "Jyeshtha",  "Ashadha",
                                                  "Sravana",    "Bhadrapada", "Asvina",  "Karttika",
                                                  "Margasira",  "Pausha",   "Magha",     "Phalguna"};
const std::array<const char*, 12> kSignsLowerFromPisces = {"pisces", "aries",   "taurus",     "gemini",
                                                           "cancer", "leo",     "virgo",      "libra",
                                                           "scorpio", "sagitarius", "capricon", "aquarius"};

}  // namespace

std::string FnSignNameUpper(double longitude) {
    const int k = signIndex(longitude);
    return k == 0 ? std::string() : kSignsUpper[static_cast<std::size_t>(k - 1)];
}

std::string FnPrevSignNameUpper(double longitude) {
    const int k = signIndex(longitude);
    if (k == 0) return {};
    return kSignsUpper[static_cast<std::size_t>((k + 10) % 12)];
}

std::string FnLunarMonthFromSunSign(const std::string& kind, const std::string& sign) {
    const std::string k = lowerAscii(kind);
    if (k != "purnima" && k != "amavasya") return {};
    const std::string s = lowerAscii(sign);
    for (std::size_t i = 0; i < kSignsLowerFromPisces.size(); ++i) {
        if (s == kSignsLowerFromPisces[i]) {
            if (k == "amavasya" && s == "libra") return "Kartikka";
            return kMonthBySign[i];
        }
    }
    return {};
}

namespace calendar_detail {

std::string lunarYearName(const DateTime& date, const std::string& month) {
    static const char* const kSpringToRains[] = {"chaitra", "vaisakha", "jyeshtha", "ashadha", "sravana",
                                                 "bhadrapada"};
    static const char* const kAutumnToWinter[] = {"asvina",  "karttika", "kartikka", "karttikka", "kartika",
                                                  "margasira", "pausha", "magha",    "phalguna"};
    const std::string m = lowerAscii(month);
    for (const char* name : kSpringToRains) {
        if (m == name) return samvatsaraDetails(date.year());
    }
    for (const char* name : kAutumnToWinter) {
        // These months run over the turn of the year: in its first four
        // months a date still lies in the lunar year that began the spring
        // before.
        if (m == name) return samvatsaraDetails(date.month() <= 4 ? date.year() - 1 : date.year());
    }
    return {};
}

}  // namespace calendar_detail

std::string FnLunarYearName(const DateTime& date, const std::string& month) {
    try {
        return calendar_detail::lunarYearName(date, month);
    } catch (const RunTimeError& e) {
        FnShowCalendarError(e);
        return {};
    }
}

}  // namespace jd
