#pragma once
// "mapa": the map of Spain's communities, 281 x 196, on which the map windows
// hit-test the pointer and draw their rings at the region centres.

#include <QColor>
#include <QImage>

namespace velmira::pictures {

constexpr int kMapWidth = 281;
constexpr int kMapHeight = 196;

// The map windows hit-test a pointer at (x, y) on the picture as the region
// rectangle point (x + 5, y + 90).
constexpr int kMapHitShiftX = 5;
constexpr int kMapHitShiftY = 90;

// The flat colour that fills region r (1-19) on the map.
QColor mapRegionColour(int region);

QImage mapPicture();

} // namespace velmira::pictures
