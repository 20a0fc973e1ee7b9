// Printing through Qt: the print font, sheets in a PDF, and the print
// window's view driving the window model.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
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

// A text as Qt writes it into a PDF's document information: UTF-16 with its
// byte-order mark.
QByteArray pdfInfoText(const QString& text) {
    QByteArray bytes("\xFE\xFF");
    for (QChar c : text) {
        bytes += static_cast<char>(c.unicode() >> 8);
        bytes += static_cast<char>(c.unicode() & 0xFF);
    }
    return bytes;
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

// The pieces of a report that show something: each takes one sheet.
int pagesShowingText(const std::string& report) {
    int pages = 0;
    for (const std::string& piece : FnSplitReportPages(report))
        if (piece.find_first_not_of(" \r\n") != std::string::npos) ++pages;
    return pages;
}

TEST(QtPrinter, SampleReportPrintsEachPageOnASheetOfItsOwn) {
    testing::app();
    const std::string report = sampleReport();
    ASSERT_GT(report.size(), 10000u);

    // Kept beside the tests for a look at the printed sheets.
    const QString pdf = QString::fromStdString(std::string(JD_BINARY_DIR) + "/sample_report.pdf");
    QFile::remove(pdf);
    QtPrinter printer(pdf);
    FnPrintReport(printer, report, true);
    EXPECT_EQ(printer.sheets(), pagesShowingText(report));
    EXPECT_EQ(pdfPages(pdf), printer.sheets());
}

// On the printer the report is laid out on the paper of its queue: a queue
// whose default is US Letter, the shorter of the usual papers, gets Letter
// sheets, one a page, in the fixed-pitch fonts a machine may have, whatever
// their line height: the size comes down as far as it must. The job carries
// the report's title.
TEST(QtPrinter, SampleReportTakesOneLetterSheetAPageOnALetterQueueInEveryFixedPitchFont) {
    testing::app();
    const std::string report = sampleReport();
    QTemporaryDir dir;
    for (const char* family : {"DejaVu Sans Mono", "Liberation Mono"}) {
        SCOPED_TRACE(family);
        ASSERT_EQ(QFontInfo(QtPrinter::printFont(QString::fromLatin1(family), 11)).family(), family)
            << "the install script brings the font";
        const QString pdf = dir.filePath(QString::fromLatin1(family) + ".pdf");
        QtPrinter printer(QtPrinter::Queue{[](const QPrinterInfo&) { return QPageSize(QPageSize::Letter); }, pdf});
        const auto pieces = FnSplitReportPages(report);
        printer.setFontSize(11);
        printer.setFontName(family);
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            printer.printLine(pieces[i]);
            if (i + 1 < pieces.size()) printer.newPage();
        }
        printer.endDoc();
        EXPECT_EQ(pdfPages(pdf), 17);
        EXPECT_LT(printer.printedPoints(), 11);
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray data = f.readAll();
        EXPECT_EQ(data.count("/MediaBox [0 0 612.000000 792.000000]"), 17);
        EXPECT_TRUE(data.contains(pdfInfoText(QStringLiteral("Jataka Desk - Horoscope"))));
    }
}

TEST(QtPrinter, TheFontSizeComesDownOnlyAsFarAsTheLongestPageNeeds) {
    testing::app();
    QPrinter a4(QPrinter::HighResolution);
    a4.setOutputFormat(QPrinter::PdfFormat);
    a4.setPageSize(QPageSize(QPageSize::A4));
    const double height = a4.pageLayout().paintRect(QPageLayout::Point).height();
    const int longest = 63;
    struct Case {
        const char* font;
        double lineAt11;  // points
        bool keeps11;
    };
    for (const Case& c : {Case{"Noto Sans Mono", 15, false}, Case{"Liberation Mono", 12.4, true}}) {
        SCOPED_TRACE(c.font);
        const double points = QtPrinter::fittingFontSize(11, c.lineAt11, longest, height);
        const auto pageHeight = [&](double pt) { return longest * c.lineAt11 * pt / 11; };
        EXPECT_EQ(points == 11, c.keeps11) << points;
        EXPECT_LE(pageHeight(points), height);
        if (!c.keeps11) {
            EXPECT_GT(pageHeight(points + 0.1), height);
        }
    }
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
