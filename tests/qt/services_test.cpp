// The Qt services: printing into a PDF, the settings file, dialog filters.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "qt/pdf_pages.h"
#include "qt/qt_app.h"
#include "qt/qt_services.h"

namespace jd::qt {
namespace {

using testing::pdfPages;

TEST(QtPrinter, ASheetStartsOnlyWhenSomethingFollowsAndAFullSheetContinues) {
    testing::app();
    QTemporaryDir dir;
    const QString twoPages = dir.filePath("two.pdf");
    {
        QtPrinter printer(twoPages);
        EXPECT_TRUE(printer.isInstalled());
        printer.setFontSize(11);
        printer.setFontName("Courier New");
        printer.printLine("page one\r\nsecond line");
        printer.newPage();
        printer.printLine("page two");
        printer.newPage();  // nothing follows: no blank sheet
        printer.endDoc();
    }
    EXPECT_EQ(pdfPages(twoPages), 2);

    const QString longText = dir.filePath("long.pdf");
    QtPrinter printer(longText);
    printer.setFontSize(11);
    for (int i = 0; i < 150; ++i) printer.printLine("line " + std::to_string(i));
    printer.endDoc();
    EXPECT_GE(pdfPages(longText), 2);
}

TEST(QtSettingsStore, KeepsTextsAcrossInstancesAndIgnoresLetterCase) {
    testing::app();
    QTemporaryDir dir;
    const QString ini = dir.filePath("settings.ini");
    QtSettingsStore(ini).SaveSetting("Pellmar", "Horo", "LatDeg", "17");
    const QtSettingsStore again(ini);
    EXPECT_EQ(again.GetSetting("pellmar", "HORO", "latdeg", "0"), "17");
    EXPECT_EQ(again.GetSetting("Pellmar", "Horo", "Name", "Sample Chart"), "Sample Chart");
}

TEST(QtSaveFileDialog, FiltersBecomeQtFilters) {
    EXPECT_EQ(QtSaveFileDialog::qtFilter("Text Files | *.Txt"), "Text Files (*.Txt)");
    EXPECT_EQ(QtSaveFileDialog::qtFilter("HTML Files | *.HTML"), "HTML Files (*.HTML)");
    EXPECT_EQ(QtSaveFileDialog::qtFilter("Texts|*.txt;*.text|All|*.*"), "Texts (*.txt *.text);;All (*.*)");
}

}  // namespace
}  // namespace jd::qt
