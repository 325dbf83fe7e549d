#include "eso_scoring.h"

#include "data/eso_tables.h"
#include "data/interface_texts.h"
#include "data/record_files.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "eso/eso_questions.h"

#include <algorithm>
#include <utility>

namespace velmira {

namespace {

struct WeightRow
{
    int weight;
    std::array<double, 5> byAnswer; // answers 1..5
    double maximum;
};

// Weights 2-5 are meant for four options and 8-9 for five; an answer 5 under
// weights 2-5 still scores 5, not the maximum.
constexpr WeightRow kWeightRows[] = {
    {2, {0, 1, 2, 3, 5}, 3},   {3, {0, 1, 3, 5, 5}, 5},     {4, {0, 2, 5, 7, 5}, 7},
    {5, {0, 4, 7, 10, 5}, 10}, {8, {0, 5, 10, 15, 20}, 20}, {9, {0, 8, 16, 23, 30}, 30},
};

constexpr double kUntabledPoints = 5;
constexpr double kUntabledMaximum = 7;
constexpr int kRankingNameWidth = 45;
constexpr int kEntryKeyWidth = 20;
constexpr int kMaxGroupQuestions = 50;

const WeightRow *weightRow(int weight)
{
    for (const WeightRow &row : kWeightRows) {
        if (row.weight == weight)
            return &row;
    }
    return nullptr;
}

// Advice lines of groups 14..19, and those given when no group needs advice.
const std::vector<int> kAdviceLinesByGroup[] = {
    {35, 36}, {37, 38, 39}, {40, 41}, {42, 43}, {44, 45}, {46, 47},
};
const std::vector<int> kNoAdviceLines = {48, 49};

} // namespace

double answerPoints(int answer, int weight, int scale)
{
    const WeightRow *row = weightRow(weight);
    if (!row)
        return kUntabledPoints;
    // An answer outside the scale's options (a row never filled) matches no
    // column and scores nothing.
    if (scale == 2) {
        if (answer == 1)
            return 0;
        return answer == 2 ? row->maximum : 0;
    }
    return answer >= 1 && answer <= 5 ? row->byAnswer[answer - 1] : 0;
}

double maximumPoints(int weight)
{
    const WeightRow *row = weightRow(weight);
    return row ? row->maximum : kUntabledMaximum;
}

std::vector<double> questionScores(const EsoAnswerSheet &sheet, int shown)
{
    std::vector<double> scores(kEsoMaxQuestions + 1, 0.0);
    const int last = std::min(shown, kEsoMaxQuestions);
    for (int i = 1; i <= last; ++i)
        scores[i] = answerPoints(sheet.answer(i), sheet.weight(i), sheet.scale(i));
    return scores;
}

double esoMark(const std::vector<double> &scores, const EsoAnswerSheet &sheet)
{
    double sum = 0;
    double maximum = 0.01; // keeps the divisor above zero
    for (int i = 1; i <= kEsoShortLength; ++i) {
        sum += scores[i];
        maximum += maximumPoints(sheet.weight(i));
    }
    return 10 * sum / maximum;
}

QByteArray formatTenths(double value) { return QByteArray::number(value, 'f', 1).rightJustified(4, ' '); }

std::vector<int> groupQuestions(const ItemGroupRecord &groups, int group)
{
    // A group has room for 50 numbers; a larger count reads no further.
    const int count = std::min(groups.itemCount(group), kMaxGroupQuestions);
    std::vector<int> questions;
    for (int k = 1; k <= count; ++k)
        questions.push_back(groups.item(group, k));
    return questions;
}

bool hasWeakArea(const std::vector<double> &scores, const EsoAnswerSheet &sheet,
                 const ItemGroupRecord &groups, int shown)
{
    for (int g = kFirstAdviceGroup; g <= kLastAdviceGroup; ++g) {
        double points = 0;
        double maximum = 0;
        for (int q : groupQuestions(groups, g)) {
            if (q > shown)
                continue;
            points += scores[q];
            maximum += maximumPoints(sheet.weight(q));
        }
        // A group without questions up to N has no ratio: it is taken as
        // not below 6.0, so it never asks for more effort.
        if (maximum > 0 && 10 * points / maximum < kAdviceThreshold)
            return true;
    }
    return false;
}

ShortAdvice shortAdvice(double mark, bool weakArea, bool &nearPassNotice)
{
    if (mark > 6.0)
        return {MarkBand::Good, {142, 143}, 201, true};
    if (mark >= 5.0) {
        ShortAdvice advice{MarkBand::Pass, {144}, 201, true};
        if (weakArea)
            advice.texts.push_back(145);
        return advice;
    }
    if (mark >= 4.4 && nearPassNotice) {
        nearPassNotice = false;
        return {MarkBand::NearPass, {146, 147, 148, 149}, 0, false};
    }
    return {MarkBand::Low, {150, 151}, 202, false};
}

GroupRatios groupRatios(const std::vector<double> &scores, const EsoAnswerSheet &sheet,
                        const ItemGroupRecord &groups)
{
    GroupRatios ratios;
    for (int g = 1; g <= kQuestionGroups; ++g) {
        double all = 0;
        double allMaximum = 0.05;
        double interest = 0;
        double interestMaximum = 0.05;
        for (int q : groupQuestions(groups, g)) {
            const double maximum = maximumPoints(sheet.weight(q));
            all += scores[q];
            allMaximum += maximum;
            if (q > kEsoShortLength) {
                interest += scores[q];
                interestMaximum += maximum;
            }
        }
        ratios.all[g] = 10 * all / allMaximum;
        ratios.interest[g] = 10 * interest / interestMaximum;
    }
    return ratios;
}

std::vector<RankedGroup> rankGroups(const std::array<double, kQuestionGroups + 1> &ratios,
                                    const EsoData &data)
{
    std::vector<RankedGroup> ranking;
    for (int g = 1; g <= kItineraryGroups; ++g)
        ranking.push_back(
            {g, ratios[g], padToCharacters(data.itinerarLine(g), kRankingNameWidth) + formatTenths(ratios[g])});
    // Bubble sort swapping only when the upper one is strictly smaller, so
    // that equal ratios keep group order.
    for (size_t pass = 1; pass < ranking.size(); ++pass) {
        for (size_t i = 0; i + pass < ranking.size(); ++i) {
            if (ranking[i].ratio < ranking[i + 1].ratio)
                std::swap(ranking[i], ranking[i + 1]);
        }
    }
    return ranking;
}

int groupNamedByEntry(const std::vector<RankedGroup> &ranking, const EsoData &data)
{
    if (ranking.empty())
        return 0;
    const QByteArray key = ranking.front().entry.left(kEntryKeyWidth);
    int found = 0;
    for (int g = 1; g <= kItineraryGroups; ++g) {
        if (padTo(data.itinerarLine(g), kEntryKeyWidth) == key)
            found = g;
    }
    return found;
}

QByteArray groupModality(int group, const EsoData &data)
{
    const auto either = [&](int first, int second) {
        return trimTrailingBlanks(data.modalityText(first)) + " o " + data.modalityText(second);
    };
    switch (group) {
    case 1: return either(27, 26);
    case 2: return data.modalityText(22);
    case 3: return data.modalityText(26);
    case 4: return data.modalityText(27);
    case 5:
    case 6:
    case 7: return data.modalityText(24);
    case 8:
    case 9: return data.modalityText(23);
    case 10: return either(24, 23);
    case 11:
    case 12:
    case 13: return data.modalityText(25);
    default: return {};
    }
}

Recommendation recommend(int topAllGroup, int topInterestGroup, const EsoData &data)
{
    Recommendation result;
    result.first = groupModality(topAllGroup, data);
    result.firstGroup = topAllGroup;
    const QByteArray interestText = groupModality(topInterestGroup, data);
    const QByteArray a = result.first.trimmed();
    const QByteArray b = interestText.trimmed();
    // Groups 1 and 10 already name two modalities; an empty text (no group)
    // lies inside any other, so it adds nothing either.
    const bool addsNothing = topAllGroup == 1 || topAllGroup == 10 || a.contains(b) || b.contains(a);
    if (!addsNothing) {
        result.second = interfaceText(kSecondRecommendationLeadIn) + " " + interestText;
        result.secondGroup = topInterestGroup;
    }
    return result;
}

std::vector<int> adviceLines(const GroupRatios &ratios)
{
    std::vector<int> lines;
    for (int g = kFirstAdviceGroup; g <= kLastAdviceGroup; ++g) {
        if (ratios.all[g] < kAdviceThreshold) {
            const auto &own = kAdviceLinesByGroup[g - kFirstAdviceGroup];
            lines.insert(lines.end(), own.begin(), own.end());
        }
    }
    return lines.empty() ? kNoAdviceLines : lines;
}

ShortResult scoreShortQuestionnaire(EsoQuestionnaire &questionnaire, const ItemGroupRecord &groups)
{
    const auto scores = questionScores(questionnaire.sheet, questionnaire.shownCount);
    ShortResult result;
    result.mark = esoMark(scores, questionnaire.sheet);
    result.weakArea = hasWeakArea(scores, questionnaire.sheet, groups, questionnaire.shownCount);
    result.advice = shortAdvice(result.mark, result.weakArea, questionnaire.nearPassNotice);
    questionnaire.pass = result.advice.pass;
    return result;
}

FullResult scoreFullQuestionnaire(const EsoQuestionnaire &questionnaire, const ItemGroupRecord &groups,
                                  const EsoData &data)
{
    const auto scores = questionScores(questionnaire.sheet, questionnaire.shownCount);
    FullResult result;
    result.mark = esoMark(scores, questionnaire.sheet);
    result.ratios = groupRatios(scores, questionnaire.sheet, groups);
    result.byAll = rankGroups(result.ratios.all, data);
    result.byInterest = rankGroups(result.ratios.interest, data);
    result.recommendation =
        recommend(result.byAll.front().group, groupNamedByEntry(result.byInterest, data), data);
    result.adviceLines = adviceLines(result.ratios);
    return result;
}

} // namespace velmira
