#include "selection_back.h"

namespace velmira {

std::vector<BackStep> backSteps(const SelectionViews &views, const SelectionScreen &screen)
{
    if (views.masters)
        return {BackStep::LeaveMasters};
    std::vector<BackStep> steps{BackStep::ResetSelectionArea};
    if (views.artistic)
        steps.push_back(BackStep::LeaveArtistic);
    if (views.university) {
        steps.push_back(BackStep::LeaveUniversity);
        return steps;
    }
    if (views.doubleDegrees && screen.centreListShown && !views.byDegree) {
        steps.push_back(BackStep::DoublesBackToMap);
        return steps;
    }
    steps.push_back(BackStep::EmptySelection);
    if (views.doubleDegrees) {
        steps.push_back(BackStep::LeaveDoubleDegrees);
        return steps;
    }
    if (views.otherStudies) {
        steps.push_back(BackStep::LeaveOtherStudies);
        return steps;
    }
    // Leaving the map shows the menu; a centre list seen then goes back to
    // the map, as the two last steps run one after the other.
    if (screen.mapShown)
        steps.push_back(BackStep::LeaveMap);
    // The artistic step has put its list away already.
    if (screen.centreListShown && !views.artistic)
        steps.push_back(BackStep::CentresBackToMap);
    return steps;
}

} // namespace velmira
