#pragma once
// What the explorer windows load at their creation.

#include "load_steps.h"

namespace velmira {

// Initial vocational programmes: "fpip", "ipmodulos" and their places "datlugip".
void loadInitialProgrammesData();
LoadSteps initialProgrammesLoadSteps();
// Professional certificates: "certifica" and "certificah".
void loadCertificatesData();

} // namespace velmira
