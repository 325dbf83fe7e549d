#pragma once
// The lists of the selection list that pair degrees with centres: the centres
// of one degree, grouped by region, and the degrees of one centre.

#include "numbered_lines.h"

#include "data/degree_centres.h"

#include <QByteArray>

#include <array>
#include <vector>

namespace velmira {

struct DegreeCentreList
{
    // Two title lines, then per region a heading "- " + name and its
    // centres " - " + name + mark; every line at most 60 bytes.
    std::vector<QByteArray> lines;
    // Indexed by region 1-19 (element 0 unused).
    std::array<bool, 20> regionHasCentres{};
    // Index in `lines` of the region's heading (the title lines are 0 and 1,
    // so the first heading is 2); 0 for a region without centres.
    std::array<int, 20> regionHeadingLine{};
};

DegreeCentreList centreListOfDegree(int degree);

// The degrees taught at centre c (a `lugar` number), with their marks,
// regrouped under branch headings when there are more than 15, then the
// centre's double degrees. numbers holds each line's degree (0 for headings
// and the double-degree block).
NumberedLines degreeListOfCentre(int centre);

// Three lines per member of `dobles` group g: first degree and tag, " + "
// and the second degree, a separator.
std::vector<QByteArray> doubleDegreeMemberLines(int group);

} // namespace velmira
