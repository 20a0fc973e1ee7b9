#include "engine/cls_yoga.h"

#include <array>

namespace jd {
namespace {

struct YogaBand {
    double upper;  // inclusive
    const char* name;
};

// The bounds are 13.333 times the yoga's number, kept to three decimals as the
// almanac gives them (so the 26th ends at 346.658, not at 26 x 40/3).
const std::array<YogaBand, 27> kYogas = {{
    {13.333, "Vishkumbha"}, {26.666, "Preeti"},     {39.999, "Ayushmaana"}, {53.332, "Saubhagya"},
    {66.665, "Shobhana"},   {79.998, "Atiganda"},   {93.331, "Sukarma"},    {106.664, "Dhriti"},
    {119.997, "Shoola"},    {133.33, "Ganda"},      {146.663, "Vriddhi"},   {159.996, "Dhruva"},
    {173.329, "Vyaghata"},  {186.662, "Harshana"},  {199.995, "Vajra"},     {213.328, "Siddhi"},
    {226.661, "Vyatipaata"}, {239.994, "Variyana"}, {253.327, "Parigha"},   {266.66, "Shiva"},
    {279.993, "Siddha"},    {293.326, "Sadhya"},    {306.659, "Shubha"},    {319.992, "Shukla"},
    {333.325, "Brahma"},    {346.658, "Indra"},     {360, "Vaidhriti"},
}};

}  // namespace

void clsYoga::findyoga() {
    double s = moon_position + sun_position;
    if (s > 360) s -= 360;

    double lower = 0;
    for (std::size_t k = 0; k < kYogas.size(); ++k) {
        const bool inBand = k == 0 ? (s >= 0 && s <= kYogas[k].upper) : (s > lower && s <= kYogas[k].upper);
        if (inBand) {
            YogaName = kYogas[k].name;
            YogaNo = static_cast<int>(k) + 1;
            return;
        }
        lower = kYogas[k].upper;
    }
}

}  // namespace jd
