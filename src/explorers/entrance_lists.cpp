#include "entrance_lists.h"

#include "data/degree_centres.h"
#include "data/interface_texts.h"
#include "data/line_table.h"
#include "data/text_bytes.h"

#include <algorithm>

namespace velmira {

namespace {

constexpr int kNameColumns = 40;

QByteArray rightAligned(qsizetype number) { return QByteArray::number(number).rightJustified(2, ' '); }

} // namespace

std::vector<CutOffDegree> degreesAtOrAbove(int threshold, const LineTable &names,
                                           const DegreeCentres &centres)
{
    std::vector<CutOffDegree> degrees;
    const int count = std::min(names.count(), DegreeCentres::kDegrees);
    for (int d = 1; d <= count; ++d) {
        CutOffDegree degree;
        int total = 0;
        for (int k = 1; k <= centres.centreCount(d); ++k) {
            const int mark = centres.mark(d, k);
            if (mark == DegreeCentres::kNoMark)
                continue;
            ++total;
            if (mark >= threshold)
                degree.places.push_back({centres.centre(d, k), mark});
        }
        if (degree.places.empty())
            continue;
        // Counted in characters, so that accented names keep the columns.
        degree.line = padToCharacters(names.at(d), kNameColumns) + "   " + rightAligned(degree.places.size())
            + "  (" + rightAligned(total) + ")";
        degrees.push_back(std::move(degree));
    }
    return degrees;
}

std::vector<QByteArray> cutOffPlaceLines(const std::vector<CutOffPlace> &places, const LineTable &placeNames)
{
    std::vector<QByteArray> lines;
    for (const CutOffPlace &place : places)
        lines.push_back(padToCharacters(placeNames.at(place.place), kNameColumns) + "  "
                        + markText(place.mark));
    return lines;
}

std::vector<QByteArray> workedExampleRows()
{
    // Each text, indented when it details the row above; 0 is an empty row.
    struct Row
    {
        int text;
        bool indented;
    };
    static constexpr Row kRows[] = {
        {697, false}, {698, false}, {734, true}, {735, false}, {736, true},  {737, true},  {738, true},
        {0, false},   {739, false}, {740, true}, {741, true},  {742, true},  {743, false}, {0, false},
        {744, false}, {745, true},  {0, false},  {746, true},  {747, false}, {748, false}, {749, false},
    };
    std::vector<QByteArray> rows;
    for (const Row &row : kRows)
        rows.push_back(row.text == 0 ? QByteArray() : (row.indented ? "  " : "") + interfaceText(row.text));
    return rows;
}

} // namespace velmira
