#pragma once
// The back button of the university window's selection area: which of its
// ten steps run, in order, for the view on screen. A step that finishes the
// job ends the list.

#include <vector>

namespace velmira {

// The views of the selection area; several can be set at once.
struct SelectionViews
{
    bool masters = false;
    bool artistic = false;
    bool university = false;
    bool byDegree = false;
    bool doubleDegrees = false;
    bool otherStudies = false;
};

// What is on screen where the back button looks.
struct SelectionScreen
{
    bool centreListShown = false; // `ListComunidad`
    bool mapShown = false;        // `PanelEstrellas`
};

enum class BackStep {
    LeaveMasters = 1,   // masters view: back to the menu (ends)
    ResetSelectionArea, // print collection off, lists back in place
    LeaveArtistic,      // artistic view: back to the menu, then go on
    LeaveUniversity,    // university view: centres back to the map (ends)
                        // or the whole view back to the menu (ends)
    DoublesBackToMap,   // double degrees by region: centres back to the map (ends)
    EmptySelection,     // selection list and title emptied and hidden
    LeaveDoubleDegrees, // double degrees: back to the menu (ends)
    LeaveOtherStudies,  // other studies: back to the menu (ends)
    LeaveMap,           // the map: back to the menu
    CentresBackToMap,   // a centre list: back to the map
};

std::vector<BackStep> backSteps(const SelectionViews &views, const SelectionScreen &screen);

} // namespace velmira
