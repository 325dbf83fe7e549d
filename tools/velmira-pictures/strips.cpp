#include "strips.h"

#include <QPainter>

namespace velmira::pictures {

QImage strip(const QVector<QImage> &frames)
{
    if (frames.isEmpty())
        return {};
    const QSize frame = frames.first().size();
    QImage image(frame.width() * frames.size(), frame.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    for (int i = 0; i < frames.size(); ++i)
        p.drawImage(i * frame.width(), 0, frames[i]);
    return image;
}

} // namespace velmira::pictures
