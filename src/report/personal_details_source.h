#pragma once
// Reading the user's own details for page 1 of the report from table
// PersonalDetails.
#include <optional>

#include "report/report_pages.h"

namespace jd {

class Database;

// The first row of PersonalDetails, its columns taken by name; an empty
// (null) value reads as empty text. None when the table has no row. A
// database failure raises its RunTimeError.
std::optional<PersonalDetailsRow> FnReadPersonalDetails(Database& db);

// The same on the shared connection gDbConnection; raises "Object variable or
// With block variable not set" (91) when the connection was never opened.
std::optional<PersonalDetailsRow> FnReadPersonalDetails();

}  // namespace jd
