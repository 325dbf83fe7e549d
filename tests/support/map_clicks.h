#pragma once
// The map of regions as the pointer reaches it: a region clicked at its
// centre, and the regions whose centre the pointer can reach (the map's
// small islands are clicked on their own rectangles).

#include "data/map_geometry.h"
#include "widgets/region_map.h"

#include <QtTest>

#include <vector>

namespace testsupport {

inline void clickRegion(velmira::RegionMap *map, int region)
{
    const QPoint centre = velmira::regionCentre(region);
    QCOMPARE(velmira::hoveredRegion(centre.x(), centre.y(), 0), region);
    QTest::mouseMove(map, centre);
    QTest::mouseClick(map, Qt::LeftButton, {}, centre);
}

inline std::vector<int> clickableRegions()
{
    std::vector<int> regions;
    for (int r = 1; r <= velmira::kRegionCount; ++r) {
        const QPoint c = velmira::regionCentre(r);
        if (velmira::hoveredRegion(c.x(), c.y(), 0) == r)
            regions.push_back(r);
    }
    return regions;
}

} // namespace testsupport
