#pragma once
// Paints the itineraries diagram's paint lists on a canvas.

#include "eso/itinerary_diagram.h"

#include <vector>

class QPainter;

namespace velmira {

// Fills, lines and texts in list order; texts in the settings font, bold, on
// the diagram colour.
void paintDiagram(QPainter &painter, const std::vector<DiagramPaint> &paints);

} // namespace velmira
