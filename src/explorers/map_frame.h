#pragma once
// The controls the routes of the map explorers share (the middle-grade
// explorer and the initial programmes window), created alike in both: the
// headings over the choice and the chosen name, which blinks; the map; the
// listing and the grid of centres over the same place; the print and back
// buttons. Geometry from middle_grade_layout.h.

#include "explorers/middle_grade_frame.h"

class QWidget;

namespace velmira {

// `listingName` is the design name of the listing (`listSelFP`, `Listsel`).
void createMapFrame(QWidget *window, MiddleGradeFrame &frame, const char *listingName);

// After the common look: the buttons in the settings font at 12 points, and
// the button the keyboard is on marked.
void applyExplorerLook(QWidget *window);

} // namespace velmira
