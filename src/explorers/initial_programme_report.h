#pragma once
// What the initial programmes window shows of a chosen programme, and what
// it prints: the programme with its details and the centres of the one
// region chosen on the map.

#include "explorers/middle_grade_report.h"

#include <QByteArray>

#include <vector>

namespace velmira {

// The lines shown by the detail buttons: the requirements (`informa` "38");
// interface text 67 and what is studied (`informa` "39"); interface text 67,
// the five modules, interface text 199 and the five job positions.
std::vector<QByteArray> programmeRequirementLines();
std::vector<QByteArray> programmeStudyLines();
std::vector<QByteArray> programmeModuleLines(int programme);

// The programme's name + " (" + interface text 172 + ")"; its requirements,
// what is studied (then interface text 67 and the modules) and its job
// positions, each under a "** ... **" heading and followed by an empty row; another empty row,
// interface text 323 and "***  REGION  ***"; then the region's centres as
// the grid shows them, text and telephone two blanks apart (the grid's
// message when it found none).
ExplorerReport programmeReport(int programme, int region, const std::vector<ListingRow> &centres);

} // namespace velmira
