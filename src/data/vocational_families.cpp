#include "vocational_families.h"

#include "content_tables.h"
#include "picture_names.h"
#include "text_bytes.h"

namespace velmira {

namespace {

constexpr int kMarkedFamiliesGroup = 6;
constexpr int kFamilyNameWidth = 45;

bool isMarkedFamily(const VocationalCatalogue &catalogue, int family)
{
    return catalogue.headings.at(family).startsWith('|');
}

int familyHeadingLine(const VocationalCatalogue &catalogue, int family)
{
    const std::vector<int> &lines = catalogue.headingLines;
    return family >= 1 && family < int(lines.size()) ? lines[family] : 0;
}

int number(const QByteArray &field)
{
    int value = 0;
    return parseFieldNumber(field.trimmed(), value) ? value : 0;
}

} // namespace

VocationalCatalogue higherGradeCatalogue()
{
    const ContentTables &t = content();
    return {t.fp, t.fpTitles, t.fpTitleLines};
}

VocationalCatalogue middleGradeCatalogue()
{
    const ContentTables &t = content();
    return {t.fp2, t.fp2Titles, t.fp2TitleLines};
}

std::vector<FamilyGroup> familyGroups()
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

int familyCount(const VocationalCatalogue &catalogue)
{
    int count = catalogue.headings.count();
    if (count > 0 && isBlank(catalogue.headings.at(count)))
        --count;
    return count;
}

std::vector<int> familiesOfGroup(const VocationalCatalogue &catalogue, int group)
{
    std::vector<int> families;
    if (group < 1 || group > kFamilyGroupCount)
        return families;
    const std::vector<FamilyGroup> groups = familyGroups();
    for (int f : groups[group - 1].families)
        if (f != 0)
            families.push_back(f);
    if (group == kMarkedFamiliesGroup) {
        const int count = familyCount(catalogue);
        int f = 1;
        while (f <= count && !isMarkedFamily(catalogue, f))
            ++f;
        for (; f <= count; ++f)
            families.push_back(f);
    }
    return families;
}

QByteArray familyName(const VocationalCatalogue &catalogue, int family)
{
    const QByteArray heading = catalogue.headings.at(family);
    return isMarkedFamily(catalogue, family) ? heading.mid(1) : heading.left(kFamilyNameWidth);
}

std::vector<int> titlesOfFamily(const VocationalCatalogue &catalogue, int family)
{
    std::vector<int> titles;
    const int heading = familyHeadingLine(catalogue, family);
    if (heading < 1)
        return titles;
    for (int line = heading + 1; line <= catalogue.lines.count() && !catalogue.lines.at(line).startsWith('-');
         ++line)
        titles.push_back(line);
    return titles;
}

int familyGroupIcon(int item)
{
    static constexpr int kIcons[kFamilyGroupCount] = {1, 2, 5, 12, 0, 9, 19, 16, 21};
    return item >= 0 && item < kFamilyGroupCount ? kIcons[item] : pictures::IconArtsAndCrafts;
}

std::vector<int> familyListIcons(const std::vector<int> &families, const std::function<int(int)> &familyIcon)
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
