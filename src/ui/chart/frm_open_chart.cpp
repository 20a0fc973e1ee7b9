#include "ui/chart/frm_open_chart.h"

#include <optional>

#include "calendar/calendar_errors.h"
#include "calendar/form_routines.h"
#include "calendar/place_lookup.h"
#include "horoscope/chart_run.h"
#include "platform/database.h"
#include "platform/run_time_error.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"
#include "ui/chart/chart_store.h"
#include "ui/chart/frm_retrive_birth_data.h"

namespace jd {

namespace {

// The saved-chart list, which Close and Unload take down with this window.
constexpr const char* kSavedChartList = "Frm_RetriveBirthData";

std::string twoDigits(int n) { return formatNumber(n, "00"); }

// The year text as a whole number, or -1 when it is no string of digits. A
// string longer than any year (after its leading zeros) reads as a number
// far beyond the accepted range.
long long yearNumber(const std::string& text) {
    const std::string t = trim(text);
    if (!allDigits(t)) return -1;
    const auto first = t.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const std::string digits = t.substr(first);
    if (digits.size() > 9) return 999999999;
    return std::stoll(digits);
}

// Whether "month/day/year" names a day of the calendar: the month by its
// three-letter English name, the day and a year of at most four digits.
bool isCalendarDate(const std::string& day, const std::string& month, const std::string& year) {
    if (textLength(month) != 3) return false;
    const int m = monthFromName(month);
    const std::string d = trim(day);
    if (m == 0 || !allDigits(d) || d.size() > 2 || trim(year).size() > 4) return false;
    const long long y = yearNumber(year);
    if (y < 1 || y > 9999) return false;
    return DateTime::isValidDate(static_cast<int>(y), m, std::stoi(d));
}

// The whole part of a number text, or nothing when the text is no number.
std::optional<double> wholePart(const std::string& text) {
    if (!isNumeric(text)) return std::nullopt;
    return vbInt(toDouble(text));
}

}  // namespace

std::string FnTwentyFourHour(const std::string& hourText, bool pm) {
    if (hourText == "12") return pm ? "12" : "0";
    if (!pm) return hourText;
    return numberText(toDouble(hourText) + 12);
}

// ------------------------------------------------------------------ the window

frm_OpenChart::frm_OpenChart() : Window(kWindowName, kCaption, WindowKind::TopLevel) {
    cbGender.addItem("Male");
    cbGender.addItem("Female");
    txtLatDetails.setLocked(true);
    txtLonDetails.setLocked(true);

    // The picture buttons open the city or the time-zone master in place of
    // this window; the master's Cancel shows this window again.
    const auto openPlaceMaster = [this](const char* master) {
        return [this, master] {
            trapped([&] {
                if (!registry().isDefined(master)) return;
                state().gPlaceFormFromChart = true;
                hide();
                registry().get(master).show();
            });
        };
    };
    cmdadd.onClick = openPlaceMaster("frm_New_LatLon");
    cmdTimeZoneHelp.onClick = openPlaceMaster("frm_AddTimeZone");

    // Enter moves along the chain; every other key of a combo box goes to the
    // type-ahead and is then discarded, so a box holds only list entries.
    Txt_VC_ChartName.onKeyPress = [this](int& k) {
        if (k == key::Enter) {
            k = 0;
            setFocus(cbGender);
        }
    };
    const auto comboKeys = [this](Control* next) {
        return [this, next](int& k) {
            if (k == key::Enter) {
                k = 0;
                if (next) setFocus(*next);
                return;
            }
            trapped([&] { FnComboAutoComplete(k, *this); });
            k = 0;
        };
    };
    cbGender.onKeyPress = comboKeys(&txt_Date);
    txt_Date.onKeyPress = comboKeys(&txt_Month);
    txt_Month.onKeyPress = comboKeys(&txt_Year);
    cbHour.onKeyPress = comboKeys(&cbMins);
    cbMins.onKeyPress = comboKeys(&txt_VC_Country);
    txt_VC_Country.onKeyPress = comboKeys(&txt_VC_City);
    txt_VC_City.onKeyPress = comboKeys(&cbTimeZone);
    cbTimeZone.onKeyPress = comboKeys(nullptr);
    // The year also takes typed digits, never anything else.
    txt_Year.onKeyPress = [this](int& k) {
        if (k == key::Enter) {
            k = 0;
            setFocus(cbHour);
        } else if (!((k >= '0' && k <= '9') || k == key::Backspace)) {
            k = 0;
        }
    };
    FnSelectAllOnFocus({&cbGender, &txt_Date, &txt_Month, &txt_Year, &cbHour, &cbMins, &txt_VC_Country, &txt_VC_City,
                        &cbTimeZone});
    const auto swallow = [](int& k) { k = 0; };
    txtLatDetails.onKeyPress = swallow;
    txtLonDetails.onKeyPress = swallow;

    txt_VC_Country.onClick = [this] { txt_VC_Country_Click(); };
    txt_VC_City.onClick = [this] { txt_VC_City_Click(); };
    cbTimeZone.onClick = [this] { cbTimeZone_Click(); };

    cmdSave.onClick = [this] { cmdSave_Click(); };
    CMDCANCEl.onClick = [this] { trapped([&] { hide(); }); };
    mnu_New.onClick = [this] { trapped([&] { FnClearBirthDetails(); }); };
    mnuClose.onClick = [this] { closeWindow(); };
    // The saved charts: the list, Save, and Delete after asking.
    mnuOpen.onClick = [this] { FnOpenSavedChartList(*this, false); };
    mnuSave.onClick = [this] { FnSaveChart(*this); };
    mnuDelete.onClick = [this] { FnAskDeleteChart(*this, false); };
    for (ToolButton* b : tbrChartFile()) b->onClick = [this, b] { tbrChartFile_ButtonClick(b->key()); };

    layOut();
}

frm_OpenChart::~frm_OpenChart() = default;

std::array<Control*, 10> frm_OpenChart::enterChain() {
    return {&Txt_VC_ChartName, &cbGender, &txt_Date,       &txt_Month,   &txt_Year,
            &cbHour,           &cbMins,   &txt_VC_Country, &txt_VC_City, &cbTimeZone};
}

template <class F>
void frm_OpenChart::trapped(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        reportError(e);
    }
}

void frm_OpenChart::reportError(const std::exception& e) {
    const auto* rte = dynamic_cast<const RunTimeError*>(&e);
    const std::string text = rte ? rte->description() : std::string(e.what());
    if (MessageBox* box = services().messageBox) box->show(text, MsgIcon::Critical, MsgButtons::OK, std::nullopt);
}

// Positions in twips inside the window, below its menu bar.
void frm_OpenChart::layOut() {
    constexpr double labelLeft = 120, boxLeft = 1560, rowHeight = 315;
    double top = 600;
    const auto row = [&](Label& label) {
        label.move(labelLeft, top + 30, 1400, rowHeight - 30);
    };
    row(lblName);
    Txt_VC_ChartName.move(boxLeft, top, 4200, rowHeight);
    top += 420;
    row(lblSex);
    cbGender.move(boxLeft, top, 1500, rowHeight);
    top += 420;
    row(lblBirthDate);
    txt_Date.move(boxLeft, top, 700, rowHeight);
    txt_Month.move(2320, top, 800, rowHeight);
    txt_Year.move(3180, top, 950, rowHeight);
    lblDateHint.move(4200, top + 30, 1560, rowHeight - 30);
    top += 420;
    row(lblBirthTime);
    cbHour.move(boxLeft, top, 700, rowHeight);
    cbMins.move(2320, top, 700, rowHeight);
    Opt_AM.move(3180, top, 750, rowHeight);
    Opt_PM.move(3960, top, 750, rowHeight);
    top += 420;
    row(lblCountry);
    txt_VC_Country.move(boxLeft, top, 4200, rowHeight);
    top += 420;
    row(lblCity);
    txt_VC_City.move(boxLeft, top, 3720, rowHeight);
    cmdadd.move(5340, top, 420, rowHeight);
    top += 420;
    row(lblLatitude);
    txtLatDetails.move(boxLeft, top, 1500, rowHeight);
    lblLongitude.move(3180, top + 30, 1000, rowHeight - 30);
    txtLonDetails.move(4260, top, 1500, rowHeight);
    top += 420;
    row(lblTimeZone);
    cbTimeZone.move(boxLeft, top, 3720, rowHeight);
    cmdTimeZoneHelp.move(5340, top, 420, rowHeight);
    top += 600;
    cmdSave.move(boxLeft, top, 1200, 375);
    CMDCANCEl.move(3000, top, 1200, 375);
}

// ------------------------------------------------------------------------ Load

void frm_OpenChart::onLoad() {
    state().gCurrentChartUserId = [this] { return txt_VC_UserId; };
    trapped([&] {
        move(0, 700, 6240, 5565);
        fillFixedLists();
        takeDefaultsFromClock();
        cbGender.setListIndex(0);
        txt_VC_UserId = 0;
        fillCountries();
    });
}

void frm_OpenChart::fillFixedLists() {
    for (ComboBox* c : {&cbMins, &cbHour}) c->clear();
    FnFillDateCombos(txt_Date, txt_Month, txt_Year);
    for (int h = 1; h <= 12; ++h) cbHour.addItem(twoDigits(h));
    for (int m = 0; m <= 59; ++m) cbMins.addItem(twoDigits(m));
}

void frm_OpenChart::takeDefaultsFromClock() {
    Clock* clock = services().clock;
    const DateTime now = clock ? clock->now() : DateTime{};
    FnShowDateInCombos(now, txt_Date, txt_Month, txt_Year);
    const std::string time = formatDate(now, "HH AM/PM");
    cbHour.setText(leftText(time, 2));
    if (rightText(time, 2) == "AM")
        Opt_AM.setValue(true);
    else
        Opt_PM.setValue(true);
    cbMins.setText(twoDigits(now.minute()));
}

void frm_OpenChart::fillCountries() { FnFillCountryCombo(sharedDatabase(), txt_VC_Country); }

void frm_OpenChart::onUnload() {
    state().gCurrentChartUserId = nullptr;
    trapped([&] { registry().unload(kSavedChartList); });
}

// ------------------------------------------------------------------ selections

void frm_OpenChart::txt_VC_Country_Click() {
    trapped([&] {
        if (txt_VC_Country.text().empty() || txt_VC_Country.listIndex() < 0) return;
        const std::int32_t countryId = txt_VC_Country.itemData(txt_VC_Country.listIndex());
        txt_VC_City.clear();
        FnFillTimeZoneCombo(countryId, cbTimeZone);
        Statement rows =
            sharedDatabase().query("Select * From City_Master Where CountryID = ? Order by CityName", countryId);
        while (rows.step()) txt_VC_City.addItem(rows.asText("CityName"), rows.asInt("CityID"));
        if (cbTimeZone.listCount() > 0) cbTimeZone.setListIndex(0);
    });
}

void frm_OpenChart::txt_VC_City_Click() {
    if (txt_VC_City.text().empty()) return;
    // Whatever happens below, the coordinates of a city chosen before are gone.
    clearCityCoordinates();
    trapped([&] {
        const int index = txt_VC_City.listIndex();
        if (index < 0) return;
        // A row without its hemisphere letters is no place to cast for.
        const auto city = FnReadCityCoordinates(sharedDatabase(), txt_VC_City.itemData(index));
        if (!city) return;
        txt_VC_LatDeg = city->latDeg;
        txt_VC_LatMin = city->latMin;
        txt_VC_LatNS = city->latNS;
        txt_VC_LonDeg = city->lonDeg;
        txt_VC_LonMin = city->lonMin;
        txt_VC_LonEW = city->lonEW;
    });
    showCityCoordinates();
}

void frm_OpenChart::clearCityCoordinates() {
    txt_VC_LatDeg = txt_VC_LatMin = txt_VC_LonDeg = txt_VC_LonMin = 0;
    txt_VC_LatNS.clear();
    txt_VC_LonEW.clear();
}

// "17 N 20": degrees, hemisphere and minutes, numbers in their shortest form;
// empty while no city's coordinates are known.
void frm_OpenChart::showCityCoordinates() {
    const bool known = !txt_VC_LatNS.empty() && !txt_VC_LonEW.empty();
    txtLatDetails.setText(known ? FnCoordinateText(txt_VC_LatDeg, txt_VC_LatNS, txt_VC_LatMin) : std::string());
    txtLonDetails.setText(known ? FnCoordinateText(txt_VC_LonDeg, txt_VC_LonEW, txt_VC_LonMin) : std::string());
}

void frm_OpenChart::cbTimeZone_Click() {
    // The zone chosen before no longer counts, even if this one cannot be read.
    txt_VC_TimeDiff = 0;
    txt_VC_TimeDiffEW.clear();
    trapped([&] {
        const int index = cbTimeZone.listIndex();
        if (index < 0) return;
        txt_VC_TimeDiff = FnGetTimeZoneDifference(cbTimeZone.itemData(index));
    });
}

double frm_OpenChart::FnGetTimeZoneDifference(std::int32_t zoneSno) {
    const auto zone = FnReadTimeZone(sharedDatabase(), zoneSno);
    if (!zone) {
        txt_VC_TimeDiffEW.clear();
        return 0;
    }
    txt_VC_TimeDiffEW = FnIsPlaceLetter(zone->eastWest, 'E', 'W') ? zone->eastWest : std::string();
    return zone->hours;
}

// ---------------------------------------------------------------- the commands

void frm_OpenChart::FnClearBirthDetails() {
    setFocus(Txt_VC_ChartName);
    Txt_VC_ChartName.setText({});
    for (ComboBox* c : {&cbGender, &txt_Date, &txt_Month, &txt_Year, &cbHour, &cbMins, &txt_VC_Country})
        c->setText({});
    txt_VC_City.clear();
    txtLatDetails.setText({});
    txtLonDetails.setText({});
    cbTimeZone.clear();
    txt_VC_UserId = 0;
}

void frm_OpenChart::closeWindow() {
    trapped([&] {
        registry().unload(kSavedChartList);
        hide();
    });
}

void frm_OpenChart::tbrChartFile_ButtonClick(const std::string& key) {
    for (ToolButton* b : tbrChartFile())
        if (b->key() == key && !b->enabled()) return;
    if (key == "new")
        trapped([&] { FnClearBirthDetails(); });
    else if (key == "open")
        FnOpenSavedChartList(*this, true);
    else if (key == "save")
        FnSaveChart(*this);
    else if (key == "delete")
        FnAskDeleteChart(*this, true);
    else if (key == "close")
        closeWindow();
}

// ------------------------------------------------------------ validation and OK

bool frm_OpenChart::fails(bool failed, const char* message, Control* focus) {
    if (!failed) return false;
    if (MessageBox* box = services().messageBox)
        box->show(message, MsgIcon::Information, MsgButtons::OK, std::string(kCaption));
    if (focus) setFocus(*focus);
    return true;
}

bool frm_OpenChart::FnValidateBirthDetails() {
    const long long year = yearNumber(txt_Year.text());
    const auto hour = wholePart(cbHour.text());
    // The hour as shown must also give an hour of the day on the 24-hour
    // clock: "24" AM or "13" PM (from a damaged saved chart) would give 24 or
    // 25, which no chart can be cast or saved for.
    const auto hourOfDay = [this] {
        const auto h = wholePart(birthHour24());
        return h && *h >= 0 && *h <= 23;
    };
    const auto minute = wholePart(cbMins.text());
    const char* time = "Enter Correct Time";
    return !(fails(Txt_VC_ChartName.text().empty(), "Enter Name", &Txt_VC_ChartName) ||
             fails(txt_Date.text().empty(), "Enter Date of Birth", &txt_Date) ||
             fails(txt_Month.text().empty(), "Enter Month", &txt_Month) ||
             fails(txt_Year.text().empty(), "Enter Year", &txt_Year) ||
             fails(year < 1800 || year > 3000, "Enter Year Between 1800 and 3000", &txt_Year) ||
             fails(!isCalendarDate(txt_Date.text(), txt_Month.text(), txt_Year.text()), "Enter Correct Date",
                   nullptr) ||
             fails(cbHour.text().empty(), time, &cbHour) || fails(cbMins.text().empty(), time, &cbMins) ||
             fails(!hour || *hour < 0 || *hour > 24 || !hourOfDay(), time, &cbHour) ||
             fails(!minute || *minute < 0 || *minute > 59, time, &cbMins) ||
             fails(txt_VC_Country.text().empty(), "Select Country", &txt_VC_Country) ||
             fails(txt_VC_City.text().empty() || !FnIsPlaceLetter(txt_VC_LatNS, 'N', 'S') ||
                       !FnIsPlaceLetter(txt_VC_LonEW, 'E', 'W'),
                   "Select City", &txt_VC_City) ||
             fails(cbTimeZone.text().empty() || !FnIsPlaceLetter(txt_VC_TimeDiffEW, 'E', 'W'), "Select Timezone",
                   &cbTimeZone));
}

void frm_OpenChart::writeBirthDetails() {
    BirthDetails& b = state().birth;
    b.gBirthHour = birthHour24();
    b.gChartName = Txt_VC_ChartName.text();
    b.gBirthDay = txt_Date.text();
    b.gBirthMonth = txt_Month.text();
    b.gBirthYear = txt_Year.text();
    b.gBirthMinute = cbMins.text();
    b.gZoneText = cbTimeZone.text();
    b.gGender = cbGender.text();
    b.gCity = txt_VC_City.text();
    b.gCountry = txt_VC_Country.text();
    state().chartAyanamsa.gAyanamsaChoice = state().prefs.gAyanamsaName;
    // The letters go in upper case, so every step of the run reads the same
    // hemisphere and zone direction.
    b.gLatNS = upperAscii(trim(txt_VC_LatNS));
    b.gLatMin = numberText(txt_VC_LatMin);
    b.gLatDeg = numberText(txt_VC_LatDeg);
    b.gLonEW = upperAscii(trim(txt_VC_LonEW));
    b.gLonMin = numberText(txt_VC_LonMin);
    b.gLonDeg = numberText(txt_VC_LonDeg);
    b.gZoneHours = numberText(txt_VC_TimeDiff);
    b.gZoneEW = upperAscii(trim(txt_VC_TimeDiffEW));
}

void frm_OpenChart::cmdSave_Click() {
    trapped([&] {
        if (!FnValidateBirthDetails()) return;
        // The records are written and the window hidden only when the cast
        // goes ahead (never while another cast runs).
        FnCastHoroscope([this] {
            writeBirthDetails();
            hide();
        });
    });
}

}  // namespace jd
