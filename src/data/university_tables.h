#pragma once
// The tables the university window owns, and the loading that its creation
// runs: the university, place, cut-off and vocational tables.

#include "degree_centres.h"
#include "line_table.h"
#include "load_steps.h"
#include "profession_records.h"

#include <vector>

namespace velmira {

struct UniversityData
{
    LineTable cualidad{1101, 60};
    LineTable interes{1101, 60};
    LineTable itinerar{1101, 60};
    std::vector<int> branch = std::vector<int>(301, 0); // per degree, from "datgrados"
    DegreeCentres centres;                              // "datcarn"
    std::vector<Profession> professions;                // "profesio", from element 1
};

UniversityData &universityData();

// Loads, in order, every file of the university window into the shared
// tables and the window's own. Missing text files are reported by their
// loaders; a file with no message of its own raises FileError, which stops
// the loading at that point.
void loadUniversityData();
LoadSteps universityLoadSteps();

} // namespace velmira
