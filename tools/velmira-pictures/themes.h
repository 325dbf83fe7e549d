#pragma once
// The decoration themes of the main menu: for each theme letter its floor,
// frames, wall tile and theme picture, and the animated fountain of theme "B".

#include <QImage>
#include <QVector>

namespace velmira::pictures {

// Sizes chosen for the scene of 1024 x 768: the tile holds one door niche,
// so that the doors of the menu stand in the niches of the tiled wall.
constexpr int kTileWidth = 174;
constexpr int kTileHeight = 400;

// FrameBlock: a square piece of moulding, for a theme whose one frame picture
// serves the top and the sides alike.
enum class ThemePart { Floor, TopFrame, RightFrame, LeftFrame, FrameBlock, Tile, Picture };

QImage themePicture(char letter, ThemePart part);
// "fuente.gif": a garden fountain, its water moving.
QVector<QImage> fountainFrames();

} // namespace velmira::pictures
