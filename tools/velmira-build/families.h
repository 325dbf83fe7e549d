#pragma once
// Professional families ("familias" lines 1-29, one per family code "0"-"9",
// "A"-"Q") and the nine family groups (lines 30-38), which name family
// headings of the catalogues by key. The groups open both the middle-grade
// and the higher-grade catalogue with the same heading positions.

#include "key_index.h"
#include "sources.h"

#include <QHash>
#include <QList>

namespace velmira::build {

struct Families
{
    QList<QByteArray> lines;     // lines 1-29
    QHash<QString, int> numbers; // family code -> family number (0-26)
};

// The family headings of a vocational catalogue, in catalogue order.
struct CatalogueHeadings
{
    KeyIndex keys{QStringLiteral("family heading")}; // key -> position among the headings (from 1)
    QList<int> families;                             // family number of each heading, in order
};

Families compileFamilies(const SourceSet &sources);

// The family number of a record's family field; refuses an unknown code.
int familyNumber(const Families &families, const RecordReader &reader, const QString &field);

// "familias": the families, padded to line 29, then the nine groups. A group
// names middle-grade headings by key; the higher-grade heading at each named
// position must be of the same family.
QList<QByteArray> compileFamilyFile(const SourceSet &sources, const Families &families,
                                    const CatalogueHeadings &middle, const CatalogueHeadings &higher);

} // namespace velmira::build
