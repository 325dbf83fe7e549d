#pragma once
// Loading the installation's pictures. A picture that cannot be loaded
// raises FileError with the real cause, as any other file of the
// installation that has no message of its own.

#include <QImage>
#include <QPixmap>
#include <QString>

#include <vector>

namespace velmira {

// The system's reason when the file cannot be read (missing, a directory, a
// link loop, no permission); the decoder's, in its own words, when the bytes
// are not a picture. Nothing is written to standard error.
QImage readPicture(const QString &name);
QPixmap loadPicture(const QString &name);
// The frames of a strip of equal frames laid side by side.
std::vector<QPixmap> loadStrip(const QString &name, int frames);

} // namespace velmira
