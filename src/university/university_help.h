#pragma once
// The steps of the university window's help panel, which guides the student
// through the Bachillerato questionnaire.

#include "data/help_panel.h"

namespace velmira {

enum UniversityHelpStep {
    HelpQuestionnaireOpened = 3,
    HelpQualitiesChosen = 4,
    HelpInterestsChosen = 5,
    HelpPartResults = 6,
    HelpItineraryClicked = 7,
    HelpCombinedResults = 8,
    HelpResultsPrinted = 17,
    HelpCombinedTooEarly = 18,
    HelpAfterSaving = 19,
    HelpDoubleDegreesByRegion = 31,
};

// The lines of step n; false for a step that shows the lines left from before
// (an itinerary clicked, results printed).
bool universityHelpLines(int step, HelpLines &lines);

} // namespace velmira
