#include "ui/shell/main_horoscope.h"

#include "horoscope/chart_run.h"
#include "platform/run_time_error.h"
#include "state/shared_records.h"
#include "ui/shell/mdi_quill.h"
#include "ui/shell/window_names.h"

namespace jd {

namespace {

struct NavigatorNode {
    const char* key;
    const char* text;
    const char* activeName;  // what a click records in gActiveWindowName
    const char* window;
};

// The nodes in the order of the tree.
const NavigatorNode kNodes[] = {
    {"User", "Birth Details", "Details", windows::kUserDetails},
    {"Rasi", "Rasi", "Rasi", windows::kRasi},
    {"Navamsa", "Navamsa", "Navamsa", windows::kNavamsa},
    {"Bava", "Bhava", "Bhava", windows::kBhavaChart},
    {"BP", "Bhava Features", "Bhava Features", windows::kCBhava},
    {"PP", "Planet Positions", "Planet Positions", windows::kPP},
    {"Vargas", "Vargas", "Vargas", windows::kVargas},
    {"AshtaVargas", "Ashta Vargas", "AVargas", windows::kAVargas},
    {"Dasa", "Dasa", "Dasa", windows::kDasa},
    {"Print", "Print", "Print", windows::kPrint},
};

// The window each recorded name brings back to the front, in the order the
// names are tested ("" counts as "Details").
const std::pair<const char*, const char*> kActiveWindows[] = {
    {"Rasi", windows::kRasi},
    {"Navamsa", windows::kNavamsa},
    {"Bhava", windows::kBhavaChart},
    {"Bhava Features", windows::kCBhava},
    {"Planet Positions", windows::kPP},
    {"Vargas", windows::kVargas},
    {"AVargas", windows::kAVargas},
    {"Dasa", windows::kDasa},
    {"Print", windows::kPrint},
    {"", windows::kUserDetails},
    {"Details", windows::kUserDetails},
};

void showCritical(const RunTimeError& e) {
    if (MessageBox* box = state().services.messageBox) box->show(e.description(), MsgIcon::Critical);
}

}  // namespace

frm_MainHoroscope::frm_MainHoroscope() : Window(kWindowName, "Horoscope") {
    // Designed size, kept on screens lower than 11500 twips.
    move(0, 0, 15300, 8400);
    tV.move(0, 0, 1995, 8400);
    tV.onNodeClick = [this](int index) { tV_NodeClick(index); };
    tV.onClick = [this] { bringActiveWindowToFront(); };
    tV.onDblClick = [this] { bringActiveWindowToFront(); };
    tV.onKeyPress = [this](int& k) {
        if (k != key::Enter) return;
        struct Passing {
            bool& flag;
            ~Passing() { flag = false; }
        } passing{passingKeys_ = true};
        bringActiveWindowToFront();
    };
}

void frm_MainHoroscope::onLoad() {
    try {
        setTop(0);
        setLeft(0);
        const int screenHeight = services().screen ? services().screen->height() : 0;
        if (screenHeight == 12960) {
            setHeight(11900);
            setWidth(15300);
            tV.setHeight(11900);
        } else if (screenHeight >= 11500) {
            setHeight(10455);
            setWidth(15300);
            tV.setHeight(10445);
        }
        FnFillTreeView();
    } catch (const RunTimeError& e) {
        showCritical(e);
    }
}

void frm_MainHoroscope::FnFillTreeView() {
    try {
        tV.clear();
        tV.setLineStyle(1);
        for (const NavigatorNode& n : kNodes) tV.add("", n.key, n.text);
        tV.setBackColor(kBackColor);
        for (int i = 1; i <= tV.nodeCount(); ++i) tV.setNodeBackColor(i, kBackColor);
    } catch (const RunTimeError& e) {
        showCritical(e);
    }
}

void frm_MainHoroscope::FnTreeViewColorChangeToBlack() {
    try {
        for (int i = 1; i <= tV.nodeCount(); ++i) {
            tV.setNodeForeColor(i, 0x000000);
            tV.setNodeBold(i, false);
        }
    } catch (const RunTimeError& e) {
        showCritical(e);
    }
}

void frm_MainHoroscope::tV_NodeClick(int nodeIndex) {
    try {
        FnTreeViewColorChangeToBlack();
        tV.setNodeForeColor(nodeIndex, kMarkedColor);
        tV.setNodeBold(nodeIndex, true);
        const std::string& key = tV.node(nodeIndex).key;
        for (const NavigatorNode& n : kNodes) {
            if (key != n.key) continue;
            state().gActiveWindowName = n.activeName;
            registry().bringToFront(n.window);
            return;
        }
    } catch (const RunTimeError& e) {
        showCritical(e);
    }
}

void frm_MainHoroscope::bringActiveWindowToFront() {
    // While the program ends, activating the navigator must not create the
    // windows that are being taken down.
    if (const auto* main = dynamic_cast<const MDIQuill*>(registry().find(kMainWindowName)); main && main->ending())
        return;
    if (const char* window = chosenWindow()) registry().bringToFront(window);
}

const char* frm_MainHoroscope::chosenWindow() {
    const std::string& name = state().gActiveWindowName;
    for (const auto& [activeName, window] : kActiveWindows)
        if (name == activeName) return window;
    return nullptr;
}

std::string frm_MainHoroscope::liesUnder() const {
    const char* chosen = chosenWindow();
    return chosen ? chosen : "";
}

bool frm_MainHoroscope::keepsKeysFromShownWindow() const { return !FnChartRunInProgress(); }

void frm_MainHoroscope::onActivate() { bringActiveWindowToFront(); }

}  // namespace jd
