#include "ui/chart/frm_print.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <new>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include "platform/run_time_error.h"
#include "report/report_document.h"
#include "state/shared_records.h"
#include "ui/chart/result_windows.h"

namespace jd {

namespace fs = std::filesystem;

namespace {

constexpr const char* kCrLf = "\r\n";

RunTimeError openError(int err) {
    switch (err) {
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG: return RunTimeError(76, "Path not found");
        case EACCES:
        case EPERM:
        case EROFS: return RunTimeError(70, "Permission denied");
        default: return RunTimeError(75, "Path/File access error");
    }
}

RunTimeError writeError(int err) {
    if (err == ENOSPC) return RunTimeError(61, "Disk full");
    return RunTimeError(57, "Device I/O error");
}

// A file of our own beside `target`, opened for writing, that did not exist
// before (so no file of the user's is ever taken for it).
struct TempFile {
    std::string path;
    std::FILE* file = nullptr;
};

TempFile createTempBeside(const std::string& target) {
    for (int n = 0; n < 1000; ++n) {
        TempFile t;
        t.path = target + ".~" + std::to_string(n) + ".tmp";
        errno = 0;
        t.file = std::fopen(t.path.c_str(), "wbx");
        if (t.file) return t;
        if (errno != EEXIST) throw openError(errno);
    }
    throw RunTimeError(75, "Path/File access error");
}

void removeQuietly(const std::string& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

// The report as the printer receives it: how many pieces are printed.
std::size_t piecesToPrint(std::size_t pieces, bool withAntra) {
    if (withAntra) return pieces;
    return std::min<std::size_t>(pieces, kPagesWithoutAntra);
}

}  // namespace

std::vector<std::string> FnSplitReportPages(const std::string& text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find('\f', start);
        if (at == std::string::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

void FnPrintReport(Printer& printer, const std::string& text, bool withAntra) {
    const std::vector<std::string> pieces = FnSplitReportPages(text);
    const std::size_t count = piecesToPrint(pieces.size(), withAntra);
    try {
        printer.setFontSize(kReportPrintFontSize);
        printer.setFontName(kReportPrintFont);
        for (std::size_t i = 0; i < count; ++i) {
            printer.printLine(pieces[i]);
            if (i + 1 < count) printer.newPage();
        }
    } catch (...) {
        // Close the job, so the next one starts on a fresh document; the
        // first error is the one the user sees.
        try {
            printer.endDoc();
        } catch (...) {
        }
        throw;
    }
    printer.endDoc();
}

std::string FnEscapeHtml(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c; break;
        }
    }
    return out;
}

std::string FnReportTextFile(const std::string& text) { return text + kCrLf; }

std::string FnReportHtmlFile(const std::string& text) {
    return std::string("<head><meta charset=\"utf-8\"></head>") + kCrLf + "<pre>" + kCrLf + FnEscapeHtml(text) + kCrLf +
           "</pre>" + kCrLf;
}

void FnWriteWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) throw RunTimeError(75, "Path/File access error");
    TempFile temp = createTempBeside(path);
    int err = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), temp.file) != bytes.size()) err = errno;
    if (!err && std::fflush(temp.file) != 0) err = errno;
#if defined(__unix__) || defined(__APPLE__)
    if (!err && ::fsync(::fileno(temp.file)) != 0) err = errno;
#endif
    if (std::fclose(temp.file) != 0 && !err) err = errno;
    if (err) {
        removeQuietly(temp.path);
        throw writeError(err);
    }

    std::error_code ec;
    // A file that is replaced keeps its permissions.
    const fs::file_status old = fs::status(path, ec);
    if (!ec && fs::is_regular_file(old)) fs::permissions(temp.path, old.permissions(), ec);
    ec.clear();
    fs::rename(temp.path, path, ec);
    if (ec) {
        removeQuietly(temp.path);
        if (ec == std::errc::permission_denied || ec == std::errc::operation_not_permitted ||
            ec == std::errc::read_only_file_system)
            throw RunTimeError(70, "Permission denied");
        throw RunTimeError(75, "Path/File access error");
    }
}

// ------------------------------------------------------------------ window

Frm_Print::Frm_Print() : Window(kWindowName, "Print") {
    setWidth(13200);
    setHeight(10200);
    CoPrt.onClick = [this] { CoPrt_Click(); };
    cmdMaximize1.onClick = [this] { maximize(WebSendral_Right); };
    cmdMaximize2.onClick = [this] { maximize(WebSendral_Bottom); };
}

PrintContents& Frm_Print::contents() { return resultWindows().Frm_Print; }

void Frm_Print::onLoad() { move(2000, 15); }

void Frm_Print::onActivate() {
    WebSendral_Right.navigate(advertisementAddress(kRightAdPath));
    WebSendral_Bottom.navigate(advertisementAddress(kBottomAdPath));
}

void Frm_Print::maximize(WebBrowser& pane) {
    if (BrowserPane* browser = services().browser) browser->navigate(pane.locationURL(), kMaximizeWindowName);
}

void Frm_Print::onUnload() { resultWindows().reset(kWindowName); }

void Frm_Print::showCritical(const std::string& text) {
    MessageBox* box = services().messageBox;
    if (!box) box = state().services.messageBox;
    if (box) box->show(text, MsgIcon::Critical, MsgButtons::OK, std::nullopt);
}

void Frm_Print::CoPrt_Click() {
    try {
        if (buildReport)
            buildReport();
        else
            FnBuildHoroscopeReport();
        PrintContents& c = contents();
        const std::string& text = c.Te.text();
        if (c.Op5.value())
            printDirectly(text);
        else if (c.Op4.value())
            saveAs(kReportTextFilter, FnReportTextFile(text));
        else if (c.Op3.value())
            saveAs(kReportHtmlFilter, FnReportHtmlFile(text));
    } catch (const RunTimeError& e) {
        showCritical(e.description());
    } catch (const std::bad_alloc&) {
        showCritical("Out of memory");
    } catch (const std::exception& e) {
        showCritical(e.what());
    }
}

void Frm_Print::printDirectly(const std::string& text) {
    Printer* printer = services().printer;
    if (!printer || !printer->isInstalled()) {
        showCritical(kNoPrinterMessage);
        return;
    }
    FnPrintReport(*printer, text, !contents().Op2.value());
}

void Frm_Print::saveAs(const char* filter, const std::string& bytes) {
    SaveFileDialog* dialog = services().saveDialog;
    if (!dialog) return;
    SaveDialogOptions options;
    options.filter = filter;
    options.overwritePrompt = true;  // saving over a file asks first
    const std::optional<std::string> path = dialog->showSave(options);
    if (!path || path->empty()) return;  // cancelled: nothing is written
    FnWriteWholeFile(*path, bytes);
}

}  // namespace jd
