#pragma once
// The catalogue of one professional family: everything the tables offer in
// it, in five lists (university degrees, higher-grade titles, middle-grade
// titles, initial programmes, professional certificates), the details of an
// entry of each list, and the printed catalogue.
//
// A family is a line of `familias` before the family groups: character 1 is
// its code ("0"-"9" families 0-9, "A"-"Q" families 10-26), the name follows.
// Degrees, higher-grade and middle-grade titles carry the family's number in
// their records ("datgrados", "datfps", "datfpm"); programmes and
// certificates start with the family's code.

#include <QByteArray>

#include <array>
#include <set>
#include <vector>

namespace velmira {

enum CatalogueList : int {
    DegreesList,
    HigherTitlesList,
    MiddleTitlesList,
    ProgrammesList,
    CertificatesList,
    kCatalogueLists
};

// A row of a list and the line of its table that it stands for.
struct CatalogueRow
{
    QByteArray text;
    int line = 0;
};
using CatalogueRows = std::vector<CatalogueRow>;
using FamilyCatalogue = std::array<CatalogueRows, kCatalogueLists>;

// The family's number for its code; -1 for a code that names no family.
int familyNumberOfCode(char code);

// The `familias` lines the family list shows, in order.
std::vector<int> catalogueFamilyLines();
// The family's name as listed (from character 2).
QByteArray catalogueFamilyName(int familyLine);
// The icon of row r of the family list; -1 past the icons there are.
int catalogueFamilyIcon(int row);

// The five lists of the family. The family of code "5" also lists, last in
// the higher-grade and the middle-grade lists, the related titles of the
// other families, which stand for the last line of `fp` and of `fp2`.
FamilyCatalogue familyCatalogue(int familyLine);

// The details of a row: what is asked and what it leads to. A higher-grade
// title of family "5" shows no job positions.
std::vector<QByteArray> catalogueDetails(CatalogueList list, const CatalogueRow &row, char familyCode);

// The printed catalogue: the title, then for each list that is not empty an
// empty row, the list's caption (a section start, printed bold) and its
// entries, each after " -". Rows are numbered from 1.
struct CatalogueReport
{
    QByteArray title;
    std::vector<QByteArray> rows;
    std::set<int> sectionStarts;
};
CatalogueReport catalogueReport(const QByteArray &familyName, const FamilyCatalogue &catalogue);

// The caption of each list, over it and in the printed catalogue.
QByteArray catalogueListCaption(CatalogueList list);

} // namespace velmira
