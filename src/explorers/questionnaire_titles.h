#pragma once
// From the middle-grade questionnaire to titles: the interest areas the
// pupil picks, the items of those areas, and the titles the picked items
// point to. An item's two-character code names a family by its first
// character ("0"-"9" families 0-9, "A"-"U" families 10-30) and titles of it
// by its second: "T" every title, "Z" its first two, a digit that title.

#include "data/listing_rows.h"

#include <QByteArray>

#include <map>
#include <set>
#include <vector>

namespace velmira {

// The area that is chosen to search by place instead.
constexpr int kByPlaceArea = 11;
constexpr int kMostRecordedAreas = 10;

// The areas as they are recorded from the selected rows of the area list
// (0-based, in list order): rows 0-9 give areas 1-9 and 0 for the tenth.
std::vector<int> recordedAreas(const std::vector<int> &selectedRows);
// Whether the selected rows include the by-place area.
bool choosesByPlace(const std::vector<int> &selectedRows);

// The prepared items (1-based) whose first area, or whose second area when
// it is not 0, is one of the recorded areas, in table order.
std::vector<int> itemsOfAreas(const std::vector<int> &areas);
// Characters 5-74 of an item: what the list shows.
QByteArray itemText(int item);
// Characters 1-2 of an item.
QByteArray itemCode(int item);

// Marked titles by family, each family's titles in title order.
using MarkedTitles = std::map<int, std::set<int>>;

// The family a code's first character names; 0 for any other character.
int familyOfCode(char c);
// Adds the titles the code names.
void markTitlesOfCode(const QByteArray &code, MarkedTitles &marked);

// Per family with marked titles: " - " + interface text 583 + ":  " + the
// family's name, then the names of its marked titles, each row keeping its
// title (0 for the family rows).
std::vector<ListingRow> markedTitleRows(const MarkedTitles &marked);

// The start of the printed path: interface text 594, an empty row, the
// chosen areas' names, interface text 595 and the chosen items' texts.
std::vector<QByteArray> questionnairePathLines(const std::vector<int> &areaRows,
                                               const std::vector<int> &items);
// What a region's centres add to it: an empty row, interface text 592 + ": "
// + the title, an empty row, interface text 593 + ":", then the centres.
std::vector<QByteArray> questionnaireCentreLines(int title, const std::vector<ListingRow> &centres);

} // namespace velmira
