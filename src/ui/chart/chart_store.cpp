#include "ui/chart/chart_store.h"

#include <exception>
#include <optional>

#include "platform/database.h"
#include "platform/run_time_error.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"
#include "ui/chart/frm_open_chart.h"
#include "ui/chart/frm_save_chart.h"

namespace jd {

// ------------------------------------------------------------------ the table

Database& sharedConnection() { return sharedDatabase(closedConnection); }

void showSavedChartError(Window& w, const std::exception& e) {
    const auto* rte = dynamic_cast<const RunTimeError*>(&e);
    if (MessageBox* box = w.services().messageBox)
        box->show(rte ? rte->description() : std::string(e.what()), MsgIcon::Critical);
}

std::string chartNamePart(std::string_view chartName) {
    return std::string(chartName.substr(0, chartName.find('~')));
}

bool chartNameUsed(Database& db, std::string_view name) {
    Statement rows = db.query("SELECT ChartName FROM ChartSave");
    while (rows.step())
        if (chartNamePart(rows.asText(0)) == name) return true;
    return false;
}

namespace {

// The values of a row after its key, in the order of the table's fields.
void bindFields(Statement& st, const SavedChart& c) {
    st.bindAll(c.ChartName, c.Gender, c.Country, c.City, c.ChartDay, c.ChartMonth, c.ChartYear, c.ChartHour,
               c.ChartMinute, c.ChartSecond, c.LatitudeDegree, c.Latitude_NS, c.LatitudeMinute, c.LongitudeDegree,
               c.Longitude_EW, c.LongitudeMinute, c.TimeDifference);
}

}  // namespace

std::int32_t insertChart(Database& db, const SavedChart& chart) {
    Statement st = db.prepare(
        "INSERT INTO ChartSave (ChartName, Gender, Country, City, ChartDay, ChartMonth, ChartYear, ChartHour, "
        "ChartMinute, ChartSecond, LatitudeDegree, Latitude_NS, LatitudeMinute, LongitudeDegree, Longitude_EW, "
        "LongitudeMinute, TimeDifference) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    bindFields(st, chart);
    st.execute();
    return db.lastInsertKey();
}

bool updateChart(Database& db, const SavedChart& chart) {
    Statement st = db.prepare(
        "UPDATE ChartSave SET ChartName = ?, Gender = ?, Country = ?, City = ?, ChartDay = ?, ChartMonth = ?, "
        "ChartYear = ?, ChartHour = ?, ChartMinute = ?, ChartSecond = ?, LatitudeDegree = ?, Latitude_NS = ?, "
        "LatitudeMinute = ?, LongitudeDegree = ?, Longitude_EW = ?, LongitudeMinute = ?, TimeDifference = ? "
        "WHERE Sno = ?");
    bindFields(st, chart);
    st.bind(18, chart.Sno);
    return st.execute() > 0;
}

bool deleteChart(Database& db, std::int32_t sno) {
    return db.execute("DELETE FROM ChartSave WHERE Sno = ?", sno) > 0;
}

std::optional<SavedChart> readChart(Database& db, std::int32_t sno) {
    Statement row = db.query("SELECT * FROM ChartSave WHERE Sno = ?", sno);
    if (!row.step()) return std::nullopt;
    SavedChart c;
    c.Sno = static_cast<std::int32_t>(row.asInt64("Sno"));
    c.ChartName = row.asText("ChartName");
    c.Gender = row.asText("Gender");
    c.Country = row.asText("Country");
    c.City = row.asText("City");
    c.ChartDay = row.asInt("ChartDay");
    c.ChartMonth = row.asInt("ChartMonth");
    c.ChartYear = row.asInt("ChartYear");
    c.ChartHour = row.asInt("ChartHour");
    c.ChartMinute = row.asInt("ChartMinute");
    c.ChartSecond = row.isNull("ChartSecond") ? 0 : row.asInt("ChartSecond");
    c.LatitudeDegree = row.asDouble("LatitudeDegree");
    c.Latitude_NS = row.asText("Latitude_NS");
    c.LatitudeMinute = row.asDouble("LatitudeMinute");
    c.LongitudeDegree = row.asDouble("LongitudeDegree");
    c.Longitude_EW = row.asText("Longitude_EW");
    c.LongitudeMinute = row.asDouble("LongitudeMinute");
    c.TimeDifference = toInt32(row.asDouble("TimeDifference"));
    return c;
}

std::vector<SavedChartEntry> listCharts(Database& db, std::string_view filter) {
    // ChartName sorts without regard to letter case (its collation); the key
    // keeps charts of the same name in the order they were saved.
    std::optional<Statement> rows;
    if (filter == "All")
        rows.emplace(db.query("SELECT Sno, ChartName FROM ChartSave ORDER BY ChartName, Sno"));
    else if (filter == "Male" || filter == "Female")
        rows.emplace(db.query("SELECT Sno, ChartName FROM ChartSave WHERE Gender = ? ORDER BY ChartName, Sno",
                              std::string(filter)));
    else if (filter == "G")
        rows.emplace(db.query("SELECT Sno, ChartName FROM GChartSave ORDER BY ChartName, Sno"));
    else
        throw closedConnection();
    std::vector<SavedChartEntry> entries;
    while (rows->step()) entries.push_back({toInt32(rows->asDouble(0)), rows->asText(1)});
    return entries;
}

// ------------------------------------------------------------------- "Horo"

std::array<std::pair<const char*, const std::string*>, 18> HoroChart::keys() const {
    return {{{"Name", &Name},
             {"Day", &Day},
             {"Month", &Month},
             {"Year", &Year},
             {"Hour", &Hour},
             {"Min", &Min},
             {"TimeZone", &TimeZone},
             {"Sex", &Sex},
             {"City", &City},
             {"Country", &Country},
             {"LatNS", &LatNS},
             {"LatMin", &LatMin},
             {"LatDeg", &LatDeg},
             {"LonEW", &LonEW},
             {"LonMin", &LonMin},
             {"LonDeg", &LonDeg},
             {"TimeDiff", &TimeDiff},
             {"TimeDiffEW", &TimeDiffEW}}};
}

void writeHoroChart(SettingsStore& settings, const HoroChart& chart) {
    std::vector<std::pair<std::string, std::string>> values;
    for (const auto& [key, value] : chart.keys()) values.emplace_back(key, *value);
    settings.SaveSection(kHoroApplication, kHoroSection, values);
}

HoroChart horoChartOf(const frm_OpenChart& w) {
    HoroChart h;
    h.Name = w.Txt_VC_ChartName.text();
    h.Day = w.txt_Date.text();
    h.Month = w.txt_Month.text();
    h.Year = w.txt_Year.text();
    h.Hour = w.birthHour24();
    h.Min = w.cbMins.text();
    h.TimeZone = state().birth.gZoneText;
    h.Sex = w.cbGender.text();
    h.City = w.txt_VC_City.text();
    h.Country = w.txt_VC_Country.text();
    h.LatNS = w.txt_VC_LatNS;
    h.LatMin = numberText(w.txt_VC_LatMin);
    h.LatDeg = numberText(w.txt_VC_LatDeg);
    h.LonEW = w.txt_VC_LonEW;
    h.LonMin = numberText(w.txt_VC_LonMin);
    h.LonDeg = numberText(w.txt_VC_LonDeg);
    h.TimeDiff = numberText(w.txt_VC_TimeDiff);
    h.TimeDiffEW = w.txt_VC_TimeDiffEW;
    return h;
}

// ------------------------------------------------- the window's commands

namespace {

// Writes the "Horo" keys. A settings file that cannot be written is reported
// in a box of its own and the save goes on: the chart's row in the table
// matters more than which chart the next start casts.
void writeHoro(Window& w, const HoroChart& chart) {
    SettingsStore* settings = w.services().settings;
    if (!settings) return;
    try {
        writeHoroChart(*settings, chart);
    } catch (const RunTimeError& e) {
        showSavedChartError(w, e);
    }
}

// The country's CountryID: the item data of the chosen country entry.
std::int32_t countryId(const frm_OpenChart& w) { return w.txt_VC_Country.itemData(w.txt_VC_Country.listIndex()); }

// The zone's SNo: the item data of the chosen zone entry; for a chart loaded
// from the list, whose zone box holds only the zone's text, the number it
// was loaded with.
std::int32_t zoneNumber(const frm_OpenChart& w) {
    const int index = w.cbTimeZone.listIndex();
    if (index < 0 && w.txt_VC_TimeDiffId != 0) return w.txt_VC_TimeDiffId;
    return w.cbTimeZone.itemData(index);
}

}  // namespace

void FnSaveChart(frm_OpenChart& w) {
    trapSavedChartErrors(w, [&] {
        if (!w.FnValidateBirthDetails()) return;
        const HoroChart horo = horoChartOf(w);
        if (w.txt_VC_UserId != 0) {
            writeHoro(w, horo);
            FnUpdateChart(w);
            return;
        }

        const std::string hour24 = w.birthHour24();
        Frm_SaveChart& sc = w.registry().get<Frm_SaveChart>();
        sc.SC_ChartName = w.Txt_VC_ChartName.text();
        sc.SC_Country = std::to_string(countryId(w));
        sc.SC_City = trim(w.txt_VC_City.text());
        sc.SC_Date = parseDate(trim(w.txt_Date.text()) + "/" + trim(w.txt_Month.text()) + "/" + trim(w.txt_Year.text()));
        sc.SC_Time = parseDate(trim(hour24) + ":" + trim(w.cbMins.text()));
        sc.SC_Gender = w.cbGender.text();
        sc.SC_LatDeg = w.txt_VC_LatDeg;
        sc.SC_LatNS = w.txt_VC_LatNS;
        sc.SC_LatMin = w.txt_VC_LatMin;
        sc.SC_LonDeg = w.txt_VC_LonDeg;
        sc.SC_LonEW = w.txt_VC_LonEW;
        sc.SC_LonMin = w.txt_VC_LonMin;
        sc.SC_TimeDiff = zoneNumber(w);
        sc.horoChart = horo;
        if (const auto key = sc.SC_SaveChart()) FnGetLastChartSno(w, *key);
        // A refused name leaves the table as it was, yet the chart is kept in
        // "Horo" all the same.
        writeHoro(w, horo);
    });
}

void FnUpdateChart(frm_OpenChart& w) {
    trapSavedChartErrors(w, [&] {
        const std::string day = w.txt_Date.text();
        const std::string month = w.txt_Month.text();
        const std::string year = w.txt_Year.text();
        SavedChart c;
        c.Sno = w.txt_VC_UserId;
        // The name takes the day and month as the boxes show them ("05").
        c.ChartName = w.Txt_VC_ChartName.text() + "~" + day + "-" + month + "-" + year;
        c.Gender = w.cbGender.text();
        c.Country = std::to_string(countryId(w));
        c.City = w.txt_VC_City.text();
        c.ChartDay = toInt32(day);
        c.ChartMonth = monthFromName(trim(month));
        if (c.ChartMonth == 0) throw RunTimeError::typeMismatch();
        c.ChartYear = toInt32(year);
        c.ChartHour = toInt32(w.birthHour24());
        c.ChartMinute = toInt32(w.cbMins.text());
        c.ChartSecond = 0;
        c.LatitudeDegree = w.txt_VC_LatDeg;
        c.Latitude_NS = w.txt_VC_LatNS;
        c.LatitudeMinute = w.txt_VC_LatMin;
        c.LongitudeDegree = w.txt_VC_LonDeg;
        c.Longitude_EW = w.txt_VC_LonEW;
        c.LongitudeMinute = w.txt_VC_LonMin;
        c.TimeDifference = zoneNumber(w);

        MessageBox* box = w.services().messageBox;
        if (!updateChart(sharedConnection(), c)) {
            // The row is gone: the window no longer holds a saved chart, so
            // the next Save stores it as a new one.
            w.txt_VC_UserId = 0;
            if (box) box->show(kSavedChartGone, MsgIcon::Critical);
            return;
        }
        if (box) box->show("Details are Sucessfully Updated", MsgIcon::None, MsgButtons::OK,
                           std::string(frm_OpenChart::kCaption));
    });
}

void FnDeleteChart(frm_OpenChart& w) {
    trapSavedChartErrors(w, [&] {
        MessageBox* box = w.services().messageBox;
        if (!deleteChart(sharedConnection(), w.txt_VC_UserId)) {
            w.txt_VC_UserId = 0;
            if (box) box->show(kSavedChartGone, MsgIcon::Critical);
            return;
        }
        w.FnClearBirthDetails();
        if (box) box->show("Successfully Deleted");
    });
}

void FnGetLastChartSno(frm_OpenChart& w, std::int32_t insertedSno) { w.txt_VC_UserId = insertedSno; }

void FnAskDeleteChart(frm_OpenChart& w, bool fromToolbar) {
    trapSavedChartErrors(w, [&] {
        if (w.txt_VC_UserId == 0) return;
        if (fromToolbar && trim(w.Txt_VC_ChartName.text()).empty()) return;
        MessageBox* box = w.services().messageBox;
        if (!box) return;
        if (box->show("Are You Sure You want to delete ?", MsgIcon::None, MsgButtons::YesNo) == MsgResult::Yes)
            FnDeleteChart(w);
    });
}

}  // namespace jd
