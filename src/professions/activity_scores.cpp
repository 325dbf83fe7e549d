#include "activity_scores.h"

#include "data/text_bytes.h"

#include <algorithm>

namespace velmira {

std::vector<double> activityScores(const std::vector<Activity> &activities,
                                   const std::vector<ShortStatement> &shortStatements,
                                   const std::vector<int> &lastPage, const std::vector<int> &chosenRows)
{
    std::vector<double> scores(std::max<size_t>(activities.size(), 1), 0.0);
    for (size_t row = 0; row < lastPage.size(); ++row) {
        const int s = lastPage[row];
        if (s < 1 || s >= static_cast<int>(shortStatements.size()))
            continue;
        const ShortStatement &statement = shortStatements[s];
        const bool chosen =
            std::find(chosenRows.begin(), chosenRows.end(), static_cast<int>(row)) != chosenRows.end();
        for (size_t a = 1; a < activities.size(); ++a) {
            const QByteArray &code = activities[a].code;
            if (isBlank(code))
                continue;
            if (statement.firstActivity == code)
                scores[a] += kFirstActivityShown + (chosen ? kFirstActivityChosen : 0.0);
            if (!isBlank(statement.secondActivity) && statement.secondActivity == code)
                scores[a] += kSecondActivityShown + (chosen ? kSecondActivityChosen : 0.0);
        }
    }
    return scores;
}

std::vector<int> rankedActivities(const std::vector<double> &scores)
{
    std::vector<int> ranked;
    for (size_t a = 1; a < scores.size(); ++a)
        if (scores[a] > 0)
            ranked.push_back(static_cast<int>(a));
    std::stable_sort(ranked.begin(), ranked.end(), [&scores](int a, int b) { return scores[a] > scores[b]; });
    return ranked;
}

} // namespace velmira
