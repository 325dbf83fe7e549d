#pragma once
// Scoring of the ESO questionnaire: points of each answer, the mark of the
// first 35 questions with its advice, the group ratios, the two rankings of
// the thirteen itinerary groups and the recommended Bachillerato modality.

#include "data/eso_tables.h"

#include <QByteArray>

#include <array>
#include <vector>

namespace velmira {

class EsoAnswerSheet;
class ItemGroupRecord;
struct EsoData;
struct EsoQuestionnaire;

constexpr int kFirstAdviceGroup = 14; // groups 14-19 give study advice
constexpr int kLastAdviceGroup = 19;
constexpr int kQuestionGroups = 20; // group 20 is computed and never shown
constexpr double kAdviceThreshold = 6.0;

// Points of answer a to a question of weight w and scale s. A two-option
// question of weight 2-5, 8 or 9 scores 0 or the weight's maximum; weights
// 0, 1, 6 and 7 score 5 whatever the answer.
double answerPoints(int answer, int weight, int scale);
// The most a question of weight w can score: 7 for weights without a table.
double maximumPoints(int weight);

// Score of every question number 0..1100: the points of questions 1..shown,
// 0 for the others.
std::vector<double> questionScores(const EsoAnswerSheet &sheet, int shown);

// 10 * S / M over questions 1..35, M holding 0.01 more than the maxima.
double esoMark(const std::vector<double> &scores, const EsoAnswerSheet &sheet);

// A mark or ratio with one decimal, right-aligned in 4 characters.
QByteArray formatTenths(double value);

// The question numbers of a group (1..20) of the third "datgrub" record.
std::vector<int> groupQuestions(const ItemGroupRecord &groups, int group);

// Short questionnaire: true when an advice group's ratio over its questions
// up to N is below 6.0.
bool hasWeakArea(const std::vector<double> &scores, const EsoAnswerSheet &sheet,
                 const ItemGroupRecord &groups, int shown);

enum class MarkBand { Good, Pass, NearPass, Low };

struct ShortAdvice
{
    MarkBand band = MarkBand::Low;
    std::vector<int> texts; // interface texts of the advice, in order
    int closingText = 0;    // 201, 202, or 0 for none
    bool pass = false;
};

// The band of the mark. The near-pass band (4.4 to below 5.0) is given only
// while the notice flag is set, and clears it.
ShortAdvice shortAdvice(double mark, bool weakArea, bool &nearPassNotice);

// RA over all answers of each group, RB over the answers after question 35;
// indexed by group 1..20.
struct GroupRatios
{
    std::array<double, kQuestionGroups + 1> all{};
    std::array<double, kQuestionGroups + 1> interest{};
};

GroupRatios groupRatios(const std::vector<double> &scores, const EsoAnswerSheet &sheet,
                        const ItemGroupRecord &groups);

struct RankedGroup
{
    int group = 0;
    double ratio = 0;
    QByteArray entry; // first 45 characters of the group's name, then the ratio
};

// Groups 1..13 by ratio, highest first; equal ratios keep group order.
std::vector<RankedGroup> rankGroups(const std::array<double, kQuestionGroups + 1> &ratios,
                                    const EsoData &data);

// The group whose name begins (first 20 characters) as the first entry of
// the ranking does; the last such group, 0 when none does.
int groupNamedByEntry(const std::vector<RankedGroup> &ranking, const EsoData &data);

// The modality text an itinerary group recommends; empty for group 0.
QByteArray groupModality(int group, const EsoData &data);

struct Recommendation
{
    QByteArray first;
    QByteArray second; // empty when it would add nothing
    int firstGroup = 0;
    int secondGroup = 0; // 0 when the second is empty
};

Recommendation recommend(int topAllGroup, int topInterestGroup, const EsoData &data);

// The `itinerar` lines of advice for every advice group whose RA is below
// 6.0, in group order; lines 48 and 49 when there is none.
std::vector<int> adviceLines(const GroupRatios &ratios);

struct ShortResult
{
    double mark = 0;
    bool weakArea = false;
    ShortAdvice advice;
};

struct FullResult
{
    double mark = 0;
    GroupRatios ratios;
    std::vector<RankedGroup> byAll;      // RA ranking
    std::vector<RankedGroup> byInterest; // RB ranking
    Recommendation recommendation;
    std::vector<int> adviceLines;
};

// The short questionnaire's result; sets or clears the pass flag and uses up
// the near-pass notice.
ShortResult scoreShortQuestionnaire(EsoQuestionnaire &questionnaire, const ItemGroupRecord &groups);
FullResult scoreFullQuestionnaire(const EsoQuestionnaire &questionnaire, const ItemGroupRecord &groups,
                                  const EsoData &data);

} // namespace velmira
