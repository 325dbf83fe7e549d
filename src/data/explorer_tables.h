#pragma once
// What the explorer windows load at their creation.

#include "load_steps.h"

namespace velmira {

// The files of programmes and certificates open with nine lines of their own
// (groups, requirement labels); once loaded, those lines are set apart and
// the rest renumbered from 1, so that line n of "fpip" is programme n, as
// "ipmodulos" and "datlugip" number them, and line n of "certificah"
// describes line n of "certifica".
constexpr int kLeadingGroupLines = 9;

// Initial vocational programmes: "fpip", "ipmodulos" and their places "datlugip".
void loadInitialProgrammesData();
LoadSteps initialProgrammesLoadSteps();
// Professional certificates: "certifica" and "certificah".
void loadCertificatesData();

} // namespace velmira
