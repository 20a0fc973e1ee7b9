#include "ui/chart/standins.h"

#include "state/result_windows.h"

namespace jd {

ResultWindowStandIn::ResultWindowStandIn(std::string name, std::string caption)
    : Window(std::move(name), std::move(caption)) {}

void ResultWindowStandIn::onUnload() { resultWindows().reset(name()); }

void defineChartStandIns(WindowRegistry& windows) {
    windows.define<frm_UserDetails>();
    windows.define<frm_rasi>();
    windows.define<frm_Navamsa>();
    windows.define<frm_BhavaChart>();
    windows.define<frm_CBhava>();
    windows.define<Frm_PP>();
    windows.define<Frm_Vargas>();
    windows.define<Frm_AVargas>();
    windows.define<Frm_Dasa>();
}

}  // namespace jd
