#include "theme_assets.h"

#include "data/picture_names.h"
#include "data/pictures.h"

namespace velmira {

namespace {

// Made on first use, once the application exists (pixmaps need it), and kept
// until the program ends like the windows that show them.
ThemeAssets &assets()
{
    static ThemeAssets *shared = new ThemeAssets;
    return *shared;
}

void loadNamed(QPixmap &into, const QString &name)
{
    if (!name.isEmpty())
        into = loadPicture(name);
}
} // namespace

const ThemeAssets &themeAssets() { return assets(); }

void loadThemeAssets(const ThemePictures &names)
{
    assets().map = loadPicture(QStringLiteral("mapa"));
    loadNamed(assets().floor, names.floor);
    loadNamed(assets().topFrame, names.topFrame);
    loadNamed(assets().rightFrame, names.rightFrame);
    loadNamed(assets().leftFrame, names.leftFrame);
    loadNamed(assets().tile, names.tile);
    assets().button = loadPicture(QString::fromLatin1(pictures::kButton));
}

void loadIconList()
{
    assets().icons = loadStrip(QString::fromLatin1(pictures::kIconStrip), pictures::IconCount);
}

QIcon listIcon(int icon)
{
    const std::vector<QPixmap> &icons = assets().icons;
    return icon >= 0 && icon < int(icons.size()) ? QIcon(icons[icon]) : QIcon();
}

} // namespace velmira
