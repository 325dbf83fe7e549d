#pragma once
// The pictures the main menu loads once and every window shares: the map,
// the current theme's floor, frames and tile, the button picture and the
// icon list `ImageListIconos`.

#include "data/themes.h"

#include <QIcon>
#include <QPixmap>

#include <vector>

namespace velmira {

struct ThemeAssets
{
    QPixmap map;
    QPixmap floor;
    QPixmap topFrame;
    QPixmap rightFrame;
    QPixmap leftFrame;
    QPixmap tile;
    QPixmap button;
    std::vector<QPixmap> icons;
};

const ThemeAssets &themeAssets();

// Loads the map, the theme's pictures and the button picture; a picture the
// theme does not name keeps the one loaded before. Raises FileError.
void loadThemeAssets(const ThemePictures &names);
// Loads the icon list. Raises FileError.
void loadIconList();

// Icon i of the icon list, for the rows of the windows' lists; no icon for
// a number outside the list.
QIcon listIcon(int icon);

} // namespace velmira
