#pragma once
// The contents of the nine result windows and the print window: every label,
// label array, frame and grid that the chart computation writes and the report
// reads back, each with its designed caption, index range, rows, columns and
// format string. The windows themselves (placement, advertisement panes,
// activation) live in the user interface; these records are what they show.
//
// Unloading a window puts its contents back to the designed state (reset()).
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/input_controls.h"

namespace jd {

// One line of the birth-details window: the value label and the static caption
// beside it (none for txtist).
struct DetailRow {
    Label* value;
    Label* caption;
};

struct UserDetailsContents {
    Label Label1{"Label1", "  Birth Details"};

    // Value labels, in the order of the window's lines.
    Label txtGName{"txtGName", "NAME"};
    Label txtSex{"txtSex"};
    Label Txt_BC_Date{"Txt_BC_Date"};
    Label txtTimeOfBirth{"txtTimeOfBirth"};
    Label txtist{"txtist"};
    Label txtlmt{"txtlmt"};
    Label txtgmt{"txtgmt"};
    Label txtTimeZone{"txtTimeZone"};
    Label txtIshtaGhati{"txtIshtaGhati"};
    Label txtCountry{"txtCountry"};
    Label txtCity{"txtCity"};
    Label txtLatutude{"txtLatutude"};
    Label txtLongitude{"txtLongitude"};
    Label txtSunRise{"txtSunRise"};
    Label txtSunSet{"txtSunSet"};
    Label txtAyanamsa{"txtAyanamsa"};
    Label txtVedic{"txtVedic"};
    Label txtGregorian{"txtGregorian"};
    Label txtSolarDate{"txtSolarDate"};
    Label txtSLunarDate{"txtSLunarDate"};
    Label txtKLunarDate{"txtKLunarDate"};
    Label txtKaliyugaYear{"txtKaliyugaYear"};
    Label txtAyana{"txtAyana"};
    Label txtLagna{"txtLagna"};
    Label txtRasi{"txtRasi"};
    Label txtStar{"txtStar"};
    Label txtTithi{"txtTithi"};
    Label txtPaksha{"txtPaksha"};
    Label txtYogam{"txtYogam"};
    Label txtKarnam{"txtKarnam"};

    // Static captions beside the value labels (lbl + the value label's stem).
    Label lblGName{"lblGName", "Name"};
    Label lblSex{"lblSex", "Sex"};
    Label lblBC_Date{"lblBC_Date", "Date of Birth"};
    Label lblTimeOfBirth{"lblTimeOfBirth", "Timeof Birth"};
    Label lbllmt{"lbllmt", "LMT"};
    Label lblgmt{"lblgmt", "GMT"};
    Label lblTimeZone{"lblTimeZone", "Time Zone"};
    Label lblIshtaGhati{"lblIshtaGhati", "Ishta Kaal"};
    Label lblCountry{"lblCountry", "Country"};
    Label lblCity{"lblCity", "City"};
    Label lblLatutude{"lblLatutude", "Latitude"};
    Label lblLongitude{"lblLongitude", "Longitude"};
    Label lblSunRise{"lblSunRise", "Sunrise"};
    Label lblSunSet{"lblSunSet", "Sunset"};
    Label lblAyanamsa{"lblAyanamsa", "Ayanamsa"};
    Label lblVedic{"lblVedic", "Vedic"};
    Label lblGregorian{"lblGregorian", "Gregorian"};
    Label lblSolarDate{"lblSolarDate", "Solar Date "};
    Label lblSLunarDate{"lblSLunarDate", "Lunar Date (Sukladi)"};
    Label lblKLunarDate{"lblKLunarDate", "Lunar Date(Krishnadi)"};
    Label lblKaliyugaYear{"lblKaliyugaYear", "Kaliyuga Year"};
    Label lblAyana{"lblAyana", "Ayana "};
    Label lblLagna{"lblLagna", "Janma Lagna"};
    Label lblRasi{"lblRasi", "Janma Rasi"};
    Label lblStar{"lblStar", "Star"};
    Label lblTithi{"lblTithi", "Tithi"};
    Label lblPaksha{"lblPaksha", "Paksha "};
    Label lblYogam{"lblYogam", "Yogam"};
    Label lblKarnam{"lblKarnam", "Karnam"};

    // The thirty lines of the window in their designed order.
    std::vector<DetailRow> rows();
    void reset();
};

// The rasi chart window: one frame per chart style and the cells inside them.
struct RasiContents {
    Label Label1{"Label1", "  Rasi Chart"};
    Frame Frame_SouthBride{"Frame_SouthBride"};
    Frame Frame_NorthBride{"Frame_NorthBride"};
    Frame Frame_EastBride{"Frame_EastBride"};
    Label Label10{"Label10", "Rasi Chart"};  // the name in the middle of the South square
    LabelArray Lab_GM_GirlHouse{"Lab_GM_GirlHouse", 0, 11};               // South, sign - 1
    LabelArray Lab_ChartHouseN_Girl{"Lab_ChartHouseN_Girl", 1, 12};       // North, house
    LabelArray Lab_chartHouse_Girl_Rasi{"Lab_chartHouse_Girl_Rasi", 1, 12};  // East, sign
    LabelArray Lab_NHouseNo{"Lab_NHouseNo", 1, 12};                       // North, sign of house
    void reset();
};

// The navamsa and bhava chart windows share one design of cells.
struct DivisionChartContents {
    DivisionChartContents(std::string title, std::string centreName)
        : Label1{"Label1", std::move(title)}, Label10{"Label10", std::move(centreName)} {}
    Label Label1;
    Frame Frame_SouthBride{"Frame_SouthBride"};
    Frame Frame_NorthBride{"Frame_NorthBride"};
    Frame Frame_EastBride{"Frame_EastBride"};
    Label Label10;
    LabelArray Lab_GirlNav{"Lab_GirlNav", 0, 11};
    LabelArray Lab_ChartHouseN_GirlNav{"Lab_ChartHouseN_GirlNav", 1, 12};
    LabelArray Lab_ChartGHouse_Girl_Nav{"Lab_ChartGHouse_Girl_Nav", 1, 12};
    LabelArray Lab_NHouseNo{"Lab_NHouseNo", 1, 12};
    void reset();
};

struct NavamsaContents : DivisionChartContents {
    NavamsaContents() : DivisionChartContents("  Navamsa Chart", "Navamsa Chart") {}
};

struct BhavaChartContents : DivisionChartContents {
    BhavaChartContents() : DivisionChartContents("  Bhava Chart", "Bhava Chart") {}
};

struct CBhavaContents {
    CBhavaContents();
    Label Label1{"Label1", "  Bhava Features"};
    Control SSTab1{"SSTab1"};
    Grid msh_Bhava{"msh_Bhava", 13, 5, 1, 0};
    Grid msh_star{"msh_star", 13, 8, 1, 0};
    void reset();
};

struct PlanetPositionsContents {
    PlanetPositionsContents();
    Label Label1{"Label1", "  Planetary Positions"};
    Label Label2{"Label2", "* Jaimini Karakas"};
    Label Label3{"Label3", "** Sayanadiavasthas"};
    Grid mshNirayana{"mshNirayana", 11, 10, 1, 0};
    Grid MSFlexGridSort{"MSFlexGridSort", 8, 1, 1, 0};
    void reset();
};

struct VargasContents {
    VargasContents();
    Label Label1{"Label1", " Vargas"};
    Grid mshVargas{"mshVargas", 22, 11, 1, 1};
    void reset();
};

struct AVargasContents {
    AVargasContents();
    Label Label1{"Label1", "  Ashta Vargas"};
    Grid mshAshtaVarga{"mshAshtaVarga", 14, 12, 1, 1};
    void reset();
};

struct DasaContents {
    DasaContents();
    Label Label2{"Label2", "  Vimshottari Dasa"};
    Label Label19{"Label19", "Dasa"};
    Label Label1{"Label1", "Bhukthi"};
    Label Label20{"Label20", "Antra"};
    Label Lab_DasaBalanceV{"Lab_DasaBalanceV"};
    Grid mshDasa{"mshDasa", 2, 4, 1, 0};
    Grid mshBukti{"mshBukti", 2, 4, 1, 0};
    Grid mshAntra{"mshAntra", 2, 4, 1, 0};
    void reset();
};

// The print window: the report options and the hidden box that holds the text.
struct PrintContents {
    PrintContents();
    Label Label1{"Label1", "  Print"};
    Frame Frame1{"Frame1", "Horoscope Option"};
    Label Label2{"Label2", "Horoscope"};
    OptionGroup horoscopeOptions;  // the buttons of Frame1
    OptionButton Op1{"Op1", "With Antra", horoscopeOptions, true};
    OptionButton Op2{"Op2", "Without Antra", horoscopeOptions, false};
    Frame Frame2{"Frame2", "Output Option"};
    OptionGroup outputOptions;  // the buttons of Frame2
    OptionButton Op3{"Op3", "Generate Horoscope as a HTML file", outputOptions, false};
    OptionButton Op4{"Op4", "Generate Horoscope as a Text file", outputOptions, false};
    OptionButton Op5{"Op5", "Print Directly", outputOptions, true};
    TextBox Te{"Te"};  // multi-line, hidden
    void reset();
};

struct ResultWindows {
    UserDetailsContents frm_UserDetails;
    RasiContents frm_rasi;
    NavamsaContents frm_Navamsa;
    BhavaChartContents frm_BhavaChart;
    CBhavaContents frm_CBhava;
    PlanetPositionsContents Frm_PP;
    VargasContents Frm_Vargas;
    AVargasContents Frm_AVargas;
    DasaContents Frm_Dasa;
    PrintContents Frm_Print;

    // Puts the named window's contents back to their designed state (the
    // window's own name, e.g. "Frm_PP"). Returns false for an unknown name.
    bool reset(const std::string& windowName);
    void resetAll();
};

// The one set of result-window contents of the process.
ResultWindows& resultWindows();

}  // namespace jd
