#pragma once
// The windows the program opens beside its frame: separate browser windows
// and the help window.
#include <QPointer>
#include <QTextBrowser>
#include <QWidget>
#include <map>
#include <memory>
#include <string>

#include "platform/services.h"

namespace jd::qt {

// Separate browser windows, one per name, reused while open.
class QtBrowserWindows : public BrowserPane {
public:
    ~QtBrowserWindows() override;
    void navigate(const std::string& url, const std::string& windowName) override;

private:
    std::map<std::string, std::unique_ptr<QTextBrowser>> windows_;
};

// The help window: the help document (an HTML file) at the anchor named by the
// topic number ("#1000"), and a Close button. It lies wholly on the screen it
// opens on, its window manager's frame included: below the menu bar given
// (the frame's, whose titles stay in reach), made smaller to fit, while the
// room there is tall enough to read in; else at its usual size, over the
// frame. Esc and Close close it and give the keys back to the window the user
// came from.
class QtHelp : public Help {
public:
    ~QtHelp() override;
    void showTopic(const std::string& helpFile, int topic) override;
    void setMenuBar(QWidget* bar) { menuBar_ = bar; }
    QWidget* window() const { return window_.get(); }

private:
    void close();
    void fitToScreen();
    void fitOnceFramed();

    std::unique_ptr<QWidget> window_;
    bool framed_ = false;  // placed with its window manager's frame known
    QTextBrowser* text_ = nullptr;  // owned by the window
    QPointer<QWidget> cameFrom_;    // the window that had the keys before
    QPointer<QWidget> menuBar_;
};

}  // namespace jd::qt
