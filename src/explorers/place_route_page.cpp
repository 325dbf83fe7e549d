#include "place_route_page.h"

#include "explorers/middle_grade_layout.h"

#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"
#include "widgets/row_choice.h"
#include "widgets/widget_groups.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <utility>

namespace velmira {

using namespace middle_grade_text;

using namespace middlegrade;

PlaceRoutePage::PlaceRoutePage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame,
                               const PlaceTitleTables &tables, TitleNames titleName)
    : QObject(window)
    , m_state(state)
    , m_frame(frame)
    , m_tables(tables)
    , m_titleName(std::move(titleName))
{
    ListSelLugFP = new QListWidget(window);
    ListSelLugFP->setObjectName(QStringLiteral("ListSelLugFP"));
    ListSelLugFP->setGeometry(kLeftColumn);
    ListSelLugFP->setFont(settingsFont(10));
    onRowChosen(ListSelLugFP, [this](int row) { ListSelLugFPClick(row); });

    BotTelefono = button(window, "BotTelefono", kButtonRow);
    connect(BotTelefono, &QPushButton::clicked, this, &PlaceRoutePage::BotTelefonoClick);
    connect(m_frame.reja, &CentreGrid::rowChosen, this, &PlaceRoutePage::rejaDblClick);
    hideAll();
}

void PlaceRoutePage::setCaptions()
{
    BotTelefono->setText(uiText(kTelephones));
    lineUpButtons({BotTelefono}, kButtonRow);
}

void PlaceRoutePage::hideAll()
{
    ListSelLugFP->hide();
    BotTelefono->hide();
    m_state.localityMode = false;
}

void PlaceRoutePage::start()
{
    m_state.route = ExplorerRoute::ByPlace;
    m_state.doubleClickOpensTitle = true;
    FillProvinceKeys();
    m_frame.BotRetrocederFP->show();
    showMapAgain();
}

// The start of the route: the map, an empty grid and no province yet.
void PlaceRoutePage::showMapAgain()
{
    hideAll();
    m_frame.BotImprimir->hide();
    m_frame.listSelFP->hide();
    m_frame.PanelSelTit->setText(uiText(kCentresByPlace));
    m_frame.PanelSelTit->show();
    m_frame.PanelCarSel->clear();
    m_frame.PanelCarSel->show();
    m_frame.reja->clearRows();
    m_frame.reja->show();
    m_frame.PanelEstrellas->show();
    m_frame.mapa->setFocus();
}

void PlaceRoutePage::chooseRegion(int region)
{
    m_state.provinces = provincesOfRegion(region);
    m_frame.PanelEstrellas->hide();
    if (m_state.provinces.count() == 1) {
        chooseProvince(1);
        return;
    }
    m_state.localityMode = false;
    showProvinces();
}

void PlaceRoutePage::showProvinces()
{
    ListSelLugFP->clear();
    for (int k = 1; k <= m_state.provinces.count(); ++k)
        ListSelLugFP->addItem(displayText(trimTrailingBlanks(m_state.provinces.listName(k))));
    ListSelLugFP->setCurrentRow(0);
    ListSelLugFP->show();
    ListSelLugFP->setFocus();
}

void PlaceRoutePage::ListSelLugFPClick(int row)
{
    if (row < 0)
        return;
    if (m_state.localityMode)
        showLocality(row + 1);
    else
        chooseProvince(row + 1);
}

void PlaceRoutePage::chooseProvince(int k)
{
    m_state.province = placesOfProvince(m_tables, provinceKeyOf(m_state.provinces.code(k)));
    m_state.provinceName = trimTrailingBlanks(m_state.provinces.listName(k));
    ListSelLugFP->clear();
    for (const Locality &locality : m_state.province.localities)
        ListSelLugFP->addItem(displayText(trimTrailingBlanks(locality.name)));
    ListSelLugFP->show();
    ListSelLugFP->setFocus();
    m_state.localityMode = true;
    showLocality(1);
}

void PlaceRoutePage::showLocality(int locality)
{
    m_locality = locality;
    m_frame.BotRetrocederFP->show();
    m_frame.BotImprimir->show();
    BotTelefono->show();
    const ProvinceGrid grid = gridOfProvince(m_tables, m_state.province, locality, m_titleName);
    m_frame.PanelCarSel->setText(displayText(m_state.provinceName));
    m_frame.PanelSelTit->setText(uiText(kCentresByPlace));
    m_frame.reja->showRows(grid.rows, m_state.telephones);
    m_frame.reja->show();
    m_frame.reja->scrollToRow(grid.targetRow);
    if (ListSelLugFP->currentRow() != locality - 1)
        ListSelLugFP->setCurrentRow(locality - 1);
}

void PlaceRoutePage::BotTelefonoClick()
{
    m_state.telephones = !m_state.telephones;
    if (m_state.localityMode)
        showLocality(m_locality);
}

void PlaceRoutePage::rejaDblClick(int row)
{
    if (!m_state.doubleClickOpensTitle || m_state.route != ExplorerRoute::ByPlace)
        return;
    const int title = m_frame.reja->titleAt(row);
    if (title == 0)
        return;
    hideAll();
    m_frame.reja->clearRows();
    hideWidgets({m_frame.BotImprimir, m_frame.reja, m_frame.listSelFP, m_frame.PanelSelTit,
                 m_frame.PanelCarSel, m_frame.PanelEstrellas, m_frame.BotRetrocederFP});
    m_state.doubleClickOpensTitle = false;
    emit titleChosen(title);
}

std::vector<ListingRow> PlaceRoutePage::provinceRows() const
{
    return gridOfProvince(m_tables, m_state.province, 1, m_titleName).rows;
}

bool PlaceRoutePage::stepBack()
{
    if (m_state.localityMode) {
        m_state.localityMode = false;
        if (m_state.provinces.count() > 1) {
            m_frame.reja->clearRows();
            BotTelefono->hide();
            m_frame.BotImprimir->hide();
            m_frame.PanelCarSel->clear();
            showProvinces();
            return true;
        }
    }
    if (m_frame.PanelEstrellas->isHidden()) {
        showMapAgain();
        return true;
    }
    hideAll();
    m_frame.reja->clearRows();
    m_state.doubleClickOpensTitle = false;
    return false;
}

} // namespace velmira
