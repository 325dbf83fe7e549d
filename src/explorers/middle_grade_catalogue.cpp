#include "middle_grade_catalogue.h"

#include "data/content_tables.h"
#include "data/information_lines.h"
#include "data/text_bytes.h"
#include "data/picture_names.h"

#include <algorithm>

namespace velmira {

namespace {

constexpr int kMarkedFamiliesGroup = 6;
constexpr int kFamilyNameWidth = 45;
constexpr int kJobPositions = 5;
constexpr int kSubjectMembers = 25;
constexpr char kMiddleRequirementsCode[] = "17";

bool isMarkedFamily(int family) { return content().fp2Titles.at(family).startsWith('|'); }

int familyHeadingLine(int family)
{
    const std::vector<int> &lines = content().fp2TitleLines;
    return family >= 1 && family < int(lines.size()) ? lines[family] : 0;
}

int number(const QByteArray &field)
{
    int value = 0;
    return parseFieldNumber(field.trimmed(), value) ? value : 0;
}

std::vector<QByteArray> groupMembers(int group, int first, int last)
{
    std::vector<QByteArray> lines;
    for (int m = first; m <= last; ++m)
        lines.push_back(content().asignagm.at(group, m));
    return lines;
}

} // namespace

std::vector<FamilyGroup> middleFamilyGroups()
{
    std::vector<FamilyGroup> groups;
    for (int g = 0; g < kFamilyGroupCount; ++g) {
        const QByteArray line = content().familias.at(kFirstFamilyGroupLine + g);
        FamilyGroup group;
        group.name = line.mid(6);
        for (int k = 0; k < 3; ++k)
            group.families[k] = number(line.mid(2 * k, 2));
        groups.push_back(group);
    }
    return groups;
}

int middleFamilyCount()
{
    const LineTable &families = content().fp2Titles;
    int count = families.count();
    if (count > 0 && isBlank(families.at(count)))
        --count;
    return count;
}

std::vector<int> familiesOfGroup(int group)
{
    std::vector<int> families;
    if (group < 1 || group > kFamilyGroupCount)
        return families;
    const std::vector<FamilyGroup> groups = middleFamilyGroups();
    for (int f : groups[group - 1].families)
        if (f != 0)
            families.push_back(f);
    if (group == kMarkedFamiliesGroup) {
        int f = 1;
        while (f <= middleFamilyCount() && !isMarkedFamily(f))
            ++f;
        for (; f <= middleFamilyCount(); ++f)
            families.push_back(f);
    }
    return families;
}

QByteArray familyName(int family)
{
    const QByteArray heading = content().fp2Titles.at(family);
    return isMarkedFamily(family) ? heading.mid(1) : heading.left(kFamilyNameWidth);
}

std::vector<int> titlesOfFamily(int family)
{
    const LineTable &fp2 = content().fp2;
    std::vector<int> titles;
    const int heading = familyHeadingLine(family);
    if (heading < 1)
        return titles;
    for (int line = heading + 1; line <= fp2.count() && !fp2.at(line).startsWith('-'); ++line)
        titles.push_back(line);
    return titles;
}

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

int familyGroupIcon(int item)
{
    static constexpr int kIcons[kFamilyGroupCount] = {1, 2, 5, 12, 0, 9, 19, 16, 21};
    return item >= 0 && item < kFamilyGroupCount ? kIcons[item] : pictures::IconArtsAndCrafts;
}

int familyIcon(int family)
{
    static constexpr int kFamilyIcons[] = {1,  31, 39, 2, 32, 3,  36, 28, 33, 0,  18, 37,
                                           19, 12, 38, 8, 35, 21, 16, 14, 41, 42, 9};
    return family >= 1 && family <= int(std::size(kFamilyIcons)) ? kFamilyIcons[family - 1] : -1;
}

std::vector<int> familyListIcons(const std::vector<int> &families)
{
    constexpr size_t kOwnFamilies = 3;
    std::vector<int> icons = {pictures::IconBack};
    for (size_t i = 0; i < families.size(); ++i) {
        const int icon = familyIcon(families[i]);
        if (i >= kOwnFamilies)
            icons.push_back(pictures::IconArtsAndCrafts);
        else
            icons.push_back(icon >= 0 ? icon : icons.back());
    }
    return icons;
}

} // namespace velmira
