// Writes the place atlas of the database (data/places.sql) to standard output
// from the GeoNames cities of 15,000 people or more (through libgeonames) and
// the standard offsets of the system's time-zone database.
//
//   generate_places [zoneinfo folder] > data/places.sql
//
// The rows:
// - Country_Master: one row per country, keys in name order.
// - TimeZone: one row per distinct standard offset (never summer time) among
//   a country's cities, as decimal hours to two places with "E"/"W". A zone
//   is named after its country when the country has one offset, else after
//   the country and the offset's most populous city. The country's
//   TimeZoneID lists its zones, the one with the most cities first.
// - City_Master: whole degrees, hemisphere letter from the sign of the
//   coordinate, whole minutes rounded to the nearest minute. Where a country
//   has two cities of one name, each takes its state in brackets, and where
//   that is not enough either, its coordinates as well, so every name in a
//   country's list is distinct.
//
// Keys are given in the order above and written into the file. They are what
// saved charts refer to: output made from other GeoNames data renumbers the
// rows, so a new data release must keep the keys already shipped.
#include <geonames.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kMaxCountryName = 25;  // the country window's limit
constexpr std::size_t kMaxZonePlace = 50;    // the time-zone window's limit
constexpr int kRowsPerInsert = 500;
constexpr long kFirstUserKey = 1000000;      // user rows are numbered above this

// GeoNames names longer than the country window takes, in their short form.
const std::map<std::string, std::string> kShortCountryNames = {
    {"JO", "Jordan"},
    {"TF", "French Southern Lands"},
};

struct City {
    std::string name, state, countryCode, countryName, zone;
    double latitude = 0, longitude = 0;
    unsigned population = 0;
    int offsetMinutes = 0;    // standard offset east of Greenwich
    std::string listName;     // the name as the country's list shows it
};

struct Zone {
    int offsetMinutes = 0;
    int cities = 0;
    std::string mainCity;
    unsigned mainPopulation = 0;
    long key = 0;
};

struct Country {
    std::string code, name;
    std::vector<City*> cities;
    std::vector<Zone> zones;
    long key = 0;
};

[[noreturn]] void fail(const std::string& message) { throw std::runtime_error(message); }

// Names compared as the database's NOCASE collation compares them.
std::string foldCase(std::string s) {
    for (char& c : s) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return s;
}

std::size_t characterCount(const std::string& s) {
    return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string firstCharacters(const std::string& s, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80 && count++ == n) return s.substr(0, i);
    }
    return s;
}

std::string sqlText(const std::string& s) {
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') out += '\'';
        out += c;
    }
    return out + "'";
}

// ------------------------------------------------------------ time zones

std::uint32_t bigEndian32(const std::string& data, std::size_t at) {
    if (at + 4 > data.size()) fail("short time-zone file");
    return (std::uint32_t(std::uint8_t(data[at])) << 24) | (std::uint32_t(std::uint8_t(data[at + 1])) << 16) |
           (std::uint32_t(std::uint8_t(data[at + 2])) << 8) | std::uint32_t(std::uint8_t(data[at + 3]));
}

// The rule string at the end of a version 2+ zone file ("IST-5:30",
// "EST5EDT,M3.2.0,M11.1.0"), which states the zone's present offsets.
std::string zoneRule(const std::string& zoneinfo, const std::string& zone) {
    std::ifstream in(zoneinfo + "/" + zone, std::ios::binary);
    if (!in) fail("no time-zone file for " + zone);
    const std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (data.compare(0, 4, "TZif") != 0 || data.size() < 44 || data[4] < '2') fail("not a version 2 zone file: " + zone);
    // Skip the 32-bit block, then the 64-bit block, to reach the rule.
    auto blockSize = [&](std::size_t at, std::size_t timeSize) {
        const std::size_t isut = bigEndian32(data, at + 20), isstd = bigEndian32(data, at + 24),
                          leap = bigEndian32(data, at + 28), times = bigEndian32(data, at + 32),
                          types = bigEndian32(data, at + 36), chars = bigEndian32(data, at + 40);
        return 44 + times * timeSize + times + types * 6 + chars + leap * (timeSize + 4) + isstd + isut;
    };
    const std::size_t second = blockSize(0, 4);
    const std::size_t footer = second + blockSize(second, 8);
    if (footer >= data.size() || data[footer] != '\n') fail("no rule in zone file: " + zone);
    const std::size_t end = data.find('\n', footer + 1);
    if (end == std::string::npos) fail("unterminated rule in zone file: " + zone);
    return data.substr(footer + 1, end - footer - 1);
}

// Reads a zone abbreviation ("IST" or "<+0545>") at pos.
bool skipAbbreviation(const std::string& rule, std::size_t& pos) {
    const std::size_t start = pos;
    if (pos < rule.size() && rule[pos] == '<') {
        pos = rule.find('>', pos);
        if (pos == std::string::npos) return false;
        ++pos;
        return true;
    }
    while (pos < rule.size() && std::isalpha(static_cast<unsigned char>(rule[pos]))) ++pos;
    return pos > start;
}

// Reads a rule offset ("-5:30", "5", "+3") at pos as minutes west of
// Greenwich (the rule's own sign convention); seconds are dropped.
std::optional<int> readOffset(const std::string& rule, std::size_t& pos) {
    int sign = 1;
    if (pos < rule.size() && (rule[pos] == '+' || rule[pos] == '-')) sign = rule[pos++] == '-' ? -1 : 1;
    auto number = [&]() -> std::optional<int> {
        const std::size_t start = pos;
        int value = 0;
        while (pos < rule.size() && std::isdigit(static_cast<unsigned char>(rule[pos]))) value = value * 10 + (rule[pos++] - '0');
        if (pos == start) return std::nullopt;
        return value;
    };
    const auto hours = number();
    if (!hours) return std::nullopt;
    int minutes = 0;
    if (pos < rule.size() && rule[pos] == ':') {
        ++pos;
        const auto m = number();
        if (!m) return std::nullopt;
        minutes = *m;
        if (pos < rule.size() && rule[pos] == ':') {
            ++pos;
            if (!number()) return std::nullopt;
        }
    }
    return sign * (*hours * 60 + minutes);
}

// The standard offset of a zone in minutes east of Greenwich. Where the rule
// has summer time, the lower of its two offsets is the standard one (this also
// reads Ireland's rule, whose winter time is written as the "summer" part).
int standardOffsetMinutes(const std::string& zoneinfo, const std::string& zone) {
    const std::string rule = zoneRule(zoneinfo, zone);
    std::size_t pos = 0;
    if (!skipAbbreviation(rule, pos)) fail("unreadable rule " + rule + " of " + zone);
    const auto stdWest = readOffset(rule, pos);
    if (!stdWest) fail("unreadable rule " + rule + " of " + zone);
    int east = -*stdWest;
    if (pos < rule.size() && rule[pos] != ',') {
        if (!skipAbbreviation(rule, pos)) fail("unreadable rule " + rule + " of " + zone);
        const auto dstWest = readOffset(rule, pos);
        const int dstEast = dstWest ? -*dstWest : east + 60;
        east = std::min(east, dstEast);
    }
    return east;
}

// -------------------------------------------------------------- the atlas

struct Angle {
    int degrees, minutes;
    char hemisphere;
};

// Whole degrees and minutes, the minutes rounded to the nearest and carried
// into the degrees; the letter by the sign of the coordinate.
Angle toAngle(double value, char positive, char negative) {
    const long total = std::lround(std::fabs(value) * 60.0);
    return {static_cast<int>(total / 60), static_cast<int>(total % 60), value < 0 ? negative : positive};
}

std::string angleText(const Angle& a) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d\xC2\xB0%02d'%c", a.degrees, a.minutes, a.hemisphere);
    return buf;
}

std::string hoursText(int minutes) {
    // Decimal hours to two places in their shortest form: 5.5, 5.75, 10, 0.
    const double hours = std::round(std::abs(minutes) / 60.0 * 100.0) / 100.0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2f", hours);
    std::string s = buf;
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s;
}

// Gives every city of the country a name that no other city of it shares.
void nameCities(Country& country) {
    std::map<std::string, std::vector<City*>> byName;
    for (City* c : country.cities) {
        c->listName = c->name;
        byName[foldCase(c->name)].push_back(c);
    }
    for (auto& [folded, group] : byName) {
        if (group.size() < 2) continue;
        std::map<std::string, int> stateCount;
        for (City* c : group) ++stateCount[foldCase(c->state)];
        for (City* c : group) {
            std::string within = c->state;
            if (c->state.empty() || stateCount[foldCase(c->state)] > 1) {
                const std::string where = angleText(toAngle(c->latitude, 'N', 'S')) + " " +
                                          angleText(toAngle(c->longitude, 'E', 'W'));
                within = c->state.empty() ? where : c->state + ", " + where;
            }
            c->listName = c->name + " (" + within + ")";
        }
    }
    std::set<std::string> seen;
    for (const City* c : country.cities) {
        if (!seen.insert(foldCase(c->listName)).second) {
            fail("two cities named " + c->listName + " in " + country.name);
        }
    }
}

void makeZones(Country& country) {
    std::map<int, Zone> byOffset;
    for (const City* c : country.cities) {
        Zone& z = byOffset[c->offsetMinutes];
        z.offsetMinutes = c->offsetMinutes;
        ++z.cities;
        if (z.mainCity.empty() || c->population > z.mainPopulation) {
            z.mainCity = c->name;
            z.mainPopulation = c->population;
        }
    }
    for (auto& [offset, zone] : byOffset) country.zones.push_back(zone);
    std::stable_sort(country.zones.begin(), country.zones.end(),
                     [](const Zone& a, const Zone& b) { return a.cities > b.cities; });
}

std::string zonePlace(const Country& country, const Zone& zone) {
    std::string place = country.zones.size() == 1 ? country.name : country.name + " (" + zone.mainCity + ")";
    if (characterCount(place) > kMaxZonePlace) place = firstCharacters(place, kMaxZonePlace);
    return place;
}

void writeAtlas(std::vector<Country>& countries, std::FILE* out) {
    std::fprintf(out,
                 "-- The place atlas: countries, their standard time zones and their cities.\n"
                 "-- Generated by tools/atlas from the GeoNames cities of 15,000 people or more\n"
                 "-- (geonames.org, licence CC BY 4.0) and the time-zone database's standard\n"
                 "-- offsets. Do not edit by hand; run tools/atlas/regenerate.sh.\n"
                 "--\n"
                 "-- Shipped rows carry fixed keys: INSERT OR IGNORE adds a row that is missing\n"
                 "-- and never rewrites one the user may have changed. Rows the user adds take\n"
                 "-- keys above %ld.\n",
                 kFirstUserKey);

    auto block = [out](const char* head, std::size_t count, auto&& row) {
        for (std::size_t i = 0; i < count; ++i) {
            if (i % kRowsPerInsert == 0) std::fprintf(out, "%sINSERT OR IGNORE INTO %s VALUES\n", i ? ";\n" : "\n", head);
            else std::fprintf(out, ",\n");
            std::fprintf(out, "(%s)", row(i).c_str());
        }
        if (count) std::fprintf(out, ";\n");
    };

    block("Country_Master (CountryID, CountryName, TimeZoneID)", countries.size(), [&](std::size_t i) {
        const Country& c = countries[i];
        std::string ids;
        for (const Zone& z : c.zones) ids += (ids.empty() ? "" : ",") + std::to_string(z.key);
        return std::to_string(c.key) + ", " + sqlText(c.name) + ", " + sqlText(ids);
    });

    std::vector<std::pair<const Country*, const Zone*>> zones;
    for (const Country& c : countries) {
        for (const Zone& z : c.zones) zones.emplace_back(&c, &z);
    }
    block("TimeZone (SNo, Place, TimeDifference, TimeZone)", zones.size(), [&](std::size_t i) {
        const auto& [c, z] = zones[i];
        return std::to_string(z->key) + ", " + sqlText(zonePlace(*c, *z)) + ", " + hoursText(z->offsetMinutes) +
               ", " + sqlText(z->offsetMinutes < 0 ? "W" : "E");
    });

    std::vector<std::pair<const Country*, const City*>> cities;
    for (const Country& c : countries) {
        for (const City* city : c.cities) cities.emplace_back(&c, city);
    }
    block("City_Master (CityID, CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute, "
          "LongitudeDegree, Longitude_EW, LongitudeMinute)",
          cities.size(), [&](std::size_t i) {
              const auto& [c, city] = cities[i];
              const Angle lat = toAngle(city->latitude, 'N', 'S');
              const Angle lon = toAngle(city->longitude, 'E', 'W');
              return std::to_string(i + 1) + ", " + sqlText(city->listName) + ", " + std::to_string(c->key) + ", " +
                     std::to_string(lat.degrees) + ", '" + lat.hemisphere + "', " + std::to_string(lat.minutes) +
                     ", " + std::to_string(lon.degrees) + ", '" + lon.hemisphere + "', " +
                     std::to_string(lon.minutes);
          });

    std::fprintf(out,
                 "\n-- Rows the user adds are numbered above the shipped range.\n"
                 "UPDATE sqlite_sequence SET seq = %ld\n"
                 "  WHERE name IN ('Country_Master', 'TimeZone', 'City_Master') AND seq < %ld;\n",
                 kFirstUserKey, kFirstUserKey);
    for (const char* table : {"Country_Master", "TimeZone", "City_Master"}) {
        std::fprintf(out,
                     "INSERT INTO sqlite_sequence (name, seq) SELECT '%s', %ld\n"
                     "  WHERE NOT EXISTS (SELECT 1 FROM sqlite_sequence WHERE name = '%s');\n",
                     table, kFirstUserKey, table);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::string zoneinfo = argc > 1 ? argv[1] : "/usr/share/zoneinfo";
    try {
        std::vector<City> all;
        const int n = geonames_get_n_cities();
        all.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            GeonamesCity* g = geonames_get_city(i);
            if (!g) fail("no city " + std::to_string(i));
            City c;
            c.name = geonames_city_get_name(g);
            c.state = geonames_city_get_state(g);
            c.countryCode = geonames_city_get_country_code(g);
            c.countryName = geonames_city_get_country(g);
            c.zone = geonames_city_get_timezone(g);
            c.latitude = geonames_city_get_latitude(g);
            c.longitude = geonames_city_get_longitude(g);
            c.population = geonames_city_get_population(g);
            geonames_city_free(g);
            all.push_back(std::move(c));
        }

        std::map<std::string, int> offsets;
        std::map<std::string, Country> byCode;
        for (City& c : all) {
            if (c.name.empty() || c.zone.empty() || c.countryCode.empty()) fail("incomplete city record " + c.name);
            auto [it, added] = offsets.try_emplace(c.zone, 0);
            if (added) it->second = standardOffsetMinutes(zoneinfo, c.zone);
            c.offsetMinutes = it->second;
            Country& country = byCode[c.countryCode];
            if (country.code.empty()) {
                country.code = c.countryCode;
                const auto shortName = kShortCountryNames.find(c.countryCode);
                country.name = shortName != kShortCountryNames.end() ? shortName->second : c.countryName;
                if (characterCount(country.name) > kMaxCountryName) fail("country name too long: " + country.name);
            }
            country.cities.push_back(&c);
        }

        std::vector<Country> countries;
        for (auto& [code, country] : byCode) countries.push_back(std::move(country));
        std::sort(countries.begin(), countries.end(), [](const Country& a, const Country& b) {
            const std::string fa = foldCase(a.name), fb = foldCase(b.name);
            return fa != fb ? fa < fb : a.name < b.name;
        });

        long countryKey = 0, zoneKey = 0;
        std::set<std::string> countryNames;
        for (Country& country : countries) {
            if (!countryNames.insert(foldCase(country.name)).second) fail("two countries named " + country.name);
            country.key = ++countryKey;
            nameCities(country);
            std::sort(country.cities.begin(), country.cities.end(), [](const City* a, const City* b) {
                return foldCase(a->listName) < foldCase(b->listName);
            });
            makeZones(country);
            for (Zone& z : country.zones) z.key = ++zoneKey;
        }
        writeAtlas(countries, stdout);
        std::fprintf(stderr, "%zu countries, %ld zones, %zu cities\n", countries.size(), zoneKey, all.size());
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "generate_places: %s\n", e.what());
        return 1;
    }
}
