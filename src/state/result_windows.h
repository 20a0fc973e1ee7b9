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

namespace jd {

// An option button of the print window: a caption and whether it is chosen.
// (Only the print window needs one among the result windows.)
class OptionChoice : public Control {
public:
    OptionChoice(std::string name, std::string caption, bool designedValue)
        : Control(std::move(name)), caption_(std::move(caption)), designed_(designedValue), value_(designedValue) {}
    const std::string& caption() const { return caption_; }
    bool value() const { return value_; }
    void setValue(bool v) { if (value_ != v) { value_ = v; changed(); } }
    void reset() { value_ = designed_; setVisible(true); setEnabled(true); changed(); }

private:
    std::string caption_;
    bool designed_;
    bool value_;
};

// A multi-line text box that holds a whole text (the print window's report box).
class TextPane : public Control {
public:
    explicit TextPane(std::string name, bool designedVisible = true)
        : Control(std::move(name)), designedVisible_(designedVisible) { setVisible(designedVisible); }
    const std::string& text() const { return text_; }
    void setText(std::string t) { if (text_ != t) { text_ = std::move(t); changed(); } }
    void reset() { text_.clear(); setVisible(designedVisible_); setEnabled(true); changed(); }

private:
    bool designedVisible_;
    std::string text_;
};

// Puts a frame (or any plain control) back to its designed state: shown and enabled.
void resetControl(Control& c);

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
    Control Frame_SouthBride{"Frame_SouthBride"};
    Control Frame_NorthBride{"Frame_NorthBride"};
    Control Frame_EastBride{"Frame_EastBride"};
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
    Control Frame_SouthBride{"Frame_SouthBride"};
    Control Frame_NorthBride{"Frame_NorthBride"};
    Control Frame_EastBride{"Frame_EastBride"};
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
    Label Label1{"Label1", "  Print"};
    Label Frame1{"Frame1", "Horoscope Option"};
    Label Label2{"Label2", "Horoscope"};
    OptionChoice Op1{"Op1", "With Antra", true};
    OptionChoice Op2{"Op2", "Without Antra", false};
    Label Frame2{"Frame2", "Output Option"};
    OptionChoice Op3{"Op3", "Generate Horoscope as a HTML file", false};
    OptionChoice Op4{"Op4", "Generate Horoscope as a Text file", false};
    OptionChoice Op5{"Op5", "Print Directly", true};
    TextPane Te{"Te", false};
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
