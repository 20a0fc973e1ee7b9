// The report of the built-in sample chart (14 Jul 1965 14:15, 17°20'N
// 78°30'E, zone 5.5 E, Lahiri, English names, South style) from a real cast
// into the result windows, compared whole with the golden files.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "golden_text.h"
#include "horoscope/chart_run.h"
#include "horoscope/sample_birth.h"
#include "platform/database.h"
#include "report/report_document.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {
namespace {

using jd::testing::crLfToLf;
using jd::testing::headerNumbers;
using jd::testing::matchesGolden;
using jd::testing::splitLines;

class SampleReport : public testing_support::ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        state().gDbConnection = std::make_shared<Database>(std::string(JD_BINARY_DIR) + "/bin/DBTessel.db");
        state().birth.gCity = "Sample City";
        state().birth.gCountry = "India";
        state().prefs.gChartStyle = "South";
        state().prefs.gBhavaSystem = "Equal";
        ASSERT_TRUE(FnCastHoroscope());
        ASSERT_TRUE(boxes.shown().empty()) << boxes.texts()[0];
    }

    // The report as the print window builds it, with the personal-details
    // table empty as it ships.
    std::string report(bool withAntra) {
        const Preferences& p = state().prefs;
        return FnBuildHoroscopeReportText(
            ReportSources{resultWindows(), p.gChartStyle, p.gBhavaSystem, std::nullopt, withAntra, {}});
    }
};

int count(const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}

TEST_F(SampleReport, PagesOneToThreeAsGolden) {
    const std::string text = report(true);
    size_t end = 0;
    for (int separator = 0; separator < 3; ++separator) end = text.find('\f', end) + 1;
    ASSERT_GT(end, 0u);
    EXPECT_TRUE(matchesGolden(text.substr(0, end - 1), "sample_pages_1_3.txt"));
}

TEST_F(SampleReport, WholeReportWithAntraAsGolden) {
    const std::string text = report(true);
    EXPECT_TRUE(matchesGolden(text, "sample_report_with_antra.txt"));

    // One separator line between two pages, none at the end, and page
    // numbers 2, 3, 4 ... without a gap.
    const std::vector<int> pages = headerNumbers(text);
    ASSERT_GE(pages.size(), 5u);
    for (size_t i = 0; i < pages.size(); ++i) EXPECT_EQ(pages[i], static_cast<int>(i) + 2);
    EXPECT_EQ(count(text, "\f"), static_cast<int>(pages.size()));
    EXPECT_EQ(count(text, "\r\n\f\r\n"), count(text, "\f"));
    EXPECT_EQ(text.find("\f\r\n\f"), std::string::npos);
    EXPECT_NE(text.substr(text.size() - 5), "\f\r\n\r\n");
}

TEST_F(SampleReport, WithoutAntraIsTheSameReportUpToTheAntaraPages) {
    const std::string with = report(true);
    const std::string without = report(false);
    ASSERT_LT(without.size(), with.size());
    // Without antaras the text ends with a separator and one empty line;
    // with them that separator opens the first antara page.
    ASSERT_EQ(without.substr(without.size() - 5), "\f\r\n\r\n");
    const std::string shared = without.substr(0, without.size() - 2);
    EXPECT_EQ(with.substr(0, shared.size()), shared);
    const int antaraPage = headerNumbers(without).back() + 1;
    const std::string header =
        "\r\n" + std::string(41, ' ') + "Jataka Desk - Horoscope  Page " + std::to_string(antaraPage) + "\r\n";
    EXPECT_EQ(with.substr(shared.size(), header.size()), header);
    EXPECT_EQ(without.find("Antra"), std::string::npos);
    EXPECT_NE(with.find("Antra", shared.size()), std::string::npos);
}

}  // namespace
}  // namespace jd
