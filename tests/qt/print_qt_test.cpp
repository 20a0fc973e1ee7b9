// Printing through Qt: the print font, sheets in a PDF, and the print
// window's view driving the window model.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "platform/fake_services.h"
#include "platform/window.h"
#include "qt/pdf_pages.h"
#include "qt/print_window.h"
#include "qt/qt_app.h"
#include "qt/qt_printer.h"
#include "state/result_windows.h"
#include "state/shared_records.h"
#include "ui/chart/frm_print.h"

namespace jd::qt {
namespace {

using testing::pdfPages;

bool fixedPitch(const QFont& f) {
    const QFontMetricsF fm(f);
    return fm.horizontalAdvance(QLatin1Char('i')) == fm.horizontalAdvance(QLatin1Char('M')) &&
           fm.horizontalAdvance(QLatin1Char(' ')) == fm.horizontalAdvance(QLatin1Char('*'));
}

// The report of the sample chart as the report tests keep it, with its CR LF.
std::string sampleReport() {
    std::ifstream in(std::string(JD_SOURCE_DIR) + "/tests/report/golden/sample_report_with_antra.txt",
                     std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text;
    for (char c : ss.str()) {
        if (c == '\n') text += '\r';
        text += c;
    }
    return text;
}

TEST(QtPrinter, PrintsInAFixedPitchFontOfTheSizeAskedForEvenWithoutThatFont) {
    testing::app();
    for (const char* family : {"Courier New", "DejaVu Sans", "No Such Font"}) {
        const QFont f = QtPrinter::printFont(QString::fromLatin1(family), 11);
        EXPECT_TRUE(fixedPitch(f)) << family << " gave " << f.family().toStdString();
        EXPECT_EQ(f.pointSizeF(), 11) << family;
    }
}

TEST(QtPrinter, AReportLineOfEightyCharactersFitsTheSheetsWidth) {
    testing::app();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QFontMetricsF fm(QtPrinter::printFont(QStringLiteral("Courier New"), 11), &printer);
    const double width = printer.pageLayout().paintRectPixels(printer.resolution()).width();
    EXPECT_LE(fm.horizontalAdvance(QString(80, QLatin1Char('*'))), width);
}

TEST(QtPrinter, BlankLinesAndBreaksWithNothingAfterThemMakeNoSheet) {
    testing::app();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("blank.pdf");
    QtPrinter printer(pdf);
    // The text built without antara pages ends with a separator and an
    // empty line: that last piece holds only line ends.
    FnPrintReport(printer, "page 1\r\n\f\r\npage 2\r\n" + std::string(200, '\n') + "\f\r\n\r\n", true);
    EXPECT_EQ(pdfPages(pdf), 2);
}

TEST(QtPrinter, SampleReportPrintsEachPageOnNewSheetsAndRunsOverRatherThanOffThePaper) {
    testing::app();
    const std::string report = sampleReport();
    ASSERT_GT(report.size(), 10000u);
    const auto pieces = FnSplitReportPages(report);

    // Kept beside the tests for a look at the printed sheets.
    const QString pdf = QString::fromStdString(std::string(JD_BINARY_DIR) + "/sample_report.pdf");
    QFile::remove(pdf);
    QtPrinter printer(pdf);
    FnPrintReport(printer, report, true);
    const int sheets = printer.sheets();
    EXPECT_EQ(pdfPages(pdf), sheets);
    EXPECT_GE(sheets, static_cast<int>(pieces.size()));
    // A page that does not fit takes one more sheet, never more.
    EXPECT_LE(sheets, 2 * static_cast<int>(pieces.size()));
}

class PrintViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::app();
        resetState();
        resultWindows().resetAll();
        state().services = fakes.services();
        addPrintWindowView(views);
    }
    void TearDown() override {
        view.reset();
        windows.unload<Frm_Print>();
        windows.releaseUnloaded();
        resetState();
        resultWindows().resetAll();
    }
    FakeServices fakes;
    WindowRegistry windows{fakes.services()};
    ViewFactory views;
    std::unique_ptr<QWidget> view;
};

TEST_F(PrintViewTest, OptionsAndThePrintButtonDriveTheWindow) {
    Frm_Print& w = windows.get<Frm_Print>();
    int builds = 0;
    w.buildReport = [&] {
        ++builds;
        resultWindows().Frm_Print.Te.setText("one\r\n\f\r\ntwo\r\n");
    };
    const ViewFactory::Entry* entry = views.find(Frm_Print::kWindowName);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->decoration, ViewDecoration::Frameless);
    view.reset(entry->maker(w));

    auto* op2 = view->findChild<QRadioButton*>(QStringLiteral("Op2"));
    auto* op4 = view->findChild<QRadioButton*>(QStringLiteral("Op4"));
    auto* print = view->findChild<QPushButton*>(QStringLiteral("CoPrt"));
    ASSERT_TRUE(op2 && op4 && print);
    EXPECT_EQ(op2->text(), "Without Antra");
    EXPECT_EQ(print->text(), "&Print");
    EXPECT_EQ(view->findChild<QWidget*>(QStringLiteral("Te")), nullptr);  // the report box stays hidden

    op2->click();
    EXPECT_TRUE(resultWindows().Frm_Print.Op2.value());
    EXPECT_FALSE(resultWindows().Frm_Print.Op1.value());
    print->click();
    EXPECT_EQ(builds, 1);
    EXPECT_EQ(fakes.printer.calls().size(), 6u);  // font size, font name, two pieces, one break, end

    op4->click();
    EXPECT_TRUE(resultWindows().Frm_Print.Op4.value());
    EXPECT_FALSE(resultWindows().Frm_Print.Op5.value());
    print->click();
    EXPECT_EQ(builds, 2);
    EXPECT_EQ(fakes.saveDialog.shown().size(), 1u);
}

}  // namespace
}  // namespace jd::qt
