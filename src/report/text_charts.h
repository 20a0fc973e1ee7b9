#pragma once
// The report's charts drawn as fixed-width text: the South square of twelve
// sign boxes, the North diamond of twelve houses and the East three-by-three
// square. Each drawer takes the twelve cell texts of one chart (cell 0 is
// Aries, or house 1 in the North style) and returns the picture, one chart row
// per line, each line 11 blanks, the row and CR LF.
//
// A cell text is the bodies of one sign or house as three-letter words joined
// by one blank, as the abbreviation routines make them from a window's cell
// caption. A box shows at most the first nine words.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace jd {

using ChartCells = std::array<std::string, 12>;

// Receives the text of the plain error box ("description" followed directly by
// the number) when a drawer cannot draw; the drawer then returns empty text.
using ReportErrorSink = std::function<void(const std::string&)>;

// Abbreviates a cell caption: splits it at every separator, trims each segment,
// keeps its first three characters, joins them with one blank and trims the
// result. An empty segment leaves one more blank between its neighbours.
std::string FnAbbrevCellCrLf(std::string_view text);          // segments on lines of their own
std::string FnAbbrevCellDoubleSpace(std::string_view text);   // segments followed by two blanks
std::string FnAbbrevCellSpace(std::string_view text);         // segments separated by one blank
// The same for a caption whose bodies stand on one line separated by runs of
// blanks of any length ("Asc    Sun  Moo"), as the East rasi cells are written.
// Line breaks count as blanks here, so a caption written one body per line
// loses nothing either.
std::string FnAbbrevCellBlankRuns(std::string_view text);

// Turns every run of three blanks into one blank, in one pass from the left
// (three blanks give one, four give two, five three, six two).
std::string FnSqueezeSpaces(std::string_view text);

// A sign number brought back into 1..12: while above 12, less 12. Values of 12
// or less come back unchanged. A text is read as its number; a fraction goes to
// the nearest whole number, a half to the even one. Raises "Type mismatch" for
// a text that is no number and "Overflow" outside the 16-bit range.
int FnWrapTo12(double value);
int FnWrapTo12(std::string_view text);

// The drawers. An error (a South title longer than its 23-character field, a
// North lagna sign that is no number) is reported through `onError` and gives
// an empty text.
std::string FnTextChartSouth(const ChartCells& cells, std::string_view title, const ReportErrorSink& onError = {});
// `lagnaSign` is the sign number of house 1, as a number's text; without it the
// twelve sign-number fields stay blank.
std::string FnTextChartNorth(const ChartCells& cells, const std::optional<std::string>& lagnaSign,
                             const ReportErrorSink& onError = {});
std::string FnTextChartEast(const ChartCells& cells, const ReportErrorSink& onError = {});

}  // namespace jd
