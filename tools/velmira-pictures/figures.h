#pragma once
// People of the installation, each frame 56 x 168 on a transparent ground:
// the pupil who walks into the main menu and the guide girl of the help
// panels, whose first frame is also the portrait "chica.bmp".

#include <QImage>
#include <QVector>

namespace velmira::pictures {

// Frames 0-5 walk to the right; 6 turns to the viewer; 7 stands and waves.
QVector<QImage> walkingFigureFrames();
// Eight frames of the guide talking: her arms and mouth move as lines appear.
QVector<QImage> guideFrames();
// The guide standing, on the welcome window's background colour.
QImage girlPortrait();

} // namespace velmira::pictures
