#include "middle_questionnaire.h"

#include <algorithm>

namespace velmira {

namespace {

int digitAt(const QByteArray &line, int position)
{
    const char c = line.size() >= position ? line[position - 1] : ' ';
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

} // namespace

void prepareMiddleQuestionnaire(LineTable &cuesgm, MiddleQuestionnaire &questionnaire)
{
    questionnaire.areas.clear();
    for (int i = 1; i <= kMiddleAreaCount; ++i)
        questionnaire.areas.set(i, cuesgm.at(i));
    questionnaire.areas.setCount(std::min(cuesgm.count(), kMiddleAreaCount));

    const int items = std::clamp(cuesgm.count() - kMiddleAreaCount, 0, kMostMiddleItems);
    questionnaire.firstArea.fill(-1);
    questionnaire.secondArea.fill(-1);
    for (int i = 1; i <= items; ++i) {
        const QByteArray item = cuesgm.at(i + kMiddleAreaCount);
        cuesgm.set(i, item);
        questionnaire.firstArea[i] = digitAt(item, 3);
        questionnaire.secondArea[i] = digitAt(item, 4);
    }
    cuesgm.setCount(items);
}

} // namespace velmira
