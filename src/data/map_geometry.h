#pragma once
// The regions of the map picture, their centres and the province keys.

#include <QByteArray>
#include <QPoint>
#include <QRect>

namespace velmira {

constexpr int kRegionCount = 19;
constexpr int kProvinceCount = 64;

struct RegionRect
{
    int left;
    int top;
    int right;
    int bottom;
};

// Region r (1-19) as the map windows test it, after shifting the pointer.
RegionRect regionRect(int region);

// The first region whose rectangle holds the point: left <= x < right and
// top - 1 <= y < bottom (one pixel above the top still counts). 0 for none.
int RegionAt(int x, int y);

// The region under a map window's pointer at (x, y) in picture coordinates:
// the windows test RegionAt(x + 5, y + 90). Over no region the previous one
// stays current.
int hoveredRegion(int x, int y, int previous);

// Where the map windows draw the mark of region r (1-19).
QPoint regionCentre(int region);

// Stores the 64 province keys; provinceKey(code) then gives the key of a
// province code 1-64: the place list ("1"-"4") and the province's key character.
void FillProvinceKeys();
QByteArray provinceKey(int provinceCode);

} // namespace velmira
