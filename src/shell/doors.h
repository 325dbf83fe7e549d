#pragma once
// The doors of the main menu: where they stand, what they say and which
// number they carry, and the geometry of their animation.

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace velmira {

enum Door : int {
    DoorDegrees = 1,      // LabelCarreras
    DoorCatalogue = 2,    // LabelCat
    DoorHigherGrade = 3,  // LabelFpS
    DoorItineraries = 4,  // LabelIti
    DoorMiddleGrade = 5,  // LabelFPM
    DoorInitial = 6,      // LabelFPip
    DoorProfessions = 7,  // LabelProfe
    DoorBachillerato = 8, // LabelCuesB
    DoorEso = 9,          // LabelCuesE
};

constexpr int kDoorCount = 9;

// The design name of the door's label.
const char *doorLabelName(int door);
// Where the door's label stands (doors 1-6 top row, 7-9 bottom row).
QRect doorGeometry(int door);
// Caption and hint, composed from the interface texts; lines joined by "\n".
QByteArray doorCaption(int door);
QByteArray doorHint(int door);

// Door animation: the frame rises from (label left + 10, 170 or 510) by
// `step` pixels a tick.
constexpr int kDoorStep = 15;
QPoint doorFramePosition(int door, QRect label, int tick);
// The zoom: the tile picture stretched over the door's column, growing with z.
QRect zoomRectangle(int door, int z, QSize tile);

// The walking figure: where frame `tick` is drawn.
constexpr int kFigureStartX = 100;
constexpr int kFigureY = 230;
constexpr int kFigureStep = 15;
QPoint figurePosition(int tick);

} // namespace velmira
