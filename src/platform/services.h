#pragma once
// What the program asks of the desktop around it, each as a small interface:
// message boxes, the clock, the per-user settings store, the event loop, the
// screen, the busy cursor, the printer, the save dialog, a separate browser
// window, help.
// The Qt front implements them for the real program; fake_services.h holds
// the test doubles. Windows reach them through one `Services` holder.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/date_time.h"
#include "platform/run_time_error.h"

namespace jd {

// The program's name, shown in the caption of a message box that has no title
// of its own (as a platform box shows the application's title).
inline constexpr const char* kProgramName = "Jataka Desk";

enum class MsgIcon { None, Information, Critical, Question, Exclamation };
enum class MsgButtons { OK, YesNo, OKCancel };
enum class MsgResult { OK, Cancel, Yes, No };

// A modal message box. `title` empty (std::nullopt) means no title: the box
// then carries the program's name in its caption. Returns the button pressed.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual MsgResult show(const std::string& text, MsgIcon icon = MsgIcon::None,
                           MsgButtons buttons = MsgButtons::OK,
                           const std::optional<std::string>& title = std::nullopt) = 0;
};

// The caption a box shows for a title or none.
inline std::string messageCaption(const std::optional<std::string>& title) {
    return title ? *title : std::string(kProgramName);
}

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time, to the second.
    virtual DateTime now() const = 0;
};

// The error of a settings file that cannot be written, naming the file (or
// the lock file that stops the write), with the reason where one is known.
inline RunTimeError settingsFileError(const std::string& file, const std::string& reason = {}) {
    return RunTimeError(75, "Path/File access error: the settings file " + file + " cannot be written" +
                                (reason.empty() ? "" : ": " + reason));
}

// The per-user settings store: application name, section, key, text value.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored text, or `defaultValue` when the key is missing.
    virtual std::string GetSetting(const std::string& appName, const std::string& section,
                                   const std::string& key, const std::string& defaultValue = {}) const = 0;
    // Writes one key, as SaveSection does.
    virtual void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                             const std::string& value) = 0;
    // Writes the keys of a section in one operation: afterwards the store
    // holds all of them or, when it cannot be written, exactly what it held
    // before, and settingsFileError() is raised.
    virtual void SaveSection(const std::string& appName, const std::string& section,
                             const std::vector<std::pair<std::string, std::string>>& values) = 0;
};

// Lets waiting window events run once (the "do events" of long work).
class EventLoop {
public:
    virtual ~EventLoop() = default;
    virtual void doEvents() = 0;
};

// The screen's size in twips (15 twips to a pixel).
class Screen {
public:
    virtual ~Screen() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

// The mouse pointer's busy (hourglass) shape, shown while the program waits
// on something outside it with its event loop stopped.
class BusyCursor {
public:
    virtual ~BusyCursor() = default;
    // Shows the busy shape over every window of the program, drawn at once.
    virtual void show() = 0;
    // Gives the pointer back the shape it had before show().
    virtual void restore() = 0;
};

// The system's default printer, driven line by line.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool isInstalled() const = 0;
    virtual void setFontName(const std::string& name) = 0;
    virtual void setFontSize(double points) = 0;
    // Prints the text followed by a line break; CR LF inside the text start
    // new lines. A page that overflows continues on a new sheet.
    virtual void printLine(const std::string& text) = 0;
    // Starts a new sheet (one comes out only if something is printed on it).
    virtual void newPage() = 0;
    // Ends the print job and sends it.
    virtual void endDoc() = 0;
};

// What the save form of the file dialog is told.
struct SaveDialogOptions {
    std::string filter;            // "Text Files | *.Txt": description and pattern pairs joined by "|"
    std::string title;             // "" = the platform's own
    std::string defaultExtension;  // "" = the name is used as given
    bool overwritePrompt = false;  // ask before overwriting an existing file
    std::string fileName;          // the name shown at first
};

class SaveFileDialog {
public:
    virtual ~SaveFileDialog() = default;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> showSave(const SaveDialogOptions& options) = 0;
};

// A separate browser window, found by its name: the first navigation with a
// name opens the window, later ones load into that same window while it is
// open.
class BrowserPane {
public:
    virtual ~BrowserPane() = default;
    virtual void navigate(const std::string& url, const std::string& windowName) = 0;
};

// The program's help: the help document at a topic number.
class Help {
public:
    virtual ~Help() = default;
    virtual void showTopic(const std::string& helpFile, int topic) = 0;
};

// The services a window uses; main() or a test fills it. Pointers are not
// owned.
struct Services {
    MessageBox* messageBox = nullptr;
    Clock* clock = nullptr;
    SettingsStore* settings = nullptr;
    EventLoop* eventLoop = nullptr;
    Screen* screen = nullptr;
    BusyCursor* busyCursor = nullptr;
    Printer* printer = nullptr;
    SaveFileDialog* saveDialog = nullptr;
    BrowserPane* browser = nullptr;
    Help* help = nullptr;
};

// The services of a set that holds one of each under the same names (the
// program's own, the tests' doubles).
template <class Set>
Services servicesOf(Set& s) {
    return Services{&s.messageBox, &s.clock,      &s.settings,   &s.eventLoop, &s.screen,
                    &s.busyCursor, &s.printer,    &s.saveDialog, &s.browser,   &s.help};
}

}  // namespace jd
