#pragma once
// The samvatsara row of a Gregorian year: its place in the 60-year cycle and
// the row of table KaliyugaYearDetails that belongs to it (the year's name,
// its value, and the weekday offset and day fraction of its solar new year).
//
// Set EnglishYear, call FindSolarYear, read the result or the outputs. The
// database connection comes from the caller. Nothing is trapped: a missing
// connection or table and a row whose fields cannot be read raise
// RunTimeError. A year whose row is missing leaves every output as it was.
#include <memory>
#include <optional>
#include <string>

namespace jd {

class Database;

// The place 1..60 of a year in the cycle: 1 is 1987 + 60n, 60 is 1986 + 60n.
int FnSamvatsaraYearno(int year);

// One row of KaliyugaYearDetails.
struct KaliyugaRow {
    std::string yearname;
    double YearVal = 0;
    int DayVal = 0;  // read as a 16-bit integer (Overflow beyond)
    double YearRemain = 0;
};

// The row whose Yearno is given, or nothing when the table has none.
// Raises RunTimeError on a database fault or an empty number field.
std::optional<KaliyugaRow> FnReadKaliyugaRow(Database& db, int yearno);

class ClsSolarYear {
public:
    explicit ClsSolarYear(std::shared_ptr<Database> connection = nullptr) : Connection(std::move(connection)) {}

    std::shared_ptr<Database> Connection;

    int EnglishYear = 0;    // input: the Gregorian year (16-bit)
    std::string yearname;   // outputs from the year's row
    double YearVal = 0;
    double YearRemain = 0;
    int YearDay = 0;        // the row's DayVal

    // Looks the year up and returns yearname (the previous one when the
    // table holds no row for the year).
    std::string FindSolarYear();
};

}  // namespace jd
