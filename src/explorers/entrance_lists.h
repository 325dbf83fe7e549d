#pragma once
// The lists of the university entrance panels: the degrees with cut-off
// marks at or above a threshold, the centres and marks of one of them, and
// the rows of the worked example.

#include <QByteArray>

#include <array>
#include <vector>

namespace velmira {

class DegreeCentres;
class LineTable;

// The thresholds of the three buttons, in tenths: 6.0, 8.0 and 10.0.
constexpr std::array<int, 3> kCutOffThresholds{60, 80, 100};

struct CutOffPlace
{
    int place = 0; // a `lugar` line
    int mark = 0;  // tenths
};

struct CutOffDegree
{
    // The name in 40 columns, then how many of its marks reach the
    // threshold and, in brackets, how many marks it has.
    QByteArray line;
    std::vector<CutOffPlace> places; // the marks that reach it, in list order
};

// The degrees of `names` (1 to its count, at most the degrees of `centres`)
// with at least one mark at or above the threshold, in table order. The
// no-mark value counts nowhere.
std::vector<CutOffDegree> degreesAtOrAbove(int threshold, const LineTable &names,
                                           const DegreeCentres &centres);

// One line per place: its name in 40 columns, two blanks and the mark.
std::vector<QByteArray> cutOffPlaceLines(const std::vector<CutOffPlace> &places, const LineTable &placeNames);

// The worked example of the entrance examination, row by row; detail rows
// start with two blanks.
std::vector<QByteArray> workedExampleRows();

} // namespace velmira
