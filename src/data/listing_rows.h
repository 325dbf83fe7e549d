#pragma once
// The rows the map windows list and print: a text column and a telephone
// column, each row remembering the title it shows.

#include <QByteArray>

#include <vector>

namespace velmira {

struct ListingRow
{
    QByteArray text;
    QByteArray telephone;
    int title = 0; // 0 for centre, heading and separator rows
};

// The characters of a centre's text that the grid of centres shows.
constexpr int kCentreGridTextWidth = 44;

// A listing over every region that grows beyond this many rows is not
// printed at once: the user first chooses the regions to print.
constexpr int kMostRowsPrintedForAllRegions = 150;

inline bool mustChooseRegions(int rows, bool allRegions)
{
    return allRegions && rows > kMostRowsPrintedForAllRegions;
}

// The blank rows to append to a list of `rows` rows that shows `shown` rows
// at a time, so that row `first` can scroll to its top: none when enough rows
// follow it, else one screenful (at least 19).
int blankRowsToScrollToTop(int rows, int first, int shown);

// Removes blank rows from the end of a listing, at most `most` of them.
void trimTrailingBlankRows(std::vector<QByteArray> &rows, int most = 10);

// The text followed by the telephone, the text cut to textWidth when it is
// given, the whole row cut to 60 characters: a row as printed.
QByteArray printedRow(const ListingRow &row, int textWidth = -1);

// "***  " + characters 3-32 of the region's `comunida` entry in upper case
// + "  ***": the heading of a region in a printed listing.
QByteArray regionPrintHeading(int region);

} // namespace velmira
