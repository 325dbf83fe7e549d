#include "professions_results.h"

#include "activity_scores.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"

#include <algorithm>

namespace velmira {

namespace text = professions_text;

namespace {

constexpr int kRankedShown = 2;

QByteArray nameOf(const Profession &profession) { return trimTrailingBlanks(profession.name); }

// Professions that pass the test, in record order, skipping a name already taken.
template <typename Test>
std::vector<int> distinctProfessions(const std::vector<Profession> &professions, Test test)
{
    std::vector<int> found;
    std::vector<QByteArray> names;
    for (size_t p = 1; p < professions.size(); ++p) {
        if (!test(professions[p]))
            continue;
        const QByteArray name = nameOf(professions[p]);
        if (std::find(names.begin(), names.end(), name) != names.end())
            continue;
        names.push_back(name);
        found.push_back(static_cast<int>(p));
    }
    return found;
}

QByteArray ordinal(int rank) { return QByteArray::number(rank) + storedText(QStringLiteral("º")); }

void addStudies(std::vector<QByteArray> &lines, int heading, const std::vector<int> &studies,
                const LineTable &names)
{
    if (studies.empty())
        return;
    lines.push_back("      " + interfaceText(heading) + ':');
    for (int study : studies)
        lines.push_back(trimTrailingBlanks(names.at(study)));
}

} // namespace

ProfessionsResults professionsResults(const ProfessionsData &data, const std::vector<int> &lastPage,
                                      const std::vector<int> &chosenRows)
{
    ProfessionsResults results;
    results.activities =
        rankedActivities(activityScores(data.activities, data.shortStatements, lastPage, chosenRows));
    int picked = -1;
    for (int row : chosenRows)
        if (row >= 0 && row < static_cast<int>(lastPage.size()))
            picked = row;
    if (picked >= 0)
        results.professions = statementProfessions(data.professions, lastPage[picked]);
    return results;
}

std::vector<int> statementProfessions(const std::vector<Profession> &professions, int statement)
{
    return distinctProfessions(professions, [statement](const Profession &p) {
        return p.firstStatement == statement || p.secondStatement == statement;
    });
}

std::vector<int> activityProfessions(const std::vector<Profession> &professions, const QByteArray &code)
{
    if (isBlank(code))
        return {};
    return distinctProfessions(professions, [&code](const Profession &p) {
        return p.firstActivity == code || p.secondActivity == code;
    });
}

std::vector<QByteArray> activityRows(const ProfessionsData &data, const std::vector<int> &ranked)
{
    std::vector<QByteArray> rows{"         " + interfaceText(text::kActivitiesHeading)};
    for (int rank = 1; rank <= std::min<int>(kRankedShown, static_cast<int>(ranked.size())); ++rank)
        rows.push_back(ordinal(rank) + ' ' + trimTrailingBlanks(data.activities[ranked[rank - 1]].name));
    return rows;
}

std::vector<QByteArray> professionRows(const ProfessionsData &data, const std::vector<int> &professions)
{
    std::vector<QByteArray> rows{QByteArray()};
    for (int p : professions)
        rows.push_back(" - " + nameOf(data.professions[p]));
    return rows;
}

std::vector<QByteArray> activityDetails(const ProfessionsData &data, int activity, int rank)
{
    std::vector<QByteArray> lines{"     " + interfaceText(text::kProfessionsOfActivity) + ' '
                                  + ordinal(rank)};
    for (int p : activityProfessions(data.professions, data.activities[activity].code))
        lines.push_back(" - " + nameOf(data.professions[p]));
    return lines;
}

std::vector<QByteArray> studiesLines(const ProfessionsData &data, const ContentTables &tables, int profession)
{
    std::vector<QByteArray> lines;
    addStudies(lines, text::kDegrees, data.degrees.studies(profession), tables.carreran);
    addStudies(lines, text::kHigherTitles, data.higherTitles.studies(profession), tables.fp);
    addStudies(lines, text::kMiddleTitles, data.middleTitles.studies(profession), tables.fp2);
    return lines;
}

ProfessionsReport professionsReport(const ProfessionsData &data, const ContentTables &tables,
                                    const ProfessionsResults &results)
{
    ProfessionsReport report;
    auto add = [&report](const QByteArray &line, bool bold = false) {
        report.lines.push_back(line);
        if (bold)
            report.boldLines.insert(static_cast<int>(report.lines.size()));
    };
    add(interfaceText(text::kTitle), true);
    add({});
    add(interfaceText(text::kResultsHeading));
    add(interfaceText(text::kStatementProfessions), true);
    add({});
    const std::vector<QByteArray> rows = professionRows(data, results.professions);
    for (size_t k = 0; k < results.professions.size(); ++k) {
        add(rows[k + 1], true);
        for (const QByteArray &line : studiesLines(data, tables, results.professions[k]))
            add("    " + line);
    }
    add({});
    add(interfaceText(text::kActivitiesFirst), true);
    for (const QByteArray &row : activityRows(data, results.activities))
        add(row);
    if (!results.activities.empty()) {
        add({});
        add("     " + interfaceText(text::kProfessionsOfActivity) + ' ' + ordinal(1) + ':');
        const int first = results.activities.front();
        for (int p : activityProfessions(data.professions, data.activities[first].code))
            add("  - " + nameOf(data.professions[p]));
    }
    return report;
}

int fillProfessionsReport(LineTable &buffer, const QByteArray &studentName, const ProfessionsReport &report)
{
    buffer.set(0, studentName);
    const int last = std::min(static_cast<int>(report.lines.size()), buffer.size() - 1);
    for (int k = 1; k <= last; ++k)
        buffer.set(k, report.lines[k - 1]);
    return last;
}

QByteArray leaveQuestionSecondLine(bool fromStudiesList)
{
    return fromStudiesList ? interfaceText(text::kStudiesElsewhere) : QByteArray();
}

} // namespace velmira
