// The print window: building the report on every press, printing it page by
// page, and saving it as a text or HTML file through the save dialog.
#include "ui/chart/frm_print.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/database.h"
#include "platform/fake_services.h"
#include "platform/run_time_error.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/result_windows.h"

namespace jd {
namespace {

namespace fs = std::filesystem;
using Kind = PrinterCall::Kind;

std::string readBytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::string> filesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A report of `pages` pages as the builder separates them.
std::string reportOf(int pages) {
    std::string text;
    for (int p = 1; p <= pages; ++p) {
        if (p > 1) text += "\f\r\n";
        text += "page " + std::to_string(p) + "\r\n";
    }
    return text;
}

PrinterCall printed(const std::string& text) { return {Kind::PrintLine, text, 0}; }
const PrinterCall kNewPage{Kind::NewPage, {}, 0};
const PrinterCall kEndDoc{Kind::EndDoc, {}, 0};

// The calls the printer receives for these pieces: the font first, a sheet
// break between two pieces, the end of the job last.
std::vector<PrinterCall> printJob(const std::vector<std::string>& pieces) {
    std::vector<PrinterCall> calls{{Kind::FontSize, {}, 11}, {Kind::FontName, "Courier New", 0}};
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0) calls.push_back(kNewPage);
        calls.push_back(printed(pieces[i]));
    }
    calls.push_back(kEndDoc);
    return calls;
}

TEST(ReportPages, SplitAtEveryFormFeedKeepingEmptyPieces) {
    const struct {
        std::string text;
        std::vector<std::string> pieces;
    } cases[] = {
        {"", {""}},
        {"one page\r\n", {"one page\r\n"}},
        {"a\r\n\f\r\nb\r\n", {"a\r\n", "\r\nb\r\n"}},
        {"a\f\f", {"a", "", ""}},
        {"\f\r\n\r\n", {"", "\r\n\r\n"}},
    };
    for (const auto& c : cases) EXPECT_EQ(FnSplitReportPages(c.text), c.pieces) << c.text;
}

TEST(ReportPrinting, SheetBreaksOnlyBetweenPiecesAndSixPagesWithoutAntra) {
    const struct {
        int pages;
        bool withAntra;
        int printedPages;
    } cases[] = {
        {1, true, 1}, {3, true, 3}, {9, true, 9}, {3, false, 3}, {6, false, 6}, {9, false, 6},
    };
    for (const auto& c : cases) {
        RecordingPrinter printer;
        const std::string text = reportOf(c.pages);
        FnPrintReport(printer, text, c.withAntra);
        auto pieces = FnSplitReportPages(text);
        pieces.resize(c.printedPages);
        EXPECT_EQ(printer.calls(), printJob(pieces)) << c.pages << " pages, with antra " << c.withAntra;
    }
}

// A printer that fails on the n-th piece.
class FailingPrinter : public RecordingPrinter {
public:
    explicit FailingPrinter(int failAt) : failAt_(failAt) {}
    void printLine(const std::string& text) override {
        if (++lines_ == failAt_) throw RunTimeError(482, "Printer error");
        RecordingPrinter::printLine(text);
    }

private:
    int failAt_;
    int lines_ = 0;
};

class PrintWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetState();
        resultWindows().resetAll();
        state().services = fakes.services();
        dir = fs::temp_directory_path() / ("jd_print_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        window().buildReport = [this] {
            ++builds;
            resultWindows().Frm_Print.Te.setText(report);
        };
    }
    void TearDown() override {
        windows.unload<Frm_Print>();
        windows.releaseUnloaded();
        resetState();
        resultWindows().resetAll();
        fs::remove_all(dir);
    }

    Frm_Print& window() { return windows.get<Frm_Print>(); }
    PrintContents& contents() { return resultWindows().Frm_Print; }
    void press() { window().CoPrt.click(); }
    std::string at(const std::string& name) const { return (dir / name).string(); }

    FakeServices fakes;
    WindowRegistry windows{fakes.services()};
    fs::path dir;
    std::string report = reportOf(3);
    int builds = 0;
};

TEST_F(PrintWindowTest, DesignedOptionsPrintEveryPageOnItsOwnSheet) {
    EXPECT_TRUE(contents().Op1.value());
    EXPECT_TRUE(contents().Op5.value());
    EXPECT_EQ(window().left(), 2000);
    EXPECT_EQ(window().top(), 15);
    press();
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(fakes.printer.calls(), printJob(FnSplitReportPages(report)));
    EXPECT_TRUE(fakes.messageBox.shown().empty());
    EXPECT_TRUE(fakes.saveDialog.shown().empty());
}

TEST_F(PrintWindowTest, WithoutAntraPrintsPiecesZeroToFive) {
    report = reportOf(9);
    contents().Op2.click();
    press();
    auto pieces = FnSplitReportPages(report);
    pieces.resize(6);
    EXPECT_EQ(fakes.printer.calls(), printJob(pieces));
}

TEST_F(PrintWindowTest, TextFileHoldsTheReportAndAFinalCrLfUnderTheNameAsGiven) {
    contents().Op4.click();
    fakes.saveDialog.answer(at("chart"));  // no extension: none is added
    press();
    ASSERT_EQ(fakes.saveDialog.shown().size(), 1u);
    const SaveDialogOptions& shown = fakes.saveDialog.shown()[0];
    EXPECT_EQ(shown.filter, "Text Files | *.Txt");
    EXPECT_EQ(shown.defaultExtension, "");
    EXPECT_EQ(shown.fileName, "");
    EXPECT_TRUE(shown.overwritePrompt);
    EXPECT_EQ(readBytes(dir / "chart"), report + "\r\n");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"chart"});
    EXPECT_TRUE(fakes.printer.calls().empty());
    EXPECT_TRUE(fakes.messageBox.shown().empty());
}

TEST_F(PrintWindowTest, HtmlFileWrapsTheEscapedTextInPreUnderAUtf8Head) {
    const std::string name = "Zo\u00eb \u00f1and\u00fa";  // in UTF-8, as the report is written
    report = "Name : " + name + " A<b>&amp;</b>\r\n\f\r\npage 2\r\n";
    contents().Op3.click();
    fakes.saveDialog.answer(at("chart.HTML"));
    press();
    ASSERT_EQ(fakes.saveDialog.shown().size(), 1u);
    EXPECT_EQ(fakes.saveDialog.shown()[0].filter, "HTML Files | *.HTML");
    EXPECT_TRUE(fakes.saveDialog.shown()[0].overwritePrompt);
    EXPECT_EQ(readBytes(dir / "chart.HTML"),
              "<head><meta charset=\"utf-8\"></head>\r\n<pre>\r\nName : " + name +
                  " A&lt;b&gt;&amp;amp;&lt;/b&gt;\r\n\f\r\npage 2\r\n\r\n</pre>\r\n");
}

TEST_F(PrintWindowTest, ACancelledDialogWritesAndShowsNothingAndTheNextPressAsksAgain) {
    contents().Op4.click();
    fakes.saveDialog.answer(std::nullopt);
    fakes.saveDialog.answer(std::string());  // an empty name counts as cancelled too
    press();
    press();
    EXPECT_EQ(builds, 2);
    ASSERT_EQ(fakes.saveDialog.shown().size(), 2u);
    EXPECT_EQ(fakes.saveDialog.shown()[1].fileName, "");
    EXPECT_TRUE(filesIn(dir).empty());
    EXPECT_TRUE(fakes.messageBox.shown().empty());
    EXPECT_TRUE(fakes.printer.calls().empty());
}

TEST_F(PrintWindowTest, SavingOverAFileReplacesItWhole) {
    const std::string path = at("chart.Txt");
    std::ofstream(path, std::ios::binary) << std::string(10000, 'x');
    contents().Op4.click();
    fakes.saveDialog.answer(path);
    press();
    EXPECT_EQ(readBytes(path), report + "\r\n");
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"chart.Txt"});
}

TEST_F(PrintWindowTest, AFileThatCannotBeWrittenShowsOneCriticalBoxAndLeavesNoFile) {
    fs::create_directory(dir / "taken");  // a folder where the file should go
    contents().Op3.click();
    fakes.saveDialog.answer(at("missing/chart.HTML"));
    fakes.saveDialog.answer(at("taken"));
    press();
    press();
    ASSERT_EQ(fakes.messageBox.shown().size(), 2u);
    EXPECT_EQ(fakes.messageBox.shown()[0].text, "Path not found");
    for (const ShownBox& box : fakes.messageBox.shown()) {
        EXPECT_EQ(box.icon, MsgIcon::Critical);
        EXPECT_EQ(box.title, std::nullopt);
    }
    EXPECT_EQ(filesIn(dir), std::vector<std::string>{"taken"});
    EXPECT_TRUE(fs::is_empty(dir / "taken"));
}

TEST_F(PrintWindowTest, NoPrinterInstalledIsSaidInACriticalBox) {
    fakes.printer.setInstalled(false);
    press();
    EXPECT_EQ(builds, 1);
    EXPECT_TRUE(fakes.printer.calls().empty());
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().text, "No printer is installed.");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
}

TEST_F(PrintWindowTest, APrinterFailureIsShownAndTheJobEnded) {
    FailingPrinter printer(2);
    Services s = fakes.services();
    s.printer = &printer;
    windows.setServices(s);
    press();
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().text, "Printer error");
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(printer.calls().back(), kEndDoc);
}

TEST_F(PrintWindowTest, AFailingBuildShowsOneCriticalBoxAndKeepsTheOldText) {
    contents().Te.setText("the report before");
    contents().Op4.click();
    window().buildReport = nullptr;  // the real build: no database connection is open
    fakes.saveDialog.answer(at("chart.Txt"));
    press();
    ASSERT_EQ(fakes.messageBox.shown().size(), 1u);
    EXPECT_EQ(fakes.messageBox.last().icon, MsgIcon::Critical);
    EXPECT_EQ(fakes.messageBox.last().text, "Object variable or With block variable not set");
    EXPECT_EQ(contents().Te.text(), "the report before");
    EXPECT_TRUE(fakes.saveDialog.shown().empty());
    EXPECT_TRUE(filesIn(dir).empty());
}

TEST_F(PrintWindowTest, TheRealBuildIsPrintedPageByPage) {
    const std::string dbPath = at("print.db");
    state().gDbConnection = std::make_shared<Database>(dbPath, Database::Mode::CreateIfMissing);
    state().gDbConnection->executeScript(
        "CREATE TABLE PersonalDetails (Name VARCHAR(50), Address VARCHAR(30), Address2 VARCHAR(30),"
        " City VARCHAR(30), Country VARCHAR(30), Zipcode VARCHAR(10), Phone VARCHAR(30), EMail VARCHAR(50));");
    window().buildReport = nullptr;
    contents().Op2.click();
    press();
    const std::string& text = contents().Te.text();
    ASSERT_FALSE(text.empty());
    auto pieces = FnSplitReportPages(text);
    ASSERT_GE(pieces.size(), 5u);
    pieces.resize(std::min<size_t>(pieces.size(), 6));
    EXPECT_EQ(fakes.printer.calls(), printJob(pieces));
    EXPECT_TRUE(fakes.messageBox.shown().empty());
    state().gDbConnection.reset();
}

TEST_F(PrintWindowTest, PanesLoadOnActivationAndMaximizeOpensOneNamedWindow) {
    window();
    windows.bringToFront<Frm_Print>();
    EXPECT_EQ(window().WebSendral_Right.locationURL(), advertisementAddress("/Downloads/Sendral_Right.asp"));
    EXPECT_EQ(window().WebSendral_Bottom.locationURL(), advertisementAddress("/Downloads/Sendral_Bottom.asp"));
    window().cmdMaximize1.click();
    window().cmdMaximize2.click();
    EXPECT_EQ(fakes.browser.windowsOpened(), std::vector<std::string>{"_blanck"});
    ASSERT_EQ(fakes.browser.navigations().size(), 2u);
    EXPECT_EQ(fakes.browser.navigations()[1].url, window().WebSendral_Bottom.locationURL());
}

}  // namespace
}  // namespace jd
