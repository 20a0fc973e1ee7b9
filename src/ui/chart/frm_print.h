#pragma once
// The print window: the user chooses whether the report carries the antara
// pages and where it goes (the printer, a text file or an HTML file) and
// presses "&Print"; the report is built afresh from the result windows into
// the hidden box Te and sent to that output.
//
// The report options and Te live with the other result-window contents
// (resultWindows().Frm_Print), where the report builder reads "With Antra"
// and writes its text; the window adds the command button and, like the
// result windows, two advertisement panes with their "^ Maximize" buttons.
#include <functional>
#include <string>
#include <vector>

#include "platform/input_controls.h"
#include "platform/services.h"
#include "platform/window.h"
#include "state/result_windows.h"

namespace jd {

// Texts of the print window.
inline constexpr const char* kReportPrintFont = "Courier New";
inline constexpr double kReportPrintFontSize = 11;
inline constexpr const char* kReportTextFilter = "Text Files | *.Txt";
inline constexpr const char* kReportHtmlFilter = "HTML Files | *.HTML";
inline constexpr const char* kNoPrinterMessage = "No printer is installed.";
// Without the antara pages only the first six pages are printed.
inline constexpr int kPagesWithoutAntra = 6;

// The report split at every form feed, in order; no piece is dropped, empty
// or not, so a text with n form feeds gives n + 1 pieces. Each piece after
// the first begins with the CR LF that ended its separator line.
std::vector<std::string> FnSplitReportPages(const std::string& text);

// Prints the report on the printer: the font size 11 and then "Courier New";
// each piece followed by a line break, a new sheet between two pieces and
// none after the last; at most the first six pieces when the antara pages
// are left out. Ends the print job, also when printing fails (the error then
// goes on to the caller).
void FnPrintReport(Printer& printer, const std::string& text, bool withAntra);

// "&", "<" and ">" as HTML writes them, so the text shows as it stands.
std::string FnEscapeHtml(const std::string& text);

// The bytes of the report's text file: the text and a final CR LF.
std::string FnReportTextFile(const std::string& text);
// The bytes of the report's HTML file: a head that declares the text UTF-8
// (as the report is written, so a browser never guesses another character
// set), "<pre>", the escaped text and "</pre>", each line ended by CR LF.
std::string FnReportHtmlFile(const std::string& text);

// Creates or replaces the file with exactly these bytes. They go first into
// a new file beside it, which takes the old file's place only once complete,
// so a failure leaves the old file (or none) and no half-written one. A
// failure raises a RunTimeError: "Path not found" (76), "Permission denied"
// (70), "Disk full" (61), "Device I/O error" (57) or "Path/File access
// error" (75).
void FnWriteWholeFile(const std::string& path, const std::string& bytes);

class Frm_Print final : public Window {
public:
    static constexpr const char* kWindowName = "Frm_Print";

    Frm_Print();

    // The options, the frames and the box Te (in the result-window contents).
    PrintContents& contents();

    CommandButton CoPrt{"CoPrt", "&Print"};
    Frame Frame4{"Frame4"};  // along the right edge
    CommandButton cmdMaximize1{"cmdMaximize1", "^ Maximize"};
    WebBrowser WebSendral_Right{"WebSendral_Right"};
    Frame Frame3{"Frame3"};  // along the bottom
    CommandButton cmdMaximize2{"cmdMaximize2", "^ Maximize"};
    WebBrowser WebSendral_Bottom{"WebSendral_Bottom"};

    // "&Print": builds the report into Te and sends it to the chosen output.
    // Any failure is shown in one critical box; a failed build leaves Te as
    // it was, a failed file leaves no file half written.
    void CoPrt_Click();

    // The report build that "&Print" runs; FnBuildHoroscopeReport() unless a
    // test puts another in its place.
    std::function<void()> buildReport;

protected:
    void onLoad() override;
    void onActivate() override;
    void onUnload() override;

private:
    void printDirectly(const std::string& text);
    void saveAs(const char* filter, const std::string& bytes);
    void showCritical(const std::string& text);
    void maximize(WebBrowser& pane);
};

}  // namespace jd
