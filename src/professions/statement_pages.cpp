#include "statement_pages.h"

#include "data/text_bytes.h"

#include <algorithm>

namespace velmira {

namespace {

bool contains(const std::vector<int> &list, int value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

bool contains(const std::vector<QByteArray> &list, const QByteArray &value)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

} // namespace

std::vector<QByteArray> chosenActivityCodes(const std::vector<LongStatement> &longStatements,
                                            const std::vector<int> &chosen)
{
    std::vector<QByteArray> codes;
    for (int statement : chosen) {
        if (statement < 1 || statement >= static_cast<int>(longStatements.size()))
            continue;
        for (const QByteArray &code : longStatements[statement].activities)
            if (!isBlank(code) && !contains(codes, code))
                codes.push_back(code);
    }
    return codes;
}

std::vector<int> candidateStatements(const std::vector<Profession> &professions,
                                     const std::vector<QByteArray> &codes, int shortCount)
{
    struct Pass
    {
        QByteArray Profession::*activity;
        int Profession::*statement;
    };
    const Pass passes[] = {{&Profession::firstActivity, &Profession::firstStatement},
                           {&Profession::firstActivity, &Profession::secondStatement},
                           {&Profession::secondActivity, &Profession::firstStatement},
                           {&Profession::secondActivity, &Profession::secondStatement}};
    std::vector<int> candidates;
    for (const Pass &pass : passes)
        for (size_t p = 1; p < professions.size(); ++p) {
            const Profession &profession = professions[p];
            const int statement = profession.*pass.statement;
            if (statement >= 1 && statement <= shortCount && contains(codes, profession.*pass.activity)
                && !contains(candidates, statement))
                candidates.push_back(statement);
        }
    return candidates;
}

StatementPages dealPages(const std::vector<int> &candidates)
{
    const int n = std::min(static_cast<int>(candidates.size()), kMaxCandidates);
    const int pageCount = std::clamp((n + 3) / 4, 1, kMaxPages);
    StatementPages pages(pageCount);
    for (int i = 0; i < n; ++i)
        pages[i % pageCount].push_back(candidates[i]);
    return pages;
}

std::vector<int> keptPageChoices(std::vector<int> selectedRows)
{
    std::sort(selectedRows.begin(), selectedRows.end());
    if (selectedRows.size() > kMaxChoicesPerPage)
        selectedRows.resize(kMaxChoicesPerPage);
    return selectedRows;
}

void StatementSteps::restart()
{
    m_step = 0;
    m_pages.clear();
    m_choices.clear();
}

void StatementSteps::enterPages(StatementPages pages)
{
    if (pages != m_pages) {
        m_pages = std::move(pages);
        m_choices.assign(m_pages.size(), {});
    }
    m_step = 1;
}

void StatementSteps::forward(const std::vector<int> &selectedRows)
{
    if (onLastPage())
        return;
    record(selectedRows);
    ++m_step;
}

void StatementSteps::back(const std::vector<int> &selectedRows)
{
    record(selectedRows);
    m_step = std::max(0, m_step - 1);
}

void StatementSteps::record(const std::vector<int> &selectedRows)
{
    if (!onPage())
        return;
    const int shown = static_cast<int>(m_pages[m_step - 1].size());
    std::vector<int> rows;
    for (int row : keptPageChoices(selectedRows))
        if (row >= 0 && row < shown)
            rows.push_back(row);
    m_choices[m_step - 1] = rows;
}

std::vector<int> StatementSteps::shownStatements() const
{
    if (onPage())
        return m_pages[m_step - 1];
    std::vector<int> chosen;
    if (onLastPage())
        for (int page = 0; page < pageCount(); ++page)
            for (int row : m_choices[page])
                chosen.push_back(m_pages[page][row]);
    return chosen;
}

std::vector<int> StatementSteps::shownChoices() const
{
    return onPage() ? m_choices[m_step - 1] : std::vector<int>{};
}

} // namespace velmira
