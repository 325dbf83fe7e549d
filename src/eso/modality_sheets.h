#pragma once
// The printed sheets of the itineraries diagram: one per Bachillerato route
// (sheets 1, 3, 4, 5, 6 and 8) and the sheet of higher-grade training (7).

#include <QByteArray>

#include <vector>

namespace velmira {

class LineTable;
struct SubjectListSources;

constexpr int kSheetLineLimit = 1100;

// The lines of sheet n, from line 1; empty for a number without a sheet.
// The first two lines of a route sheet (the first of sheet 7) stay empty.
std::vector<QByteArray> modalitySheetLines(const SubjectListSources &tables, int sheet);

// Puts a sheet into a print buffer: an empty title in entry 0, the lines
// from entry 1, no bold lines. Returns the number of lines to print.
int fillSheetPrintBuffer(LineTable &buffer, const std::vector<QByteArray> &lines);

// Sheets print in the settings font at this size.
constexpr int kSheetFontSize = 9;

} // namespace velmira
