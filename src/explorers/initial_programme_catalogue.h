#pragma once
// What the initial programmes' tables tell. `fpip` opens with nine groups
// (set apart at loading: characters 1-4 hold up to four family codes, the
// name starts at character 5); every other line p is programme p: its
// family code in character 1, its name from character 2, and "-" in
// character 2 for a family heading. `ipmodulos` holds ten lines per
// programme, its five modules ((p - 1) x 10 + 1 to + 5) then its five job
// positions; `informa` holds what every programme asks for (code "38") and
// what is studied (code "39").

#include <QByteArray>

#include <vector>

namespace velmira {

std::vector<QByteArray> modulesOfProgramme(int programme);
std::vector<QByteArray> jobPositionsOfProgramme(int programme);
std::vector<QByteArray> programmeRequirements();
std::vector<QByteArray> programmeStudies();

namespace programmes {

constexpr int kGroupCount = 9;

// Group g (1-9): its name, trailing blanks removed.
QByteArray groupName(int group);
// A group whose code starts with "0" lists centres by place instead of
// programmes.
bool opensByPlace(int group);
// The programme lines of the group in three passes over the whole table:
// the lines of the code's first family, then of its second, then of its
// third. A line that matches two of them is listed twice.
std::vector<int> linesOfGroup(int group);

bool isHeading(int line);
// The line from character 2, trailing blanks removed: a programme's name, or
// a heading's "-" and family name.
QByteArray lineName(int line);

} // namespace programmes
} // namespace velmira
