#pragma once
// The start-up sequence: data foundation, welcome window, then every window
// created once in a fixed order, with the abort checks between the groups.

#include <QStringList>

namespace velmira {

struct StartupResult
{
    bool aborted = false;       // the event loop must not be entered
    QStringList createdWindows; // instance names, in creation order
};

// Runs start-up from the current directory. With showWindows false nothing is
// shown (the headless check); otherwise the welcome window and then the main
// menu window appear.
StartupResult runStartup(bool showWindows);

} // namespace velmira
