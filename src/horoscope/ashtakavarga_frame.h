#pragma once
// The frame of the ashtakavarga grid mshAshtaVarga of Frm_AVargas: column
// headings and sign names in the chosen language, then the bindus of the
// chart's rasi signs.

namespace jd {

// Headings as the grid shows them, Sanskrit and any other language.
inline constexpr const char* kAshtakavargaHeaderSanskrit =
    "Rasi         | Surya  |Chandra|Kuja |Budha  |Guru   |Sukra|Sani  |Lagna *|Rahu *|Total |Total With *";
inline constexpr const char* kAshtakavargaHeaderEnglish =
    "Zodiac       | Sun    |Moon   |Mars |Mercury|Jupiter|Venus|Saturn|Asc   *|Rahu *|Total |Total With * ";

// The ashtakavarga step of the chart run, while BodySigns hold the rasi
// signs: sets the headings (Sanskrit when gLanguage is exactly "Sanskrit"),
// writes gSignName(1..12) of the name tables into column 0 of rows 1..12 and
// hands the signs of Sun, Moon, Mars, Mercury, Venus, Jupiter, Saturn and
// Lagna to FnComputeAshtakavarga. A run-time error is shown as its
// description in a critical box; what was written stays.
void FnFillAshtakavargaGrid();

}  // namespace jd
