#include "state/result_windows.h"

namespace jd {

namespace {

// Column headings as the windows are designed; the writers set the same texts.
const char* const kNirayanaHeader =
    "Planet|   Longitude  |   Rasi    |Rasi Lord|Star            |Pada|Star Lord|Sub  Lord|Karaka*|Avasthas** ";
const char* const kSortHeader = "Longitude     ";
const char* const kBhavaHeader =
    "House  |  Start Bhava | Mid Bhava    | Sandhi          | Planets"
    "                                                       ";
const char* const kStarHeader =
    "House         |Longitude |   Rasi       | Rasi Lord |  Star             | Pada |Star Lord       |Sub  Lord    ";
const char* const kVargasHeader =
    "  Chart                  | Lag  | Sur  | Cha  | Kuj  | Bud  | Gur  | Suk  | San  | Rah  | Ket  ";
const char* const kAshtaVargaHeader =
    "Zodiac       | Sun    |Moon   |Mars |Mercury|Jupiter|Venus|Saturn|Asc   *|Rahu *|Total |Total With * ";
const char* const kDasaHeader = "Dasa       | From              | To                 |  Age ";
const char* const kBuktiHeader = "Bhukthi  | From            | To                |  Age ";
const char* const kAntraHeader = "Antra     | From            | To                |  Age ";

}  // namespace

std::vector<DetailRow> UserDetailsContents::rows() {
    return {
        {&txtGName, &lblGName},           {&txtSex, &lblSex},
        {&Txt_BC_Date, &lblBC_Date},      {&txtTimeOfBirth, &lblTimeOfBirth},
        {&txtist, nullptr},               {&txtlmt, &lbllmt},
        {&txtgmt, &lblgmt},               {&txtTimeZone, &lblTimeZone},
        {&txtIshtaGhati, &lblIshtaGhati}, {&txtCountry, &lblCountry},
        {&txtCity, &lblCity},             {&txtLatutude, &lblLatutude},
        {&txtLongitude, &lblLongitude},   {&txtSunRise, &lblSunRise},
        {&txtSunSet, &lblSunSet},         {&txtAyanamsa, &lblAyanamsa},
        {&txtVedic, &lblVedic},           {&txtGregorian, &lblGregorian},
        {&txtSolarDate, &lblSolarDate},   {&txtSLunarDate, &lblSLunarDate},
        {&txtKLunarDate, &lblKLunarDate}, {&txtKaliyugaYear, &lblKaliyugaYear},
        {&txtAyana, &lblAyana},           {&txtLagna, &lblLagna},
        {&txtRasi, &lblRasi},             {&txtStar, &lblStar},
        {&txtTithi, &lblTithi},           {&txtPaksha, &lblPaksha},
        {&txtYogam, &lblYogam},           {&txtKarnam, &lblKarnam},
    };
}

void UserDetailsContents::reset() {
    Label1.reset();
    for (auto& row : rows()) {
        row.value->reset();
        if (row.caption) row.caption->reset();
    }
}

void RasiContents::reset() {
    Label1.reset();
    Frame_SouthBride.reset();
    Frame_NorthBride.reset();
    Frame_EastBride.reset();
    Label10.reset();
    Lab_GM_GirlHouse.reset();
    Lab_ChartHouseN_Girl.reset();
    Lab_chartHouse_Girl_Rasi.reset();
    Lab_NHouseNo.reset();
}

void DivisionChartContents::reset() {
    Label1.reset();
    Frame_SouthBride.reset();
    Frame_NorthBride.reset();
    Frame_EastBride.reset();
    Label10.reset();
    Lab_GirlNav.reset();
    Lab_ChartHouseN_GirlNav.reset();
    Lab_ChartGHouse_Girl_Nav.reset();
    Lab_NHouseNo.reset();
}

CBhavaContents::CBhavaContents() {
    msh_Bhava.setDesignedFormat(kBhavaHeader);
    msh_star.setDesignedFormat(kStarHeader);
}

void CBhavaContents::reset() {
    Label1.reset();
    SSTab1.setVisible(true);
    SSTab1.setEnabled(true);
    msh_Bhava.reset();
    msh_star.reset();
}

PlanetPositionsContents::PlanetPositionsContents() {
    mshNirayana.setDesignedFormat(kNirayanaHeader);
    MSFlexGridSort.setDesignedFormat(kSortHeader);
}

void PlanetPositionsContents::reset() {
    Label1.reset();
    Label2.reset();
    Label3.reset();
    mshNirayana.reset();
    MSFlexGridSort.reset();
}

VargasContents::VargasContents() { mshVargas.setDesignedFormat(kVargasHeader); }

void VargasContents::reset() {
    Label1.reset();
    mshVargas.reset();
}

AVargasContents::AVargasContents() { mshAshtaVarga.setDesignedFormat(kAshtaVargaHeader); }

void AVargasContents::reset() {
    Label1.reset();
    mshAshtaVarga.reset();
}

DasaContents::DasaContents() {
    mshDasa.setDesignedFormat(kDasaHeader);
    mshBukti.setDesignedFormat(kBuktiHeader);
    mshAntra.setDesignedFormat(kAntraHeader);
}

void DasaContents::reset() {
    Label2.reset();
    Label19.reset();
    Label1.reset();
    Label20.reset();
    Lab_DasaBalanceV.reset();
    mshDasa.reset();
    mshBukti.reset();
    mshAntra.reset();
}

PrintContents::PrintContents() {
    Te.setMultiLine(true);
    Te.setVisible(false);
}

void PrintContents::reset() {
    Label1.reset();
    Frame1.reset();
    Label2.reset();
    Op1.reset();
    Op2.reset();
    Frame2.reset();
    Op3.reset();
    Op4.reset();
    Op5.reset();
    Te.reset();
    Te.setMultiLine(true);
    Te.setVisible(false);
}

bool ResultWindows::reset(const std::string& windowName) {
    if (windowName == "frm_UserDetails") frm_UserDetails.reset();
    else if (windowName == "frm_rasi") frm_rasi.reset();
    else if (windowName == "frm_Navamsa") frm_Navamsa.reset();
    else if (windowName == "frm_BhavaChart") frm_BhavaChart.reset();
    else if (windowName == "frm_CBhava") frm_CBhava.reset();
    else if (windowName == "Frm_PP") Frm_PP.reset();
    else if (windowName == "Frm_Vargas") Frm_Vargas.reset();
    else if (windowName == "Frm_AVargas") Frm_AVargas.reset();
    else if (windowName == "Frm_Dasa") Frm_Dasa.reset();
    else if (windowName == "Frm_Print") Frm_Print.reset();
    else return false;
    return true;
}

void ResultWindows::resetAll() {
    frm_UserDetails.reset();
    frm_rasi.reset();
    frm_Navamsa.reset();
    frm_BhavaChart.reset();
    frm_CBhava.reset();
    Frm_PP.reset();
    Frm_Vargas.reset();
    Frm_AVargas.reset();
    Frm_Dasa.reset();
    Frm_Print.reset();
}

ResultWindows& resultWindows() {
    static ResultWindows windows;
    return windows;
}

}  // namespace jd
