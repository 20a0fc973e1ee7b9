#pragma once
// The services of the program as Qt provides them: message boxes, the clock,
// per-user settings, the event loop, the screen, the busy cursor, the printer,
// the save dialog, separate browser windows and the help window.
#include <QPointer>
#include <QString>
#include <QTextBrowser>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/services.h"
#include "qt/qt_printer.h"

class QWidget;

namespace jd::qt {

// A box belongs to the window the user works in as the program knows it
// (asked of `owner` as the box is raised: the window system's own idea of
// the active window lags behind a window just shown or given back the keys),
// appears over it and, once answered, makes it the active window again, with
// the keys where the box's caller put the focus.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(std::function<QWidget*()> owner = {}) : owner_(std::move(owner)) {}
    void setOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }
    MsgResult show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::optional<std::string>& title) override;

private:
    std::function<QWidget*()> owner_;
};

class QtClock : public Clock {
public:
    DateTime now() const override;
};

// QSettings in an INI file per user ("<config>/Jataka Desk/settings.ini"), or
// in the file given. Application name, section and key are kept in lower case,
// so they match without regard to letter case as the program expects.
// A write replaces the file whole, in one step: the keys the old file holds
// with the new ones over them, or the new ones alone when the old file is
// damaged. A file that may not be read or written, or one in a folder that
// may not be written, is left alone. A lock file no writer holds any more
// (its process ended, or empty a second after a writer killed as it took it)
// is removed before the write; one that cannot go (a folder) fails it at once.
// No write waits for ever on a lock Qt could not remove; the busy cursor shows
// while it runs.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore();
    explicit QtSettingsStore(const QString& iniPath);
    std::string GetSetting(const std::string& appName, const std::string& section, const std::string& key,
                           const std::string& defaultValue = {}) const override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void SaveSection(const std::string& appName, const std::string& section,
                     const std::vector<std::pair<std::string, std::string>>& values) override;

private:
    QString path_;
};

class QtEventLoop : public EventLoop {
public:
    void doEvents() override;
};

// The primary screen's size in twips.
class QtScreen : public Screen {
public:
    int width() const override;
    int height() const override;
};

// The application's override cursor in the wait shape. Showing it runs
// nothing of the program's own (no timer, no queued call): only the windows'
// repaints.
class QtBusyCursor : public BusyCursor {
public:
    void show() override;
    void restore() override;
};

// The save form of the file dialog. Once a file has been chosen in it, it
// opens in that file's folder for the rest of the run. Like a message box it
// belongs to the window the user works in (asked of `owner` as it opens),
// which is the active window again once the dialog closes.
class QtSaveFileDialog : public SaveFileDialog {
public:
    explicit QtSaveFileDialog(std::function<QWidget*()> owner = {}) : owner_(std::move(owner)) {}
    void setOwner(std::function<QWidget*()> owner) { owner_ = std::move(owner); }
    std::optional<std::string> showSave(const SaveDialogOptions& options) override;
    // "Text Files | *.Txt" as Qt writes a filter: "Text Files (*.Txt)".
    static QString qtFilter(const std::string& filter);

private:
    std::function<QWidget*()> owner_;
    QString lastFolder_;
};

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

// Every Qt service in one place; services() points at them.
struct QtServices {
    QtMessageBox messageBox;
    QtClock clock;
    QtSettingsStore settings;
    QtEventLoop eventLoop;
    QtScreen screen;
    QtBusyCursor busyCursor;
    QtPrinter printer;
    QtSaveFileDialog saveDialog;
    QtBrowserWindows browser;
    QtHelp help;

    Services services() { return servicesOf(*this); }
};

}  // namespace jd::qt
