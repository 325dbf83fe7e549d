#pragma once
// The PDF documents of the "pdf/" folder: the sports-studies centres opened
// from the other-studies list, and the PAU weighting tables listed by the
// entrance panels (every PDF of the folder is listed there).

#include "sources.h"

namespace velmira::build {

// Paths inside the installation ("pdf/DeportesCentros.pdf") -> PDF bytes.
Installation compileDocuments(const SourceSet &sources);

} // namespace velmira::build
