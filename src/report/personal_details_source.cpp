#include "report/personal_details_source.h"

#include "platform/database.h"
#include "platform/run_time_error.h"
#include "state/shared_records.h"

namespace jd {

std::optional<PersonalDetailsRow> FnReadPersonalDetails(Database& db) {
    Statement st = db.prepare("SELECT * FROM PersonalDetails ORDER BY rowid LIMIT 1");
    if (!st.step()) return std::nullopt;
    return PersonalDetailsRow{st.asText("Name"),    st.asText("Address"), st.asText("Address2"),
                              st.asText("City"),    st.asText("Country"), st.asText("Zipcode"),
                              st.asText("Phone"),   st.asText("EMail")};
}

std::optional<PersonalDetailsRow> FnReadPersonalDetails() {
    const auto& db = state().gDbConnection;
    if (!db) throw RunTimeError(91, "Object variable or With block variable not set");
    return FnReadPersonalDetails(*db);
}

}  // namespace jd
