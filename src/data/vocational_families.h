#pragma once
// The professional families of a vocational catalogue ("fp" or "fp2"), as
// the windows that list titles by family read them. The catalogue holds
// family headings (lines starting with "-") each followed by its titles; a
// title's number is its line in the catalogue. The dashed reading of the
// catalogue is the family list: family f is its entry f, with the heading's
// line number. Headings that start with "|" come after every ordinary family
// and are listed only under the sixth family group. `familias` lines 30-38
// are the nine family groups: characters 1-2, 3-4 and 5-6 up to three family
// numbers, the name from character 7.

#include <QByteArray>

#include <array>
#include <functional>
#include <vector>

namespace velmira {

class LineTable;

constexpr int kFamilyGroupCount = 9;
constexpr int kFirstFamilyGroupLine = 30; // of `familias`: the family lines come before

struct FamilyGroup
{
    QByteArray name;
    std::array<int, 3> families{}; // 0 = none
};

// The full table of a catalogue and its dashed reading.
struct VocationalCatalogue
{
    const LineTable &lines;
    const LineTable &headings;
    const std::vector<int> &headingLines;
};

VocationalCatalogue higherGradeCatalogue(); // "fp"
VocationalCatalogue middleGradeCatalogue(); // "fp2"

std::vector<FamilyGroup> familyGroups();

// The number of families, the closing empty heading of the file left out.
int familyCount(const VocationalCatalogue &catalogue);
// The families a group lists, in order: its own, and for the sixth group
// also every family from the first "|" heading to the last.
std::vector<int> familiesOfGroup(const VocationalCatalogue &catalogue, int group);
// A family as the lists name it: characters 1-45 of its heading, from
// character 2 for a "|" heading.
QByteArray familyName(const VocationalCatalogue &catalogue, int family);
// The titles of a family: the lines after its heading up to the next heading.
std::vector<int> titlesOfFamily(const VocationalCatalogue &catalogue, int family);

// The icon of item i of the family-group list.
int familyGroupIcon(int item);
// The icons of a group's family list: the way back first, then each of the
// group's own three families by `familyIcon` (-1 for none: the icon before
// it again), and every further family the arts-and-crafts icon.
std::vector<int> familyListIcons(const std::vector<int> &families, const std::function<int(int)> &familyIcon);

} // namespace velmira
