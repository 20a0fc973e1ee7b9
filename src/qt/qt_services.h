#pragma once
// The services of the program as Qt provides them: message boxes, the clock,
// the event loop, the screen and the save dialog; with the busy cursor, the
// settings store, the printer and the separate windows of their own files.
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
#include "qt/qt_busy_cursor.h"
#include "qt/qt_printer.h"
#include "qt/qt_separate_windows.h"
#include "qt/qt_settings_store.h"

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
