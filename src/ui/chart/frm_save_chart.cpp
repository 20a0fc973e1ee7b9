#include "ui/chart/frm_save_chart.h"

#include "calendar/form_routines.h"
#include "platform/database.h"
#include "platform/services.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "ui/chart/frm_open_chart.h"

namespace jd {

Frm_SaveChart::Frm_SaveChart() : Window(kWindowName, kCaption, WindowKind::TopLevel) {
    setWidth(4800);
    setHeight(2010);
    lblChartName.move(240, 240, 2000, 285);
    Txt_SC_ChartName.move(240, 600, 4200, 315);
    Cmd_SC_Save.move(1320, 1140, 1500, 375);
    Cmd_SC_Close.move(2940, 1140, 1500, 375);

    Cmd_SC_Save.onClick = [this] { Cmd_SC_Save_Click(); };
    Cmd_SC_Close.onClick = [this] { trapSavedChartErrors(*this, [&] { unload(); }); };
}

void Frm_SaveChart::onLoad() {
    trapSavedChartErrors(*this, [&] { FnCenterFormOnScreen(*this); });
}

SavedChart Frm_SaveChart::chartToInsert() const {
    SavedChart c;
    // The insert writes the day without a leading zero ("Sample~5-Jul-1965").
    c.ChartName = SC_ChartName + "~" + std::to_string(SC_Date.day()) + "-" + monthAbbreviation(SC_Date.month()) +
                  "-" + std::to_string(SC_Date.year());
    c.Gender = SC_Gender;
    c.Country = SC_Country;
    c.City = SC_City;
    c.ChartDay = SC_Date.day();
    c.ChartMonth = SC_Date.month();
    c.ChartYear = SC_Date.year();
    c.ChartHour = SC_Time.hour();
    c.ChartMinute = SC_Time.minute();
    c.ChartSecond = SC_Time.second();
    c.LatitudeDegree = SC_LatDeg;
    c.Latitude_NS = SC_LatNS;
    c.LatitudeMinute = SC_LatMin;
    c.LongitudeDegree = SC_LonDeg;
    c.Longitude_EW = SC_LonEW;
    c.LongitudeMinute = SC_LonMin;
    c.TimeDifference = SC_TimeDiff;
    return c;
}

std::optional<std::int32_t> Frm_SaveChart::SC_SaveChart() {
    hide();
    Txt_SC_ChartName.setText(SC_ChartName);
    const SavedChart row = chartToInsert();

    // The name check and the insert run on a connection of their own, in one
    // transaction, so no chart of the same name can come between them.
    const std::shared_ptr<Database> own = sharedConnection().another();
    Database& db = *own;
    std::optional<std::int32_t> key;
    {
        Transaction t(db);
        if (!chartNameUsed(db, trim(SC_ChartName))) {
            key = insertChart(db, row);
            t.commit();
        }
    }

    MessageBox* box = services().messageBox;
    if (!key) {
        show();
        if (box) box->show("Chart Name Already Used , Enter Another Name", MsgIcon::Information);
        setFocus(Txt_SC_ChartName);
        return std::nullopt;
    }
    if (box) box->show("Chart Successfully Saved", MsgIcon::Information, MsgButtons::OK, std::string(kCaption));
    unload();
    return key;
}

void Frm_SaveChart::Cmd_SC_Save_Click() {
    // Everything needed after the insert is taken now: a successful insert
    // unloads this window.
    WindowRegistry& windows = registry();
    SettingsStore* settings = services().settings;
    trapSavedChartErrors(*this, [&] {
        if (Txt_SC_ChartName.text().empty()) {
            if (MessageBox* box = services().messageBox) box->show("Enter Chart Name");
            setFocus(Txt_SC_ChartName);
            return;
        }
        SC_ChartName = trim(Txt_SC_ChartName.text());
        HoroChart horo = horoChart;
        horo.Name = SC_ChartName;
        const auto key = SC_SaveChart();
        if (!key) return;

        // The chart saved under the new name becomes the birth-details
        // window's current chart, unless that window has since been closed
        // or been given another saved chart.
        auto* chartWindow = dynamic_cast<frm_OpenChart*>(windows.find(frm_OpenChart::kWindowName));
        if (chartWindow && chartWindow->txt_VC_UserId == 0) {
            FnGetLastChartSno(*chartWindow, *key);
            chartWindow->Txt_VC_ChartName.setText(horo.Name);
        }
        if (settings) writeHoroChart(*settings, horo);
    });
}

}  // namespace jd
