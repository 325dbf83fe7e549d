#pragma once
// Loading the installation's pictures. A picture that cannot be loaded
// raises FileError, as any other file of the installation that has no
// message of its own.

#include <QPixmap>
#include <QString>

#include <vector>

namespace velmira {

QPixmap loadPicture(const QString &name);
// The frames of a strip of equal frames laid side by side.
std::vector<QPixmap> loadStrip(const QString &name, int frames);

} // namespace velmira
