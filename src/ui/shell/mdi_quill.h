#pragma once
// The main window: the frame of every child window, the start-up of the
// program, the menu bar, help, Exit, and the wait panel that covers the frame
// while a chart is cast.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "horoscope/chart_host.h"
#include "platform/window.h"
#include "state/horo_settings.h"
#include "ui/shell/menu_command.h"
#include "ui/shell/on_load_class.h"

namespace jd {

// The help file beside the program and its opening topic; the database file.
inline constexpr const char* kHelpFileName = "HollinHelp.html";
inline constexpr int kHelpTopic = 1000;
inline constexpr const char* kDatabaseFileName = "DBTessel.db";

class MDIQuill final : public Window, public ChartHost {
public:
    static constexpr const char* kWindowName = kMainWindowName;
    static constexpr const char* kCaption = "Jataka Desk 0.1";

    MDIQuill();

    // The menu bar, top to bottom and left to right.
    MenuCommand mnuBirthDetails{"mnuBirthDetails", "&Enter Birth Details", false};
    MenuCommand mnuTools{"mnuTools", "&Tools", false};
    MenuCommand mDI_Country{"mDI_Country", "&Country Master"};
    MenuCommand MDI_LAt_Lon{"MDI_LAt_Lon", "Cit&y Master"};
    MenuCommand MDI_ADD_TimeZone{"MDI_ADD_TimeZone", "Time &Zone Master"};
    MenuCommand mnusep14 = MenuCommand::separator("mnusep14");
    MenuCommand mnudetails{"mnudetails", "Edit Personal &Info"};
    MenuCommand mnuPreferences{"mnuPreferences", "&Preferences", false};
    MenuCommand mnuBirthTime{"mnuBirthTime", "&Time Converter", false};
    MenuCommand Mnu_IshtaGhatika{"Mnu_IshtaGhatika", "&BirthTime To  IshtaGhatika"};
    MenuCommand mnuSep12 = MenuCommand::separator("mnuSep12");
    MenuCommand mnu_BirthTime{"mnu_BirthTime", "Ishta&Ghatika To BirthTime"};
    MenuCommand mdiHelpmnu{"mdiHelpmnu", "Help"};
    MenuCommand mnuHelp{"mnuHelp", "&Help"};
    MenuCommand mnusep4 = MenuCommand::separator("mnusep4");
    MenuCommand mnuAboutus{"mnuAboutus", "&About Us"};
    MenuCommand mnuExit{"mnuExit", "E&xit"};

    const std::vector<MenuCommand*>& menuBar() const { return menuBar_; }

    // The wait panel (PicMask, Frame1, Label1, PicOut, PicIn).
    WaitPanel& waitPanel() override { return panel_; }
    // Asks the screen to paint the panel now; the Qt front sets the hook and
    // paints without handling any input.
    void repaintWaitPanel() override {
        if (onRepaintWaitPanel) onRepaintWaitPanel();
    }
    std::function<void()> onRepaintWaitPanel;

    // Puts the last saved chart (or the sample chart) into BirthDetails and
    // casts it.
    void FNInitialize();
    // Enables the Time Converter, Tools and Enter Birth Details menus.
    void FnEnable();
    // Centres Frame1 in PicMask (the mask's resize).
    void PicMask_Resize();

    // The preferences as read at start-up (created on first use).
    OnLoadClass& onLoadClass();

    // The user closes the frame: false while a chart is being cast, so the
    // cast ends first; otherwise the frame unloads (ending the program).
    bool closeFrame();

    // True while Exit or the closing of the frame takes the windows down:
    // nothing may bring a window back then.
    bool ending() const { return ending_; }

    // The file of the help document.
    static std::string helpFilePath();

protected:
    void onLoad() override;

private:
    void startUp();
    // Runs a menu handler: refused while a cast runs; a run-time error is
    // shown as its description with the critical icon.
    void command(const std::function<void()>& handler);
    void bringWindowToFront(const char* name);
    void exitProgram();
    // A command is enabled only when the program has its window.
    void enableWhenAvailable(MenuCommand& cmd);
    bool available(const MenuCommand& cmd) const;

    WaitPanel panel_;
    std::unique_ptr<OnLoadClass> onLoadClass_;
    std::vector<MenuCommand*> menuBar_;
    // The window each command opens ("" for commands that open none).
    std::vector<std::pair<MenuCommand*, const char*>> targets_;
    double maskWidth_ = -1, maskHeight_ = -1;
    bool ending_ = false;
};

}  // namespace jd
