#pragma once
// The preferences as the main window reads them at start-up: the one row of
// table Preference.
#include <string>

namespace jd {

class Database;

class OnLoadClass {
public:
    double clsDays_in_a_Year = 0;
    std::string clsChart_Type;
    std::string clsLanguage;
    double clsYear = 0;
    double clsProgress = 0;
    std::string clsAyanamsa;
    std::string clsBhava;

    // Fills the fields from the first row of table Preference. Traps
    // nothing: a missing table, row or column raises RunTimeError.
    void FnPreferences(Database& db);
};

}  // namespace jd
