#pragma once
// The scoring of the last page: every activity gains points from the short
// statements shown there that name it, more when the statement is chosen.

#include "data/profession_records.h"

#include <vector>

namespace velmira {

constexpr double kFirstActivityChosen = 1.5;
constexpr double kFirstActivityShown = 1.0;
constexpr double kSecondActivityShown = 0.5;
constexpr double kSecondActivityChosen = 0.75;

// Per activity (numbers from 1; element 0 unused), the points of the last
// page's statements; `chosenRows` are the rows selected there. A chosen
// statement counts 2.5 for its first activity and 1.25 for its second.
std::vector<double> activityScores(const std::vector<Activity> &activities,
                                   const std::vector<ShortStatement> &shortStatements,
                                   const std::vector<int> &lastPage, const std::vector<int> &chosenRows);

// The activities with points, best first; equal scores keep activity order.
std::vector<int> rankedActivities(const std::vector<double> &scores);

} // namespace velmira
