#pragma once
// Minimal windows that the chart run refers to by name: the nine result
// windows, until they get their full behaviour. Each shows the contents kept in
// resultWindows() under its name and puts them back to their designed state
// when it unloads, so every cast writes into fresh windows.
#include <string>

#include "platform/window.h"

namespace jd {

// A child window of the frame whose contents live in resultWindows() under
// the window's own name.
class ResultWindowStandIn : public Window {
public:
    ResultWindowStandIn(std::string name, std::string caption);

protected:
    void onUnload() override;
};

class frm_UserDetails final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "frm_UserDetails";
    frm_UserDetails() : ResultWindowStandIn(kWindowName, "Birth Details") {}
};

class frm_rasi final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "frm_rasi";
    frm_rasi() : ResultWindowStandIn(kWindowName, "Rasi Chart") {}
};

class frm_Navamsa final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "frm_Navamsa";
    frm_Navamsa() : ResultWindowStandIn(kWindowName, "Navamsa Chart") {}
};

class frm_BhavaChart final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "frm_BhavaChart";
    frm_BhavaChart() : ResultWindowStandIn(kWindowName, "Bhava Chart") {}
};

class frm_CBhava final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "frm_CBhava";
    frm_CBhava() : ResultWindowStandIn(kWindowName, "Bhava Features") {}
};

class Frm_PP final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "Frm_PP";
    Frm_PP() : ResultWindowStandIn(kWindowName, "Planetary Positions") {}
};

class Frm_Vargas final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "Frm_Vargas";
    Frm_Vargas() : ResultWindowStandIn(kWindowName, "Vargas") {}
};

class Frm_AVargas final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "Frm_AVargas";
    Frm_AVargas() : ResultWindowStandIn(kWindowName, "Ashta Vargas") {}
};

class Frm_Dasa final : public ResultWindowStandIn {
public:
    static constexpr const char* kWindowName = "Frm_Dasa";
    Frm_Dasa() : ResultWindowStandIn(kWindowName, "Vimshottari Dasa") {}
};

// Makes the nine windows known to the registry by name.
void defineChartStandIns(WindowRegistry& windows);

}  // namespace jd
