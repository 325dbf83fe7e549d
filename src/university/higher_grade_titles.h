#pragma once
// The higher-grade vocational titles as the university window lists them:
// the families and titles of the "fp" catalogue, a title's requirement,
// subject and access sections, the centres that teach it, and the printed
// report of a title with its centres region by region. Plain logic over the
// loaded tables; the page wires it to its controls.

#include "data/listing_rows.h"
#include "data/map_geometry.h"

#include <QByteArray>

#include <array>
#include <set>
#include <vector>

namespace velmira {

// The icons of a family group's list of headings: the way back first, then
// each heading by its own icon.
std::vector<int> higherFamilyListIcons(const std::vector<int> &families);

// The title's `fp` line, trailing blanks removed.
QByteArray higherTitleName(int title);

// The title's subjects as the title list previews them under the pointer:
// six blanks + interface text 271, then its 25 `asignafp` slots; nothing for
// a title without subjects.
std::vector<QByteArray> subjectPreview(int title);

// The sections of a title, as shown and as printed.
// The `reqfp` lines named by integers 4-16 of the title's `datfps` row.
std::vector<QByteArray> requirementsSection(int title);
// "-   " + interface text 271, then slots 1-25, with an empty line before
// slot 6 (unless it is blank) and before slot 7.
std::vector<QByteArray> subjectsSection(int title);
// Interface texts 711-715.
std::vector<QByteArray> accessSection();

// The centres of the region that teach the title, with their telephones;
// with several provinces, each that has any is headed by its name.
std::vector<ListingRow> higherCentresInRegion(int region, int title);
// For each region (1-19), whether it teaches the title.
std::array<bool, kRegionCount + 1> regionsTeachingHigherTitle(int title);

struct HigherTitleReport
{
    QByteArray title;             // row 0: the print buffer's entry 0
    std::vector<QByteArray> rows; // rows 1..n
    std::set<int> boldRows;       // the section headings, then every region heading
    bool everyRegion = false;     // no region was chosen: all 19 are in it
};

// The title's report: its requirements, subjects and access, a rule, and its
// centres region by region, over the chosen regions in the order chosen, or
// over all 19 when none is chosen.
HigherTitleReport higherTitleReport(int title, const std::vector<int> &chosenRegions);

// A report over every region that grows too long is not printed: the pupil
// first chooses the regions, unless every region was asked for on purpose.
bool mustChooseRegionsFirst(const HigherTitleReport &report, bool everyRegionWanted);

} // namespace velmira
