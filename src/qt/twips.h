#pragma once
// Positions and sizes of the program are in twips; the screen is in pixels.
// 15 twips make one pixel (96 dots to the inch), and only the Qt front converts.
#include <QtGlobal>

namespace jd::qt {

inline constexpr double kTwipsPerPixel = 15.0;

inline int twipsToPixels(double twips) { return qRound(twips / kTwipsPerPixel); }
inline double pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }

}  // namespace jd::qt
