#pragma once
// The wait panel that covers the main window while a chart is cast, and what
// the main window offers the chart run to show it.
//
// The panel is a cover (PicMask) holding a frame (Frame1) with the caption
// "Please Wait ...." (Label1) and a progress bar: the fill PicIn inside its
// frame PicOut. Sizes are in twips. The main window of the shell holds one
// panel and implements ChartHost; the run finds it as the loaded window named
// "MDIQuill" of the registry in state().gWindows. Without such a window (a
// cast without a display) the run simply shows no panel.
#include "platform/controls.h"
#include "platform/input_controls.h"

namespace jd {

class Window;

inline constexpr const char* kMainWindowName = "MDIQuill";

struct WaitPanel {
    WaitPanel() {
        PicMask.setVisible(false);
        PicMask.setHeight(0);
        Frame1.move(0, 0, 6000, 1500);
        PicOut.move(300, 900, 5400, 300);
        PicIn.move(0, 0, 0, 300);
    }
    Control PicMask{"PicMask"};
    Frame Frame1{"Frame1"};
    Label Label1{"Label1", "Please Wait ...."};
    Control PicOut{"PicOut"};
    Control PicIn{"PicIn"};
};

class ChartHost {
public:
    virtual ~ChartHost() = default;
    virtual WaitPanel& waitPanel() = 0;
    // Paints the panel as it stands now. It must not handle the user's input:
    // no click, key or menu command may run here, so that nothing starts a
    // second cast, ends the program or changes the preferences while the
    // shared records are half written.
    virtual void repaintWaitPanel() = 0;
};

// The loaded main window and its panel, or nullptrs when there is none.
struct ChartHostWindow {
    Window* window = nullptr;
    ChartHost* host = nullptr;
};
ChartHostWindow findChartHost();

}  // namespace jd
