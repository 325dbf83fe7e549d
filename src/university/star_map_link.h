#pragma once
// What the university window tells the star map: which regions have centres
// in the list on screen, and when the map is wanted. The star map reads the
// flags and follows the request whenever it draws.

#include <array>

namespace velmira {

struct StarMapLink
{
    std::array<bool, 20> regionHasCentres{}; // regions 1-19, element 0 unused
    bool shown = false;                      // with its animation running
};

StarMapLink &starMapLink();

// A centre list is on screen: its regions are marked and the map shown.
void showStarMap(const std::array<bool, 20> &regionHasCentres);
// The list has gone: the map is hidden and its animation stopped.
void hideStarMap();

} // namespace velmira
