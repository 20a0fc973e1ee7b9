#pragma once
// The view of the print window Frm_Print: its two option frames, the
// "&Print" button and the two advertisement panes. The report box Te stays
// hidden, as designed.
#include "qt/view_factory.h"

namespace jd::qt {

// Makes the frame show Frm_Print with this view (a child without border or
// title bar, like the result windows).
void addPrintWindowView(ViewFactory& views);

}  // namespace jd::qt
