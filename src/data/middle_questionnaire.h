#pragma once
// The middle-grade questionnaire of "cuesgm", read 75 characters wide. Its
// first eleven lines name the interest areas; every later line is an item:
// characters 1-2 the code of the titles it points to, character 3 its area
// and character 4 a second area (digits; "0" as the first area stands for
// area 10, as the second for none), characters 5-74 its text.

#include "line_table.h"

#include <array>

namespace velmira {

constexpr int kMiddleAreaCount = 11;
constexpr int kMostMiddleItems = 100;

struct MiddleQuestionnaire
{
    LineTable areas{kMiddleAreaCount + 1, 75}; // lines 1-11 of the file
    // By item (from 1): its first and second area digits, -1 when the
    // character is not a digit.
    std::array<int, kMostMiddleItems + 1> firstArea{};
    std::array<int, kMostMiddleItems + 1> secondArea{};
};

// Copies the area lines out of the loaded table and moves the items up to
// entry 1, so that the table's count becomes the number of items (at most
// 100; none for a file of eleven lines or fewer).
void prepareMiddleQuestionnaire(LineTable &cuesgm, MiddleQuestionnaire &questionnaire);

} // namespace velmira
