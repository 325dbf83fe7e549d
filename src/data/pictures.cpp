#include "pictures.h"

#include "messages.h"

#include <QImageReader>

namespace velmira {

QPixmap loadPicture(const QString &name)
{
    QImageReader reader(name);
    const QImage image = reader.read();
    if (image.isNull())
        throw FileError(name.toLocal8Bit(), reader.errorString());
    return QPixmap::fromImage(image);
}

std::vector<QPixmap> loadStrip(const QString &name, int frames)
{
    const QPixmap strip = loadPicture(name);
    const int width = strip.width() / frames;
    std::vector<QPixmap> out;
    for (int i = 0; i < frames; ++i)
        out.push_back(strip.copy(i * width, 0, width, strip.height()));
    return out;
}

} // namespace velmira
