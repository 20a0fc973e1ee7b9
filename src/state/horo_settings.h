#pragma once
// The per-user settings section that keeps the chart saved last: every Save
// of the birth-details window writes it and start-up reads it.
namespace jd {

inline constexpr const char* kHoroApplication = "Pellmar";
inline constexpr const char* kHoroSection = "Horo";

}  // namespace jd
