#pragma once
// The explainer's pictures: an arrow (pointing up, and the same turned to
// the right) and the round "i" that opens a stage's information.

#include <QImage>

namespace velmira::pictures {

QImage arrowUp();
QImage arrowRight();
QImage informationMark();

} // namespace velmira::pictures
