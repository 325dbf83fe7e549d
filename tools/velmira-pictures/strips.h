#pragma once
// Frames laid side by side into one picture, as the program's image lists
// cut them again.

#include <QImage>
#include <QVector>

namespace velmira::pictures {

QImage strip(const QVector<QImage> &frames);

} // namespace velmira::pictures
