#pragma once
// The nine result windows of a cast: birth details, rasi, navamsa and bhava
// charts, bhava features, planet positions, vargas, ashtakavarga and dasa.
// Each is a child of the frame placed at (2000, 15) twips, shows the contents
// the chart run writes into resultWindows() (and puts them back to their
// designed state when it unloads, so every cast writes into fresh windows),
// and carries two advertisement panes that reload whenever the window is
// activated, each with a "^ Maximize" button that opens its page in the one
// separate browser window named "_blanck".
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"
#include "state/result_windows.h"

namespace jd {

// The advertisement pages: the paths on the advertisement server, which is a
// folder shipped beside the program, so nothing reaches the network.
inline constexpr const char* kRightAdPath = "/Downloads/Sendral_Right.asp";
inline constexpr const char* kBottomAdPath = "/Downloads/Sendral_Bottom.asp";
inline constexpr const char* kAdFolder = "ads";
inline constexpr const char* kMaximizeWindowName = "_blanck";

// The address of an advertisement page ("file:///<program folder>/ads" and
// the page's path).
std::string advertisementAddress(const std::string& path);

class ResultWindow : public Window {
public:
    ResultWindow(std::string name, std::string caption);

    Frame Frame1{"Frame1"};
    CommandButton cmdMaximize1{"cmdMaximize1", "^ Maximize"};
    WebBrowser WebSendral_Right{"WebSendral_Right"};
    Frame Frame2{"Frame2"};
    CommandButton cmdMaximize2{"cmdMaximize2", "^ Maximize"};
    WebBrowser WebSendral_Bottom{"WebSendral_Bottom"};

protected:
    void onLoad() override;
    void onActivate() override;
    void onUnload() override;

private:
    void maximize(WebBrowser& pane);
};

class frm_UserDetails final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "frm_UserDetails";
    frm_UserDetails() : ResultWindow(kWindowName, "Birth Details") {}
    UserDetailsContents& contents() { return resultWindows().frm_UserDetails; }
};

class frm_rasi final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "frm_rasi";
    frm_rasi() : ResultWindow(kWindowName, "Rasi Chart") {}
    RasiContents& contents() { return resultWindows().frm_rasi; }
};

class frm_Navamsa final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "frm_Navamsa";
    frm_Navamsa() : ResultWindow(kWindowName, "Navamsa Chart") {}
    NavamsaContents& contents() { return resultWindows().frm_Navamsa; }
};

class frm_BhavaChart final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "frm_BhavaChart";
    frm_BhavaChart() : ResultWindow(kWindowName, "Bhava Chart") {}
    BhavaChartContents& contents() { return resultWindows().frm_BhavaChart; }
};

class frm_CBhava final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "frm_CBhava";
    frm_CBhava() : ResultWindow(kWindowName, "Bhava Features") {}
    CBhavaContents& contents() { return resultWindows().frm_CBhava; }
};

class Frm_PP final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "Frm_PP";
    Frm_PP() : ResultWindow(kWindowName, "Planetary Positions") {}
    PlanetPositionsContents& contents() { return resultWindows().Frm_PP; }
};

class Frm_Vargas final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "Frm_Vargas";
    Frm_Vargas() : ResultWindow(kWindowName, "Vargas") {}
    VargasContents& contents() { return resultWindows().Frm_Vargas; }
};

class Frm_AVargas final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "Frm_AVargas";
    Frm_AVargas() : ResultWindow(kWindowName, "Ashta Vargas") {}
    AVargasContents& contents() { return resultWindows().Frm_AVargas; }
};

class Frm_Dasa final : public ResultWindow {
public:
    static constexpr const char* kWindowName = "Frm_Dasa";
    Frm_Dasa() : ResultWindow(kWindowName, "Vimshottari Dasa") {}
    DasaContents& contents() { return resultWindows().Frm_Dasa; }
};

// Makes the nine result windows known to the registry by name.
void defineResultWindows(WindowRegistry& windows);

}  // namespace jd
