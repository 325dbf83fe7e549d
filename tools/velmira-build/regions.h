#pragma once
// Regions, provinces and university centres: "comunida", "comuint", "lugar".
// Province codes are derived from the order of the provinces and the fixed
// province keys (province_codes.h).

#include "key_index.h"
#include "sources.h"

#include <QHash>
#include <QList>

namespace velmira::build {

struct Regions
{
    QList<QByteArray> comunida;
    QList<QByteArray> comuint;
    QList<QByteArray> lugar;
    QHash<QString, int> provinceCodes;                   // province name -> code 1-64
    KeyIndex universities{QStringLiteral("university")}; // key -> "lugar" line
    QList<QByteArray> universityNames;                   // by "lugar" line - 1
    QList<int> universityRegions;                        // by "lugar" line - 1
};

Regions compileRegions(const SourceSet &sources);

} // namespace velmira::build
