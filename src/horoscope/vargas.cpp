#include "horoscope/vargas.h"

#include <cctype>
#include <memory>

#include "calendar/angle_text.h"
#include "horoscope/error_boxes.h"
#include "horoscope/name_tables.h"
#include "platform/database.h"
#include "platform/run_time_error.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

namespace {

constexpr int kBodies = 10;

// The sign of a looked-up body: the row of chartsmaster whose interval of
// degrees within the rasi sign holds the body. Every value is bound, so the
// machine's number format never reaches the query. The name is compared
// without regard to case, as the table's names always were; the first row
// in the table's order wins.
constexpr const char* kLookupSql =
    "SELECT HouseNumber FROM chartsmaster WHERE chartname = ?1 COLLATE NOCASE "
    "AND startDegree <= ?2 AND EndDegree > ?2 AND RasiHouse = ?3 ORDER BY rowid";

// The text of a sign in a cell: its short name in the language the name
// tables hold; empty for a number outside 1..12.
std::string signCell(int sign) { return FnShortSignName(FnSignName(sign)); }

void writeRow(Grid& grid, int row, const std::array<int, kBodies>& signs) {
    for (int k = 0; k < kBodies; ++k) grid.setText(row, k + 1, signCell(signs[k]));
}

// The rasi signs the lookups use, in body order.
std::array<int, kBodies> rasiSigns() {
    const BodySigns& s = state().signs;
    return {s.gVargaLagnaSign, s.gSunSign,     s.gMoonSign,   s.gMarsSign, s.gMercurySign,
            s.gJupiterSign,    s.gVenusSign,   s.gSaturnSign, s.gRahuSign, s.gKethuSign};
}

std::string trimmedLower(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(' ');
    std::string out = text.substr(first, last - first + 1);
    for (char& c : out) c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// The grid row (2..21) of a varga's name; 0 when no varga has it.
int vargaRowOf(const std::string& chartName) {
    const std::string wanted = trimmedLower(chartName);
    for (int row = 2; row <= int(kVargaCharts.size()); ++row) {
        if (trimmedLower(std::string(kVargaCharts[row - 1].name)) == wanted) return row;
    }
    return 0;
}

std::array<int, kBodies> lookedUpSigns(const VargaLongitudes& longitudes, const std::string& chartName) {
    std::array<double, kBodies> degrees{};
    for (int k = 0; k < kBodies; ++k) degrees[k] = FnDegreesInSign(longitudes[k]);

    const std::shared_ptr<Database> db = state().gDbConnection;
    if (!db) throw RunTimeError(kDbErrorBase + 21, "The database is not open");
    Statement query = db->prepare(kLookupSql);
    const std::array<int, kBodies> rasi = rasiSigns();
    std::array<int, kBodies> signs{};
    for (int k = 0; k < kBodies; ++k) {
        query.reset();
        query.bindAll(chartName, degrees[k], rasi[k]);
        query.step();  // no row: reading the value below raises "No current row"
        const int house = query.asInt("HouseNumber");
        if (house < -32768 || house > 32767) throw RunTimeError::overflow();
        signs[k] = house;
    }
    return signs;
}

}  // namespace

void FnVargaRow(const VargaLongitudes& longitudes, const std::string& chartName, double divisor, int mode) {
    try {
        // A looked-up row has no divisor of its own, so nothing is computed
        // with it.
        std::array<int, kBodies> signs{};
        if (mode == kVargaLookedUp) {
            signs = lookedUpSigns(longitudes, chartName);
        } else {
            for (int k = 0; k < kBodies; ++k) signs[k] = FnSignNumber(longitudes[k], divisor);
        }

        const int row = vargaRowOf(chartName);
        if (row == 0) throw RunTimeError::invalidCall();
        writeRow(resultWindows().Frm_Vargas.mshVargas, row, signs);
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

void FnFillVargasTable() {
    try {
        Grid& grid = resultWindows().Frm_Vargas.mshVargas;
        const std::string& language = state().prefs.gLanguage;
        if (language == "Sanskrit") {
            grid.setFormatString(std::string(kVargasHeaderSanskrit));
        } else if (language == "English") {
            grid.setFormatString(std::string(kVargasHeaderEnglish));
        }
        for (int row = 1; row <= int(kVargaCharts.size()); ++row) {
            grid.setText(row, 0, std::string(kVargaCharts[row - 1].name));
        }

        const BodyPositions& p = state().positions;
        const VargaLongitudes longitudes{p.gLagnaLongitude,   p.gSunLongitude,   p.gMoonLongitude,
                                         p.gMarsLongitude,    p.gMercuryLongitude, p.gJupiterLongitude,
                                         p.gVenusLongitude,   p.gSaturnLongitude, p.gRahuLongitude,
                                         p.gKethuLongitude};

        // The rasi signs: the rasi row's content and the lookups' RasiHouse.
        BodySigns& s = state().signs;
        s.gVargaLagnaSign = FnSignNumber(p.gLagnaLongitude, 30);
        s.gSunSign = FnSignNumber(p.gSunLongitude, 30);
        s.gMoonSign = FnSignNumber(p.gMoonLongitude, 30);
        s.gMarsSign = FnSignNumber(p.gMarsLongitude, 30);
        s.gMercurySign = FnSignNumber(p.gMercuryLongitude, 30);
        s.gJupiterSign = FnSignNumber(p.gJupiterLongitude, 30);
        s.gVenusSign = FnSignNumber(p.gVenusLongitude, 30);
        s.gSaturnSign = FnSignNumber(p.gSaturnLongitude, 30);
        s.gRahuSign = FnSignNumber(p.gRahuLongitude, 30);
        s.gKethuSign = FnSignNumber(p.gKethuLongitude, 30);
        writeRow(grid, 1, rasiSigns());

        for (int row = 2; row <= int(kVargaCharts.size()); ++row) {
            const VargaChart& chart = kVargaCharts[row - 1];
            if (chart.name == "Nava-Navamsa") {
                // The whole circle in 81 parts: 81 times the longitude in
                // parts of 360 degrees.
                VargaLongitudes times81{};
                for (int k = 0; k < kBodies; ++k) times81[k] = longitudes[k] * 81;
                FnVargaRow(times81, upper(chart.name), chart.divisor, chart.mode);
            } else {
                FnVargaRow(longitudes, upper(chart.name), chart.divisor, chart.mode);
            }
        }
    } catch (const RunTimeError& e) {
        FnShowPlainError(e);
    }
}

}  // namespace jd
