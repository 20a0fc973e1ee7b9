#include "ui/shell/mdi_quill.h"

#include <cmath>

#include "calendar/form_routines.h"
#include "calendar/place_lookup.h"
#include "horoscope/body_positions.h"
#include "horoscope/chart_run.h"
#include "platform/database.h"
#include "platform/date_time.h"
#include "platform/run_time_error.h"
#include "platform/text.h"
#include "platform/vb_date.h"
#include "platform/vb_number.h"
#include "state/shared_records.h"
#include "ui/shell/window_names.h"

namespace jd {

namespace {

void showCritical(const std::string& description) {
    if (MessageBox* box = state().services.messageBox) box->show(description, MsgIcon::Critical);
}

std::string inAppFolder(const std::string& fileName) {
    const std::string& folder = state().gAppPath;
    if (folder.empty()) return fileName;
    return folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
}

// The keys of the last saved chart, each with the sample chart's value. A
// letter key holds one of its two letters. A number key holds a number as the
// place masters store it: whole degrees of up to three digits or minutes of
// up to two (the city master's boxes, with no check against the globe), or
// zone hours below 116 (the zone master's two digits of hours and three of
// minutes).
enum class KeyKind { Text, Letter, Degrees, Minutes, ZoneHours };
struct HoroKey {
    const char* key;
    std::string BirthDetails::*field;
    KeyKind kind;
    const char* sample;
    const char* letters = "";
};
const HoroKey kHoroKeys[] = {
    {"Name", &BirthDetails::gChartName, KeyKind::Text, "Sample Chart"},
    {"Day", &BirthDetails::gBirthDay, KeyKind::Text, "14"},
    {"Month", &BirthDetails::gBirthMonth, KeyKind::Text, "Jul"},
    {"Year", &BirthDetails::gBirthYear, KeyKind::Text, "1965"},
    {"Hour", &BirthDetails::gBirthHour, KeyKind::Text, "14"},
    {"Min", &BirthDetails::gBirthMinute, KeyKind::Text, "15"},
    {"Sex", &BirthDetails::gGender, KeyKind::Text, "Male"},
    {"City", &BirthDetails::gCity, KeyKind::Text, "Sample City"},
    {"Country", &BirthDetails::gCountry, KeyKind::Text, "India"},
    {"LatNS", &BirthDetails::gLatNS, KeyKind::Letter, "N", "NS"},
    {"LatMin", &BirthDetails::gLatMin, KeyKind::Minutes, "20"},
    {"LatDeg", &BirthDetails::gLatDeg, KeyKind::Degrees, "17"},
    {"LonEW", &BirthDetails::gLonEW, KeyKind::Letter, "E", "EW"},
    {"LonMin", &BirthDetails::gLonMin, KeyKind::Minutes, "30"},
    {"LonDeg", &BirthDetails::gLonDeg, KeyKind::Degrees, "78"},
    {"TimeDiff", &BirthDetails::gZoneHours, KeyKind::ZoneHours, "5.5"},
    {"TimeDiffEW", &BirthDetails::gZoneEW, KeyKind::Letter, "E", "EW"},
};

// The text of a number key as the chart reads it: the program's own text of
// the number. A text that is no plain number, a number no place master
// stores, or one whose text the program could not read back (an exponent) is
// a key that cannot be read.
std::string horoNumber(const std::string& text, KeyKind kind) {
    const double x = toDouble(text);
    const bool whole = x == std::floor(x);
    bool stored = false;
    switch (kind) {
        case KeyKind::Degrees: stored = whole && x >= 0 && x <= 999; break;
        case KeyKind::Minutes: stored = whole && x >= 0 && x <= 99; break;
        case KeyKind::ZoneHours: stored = x >= 0 && x < 116; break;
        default: break;
    }
    std::string normal = numberText(x);
    if (!stored || !isNumeric(normal)) throw RunTimeError::typeMismatch();
    return normal;
}

}  // namespace

MDIQuill::MDIQuill() : Window(kWindowName, kCaption, WindowKind::MdiFrame) {
    // The wait panel as designed: a small box with the bar and its caption,
    // centred in the mask.
    panel_.Frame1.move(0, 0, 2430, 915);
    panel_.PicOut.move(0, 180, 2415, 255);
    panel_.PicIn.move(-15, -15, 0, 270);
    panel_.Label1.move(0, 540, 2430, 285);
    panel_.PicMask.subscribe([this] {
        const Control& mask = panel_.PicMask;
        if (mask.width() == maskWidth_ && mask.height() == maskHeight_) return;
        maskWidth_ = mask.width();
        maskHeight_ = mask.height();
        PicMask_Resize();
    });

    mnuTools.add(mDI_Country);
    mnuTools.add(MDI_LAt_Lon);
    mnuTools.add(MDI_ADD_TimeZone);
    mnuTools.add(mnusep14);
    mnuTools.add(mnudetails);
    mnuTools.add(mnuPreferences);
    mnuBirthTime.add(Mnu_IshtaGhatika);
    mnuBirthTime.add(mnuSep12);
    mnuBirthTime.add(mnu_BirthTime);
    mdiHelpmnu.add(mnuHelp);
    mdiHelpmnu.add(mnusep4);
    mdiHelpmnu.add(mnuAboutus);
    menuBar_ = {&mnuBirthDetails, &mnuTools, &mnuBirthTime, &mdiHelpmnu, &mnuExit};

    targets_ = {
        {&mnuBirthDetails, windows::kOpenChart},
        {&mDI_Country, windows::kAddCountry},
        {&MDI_LAt_Lon, windows::kNewLatLon},
        {&MDI_ADD_TimeZone, windows::kAddTimeZone},
        {&mnudetails, windows::kDetails},
        {&mnuPreferences, windows::kPreferences},
        {&Mnu_IshtaGhatika, windows::kBirthTimeToIshtaGhatika},
        {&mnu_BirthTime, windows::kIshtaghatikaToBirthTime},
        {&mnuAboutus, windows::kAboutUs},
    };

    // The birth-details entry is a window of its own, owned by the frame;
    // when it is shown already it comes forward with the keys.
    mnuBirthDetails.onClick = [this] {
        command([this] {
            Window& entry = registry().get(windows::kOpenChart);
            entry.show(this);
            entry.bringToFront();
        });
    };
    for (auto [cmd, target] : targets_) {
        if (cmd == &mnuBirthDetails) continue;
        const char* name = target;
        cmd->onClick = [this, name] { command([this, name] { bringWindowToFront(name); }); };
    }
    mnuHelp.onClick = [this] {
        command([this] {
            if (Help* help = services().help) help->showTopic(helpFilePath(), kHelpTopic);
        });
    };
    mnuExit.onClick = [this] { command([this] { exitProgram(); }); };
}

OnLoadClass& MDIQuill::onLoadClass() {
    if (!onLoadClass_) onLoadClass_ = std::make_unique<OnLoadClass>();
    return *onLoadClass_;
}

std::string MDIQuill::helpFilePath() { return inAppFolder(kHelpFileName); }

bool MDIQuill::available(const MenuCommand& cmd) const {
    for (const auto& [c, target] : targets_)
        if (c == &cmd) return registry().isDefined(target);
    return true;
}

void MDIQuill::enableWhenAvailable(MenuCommand& cmd) { cmd.setEnabled(available(cmd)); }

void MDIQuill::onLoad() {
    // Commands whose window the program does not have yet stay disabled.
    for (auto [cmd, target] : targets_)
        if (!registry().isDefined(target)) cmd->setEnabled(false);
    startUp();
}

void MDIQuill::startUp() {
    try {
        panel_.PicIn.setWidth(0);

        state().gDbConnection = Database::open(inAppFolder(kDatabaseFileName), services().busyCursor);

        OnLoadClass& prefs = onLoadClass();
        prefs.FnPreferences(*state().gDbConnection);
        Preferences& p = state().prefs;
        ChartAyanamsa& a = state().chartAyanamsa;
        p.gDaysPerYear = prefs.clsDays_in_a_Year;
        p.gAyanamsaName = prefs.clsAyanamsa;
        a.gAyanamsaChoice = p.gAyanamsaName;
        p.gBhavaSystem = prefs.clsBhava;
        p.gChartStyle = prefs.clsChart_Type;
        p.gLanguage = prefs.clsLanguage;
        p.gCustomProgress = prefs.clsProgress;
        p.gCustomZeroYear = prefs.clsYear;
        a.gChartCustomProgress = p.gCustomProgress;
        a.gChartCustomZeroYear = p.gCustomZeroYear;

        // The machine's locale is left as it is: every date the program
        // shows or reads is written day-first with English month names by
        // the program's own date functions.

        enableWhenAvailable(mnuPreferences);
        FNInitialize();
        FnEnable();

        registry().get(windows::kMainHoroscope).show();
        registry().get(windows::kUserDetails).show();
    } catch (const RunTimeError& e) {
        showCritical(e.description());
    }
}

void MDIQuill::FNInitialize() {
    try {
        state().gActiveWindowName.clear();

        // The chart is read whole before anything is written, so a key that
        // cannot be read leaves the birth details as they were.
        BirthDetails chart = state().birth;
        const SettingsStore* settings = services().settings;
        for (const HoroKey& k : kHoroKeys) {
            std::string value = settings ? settings->GetSetting(kHoroApplication, kHoroSection, k.key, k.sample)
                                         : std::string(k.sample);
            switch (k.kind) {
                case KeyKind::Text: break;
                case KeyKind::Letter:
                    value = FnPlaceLetter(value, k.letters[0], k.letters[1]);
                    if (value.empty()) throw RunTimeError::typeMismatch();
                    break;
                case KeyKind::Degrees:
                case KeyKind::Minutes:
                case KeyKind::ZoneHours: value = horoNumber(value, k.kind); break;
            }
            chart.*k.field = std::move(value);
        }
        // A date or time the chart cannot read is no chart to cast: it fails
        // here once, as a number key that is no number does, rather than in
        // every step of the run.
        if (!FnIsBirthMoment(chart)) throw RunTimeError::typeMismatch();

        FnCastHoroscope([&chart] { state().birth = chart; });
    } catch (const RunTimeError& e) {
        showCritical(e.description());
    }
}

void MDIQuill::FnEnable() {
    enableWhenAvailable(mnuBirthTime);
    enableWhenAvailable(mnuTools);
    enableWhenAvailable(mnuBirthDetails);
}

void MDIQuill::PicMask_Resize() {
    panel_.Frame1.setTop((panel_.PicMask.height() - panel_.Frame1.height()) / 2);
    panel_.Frame1.setLeft((panel_.PicMask.width() - panel_.Frame1.width()) / 2);
}

void MDIQuill::command(const std::function<void()>& handler) {
    // A command chosen while a chart is being cast would run inside the cast
    // and find the shared records half written: it is refused.
    if (FnChartRunInProgress()) return;
    try {
        handler();
    } catch (const RunTimeError& e) {
        showCritical(e.description());
    }
}

void MDIQuill::bringWindowToFront(const char* name) { registry().bringToFront(name); }

void MDIQuill::exitProgram() {
    // An error while a window unloads ends Exit there: the windows after it
    // and the frame stay open.
    ending_ = true;
    try {
        for (const char* name : windows::kExitOrder) registry().unload(name);
        registry().unload(*this);
    } catch (...) {
        ending_ = false;
        throw;
    }
}

bool MDIQuill::closeFrame() {
    if (FnChartRunInProgress()) return false;
    ending_ = true;
    try {
        registry().unload(*this);
    } catch (const RunTimeError& e) {
        ending_ = false;
        showCritical(e.description());
        return false;
    }
    return true;
}

}  // namespace jd
