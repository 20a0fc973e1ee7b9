#pragma once
// Test doubles of the services: every one records what it was asked and
// answers from a script, so a test can drive a window headless and compare
// what the user would have seen.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/services.h"

namespace jd {

// One message box as shown.
struct ShownBox {
    std::string text;
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::OK;
    std::optional<std::string> title;  // nullopt = no title
    std::string caption;               // what the box's caption showed
    bool operator==(const ShownBox&) const = default;
};

// Records every box and answers from a queue. With the queue empty a box is
// answered OK (OK and OK/Cancel boxes) or Yes (Yes/No boxes). A queued answer
// that the box has no button for is a fault of the test: it throws
// std::logic_error.
class ScriptedMessageBox : public MessageBox {
public:
    MsgResult show(const std::string& text, MsgIcon icon, MsgButtons buttons,
                   const std::optional<std::string>& title) override;
    void answer(MsgResult r) { answers_.push_back(r); }
    const std::vector<ShownBox>& shown() const { return shown_; }
    // The texts of the boxes shown, in order.
    std::vector<std::string> texts() const;
    const ShownBox& last() const;
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }
    void clear() { shown_.clear(); answers_.clear(); }
    // Runs while each box is up, before it is answered: what a test checks
    // of the program's state while the user reads the box.
    std::function<void(const std::string& text)> whileShown;

private:
    std::vector<ShownBox> shown_;
    std::deque<MsgResult> answers_;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime now = DateTime::of(2000, 1, 1, 10, 30, 0)) : now_(now) {}
    DateTime now() const override { return now_; }
    void set(DateTime t) { now_ = t; }

private:
    DateTime now_;
};

// Settings kept in memory. Application name, section and key are matched
// without regard to letter case, as the platform's store does. A section is
// written key by key through SaveSetting, after the check that the store can
// be written at all.
class MemorySettingsStore : public SettingsStore {
public:
    std::string GetSetting(const std::string& appName, const std::string& section, const std::string& key,
                           const std::string& defaultValue = {}) const override;
    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;
    void SaveSection(const std::string& appName, const std::string& section,
                     const std::vector<std::pair<std::string, std::string>>& values) override;
    bool has(const std::string& appName, const std::string& section, const std::string& key) const;
    int saveCount() const { return saves_; }
    size_t size() const { return values_.size(); }
    // From now on every write fails as that of a settings file that cannot
    // be written, named `file`; an empty name lets writes through again.
    void failWrites(std::string file) { unwritable_ = std::move(file); }

private:
    using Key = std::tuple<std::string, std::string, std::string>;
    static Key fold(const std::string& a, const std::string& s, const std::string& k);
    void checkWritable() const;
    std::map<Key, std::string> values_;
    int saves_ = 0;
    std::string unwritable_;
};

// Counts the yields; a test may hang work on them (events that arrive while
// the program lets the event loop run).
class CountingEventLoop : public EventLoop {
public:
    void doEvents() override {
        ++count_;
        if (onDoEvents) onDoEvents();
    }
    int count() const { return count_; }
    std::function<void()> onDoEvents;

private:
    int count_ = 0;
};

// A screen of a fixed size, by default 1024 x 768 pixels (15360 x 11520 twips).
class FixedScreen : public Screen {
public:
    explicit FixedScreen(int widthTwips = 15360, int heightTwips = 11520) : w_(widthTwips), h_(heightTwips) {}
    int width() const override { return w_; }
    int height() const override { return h_; }
    void set(int widthTwips, int heightTwips) { w_ = widthTwips; h_ = heightTwips; }

private:
    int w_, h_;
};

// Counts how often the busy shape was shown and restored.
class RecordingBusyCursor : public BusyCursor {
public:
    void show() override { ++shown_; }
    void restore() override { ++restored_; }
    int shown() const { return shown_; }
    int restored() const { return restored_; }

private:
    int shown_ = 0;
    int restored_ = 0;
};

// One call made on the printer.
struct PrinterCall {
    enum class Kind { FontName, FontSize, PrintLine, NewPage, EndDoc };
    Kind kind;
    std::string text;   // FontName, PrintLine
    double size = 0;    // FontSize
    bool operator==(const PrinterCall&) const = default;
};

// Records every call in order.
class RecordingPrinter : public Printer {
public:
    bool isInstalled() const override { return installed_; }
    void setInstalled(bool i) { installed_ = i; }
    void setFontName(const std::string& name) override { calls_.push_back({PrinterCall::Kind::FontName, name, 0}); }
    void setFontSize(double points) override { calls_.push_back({PrinterCall::Kind::FontSize, {}, points}); }
    void printLine(const std::string& text) override { calls_.push_back({PrinterCall::Kind::PrintLine, text, 0}); }
    void newPage() override { calls_.push_back({PrinterCall::Kind::NewPage, {}, 0}); }
    void endDoc() override { calls_.push_back({PrinterCall::Kind::EndDoc, {}, 0}); }
    const std::vector<PrinterCall>& calls() const { return calls_; }
    void clear() { calls_.clear(); }

private:
    std::vector<PrinterCall> calls_;
    bool installed_ = true;
};

// Records what each dialog was shown with and answers from a queue of paths;
// with the queue empty (or a queued nullopt) the user cancels.
class ScriptedSaveDialog : public SaveFileDialog {
public:
    std::optional<std::string> showSave(const SaveDialogOptions& options) override;
    void answer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    const std::vector<SaveDialogOptions>& shown() const { return shown_; }

private:
    std::vector<SaveDialogOptions> shown_;
    std::deque<std::optional<std::string>> answers_;
};

// Records every navigation; the windows it opened are the distinct names.
class RecordingBrowser : public BrowserPane {
public:
    struct Navigation {
        std::string url;
        std::string windowName;
        bool operator==(const Navigation&) const = default;
    };
    void navigate(const std::string& url, const std::string& windowName) override {
        navigations_.push_back({url, windowName});
    }
    const std::vector<Navigation>& navigations() const { return navigations_; }
    std::vector<std::string> windowsOpened() const;

private:
    std::vector<Navigation> navigations_;
};

class RecordingHelp : public Help {
public:
    struct Request {
        std::string helpFile;
        int topic = 0;
        bool operator==(const Request&) const = default;
    };
    void showTopic(const std::string& helpFile, int topic) override { requests_.push_back({helpFile, topic}); }
    const std::vector<Request>& requests() const { return requests_; }

private:
    std::vector<Request> requests_;
};

// All the doubles in one place; services() points at them.
struct FakeServices {
    ScriptedMessageBox messageBox;
    FixedClock clock;
    MemorySettingsStore settings;
    CountingEventLoop eventLoop;
    FixedScreen screen;
    RecordingBusyCursor busyCursor;
    RecordingPrinter printer;
    ScriptedSaveDialog saveDialog;
    RecordingBrowser browser;
    RecordingHelp help;

    Services services() { return servicesOf(*this); }
};

}  // namespace jd
