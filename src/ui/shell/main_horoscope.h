#pragma once
// The navigator: a tree with one node per result window and one for the
// print window. Choosing a node marks it, records the window in
// gActiveWindowName and brings that window to the front; the chart run reads
// the name to bring the same window forward after every cast.
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class frm_MainHoroscope final : public Window {
public:
    static constexpr const char* kWindowName = "frm_MainHoroscope";
    static constexpr unsigned kBackColor = 0xE6D9BD;    // RGB(230, 217, 189)
    static constexpr unsigned kMarkedColor = 0xE17312;  // RGB(225, 115, 18)

    frm_MainHoroscope();

    Tree tV{"tV"};

    // Every node back to black, not bold.
    void FnTreeViewColorChangeToBlack();

    // The window that gActiveWindowName names, the one the navigator brings
    // over itself ("" and "Details" name the birth details), or nullptr.
    static const char* chosenWindow();

    // In the frame the chosen window always lies over the navigator, which
    // stays where its Load put it until the program ends. While the user
    // works in its tree, the windows brought forward or shown come over it
    // without taking the keys, except those a cast shows: the user works in
    // none of them then. Enter in the tree gives the keys to the chosen
    // window.
    std::string liesUnder() const override;
    bool mayBeMovedOrClosed() const override { return false; }
    bool keepsKeys() const override { return !passingKeys_; }
    bool keepsKeysFromShownWindow() const override;

protected:
    void onLoad() override;
    void onActivate() override;

private:
    void FnFillTreeView();
    void tV_NodeClick(int nodeIndex);
    // Activate of the window, Click and DblClick of the tree.
    void bringActiveWindowToFront();

    bool passingKeys_ = false;  // Enter brings the chosen window forward with the keys
};

}  // namespace jd
