#pragma once
// What the pages of the middle-grade explorer share: the route the pupil is
// on with its choices, and the controls every route uses (the headings, the
// map, the listing and the grid, the back and print buttons), which the
// window creates and owns.

#include "data/centre_listings.h"
#include "data/region_provinces.h"

#include <QByteArray>

class QLabel;
class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class CentreGrid;
class RegionMap;
class TextBlinker;

enum class ExplorerRoute { Menu, ByTitle, ByPlace };

struct MiddleGradeState
{
    ExplorerRoute route = ExplorerRoute::Menu;
    bool questionnaireMode = false;
    int title = 0;             // the chosen title
    RegionProvinces provinces; // of the region clicked last
    bool localityMode = false; // the province's localities are listed
    ProvincePlaces province;   // the province whose localities are listed
    QByteArray provinceName;
    bool telephones = false; // survives route changes
    bool doubleClickOpensTitle = false;
};

struct MiddleGradeFrame
{
    QLabel *PanelSelTit = nullptr;  // what the pupil is choosing
    QLabel *PanelCarSel = nullptr;  // the chosen title or province
    TextBlinker *blinker = nullptr; // blinks PanelCarSel
    QWidget *PanelEstrellas = nullptr;
    RegionMap *mapa = nullptr;
    QListWidget *listSelFP = nullptr;
    CentreGrid *reja = nullptr;
    QPushButton *BotRetrocederFP = nullptr;
    QPushButton *BotImprimir = nullptr;
    QLabel *LabAyuGM = nullptr;  // the guide's text
    QLabel *HeliPeque = nullptr; // the guide's picture
};

} // namespace velmira
