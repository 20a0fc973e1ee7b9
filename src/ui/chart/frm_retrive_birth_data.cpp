#include "ui/chart/frm_retrive_birth_data.h"

#include <optional>

#include "calendar/place_lookup.h"
#include "horoscope/chart_host.h"
#include "platform/database.h"
#include "platform/services.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "ui/chart/chart_store.h"
#include "ui/chart/frm_open_chart.h"

namespace jd {

Frm_RetriveBirthData::Frm_RetriveBirthData() : Window(kWindowName, kCaption, WindowKind::TopLevel) {
    Frame1.move(120, 60, 4335, 4455);
    Lab_Details.move(240, 300, 3600, 255);
    List_VC_ChartName.move(240, 660, 4095, 3180);
    Cmd_Submit.move(1200, 3960, 1455, 375);
    Cmd_Close.move(2760, 3960, 1455, 375);

    List_VC_ChartName.onClick = [this] { List_VC_ChartName_Click(); };
    Cmd_Submit.onClick = [this] { Cmd_Submit_Click(); };
    Cmd_Close.onClick = [this] { trapSavedChartErrors(*this, [&] { unload(); }); };
}

void Frm_RetriveBirthData::onLoad() {
    trapSavedChartErrors(*this, [&] {
        move(7000, 600, 4695, 5055);
        fnFillChart();
    });
}

void Frm_RetriveBirthData::fnFillChart() {
    trapSavedChartErrors(*this, [&] {
        List_VC_ChartName.clear();
        const auto entries = listCharts(sharedConnection(), DataGen);
        if (DataGen == "Female")
            Lab_Details.setCaption("Select Female Details");
        else if (DataGen == "Male")
            Lab_Details.setCaption("Select Male Details");
        else if (DataGen == "G")
            Lab_Details.setCaption("Select Couple Details");
        else
            Lab_Details.setCaption("Select User Details");
        for (const SavedChartEntry& e : entries) List_VC_ChartName.addItem(e.ChartName, e.Sno);
    });
}

double Frm_RetriveBirthData::FnGetZoneDifference(std::int32_t zoneSno) {
    const auto zone = FnReadTimeZone(sharedConnection(), zoneSno);
    return zone ? zone->hours : 0;
}

std::string Frm_RetriveBirthData::FnGetZonePlace(std::int32_t zoneSno) {
    const auto zone = FnReadTimeZone(sharedConnection(), zoneSno);
    return zone ? zone->place : std::string();
}

std::string Frm_RetriveBirthData::FnGetZoneEW(std::int32_t zoneSno) {
    const auto zone = FnReadTimeZone(sharedConnection(), zoneSno);
    return zone ? zone->eastWest : std::string();
}

void Frm_RetriveBirthData::List_VC_ChartName_Click() {
    trapSavedChartErrors(*this, [&] { loadChosenChart(); });
}

void Frm_RetriveBirthData::Cmd_Submit_Click() {
    trapSavedChartErrors(*this, [&] {
        if (List_VC_ChartName.listIndex() < 0) {
            if (MessageBox* box = services().messageBox) box->show("Select Chart Name ", MsgIcon::Information);
            return;
        }
        loadChosenChart();
    });
}

void Frm_RetriveBirthData::loadChosenChart() {
    const int index = List_VC_ChartName.listIndex();
    if (index < 0) return;
    const std::optional<SavedChart> chart = readChart(sharedConnection(), List_VC_ChartName.itemData(index));
    if (DataMode == kFromBirthDetails && chart) {
        frm_OpenChart& w = registry().get<frm_OpenChart>();
        w.Txt_VC_ChartName.setText(chartNamePart(List_VC_ChartName.list(index)));
        w.txt_VC_UserId = chart->Sno;
        // The day as stored, without a leading zero.
        w.txt_Date.setText(std::to_string(chart->ChartDay));
        w.txt_Month.setText(monthAbbreviation(chart->ChartMonth));
        w.txt_Year.setText(std::to_string(chart->ChartYear));

        // Back to the 12-hour clock: 0 is 12 AM, 12 is 12 PM. A damaged
        // row's hour 24 shows as it is, with AM, so OK and Save refuse it
        // rather than take it for noon.
        const int h = chart->ChartHour;
        const bool pm = h >= 12 && h != 24;
        const int shown = h == 0 ? 12 : (pm && h > 12 ? h - 12 : h);
        w.cbHour.setText(std::to_string(shown));
        (pm ? w.Opt_PM : w.Opt_AM).setValue(true);
        w.cbMins.setText(std::to_string(chart->ChartMinute));
        w.cbGender.setText(chart->Gender);

        // Choosing the chart's country fills its city and zone lists and
        // chooses its first zone; what follows overwrites the city and the
        // zone with the chart's own. A country the place tables no longer
        // have leaves the country to be chosen again, rather than keep the
        // name and lists of the country shown before.
        int countryIndex = -1;
        if (isNumeric(chart->Country)) {
            const double id = toDouble(chart->Country);
            for (int i = 0; i < w.txt_VC_Country.listCount(); ++i)
                if (w.txt_VC_Country.itemData(i) == id) {
                    countryIndex = i;
                    break;
                }
        }
        if (countryIndex >= 0) {
            w.txt_VC_Country.setListIndex(countryIndex);
        } else {
            w.txt_VC_Country.setListIndex(-1);
            w.txt_VC_City.clear();
            w.cbTimeZone.clear();
        }

        w.txt_VC_City.setText(chart->City);
        w.txt_VC_LatDeg = chart->LatitudeDegree;
        w.txt_VC_LatNS = chart->Latitude_NS;
        w.txt_VC_LatMin = chart->LatitudeMinute;
        w.txtLatDetails.setText(FnCoordinateText(chart->LatitudeDegree, chart->Latitude_NS, chart->LatitudeMinute));
        w.txt_VC_LonEW = chart->Longitude_EW;
        w.txt_VC_LonDeg = chart->LongitudeDegree;
        w.txt_VC_LonMin = chart->LongitudeMinute;
        w.txtLonDetails.setText(
            FnCoordinateText(chart->LongitudeDegree, chart->Longitude_EW, chart->LongitudeMinute));

        // The zone shows as a text in the form of the zone list's entries,
        // even when it is not the first zone of the country.
        const std::int32_t z = chart->TimeDifference;
        const double hours = FnGetZoneDifference(z);
        const std::string ew = FnGetZoneEW(z);
        w.cbTimeZone.setText(FnGetZonePlace(z) + "  (" + numberText(hours) + " hrs " + ew + ")");
        w.txt_VC_TimeDiff = hours;
        w.txt_VC_TimeDiffEW = ew;
        w.txt_VC_TimeDiffId = z;
    }
    hide();
}

void FnOpenSavedChartList(Window& birthDetailsWindow, bool fromToolbar) {
    trapSavedChartErrors(birthDetailsWindow, [&] {
        WindowRegistry& windows = birthDetailsWindow.registry();
        if (fromToolbar) windows.unload(Frm_RetriveBirthData::kWindowName);
        auto& list = windows.get<Frm_RetriveBirthData>();
        list.DataGen = "All";
        list.show(fromToolbar ? windows.find(kMainWindowName) : nullptr);
        list.bringToFront();
        list.DataMode = Frm_RetriveBirthData::kFromBirthDetails;
    });
}

}  // namespace jd
