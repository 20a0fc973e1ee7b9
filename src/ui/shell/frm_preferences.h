#pragma once
// The preferences window "Preferences": the ayanamsa (with the zero year and
// yearly progression of a custom one), the house system, the chart style,
// the days in a year of the dasa and the language of the names. Opening reads
// the one row of table Preference into the window's working copy; "&Save"
// stores the choices in that row, puts them into the shared records and
// recasts the current chart; "&Apply" does the same without storing them, so
// they last until the program ends; "&Close" drops them.
#include <string>

#include "platform/controls.h"
#include "platform/input_controls.h"
#include "platform/window.h"

namespace jd {

class frm_Preferences final : public Window {
public:
    static constexpr const char* kWindowName = "frm_Preferences";
    static constexpr const char* kCaption = "Preferences";

    frm_Preferences();

    Label lblAyanamsa{"lblAyanamsa", "Ayanamsa "};
    ComboBox cbAyanamsa{"cbAyanamsa"};
    Label lblBhava{"lblBhava", "Bhava"};
    ComboBox cbBhava{"cbBhava"};
    Label lblChart{"lblChart", "Chart Style "};
    ComboBox cbChart{"cbChart"};
    Label lblDays{"lblDays", "Days in a Year "};
    ComboBox Cbdays{"Cbdays"};
    Label lblDaysNote{"lblDaysNote", "(Days Selected will be used to calculate vimsottari dasa)"};
    Label lblLanguage{"lblLanguage", "Language "};
    ComboBox cbLanguage{"cbLanguage"};
    Label lblLanguageNote{"lblLanguageNote",
                          "(Planets and House Names Will be displayed in the Language Selected )"};

    // The custom ayanamsa's values; the frame shows only while the ayanamsa
    // is "Custom". Positions of its controls are inside the frame.
    Frame FRAMECUSTOM{"FRAMECUSTOM", "", false};
    Label lblZero{"lblZero", "Enter Zero Year : "};
    TextBox txtZero{"txtZero"};
    Label lblProgression{"lblProgression", "Enter Progression : "};
    TextBox txtPogression{"txtPogression"};

    CommandButton cmdSave{"cmdSave", "&Save"};
    CommandButton Command1{"Command1", "&Apply"};
    CommandButton CMDCANCEl{"CMDCANCEl", "&Close"};

    // The window's own copy of the seven values while it is open.
    struct WorkingCopy {
        std::string ayanamsa;    // "Lahiri", "Raman", "KP", "Sayana", "Custom"
        std::string bhava;       // "Equal", "Not Equal"
        std::string chartStyle;  // "South", "North", "East"
        std::string language;    // "English", "Sanskrit"
        double daysInYear = 0;   // 365.25 or 360
        double zeroYear = 0;
        double progression = 0;
    };
    const WorkingCopy& working() const { return working_; }

    void cmdSave_Click();
    void Command1_Click();
    void CMDCANCEl_Click();

protected:
    void onLoad() override;

private:
    template <class F>
    void trapped(F&& f);
    void fillLists();
    void readStoredRow();
    void showWorkingCopy();
    void comboChosen(ComboBox& combo);
    // Save (store = true) and Apply: checks, refreshes the working copy,
    // stores it when asked, recasts with it and closes the window.
    void saveOrApply(bool store);
    // The checks of a custom ayanamsa's values; false after showing the
    // first that fails.
    bool customValuesPass();
    void refreshCodesFromControls();
    void storeRow();

    WorkingCopy working_;
};

}  // namespace jd
