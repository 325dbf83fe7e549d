#include "province_codes.h"

#include "data/loaders.h"
#include "data/map_geometry.h"

#include <limits>

namespace velmira::build {
namespace {

constexpr int kImpossible = std::numeric_limits<int>::max();

// The number of heading keys among `count` codes from `first`, or
// kImpossible when they leave the table or name more than one place list.
int headingsInRun(int first, int count)
{
    if (first + count - 1 > velmira::kProvinceCount)
        return kImpossible;
    const char list = velmira::provinceKey(first).at(0);
    int headings = 0;
    for (int code = first; code < first + count; ++code) {
        if (velmira::provinceKey(code).at(0) != list)
            return kImpossible;
        headings += isHeadingProvinceCode(code) ? 1 : 0;
    }
    return headings;
}

} // namespace

bool isHeadingProvinceCode(int code)
{
    const QByteArray key = velmira::provinceKey(code);
    return velmira::isPlaceListHeading(key.at(0) - '0', key.at(1));
}

QList<int> chooseFirstProvinceCodes(const QList<int> &provinceCounts)
{
    velmira::FillProvinceKeys();
    const int regions = int(provinceCounts.size());
    const int codes = velmira::kProvinceCount;
    // cost[r][c]: the fewest heading keys for regions r.. when region r may
    // start at code c or later (kImpossible when they cannot fit).
    QList<QList<int>> cost(regions + 1, QList<int>(codes + 2, kImpossible));
    for (int c = 1; c <= codes + 1; ++c)
        cost[regions][c] = 0;
    for (int r = regions - 1; r >= 0; --r) {
        for (int c = codes; c >= 1; --c) {
            int best = cost[r][c + 1];
            const int here = headingsInRun(c, provinceCounts[r]);
            const int next = c + provinceCounts[r];
            if (here != kImpossible && next <= codes + 1 && cost[r + 1][next] != kImpossible)
                best = qMin(best, here + cost[r + 1][next]);
            cost[r][c] = best;
        }
    }
    if (regions > 0 && cost[0][1] == kImpossible)
        return {};
    QList<int> firsts;
    int c = 1;
    int remaining = regions > 0 ? cost[0][1] : 0;
    for (int r = 0; r < regions; ++r) {
        // The lowest start that still reaches the least total.
        while (true) {
            const int here = headingsInRun(c, provinceCounts[r]);
            const int next = c + provinceCounts[r];
            if (here != kImpossible && next <= codes + 1 && cost[r + 1][next] != kImpossible
                && here + cost[r + 1][next] == remaining)
                break;
            ++c;
        }
        firsts << c;
        remaining -= headingsInRun(c, provinceCounts[r]);
        c += provinceCounts[r];
    }
    return firsts;
}

} // namespace velmira::build
