#include "middle_grade_report.h"

#include "explorers/middle_grade_catalogue.h"

#include "data/interface_texts.h"
#include "data/text_ids.h"
#include "data/text_bytes.h"

namespace velmira {

using namespace middle_grade_text;

namespace {

constexpr int kRuleLength = 34;

QByteArray sectionHeading(int text) { return "** " + interfaceText(text) + " **"; }

void append(std::vector<QByteArray> &rows, const std::vector<QByteArray> &more)
{
    rows.insert(rows.end(), more.begin(), more.end());
}

} // namespace

std::vector<QByteArray> titleDetailSections(int title)
{
    std::vector<QByteArray> rows = {sectionHeading(kRequirements)};
    append(rows, middleGradeRequirements());
    rows.insert(rows.end(), {{}, sectionHeading(kJobPositions)});
    append(rows, jobPositionsOfTitle(title));
    rows.insert(rows.end(), {{}, sectionHeading(kWhatIsStudied)});
    append(rows, subjectsOfTitle(title));
    trimTrailingBlankRows(rows);
    return rows;
}

std::vector<int> allRegions()
{
    std::vector<int> regions;
    for (int r = 1; r <= kRegionCount; ++r)
        regions.push_back(r);
    return regions;
}

ExplorerReport titleReport(const PlaceTitleTables &tables, int title, const std::vector<int> &regions)
{
    ExplorerReport report;
    report.title = trimTrailingBlanks(middleTitleName(title)) + " (" + interfaceText(kMiddleGrade) + ")";
    report.rows = titleDetailSections(title);
    report.rows.insert(report.rows.end(),
                       {QByteArray(kRuleLength, '_'), {}, "-" + upperAscii(interfaceText(kWhereTaught)), {}});
    for (int region : regions) {
        const std::vector<ListingRow> centres =
            centresTeachingInRegion(tables, provincesOfRegion(region), title);
        if (centres.empty())
            continue;
        report.rows.insert(report.rows.end(), {regionPrintHeading(region), {}});
        for (const ListingRow &row : centres)
            report.rows.push_back(printedRow(row));
    }
    return report;
}

std::vector<int> regionHeadingRows(const ExplorerReport &report)
{
    std::vector<int> rows;
    for (size_t i = 0; i < report.rows.size(); ++i)
        if (report.rows[i].startsWith("***"))
            rows.push_back(int(i) + 1);
    return rows;
}

ExplorerReport provinceReport(const QByteArray &provinceName, int studies,
                              const std::vector<ListingRow> &grid)
{
    ExplorerReport report;
    report.title = interfaceText(kPlace) + ": " + provinceName + " - " + interfaceText(studies);
    for (const ListingRow &row : grid)
        report.rows.push_back(printedRow(row, kCentreGridTextWidth));
    return report;
}

} // namespace velmira
