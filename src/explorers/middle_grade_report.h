#pragma once
// The explorer's printed listings: a title with its details and the centres
// that teach it region by region, and the centres of a province with the
// titles each teaches.

#include "data/centre_listings.h"

#include <QByteArray>

#include <vector>

namespace velmira {

struct ExplorerReport
{
    QByteArray title;             // entry 0 of the print buffer
    std::vector<QByteArray> rows; // entries 1..count
};

// The requirement, job-position and subject sections of a title, each under
// its "** ... **" heading, without the blank rows that end the subjects (at
// most ten are removed).
std::vector<QByteArray> titleDetailSections(int title);

// Title + " (" + interface text 113 + ")"; the detail sections; a rule and
// the heading of the centres; then for each region, in the order given,
// "***  REGION  ***", an empty row and its centres that teach the title.
ExplorerReport titleReport(const PlaceTitleTables &tables, int title, const std::vector<int> &regions);
// The 19 regions in map order: what a title listing prints unless the user
// chooses regions.
std::vector<int> allRegions();

// The rows of a report that head a region ("***" first).
std::vector<int> regionHeadingRows(const ExplorerReport &report);

// Interface text 289 + ": " + the province + " - " + the studies listed
// (interface text 113 for middle-grade titles, 172 for initial programmes),
// then every row of the province's centre grid: 44 characters and the
// telephone.
ExplorerReport provinceReport(const QByteArray &provinceName, int studies,
                              const std::vector<ListingRow> &grid);

} // namespace velmira
