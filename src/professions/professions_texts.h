#pragma once
// The interface texts (lines of "textos") the professions window shows.

namespace velmira::professions_text {

constexpr int kPrint = 36;
constexpr int kHigherTitles = 47;
constexpr int kLeave = 54;
constexpr int kMiddleTitles = 113;
constexpr int kResultsHeading = 124;
constexpr int kAskName = 339;
constexpr int kProfessionsOfActivity = 624;
constexpr int kActivitiesHeading = 625;
constexpr int kStatementHeader = 626;
constexpr int kDegrees = 627;
constexpr int kChooseTwo = 629;
constexpr int kChooseOne = 630;
constexpr int kIntroductionHeader = 631;
constexpr int kIntroductionFirst = 632;
constexpr int kIntroductionSecond = 633;
constexpr int kTooManyFirst = 634;
constexpr int kTooManySecond = 635;
constexpr int kHowToGoOn = 636;
constexpr int kCheckChoice = 637;
constexpr int kAllAnswered = 639;
constexpr int kActivitiesFirst = 642;
constexpr int kActivitiesSecond = 643;
constexpr int kStatementProfessions = 644;
constexpr int kStudiesOfProfession = 645;
constexpr int kExplanationFirst = 646;
constexpr int kExplanationSecond = 647;
constexpr int kTitle = 648;
constexpr int kLeaveQuestion = 649;
constexpr int kStudiesElsewhere = 650;

} // namespace velmira::professions_text
