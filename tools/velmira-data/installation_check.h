#pragma once
// Checks an installation the way the program reads it: every file of every
// window, in each of the four languages, with what the program would
// tolerate reported as problems.

#include "data/load_notes.h"

#include <QString>

#include <vector>

namespace velmira {

// The problems found in the installation directory, each once, in the order
// found. Changes the current directory only while it runs.
std::vector<LoadNote> checkInstallation(const QString &directory);

// "file:line: what", or "file: what" for a note about the whole file.
QString describeNote(const LoadNote &note);

} // namespace velmira
