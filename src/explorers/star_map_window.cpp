#include "star_map_window.h"

#include "data/colours.h"
#include "widgets/region_map.h"
#include "widgets/theme_assets.h"

#include <QScreen>

namespace velmira {

TForm7 *Form7 = nullptr;

namespace {

// The picture is larger than the window: its middle shows, Spain's mainland
// and the islands near it.
const QPoint kMapPlace(-32, -32);
// Over the university window's top right corner.
const QPoint kDesignPlace(805, 0);
// The region's name appears under the pointer, a little to its left.
const QPoint kHoverOffset(-3, 42);

} // namespace

TForm7::TForm7(QWidget *parent)
    : WindowBase(QStringLiteral("Velmira"), QSize(211, 146), colour3(), parent,
                 Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    // The university window keeps the keyboard while the map is shown.
    setAttribute(Qt::WA_ShowWithoutActivating);
    move(kDesignPlace);
}

void TForm7::createContents()
{
    MapaEstrellas = new RegionMap(this, this, kHoverOffset);
    MapaEstrellas->setObjectName(QStringLiteral("MapaEstrellas"));
    MapaEstrellas->move(kMapPlace);
    MapaEstrellas->setPicture(themeAssets().map);
    connect(MapaEstrellas, &RegionMap::regionClicked, this, &TForm7::MapaEstrellasClick);
    applyCommonLook();
}

void TForm7::showRegions(const RegionFlags &taught, const RegionRows &firstRows, const QWidget *beside)
{
    ensureContents();
    m_firstRows = firstRows;
    MapaEstrellas->startRings(taught);
    placeBeside(beside);
    show();
    raise();
}

// Over the corner it covers the marks of the list's first rows, so the map
// goes beside the window wherever the screen leaves room for it.
void TForm7::placeBeside(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QScreen *screen = window->screen();
    if (screen && screen->availableGeometry().right() - frame.right() >= frameGeometry().width())
        move(frame.right() + 1, frame.top());
    else
        move(frame.topLeft() + kDesignPlace);
}

void TForm7::hideMap()
{
    if (MapaEstrellas)
        MapaEstrellas->stopRings();
    hide();
}

void TForm7::MapaEstrellasClick(int region)
{
    if (region < 1 || region > kRegionCount || m_firstRows[region] <= 0)
        return;
    emit listRowWanted(m_firstRows[region]);
}

} // namespace velmira
