#pragma once
// The messages of the ESO window's help panel. Its lines hold 26 characters.

#include "data/help_panel.h"

namespace velmira {

constexpr int kHelpLineWidth = 26;

// The lines of message n, cut to the panel's width; false for a message
// without lines of its own.
bool helpMessageLines(int message, HelpLines &lines);

} // namespace velmira
