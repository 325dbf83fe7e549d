#include "star_map_link.h"

namespace velmira {

StarMapLink &starMapLink()
{
    static StarMapLink link;
    return link;
}

void showStarMap(const std::array<bool, 20> &regionHasCentres)
{
    starMapLink().regionHasCentres = regionHasCentres;
    starMapLink().shown = true;
}

void hideStarMap() { starMapLink().shown = false; }

} // namespace velmira
