#pragma once
// The chart run: casting the horoscope of the shared birth details into the
// nine result windows, behind the main window's wait panel with its progress
// bar, and the management of those windows.
#include <array>
#include <functional>

namespace jd {

// The nine result windows, in the order in which they are always handled.
inline constexpr std::array<const char*, 9> kResultWindowNames{
    "frm_UserDetails", "frm_rasi",   "frm_Navamsa", "frm_BhavaChart", "frm_CBhava",
    "Frm_PP",          "Frm_Vargas", "Frm_AVargas", "Frm_Dasa",
};
inline constexpr const char* kPrintWindowName = "Frm_Print";
inline constexpr const char* kBirthDetailsWindowName = "frm_OpenChart";

// Casts the horoscope of BirthDetails, Preferences and ChartAyanamsa: shows
// the wait panel, unloads the result windows, computes the rasi positions and
// name tables, draws the rasi chart, fills the birth texts and the
// ashtakavarga, computes the navamsa and draws its chart, fills the bhava
// tables and the planet table, finishes the run, fills the vargas and the
// dasa, shows the result windows and hides the panel. The progress bar steps
// after every stage: 15 times with the style "South", "North" or "East", 13
// with any other (no chart is drawn then).
//
// Birth details whose date or time names no moment the chart can be cast
// for (FnIsBirthMoment) are not cast: once the caller's records are written,
// one critical "Type mismatch" box shows, no window is touched and the call
// returns as after a run.
//
// A stage that fails shows its own error box and the run goes on. An error in
// the run's own work (the panel, the chart frames, the North chart's cells)
// shows the plain error box and ends the run. A database failure (the file
// locked past the wait, unreadable, not a database or damaged, a table or
// column missing) ends the run at once, whichever stage meets it: its
// description alone shows in one box with the critical icon, the result
// windows are left unloaded (no half chart is shown) and gComputing is
// lowered; the next cast tries the database again. Whatever happens, the
// panel is hidden when the call returns and no error reaches the caller.
//
// Only one cast runs at a time: the panel repaints without handling the
// user's input, and a cast asked for while one runs (by a handler reached
// some other way) is refused with false. The caller's writing of the shared
// records goes in `writeRecords`, which runs only when the cast goes ahead,
// so a refused request leaves the running cast's records alone.
bool FnCastHoroscope(const std::function<void()>& writeRecords = {});

// True while a cast runs; commands that would disturb it (another cast, the
// preferences, Exit) wait for its end.
bool FnChartRunInProgress();

// The finishing stage of a run: raises gComputing, sets gBirthDateTime, fills
// the planet table a second time, lowers gComputing, reloads the name tables
// and hides the birth-details window frm_OpenChart (creating it, hidden, when
// it does not exist yet). gComputing is lowered however the stage ends.
void FnFinishChartRun();

// Hides the nine result windows in order, then unloads them in order, so the
// run writes into windows in their designed state. Without a window registry
// the windows' contents are put back to their designed state directly.
void FnUnloadChartWindows();

// Shows the nine result windows in order, then brings forward the one named
// by gActiveWindowName ("" or "Details", "Print", "Dasa", "AVargas", "Vargas",
// "Planet Positions", "Bhava Features", "Bhava", "Navamsa", "Rasi"; any other
// text brings none).
void FnShowChartWindows();

// Grows the progress bar by a fourteenth of its frame's width, in whole
// twips, never past the frame, and repaints the panel.
void FnProgressStep();

}  // namespace jd
