#pragma once
// The middle-grade catalogue as the explorer reads it. `fp2` holds family
// headings (lines starting with "-") each followed by its titles; a title's
// number is its line in `fp2`. The dashed reading of `fp2` is the family
// list: family f is its entry f, with the heading's line number. Headings
// that start with "|" come after every ordinary family and are shown only
// in the sixth family group. `familias` lines 30-38 are the nine family
// groups: characters 1-2, 3-4 and 5-6 up to three family numbers, the name
// from character 7.

#include "data/vocational_families.h"

#include <QByteArray>

#include <vector>

namespace velmira {

std::vector<FamilyGroup> middleFamilyGroups();

// The families a group lists, in order: its own, and for the sixth group
// also every family from the first "|" heading to the last.
std::vector<int> familiesOfGroup(int group);
// A family as the lists name it: characters 1-45 of its heading, from
// character 2 for a "|" heading.
QByteArray familyName(int family);
// The number of families, the closing empty heading of the file left out.
int middleFamilyCount();

// The titles of a family: the lines after its heading up to the next heading.
std::vector<int> titlesOfFamily(int family);
// The family a title belongs to, and the first group that lists a family;
// 0 for none.
int familyOfTitle(int title);
int groupOfFamily(int family);
// The title's `fp2` line (60 characters).
QByteArray middleTitleName(int title);

// The title's five job positions and twenty subjects (its `asignagm` group).
std::vector<QByteArray> jobPositionsOfTitle(int title);
std::vector<QByteArray> subjectsOfTitle(int title);
// The entry requirements of every middle-grade title (`informa` code "17").
std::vector<QByteArray> middleGradeRequirements();

// Icons of the family level: the items 0 (the way back) to families.size().
std::vector<int> familyListIcons(const std::vector<int> &families);
// A family's own icon; -1 for a family without one.
int familyIcon(int family);

} // namespace velmira
