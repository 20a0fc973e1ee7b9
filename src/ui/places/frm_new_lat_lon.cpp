#include "ui/places/frm_new_lat_lon.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

#include "platform/database.h"
#include "platform/text.h"
#include "ui/places/place_forms.h"

namespace jd {

namespace {

// The columns of a city row, in the order of the grids' columns.
constexpr std::array<const char*, 7> kCityColumns{"CityName",        "LatitudeDegree", "Latitude_NS",
                                                  "LatitudeMinute",  "LongitudeDegree", "Longitude_EW",
                                                  "LongitudeMinute"};

}  // namespace

frm_New_LatLon::frm_New_LatLon() : Window(kWindowName, kCaption) {
    setWidth(12420);
    setHeight(7740);
    for (Grid* g : {&mshCity, &mshEditCity, &mshViewCity}) g->setDesignedFormat(kGridFormat);
    layOut();

    TabStrip1.onClick = [this] { TabStrip1_Click(); };
    cbAddCountry.onClick = [this] { cbAddCountry_Click(); };
    cbEditCountry.onClick = [this] { cbEditCountry_Click(); };
    cmbCountry.onClick = [this] { cmbCountry_Click(); };
    cbEditCity.onClick = [this] { cbEditCity_Click(); };
    cmdAddSave.onClick = [this] { cmdAddSave_Click(); };
    cmdEditUpdate.onClick = [this] { cmdEditUpdate_Click(); };
    cmdFind.onClick = [this] { cmdFind_Click(); };
    cmdAddCLose1.onClick = [this] { cmdAddCLose1_Click(); };

    // Combo boxes take only their entries; text boxes act on Enter, and the
    // degree and minute fields take digits only.
    wirePlaceComboKeys(*this, cbAddCountry, focusTo(*this, txtAddCity));
    wirePlaceTextKeys(txtAddCity, false, focusTo(*this, txtAddLatDeg));
    wirePlaceTextKeys(txtAddLatDeg, true, focusTo(*this, cbAddNS));
    wirePlaceComboKeys(*this, cbAddNS, focusTo(*this, txtAddLAtMin));
    wirePlaceTextKeys(txtAddLAtMin, true, focusTo(*this, txtAddLonDeg));
    wirePlaceTextKeys(txtAddLonDeg, true, focusTo(*this, cbAddEW));
    wirePlaceComboKeys(*this, cbAddEW, focusTo(*this, txtAddLonMin));
    wirePlaceTextKeys(txtAddLonMin, true, [this] { cmdAddSave_Click(); });
    wirePlaceComboKeys(*this, cbEditCountry, focusTo(*this, cbEditCity));
    wirePlaceComboKeys(*this, cbEditCity, focusTo(*this, txtEditCity));
    wirePlaceTextKeys(txtEditCity, false, focusTo(*this, txtEditLatDeg));
    wirePlaceTextKeys(txtEditLatDeg, true, focusTo(*this, cbEditNS));
    wirePlaceComboKeys(*this, cbEditNS, focusTo(*this, txtEditLatMIn));
    wirePlaceTextKeys(txtEditLatMIn, true, focusTo(*this, txtEditLonDeg));
    wirePlaceTextKeys(txtEditLonDeg, true, focusTo(*this, cbEditEW));
    wirePlaceComboKeys(*this, cbEditEW, focusTo(*this, txtEditLonMin));
    wirePlaceTextKeys(txtEditLonMin, true, [this] { cmdEditUpdate_Click(); });
    wirePlaceComboKeys(*this, cmbCountry, [this] { cmbCountry_Click(); });
}

// Positions in twips; the controls of a frame are placed inside it.
void frm_New_LatLon::layOut() {
    TabStrip1.move(120, 120, 12000, 360);
    for (Frame* f : {&frameAdd, &frameEdit, &Frameview}) f->move(120, 480, 12000, 6180);
    for (Frame* f : {&frameAddSave, &frameUpdate}) f->move(120, 120, 11760, 1980);
    for (Frame* f : {&frameAddSearch, &frameEditSearch}) f->move(120, 2220, 11760, 3840);
    for (Grid* g : {&mshCity, &mshEditCity}) g->move(120, 240, 11520, 3480);

    // Rows of the entry frames: country (and city), name, latitude, longitude.
    const auto coordinates = [](Label& degLabel, TextBox& deg, Label& letterLabel, ComboBox& letter, Label& minLabel,
                                TextBox& min, double top) {
        degLabel.move(120, top + 40, 1320, 285);
        deg.move(1500, top, 720, 315);
        letterLabel.move(2460, top + 40, 540, 285);
        letter.move(3000, top, 720, 315);
        minLabel.move(3960, top + 40, 1320, 285);
        min.move(5340, top, 720, 315);
    };
    lblAddCountry.move(120, 280, 1320, 285);
    cbAddCountry.move(1500, 240, 3600, 315);
    lblAddCity.move(120, 700, 1320, 285);
    txtAddCity.move(1500, 660, 3600, 315);
    coordinates(lblAddLatDeg, txtAddLatDeg, lblAddNS, cbAddNS, lblAddLatMin, txtAddLAtMin, 1080);
    coordinates(lblAddLonDeg, txtAddLonDeg, lblAddEW, cbAddEW, lblAddLonMin, txtAddLonMin, 1500);
    cmdAddSave.move(10320, 1260, 1200, 375);

    lblEditCountry.move(120, 280, 1320, 285);
    cbEditCountry.move(1500, 240, 3600, 315);
    lblEditCityList.move(5340, 280, 600, 285);
    cbEditCity.move(6000, 240, 3600, 315);
    lblEditCity.move(120, 700, 1320, 285);
    txtEditCity.move(1500, 660, 3600, 315);
    coordinates(lblEditLatDeg, txtEditLatDeg, lblEditNS, cbEditNS, lblEditLatMin, txtEditLatMIn, 1080);
    coordinates(lblEditLonDeg, txtEditLonDeg, lblEditEW, cbEditEW, lblEditLonMin, txtEditLonMin, 1500);
    cmdEditUpdate.move(10320, 1260, 1200, 375);

    lblViewCountry.move(240, 300, 1320, 285);
    cmbCountry.move(1620, 260, 3600, 315);
    mshViewCity.move(240, 720, 11520, 4680);
    lblCityName.move(240, 5620, 1320, 285);
    txtCityName.move(1620, 5580, 3600, 315);
    cmdFind.move(5400, 5550, 1200, 375);

    cmdAddCLose1.move(10920, 6780, 1200, 375);
}

void frm_New_LatLon::onLoad() {
    trapPlaceErrors(*this, [&] {
        move(2000, 0);
        frameAdd.setVisible(true);
        frameEdit.setVisible(false);
        Frameview.setVisible(false);
        for (ComboBox* c : {&cbAddEW, &cbEditEW}) fillLetterCombo(*c, "E", "W");
        for (ComboBox* c : {&cbAddNS, &cbEditNS}) fillLetterCombo(*c, "N", "S");
        FnFillCountryCombos();
    });
}

bool frm_New_LatLon::refuse(bool failed, const char* message, Control& box) {
    return refuseEntry(*this, failed, message, MsgIcon::None, &box);
}

// ------------------------------------------------------------------ the lists

void frm_New_LatLon::FnFillCountryCombos() {
    trapPlaceErrors(*this, [&] { fillCountryCombos({&cbAddCountry, &cbEditCountry, &cmbCountry}); });
}

void frm_New_LatLon::fillCityGrid(Grid& grid, std::int32_t countryId) {
    trapPlaceErrors(*this, [&] {
        grid.clear();
        grid.setRows(1);
        for (int c = 0; c < grid.cols(); ++c) grid.setCellBackColor(0, c, 0xFFFFFFFFu);
        grid.setFormatString(kGridFormat);
        std::vector<std::array<std::string, 7>> cities;
        Statement rows = sharedDatabase().query("select * from City_Master where CountryID = ? order by CityName",
                                                 countryId);
        while (rows.step()) {
            std::array<std::string, 7> city;
            for (size_t c = 0; c < kCityColumns.size(); ++c) city[c] = rows.asText(kCityColumns[c]);
            cities.push_back(std::move(city));
        }
        grid.setRows(static_cast<int>(cities.size()) + 1);
        for (size_t r = 0; r < cities.size(); ++r)
            for (size_t c = 0; c < kCityColumns.size(); ++c)
                grid.setText(static_cast<int>(r) + 1, static_cast<int>(c), cities[r][c]);
    });
}

void frm_New_LatLon::FnFillAddCityGrid(std::int32_t countryId) { fillCityGrid(mshCity, countryId); }
void frm_New_LatLon::FnFillEditCityGrid(std::int32_t countryId) { fillCityGrid(mshEditCity, countryId); }
void frm_New_LatLon::FnFillViewCityGrid(std::int32_t countryId) { fillCityGrid(mshViewCity, countryId); }

void frm_New_LatLon::FnFillEditCityCombo() {
    trapPlaceErrors(*this, [&] {
        cbEditCity.clear();
        Statement rows = sharedDatabase().query(
            "select CityID, CityName from City_Master where CountryID = ? order by CityName", SelectedCountryID);
        while (rows.step()) cbEditCity.addItem(rows.asText("CityName"), rows.asInt("CityID"));
    });
}

void frm_New_LatLon::cbAddCountry_Click() {
    if (cbAddCountry.listIndex() >= 0) SelectedCountryID = cbAddCountry.itemData(cbAddCountry.listIndex());
    FnFillAddCityGrid(SelectedCountryID);
}

void frm_New_LatLon::cbEditCountry_Click() {
    if (cbEditCountry.listIndex() >= 0) SelectedCountryID = cbEditCountry.itemData(cbEditCountry.listIndex());
    FnFillEditCityCombo();
    FnFillEditCityGrid(SelectedCountryID);
}

void frm_New_LatLon::cmbCountry_Click() {
    if (cmbCountry.listIndex() >= 0) SelectedCountryID = cmbCountry.itemData(cmbCountry.listIndex());
    FnFillViewCityGrid(SelectedCountryID);
}

void frm_New_LatLon::cbEditCity_Click() {
    trapPlaceErrors(*this, [&] {
        if (cbEditCity.listIndex() >= 0) EditCityID = cbEditCity.itemData(cbEditCity.listIndex());
        Statement row = sharedDatabase().query("select * from City_Master where CityID = ?", EditCityID);
        if (!row.step()) return;
        txtEditCity.setText(row.asText("CityName"));
        txtEditLatDeg.setText(row.asText("LatitudeDegree"));
        cbEditNS.setText(row.asText("Latitude_NS"));
        txtEditLatMIn.setText(row.asText("LatitudeMinute"));
        txtEditLonDeg.setText(row.asText("LongitudeDegree"));
        cbEditEW.setText(row.asText("Longitude_EW"));
        txtEditLonMin.setText(row.asText("LongitudeMinute"));
    });
}

// -------------------------------------------------------------- Save and Update

void frm_New_LatLon::emptyAddFields() {
    for (TextBox* t : {&txtAddCity, &txtAddLatDeg, &txtAddLAtMin, &txtAddLonDeg, &txtAddLonMin}) t->setText({});
    cbAddEW.setText({});
    cbAddNS.setText({});
}

void frm_New_LatLon::cmdAddSave_Click() {
    trapPlaceErrors(*this, [&] {
        if (refuse(cbAddCountry.text().empty(), "Select Country ", cbAddCountry) ||
            refuse(txtAddCity.text().empty(), "Enter City ", txtAddCity) ||
            refuse(txtAddLatDeg.text().empty(), "Enter Lat Deg", txtAddLatDeg) ||
            refuse(txtAddLAtMin.text().empty(), "Enter Lat Min", txtAddLAtMin) ||
            refuse(cbAddNS.text().empty(), "Add Lat Zone", cbAddNS) ||
            refuse(txtAddLonDeg.text().empty(), "Enter Lon Deg", txtAddLonDeg) ||
            refuse(txtAddLonMin.text().empty(), "Enter Lon Min", txtAddLonMin) ||
            refuse(cbAddEW.text().empty(), "Add Lon Zone", cbAddEW))
            return;
        const auto latDeg = wholeNumber(txtAddLatDeg.text());
        const auto lonDeg = wholeNumber(txtAddLonDeg.text());
        const auto latMin = wholeNumber(txtAddLAtMin.text());
        const auto lonMin = wholeNumber(txtAddLonMin.text());
        if (refuse(!latDeg, "Enter Number ", txtAddLatDeg) || refuse(!lonDeg, "Enter Number ", txtAddLonDeg) ||
            refuse(!latMin, "Enter Number ", txtAddLAtMin) || refuse(!lonMin, "Enter Number ", txtAddLonMin))
            return;

        const std::string name = trim(txtAddCity.text());
        Database& db = sharedDatabase();
        bool listed = false;
        {
            Transaction t(db);
            Statement same = db.query("select CityID from City_Master where CountryID = ? and CityName = ?",
                                      SelectedCountryID, name);
            listed = same.step();
            if (!listed) {
                db.execute(
                    "insert into City_Master (CityName, CountryID, LatitudeDegree, Latitude_NS, LatitudeMinute,"
                    " LongitudeDegree, Longitude_EW, LongitudeMinute) values (?, ?, ?, ?, ?, ?, ?, ?)",
                    name, SelectedCountryID, *latDeg, trim(cbAddNS.text()), *latMin, *lonDeg, trim(cbAddEW.text()),
                    *lonMin);
                t.commit();
            }
        }
        if (listed) {
            placeMessage(*this, "City Details Already Exists", MsgIcon::Information, std::string(kCaption));
            emptyAddFields();
            return;
        }
        placeMessage(*this, "City Details Saved", MsgIcon::Information, std::string(kCaption));
        cbAddCountry_Click();
        emptyAddFields();
    });
}

void frm_New_LatLon::cmdEditUpdate_Click() {
    trapPlaceErrors(*this, [&] {
        if (refuse(cbEditCountry.text().empty(), "Select Country ", cbEditCountry) ||
            refuse(cbEditCity.text().empty(), "Select CIty", cbEditCity) ||
            refuse(txtEditCity.text().empty(), "Enter City ", txtEditCity) ||
            refuse(txtEditLatDeg.text().empty(), "Enter Lat Deg", txtEditLatDeg) ||
            refuse(txtEditLatMIn.text().empty(), "Enter Lat Min", txtEditLatMIn) ||
            refuse(cbEditNS.text().empty(), "Add Lat Zone", cbEditNS) ||
            refuse(txtEditLonDeg.text().empty(), "Enter Lon Deg", txtEditLonDeg) ||
            refuse(txtEditLonMin.text().empty(), "Enter Lon Min", txtEditLonMin) ||
            refuse(cbEditEW.text().empty(), "Add Lon Zone", cbEditEW))
            return;
        const auto latDeg = wholeNumber(txtEditLatDeg.text());
        const auto lonDeg = wholeNumber(txtEditLonDeg.text());
        const auto lonMin = wholeNumber(txtEditLonMin.text());
        const auto latMin = wholeNumber(txtEditLatMIn.text());
        if (refuse(!latDeg, "Enter Number ", txtEditLatDeg) || refuse(!lonDeg, "Enter Number ", txtEditLonDeg) ||
            refuse(!lonMin, "Enter Number ", txtEditLonMin) || refuse(!latMin, "Enter Number ", txtEditLatMIn))
            return;

        // The texts as they stand, the name's blanks included; the country stays.
        if (sharedDatabase().execute(
                "update City_Master set CityName = ?, LatitudeDegree = ?, Latitude_NS = ?, LatitudeMinute = ?,"
                " LongitudeDegree = ?, Longitude_EW = ?, LongitudeMinute = ? where CityID = ?",
                txtEditCity.text(), *latDeg, cbEditNS.text(), *latMin, *lonDeg, cbEditEW.text(), *lonMin,
                EditCityID) != 1)
            throw placeRowGone("city");

        placeMessage(*this, "Successfully Updated", MsgIcon::Information, std::string(kCaption));
        cbEditCity.setText({});
        for (TextBox* t : {&txtEditCity, &txtEditLatDeg, &txtEditLonDeg, &txtEditLatMIn, &txtEditLonMin})
            t->setText({});
        cbEditEW.setText({});
        cbEditNS.setText({});
        cbEditCountry_Click();
    });
}

// ------------------------------------------------------------------------ Find

void frm_New_LatLon::cmdFind_Click() {
    trapPlaceErrors(*this, [&] {
        if (refuseEntry(*this, trim(txtCityName.text()).empty(), "Enter City Name to Search", MsgIcon::Information,
                        &txtCityName))
            return;
        FnFindCityInGrid();
    });
}

void frm_New_LatLon::paintRow(int row, unsigned color) {
    mshViewCity.setRow(row);
    for (int c = 0; c < static_cast<int>(kCityColumns.size()); ++c) {
        mshViewCity.setCol(c);
        mshViewCity.setCellBackColor(row, c, color);
    }
}

bool frm_New_LatLon::FnFindCityInGrid() {
    bool found = false;
    trapPlaceErrors(*this, [&] {
        const std::string wanted = lowerAscii(trim(txtCityName.text()));
        const int n = textLength(wanted);
        const int last = mshViewCity.rows() - 1;
        int match = 0;
        for (int r = 1; r <= last && match == 0; ++r) {
            if (lowerAscii(leftText(mshViewCity.text(r, 0), n)) == wanted)
                match = r;
            else
                paintRow(r, kPassedBackColor);
        }
        if (match == 0) {
            placeMessage(*this, "No matches found for the City Name entered", MsgIcon::Information, std::nullopt);
            return;
        }
        // Rows a search marked before lose their mark, so one row is marked.
        for (int r = match + 1; r <= last; ++r) paintRow(r, kPassedBackColor);
        paintRow(match, kFoundBackColor);
        if (mshViewCity.rows() > kVisibleGridRows) mshViewCity.setTopRow(match);
        found = true;
    });
    return found;
}

// ------------------------------------------------------------ tabs and Cancel

void frm_New_LatLon::TabStrip1_Click() {
    trapPlaceErrors(*this, [&] {
        const int tab = TabStrip1.selectedIndex();
        frameAdd.setVisible(tab == 1);
        frameEdit.setVisible(tab == 2);
        Frameview.setVisible(tab == 3);
        if (tab == 1) {
            for (ComboBox* c : {&cbAddCountry, &cbAddEW, &cbAddNS}) c->setText({});
            for (TextBox* t : {&txtAddCity, &txtAddLatDeg, &txtAddLAtMin, &txtAddLonDeg, &txtAddLonMin})
                t->setText({});
            mshCity.clear();
        } else if (tab == 2) {
            for (ComboBox* c : {&cbEditCountry, &cbEditEW, &cbEditNS}) c->setText({});
            for (TextBox* t : {&txtEditCity, &txtEditLatDeg, &txtEditLatMIn, &txtEditLonDeg, &txtEditLonMin})
                t->setText({});
        } else if (tab == 3) {
            cmbCountry.setText({});
            mshViewCity.clear();
        }
    });
}

void frm_New_LatLon::cmdAddCLose1_Click() {
    WindowRegistry& windows = registry();
    trapPlaceErrors(*this, [&] {
        unload();
        showBirthDetailsAgain(windows);
    });
}

}  // namespace jd
