#pragma once
// The tables the ESO window owns, and the loading its creation runs.

#include "line_table.h"
#include "load_steps.h"

#include <QByteArray>

#include <array>
#include <vector>

namespace velmira {

struct ContentTables;

constexpr int kWidthEsoQuestions = 50;    // "fps" and "cuestion"
constexpr int kWidthEsoItineraries = 54;  // "itinerar"
constexpr int kWidthMiddleQuestions = 75; // "cuesgm"

// Lines of `itinerar` with a meaning of their own.
constexpr int kItineraryGroups = 13;   // 1-13 name the itinerary groups the questionnaire ranks
constexpr int kFirstModalityLine = 21; // 21 heads every result list, 22-27 name modalities
constexpr int kLastModalityLine = 27;
constexpr int kModalityTextCapacity = 35;
constexpr int kFirstResultTextLine = 30; // result text k is line 29 + k
constexpr int kResultTextCapacity = 80;
constexpr int kItinerarLinesKept = 20; // the count the rankings leave after preparation

struct EsoData
{
    LineTable materias{1101, 60};
    LineTable fps{1101, 60};
    LineTable cuestion{1101, 60};
    LineTable itinerar{1101, 60};

    // Filled from `itinerar` once it is loaded.
    std::array<QByteArray, kLastModalityLine - kFirstModalityLine + 1> modalityTexts;
    LineTable resultTexts{1101, kResultTextCapacity};

    // Middle-grade title lines before the first one marked with "|" (shared
    // with the middle-grade explorer).
    int middleTitlesBeforeMark = 0;

    // Modality text 21..27; empty for any other number.
    QByteArray modalityText(int line) const;
    // `itinerar` line n: from line 30 on, read from the result texts.
    QByteArray itinerarLine(int line) const;
};

EsoData &esoData();

// Loads the ESO tables, the middle-grade titles and their subjects, places
// and title rows, then prepares them. A record file that cannot be read
// raises FileError.
void loadEsoData();
LoadSteps esoLoadSteps();

// The modality texts and the result texts out of `itinerar`; its count then
// becomes 20.
void prepareItineraryTexts(EsoData &data);

// Counts the `fp2` title lines before the first one that starts with "|" (all
// of them when none does) and sets the line number of the last title line to
// the `fp2` line count + 1: the closing "-" line of the file marks where the
// last family's titles end.
void markMiddleTitles(ContentTables &tables, EsoData &data);

// The studies the details of an itinerary group list: the higher-grade
// titles (lines of `fp`) and the degrees (lines of `carreran`) that carry
// the group among their itineraries.
struct ItineraryStudies
{
    bool listsTitles = false;
    bool listsDegrees = false;
    std::vector<int> titles;
    std::vector<int> degrees;
};
ItineraryStudies itineraryStudies(int group, const ContentTables &tables);

} // namespace velmira
