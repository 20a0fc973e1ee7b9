#pragma once
// The nakshatra (star) and pada (quarter of a star) that hold a sidereal
// longitude. Stars are numbered 1..28: the 27 stars of 13 degrees 20 minutes
// with "Uttarashada - Abijit" as star 22 for the last quarter of Uttarashada,
// so that Shravana .. Revati are 23 .. 28.
#include <string>

namespace jd {

class clsStar {
public:
    double PlanetPosition = 0;  // degrees 0..360
    std::string StarName;
    int StarQuarter = 0;  // pada 1..4
    std::string House;    // spare: not written by findstar
    int HouseNo = 0;      // the pada's place 1..12 in the cycle of twelve padas from 0 degrees
    int StarNo = 0;       // 1..28
    double StarPadaDistance = 0;  // degrees from the longitude to the end of its pada

    // A band includes its upper bound and excludes its lower one (the first
    // star also holds 0). A longitude outside 0..360 leaves every output as
    // the previous call left it.
    void findstar();

private:
    std::string starName_;  // the name as last found
};

}  // namespace jd
