#pragma once
// The windows the program opens beside its frame: separate browser windows
// and the help window.
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTextBrowser>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/services.h"

namespace jd::qt {

// A window beside the frame: a page above a Close button. It opens at its
// usual size just below the menu bar given (the frame's, whose titles stay in
// reach), its window manager's frame included, and is fitted to its screen:
// made smaller to fit below the menu bar while the room there is tall enough
// to read in, else at its usual size, over the frame, wholly on the screen.
// Opened again while open it stays where it is, or is fitted where it lies.
// Esc, Close and its window manager's close button close it and give the keys
// back to the window the user came from, with or without a window manager;
// where that window has gone or is hidden, to the window the user works in.
class SeparateWindow {
public:
    // What opening the window again while it is open does to its place.
    enum class WhileOpen { Stays, IsFitted };

    SeparateWindow(QString title, QSize usualSize, WhileOpen whileOpen);
    ~SeparateWindow();
    SeparateWindow(const SeparateWindow&) = delete;
    SeparateWindow& operator=(const SeparateWindow&) = delete;

    void setMenuBar(QWidget* bar) { menuBar_ = bar; }
    // Where the user works, asked as the window closes (the frame's working
    // window, where a message box goes).
    void setWorkingWindow(std::function<QWidget*()> where) { workingWindow_ = std::move(where); }
    // The page the window shows, made with the window as first asked for.
    QTextBrowser& page();
    // Shows the window, in front and with the keys.
    void open();
    QWidget* window() const { return window_.get(); }

private:
    void keysBack();
    void place(bool fromUsualPlace);
    void placeOnceFramed();

    const QString title_;
    const QSize usualSize_;
    const WhileOpen whileOpen_;
    std::unique_ptr<QWidget> window_;
    bool framed_ = false;           // placed with its window manager's frame known
    QTextBrowser* page_ = nullptr;  // owned by the window
    QPointer<QWidget> cameFrom_;    // the window that had the keys before
    QPointer<QWidget> menuBar_;
    std::function<QWidget*()> workingWindow_;
};

// Separate browser windows, one per name, reused while open: a page loaded
// into an open one leaves it where it is.
class QtBrowserWindows : public BrowserPane {
public:
    ~QtBrowserWindows() override;
    void navigate(const std::string& url, const std::string& windowName) override;
    void setMenuBar(QWidget* bar);
    void setWorkingWindow(std::function<QWidget*()> where);
    // The window of that name, or nullptr before it first opens.
    QWidget* window(const std::string& windowName) const;

private:
    std::map<std::string, std::unique_ptr<SeparateWindow>> windows_;
    QPointer<QWidget> menuBar_;
    std::function<QWidget*()> workingWindow_;
};

// The help window: the help document (an HTML file) at the anchor named by the
// topic number ("#1000"). A topic shown while it is open fits it to the
// screen where it lies.
class QtHelp : public Help {
public:
    QtHelp();
    ~QtHelp() override;
    void showTopic(const std::string& helpFile, int topic) override;
    void setMenuBar(QWidget* bar) { window_.setMenuBar(bar); }
    void setWorkingWindow(std::function<QWidget*()> where) { window_.setWorkingWindow(std::move(where)); }
    QWidget* window() const { return window_.window(); }

private:
    SeparateWindow window_;
};

}  // namespace jd::qt
