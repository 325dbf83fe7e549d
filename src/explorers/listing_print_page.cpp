#include "listing_print_page.h"

#include "explorers/middle_grade_layout.h"
#include "explorers/middle_grade_report.h"
#include "explorers/place_route_page.h"

#include "data/colours.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/print_buffer.h"
#include "data/print_state.h"
#include "widgets/report_printer.h"
#include "data/text_bytes.h"
#include "widgets/window_controls.h"
#include "widgets/centre_grid.h"
#include "widgets/region_map.h"
#include "widgets/row_choice.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <algorithm>

namespace velmira {

using namespace middle_grade_text;

using namespace middlegrade;

namespace {

constexpr int kReportFontSize = 9;
constexpr int kRegionEntryLast = 62;

QFont courier(int points)
{
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(points);
    return font;
}

} // namespace

void previewReport(QListWidget *listing, const ExplorerReport &report)
{
    listing->clear();
    listing->setFont(courier(kReportFontSize));
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
    LineTable &buffer = work().print1;
    const int count = fillPrintBuffer(buffer, report.title, report.rows);
    setBoldLines({});
    if (askPrintQuestion())
        PrintLines(buffer, count, true, kReportFontSize);
}

ListingPrintPage::ListingPrintPage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame,
                                   const PlaceRoutePage &places)
    : QObject(window)
    , m_window(window)
    , m_state(state)
    , m_frame(frame)
    , m_places(places)
{
    PanelImp = panel(window, kBelowMap, colour6());
    PanelImp->setObjectName(QStringLiteral("PanelImp"));
    PanelImp->setFont(settingsFont(14));
    LabelSelCom1 = new QLabel(PanelImp);
    LabelSelCom1->setObjectName(QStringLiteral("LabelSelCom1"));
    LabelSelCom1->setGeometry(10, 6, kBelowMap.width() - 20, 48);
    LabelSelCom1->setWordWrap(true);
    LabelSelCom2 = new QLabel(PanelImp);
    LabelSelCom2->setObjectName(QStringLiteral("LabelSelCom2"));
    LabelSelCom2->setGeometry(10, 56, kBelowMap.width() - 20, 48);
    LabelSelCom2->setWordWrap(true);
    ListImp = new QListWidget(PanelImp);
    ListImp->setObjectName(QStringLiteral("ListImp"));
    ListImp->setGeometry(10, 108, kBelowMap.width() - 20, kBelowMap.height() - 160);
    ListImp->setFont(settingsFont(12));
    onRowChosen(ListImp, [this](int row) { ListImpClick(row); });
    BotAceptar = button(PanelImp, "BotAceptar",
                        QRect((kBelowMap.width() - 120) / 2, kBelowMap.height() - 44, 120, kButtonHeight));
    connect(BotAceptar, &QPushButton::clicked, this, &ListingPrintPage::BotAceptarClick);
    PanelImp->hide();

    connect(m_frame.BotImprimir, &QPushButton::clicked, this, &ListingPrintPage::BotImprimirClick);
}

void ListingPrintPage::setCaptions()
{
    BotAceptar->setText(uiText(kAccept));
    LabelSelCom1->setText(uiText(kChooseRegionsFirst) + QLatin1Char(' ') + uiText(kChooseRegionsSecond));
    LabelSelCom2->setText(uiText(kUndoRegionFirst) + QLatin1Char(' ') + uiText(kUndoRegionSecond));
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
        titleReport(content().datluggm, m_state.title, everyRegion ? allRegions() : m_regions);
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
    m_regions.clear();
    ListImp->clear();
    BotAceptar->setEnabled(false);
    m_frame.PanelEstrellas->show();
    PanelImp->show();
    PanelImp->raise();
    m_frame.mapa->setFocus();
}

void ListingPrintPage::addRegion(int region)
{
    if (std::find(m_regions.begin(), m_regions.end(), region) != m_regions.end())
        return;
    m_regions.push_back(region);
    ListImp->addItem(
        displayText(trimTrailingBlanks(columns(content().comunida.at(region), 3, kRegionEntryLast))));
    BotAceptar->setEnabled(true);
}

void ListingPrintPage::ListImpClick(int row)
{
    if (row < 0 || row >= int(m_regions.size()))
        return;
    m_regions.erase(m_regions.begin() + row);
    delete ListImp->takeItem(row);
    BotAceptar->setEnabled(!m_regions.empty());
}

void ListingPrintPage::BotAceptarClick()
{
    PanelImp->hide();
    ListImp->clear();
    BotImprimirClick();
}

} // namespace velmira
