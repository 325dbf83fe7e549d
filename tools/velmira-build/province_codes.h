#pragma once
// Chooses the province codes (1-64) of the regions. Every code has a fixed
// key: a place list and a key character. The map windows look all the
// provinces of a region up in the place list of its first province, and
// take a region's codes to run from its first code to the code before the
// next region's. Keys whose character is a heading character of their list
// are read as whole lines, leaving a place only 8 characters for the centre.

#include <QList>

namespace velmira::build {

// provinceCounts[r] is the number of provinces of region r + 1, in region
// order. Returns each region's first code: consecutive codes of one place
// list, increasing with the region, using as few heading keys as possible
// and, among those choices, the lowest codes. Empty when they do not fit.
QList<int> chooseFirstProvinceCodes(const QList<int> &provinceCounts);

// Whether the province code's key is read as a heading line of its list.
bool isHeadingProvinceCode(int code);

} // namespace velmira::build
