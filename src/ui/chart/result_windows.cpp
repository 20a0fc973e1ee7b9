#include "ui/chart/result_windows.h"

#include "state/shared_records.h"

namespace jd {

std::string advertisementAddress(const std::string& path) {
    std::string folder = state().gAppPath;
    if (!folder.empty() && folder.back() == '/') folder.pop_back();
    // An absolute folder already starts with "/", giving "file:///...".
    return "file://" + folder + "/" + kAdFolder + path;
}

ResultWindow::ResultWindow(std::string name, std::string caption) : Window(std::move(name), std::move(caption)) {
    setWidth(13200);
    setHeight(10200);
    cmdMaximize1.onClick = [this] { maximize(WebSendral_Right); };
    cmdMaximize2.onClick = [this] { maximize(WebSendral_Bottom); };
}

void ResultWindow::onLoad() {
    setLeft(2000);
    setTop(15);
}

void ResultWindow::onActivate() {
    WebSendral_Right.navigate(advertisementAddress(kRightAdPath));
    WebSendral_Bottom.navigate(advertisementAddress(kBottomAdPath));
}

void ResultWindow::maximize(WebBrowser& pane) {
    // The page opens in the separate browser window of that name; later
    // clicks, from any pane, load into the same window while it is open.
    if (BrowserPane* browser = services().browser) browser->navigate(pane.locationURL(), kMaximizeWindowName);
}

void ResultWindow::onUnload() { resultWindows().reset(name()); }

void defineResultWindows(WindowRegistry& windows) {
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
