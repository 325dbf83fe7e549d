#pragma once
// The second step of the professions questionnaire: the short statements
// that the chosen long statements reach through the professions, dealt over
// up to four pages, and the last page made of what was chosen on them.

#include "data/profession_records.h"

#include <QByteArray>

#include <vector>

namespace velmira {

constexpr int kMaxPages = 4;
constexpr int kMaxPerPage = 11;
constexpr int kMaxCandidates = kMaxPages * kMaxPerPage;
constexpr int kMaxChoicesPerPage = 2;

// The activity codes of the chosen long statements (numbers from 1, in list
// order), each statement's four codes in order; empty and repeated codes are
// left out.
std::vector<QByteArray> chosenActivityCodes(const std::vector<LongStatement> &longStatements,
                                            const std::vector<int> &chosen);

// The short statements reached by the codes, in four passes over the
// professions in record order: first activity and first statement, first
// activity and second statement, second activity and first statement, second
// activity and second statement. A statement comes once; numbers that name
// no line of the `shortCount` short statements are left out.
std::vector<int> candidateStatements(const std::vector<Profession> &professions,
                                     const std::vector<QByteArray> &codes, int shortCount);

// Statement numbers per page, dealt in turn: candidate 1 to page 1,
// candidate 2 to page 2, and so on, then the second place of every page.
// Four to a page, on as many pages as that takes up to four, and more to a
// page beyond sixteen candidates. Only the first 44 candidates are dealt
// (eleven to a page), the closest matches since the passes come in order of
// closeness. No candidate gives one empty page.
using StatementPages = std::vector<std::vector<int>>;
StatementPages dealPages(const std::vector<int> &candidates);

// Of the rows selected on a page, those that stay selected: the first two
// from the top.
std::vector<int> keptPageChoices(std::vector<int> selectedRows);

// Where the pupil is after the long statements, and what was chosen.
// Step 0 is the long statements, steps 1..pageCount the pages, and the step
// after them the last page, which lists every statement chosen on the pages.
class StatementSteps
{
public:
    void restart();

    // Enters page 1 of freshly dealt pages. Choices recorded on pages
    // dealt the same way before are kept.
    void enterPages(StatementPages pages);
    // On to the next page or to the last page, recording the rows selected
    // on the page left.
    void forward(const std::vector<int> &selectedRows);
    // One step back; a page left this way keeps its selected rows too.
    void back(const std::vector<int> &selectedRows);

    int step() const { return m_step; }
    int pageCount() const { return static_cast<int>(m_pages.size()); }
    bool onPage() const { return m_step >= 1 && m_step <= pageCount(); }
    bool onLastPage() const { return m_step > pageCount() && m_step > 0; }

    // The statement numbers shown now, and the rows selected among them.
    std::vector<int> shownStatements() const;
    std::vector<int> shownChoices() const;

private:
    void record(const std::vector<int> &selectedRows);

    int m_step = 0;
    StatementPages m_pages;
    std::vector<std::vector<int>> m_choices; // rows, per page
};

} // namespace velmira
