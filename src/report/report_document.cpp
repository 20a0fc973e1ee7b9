#include "report/report_document.h"

#include "report/personal_details_source.h"
#include "report/report_text.h"
#include "state/shared_records.h"

namespace jd {

namespace {

using report::kCrLf;
using report::kPageSeparator;

// The separator ending the page before, `before` empty lines, the page's
// header and `after` empty lines.
void openPage(std::string& out, int page, int before, int after) {
    out += kPageSeparator;
    for (int i = 0; i < before; ++i) out += kCrLf;
    out += report::pageHeader(page);
    out += kCrLf;
    for (int i = 0; i < after; ++i) out += kCrLf;
}

}  // namespace

std::string FnBuildHoroscopeReportText(const ReportSources& s) {
    std::string out;
    out.reserve(64 * 1024);
    const auto style = report::chartStyleOf(s.gChartStyle);

    report::appendBirthDetailsPage(out, s.windows.frm_UserDetails, s.personalDetails);
    openPage(out, 2, 3, 3);
    report::appendChartsPage(out, s.windows, style, s.onError);
    openPage(out, 3, 3, 3);
    report::appendHousesPage(out, s.windows, style, s.gBhavaSystem, s.onError);
    openPage(out, 4, 3, 3);
    auto planetFields = report::appendPlanetsPage(out, s.windows.Frm_PP, s.windows.Frm_AVargas);
    openPage(out, 5, 1, 2);
    auto counters = report::appendVargasDasaPage(out, s.windows.Frm_Vargas, s.windows.Frm_Dasa, planetFields);
    report::appendBhuktiList(out, s.windows.Frm_Dasa.mshBukti, counters);
    if (s.withAntra) report::appendAntraList(out, s.windows.Frm_Dasa.mshAntra, counters);
    return out;
}

void FnBuildHoroscopeReport(const PersonalDetailsReader& readPersonalDetails, const ReportErrorSink& onError) {
    ResultWindows& windows = resultWindows();
    const Preferences& prefs = state().prefs;
    ReportSources sources{windows, prefs.gChartStyle, prefs.gBhavaSystem,
                          readPersonalDetails ? readPersonalDetails() : std::nullopt,
                          windows.Frm_Print.Op1.value(), onError};
    std::string text = FnBuildHoroscopeReportText(sources);
    windows.Frm_Print.Te.setText(std::move(text));
}

void FnBuildHoroscopeReport() {
    FnBuildHoroscopeReport([] { return FnReadPersonalDetails(); },
                           [](const std::string& message) {
                               if (MessageBox* box = state().services.messageBox)
                                   box->show(message, MsgIcon::None, MsgButtons::OK, std::nullopt);
                           });
}

}  // namespace jd
