#pragma once
// A window's loading as a list of steps, so that the data tool can run each
// step on its own while a window's creation stops at the first file error.

#include <functional>
#include <vector>

namespace velmira {

using LoadSteps = std::vector<std::function<void()>>;

// Runs the steps in order; a FileError ends the run and reaches the caller.
inline void runLoadSteps(const LoadSteps &steps)
{
    for (const auto &step : steps)
        step();
}

} // namespace velmira
