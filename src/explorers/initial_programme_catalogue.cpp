#include "initial_programme_catalogue.h"

#include "data/content_tables.h"
#include "data/information_lines.h"

namespace velmira {

namespace {
constexpr int kLinesPerProgramme = 10;
constexpr int kModules = 5;
} // namespace

std::vector<QByteArray> modulesOfProgramme(int programme)
{
    std::vector<QByteArray> modules;
    if (programme < 1)
        return modules;
    const int first = (programme - 1) * kLinesPerProgramme + 1;
    for (int line = first; line < first + kModules; ++line)
        modules.push_back(content().ipmodulos.at(line));
    return modules;
}

std::vector<QByteArray> programmeRequirements() { return informationLinesWithCode("38"); }

std::vector<QByteArray> programmeStudies() { return informationLinesWithCode("39"); }

} // namespace velmira
