#include "ui/converters/converter_panel.h"

#include <initializer_list>

#include "calendar/calendar_errors.h"
#include "calendar/form_routines.h"
#include "calendar/place_lookup.h"
#include "engine/cls_sunrise.h"
#include "platform/database.h"
#include "platform/run_time_error.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// Windows of other parts of the program, reached by name.
constexpr const char* kSavedChartList = "Frm_RetriveBirthData";
constexpr const char* kCityMaster = "frm_New_LatLon";
constexpr const char* kTimeZoneMaster = "frm_AddTimeZone";

std::string twoDigits(int n) { return formatNumber(n, "00"); }

// Whether the day, month and year texts name a day of the calendar: a day of
// one or two digits, a three-letter English month and a year of digits.
bool isCalendarDate(const std::string& day, const std::string& month, const std::string& year) {
    const std::string d = trim(day), y = trim(year);
    if (textLength(month) != 3 || !allDigits(d) || d.size() > 2 || !allDigits(y) || y.size() > 4) return false;
    const int m = monthFromName(month);
    return m != 0 && DateTime::isValidDate(std::stoi(y), m, std::stoi(d));
}

}  // namespace

ConverterPanel::ConverterPanel(const ConverterDesign& design)
    : Window(design.windowName, design.caption, WindowKind::MdiChild),
      lblTime("lblTime", design.timeCaption),
      result(design.resultName),
      cmdSubmit("cmdSubmit", design.submitCaption),
      cityMasterButton(design.cityButtonName),
      zoneMasterButton(design.zoneButtonName),
      design_(design) {
    txtLatDetails.setLocked(true);
    txtLonDetails.setLocked(true);
    wireKeys();

    Cmb_VP_Country.onClick = [this] { Cmb_VP_Country_Click(); };
    Cmb_VP_City.onClick = [this] { Cmb_VP_City_Click(); };
    cbTimeZone.onClick = [this] { cbTimeZone_Click(); };

    // A new date takes the result away in both windows; a new time or
    // ghatika count only where the result is the ishta ghatika of that time.
    // The presets of Load are no change of the user's.
    const auto hide = [this] {
        if (!loading_) FnHideResult();
    };
    for (ComboBox* c : {&Txt_VP_Date, &Txt_VP_Month, &Txt_VP_YEAR}) {
        c->onChange = hide;
        c->onClick = hide;
    }
    if (design_.fromBirthTime) {
        for (ComboBox* c : {&cbHour, &cbMins}) {
            c->onChange = hide;
            c->onClick = hide;
        }
    }

    cmdSubmit.onClick = [this] { cmdSubmit_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    cityMasterButton.onClick = [this] { openMaster(kCityMaster); };
    zoneMasterButton.onClick = [this] { openMaster(kTimeZoneMaster); };

    layOut();
}

ConverterPanel::~ConverterPanel() = default;

template <class F>
void ConverterPanel::trapped(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        reportError(e);
    }
}

void ConverterPanel::reportError(const RunTimeError& e) {
    if (MessageBox* box = services().messageBox) box->show(e.description(), MsgIcon::Critical, MsgButtons::OK);
}

// Enter moves along the chain; every other key of a combo box goes to the
// type-ahead and is then discarded, so a box holds only its list entries
// (the year box also takes typed digits).
void ConverterPanel::wireKeys() {
    const auto comboKeys = [this](ComboBox& box, auto onEnter, bool takesDigits) {
        box.onKeyPress = [this, onEnter, takesDigits](int& k) {
            trapped([&] { FnComboAutoComplete(k, *this); });
            if (k == 0) return;
            if (k == key::Enter) {
                k = 0;
                onEnter();
            } else if (!(takesDigits && ((k >= '0' && k <= '9') || k == key::Backspace))) {
                k = 0;
            }
        };
    };
    const auto focusTo = [this](Control& next) { return [this, &next] { setFocus(next); }; };
    const auto nothing = [] {};
    const auto calculate = [this] { cmdSubmit_Click(); };

    comboKeys(Txt_VP_Date, focusTo(Txt_VP_Month), false);
    comboKeys(Txt_VP_Month, focusTo(Txt_VP_YEAR), false);
    comboKeys(Txt_VP_YEAR, focusTo(cbHour), true);
    comboKeys(cbHour, focusTo(cbMins), false);
    comboKeys(cbMins, focusTo(Cmb_VP_Country), false);
    comboKeys(Cmb_VP_Country, focusTo(Cmb_VP_City), false);
    if (design_.fromBirthTime) {
        comboKeys(Cmb_VP_City, calculate, false);
        comboKeys(cbTimeZone, nothing, false);
    } else {
        comboKeys(Cmb_VP_City, focusTo(cbTimeZone), false);
        comboKeys(cbTimeZone, calculate, false);
    }
    const auto swallow = [](int& k) { k = 0; };
    txtLatDetails.onKeyPress = swallow;
    txtLonDetails.onKeyPress = swallow;
    FnSelectAllOnFocus(
        {&Txt_VP_Date, &Txt_VP_Month, &Txt_VP_YEAR, &cbHour, &cbMins, &Cmb_VP_Country, &Cmb_VP_City, &cbTimeZone});
}

// Positions in twips inside the window.
void ConverterPanel::layOut() {
    constexpr double labelLeft = 120, boxLeft = 1560, rowHeight = 315, step = 420;
    double top = 240;
    const auto label = [&](Label& l, double left, double width) { l.move(left, top + 30, width, rowHeight - 30); };
    label(lblBirthDate, labelLeft, 1400);
    Txt_VP_Date.move(boxLeft, top, 700, rowHeight);
    Txt_VP_Month.move(2320, top, 800, rowHeight);
    Txt_VP_YEAR.move(3180, top, 950, rowHeight);
    label(lblDateHint, 4200, 1560);
    top += step;
    label(lblTime, labelLeft, 1400);
    cbHour.move(boxLeft, top, 700, rowHeight);
    cbMins.move(2320, top, 700, rowHeight);
    label(lblTimeHint, 3180, 1800);
    top += step;
    label(lblCountry, labelLeft, 1400);
    Cmb_VP_Country.move(boxLeft, top, 3720, rowHeight);
    top += step;
    label(lblCity, labelLeft, 1400);
    Cmb_VP_City.move(boxLeft, top, 3720, rowHeight);
    cityMasterButton.move(5400, top, 300, 300);
    top += step;
    label(lblLatitude, labelLeft, 1400);
    txtLatDetails.move(boxLeft, top, 1300, rowHeight);
    label(lblLongitude, 3000, 1000);
    txtLonDetails.move(3980, top, 1300, rowHeight);
    top += step;
    label(lblTimeZone, labelLeft, 1400);
    cbTimeZone.move(boxLeft, top, 3720, rowHeight);
    zoneMasterButton.move(5400, top, 300, 300);
    top += step + 60;
    result.move(2520, top, 3180, 375);
    top += 540;
    cmdSubmit.move(boxLeft, top, 2280, 375);
    Command1.move(4080, top, 1200, 375);
    setWidth(6060);
    setHeight(top + 375 + 720);
}

// ------------------------------------------------------------------------ Load

void ConverterPanel::onLoad() {
    // The masters open from here only when the program has them.
    cityMasterButton.setEnabled(registry().isDefined(kCityMaster));
    zoneMasterButton.setEnabled(registry().isDefined(kTimeZoneMaster));
    loading_ = true;
    trapped([&] {
        move(2550, 0);
        fillFixedLists();
        presetFromClock();
        fillCountries();
    });
    loading_ = false;
}

void ConverterPanel::fillFixedLists() {
    FnFillDateCombos(Txt_VP_Date, Txt_VP_Month, Txt_VP_YEAR);
}

void ConverterPanel::presetFromClock() {
    Clock* clock = services().clock;
    const DateTime now = clock ? clock->now() : DateTime{};
    FnShowDateInCombos(now, Txt_VP_Date, Txt_VP_Month, Txt_VP_YEAR);

    cbHour.clear();
    cbMins.clear();
    const int lastHour = design_.fromBirthTime ? 23 : 60;
    for (int h = 0; h <= lastHour; ++h) cbHour.addItem(twoDigits(h));
    for (int m = 0; m <= 59; ++m) cbMins.addItem(twoDigits(m));
    if (design_.fromBirthTime) {
        cbHour.setText(twoDigits(now.hour()));
        cbMins.setText(twoDigits(now.minute()));
        FnHideResult();
    }
}

void ConverterPanel::fillCountries() { FnFillCountryCombo(sharedDatabase(), Cmb_VP_Country); }

// ------------------------------------------------------------------ selections

void ConverterPanel::Cmb_VP_Country_Click() {
    if (design_.fromBirthTime) FnHideResult();
    txtLatDetails.setText({});
    txtLonDetails.setText({});
    if (Cmb_VP_Country.text().empty() || Cmb_VP_Country.listIndex() < 0) return;
    // The city and zone of another country no longer count, also when this
    // country has no zones or its lists cannot be read.
    clearPlace();
    clearZone();
    trapped([&] {
        Cmb_VP_City.clear();
        countryId_ = Cmb_VP_Country.itemData(Cmb_VP_Country.listIndex());
        FnFillTimeZoneCombo(countryId_, cbTimeZone);
        Statement rows = sharedDatabase().query("Select * From City_Master Where CountryID = ?", countryId_);
        while (rows.step()) Cmb_VP_City.addItem(rows.asText("CityName"), rows.asInt("CityID"));
        if (cbTimeZone.listCount() > 0) cbTimeZone.setListIndex(0);
    });
}

void ConverterPanel::Cmb_VP_City_Click() {
    if (design_.fromBirthTime) FnHideResult();
    txtLatDetails.setText({});
    txtLonDetails.setText({});
    if (Cmb_VP_City.text().empty() || Cmb_VP_City.listIndex() < 0) return;
    // Whatever happens below, the coordinates of a city chosen before are gone.
    clearPlace();
    trapped([&] {
        const std::int32_t cityId = Cmb_VP_City.itemData(Cmb_VP_City.listIndex());
        // A row without its hemisphere letters is no place to compute for.
        const auto city = FnReadCityCoordinates(sharedDatabase(), cityId);
        if (!city) return;
        // The sunrise calculation reads the letters in upper case only.
        Txt_BI_LatDegree = city->latDeg;
        Txt_BI_LatMinute = city->latMin;
        CB_BI_Lat_NS = FnPlaceLetter(city->latNS, 'N', 'S');
        Txt_BI_LonDegree = city->lonDeg;
        Txt_BI_LonMinute = city->lonMin;
        CB_BI_Lon_EW = FnPlaceLetter(city->lonEW, 'E', 'W');
        cityInForce_ = cityId;
    });
    showPlace();
}

void ConverterPanel::cbTimeZone_Click() {
    if (design_.fromBirthTime) FnHideResult();
    // The zone chosen before no longer counts, even if this one cannot be read.
    clearZone();
    trapped([&] {
        const int index = cbTimeZone.listIndex();
        if (index >= 0) FnGetTimeZoneDifference(cbTimeZone.itemData(index));
    });
}

void ConverterPanel::FnGetTimeZoneDifference(std::int32_t zoneSno) {
    const auto zone = FnReadTimeZone(sharedDatabase(), zoneSno);
    if (!zone) return;
    const std::string ew = FnPlaceLetter(zone->eastWest, 'E', 'W');
    if (ew.empty() || zone->hours < 0) return;
    Txt_BI_TimeDiff = zone->hours;
    Txt_BI_TimeDiffEW = ew;
    zoneInForce_ = zoneSno;
}

void ConverterPanel::clearPlace() {
    Txt_BI_LatDegree = Txt_BI_LatMinute = Txt_BI_LonDegree = Txt_BI_LonMinute = 0;
    CB_BI_Lat_NS.clear();
    CB_BI_Lon_EW.clear();
    cityInForce_.reset();
}

void ConverterPanel::clearZone() {
    Txt_BI_TimeDiff = 0;
    Txt_BI_TimeDiffEW.clear();
    zoneInForce_.reset();
}

// "17 N 20" and "78 E 30": degrees, hemisphere and minutes, each number in its
// shortest form; empty while no city's coordinates are known.
void ConverterPanel::showPlace() {
    if (!cityInForce_) return;
    txtLatDetails.setText(FnCoordinateText(Txt_BI_LatDegree, CB_BI_Lat_NS, Txt_BI_LatMinute));
    txtLonDetails.setText(FnCoordinateText(Txt_BI_LonDegree, CB_BI_Lon_EW, Txt_BI_LonMinute));
}

bool ConverterPanel::placeInForce() const {
    const int i = Cmb_VP_City.listIndex();
    return cityInForce_ && i >= 0 && Cmb_VP_City.itemData(i) == *cityInForce_;
}

bool ConverterPanel::zoneInForce() const {
    const int i = cbTimeZone.listIndex();
    return zoneInForce_ && i >= 0 && cbTimeZone.itemData(i) == *zoneInForce_;
}

// ----------------------------------------------------------------- the buttons

void ConverterPanel::openMaster(const char* windowName) {
    trapped([&] {
        if (!registry().isDefined(windowName)) return;
        Window& master = registry().get(windowName);
        master.show();
        master.bringToFront();
    });
}

void ConverterPanel::Command1_Click() {
    trapped([&] {
        registry().unload(kSavedChartList);
        unload();
    });
}

bool ConverterPanel::fails(bool failed, const char* message, Control* focus, bool withCaption) {
    if (!failed) return false;
    if (MessageBox* box = services().messageBox) {
        if (withCaption)
            box->show(message, MsgIcon::Information, MsgButtons::OK, caption());
        else
            box->show(message, MsgIcon::None, MsgButtons::OK);
    }
    if (focus) setFocus(*focus);
    return true;
}

// The checks of Calculate in order, stopping at the first that fails. The
// numbers are read only when their check comes: a text that is no number
// raises Type mismatch there.
bool ConverterPanel::checksPass() {
    const std::string& day = Txt_VP_Date.text();
    const std::string& month = Txt_VP_Month.text();
    const std::string& year = Txt_VP_YEAR.text();
    const char* yearRange = "Enter Year Between 1800 and 3000";
    const char* time = "Enter Correct Time";
    if (fails(day.empty(), "Enter Date", &Txt_VP_Date) || fails(month.empty(), "Enter Month", &Txt_VP_Month) ||
        fails(year.empty(), "Enter Year", &Txt_VP_YEAR) ||
        fails(textLength(year) > 4, yearRange, &Txt_VP_YEAR, true))
        return false;
    const double yearNumber = roundHalfEven(toDouble(year));
    if (fails(yearNumber < 1800 || yearNumber > 3000, yearRange, &Txt_VP_YEAR) ||
        fails(!isCalendarDate(day, month, year), "Enter Correct Date", nullptr) ||
        fails(cbHour.text().empty(), time, &cbHour) || fails(cbMins.text().empty(), time, &cbMins))
        return false;
    const double hour = vbInt(toDouble(cbHour.text()));
    if (fails(hour < 0 || hour > (design_.fromBirthTime ? 24 : 60), time, &cbHour)) return false;
    const double minute = vbInt(toDouble(cbMins.text()));
    return !(fails(minute < 0 || minute > 59, time, &cbMins) ||
             fails(Cmb_VP_Country.text().empty(), "Select Country", &Cmb_VP_Country) ||
             fails(Cmb_VP_City.text().empty() || !placeInForce(), "Select City", &Cmb_VP_City) ||
             fails(!zoneInForce(), "Select Timezone", &cbTimeZone));
}

void ConverterPanel::cmdSubmit_Click() {
    trapped([&] {
        if (checksPass()) compute();
    });
}

// --------------------------------------------------------- for the computation

std::string ConverterPanel::dateText() const {
    return Txt_VP_Date.text() + "/" + Txt_VP_Month.text() + "/" + Txt_VP_YEAR.text();
}

std::optional<DateTime> ConverterPanel::sunriseOn(const DateTime& date) {
    if (!sunrise_) sunrise_ = std::make_unique<clsFindSunrise>();
    return sunrise_->FnFindSunrise(date, CB_BI_Lat_NS, Txt_BI_LatDegree, Txt_BI_LatMinute, CB_BI_Lon_EW,
                                   Txt_BI_LonDegree, Txt_BI_LonMinute, false, Txt_BI_TimeDiff, Txt_BI_TimeDiffEW);
}

std::optional<DateTime> ConverterPanel::risingIntoMidnightSunOn(const DateTime& date) {
    if (!sunrise_) sunrise_ = std::make_unique<clsFindSunrise>();
    return sunrise_->FnFindRisingIntoMidnightSun(date, CB_BI_Lat_NS, Txt_BI_LatDegree, Txt_BI_LatMinute,
                                                 CB_BI_Lon_EW, Txt_BI_LonDegree, Txt_BI_LonMinute, false,
                                                 Txt_BI_TimeDiff, Txt_BI_TimeDiffEW);
}

void ConverterPanel::reportNoSunrise(const DateTime& date) {
    FnHideResult();
    if (MessageBox* box = services().messageBox)
        box->show("The Sun does not rise at this place on " + formatDate(date, "DD/MMM/YYYY"), MsgIcon::Information,
                  MsgButtons::OK, caption());
}

}  // namespace jd
