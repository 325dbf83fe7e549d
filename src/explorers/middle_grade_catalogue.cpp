#include "middle_grade_catalogue.h"

#include "data/content_tables.h"
#include "data/information_lines.h"

#include <algorithm>

namespace velmira {

namespace {

constexpr int kJobPositions = 5;
constexpr int kSubjectMembers = 25;
constexpr char kMiddleRequirementsCode[] = "17";

std::vector<QByteArray> groupMembers(int group, int first, int last)
{
    std::vector<QByteArray> lines;
    for (int m = first; m <= last; ++m)
        lines.push_back(content().asignagm.at(group, m));
    return lines;
}

} // namespace

std::vector<FamilyGroup> middleFamilyGroups() { return familyGroups(); }

int middleFamilyCount() { return familyCount(middleGradeCatalogue()); }

std::vector<int> familiesOfGroup(int group) { return familiesOfGroup(middleGradeCatalogue(), group); }

QByteArray familyName(int family) { return familyName(middleGradeCatalogue(), family); }

std::vector<int> titlesOfFamily(int family) { return titlesOfFamily(middleGradeCatalogue(), family); }

int familyOfTitle(int title)
{
    for (int f = 1; f <= middleFamilyCount(); ++f) {
        const std::vector<int> titles = titlesOfFamily(f);
        if (std::find(titles.begin(), titles.end(), title) != titles.end())
            return f;
    }
    return 0;
}

int groupOfFamily(int family)
{
    for (int g = 1; g <= kFamilyGroupCount; ++g) {
        const std::vector<int> families = familiesOfGroup(g);
        if (std::find(families.begin(), families.end(), family) != families.end())
            return g;
    }
    return 0;
}

QByteArray middleTitleName(int title) { return content().fp2.at(title); }

std::vector<QByteArray> jobPositionsOfTitle(int title) { return groupMembers(title, 1, kJobPositions); }

std::vector<QByteArray> subjectsOfTitle(int title)
{
    return groupMembers(title, kJobPositions + 1, kSubjectMembers);
}

std::vector<QByteArray> middleGradeRequirements()
{
    return informationLinesWithCode(kMiddleRequirementsCode);
}

int familyIcon(int family)
{
    static constexpr int kFamilyIcons[] = {1,  31, 39, 2, 32, 3,  36, 28, 33, 0,  18, 37,
                                           19, 12, 38, 8, 35, 21, 16, 14, 41, 42, 9};
    return family >= 1 && family <= int(std::size(kFamilyIcons)) ? kFamilyIcons[family - 1] : -1;
}

std::vector<int> familyListIcons(const std::vector<int> &families)
{
    return familyListIcons(families, [](int family) { return familyIcon(family); });
}

} // namespace velmira
