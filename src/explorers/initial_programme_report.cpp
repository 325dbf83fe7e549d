#include "initial_programme_report.h"

#include "explorers/initial_programme_catalogue.h"

#include "data/interface_texts.h"
#include "data/text_bytes.h"
#include "data/text_ids.h"

namespace velmira {

using namespace initial_programmes_text;

namespace {

QByteArray sectionHeading(int text) { return "** " + interfaceText(text) + " **"; }

void append(std::vector<QByteArray> &rows, const std::vector<QByteArray> &more)
{
    rows.insert(rows.end(), more.begin(), more.end());
}

} // namespace

std::vector<QByteArray> programmeRequirementLines() { return programmeRequirements(); }

std::vector<QByteArray> programmeStudyLines()
{
    std::vector<QByteArray> lines = {interfaceText(kModulesHeading)};
    append(lines, programmeStudies());
    return lines;
}

std::vector<QByteArray> programmeModuleLines(int programme)
{
    std::vector<QByteArray> lines = {interfaceText(kModulesHeading)};
    append(lines, modulesOfProgramme(programme));
    lines.push_back(interfaceText(kJobPositions));
    append(lines, jobPositionsOfProgramme(programme));
    return lines;
}

ExplorerReport programmeReport(int programme, int region, const std::vector<ListingRow> &centres)
{
    ExplorerReport report;
    report.title = programmes::lineName(programme) + " (" + interfaceText(kProgrammes) + ")";
    std::vector<QByteArray> &rows = report.rows;
    rows.push_back(sectionHeading(kRequirements));
    append(rows, programmeRequirements());
    rows.insert(rows.end(), {{}, sectionHeading(kWhatIsStudied)});
    append(rows, programmeStudies());
    rows.insert(rows.end(), {{}, interfaceText(kModulesHeading)});
    append(rows, modulesOfProgramme(programme));
    rows.insert(rows.end(), {{}, sectionHeading(kJobPositions)});
    append(rows, jobPositionsOfProgramme(programme));
    rows.insert(rows.end(), {{}, {}, interfaceText(kCentresOfRegion), regionPrintHeading(region)});
    if (centres.empty())
        rows.push_back(interfaceText(kNothingFound));
    for (const ListingRow &row : centres)
        rows.push_back(leftCharacters(row.text, kCentreGridTextWidth) + "  " + row.telephone);
    return report;
}

} // namespace velmira
