#pragma once
// The tables the ESO window owns, and the loading its creation runs.

#include "data/line_table.h"
#include "data/load_steps.h"

namespace velmira {

constexpr int kWidthEsoQuestions = 50;   // "fps" and "cuestion"
constexpr int kWidthEsoItineraries = 54; // "itinerar"
constexpr int kWidthMiddleQuestions = 75; // "cuesgm"

struct EsoData
{
    LineTable materias{1101, 60};
    LineTable fps{1101, 60};
    LineTable cuestion{1101, 60};
    LineTable cuesgm{1101, 75};
    LineTable itinerar{1101, 60};
};

EsoData &esoData();

// Loads the ESO tables, the middle-grade titles and their subjects, places
// and title rows. A record file that cannot be read raises FileError.
void loadEsoData();
LoadSteps esoLoadSteps();

} // namespace velmira
