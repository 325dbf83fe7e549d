#include "university_help.h"

#include "data/interface_texts.h"
#include "data/text_ids.h"

namespace velmira {

namespace {

// Help lines from, from + 1, ... hold count interface texts from firstText on.
void fill(HelpLines &lines, int from, int firstText, int count)
{
    for (int i = 0; i < count; ++i)
        lines[from + i] = interfaceText(firstText + i);
}

} // namespace

bool universityHelpLines(int step, HelpLines &lines)
{
    HelpLines shown;
    switch (step) {
    case HelpQuestionnaireOpened: fill(shown, 1, kQuestionnaireOpenedHelp, 6); break;
    case HelpQualitiesChosen:
        shown[0] = interfaceText(kQualitiesHelpHeading);
        fill(shown, 1, kPartChosenHelp, 7);
        break;
    case HelpInterestsChosen:
        shown[0] = interfaceText(kInterestsHelpHeading);
        fill(shown, 1, kPartChosenHelp, 7);
        break;
    case HelpPartResults: fill(shown, 0, kPartResultsHelp, 8); break;
    case HelpCombinedResults: fill(shown, 0, kCombinedResultsHelp, 7); break;
    case HelpCombinedTooEarly: fill(shown, 0, kCombinedTooEarlyHelp, 3); break;
    case HelpAfterSaving: fill(shown, 0, kResultsSavedHelp, 7); break;
    // The map's own hint, not whatever another view left on the panel.
    case HelpDoubleDegreesByRegion: shown[0] = interfaceText(kChooseRegionHint); break;
    default: return false;
    }
    lines = shown;
    return true;
}

} // namespace velmira
