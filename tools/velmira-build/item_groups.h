#pragma once
// "datgrub": three records of 20 item groups - qualities and interests by
// Bachillerato itinerary, and the ESO questions by group.

#include "sources.h"

namespace velmira::build {

struct ItemCounts
{
    int qualities = 0;
    int interests = 0;
    int questions = 0;
};

// Refuses an item number beyond its list.
QByteArray compileItemGroups(const SourceSet &sources, const ItemCounts &counts);

} // namespace velmira::build
