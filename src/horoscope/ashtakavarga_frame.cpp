#include "horoscope/ashtakavarga_frame.h"

#include "horoscope/ashtakavarga.h"
#include "horoscope/error_boxes.h"
#include "state/result_windows.h"
#include "state/shared_records.h"

namespace jd {

void FnFillAshtakavargaGrid() {
    try {
        const SharedState& s = state();
        Grid& grid = resultWindows().Frm_AVargas.mshAshtaVarga;
        grid.setFormatString(s.prefs.gLanguage == "Sanskrit" ? kAshtakavargaHeaderSanskrit
                                                             : kAshtakavargaHeaderEnglish);
        for (int row = 1; row <= 12; ++row) grid.setText(row, 0, s.names.gSignName[static_cast<size_t>(row)]);
        const BodySigns& g = s.signs;
        FnComputeAshtakavarga(g.gSunSign, g.gMoonSign, g.gMarsSign, g.gMercurySign, g.gVenusSign, g.gJupiterSign,
                              g.gSaturnSign, g.gLagnaSign);
    } catch (const RunTimeError& e) {
        FnShowCriticalError(e);
    }
}

}  // namespace jd
