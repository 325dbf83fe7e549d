#pragma once
// Printing the middle-grade explorer's listings: the centres of a province,
// or a title with its details and the centres that teach it in every region.
// A title listing over every region that grows too long is not printed at
// once: the pupil first picks on the map the regions to print (`PanelImp`).

#include "explorers/middle_grade_frame.h"

#include <QObject>

#include <vector>

class QListWidget;
class QPushButton;
class QWidget;

namespace velmira {

class PlaceRoutePage;
class RegionPrintChoice;
struct ExplorerReport;

// The report as it will print, in the listing: Courier at the report's
// size, the region headings in bold so that the eye finds each region.
void previewReport(QListWidget *listing, const ExplorerReport &report);
// Asks the print question and prints the report in Courier.
void printReport(const ExplorerReport &report);

class ListingPrintPage : public QObject
{
    Q_OBJECT
public:
    ListingPrintPage(QWidget *window, MiddleGradeState &state, const MiddleGradeFrame &frame,
                     const PlaceRoutePage &places);

    void setCaptions();
    // While the pupil picks regions, a click on the map adds one.
    bool choosingRegions() const { return m_choosing; }
    void addRegion(int region);
    // Ends the picking of regions, if it was on.
    void hideAll();

private:
    void BotImprimirClick();
    void BotAceptarClick();

    void startChoosingRegions();

    QWidget *m_window;
    MiddleGradeState &m_state;
    const MiddleGradeFrame &m_frame;
    const PlaceRoutePage &m_places;
    RegionPrintChoice *PanelImp = nullptr;

    bool m_choosing = false;
};

} // namespace velmira
