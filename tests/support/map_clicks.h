#pragma once
// The map of regions as the pointer reaches it: a region clicked at its
// centre, and the regions whose centre the pointer can reach (the map's
// small islands are clicked on their own rectangles).

#include "data/map_geometry.h"
#include "widgets/region_map.h"

#include <QtTest>

#include <vector>

namespace testsupport {

// The pointer comes over the map before it clicks, so that the region under
// it is named first as it is for a pupil.
inline void clickMapAt(QWidget *map, const QPoint &at)
{
    QTest::mouseMove(map, at);
    QTest::mouseClick(map, Qt::LeftButton, {}, at);
}

inline bool isClickable(int region)
{
    const QPoint centre = velmira::regionCentre(region);
    return velmira::hoveredRegion(centre.x(), centre.y(), 0) == region;
}

inline std::vector<int> clickableRegions()
{
    std::vector<int> regions;
    for (int r = 1; r <= velmira::kRegionCount; ++r)
        if (isClickable(r))
            regions.push_back(r);
    return regions;
}

inline void clickRegion(velmira::RegionMap *map, int region)
{
    QVERIFY2(isClickable(region), "the region's centre lies on another region");
    clickMapAt(map, velmira::regionCentre(region));
}

} // namespace testsupport
