#pragma once
// What the explorer windows load at their creation.

namespace velmira {

// Initial vocational programmes: "fpip", "ipmodulos" and their places "datlugip".
void loadInitialProgrammesData();
// Professional certificates: "certifica" and "certificah".
void loadCertificatesData();

} // namespace velmira
