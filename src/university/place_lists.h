#pragma once
// Starting from a place: the region under the map pointer, the centres and
// double-degree groups of a region, the double degrees of a degree, and the
// other studies (not university degrees).

#include "numbered_lines.h"

#include <QByteArray>

#include <vector>

namespace velmira {

// The region a map click acts on: the islands' areas (18, 19) stand for region 1.
int clickedRegion(int hovered);

// The `lugar` centres of region r in table order, each line's number its
// `lugar` number; with none, the single line of interface text 292 numbered 0.
NumberedLines centresOfRegion(int region);
// The `dobles` groups whose code is region r, numbered by group; with none,
// the single line of interface text 292 numbered 0.
NumberedLines doubleDegreeGroupsOfRegion(int region);

// The degrees that belong to any double degree, in degree order: names
// without trailing blanks, each line numbered by its degree.
NumberedLines degreesWithDoubles();
// For every group with a pair holding the degree: 8 blanks + the group name,
// then " " + 30 bytes of the first name + "...+ " + the second name per pair
// (at most 70 bytes).
std::vector<QByteArray> doubleDegreesOfDegree(int degree);

// The `otros` entries 1..count.
std::vector<QByteArray> otherStudies();
// The `asignaot` lines of entry e (1-based): its slots 1-50, up to before the
// first two neighbouring slots whose first 16 bytes are blank.
std::vector<QByteArray> otherStudyLines(int entry);

enum class OtherStudyAction { Nothing, DirectoryPage, ShowEntry };
struct OtherStudyClick
{
    bool openSportsDocument = false; // "DeportesCentros.pdf", before the action
    OtherStudyAction action = OtherStudyAction::Nothing;
    int directoryPage = 0; // 1-3 for DirectoryPage
};
// What a click on line `index` (0-based) of the other-studies list does.
OtherStudyClick classifyOtherStudyClick(int index, const QByteArray &line);
// The path, under the directory's host, of page 1-3; empty for any other.
QByteArray otherStudiesDirectoryPath(int page);

} // namespace velmira
