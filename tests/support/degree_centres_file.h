#pragma once
// A "datcarn" file written for a test: per degree, its centres and marks.

#include "data/degree_centres.h"

#include <QByteArray>

#include <map>
#include <utility>
#include <vector>

namespace testsupport {

// Per degree, its (centre, mark) pairs in list order.
using CentreMarks = std::map<int, std::vector<std::pair<int, int>>>;

// One group of five blocks: the centre lists and, third, the mark lists.
inline QByteArray degreeCentresFile(const CentreMarks &perDegree)
{
    using velmira::DegreeCentres;
    QByteArray file(5 * DegreeCentres::kBlockBytes, '\0');
    for (const auto &[degree, pairs] : perDegree) {
        const int at = (degree - 1) * DegreeCentres::kEntryBytes;
        file[at] = static_cast<char>(pairs.size());
        for (size_t k = 0; k < pairs.size(); ++k) {
            file[at + 1 + static_cast<int>(k)] = static_cast<char>(pairs[k].first);
            file[2 * DegreeCentres::kBlockBytes + at + 1 + static_cast<int>(k)] =
                static_cast<char>(pairs[k].second);
        }
    }
    return file;
}

} // namespace testsupport
