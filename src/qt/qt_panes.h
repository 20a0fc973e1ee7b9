#pragma once
// The tab strip and the browser pane.
#include <QTabBar>
#include <QTextBrowser>
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "qt/qt_binding.h"

namespace jd::qt {

// A click on a tab is the user's click of that tab (also of the chosen one);
// the arrow keys choose the tab they reach. The strip then shows the tab its
// model chose, whatever the click handler did.
class QtTabStrip : public Bound<QTabBar, TabStrip> {
    Q_OBJECT
public:
    QtTabStrip(TabStrip& model, Window* owner, QWidget* parent = nullptr);
    void refresh();

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    void showChosenTab();

    UserInput input_{[this] { showChosenTab(); }};
    bool updating_ = false;
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

// A light browser pane: pages from local files only (nothing reaches the
// network); it stays empty for an address that is no readable local file.
// Every navigation loads the page anew. A frame shows the focus.
class QtBrowserPane : public Bound<FocusMarked<QTextBrowser>, WebBrowser> {
    Q_OBJECT
public:
    QtBrowserPane(WebBrowser& model, Window* owner, QWidget* parent = nullptr);
    void refresh();
    // Shows an address in a QTextBrowser of its own: the page of a local file
    // (a path or a file:// address) or, for anything else, a short notice.
    static void showAddress(QTextBrowser* browser, const std::string& url);

private:
    // Shows the page of a readable local file; false for any other address.
    static bool showPage(QTextBrowser* browser, const std::string& url);

    int shownNavigations_ = -1;
    Subscription link_{model_, [this] { refresh(); }};  // last: it goes first
};

}  // namespace jd::qt
