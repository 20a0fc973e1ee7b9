#pragma once
// The saved-chart list "Available Users": the stored names of the saved
// charts. Picking one writes that chart into the birth-details window, its
// boxes and its public fields, the chart number included, so a later Save
// updates that row. Nothing is cast here; the user casts with OK.
#include <cstdint>
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class Frm_RetriveBirthData final : public Window {
public:
    static constexpr const char* kWindowName = "Frm_RetriveBirthData";
    static constexpr const char* kCaption = "Available Users";
    // The caller code of the birth-details window, the one caller whose
    // choice is loaded.
    static constexpr int kFromBirthDetails = 3;

    Frm_RetriveBirthData();

    Frame Frame1{"Frame1"};
    ListBox List_VC_ChartName{"List_VC_ChartName"};
    Label Lab_Details{"Lab_Details", "Select User Details"};
    CommandButton Cmd_Submit{"Cmd_Submit", "&OK"};
    CommandButton Cmd_Close{"Cmd_Close", "&Cancel"};

    // Which charts the list shows: "All", "Male", "Female" or "G" (couple
    // charts). The window is filled as it loads, so it starts as "All", the
    // list the birth-details window asks for.
    std::string DataGen = "All";
    // The code of the window that opened the list.
    int DataMode = 0;

    // Fills the list by DataGen: entries are the stored names, their item
    // data the chart numbers, in name order. An error (a filter it does not
    // know) is shown in a critical box and leaves the list empty.
    void fnFillChart();

    // The zone of that number in TimeZone: hours (0 when it has no row),
    // place and "E"/"W" ("" when it has no row).
    double FnGetZoneDifference(std::int32_t zoneSno);
    std::string FnGetZonePlace(std::int32_t zoneSno);
    std::string FnGetZoneEW(std::int32_t zoneSno);

    // A click on an entry, or OK: writes the chosen chart into the
    // birth-details window (when it opened the list) and hides the list.
    void List_VC_ChartName_Click();
    void Cmd_Submit_Click();

protected:
    void onLoad() override;

private:
    void loadChosenChart();
};

// Open of the birth-details window: the list of all charts, shown and
// brought to the front for that window. From the menu a list already loaded
// shows as it was; from the toolbar it is built afresh and owned by the main
// window.
void FnOpenSavedChartList(Window& birthDetailsWindow, bool fromToolbar);

}  // namespace jd
