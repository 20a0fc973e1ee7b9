#pragma once
// The program's frame: a main window whose client area holds the child
// windows (a multiple-document area). Attached to the window registry it
// shows the windows of the program as they load, show, come to the front,
// hide and unload; when the main window MDIQuill loads, the frame takes its
// caption, its menu bar and its wait panel.
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/subscription.h"
#include "platform/window.h"
#include "qt/view_factory.h"

class QMdiSubWindow;

namespace jd {
class MDIQuill;
class MenuCommand;
}  // namespace jd

namespace jd::qt {

inline constexpr const char* kFrameCaption = "Jataka Desk 0.1";

class WaitPanelWidget;

class MainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFrame(QWidget* parent = nullptr);
    ~MainFrame() override;
    QMdiArea* mdiArea() const { return mdi_; }

    // Follows the windows of the registry from now on. Neither the registry
    // nor the views may go before the frame.
    void attach(WindowRegistry& registry, const ViewFactory& views);

    // The widget showing a window (its sub-window in the area, or its own
    // window), or nullptr when it has none.
    QWidget* viewOf(const std::string& windowName) const;
    QMdiSubWindow* subWindowOf(const std::string& windowName) const;
    WaitPanelWidget* waitPanel() const { return waitPanel_; }
    // The window the user works in, as the window registry knows it: a
    // window of its own, or the frame (also for its child windows). A message
    // box belongs to it.
    QWidget* workingWindow();
    // Whether a window manager runs on the display, asked as the frame
    // maximises (`windowManagerRuns` unless a test answers for the display).
    void setWindowManagerCheck(std::function<bool()> check) { windowManagerRuns_ = std::move(check); }
    // Where no window manager runs, the frame takes the screen's free area,
    // as it does when it maximises: start-up has it do so before it shows.
    // Whether it did.
    bool fitToScreen();

signals:
    // The main window has unloaded: the program ends now.
    void programEnded();

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct View {
        Window* window = nullptr;
        QWidget* outer = nullptr;  // the sub-window, or the separate window
        QMdiSubWindow* sub = nullptr;
        Subscription windowSub;  // to the window's caption, geometry and owner
    };

    void onWindowEvent(const WindowEvent& e, Window& w);
    void createView(Window& w);
    void dropView(const std::string& name);
    // Whether the view changed its owner (and was placed anew).
    bool followOwner(View& v);
    void place(View& v);
    void activate(View& v);
    const View* focusKeeper() const;
    void raiseFront();
    void keepWindowsUnder();
    void scheduleRestack();
    void noteActivation(QWidget* window);
    void keysToFrameUnlessOwnWindowActive();
    void scrollIntoView(QWidget* focused);
    void maximize();
    void bindMain(MDIQuill& main);
    void unbindMain();
    void addMenuCommand(QWidget* menu, MenuCommand& cmd);

    QMdiArea* mdi_;  // owned by the frame
    WindowRegistry* registry_ = nullptr;
    const ViewFactory* views_ = nullptr;
    Subscription registrySub_;
    std::map<std::string, View> views_by_name_;
    MDIQuill* main_ = nullptr;
    Subscription mainSub_;
    std::vector<Subscription> menuSubs_;
    WaitPanelWidget* waitPanel_ = nullptr;  // owned by the area
    bool syncing_ = false;  // the frame itself is moving the sub-windows
    QMdiSubWindow* activating_ = nullptr;  // the area is activating this sub-window
    bool commandRunning_ = false;          // a menu command is running
    QWidget* reportedActive_ = nullptr;    // the window system is telling of this window's activation
    bool closing_ = false;
    bool restackPending_ = false;
    std::function<bool()> windowManagerRuns_;
};

}  // namespace jd::qt
