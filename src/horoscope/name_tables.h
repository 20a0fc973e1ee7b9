#pragma once
// The names that the charts and tables show, in the language of the
// preferences: short chart names and display names of the bodies, and the
// names and short names of the twelve signs.
#include <string>

namespace jd {

// Fills NameTables for the language gLanguage: exactly "English" or exactly
// "Sanskrit" (case counts). Any other text leaves the tables as they are.
void FnLoadNameTables();

// Entry k (1..12) of gSignName, so the name follows the language loaded;
// "" for any other k.
std::string FnSignName(int k);

// gSignAbbr of the first sign whose gSignName equals the name exactly;
// "" when none does (a name of the other language included).
std::string FnShortSignName(const std::string& signName);

}  // namespace jd
