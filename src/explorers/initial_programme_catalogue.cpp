#include "initial_programme_catalogue.h"

#include "data/content_tables.h"
#include "data/information_lines.h"
#include "data/text_bytes.h"

namespace velmira {

namespace {
constexpr int kLinesPerProgramme = 10;
constexpr int kModules = 5;
constexpr int kCodeWidth = 4;
constexpr int kCodesPassed = 3;

std::vector<QByteArray> programmeLines(int programme, int firstOfTen)
{
    std::vector<QByteArray> lines;
    if (programme < 1)
        return lines;
    const int first = (programme - 1) * kLinesPerProgramme + firstOfTen;
    for (int line = first; line < first + kModules; ++line)
        lines.push_back(content().ipmodulos.at(line));
    return lines;
}
} // namespace

std::vector<QByteArray> modulesOfProgramme(int programme) { return programmeLines(programme, 1); }

std::vector<QByteArray> jobPositionsOfProgramme(int programme)
{
    return programmeLines(programme, kModules + 1);
}

std::vector<QByteArray> programmeRequirements() { return informationLinesWithCode("38"); }

std::vector<QByteArray> programmeStudies() { return informationLinesWithCode("39"); }

namespace programmes {

QByteArray groupName(int group) { return trimTrailingBlanks(content().fpipGroups.at(group).mid(kCodeWidth)); }

bool opensByPlace(int group) { return content().fpipGroups.at(group).startsWith('0'); }

std::vector<int> linesOfGroup(int group)
{
    const LineTable &fpip = content().fpip;
    const QByteArray code = content().fpipGroups.at(group).left(kCodesPassed);
    std::vector<int> lines;
    for (const char family : code) {
        if (family == ' ')
            continue;
        for (int line = 1; line <= fpip.count(); ++line)
            if (fpip.at(line).startsWith(family))
                lines.push_back(line);
    }
    return lines;
}

bool isHeading(int line) { return content().fpip.at(line).mid(1, 1) == "-"; }

QByteArray lineName(int line) { return trimTrailingBlanks(content().fpip.at(line).mid(1)); }

} // namespace programmes
} // namespace velmira
