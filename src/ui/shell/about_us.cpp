#include "ui/shell/about_us.h"

#include "platform/run_time_error.h"
#include "state/shared_records.h"

namespace jd {

frm_AboutUs::frm_AboutUs() : Window(kWindowName, "About us") {
    setWidth(6300);
    setHeight(3600);
    Command1.onClick = [this] { close(); };
}

void frm_AboutUs::onLoad() {
    try {
        setTop(1000);
        setLeft(3000);
    } catch (const RunTimeError& e) {
        if (MessageBox* box = state().services.messageBox) box->show(e.description(), MsgIcon::Critical);
    }
}

void frm_AboutUs::onDeactivate() { close(); }

void frm_AboutUs::close() {
    try {
        unload();
    } catch (const RunTimeError& e) {
        if (MessageBox* box = state().services.messageBox) box->show(e.description(), MsgIcon::Critical);
    }
}

}  // namespace jd
