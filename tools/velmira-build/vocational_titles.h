#pragma once
// The vocational-training catalogues. Higher grade: "fp", "datfps", "reqfp",
// "asignafp". Middle grade: "fp2", "datfpm", "asignagm". A title's number is
// its line in the catalogue, derived from the order of the source; family
// headings are the lines whose name starts with "-".

#include "families.h"
#include "key_index.h"
#include "professions.h"
#include "sources.h"

#include <QList>

namespace velmira::build {

struct HigherTitles
{
    QList<QByteArray> fp;
    QByteArray datfps;
    QList<QByteArray> reqfp;
    QList<QByteArray> asignafp;
    KeyIndex titles{QStringLiteral("higher-grade title")}; // key -> "fp" line
    CatalogueHeadings headings;
};

struct MiddleTitles
{
    QList<QByteArray> fp2;
    QByteArray datfpm;
    QList<QByteArray> asignagm;
    KeyIndex titles{QStringLiteral("middle-grade title")}; // key -> "fp2" line
    CatalogueHeadings headings;
};

HigherTitles compileHigherTitles(const SourceSet &sources, const Professions &professions,
                                 const Families &families);
MiddleTitles compileMiddleTitles(const SourceSet &sources, const Professions &professions,
                                 const Families &families);

} // namespace velmira::build
