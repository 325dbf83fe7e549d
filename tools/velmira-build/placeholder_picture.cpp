#include "placeholder_picture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace velmira::build {

QByteArray placeholderGirlBitmap()
{
    QImage image(60, 90, QImage::Format_RGB32);
    image.fill(QColor(241, 217, 192));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 60, 30));          // hair, behind the face
        p.drawEllipse(QRectF(16, 6, 28, 34));
        p.setBrush(QColor(250, 210, 170));        // face and neck
        p.drawEllipse(QRectF(20, 10, 20, 24));
        p.drawRect(QRectF(27, 32, 6, 6));
        p.setBrush(QColor(200, 40, 80));          // dress
        p.drawPolygon(QPolygonF({QPointF(30, 36), QPointF(14, 78), QPointF(46, 78)}));
        p.setBrush(QColor(60, 60, 60));           // legs and eyes
        p.drawRect(QRectF(24, 78, 4, 10));
        p.drawRect(QRectF(32, 78, 4, 10));
        p.drawEllipse(QRectF(25, 19, 3, 3));
        p.drawEllipse(QRectF(32, 19, 3, 3));
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

} // namespace velmira::build
