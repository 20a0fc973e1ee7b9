#include "ui/shell/frm_preferences.h"

#include <initializer_list>
#include <span>

#include "calendar/calendar_errors.h"
#include "calendar/form_routines.h"
#include "horoscope/chart_run.h"
#include "platform/database.h"
#include "platform/run_time_error.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"

namespace jd {

namespace {

// A combo box's item text and the code it stands for. An unlisted item is
// shown only when the stored row holds its code.
struct CodeItem {
    const char* text;
    const char* code;
    bool listed = true;
};

constexpr CodeItem kAyanamsaItems[] = {
    {"Chitrapaksha Ayanamsa (Lahiri)", "Lahiri"},
    {"Raman Ayanamsa", "Raman"},
    {"Krishnamoorthy Ayanamsa", "KP"},
    {"Tropical Ayanamsa (Sayana)", "Sayana"},
    {"Custom Ayanamsa", "Custom"},
};
constexpr CodeItem kBhavaItems[] = {
    {"Equal House", "Equal"},
    {"Placidius", "Not Equal", false},
};
constexpr CodeItem kChartItems[] = {
    {"South Indian", "South"},
    {"North Indian", "North"},
    {"East Indian", "East"},
};
constexpr CodeItem kLanguageItems[] = {
    {"English", "English"},
    {"Sanskrit", "Sanskrit"},
};

struct DaysItem {
    const char* text;
    double days;
};
constexpr DaysItem kDaysItems[] = {{"365.25", 365.25}, {"360", 360}};

constexpr const char* kCustom = "Custom";

void fill(ComboBox& combo, std::span<const CodeItem> items) {
    combo.clear();
    for (const CodeItem& item : items)
        if (item.listed) combo.addItem(item.text);
}

// The item text of a code; "" when no item stands for it.
std::string textOfCode(std::span<const CodeItem> items, const std::string& code) {
    for (const CodeItem& item : items)
        if (code == item.code) return item.text;
    return {};
}

// Replaces `code` by the code of the item `text`; a text that is no item
// leaves it as it is.
void takeCodeOfText(std::span<const CodeItem> items, const std::string& text, std::string& code) {
    for (const CodeItem& item : items)
        if (text == item.text) {
            code = item.code;
            return;
        }
}

void takeDaysOfText(const std::string& text, double& days) {
    for (const DaysItem& item : kDaysItems)
        if (text == item.text) {
            days = item.days;
            return;
        }
}

}  // namespace

frm_Preferences::frm_Preferences() : Window(kWindowName, kCaption) {
    setWidth(9480);
    setHeight(4800);

    // Labels on the left, their combo boxes beside them, the notes below.
    constexpr double labelLeft = 240, comboLeft = 2040, comboWidth = 3120, rowHeight = 315;
    const auto row = [&](Label& label, ComboBox& combo, double top) {
        label.move(labelLeft, top + 30, comboLeft - labelLeft - 60, rowHeight - 30);
        combo.move(comboLeft, top, comboWidth, rowHeight);
    };
    row(lblAyanamsa, cbAyanamsa, 360);
    row(lblBhava, cbBhava, 840);
    row(lblChart, cbChart, 1320);
    row(lblDays, Cbdays, 1800);
    lblDaysNote.move(labelLeft, 2190, 6600, 255);
    row(lblLanguage, cbLanguage, 2640);
    lblLanguageNote.move(labelLeft, 3030, 7800, 255);

    FRAMECUSTOM.move(5400, 240, 3840, 1380);
    lblZero.move(120, 330, 1800, 255);
    txtZero.move(1920, 300, 1680, rowHeight);
    lblProgression.move(120, 810, 1800, 255);
    txtPogression.move(1920, 780, 1680, rowHeight);

    cmdSave.move(2040, 3600, 1200, 375);
    Command1.move(3360, 3600, 1200, 375);
    CMDCANCEl.move(4680, 3600, 1200, 375);

    // Every key goes to the type-ahead and is then discarded, so a combo box
    // holds only its list items (or the text that opening put there).
    for (ComboBox* c : {&cbAyanamsa, &cbBhava, &cbChart, &Cbdays, &cbLanguage}) {
        c->onKeyPress = [this](int& k) {
            FnComboAutoComplete(k, *this);
            k = 0;
        };
        c->onClick = [this, c] { trapped([&] { comboChosen(*c); }); };
    }

    cmdSave.onClick = [this] { cmdSave_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    CMDCANCEl.onClick = [this] { CMDCANCEl_Click(); };
}

template <class F>
void frm_Preferences::trapped(F&& f) {
    try {
        f();
    } catch (const RunTimeError& e) {
        if (MessageBox* box = services().messageBox) box->show(e.description(), MsgIcon::Critical);
    }
}

void frm_Preferences::onLoad() {
    trapped([&] {
        move(0, 0);
        fillLists();
        readStoredRow();
        showWorkingCopy();
    });
}

void frm_Preferences::fillLists() {
    fill(cbAyanamsa, kAyanamsaItems);
    Cbdays.clear();
    for (const DaysItem& item : kDaysItems) Cbdays.addItem(item.text);
    fill(cbBhava, kBhavaItems);
    fill(cbChart, kChartItems);
    fill(cbLanguage, kLanguageItems);
}

void frm_Preferences::readStoredRow() {
    Statement rs = sharedDatabase(closedConnection).query("Select * From Preference");
    rs.step();  // an empty table leaves no current row: the first read raises
    // Value by value, so a read that fails keeps the values read before it.
    working_.daysInYear = rs.asDouble("DayInYear");
    working_.chartStyle = rs.asText("ChartStyle");
    working_.language = rs.asText("PreferLanguage");
    working_.ayanamsa = rs.asText("Ayanamsa");
    working_.bhava = rs.asText("Bhava");
    working_.zeroYear = rs.asDouble("CustomYear");
    working_.progression = rs.asDouble("CustomProgress");
}

void frm_Preferences::showWorkingCopy() {
    cbAyanamsa.setText(textOfCode(kAyanamsaItems, working_.ayanamsa));
    if (working_.ayanamsa == kCustom) {
        FRAMECUSTOM.setVisible(true);
        txtZero.setText(numberText(working_.zeroYear));
        txtPogression.setText(numberText(working_.progression));
    }
    // Only the two listed day counts show; any other value leaves the box
    // empty and stays in force until the user picks one.
    for (const DaysItem& item : kDaysItems)
        if (working_.daysInYear == item.days) Cbdays.setText(item.text);
    cbBhava.setText(textOfCode(kBhavaItems, working_.bhava));
    cbLanguage.setText(textOfCode(kLanguageItems, working_.language));
    cbChart.setText(textOfCode(kChartItems, working_.chartStyle));
}

void frm_Preferences::comboChosen(ComboBox& combo) {
    if (combo.listIndex() < 0) return;
    const std::string& text = combo.list(combo.listIndex());
    if (&combo == &cbAyanamsa) {
        takeCodeOfText(kAyanamsaItems, text, working_.ayanamsa);
        FRAMECUSTOM.setVisible(working_.ayanamsa == kCustom);
    } else if (&combo == &cbBhava) {
        takeCodeOfText(kBhavaItems, text, working_.bhava);
    } else if (&combo == &cbChart) {
        takeCodeOfText(kChartItems, text, working_.chartStyle);
    } else if (&combo == &Cbdays) {
        takeDaysOfText(text, working_.daysInYear);
    } else if (&combo == &cbLanguage) {
        takeCodeOfText(kLanguageItems, text, working_.language);
    }
}

void frm_Preferences::cmdSave_Click() { saveOrApply(true); }

void frm_Preferences::Command1_Click() { saveOrApply(false); }

void frm_Preferences::CMDCANCEl_Click() {
    trapped([&] { unload(); });
}

bool frm_Preferences::customValuesPass() {
    MessageBox* box = services().messageBox;
    const auto refuse = [box](const char* text) {
        if (box) box->show(text, MsgIcon::None, MsgButtons::OK, std::string(kCaption));
        return false;
    };
    const std::string& zero = txtZero.text();
    const std::string& progression = txtPogression.text();
    if (zero.empty()) return refuse("Enter Zero Year");
    if (progression.empty()) return refuse("Enter Progression");
    if (!isNumeric(zero)) return refuse("Enter Year in Number");
    if (!isNumeric(progression)) return refuse("Enter Progression in Number ");
    const double year = toDouble(zero);
    const double rate = toDouble(progression);
    if (year > 2003) return refuse("Enter Zero Year Less than current Year ");
    if (year < 0) return refuse("Enter Positive Zero Year ");
    if (rate < 0) return refuse("Enter Positive Progression ");
    if (rate > 1000) return refuse("Enter Progression less than 1000");
    return true;
}

void frm_Preferences::refreshCodesFromControls() {
    takeCodeOfText(kAyanamsaItems, cbAyanamsa.text(), working_.ayanamsa);
    takeCodeOfText(kBhavaItems, cbBhava.text(), working_.bhava);
    takeCodeOfText(kChartItems, cbChart.text(), working_.chartStyle);
    takeDaysOfText(Cbdays.text(), working_.daysInYear);
    takeCodeOfText(kLanguageItems, cbLanguage.text(), working_.language);
}

void frm_Preferences::storeRow() {
    const WorkingCopy& w = working_;
    const int changed = sharedDatabase(closedConnection).execute(
        "UPDATE Preference SET Ayanamsa = ?, Bhava = ?, DayInYear = ?, ChartStyle = ?, PreferLanguage = ?, "
        "CustomYear = ?, CustomProgress = ? WHERE PreID = ?",
        w.ayanamsa, w.bhava, w.daysInYear, w.chartStyle, w.language, w.zeroYear, w.progression, "1");
    // Without the row nothing was stored: that is a failure, not a save.
    if (changed == 0) throw RunTimeError(kDbNoCurrentRow, "No current row");
}

void frm_Preferences::saveOrApply(bool store) {
    // A press while a chart is being cast would store or apply settings the
    // running cast does not use: it changes nothing.
    if (FnChartRunInProgress()) return;
    trapped([&] {
        if (working_.ayanamsa == kCustom) {
            if (!customValuesPass()) return;
        } else {
            txtZero.setText("0");
            txtPogression.setText("0");
        }
        working_.zeroYear = toDouble(txtZero.text());
        working_.progression = toDouble(txtPogression.text());
        refreshCodesFromControls();
        if (store) storeRow();

        // The custom values go into the chart's ayanamsa as well, so the
        // whole chart is cast with the values just saved or applied.
        const WorkingCopy w = working_;
        const bool cast = FnCastHoroscope([w] {
            Preferences& p = state().prefs;
            ChartAyanamsa& a = state().chartAyanamsa;
            p.gAyanamsaName = w.ayanamsa;
            a.gAyanamsaChoice = p.gAyanamsaName;
            p.gBhavaSystem = w.bhava;
            p.gCustomZeroYear = w.zeroYear;
            p.gCustomProgress = w.progression;
            p.gDaysPerYear = w.daysInYear;
            p.gChartStyle = w.chartStyle;
            p.gLanguage = w.language;
            a.gChartCustomZeroYear = w.zeroYear;
            a.gChartCustomProgress = w.progression;
        });
        if (cast) unload();
    });
}

}  // namespace jd
