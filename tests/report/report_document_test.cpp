// The whole report: pages in order with one separator between them, page
// numbers without gaps, the antara pages only on request, and the build
// step of the print window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "golden_text.h"
#include "platform/run_time_error.h"
#include "report/report_document.h"
#include "report/report_text.h"
#include "sample_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

using jd::testing::crLfToLf;
using jd::testing::headerNumbers;
using jd::testing::matchesGolden;
using jd::testing::sampleWindows;
using jd::testing::splitLines;

ReportSources sourcesFor(const ResultWindows& w, bool withAntra, std::string style = "South") {
    return ReportSources{w, style, "Equal", jd::testing::samplePersonalDetails(), withAntra, {}};
}

// The pages of a report text: the stretches between separator lines.
std::vector<std::string> pagesOf(const std::string& text) {
    std::vector<std::string> pages;
    size_t start = 0;
    while (true) {
        size_t at = text.find("\f\r\n", start);
        pages.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) break;
        start = at + 3;
    }
    return pages;
}

TEST(ReportDocument, SampleWithAntraAsGolden) {
    auto w = sampleWindows();
    std::string text = FnBuildHoroscopeReportText(sourcesFor(*w, true));
    EXPECT_TRUE(matchesGolden(text, "report_sample_with_antra.txt"));
}

TEST(ReportDocument, PagesAreNumberedWithoutGapsAndSeparatedOnce) {
    auto w = sampleWindows();
    for (const char* style : {"South", "North", "East"}) {
        std::string text = FnBuildHoroscopeReportText(sourcesFor(*w, true, style));
        auto numbers = headerNumbers(text);
        auto pages = pagesOf(text);
        ASSERT_GE(numbers.size(), 6u) << style;
        for (size_t i = 0; i < numbers.size(); ++i) EXPECT_EQ(numbers[i], static_cast<int>(i) + 2) << style;
        // One page more than headers (page 1 has none); no separator at the end.
        EXPECT_EQ(pages.size(), numbers.size() + 1) << style;
        EXPECT_EQ(text.find("\f\r\n\f"), std::string::npos);
        EXPECT_EQ(text.substr(text.size() - 6), "\r\n\r\n\r\n");
        // Every page but the first opens with its header after the separator's empty lines.
        for (size_t p = 1; p < pages.size(); ++p) {
            auto lines = splitLines(crLfToLf(pages[p]));
            size_t before = p == 4 || p >= 5 ? 1 : 3;
            ASSERT_GT(lines.size(), before) << p;
            EXPECT_EQ(lines[before], report::pageHeader(static_cast<int>(p) + 1)) << style << " page " << p + 1;
        }
    }
}

TEST(ReportDocument, WithoutAntraDiffersOnlyAfterTheBhuktiList) {
    auto w = sampleWindows();
    std::string with = FnBuildHoroscopeReportText(sourcesFor(*w, true));
    std::string without = FnBuildHoroscopeReportText(sourcesFor(*w, false));
    ASSERT_LT(without.size(), with.size());
    EXPECT_EQ(with.substr(0, without.size()), without);
    // Without antaras the text ends with the bhukti list's separator and one empty line.
    EXPECT_EQ(without.substr(without.size() - 5), "\f\r\n\r\n");
    EXPECT_EQ(without.find("Antra"), std::string::npos);
    EXPECT_NE(with.find("     Antra\r\n     =====\r\n"), std::string::npos);
}

TEST(ReportDocument, AntraListOpensTheNextPage) {
    // The sample's bhukti list fits on pages 5 and 6, so the antaras open page 7;
    // with only a few bhuktis it stays on page 5 and they open page 6.
    auto w = sampleWindows();
    auto numbers = headerNumbers(FnBuildHoroscopeReportText(sourcesFor(*w, true)));
    EXPECT_EQ(numbers.size(), numbers.back() - 1u);
    w->Frm_Dasa.mshBukti.setRows(12);
    w->Frm_Dasa.mshAntra.setRows(11);
    std::string text = FnBuildHoroscopeReportText(sourcesFor(*w, true));
    EXPECT_EQ(headerNumbers(text), (std::vector<int>{2, 3, 4, 5, 6}));
    auto pages = pagesOf(text);
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_NE(pages[5].find("     Antra"), std::string::npos);
}

TEST(ReportDocument, EmptyWindowsStillGiveEveryPage) {
    auto w = std::make_unique<ResultWindows>();
    std::vector<std::string> errors;
    ReportSources sources{*w, "North", "Not Equal", std::nullopt, true,
                          [&](const std::string& m) { errors.push_back(m); }};
    std::string text = FnBuildHoroscopeReportText(sources);
    // Without a sign in the first house the North charts cannot be numbered;
    // each is reported and left out, and the pages go on.
    EXPECT_EQ(errors, std::vector<std::string>(3, "Type mismatch13"));
    EXPECT_EQ(headerNumbers(text), (std::vector<int>{2, 3, 4, 5, 6}));
    EXPECT_TRUE(matchesGolden(text, "report_empty_windows.txt"));
}

TEST(ReportDocument, UnknownChartStyleLeavesTheChartsOutButKeepsThePages) {
    auto w = sampleWindows();
    std::string text = FnBuildHoroscopeReportText(sourcesFor(*w, false, "West"));
    EXPECT_EQ(text.find("*****"), std::string::npos);
    EXPECT_EQ(headerNumbers(text).front(), 2);
    EXPECT_EQ(pagesOf(text).size(), headerNumbers(text).size() + 2);  // and the empty segment after the last separator
}

TEST(ReportDocument, PrintWindowStepReplacesTheTextOnlyWhenTheBuildSucceeds) {
    resetState();
    ResultWindows& windows = resultWindows();
    windows.resetAll();
    jd::testing::fillUserDetails(windows.frm_UserDetails);
    state().prefs.gChartStyle = "East";
    windows.Frm_Print.Op1.setValue(false);

    int reads = 0;
    FnBuildHoroscopeReport([&] { ++reads; return std::optional<PersonalDetailsRow>(); }, {});
    EXPECT_EQ(reads, 1);
    const std::string built = windows.Frm_Print.Te.text();
    EXPECT_EQ(built.substr(0, 200), FnBuildHoroscopeReportText(
        ReportSources{windows, "East", "Equal", std::nullopt, false, {}}).substr(0, 200));
    EXPECT_EQ(built.substr(built.size() - 5), "\f\r\n\r\n");

    // A failing read of the personal details ends the build; the old text stays.
    EXPECT_THROW(FnBuildHoroscopeReport([]() -> std::optional<PersonalDetailsRow> {
                     throw RunTimeError(3001, "no such table: PersonalDetails");
                 }, {}),
                 RunTimeError);
    EXPECT_EQ(windows.Frm_Print.Te.text(), built);
    windows.resetAll();
    resetState();
}

}  // namespace
}  // namespace jd
