#include "questionnaire_titles.h"

#include "explorers/middle_grade_catalogue.h"

#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/text_bytes.h"

#include <algorithm>

namespace velmira {

using namespace middle_grade_text;

namespace {

constexpr int kLastLetterFamily = 30;
constexpr int kItemTextFirst = 5;
constexpr int kItemTextLast = 74;
constexpr int kCentreTextWidth = 44;

bool contains(const std::vector<int> &values, int value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

std::vector<int> recordedAreas(const std::vector<int> &selectedRows)
{
    std::vector<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    std::vector<int> areas;
    for (int row : rows)
        if (row >= 0 && row < kMostRecordedAreas)
            areas.push_back((row + 1) % 10);
    return areas;
}

bool choosesByPlace(const std::vector<int> &selectedRows) { return contains(selectedRows, kByPlaceArea - 1); }

std::vector<int> itemsOfAreas(const std::vector<int> &areas)
{
    const MiddleQuestionnaire &q = content().middleQuestionnaire;
    std::vector<int> items;
    for (int i = 1; i <= content().cuesgm.count(); ++i) {
        const bool second = q.secondArea[i] != 0 && contains(areas, q.secondArea[i]);
        if (contains(areas, q.firstArea[i]) || second)
            items.push_back(i);
    }
    return items;
}

QByteArray itemText(int item) { return columns(content().cuesgm.at(item), kItemTextFirst, kItemTextLast); }

QByteArray itemCode(int item) { return content().cuesgm.at(item).left(2); }

int familyOfCode(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'A' + kLastLetterFamily - 10)
        return c - 'A' + 10;
    return 0;
}

void markTitlesOfCode(const QByteArray &code, MarkedTitles &marked)
{
    if (code.size() < 2)
        return;
    const int family = familyOfCode(code[0]);
    const std::vector<int> titles = titlesOfFamily(family);
    const char which = code[1];
    int first = 1;
    int last = 0;
    if (which == 'T') {
        last = int(titles.size());
    } else if (which == 'Z') {
        last = 2;
    } else if (which >= '1' && which <= '9') {
        first = last = which - '0';
    }
    for (int k = first; k <= std::min(last, int(titles.size())); ++k)
        marked[family].insert(titles[k - 1]);
}

std::vector<ListingRow> markedTitleRows(const MarkedTitles &marked)
{
    std::vector<ListingRow> rows;
    for (const auto &[family, titles] : marked) {
        if (titles.empty())
            continue;
        rows.push_back(
            {" - " + interfaceText(kFamily) + ":  " + trimTrailingBlanks(familyName(family)), {}, 0});
        for (int title : titles)
            rows.push_back({middleTitleName(title), {}, title});
    }
    return rows;
}

std::vector<QByteArray> questionnairePathLines(const std::vector<int> &areaRows,
                                               const std::vector<int> &items)
{
    const LineTable &areas = content().middleQuestionnaire.areas;
    std::vector<QByteArray> lines = {interfaceText(kChosenAreas), {}};
    for (int row : areaRows)
        lines.push_back(areas.at(row + 1));
    lines.push_back(interfaceText(kTitlesByFamily));
    for (int item : items)
        lines.push_back(itemText(item));
    return lines;
}

std::vector<QByteArray> questionnaireCentreLines(int title, const std::vector<ListingRow> &centres)
{
    std::vector<QByteArray> lines = {{},
                                     interfaceText(kChosenTitle) + ": "
                                         + trimTrailingBlanks(middleTitleName(title)),
                                     {},
                                     interfaceText(kCentres) + ":"};
    for (const ListingRow &row : centres)
        lines.push_back(printedRow(row, kCentreTextWidth));
    return lines;
}

} // namespace velmira
