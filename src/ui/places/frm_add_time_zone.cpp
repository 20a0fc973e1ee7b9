#include "ui/places/frm_add_time_zone.h"

#include <array>
#include <vector>

#include "platform/database.h"
#include "platform/text.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"
#include "ui/places/place_forms.h"

namespace jd {

// ------------------------------------------------------------- decimal hours

double FnDecimalHours(double hours, double minutes) { return toDouble(formatNumber(hours + minutes / 60, "00.00")); }

HoursAndMinutes FnSplitDecimalHours(double value) {
    std::string text = numberText(value);
    // A value written with an exponent is read at its two decimals instead.
    if (text.find('E') != std::string::npos) text = numberText(toDouble(formatNumber(value, "0.00")));
    const auto point = text.find('.');
    if (point == std::string::npos) return {text, "00"};
    std::string hundredths = text.substr(point + 1, 2);
    if (hundredths.size() == 1) hundredths += '0';
    return {text.substr(0, point), std::to_string(std::stoi(hundredths) * 60 / 100)};
}

std::string FnAppendZoneKey(const std::string& zoneList, std::int32_t zoneKey) {
    std::string joined;
    bool listed = false;
    for (const std::string& piece : split(zoneList, ",")) {
        const std::string key = trim(piece);
        if (key.empty()) continue;
        listed = listed || wholeNumber(key) == zoneKey;
        joined += (joined.empty() ? "" : ",") + key;
    }
    if (!listed) joined += (joined.empty() ? "" : ",") + std::to_string(zoneKey);
    return joined;
}

// ------------------------------------------------------------------ the window

frm_AddTimeZone::frm_AddTimeZone() : Window(kWindowName, kCaption) {
    setWidth(12720);
    setHeight(7080);
    for (Grid* g : {&mshCity, &mshEditCity, &mshViewCity}) g->setDesignedFormat(kGridFormat);
    layOut();

    TabStrip1.onClick = [this] { TabStrip1_Click(); };
    cbAddCountry.onClick = [this] { cbAddCountry_Click(); };
    cbEditCountry.onClick = [this] { cbEditCountry_Click(); };
    cmbCountry.onClick = [this] { cmbCountry_Click(); };
    cbEditCity.onClick = [this] { cbEditCity_Click(); };
    cmdAddSave.onClick = [this] { cmdAddSave_Click(); };
    cmdEditUpdate.onClick = [this] { cmdEditUpdate_Click(); };
    Command1.onClick = [this] { Command1_Click(); };

    // Combo boxes take only their entries; text boxes move on with Enter, and
    // the hours and minutes take digits only.
    wirePlaceComboKeys(*this, cbAddCountry, focusTo(*this, txtAddCity));
    wirePlaceComboKeys(*this, cbAddEW, [this] { cmdAddSave_Click(); });
    wirePlaceComboKeys(*this, cbEditCountry, focusTo(*this, cbEditCity));
    wirePlaceComboKeys(*this, cbEditCity, focusTo(*this, txtEditCity));
    wirePlaceComboKeys(*this, cbEditEW, [this] { cmdEditUpdate_Click(); });
    wirePlaceComboKeys(*this, cmbCountry, [this] { cmbCountry_Click(); });
    wirePlaceTextKeys(txtAddCity, false, focusTo(*this, txtAddLatDeg));
    wirePlaceTextKeys(txtAddLatDeg, true, focusTo(*this, txtAddLAtMin));
    wirePlaceTextKeys(txtAddLAtMin, true, focusTo(*this, cbAddEW));
    wirePlaceTextKeys(txtEditCity, false, focusTo(*this, txtEditLatDeg));
    wirePlaceTextKeys(txtEditLatDeg, true, focusTo(*this, txtEditLatMIn));
    wirePlaceTextKeys(txtEditLatMIn, true, focusTo(*this, cbEditEW));
}

// Positions in twips; the controls of a frame are placed inside it.
void frm_AddTimeZone::layOut() {
    TabStrip1.move(120, 120, 12300, 360);
    for (Frame* f : {&frameAdd, &frameEdit, &Frameview}) f->move(120, 480, 12300, 5460);
    for (Frame* f : {&frameAddSave, &frameUpdate}) f->move(120, 120, 12060, 1680);
    for (Frame* f : {&frameAddSearch, &frameEditSearch}) f->move(120, 1920, 12060, 3420);
    for (Grid* g : {&mshCity, &mshEditCity}) g->move(120, 240, 11820, 3060);

    cbAddCountry.move(1680, 240, 3600, 315);
    lblAddCountry.move(120, 280, 1500, 285);
    lblAddCity.move(120, 700, 1500, 285);
    txtAddCity.move(1680, 660, 3600, 315);
    lblAddHours.move(120, 1120, 1500, 285);
    txtAddLatDeg.move(1680, 1080, 600, 315);
    lblAddMinutes.move(2520, 1120, 900, 285);
    txtAddLAtMin.move(3480, 1080, 600, 315);
    lblAddEW.move(4320, 1120, 1260, 285);
    cbAddEW.move(5640, 1080, 840, 315);
    cmdAddSave.move(10680, 1080, 1200, 375);

    lblEditCountry.move(120, 280, 1500, 285);
    cbEditCountry.move(1680, 240, 3600, 315);
    lblEditZone.move(5520, 280, 1080, 285);
    cbEditCity.move(6660, 240, 3600, 315);
    lblEditCity.move(120, 700, 1500, 285);
    txtEditCity.move(1680, 660, 3600, 315);
    lblEditHours.move(120, 1120, 1500, 285);
    txtEditLatDeg.move(1680, 1080, 600, 315);
    lblEditMinutes.move(2520, 1120, 900, 285);
    txtEditLatMIn.move(3480, 1080, 600, 315);
    lblEditEW.move(4320, 1120, 1260, 285);
    cbEditEW.move(5640, 1080, 840, 315);
    cmdEditUpdate.move(10680, 1080, 1200, 375);

    lblViewCountry.move(240, 300, 1320, 285);
    cmbCountry.move(1680, 260, 3600, 315);
    mshViewCity.move(240, 780, 11820, 4500);

    Command1.move(11220, 6060, 1200, 375);
}

void frm_AddTimeZone::onLoad() {
    trapPlaceErrors(*this, [&] {
        move(2550, 0);
        frameAdd.setVisible(true);
        frameEdit.setVisible(false);
        for (ComboBox* c : {&cbAddEW, &cbEditEW}) fillLetterCombo(*c, "E", "W");
        FnFillCountryCombos();
        Frameview.setVisible(false);
    });
}

bool frm_AddTimeZone::refuse(bool failed, const char* message, Control& box) {
    return refuseEntry(*this, failed, message, MsgIcon::None, &box);
}

// ------------------------------------------------------------------ the lists

void frm_AddTimeZone::FnFillCountryCombos() {
    trapPlaceErrors(*this, [&] { fillCountryCombos({&cbAddCountry, &cbEditCountry, &cmbCountry}); });
}

void frm_AddTimeZone::chooseCountry(ComboBox& combo, void (frm_AddTimeZone::*fill)()) {
    trapPlaceErrors(*this, [&] {
        if (combo.listIndex() >= 0) currentCountryId_ = combo.itemData(combo.listIndex());
        {
            Statement row = sharedDatabase().query("select TimeZoneID from Country_Master where CountryID = ?",
                                                    currentCountryId_);
            // A country that cannot be found has no zones to show.
            currentZoneList_ = row.step() ? row.asText("TimeZoneID") : std::string();
        }
        (this->*fill)();
    });
}

void frm_AddTimeZone::cbAddCountry_Click() { chooseCountry(cbAddCountry, &frm_AddTimeZone::FnFillAddTimeZoneGrid); }
void frm_AddTimeZone::cbEditCountry_Click() { chooseCountry(cbEditCountry, &frm_AddTimeZone::FnFillEditTimeZones); }
void frm_AddTimeZone::cmbCountry_Click() { chooseCountry(cmbCountry, &frm_AddTimeZone::FnFillViewTimeZoneGrid); }

void frm_AddTimeZone::FnFillAddTimeZoneGrid() { fillZones(mshCity, nullptr); }
void frm_AddTimeZone::FnFillEditTimeZones() { fillZones(mshEditCity, &cbEditCity); }
void frm_AddTimeZone::FnFillViewTimeZoneGrid() { fillZones(mshViewCity, nullptr); }

// The zones of the current zone list: the grid sorted by name, the Edit
// panel's zone list in the country's own order.
void frm_AddTimeZone::fillZones(Grid& grid, ComboBox* zoneCombo) {
    trapPlaceErrors(*this, [&] {
        if (zoneCombo) zoneCombo->clear();
        grid.setFormatString(kGridFormat);
        grid.setRows(1);
        std::vector<std::array<std::string, 3>> zones;
        Database& db = sharedDatabase();
        for (const std::string& piece : split(currentZoneList_, ",")) {
            const auto key = wholeNumber(piece);
            if (!key) continue;
            Statement row = db.query("select SNo, Place, TimeDifference, TimeZone from TimeZone where SNo = ?", *key);
            if (!row.step()) continue;
            const std::string hours =
                row.isNull("TimeDifference") ? std::string() : numberText(row.asDouble("TimeDifference"));
            zones.push_back({row.asText("Place"), hours, row.asText("TimeZone")});
            if (zoneCombo) zoneCombo->addItem(row.asText("Place"), row.asInt("SNo"));
        }
        grid.setRows(static_cast<int>(zones.size()) + 1);
        for (size_t n = 0; n < zones.size(); ++n)
            for (int c = 0; c < 3; ++c) grid.setText(static_cast<int>(n) + 1, c, zones[n][static_cast<size_t>(c)]);
        grid.sortStringAscending(0);
    });
}

void frm_AddTimeZone::cbEditCity_Click() {
    trapPlaceErrors(*this, [&] {
        if (cbEditCity.listIndex() >= 0) editedZoneId_ = cbEditCity.itemData(cbEditCity.listIndex());
        Statement row = sharedDatabase().query("select Place, TimeDifference, TimeZone from TimeZone where SNo = ?",
                                                editedZoneId_);
        if (!row.step()) return;
        txtEditCity.setText(row.asText("Place"));
        const HoursAndMinutes hm = FnSplitDecimalHours(row.asDouble("TimeDifference"));
        txtEditLatDeg.setText(hm.hours);
        txtEditLatMIn.setText(hm.minutes);
        cbEditEW.setText(row.asText("TimeZone"));
    });
}

// -------------------------------------------------------------- Save and Update

// Tells how typed hours and minutes are stored; it only informs.
void frm_AddTimeZone::confirmDecimalHours(const std::string& text) {
    placeMessage(*this, text, MsgIcon::None, std::nullopt);
}

void frm_AddTimeZone::cmdAddSave_Click() {
    trapPlaceErrors(*this, [&] {
        if (refuse(cbAddCountry.text().empty(), "Select Country ", cbAddCountry) ||
            refuse(txtAddCity.text().empty(), "Enter City ", txtAddCity) ||
            refuse(txtAddLatDeg.text().empty(), "Enter Time Hours", txtAddLatDeg) ||
            refuse(txtAddLAtMin.text().empty(), "Enter Time Min", txtAddLAtMin) ||
            refuse(cbAddEW.text().empty(), "Enter Zone", cbAddEW))
            return;
        const auto hours = wholeNumber(txtAddLatDeg.text());
        if (refuse(!hours, "Enter Number ", txtAddLatDeg)) return;
        const auto minutes = wholeNumber(txtAddLAtMin.text());
        if (refuse(!minutes, "Enter Number ", txtAddLAtMin)) return;
        const double value = FnDecimalHours(*hours, *minutes);
        if (*minutes > 0)
            confirmDecimalHours("Your Entered Time  " + txtAddLatDeg.text() + "  hours " + txtAddLAtMin.text() +
                                "  Minutes " + "is saved as  " + numberText(value) + " hours");

        // The zone and its place in the country's list are written together.
        Database& db = sharedDatabase();
        {
            Transaction t(db);
            db.execute("insert into TimeZone (Place, TimeDifference, TimeZone) values (?, ?, ?)",
                       trim(txtAddCity.text()), value, trim(cbAddEW.text()));
            const std::int32_t zoneKey = db.lastInsertKey();
            std::string zoneList;
            {
                Statement country =
                    db.query("select TimeZoneID from Country_Master where CountryID = ?", currentCountryId_);
                if (!country.step()) throw placeRowGone("country");
                zoneList = country.asText("TimeZoneID");
            }
            if (db.execute("update Country_Master set TimeZoneID = ? where CountryID = ?",
                           FnAppendZoneKey(zoneList, zoneKey), currentCountryId_) != 1)
                throw placeRowGone("country");
            t.commit();
        }

        placeMessage(*this, "Details successfully saved", MsgIcon::Information, std::string(kCaption));
        cbAddCountry_Click();
        txtAddCity.setText({});
        cbAddEW.setText({});
        txtAddLatDeg.setText({});
        txtAddLAtMin.setText({});
    });
}

void frm_AddTimeZone::cmdEditUpdate_Click() {
    trapPlaceErrors(*this, [&] {
        if (refuse(cbEditCountry.text().empty(), "Select Country ", cbEditCountry) ||
            refuse(cbEditCity.text().empty(), "Select Time Zone", cbEditCity) ||
            refuse(txtEditCity.text().empty(), "Enter Time Zone ", txtEditCity) ||
            refuse(txtEditLatDeg.text().empty(), "Enter Hours", txtEditLatDeg) ||
            refuse(txtEditLatMIn.text().empty(), "Enter Minutes", txtEditLatMIn) ||
            refuse(cbEditEW.text().empty(), "Add Zone", cbEditEW))
            return;
        const auto hours = wholeNumber(txtEditLatDeg.text());
        if (refuse(!hours, "Enter Number ", txtEditLatDeg)) return;
        const auto minutes = wholeNumber(txtEditLatMIn.text());
        if (refuse(!minutes, "Enter Number ", txtEditLatMIn)) return;
        const double value = FnDecimalHours(*hours, *minutes);
        if (*minutes > 0)
            confirmDecimalHours("Your Entered Time  " + txtEditLatDeg.text() + "  hours  " + txtEditLatMIn.text() +
                                " Minutes " + " is saved as  " + numberText(value) + " hours");

        // The name is stored as typed, blanks included.
        if (sharedDatabase().execute("update TimeZone set Place = ?, TimeDifference = ?, TimeZone = ? where SNo = ?",
                                      txtEditCity.text(), value, cbEditEW.text(), editedZoneId_) != 1)
            throw placeRowGone("time zone");

        placeMessage(*this, "Successfully Updated", MsgIcon::Information, std::string(kCaption));
        cbEditCountry_Click();
        cbEditCity.setText({});
        txtEditCity.setText({});
        txtEditLatDeg.setText({});
        txtEditLatMIn.setText({});
        cbEditEW.setText({});
    });
}

// ------------------------------------------------------------ tabs and Cancel

void frm_AddTimeZone::TabStrip1_Click() {
    trapPlaceErrors(*this, [&] {
        const int tab = TabStrip1.selectedIndex();
        frameAdd.setVisible(tab == 1);
        frameEdit.setVisible(tab == 2);
        Frameview.setVisible(tab == 3);
        if (tab == 1) {
            for (ComboBox* c : {&cbAddCountry, &cbAddEW}) c->setText({});
            for (TextBox* t : {&txtAddCity, &txtAddLatDeg, &txtAddLAtMin}) t->setText({});
            mshCity.clear();
        } else if (tab == 2) {
            for (ComboBox* c : {&cbEditCountry, &cbEditEW}) c->setText({});
            for (TextBox* t : {&txtEditCity, &txtEditLatDeg, &txtEditLatMIn}) t->setText({});
        } else if (tab == 3) {
            cmbCountry.setText({});
        }
    });
}

void frm_AddTimeZone::Command1_Click() {
    WindowRegistry& windows = registry();
    trapPlaceErrors(*this, [&] {
        showBirthDetailsAgain(windows);
        unload();
    });
}

}  // namespace jd
