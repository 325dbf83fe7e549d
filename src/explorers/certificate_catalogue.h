#pragma once
// What a professional certificate's line of `certificah` tells: characters
// 1-3 are up to three requirement codes, 4-6 the hours of training, 8-90 the
// description. The requirement labels set apart at loading give, for a code
// (character 1), its label (characters 2-28).

#include <QByteArray>

#include <vector>

namespace velmira {

// For each of the certificate's codes in order, the label of every
// requirement whose code it is: a code matching none adds nothing, a code
// matching two adds both.
std::vector<QByteArray> requirementLabelsOfCertificate(int certificate);
QByteArray hoursOfCertificate(int certificate);
QByteArray descriptionOfCertificate(int certificate);

// The professional certificates as the certificates window reads them from
// the loaded tables, once their files' opening lines are set apart.
// `certificaGroups` holds the nine family groups: characters 1-8 up to eight family letters, the name from character
// 9. In `certifica` a line whose character 2 is "-" heads a family (character
// 1 its letter, the name from character 2); the lines after it, up to the
// next heading, are its certificates. `certificateRequirements` holds the nine
// labels: character 1 the code, characters 2-28 the label. Line n of
// `certificah` describes certificate line n: characters 1-3 up to three
// requirement codes, 4-6 the hours of training, 8-90 the description.
namespace certificates {

// A family or certificate line as the lists show it: from character 2,
// trailing blanks removed.
QByteArray rowText(int line);
QByteArray groupName(int group);

// The heading lines of the group's families, once for each of its letters
// in order: a letter written twice lists its family twice.
std::vector<int> familiesOfGroup(int group);
// The certificate lines of the family headed at that line.
std::vector<int> certificatesOfFamily(int heading);

// The certificate's requirement labels, each followed by a carriage return,
// as one text.
QByteArray requirementText(int certificate);

// The printed rows for the listed certificates of a family, the title row
// (row 0) first: interface texts 580, 583 + ":", the family's name, then each
// certificate with its description, requirements and hours.
std::vector<QByteArray> familyReport(int heading, const std::vector<int> &listed);

} // namespace certificates

} // namespace velmira
