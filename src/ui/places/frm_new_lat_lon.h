#pragma once
// The city master "City Details": the cities of each country with latitude
// and longitude as whole degrees, a hemisphere letter and whole minutes. Its
// three tabs add a city to a country (refusing a second city of that name in
// the country, names compared without regard to letter case), change the
// name and coordinates of a stored city, and list the cities of a country
// with a search by the beginning of a name. It deletes nothing and never
// moves a city to another country.
#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class frm_New_LatLon final : public Window {
public:
    static constexpr const char* kWindowName = "frm_New_LatLon";
    static constexpr const char* kCaption = "City Details";
    // The header of the three city grids, each column as wide as its caption.
    static constexpr const char* kGridFormat =
        "City                        |   Lat.Deg    |  Lat.NS  | Lat.Min   | Lon.Deg  | Lon.EW  | Lon.Min";
    // The background of the row Find marks, and of the rows it passes.
    static constexpr unsigned kFoundBackColor = 0xFFFFC0;
    static constexpr unsigned kPassedBackColor = 0xFFFFFF;
    // A grid of more rows than this (header included) scrolls the match to its top.
    static constexpr int kVisibleGridRows = 18;

    frm_New_LatLon();

    TabStrip TabStrip1{"TabStrip1", {"Add City", "Edit City", "View City"}};

    // ---- the Add tab
    Frame frameAdd{"frameAdd"};
    Frame frameAddSave{"frameAddSave"};
    Frame frameAddSearch{"frameAddSearch"};
    Label lblAddCountry{"lblAddCountry", "Country"};
    ComboBox cbAddCountry{"cbAddCountry"};
    Label lblAddCity{"lblAddCity", "City"};
    TextBox txtAddCity{"txtAddCity"};
    Label lblAddLatDeg{"lblAddLatDeg", "Latitude Deg"};
    TextBox txtAddLatDeg{"txtAddLatDeg", "", 3};
    Label lblAddNS{"lblAddNS", "N/S"};
    ComboBox cbAddNS{"cbAddNS"};
    Label lblAddLatMin{"lblAddLatMin", "Latitude Min"};
    TextBox txtAddLAtMin{"txtAddLAtMin", "", 2};
    Label lblAddLonDeg{"lblAddLonDeg", "Longitude Deg"};
    TextBox txtAddLonDeg{"txtAddLonDeg", "", 3};
    Label lblAddEW{"lblAddEW", "E/W"};
    ComboBox cbAddEW{"cbAddEW"};
    Label lblAddLonMin{"lblAddLonMin", "Longitude Min"};
    TextBox txtAddLonMin{"txtAddLonMin", "", 2};
    CommandButton cmdAddSave{"cmdAddSave", "&Save"};
    Grid mshCity{"mshCity", 1, 7, 1, 0};

    // ---- the Edit tab
    Frame frameEdit{"frameEdit", "", false};
    Frame frameUpdate{"frameUpdate"};
    Frame frameEditSearch{"frameEditSearch"};
    Label lblEditCountry{"lblEditCountry", "Country "};
    ComboBox cbEditCountry{"cbEditCountry"};
    Label lblEditCityList{"lblEditCityList", "City"};
    ComboBox cbEditCity{"cbEditCity"};
    Label lblEditCity{"lblEditCity", "Edit  City"};
    TextBox txtEditCity{"txtEditCity"};
    Label lblEditLatDeg{"lblEditLatDeg", "Latitude Deg"};
    TextBox txtEditLatDeg{"txtEditLatDeg", "", 3};
    Label lblEditNS{"lblEditNS", "N/S"};
    ComboBox cbEditNS{"cbEditNS"};
    Label lblEditLatMin{"lblEditLatMin", "Latitude Min"};
    TextBox txtEditLatMIn{"txtEditLatMIn", "", 2};
    Label lblEditLonDeg{"lblEditLonDeg", "Longitude Deg"};
    TextBox txtEditLonDeg{"txtEditLonDeg", "", 3};
    Label lblEditEW{"lblEditEW", "E/W"};
    ComboBox cbEditEW{"cbEditEW"};
    Label lblEditLonMin{"lblEditLonMin", "Longitude Min"};
    TextBox txtEditLonMin{"txtEditLonMin", "", 2};
    CommandButton cmdEditUpdate{"cmdEditUpdate", "&Update"};
    Grid mshEditCity{"mshEditCity", 1, 7, 1, 0};

    // ---- the View tab
    Frame Frameview{"Frameview", "", false};
    Label lblViewCountry{"lblViewCountry", "Select Country"};
    ComboBox cmbCountry{"cmbCountry"};
    Grid mshViewCity{"mshViewCity", 1, 7, 1, 0};
    Label lblCityName{"lblCityName", "Search for City"};
    TextBox txtCityName{"txtCityName"};
    CommandButton cmdFind{"cmdFind", "&Find"};

    CommandButton cmdAddCLose1{"cmdAddCLose1", "&Cancel"};

    // The country last chosen on any tab, and the city last chosen for editing.
    std::int32_t SelectedCountryID = 0;
    std::int32_t EditCityID = 0;

    void FnFillCountryCombos();
    void FnFillAddCityGrid(std::int32_t countryId);
    void FnFillEditCityGrid(std::int32_t countryId);
    void FnFillViewCityGrid(std::int32_t countryId);
    void FnFillEditCityCombo();
    // Marks the first row of mshViewCity whose name begins with the search
    // text (letters compared without case); false when none does.
    bool FnFindCityInGrid();

    void TabStrip1_Click();
    void cbAddCountry_Click();
    void cbEditCountry_Click();
    void cmbCountry_Click();
    void cbEditCity_Click();
    void cmdAddSave_Click();
    void cmdEditUpdate_Click();
    void cmdFind_Click();
    void cmdAddCLose1_Click();

protected:
    void onLoad() override;

private:
    void layOut();
    void fillCityGrid(Grid& grid, std::int32_t countryId);
    void emptyAddFields();
    bool refuse(bool failed, const char* message, Control& box);
    void paintRow(int row, unsigned color);
};

}  // namespace jd
