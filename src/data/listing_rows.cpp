#include "listing_rows.h"

#include "content_tables.h"
#include "text_bytes.h"

#include <algorithm>

namespace velmira {

namespace {

constexpr int kPrintedRowWidth = 60;

} // namespace

int blankRowsToScrollToTop(int rows, int first, int shown)
{
    constexpr int kLeastScreenful = 19;
    const int screenful = std::max(shown, kLeastScreenful);
    return rows < first + screenful ? screenful : 0;
}

void trimTrailingBlankRows(std::vector<QByteArray> &rows, int most)
{
    for (int removed = 0; removed < most && !rows.empty() && isBlank(rows.back()); ++removed)
        rows.pop_back();
}

QByteArray printedRow(const ListingRow &row, int textWidth)
{
    const QByteArray text = textWidth >= 0 ? row.text.left(textWidth) : row.text;
    return (text + row.telephone).left(kPrintedRowWidth);
}

QByteArray regionPrintHeading(int region)
{
    return "***  " + upperAscii(columns(content().comunida.at(region), 3, 32)) + "  ***";
}

} // namespace velmira
