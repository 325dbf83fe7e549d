#pragma once
// The star map: a small map of the regions that stays above the university
// window while it lists the centres of a degree. The regions that teach the
// degree pulse with rings, the region under the pointer is named, and a
// click on a region asks for the list to scroll to that region's centres.

#include "data/map_geometry.h"
#include "widgets/window_base.h"

#include <array>

namespace velmira {

class RegionMap;

class TForm7 : public WindowBase
{
    Q_OBJECT
public:
    explicit TForm7(QWidget *parent = nullptr);

    // Element r for region r (1-19): whether it teaches the degree, and the
    // list row where its centres begin (0 for none).
    using RegionFlags = std::array<bool, kRegionCount + 1>;
    using RegionRows = std::array<int, kRegionCount + 1>;

    // Shown with rings on the flagged regions: beside the window when the
    // screen has room on its right, else over its top right corner.
    void showRegions(const RegionFlags &taught, const RegionRows &firstRows, const QWidget *beside);
    // Hidden, its rings stopped.
    void hideMap();

signals:
    // A region with centres in the list was clicked: the row where they begin.
    void listRowWanted(int row);

protected:
    void createContents() override;

private:
    void placeBeside(const QWidget *window);
    void MapaEstrellasClick(int region);

    RegionMap *MapaEstrellas = nullptr;
    RegionRows m_firstRows{};
};

extern TForm7 *Form7;

} // namespace velmira
