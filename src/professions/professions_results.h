#pragma once
// The third step of the professions questionnaire: the two best activities,
// the professions of the statement picked on the last page, the details
// shown over the result lists, and the printed report.

#include "data/professions_tables.h"

#include <QByteArray>

#include <set>
#include <vector>

namespace velmira {

class LineTable;

struct ProfessionsResults
{
    std::vector<int> activities;  // activity numbers with points, best first
    std::vector<int> professions; // profession numbers of the picked statement
};

// Scores the last page (statement numbers, with the rows chosen there); the
// last chosen row is the picked statement.
ProfessionsResults professionsResults(const ProfessionsData &data, const std::vector<int> &lastPage,
                                      const std::vector<int> &chosenRows);

// Professions whose first or second statement is the statement, and those
// whose first or second activity is the code: record order, one per name.
std::vector<int> statementProfessions(const std::vector<Profession> &professions, int statement);
std::vector<int> activityProfessions(const std::vector<Profession> &professions, const QByteArray &code);

// The rows of the activities list: a heading, then the first two ranked.
std::vector<QByteArray> activityRows(const ProfessionsData &data, const std::vector<int> &ranked);
// The rows of the professions list: an empty row, then one per profession.
std::vector<QByteArray> professionRows(const ProfessionsData &data, const std::vector<int> &professions);

// What the pointer over an activity of the given rank (1 or 2) shows: a
// heading and the professions of the activity.
std::vector<QByteArray> activityDetails(const ProfessionsData &data, int activity, int rank);
// What the pointer over a profession shows: the degrees, higher and middle
// vocational titles that lead to it, each kind under its heading.
std::vector<QByteArray> studiesLines(const ProfessionsData &data, const ContentTables &tables,
                                     int profession);

struct ProfessionsReport
{
    std::vector<QByteArray> lines; // line k at index k - 1
    std::set<int> boldLines;       // numbers from 1
};

ProfessionsReport professionsReport(const ProfessionsData &data, const ContentTables &tables,
                                    const ProfessionsResults &results);
// Line 0 the student name, then as many report lines as the buffer holds;
// returns the last line filled.
int fillProfessionsReport(LineTable &buffer, const QByteArray &studentName, const ProfessionsReport &report);

// The second line of the question asked on leaving: an explanation when the
// pupil leaves by clicking a study, none otherwise.
QByteArray leaveQuestionSecondLine(bool fromStudiesList);

} // namespace velmira
