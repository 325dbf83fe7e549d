#pragma once
// Professional families ("familias" lines 1-29, one per family code "0"-"9",
// "A"-"Q") and the nine family groups of the middle-grade explorer (lines
// 30-38), which name families of the middle-grade catalogue by key.

#include "key_index.h"
#include "sources.h"

#include <QHash>
#include <QList>

namespace velmira::build {

struct Families
{
    QList<QByteArray> lines;      // lines 1-29
    QHash<QString, int> numbers;  // family code -> family number (0-26)
};

Families compileFamilies(const SourceSet &sources);

// The family number of a record's family field; refuses an unknown code.
int familyNumber(const Families &families, const RecordReader &reader, const QString &field);

// "familias": the families, padded to line 29, then the nine groups.
QList<QByteArray> compileFamilyFile(const SourceSet &sources, const Families &families,
                                    const KeyIndex &middleFamilies);

} // namespace velmira::build
