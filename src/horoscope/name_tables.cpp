#include "horoscope/name_tables.h"

#include <array>

#include "state/shared_records.h"

namespace jd {

namespace {

struct Language {
    std::array<const char*, 14> chartAbbr;
    std::array<const char*, 10> bodyName;
    std::array<const char*, 12> signName;
    std::array<const char*, 12> signAbbr;
};

// Chart abbreviations: 0 Lagna, 1 Sun, 2 Moon, 3 Mars, 4 Mercury, 5 Jupiter,
// 6 Venus, 7 Saturn, 8 Rahu, 9 Kethu, 10 Gulika (short), 11 Gulika (long),
// 12 Maandi (long), 13 Maandi (short).
// Display names: 0 Lagna, 1 Sun, 2 Moon, 3 Mars, 4 Mercury, 5 Venus,
// 6 Jupiter, 7 Saturn, 8 Rahu, 9 Kethu (Venus before Jupiter here).
const Language kEnglish{
    {"Asc", "Sun", "Moo", "Mar", "Mer", "Jup", "Ven", "Sat", "Rah", "Ket", "Gul", "Gulika", "Maandi", "Maa"},
    {"Asc", "Sun", "Moon", "Mars", "Mercury", "Venus", "Jupiter", "Saturn", "Rahu", "Ketu"},
    {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagitarius", "Capricon",
     "Aquarius", "Pisces"},
    {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"},
};

const Language kSanskrit{
    {"Lag", "Rav", "Cha", "Kuj", "Bud", "Gur", "Suk", "San", "Rah", "Ket", "Gul", "Gulika", "Maandi", "Maa"},
    {"Lagna", "Surya", "Chandra", "Kuja", "Budha", "Sukra", "Guru", "Sani", "Rahu", "Ketu"},
    {"Mesha", "Rishaba", "Mithuna", "Kataka", "Simha", "Kanya", "Tula", "Vrischika", "Dhanus", "Makara",
     "Kumbha", "Meena"},
    {"Mes", "Ris", "Mit", "Kat", "Sim", "Kan", "Tul", "Vri", "Dha", "Mak", "Kum", "Mee"},
};

}  // namespace

void FnLoadNameTables() {
    const std::string& language = state().prefs.gLanguage;
    const Language* table = language == "English" ? &kEnglish : language == "Sanskrit" ? &kSanskrit : nullptr;
    if (!table) return;
    NameTables& names = state().names;
    for (size_t i = 0; i < table->chartAbbr.size(); ++i) names.gChartAbbr[i] = table->chartAbbr[i];
    // gBodyName has room for 14 entries; the program uses 0..9.
    for (size_t i = 0; i < table->bodyName.size(); ++i) names.gBodyName[i] = table->bodyName[i];
    for (size_t i = 0; i < 12; ++i) {
        names.gSignName[i + 1] = table->signName[i];
        names.gSignAbbr[i + 1] = table->signAbbr[i];
    }
}

std::string FnSignName(int k) {
    if (k < 1 || k > 12) return {};
    return state().names.gSignName[static_cast<size_t>(k)];
}

std::string FnShortSignName(const std::string& signName) {
    const NameTables& names = state().names;
    for (size_t k = 1; k <= 12; ++k)
        if (names.gSignName[k] == signName) return names.gSignAbbr[k];
    return {};
}

}  // namespace jd
