#pragma once
// Checks of the installation's files that are not data tables: every
// picture the windows load and the PDF documents they open.

namespace velmira {

// Each picture missing, unreadable or not one the program can show, and
// each strip whose width does not hold its frames.
void checkPictures();

// "pdf/DeportesCentros.pdf" and the weighting documents of "pdf/": missing,
// unreadable, not PDF documents, or named so that the viewer command breaks.
void checkDocuments();

} // namespace velmira
