#include "higher_grade_titles.h"

#include "data/centre_listings.h"
#include "data/content_tables.h"
#include "data/interface_texts.h"
#include "data/region_provinces.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"
#include "data/vocational_families.h"

#include <QString>

namespace velmira {

using namespace higher_grade_text;

namespace {

constexpr int kSubjectSlots = 25;
constexpr int kFirstRequirementField = 4;
constexpr int kLastRequirementField = 16;
constexpr int kAccessLineCount = 5;
constexpr int kRegionNameWidth = 30;

QByteArray upperCase(const QByteArray &stored) { return storedText(displayText(stored).toUpper()); }

// The `comunida` entry from its third character, 30 characters.
QByteArray regionHeading(int region)
{
    return "***  " + content().comunida.at(region).mid(2, kRegionNameWidth) + "***";
}

void append(std::vector<QByteArray> &rows, const std::vector<QByteArray> &more)
{
    rows.insert(rows.end(), more.begin(), more.end());
}

} // namespace

std::vector<int> higherFamilyListIcons(const std::vector<int> &families)
{
    static constexpr int kIcons[] = {1,  31, 39, 2,  32, 3,  36, 28, 33, 34, 0,  18,
                                     37, 19, 12, 38, 8,  35, 21, 16, 14, 41, 42, 9};
    return familyListIcons(families, [](int family) {
        return family >= 1 && family <= int(std::size(kIcons)) ? kIcons[family - 1] : -1;
    });
}

QByteArray higherTitleName(int title) { return trimTrailingBlanks(content().fp.at(title)); }

std::vector<QByteArray> subjectPreview(int title)
{
    std::vector<QByteArray> lines = {QByteArray(6, ' ') + interfaceText(kProfile)};
    bool any = false;
    for (int slot = 1; slot <= kSubjectSlots; ++slot) {
        lines.push_back(content().asignafp.at(title, slot));
        any = any || !isBlank(lines.back());
    }
    return any ? lines : std::vector<QByteArray>{};
}

std::vector<QByteArray> requirementsSection(int title)
{
    std::vector<QByteArray> lines;
    for (int k = kFirstRequirementField; k <= kLastRequirementField; ++k)
        if (const int line = content().datfps.at(title, k))
            lines.push_back(content().reqfp.at(line));
    return lines;
}

std::vector<QByteArray> subjectsSection(int title)
{
    std::vector<QByteArray> lines = {"-   " + interfaceText(kProfile)};
    for (int slot = 1; slot <= kSubjectSlots; ++slot) {
        const QByteArray subject = content().asignafp.at(title, slot);
        // The job positions (slots 1-5) and the modules stand apart.
        if ((slot == 6 && !isBlank(subject)) || slot == 7)
            lines.emplace_back();
        lines.push_back(subject);
    }
    return lines;
}

std::vector<QByteArray> accessSection()
{
    std::vector<QByteArray> lines;
    for (int k = 0; k < kAccessLineCount; ++k)
        lines.push_back(interfaceText(kAccessFirstLine + k));
    return lines;
}

std::vector<ListingRow> higherCentresInRegion(int region, int title)
{
    return centresTeachingInRegion(content().datluggs, provincesOfRegion(region), title);
}

std::array<bool, kRegionCount + 1> regionsTeachingHigherTitle(int title)
{
    return regionsTeaching(content().datluggs, title);
}

HigherTitleReport higherTitleReport(int title, const std::vector<int> &chosenRegions)
{
    HigherTitleReport report;
    report.title = higherTitleName(title) + " (" + interfaceText(kShortName) + ")";
    std::vector<QByteArray> &rows = report.rows;
    // Row numbers count the title as row 0.
    const auto heading = [&](const QByteArray &text) {
        rows.push_back(text);
        report.boldRows.insert(int(rows.size()));
    };
    heading("- " + interfaceText(kRequirements));
    append(rows, requirementsSection(title));
    rows.emplace_back();
    heading("- " + interfaceText(kWhatIsStudied));
    append(rows, subjectsSection(title));
    rows.emplace_back();
    heading("- " + interfaceText(kAccessTitle));
    append(rows, accessSection());
    rows.emplace_back();
    rows.push_back(QByteArray(6, ' ') + QByteArray(24, '_'));
    rows.emplace_back();
    heading("-" + upperCase(interfaceText(kPlaces)));
    rows.emplace_back();

    report.everyRegion = chosenRegions.empty();
    std::vector<int> regions = chosenRegions;
    if (report.everyRegion)
        for (int r = 1; r <= kRegionCount; ++r)
            regions.push_back(r);
    for (int region : regions) {
        heading(regionHeading(region));
        rows.emplace_back();
        for (const ListingRow &centre : higherCentresInRegion(region, title))
            rows.push_back(printedRow(centre));
    }
    return report;
}

bool mustChooseRegionsFirst(const HigherTitleReport &report, bool everyRegionWanted)
{
    return !everyRegionWanted && mustChooseRegions(int(report.rows.size()), report.everyRegion);
}

} // namespace velmira
