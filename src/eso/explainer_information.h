#pragma once
// What the explainer's information pictures list: lines of "informa" by
// code, with headings, and for the higher-grade studies their titles.

#include <QByteArray>

#include <vector>

namespace velmira {

// The information pictures, by number (Image15 is 15).
const std::vector<int> &informationPictures();

// The lines picture n lists, from the loaded "informa" and "fp" tables,
// every line without its leading and trailing blanks. Empty for a number
// that is no information picture.
std::vector<QByteArray> explainerInformation(int picture);

} // namespace velmira
