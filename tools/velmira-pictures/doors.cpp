#include "doors.h"

#include "data/picture_names.h"

#include <QLinearGradient>
#include <QPainter>

namespace velmira::pictures {

namespace {

const QColor kFrameWood(90, 55, 30);
const QColor kDoorWood(170, 110, 60);
const QColor kLight(255, 240, 170);

// `opening` from 0 (closed) to 1 (open): the leaf turns on its left hinge and
// narrows in perspective while the light behind it grows.
QImage doorFrame(double opening)
{
    const int w = kFigureFrameWidth;
    const int h = kFigureFrameHeight;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF opening_(6, 6, w - 12, h - 6);
    QLinearGradient light(opening_.topLeft(), opening_.topRight());
    light.setColorAt(0, kLight);
    light.setColorAt(1, QColor(255, 200, 90));
    p.fillRect(opening_, light);

    p.setPen(QPen(kFrameWood.darker(130), 1));
    p.setBrush(kFrameWood);
    p.drawRect(QRectF(0, 0, w, 6));
    p.drawRect(QRectF(0, 0, 6, h));
    p.drawRect(QRectF(w - 6, 0, 6, h));

    const double leafWidth = (w - 12) * (1.0 - 0.8 * opening);
    const double skew = 10 * opening; // the far edge looks shorter as it turns
    const QPolygonF leaf(
        {QPointF(6, 6), QPointF(6 + leafWidth, 6 + skew), QPointF(6 + leafWidth, h - skew), QPointF(6, h)});
    p.setBrush(kDoorWood.darker(100 + int(40 * opening)));
    p.setPen(QPen(kFrameWood.darker(150), 1));
    p.drawPolygon(leaf);

    // Two panels and a knob, shrinking with the leaf.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kFrameWood, 1.5));
    const double inset = leafWidth * 0.18;
    p.drawRect(QRectF(6 + inset, 18 + skew * 0.6, leafWidth - 2 * inset, 58 - skew * 0.4));
    p.drawRect(QRectF(6 + inset, 88, leafWidth - 2 * inset, 62 - skew * 0.6));
    p.setBrush(QColor(230, 190, 60));
    p.setPen(QPen(QColor(120, 90, 20), 0.8));
    p.drawEllipse(QPointF(6 + leafWidth * 0.85, 84), 2.5 * (1.0 - 0.5 * opening), 2.5);
    return image;
}

} // namespace

QVector<QImage> doorFrames()
{
    QVector<QImage> frames;
    for (int i = 0; i < kDoorFrames; ++i)
        frames << doorFrame(double(i) / (kDoorFrames - 1));
    return frames;
}

} // namespace velmira::pictures
