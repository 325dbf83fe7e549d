#pragma once
// The explanatory lines of `informa`: characters 1-2 of each line are a code
// that names the subject, the text runs from character 3.

#include <QByteArray>

#include <vector>

namespace velmira {

// Characters 3-60 of every `informa` line whose code is the given one, in
// table order.
std::vector<QByteArray> informationLinesWithCode(QByteArrayView code);

} // namespace velmira
