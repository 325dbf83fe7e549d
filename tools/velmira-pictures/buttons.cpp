#include "buttons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velmira::pictures {

QImage buttonBackground()
{
    QImage image(160, 33, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient shade(0, 0, 0, 33);
    shade.setColorAt(0, QColor(200, 240, 170));
    shade.setColorAt(0.45, QColor(120, 200, 90));
    shade.setColorAt(1, QColor(60, 140, 50));
    p.fillRect(image.rect(), shade);
    p.setPen(QPen(QColor(40, 100, 35), 1));
    p.drawRect(image.rect().adjusted(0, 0, -1, -1));
    p.setPen(QPen(QColor(235, 255, 220), 1));
    p.drawLine(1, 1, 158, 1);
    return image;
}

QImage speechBubble()
{
    QImage image(300, 170, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath bubble;
    bubble.addRoundedRect(QRectF(4, 4, 292, 130), 30, 30);
    QPainterPath tail;
    tail.moveTo(40, 120);
    tail.lineTo(20, 166);
    tail.lineTo(80, 126);
    tail.closeSubpath();
    p.setPen(QPen(QColor(60, 60, 60), 2.5));
    p.setBrush(Qt::white);
    p.drawPath(bubble.united(tail));
    return image;
}

} // namespace velmira::pictures
