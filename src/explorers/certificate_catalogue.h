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

} // namespace velmira
