#include "listing_print_page.h"

#include "explorers/middle_grade_layout.h"
#include "explorers/middle_grade_report.h"
#include "explorers/place_route_page.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "widgets/report_printer.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"
#include "widgets/region_print_choice.h"

#include <QListWidget>
#include <QPushButton>

namespace velmira {

using namespace middle_grade_text;

using namespace middlegrade;

namespace {

constexpr int kReportFontSize = 9;

} // namespace

void previewReport(QListWidget *listing, const ExplorerReport &report)
{
    listing->clear();
    listing->setFont(courierFont(kReportFontSize));
    listing->addItem(displayText(report.title));
    for (const QByteArray &row : report.rows)
        listing->addItem(displayText(row));
    for (int row : regionHeadingRows(report)) {
        QFont bold = listing->font();
        bold.setBold(true);
        listing->item(row)->setFont(bold);
    }
    listing->show();
}

void printReport(const ExplorerReport &report)
{
    PrintListing(report.title, report.rows, {}, kReportFontSize);
}

ListingPrintPage::ListingPrintPage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame,
                                   const PlaceRoutePage &places)
    : QObject(window)
    , m_window(window)
    , m_state(state)
    , m_frame(frame)
    , m_places(places)
{
    PanelImp = new RegionPrintChoice(window, kBelowMap, colour6());
    connect(PanelImp, &RegionPrintChoice::accepted, this, &ListingPrintPage::BotAceptarClick);

    connect(m_frame.BotImprimir, &QPushButton::clicked, this, &ListingPrintPage::BotImprimirClick);
}

void ListingPrintPage::setCaptions()
{
    PanelImp->setCaptions(uiText(kChooseRegionsFirst) + QLatin1Char(' ') + uiText(kChooseRegionsSecond),
                          uiText(kUndoRegionFirst) + QLatin1Char(' ') + uiText(kUndoRegionSecond),
                          uiText(kAccept));
}

void ListingPrintPage::hideAll()
{
    PanelImp->hide();
    m_choosing = false;
}

void ListingPrintPage::BotImprimirClick()
{
    if (m_state.route == ExplorerRoute::ByPlace) {
        printReport(provinceReport(m_state.provinceName, kMiddleGrade, m_places.provinceRows()));
        return;
    }
    const bool everyRegion = !m_choosing;
    const ExplorerReport report =
        titleReport(content().datluggm, m_state.title, everyRegion ? allRegions() : PanelImp->regions());
    if (mustChooseRegions(int(report.rows.size()), everyRegion)) {
        startChoosingRegions();
        return;
    }
    m_choosing = false;
    m_frame.reja->hide();
    previewReport(m_frame.listSelFP, report);
    printReport(report);
}

void ListingPrintPage::startChoosingRegions()
{
    m_choosing = true;
    m_frame.PanelEstrellas->show();
    PanelImp->start();
    m_frame.mapa->setFocus();
}

void ListingPrintPage::addRegion(int region) { PanelImp->addRegion(region); }

void ListingPrintPage::BotAceptarClick()
{
    PanelImp->hide();
    BotImprimirClick();
}

} // namespace velmira
