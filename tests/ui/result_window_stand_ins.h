#pragma once
// Stand-ins for the result windows as the chart run finds them by name: each
// shows nothing, its contents live in resultWindows() and go back to their
// designed state when it unloads. Tests of the birth-details window cast
// into these rather than into the real windows with their advertisement panes.
#include "platform/window.h"
#include "state/result_windows.h"

namespace jd::testing_support {

template <const char* Name>
class ResultWindowStandIn : public Window {
public:
    static constexpr const char* kWindowName = Name;
    ResultWindowStandIn() : Window(Name, Name) {}

protected:
    void onUnload() override { resultWindows().reset(Name); }
};

inline constexpr char kUserDetails[] = "frm_UserDetails", kRasi[] = "frm_rasi", kNavamsa[] = "frm_Navamsa",
                      kBhavaChart[] = "frm_BhavaChart", kCBhava[] = "frm_CBhava", kPP[] = "Frm_PP",
                      kVargas[] = "Frm_Vargas", kAVargas[] = "Frm_AVargas", kDasa[] = "Frm_Dasa",
                      kPrint[] = "Frm_Print";

// The nine result windows of a cast.
inline void defineResultWindowStandIns(WindowRegistry& windows) {
    windows.define<ResultWindowStandIn<kUserDetails>>();
    windows.define<ResultWindowStandIn<kRasi>>();
    windows.define<ResultWindowStandIn<kNavamsa>>();
    windows.define<ResultWindowStandIn<kBhavaChart>>();
    windows.define<ResultWindowStandIn<kCBhava>>();
    windows.define<ResultWindowStandIn<kPP>>();
    windows.define<ResultWindowStandIn<kVargas>>();
    windows.define<ResultWindowStandIn<kAVargas>>();
    windows.define<ResultWindowStandIn<kDasa>>();
}

}  // namespace jd::testing_support
